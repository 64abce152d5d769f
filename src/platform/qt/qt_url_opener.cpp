// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qt_url_opener.h"

#include <QDesktopServices>

namespace quorvane {

void QtUrlOpener::open_url(const QUrl& url) {
    if (url.isValid() && !url.isEmpty()) {
        QDesktopServices::openUrl(url);
    }
}

}  // namespace quorvane
