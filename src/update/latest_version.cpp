// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/latest_version.h"

#include <QPointer>
#include <QTimer>

#include "model/version.h"
#include "platform/web_addresses.h"
#include "update/update_page.h"

namespace quorvane {

PageRequest update_page_request() {
    return PageRequest{update_page_address(), QByteArrayLiteral("qvn1"), kUpdatePageLimit};
}

void fetch_latest_version(WebRequest& web, QObject* context,
                          std::function<void(const UpdateCheck& check)> done) {
    const PageRequest request = update_page_request();
    if (request.url.isEmpty()) {
        // The answer still comes from the event loop, as every other answer does.
        QTimer::singleShot(
            0, context, [guard = QPointer<QObject>(context), done = std::move(done)] {
                if (!guard.isNull()) {
                    done(UpdateCheck{UpdateCheck::Outcome::TurnedOff, QString(), QString()});
                }
            });
        return;
    }
    web.get(request, context, [done = std::move(done)](const PageAnswer& page) {
        done(page.ok
                 ? UpdateCheck{UpdateCheck::Outcome::Answered, cut_version(page.body), QString()}
                 : UpdateCheck{UpdateCheck::Outcome::Failed, QString(), page.error});
    });
}

void check_for_update(WebRequest& web, QObject* context, std::function<void()> on_newer_version) {
    fetch_latest_version(
        web, context, [on_newer_version = std::move(on_newer_version)](const UpdateCheck& check) {
            if (check.outcome == UpdateCheck::Outcome::Answered &&
                newer_version(kVersionText, check.version)) {
                on_newer_version();
            }
        });
}

}  // namespace quorvane
