// The emulator's event log as the console reads it: the lines a sequence of
// operations yields, the sequence numbers, the bound on kept records, the
// log across a save and load, and a waiting fetch woken by another thread.
#include "demo_config.h"
#include "emulator.h"
#include "kv_api.h"
#include "kv_inprocess_platform.h"
#include "kv_messages.h"
#include "state_file.h"

#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cstring>
#include <thread>

namespace {

const KV_CoreId core1{1, ".", "Core1"};

// A platform whose sleep waits a little, really, so that a waiting fetch
// polls quickly and another thread can run meanwhile.
class QuickSleepPlatform : public kvemu::InProcessPlatform {
public:
    using InProcessPlatform::InProcessPlatform;
    void sleep(uint32_t) override
    {
        ++sleeps;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    std::unique_ptr<kv::PlatformFile> open(const std::string &name, uint32_t disposition,
                                           uint32_t shareMode, uint32_t flags,
                                           uint32_t *error = nullptr) override
    {
        if (opened != nullptr)
            ++*opened;
        return InProcessPlatform::open(name, disposition, shareMode, flags, error);
    }
    std::atomic<int> sleeps{0};
    int *opened = nullptr; // counts the opens while set
};

// Device paths of the demo's disks and arrays, one 80-byte entry each.
struct Path {
    KV_DevicePath text{};
    explicit Path(const std::string &p) { std::strncpy(text, p.c_str(), sizeof text - 1); }
    operator const KV_DevicePath *() const { return &text; }
};
Path disk(int route, int controller)
{
    return Path("//./Core1/Route" + std::to_string(controller + 1) + "/Device" +
                std::to_string(route) + (route < 10 ? " " : ""));
}
Path array(int route)
{
    return Path("//./Core1/Route0/Device" + std::to_string(route) + " ");
}

// One fetch without waiting: the status, the line as text, the sequence.
struct Fetched {
    KV_STS status;
    QString line;
};
Fetched fetch(uint32_t &sequence, int wait = 0)
{
    char16_t line[512];
    const KV_STS status = KV_ApiGetUserMessage(&core1, line, 512, &sequence, wait, 0);
    return {status, QString::fromUtf16(line)};
}

QStringList fetchAll(uint32_t &sequence)
{
    QStringList lines;
    for (Fetched f = fetch(sequence); f.status == KV_STS_VALID_USER_MESSAGE; f = fetch(sequence))
        lines << f.line.chopped(1); // each line ends in a line break
    return lines;
}

} // namespace

class TestEmulatorEvents : public QObject {
    Q_OBJECT

    std::shared_ptr<kvemu::ManualClock> clock;
    std::shared_ptr<kvemu::Emulator> emulator;
    std::shared_ptr<QuickSleepPlatform> platform;

    void start(kvemu::StoredState state)
    {
        clock = std::make_shared<kvemu::ManualClock>();
        emulator = std::make_shared<kvemu::Emulator>(std::move(state), clock);
        platform = std::make_shared<QuickSleepPlatform>(emulator);
        kv::setPlatform(platform);
    }

    // One step of a scenario, by name.
    KV_STS run(const QString &step)
    {
        if (step == "create RAID1 on 3 4") {
            KV_DevicePath list[2];
            std::memcpy(list[0], disk(3, 0).text, sizeof list[0]);
            std::memcpy(list[1], disk(4, 0).text, sizeof list[1]);
            KV_CreateParameters p;
            p.typeCode = 0x1BF6;
            p.memberCount = 2;
            p.firstCount = 1;
            p.secondCount = 2;
            p.capacity = 1024;
            p.members = list;
            p.name = "Mirror";
            p.nameLength = 6;
            return KV_ApiCreateLogicalDevice(&core1, &p, 0, nullptr);
        }
        if (step == "delete 3")
            return KV_ApiDeleteLogicalDevice(&core1, 1, array(3), 0, 1, 0);
        if (step == "no cache on 2")
            return KV_ApiSetLogicalDeviceCache(array(2).text, 0, 0);
        if (step == "read+write cache on 2")
            return KV_ApiSetLogicalDeviceCache(array(2).text, 0xC0000000u, 0);
        if (step == "hide 3")
            return KV_ApiSetLogicalDeviceFlags(array(3).text, 0x2000200, 0);
        if (step == "identify 5")
            return KV_ApiManagePhysicalDevice(&core1, 1, disk(5, 0), 0, 0x4005, 0);
        if (step == "stop identify 5")
            return KV_ApiManagePhysicalDevice(&core1, 1, disk(5, 0), 0, 0x402C, 0);
        if (step == "write cache on 5")
            return KV_ApiManagePhysicalDevice(&core1, 1, disk(5, 0), 0, 0x4000, 0);
        if (step == "global spare 11")
            return KV_ApiManageSpare(&core1, nullptr, 1, disk(11, 1), 1, KV_GlobalSpare, 0);
        if (step == "unspare 8")
            return KV_ApiManageSpare(&core1, nullptr, 1, disk(8, 0), 0, KV_GlobalSpare, 0);
        if (step == "dedicated spare 8 to 1")
            return KV_ApiManageSpare(&core1, array(1).text, 1, disk(8, 0), 1, KV_DedicatedSpare, 0);
        if (step == "initialize 12")
            return KV_ApiInitializePhysicalDevice(&core1, 1, disk(12, 1), 0, 0, 0);
        if (step == "rescan")
            return KV_ApiRescan(&core1, 0);
        if (step == "check 2")
            return KV_ApiCheckLogicalDevice(array(2).text, 1, 0, 0);
        if (step == "stop check 2")
            return KV_ApiCheckLogicalDevice(array(2).text, 0, 0, 0);
        for (auto [name, action] : {std::pair{"pause 2", 0x6000u}, {"resume 2", 0x6001u}})
            if (step == name)
                return KV_ApiTaskControlLogicalDevice(&core1, action, 1, array(2), 0, 0);
        if (step == "tasks run out") {
            clock->advance(emulator->taskDuration() + std::chrono::seconds(1));
            emulator->advanceTasks();
            return KV_STS_SUCCESS;
        }
        if (step == "shut down") {
            emulator->shutDown();
            return KV_STS_SUCCESS;
        }
        // Anything else is a control command: "fail 3", "remove 11", ...
        return emulator->control(step.toStdString()).ok ? KV_STS_SUCCESS : KV_STS_FAILURE;
    }

private slots:
    void cleanupTestCase() { kv::setPlatform(nullptr); }

    void operationsYieldTheirEvents_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("lines");
        const QString p0 = "(0)(0)(0)(0)(0)(0)(0)";
        QTest::addRow("create, its task completes")
            << QStringList{"create RAID1 on 3 4", "tasks run out"}
            << QStringList{"00003: [01] (01037) IN - Config Change. =END= (0)" + p0,
                           "00004: [01] (01138) IN - A create task has been initiated for Array "
                           "6. =END= (6)" +
                               p0,
                           "00005: [01] (01027) IN - A create task has completed for Array 6. "
                           "=END= (6)" +
                               p0};
        QTest::addRow("check paused, resumed, removed")
            << QStringList{"check 2", "pause 2", "resume 2", "stop check 2"}
            << QStringList{
                   "00003: [01] (01141) IN - A check consistency task has been initiated for "
                   "Array 2. =END= (2)" +
                       p0,
                   "00004: [01] (01098) IN - A check consistency task has paused on Array 2. "
                   "=END= (2)" +
                       p0,
                   "00005: [01] (01023) IN - A check consistency task has resumed on Array 2. "
                   "=END= (2)" +
                       p0,
                   "00006: [01] (01103) IN - A check consistency task has been removed on Array "
                   "2. =END= (2)" +
                       p0};
        QTest::addRow("a failed member: critical, the spare rebuilds")
            << QStringList{"fail 3", "tasks run out"}
            << QStringList{
                   "00003: [01] (01013) CR - Drive failed on controller 0 channel 2. =END= "
                   "(0)(2)(0)(0)(0)(0)(0)(0)",
                   "00004: [01] (01015) CR - Array 2 has gone critical. =END= (2)" + p0,
                   "00005: [01] (01139) IN - A rebuild task has been initiated for Array 2. "
                   "=END= (2)" +
                       p0,
                   "00006: [01] (01155) IN - Array 2 removed dedicated spare on controller 0 "
                   "channel 6. =END= (0)(6)(2)(0)(0)(0)(0)(0)",
                   "00007: [01] (01018) WA - A rebuild task has completed on Array 2. =END= (2)" +
                       p0};
        QTest::addRow("a second failure takes the array offline, its rebuild fails")
            << QStringList{"fail 3", "fail 4"}
            << QStringList{"00007: [01] (01013) CR - Drive failed on controller 0 channel 3. "
                           "=END= (0)(3)(0)(0)(0)(0)(0)(0)",
                           "00008: [01] (01016) CR - Array 2 has gone offline. =END= (2)" + p0,
                           "00009: [01] (01019) CR - A rebuild task has failed on Array 2. =END= "
                           "(2)" +
                               p0};
        QTest::addRow("delete, cache, hide")
            << QStringList{"no cache on 2", "read+write cache on 2", "hide 3", "delete 3"}
            << QStringList{"00003: [01] (01036) IN - Array 2 cache policy change to NO CACHE. "
                           "=END= (2)" +
                               p0,
                           "00004: [01] (01067) IN - Array 2 cache policy change to READ/WRITE. "
                           "=END= (2)" +
                               p0,
                           "00005: [01] (01135) IN - Hid Array 3. =END= (3)" + p0,
                           "00006: [01] (01014) IN - Array 3 has been deleted. =END= (3)" + p0};
        QTest::addRow("spares")
            << QStringList{"global spare 11", "unspare 8", "dedicated spare 8 to 1"}
            << QStringList{
                   "00003: [01] (01132) IN - Drive assigned as global spare on controller 1 "
                   "channel 2. =END= (1)(2)(0)(0)(0)(0)(0)(0)",
                   "00004: [01] (01133) IN - Drive removed from global spare list on controller "
                   "0 channel 7. =END= (0)(7)(0)(0)(0)(0)(0)(0)",
                   "00005: [01] (01154) IN - Array 1 assigned dedicated spare on controller 0 "
                   "channel 7. =END= (0)(7)(1)(0)(0)(0)(0)(0)"};
        QTest::addRow("disks: identify, cache, pulled, inserted, S.M.A.R.T., initialized")
            << QStringList{"identify 5",   "stop identify 5",        "write cache on 5",
                           "remove 11",    "insert S5GXNX0T601234M", "smart 5 error",
                           "initialize 12"}
            << QStringList{
                   "00003: [01] (01150) IN - A user request has set identify state for "
                   "controller 0, slot 4. =END= (0)(4)(0)(0)(0)(0)(0)(0)",
                   "00004: [01] (01152) IN - A user request has cleared identify state for "
                   "controller 0, slot 4. =END= (0)(4)(0)(0)(0)(0)(0)(0)",
                   "00005: [01] (01142) IN - Disk write back cache enabled on controller 0 "
                   "channel 4. =END= (0)(4)(0)(0)(0)(0)(0)(0)",
                   "00006: [01] (01043) WA - Device disconnected on controller 1 channel 2. "
                   "=END= (1)(2)(0)(0)(0)(0)(0)(0)",
                   "00007: [01] (01042) IN - Device connected on controller 1 channel 2. =END= "
                   "(1)(2)(0)(0)(0)(0)(0)(0)",
                   "00008: [01] (01061) CR - SMART Device reports THRESHOLD EXCEEDED on "
                   "controller 0 channel 4. =END= (0)(4)(0)(0)(0)(0)(0)(0)",
                   "00009: [01] (01029) VL - Drive Initialized on controller 1 channel 3. =END= "
                   "(1)(3)(0)(0)(0)(0)(0)(0)"};
        QTest::addRow("rescan, bump, shut down with a task")
            << QStringList{"rescan", "bump", "check 2", "shut down"}
            << QStringList{
                   "00003: [01] (01012) IN - Core rescan command received. =END= (0)" + p0,
                   "00004: [01] (01037) IN - Config Change. =END= (0)" + p0,
                   "00005: [01] (01141) IN - A check consistency task has been initiated for "
                   "Array 2. =END= (2)" +
                       p0,
                   "00006: [01] (01108) IN - A check consistency task has shutdown on Array 2. "
                   "=END= (2)" +
                       p0};
    }

    void operationsYieldTheirEvents()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, lines);
        start({kvemu::demoModel(), kvemu::demoModel()});
        for (const QString &step : steps)
            QCOMPARE(run(step), KV_STS(KV_STS_SUCCESS));
        // The expected lines may begin later than sequence 3: they are the
        // newest records.
        uint32_t sequence = 3;
        QStringList got = fetchAll(sequence);
        got = got.mid(std::max<qsizetype>(0, got.size() - lines.size()));
        QCOMPARE(got, lines);
        QCOMPARE(sequence, uint32_t(emulator->events().nextSequence()));
    }

    void sequenceNumbers_data()
    {
        QTest::addColumn<uint32_t>("asked");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("record");
        QTest::addColumn<uint32_t>("next");
        // The fresh log holds 1 (1001) and 2 (1037); the rescan makes 3.
        QTest::addRow("older than the oldest") << 0u << 53 << 1 << 2u;
        QTest::addRow("the message space") << 1u << 53 << 1 << 2u;
        QTest::addRow("the newest") << 3u << 53 << 3 << 4u;
        QTest::addRow("just past the newest") << 4u << 54 << 0 << 4u;
        QTest::addRow("far past the newest") << 100000u << 54 << 0 << 4u;
    }

    void sequenceNumbers()
    {
        QFETCH(uint32_t, asked);
        QFETCH(int, status);
        QFETCH(int, record);
        QFETCH(uint32_t, next);
        start({kvemu::demoModel(), kvemu::demoModel()});
        QCOMPARE(KV_ApiRescan(&core1, 0), KV_STS(KV_STS_SUCCESS));
        const Fetched f = fetch(asked);
        QCOMPARE(int(f.status), status);
        QCOMPARE(asked, next);
        if (record == 0)
            QVERIFY(f.line.isEmpty());
        else
            QVERIFY2(f.line.startsWith(QString::asprintf("%05d: [01] (", record)),
                     qPrintable(f.line));
        if (record == 1)
            QVERIFY(f.line.contains("Initialized messages space, starting message logging."));
    }

    // The log keeps the newest records; a reader behind them gets the oldest.
    void boundOnKeptRecords()
    {
        kvemu::EventLog log = kvemu::EventLog::fresh();
        const size_t extra = 10;
        while (log.nextSequence() <= kvemu::EventLog::Capacity + extra)
            log.add(kvemu::msg::Rescan);
        QCOMPARE(log.records().size(), kvemu::EventLog::Capacity);
        start({kvemu::demoModel(), kvemu::demoModel(), log});
        // The restart appended 1002; the oldest is still the one after the dropped.
        const uint32_t oldest = emulator->events().records().front().sequence;
        QCOMPARE(oldest, uint32_t(extra + 2));
        uint32_t sequence = 3;
        const Fetched f = fetch(sequence);
        QCOMPARE(f.status, KV_STS(KV_STS_VALID_USER_MESSAGE));
        QVERIFY2(f.line.startsWith(QString::asprintf("%05u: [01] (01012)", oldest)),
                 qPrintable(f.line));
        QCOMPARE(sequence, oldest + 1);
    }

    // A batch reads what single fetches read, from the oldest kept record
    // on, through one handle, and stops where it is told to.
    void batchReadsLikeSingleFetches_data()
    {
        QTest::addColumn<uint32_t>("most");
        QTest::addColumn<int>("takenBeforeRefusal"); // -1: take() never refuses
        QTest::addColumn<int>("lines");              // -1: every record kept
        QTest::addColumn<int>("status");
        QTest::addRow("the whole log") << UINT32_MAX << -1 << -1 << 54;
        QTest::addRow("at most five") << 5u << -1 << 5 << 53;
        QTest::addRow("take() refuses the third") << UINT32_MAX << 2 << 3 << 53;
        QTest::addRow("none asked") << 0u << -1 << 0 << 53;
    }

    void batchReadsLikeSingleFetches()
    {
        QFETCH(uint32_t, most);
        QFETCH(int, takenBeforeRefusal);
        QFETCH(int, lines);
        QFETCH(int, status);
        kvemu::EventLog log = kvemu::EventLog::fresh();
        for (int i = 0; i < 9; ++i)
            log.add(kvemu::msg::Rescan);
        start({kvemu::demoModel(), kvemu::demoModel(), log});
        uint32_t single = 0;
        const QStringList all = fetchAll(single);
        QVERIFY(all.size() >= 10);
        if (lines < 0)
            lines = int(all.size());
        const QStringList expected = all.mid(0, lines);

        const size_t sessionsBefore = emulator->sessionCount();
        QStringList read;
        char16_t line[512];
        uint32_t sequence = 0;
        int opens = 0;
        platform->opened = &opens;
        const KV_STS got =
            KV_ApiGetUserMessages(&core1, line, 512, &sequence, 0, most, [&]() -> bool {
                read << QString::fromUtf16(line).chopped(1);
                return int(read.size()) != takenBeforeRefusal + 1;
            });
        platform->opened = nullptr;
        QCOMPARE(int(got), status);
        QCOMPARE(read, expected);
        QCOMPARE(opens, lines > 0 ? 1 : 0);
        QCOMPARE(emulator->sessionCount(), sessionsBefore); // the handle was closed
        // The sequence goes on after the last line read, as single fetches'.
        uint32_t after = 0;
        for (int i = 0; i < lines; ++i)
            fetch(after);
        if (lines > 0)
            QCOMPARE(sequence, after);
    }

    // Saved with the configuration, found again after a restart (1002).
    void logSurvivesSaveAndLoad()
    {
        QTemporaryDir dir;
        const std::string path = dir.filePath("state.kvemu").toStdString();
        auto clock = std::make_shared<kvemu::ManualClock>();
        kvemu::EventLog before;
        {
            kvemu::Emulator first({kvemu::demoModel(), kvemu::demoModel()}, clock, path);
            QVERIFY(first.control("fail 3").ok);
            before = first.events();
        }
        kvemu::StoredState loaded;
        std::string error;
        QCOMPARE(int(kvemu::statefile::load(path, loaded, error)),
                 int(kvemu::statefile::LoadResult::Loaded));
        QCOMPARE(loaded.events, before);
        start(std::move(loaded));
        uint32_t sequence = 0;
        const QStringList lines = fetchAll(sequence);
        QCOMPARE(lines.size(), qsizetype(before.records().size() + 2));
        QVERIFY(lines[qsizetype(before.records().size())].contains(
            "(01002) IN - Found message space, starting message logging from last entry."));
        QVERIFY(lines.last().contains("A rebuild task has resumed on Array 2."));
    }

    // A waiting fetch polls; another thread's operation makes the event.
    void waitingFetchWakesOnAnotherClientsEvent()
    {
        start({kvemu::demoModel(), kvemu::demoModel()});
        uint32_t sequence = 3;
        Fetched waited{};
        std::atomic<bool> done{false};
        std::thread waiter([&] {
            waited = fetch(sequence, 1);
            done = true;
        });
        // Until the waiter has polled twice and found nothing (bounded, should
        // the fetch not wait at all).
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (platform->sleeps < 2 && !done && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        const bool returnedEarly = done;
        const KV_STS rescan = KV_ApiRescan(&core1, 0);
        waiter.join();
        QVERIFY2(!returnedEarly, "the fetch returned before any event");
        QCOMPARE(rescan, KV_STS(KV_STS_SUCCESS));
        QCOMPARE(waited.status, KV_STS(KV_STS_VALID_USER_MESSAGE));
        QVERIFY2(waited.line.startsWith("00003: [01] (01012) IN - Core rescan command received."),
                 qPrintable(waited.line));
        QCOMPARE(sequence, 4u);
    }
};

QTEST_GUILESS_MAIN(TestEmulatorEvents)
#include "tst_emulator_events.moc"
