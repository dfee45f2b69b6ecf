#include "health_monitor.h"

#include "health_bar.h"
#include "single_instance.h"
#include "startup.h"

#include <QApplication>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>

#include <algorithm>
#include <cstring>

namespace {

bool taskIs(const QString &task, const char *word)
{
    return task == QLatin1String(word);
}

// The array's whole record in the bundle's tables (both layouts while a
// task keeps two).
const KV_ArrayRec *recordOf(const RaidDataBundle &bundle, int arrayId)
{
    if (!bundle.snapshot)
        return nullptr;
    const KV_SnapshotTables &t = bundle.snapshot->tables;
    for (int i = 0; i < std::clamp(t.arrayCount, 0, KV_SnapshotMaxArrays); ++i)
        if (t.arrays[i].config[0].deviceRoute == arrayId)
            return &t.arrays[i];
    return nullptr;
}

} // namespace

KV_HealthMonitor::KV_HealthMonitor(QWidget *window) : QObject(window), window_(window)
{
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    tray_ = new QSystemTrayIcon(KV_HealthIcon(KV_HealthLevel::Healthy), this);
    trayMenu_ = new QMenu;
    connect(
        trayMenu_->addAction(tr("&Show %1").arg(QString::fromLatin1(KV_Startup::ApplicationName))),
        &QAction::triggered, window_, [this] { KV_BringToFront(window_); });
    connect(trayMenu_->addAction(tr("&Quit")), &QAction::triggered, qApp, &QCoreApplication::quit);
    tray_->setContextMenu(trayMenu_);
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::Trigger || r == QSystemTrayIcon::DoubleClick)
            KV_BringToFront(window_);
    });
    tray_->setToolTip(QString::fromLatin1(KV_Startup::ApplicationName));
    tray_->show();
}

KV_HealthMonitor::~KV_HealthMonitor()
{
    // The icon goes first: it refers to the menu, which has no parent.
    delete tray_;
    delete trayMenu_;
}

void KV_HealthMonitor::apply(const RaidDataBundle &bundle)
{
    estimator_.observe(bundle);
    report_ = KV_AssessHealth(bundle, estimator_.estimates());
    if (tray_) {
        tray_->setIcon(KV_HealthIcon(report_.level));
        tray_->setToolTip(QString::fromLatin1(KV_Startup::ApplicationName) + u'\n' + report_.line);
    }
    // Tables that were not read now say nothing new.
    if (bundle.refreshFailed)
        return;
    Seen now = seenIn(bundle, report_);
    if (seen_)
        notifyChanges(*seen_, now);
    seen_ = std::move(now);
}

KV_HealthMonitor::Seen KV_HealthMonitor::seenIn(const RaidDataBundle &bundle,
                                                const KV_HealthReport &report)
{
    Seen seen;
    for (const KV_DiskRec *disk : bundle.disks) {
        if (!disk || KV_FieldIs(disk->type, "Core"))
            continue;
        seen.diskName.insert(disk->deviceRoute, KV_HealthDiskName(*disk));
        if (disk->globalSpare != 0)
            seen.spareDisks.insert(disk->deviceRoute);
    }
    for (auto it = report.diskFailed.begin(); it != report.diskFailed.end(); ++it)
        seen.failedDisks.insert(it.key());
    for (auto it = report.diskSmartError.begin(); it != report.diskSmartError.end(); ++it)
        seen.smartDisks.insert(it.key());
    for (const KV_ArrayConfig *array : bundle.arrays) {
        if (!array)
            continue;
        const int id = array->deviceRoute;
        seen.arrayState.insert(id, QString::fromLatin1(array->state));
        seen.arrayTask.insert(id, QString::fromLatin1(array->transformType));
        seen.arrayName.insert(id, KV_HealthArrayName(*array));
        QSet<int> &disks = seen.arrayDisks[id];
        const KV_ArrayRec *record = recordOf(bundle, id);
        const int halves = record ? std::clamp(record->halves, 1, 2) : 1;
        for (int h = 0; h < halves; ++h) {
            const KV_ArrayConfig &config = record ? record->config[h] : *array;
            for (int m = 0; m < KV_MemberCount(config); ++m)
                if (seen.diskName.contains(config.members[m].deviceRoute))
                    disks.insert(config.members[m].deviceRoute);
        }
        for (int i = 0; i < std::clamp(array->linkCount, 0, KV_SnapshotMaxReferences); ++i)
            if (array->links[i].kind == KV_ReferenceSpare)
                seen.spareDisks.insert(array->links[i].deviceRoute);
    }
    return seen;
}

// Every change of one bundle is told once: the changes of one array (its
// state, its member disks, the spare it took, the end of its task) in one
// notification; a disk in no array in one of its own.
void KV_HealthMonitor::notifyChanges(const Seen &before, const Seen &now)
{
    struct Notice {
        QString title;
        QStringList lines;
        KV_HealthLevel level = KV_HealthLevel::Healthy;
    };
    QMap<int, Notice> notices; // array identifier; -1 - disk for a disk alone
    auto add = [&](int key, const QString &title, const QString &line, KV_HealthLevel level) {
        Notice &notice = notices[key];
        notice.title = title;
        notice.lines.append(line);
        notice.level = std::max(notice.level, level);
    };
    auto findingText = [this](int arrayId, const QString &fallback) {
        for (const KV_HealthFinding &finding : report_.findings)
            if (finding.arrayId == arrayId && finding.level != KV_HealthLevel::Healthy)
                return finding.text;
        return fallback;
    };

    for (auto it = now.arrayState.begin(); it != now.arrayState.end(); ++it) {
        const int id = it.key();
        if (!before.arrayState.contains(id))
            continue;
        const QString &name = now.arrayName.value(id);
        const QString &state = it.value();
        const QString &was = before.arrayState.value(id);
        if (state != was && state == u"CRITICAL")
            add(id, name, findingText(id, tr("%1 is critical").arg(name)),
                KV_HealthLevel::Degraded);
        else if (state != was && (state == u"OFFLINE" || state == u"CACHE_OFFLINE"))
            add(id, name, findingText(id, tr("%1 is offline").arg(name)), KV_HealthLevel::Failing);

        const QString &task = now.arrayTask.value(id);
        const QString &wasTask = before.arrayTask.value(id);
        if (task != wasTask && (taskIs(wasTask, "RESTORE") || taskIs(wasTask, "TRANSFORM"))) {
            const bool rebuild = taskIs(wasTask, "RESTORE");
            if (state == u"NORMAL")
                add(id, name,
                    rebuild
                        ? tr("%1: the rebuild has finished; the array is healthy again").arg(name)
                        : tr("%1: the transform has finished").arg(name),
                    KV_HealthLevel::Healthy);
            else
                add(id, name,
                    rebuild ? tr("%1: the rebuild has ended; the array is %2").arg(name, state)
                            : tr("%1: the transform has ended; the array is %2").arg(name, state),
                    KV_HealthLevel::Degraded);
        }
        for (const int disk : now.arrayDisks.value(id))
            if (before.spareDisks.contains(disk) && !before.arrayDisks.value(id).contains(disk))
                add(id, name,
                    tr("Spare disk %1 has taken the place of a failed member")
                        .arg(now.diskName.value(disk)),
                    KV_HealthLevel::Degraded);
    }

    auto diskChange = [&](int disk, const QString &line, KV_HealthLevel level) {
        bool inArray = false;
        for (auto it = now.arrayDisks.begin(); it != now.arrayDisks.end(); ++it) {
            if (it.value().contains(disk)) {
                add(it.key(), now.arrayName.value(it.key()), line, level);
                inArray = true;
            }
        }
        if (!inArray)
            add(-1 - disk, tr("Disk %1").arg(now.diskName.value(disk)), line, level);
    };
    for (const int disk : now.failedDisks)
        if (!before.failedDisks.contains(disk))
            diskChange(disk, tr("Disk %1 has failed").arg(now.diskName.value(disk)),
                       KV_HealthLevel::Degraded);
    for (const int disk : now.smartDisks)
        if (!before.smartDisks.contains(disk))
            diskChange(disk, tr("Disk %1 reports S.M.A.R.T. errors").arg(now.diskName.value(disk)),
                       KV_HealthLevel::Failing);

    if (notices.isEmpty())
        return;
    if (notices.size() > MostNotifications) {
        KV_HealthLevel worst = KV_HealthLevel::Healthy;
        for (const Notice &notice : std::as_const(notices))
            worst = std::max(worst, notice.level);
        send(QString::fromLatin1(KV_Startup::ApplicationName),
             tr("%n arrays or disks changed: %1", nullptr, int(notices.size())).arg(report_.line),
             worst);
        return;
    }
    QList<Notice> ordered = notices.values();
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const Notice &a, const Notice &b) { return int(a.level) > int(b.level); });
    for (const Notice &notice : std::as_const(ordered))
        send(notice.title, notice.lines.join(QLatin1Char('\n')), notice.level);
}

void KV_HealthMonitor::send(const QString &title, const QString &text, KV_HealthLevel level)
{
    // showMessage hands the message to the desktop and returns at once.
    if (tray_ && QSystemTrayIcon::supportsMessages())
        tray_->showMessage(title, text,
                           level == KV_HealthLevel::Failing    ? QSystemTrayIcon::Critical
                           : level == KV_HealthLevel::Degraded ? QSystemTrayIcon::Warning
                                                               : QSystemTrayIcon::Information,
                           15000);
    emit notified(title, text, level);
}
