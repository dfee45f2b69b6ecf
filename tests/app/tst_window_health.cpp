// The health line, the disk list's marks and the notifications, end to end
// against the in-process emulator: a mirror member fails and is rebuilt.
#include "demo_config.h"
#include "emulator.h"
#include "health_bar.h"
#include "health_monitor.h"
#include "kv_inprocess_platform.h"
#include "kv_raid_api.h"
#include "main_window.h"

#include <QAction>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <chrono>
#include <memory>

class TestWindowHealth : public QObject {
    Q_OBJECT

    QTemporaryDir tmp_;

    static void stopTimers(KV_MainWindow &window)
    {
        for (QTimer *timer : window.findChildren<QTimer *>())
            timer->stop();
    }
    // One refresh, as the refresh timer would start it.
    static void refresh(KV_MainWindow &window)
    {
        window.triggerFullRefresh();
        QTRY_VERIFY_WITH_TIMEOUT(!window.refreshInProgress(), 20000);
        stopTimers(window);
    }
    static QTreeWidgetItem *diskRow(KV_MainWindow &window, const QString &location)
    {
        const auto rows = window.diskList()->findItems(location, Qt::MatchExactly, 0);
        return rows.isEmpty() ? nullptr : rows.front();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(tmp_.isValid());
        qputenv("TMPDIR", tmp_.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           tmp_.filePath(QStringLiteral("settings")));
        QCoreApplication::setOrganizationName(QStringLiteral("OXV"));
        QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
        KV_RegisterServiceTypes();
    }
    void cleanupTestCase() { kv::setPlatform(nullptr); }

    // `fail` on a member of the System mirror: one refresh later the line
    // is amber and names the rebuild, the disk is marked and one
    // notification went out; the rebuild's end gives one more and the
    // green line.
    void failedMirrorMemberAndRebuild()
    {
        auto clock = std::make_shared<kvemu::ManualClock>();
        auto emulator = std::make_shared<kvemu::Emulator>(
            kvemu::StoredState{kvemu::demoModel(), kvemu::demoModel()}, clock);
        kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator));

        KV_MainWindow window;
        QTRY_VERIFY_WITH_TIMEOUT(!window.refreshInProgress(), 20000);
        stopTimers(window);
        QSignalSpy notified(window.healthMonitor(), &KV_HealthMonitor::notified);
        KV_HealthBar *bar = window.healthBar();
        QCOMPARE(bar->level(), KV_HealthLevel::Healthy);
        QCOMPARE(bar->text(), QStringLiteral("All 5 arrays are healthy"));

        QVERIFY(emulator->control("fail 1").ok);
        refresh(window);
        QCOMPARE(bar->level(), KV_HealthLevel::Degraded);
        QVERIFY2(bar->text().startsWith(
                     QStringLiteral("Array 1 System is critical: rebuilding onto disk 0 7, ")),
                 qPrintable(bar->text()));
        QCOMPARE(notified.count(), 1);
        QCOMPARE(notified.at(0).at(0).toString(), QStringLiteral("Array 1 System"));
        const QString told = notified.at(0).at(1).toString();
        QVERIFY2(told.contains(QStringLiteral("Disk 0 0 has failed")) &&
                     told.contains(QStringLiteral("Spare disk 0 7 has taken the place")),
                 qPrintable(told));
        QTreeWidgetItem *failed = diskRow(window, QStringLiteral("0 0"));
        QVERIFY(failed);
        QCOMPARE(failed->text(1), QStringLiteral("Failed"));
        QVERIFY(!failed->icon(0).isNull());
        QVERIFY(!window.arrayList()
                     ->findItems(QStringLiteral("Array 1"), Qt::MatchExactly)
                     .front()
                     ->toolTip(10)
                     .isEmpty());

        // Nothing new, nothing told.
        refresh(window);
        QCOMPARE(notified.count(), 1);

        // Clicking the line chooses the array it is about.
        QTest::mouseClick(bar, Qt::LeftButton);
        QCOMPARE(window.selectedArray(), 1);

        clock->advance(emulator->taskDuration() + std::chrono::seconds(5));
        refresh(window);
        QCOMPARE(notified.count(), 2);
        QVERIFY2(notified.at(1).at(1).toString().contains(QStringLiteral("rebuild has finished")),
                 qPrintable(notified.at(1).at(1).toString()));
        QCOMPARE(bar->level(), KV_HealthLevel::Healthy);
        QCOMPARE(bar->text(), QStringLiteral("All 5 arrays are healthy"));

        // Without a tray the window closes as before.
        if (!QSystemTrayIcon::isSystemTrayAvailable()) {
            QVERIFY(!window.healthMonitor()->trayAvailable());
            QVERIFY(!window.action(KV_Action::CloseToTray)->isEnabled());
            QVERIFY(window.close());
        }
    }
};

QTEST_MAIN(TestWindowHealth)
#include "tst_window_health.moc"
