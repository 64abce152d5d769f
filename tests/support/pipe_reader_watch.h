// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

namespace quorvane {

// Tells whether anything opened a named pipe for reading while it looked. Such a reader waits for
// a writer; this plays one, so the reader goes on and the test fails instead of hanging.
class PipeReaderWatch {
  public:
    explicit PipeReaderWatch(const QString& pipe)
        : thread_([this, path = QFile::encodeName(pipe)] {
              for (; !stop_; std::this_thread::sleep_for(std::chrono::milliseconds(5))) {
                  // Without a reader waiting, this open fails at once.
                  const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                  if (fd >= 0) {
                      reader_seen_ = true;
                      ::close(fd);
                  }
              }
          }) {}
    ~PipeReaderWatch() {
        stop_ = true;
        thread_.join();
    }
    bool reader_seen() const { return reader_seen_; }

  private:
    std::atomic<bool> stop_{false};
    std::atomic<bool> reader_seen_{false};
    std::thread thread_;
};

}  // namespace quorvane
