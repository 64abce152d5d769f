// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/large_buffers.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace quorvane {

void prefer_huge_pages(void* data, std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t kHugePage = std::uintptr_t(2) << 20;
    constexpr std::uintptr_t kLargestHugeStretch = 16 * kHugePage;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
    // At most 16 huge pages per buffer: beyond that the kernel, short of free ones on a busy
    // machine, spent more time gathering them than the faults saved (checking 300,000 styles).
    const std::uintptr_t end =
        std::min((start + bytes) & ~(kHugePage - 1), first + kLargestHugeStretch);
    // Only whole huge pages inside the buffer: the memory around it may belong to others. A
    // refusal changes nothing but the speed.
    if (data != nullptr && end > first) {
        madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
    }
#else
    (void)data;
    (void)bytes;
#endif
}

QByteArray read_remaining_bytes(QIODevice& device) {
    const qint64 size = device.isSequential() ? 0 : device.size() - device.pos();
    if (size <= 0 || size > std::numeric_limits<qsizetype>::max() / 2) {
        return device.readAll();
    }
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    prefer_huge_pages(bytes.data(), std::size_t(size));
    const qint64 read = device.read(bytes.data(), size);
    bytes.truncate(qsizetype(std::max<qint64>(read, 0)));
    // A file that grew meanwhile is read to its new end.
    if (read == size) {
        bytes += device.readAll();
    }
    return bytes;
}

}  // namespace quorvane
