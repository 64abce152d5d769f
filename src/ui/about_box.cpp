// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about_box.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "model/version.h"
#include "platform/web_addresses.h"
#include "ui/application_icon.h"
#include "ui/link_label.h"
#include "ui/widget_placement.h"

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

}  // namespace

AboutBox::AboutBox(QWidget* parent, UrlOpener& opener)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("about_box"));
    setWindowTitle(tr("Information"));
    setWindowIcon(application_icon());
    setFixedSize(twips_rect(0, 0, 4548, 3612).size());

    band_ = place_named(new QFrame(this), "band", twips_rect(-168, 2508, 4788, 348));
    band_->setBackgroundRole(QPalette::AlternateBase);
    band_->setAutoFillBackground(true);

    auto* name = place_named(new QLabel(QStringLiteral("Quorvane"), this), "program_name",
                             twips_rect(12, 72, 4392, 384));
    name->setFont(bold_font(*this, 1.6));
    name->setAlignment(Qt::AlignCenter);

    version_ = place_named(new QLabel(this), "version_label", twips_rect(72, 564, 4428, 300));
    version_->setFont(bold_font(*this, 1.1));
    version_->setAlignment(Qt::AlignCenter);

    const QUrl address = home_page_address();
    auto* link =
        place_named(new LinkLabel(QString(), this), "home_link", twips_rect(744, 900, 3048, 252));
    link->setAlignment(Qt::AlignCenter);
    link->setText(
        link->fontMetrics().elidedText(shown_address(address), Qt::ElideRight, link->width()));
    link->setToolTip(address.toDisplayString());
    link->setAccessibleName(tr("Home page"));
    connect(link, &LinkLabel::activated, this, [&opener] { open_home_page(opener); });

    auto* frame = place_named(new QFrame(this), "beta_frame", twips_rect(810, 1170, 3495, 1095));
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);

    beta_ = place_named(new QLabel(this), "beta_label", twips_rect(900, 1590, 3255, 255));

    const QRect picture_place = twips_rect(180, 1428, 384, 384);
    auto* picture = place_named(new QLabel(this), "icon_picture", picture_place);
    QImage icon =
        paint_application_icon(static_cast<int>(picture_place.width() * devicePixelRatioF() + 0.5));
    icon.setDevicePixelRatio(devicePixelRatioF());
    picture->setPixmap(QPixmap::fromImage(icon));
    picture->setAlignment(Qt::AlignCenter);

    beta_mark_ = place_named(new QLabel(this), "beta_mark", twips_rect(270, 2955, 2835, 435));
    beta_mark_->setFont(bold_font(*this, 1.35));
    beta_mark_->setAlignment(Qt::AlignCenter);

    auto* ok =
        place_named(new QPushButton(tr("OK"), this), "ok_button", twips_rect(3495, 3075, 840, 405));
    ok->setDefault(true);
    ok->setAccessibleName(tr("OK"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
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
