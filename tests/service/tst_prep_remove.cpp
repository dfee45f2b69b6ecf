// Prepare-to-remove against the emulator's demo host: each result code, what
// the command leaves behind, its log lines, and the worker's operation.
#include "api_worker.h"
#include "demo_config.h"
#include "emulator.h"
#include "kv_inprocess_platform.h"
#include "kv_raid_api.h"

#include <QFile>
#include <QMetaMethod>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <optional>

namespace {

// The demo host, with waits that pass at once and, on request, no disk
// device to be found.
struct Host : kvemu::InProcessPlatform {
    using InProcessPlatform::InProcessPlatform;
    bool noDiskDevices = false;
    uint32_t diskInterfaces(std::vector<kv::DiskInterface> *out) override
    {
        if (!noDiskDevices)
            return InProcessPlatform::diskInterfaces(out);
        out->clear();
        return kv::winerr::Success;
    }
    void sleep(uint32_t) override {}
};

enum Setup {
    Plain,
    SharedMember,
    TaskRunning,
    Busy,
    VolumeInUse,
    NoDevice,
    Vetoes,
    OfflineRefused
};

} // namespace

class TestPrepRemove : public QObject {
    Q_OBJECT

    std::shared_ptr<kvemu::Emulator> emulator;
    std::shared_ptr<Host> host;
    std::unique_ptr<KV_RaidApi> api;
    QTemporaryDir dir;

    std::optional<kvemu::LogicalDevice> array(int route)
    {
        for (const auto &a : emulator->model().arrays)
            if (a.deviceRoute == route)
                return a;
        return std::nullopt;
    }
    const kvemu::PhysicalDisk &disk(const kvemu::Model &m, int route)
    {
        return *std::find_if(m.disks.begin(), m.disks.end(),
                             [route](const auto &d) { return d.deviceRoute == route; });
    }
    QStringList logLines()
    {
        QFile file(api->LogPath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLocal8Bit(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private slots:
    void init()
    {
        emulator = std::make_shared<kvemu::Emulator>(
            kvemu::StoredState{kvemu::demoModel(), kvemu::demoModel()},
            std::make_shared<kvemu::ManualClock>());
        host = std::make_shared<Host>(emulator);
        kv::setPlatform(host);
        api = std::make_unique<KV_RaidApi>();
        const QString log = dir.filePath(QStringLiteral("Velmora.log"));
        QFile::remove(log);
        api->SetLogPath(log);
    }
    void cleanup() { api.reset(); }
    void cleanupTestCase() { kv::setPlatform(nullptr); }

    void resultCodes_data()
    {
        QTest::addColumn<int>("setup");
        QTest::addColumn<int>("arrayId");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("hiddenAfter");
        QTest::addColumn<bool>("offlineAfter");
        QTest::addColumn<QStringList>("log");
        const QString vetoed = QStringLiteral("Request Windows device eject - Attempt %1 "
                                              "unsuccessful. Vetoed by:SCSI\\Disk&Ven_OXV-RAID&"
                                              "Prod_Array_2\\4&2c1f0a02&0&010200");
        const QString unable = QStringLiteral("Unable to complete optional Windows device eject "
                                              "call - continuing prepare to remove operation.");
        const QString success = QStringLiteral("Success! Completed Windows device eject.");
        QTest::addRow("taken offline")
            << int(Plain) << 2 << 1 << true << true << QStringList{success};
        QTest::addRow("shared member")
            << int(SharedMember) << 2 << -9 << false << false << QStringList{};
        QTest::addRow("system array") << int(Plain) << 1 << 3 << false << false << QStringList{};
        QTest::addRow("active task")
            << int(TaskRunning) << 2 << 3 << false << false << QStringList{};
        QTest::addRow("busy") << int(Busy) << 2 << 3 << false << false << QStringList{};
        QTest::addRow("volume in use")
            << int(VolumeInUse) << 2 << -10 << false << false
            << QStringList{QStringLiteral("DeviceIoControl - unable to complete "
                                          "FSCTL_LOCK_VOLUME. Device likely in use.")};
        QTest::addRow("no matching device")
            << int(NoDevice) << 2 << -100 << false << false
            << QStringList{QStringLiteral("Failed to FindMatchingDeviceInstance(): D")};
        QTest::addRow("three vetoes, the rest goes on")
            << int(Vetoes) << 2 << 1 << true << true
            << QStringList{vetoed.arg(1), vetoed.arg(2), vetoed.arg(3), unable};
        QTest::addRow("offline refused, shown again")
            << int(OfflineRefused) << 2 << 3 << false << false << QStringList{success};
        // Neither has a volume: no lock, no eject.
        QTest::addRow("legacy, not hidden")
            << int(Plain) << 4 << 1 << false << true << QStringList{};
        QTest::addRow("no drive letter") << int(Plain) << 5 << 1 << true << true << QStringList{};
        QTest::addRow("no such array") << int(Plain) << 9 << 3 << false << false << QStringList{};
    }
    void resultCodes()
    {
        QFETCH(int, setup);
        QFETCH(int, arrayId);
        QFETCH(int, result);
        QFETCH(bool, hiddenAfter);
        QFETCH(bool, offlineAfter);
        QFETCH(QStringList, log);
        switch (Setup(setup)) {
        case SharedMember: // a VOLUME array on the free space of disk 3, a member of array 2
            QCOMPARE(emulator->change([this](kvemu::Model &m) {
                const kvemu::PhysicalDisk &d = disk(m, 3);
                const uint64_t start = m.freeExtents(d).front().first, size = 2048 * 1024;
                kvemu::LogicalDevice a = m.arrays[4];
                a.id = 0x4B56A00000000006;
                a.deviceRoute = 6;
                a.name = "Shared";
                a.typeCode = kvemu::rec::TypeVolume;
                a.capacity = size;
                a.elements = {{d.id, 0, start, size, 0, size, 0}};
                m.arrays.push_back(a);
            }),
                     std::string());
            break;
        case TaskRunning:
            QVERIFY(api->SetConsistencyCheck(2, true));
            break;
        case Busy:
            QCOMPARE(emulator->change([](kvemu::Model &m) { m.arrays[1].referenceCount = 1; }),
                     std::string());
            break;
        case VolumeInUse:
            QVERIFY(emulator->control("volume D busy").ok);
            break;
        case NoDevice:
            host->noDiskDevices = true;
            break;
        case Vetoes:
            QVERIFY(emulator->control("fault veto 3").ok);
            break;
        case OfflineRefused:
            QVERIFY(emulator->control("fault refuse 17").ok);
            break;
        case Plain:
            break;
        }
        const uint64_t generation = emulator->generation();
        const std::optional<kvemu::LogicalDevice> before = array(arrayId);

        QCOMPARE(api->PrepareArrayForRemoval(arrayId), result);

        const std::optional<kvemu::LogicalDevice> after = array(arrayId);
        if (!before) {
            QCOMPARE(emulator->generation(), generation);
            return;
        }
        QCOMPARE(bool(after->attributes & kvemu::rec::AttrNoOsDisk), hiddenAfter);
        QCOMPARE(after->state == kvemu::rec::ArrayOffline, offlineAfter);
        if (result != 1) // a refusal leaves no attribute behind (prepared for removal either)
            QCOMPARE(after->attributes, before->attributes);
        // A refusal before the hide sends nothing to the driver.
        const bool sendsNothing = result < 0 || (result == 3 && setup != OfflineRefused);
        QCOMPARE(emulator->generation() == generation, sendsNothing);
        const QStringList lines = logLines();
        for (const QString &line : log)
            QVERIFY2(lines.contains(line), qPrintable(line + " not in:\n" + lines.join('\n')));
        const QString success = QStringLiteral("Success! Completed Windows device eject.");
        QCOMPARE(lines.contains(success), log.contains(success));
        QCOMPARE(lines.filter(QStringLiteral("Vetoed by:")).size(), setup == Vetoes ? 3 : 0);
    }

    // The backplane disks of array 2 have informed hot swap: they are lit
    // and told of their removal; array 3's NVMe disks are not.
    void memberDisksAreTold()
    {
        QCOMPARE(api->PrepareArrayForRemoval(2), 1);
        QCOMPARE(api->PrepareArrayForRemoval(3), 1);
        const kvemu::Model m = emulator->model();
        for (int route : {3, 4, 5, 6}) {
            QVERIFY(disk(m, route).preparedForRemoval);
            QCOMPARE(disk(m, route).identify, 1u);
        }
        QVERIFY(!disk(m, 7).preparedForRemoval); // the dedicated spare is no member
        for (int route : {9, 10})
            QVERIFY(!disk(m, route).preparedForRemoval);
    }

    // Two vetoes, then the third attempt ejects.
    void ejectSucceedsOnTheThirdAttempt()
    {
        QVERIFY(emulator->control("fault veto 2").ok);
        QCOMPARE(api->EjectVolumeDevice('E'), 1);
        const QStringList lines = logLines();
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[1].startsWith(QStringLiteral("Request Windows device eject - Attempt 2 ")));
        QCOMPARE(lines[2], QStringLiteral("Success! Completed Windows device eject."));
    }

    // A volume whose device number cannot be read names no device: every
    // attempt fails and the caller goes on.
    void ejectWithoutDeviceNumber()
    {
        QCOMPARE(api->EjectVolumeDevice('Q'), -101);
        const QStringList lines = logLines();
        QCOMPARE(lines.filter(QStringLiteral("Failed to open volume: 2")).size(), 1);
        QCOMPARE(lines.filter(QStringLiteral("unsuccessful.")).size(), 3);
        QVERIFY(lines.last().startsWith(QStringLiteral("Unable to complete optional")));
    }

    void lockedVolumeStaysLockedForOthers()
    {
        const auto volume = host->open("\\\\.\\D:", 3, 3, 0);
        uint32_t returned = 0;
        QCOMPARE(
            volume->deviceIoControl(kv::ioctl::FsctlLockVolume, nullptr, 0, nullptr, 0, &returned),
            kv::winerr::Success);
        QVERIFY(!api->LockAndDismountvolume('D'));
        QCOMPARE(api->PrepareArrayForRemoval(2), -10);
    }

    void deviceNumbersMatch()
    {
        KV_StorageDeviceNumber number;
        QVERIFY(api->GetVolumeDeviceNumber('D', &number));
        quint32 device = 0;
        QVERIFY(api->FindMatchingDeviceInstance(number, &device));
        QCOMPARE(device, 0x202u); // array 2
        number.deviceNumber = 42;
        QVERIFY(!api->FindMatchingDeviceInstance(number, &device));
    }

    // The worker's order of signals and slots is fixed: callers connect by
    // index as well as by name.
    void workerMetaMethods()
    {
        const QMetaObject &meta = ApiWorker::staticMetaObject;
        QStringList methods;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
            methods << QString::fromLatin1(meta.method(i).methodSignature());
        QCOMPARE(methods,
                 (QStringList{"arrayFinishedDeleting(uint)", "arrayDeleted(uint)",
                              "prepRemoveFinished(int,uint)", "rescanFinished()",
                              "deleteSingleArrayFinished()", "secureEraseFinished()",
                              "fullRefreshReady(RaidDataBundle)", "AsyncDeleteArray(QList<uint>)",
                              "AsyncDeleteSingleArray(int)", "AsyncSecureErase(int)",
                              "AsyncPrepRemove(int)", "AsyncRescan()", "DoFullRefresh(uint,int)"}));
    }

    // Identification goes off on the members first; the result and the
    // array travel back.
    void workerPrepRemove()
    {
        QVERIFY(api->IdentifyArray(3, true, 0));
        int code = 0;
        uint told = 0;
        const QPointer<QThread> thread =
            KV_RunOnWorkerThread([](ApiWorker *worker) { worker->AsyncPrepRemove(3); },
                                 &ApiWorker::prepRemoveFinished, this,
                                 [&](int result, uint arrayId) {
                                     code = result;
                                     told = arrayId;
                                 });
        QTRY_COMPARE_WITH_TIMEOUT(code, 1, 10000);
        QCOMPARE(told, 3u);
        QTRY_VERIFY_WITH_TIMEOUT(thread.isNull(), 10000);
        const kvemu::Model m = emulator->model();
        QCOMPARE(disk(m, 9).identify, 0u);
        QCOMPARE(array(3)->state, kvemu::rec::ArrayOffline);

        ApiWorker worker;
        QSignalSpy finished(&worker, &ApiWorker::prepRemoveFinished);
        worker.AsyncPrepRemove(1); // the system array is refused
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished[0][0].toInt(), 3);
        QCOMPARE(finished[0][1].toUInt(), 1u);
    }
};

QTEST_GUILESS_MAIN(TestPrepRemove)
#include "tst_prep_remove.moc"
