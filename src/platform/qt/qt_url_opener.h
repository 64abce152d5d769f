// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/url_opener.h"

namespace quorvane {

// Opens web addresses with the desktop's default browser.
class QtUrlOpener : public UrlOpener {
  public:
    void open_url(const QUrl& url) override;
};

}  // namespace quorvane
