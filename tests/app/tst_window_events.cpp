// The window's event list and its kept times, drive notices, status bar and
// appearance settings, against the in-process emulator.
#include "demo_config.h"
#include "emulator.h"
#include "kv_inprocess_platform.h"
#include "kv_raid_api.h"
#include "main_window.h"
#include "user_guide.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <memory>

namespace {

const QString UnknownTime = QStringLiteral("   --   ");

QHash<quint32, QString> timesOf(const QTreeWidget *list)
{
    QHash<quint32, QString> times;
    for (int r = 0; r < list->topLevelItemCount(); ++r)
        times.insert(list->topLevelItem(r)->data(0, Qt::DisplayRole).toUInt(),
                     list->topLevelItem(r)->text(1));
    return times;
}

KV_EventRec driverEvent(quint32 sequence, quint32 code)
{
    return {sequence, code, 1, QStringLiteral("event %1").arg(sequence), {}, 53};
}

} // namespace

class TestWindowEvents : public QObject {
    Q_OBJECT

    std::shared_ptr<kvemu::Emulator> emulator_;
    QStringList notices_; // "window title|notice title" of each notice shown
    QTimer closer_;       // answers every notice as the user would: closes it

    std::unique_ptr<KV_MainWindow> openWindow()
    {
        auto window = std::make_unique<KV_MainWindow>();
        [&] { QTRY_VERIFY_WITH_TIMEOUT(!window->refreshInProgress(), 20000); }();
        stopTimers(*window);
        return window;
    }
    static void stopTimers(KV_MainWindow &window)
    {
        for (QTimer *timer : window.findChildren<QTimer *>())
            timer->stop();
    }
    // Applies a snapshot of the emulator's with `events` as its new events.
    void applyEvents(KV_MainWindow &window, const QList<KV_EventRec> &events)
    {
        RaidDataBundle bundle;
        bundle.events = events;
        bundle.nextEventSeq =
            events.isEmpty() ? window.nextEventSequence() : events.back().sequence + 1;
        window.handleFullRefresh(bundle);
        stopTimers(window);
    }

private slots:
    void initTestCase()
    {
        // The data folder lies in the temporary directory: one of our own.
        QVERIFY(tmp_.isValid());
        qputenv("TMPDIR", tmp_.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
        // Settings of our own too: other test programs may run meanwhile.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           tmp_.filePath(QStringLiteral("settings")));
        QCoreApplication::setOrganizationName(QStringLiteral("OXV"));
        QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
        KV_RegisterServiceTypes();
        closer_.setInterval(20);
        connect(&closer_, &QTimer::timeout, this, [this] {
            if (auto *notice = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                const auto *title = notice->findChild<QGroupBox *>(QStringLiteral("eventTitle"));
                notices_.append(notice->windowTitle() + u'|' +
                                (title ? title->title() : QString()));
                notice->reject();
            }
        });
        closer_.start();
    }
    void init()
    {
        QSettings().clear();
        QDir(KV_UserGuideFolder()).removeRecursively();
        notices_.clear();
        emulator_ = std::make_shared<kvemu::Emulator>(
            kvemu::StoredState{kvemu::demoModel(), kvemu::demoModel()},
            std::make_shared<kvemu::ManualClock>());
        kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator_));
    }
    void cleanupTestCase() { kv::setPlatform(nullptr); }

    // Events before the first snapshot have no time; later ones get the time
    // of their arrival, which the next start shows again.
    void timesAcrossRestart()
    {
        QHash<quint32, QString> timed;
        QVERIFY(emulator_->control("remove 12").ok);
        {
            auto window = openWindow();
            const QHash<quint32, QString> first = timesOf(window->eventList());
            QVERIFY(!first.isEmpty());
            for (const QString &time : first)
                QCOMPARE(time, UnknownTime);
            const quint32 next = window->nextEventSequence();
            QVERIFY(emulator_->control("remove 11").ok);
            window->triggerFullRefresh();
            QTRY_VERIFY_WITH_TIMEOUT(!window->refreshInProgress(), 20000);
            stopTimers(*window);
            const QHash<quint32, QString> second = timesOf(window->eventList());
            for (auto it = second.begin(); it != second.end(); ++it)
                if (it.key() >= next)
                    timed.insert(it.key(), it.value());
            QVERIFY(!timed.isEmpty());
            for (const QString &time : std::as_const(timed))
                QVERIFY(time != UnknownTime && time.endsWith(QStringLiteral("M  ")));
            QVERIFY(QFile::exists(window->eventLogPath()));
        }
        auto restarted = openWindow();
        const QHash<quint32, QString> shown = timesOf(restarted->eventList());
        for (auto it = shown.begin(); it != shown.end(); ++it)
            QCOMPARE(it.value(), timed.value(it.key(), UnknownTime));
    }

    // New rows go where the view's stable sort of the whole list would put
    // them, by any column and in either order, after the rows equal to them.
    // A driver log longer than the first bundle's batch: the rest follows at
    // once, every event shown once and untimed, as one first load; the first
    // event after it is timed and is the only one in the event log file.
    void longBacklogFollowsTheFirstBundle()
    {
        kvemu::StoredState stored{kvemu::demoModel(), kvemu::demoModel(), kvemu::EventLog::fresh()};
        for (quint32 i = 0; i < 700; ++i)
            stored.events.add(1024, {1 + i % 4});
        emulator_ = std::make_shared<kvemu::Emulator>(std::move(stored),
                                                      std::make_shared<kvemu::ManualClock>());
        kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator_));
        qsizetype held = 0; // from the window's first sequence, 3, on
        const kvemu::EventLog log = emulator_->events();
        for (const kvemu::EventRecord &record : log.records())
            held += record.sequence >= 3 ? 1 : 0;
        QVERIFY(held >= 700);

        auto window = openWindow();
        const QHash<quint32, QString> times = timesOf(window->eventList());
        QCOMPARE(window->eventList()->topLevelItemCount(), held);
        QCOMPARE(times.size(), held); // no number twice
        for (const QString &time : times)
            QCOMPARE(time, UnknownTime);
        QCOMPARE(window->eventList()->topLevelItem(0)->data(0, Qt::DisplayRole).toUInt() + 1,
                 window->nextEventSequence()); // newest first, none left out
        QVERIFY(!QFile::exists(window->eventLogPath()));

        QVERIFY(emulator_->control("remove 12").ok);
        window->triggerFullRefresh();
        QTRY_VERIFY_WITH_TIMEOUT(!window->refreshInProgress(), 20000);
        stopTimers(*window);
        const qsizetype added = window->eventList()->topLevelItemCount() - held;
        QVERIFY(added > 0);
        QFile file(window->eventLogPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count("<LogEntry>"), added);
    }

    void newEventsTakeTheirSortedPlace_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("ascending");
        QTest::addRow("number, descending") << 0 << false;
        QTest::addRow("number, ascending") << 0 << true;
        QTest::addRow("event code, ascending") << 2 << true;
        QTest::addRow("event code, descending") << 2 << false;
        QTest::addRow("text, ascending") << 4 << true;
    }

    void newEventsTakeTheirSortedPlace()
    {
        QFETCH(int, column);
        QFETCH(bool, ascending);
        const Qt::SortOrder order = ascending ? Qt::AscendingOrder : Qt::DescendingOrder;
        auto window = openWindow();
        QTreeWidget *list = window->eventList();
        const auto event = [](quint32 sequence, quint32 code, const char *text) {
            return KV_EventRec{sequence, code, 1, QString::fromLatin1(text), {}, 53};
        };
        applyEvents(*window, {event(20, 1012, "b"), event(21, 1001, "a"), event(22, 1012, "c"),
                              event(23, 1024, "b")});
        list->header()->setSortIndicator(column, order);
        emit list->header()->sectionClicked(column); // as the user's click
        QList<quint32> before;
        for (int r = 0; r < list->topLevelItemCount(); ++r)
            before << list->topLevelItem(r)->data(0, Qt::DisplayRole).toUInt();
        const QList<KV_EventRec> batch = {event(24, 1012, "b"), event(25, 1000, "a"),
                                          event(26, 1024, "z"), event(27, 1012, "a")};
        applyEvents(*window, batch);

        // What the whole list sorted anew gives: the rows as they were, the
        // new ones after them, through the view's own sort.
        QTreeWidget sorted;
        sorted.setColumnCount(list->columnCount());
        QList<quint32> arrival = before;
        for (const KV_EventRec &e : batch)
            arrival << e.sequence;
        for (const quint32 sequence : arrival) {
            for (int r = 0; r < list->topLevelItemCount(); ++r) {
                if (list->topLevelItem(r)->data(0, Qt::DisplayRole).toUInt() == sequence)
                    sorted.addTopLevelItem(list->topLevelItem(r)->clone());
            }
        }
        sorted.sortItems(column, order);
        QCOMPARE(list->topLevelItemCount(), int(arrival.size()));
        for (int r = 0; r < list->topLevelItemCount(); ++r)
            QCOMPARE(list->topLevelItem(r)->data(0, Qt::DisplayRole).toUInt(),
                     sorted.topLevelItem(r)->data(0, Qt::DisplayRole).toUInt());
        // The Date column fits every Date text, the new ones too.
        for (int r = 0; r < list->topLevelItemCount(); ++r) {
            const QModelIndex date = list->indexFromItem(list->topLevelItem(r), 1);
            QVERIFY(list->columnWidth(1) >= list->sizeHintForIndex(date).width() + 10);
        }
    }

    // One notice per batch, for its last drive event, none while the gate
    // is closed, and again once it has reopened.
    void driveNotices()
    {
        auto window = openWindow();
        const quint32 next = window->nextEventSequence();
        applyEvents(*window, {driverEvent(next, 1042), driverEvent(next + 1, 1007),
                              driverEvent(next + 2, 1039), driverEvent(next + 3, 1043)});
        QTRY_COMPARE_WITH_TIMEOUT(notices_.size(), 1, 10000);
        QCOMPARE(notices_[0], QStringLiteral("Event Notification|Drive Removed"));

        // The notice has closed and the cool-down runs.
        QTimer *coolDown = nullptr;
        for (QTimer *timer : window->findChildren<QTimer *>())
            if (timer->isActive() && timer->isSingleShot() && timer->interval() == 5000)
                coolDown = timer;
        QVERIFY(coolDown);
        applyEvents(*window, {driverEvent(next + 4, 1038)});
        QTest::qWait(300);
        QCOMPARE(notices_.size(), 1);

        coolDown->start(0);
        QTRY_VERIFY(!coolDown->isActive());
        applyEvents(*window, {driverEvent(next + 5, 1042)});
        QTRY_COMPARE_WITH_TIMEOUT(notices_.size(), 2, 10000);
        QCOMPARE(notices_[1], QStringLiteral("Event Notification|Drive Inserted"));
    }

    void statusBar()
    {
        auto window = openWindow();
        const QList<QLabel *> labels = window->statisticsLabels();
        QCOMPARE(labels.size(), 6);
        KV_IoStats stats;
        stats.hostRate = QStringLiteral("Host: 1.0 MB/S");
        stats.diskRate = QStringLiteral("Disk: 2.0 MB/S");
        stats.hostIops = QStringLiteral("Host: 3 IO/s");
        stats.diskIops = QStringLiteral("Disk: 4 IO/s");
        stats.hostTotal = QStringLiteral("Host: 5.00 MB");
        stats.diskTotal = QStringLiteral("Disk: 6.00 GB");
        stats.coreActiveLine = QStringLiteral("CoreIocActive: 7");
        window->updateStatusBar(stats);
        QStringList texts;
        for (const QLabel *label : labels)
            texts.append(label->text());
        QCOMPARE(texts, (QStringList{stats.hostRate, stats.diskRate, stats.hostIops, stats.diskIops,
                                     stats.hostTotal, stats.diskTotal}));
        QCOMPARE(labels[1]->toolTip(),
                 QStringLiteral("Value displays current MBs per second  performance between the "
                                "OXV-RAID Driver and the storage device."));
    }

    // A choice takes effect at once, is stored, and is the checked entry
    // with its effect after a restart.
    void appearancePersists_data()
    {
        QTest::addColumn<KV_Action>("choice");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addRow("dark") << KV_Action::ThemeDark << "ApplicationTheme"
                              << "dark";
        QTest::addRow("large icons") << KV_Action::IconLarge << "ApplicationIconSize"
                                     << "largeIcons";
        QTest::addRow("large font") << KV_Action::FontLarge << "ApplicationFontSize"
                                    << "largeFont";
        QTest::addRow("small font") << KV_Action::FontSmall << "ApplicationFontSize"
                                    << "smallFont";
    }
    void appearancePersists()
    {
        QFETCH(KV_Action, choice);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const auto effect = [&](KV_MainWindow &window) {
            if (choice == KV_Action::ThemeDark)
                return qApp->styleSheet().contains(QStringLiteral("#37383a"));
            if (choice == KV_Action::IconLarge)
                return window.controllerTree()->iconSize() == QSize(48, 48);
            return window.eventList()->font().pointSize() == (value == u"largeFont" ? 12 : 8) &&
                   window.menuBar()->font().pointSize() == (value == u"largeFont" ? 13 : 9);
        };
        {
            auto window = openWindow();
            QVERIFY(!effect(*window));
            window->action(choice)->trigger();
            QTRY_VERIFY_WITH_TIMEOUT(!window->refreshInProgress(), 20000);
            QCOMPARE(QSettings().value(key).toString(), value);
            QVERIFY(window->action(choice)->isChecked());
            QVERIFY(effect(*window));
        }
        qApp->setStyleSheet(QString());
        auto restarted = openWindow();
        QVERIFY(restarted->action(choice)->isChecked());
        QVERIFY(effect(*restarted));
    }

    void sameThemeDoesNothing()
    {
        auto window = openWindow();
        window->action(KV_Action::ThemeLight)->trigger();
        QVERIFY(!window->refreshInProgress());
        QVERIFY(!QSettings().contains(QStringLiteral("ApplicationTheme")));
    }

    // The guide built into the resources replaces a read-only earlier copy.
    void userGuideReplacesReadOnlyCopy()
    {
        const QString folder = KV_UserGuideFolder();
        const QString target = QDir(folder).filePath(QStringLiteral("oxv-velmora_user_guide.pdf"));
        QFile earlier(target);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("%PDF-1.4 earlier");
        earlier.close();
        QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner));
        const QString guide = QStringLiteral(":/UserGuide/UserGuide/oxv-velmora_user_guide.pdf");
        QCOMPARE(KV_CopyUserGuide(guide, folder), target);
        QFile copy(target), original(guide);
        QVERIFY(copy.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
        const QByteArray content = copy.readAll();
        QVERIFY(content.startsWith("%PDF") && content.size() > 10000);
        QCOMPARE(content, original.readAll());
    }

private:
    QTemporaryDir tmp_;
};

QTEST_MAIN(TestWindowEvents)
#include "tst_window_events.moc"
