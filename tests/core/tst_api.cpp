// The calling convention and the operations built directly on it.
#include "config_image.h"
#include "demo_config.h"
#include "emulator.h"
#include "kv_api.h"
#include "kv_api_call.h"
#include "kv_inprocess_platform.h"
#include "recording_platform.h"

#include <QTest>

#include <atomic>
#include <thread>

namespace {

// True when another thread can take the library's lock within a second,
// i.e. no path out of a call left it held.
bool lockIsFree()
{
    auto taken = std::make_shared<std::atomic<bool>>(false);
    std::thread([taken] {
        KV_CoreLock lock;
        *taken = true;
    }).detach();
    for (int i = 0; i < 100 && !*taken; ++i)
        QTest::qWait(10);
    return *taken;
}

} // namespace

class TestApi : public QObject {
    Q_OBJECT

    std::shared_ptr<kvemu::Emulator> emulator;
    KV_CoreId core1{1, ".", "Core1"};

    std::string firstArrayPath()
    {
        KV_CoreLock lock;
        KV_Core core(".", "Core1");
        return core.logicalCount > 0 ? core.logicalDevices[0]->path : "";
    }

private slots:
    void init()
    {
        kvemu::StoredState state{kvemu::demoModel(), kvemu::demoModel()};
        emulator = std::make_shared<kvemu::Emulator>(state, std::make_shared<kvemu::ManualClock>());
        kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator));
    }

    void statusNames_data()
    {
        QTest::addColumn<uint>("status");
        QTest::addColumn<QString>("name");
        QTest::addRow("0") << 0u << "KV_STS_UNKNOWN";
        QTest::addRow("1") << 1u << "KV_STS_SUCCESS";
        QTest::addRow("6") << 6u << "KVTL_STS_INVALID_BUFFER";
        QTest::addRow("21") << 21u << "KV_STS_INVALID_BUFFER";
        QTest::addRow("38") << 38u << "KV_STS_INVALID_GENERATION_NUMBER";
        QTest::addRow("54") << 54u << "KV_STS_NO_USER_MESSAGE";
        QTest::addRow("77") << 77u << "KV_STS_LOGICAL_DEVICE_IN_USE";
        QTest::addRow("82") << 82u << "KV_STS_LAST_ERROR";
        QTest::addRow("13 has none") << 13u << "";
        QTest::addRow("19 has none") << 19u << "";
        QTest::addRow("83 has none") << 83u << "";
    }

    void statusNames()
    {
        QFETCH(uint, status);
        QFETCH(QString, name);
        QCOMPARE(QString::fromLatin1(KV_StatusName(status)), name);
    }

    void staleGenerationRetry_data()
    {
        QTest::addColumn<uint>("staleAnswers");
        QTest::addColumn<uint>("status");
        QTest::addColumn<int>("generationStep");
        QTest::addRow("none") << 0u << 1u << 1;
        QTest::addRow("two, then success") << 2u << 1u << 1;
        QTest::addRow("three in a row") << 3u << 38u << 0;
        QTest::addRow("four: the fourth is never sent") << 4u << 38u << 0;
    }

    void staleGenerationRetry()
    {
        QFETCH(uint, staleAnswers);
        QFETCH(uint, status);
        QFETCH(int, generationStep);
        const uint64_t before = emulator->generation();
        if (staleAnswers > 0)
            QVERIFY(emulator->control("fault stale " + std::to_string(staleAnswers)).ok);
        const size_t live = KVTL_LiveCount();
        QCOMPARE(KV_ApiRescan(&core1, 0), status);
        QCOMPARE(emulator->generation(), before + generationStep);
        QCOMPARE(KVTL_LiveCount(), live);
        QCOMPARE(emulator->sessionCount(), size_t(0));
        QVERIFY(lockIsFree());
        if (staleAnswers == 4) {
            // One stale answer is left for the next command.
            QCOMPARE(KV_ApiRescan(&core1, 0), KV_STS(1));
            QCOMPARE(emulator->generation(), before + 1);
        }
    }

    void rescanAllCores()
    {
        const uint64_t before = emulator->generation();
        QCOMPARE(KV_ApiRescan(nullptr, 1), KV_STS(1));
        QCOMPARE(emulator->generation(), before + 1);
        QCOMPARE(KV_ApiRescan(nullptr, 0), KV_STS(7));
    }

    void rescanWithoutCores()
    {
        auto host = std::make_shared<test::RecordingPlatform>();
        host->canOpen = [](const std::string &) { return false; };
        kv::setPlatform(host);
        QCOMPARE(KV_ApiRescan(nullptr, 1), KV_STS(8));
        QCOMPARE(KV_ApiRescan(&core1, 0), KV_STS(8));
        QVERIFY(lockIsFree());
    }

    void pathsAreChecked_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<uint>("againstCore1");
        QTest::addColumn<uint>("simpleManage");
        // The simple requests name no core of their own: any core the path
        // names is tried, and core 2 does not open.
        QTest::addRow("core 2") << "//./Core2/Route0/Device1 " << 62u << 8u;
        QTest::addRow("no core") << "//./Route0/Device1 " << 62u << 62u;
        QTest::addRow("core 0") << "//./Core0/Route0/Device1 " << 62u << 62u;
        QTest::addRow("core 1") << "//./Core1/Route0/Device77" << 1u << 10u;
    }

    void pathsAreChecked()
    {
        QFETCH(QString, path);
        QFETCH(uint, againstCore1);
        QFETCH(uint, simpleManage);
        const QByteArray text = path.toLatin1();
        QCOMPARE(KV_CheckDevicePath(&core1, text.constData()), againstCore1);
        QCOMPARE(KV_ApiSetLogicalDeviceFlags(text.constData(), 0, 0), simpleManage);
    }

    void refusalDoesNotWaitForTheLock()
    {
        // Another thread holds the lock (for two seconds at most); a path
        // naming no core is refused without waiting for it.
        std::atomic<bool> release{false}, holding{false};
        std::thread holder([&] {
            KV_CoreLock lock;
            holding = true;
            for (int i = 0; i < 200 && !release; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        });
        while (!holding)
            std::this_thread::yield();
        const KV_STS result = KV_ApiSetLogicalDeviceFlags("//./Route0/Device1 ", 0, 0);
        const bool stillHeld = !release;
        release = true;
        holder.join();
        QCOMPARE(result, KV_STS(62));
        QVERIFY(stillHeld);
    }

    void simpleManageRequestLayout_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<uint>("subOperation");
        QTest::addRow("7CA6") << 0 << 0x7CA6u;
        QTest::addRow("cache") << 1 << 0x7CA8u;
        QTest::addRow("7CA9") << 2 << 0x7CA9u;
        QTest::addRow("task priority") << 3 << 0x7CAAu;
        QTest::addRow("flags") << 4 << 0x7CABu;
        QTest::addRow("remove spares") << 5 << 0x7CADu;
    }

    void simpleManageRequestLayout()
    {
        QFETCH(int, entry);
        QFETCH(uint, subOperation);
        using Entry = KV_STS (*)(const char *, uint32_t, uint32_t);
        const Entry entries[] = {KV_ApiManageLogicalDevice7CA6, KV_ApiSetLogicalDeviceCache,
                                 KV_ApiManageLogicalDevice7CA9, KV_ApiSetLogicalDeviceTaskPriority,
                                 KV_ApiSetLogicalDeviceFlags,   KV_ApiRemoveLogicalDeviceSpares};

        // The demo's first array, seen through a recording host that serves
        // the emulator's image and records the request.
        const std::string path = firstArrayPath();
        QVERIFY(!path.empty());
        std::vector<uint8_t> image(65536);
        {
            kvemu::Model model = emulator->model();
            QVERIFY(kvemu::image::build(model, false, image.data()));
        }
        auto host = std::make_shared<test::RecordingPlatform>();
        host->readAnswers.push_back({0, image});
        kv::setPlatform(host);
        KV_CoreLock lock;
        KV_Core seen(".", "Core1");
        const KV_C_LogicalDevice &array = *seen.logicalDevices[0];
        host->transfers.clear();
        host->readAnswers.push_back({0, image});

        QCOMPARE(entries[entry](path.c_str(), 0xA1B2C3D4, 0x55667788), KV_STS(1));
        const test::Transfer &request = host->transfers.back();
        QVERIFY(!request.isRead);
        QCOMPARE(request.count, 1024u);
        QCOMPARE(test::u32At(request.bytes, 0), 7u);
        QCOMPARE(test::u32At(request.bytes, 16), 0x55667788u);
        QCOMPARE(test::u32At(request.bytes, 32), subOperation);
        QCOMPARE(test::u64At(request.bytes, 36), array.id);
        QCOMPARE(int(request.bytes[44] | request.bytes[45] << 8), int(array.deviceRoute));
        QCOMPARE(int(request.bytes[46] | request.bytes[47] << 8), int(array.coreRoute));
        QCOMPARE(test::u32At(request.bytes, 52), 0u);
        QCOMPARE(test::u32At(request.bytes, 56), 0xA1B2C3D4u);
    }

    void simpleManageMissingArray()
    {
        const size_t live = KVTL_LiveCount();
        QCOMPARE(KV_ApiSetLogicalDeviceCache("//./Core1/Route0/Device77", 0, 0), KV_STS(10));
        QCOMPARE(KVTL_LiveCount(), live);
        QVERIFY(lockIsFree());
    }
};

QTEST_GUILESS_MAIN(TestApi)
#include "tst_api.moc"
