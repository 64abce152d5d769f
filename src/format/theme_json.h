#pragma once

#include <QJsonObject>
#include <QStringList>

#include "model/theme.h"

namespace quorvane {

// The theme as quorvane-cli dump prints it: file, metadata, presentation table, listed
// presentations, every Element's fields exactly as stored, and the messages of the read.
QJsonObject theme_json(const Theme& theme, const QString& file_name, const QStringList& messages);

}  // namespace quorvane
