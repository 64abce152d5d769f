// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace quorvane {

// Only this many bytes of the update page are ever read.
inline constexpr qsizetype kUpdatePageLimit = 1000;

// The fetched version: the page's first kUpdatePageLimit bytes, from just after the first
// "<body>" (exact case; the whole text when there is none) up to the first "</", with every
// blank removed. An empty page gives an empty text.
QString cut_version(const QByteArray& page);

// The leading decimal number of a version text once blanks, tabs and line breaks are dropped,
// with a point as the decimal separator: "1.2beta" is 1.2. 0 when the text starts with no number.
double version_value(const QString& version);

// Whether the fetched version is numerically above the program's own.
bool newer_version(const QString& own_version, const QString& fetched_version);

}  // namespace quorvane
