// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <cstddef>

namespace quorvane {

// Asks the system to back the whole 2 MB stretches of [data, data + bytes) with huge pages where
// it gives them only on request (Linux). A buffer of many megabytes that is written once, as the
// bytes of a large theme, its Elements or the findings about them, then costs one page fault per
// 2 MB instead of one per 4 KB: those faults were a sixth of the time of checking a large theme.
// Only the first 32 MB are asked for: asking for more made the kernel stall now and then while
// it gathered free huge pages on a busy machine. Call it before the buffer is first written;
// elsewhere it does nothing.
void prefer_huge_pages(void* data, std::size_t bytes);

// Every byte still to come from `device`. A file of known size is read into one buffer of exactly
// its size, backed by huge pages where it is large; other devices are read as readAll() does.
QByteArray read_remaining_bytes(QIODevice& device);

}  // namespace quorvane
