// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/web_addresses.h"

#include <QByteArray>
#include <QtGlobal>

#include "build_settings.h"

namespace quorvane {

namespace {

// An environment variable that is set wins, even when empty: that is how a user turns the
// update check off without rebuilding.
QUrl configured_address(const char* variable, const char* built_in) {
    const QString text = qEnvironmentVariableIsSet(variable) ? qEnvironmentVariable(variable)
                                                             : QString::fromUtf8(built_in);
    return QUrl(text.trimmed(), QUrl::StrictMode);
}

}  // namespace

QUrl update_page_address() {
    return configured_address("QUORVANE_UPDATE_URL", QUORVANE_UPDATE_URL);
}

QUrl home_page_address() {
    return configured_address("QUORVANE_HOME_URL", QUORVANE_HOME_URL);
}

}  // namespace quorvane
