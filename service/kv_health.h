// Health at a glance: one verdict over a bundle, for the window's health
// line, its tray icon and the command line alike, and the estimate of the
// time a running task still needs.
#pragma once

#include "raid_data_bundle.h"

#include <QList>
#include <QMap>
#include <QString>

#include <optional>

enum class KV_HealthLevel {
    Healthy = 0,  // green; also what a monitoring system reads as exit status
    Degraded = 1, // amber: critical, rebuilding, transforming, being made, no spare left
    Failing = 2,  // red: offline, S.M.A.R.T. errors, no driver, one failure from loss
};

// One thing the line can say, worst first in a report.
struct KV_HealthFinding {
    KV_HealthLevel level = KV_HealthLevel::Healthy;
    int arrayId = 0; // the array it is about (clicking the line selects it); 0: none
    int diskId = -1; // the disk it is about; -1: none
    QString text;
};

struct KV_HealthReport {
    KV_HealthLevel level = KV_HealthLevel::Healthy;
    // The problems, worst first (then by array and disk); the tasks of
    // healthy arrays come after them at level Healthy.
    QList<KV_HealthFinding> findings;
    // The one line: the first finding (or "All N arrays are healthy"),
    // and how many more problems there are.
    QString line;
    // The array the line is about; 0 when none.
    int arrayId = 0;
    // Per disk identifier: the disk has failed (its state is Offline or a
    // member on it has failed), or it reports S.M.A.R.T. errors.
    QMap<int, bool> diskFailed;
    QMap<int, bool> diskSmartError;
};

// The verdict on `bundle`: a pure function of its tables (and of the time
// left per array identifier, in seconds, where the estimator has one). A
// bundle whose refresh failed is a driver that does not answer.
KV_HealthReport KV_AssessHealth(const RaidDataBundle &bundle,
                                const QMap<int, qint64> &secondsLeft = {});

// "Array 2 Data" (the name left out when the array has none) and "0 7" (a
// disk's two location numbers), as the health texts name them.
QString KV_HealthArrayName(const KV_ArrayConfig &array);
// Whether the array's background task (build, rebuild, transform, check,
// ...) is under way, paused ones included.
bool KV_TaskUnderWay(const KV_ArrayConfig &array);
QString KV_HealthDiskName(const KV_DiskRec &disk);

// "about N minutes left" / "less than a minute left".
QString KV_TimeLeftText(qint64 seconds);

// The time a running task still needs, from the progress seen over the last
// minutes: the slope of a least-squares line through the samples of the
// last five minutes. No estimate until two samples at least a minute apart
// exist, while the task is paused or stalled, or after it started again
// (its progress fell, or another task took its place): each of these
// starts the samples afresh.
class KV_TimeLeftEstimator {
public:
    static constexpr qint64 WindowMs = 5 * 60 * 1000;
    static constexpr qint64 MinimumSpanMs = 60 * 1000;

    // One sample of an array's task: its type word, whether it is paused,
    // its progress in percent and when it was read (milliseconds, any epoch
    // that does not go backwards).
    void addSample(int arrayId, const QString &task, bool paused, double percent, qint64 atMs);
    // Every array of a bundle read in full: a sample of each running task,
    // timed by when the configuration was read; arrays without a task are
    // forgotten.
    void observe(const RaidDataBundle &bundle);
    void forget(int arrayId) { series_.remove(arrayId); }

    // Seconds from the last sample until the task ends.
    std::optional<qint64> secondsLeft(int arrayId) const;
    QMap<int, qint64> estimates() const;

private:
    struct Sample {
        qint64 atMs;
        double percent;
    };
    struct Series {
        QString task;
        QList<Sample> samples;
    };
    QMap<int, Series> series_;
};
