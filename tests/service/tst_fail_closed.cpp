// The service fails closed: a fact it cannot learn (which arrays hold the
// system, whether the process is elevated, the configuration itself)
// refuses the destructive commands, and a refusal sends nothing to the
// driver.
#include "api_worker.h"
#include "demo_config.h"
#include "emulator.h"
#include "kv_channel.h"
#include "kv_inprocess_platform.h"
#include "kv_raid_api.h"

#include <QSignalSpy>
#include <QTest>

#include <atomic>
#include <cstring>
#include <functional>
#include <thread>

namespace {

// The emulator in this process behind a host that can fail chosen opens and
// queries, deny elevation, and counts the write commands sent to the driver.
class GuardPlatform : public kvemu::InProcessPlatform {
public:
    using InProcessPlatform::InProcessPlatform;

    std::function<bool(const std::string &)> refuseOpen;
    std::function<bool(const std::string &, uint32_t)> failQuery;
    bool elevated = true;
    std::atomic<int> commands{0};

    std::unique_ptr<kv::PlatformFile> open(const std::string &name, uint32_t disposition,
                                           uint32_t shareMode, uint32_t flags,
                                           uint32_t *error) override
    {
        if (refuseOpen && refuseOpen(name)) {
            if (error)
                *error = kv::winerr::FileNotFound;
            return nullptr;
        }
        auto file = InProcessPlatform::open(name, disposition, shareMode, flags, error);
        return file ? std::make_unique<File>(*this, name, std::move(file)) : nullptr;
    }
    bool processIsElevated() override { return elevated; }

private:
    class File : public kv::PlatformFile {
    public:
        File(GuardPlatform &owner, std::string name, std::unique_ptr<kv::PlatformFile> inner)
            : owner_(owner), name_(std::move(name)), inner_(std::move(inner))
        {
        }
        uint32_t read(void *buffer, uint64_t offset, uint32_t count) override
        {
            return inner_->read(buffer, offset, count);
        }
        // A read request starts with the word 1; a write command with its code.
        uint32_t write(const void *buffer, uint64_t offset, uint32_t count) override
        {
            uint32_t code = 0;
            std::memcpy(&code, buffer, count >= 4 ? 4 : 0);
            if (code != 1)
                ++owner_.commands;
            return inner_->write(buffer, offset, count);
        }
        uint32_t deviceIoControl(uint32_t code, const void *in, uint32_t inLength, void *out,
                                 uint32_t outLength, uint32_t *bytesReturned) override
        {
            if (owner_.failQuery && owner_.failQuery(name_, code))
                return kv::winerr::IoDevice;
            return inner_->deviceIoControl(code, in, inLength, out, outLength, bytesReturned);
        }

    private:
        GuardPlatform &owner_;
        std::string name_;
        std::unique_ptr<kv::PlatformFile> inner_;
    };
};

enum Command { Delete, SecureErase, WorkerSecureErase, Hide, PrepareRemoval, Initialize, Clear };

} // namespace

class TestFailClosed : public QObject {
    Q_OBJECT

    std::shared_ptr<kvemu::Emulator> emulator;
    std::shared_ptr<GuardPlatform> host;
    std::unique_ptr<KV_RaidApi> api;

    bool hasArray(int route)
    {
        for (const auto &a : emulator->model().arrays)
            if (a.deviceRoute == route)
                return true;
        return false;
    }

    // Runs `command` on `device`; true when the service reports success.
    bool run(Command command, int device)
    {
        KV_InitDisks disks;
        disks.diskIds[0] = device;
        disks.count = 1;
        switch (command) {
        case Delete:
            return api->DeleteArray(device);
        case SecureErase:
            return api->SecureEraseArray(device) == 1;
        case WorkerSecureErase: {
            ApiWorker worker;
            QSignalSpy finished(&worker, &ApiWorker::secureEraseFinished);
            worker.AsyncSecureErase(device);
            // The worker tells no result; one that never finishes fails.
            return finished.count() != 1;
        }
        case Hide:
            return api->HideArray(device, false) == 1;
        case PrepareRemoval:
            return api->PrepareArrayForRemoval(device) == KV_PrepRemoveOffline;
        case Initialize:
            return api->InitializeDisks(disks) == 1;
        case Clear:
            disks.mode = 1;
            return api->InitializeDisks(disks) == 1;
        }
        return false;
    }

    // `command` on `device` is refused, sends nothing and changes nothing.
    void expectRefused(Command command, int device)
    {
        api->Refresh();
        const uint64_t generation = emulator->generation();
        host->commands = 0;
        QVERIFY(!run(command, device));
        QCOMPARE(host->commands.load(), 0);
        QCOMPARE(emulator->generation(), generation);
    }

private slots:
    void init()
    {
        emulator = std::make_shared<kvemu::Emulator>(
            kvemu::StoredState{kvemu::demoModel(), kvemu::demoModel()},
            std::make_shared<kvemu::ManualClock>());
        host = std::make_shared<GuardPlatform>(emulator);
        kv::setPlatform(host);
        api = std::make_unique<KV_RaidApi>();
    }
    void cleanup() { api.reset(); }
    void cleanupTestCase() { kv::setPlatform(nullptr); }

    // One failed host query behind the system drive makes every array a
    // possible system array.
    void unknownSystemRefuses_data()
    {
        QTest::addColumn<QString>("refusedOpen"); // files whose names start so do not open
        QTest::addColumn<uint>("failedQuery");    // this device I/O control fails
        QTest::addRow("volume does not open") << "\\\\.\\C:" << 0u;
        QTest::addRow("a disk does not open") << "\\\\.\\physicaldrive" << 0u;
        QTest::addRow("extent query fails") << "" << kv::ioctl::VolumeGetVolumeDiskExtents;
        QTest::addRow("address query fails") << "" << kv::ioctl::ScsiGetAddress;
        QTest::addRow("port inquiry fails") << "" << kv::ioctl::ScsiGetInquiryData;
    }
    void unknownSystemRefuses()
    {
        QFETCH(QString, refusedOpen);
        QFETCH(uint, failedQuery);
        QVERIFY(api->SystemFactsKnown());
        const std::string prefix = refusedOpen.toStdString();
        if (!prefix.empty())
            host->refuseOpen = [prefix](const std::string &name) {
                return name.rfind(prefix, 0) == 0;
            };
        if (failedQuery != 0)
            host->failQuery = [failedQuery](const std::string &, uint32_t code) {
                return code == failedQuery;
            };
        QVERIFY(!api->SystemFactsKnown());
        QVERIFY(api->ArrayCarriesSystem(3));
        for (const Command command : {Delete, SecureErase, Hide, PrepareRemoval})
            expectRefused(command, 3);
        QVERIFY(hasArray(3));
        const RaidDataBundle bundle = api->BuildBundle(0, 0);
        QVERIFY(bundle.systemFactsUnknown);
        QVERIFY(bundle.arrayHoldsSystem.value(3));
        QVERIFY(bundle.arraySharesSystemDisk.value(3));

        host->refuseOpen = nullptr;
        host->failQuery = nullptr;
        const RaidDataBundle known = api->BuildBundle(0, 0);
        QVERIFY(!known.systemFactsUnknown);
        QVERIFY(known.arrayHoldsSystem.value(1));
        QVERIFY(!known.arrayHoldsSystem.value(3));
    }

    // The array behind C: stays whatever asks for its removal; so does the
    // legacy disk that holds the system.
    void systemArrayRefuses_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("device");
        QTest::addColumn<bool>("systemOnLegacy");
        QTest::addRow("delete") << int(Delete) << 1 << false;
        QTest::addRow("secure erase") << int(SecureErase) << 1 << false;
        QTest::addRow("secure erase on the worker") << int(WorkerSecureErase) << 1 << false;
        QTest::addRow("hide") << int(Hide) << 1 << false;
        QTest::addRow("prepare to remove") << int(PrepareRemoval) << 1 << false;
        QTest::addRow("initialize the legacy system disk") << int(Initialize) << 13 << true;
        QTest::addRow("delete the legacy system array") << int(Delete) << 4 << true;
    }
    void systemArrayRefuses()
    {
        QFETCH(int, command);
        QFETCH(int, device);
        QFETCH(bool, systemOnLegacy);
        if (systemOnLegacy) {
            QCOMPARE(emulator->change([](kvemu::Model &m) {
                m.host.volumes[0].arrayId = m.arrays[3].id; // C: on the LEGACY array 4
            }),
                     std::string());
            QVERIFY(api->ArrayHoldsSystem(4));
        }
        expectRefused(Command(command), device);
        QVERIFY(hasArray(systemOnLegacy ? 4 : 1));
    }

    // Without elevation nothing destructive is sent; with it the same
    // command goes through.
    void notElevatedRefuses_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("device");
        QTest::addRow("delete") << int(Delete) << 3;
        QTest::addRow("secure erase") << int(SecureErase) << 3;
        QTest::addRow("hide") << int(Hide) << 3;
        QTest::addRow("prepare to remove") << int(PrepareRemoval) << 3;
        QTest::addRow("initialize") << int(Initialize) << 12;
        QTest::addRow("clear metadata") << int(Clear) << 11;
    }
    void notElevatedRefuses()
    {
        QFETCH(int, command);
        QFETCH(int, device);
        host->elevated = false;
        expectRefused(Command(command), device);
        host->elevated = true;
        api->Refresh();
        const uint64_t generation = emulator->generation();
        QVERIFY(run(Command(command), device));
        QVERIFY(emulator->generation() != generation);
    }

    // Refusals of the service's own rules: not even a request the driver
    // would refuse as well goes out.
    void refusedPreconditionSendsNothing_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addRow("task removal during a transform") << "transform";
        QTest::addRow("delete an array in use") << "in use";
        QTest::addRow("secure erase of an array in use") << "erase in use";
        QTest::addRow("rename to a name with a line break") << "rename";
    }
    void refusedPreconditionSendsNothing()
    {
        QFETCH(QString, rule);
        emulator->change([&](kvemu::Model &m) {
            if (rule == "transform") {
                m.arrays[2].transformType = 0x5354;
                m.arrays[2].transformState = 0xA1A1;
            } else {
                m.arrays[2].referenceCount = 1;
            }
        });
        api->Refresh();
        host->commands = 0;
        if (rule == "transform")
            QVERIFY(!api->ControlTask(3, QStringLiteral("remove")));
        else if (rule == "in use")
            QVERIFY(!api->DeleteArray(3));
        else if (rule == "erase in use")
            QCOMPARE(api->SecureEraseArray(3), -1);
        else
            QVERIFY(!api->RenameArray(2, QStringLiteral("Two\nLines")));
        QCOMPARE(host->commands.load(), 0);
    }

    // A refresh that cannot read the driver keeps the last good tables and
    // says so; the destructive commands refuse meanwhile.
    void failedRefreshKeepsLastGood()
    {
        const RaidDataBundle good = api->BuildBundle(0, 0);
        QVERIFY(!good.refreshFailed);
        QVERIFY(good.lastGoodRefresh.isValid());
        QVERIFY(emulator->control("fault fail 100000").ok);
        QCOMPARE(api->Refresh(), 0);
        const RaidDataBundle failed = api->BuildBundle(0, 0);
        QVERIFY(failed.refreshFailed);
        QCOMPARE(failed.arrays.size(), good.arrays.size());
        QCOMPARE(failed.disks.size(), good.disks.size());
        QCOMPARE(failed.lastGoodRefresh, good.lastGoodRefresh);
        QVERIFY(!api->DeleteArray(3));
        QVERIFY(emulator->control("fault clear").ok);
        QVERIFY(hasArray(3));
        QVERIFY(!api->BuildBundle(0, 0).refreshFailed);
    }

    // The snapshot read and the S.M.A.R.T. reads hold the library's lock
    // from their buffers' allocation to their release: no other thread sees
    // one of their tracked buffers. Run by the ThreadSanitizer build too.
    void concurrentReadsHoldTheLock()
    {
        const size_t idle = KVTL_LiveCount();
        std::atomic<bool> done{false};
        std::atomic<size_t> most{idle};
        std::thread watcher([&] {
            while (!done) {
                const size_t live = KVTL_LiveCount();
                if (live > most)
                    most = live;
            }
        });
        std::vector<std::thread> readers;
        for (int r = 0; r < 2; ++r)
            readers.emplace_back([] {
                KV_RaidApi service;
                for (int i = 0; i < 200; ++i) {
                    if (i % 8 == 0)
                        service.Refresh();
                    service.GetSmartInfo(3);
                }
            });
        for (std::thread &reader : readers)
            reader.join();
        done = true;
        watcher.join();
        QCOMPARE(most.load(), idle);
        QCOMPARE(KVTL_LiveCount(), idle);
    }
};

QTEST_GUILESS_MAIN(TestFailClosed)
#include "tst_fail_closed.moc"
