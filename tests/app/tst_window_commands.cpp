// The window's commands: the enablement rules as a table, and the handlers
// against the in-process emulator with the message boxes answered here.
#include "array_enablement.h"
#include "demo_config.h"
#include "emulator.h"
#include "kv_inprocess_platform.h"
#include "kv_raid_api.h"
#include "main_window.h"
#include "message_box.h"
#include "snapshot_tables.h"
#include "tree_items.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <memory>

Q_DECLARE_METATYPE(KV_Action)
Q_DECLARE_METATYPE(KV_ArrayFacts)
Q_DECLARE_METATYPE(KV_Message::Kind)

namespace {

using enum KV_Action;
using Actions = QList<KV_Action>;

// A host whose user is not an administrator.
class UnelevatedPlatform : public kvemu::InProcessPlatform {
public:
    using InProcessPlatform::InProcessPlatform;
    bool processIsElevated() override { return false; }
};

KV_ArrayFacts facts(const char *type, const char *state = "NORMAL", const char *task = "NOT_ACTIVE",
                    const char *taskState = "")
{
    KV_ArrayFacts f;
    f.type = QString::fromLatin1(type);
    f.state = QString::fromLatin1(state);
    f.task = QString::fromLatin1(task);
    f.taskState = QString::fromLatin1(taskState);
    f.cache = QStringLiteral("R");
    return f;
}

QString names(const std::bitset<KV_ActionCount> &set)
{
    QStringList list;
    for (std::size_t i = 0; i < KV_ActionCount; ++i) {
        if (set.test(i))
            list << QString::number(i);
    }
    return list.join(u' ');
}

const char *cacheOf(int arrayId)
{
    KV_RaidApi api;
    const KV_ArrayConfig *config = api.FindArrayConfig(arrayId, true);
    return config ? config->cache : "";
}

} // namespace

class TestWindowCommands : public QObject {
    Q_OBJECT

    std::shared_ptr<kvemu::Emulator> emulator_;
    QList<KV_Message::Shown> shown_;
    bool answer_ = true;

    std::unique_ptr<KV_MainWindow> openWindow()
    {
        auto window = std::make_unique<KV_MainWindow>();
        settle(*window);
        return window;
    }
    // Waits for the window's refreshes and long operations, then stops its
    // timers so that only the test moves it on.
    static void settle(KV_MainWindow &window)
    {
        QTRY_VERIFY_WITH_TIMEOUT(!window.refreshInProgress() && !window.longOperationInProgress(),
                                 20000);
        for (QTimer *timer : window.findChildren<QTimer *>())
            timer->stop();
    }
    static void refresh(KV_MainWindow &window)
    {
        window.triggerFullRefresh();
        settle(window);
    }
    static void select(KV_MainWindow &window, int id)
    {
        QTreeWidgetItem *root = window.controllerTree()->topLevelItem(0);
        for (int i = 0; root && i < root->childCount(); ++i) {
            if (root->child(i)->data(0, KV_Role::Identifier).toInt() == id) {
                window.arraySelectedChanged(root->child(i), 0); // rebuilds the tree
                break;
            }
        }
        QCOMPARE(window.selectedArray(), id);
    }
    static bool listed(KV_MainWindow &window, int id)
    {
        const QString text = QStringLiteral("Array ") + QString::number(id);
        return !window.arrayList()->findItems(text, Qt::MatchExactly, 0).isEmpty();
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("OXV"));
        QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
        KV_RegisterServiceTypes();
        KV_Message::SetResponder([this](const KV_Message::Shown &box) {
            shown_.append(box);
            return answer_;
        });
    }
    void init()
    {
        QSettings().clear();
        const kvemu::Model model = kvemu::demoModel();
        emulator_ = std::make_shared<kvemu::Emulator>(kvemu::StoredState{model, model},
                                                      std::make_shared<kvemu::ManualClock>());
        kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator_));
        shown_.clear();
        answer_ = true;
    }
    void cleanupTestCase()
    {
        KV_Message::SetResponder({});
        kv::setPlatform(nullptr);
    }

    void enablement_data()
    {
        QTest::addColumn<KV_ArrayFacts>("array");
        QTest::addColumn<bool>("elevated");
        QTest::addColumn<Actions>("enabled");
        QTest::addColumn<Actions>("checked");

        const Actions idle = {Transform, CheckStart,    CheckMenu, ScanStart,
                              ScanMenu,  CacheMenu,     Name,      Hide,
                              Identify,  PrepareRemove, Delete,    SecureErase};
        const Actions always = {DeleteMultiple, Initialize};
        KV_ArrayFacts parity = facts("RAID5");
        parity.dedicatedSpares = 1;
        QTest::addRow("RAID5 idle, with a spare")
            << parity << true << (always + idle + Actions{RemoveSpares}) << Actions{CacheRead};
        KV_ArrayFacts system = facts("RAID1");
        system.holdsSystem = true;
        system.cache = QStringLiteral("RW");
        QTest::addRow("system mirror")
            << system << true
            << (always + Actions{Transform, CheckStart, CheckMenu, ScanStart, ScanMenu, CacheMenu,
                                 Name, Identify})
            << Actions{CacheReadWriteBack};
        KV_ArrayFacts shared = facts("RAID1");
        shared.sharesSystemDisk = true;
        shared.cache = QStringLiteral("NC");
        Actions sharedEnabled = always + idle;
        sharedEnabled.removeOne(PrepareRemove);
        QTest::addRow("shares the system disk")
            << shared << true << sharedEnabled << Actions{CacheNone};
        QTest::addRow("LEGACY") << facts("LEGACY") << true
                                << (always + Actions{ScanStart, ScanMenu, Name, Hide, Identify,
                                                     PrepareRemove, Delete})
                                << Actions{CacheRead};
        QTest::addRow("RAIDTIER idle")
            << facts("RAIDTIER") << true << (always + Actions{Name, Hide, Delete}) << Actions{};
        QTest::addRow("RAIDCACHE with a task")
            << facts("RAIDCACHE", "NORMAL", "REBUILD", "STARTED") << true
            << (always + Actions{Name, Hide, Delete}) << Actions{};
        QTest::addRow("transform running")
            << facts("RAID5", "NORMAL", "TRANSFORM", "STARTED") << true
            << (always +
                Actions{Delete, Identify, TaskMenu, TaskPriority, TaskPause, CheckStart, ScanStart})
            << Actions{};
        QTest::addRow("check paused")
            << facts("RAID1", "NORMAL", "CHECK", "PAUSED") << true
            << (always + Actions{Delete, Identify, TaskMenu, TaskPriority, TaskResume, TaskRemove,
                                 CheckStop, CheckMenu, ScanStart})
            << Actions{};
        Actions critical = always + idle;
        critical.removeOne(CheckStart);
        QTest::addRow("CRITICAL") << facts("RAID5", "CRITICAL") << true << critical
                                  << Actions{CacheRead};
        QTest::addRow("OFFLINE") << facts("RAID5", "OFFLINE") << true << (always + Actions{Delete})
                                 << Actions{CacheRead};
        KV_ArrayFacts hiddenStripe = facts("RAID0");
        hiddenStripe.hidden = true;
        hiddenStripe.backgroundScan = true;
        hiddenStripe.dedicatedSpares = 2;
        hiddenStripe.cache = QStringLiteral("W");
        QTest::addRow("hidden stripe scanning")
            << hiddenStripe << true
            << (always + Actions{Transform, ScanStop, ScanMenu, CacheMenu, Name, Hide, Identify,
                                 PrepareRemove, Delete, SecureErase})
            << Actions{CacheWriteBack};
        QTest::addRow("not elevated")
            << facts("RAID5") << false
            << Actions{Initialize, Transform, CheckStart, CheckMenu, ScanStart,
                       ScanMenu,   CacheMenu, Name,       Identify}
            << Actions{CacheRead};
        KV_ArrayFacts unknownMode = facts("RAID5");
        unknownMode.cache = QStringLiteral("X");
        QTest::addRow("unknown cache mode") << unknownMode << true << (always + idle) << Actions{};
    }
    void enablement()
    {
        QFETCH(KV_ArrayFacts, array);
        QFETCH(bool, elevated);
        QFETCH(Actions, enabled);
        QFETCH(Actions, checked);
        KV_EnablementInput input;
        input.selected = array;
        input.arrayCount = 3;
        input.elevated = elevated;
        input.anyEligibleDisk = true;
        const KV_Enablement result = KV_ArrayEnablement(input);
        std::bitset<KV_ActionCount> expected, expectedChecks, decided;
        for (KV_Action id : enabled)
            expected.set(std::size_t(id));
        for (KV_Action id : checked)
            expectedChecks.set(std::size_t(id));
        for (std::size_t i = 0; i < KV_ActionCount; ++i)
            decided.set(i, KV_EnablementDecides(KV_Action(i)));
        const auto got = result.enabled & decided;
        QVERIFY2(got == expected,
                 qPrintable(QStringLiteral("differs in: ") + names(got ^ expected)));
        QVERIFY2(result.checked == expectedChecks, qPrintable(names(result.checked)));
        QCOMPARE(result.offerUnhide, array.hidden);
    }

    void lockedArrayRefused_data()
    {
        QTest::addColumn<KV_Action>("command");
        QTest::addColumn<QString>("phrase");
        QTest::addRow("transform")
            << Transform << " is locked and cannot be transformed until it is unlocked.";
        QTest::addRow("check start")
            << CheckStart
            << " is locked and cannot start a consistency check until it is unlocked.";
        QTest::addRow("check stop")
            << CheckStop << " is locked and cannot stop a consistency check until it is unlocked.";
        QTest::addRow("scan start")
            << ScanStart
            << " is locked and cannot start a background array scan until it is unlocked.";
        QTest::addRow("scan stop")
            << ScanStop
            << " is locked and cannot stop a background array scan until it is unlocked.";
        QTest::addRow("write back")
            << CacheWriteBack << " is locked and cannot change the cache until it is unlocked.";
        QTest::addRow("priority")
            << TaskPriority << " is locked and cannot change task priority until it is unlocked.";
        QTest::addRow("resume") << TaskResume
                                << " is locked and cannot resume a task until it is unlocked.";
        QTest::addRow("pause") << TaskPause
                               << " is locked and cannot pause a task until it is unlocked.";
        QTest::addRow("task remove")
            << TaskRemove << " is locked and cannot remove a task until it is unlocked.";
        QTest::addRow("name") << Name << " is locked and cannot be renamed until it is unlocked.";
        QTest::addRow("hide") << Hide << " is locked and cannot be hidden until it is unlocked.";
        QTest::addRow("identify") << Identify
                                  << " is locked and cannot be identified until it is unlocked.";
        QTest::addRow("prepare")
            << PrepareRemove
            << " is locked and cannot be prepared for removal until it is unlocked.";
        QTest::addRow("spares")
            << RemoveSpares << " is locked and cannot have spares removed until it is unlocked.";
        QTest::addRow("delete") << Delete
                                << " is locked and cannot be deleted until it is unlocked.";
        QTest::addRow("erase") << SecureErase
                               << " is locked and cannot be secure erased until it is unlocked.";
    }
    void lockedArrayRefused()
    {
        QFETCH(KV_Action, command);
        QFETCH(QString, phrase);
        QVERIFY(emulator_->control("lock array 2").ok);
        auto window = openWindow();
        select(*window, 2);
        window->action(command)->setEnabled(true); // whatever the menus offer
        window->action(command)->trigger();
        QCOMPARE(shown_.size(), 1);
        QCOMPARE(shown_.front().kind, KV_Message::Kind::About);
        QCOMPARE(shown_.front().text, QStringLiteral("Array 2") + phrase);
        QVERIFY(!window->longOperationInProgress());
        settle(*window);
        QVERIFY(listed(*window, 2));
    }

    // Delete asks; No keeps the array, Yes deletes it on a worker while a
    // second Delete does nothing; a delete that fails leaves the window as
    // it was and usable.
    void deleteAsksAndRunsOnce_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("deleted");
        QTest::addRow("driver accepts") << QString() << true;
        QTest::addRow("transfers fail") << "fault fail 1000" << false;
    }
    void deleteAsksAndRunsOnce()
    {
        QFETCH(QString, fault);
        QFETCH(bool, deleted);
        auto window = openWindow();
        select(*window, 3);
        answer_ = false;
        window->action(Delete)->trigger();
        QCOMPARE(shown_.size(), 1);
        QCOMPARE(shown_.front().kind, KV_Message::Kind::Question);
        QCOMPARE(shown_.front().title, QStringLiteral("Confirm Action"));
        QCOMPARE(shown_.front().text, QStringLiteral("Do you want to delete Array 3: Scratch?"));
        settle(*window);
        QVERIFY(listed(*window, 3));

        if (!fault.isEmpty())
            QVERIFY(emulator_->control(fault.toStdString()).ok);
        select(*window, 3);
        answer_ = true;
        window->action(Delete)->trigger();
        QVERIFY(window->longOperationInProgress());
        QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("Delete in progress..."));
        QVERIFY(QApplication::overrideCursor());
        select(*window, 2); // another array, while the first delete runs
        window->action(Delete)->trigger();
        window->action(Rescan)->trigger();
        QCOMPARE(shown_.size(), 2);
        settle(*window);
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(window->statusBar()->currentMessage().isEmpty());

        QVERIFY(emulator_->control("fault clear").ok);
        refresh(*window);
        QCOMPARE(listed(*window, 3), !deleted);
        QVERIFY(listed(*window, 2));
    }

    void writeBackAsked_data()
    {
        QTest::addColumn<int>("arrayId");
        QTest::addColumn<KV_Action>("entry");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("mode");
        QTest::addRow("RW to write back") << 1 << CacheWriteBack << true << false << "W";
        QTest::addRow("R to write back, yes") << 2 << CacheWriteBack << true << true << "W";
        QTest::addRow("R to write back, no") << 2 << CacheWriteBack << false << true << "R";
        QTest::addRow("R to read + write back") << 2 << CacheReadWriteBack << true << true << "RW";
        QTest::addRow("RW to none") << 1 << CacheNone << true << false << "NC";
    }
    void writeBackAsked()
    {
        QFETCH(int, arrayId);
        QFETCH(KV_Action, entry);
        QFETCH(bool, answer);
        QFETCH(bool, asked);
        QFETCH(QString, mode);
        auto window = openWindow();
        select(*window, arrayId);
        answer_ = answer;
        window->action(entry)->trigger();
        QCOMPARE(shown_.size(), asked ? 1 : 0);
        if (asked)
            QVERIFY(shown_.front().text.startsWith(QStringLiteral("If enabled Write Back Cache")));
        QVERIFY(window->longOperationInProgress()); // the rescan that follows
        settle(*window);
        QCOMPARE(QString::fromLatin1(cacheOf(arrayId)), mode);
    }

    void createLimit_data()
    {
        QTest::addColumn<int>("arrays");
        QTest::addColumn<bool>("refused");
        QTest::addRow("11") << 11 << false;
        QTest::addRow("12") << 12 << true;
    }
    void createLimit()
    {
        QFETCH(int, arrays);
        QFETCH(bool, refused);
        auto window = openWindow();
        test::Tables tables;
        RaidDataBundle bundle;
        bundle.snapshot = tables.snapshot;
        for (int id = 1; id <= arrays; ++id)
            bundle.arrays.append(&tables.array(id, "RAID0", {1}));
        window->handleFullRefresh(bundle);
        settle(*window);
        // Below the limit the create dialog opens; it is closed from here.
        QString opened;
        QTimer::singleShot(0, window.get(), [&opened] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                opened = dialog->windowTitle();
                dialog->close();
            }
        });
        window->action(Create)->trigger();
        QCOMPARE(opened, refused ? QString() : QStringLiteral("Create"));
        QCOMPARE(shown_.size(), refused ? 1 : 0);
        if (refused)
            QCOMPARE(shown_.front().text,
                     QStringLiteral("The total number of arrays is limited to 12."));
        settle(*window);
    }

    // Transform opens its dialog on the selected array.
    void transformOpensDialog()
    {
        auto window = openWindow();
        select(*window, 3);
        QString opened;
        QString source;
        QTimer::singleShot(0, window.get(), [&] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                opened = dialog->windowTitle();
                if (auto *view =
                        dialog->findChild<QTreeWidget *>(QStringLiteral("sourceArrayView")))
                    source = view->topLevelItem(0) ? view->topLevelItem(0)->text(0) : QString();
                dialog->close();
            }
        });
        window->action(Transform)->trigger();
        QCOMPARE(opened, QStringLiteral("Transform"));
        QCOMPARE(source, QStringLiteral("Array 3 Scratch"));
        settle(*window);
    }

    void privilegeNotice()
    {
        kv::setPlatform(std::make_shared<UnelevatedPlatform>(emulator_));
        auto window = openWindow();
        QCOMPARE(shown_.size(), 1); // at start
        select(*window, 3);
        QVERIFY(!window->action(Delete)->isEnabled());
        window->action(Delete)->setEnabled(true);
        window->action(Delete)->trigger();
        QCOMPARE(shown_.size(), 2);
        QCOMPARE(shown_.back().kind, KV_Message::Kind::About);
        QVERIFY(shown_.back().text.contains(QStringLiteral("Administrator")));
        QVERIFY(!window->longOperationInProgress());
        settle(*window);
        QVERIFY(listed(*window, 3));
    }

    // The disk dialogs and the delete form open from the window, titled;
    // an accepted initialize clears the selected array. The disk options
    // open for one chosen disk row only.
    void dialogsFromTheWindow()
    {
        auto window = openWindow();
        select(*window, 2);
        QStringList opened;
        // Answers the next modal dialog with `act`, once it is up.
        const auto whenOpen = [&opened](std::function<void(QDialog *)> act) {
            auto *poll = new QTimer;
            QObject::connect(poll, &QTimer::timeout, poll, [poll, act, &opened] {
                if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                    opened << dialog->windowTitle();
                    poll->deleteLater();
                    act(dialog);
                }
            });
            poll->start(20);
        };
        const auto click = [](QDialog *dialog, const char *name) {
            QTest::mouseClick(dialog->findChild<QPushButton *>(QString::fromLatin1(name)),
                              Qt::LeftButton);
        };
        whenOpen([&](QDialog *dialog) { click(dialog, "cancelButton"); });
        window->action(DeleteMultiple)->trigger();
        whenOpen([&](QDialog *dialog) {
            click(dialog, "selectUnInitButton");
            click(dialog, "initSelectedButton");
        });
        window->action(Initialize)->trigger();
        QCOMPARE(window->selectedArray(), 0);
        settle(*window);

        QTreeWidget *disks = window->diskList();
        disks->clearSelection();
        disks->topLevelItem(0)->setSelected(true);
        disks->topLevelItem(1)->setSelected(true);
        window->diskOptionsClicked(); // two rows: nothing opens
        disks->topLevelItem(1)->setSelected(false);
        whenOpen([&](QDialog *dialog) { click(dialog, "cancelButton"); });
        window->diskOptionsClicked();
        QCOMPARE(opened, (QStringList{QStringLiteral("Delete"), QStringLiteral("Initialize Disks"),
                                      QStringLiteral("Options")}));
        settle(*window);
    }

    void prepareToRemoveResult_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<KV_Message::Kind>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        const QString overlap = QStringLiteral("There is an overlap between the selected array and "
                                               "another array. Operation canceled.");
        QTest::addRow("-9") << -9 << KV_Message::Kind::Information << "Operation Failed" << overlap;
        QTest::addRow("3") << 3 << KV_Message::Kind::Information << "Operation Failed" << overlap;
        QTest::addRow("-10") << -10 << KV_Message::Kind::Warning
                             << "Problem Ejecting OXV Array 3 SCSI Device"
                             << "This device is currently in use. Close any program or windows "
                                "that might be using this device, and then try again.";
        QTest::addRow("1") << 1 << KV_Message::Kind::Information << "Array Removal"
                           << "Array 3 has been removed from the configuration, the device's "
                              "disconnected and are now ready to be physically removed from the "
                              "system. It is important that no DISK RESCANs be performed until "
                              "all of the disks in the array have been disconnected";
        QTest::addRow("other") << -1 << KV_Message::Kind::About << QString() << QString();
    }
    void prepareToRemoveResult()
    {
        QFETCH(int, code);
        QFETCH(KV_Message::Kind, kind);
        QFETCH(QString, title);
        QFETCH(QString, text);
        auto window = openWindow();
        select(*window, 3);
        window->handlePrepRemoveResult(code, 3);
        QCOMPARE(shown_.size(), text.isEmpty() ? 0 : 1);
        if (!text.isEmpty()) {
            QCOMPARE(shown_.front().kind, kind);
            QCOMPARE(shown_.front().title, title);
            QCOMPARE(shown_.front().text, text);
        }
        QCOMPARE(window->selectedArray(), code == 1 ? 0 : 3);
        settle(*window);
    }
    // A driver that stops answering leaves the last configuration in the
    // lists, says so above them, and nothing more; the line goes when the
    // driver answers again.
    void driverNotAnswering()
    {
        auto window = openWindow();
        auto *line = window->findChild<QLabel *>(QStringLiteral("driverStateLabel"));
        QVERIFY(line);
        QVERIFY(line->isHidden());
        const int events = window->eventList()->topLevelItemCount();

        QVERIFY(emulator_->control("fault fail 1000").ok);
        refresh(*window);
        QVERIFY(!line->isHidden());
        QVERIFY(line->text().startsWith(
            QStringLiteral("The RAID driver is not answering. The lists show the configuration")));
        QVERIFY(listed(*window, 3));
        QCOMPARE(window->eventList()->topLevelItemCount(), events);

        QVERIFY(emulator_->control("fault clear").ok);
        refresh(*window);
        QVERIFY(line->isHidden());
        QVERIFY(listed(*window, 3));
    }

    // Help, Save Support Bundle...: the archive on a thread of its own, then
    // one box saying how it went.
    void supportBundle_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<KV_Message::Kind>("told");
        QTest::addRow("saved") << "bundle.zip" << KV_Message::Kind::Information;
        QTest::addRow("no such folder") << "absent/bundle.zip" << KV_Message::Kind::Warning;
    }
    void supportBundle()
    {
        QFETCH(QString, file);
        QFETCH(KV_Message::Kind, told);
        QTemporaryDir dir;
        auto window = openWindow();
        const QString path = dir.filePath(file);
        window->saveSupportBundleTo(path);
        QVERIFY(!window->action(SupportBundle)->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(shown_.size(), 1, 30000);
        QCOMPARE(shown_[0].kind, told);
        QVERIFY(shown_[0].text.contains(path));
        QVERIFY(window->action(SupportBundle)->isEnabled());
        QFile archive(path);
        QCOMPARE(archive.open(QIODevice::ReadOnly) && archive.read(4) == "PK\x03\x04",
                 told == KV_Message::Kind::Information);
    }
};

QTEST_MAIN(TestWindowCommands)
#include "tst_window_commands.moc"
