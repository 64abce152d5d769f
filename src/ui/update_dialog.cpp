// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/update_dialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "model/version.h"
#include "ui/application_icon.h"
#include "ui/link_label.h"
#include "ui/widget_placement.h"
#include "update/latest_version.h"
#include "update/update_page.h"

namespace quorvane {

UpdateDialog::UpdateDialog(QWidget* parent, WebRequest& web, UrlOpener& opener, BusyCursor& busy)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      web_(web),
      opener_(opener),
      busy_(busy) {
    setObjectName(QStringLiteral("update_dialog"));
    setWindowTitle(tr("Updates"));
    setWindowIcon(application_icon());
    setFixedSize(twips_rect(0, 0, 5244, 3264).size());

    auto* panel = place_named(new QFrame(this), "result_panel", twips_rect(75, 450, 5025, 2085));
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);

    auto* version = place_named(new QLabel(tr("Current Version: %1").arg(kVersionText), this),
                                "version_label", twips_rect(708, 684, 3648, 300));
    version->setWordWrap(true);

    // The result takes the link's place once the link has been used.
    result_ = place_named(new QLabel(QStringLiteral(" "), this), "result_label",
                          twips_rect(165, 1425, 4680, 750));
    result_->setTextFormat(Qt::PlainText);  // it quotes the update page
    result_->setAlignment(Qt::AlignCenter);
    result_->setWordWrap(true);
    result_->setForegroundRole(QPalette::Link);

    link_ = place_named(new LinkLabel(tr("Click here to check for update"), this), "check_link",
                        twips_rect(168, 1416, 4680, 756));
    link_->setAlignment(Qt::AlignCenter);
    link_->setWordWrap(true);
    link_->setAccessibleName(tr("Check for update"));
    QFont larger = link_->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.3);
    link_->setFont(larger);
    connect(link_, &LinkLabel::activated, this, &UpdateDialog::check);

    auto* download = place_named(new QPushButton(tr("&Download Page"), this), "download_button",
                                 twips_rect(2115, 2715, 1695, 465));
    download->setAccessibleName(tr("Download Page"));
    connect(download, &QPushButton::clicked, this, &UpdateDialog::download_page);
    auto* close = place_named(new QPushButton(tr("&Close"), this), "close_button",
                              twips_rect(4050, 2685, 975, 465));
    close->setAccessibleName(tr("Close"));
    close->setDefault(true);  // Enter closes rather than starting a browser
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

UpdateDialog::~UpdateDialog() {
    stop_waiting();
}

void UpdateDialog::done(int result) {
    stop_waiting();
    QDialog::done(result);
}

void UpdateDialog::check() {
    if (waiting_ || link_->isHidden()) {
        return;
    }
    busy_.busy_on();
    waiting_ = true;
    link_->hide();
    fetch_latest_version(web_, this, [this](const UpdateCheck& found) { show_result(found); });
}

void UpdateDialog::show_result(const UpdateCheck& found) {
    if (!waiting_) {
        return;
    }
    switch (found.outcome) {
        case UpdateCheck::Outcome::Answered:
            result_->setText(newer_version(kVersionText, found.version)
                                 ? tr("New version available %1").arg(found.version)
                                 : tr("No update available"));
            break;
        case UpdateCheck::Outcome::TurnedOff:
            result_->setText(tr("The update check is turned off"));
            break;
        case UpdateCheck::Outcome::Failed:
            result_->setText(tr("Could not check for updates: %1").arg(found.error));
            break;
    }
    stop_waiting();
}

void UpdateDialog::download_page() {
    open_home_page(opener_);
    waiting_ = false;  // an answer still on its way is not wanted any more
    busy_.busy_off();
    accept();
}

void UpdateDialog::stop_waiting() {
    if (waiting_) {
        waiting_ = false;
        busy_.busy_off();
    }
}

void show_update_dialog(QWidget* parent, WebRequest& web, UrlOpener& opener, BusyCursor& busy) {
    UpdateDialog dialog(parent, web, opener, busy);
    dialog.exec();
}

}  // namespace quorvane
