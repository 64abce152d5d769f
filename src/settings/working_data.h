// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

#include "text/message_list.h"

namespace quorvane {

// How many recent files the File menu offers.
inline constexpr int kRecentFileCount = 6;

// The captions of the recent-file entries of the File menu, most recent first; an empty caption
// is an unused entry.
using RecentFiles = std::array<QString, kRecentFileCount>;

// Environment variable that names the system folder instead of the platform's place (tests).
inline constexpr const char* kWorkingDataFolderVariable = "QUORVANE_SYSTEM_DIR";

// The folder of the working-data file: $QUORVANE_SYSTEM_DIR when set, otherwise the platform's
// application-data folder followed by "system". Created when missing.
QString working_data_folder();

// The working-data file in a system folder.
QString working_data_path(const QString& folder);

// Writes the recent-file captions to the working-data file in `folder`, replacing it; reports
// why when it cannot.
void save_working_data(const QString& folder, const RecentFiles& recent, MessageList& messages);

// Sets the captions from the working-data file in `folder`; entries the file does not hold keep
// their captions, and a missing file changes nothing.
void load_working_data(const QString& folder, RecentFiles& recent);

}  // namespace quorvane
