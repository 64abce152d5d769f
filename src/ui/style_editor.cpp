// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/style_editor.h"

#include <utility>

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>
#include <numbers>
#include <optional>

#include "colour/adjustments.h"
#include "colour/colour_values.h"
#include "colour/device_palette.h"
#include "colour/shades.h"
#include "model/theme.h"
#include "platform/busy_cursor.h"
#include "platform/colour_picker.h"
#include "platform/messages.h"
#include "style_editor/palette_geometry.h"
#include "style_editor/sample_layout.h"
#include "style_editor/sliders.h"
#include "style_editor/style_editor_layout.h"
#include "ui/colour_cell.h"
#include "ui/hue_chart_picture.h"
#include "ui/outline_shape.h"
#include "ui/palette_grid.h"
#include "ui/sample_picture.h"
#include "ui/slider_track.h"
#include "ui/widget_placement.h"

namespace quorvane {

namespace layout = style_editor_layout;

namespace {

std::optional<int> number_of_working_text(const QString& text) {
    return colour_number(text);
}

// Creates a control of the window, named after its role, at its place given in twips.
template <typename Widget, typename... Args>
Widget* make_control(const QRect& twips, QWidget* parent, const QString& name, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(name);
    place(*widget, twips);
    return widget;
}

// Some labels show names read from the theme file: never as markup.
QLabel* make_label(const QString& text, const QRect& twips, QWidget* parent, const QString& name) {
    QLabel* label = make_control<QLabel>(twips, parent, name, text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLineEdit* make_box(const QRect& twips, QWidget* parent, const QString& name) {
    return make_control<QLineEdit>(twips, parent, name);
}

ColourCell* make_cell(const QRect& twips, QWidget* parent, const QString& name) {
    return make_control<ColourCell>(twips, parent, name);
}

SliderTrack* make_track(const QRect& twips, QWidget* parent, const QString& name) {
    return make_control<SliderTrack>(twips, parent, name);
}

QPushButton* make_button(const QString& text, const QRect& twips, QWidget* parent,
                         const QString& name) {
    auto* button = make_control<QPushButton>(twips, parent, name, text);
    // Enter in a text box belongs to the box, never to a button.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

// The slider heads: a sun for brightness, a half-filled disc for contrast.
QPixmap slider_icon(bool brightness, QSize size) {
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

QRect grown(const QRect& twips, int margin) {
    return twips.adjusted(-margin, -margin, margin, margin);
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

QString theme_colour_tool_tip(const ThemeColour& used) {
    return used.styles == 1 ? StyleEditor::tr("#%1, used by 1 style").arg(colour_text(used.colour))
                            : StyleEditor::tr("#%1, used by %2 styles")
                                  .arg(colour_text(used.colour))
                                  .arg(used.styles);
}

}  // namespace

StyleEditor::StyleEditor(const Element& element, const std::vector<ThemeColour>& theme_colours,
                         BusyCursor& busy, ColourPicker& colour_picker, QWidget* parent)
    : QDialog(parent), busy_(busy), colour_picker_(colour_picker), opened_element_(element) {
    setObjectName(QStringLiteral("style_editor"));
    setWindowTitle(QStringLiteral("Quorvane "));
    setModal(true);
    // The window's fixed places were drawn for text a little smaller than a desktop's usual.
    QFont dialog_font = font();
    dialog_font.setPointSizeF(dialog_font.pointSizeF() * 0.9);
    setFont(dialog_font);
    setFixedSize(twips_to_pixels(layout::kClientWidth), twips_to_pixels(layout::kClientHeight));

    build_palette_frame();
    build_line_panel();
    build_polygon_panel();
    build_sample();
    build_adjustments();
    build_buttons();
    build_theme_colours(theme_colours);
    name_controls();
    load();
}

StyleEditor::~StyleEditor() = default;

bool StyleEditor::night() const {
    return night_option_->isChecked();
}

ColourCell* StyleEditor::swatch(ColourSlot slot) const {
    switch (slot) {
        case ColourSlot::Secondary:
            return secondary_swatch_;
        case ColourSlot::Primary:
            return primary_swatch_;
        case ColourSlot::Polygon:
            break;
    }
    return polygon_swatch_;
}

QLineEdit* StyleEditor::colour_box(ColourSlot slot) const {
    switch (slot) {
        case ColourSlot::Secondary:
            return secondary_box_;
        case ColourSlot::Primary:
            return primary_box_;
        case ColourSlot::Polygon:
            break;
    }
    return polygon_box_;
}

bool StyleEditor::colour_box_invalid(ColourSlot slot) const {
    return colour_box(slot)->property("invalid").toBool();
}

ElementStyle StyleEditor::edited_style() const {
    return ElementStyle{scale_box_->text(), border_box_->text(), working_};
}

bool StyleEditor::apply_to_all_presentations() const {
    return apply_all_check_->isChecked();
}

// ---- building the window -------------------------------------------------------------------

void StyleEditor::build_palette_frame() {
    colour_frame_ = new QFrame(this);
    colour_frame_->setObjectName(QStringLiteral("palette_frame"));
    colour_frame_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    place(*colour_frame_, layout::kColourFrame);

    auto* outline = new OutlineShape(QColor(128, 128, 128), 1, colour_frame_);
    outline->setObjectName(QStringLiteral("palette_outline"));
    place(*outline, layout::kPaletteOutline);

    palette_ = new PaletteGrid(colour_frame_);
    place(*palette_, palette_grid_rect());
    connect(palette_, &PaletteGrid::cell_pressed, this, &StyleEditor::pick_palette_cell);

    const QColor head_colours[] = {Qt::red, QColor(0, 160, 0), Qt::blue};
    const ShadeChannel channels[] = {ShadeChannel::Red, ShadeChannel::Green, ShadeChannel::Blue};
    for (int i = 0; i < 3; ++i) {
        const QRect head(shade_column_left(channels[i]), layout::kShadeHeadTop,
                         layout::kShadeCellSize, layout::kChannelHeadHeight);
        QLabel* label = make_label(QStringLiteral("*"), head, colour_frame_,
                                   QStringLiteral("channel_head_%1").arg(i));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        QFont bold = label->font();
        bold.setBold(true);
        bold.setPointSizeF(bold.pointSizeF() * 1.35);
        label->setFont(bold);
        QPalette text = label->palette();
        text.setColor(QPalette::WindowText, head_colours[i]);
        label->setPalette(text);
    }
    for (int k = 0; k < kShadeCellCount; ++k) {
        shades_cells_[k] =
            make_cell(shade_cell_rect(k), colour_frame_, QStringLiteral("shade_cell_%1").arg(k));
        connect(shades_cells_[k], &ColourCell::pressed, this, [this, k] { pick_shade_cell(k); });
    }

    selection_marker_ = new OutlineShape(Qt::white, 2, colour_frame_);
    selection_marker_->setObjectName(QStringLiteral("palette_marker"));
    selection_marker_->hide();

    hover_swatch_ = make_cell(layout::kHoverSwatch, colour_frame_, QStringLiteral("hover_swatch"));

    // The spectrum stands on the window, over the palette frame.
    spectrum_ = new SpectrumPicture(this);
    place(*spectrum_, layout::kSpectrum);
    connect(spectrum_, &SpectrumPicture::picked, this, &StyleEditor::pick_spectrum);
    connect(spectrum_, &SpectrumPicture::hovered, hover_swatch_, &ColourCell::set_colour);
}

void StyleEditor::build_line_panel() {
    line_panel_ = new QFrame(this);
    line_panel_->setObjectName(QStringLiteral("line_panel"));
    line_panel_->setFrameStyle(QFrame::Box | QFrame::Sunken);
    place(*line_panel_, layout::kLinePanel);

    make_label(tr("Line"), layout::kLineCaption, line_panel_, QStringLiteral("line_caption"));
    make_label(tr("Border"), layout::kBorderCaption, line_panel_, QStringLiteral("border_caption"));
    scale_slider_ = make_track(layout::kScaleTrack, line_panel_, QStringLiteral("scale_slider"));
    border_slider_ = make_track(layout::kBorderTrack, line_panel_, QStringLiteral("border_slider"));
    scale_box_ = make_box(layout::kScaleBox, line_panel_, QStringLiteral("scale_box"));
    border_box_ = make_box(layout::kBorderBox, line_panel_, QStringLiteral("border_box"));

    slot_outline_ = new OutlineShape(Qt::red, 2, line_panel_);
    slot_outline_->setObjectName(QStringLiteral("slot_outline"));
    slot_outline_->hide();
    primary_swatch_ =
        make_cell(layout::kPrimarySwatch, line_panel_, QStringLiteral("primary_swatch"));
    secondary_swatch_ =
        make_cell(layout::kSecondarySwatch, line_panel_, QStringLiteral("secondary_swatch"));
    primary_box_ = make_box(layout::kPrimaryBox, line_panel_, QStringLiteral("primary_box"));
    secondary_box_ = make_box(layout::kSecondaryBox, line_panel_, QStringLiteral("secondary_box"));

    for (SliderTrack* track : {scale_slider_, border_slider_}) {
        connect(track, &SliderTrack::knob_dragged, this,
                [this, track](double x) { drag_size_knob(track, x); });
    }
    for (QLineEdit* box : {scale_box_, border_box_}) {
        connect(box, &QLineEdit::returnPressed, this, [this] {
            draw_sample();
            centre_slider_knobs();
        });
    }
    connect(primary_swatch_, &ColourCell::pressed, this,
            [this] { select_slot(ColourSlot::Primary); });
    connect(secondary_swatch_, &ColourCell::pressed, this,
            [this] { select_slot(ColourSlot::Secondary); });
    connect(primary_box_, &QLineEdit::editingFinished, this,
            [this] { take_typed_colour(ColourSlot::Primary); });
    connect(secondary_box_, &QLineEdit::editingFinished, this,
            [this] { take_typed_colour(ColourSlot::Secondary); });

    colour_dialog_button_ = make_button(tr("&More\u2026"), layout::kColourDialogButton, line_panel_,
                                        QStringLiteral("colour_dialog_button"));
    colour_dialog_button_->setToolTip(tr("Choose the colour in the colour dialog"));
    connect(colour_dialog_button_, &QPushButton::clicked, this, &StyleEditor::open_colour_dialog);
}

void StyleEditor::build_polygon_panel() {
    polygon_panel_ = new QFrame(this);
    polygon_panel_->setObjectName(QStringLiteral("polygon_panel"));
    polygon_panel_->setFrameStyle(QFrame::Box | QFrame::Sunken);
    polygon_panel_->setAutoFillBackground(true);
    place(*polygon_panel_, layout::kPolygonPanel);
    polygon_panel_->hide();

    make_label(tr("Polygon"), layout::kPolygonCaption, polygon_panel_,
               QStringLiteral("polygon_caption"));
    polygon_swatch_ =
        make_cell(layout::kPolygonSwatch, polygon_panel_, QStringLiteral("polygon_swatch"));
    polygon_box_ = make_box(layout::kPolygonBox, polygon_panel_, QStringLiteral("polygon_box"));
    connect(polygon_box_, &QLineEdit::editingFinished, this,
            [this] { take_typed_colour(ColourSlot::Polygon); });
    // A polygon has one colour: its swatch keeps the primary slot.
    connect(polygon_swatch_, &ColourCell::pressed, this, [this] {
        colour_slot_ = ColourSlot::Primary;
        centre_slider_knobs();
        place_sample_markers();
    });
}

void StyleEditor::build_sample() {
    sample_ = new SamplePicture(this);
    place(*sample_, layout::kSample);
    connect(sample_, &SamplePicture::part_pressed, this, [this](SamplePart part) {
        select_slot(part == SamplePart::Strip ? ColourSlot::Secondary : ColourSlot::Primary);
    });
    for (int i = 0; i < 2; ++i) {
        sample_markers_[i] = make_label(QStringLiteral(">"), QRect(), sample_,
                                        QStringLiteral("sample_marker_%1").arg(i));
        QFont bold = sample_markers_[i]->font();
        bold.setBold(true);
        sample_markers_[i]->setFont(bold);
        sample_markers_[i]->setAlignment(Qt::AlignCenter);
        // Part of the sample, whose ground keeps its own light colour on every desktop.
        QPalette dark_mark = sample_markers_[i]->palette();
        dark_mark.setColor(QPalette::WindowText, Qt::black);
        sample_markers_[i]->setPalette(dark_mark);
        sample_markers_[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
        sample_markers_[i]->hide();
    }

    field_label_ = make_label(QString(), layout::kFieldLabel, this, QStringLiteral("field_label"));
    presentation_label_ = make_label(QString(), layout::kPresentationLabel, this,
                                     QStringLiteral("presentation_label"));
    // Boxes that show text: the desktop's colours for text fields.
    for (QLabel* label : {field_label_, presentation_label_}) {
        label->setAutoFillBackground(true);
        label->setBackgroundRole(QPalette::Base);
        label->setForegroundRole(QPalette::Text);
        label->setIndent(4);
    }
}

void StyleEditor::build_adjustments() {
    day_option_ = new QRadioButton(tr("&Day"), this);
    day_option_->setObjectName(QStringLiteral("day_option"));
    place(*day_option_, layout::kDayOption);
    day_option_->setChecked(true);
    night_option_ = new QRadioButton(tr("&Night"), this);
    night_option_->setObjectName(QStringLiteral("night_option"));
    place(*night_option_, layout::kNightOption);
    for (QRadioButton* option : {day_option_, night_option_}) {
        connect(option, &QRadioButton::clicked, this, &StyleEditor::draw_sample);
    }

    const struct {
        bool brightness;
        QRect place;
        QString tip;
        const char* name;
    } icons[] = {{true, layout::kBrightnessIcon, tr(" Brighten Image"), "brightness_icon"},
                 {false, layout::kContrastIcon, tr("Contrast"), "contrast_icon"}};
    for (const auto& icon : icons) {
        QLabel* label = make_label(QString(), icon.place, this, QString::fromLatin1(icon.name));
        label->setPixmap(slider_icon(icon.brightness, label->size()));
        label->setToolTip(icon.tip);
    }

    brightness_slider_ =
        make_track(layout::kBrightnessTrack, this, QStringLiteral("brightness_slider"));
    contrast_slider_ = make_track(layout::kContrastTrack, this, QStringLiteral("contrast_slider"));
    brightness_box_ = make_box(layout::kBrightnessBox, this, QStringLiteral("brightness_box"));
    contrast_box_ = make_box(layout::kContrastBox, this, QStringLiteral("contrast_box"));
    for (QLineEdit* box : {brightness_box_, contrast_box_}) {
        box->setText(QStringLiteral("0"));
        box->setReadOnly(true);
        box->setAlignment(Qt::AlignRight);
    }
    for (SliderTrack* track : {brightness_slider_, contrast_slider_}) {
        connect(track, &SliderTrack::knob_pressed, this, &StyleEditor::capture_base_colours);
        connect(track, &SliderTrack::knob_dragged, this,
                [this, track](double x) { drag_adjustment_knob(track, x); });
        connect(track, &SliderTrack::knob_released, this, &StyleEditor::commit_adjustment);
    }
}

void StyleEditor::build_buttons() {
    reverse_button_ = make_button(tr("&Reverse Colours"), layout::kReverseButton, this,
                                  QStringLiteral("reverse_button"));
    connect(reverse_button_, &QPushButton::clicked, this, &StyleEditor::reverse_colours_clicked);
    apply_all_check_ = new QCheckBox(tr("Apply to All &Presentations"), this);
    apply_all_check_->setObjectName(QStringLiteral("apply_all_check"));
    place(*apply_all_check_, layout::kApplyAllCheck);
    apply_button_ =
        make_button(tr("&Apply"), layout::kApplyButton, this, QStringLiteral("apply_button"));
    // Enter applies, except in a box: there it takes the box's value (see keyPressEvent).
    apply_button_->setDefault(true);
    cancel_button_ =
        make_button(tr("Cancel"), layout::kCancelButton, this, QStringLiteral("cancel_button"));
    connect(apply_button_, &QPushButton::clicked, this, &StyleEditor::apply_clicked);
    connect(cancel_button_, &QPushButton::clicked, this, &StyleEditor::reject);
}

void StyleEditor::build_theme_colours(const std::vector<ThemeColour>& colours) {
    QLabel* caption = make_label(tr("Theme colours"), layout::kThemeColoursCaption, this,
                                 QStringLiteral("theme_colours_caption"));
    caption->setToolTip(tr("The colours this theme uses, most used first"));
    for (int k = 0; k < kThemeColourCount; ++k) {
        const QRect place(layout::kThemeColourLeft + k * layout::kThemeColourStep,
                          layout::kThemeColourTop, layout::kThemeColourSize,
                          layout::kThemeColourSize);
        ColourCell* cell = make_cell(place, this, QStringLiteral("theme_colour_%1").arg(k));
        cell->setAccessibleName(tr("Theme colour %1").arg(k + 1));
        theme_colour_cells_[size_t(k)] = cell;
        if (size_t(k) >= colours.size()) {
            cell->hide();
            continue;
        }
        const ThemeColour used = colours[size_t(k)];
        cell->set_colour(used.colour);
        cell->setToolTip(theme_colour_tool_tip(used));
        cell->setAccessibleDescription(theme_colour_tool_tip(used));
        connect(cell, &ColourCell::pressed, this, [this, used] { pick_colour(used.colour); });
    }
    caption->setVisible(!colours.empty());
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
        {sample_, tr("Sample")},
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
        shades_cells_[size_t(k)]->setAccessibleName(shade_names[k]);
    }
}

// ---- opening -------------------------------------------------------------------------------

void StyleEditor::load() {
    if (parentWidget() != nullptr) {
        setWindowIcon(parentWidget()->windowIcon());
    }
    const Element& element = opened_element_;
    scale_box_->setText(element.scale);
    border_box_->setText(element.border);
    working_ = StyleColours::of(element);
    field_label_->setText(element.field_name);
    presentation_label_->setText(element.presentation);
    spectrum_->setToolTip(tr(" Click to select color "));

    scale_slider_->setVisible(!element.scale.isEmpty());
    border_slider_->setVisible(!element.border.isEmpty());

    polygon_mode_ = false;
    draw_sample();
    colour_box(polygon_mode_ ? ColourSlot::Polygon : ColourSlot::Primary)
        ->setText(colour_text(sample_->body_colour()));
    if (polygon_mode_) {
        polygon_panel_->move(line_panel_->pos());
        line_panel_->hide();
        polygon_panel_->show();
        polygon_panel_->raise();
        colour_dialog_button_->setParent(polygon_panel_);
        place(*colour_dialog_button_, layout::kPolygonColourDialogButton);
        colour_dialog_button_->show();
    }
    for (QLineEdit* box : {primary_box_, secondary_box_, polygon_box_}) {
        box->setToolTip(colour_box_tool_tip(false));
    }
    base_[1] = sample_->body_colour();
    base_[0] = sample_->strip_colour();
    select_slot(ColourSlot::Primary);
    if (!polygon_mode_) {
        sample_->setToolTip(tr("Click Line or Border "));
    }
    reverse_button_->setEnabled(!polygon_mode_);
}

// ---- drawing the sample --------------------------------------------------------------------

void StyleEditor::draw_sample() {
    const SampleLayout sample_layout =
        lay_out_sample(scale_box_->text(), border_box_->text(),
                       QSizeF(layout::kSample.width(), layout::kSample.height()), polygon_mode_);
    polygon_mode_ = sample_layout.polygon;
    const bool at_night = night();
    if (!polygon_mode_) {
        if (const auto colour = number_of_working_text(working_.secondary(at_night))) {
            sample_->set_strip_colour(*colour);
        }
        if (const auto colour = number_of_working_text(working_.primary(at_night))) {
            sample_->set_body_colour(*colour);
        }
        secondary_box_->setText(working_.secondary(at_night));
        primary_box_->setText(working_.primary(at_night));
    } else {
        if (const auto colour = number_of_working_text(working_.primary(at_night))) {
            sample_->set_body_colour(*colour);
        }
        polygon_box_->setText(working_.primary(at_night));
    }
    // The boxes show the working texts again: nothing typed is left to mark.
    for (QLineEdit* box : {primary_box_, secondary_box_, polygon_box_}) {
        mark_colour_box(box, false);
    }
    sample_->set_sample_layout(sample_layout);
    place_sample_markers();
    secondary_swatch_->set_colour(sample_->strip_colour());
    (polygon_mode_ ? polygon_swatch_ : primary_swatch_)->set_colour(sample_->body_colour());
}

void StyleEditor::place_sample_markers() {
    const MarkerPlaces places =
        sample_marker_places(sample_->sample_layout(), colour_slot_ == ColourSlot::Primary);
    const bool shown[] = {places.first_shown, places.second_shown};
    const double centres[] = {places.first_centre, places.second_centre};
    for (int i = 0; i < 2; ++i) {
        sample_markers_[i]->setVisible(shown[i]);
        if (shown[i]) {
            place(*sample_markers_[i],
                  QRectF(layout::kSampleMarkerLeft, centres[i] - layout::kSampleMarkerHeight / 2.0,
                         layout::kSampleMarkerWidth, layout::kSampleMarkerHeight));
        }
    }
}

void StyleEditor::centre_slider_knobs() {
    for (SliderTrack* track :
         {brightness_slider_, contrast_slider_, scale_slider_, border_slider_}) {
        track->set_knob_left(middle_knob_left());
    }
    brightness_box_->setText(QStringLiteral("0"));
    contrast_box_->setText(QStringLiteral("0"));
}

void StyleEditor::select_slot(ColourSlot slot) {
    const QRect chosen =
        slot == ColourSlot::Secondary ? layout::kSecondarySwatch : layout::kPrimarySwatch;
    place(*slot_outline_, grown(chosen, layout::kSlotOutlineMargin));
    slot_outline_->show();
    slot_outline_->raise();
    colour_slot_ = slot;
    centre_slider_knobs();
    place_sample_markers();
}

// ---- picking colours -----------------------------------------------------------------------

void StyleEditor::take_over(int colour, bool set_base) {
    centre_slider_knobs();
    const QString text = colour_text(colour);
    const bool primary = colour_slot_ == ColourSlot::Primary || polygon_mode_;
    const bool at_night = night();
    (primary ? working_.primary(at_night) : working_.secondary(at_night)) = text;
    colour_box(primary ? (polygon_mode_ ? ColourSlot::Polygon : ColourSlot::Primary)
                       : ColourSlot::Secondary)
        ->setText(text);
    if (set_base) {
        base_[primary ? 1 : 0] = colour;
    }
}

void StyleEditor::pick_palette_cell(int index) {
    const int colour = palette_->cell(index).colour;
    take_over(colour, true);
    show_marker_at(palette_cell_rect(index));
    show_shades(colour);
    draw_sample();
    changed_ = true;
}

void StyleEditor::pick_shade_cell(int k) {
    const int colour = shades_cells_[k]->colour();
    take_over(colour, false);
    show_marker_at(shade_cell_rect(k));
    show_shades(colour);
    draw_sample();
    changed_ = true;
}

void StyleEditor::pick_spectrum(int colour) {
    take_over(colour, true);
    selection_marker_->hide();
    draw_sample();
    changed_ = true;
}

void StyleEditor::pick_colour(int colour) {
    take_over(colour, true);
    selection_marker_->hide();
    show_shades(colour);
    draw_sample();
    changed_ = true;
}

void StyleEditor::take_typed_colour(ColourSlot slot) {
    QLineEdit* box = colour_box(slot);
    const bool at_night = night();
    const QString& working =
        slot == ColourSlot::Secondary ? working_.secondary(at_night) : working_.primary(at_night);
    const std::optional<int> colour = typed_colour(box->text());
    // Leaving a box that shows the colour it had changes nothing, not even its text's letters.
    if (box->text() == working ||
        (colour && !working.isEmpty() && colour == colour_number(working))) {
        mark_colour_box(box, false);
        return;
    }
    if (!colour) {
        mark_colour_box(box, true);
        return;
    }
    if (slot == ColourSlot::Polygon) {
        colour_slot_ = ColourSlot::Primary;
    } else if (slot != colour_slot_) {
        select_slot(slot);
    }
    pick_colour(*colour);
}

void StyleEditor::mark_colour_box(QLineEdit* box, bool invalid) {
    if (box->property("invalid").toBool() == invalid) {
        return;
    }
    box->setProperty("invalid", invalid);
    QPalette palette = box->palette();
    const QColor base = box->parentWidget()->palette().color(QPalette::Base);
    palette.setColor(QPalette::Base, invalid ? invalid_box_colour(base) : base);
    box->setPalette(palette);
    box->setToolTip(colour_box_tool_tip(invalid));
}

void StyleEditor::open_colour_dialog() {
    const bool primary = colour_slot_ == ColourSlot::Primary || polygon_mode_;
    const int current = primary ? sample_->body_colour() : sample_->strip_colour();
    if (const std::optional<QColor> chosen = colour_picker_.pick_colour(to_qcolor(current))) {
        pick_colour(colour_number_of(*chosen));
    }
}

void StyleEditor::show_marker_at(const QRect& cell_twips) {
    place(*selection_marker_,
          QRect(cell_twips.left() - layout::kMarkerOffset, cell_twips.top() - layout::kMarkerOffset,
                layout::kMarkerSize, layout::kMarkerSize));
    selection_marker_->show();
    selection_marker_->raise();
}

void StyleEditor::show_shades(int colour) {
    busy_.busy_on();
    const ShadeCells cells = shade_cells(colour);
    for (int k = 0; k < kShadeCellCount; ++k) {
        shades_cells_[k]->set_colour(cells.colours[k]);
        shades_cells_[k]->setToolTip(cells.tool_tips[k]);
    }
    if (cells.greyed_out) {
        selection_marker_->hide();
    }
    busy_.busy_off();
}

// ---- sliders -------------------------------------------------------------------------------

void StyleEditor::drag_size_knob(SliderTrack* knob, double pointer_x) {
    knob->set_knob_left(dragged_knob_left(knob->knob_left(), pointer_x));
    // A hidden slider has no value to give: its box keeps its text.
    if (!border_slider_->isHidden()) {
        border_box_->setText(hundredths_text(border_value(border_slider_->knob_left())));
    }
    if (!scale_slider_->isHidden()) {
        scale_box_->setText(hundredths_text(scale_value(scale_slider_->knob_left())));
    }
    draw_sample();
}

void StyleEditor::capture_base_colours() {
    base_[1] = sample_->body_colour();
    base_[0] = sample_->strip_colour();
}

void StyleEditor::drag_adjustment_knob(SliderTrack* knob, double pointer_x) {
    knob->set_knob_left(dragged_knob_left(knob->knob_left(), pointer_x));
    const int offset = adjustment_value(brightness_slider_->knob_left());
    const int amount = adjustment_value(contrast_slider_->knob_left());
    brightness_box_->setText(QString::number(offset));
    contrast_box_->setText(QString::number(amount));
    change_brightness(offset, amount);
}

void StyleEditor::change_brightness(int offset, int amount) {
    if (adjusting_) {
        return;
    }
    adjusting_ = true;
    brightness_ = offset;
    busy_.busy_on();
    const ColourSlot slot = colour_slot_;
    const int colour = change_brightness_colour(base_of(slot), offset);
    if (polygon_mode_) {
        polygon_swatch_->set_colour(colour);
        sample_->set_body_colour(colour);
    } else {
        swatch(slot)->set_colour(colour);
        if (slot == ColourSlot::Primary) {
            sample_->set_body_colour(primary_swatch_->colour());
        } else {
            sample_->set_strip_colour(colour);
        }
    }
    if (amount != 0) {
        change_contrast(amount);
    }
    busy_.busy_off();
    adjusting_ = false;
}

void StyleEditor::change_contrast(int amount) {
    const ColourSlot slot = colour_slot_;
    // The pivot comes from the swatch that shows the brightness result.
    const ColourCell* shown = polygon_mode_ ? polygon_swatch_ : swatch(slot);
    const int colour = change_contrast_colour(base_of(slot), shown->colour(), brightness_, amount);
    // The line panel's swatch and the sample take the result; a polygon's own swatch keeps the
    // brightness result until the sample is next drawn.
    swatch(slot)->set_colour(colour);
    if (slot == ColourSlot::Primary) {
        sample_->set_body_colour(primary_swatch_->colour());
    } else {
        sample_->set_strip_colour(colour);
    }
}

void StyleEditor::commit_adjustment() {
    const StyleColours before = working_;
    const bool at_night = night();
    const QString primary = colour_text(sample_->body_colour());
    if (polygon_mode_) {
        // A polygon has no secondary colour; the hidden strips must not give it one.
        polygon_box_->setText(primary);
    } else {
        const QString secondary = colour_text(sample_->strip_colour());
        secondary_box_->setText(secondary);
        primary_box_->setText(primary);
        working_.secondary(at_night) = secondary;
    }
    working_.primary(at_night) = primary;
    if (working_ != before) {
        changed_ = true;
    }
}

// ---- buttons -------------------------------------------------------------------------------

void StyleEditor::reverse_colours_clicked() {
    centre_slider_knobs();
    const int secondary = secondary_swatch_->colour();
    secondary_swatch_->set_colour(primary_swatch_->colour());
    primary_swatch_->set_colour(secondary);
    const bool at_night = night();
    reverse_colours(working_, at_night);
    secondary_box_->setText(working_.secondary(at_night));
    primary_box_->setText(working_.primary(at_night));
    changed_ = true;
    draw_sample();
}

void StyleEditor::apply_clicked() {
    accept();
}

void StyleEditor::keyPressEvent(QKeyEvent* event) {
    // Enter in a box has taken the box's value already; it must not apply the whole style too.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && qobject_cast<QLineEdit*>(focusWidget()) != nullptr) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace quorvane
