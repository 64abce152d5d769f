// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "platform/url_opener.h"

class QFrame;
class QLabel;

namespace quorvane {

// "Information": the program's name, version and web address. Changes nothing.
class AboutBox : public QDialog {
    Q_OBJECT
  public:
    AboutBox(QWidget* parent, UrlOpener& opener);

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Sets the version and beta texts and the band's colour, each time the box is shown.
    void activate();

    QLabel* version_;
    QLabel* beta_;
    QLabel* beta_mark_;
    QFrame* band_;
};

// File > About: the box, modal.
void show_about(QWidget* parent, UrlOpener& opener);

}  // namespace quorvane
