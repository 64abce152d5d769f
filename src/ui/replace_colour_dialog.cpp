// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/replace_colour_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>

#include "colour/colour_values.h"
#include "platform/colour_picker.h"
#include "text/ascii_text.h"
#include "ui/adjust_colours_dialog.h"
#include "ui/theme_colour_list.h"

namespace quorvane {

namespace {

// The theme's presentations, each once, in the order its Elements hold them.
QStringList presentations_of(const Theme& theme) {
    QStringList names;
    for (const Element& e : theme.elements) {
        const QString name = space_trimmed(e.presentation);
        if (names.isEmpty() || (names.last() != name && !names.contains(name))) {
            names.append(name);
        }
    }
    return names;
}

QLineEdit* colour_box(QWidget* parent, const char* name, const QString& spoken) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(spoken);
    box->setPlaceholderText(QStringLiteral("#RRGGBB"));
    box->setMaxLength(12);
    return box;
}

QString hash_text(int colour) {
    return QStringLiteral("#") + colour_text(colour);
}

// A box whose text is no colour turns towards red, as the style editor's boxes do, on light and
// dark desktops alike.
void mark_colour_box(QLineEdit& box, bool invalid) {
    constexpr double kRed = 0.3;
    const QColor base = box.parentWidget()->palette().color(QPalette::Base);
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, invalid
                                         ? QColor::fromRgbF(float(base.redF() * (1 - kRed) + kRed),
                                                            float(base.greenF() * (1 - kRed)),
                                                            float(base.blueF() * (1 - kRed)))
                                         : base);
    box.setPalette(palette);
    box.setToolTip(invalid ? ReplaceColourDialog::tr("Not a colour: type six hexadecimal digits "
                                                     "RRGGBB, such as FF8000 or #ff8000")
                           : QString());
}

}  // namespace

ReplaceColourDialog::ReplaceColourDialog(const Theme& theme, const std::vector<int>& selected,
                                         std::optional<int> from, ColourPicker& picker,
                                         PreviewPane& preview, QWidget* parent)
    : RecolourDialog(preview, parent), theme_(theme), selected_(selected), picker_(picker) {
    setObjectName(QStringLiteral("replace_colour_dialog"));
    setWindowTitle(tr("Replace Colour"));
    auto* form = new QFormLayout;

    used_ = new QListWidget(this);
    used_->setObjectName(QStringLiteral("used_colours"));
    used_->setAccessibleName(tr("Colours the theme uses"));
    list_theme_colours(*used_, theme);
    from_box_ = colour_box(this, "from_box", tr("Colour to replace"));
    auto* from_column = new QVBoxLayout;
    from_column->addWidget(used_);
    from_column->addWidget(from_box_);
    auto* from_label = new QLabel(tr("Colour to &replace:"), this);
    from_label->setBuddy(used_);
    form->addRow(from_label, from_column);

    to_box_ = colour_box(this, "to_box", tr("New colour"));
    to_swatch_ = new QLabel(this);
    to_swatch_->setObjectName(QStringLiteral("new_colour_swatch"));
    palette_button_ = new QToolButton(this);
    palette_button_->setObjectName(QStringLiteral("palette_button"));
    palette_button_->setText(tr("&Palette"));
    palette_button_->setPopupMode(QToolButton::InstantPopup);
    palette_button_->setMenu(
        device_palette_menu(palette_button_, [this](int colour) { set_to_colour(colour); }));
    auto* more = new QPushButton(tr("&More\u2026"), this);
    more->setObjectName(QStringLiteral("more_button"));
    more->setAutoDefault(false);
    auto* to_row = new QHBoxLayout;
    to_row->addWidget(to_swatch_);
    to_row->addWidget(to_box_, 1);
    to_row->addWidget(palette_button_);
    to_row->addWidget(more);
    auto* to_label = new QLabel(tr("&New colour:"), this);
    to_label->setBuddy(to_box_);
    form->addRow(to_label, to_row);

    times_ = day_night_box(this);
    parts_ = new QComboBox(this);
    parts_->setObjectName(QStringLiteral("parts_box"));
    parts_->setAccessibleName(tr("Primary or secondary colours"));
    parts_->addItem(tr("Primary and secondary colours"));
    parts_->addItem(tr("Primary colours"));
    parts_->addItem(tr("Secondary colours"));
    auto* slots_row = new QHBoxLayout;
    slots_row->addWidget(times_);
    slots_row->addWidget(parts_);
    auto* slots_label = new QLabel(tr("C&hange:"), this);
    slots_label->setBuddy(times_);
    form->addRow(slots_label, slots_row);

    all_ = new QRadioButton(tr("&All styles"), this);
    all_->setObjectName(QStringLiteral("all_option"));
    selection_ =
        new QRadioButton(selected_.size() > 1 ? tr("The %1 &selected styles").arg(selected_.size())
                                              : tr("The &selected style"),
                         this);
    selection_->setObjectName(QStringLiteral("selection_option"));
    selection_->setEnabled(!selected_.empty());
    presentation_ = new QRadioButton(tr("Presen&tation:"), this);
    presentation_->setObjectName(QStringLiteral("presentation_option"));
    presentations_ = new QComboBox(this);
    presentations_->setObjectName(QStringLiteral("presentation_box"));
    presentations_->setAccessibleName(tr("Presentation"));
    presentations_->addItems(presentations_of(theme));
    auto* scope_group = new QButtonGroup(this);
    auto* scope_column = new QVBoxLayout;
    auto* presentation_row = new QHBoxLayout;
    presentation_row->addWidget(presentation_);
    presentation_row->addWidget(presentations_, 1);
    for (QRadioButton* option : {all_, selection_, presentation_}) {
        scope_group->addButton(option);
    }
    scope_column->addWidget(all_);
    scope_column->addWidget(selection_);
    scope_column->addLayout(presentation_row);
    (selected_.size() > 1 ? selection_ : all_)->setChecked(true);
    form->addRow(tr("In:"), scope_column);

    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("count_label"));
    form->addRow(count_);

    lay_out(form, QString());

    connect(used_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (const std::optional<int> colour = colour_of_item(item)) {
            from_box_->setText(hash_text(*colour));
        }
    });
    connect(from_box_, &QLineEdit::textChanged, this, &ReplaceColourDialog::follow_choices);
    connect(to_box_, &QLineEdit::textChanged, this, &ReplaceColourDialog::follow_choices);
    connect(more, &QPushButton::clicked, this, [this] {
        const QColor initial = to_qcolor(typed_colour(to_box_->text()).value_or(0xFFFFFF));
        if (const std::optional<QColor> chosen = picker_.pick_colour(initial)) {
            set_to_colour(colour_number_of(*chosen));
        }
    });
    for (QComboBox* box : {times_, parts_}) {
        connect(box, &QComboBox::currentIndexChanged, this, &ReplaceColourDialog::follow_choices);
    }
    connect(scope_group, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool on) {
        if (on) {
            follow_scope();
        }
    });
    connect(presentations_, &QComboBox::currentIndexChanged, this, [this] {
        presentation_->setChecked(true);
        follow_scope();
    });

    follow_scope();
    if (from) {
        from_box_->setText(hash_text(*from));
        to_box_->setText(hash_text(*from));
    } else if (used_->count() > 0) {
        used_->setCurrentRow(0);
    }
    to_box_->setFocus();
    to_box_->selectAll();
}

void ReplaceColourDialog::set_to_colour(int colour) {
    to_box_->setText(hash_text(colour));
}

std::vector<int> ReplaceColourDialog::scope_elements() const {
    if (selection_->isChecked()) {
        return selected_;
    }
    if (presentation_->isChecked()) {
        return presentation_elements(theme_, presentations_->currentText());
    }
    return all_elements(theme_);
}

void ReplaceColourDialog::follow_scope() {
    set_operation(
        std::make_unique<ReplaceColourOperation>(theme_, scope_elements(), ColourReplacement{}));
    follow_choices();
}

void ReplaceColourDialog::follow_choices() {
    const std::optional<int> from = typed_colour(from_box_->text());
    const std::optional<int> to = typed_colour(to_box_->text());
    // The swatch of a typed colour is the one marked in the list, or none.
    if (colour_of_item(used_->currentItem()) != from) {
        const QSignalBlocker quiet(used_);
        used_->setCurrentRow(-1);
        for (int row = 0; from && row < used_->count(); ++row) {
            if (colour_of_item(used_->item(row)) == from) {
                used_->setCurrentRow(row);
                break;
            }
        }
    }
    for (const auto& [box, colour] : {std::pair{from_box_, from}, std::pair{to_box_, to}}) {
        mark_colour_box(*box, !colour && !box->text().isEmpty());
    }
    if (to) {
        to_swatch_->setPixmap(colour_swatch_icon(*to, to_box_->sizeHint().height())
                                  .pixmap(to_box_->sizeHint().height()));
    } else {
        to_swatch_->clear();
    }
    ColourSlots chosen = slots_of_day_night_box(*times_);
    chosen.primary = parts_->currentIndex() != 2;
    chosen.secondary = parts_->currentIndex() != 1;
    auto& replace = static_cast<ReplaceColourOperation&>(editable_operation());
    // Without both colours the preview shows nothing changing.
    replace.set_replacement({from.value_or(-1), to.value_or(from.value_or(-1)), chosen});
    const int using_it = from ? replace.styles_using() : 0;
    count_->setText(!from           ? tr("Pick or type the colour to replace.")
                    : using_it == 0 ? tr("No style here uses %1.").arg(hash_text(*from))
                    : using_it == 1 ? tr("Used by 1 style.")
                                    : tr("Used by %1 styles.").arg(using_it));
    apply_button()->setEnabled(from && to && *from != *to && using_it > 0);
    refresh_preview();
}

}  // namespace quorvane
