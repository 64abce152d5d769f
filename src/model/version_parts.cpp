// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/version_parts.h"

namespace quorvane {

VersionParts version_parts(const QString& version) {
    qsizetype dot = version.indexOf(QLatin1Char('.'));
    if (dot < 0) {
        dot = version.indexOf(QLatin1Char(','));
    }
    if (dot < 0) {
        return {version, QStringLiteral("00")};
    }
    return {version.left(dot), version.mid(dot + 1)};
}

}  // namespace quorvane
