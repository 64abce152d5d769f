// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <memory>
#include <vector>

#include "model/copied_style.h"
#include "model/recolouring.h"
#include "model/theme.h"
#include "model/theme_edits.h"
#include "text/message_list.h"

namespace quorvane {

inline const QString kUntitledFileName = QStringLiteral("untitled.kmtf");

// What a change touched, so that the windows redo only what they must.
enum class DocumentChange {
    Replaced,  // a whole new theme: opened, new, restored
    Elements,  // Elements added, removed or reordered: lay the preview out again
    Styles,    // styles or metadata only: the layout stays
};

// What pasting a style did: how many Elements of its kind changed, and how many Elements of the
// other kind were left alone.
struct PasteCounts {
    int changed = 0;
    int skipped = 0;

    friend bool operator==(const PasteCounts&, const PasteCounts&) = default;
};

// The open theme and everything about it that is not its content: the file it belongs to and
// whether it has unsaved changes. It is the only way the theme changes: every edit is one named
// step of its undo history, and every change is announced by `changed`. What an edit has to say
// to the user comes back from it as a MessageList for the caller to show.
class ThemeDocument : public QObject {
    Q_OBJECT

  public:
    explicit ThemeDocument(QObject* parent = nullptr);
    ~ThemeDocument() override;

    const Theme& theme() const { return theme_; }
    // The full path of the theme's file, or "untitled.kmtf" for a theme never saved.
    const QString& file_name() const { return file_name_; }
    // Whether the theme came from a file or was saved to one.
    bool has_file() const { return has_file_; }
    bool is_modified() const;
    QUndoStack& history() { return history_; }

    // The edits. Each makes one step of the history and marks the document modified.
    // Returns how many Elements were added (nothing for an empty pick).
    int add_elements(const ElementPick& pick);
    // Picks into several presentations as one step; returns the numbers of the added Elements.
    std::vector<int> add_elements(const std::vector<ElementPick>& picks);
    [[nodiscard]] MessageList add_presentations(const QStringList& names);
    void remove_presentations(const QStringList& names);
    // Sets the style of Element `index` and, when asked, copies it to the same feature in every
    // other presentation. Nothing happens when nothing would change.
    [[nodiscard]] MessageList apply_style(int index, const ElementStyle& style,
                                          bool to_all_presentations);
    // Copies Element `index`'s style to the same feature in every other presentation.
    [[nodiscard]] MessageList copy_style_to_all_presentations(int index);
    void set_metadata(MetadataField field, const QString& text);
    // Deletes the Elements with these numbers (in any order; repeats count once, numbers out of
    // range not at all). Returns how many went.
    int delete_elements(std::vector<int> numbers);
    // Pastes a copied style onto the Elements with these numbers that are of its kind; the step
    // holds only the Elements whose style changes, and there is none when nothing would.
    PasteCounts paste_style(std::vector<int> numbers, const CopiedStyle& copied);
    // Gives the recoloured styles their new colours as one step named after the operation;
    // nothing happens when no style changes. Returns how many styles changed.
    int recolour(Recolouring recolouring);
    // The next metadata edit starts a new step even in the same box (the user left the box).
    void end_typing() { ++typing_visit_; }

    // Replaces the whole theme (opening, New); the history starts afresh and the document is
    // unmodified, or modified when `modified` says so (a restored recovery copy).
    void replace(Theme theme, const QString& file_name, bool from_file, bool modified = false);
    // The theme was written to `path`: it belongs to that file now and has no unsaved changes.
    void mark_saved(const QString& path);

  signals:
    void changed(DocumentChange change);
    void modified_changed(bool modified);

  private:
    friend class EditStep;
    // Applies the edit as a new step; returns what it raised for the user.
    MessageList perform(std::unique_ptr<ThemeEdit> edit);
    void announce(const ThemeEdit& edit);
    // Every Element gets an identity of its own, so a view can follow it through the steps.
    void identify_elements();
    void set_unsaved_without_steps(bool unsaved);

    Theme theme_;
    QString file_name_ = kUntitledFileName;
    bool has_file_ = false;
    // Unsaved changes that are not in the history (a restored recovery copy).
    bool unsaved_without_steps_ = false;
    int typing_visit_ = 0;
    quint64 next_identity_ = 1;
    // What the edit just applied raised for the user.
    MessageList raised_;
    QUndoStack history_;
};

}  // namespace quorvane
