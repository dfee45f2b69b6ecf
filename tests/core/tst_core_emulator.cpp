// The core handle against the driver emulator: in the same process for the
// model's details, and through a daemon on a temporary socket directory for
// what only a real transport shows (several clients, restarts, stalls).
#include "demo_config.h"
#include "emulator.h"
#include "kv_core.h"
#include "kv_inprocess_platform.h"
#include "kv_posix_platform.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

std::shared_ptr<kvemu::Emulator> demoEmulator()
{
    kvemu::StoredState state{kvemu::demoModel(), kvemu::demoModel()};
    return std::make_shared<kvemu::Emulator>(state, std::make_shared<kvemu::ManualClock>());
}

// A daemon serving a socket directory; stopped with SIGKILL or SIGTERM.
class Daemon {
public:
    explicit Daemon(const QString &directory) : directory_(directory) {}
    ~Daemon() { kill(SIGKILL); }

    bool start()
    {
        process_.setProgram(QStringLiteral(KVEMU_BINARY));
        process_.setArguments({"serve", "--socket-dir", directory_});
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.start();
        if (!process_.waitForStarted(5000))
            return false;
        // Ready once it says so.
        QByteArray said;
        while (!said.contains("serving")) {
            if (!process_.waitForReadyRead(10000))
                return false;
            said += process_.readAll();
        }
        return true;
    }

    void kill(int signal)
    {
        if (process_.state() == QProcess::NotRunning)
            return;
        ::kill(pid_t(process_.processId()), signal);
        process_.waitForFinished(10000);
    }

private:
    QString directory_;
    QProcess process_;
};

struct Seen {
    uint32_t physical, logical, controllers, enclosures;
    uint64_t generation;
};

Seen seeCore1()
{
    KV_CoreLock lock;
    KV_Core core(".", "Core1");
    return {core.physicalCount, core.logicalCount, core.controllerCount, core.enclosureCount,
            core.generation};
}

} // namespace

class TestCoreEmulator : public QObject {
    Q_OBJECT

    std::shared_ptr<kvemu::Emulator> emulator;

private slots:
    void init()
    {
        emulator = demoEmulator();
        kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator));
    }

    void cleanupTestCase() { kv::setPlatform(nullptr); }

    void handleSeesTheModel()
    {
        const kvemu::Model model = emulator->model();
        const size_t live = KVTL_LiveCount();
        {
            KV_Core core(".", "Core1");
            QVERIFY(core.endpoint);
            QVERIFY(core.channelId != 0);
            QCOMPARE(core.generation, model.generation);
            // The core's own pseudo-device comes first, then the disks.
            QCOMPARE(core.physicalCount, uint32_t(model.disks.size() + 1));
            QCOMPARE(core.physicalDevices[0]->type, 0x1201u);
            QCOMPARE(QByteArray(core.physicalDevices[0]->model),
                     QByteArray::fromStdString(model.core.buildText));
            QCOMPARE(core.logicalCount, uint32_t(model.arrays.size()));
            QCOMPARE(core.controllerCount, uint32_t(model.controllers.size()));
            QCOMPARE(core.enclosureCount, uint32_t(model.enclosures.size()));
            for (const kvemu::PhysicalDisk &disk : model.disks) {
                const uint32_t index = core.KV_FindPhysicalDevice(disk.id);
                QVERIFY(index < core.physicalCount);
                QCOMPARE(core.physicalDevices[index]->capacity, disk.capacity);
                QCOMPARE(QByteArray(core.physicalDevices[index]->serial).trimmed(),
                         QByteArray::fromStdString(disk.serial).trimmed());
                // A device is found again by its own path.
                QCOMPARE(core.KV_FindPhysicalDevice(core.physicalDevices[index]->path), index);
            }
            for (const kvemu::LogicalDevice &array : model.arrays) {
                const uint32_t index = core.KV_FindLogicalDevice(array.id);
                QVERIFY(index < core.logicalCount);
                const KV_C_LogicalDevice &seen = *core.logicalDevices[index];
                QCOMPARE(seen.deviceRoute, array.deviceRoute);
                QCOMPARE(seen.elementCount, array.firstCount * array.secondCount);
                for (uint32_t e = 0; e < seen.elementCount; ++e)
                    QVERIFY(core.KV_FindPhysicalDevice(seen.elements[e].id) < core.physicalCount);
            }
        }
        QCOMPARE(KVTL_LiveCount(), live);
    }

    void previousConfiguration()
    {
        KV_Core current(".", "Core1");
        KV_Core previous(".", "Core1", 1);
        QCOMPARE(previous.physicalCount, current.physicalCount);
        QCOMPARE(previous.logicalCount, current.logicalCount);
        for (uint32_t i = 0; i < previous.physicalCount; ++i) {
            QCOMPARE(previous.physicalDevices[i]->id, current.physicalDevices[i]->id);
            QCOMPARE(previous.physicalDevices[i]->model[0], '\0');
        }
    }

    void enumeration()
    {
        KV_CoreId ids[8];
        uint32_t count = 0;
        QCOMPARE(KV_ApiEnumerateCores(ids, sizeof ids, &count), KV_STS(1));
        QCOMPARE(count, 1u);
        QCOMPARE(QByteArray(ids[0].coreName), QByteArray("Core1"));
        QCOMPARE(emulator->sessionCount(), size_t(0)); // the probe closed its handle
    }

    void twoHandlesHaveTheirOwnMailboxes()
    {
        auto first = std::make_unique<KV_Core>(".", "Core1");
        auto second = std::make_unique<KV_Core>(".", "Core1");
        QVERIFY(first->channelId != 0);
        QVERIFY(second->channelId != 0);
        QVERIFY(first->channelId != second->channelId);
        QCOMPARE(emulator->mailboxCount(), size_t(2));
        first.reset();
        QCOMPARE(emulator->mailboxCount(), size_t(1));
        second.reset();
        QCOMPARE(emulator->mailboxCount(), size_t(0));
    }

    void staleGenerationComesBackFromTheFollowUp()
    {
        KV_Core core(".", "Core1");
        KV_RequestBlock block(1024, "test");
        QCOMPARE(core.KV_ConfigWrite(block.data(), 1024, 16), KV_STS(1)); // rescan
        // The rescan advanced the generation; the same handle is now stale.
        QCOMPARE(core.KV_ConfigWrite(block.data(), 1024, 16), KV_STS(38));
        KV_Core fresh(".", "Core1");
        QCOMPARE(fresh.generation, core.generation + 1);
        QCOMPARE(fresh.KV_ConfigWrite(block.data(), 1024, 16), KV_STS(1));
    }

    void injectedFaults_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<uint>("status");
        QTest::addRow("stale generation") << "fault stale 1" << 38u;
        QTest::addRow("failed transfer") << "fault fail 1" << 3u;
    }

    void injectedFaults()
    {
        QFETCH(QString, fault);
        QFETCH(uint, status);
        KV_Core core(".", "Core1");
        QVERIFY(emulator->control(fault.toStdString()).ok);
        KV_RequestBlock block(1024, "test");
        QCOMPARE(core.KV_ConfigWrite(block.data(), 1024, 16), status);
    }

    void arraysOnHostDisks()
    {
        const kvemu::Model model = emulator->model();
        std::vector<kvemu::Model::OsDisk> disks = model.osDisks();
        int arrays = 0;
        for (const auto &disk : disks) {
            if (disk.array == nullptr || disk.driveNumber > 47)
                continue;
            ++arrays;
            QCOMPARE(KV_GetDiskArrayNumber(int(disk.driveNumber)), int(disk.array->deviceRoute));
            std::string text;
            QCOMPARE(KV_FindArrayDisk(0, disk.array->deviceRoute, &text), KV_STS(1));
            QCOMPARE(text, std::to_string(disk.driveNumber));
        }
        QVERIFY(arrays >= 3);
        std::string text;
        QCOMPARE(KV_FindArrayDisk(0, 999, &text), KV_STS(3));
    }

    void volumesAndDrives()
    {
        const kvemu::Model model = emulator->model();
        char letters[27];
        QCOMPARE(KV_ListFixedDrives(sizeof letters, letters), KV_STS(1));
        const QByteArray fixed(letters);
        QVERIFY(fixed.contains('C'));
        for (const kvemu::Volume &volume : model.host.volumes) {
            std::vector<int32_t> arrays;
            const int found = KV_GetVolumeArrays(std::string(1, volume.letter) + ":", &arrays);
            if (volume.kind == kvemu::Volume::OnArray) {
                QVERIFY(fixed.contains(volume.letter));
                QCOMPARE(found, 1);
                QCOMPARE(arrays.front(), int32_t(model.findArray(volume.arrayId)->deviceRoute));
            } else {
                QCOMPARE(found, 0);
            }
        }
    }

    // --- Through the daemon ------------------------------------------------

    void daemonServesSeveralClientsAndKeepsItsState()
    {
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        Daemon daemon(directory.path());
        QVERIFY(daemon.start());
        kv::setPlatform(std::make_shared<kv::PosixPlatform>(directory.path().toStdString()));

        KV_CoreId ids[8];
        uint32_t count = 0;
        QCOMPARE(KV_ApiEnumerateCores(ids, sizeof ids, &count), KV_STS(1));
        QCOMPARE(count, 1u);
        const Seen before = seeCore1();
        QVERIFY(before.physical > 8);
        QVERIFY(before.logical >= 3);

        {
            KV_Core first(".", "Core1"), second(".", "Core1");
            QVERIFY(first.channelId != 0);
            QVERIFY(first.channelId != second.channelId);
            QCOMPARE(second.physicalCount, before.physical);
            KV_RequestBlock block(1024, "test");
            QCOMPARE(first.KV_ConfigWrite(block.data(), 1024, 16), KV_STS(1));
        }
        const Seen changed = seeCore1();
        QCOMPARE(changed.generation, before.generation + 1);

        // Nothing is lost when the daemon is killed outright.
        daemon.kill(SIGKILL);
        QVERIFY(!KV_Core(".", "Core1").endpoint);
        QVERIFY(daemon.start());
        const Seen after = seeCore1();
        QCOMPARE(after.generation, changed.generation);
        QCOMPARE(after.physical, before.physical);
        QCOMPARE(after.logical, before.logical);
        daemon.kill(SIGTERM);
    }

    void stalledDaemonDoesNotHangTheCore()
    {
        QTemporaryDir directory;
        Daemon daemon(directory.path());
        QVERIFY(daemon.start());
        auto platform = std::make_shared<kv::PosixPlatform>(directory.path().toStdString(),
                                                            std::chrono::milliseconds(300));
        kv::setPlatform(platform);
        QVERIFY(platform->control("fault stall 5000 1", nullptr));
        QElapsedTimer timer;
        timer.start();
        KV_Core core(".", "Core1");
        // The mailbox read timed out: no channel, no image, no devices.
        QCOMPARE(core.channelId, 0u);
        QCOMPARE(core.physicalCount, 0u);
        QVERIFY(timer.elapsed() < 3000);
        // The next handle works again.
        QVERIFY(seeCore1().physical > 0);
    }
};

QTEST_GUILESS_MAIN(TestCoreEmulator)
#include "tst_core_emulator.moc"
