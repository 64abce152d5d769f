#include "update/latest_version.h"

#include "model/version.h"
#include "platform/web_addresses.h"
#include "update/update_page.h"

namespace quorvane {

PageRequest update_page_request() {
    return PageRequest{update_page_address(), QByteArrayLiteral("qvn1"), kUpdatePageLimit};
}

void fetch_latest_version(WebRequest& web, QObject* context,
                          std::function<void(const QString& fetched)> done) {
    web.get(update_page_request(), context,
            [done = std::move(done)](const QByteArray& page) { done(cut_version(page)); });
}

void check_for_update(WebRequest& web, QObject* context, std::function<void()> on_newer_version) {
    fetch_latest_version(web, context,
                         [on_newer_version = std::move(on_newer_version)](const QString& fetched) {
                             if (newer_version(kVersionText, fetched)) {
                                 on_newer_version();
                             }
                         });
}

}  // namespace quorvane
