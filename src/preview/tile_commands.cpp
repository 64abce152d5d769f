// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/tile_commands.h"

#include <QCoreApplication>

namespace quorvane {

TileCommandStates tile_command_states(const Theme& theme, const TileSelection& selection,
                                      const std::optional<CopiedStyle>& copied) {
    TileCommandStates states;
    const int count = std::min(theme.element_count(), selection.tile_count());
    const int current = selection.current();
    const bool has_current = current >= 0 && current < count;
    states.edit_style = has_current;
    states.copy_style = has_current;
    states.delete_elements = !selection.empty();
    states.select_all = theme.element_count() > 0;
    if (copied) {
        for (int k = 0; k < count && !states.paste_style; ++k) {
            states.paste_style =
                selection.is_selected(k) && copied->fits(theme.elements[size_t(k)]);
        }
    }
    if (has_current) {
        const QString& field = theme.elements[size_t(current)].field_name;
        for (int k = 0; k < theme.element_count() && !states.apply_to_all; ++k) {
            states.apply_to_all = k != current && theme.elements[size_t(k)].field_name == field;
        }
    }
    return states;
}

QString paste_report(const PasteCounts& counts, const CopiedStyle& copied) {
    // Lines skipped when a polygon's style was pasted, polygons when a line's was.
    const int changed = counts.changed;
    const int skipped = counts.skipped;
    if (copied.polygon) {
        return skipped == 1 ? QCoreApplication::translate(
                                  "TileCommands", "Style pasted: %1 changed, 1 line skipped")
                                  .arg(changed)
                            : QCoreApplication::translate(
                                  "TileCommands", "Style pasted: %1 changed, %2 lines skipped")
                                  .arg(changed)
                                  .arg(skipped);
    }
    return skipped == 1 ? QCoreApplication::translate("TileCommands",
                                                      "Style pasted: %1 changed, 1 polygon skipped")
                              .arg(changed)
                        : QCoreApplication::translate(
                              "TileCommands", "Style pasted: %1 changed, %2 polygons skipped")
                              .arg(changed)
                              .arg(skipped);
}

}  // namespace quorvane
