// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

#include "format/file_identity.h"
#include "model/theme.h"
#include "text/message_list.h"

namespace quorvane {

enum class SaveOutcome {
    Written,     // the file holds the theme
    NoTitle,     // "Needs a Title": nothing written
    FileExists,  // a file is there and was to be kept: nothing written
    Failed,      // the write failed: the old file is intact
    Unwritable,  // a value would not read back as it is: nothing written
};

// What save_theme_file does when a file is at the path already.
enum class ExistingFile { Kept, Replaced };

// The XML declaration and the root start tag, each followed by CR LF.
QString file_head();

// The whole file text save_theme_file writes, as ISO-8859-1 bytes, without the final CR LF that
// write_theme_bytes adds. CR and LF in a border text are left out of the file, and other control
// characters in a border report "Error with Border Height" (once).
QByteArray theme_text(const Theme& theme, const QString& meta, MessageList& messages);

// The same text followed by CR LF (what save_theme_file writes), handed to `write` in pieces of
// about a megabyte as it is made, so that a large theme's text never stands whole in memory.
// Stops when `write` returns false, and returns whether every piece was written.
bool write_theme_text(const Theme& theme, const QString& meta, MessageList& messages,
                      const std::function<bool(QByteArrayView)>& write);

// The style values a file cannot hold as they are: a quote, "<", ">" or a line end would end the
// value early, and the rest would read back as other attributes or styles. One sentence each,
// naming the style: "GUIDANCE, MAP_ROAD_CLR, border: "1\"/>" holds ...".
QStringList unwritable_style_values(const Theme& theme);
// What a save refused for unwritable_style_values says; empty when there are none.
QString unwritable_values_message(const Theme& theme);

// Writes the theme to `path` in the theme file format. A theme without a title is refused first,
// then one with unwritable_style_values; then a file already at `path` (or a link to where none
// is yet) is replaced or, with ExistingFile::Kept, left alone (the caller asks "Overwrite
// existing file?" and calls again). `written`, when given, is set to what the file holds after
// a write.
SaveOutcome save_theme_file(const Theme& theme, const QString& path, MessageList& messages,
                            ExistingFile existing, FileIdentity* written = nullptr);

// The lines whose border of 0 the file leaves out, with their secondary colours: they read back
// as areas.
int lines_saved_as_areas(const Theme& theme);

// The question to ask before replacing a file with a theme.
QString overwrite_question();

// The bytes Save would write, also for a theme without a title: the recovery copy.
QByteArray recovery_bytes(const Theme& theme);

// Writes `text` followed by CR LF as the whole content of the file at `path`, atomically.
// Returns whether the file was written. Reports "Error saving <path>: <reason>" (see
// write_failure_text) on failure, and "Invalid file:" + path when the path is not absolute or no
// file is there after.
bool write_theme_bytes(const QString& path, QByteArray text, MessageList& messages);

}  // namespace quorvane
