// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "platform/busy_cursor.h"
#include "platform/url_opener.h"
#include "platform/web_request.h"
#include "update/latest_version.h"

class QLabel;

namespace quorvane {

class LinkLabel;

// "Updates": shows the program's version and, on a click of the link, whether the update page
// names a newer one, or that the check is turned off or could not be done. One check per opening;
// the dialog stays responsive while it waits.
class UpdateDialog : public QDialog {
    Q_OBJECT
  public:
    UpdateDialog(QWidget* parent, WebRequest& web, UrlOpener& opener, BusyCursor& busy);
    ~UpdateDialog() override;

    // Closing ends the wait for an answer, and with it the busy cursor.
    void done(int result) override;

  private:
    void check();
    void show_result(const UpdateCheck& found);
    void download_page();
    void stop_waiting();

    WebRequest& web_;
    UrlOpener& opener_;
    BusyCursor& busy_;
    LinkLabel* link_;
    QLabel* result_;
    bool waiting_ = false;
};

// Help > Check for Updates: the dialog, modal.
void show_update_dialog(QWidget* parent, WebRequest& web, UrlOpener& opener, BusyCursor& busy);

}  // namespace quorvane
