// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Readable GoogleTest output for Qt strings and theme values.
#include <QString>
#include <ostream>

#include "model/element.h"
#include "model/theme.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace quorvane {

inline void PrintTo(const Element& e, std::ostream* os) {
    *os << "{" << e.sort_code << " " << e.field_name.toStdString() << " '"
        << e.display_name.toStdString() << "' '" << e.presentation.toStdString() << "' scale '"
        << e.scale.toStdString() << "' border '" << e.border.toStdString() << "' "
        << e.primary_day.toStdString() << "/" << e.primary_night.toStdString() << " "
        << e.secondary_day.toStdString() << "/" << e.secondary_night.toStdString() << "}";
}

inline void PrintTo(const Metadata& m, std::ostream* os) {
    *os << "{'" << m.title.toStdString() << "' '" << m.description.toStdString() << "' '"
        << m.locale.toStdString() << "' '" << m.version.toStdString() << "'}";
}

}  // namespace quorvane
