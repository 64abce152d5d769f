// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/preview_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <QWindow>
#include <unordered_map>

#include "preview/tile_selection.h"
#include "ui/preview_canvas.h"

namespace quorvane {

namespace {

// One tile as a list item. It knows the tile only by its number: after a change of the theme it
// speaks for whichever Element has that number now.
class TileAccessible : public QAccessibleInterface {
  public:
    TileAccessible(PreviewCanvas* canvas, int k) : canvas_(canvas), k_(k) {}

    int number() const { return k_; }

    bool isValid() const override {
        return canvas_ != nullptr && k_ < canvas_->theme().element_count();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return canvas_ != nullptr ? canvas_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(canvas_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        if (!isValid()) {
            return QString();
        }
        const Element& e = canvas_->theme().elements[size_t(k_)];
        switch (t) {
            case QAccessible::Name:
                return e.display_name.trimmed();
            case QAccessible::Description:
                return e.is_polygon()
                           ? QCoreApplication::translate("PreviewAccessibility", "%1, polygon")
                                 .arg(e.presentation.trimmed())
                           : QCoreApplication::translate("PreviewAccessibility", "%1, line")
                                 .arg(e.presentation.trimmed());
            default:
                return QString();
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid()) {
            return QRect();
        }
        const QRect tile = canvas_->tile_rect(k_);
        return QRect(canvas_->mapToGlobal(tile.topLeft()), tile.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const TileSelection* selection = canvas_->selection();
        s.selectable = true;
        s.multiSelectable = true;
        s.extSelectable = true;
        s.focusable = true;
        s.selected = selection != nullptr && selection->is_selected(k_);
        s.focused = selection != nullptr && selection->current() == k_ && canvas_->hasFocus();
        const QRect tile = canvas_->tile_rect(k_);
        s.offscreen = !canvas_->isVisible() || !canvas_->rect().intersects(tile);
        s.invisible = s.offscreen;
        return s;
    }

  private:
    QPointer<PreviewCanvas> canvas_;
    int k_;
};

// The canvas as a list of tiles. Tile items are made when first asked for and kept.
class CanvasAccessible : public QAccessibleWidget {
  public:
    explicit CanvasAccessible(PreviewCanvas* canvas)
        : QAccessibleWidget(canvas, QAccessible::List) {}
    ~CanvasAccessible() override {
        for (const auto& [k, id] : tiles_) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    int childCount() const override { return canvas()->theme().element_count(); }
    QAccessibleInterface* child(int k) const override {
        if (k < 0 || k >= childCount()) {
            return nullptr;
        }
        if (const auto it = tiles_.find(k); it != tiles_.end()) {
            return QAccessible::accessibleInterface(it->second);
        }
        auto* tile = new TileAccessible(canvas(), k);
        tiles_.emplace(k, QAccessible::registerAccessibleInterface(tile));
        return tile;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* tile = dynamic_cast<const TileAccessible*>(child);
        return tile != nullptr ? tile->number() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        return child(canvas()->tile_at(canvas()->mapFromGlobal(QPoint(x, y))));
    }
    QAccessibleInterface* focusChild() const override {
        const TileSelection* selection = canvas()->selection();
        if (!canvas()->hasFocus() || selection == nullptr) {
            return nullptr;
        }
        return child(selection->current());
    }

  private:
    PreviewCanvas* canvas() const { return static_cast<PreviewCanvas*>(widget()); }

    mutable std::unordered_map<int, QAccessible::Id> tiles_;
};

QAccessibleInterface* preview_accessibility_factory(const QString&, QObject* object) {
    if (auto* canvas = qobject_cast<PreviewCanvas*>(object)) {
        return new CanvasAccessible(canvas);
    }
    return nullptr;
}

}  // namespace

void install_preview_accessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(preview_accessibility_factory);
        return true;
    }();
    (void)installed;
}

void announce_current_tile(PreviewCanvas& canvas, int k) {
    if (!QAccessible::isActive() || !canvas.hasFocus() || k < 0) {
        return;
    }
    QAccessibleEvent event(&canvas, QAccessible::Focus);
    event.setChild(k);
    QAccessible::updateAccessibility(&event);
}

}  // namespace quorvane
