// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "model/theme.h"

namespace quorvane {

class Messages;
struct ThemeLines;

// Reads the whole file into one text (one byte per character). An empty path or a missing file
// gives an empty text. A failed read shows the system's error description.
QByteArray read_file_bytes(const QString& path, Messages& messages);

// Normalises the spacing around "=" by six global replacements in a fixed order: a run of one or
// three spaces before or after "=" vanishes, two or four leave one, five leave two.
QByteArray normalise_equals(QByteArrayView text);

// What a presentation block's text is searched in: every run of two spaces shortened to one, and
// one and then two spaces after ">" removed.
QByteArray squeeze_block_spaces(QByteArrayView block);

// Replaces the theme's Elements, presentation table and metadata with those of a theme text, and
// appends each presentation's name to the theme's listed presentations. An empty text (after the
// spacing around "=" is normalised) leaves the theme as it was.
void parse_theme_text(Theme& theme, QByteArrayView text, Messages& messages);

// parse_theme_text for a text the reader may take over: it is changed in place and becomes the
// buffer every Element's style text shares, so a large theme is read without a copy of its text.
// When `lines` is given, it receives where the METADATA block and each Element's STYLE tag stand,
// as find_theme_lines finds them.
void parse_theme_bytes(Theme& theme, QByteArray text, Messages& messages,
                       ThemeLines* lines = nullptr);

// The field name of a style text: the first quoted value after FIELD in its tag (the first
// quoted value of the tag when it has no FIELD). Shows "Can't find type!" when there is none.
QByteArray style_field_name(QByteArrayView style, Messages& messages);

// The text before the first ">", or an empty text when there is none.
QByteArray text_before_tag_end(QByteArrayView text);

// What the program says when a file does not fit in memory.
QString too_large_to_read_message(const QString& path);

// What the open commands do with a file: read_file_bytes then read_theme_text. Returns false when
// the file does not exist.
bool read_theme_file(const QString& path, Theme& theme, Messages& messages);

// parse_theme_text where every distinct message text of the read is shown once.
void read_theme_text(QByteArrayView text, Theme& theme, Messages& messages);
// The same for a text the reader may take over (see parse_theme_bytes).
void read_theme_bytes(QByteArray text, Theme& theme, Messages& messages);

}  // namespace quorvane
