#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "model/theme.h"

namespace quorvane {

class Messages;

// The value text between the first two occurrences of `name` in `text`, both upper-cased, with
// every "<", ">" and "/" removed; empty when the name does not occur twice.
QByteArray text_between_first_two(QByteArrayView text, QByteArrayView name);

// Reads the METADATA block of a theme text into the four fields, or shows "Oops no meta" and
// leaves them unchanged.
void read_metadata(Metadata& metadata, QByteArrayView text, Messages& messages);

// read_metadata for a text that is upper case already (the reader has one at hand).
void read_metadata_upper(Metadata& metadata, QByteArrayView upper, Messages& messages);

// Builds the METADATA block (without a final line end) from the fields, filling in the default
// description, locale and version. An empty title shows "Needs a Title" and gives an empty text.
QString metadata_block(Metadata& metadata, Messages& messages);

}  // namespace quorvane
