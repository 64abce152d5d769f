// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

#include "model/theme.h"

namespace quorvane {

class Messages;
class BusyCursor;

enum class SaveOutcome {
    Written,   // the file holds the theme
    NoTitle,   // "Needs a Title": nothing written
    Declined,  // the answer to "Overwrite existing file?" was No
    Failed,    // the write failed: the old file is intact
};

// The XML declaration and the root start tag, each followed by CR LF.
QString file_head();

// The whole file text save_theme_file writes, as ISO-8859-1 bytes, without the final CR LF that
// write_theme_bytes adds. CR and LF in a border text are left out of the file, and other control
// characters in a border show "Error with Border Height".
QByteArray theme_text(const Theme& theme, const QString& meta, Messages& messages);

// The same text followed by CR LF (what save_theme_file writes), handed to `write` in pieces of
// about a megabyte as it is made, so that a large theme's text never stands whole in memory.
// Stops when `write` returns false, and returns whether every piece was written.
bool write_theme_text(const Theme& theme, const QString& meta, Messages& messages,
                      const std::function<bool(QByteArrayView)>& write);

// Writes the theme to `path` in the theme file format. When `ask_before_overwriting`, asks
// "Overwrite existing file?" when a file is there already.
SaveOutcome save_theme_file(const Theme& theme, const QString& path, Messages& messages,
                            BusyCursor& busy, bool ask_before_overwriting = true);

// The bytes Save would write, also for a theme without a title: the recovery copy.
QByteArray recovery_bytes(const Theme& theme);

// Writes `text` followed by CR LF as the whole content of the file at `path`, atomically.
// Returns whether the file was written. Shows "Error saving <path>: <reason>" (see
// write_failure_text) on failure, and "Invalid file:" + path when the path is not absolute or no
// file is there after.
bool write_theme_bytes(const QString& path, QByteArray text, Messages& messages);

}  // namespace quorvane
