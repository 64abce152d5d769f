// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace quorvane {

// The upper-cased STYLE text an Element was read from. It is carried along but never shown or
// written, so it is kept as a view into the text it was read from: a large theme does not hold
// every style a second time.
class StyleText {
  public:
    StyleText() = default;
    StyleText(const QByteArray& source, qsizetype offset, qsizetype length)
        : source_(source), offset_(offset), length_(length) {}

    QByteArray text() const { return source_.mid(offset_, length_); }
    bool isEmpty() const { return length_ == 0; }

    friend bool operator==(const StyleText& a, const StyleText& b) {
        return QByteArrayView(a.source_).sliced(a.offset_, a.length_) ==
               QByteArrayView(b.source_).sliced(b.offset_, b.length_);
    }

  private:
    QByteArray source_;
    qsizetype offset_ = 0;
    qsizetype length_ = 0;
};

}  // namespace quorvane
