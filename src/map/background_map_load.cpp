// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/background_map_load.h"

#include <QThread>
#include <atomic>
#include <cmath>

#include "map/map_feature_table.h"

namespace quorvane {

// One load: what its thread reads and the flag that stops it.
struct BackgroundMapLoad::Job {
    std::atomic<bool> cancel{false};
};

BackgroundMapLoad::BackgroundMapLoad(QObject* parent) : QObject(parent) {}

BackgroundMapLoad::~BackgroundMapLoad() {
    cancel();
    // The threads post to this object until they end: it must outlive them.
    for (const QPointer<QThread>& thread : threads_) {
        if (thread != nullptr) {
            thread->wait();
        }
    }
}

void BackgroundMapLoad::start(const QStringList& paths,
                              std::shared_ptr<const MapFeatureTable> table) {
    cancel();
    auto job = std::make_shared<Job>();
    current_ = job;
    paths_ = paths;
    QThread* thread = QThread::create([this, job, paths, table] {
        int reported = -1;
        MapLoadProgress progress;
        progress.cancel = &job->cancel;
        progress.report = [&](double done) {
            const int percent = int(std::floor(done * 100));
            if (percent <= reported) {
                return;
            }
            reported = percent;
            QMetaObject::invokeMethod(
                this,
                [this, job, done] {
                    if (job == current_) {
                        emit progressed(done);
                    }
                },
                Qt::QueuedConnection);
        };
        MapLoadResult result = load_map(paths, *table, progress);
        QMetaObject::invokeMethod(
            this,
            [this, job, result = std::move(result)] {
                if (job == current_) {
                    current_.reset();
                    emit finished(result);
                }
            },
            Qt::QueuedConnection);
    });
    thread->setObjectName(QStringLiteral("map_loader"));
    thread->setParent(this);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    threads_.removeAll(nullptr);
    threads_.append(thread);
    thread->start(QThread::LowPriority);
}

void BackgroundMapLoad::cancel() {
    if (current_ != nullptr) {
        current_->cancel.store(true, std::memory_order_relaxed);
        current_.reset();
    }
}

bool BackgroundMapLoad::working() const {
    for (const QPointer<QThread>& thread : threads_) {
        if (thread != nullptr && !thread->isFinished()) {
            return true;
        }
    }
    return false;
}

}  // namespace quorvane
