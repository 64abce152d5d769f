// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "model/theme.h"
#include "text/message_list.h"

namespace quorvane {

struct ThemeLines;

// Reads the whole file into one text (one byte per character). An empty path or a missing file
// gives an empty text. A failed read reports the system's error description.
QByteArray read_file_bytes(const QString& path, MessageList& messages);

// Normalises the spacing around "=" by six global replacements in a fixed order: a run of one or
// three spaces before or after "=" vanishes, two or four leave one, five leave two.
QByteArray normalise_equals(QByteArrayView text);

// What a presentation block's text is searched in: every run of two spaces shortened to one, and
// one and then two spaces after ">" removed.
QByteArray squeeze_block_spaces(QByteArrayView block);

// Replaces the theme's Elements, presentation table and metadata with those of a theme text, and
// appends each presentation's name to the theme's listed presentations. An empty text (after the
// spacing around "=" is normalised) leaves the theme as it was.
void parse_theme_text(Theme& theme, QByteArrayView text, MessageList& messages);

// parse_theme_text for a text the reader may take over: it is changed in place and becomes the
// buffer every Element's style text shares, so a large theme is read without a copy of its text.
// When `lines` is given, it receives where the METADATA block and each Element's STYLE tag stand,
// as find_theme_lines finds them.
void parse_theme_bytes(Theme& theme, QByteArray text, MessageList& messages,
                       ThemeLines* lines = nullptr);

// The field name of a style text: the first quoted value after FIELD in its tag (the first
// quoted value of the tag when it has no FIELD). Reports "Can't find type!" when there is none.
QByteArray style_field_name(QByteArrayView style, MessageList& messages);

// The text before the first ">", or an empty text when there is none.
QByteArray text_before_tag_end(QByteArrayView text);

// What the program says when a file does not fit in memory.
QString too_large_to_read_message(const QString& path);

// Whether a text can be a theme at all: it holds METADATA, PRESENTATION or STYLE, in any letter
// case. A theme with problems does; a picture, a letter or a web page does not.
bool looks_like_theme(QByteArrayView text);

// "<name> is not a map theme".
QString not_a_theme_message(const QString& name);

// What the open commands do with a file: read_file_bytes then read_theme_text. Returns false when
// the file does not exist or is not a theme. Each distinct message text of the read is reported
// once.
bool read_theme_file(const QString& path, Theme& theme, MessageList& messages);

// parse_theme_text where each distinct message text of the read is reported once, for a text
// that looks like a theme. Any other text (an empty one aside: it is an empty theme) leaves the
// theme as it was, reports not_a_theme_message(name) alone and returns false.
bool read_theme_text(QByteArrayView text, const QString& name, Theme& theme, MessageList& messages);
// The same for a text the reader may take over (see parse_theme_bytes), with the lines of its
// parts when `lines` is given.
bool read_theme_bytes(QByteArray text, const QString& name, Theme& theme, MessageList& messages,
                      ThemeLines* lines = nullptr);

}  // namespace quorvane
