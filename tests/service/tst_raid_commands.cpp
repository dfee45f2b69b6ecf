// The service's array and disk commands against the emulator's demo: their
// preconditions (nothing is sent when one fails) and their effect.
#include "api_worker.h"
#include "demo_config.h"
#include "emulator.h"
#include "kv_inprocess_platform.h"
#include "kv_raid_api.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <optional>

class TestRaidCommands : public QObject {
    Q_OBJECT

    std::shared_ptr<kvemu::Emulator> emulator;
    std::unique_ptr<KV_RaidApi> api;

    std::optional<kvemu::LogicalDevice> array(int route)
    {
        for (const auto &a : emulator->model().arrays)
            if (a.deviceRoute == route)
                return a;
        return std::nullopt;
    }
    std::optional<kvemu::PhysicalDisk> disk(int route)
    {
        for (const auto &d : emulator->model().disks)
            if (d.deviceRoute == route)
                return d;
        return std::nullopt;
    }
    // Starts a consistency check on array 2 ("Data", RAID5).
    void startCheck()
    {
        QVERIFY(api->SetConsistencyCheck(2, true));
        api->Refresh();
        QVERIFY(api->ArrayTaskActive(2));
    }

private slots:
    void init()
    {
        emulator = std::make_shared<kvemu::Emulator>(
            kvemu::StoredState{kvemu::demoModel(), kvemu::demoModel()},
            std::make_shared<kvemu::ManualClock>());
        kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator));
        api = std::make_unique<KV_RaidApi>();
    }
    void cleanup() { api.reset(); }
    void cleanupTestCase() { kv::setPlatform(nullptr); }

    void controlTask()
    {
        startCheck();
        const uint64_t generation = emulator->generation();
        QVERIFY(!api->ControlTask(2, "resume")); // running, not paused: nothing sent
        QVERIFY(!api->ControlTask(2, "stop"));
        QCOMPARE(emulator->generation(), generation);
        QVERIFY(api->ControlTask(2, "pause"));
        api->Refresh();
        QVERIFY(!api->ControlTask(2, "pause"));
        QVERIFY(api->ControlTask(2, "resume"));
        api->Refresh();
        QVERIFY(api->ControlTask(2, "remove"));
        QCOMPARE(array(2)->transformType, 0u);
        QVERIFY(!api->ControlTask(2, "pause")); // no task left
    }

    void noRemovalDuringTransform()
    {
        emulator->change([](kvemu::Model &m) {
            m.arrays[2].transformType = 0x5354;
            m.arrays[2].transformState = 0xA1A1;
        });
        api->Refresh();
        const uint64_t generation = emulator->generation();
        QVERIFY(!api->ControlTask(3, "remove"));
        QCOMPARE(emulator->generation(), generation);
    }

    void taskPriority_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<uint>("sent");
        QTest::addRow("1") << 1 << 99u;
        QTest::addRow("5") << 5 << 60u;
        QTest::addRow("10") << 10 << 1u;
        QTest::addRow("11") << 11 << 1u;
    }
    void taskPriority()
    {
        QFETCH(int, level);
        QFETCH(uint, sent);
        QVERIFY(!api->SetTaskPriority(2, level)); // no task yet
        startCheck();
        QVERIFY(api->SetTaskPriority(2, level));
        QCOMPARE(array(2)->taskPriority, sent);
    }

    // The pass-through array's disk is initialized before the delete, and
    // that alone makes the command succeed.
    void deleteRaidable()
    {
        QVERIFY(api->DeleteArray(5));
        QVERIFY(!array(5));
        QCOMPARE(disk(14)->type, 0x1200u);
        QVERIFY(!api->DeleteArray(1)); // it carries the system drive
        QVERIFY(array(1));
    }

    void hideAndShow()
    {
        const uint64_t generation = emulator->generation();
        QCOMPARE(api->HideArray(1, false), -1); // the system array
        QCOMPARE(emulator->generation(), generation);
        QCOMPARE(api->HideArray(3, false), 1);
        QCOMPARE(array(3)->attributes & 0x200, 0x200);
        QCOMPARE(api->HideArray(3, false), -1); // already hidden
        QCOMPARE(api->UnhideArray(3), 1);
        QCOMPARE(array(3)->attributes & 0x200, 0);
    }

    void arraySettings()
    {
        QVERIFY(api->RenameArray(2, QStringLiteral("Archive")));
        QCOMPARE(array(2)->name, std::string("Archive"));
        QVERIFY(api->SetArrayCache(2, QStringLiteral("RW")));
        QCOMPARE(array(2)->cacheAttribute, 0xC0000000u);
        QVERIFY(api->SetBackgroundScan(2, true));
        QVERIFY(api->RemoveAllSpares(2));
        QVERIFY(array(2)->spares.empty());
        startCheck();
        QVERIFY(!api->RenameArray(2, QStringLiteral("Busy"))); // a task runs
        QVERIFY(!api->RemoveAllSpares(2));                     // sent, but a task runs
    }

    void spares()
    {
        QVERIFY(api->DiskIsDedicatedSpareOf(2, 7));
        QVERIFY(api->DiskIsDedicatedSpare(7));
        QVERIFY(!api->DiskIsDedicatedSpareOf(1, 7));
        QVERIFY(!api->AssignGlobalSpare(7));       // dedicated already
        QVERIFY(!api->CanBeDedicatedSpare(2, 8));  // a global spare
        QVERIFY(!api->CanBeDedicatedSpare(2, 11)); // too small for the 4 TB members
        QVERIFY(api->AssignGlobalSpare(11));
        api->Refresh();
        QVERIFY(api->DiskIsGlobalSpare(11));
        QVERIFY(api->RemoveGlobalSpare(11));
        QVERIFY(!disk(11)->globalSpare);
        QVERIFY(api->RemoveDedicatedSpare(2, 7));
        QVERIFY(array(2)->spares.empty());
    }

    void initializeDisks()
    {
        KV_InitDisks init;
        init.diskIds[0] = 12; // a new disk, type Unknown
        init.diskIds[1] = 1;  // a member of the system mirror: not eligible
        init.count = 2;
        QCOMPARE(api->InitializeDisks(init), 1);
        QCOMPARE(disk(12)->type, 0x1200u);
        QCOMPARE(disk(1)->type, 0x1200u);
        api->Refresh();
        init.mode = 1; // clear its metadata again
        QCOMPARE(api->InitializeDisks(init), 1);
        QCOMPARE(disk(12)->type, 0u);
        api->Refresh();
        init.count = 1;
        QCOMPARE(api->InitializeDisks(init), 0); // an Unknown disk has none to clear
    }

    void diskOptions()
    {
        KV_DiskOptions nvmeOnly;
        nvmeOnly.diskIds[0] = 9;
        nvmeOnly.diskIds[1] = 10;
        nvmeOnly.count = 2;
        nvmeOnly.writeCacheOn = 1;
        QVERIFY(!api->SetDiskCacheOptions(nvmeOnly));
        QCOMPARE(disk(9)->features & 0x400000, 0u);
        KV_DiskOptions hdd = nvmeOnly;
        hdd.diskIds[1] = 3;
        hdd.readAheadOn = 1;
        QVERIFY(api->SetDiskCacheOptions(hdd));
        QCOMPARE(disk(3)->features & 0x1400000, 0x1400000u);
        QCOMPARE(disk(9)->features & 0x400000, 0u);
        QVERIFY(api->SetDiskSmartPolling(hdd)); // polling switched off
        QCOMPARE(disk(3)->features & 0x4, 0u);
        hdd.diskIds[2] = 99;
        hdd.count = 3;
        QVERIFY(!api->SetDiskSmartPolling(hdd));
    }

    void identify()
    {
        QVERIFY(api->IdentifyDisk(3, true));
        QCOMPARE(disk(3)->identify, 1u);
        QVERIFY(api->IdentifyArray(2, true, 2));
        QCOMPARE(disk(4)->identify, 3u); // 1 + the pattern
        QVERIFY(api->IdentifyArray(2, false, 0));
        QCOMPARE(disk(3)->identify, 0u);
        QVERIFY(!api->IdentifyDisk(0, true)); // the core's own record
    }

    // The worker's delete of several arrays tells of each in list order,
    // refused ones included, then that it is done.
    void workerDeletes_data()
    {
        QTest::addColumn<QList<uint>>("routes");
        QTest::addRow("none") << QList<uint>{};
        QTest::addRow("three, one refused") << QList<uint>{3, 1, 5};
    }
    void workerDeletes()
    {
        QFETCH(QList<uint>, routes);
        QList<uint> told;
        uint finished = 0;
        const QPointer<QThread> thread = KV_RunOnWorkerThread(
            [routes](ApiWorker *worker) { worker->AsyncDeleteArray(routes); },
            &ApiWorker::arrayFinishedDeleting, this, [&](uint status) { finished = status; });
        QTRY_COMPARE_WITH_TIMEOUT(finished, 1u, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(thread.isNull(), 10000);
        QCOMPARE(bool(array(3)), !routes.contains(3));
        QVERIFY(array(1)); // the system array stays
        QCOMPARE(bool(array(5)), !routes.contains(5));

        // The same in this thread, to see every signal in order.
        ApiWorker worker;
        QSignalSpy deleted(&worker, &ApiWorker::arrayDeleted);
        QSignalSpy done(&worker, &ApiWorker::arrayFinishedDeleting);
        worker.AsyncDeleteArray(routes);
        for (const auto &signal : deleted)
            told << signal[0].toUInt();
        QCOMPARE(told, routes);
        QCOMPARE(done.count(), 1);
        QCOMPARE(done[0][0].toUInt(), 1u);
    }

    void workerRescanAlwaysFinishes()
    {
        ApiWorker worker;
        QSignalSpy finished(&worker, &ApiWorker::rescanFinished);
        QVERIFY(emulator->control("fault fail 20").ok); // the core refuses
        worker.AsyncRescan();
        QCOMPARE(finished.count(), 1);
    }

    void queries()
    {
        QVERIFY(api->DiskInSystemArray(1));
        QVERIFY(!api->DiskInSystemArray(3));
        QVERIFY(api->MixesDriveKinds(2, 11));
        QVERIFY(!api->MixesDriveKinds(2, 8));
        QVERIFY(!api->ArrayHasSharedDisks(2));
        QVERIFY(api->DiskFeature4(3));
        QVERIFY(!api->DiskFeature4(99));
        QVERIFY(KV_RaidApi::StateIsSmartError("SMART_Error"));
        QVERIFY(!KV_RaidApi::StateIsSmartError("SMART_ERROR"));
        QVERIFY(!api->ArrayIsInTierPair(2));
        QVERIFY(api->Rescan());
    }
};

QTEST_GUILESS_MAIN(TestRaidCommands)
#include "tst_raid_commands.moc"
