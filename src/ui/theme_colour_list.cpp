// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/theme_colour_list.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWidgetAction>

#include "colour/colour_values.h"
#include "colour/device_palette.h"
#include "style_editor/theme_colours.h"

namespace quorvane {

namespace {

constexpr int kColourRole = Qt::UserRole + 1;

// The device palette as a grid of cells in rows of 16; a click picks a cell's colour.
class DevicePaletteGrid : public QWidget {
  public:
    DevicePaletteGrid(std::function<void(int)> picked, QWidget* parent)
        : QWidget(parent), picked_(std::move(picked)), cells_(device_palette()) {
        setObjectName(QStringLiteral("device_palette_grid"));
        setAccessibleName(QCoreApplication::translate("ThemeColourList", "Device colours"));
        setMouseTracking(true);
        const int side = cell_side();
        setFixedSize(side * kPaletteColumns + 1,
                     side * ((kPaletteCellCount + kPaletteColumns - 1) / kPaletteColumns) + 1);
    }

    int cell_side() const { return fontMetrics().height() + 2; }

    QRect cell_rect(int index) const {
        const int side = cell_side();
        return QRect((index % kPaletteColumns) * side, (index / kPaletteColumns) * side, side,
                     side);
    }

    int cell_at(QPoint point) const {
        const int side = cell_side();
        const int index = point.y() / side * kPaletteColumns + point.x() / side;
        return point.x() >= 0 && point.y() >= 0 && point.x() < side * kPaletteColumns &&
                       index < kPaletteCellCount
                   ? index
                   : -1;
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::Mid));
        for (int k = 0; k < kPaletteCellCount; ++k) {
            painter.setBrush(to_qcolor(cells_[size_t(k)].colour));
            painter.drawRect(cell_rect(k).adjusted(0, 0, -1, -1));
        }
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        const int k = cell_at(event->position().toPoint());
        setToolTip(k < 0 ? QString() : QStringLiteral("#") + colour_text(cells_[size_t(k)].colour));
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        const int k = cell_at(event->position().toPoint());
        if (k >= 0) {
            picked_(cells_[size_t(k)].colour);
        }
    }

  private:
    std::function<void(int)> picked_;
    std::vector<PaletteCell> cells_;
};

}  // namespace

QIcon colour_swatch_icon(int colour, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(to_qcolor(colour));
    QPainter painter(&pixmap);
    painter.setPen(QColor(0, 0, 0, 90));
    painter.drawRect(0, 0, size - 1, size - 1);
    return QIcon(pixmap);
}

void list_theme_colours(QListWidget& list, const Theme& theme) {
    const std::optional<int> chosen = colour_of_item(list.currentItem());
    list.clear();
    for (const ThemeColour& used : theme_colours(theme, kListedThemeColours)) {
        const QString text = QStringLiteral("#") + colour_text(used.colour);
        auto* item = new QListWidgetItem(
            colour_swatch_icon(used.colour),
            used.styles == 1
                ? QCoreApplication::translate("ThemeColourList", "%1  (1 style)").arg(text)
                : QCoreApplication::translate("ThemeColourList", "%1  (%2 styles)")
                      .arg(text)
                      .arg(used.styles),
            &list);
        item->setData(kColourRole, used.colour);
        if (chosen == used.colour) {
            list.setCurrentItem(item);
        }
    }
}

std::optional<int> colour_of_item(const QListWidgetItem* item) {
    if (item == nullptr || !item->data(kColourRole).isValid()) {
        return std::nullopt;
    }
    return item->data(kColourRole).toInt();
}

QMenu* device_palette_menu(QWidget* parent, std::function<void(int colour)> picked) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("device_palette_menu"));
    auto* action = new QWidgetAction(menu);
    action->setDefaultWidget(new DevicePaletteGrid(
        [menu, picked](int colour) {
            menu->close();
            picked(colour);
        },
        menu));
    menu->addAction(action);
    return menu;
}

}  // namespace quorvane
