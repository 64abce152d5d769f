// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "model/theme.h"
#include "text/message_list.h"

namespace quorvane {

// The value text between the first two occurrences of `name` in `text`, both upper-cased, with
// every "<", ">" and "/" removed; empty when the name does not occur twice.
QByteArray text_between_first_two(QByteArrayView text, QByteArrayView name);

// Reads the METADATA block of a theme text into the four fields, or reports "Oops no meta" and
// leaves them unchanged. The block is found on the upper-cased text; the title, description and
// locale keep the letter case they have in the file.
void read_metadata(Metadata& metadata, QByteArrayView text, MessageList& messages);

// The same; the upper-cased text is not needed any more, since the searches match the letters of
// `text` as upper case.
void read_metadata(Metadata& metadata, QByteArrayView text, QByteArrayView upper,
                   MessageList& messages);

// Builds the METADATA block (without a final line end) from the fields; an empty description,
// locale or version is written as its default. An empty title reports "Needs a Title" and gives
// an empty text.
QString metadata_block(const Metadata& metadata, MessageList& messages);
// The same without the title check: an empty title is written empty (recovery copies).
QString metadata_block_text(const Metadata& metadata);

}  // namespace quorvane
