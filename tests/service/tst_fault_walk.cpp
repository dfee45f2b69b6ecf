// Every service command the window uses, walked over one transfer fault at
// a time: the Nth transfer of the command (of any kind: open, read, write,
// query, host frame) fails, for N = 1, 2, ... until the command ends before
// its Nth transfer. For each N the command either did what it answers or
// answers a failure and changed nothing; the system array is never touched.
#include "demo_config.h"
#include "emulator.h"
#include "kv_inprocess_platform.h"
#include "kv_raid_api.h"

#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <functional>
#include <optional>

namespace {

// The demo host, with waits that pass at once.
struct Host : kvemu::InProcessPlatform {
    using InProcessPlatform::InProcessPlatform;
    void sleep(uint32_t) override {}
};

using kvemu::Model;

const kvemu::LogicalDevice *arrayOf(const Model &m, int route)
{
    for (const auto &a : m.arrays)
        if (a.deviceRoute == route)
            return &a;
    return nullptr;
}

const kvemu::PhysicalDisk *diskOf(const Model &m, int route)
{
    for (const auto &d : m.disks)
        if (d.deviceRoute == route)
            return &d;
    return nullptr;
}

// The model without the generation numbers that every change moves.
Model withoutGenerations(Model m)
{
    m.generation = 0;
    for (auto &a : m.arrays)
        a.generation = 0;
    return m;
}

KV_Create members(const QString &type, const QList<int> &disks, int capacityMB)
{
    KV_Create p;
    p.type = type;
    p.capacityMB = capacityMB;
    p.cacheMode = QStringLiteral("NC");
    for (int i = 0; i < disks.size(); ++i)
        p.memberIds[i] = disks[i];
    p.memberCount = int(disks.size());
    return p;
}

// One command of the window: what it runs (true: it answers success) and
// whether the model shows it done. `prepare` runs before the fault is armed.
// `manyOpens`: the command opens every volume and disk device several times
// over (hundreds of opens); the suite walks its other transfers, kind by
// kind, and leaves the opens to the long walk.
struct Command {
    const char *name;
    std::function<bool(KV_RaidApi &, int prepared)> run;
    std::function<bool(const Model &)> done;
    std::function<int(KV_RaidApi &)> prepare = [](KV_RaidApi &) { return 0; };
    bool manyOpens = false;
};

const KV_Create growScratch = members(QStringLiteral("RAID0"), {9, 10, 11}, 0);

const Command commands[] = {
    {"create",
     [](KV_RaidApi &api, int) {
         return api.CreateArray(members(QStringLiteral("RAID1"), {3, 4}, 1000), false) == 1;
     },
     [](const Model &m) { return arrayOf(m, 6) != nullptr; }},
    {"transform",
     [](KV_RaidApi &api, int largest) {
         KV_Create grow = growScratch;
         grow.capacityMB = largest;
         return api.TransformArray(grow, 3, false) == 1;
     },
     [](const Model &m) { return arrayOf(m, 3)->transformType == kvemu::rec::TaskTransform; },
     [](KV_RaidApi &api) { return api.TransformArray(growScratch, 3, true); }},
    {"delete", [](KV_RaidApi &api, int) { return api.DeleteArray(3); },
     [](const Model &m) { return arrayOf(m, 3) == nullptr; }},
    {"delete system", [](KV_RaidApi &api, int) { return api.DeleteArray(1); },
     [](const Model &m) { return arrayOf(m, 1) == nullptr; }},
    {"secure erase", [](KV_RaidApi &api, int) { return api.SecureEraseArray(3) == 1; },
     [](const Model &m) { return arrayOf(m, 3)->transformType == kvemu::rec::TaskSecureErase; }},
    {"secure erase system", [](KV_RaidApi &api, int) { return api.SecureEraseArray(1) == 1; },
     [](const Model &m) { return arrayOf(m, 1)->transformType == kvemu::rec::TaskSecureErase; }},
    {"hide", [](KV_RaidApi &api, int) { return api.HideArray(5, false) == 1; },
     [](const Model &m) { return (arrayOf(m, 5)->attributes & kvemu::rec::AttrNoOsDisk) != 0; }},
    {"hide system", [](KV_RaidApi &api, int) { return api.HideArray(1, false) == 1; },
     [](const Model &m) { return (arrayOf(m, 1)->attributes & kvemu::rec::AttrNoOsDisk) != 0; }},
    {"rename", [](KV_RaidApi &api, int) { return api.RenameArray(2, QStringLiteral("Vault")); },
     [](const Model &m) { return arrayOf(m, 2)->name == "Vault"; }},
    {"global spare", [](KV_RaidApi &api, int) { return api.AssignGlobalSpare(11); },
     [](const Model &m) { return diskOf(m, 11)->globalSpare; }},
    {"remove dedicated spare", [](KV_RaidApi &api, int) { return api.RemoveDedicatedSpare(2, 7); },
     [](const Model &m) { return arrayOf(m, 2)->spares.empty(); }},
    {"initialize",
     [](KV_RaidApi &api, int) {
         KV_InitDisks disks;
         disks.diskIds[0] = 12;
         disks.count = 1;
         return api.InitializeDisks(disks) == 1;
     },
     [](const Model &m) { return diskOf(m, 12)->type == kvemu::rec::DiskTypeDisk; }},
    {"prepare to remove",
     [](KV_RaidApi &api, int) { return api.PrepareArrayForRemoval(3) == KV_PrepRemoveOffline; },
     [](const Model &m) { return arrayOf(m, 3)->state == kvemu::rec::ArrayOffline; },
     [](KV_RaidApi &) { return 0; }, true},
    {"prepare to remove system",
     [](KV_RaidApi &api, int) { return api.PrepareArrayForRemoval(1) == KV_PrepRemoveOffline; },
     [](const Model &m) {
         return arrayOf(m, 1)->state == kvemu::rec::ArrayOffline ||
                (arrayOf(m, 1)->attributes & kvemu::rec::AttrNoOsDisk) != 0;
     },
     [](KV_RaidApi &) { return 0; }, true},
};

// The faults a walk injects: the Nth transfer of any kind fails (of each
// kind but opens, for a command with many opens). With
// VELMORA_FAULT_WALK=long in the environment (scripts/fault-walk.sh) also
// each kind on its own failing, timing out (a stall its caller gave up on)
// and stalling for a moment, and any kind timing out.
struct Fault {
    kvemu::TransferKind kind = kvemu::TransferKind::Any;
    std::optional<std::chrono::milliseconds> stall;
    QString name() const
    {
        return QString::fromLatin1(kvemu::transferKindName(kind)) +
               (!stall                ? QStringLiteral(" fails")
                : stall->count() == 0 ? QStringLiteral(" times out")
                                      : QStringLiteral(" stalls"));
    }
};

QList<Fault> faults(bool manyOpens = false)
{
    using namespace std::chrono_literals;
    const bool longWalk = qgetenv("VELMORA_FAULT_WALK") == "long";
    if (manyOpens && !longWalk)
        return {{kvemu::TransferKind::Read, std::nullopt},
                {kvemu::TransferKind::Write, std::nullopt},
                {kvemu::TransferKind::Query, std::nullopt},
                {kvemu::TransferKind::Host, std::nullopt}};
    QList<Fault> list{{kvemu::TransferKind::Any, std::nullopt}};
    if (!longWalk)
        return list;
    list.append({kvemu::TransferKind::Any, 0ms});
    for (const auto kind :
         {kvemu::TransferKind::Open, kvemu::TransferKind::Read, kvemu::TransferKind::Write,
          kvemu::TransferKind::Query, kvemu::TransferKind::Host})
        for (const auto stall : {std::optional<std::chrono::milliseconds>{},
                                 std::optional<std::chrono::milliseconds>{0ms},
                                 std::optional<std::chrono::milliseconds>{2ms}})
            list.append({kind, stall});
    return list;
}

} // namespace

Q_DECLARE_METATYPE(Fault)

class TestFaultWalk : public QObject {
    Q_OBJECT

    std::shared_ptr<kvemu::Emulator> emulator;
    std::unique_ptr<KV_RaidApi> api;
    QTemporaryDir dir;

    // A fresh demo and a service that has read it, without faults.
    void start()
    {
        api.reset();
        emulator = std::make_shared<kvemu::Emulator>(
            kvemu::StoredState{kvemu::demoModel(), kvemu::demoModel()},
            std::make_shared<kvemu::ManualClock>());
        kv::setPlatform(std::make_shared<Host>(emulator));
        api = std::make_unique<KV_RaidApi>();
        api->SetLogPath(dir.filePath(QStringLiteral("Velmora.log")));
    }

    // For N = 1, 2, ...: a fresh demo, then `step(arm)`, which calls `arm()`
    // to make the Nth transfer of the row's fault kind go wrong, then
    // `check(n)`; until the step ends before its Nth transfer.
    template <typename Step, typename Check> void walk(Step step, Check check)
    {
        QFETCH(Fault, fault);
        for (uint32_t n = 1;; ++n) {
            QVERIFY2(n < 2000, "the walk does not end");
            start();
            step([&] { emulator->injectCountdown(fault.kind, n, fault.stall); });
            const bool ended = emulator->countdownRemaining() != 0;
            emulator->clearFaults();
            check(QStringLiteral("%1 %2").arg(fault.name()).arg(n));
            if (QTest::currentTestFailed() || ended)
                return;
        }
    }

    static void faultRows()
    {
        QTest::addColumn<Fault>("fault");
        for (const Fault &fault : faults())
            QTest::addRow("%s", qPrintable(fault.name())) << fault;
    }

private slots:
    void cleanupTestCase()
    {
        api.reset();
        kv::setPlatform(nullptr);
    }

    void commandAnswersWhatHappened_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<Fault>("fault");
        for (size_t i = 0; i < std::size(commands); ++i)
            for (const Fault &fault : faults(commands[i].manyOpens))
                QTest::addRow("%s, %s", commands[i].name, qPrintable(fault.name()))
                    << int(i) << fault;
    }
    void commandAnswersWhatHappened()
    {
        QFETCH(int, command);
        const Command &c = commands[command];
        Model before;
        bool answered = false;
        walk(
            [&](auto arm) {
                const int prepared = c.prepare(*api);
                before = emulator->model();
                arm();
                answered = c.run(*api, prepared);
            },
            [&](const QString &at) {
                const Model after = emulator->model();
                QVERIFY2(answered == c.done(after),
                         qPrintable(at + (answered ? ": false success" : ": false failure")));
                if (!answered)
                    QVERIFY2(withoutGenerations(after) == withoutGenerations(before),
                             qPrintable(at + ": refused, yet the model changed"));
                const kvemu::LogicalDevice *system = arrayOf(after, 1);
                QVERIFY2(system && system->state == kvemu::rec::ArrayNormal &&
                             !system->taskActive() &&
                             !(system->attributes & kvemu::rec::AttrNoOsDisk),
                         qPrintable(at + ": the system array was touched"));
            });
    }

    // A refresh that could not read the configuration keeps the last good
    // one: the lists never go blank.
    void refreshKeepsTheLastGoodSnapshot_data() { faultRows(); }
    void refreshKeepsTheLastGoodSnapshot()
    {
        int result = 0, arrays = 0, disks = 0;
        walk(
            [&](auto arm) {
                arrays = api->GetArrayCount();
                disks = api->GetDiskCount();
                arm();
                result = api->Refresh();
            },
            [&](const QString &at) {
                QVERIFY2(arrays == 5 && api->GetArrayCount() == arrays &&
                             api->GetDiskCount() == disks,
                         qPrintable(QStringLiteral("%1: %2 arrays, %3 disks, refresh answered %4")
                                        .arg(at)
                                        .arg(api->GetArrayCount())
                                        .arg(api->GetDiskCount())
                                        .arg(result)));
            });
    }

    // The disk list's S.M.A.R.T. values are the disk's or none, never made
    // of a failed read.
    void smartValuesAreTheDisksOrNone_data() { faultRows(); }
    void smartValuesAreTheDisksOrNone()
    {
        start();
        const KV_SmartInfo clean = api->GetSmartInfo(5);
        QVERIFY(!clean.powerOnHours.isEmpty());
        KV_SmartInfo info;
        walk(
            [&](auto arm) {
                arm();
                info = api->GetSmartInfo(5);
            },
            [&](const QString &at) {
                const bool none = info.powerOnHours.isEmpty() && info.temperature.isEmpty() &&
                                  info.powerCycles.isEmpty();
                const bool same = info.powerOnHours == clean.powerOnHours &&
                                  info.temperature == clean.temperature &&
                                  info.powerCycles == clean.powerCycles;
                QVERIFY2(none || same,
                         qPrintable(at + QStringLiteral(": hours '%1'").arg(info.powerOnHours)));
            });
    }
};

QTEST_GUILESS_MAIN(TestFaultWalk)
#include "tst_fault_walk.moc"
