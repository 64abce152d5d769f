#include "ui/main_window_controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "preview/preview_painter.h"
#include "preview/pane_geometry.h"

namespace quorvane {

namespace {

QFont font(const QString& family, double points, bool bold = false) {
    QFont f(family);
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

template <typename W>
W* make(QWidget& client, const char* name, const QRect& twips) {
    auto* w = new W(&client);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(to_pixels(twips));
    return w;
}

void set_background(QWidget& w, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = w.palette();
    palette.setColor(role, colour);
    w.setPalette(palette);
}

}  // namespace

MainWindowControls build_main_window_controls(QWidget& client) {
    using namespace layout_table;
    const QFont arial12 = font(QStringLiteral("Arial"), 12);
    const QFont arial10 = font(QStringLiteral("Arial"), 10.2);
    MainWindowControls c;

    c.command2 = make<QPushButton>(client, "Command2", kCommand2);
    c.command2->setText(QStringLiteral("+"));
    c.command2->setFont(font(QStringLiteral("Arial"), 18, true));
    set_background(*c.command2, QPalette::Button, QColor(255, 255, 192));

    c.label1 = make<QLabel>(client, "Label1", kLabel1);
    c.label1->setText(QStringLiteral("Add Line/Polygon"));

    const char* const captions[5] = {"Presentations", "Title", "Description", "Locality",
                                     "Version"};
    for (int k = 0; k < 5; ++k) {
        auto* label = new QLabel(QLatin1String(captions[k]), &client);
        label->setObjectName(QStringLiteral("Label2_%1").arg(k));
        label->setGeometry(
            to_pixels(QRect(kLabel2Left, kLabel2Tops[k], kLabel2Width, kLabel2Height)));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setFont(arial12);
        c.label2[size_t(k)] = label;
    }

    c.list1 = make<QListWidget>(client, "List1", kList1);
    // The list only informs: it reacts to no mouse action.
    c.list1->setSelectionMode(QAbstractItemView::NoSelection);
    c.list1->setFocusPolicy(Qt::NoFocus);

    c.title = make<QLineEdit>(client, "title", kTitle);
    c.title->setFont(arial10);
    c.text3 = make<QPlainTextEdit>(client, "Text3", kText3);
    c.text3->setFont(arial10);
    c.text1 = make<QLineEdit>(client, "Text1", kText1);
    c.text1->setFont(arial12);
    c.text2 = make<QLineEdit>(client, "Text2", kText2);
    c.text2->setFont(arial12);

    c.text4 = make<QLineEdit>(client, "Text4", kText4);
    c.text4->setFont(arial12);
    set_background(*c.text4, QPalette::Base, QColor(234, 252, 191));

    c.command1 = make<QPushButton>(client, "Command1", kCommand1);
    c.command1->setText(QStringLiteral("Search"));

    c.label3 = make<QLabel>(client, "Label3", kLabel3);
    c.label3->setText(QStringLiteral("UPDATE AVAILABLE"));
    c.label3->setFont(font(QStringLiteral("MS Sans Serif"), 7.8, true));
    c.label3->setAlignment(Qt::AlignCenter);
    QPalette notice = c.label3->palette();
    notice.setColor(QPalette::Window, QColor(255, 255, 128));
    notice.setColor(QPalette::WindowText, QColor(0, 0, 255));
    c.label3->setPalette(notice);
    c.label3->setAutoFillBackground(true);
    c.label3->hide();
    return c;
}

}  // namespace quorvane
