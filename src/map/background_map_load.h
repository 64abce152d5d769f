// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <memory>

#include "map/map_loader.h"

class QThread;

namespace quorvane {

class MapFeatureTable;

// Reads map files in a worker thread, so that the window never waits for them, and hands the
// finished map to the thread that asked for it. One load counts at a time: starting another or
// cancelling drops the one under way (it stops soon after and says nothing more).
class BackgroundMapLoad : public QObject {
    Q_OBJECT

  public:
    explicit BackgroundMapLoad(QObject* parent = nullptr);
    // Stops every load still under way and waits for its thread.
    ~BackgroundMapLoad() override;

    void start(const QStringList& paths, std::shared_ptr<const MapFeatureTable> table);
    void cancel();
    // Whether a load counts now (started, neither finished nor cancelled).
    bool loading() const { return current_ != nullptr; }
    // Whether any worker thread still runs, a cancelled one included.
    bool working() const;
    const QStringList& paths() const { return paths_; }

  signals:
    // The share of the bytes read, 0 to 1, each time it grows by a percent.
    void progressed(double done);
    // The load ended; never for a load that was cancelled or replaced.
    void finished(const quorvane::MapLoadResult& result);

  private:
    struct Job;
    std::shared_ptr<Job> current_;
    QStringList paths_;
    QList<QPointer<QThread>> threads_;
};

}  // namespace quorvane
