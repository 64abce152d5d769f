// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QStringList>
#include <functional>

#include "model/theme.h"

namespace quorvane {

// The theme as quorvane-cli dump prints it: file, metadata, presentation table, listed
// presentations, every Element's fields exactly as stored, and the messages of the read.
QJsonObject theme_json(const Theme& theme, const QString& file_name, const QStringList& messages);

// The same document as indented JSON text, byte for byte what QJsonDocument would print, but
// written piece by piece to `write` without building it in memory first.
void write_theme_json(const Theme& theme, const QString& file_name, const QStringList& messages,
                      const std::function<void(const QByteArray&)>& write);

}  // namespace quorvane
