// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

namespace quorvane {

// Puts the program and Qt's own texts (standard buttons, dialogs) into the user's language, as
// the system locale names it (LANG, LC_MESSAGES, LANGUAGE). A language without a translation
// stays English. The translators belong to `application`.
void install_translations(QCoreApplication& application);

}  // namespace quorvane
