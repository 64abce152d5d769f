// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

#include "model/theme.h"

namespace quorvane {

// Whether Element `e`'s display name or field name contains `upper_text` (ASCII-upper-cased),
// ASCII letters compared without their case. The search box's filter and its Enter both go by it.
bool element_matches(const Element& e, QStringView upper_text);

// The search box's filter: which Elements match the text in the box. An empty text filters
// nothing.
class ElementFilter {
  public:
    // Matches every Element of the theme against `text`.
    void set_text(const Theme& theme, const QString& text);
    // Matches again with the same text, after the theme changed.
    void refresh(const Theme& theme) { set_text(theme, text_); }

    bool active() const { return !text_.isEmpty(); }
    const QString& text() const { return text_; }
    // One flag per Element; empty when the filter is not active.
    const std::vector<bool>& matches() const { return matches_; }
    // The matching Elements in theme order.
    const std::vector<int>& matching() const { return matching_; }
    int match_count() const { return int(matching_.size()); }

  private:
    QString text_;
    std::vector<bool> matches_;
    std::vector<int> matching_;
};

}  // namespace quorvane
