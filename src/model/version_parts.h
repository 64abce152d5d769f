// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quorvane {

struct VersionParts {
    QString major;
    QString minor;
};

// How a version text is saved: split at its first "." (or, lacking one, its first ","), with
// minor "00" when it has neither.
VersionParts version_parts(const QString& version);

}  // namespace quorvane
