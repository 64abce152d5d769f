#pragma once

#include <QString>

namespace quorvane {

// The program's version text: shown in the caption, the About box and the update dialog, and
// compared with the update page.
inline const QString kVersionText = QStringLiteral("1.20");

}  // namespace quorvane
