// Keeps watching the arrays while the console runs: the health verdict of
// every applied bundle with the time left of each running task, the tray
// icon that shows the worst state, and the desktop notifications of what
// changed.
#pragma once

#include "kv_health.h"

#include <QHash>
#include <QObject>
#include <QSet>

class QMenu;
class QSystemTrayIcon;

class KV_HealthMonitor : public QObject {
    Q_OBJECT
public:
    // The tray icon exists only where the desktop has a tray. `window` is
    // shown again from the tray's menu.
    explicit KV_HealthMonitor(QWidget *window);
    ~KV_HealthMonitor() override;

    // Takes an applied bundle: its progress samples, its verdict, and the
    // notifications of what changed since the last bundle read in full (the
    // first one is only looked at).
    void apply(const RaidDataBundle &bundle);

    const KV_HealthReport &report() const { return report_; }
    // Seconds until the array's task ends, where the estimator has seen
    // enough of it.
    std::optional<qint64> secondsLeft(int arrayId) const { return estimator_.secondsLeft(arrayId); }
    bool trayAvailable() const { return tray_ != nullptr; }
    QSystemTrayIcon *tray() const { return tray_; }

    // Most notifications one bundle gives; more changes than that are told
    // as one.
    static constexpr int MostNotifications = 3;

signals:
    // One notification of the desktop's notification service, sent without
    // waiting for it to be seen.
    void notified(const QString &title, const QString &text, KV_HealthLevel level);

private:
    // What the notifications compare between two bundles.
    struct Seen {
        QHash<int, QString> arrayState;    // array identifier: state word
        QHash<int, QString> arrayTask;     // array identifier: task word
        QHash<int, QString> arrayName;     // array identifier: "Array 2 Data"
        QHash<int, QSet<int>> arrayDisks;  // array identifier: member disks
        QSet<int> failedDisks, smartDisks; // disk identifiers
        QSet<int> spareDisks;              // global and dedicated spares
        QHash<int, QString> diskName;      // disk identifier: "0 7"
    };
    static Seen seenIn(const RaidDataBundle &bundle, const KV_HealthReport &report);
    void notifyChanges(const Seen &before, const Seen &now);
    void send(const QString &title, const QString &text, KV_HealthLevel level);

    QWidget *window_;
    QSystemTrayIcon *tray_ = nullptr;
    QMenu *trayMenu_ = nullptr;
    KV_TimeLeftEstimator estimator_;
    KV_HealthReport report_;
    std::optional<Seen> seen_;
};
