// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/recent_files.h"

#include <QFileInfo>
#include <algorithm>

namespace quorvane {

void RecentFileEntries::remember(const QString& path) {
    if (path.isEmpty()) {
        RecentFiles closed;
        size_t next = 0;
        for (const QString& caption : captions_) {
            if (!caption.isEmpty()) {
                closed[next++] = caption;
            }
        }
        captions_ = closed;
        return;
    }
    const auto found = std::find(captions_.begin(), captions_.end(), path);
    if (found == captions_.begin()) {
        return;
    }
    // Entries above the found one (or all but the last) move down one place.
    const auto end = found == captions_.end() ? captions_.end() - 1 : found;
    std::move_backward(captions_.begin(), end, end + 1);
    captions_[0] = path;
    for (size_t k = 0; k < captions_.size(); ++k) {
        enabled_[k] = QFileInfo(captions_[k]).isFile();
    }
}

void RecentFileEntries::forget(int k) {
    captions_[size_t(k)].clear();
    remember(QString());
}

}  // namespace quorvane
