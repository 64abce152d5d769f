// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/style_editor.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>
#include <cmath>
#include <numbers>

#include "colour/adjustments.h"
#include "colour/colour_values.h"
#include "colour/shades.h"
#include "platform/busy_cursor.h"
#include "platform/colour_picker.h"
#include "style_editor/palette_geometry.h"
#include "style_editor/sliders.h"
#include "ui/colour_cell.h"
#include "ui/hue_chart_picture.h"
#include "ui/palette_grid.h"
#include "ui/sample_picture.h"

namespace quorvane {

namespace {

template <typename Widget, typename... Args>
Widget* make_named(const char* name, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// Some labels show names read from the theme file: never as markup.
QLabel* make_label(const QString& text, const char* name) {
    QLabel* label = make_named<QLabel>(name, text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* make_button(const QString& text, const char* name) {
    auto* button = make_named<QPushButton>(name, text);
    // Enter in a text box belongs to the box, never to a button.
    button->setAutoDefault(false);
    return button;
}

QLineEdit* make_colour_box(const char* name) {
    QLineEdit* box = make_named<QLineEdit>(name);
    // Room for "#RRGGBB" and a little more, whatever the font.
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("#DDDDDDD")) + 12);
    box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return box;
}

QSlider* make_slider(const char* name, int minimum, int maximum, int page_step) {
    QSlider* slider = make_named<QSlider>(name, Qt::Horizontal);
    slider->setRange(minimum, maximum);
    slider->setSingleStep(1);
    slider->setPageStep(page_step);
    slider->setMinimumWidth(100);
    return slider;
}

QDoubleSpinBox* make_size_box(const char* name, double minimum) {
    QDoubleSpinBox* box = make_named<QDoubleSpinBox>(name);
    box->setDecimals(2);
    box->setRange(minimum, kSizeBoxMaximum);
    box->setSingleStep(0.05);
    // A value is taken once typed out (Enter or leaving the box), not at every digit.
    box->setKeyboardTracking(false);
    return box;
}

QSpinBox* make_adjustment_box(const char* name) {
    QSpinBox* box = make_named<QSpinBox>(name);
    box->setRange(-kAdjustmentLimit, kAdjustmentLimit);
    box->setKeyboardTracking(false);
    return box;
}

// The slider heads: a sun for brightness, a half-filled disc for contrast.
QPixmap slider_icon(bool brightness, int extent) {
    const QSize size(extent, extent);
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1, 1, -1, -1);
    const QPointF centre = box.center();
    const double radius = std::min(box.width(), box.height()) / 2;
    if (brightness) {
        painter.setPen(QPen(QColor(200, 140, 0), 1.2));
        for (int ray = 0; ray < 8; ++ray) {
            const double angle = ray * std::numbers::pi / 4;
            const QPointF direction(std::cos(angle), std::sin(angle));
            painter.drawLine(centre + direction * radius * 0.62, centre + direction * radius);
        }
        painter.setBrush(QColor(255, 200, 0));
        painter.drawEllipse(centre, radius * 0.45, radius * 0.45);
    } else {
        painter.setPen(QPen(Qt::black, 1.0));
        painter.setBrush(Qt::white);
        painter.drawEllipse(centre, radius * 0.9, radius * 0.9);
        QPainterPath half;
        half.moveTo(centre);
        half.arcTo(QRectF(centre.x() - radius * 0.9, centre.y() - radius * 0.9, radius * 1.8,
                          radius * 1.8),
                   90, 180);
        half.closeSubpath();
        painter.setBrush(Qt::black);
        painter.drawPath(half);
    }
    return pixmap;
}

QString colour_box_tool_tip(bool invalid) {
    return invalid ? StyleEditor::tr(
                         "Not a colour: type six hexadecimal digits RRGGBB, such as "
                         "FF8000 or #ff8000")
                   : StyleEditor::tr(
                         "Six hexadecimal digits RRGGBB, such as FF8000 or #ff8000; "
                         "Enter takes them");
}

// A box whose text is no colour: its background turns towards red, on light and dark desktops
// alike, and its text stays readable.
QColor invalid_box_colour(const QColor& base) {
    constexpr double kRed = 0.3;
    return QColor::fromRgbF(float(base.redF() * (1 - kRed) + kRed),
                            float(base.greenF() * (1 - kRed)), float(base.blueF() * (1 - kRed)));
}

void show_colour_box(QLineEdit& box, const SlotColourView& colour) {
    if (box.text() != colour.text) {
        box.setText(colour.text);
    }
    if (box.property("invalid").toBool() == colour.invalid) {
        return;
    }
    box.setProperty("invalid", colour.invalid);
    QPalette palette = box.palette();
    const QColor base = box.parentWidget()->palette().color(QPalette::Base);
    palette.setColor(QPalette::Base, colour.invalid ? invalid_box_colour(base) : base);
    box.setPalette(palette);
    box.setToolTip(colour_box_tool_tip(colour.invalid));
}

void show_size(QSlider& slider, QDoubleSpinBox& box, const SizeView& size) {
    const QSignalBlocker block_slider(slider);
    const QSignalBlocker block_box(box);
    const double value = size.value.value_or(0);
    slider.setValue(int(std::lround(value * 100)));
    // A box being typed in keeps its text while the value is the same.
    if (std::abs(box.value() - value) >= 0.005) {
        box.setValue(value);
    }
}

void show_adjustment(QSlider& slider, QSpinBox& box, int value) {
    const QSignalBlocker block_slider(slider);
    const QSignalBlocker block_box(box);
    slider.setValue(value);
    box.setValue(value);
}

QString theme_colour_tool_tip(const ThemeColour& used) {
    return used.styles == 1 ? StyleEditor::tr("#%1, used by 1 style").arg(colour_text(used.colour))
                            : StyleEditor::tr("#%1, used by %2 styles")
                                  .arg(colour_text(used.colour))
                                  .arg(used.styles);
}

// A frame that groups controls, as the desktop draws one.
QFrame* make_panel(const char* name) {
    QFrame* panel = make_named<QFrame>(name);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    return panel;
}

}  // namespace

StyleEditor::StyleEditor(const Element& element, const std::vector<ThemeColour>& theme_colours,
                         SampleGrounds grounds, bool night, BusyCursor& busy,
                         ColourPicker& colour_picker, QWidget* parent)
    : QDialog(parent),
      busy_(busy),
      colour_picker_(colour_picker),
      session_(element, grounds, night) {
    setObjectName(QStringLiteral("style_editor"));
    setWindowTitle(QStringLiteral("Quorvane "));
    setModal(true);
    setSizeGripEnabled(true);
    if (parent != nullptr) {
        setWindowIcon(parent->windowIcon());
    }

    auto* columns = new QHBoxLayout;
    columns->addWidget(build_colour_pickers());
    auto* right = new QVBoxLayout;
    right->addWidget(build_samples(), 1);
    right->addWidget(build_theme_colours(theme_colours));
    right->addWidget(build_colour_panels());
    right->addWidget(build_adjustments());
    columns->addLayout(right, 1);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(columns, 1);
    whole->addWidget(build_buttons());

    name_controls();
    // Tab goes through each row of controls in turn, as the window shows them.
    QWidget* const tab_order[] = {
        day_option_,        night_option_,   scale_slider_,    scale_box_,    primary_box_,
        border_slider_,     border_box_,     secondary_box_,   polygon_box_,  colour_dialog_button_,
        brightness_slider_, brightness_box_, contrast_slider_, contrast_box_, reverse_button_,
        apply_all_check_,   button_box_};
    for (size_t k = 1; k < std::size(tab_order); ++k) {
        setTabOrder(tab_order[k - 1], tab_order[k]);
    }
    show_view();
    fit_to_screen();
}

StyleEditor::~StyleEditor() {
    // Destroying the children makes a focused box lose its focus, and its editingFinished would
    // then reach a half-destroyed editor: nothing a child says is heard from here on.
    for (QObject* child : findChildren<QObject*>()) {
        QObject::disconnect(child, nullptr, this, nullptr);
    }
}

bool StyleEditor::apply_to_all_presentations() const {
    return apply_all_check_->isChecked();
}

ColourCell* StyleEditor::swatch(ColourSlot slot) const {
    return slot == ColourSlot::Primary ? primary_swatch_ : secondary_swatch_;
}

QLineEdit* StyleEditor::colour_box(ColourSlot slot) const {
    return slot == ColourSlot::Primary ? primary_box_ : secondary_box_;
}

// ---- building the window -------------------------------------------------------------------

QWidget* StyleEditor::build_colour_pickers() {
    QFrame* frame = make_panel("palette_frame");
    auto* column = new QVBoxLayout(frame);

    palette_ = new PaletteGrid;
    column->addWidget(palette_);
    connect(palette_, &PaletteGrid::cell_pressed, this,
            [this](int index) { run([this, index] { session_.pick_palette_cell(index); }); });

    // The shade cells in a column per channel, under a "*" in the channel's colour, and the
    // colour under the pointer on the spectrum beside them.
    auto* shades = new QGridLayout;
    const QColor head_colours[] = {Qt::red, QColor(0, 160, 0), Qt::blue};
    for (int channel = 0; channel < 3; ++channel) {
        QLabel* head = make_label(QStringLiteral("*"),
                                  qPrintable(QStringLiteral("channel_head_%1").arg(channel)));
        head->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        QFont bold = head->font();
        bold.setBold(true);
        head->setFont(bold);
        QPalette text = head->palette();
        text.setColor(QPalette::WindowText, head_colours[channel]);
        head->setPalette(text);
        shades->addWidget(head, 0, channel);
    }
    for (int k = 0; k < kShadeCellCount; ++k) {
        ColourCell* cell = make_named<ColourCell>(
            qPrintable(QStringLiteral("shade_cell_%1").arg(k)), nullptr, QSizeF(1.5, 1.5));
        const ShadeCellPlace place = shade_cell_place(k);
        shades->addWidget(cell, place.row + 1, int(place.channel));
        shade_cells_[size_t(k)] = cell;
        connect(cell, &ColourCell::pressed, this,
                [this, k] { run([this, k] { session_.pick_shade_cell(k); }); });
    }
    shades->setColumnMinimumWidth(3, 12);
    hover_swatch_ = make_named<ColourCell>("hover_swatch", nullptr, QSizeF(2.2, 2.2));
    shades->addWidget(hover_swatch_, 1, 4, 2, 1, Qt::AlignCenter);
    shades->setColumnStretch(5, 1);
    column->addLayout(shades);

    spectrum_ = new SpectrumPicture;
    spectrum_->setToolTip(tr(" Click to select color "));
    column->addWidget(spectrum_, 1);
    connect(spectrum_, &SpectrumPicture::picked, this,
            [this](int colour) { run([this, colour] { session_.pick_spectrum(colour); }); });
    connect(spectrum_, &SpectrumPicture::hovered, this, [this](int colour) {
        session_.hover(colour);
        hover_swatch_->set_colour(colour);
    });
    return frame;
}

QWidget* StyleEditor::build_samples() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    day_option_ = make_named<QRadioButton>("day_option", tr("&Day"));
    night_option_ = make_named<QRadioButton>("night_option", tr("&Night"));
    for (const bool night : {false, true}) {
        QRadioButton* option = night ? night_option_ : day_option_;
        SamplePicture* sample = make_named<SamplePicture>(night ? "night_sample" : "day_sample");
        samples_[night ? 1 : 0] = sample;
        // As wide as its text: a click beside it is no click on it.
        grid->addWidget(option, 0, night ? 1 : 0, Qt::AlignLeft);
        grid->addWidget(sample, 1, night ? 1 : 0);
        // Toggled, not clicked: the arrow keys move between the two options too.
        connect(option, &QRadioButton::toggled, this, [this, night](bool checked) {
            if (checked) {
                run([this, night] { session_.select_time(night); });
            }
        });
        connect(sample, &SamplePicture::part_pressed, this, [this, night](SamplePart part) {
            run([this, night, part] { session_.click_sample(night, part); });
        });
    }
    grid->setRowStretch(1, 1);

    presentation_label_ = make_label(QString(), "presentation_label");
    field_label_ = make_label(QString(), "field_label");
    // Boxes that show text: the desktop's colours for text fields.
    for (QLabel* label : {presentation_label_, field_label_}) {
        label->setAutoFillBackground(true);
        label->setBackgroundRole(QPalette::Base);
        label->setForegroundRole(QPalette::Text);
        label->setIndent(4);
        label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    }
    const StyleEditView view = session_.view();
    presentation_label_->setText(view.presentation);
    field_label_->setText(view.field_name);
    grid->addWidget(presentation_label_, 2, 0);
    grid->addWidget(field_label_, 2, 1);
    return box;
}

QWidget* StyleEditor::build_theme_colours(const std::vector<ThemeColour>& colours) {
    auto* box = new QWidget;
    box->setObjectName(QStringLiteral("theme_colours"));
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    QLabel* caption = make_label(tr("Theme colours"), "theme_colours_caption");
    caption->setToolTip(tr("The colours this theme uses, most used first"));
    row->addWidget(caption);
    row->addSpacing(6);
    for (int k = 0; k < kThemeColourCount; ++k) {
        ColourCell* cell = make_named<ColourCell>(
            qPrintable(QStringLiteral("theme_colour_%1").arg(k)), nullptr, QSizeF(1.1, 1.1));
        cell->setAccessibleName(tr("Theme colour %1").arg(k + 1));
        theme_colour_cells_[size_t(k)] = cell;
        row->addWidget(cell);
        if (size_t(k) >= colours.size()) {
            cell->hide();
            continue;
        }
        const ThemeColour used = colours[size_t(k)];
        cell->set_colour(used.colour);
        cell->setToolTip(theme_colour_tool_tip(used));
        cell->setAccessibleDescription(theme_colour_tool_tip(used));
        connect(cell, &ColourCell::pressed, this,
                [this, used] { run([this, used] { session_.pick_colour(used.colour); }); });
    }
    row->addStretch(1);
    box->setVisible(!colours.empty());
    return box;
}

QWidget* StyleEditor::build_colour_panels() {
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);

    // A line: scale and border, each a slider and a box, beside the two colour swatches.
    line_panel_ = make_panel("line_panel");
    auto* line = new QGridLayout(line_panel_);
    scale_caption_ = make_label(tr("&Line"), "line_caption");
    border_caption_ = make_label(tr("&Border"), "border_caption");
    scale_slider_ = make_slider("scale_slider", 1, kSizeSliderMaximum, 10);
    border_slider_ = make_slider("border_slider", 0, kSizeSliderMaximum, 10);
    scale_box_ = make_size_box("scale_box", 0.01);
    border_box_ = make_size_box("border_box", 0);
    scale_caption_->setBuddy(scale_box_);
    border_caption_->setBuddy(border_box_);
    primary_swatch_ = make_named<ColourCell>("primary_swatch", nullptr, QSizeF(2.6, 1.6));
    secondary_swatch_ = make_named<ColourCell>("secondary_swatch", nullptr, QSizeF(2.6, 1.6));
    primary_box_ = make_colour_box("primary_box");
    secondary_box_ = make_colour_box("secondary_box");
    const struct {
        QLabel* caption;
        QSlider* slider;
        QDoubleSpinBox* box;
        ColourCell* swatch;
        QLineEdit* colour;
        SizeKind size;
        ColourSlot slot;
    } rows[] = {
        {scale_caption_, scale_slider_, scale_box_, primary_swatch_, primary_box_, SizeKind::Scale,
         ColourSlot::Primary},
        {border_caption_, border_slider_, border_box_, secondary_swatch_, secondary_box_,
         SizeKind::Border, ColourSlot::Secondary},
    };
    for (int r = 0; r < 2; ++r) {
        const auto& c = rows[r];
        line->addWidget(c.caption, r, 0);
        line->addWidget(c.slider, r, 1);
        line->addWidget(c.box, r, 2);
        line->addWidget(c.swatch, r, 3);
        line->addWidget(c.colour, r, 4);
        const SizeKind size = c.size;
        const ColourSlot slot = c.slot;
        QLineEdit* colour = c.colour;
        connect(c.slider, &QSlider::valueChanged, this, [this, size](int hundredths) {
            run([this, size, hundredths] { session_.drag_size(size, hundredths); });
        });
        connect(c.box, &QDoubleSpinBox::valueChanged, this, [this, size](double value) {
            const int hundredths = int(std::lround(value * 100));
            run([this, size, hundredths] { session_.drag_size(size, hundredths); });
        });
        connect(c.swatch, &ColourCell::pressed, this,
                [this, slot] { run([this, slot] { session_.select_slot(slot); }); });
        connect(colour, &QLineEdit::editingFinished, this,
                [this, slot, colour] { take_typed_colour(slot, colour); });
    }
    line->setColumnStretch(1, 1);

    // A polygon: its one colour.
    polygon_panel_ = make_panel("polygon_panel");
    auto* polygon = new QHBoxLayout(polygon_panel_);
    polygon->addWidget(make_label(tr("Polygon"), "polygon_caption"));
    polygon->addStretch(1);
    polygon_swatch_ = make_named<ColourCell>("polygon_swatch", nullptr, QSizeF(2.6, 1.6));
    polygon_box_ = make_colour_box("polygon_box");
    polygon->addWidget(polygon_swatch_);
    polygon->addWidget(polygon_box_);
    connect(polygon_swatch_, &ColourCell::pressed, this,
            [this] { run([this] { session_.select_slot(ColourSlot::Primary); }); });
    connect(polygon_box_, &QLineEdit::editingFinished, this,
            [this] { take_typed_colour(ColourSlot::Primary, polygon_box_); });

    colour_panels_ = make_named<QStackedWidget>("colour_panels");
    colour_panels_->addWidget(line_panel_);
    colour_panels_->addWidget(polygon_panel_);
    colour_panels_->setCurrentWidget(session_.view().polygon ? polygon_panel_ : line_panel_);
    // Only the panel shown asks for room.
    colour_panels_->currentWidget()->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    row->addWidget(colour_panels_, 1);

    colour_dialog_button_ = make_button(tr("&More\u2026"), "colour_dialog_button");
    colour_dialog_button_->setToolTip(tr("Choose the colour in the colour dialog"));
    connect(colour_dialog_button_, &QPushButton::clicked, this, &StyleEditor::open_colour_dialog);
    row->addWidget(colour_dialog_button_, 0, Qt::AlignBottom);
    return box;
}

QWidget* StyleEditor::build_adjustments() {
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    brightness_slider_ = make_slider("brightness_slider", -kAdjustmentLimit, kAdjustmentLimit, 16);
    contrast_slider_ = make_slider("contrast_slider", -kAdjustmentLimit, kAdjustmentLimit, 16);
    brightness_box_ = make_adjustment_box("brightness_box");
    contrast_box_ = make_adjustment_box("contrast_box");
    const struct {
        bool brightness;
        const char* icon_name;
        QString tip;
        QString caption;
        const char* caption_name;
        QSlider* slider;
        QSpinBox* box;
    } adjustments[] = {
        {true, "brightness_icon", tr(" Brighten Image"), tr("Brigh&tness"), "brightness_caption",
         brightness_slider_, brightness_box_},
        {false, "contrast_icon", tr("Contrast"), tr("C&ontrast"), "contrast_caption",
         contrast_slider_, contrast_box_},
    };
    for (const auto& a : adjustments) {
        QLabel* icon = make_label(QString(), a.icon_name);
        const int extent = icon->fontMetrics().height();
        icon->setPixmap(slider_icon(a.brightness, extent));
        icon->setToolTip(a.tip);
        QLabel* caption = make_label(a.caption, a.caption_name);
        caption->setBuddy(a.slider);
        row->addWidget(icon);
        row->addWidget(caption);
        row->addWidget(a.slider, 1);
        row->addWidget(a.box);
        row->addSpacing(8);
        QSlider* slider = a.slider;
        QSpinBox* spin = a.box;
        connect(slider, &QSlider::valueChanged, this, [this, spin](int value) {
            const QSignalBlocker block(spin);
            spin->setValue(value);
            adjustment_moved();
        });
        connect(slider, &QSlider::sliderReleased, this,
                [this] { run([this] { session_.commit_adjustment(); }); });
        connect(spin, &QSpinBox::valueChanged, this, [this, slider](int value) {
            const QSignalBlocker block(slider);
            slider->setValue(value);
            adjustment_moved();
        });
    }
    return box;
}

QWidget* StyleEditor::build_buttons() {
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    reverse_button_ = make_button(tr("&Reverse Colours"), "reverse_button");
    connect(reverse_button_, &QPushButton::clicked, this,
            [this] { run([this] { session_.reverse(); }); });
    apply_all_check_ = make_named<QCheckBox>("apply_all_check", tr("Apply to All &Presentations"));
    button_box_ = make_named<QDialogButtonBox>("buttons");
    // Apply closes the editor as OK does, so it stands where the desktop puts OK.
    apply_button_ = button_box_->addButton(tr("&Apply"), QDialogButtonBox::AcceptRole);
    apply_button_->setObjectName(QStringLiteral("apply_button"));
    if (style()->styleHint(QStyle::SH_DialogButtonBox_ButtonsHaveIcons)) {
        apply_button_->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    }
    cancel_button_ = button_box_->addButton(QDialogButtonBox::Cancel);
    cancel_button_->setObjectName(QStringLiteral("cancel_button"));
    // Enter applies, except in a box: there it takes the box's value (see keyPressEvent).
    apply_button_->setDefault(true);
    connect(button_box_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(button_box_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    row->addWidget(reverse_button_);
    row->addWidget(apply_all_check_);
    row->addStretch(1);
    row->addWidget(button_box_);
    return box;
}

void StyleEditor::name_controls() {
    const std::pair<QWidget*, QString> names[] = {
        {palette_, tr("Device palette")},
        {hover_swatch_, tr("Colour under the pointer")},
        {spectrum_, tr("Spectrum")},
        {scale_slider_, tr("Scale slider")},
        {scale_box_, tr("Scale")},
        {border_slider_, tr("Border slider")},
        {border_box_, tr("Border")},
        {primary_swatch_, tr("Primary colour")},
        {primary_box_, tr("Primary colour value")},
        {secondary_swatch_, tr("Secondary colour")},
        {secondary_box_, tr("Secondary colour value")},
        {polygon_swatch_, tr("Polygon colour")},
        {polygon_box_, tr("Polygon colour value")},
        {samples_[0], tr("Day sample")},
        {samples_[1], tr("Night sample")},
        {day_option_, tr("Day")},
        {night_option_, tr("Night")},
        {brightness_slider_, tr("Brightness")},
        {brightness_box_, tr("Brightness value")},
        {contrast_slider_, tr("Contrast")},
        {contrast_box_, tr("Contrast value")},
        {reverse_button_, tr("Reverse Colours")},
        {apply_all_check_, tr("Apply to All Presentations")},
        {apply_button_, tr("Apply")},
        {cancel_button_, tr("Cancel")},
        {colour_dialog_button_, tr("More colours")},
    };
    for (const auto& [control, name] : names) {
        control->setAccessibleName(name);
    }
    // Cell numbers as shade_cells lays them out.
    const QString shade_names[kShadeCellCount] = {
        tr("Blue shade, upper"), tr("Red shade, upper"),   tr("Blue shade, lower"),
        tr("Red shade, lower"),  tr("Green shade, upper"), tr("Green shade, lower")};
    for (int k = 0; k < kShadeCellCount; ++k) {
        shade_cells_[size_t(k)]->setAccessibleName(shade_names[k]);
    }
    for (QLineEdit* box : {primary_box_, secondary_box_, polygon_box_}) {
        box->setToolTip(colour_box_tool_tip(false));
    }
}

void StyleEditor::fit_to_screen() {
    // As large as the controls like, within the screen (a frame's worth of room left).
    QSize size = sizeHint();
    if (const QScreen* screen = this->screen()) {
        size = size.boundedTo(screen->availableGeometry().size() - QSize(16, 48));
    }
    resize(size.expandedTo(minimumSizeHint()));
}

// ---- showing the session -------------------------------------------------------------------

void StyleEditor::show_view() {
    const StyleEditView view = session_.view();
    colour_panels_->setCurrentWidget(view.polygon ? polygon_panel_ : line_panel_);
    if (view.polygon) {
        show_colour_box(*polygon_box_, view.primary);
        polygon_swatch_->set_colour(view.primary.colour);
        polygon_swatch_->set_outline(ColourCell::Outline::Chosen);
    } else {
        show_colour_box(*primary_box_, view.primary);
        show_colour_box(*secondary_box_, view.secondary);
        for (const ColourSlot slot : {ColourSlot::Primary, ColourSlot::Secondary}) {
            swatch(slot)->set_colour(slot == ColourSlot::Primary ? view.primary.colour
                                                                 : view.secondary.colour);
            swatch(slot)->set_outline(slot == view.slot ? ColourCell::Outline::Chosen
                                                        : ColourCell::Outline::None);
        }
        // A size the style does not have cannot be dragged.
        scale_slider_->setVisible(!view.scale.text.isEmpty());
        border_slider_->setVisible(!view.border.text.isEmpty());
        show_size(*scale_slider_, *scale_box_, view.scale);
        show_size(*border_slider_, *border_box_, view.border);
    }
    for (const bool night : {false, true}) {
        samples_[night ? 1 : 0]->show_sample(night ? view.night_sample : view.day_sample,
                                             view.scale.text, view.border.text, view.polygon,
                                             view.slot);
    }
    samples_[0]->setToolTip(view.polygon ? QString() : tr("Click Line or Border "));
    samples_[1]->setToolTip(samples_[0]->toolTip());
    {
        const QSignalBlocker block_day(day_option_);
        const QSignalBlocker block_night(night_option_);
        (view.night ? night_option_ : day_option_)->setChecked(true);
    }
    show_adjustment(*brightness_slider_, *brightness_box_, view.brightness);
    show_adjustment(*contrast_slider_, *contrast_box_, view.contrast);
    reverse_button_->setEnabled(view.reverse_enabled);

    palette_->set_marked_cell(view.marked_palette_cell);
    for (int k = 0; k < kShadeCellCount; ++k) {
        ColourCell* cell = shade_cells_[size_t(k)];
        if (view.shades) {
            cell->set_colour(view.shades->colours[size_t(k)]);
            cell->setToolTip(view.shades->tool_tips[size_t(k)]);
        }
        cell->set_outline(k == view.marked_shade_cell ? ColourCell::Outline::Marker
                                                      : ColourCell::Outline::None);
    }
    if (view.hover_colour) {
        hover_swatch_->set_colour(*view.hover_colour);
    }
}

template <typename Step>
void StyleEditor::run(Step step) {
    busy_.busy_on();
    step();
    busy_.busy_off();
    show_view();
}

void StyleEditor::take_typed_colour(ColourSlot slot, QLineEdit* box) {
    const QString text = box->text();
    run([this, slot, text] { session_.type_colour(slot, text); });
}

void StyleEditor::adjustment_moved() {
    const int brightness = brightness_slider_->value();
    const int contrast = contrast_slider_->value();
    // A drag shows each step and is taken when the knob is let go; a key, a click on the track
    // or a typed value is taken at once.
    const bool dragging = brightness_slider_->isSliderDown() || contrast_slider_->isSliderDown();
    run([this, brightness, contrast, dragging] {
        session_.adjust(brightness, contrast);
        if (!dragging) {
            session_.commit_adjustment();
        }
    });
}

void StyleEditor::open_colour_dialog() {
    const StyleEditView view = session_.view();
    const int current =
        view.slot == ColourSlot::Primary ? view.primary.colour : view.secondary.colour;
    if (const std::optional<QColor> chosen = colour_picker_.pick_colour(to_qcolor(current))) {
        run([this, colour = colour_number_of(*chosen)] { session_.pick_colour(colour); });
    }
}

void StyleEditor::keyPressEvent(QKeyEvent* event) {
    // Enter in a box has taken the box's value already; it must not apply the whole style too.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QWidget* focus = focusWidget();
    const bool in_box = qobject_cast<QLineEdit*>(focus) != nullptr ||
                        qobject_cast<QAbstractSpinBox*>(focus) != nullptr;
    if (enter && in_box) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace quorvane
