// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>

namespace quorvane {

// Shows a web address in the user's browser. A failure is not reported.
class UrlOpener {
  public:
    virtual ~UrlOpener() = default;
    virtual void open_url(const QUrl& url) = 0;
};

}  // namespace quorvane

namespace quorvane {

// Help > Manual, the update dialog's "Download Page" and the About box's link.
void open_home_page(UrlOpener& opener);

}  // namespace quorvane
