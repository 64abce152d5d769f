// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/theme_document.h"

#include <algorithm>
#include <iterator>

#include "model/element_edits.h"
#include "model/element_identity.h"
#include "model/recolour_edit.h"

namespace quorvane {

// One step of the history: the edit, applied on redo and reverted on undo.
class EditStep : public QUndoCommand {
  public:
    EditStep(ThemeDocument& document, std::unique_ptr<ThemeEdit> edit)
        : document_(document), edit_(std::move(edit)) {}

    void redo() override {
        edit_->apply(document_.theme_);
        if (!edit_->keeps_layout()) {
            document_.identify_elements();
        }
        setText(edit_->name());
        document_.raised_ = edit_->messages();
        document_.announce(*edit_);
    }
    void undo() override {
        edit_->revert(document_.theme_);
        if (!edit_->keeps_layout()) {
            document_.identify_elements();
        }
        document_.announce(*edit_);
    }
    int id() const override { return edit_->merge_key(); }
    bool mergeWith(const QUndoCommand* other) override {
        return edit_->merge_with(*static_cast<const EditStep*>(other)->edit_);
    }

  private:
    ThemeDocument& document_;
    std::unique_ptr<ThemeEdit> edit_;
};

ThemeDocument::ThemeDocument(QObject* parent) : QObject(parent), history_(this) {
    connect(&history_, &QUndoStack::cleanChanged, this,
            [this] { emit modified_changed(is_modified()); });
}

ThemeDocument::~ThemeDocument() {
    // The steps refer to the document: they go before its theme does.
    history_.clear();
}

bool ThemeDocument::is_modified() const {
    return unsaved_without_steps_ || !history_.isClean();
}

void ThemeDocument::announce(const ThemeEdit& edit) {
    emit changed(edit.keeps_layout() ? DocumentChange::Styles : DocumentChange::Elements);
}

void ThemeDocument::identify_elements() {
    give_identities(theme_.elements, next_identity_);
}

MessageList ThemeDocument::perform(std::unique_ptr<ThemeEdit> edit) {
    raised_ = MessageList();
    // Pushing applies the edit; a merged step is gone afterwards.
    history_.push(new EditStep(*this, std::move(edit)));
    return std::exchange(raised_, MessageList());
}

int ThemeDocument::add_elements(const ElementPick& pick) {
    return int(add_elements(std::vector<ElementPick>{pick}).size());
}

std::vector<int> ThemeDocument::add_elements(const std::vector<ElementPick>& picks) {
    std::vector<ElementPick> wanted;
    std::copy_if(picks.begin(), picks.end(), std::back_inserter(wanted),
                 [](const ElementPick& pick) { return !pick.empty(); });
    if (wanted.empty()) {
        return {};
    }
    auto edit = std::make_unique<AddElementsEdit>(std::move(wanted));
    const AddElementsEdit& applied = *edit;
    perform(std::move(edit));
    // Adding never merges with the step before, so the edit lives on in the history.
    return applied.added();
}

MessageList ThemeDocument::add_presentations(const QStringList& names) {
    if (names.isEmpty()) {
        return {};
    }
    return perform(std::make_unique<AddPresentationsEdit>(names));
}

void ThemeDocument::remove_presentations(const QStringList& names) {
    if (names.isEmpty()) {
        return;
    }
    perform(std::make_unique<RemovePresentationsEdit>(names));
}

MessageList ThemeDocument::apply_style(int index, const ElementStyle& style,
                                       bool to_all_presentations) {
    if (index < 0 || index >= theme_.element_count()) {
        return {};
    }
    const Element& element = theme_.elements[size_t(index)];
    bool changes = ElementStyle::of(element) != style;
    int others = 0;
    if (to_all_presentations) {
        for (int j = 0; j < theme_.element_count(); ++j) {
            const Element& other = theme_.elements[size_t(j)];
            if (j != index && other.field_name == element.field_name) {
                ++others;
                changes = changes || ElementStyle::of(other) != style;
            }
        }
    }
    if (!changes) {
        // Nothing to record, but the user still learns how many share the feature.
        MessageList messages;
        if (to_all_presentations) {
            tell_applied_to_others(others, messages);
        }
        return messages;
    }
    return perform(std::make_unique<ApplyStyleEdit>(index, style, to_all_presentations));
}

MessageList ThemeDocument::copy_style_to_all_presentations(int index) {
    if (index < 0 || index >= theme_.element_count()) {
        return {};
    }
    return apply_style(index, ElementStyle::of(theme_.elements[size_t(index)]), true);
}

void ThemeDocument::set_metadata(MetadataField field, const QString& text) {
    if (metadata_text(theme_.metadata, field) == text) {
        return;
    }
    perform(std::make_unique<SetMetadataEdit>(field, text, typing_visit_));
}

int ThemeDocument::delete_elements(std::vector<int> numbers) {
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    std::erase_if(numbers, [this](int n) { return n < 0 || n >= theme_.element_count(); });
    if (numbers.empty()) {
        return 0;
    }
    const int count = int(numbers.size());
    perform(std::make_unique<DeleteElementsEdit>(std::move(numbers)));
    return count;
}

PasteCounts ThemeDocument::paste_style(std::vector<int> numbers, const CopiedStyle& copied) {
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    PasteCounts counts;
    std::vector<int> changing;
    for (const int n : numbers) {
        if (n < 0 || n >= theme_.element_count()) {
            continue;
        }
        const Element& e = theme_.elements[size_t(n)];
        if (!copied.fits(e)) {
            ++counts.skipped;
        } else if (copied.pasted_onto(e) != ElementStyle::of(e)) {
            changing.push_back(n);
        }
    }
    counts.changed = int(changing.size());
    if (!changing.empty()) {
        perform(std::make_unique<PasteStyleEdit>(std::move(changing), copied));
    }
    return counts;
}

int ThemeDocument::recolour(Recolouring recolouring) {
    const int count = recolouring.count();
    if (count > 0) {
        perform(std::make_unique<RecolourEdit>(std::move(recolouring)));
    }
    return count;
}

void ThemeDocument::replace(Theme theme, const QString& file_name, bool from_file, bool modified) {
    history_.clear();
    theme_ = std::move(theme);
    identify_elements();
    file_name_ = file_name;
    has_file_ = from_file;
    set_unsaved_without_steps(modified);
    emit changed(DocumentChange::Replaced);
}

void ThemeDocument::mark_saved(const QString& path) {
    file_name_ = path;
    has_file_ = true;
    history_.setClean();
    set_unsaved_without_steps(false);
}

void ThemeDocument::set_unsaved_without_steps(bool unsaved) {
    const bool was = is_modified();
    unsaved_without_steps_ = unsaved;
    if (was != is_modified()) {
        emit modified_changed(is_modified());
    }
}

}  // namespace quorvane
