// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/latin1_string_pool.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace quorvane {

namespace {

// Characters per shared buffer. A copy of a text that grows (appended to, as in "name: ") is given
// room for everything before the text in its buffer as well, so a buffer holds only a few dozen
// texts: that waste stays below a kilobyte, and allocations still come one per dozens of texts.
constexpr qsizetype kBufferChars = 256;

// Longer texts get a buffer of their own: the space left at the end of a shared one stays small.
constexpr qsizetype kLongestSharedText = kBufferChars / 4;

// Places in the table of recent short texts (a power of two).
constexpr size_t kRecentTexts = 4096;

}  // namespace

Latin1StringPool::~Latin1StringPool() {
    give_back_references();
}

void Latin1StringPool::give_back_references() {
    // The buffer's own reference is still held, so this never frees it.
    if (spare_references_ > 0) {
        buffer_.d_ptr()->ref_.fetchAndSubRelaxed(spare_references_);
        spare_references_ = 0;
    }
}

QString Latin1StringPool::make(QByteArrayView latin1) {
    const qsizetype n = latin1.size();
    if (n == 0) {
        return {};
    }
    if (n > 7) {
        return make_new(latin1);
    }
    // The key is the bytes in order from the lowest, whatever the machine's byte order, so the
    // length in the top byte is never overwritten.
    quint64 bytes = 0;
    std::memcpy(&bytes, latin1.data(), size_t(n));
    bytes = qFromLittleEndian(bytes) | quint64(n) << 56;
    if (recent_.empty()) {
        recent_.resize(kRecentTexts);
    }
    Recent& slot = recent_[size_t(((bytes * 0x9E3779B97F4A7C15ULL) >> 52) & (kRecentTexts - 1))];
    if (slot.bytes != bytes || slot.text.isNull()) {
        slot.bytes = bytes;
        slot.text = make_new(latin1);
    }
    return slot.text;
}

QString Latin1StringPool::make_new(QByteArrayView latin1) {
    const qsizetype n = latin1.size();
    if (n > kLongestSharedText) {
        return QString::fromLatin1(latin1);
    }
    if (buffer_.d_ptr() == nullptr || used_ + n + 1 > buffer_.size) {
        give_back_references();
        buffer_ =
            QString::DataPointer(QTypedArrayData<char16_t>::allocate(kBufferChars), kBufferChars);
        used_ = 0;
    }
    char16_t* const at = buffer_.data() + used_;
    const auto* in = reinterpret_cast<const uchar*>(latin1.data());
    std::copy(in, in + n, at);
    at[n] = u'\0';
    used_ += n + 1;
    // References are taken a thousand at a time: one atomic operation per text would cost more
    // than the copy.
    if (spare_references_ == 0) {
        spare_references_ = 1024;
        buffer_.d_ptr()->ref_.fetchAndAddRelaxed(spare_references_);
    }
    --spare_references_;
    return QString(QString::DataPointer(buffer_.d_ptr(), at, n));
}

QByteArray shared_byte_slice(const QByteArray& source, qsizetype offset, qsizetype length) {
    QByteArray whole = source;  // data_ptr() is there for changeable arrays only
    QByteArray::DataPointer& all = whole.data_ptr();
    if (all.d_ptr() == nullptr || length == 0) {
        return QByteArray(source.constData() + offset, length);
    }
    all.d_ptr()->ref();
    return QByteArray(QByteArray::DataPointer(all.d_ptr(), all.data() + offset, length));
}

}  // namespace quorvane
