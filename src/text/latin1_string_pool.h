// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

namespace quorvane {

// Makes QStrings of Latin-1 bytes that share a few large buffers instead of owning one heap block
// each: a theme of a million styles holds ten million short texts, and one allocation apiece
// costs more time and memory than reading the file does.
//
// Each text is a QString whose characters lie in a shared buffer, followed by a NUL as every
// QString's are. A QString copies itself before its first change while the buffer is shared, so
// such a text behaves like any other, with two differences: isSharedWith() is true for any two
// texts of one buffer, and one text kept alive keeps its whole buffer (half a kilobyte) alive.
//
// Texts of up to seven bytes (colours, scales, borders) repeat all through a theme: one made
// recently is handed out again rather than copied, found by its bytes in a small table.
class Latin1StringPool {
  public:
    Latin1StringPool() = default;
    Latin1StringPool(const Latin1StringPool&) = delete;
    Latin1StringPool& operator=(const Latin1StringPool&) = delete;
    ~Latin1StringPool();

    // The bytes as a QString (byte value = character code); empty bytes give a null QString.
    QString make(QByteArrayView latin1);

  private:
    struct Recent {
        quint64 bytes = 0;  // the text's bytes, its length in the top byte
        QString text;
    };

    QString make_new(QByteArrayView latin1);
    void give_back_references();

    QString::DataPointer buffer_;  // the buffer new texts go to; holds one reference
    qsizetype used_ = 0;
    int spare_references_ = 0;  // taken on the buffer for texts still to be made
    std::vector<Recent> recent_;
};

// A QByteArray that shares `source`'s buffer for the `length` bytes from `offset` on, for keeping
// a view that holds its text alive. Unlike other QByteArrays it is not followed by a NUL: read it
// through QByteArrayView only. A source without a buffer of its own (raw data) is copied.
QByteArray shared_byte_slice(const QByteArray& source, qsizetype offset, qsizetype length);

}  // namespace quorvane
