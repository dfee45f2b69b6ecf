// The array and disk operations against the emulator's RAID model: what each
// does to the configuration the next handle reads, on an explicit clock.
#include "demo_config.h"
#include "emulator.h"
#include "kv_api.h"
#include "kv_core.h"
#include "kv_inprocess_platform.h"

#include <QTest>

#include <cstring>
#include <optional>

namespace {

// The emulator in this process, whose sleeps move its clock on instead of
// waiting, so that waits for a task run in no time.
class ClockedPlatform : public kvemu::InProcessPlatform {
public:
    ClockedPlatform(std::shared_ptr<kvemu::Emulator> emulator,
                    std::shared_ptr<kvemu::ManualClock> clock)
        : InProcessPlatform(std::move(emulator)), clock_(std::move(clock))
    {
    }
    void sleep(uint32_t milliseconds) override
    {
        clock_->advance(std::chrono::milliseconds(milliseconds));
    }

private:
    std::shared_ptr<kvemu::ManualClock> clock_;
};

std::string diskPath(int route)
{
    const kvemu::Model demo = kvemu::demoModel();
    for (const auto &disk : demo.disks) {
        if (disk.deviceRoute == route)
            return "//./Core1/Route" + std::to_string(disk.coreRoute()) + "/Device" +
                   std::to_string(route) + (route < 10 ? " " : "");
    }
    return "//./Core1/Route9/Device999";
}

std::string arrayPath(int route)
{
    return "//./Core1/Route0/Device" + std::to_string(route) + (route < 10 ? " " : "");
}

// A list of 80-byte path entries, as the operations take them.
class Paths {
public:
    Paths(std::initializer_list<std::string> paths)
    {
        for (const std::string &p : paths) {
            Entry entry{};
            std::strncpy(entry.text, p.c_str(), sizeof entry.text - 1);
            entries.push_back(entry);
        }
    }
    const KV_DevicePath *data() const { return &entries.front().text; }
    operator const KV_DevicePath *() const { return data(); }

private:
    struct Entry {
        KV_DevicePath text;
    };
    std::vector<Entry> entries;
};

const KV_CoreId core1{1, ".", "Core1"};

} // namespace

class TestApiEmulator : public QObject {
    Q_OBJECT

    std::shared_ptr<kvemu::ManualClock> clock;
    std::shared_ptr<kvemu::Emulator> emulator;

    // Copies: the models these come from are often temporaries.
    static std::optional<kvemu::LogicalDevice> array(const kvemu::Model &model, int route)
    {
        for (const auto &a : model.arrays)
            if (a.deviceRoute == route)
                return a;
        return std::nullopt;
    }
    static std::optional<kvemu::PhysicalDisk> disk(const kvemu::Model &model, int route)
    {
        for (const auto &d : model.disks)
            if (d.deviceRoute == route)
                return d;
        return std::nullopt;
    }
    void runTasks() { clock->advance(emulator->taskDuration() + std::chrono::seconds(1)); }

private slots:
    void init()
    {
        clock = std::make_shared<kvemu::ManualClock>();
        emulator = std::make_shared<kvemu::Emulator>(
            kvemu::StoredState{kvemu::demoModel(), kvemu::demoModel()}, clock);
        kv::setPlatform(std::make_shared<ClockedPlatform>(emulator, clock));
    }
    void cleanupTestCase() { kv::setPlatform(nullptr); }

    // A RAID5 over the free space of three disks: the largest size asked
    // first, then the create, its task and the array it leaves.
    void createRaid5()
    {
        const Paths members{diskPath(3), diskPath(4), diskPath(5)};
        KV_CreateParameters p;
        p.typeCode = 0x1BF5;
        p.memberCount = 3;
        p.firstCount = 1;
        p.secondCount = 3;
        p.capacity = 96;
        p.cacheFlags = 0x80000000u;
        p.members = members;
        p.name = "Media";
        p.nameLength = 5;
        QCOMPARE(KV_ApiGetCreateInfo(&core1, &p), KV_STS(1));
        const kvemu::Model before = emulator->model();
        const uint64_t freeMiB = before.freeSpace(*disk(before, 3)).largest / 2048;
        QCOMPARE(p.capacity, 2 * freeMiB); // one member's worth holds parity

        char created[KV_DevicePathLength] = {};
        QCOMPARE(KV_ApiCreateLogicalDevice(&core1, &p, 0, created), KV_STS(1));
        const kvemu::Model after = emulator->model();
        QCOMPARE(after.arrays.size(), before.arrays.size() + 1);
        const kvemu::LogicalDevice &made = after.arrays.back();
        // "%s%d%s%s%d": no blank after a one-digit device number here.
        QCOMPARE(QByteArray(created),
                 "//./Core1/Route0/Device" + QByteArray::number(made.deviceRoute));
        QCOMPARE(made.name, std::string("Media"));
        QCOMPARE(made.typeCode, 0x1BF5u);
        QCOMPARE(made.capacity, p.capacity * 2048);
        QCOMPARE(made.transformType, 0x5355u); // the create task runs
        QVERIFY(made.id != 0);
        runTasks();
        const auto done = array(emulator->model(), made.deviceRoute);
        QVERIFY(done);
        QCOMPARE(done->transformType, 0u);
        QCOMPARE(done->state, 0x200u);
    }

    // With the wait flag the call returns once the create task has ended.
    void createAndWait()
    {
        const Paths members{diskPath(11)};
        KV_CreateParameters p;
        p.typeCode = 0x1BF7;
        p.memberCount = 1;
        p.firstCount = 1;
        p.secondCount = 1;
        p.capacity = 1024;
        p.members = members;
        QCOMPARE(KV_ApiCreateLogicalDevice(&core1, &p, 1, nullptr), KV_STS(1));
        const kvemu::LogicalDevice made = emulator->model().arrays.back();
        QCOMPARE(made.transformType, 0u);
        QCOMPARE(made.capacity, uint64_t(1024) * 2048);
    }

    void refusedCreateChangesNothing()
    {
        const Paths members{diskPath(3), diskPath(4), diskPath(5)};
        KV_CreateParameters p;
        p.typeCode = 0x1BF5;
        p.memberCount = 3;
        p.firstCount = 1;
        p.secondCount = 3;
        p.capacity = 1u << 30; // a petabyte in MiB: no room
        p.members = members;
        const uint64_t generation = emulator->generation();
        QCOMPARE(KV_ApiCreateLogicalDevice(&core1, &p, 0, nullptr), KV_STS(45));
        QCOMPARE(emulator->generation(), generation);
    }

    void deleteRefusedWhileInUse()
    {
        emulator->change([](kvemu::Model &m) { m.arrays[2].referenceCount = 1; });
        const Paths scratch{arrayPath(3)};
        QCOMPARE(KV_ApiDeleteLogicalDevice(&core1, 1, scratch, 0, 0, 0), KV_STS(77));
        QVERIFY(array(emulator->model(), 3));
        emulator->change([](kvemu::Model &m) { m.arrays[2].referenceCount = 0; });
        QCOMPARE(KV_ApiDeleteLogicalDevice(&core1, 1, scratch, 0, 0, 0), KV_STS(1));
        QVERIFY(!array(emulator->model(), 3));
    }

    // Deleting the LEGACY array hands its disk back as a plain disk.
    void deleteLegacyInitializesItsDisk()
    {
        const Paths legacy{arrayPath(4)};
        QCOMPARE(KV_ApiDeleteLogicalDevice(&core1, 1, legacy, 0, 0, 0), KV_STS(1));
        const kvemu::Model after = emulator->model();
        QVERIFY(!array(after, 4));
        QCOMPARE(disk(after, 13)->type, 0x1200u);
    }

    void initializeAndClearMetadata()
    {
        const Paths fresh{diskPath(12)};
        QCOMPARE(disk(emulator->model(), 12)->type, 0u);
        QCOMPARE(KV_ApiInitializePhysicalDevice(&core1, 1, fresh, 0, 0, 0), KV_STS(1));
        QCOMPARE(disk(emulator->model(), 12)->type, 0x1200u);
        QCOMPARE(KV_ApiInitializePhysicalDevice(&core1, 1, fresh, 0, 0, 1), KV_STS(1));
        QCOMPARE(disk(emulator->model(), 12)->type, 0u);
    }

    // RAID1 on two disks turned into a RAID5 on three: both layouts while it
    // runs (the new one first), the new one alone at the end.
    void transform()
    {
        const Paths members{diskPath(1), diskPath(2), diskPath(11)};
        KV_TransformParameters t;
        const std::string system = arrayPath(1);
        t.arrayPath = system.c_str();
        t.typeCode = 0x1BF5;
        t.memberCount = 3;
        t.firstCount = 1;
        t.secondCount = 3;
        t.members = members;
        KV_TransformInfo info;
        t.capacity = 96;
        QCOMPARE(KV_ApiGetTransformInfo(&core1, &t, &info), KV_STS(1));
        QVERIFY(info.largestCapacity > info.presentCapacity);
        t.capacity = info.largestCapacity;
        QCOMPARE(KV_ApiTransformLogicalDevice(&core1, &t), KV_STS(1));
        {
            KV_CoreLock lock;
            KV_Core handle(".", "Core1");
            int records = 0;
            for (uint32_t i = 0; i < handle.logicalCount; ++i)
                records += handle.logicalDevices[i]->deviceRoute == 1 ? 1 : 0;
            QCOMPARE(records, 2);
            const KV_C_LogicalDevice *first = handle.logicalDevices[0];
            QCOMPARE(first->typeCode, 0x1BF5u); // the new layout first
            QCOMPARE(first->transformType, 0x5354u);
        }
        runTasks();
        const auto done = array(emulator->model(), 1);
        QCOMPARE(done->typeCode, 0x1BF5u);
        QCOMPARE(done->elements.size(), size_t(3));
        QCOMPARE(done->transformType, 0u);
    }

    void checkAndTaskControl()
    {
        QCOMPARE(KV_ApiCheckLogicalDevice("//./Core1/Route0/Device2 ", 1, 0, 0), KV_STS(1));
        QCOMPARE(array(emulator->model(), 2)->transformType, 0x5356u);
        const Paths data{arrayPath(2)};
        QCOMPARE(KV_ApiTaskControlLogicalDevice(&core1, 0x6000, 1, data, 0, 0), KV_STS(1));
        QCOMPARE(array(emulator->model(), 2)->transformState, 0xA1A2u);
        // Paused: the clock moves, the check does not.
        const uint32_t progress = array(emulator->model(), 2)->transformProgress;
        runTasks();
        QCOMPARE(array(emulator->model(), 2)->transformProgress, progress);
        QCOMPARE(KV_ApiTaskControlLogicalDevice(&core1, 0x6000, 1, data, 0, 0), KV_STS(7));
        QCOMPARE(KV_ApiTaskControlLogicalDevice(&core1, 0x6001, 1, data, 0, 0), KV_STS(1));
        QCOMPARE(array(emulator->model(), 2)->transformState, 0xA1A1u);
        QCOMPARE(KV_ApiTaskControlLogicalDevice(&core1, 0x6002, 1, data, 0, 0), KV_STS(1));
        QCOMPARE(array(emulator->model(), 2)->transformType, 0u);
    }

    void secureErase()
    {
        QCOMPARE(KV_ApiSecureEraseLogicalDevice("//./Core1/Route0/Device3 ", 0, 0), KV_STS(1));
        QCOMPARE(array(emulator->model(), 3)->transformType, 0x535Cu);
    }

    void settingsOfAnArray()
    {
        const char *data = "//./Core1/Route0/Device2 ";
        QCOMPARE(KV_ApiManageDevicePrivateLogicalDevice(data, "Archive", 7), KV_STS(1));
        QCOMPARE(array(emulator->model(), 2)->name, std::string("Archive"));
        QCOMPARE(KV_ApiSetLogicalDeviceCache(data, 0xC0000000u, 0), KV_STS(1));
        QCOMPARE(array(emulator->model(), 2)->cacheAttribute, 0xC0000000u);
        QCOMPARE(KV_ApiSetLogicalDeviceFlags(data, 0x2000200, 0), KV_STS(1)); // hide
        QCOMPARE(array(emulator->model(), 2)->attributes & 0x200, 0x200);
        QCOMPARE(KV_ApiSetLogicalDeviceFlags(data, 0x2000000, 0), KV_STS(1)); // show
        QCOMPARE(array(emulator->model(), 2)->attributes & 0x200, 0);
        QCOMPARE(KV_ApiRemoveLogicalDeviceSpares(data, 0, 0), KV_STS(1));
        QVERIFY(array(emulator->model(), 2)->spares.empty());
        const Paths scratch{arrayPath(3)};
        QCOMPARE(KV_ApiOfflineLogicalDevice(&core1, 1, scratch, 0), KV_STS(1));
        QCOMPARE(array(emulator->model(), 3)->state, 0x202u);
    }

    // A failed member of the RAID5 is rebuilt onto its dedicated spare; a
    // second failure then takes the array offline.
    void failureRebuildOffline()
    {
        QVERIFY(emulator->control("fail 3").ok);
        auto data = array(emulator->model(), 2);
        QCOMPARE(data->transformType, 0x5358u); // RESTORE onto disk 7
        runTasks();
        data = array(emulator->model(), 2);
        QCOMPARE(data->state, 0x200u);
        QCOMPARE(data->transformType, 0u);
        bool usesSpare = false;
        for (const auto &e : data->elements)
            usesSpare = usesSpare || e.diskId == disk(emulator->model(), 7)->id;
        QVERIFY(usesSpare);
        // The global spare (disk 8) takes the next failure; remove it first.
        const Paths global{diskPath(8)};
        QCOMPARE(KV_ApiManageSpare(&core1, nullptr, 1, global, 0, KV_GlobalSpare, 0), KV_STS(1));
        QVERIFY(!disk(emulator->model(), 8)->globalSpare);
        QVERIFY(emulator->control("fail 4").ok);
        QCOMPARE(array(emulator->model(), 2)->state, 0x201u); // critical, no spare left
        QVERIFY(emulator->control("fail 5").ok);
        QCOMPARE(array(emulator->model(), 2)->state, 0x202u);
    }

    void spares()
    {
        const Paths candidate{diskPath(11)};
        QCOMPARE(KV_ApiManageSpare(&core1, "//./Core1/Route0/Device1 ", 1, candidate, 1,
                                   KV_DedicatedSpare, 0),
                 KV_STS(1));
        QCOMPARE(array(emulator->model(), 1)->spares.size(), size_t(1));
        QCOMPARE(KV_ApiManageSpare(&core1, "//./Core1/Route0/Device1 ", 1, candidate, 0,
                                   KV_DedicatedSpare, 0),
                 KV_STS(1));
        QVERIFY(array(emulator->model(), 1)->spares.empty());
        QCOMPARE(KV_ApiManageSpare(&core1, nullptr, 1, candidate, 1, KV_GlobalSpare, 0), KV_STS(1));
        QVERIFY(disk(emulator->model(), 11)->globalSpare);
    }

    void diskOptionsAndSmart()
    {
        const Paths hdd{diskPath(3)};
        QCOMPARE(KV_ApiManagePhysicalDevice(&core1, 1, hdd, 0, 0x4000, 0), KV_STS(1));
        QCOMPARE(disk(emulator->model(), 3)->features & 0x400000, 0x400000u);
        QCOMPARE(KV_ApiManagePhysicalDevice(&core1, 1, hdd, 0, 0x4001, 0), KV_STS(1));
        QCOMPARE(disk(emulator->model(), 3)->features & 0x400000, 0u);
        QCOMPARE(KV_ApiManagePhysicalDevice(&core1, 1, hdd, 0, 0x401C, 0), KV_STS(1));
        QCOMPARE(disk(emulator->model(), 3)->features & 0x4, 0u);
        std::vector<uint8_t> page(512, 0xEE);
        QCOMPARE(KV_ApiManagePhysicalDeviceBuf(&core1, 1, hdd, 0, 0x4014, page.data(),
                                               uint32_t(page.size()), 0),
                 KV_STS(1));
        QVERIFY(page != std::vector<uint8_t>(512, 0xEE));
        QCOMPARE(KV_ApiManagePhysicalDeviceBuf(&core1, 1, hdd, 0, 0x4015, page.data(),
                                               uint32_t(page.size()), 0),
                 KV_STS(7));
    }
};

QTEST_GUILESS_MAIN(TestApiEmulator)
#include "tst_api_emulator.moc"
