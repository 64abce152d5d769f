// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace quorvane {

// How the user left the main window: its place and size, and where its panels stand, each as
// the window saved it (opaque to everyone else). Empty when there is nothing to restore.
struct WindowArrangement {
    QByteArray geometry;
    QByteArray panels;

    friend bool operator==(const WindowArrangement&, const WindowArrangement&) = default;
};

// The file in a system folder that keeps the arrangement.
QString window_arrangement_path(const QString& folder);

// Writes the arrangement to `folder`, replacing the last one; false when it could not be
// written (the next start then opens as the first did, which loses nothing).
bool save_window_arrangement(const QString& folder, const WindowArrangement& arrangement);

// The arrangement kept in `folder`; empty when there is none or it cannot be read.
WindowArrangement load_window_arrangement(const QString& folder);

}  // namespace quorvane
