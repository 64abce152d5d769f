// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the reader, writes the theme it gives, reads that text again and lays
// both themes out at two canvas widths. Any crash, sanitizer report or broken invariant (an
// Element lost, gained or changed by the round trip; a tile not found where it lies) is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "format/metadata.h"
#include "format/reader.h"
#include "format/writer.h"
#include "preview/preview_layout.h"
#include "support/written_element.h"
#include "text/message_list.h"

namespace {

void lay_out_at_widths(const quorvane::Theme& theme) {
    for (const int width : {11712, 900}) {
        quorvane::PreviewFrame frame;
        frame.canvas_inner_width = frame.canvas_width = width;
        const quorvane::PreviewLayout layout = quorvane::lay_out_preview(theme, frame);
        if (layout.tile_count() != theme.element_count()) {
            std::abort();
        }
        for (int k = 0; k < layout.tile_count(); ++k) {
            if (layout.tile_at(layout.tile_rect(k).topLeft()) != k) {
                std::abort();
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // What the reader says is of no interest here; each text is kept once.
    quorvane::MessageList messages(quorvane::MessageList::Repeats::Dropped);
    quorvane::Theme first;
    quorvane::parse_theme_text(
        first, QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)), messages);
    lay_out_at_widths(first);

    const QByteArray written =
        quorvane::theme_text(first, quorvane::metadata_block_text(first.metadata), messages);
    quorvane::Theme second;
    quorvane::parse_theme_text(second, written, messages);
    lay_out_at_widths(second);
    // What the writer wrote, it reads back into as many Elements, each as it was written.
    if (first.elements.empty()) {
        return 0;
    }
    if (second.elements.size() != first.elements.size()) {
        std::abort();
    }
    for (size_t k = 0; k < first.elements.size(); ++k) {
        if (quorvane::written_losslessly(first.elements[k]) &&
            quorvane::as_written_and_read(first.elements[k]) !=
                quorvane::as_written_and_read(second.elements[k])) {
            std::abort();
        }
    }
    return 0;
}
