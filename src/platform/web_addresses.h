// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>

namespace quorvane {

// The page whose body holds the newest version number. Set when building
// (QUORVANE_UPDATE_URL); the environment variable of the same name overrides it at run time.
// Empty turns the update check off.
QUrl update_page_address();

// The program's web page, opened by Help > Manual, the update dialog and the About box. Set when
// building (QUORVANE_HOME_URL); the environment variable of the same name overrides it.
QUrl home_page_address();

}  // namespace quorvane
