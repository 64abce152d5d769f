// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include "text/latin1_string_pool.h"

namespace quorvane {

// The upper-cased STYLE text an Element was read from. It is carried along but never shown or
// written, so it is kept as a view into the text it was read from: a large theme does not hold
// every style a second time.
class StyleText {
  public:
    StyleText() = default;
    StyleText(const QByteArray& source, qsizetype offset, qsizetype length)
        : view_(shared_byte_slice(source, offset, length)) {}

    QByteArray text() const { return QByteArray(view_.constData(), view_.size()); }
    bool isEmpty() const { return view_.isEmpty(); }

    friend bool operator==(const StyleText& a, const StyleText& b) {
        return QByteArrayView(a.view_) == QByteArrayView(b.view_);
    }

  private:
    // Shares the read text's buffer; no NUL follows it, so it never leaves this class.
    QByteArray view_;
};

}  // namespace quorvane
