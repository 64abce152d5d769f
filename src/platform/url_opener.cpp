// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/url_opener.h"

#include "platform/web_addresses.h"

namespace quorvane {

void open_home_page(UrlOpener& opener) {
    const QUrl address = home_page_address();
    if (!address.isEmpty()) {
        opener.open_url(address);
    }
}

}  // namespace quorvane
