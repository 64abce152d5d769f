// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/update_dialog.h"

#include <QBoxLayout>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "model/version.h"
#include "ui/application_icon.h"
#include "ui/link_label.h"
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

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("result_panel"));
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);

    auto* version = new QLabel(tr("Current Version: %1").arg(kVersionText), panel);
    version->setObjectName(QStringLiteral("version_label"));

    // The result takes the link's place once the link has been used.
    result_ = new QLabel(QStringLiteral(" "), panel);
    result_->setObjectName(QStringLiteral("result_label"));
    result_->setTextFormat(Qt::PlainText);  // it quotes the update page
    result_->setAlignment(Qt::AlignCenter);
    result_->setWordWrap(true);
    result_->setForegroundRole(QPalette::Link);
    result_->hide();

    link_ = new LinkLabel(tr("Click here to check for update"), panel);
    link_->setObjectName(QStringLiteral("check_link"));
    link_->setAlignment(Qt::AlignCenter);
    link_->setWordWrap(true);
    link_->setAccessibleName(tr("Check for update"));
    QFont larger = link_->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.3);
    link_->setFont(larger);
    connect(link_, &LinkLabel::activated, this, &UpdateDialog::check);

    auto* download = new QPushButton(tr("&Download Page"), this);
    download->setObjectName(QStringLiteral("download_button"));
    download->setAccessibleName(tr("Download Page"));
    connect(download, &QPushButton::clicked, this, &UpdateDialog::download_page);
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("close_button"));
    close->setAccessibleName(tr("Close"));
    close->setDefault(true);  // Enter closes rather than starting a browser
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    // The link and, after it, the result share one place: two lines of the link's size, as wide
    // as a sentence of the result.
    auto* inside = new QGridLayout(panel);
    inside->addWidget(version, 0, 0, Qt::AlignHCenter);
    inside->addWidget(result_, 1, 0);
    inside->addWidget(link_, 1, 0);
    inside->setRowMinimumHeight(1, QFontMetrics(larger).lineSpacing() * 2 + 12);
    inside->setColumnMinimumWidth(0, fontMetrics().averageCharWidth() * 48);
    inside->setRowStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(download);
    buttons->addWidget(close);
    auto* rows = new QVBoxLayout(this);
    rows->setSizeConstraint(QLayout::SetFixedSize);
    rows->addWidget(panel);
    rows->addLayout(buttons);
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
    result_->show();
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
