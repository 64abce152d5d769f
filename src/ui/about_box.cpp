// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about_box.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "model/version.h"
#include "platform/web_addresses.h"
#include "ui/application_icon.h"
#include "ui/link_label.h"

namespace quorvane {

namespace {

// The desktop's font, bold and `scale` times its size.
QFont bold_font(const QWidget& widget, double scale) {
    QFont font = widget.font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

// The address as people write it: no scheme, no trailing slash.
QString shown_address(const QUrl& address) {
    QString text = address.toDisplayString(QUrl::RemoveScheme);
    while (text.startsWith(QLatin1Char('/'))) {
        text.remove(0, 1);
    }
    while (text.endsWith(QLatin1Char('/'))) {
        text.chop(1);
    }
    return text;
}

// Names a part of the box after its role.
template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// The frame with the icon stands a little in from the left, under the address.
int frame_indent(const QWidget& box) {
    return box.fontMetrics().averageCharWidth() * 6;
}

}  // namespace

AboutBox::AboutBox(QWidget* parent, UrlOpener& opener)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("about_box"));
    setWindowTitle(tr("Information"));
    setWindowIcon(application_icon());

    auto* name = named(new QLabel(QStringLiteral("Quorvane"), this), "program_name");
    name->setFont(bold_font(*this, 1.6));
    name->setAlignment(Qt::AlignCenter);
    // Wide enough for the window's title and the address beside the frame's indent.
    name->setMinimumWidth(fontMetrics().averageCharWidth() * 44);

    version_ = named(new QLabel(this), "version_label");
    version_->setFont(bold_font(*this, 1.1));
    version_->setAlignment(Qt::AlignCenter);

    const QUrl address = home_page_address();
    auto* link = named(new LinkLabel(QString(), this), "home_link");
    link->setAlignment(Qt::AlignCenter);
    // A long address is shortened to about forty characters; the tool tip has it whole.
    const int widest = link->fontMetrics().averageCharWidth() * 40;
    link->setText(link->fontMetrics().elidedText(shown_address(address), Qt::ElideRight, widest));
    link->setToolTip(address.toDisplayString());
    link->setAccessibleName(tr("Home page"));
    connect(link, &LinkLabel::activated, this, [&opener] { open_home_page(opener); });

    auto* frame = named(new QFrame(this), "beta_frame");
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    auto* picture = named(new QLabel(frame), "icon_picture");
    const int side = fontMetrics().height() * 2;
    QImage icon = paint_application_icon(static_cast<int>(side * devicePixelRatioF() + 0.5));
    icon.setDevicePixelRatio(devicePixelRatioF());
    picture->setPixmap(QPixmap::fromImage(icon));
    picture->setFixedSize(side, side);
    beta_ = named(new QLabel(frame), "beta_label");
    auto* inside = new QHBoxLayout(frame);
    inside->addWidget(picture);
    inside->addSpacing(8);
    inside->addWidget(beta_, 1);

    band_ = named(new QFrame(this), "band");
    band_->setBackgroundRole(QPalette::AlternateBase);
    band_->setAutoFillBackground(true);
    band_->setFixedHeight(fontMetrics().height() + 8);

    beta_mark_ = named(new QLabel(this), "beta_mark");
    beta_mark_->setFont(bold_font(*this, 1.35));
    beta_mark_->setAlignment(Qt::AlignCenter);

    auto* ok = named(new QPushButton(tr("OK"), this), "ok_button");
    ok->setDefault(true);
    ok->setAccessibleName(tr("OK"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    // The band reaches from edge to edge; everything else keeps the desktop's margins.
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSizeConstraint(QLayout::SetFixedSize);
    auto* top = new QVBoxLayout;
    top->setContentsMargins(style()->pixelMetric(QStyle::PM_LayoutLeftMargin),
                            style()->pixelMetric(QStyle::PM_LayoutTopMargin),
                            style()->pixelMetric(QStyle::PM_LayoutRightMargin), 0);
    top->addWidget(name);
    top->addWidget(version_);
    top->addWidget(link);
    top->addSpacing(6);
    auto* framed = new QHBoxLayout;
    framed->addSpacing(frame_indent(*this));
    framed->addWidget(frame, 1);
    top->addLayout(framed);
    rows->addLayout(top);
    rows->addSpacing(8);
    rows->addWidget(band_);
    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(style()->pixelMetric(QStyle::PM_LayoutLeftMargin), 0,
                               style()->pixelMetric(QStyle::PM_LayoutRightMargin),
                               style()->pixelMetric(QStyle::PM_LayoutBottomMargin));
    bottom->addWidget(beta_mark_);
    bottom->addStretch(1);
    bottom->addWidget(ok, 0, Qt::AlignBottom);
    rows->addLayout(bottom);
}

void AboutBox::activate() {
    beta_mark_->setText(tr("Beta "));
    beta_->setText(tr("Beta"));
    version_->setText(tr("Version %1").arg(kVersionText));
}

void AboutBox::showEvent(QShowEvent* event) {
    activate();
    QDialog::showEvent(event);
}

void AboutBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        activate();
    }
    QDialog::changeEvent(event);
}

void show_about(QWidget* parent, UrlOpener& opener) {
    AboutBox box(parent, opener);
    box.exec();
}

}  // namespace quorvane
