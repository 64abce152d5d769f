// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/theme_edits.h"

#include <QCoreApplication>

#include "model/element_edits.h"
#include "model/presentation_changes.h"
#include "model/presentation_list.h"

namespace quorvane {

QString AddElementsEdit::name() const {
    qsizetype n = 0;
    for (const ElementPick& pick : picks_) {
        n += pick.polygons.size() + pick.lines.size();
    }
    return n == 1 ? QCoreApplication::translate("ThemeEdits", "Add 1 Element")
                  : QCoreApplication::translate("ThemeEdits", "Add %1 Elements").arg(n);
}

void AddElementsEdit::apply(Theme& theme) {
    tables_before_.keep(theme);
    origin_.clear();
    add_picked_elements(theme, picks_, &origin_);
    relist_presentations(theme);
}

void AddElementsEdit::revert(Theme& theme) {
    if (!origin_.empty()) {
        std::vector<Element> before(origin_.size() -
                                    size_t(std::count(origin_.begin(), origin_.end(), -1)));
        for (size_t i = 0; i < origin_.size(); ++i) {
            if (origin_[i] >= 0) {
                before[size_t(origin_[i])] = std::move(theme.elements[i]);
            }
        }
        theme.elements = std::move(before);
    }
    tables_before_.put_back(theme);
}

std::vector<int> AddElementsEdit::added() const {
    std::vector<int> numbers;
    for (size_t i = 0; i < origin_.size(); ++i) {
        if (origin_[i] < 0) {
            numbers.push_back(int(i));
        }
    }
    return numbers;
}

QString AddPresentationsEdit::name() const {
    // The names are the format's own and stay as they are.
    const QString names = names_.join(QStringLiteral(", "));
    return names_.size() == 1
               ? QCoreApplication::translate("ThemeEdits", "Add Presentation %1").arg(names)
               : QCoreApplication::translate("ThemeEdits", "Add Presentations %1").arg(names);
}

void AddPresentationsEdit::apply(Theme& theme) {
    count_before_ = theme.elements.size();
    tables_before_.keep(theme);
    messages_ = MessageList();
    add_presentations(theme, names_, messages_);
    relist_presentations(theme);
}

void AddPresentationsEdit::revert(Theme& theme) {
    theme.elements.resize(count_before_);
    tables_before_.put_back(theme);
}

QString RemovePresentationsEdit::name() const {
    const QString names = names_.join(QStringLiteral(", "));
    return names_.size() == 1
               ? QCoreApplication::translate("ThemeEdits", "Remove Presentation %1").arg(names)
               : QCoreApplication::translate("ThemeEdits", "Remove Presentations %1").arg(names);
}

void RemovePresentationsEdit::apply(Theme& theme) {
    tables_before_.keep(theme);
    removed_ = remove_presentations(theme, names_);
    relist_presentations(theme);
}

void RemovePresentationsEdit::revert(Theme& theme) {
    put_back(theme.elements, removed_);
    tables_before_.put_back(theme);
}

QString ApplyStyleEdit::name() const {
    const int others = int(before_.size()) - 1;
    if (to_all_ && others > 0) {
        return others == 1 ? QCoreApplication::translate("ThemeEdits",
                                                         "Apply to All Presentations (1 element)")
                           : QCoreApplication::translate("ThemeEdits",
                                                         "Apply to All Presentations (%1 elements)")
                                 .arg(others);
    }
    return colours_only_
               ? QCoreApplication::translate("ThemeEdits", "Colour of %1").arg(display_name_)
               : QCoreApplication::translate("ThemeEdits", "Style of %1").arg(display_name_);
}

void ApplyStyleEdit::apply(Theme& theme) {
    before_.clear();
    Element& element = theme.elements[size_t(index_)];
    display_name_ = element.display_name.trimmed();
    const ElementStyle old_style = ElementStyle::of(element);
    colours_only_ = old_style.scale == style_.scale && old_style.border == style_.border;
    before_.emplace_back(index_, old_style);
    style_.write_to(element);
    if (to_all_) {
        for (int j = 0; j < theme.element_count(); ++j) {
            if (j != index_ && theme.elements[size_t(j)].field_name == element.field_name) {
                before_.emplace_back(j, ElementStyle::of(theme.elements[size_t(j)]));
            }
        }
        messages_ = MessageList();
        copy_style_to_all_presentations(theme, index_, messages_);
    }
}

void ApplyStyleEdit::revert(Theme& theme) {
    for (const auto& [index, style] : before_) {
        style.write_to(theme.elements[size_t(index)]);
    }
}

QString& metadata_text(Metadata& metadata, MetadataField field) {
    switch (field) {
        case MetadataField::Title:
            return metadata.title;
        case MetadataField::Description:
            return metadata.description;
        case MetadataField::Locale:
            return metadata.locale;
        case MetadataField::Version:
            break;
    }
    return metadata.version;
}

const QString& metadata_text(const Metadata& metadata, MetadataField field) {
    return metadata_text(const_cast<Metadata&>(metadata), field);
}

QString SetMetadataEdit::name() const {
    switch (field_) {
        case MetadataField::Title:
            return QCoreApplication::translate("ThemeEdits", "Title");
        case MetadataField::Description:
            return QCoreApplication::translate("ThemeEdits", "Description");
        case MetadataField::Locale:
            return QCoreApplication::translate("ThemeEdits", "Locality");
        case MetadataField::Version:
            break;
    }
    return QCoreApplication::translate("ThemeEdits", "Version");
}

void SetMetadataEdit::apply(Theme& theme) {
    QString& text = metadata_text(theme.metadata, field_);
    before_ = text;
    text = text_;
}

void SetMetadataEdit::revert(Theme& theme) {
    metadata_text(theme.metadata, field_) = before_;
}

bool SetMetadataEdit::merge_with(const ThemeEdit& next) {
    const auto* typed = dynamic_cast<const SetMetadataEdit*>(&next);
    if (typed == nullptr || typed->field_ != field_ || typed->visit_ != visit_) {
        return false;
    }
    text_ = typed->text_;
    return true;
}

}  // namespace quorvane
