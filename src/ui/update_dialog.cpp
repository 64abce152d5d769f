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

namespace {

void colour_text(QLabel& label, const QColor& colour) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, colour);
    label.setPalette(palette);
}

}  // namespace

UpdateDialog::UpdateDialog(QWidget* parent, WebRequest& web, UrlOpener& opener, BusyCursor& busy)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      web_(web),
      opener_(opener),
      busy_(busy) {
    setObjectName(QStringLiteral("update_dialog"));
    setWindowTitle(QStringLiteral("Updates"));
    setWindowIcon(application_icon());
    setFixedSize(twips_rect(0, 0, 5244, 3264).size());

    auto* panel = place_named(new QFrame(this), "result_panel", twips_rect(75, 450, 5025, 2085));
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setAutoFillBackground(true);
    QPalette panel_colours = panel->palette();
    panel_colours.setColor(QPalette::Window, QColor(224, 224, 224));
    panel_colours.setColor(QPalette::WindowText, QColor(64, 64, 64));
    panel->setPalette(panel_colours);

    auto* version = place_named(new QLabel(QStringLiteral("Current Version:") + kVersionText, this),
                                "version_label", twips_rect(708, 684, 3648, 300));
    version->setWordWrap(true);

    // The result takes the link's place once the link has been used.
    result_ = place_named(new QLabel(QStringLiteral(" "), this), "result_label",
                          twips_rect(165, 1425, 4680, 750));
    result_->setTextFormat(Qt::PlainText);  // it quotes the update page
    result_->setAlignment(Qt::AlignCenter);
    result_->setWordWrap(true);
    colour_text(*result_, LinkLabel::normal_colour());

    link_ = place_named(new LinkLabel(QStringLiteral("Click here to check for update"), this),
                        "check_link", twips_rect(168, 1416, 4680, 756));
    link_->setAlignment(Qt::AlignCenter);
    link_->setWordWrap(true);
    link_->setAccessibleName(QStringLiteral("Check for update"));
    link_->setFont(QFont(QStringLiteral("Arial"), 12));
    connect(link_, &LinkLabel::activated, this, &UpdateDialog::check);

    auto* download = place_named(new QPushButton(QStringLiteral("Download Page"), this),
                                 "download_button", twips_rect(2115, 2715, 1695, 465));
    download->setAccessibleName(QStringLiteral("Download Page"));
    connect(download, &QPushButton::clicked, this, &UpdateDialog::download_page);
    auto* close = place_named(new QPushButton(QStringLiteral("Close"), this), "close_button",
                              twips_rect(4050, 2685, 975, 465));
    close->setAccessibleName(QStringLiteral("Close"));
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
    fetch_latest_version(web_, this, [this](const QString& fetched) { show_result(fetched); });
}

void UpdateDialog::show_result(const QString& fetched) {
    if (!waiting_) {
        return;
    }
    result_->setText(newer_version(kVersionText, fetched)
                         ? QStringLiteral("New version available ") + fetched
                         : QStringLiteral("No update available"));
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
