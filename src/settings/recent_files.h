// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

#include "settings/working_data.h"

namespace quorvane {

// The recent-file entries of the File menu: captions (full paths, most recent first, empty
// when unused) and whether each entry can be chosen.
class RecentFileEntries {
  public:
    const RecentFiles& captions() const { return captions_; }
    bool enabled(int k) const { return enabled_[size_t(k)]; }

    // Takes the captions restored from the working data; enabling is left as it was.
    void restore(const RecentFiles& captions) { captions_ = captions; }

    // A path goes to the top: an entry already there stays, one further down moves up (the
    // entries above it move down one place), a new one pushes the oldest out. Then every entry
    // is enabled when its file exists. An empty path only closes the gaps between the entries.
    void remember(const QString& path);

    // Empties entry k and closes the gap.
    void forget(int k);

  private:
    RecentFiles captions_;
    std::array<bool, kRecentFileCount> enabled_ = [] {
        std::array<bool, kRecentFileCount> all{};
        all.fill(true);
        return all;
    }();
};

}  // namespace quorvane
