// The main window against the emulator and against hand-built snapshots:
// what the trees and lists show, and what survives a refresh.
#include "demo_config.h"
#include "display_strings.h"
#include "emulator.h"
#include "eula_dialog.h"
#include "kv_app_log.h"
#include "kv_inprocess_platform.h"
#include "kv_raid_api.h"
#include "main_window.h"
#include "snapshot_tables.h"
#include "tree_items.h"

#include <QApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QProgressBar>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <atomic>
#include <memory>

namespace {

std::shared_ptr<kvemu::Emulator> emulatorWith(kvemu::Model model)
{
    return std::make_shared<kvemu::Emulator>(kvemu::StoredState{model, model},
                                             std::make_shared<kvemu::ManualClock>());
}

void useEmulator(const std::shared_ptr<kvemu::Emulator> &emulator)
{
    kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator));
}

// Counts the configuration endpoint's opens made on the GUI thread.
class GuiThreadOpens : public kvemu::InProcessPlatform {
public:
    using kvemu::InProcessPlatform::InProcessPlatform;
    std::atomic<int> opens{0};
    std::unique_ptr<kv::PlatformFile> open(const std::string &name, uint32_t disposition,
                                           uint32_t shareMode, uint32_t flags,
                                           uint32_t *error) override
    {
        if (QThread::currentThread() == qApp->thread() && name.ends_with("KVConfig0"))
            ++opens;
        return InProcessPlatform::open(name, disposition, shareMode, flags, error);
    }
};

// The bundle the worker would build from hand-written tables.
RaidDataBundle bundleOf(const test::Tables &tables)
{
    RaidDataBundle bundle;
    bundle.computerName = QStringLiteral("host");
    bundle.snapshot = tables.snapshot;
    const KV_SnapshotTables &t = tables.snapshot->tables;
    for (int i = 0; i < t.arrayCount; ++i) {
        const KV_ArrayConfig &array = t.arrays[i].config[0];
        bundle.arrays.append(&array);
        if (array.attributes & 0x200)
            bundle.arrayDiskNumber[array.deviceRoute] = QStringLiteral("Hidden");
    }
    for (int i = 0; i < t.diskCount; ++i) {
        bundle.disks.append(&t.disks[i]);
        bundle.diskArrayCount.append(i);
        bundle.diskSerial.append(QString());
        bundle.diskHotSwap.append(false);
    }
    bundle.nextEventSeq = 3;
    return bundle;
}

// Three arrays over six disks: 1 a mirror, 2 a stripe being transformed, 3
// a RAID5 with a failed member.
test::Tables sampleTables()
{
    test::Tables t;
    for (int route = 1; route <= 6; ++route)
        test::set(t.disk(route).model, "  Model X  ");
    test::set(t.disk(7, "Unknown").firmware, "AB_12");
    KV_ArrayConfig &mirror = t.array(1, "RAID1", {1, 2});
    test::set(mirror.deviceName, "System");
    KV_ArrayConfig &stripe = t.array(2, "RAID0", {3, 4});
    test::set(stripe.deviceName, "Scratch");
    test::set(stripe.transformType, "TRANSFORM");
    test::set(stripe.transformState, "STARTED");
    stripe.percentComplete = 37.5f;
    KV_ArrayRec &record = t.t().arrays[1];
    record.halves = 2;
    record.config[1] = record.config[0];
    record.config[1].secondCount = 1;
    KV_ArrayConfig &parity = t.array(3, "RAID5", {5, 6}, "Fail");
    test::set(parity.state, "CRITICAL");
    test::set(parity.deviceName, "NONE");
    return t;
}

QTreeWidgetItem *arrayItem(KV_MainWindow &window, int id)
{
    QTreeWidgetItem *root = window.controllerTree()->topLevelItem(0);
    for (int i = 0; root && i < root->childCount(); ++i) {
        if (root->child(i)->data(0, KV_Role::Identifier).toInt() == id)
            return root->child(i);
    }
    return nullptr;
}

// The progress bar of a busy array's bar row.
QProgressBar *progressBarOf(QTreeWidget *tree, QTreeWidgetItem *item)
{
    QWidget *widget = tree->itemWidget(item, 0);
    if (auto *bar = qobject_cast<QProgressBar *>(widget))
        return bar;
    return widget ? widget->findChild<QProgressBar *>() : nullptr;
}

QTreeWidgetItem *rowOf(QTreeWidget *list, const QString &text)
{
    const QList<QTreeWidgetItem *> rows = list->findItems(text, Qt::MatchExactly, 0);
    return rows.isEmpty() ? nullptr : rows.front();
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    // A window whose first refresh from the emulator has been applied, with
    // its timers stopped so that only the test's snapshots follow.
    std::unique_ptr<KV_MainWindow> openWindow()
    {
        auto window = std::make_unique<KV_MainWindow>();
        [&] { QTRY_VERIFY_WITH_TIMEOUT(!window->refreshInProgress(), 10000); }();
        stopTimers(*window);
        return window;
    }
    static void stopTimers(KV_MainWindow &window)
    {
        for (QTimer *timer : window.findChildren<QTimer *>())
            timer->stop();
    }
    static void apply(KV_MainWindow &window, const test::Tables &tables)
    {
        window.handleFullRefresh(bundleOf(tables));
        stopTimers(window);
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName("OXV");
        QCoreApplication::setApplicationName("Velmora");
        KV_RegisterServiceTypes();
    }
    void init()
    {
        QSettings().clear();
        useEmulator(emulatorWith(kvemu::demoModel()));
    }
    void cleanupTestCase() { kv::setPlatform(nullptr); }

    void sortsByTypedKey_data()
    {
        QTest::addColumn<QVariant>("left");
        QTest::addColumn<QVariant>("right");
        QTest::addColumn<bool>("less");
        QTest::addRow("int, not as text") << QVariant(9) << QVariant(10) << true;
        QTest::addRow("unsigned") << QVariant(10u) << QVariant(9u) << false;
        QTest::addRow("64-bit capacity")
            << QVariant(qulonglong(1) << 40) << QVariant(qulonglong(1) << 41) << true;
        QTest::addRow("signed 64-bit") << QVariant(qlonglong(-5)) << QVariant(qlonglong(3)) << true;
        QTest::addRow("disk location") << QVariant(1.2) << QVariant(0.7) << false;
        QTest::addRow("disk location, one controller") << QVariant(0.1) << QVariant(0.2) << true;
        QTest::addRow("progress within a percent") << QVariant(37.1) << QVariant(37.4) << true;
        QTest::addRow("text is case-sensitive") << QVariant("b") << QVariant("C") << false;
        QTest::addRow("text") << QVariant("Array 1") << QVariant("Array 2") << true;
        QTest::addRow("date-time") << QVariant(QDateTime(QDate(2026, 1, 2), QTime(3, 0)))
                                   << QVariant(QDateTime(QDate(2026, 1, 2), QTime(4, 0))) << true;
        QTest::addRow("other converted to mine") << QVariant(20) << QVariant("100") << true;
    }
    void sortsByTypedKey()
    {
        QFETCH(QVariant, left);
        QFETCH(QVariant, right);
        QFETCH(bool, less);
        QTreeWidget tree;
        tree.setColumnCount(2);
        auto *a = new MyTreeWidgetItem(&tree);
        auto *b = new MyTreeWidgetItem(&tree);
        a->setData(1, KV_SortRole, left);
        b->setData(1, KV_SortRole, right);
        tree.sortByColumn(1, Qt::AscendingOrder);
        QCOMPARE(*a < *b, less);
    }

    // The shown texts, as the window's users and its catalogues know them.
    void displayTexts_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("shown");
        enum { State, Member, Task, TaskState };
        QTest::addRow("cache offline") << int(State) << "CACHE_OFFLINE"
                                       << "CACHE OFFLINE";
        QTest::addRow("odd state") << int(State) << "DEGRADED"
                                   << "UNKNOWN";
        QTest::addRow("failed, not present") << int(Member) << "Fail (NP)"
                                             << "Failed";
        QTest::addRow("failed offline") << int(Member) << "Fail(NP)_Offline"
                                        << "Failed Offline";
        QTest::addRow("odd member") << int(Member) << "Failing"
                                    << "UNKNOWN";
        QTest::addRow("zero") << int(Task) << "ZERO"
                              << "ZERO CREATE";
        QTest::addRow("secure erase") << int(Task) << "SECURE_ERASE"
                                      << "SECURE ERASE";
        QTest::addRow("odd task") << int(Task) << "SCRUB"
                                  << "UNKNOWN";
        QTest::addRow("not completed") << int(TaskState) << "NOT_COMPLETED"
                                       << "NOT COMPLETED";
        QTest::addRow("odd task state") << int(TaskState) << "WAITING"
                                        << "?";
    }
    void displayTexts()
    {
        QFETCH(int, table);
        QFETCH(QString, word);
        QFETCH(QString, shown);
        QString (*const tables[])(const QString &) = {
            KV_Display::ArrayStateText, KV_Display::MemberStatusText, KV_Display::TaskTypeText,
            KV_Display::TaskStateText};
        QCOMPARE(tables[table](word), shown);
    }

    void demoConfiguration()
    {
        auto window = openWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral("Velmora"));
        QTreeWidgetItem *root = window->controllerTree()->topLevelItem(0);
        QVERIFY(root);
        QVERIFY(!root->text(0).isEmpty());
        QVERIFY(root->isExpanded());
        QCOMPARE(root->childCount(), 5);
        QCOMPARE(window->arrayList()->topLevelItemCount(), 5);
        QCOMPARE(window->diskList()->columnCount(), 13);
        QCOMPARE(window->arrayList()->columnCount(), 17);
        // The driver's cache tag code, shown as the size it stands for.
        QCOMPARE(rowOf(window->arrayList(), "Array 1")->text(14), QStringLiteral("64KB"));
        QCOMPARE(rowOf(window->arrayList(), "Array 4")->text(14), QStringLiteral("NA"));
        KV_RaidApi service;
        int disks = 0;
        for (int i = 0; i < service.GetDiskCount(); ++i)
            disks += std::strcmp(service.GetDisk(i)->type, "Core") != 0 ? 1 : 0;
        QCOMPARE(window->diskList()->topLevelItemCount(), disks);
        QCOMPARE(window->eventLanguage(), 0);
        const QString folder =
            KV_LogFolder(QCoreApplication::applicationDirPath(), QStringLiteral("Velmora"));
        QCOMPARE(window->applicationLogPath(), folder + "/Velmora.log");
        QCOMPARE(window->eventLogPath(), folder + "/EventsLog.xml");
    }

    void constructionReadsTheDriverOnce()
    {
        // Start-up needs one read on the GUI thread; every further one is the
        // workers' and would freeze the window while the driver is slow.
        auto counting = std::make_shared<GuiThreadOpens>(emulatorWith(kvemu::demoModel()));
        kv::setPlatform(counting);
        {
            KV_RaidApi once;
        }
        const int refreshOpens = counting->opens.exchange(0);
        QVERIFY(refreshOpens > 0);
        auto window = openWindow();
        QCOMPARE(counting->opens.load(), refreshOpens);
    }

    // The timer's refresh leaves the lists' rows as they are when its bundle
    // shows nothing new; any other refresh, a change, or a task under way
    // rebuilds them.
    void periodicRefreshKeepsUnchangedRows_data()
    {
        QTest::addColumn<bool>("periodic");
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("kept");
        QTest::addRow("timer, nothing new") << true << "" << true;
        QTest::addRow("timer, a disk failed") << true << "disk" << false;
        QTest::addRow("timer, the same task under way") << true << "task" << false;
        QTest::addRow("command, nothing new") << false << "" << false;
    }
    void periodicRefreshKeepsUnchangedRows()
    {
        QFETCH(bool, periodic);
        QFETCH(QString, change);
        QFETCH(bool, kept);
        auto window = openWindow();
        auto idle = [] {
            test::Tables t = sampleTables();
            test::set(t.t().arrays[1].config[0].transformType, "NOT_ACTIVE");
            return t;
        };
        const auto before = [&] { return change == u"task" ? sampleTables() : idle(); };
        apply(*window, before());
        // A mark on a row stays while that row does.
        const int mark = Qt::UserRole + 100;
        const auto marked = [mark](QTreeWidgetItem *item) { return item->data(0, mark).toBool(); };
        rowOf(window->arrayList(), "Array 1")->setData(0, mark, true);
        rowOf(window->diskList(), "0 3")->setData(0, mark, true);
        arrayItem(*window, 1)->setData(0, mark, true);
        test::Tables next = before();
        if (change == u"disk")
            test::set(next.t().disks[3].state, "Offline");
        window->handleFullRefresh(bundleOf(next), periodic);
        stopTimers(*window);
        QCOMPARE(marked(rowOf(window->arrayList(), "Array 1")), kept);
        QCOMPARE(marked(rowOf(window->diskList(), "0 3")), kept);
        QCOMPARE(marked(arrayItem(*window, 1)), kept);
        if (change == u"disk")
            QCOMPARE(rowOf(window->diskList(), "0 3")->text(1), QStringLiteral("Failed"));
    }

    void arrayTree()
    {
        auto window = openWindow();
        apply(*window, sampleTables());
        QTreeWidgetItem *stripe = arrayItem(*window, 2);
        QVERIFY(stripe);
        QCOMPARE(stripe->text(0), QStringLiteral("Array 2  37.50% Scratch "));
        QVERIFY(stripe->isExpanded());
        QCOMPARE(stripe->childCount(), 3);
        QProgressBar *bar = progressBarOf(window->controllerTree(), stripe->child(0));
        QVERIFY(bar);
        QCOMPARE(bar->value(), 37);
        QCOMPARE(bar->format(), QStringLiteral("TRANSFORM STARTED"));
        QCOMPARE(bar->styleSheet(), QStringLiteral("QProgressBar::chunk {background: #4174db;}"));
        QCOMPARE(stripe->child(1)->text(0), QStringLiteral("RAID0 (Source)"));
        QCOMPARE(stripe->child(1)->childCount(), 1);
        QCOMPARE(stripe->child(2)->text(0), QStringLiteral("RAID0 (Destination)"));
        QCOMPARE(stripe->child(2)->childCount(), 2);

        QTreeWidgetItem *parity = arrayItem(*window, 3);
        QCOMPARE(parity->text(0), QStringLiteral("Array 3  CRITICAL "));
        QCOMPARE(parity->foreground(0).color(), QColor(255, 103, 0));
        QTreeWidgetItem *failed = parity->child(0)->child(0);
        QCOMPARE(failed->text(0), QStringLiteral("Disk 0 5 (Model X)  Failed"));
        QCOMPARE(failed->foreground(0).color(), QColor(Qt::red));
        QCOMPARE(parity->child(0)->child(1)->text(0), QStringLiteral("Disk 0 6 (Model X) "));
    }

    void progressColours_data()
    {
        QTest::addColumn<QString>("task");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("colour");
        QTest::addRow("paused transform") << "TRANSFORM"
                                          << "PAUSED"
                                          << "#f5cb42";
        QTest::addRow("restore") << "RESTORE"
                                 << "STARTED"
                                 << "#4174db";
        QTest::addRow("check") << "CHECK"
                               << "STARTED"
                               << "#3fc433";
        QTest::addRow("paused check") << "CHECK"
                                      << "PAUSED"
                                      << "#f5cb42";
    }
    void progressColours()
    {
        QFETCH(QString, task);
        QFETCH(QString, state);
        QFETCH(QString, colour);
        test::Tables t = sampleTables();
        KV_ArrayConfig &mirror = t.t().arrays[0].config[0];
        test::set(mirror.transformType, qPrintable(task));
        test::set(mirror.transformState, qPrintable(state));
        auto window = openWindow();
        apply(*window, t);
        QProgressBar *bar =
            progressBarOf(window->controllerTree(), arrayItem(*window, 1)->child(0));
        QVERIFY(bar);
        QVERIFY2(bar->styleSheet().contains(colour), qPrintable(bar->styleSheet()));
    }

    void stateColours_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<QColor>("colour");
        QTest::addRow("light critical") << "light"
                                        << "CRITICAL" << false << QColor(255, 103, 0);
        QTest::addRow("dark critical") << "dark"
                                       << "CRITICAL" << false << QColor(Qt::yellow);
        QTest::addRow("light offline") << "light"
                                       << "OFFLINE" << false << QColor(Qt::red);
        QTest::addRow("dark offline") << "dark"
                                      << "OFFLINE" << false << QColor(Qt::red);
        QTest::addRow("light outdated") << "light"
                                        << "OUTDATE" << false << QColor(255, 103, 0);
        QTest::addRow("light hidden") << "light"
                                      << "NORMAL" << true << QColor(Qt::blue);
        QTest::addRow("dark hidden") << "dark"
                                     << "NORMAL" << true << QColor(Qt::cyan);
    }
    void stateColours()
    {
        QFETCH(QString, theme);
        QFETCH(QString, state);
        QFETCH(bool, hidden);
        QFETCH(QColor, colour);
        QSettings().setValue("ApplicationTheme", theme);
        test::Tables t = sampleTables();
        KV_ArrayConfig &parity = t.t().arrays[2].config[0];
        test::set(parity.state, qPrintable(state));
        parity.attributes = hidden ? 0x200 : 0;
        auto window = openWindow();
        apply(*window, t);
        QCOMPARE(arrayItem(*window, 3)->foreground(0).color(), colour);
        QTreeWidgetItem *row = rowOf(window->arrayList(), "Array 3");
        for (int c = 0; c < 17; ++c)
            QCOMPARE(row->foreground(c).color(), colour);
        QCOMPARE(rowOf(window->arrayList(), "Array 1")->foreground(0).style(), Qt::NoBrush);
    }

    // The event list's priority column, by the event's severity.
    void eventPriorities_data()
    {
        QTest::addColumn<uint>("severity");
        QTest::addColumn<QString>("shown");
        QTest::addRow("very low") << 0u << "Very Low";
        QTest::addRow("warning") << 2u << "Warning";
        QTest::addRow("critical") << 3u << "Critical";
        QTest::addRow("fatal") << 4u << "Fatal";
        QTest::addRow("beyond the table") << 5u << "Unknown";
    }
    void eventPriorities()
    {
        QFETCH(uint, severity);
        QFETCH(QString, shown);
        auto window = openWindow();
        RaidDataBundle bundle = bundleOf(sampleTables());
        KV_EventRec event{};
        event.sequence = 900;
        event.severity = severity;
        event.text = QStringLiteral("An event");
        bundle.events = {event};
        window->handleFullRefresh(bundle);
        QTreeWidgetItem *row = rowOf(window->eventList(), "900");
        QVERIFY(row);
        QCOMPARE(row->text(3), shown);
    }

    // Locations and progress sort by their fractions, not as whole numbers.
    void fractionalSortKeys()
    {
        test::Tables t = sampleTables();
        t.t().arrays[0].config[0].percentComplete = 37.1f;
        t.t().arrays[1].config[0].percentComplete = 37.4f;
        auto window = openWindow();
        apply(*window, t);
        QTreeWidget *arrays = window->arrayList();
        arrays->sortByColumn(10, Qt::DescendingOrder);
        QCOMPARE(arrays->topLevelItem(0)->text(0), QStringLiteral("Array 2"));
        QTreeWidget *disks = window->diskList();
        disks->sortByColumn(0, Qt::DescendingOrder);
        QCOMPARE(disks->topLevelItem(0)->text(0), QStringLiteral("0 7"));
    }

    void diskList()
    {
        auto window = openWindow();
        apply(*window, sampleTables());
        QTreeWidget *disks = window->diskList();
        QCOMPARE(disks->topLevelItemCount(), 7); // the core record is not a disk
        QTreeWidgetItem *fresh = rowOf(disks, "0 7");
        QVERIFY(fresh);
        QCOMPARE(fresh->text(2), QStringLiteral("New"));
        QCOMPARE(fresh->text(12), QStringLiteral("AB 12"));
        QCOMPARE(fresh->data(12, KV_SortRole).toString(), QStringLiteral("AB_12"));
        QCOMPARE(fresh->text(10), QStringLiteral("")); // no model
        QCOMPARE(rowOf(disks, "0 1")->text(10), QStringLiteral("Model X"));
    }

    // A collapsed busy array stays collapsed across refreshes until the
    // user expands it again.
    void collapseWishSurvives()
    {
        auto window = openWindow();
        const test::Tables t = sampleTables();
        apply(*window, t);
        window->controllerTree()->collapseItem(arrayItem(*window, 2));
        apply(*window, t);
        QVERIFY(!arrayItem(*window, 2)->isExpanded());
        apply(*window, t);
        QVERIFY(!arrayItem(*window, 2)->isExpanded());
        window->controllerTree()->expandItem(arrayItem(*window, 2));
        apply(*window, t);
        QVERIFY(arrayItem(*window, 2)->isExpanded());
        // An array the user opened stays open, with its configuration.
        QTreeWidgetItem *mirror = arrayItem(*window, 1);
        window->controllerTree()->expandItem(mirror);
        window->controllerTree()->expandItem(mirror->child(0));
        apply(*window, t);
        QVERIFY(arrayItem(*window, 1)->isExpanded());
        QVERIFY(arrayItem(*window, 1)->child(0)->isExpanded());
        QVERIFY(!arrayItem(*window, 3)->isExpanded());
    }

    // A collapse holds while something inside it is selected, over several
    // refreshes of the shown window.
    void collapseHoldsOverSelection()
    {
        auto window = openWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const test::Tables t = sampleTables();
        apply(*window, t);
        QTreeWidget *tree = window->controllerTree();
        tree->expandItem(arrayItem(*window, 1));
        QTreeWidgetItem *config = arrayItem(*window, 1)->child(0);
        config->setSelected(true);
        window->arraySelectedChanged(config, 0);
        QCOMPARE(window->selectedArray(), 1);
        tree->collapseItem(arrayItem(*window, 1));
        for (int refresh = 0; refresh < 3; ++refresh) {
            apply(*window, t);
            QVERIFY(!arrayItem(*window, 1)->isExpanded());
            QVERIFY(arrayItem(*window, 1)->child(0)->isSelected());
        }
        tree->collapseItem(tree->topLevelItem(0));
        for (int refresh = 0; refresh < 3; ++refresh) {
            apply(*window, t);
            QVERIFY(!tree->topLevelItem(0)->isExpanded());
        }
        QCOMPARE(window->selectedArray(), 1);
    }

    // The spares item and the member sets of a two-level array stay open.
    void deeperItemsStayOpen()
    {
        test::Tables t = sampleTables();
        for (int route = 11; route <= 15; ++route)
            t.disk(route);
        KV_ArrayConfig &ten = t.array(4, "RAID10", {11, 12, 13, 14});
        ten.firstCount = 2;
        ten.secondCount = 2;
        ten.linkCount = 1;
        ten.links[0] = {KV_ReferenceSpare, 2, 15, 0x5000 + 15};
        auto window = openWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        apply(*window, t);
        QTreeWidget *tree = window->controllerTree();
        tree->expandItem(arrayItem(*window, 4));
        QTreeWidgetItem *config = arrayItem(*window, 4)->child(0);
        QCOMPARE(config->childCount(), 3);
        QCOMPARE(config->child(0)->text(0), QStringLiteral(" Dedicated Spares"));
        tree->expandItem(config);
        tree->expandItem(config->child(0));
        tree->expandItem(config->child(2));
        for (int refresh = 0; refresh < 3; ++refresh) {
            apply(*window, t);
            config = arrayItem(*window, 4)->child(0);
            QVERIFY(config->isExpanded());
            QVERIFY(config->child(0)->isExpanded());
            QVERIFY(!config->child(1)->isExpanded());
            QVERIFY(config->child(2)->isExpanded());
        }
    }

    // The lists keep where the user scrolled them, both ways.
    void scrollPositionsSurvive()
    {
        test::Tables t = sampleTables();
        for (int route = 11; route <= 40; ++route)
            t.disk(route);
        for (int route = 11; route <= 30; ++route)
            t.array(route, "VOLUME", {route});
        auto window = openWindow();
        window->resize(640, 480);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        RaidDataBundle bundle = bundleOf(t);
        for (quint32 sequence = 1000; sequence < 1060; ++sequence) {
            KV_EventRec event{};
            event.sequence = sequence;
            event.text = QStringLiteral("An event");
            bundle.events.append(event);
        }
        window->handleFullRefresh(bundle);
        stopTimers(*window);
        window->arrayListSelectionChanged(rowOf(window->arrayList(), "Array 1"), 0);
        window->eventList()->setColumnWidth(4, 1500);
        QList<QScrollBar *> bars;
        for (QTreeWidget *list : {window->diskList(), window->arrayList(), window->eventList()})
            bars << list->horizontalScrollBar() << list->verticalScrollBar();
        QTRY_VERIFY(
            std::all_of(bars.begin(), bars.end(), [](QScrollBar *b) { return b->maximum() > 2; }));
        QList<int> before;
        for (QScrollBar *bar : bars) {
            bar->setValue(bar->maximum() - 1);
            before << bar->value();
        }
        apply(*window, t);
        QApplication::processEvents();
        QList<int> after;
        for (QScrollBar *bar : bars)
            after << bar->value();
        QCOMPARE(after, before);
    }

    // A busy array's label, percentage and name all show in full beside
    // the progress bar, which keeps its own width.
    void busyArrayLabelFits()
    {
        test::Tables t = sampleTables();
        test::set(t.t().arrays[1].config[0].deviceName, "A stripe with a long name");
        auto window = openWindow();
        window->resize(1000, 700);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        apply(*window, t);
        QTreeWidget *tree = window->controllerTree();
        QTreeWidgetItem *stripe = arrayItem(*window, 2);
        const int needed =
            tree->fontMetrics().horizontalAdvance(stripe->text(0)) + tree->iconSize().width();
        QTRY_VERIFY2(
            tree->visualItemRect(stripe).width() >= needed,
            qPrintable(
                QStringLiteral("%1 < %2").arg(tree->visualItemRect(stripe).width()).arg(needed)));
        QProgressBar *bar = progressBarOf(tree, stripe->child(0));
        QVERIFY(bar);
        QCOMPARE(bar->width(), bar->fontMetrics().horizontalAdvance(bar->format()) + 50);
        // The tree widens to show the whole label without scrolling.
        QTRY_VERIFY2(tree->visualItemRect(stripe).left() + needed <= tree->viewport()->width(),
                     qPrintable(QString::number(tree->viewport()->width())));
    }

    // A member disk with a S.M.A.R.T. error is there and says so; a member
    // disk that went offline without failing is missing.
    void smartErrorMemberIsPresent()
    {
        test::Tables t = sampleTables();
        test::set(t.t().disks[1].state, "Offline");
        test::set(t.t().disks[2].state, "SMART_error");
        auto window = openWindow();
        apply(*window, t);
        QTreeWidgetItem *members = arrayItem(*window, 1)->child(0);
        QCOMPARE(members->child(0)->text(0), QStringLiteral("Missing"));
        QCOMPARE(members->child(1)->text(0), QStringLiteral("Disk 0 2 (Model X)  SMART_error"));
    }

    void selectionSurvives()
    {
        auto window = openWindow();
        const test::Tables t = sampleTables();
        apply(*window, t);
        QTreeWidgetItem *parity = arrayItem(*window, 3);
        parity->setSelected(true);
        window->arraySelectedChanged(parity->child(0), 0);
        QCOMPARE(window->selectedArray(), 3);
        apply(*window, t);
        QCOMPARE(window->selectedArray(), 3);
        QVERIFY(arrayItem(*window, 3)->isSelected());
        QVERIFY(rowOf(window->arrayList(), "Array 3")->font(0).bold());
        QVERIFY(!rowOf(window->arrayList(), "Array 1")->font(0).bold());
        QVERIFY(rowOf(window->diskList(), "0 5")->font(3).bold());
        QVERIFY(!rowOf(window->diskList(), "0 1")->font(3).bold());
        // The root clears the selection.
        window->arraySelectedChanged(window->controllerTree()->topLevelItem(0), 0);
        QCOMPARE(window->selectedArray(), 0);
        // A row of the array list selects as the tree does.
        window->arrayListSelectionChanged(rowOf(window->arrayList(), "Array 1"), 0);
        QCOMPARE(window->selectedArray(), 1);
        QVERIFY(rowOf(window->diskList(), "0 2")->font(0).bold());

        // A mouse press on an array item of the tree selects that array.
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTreeWidget *tree = window->controllerTree();
        const QRect place = tree->visualItemRect(arrayItem(*window, 3));
        // On the item's text where it begins: the column may be wider than the tree.
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          QPoint(place.left() + 30, place.center().y()));
        QCOMPARE(window->selectedArray(), 3);
        QVERIFY(rowOf(window->arrayList(), "Array 3")->font(0).bold());
        // The keyboard goes on from there: a key does not fall back to the
        // root, and the arrow keys walk the arrays.
        QTest::keyClick(tree, Qt::Key_Asterisk);
        QCOMPARE(window->selectedArray(), 3);
        QTest::keyClick(tree, Qt::Key_Up);
        QCOMPARE(window->selectedArray(), 2);
        QTest::keyClick(window->arrayList(), Qt::Key_Down);
        QCOMPARE(window->selectedArray(), 3);
    }

    // Clicking "Uses" twice sorts descending, and the next refresh keeps it.
    void sortSurvives()
    {
        auto window = openWindow();
        const test::Tables t = sampleTables();
        apply(*window, t);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QHeaderView *header = window->diskList()->header();
        const QPoint uses(header->sectionViewportPosition(9) + 5, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, uses);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, uses);
        QCOMPARE(header->sortIndicatorSection(), 9);
        const Qt::SortOrder order = header->sortIndicatorOrder();
        apply(*window, t);
        QCOMPARE(header->sortIndicatorSection(), 9);
        QCOMPARE(header->sortIndicatorOrder(), order);
        QTreeWidget *disks = window->diskList();
        const int first = disks->topLevelItem(0)->text(9).toInt();
        const int last = disks->topLevelItem(disks->topLevelItemCount() - 1)->text(9).toInt();
        QCOMPARE(first < last, order == Qt::AscendingOrder);
    }

    // The agreement opens in the middle of the screen; closed without
    // Accept, it ends the console with status 0 and nothing is recorded, so
    // the next start asks again.
    void licenceGateClosedWithoutAccept()
    {
        auto window = openWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->showEula(false);
        auto *gate = window->findChild<kv_EULA_Dialog *>();
        QVERIFY(gate);
        QVERIFY(QTest::qWaitForWindowExposed(gate));
        const QPoint offset =
            gate->frameGeometry().center() - gate->screen()->availableGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QString::number(offset.x())));
        QTimer::singleShot(0, gate, [gate] { gate->close(); });
        QTimer::singleShot(10000, window.get(), [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!QSettings().value("EULA_Accepted").toBool());
    }

    // Without arrays the window checks the drivers and says what is missing.
    void driverMessages_data()
    {
        QTest::addColumn<bool>("withArrays");
        QTest::addColumn<QStringList>("unload");
        QTest::addColumn<QString>("start");
        QTest::addRow("arrays present, drivers gone")
            << true << QStringList{"kvcfg.sys", "kvraid.sys", "kvbottom.sys"} << QString();
        QTest::addRow("all drivers loaded") << false << QStringList{} << QString();
        QTest::addRow("configuration driver gone")
            << false << QStringList{"kvcfg.sys"} << "Unable to find kvcfg RAID driver";
        QTest::addRow("all gone") << false << QStringList{"kvcfg.sys", "kvraid.sys", "kvbottom.sys"}
                                  << "Unable to find the OXV RAID drivers";
    }
    void driverMessages()
    {
        QFETCH(bool, withArrays);
        QFETCH(QStringList, unload);
        QFETCH(QString, start);
        kvemu::Model model = kvemu::demoModel();
        if (!withArrays)
            model.arrays.clear();
        auto emulator = emulatorWith(model);
        for (const QString &driver : unload)
            QVERIFY(emulator->control("driver unload " + driver.toStdString()).ok);
        useEmulator(emulator);
        KV_MainWindow window;
        const QList<QMessageBox *> boxes = window.findChildren<QMessageBox *>();
        if (start.isEmpty()) {
            QVERIFY(boxes.isEmpty());
            return;
        }
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes.front()->text().startsWith(start), qPrintable(boxes.front()->text()));
        QCOMPARE(boxes.front()->standardButtons(), QMessageBox::Ok);
        boxes.front()->reject(); // closing without OK does not end the program
        QTRY_VERIFY(!window.refreshInProgress());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
