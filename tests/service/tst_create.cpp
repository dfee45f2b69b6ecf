// The create and transform rules against the emulator's demo: every rule
// code, in its order, with nothing sent when a rule fails; the requests the
// commands send and what the driver makes of them; the message lists.
//
// The demo's disks: 1 and 2 (SATA SSDs) mirror the system, 3 to 6 (4 TB
// hard disks) hold the RAID5 "Data" with room to spare, 7 is its dedicated
// spare, 8 a global spare, 9 and 10 (NVMe) the RAID0 "Scratch", 11 a free
// NVMe disk, 12 a new one never initialized, 13 a legacy disk, 14 a
// pass-through array.
#include "demo_config.h"
#include "emulator.h"
#include "kv_inprocess_platform.h"
#include "kv_raid_api.h"

#include <QTest>

#include <cstring>
#include <functional>

namespace {

// The emulator's platform, counting the size questions (reads 0x100D and
// 0x100C) and the create and transform commands that reach it, and running
// `beforeQuestion` once before the next size question is delivered.
class CountingPlatform : public kv::Platform {
public:
    explicit CountingPlatform(std::shared_ptr<kvemu::Emulator> emulator) : inner_(emulator) {}

    int questions = 0;
    int commands = 0;
    std::function<void()> beforeQuestion;

    std::unique_ptr<kv::PlatformFile> open(const std::string &name, uint32_t disposition,
                                           uint32_t share, uint32_t flags, uint32_t *error) override
    {
        std::unique_ptr<kv::PlatformFile> file =
            inner_.open(name, disposition, share, flags, error);
        return file ? std::make_unique<File>(*this, std::move(file)) : nullptr;
    }
    int driveType(const std::string &root) override { return inner_.driveType(root); }

private:
    class File : public kv::PlatformFile {
    public:
        File(CountingPlatform &owner, std::unique_ptr<kv::PlatformFile> inner)
            : owner_(owner), inner_(std::move(inner))
        {
        }
        uint32_t read(void *buffer, uint64_t offset, uint32_t count) override
        {
            return inner_->read(buffer, offset, count);
        }
        uint32_t write(const void *buffer, uint64_t offset, uint32_t count) override
        {
            if (count >= 40) {
                uint32_t word0 = 0, readCode = 0;
                std::memcpy(&word0, buffer, 4);
                std::memcpy(&readCode, static_cast<const uint8_t *>(buffer) + 32, 4);
                if (word0 == 1 && (readCode == 0x100C || readCode == 0x100D)) {
                    ++owner_.questions;
                    if (auto hook = std::exchange(owner_.beforeQuestion, nullptr))
                        hook();
                } else if (word0 == 2 || word0 == 8) {
                    ++owner_.commands;
                }
            }
            return inner_->write(buffer, offset, count);
        }
        uint32_t deviceIoControl(uint32_t code, const void *in, uint32_t inLength, void *out,
                                 uint32_t outLength, uint32_t *returned) override
        {
            return inner_->deviceIoControl(code, in, inLength, out, outLength, returned);
        }

    private:
        CountingPlatform &owner_;
        std::unique_ptr<kv::PlatformFile> inner_;
    };

    kvemu::InProcessPlatform inner_;
};

enum Flag { Skip = 1, Zero = 2, Leave = 4, Scan = 8 };

KV_Create record(const QString &type, const QList<int> &disks, int capacityMB = 1000, int flags = 0)
{
    KV_Create p;
    p.type = type;
    p.capacityMB = capacityMB;
    p.cacheMode = QStringLiteral("NC");
    for (int i = 0; i < disks.size(); ++i)
        p.memberIds[i] = disks[i];
    p.memberCount = int(disks.size());
    p.skipInit = flags & Skip;
    p.zeroCreate = flags & Zero;
    p.leaveData = flags & Leave;
    p.backgroundScan = flags & Scan;
    return p;
}

// n disk identifiers; the rules that count members look at no disk.
QList<int> disks(int n)
{
    static const QList<int> pool = {3, 4, 5, 6, 11, 1, 2, 9, 10, 12};
    return pool.mid(0, n);
}

} // namespace

class TestCreate : public QObject {
    Q_OBJECT

    std::shared_ptr<kvemu::Emulator> emulator;
    std::shared_ptr<CountingPlatform> platform;
    std::unique_ptr<KV_RaidApi> api;

    const kvemu::LogicalDevice *arrayOf(const kvemu::Model &m, int route)
    {
        for (const auto &a : m.arrays)
            if (a.deviceRoute == route)
                return &a;
        return nullptr;
    }
    void makeSmartFailing(int diskRoute)
    {
        emulator->change([diskRoute](kvemu::Model &m) {
            for (auto &d : m.disks)
                if (d.deviceRoute == diskRoute)
                    d.state = kvemu::rec::DiskSmartError;
        });
    }

private slots:
    void init()
    {
        emulator = std::make_shared<kvemu::Emulator>(
            kvemu::StoredState{kvemu::demoModel(), kvemu::demoModel()},
            std::make_shared<kvemu::ManualClock>());
        platform = std::make_shared<CountingPlatform>(emulator);
        kv::setPlatform(platform);
        api = std::make_unique<KV_RaidApi>();
    }
    void cleanup() { api.reset(); }
    void cleanupTestCase() { kv::setPlatform(nullptr); }

    void createRules_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QList<int>>("members");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("code");
        QTest::addRow("-99 too small") << "RAID0" << disks(2) << 99 << 0 << -99;
        QTest::addRow("-98 before the type") << "BOGUS" << disks(3) << 1000 << (Skip | Zero) << -98;
        QTest::addRow("-97") << "RAID5" << disks(3) << 1000 << (Leave | Zero) << -97;
        QTest::addRow("-96") << "VOLUME" << disks(0) << 1000 << 0 << -96;
        QTest::addRow("-91 volume") << "VOLUME" << disks(1) << 1000 << int(Skip) << -91;
        QTest::addRow("-90") << "VOLUME" << disks(9) << 1000 << 0 << -90;
        QTest::addRow("-89") << "RAIDABLE" << disks(2) << 1000 << 0 << -89;
        QTest::addRow("-91 raidable") << "RAIDABLE" << disks(1) << 1000 << int(Skip) << -91;
        QTest::addRow("-91 raid0") << "RAID0" << disks(2) << 1000 << int(Skip) << -91;
        QTest::addRow("-87 one") << "RAID0" << disks(1) << 1000 << 0 << -87;
        QTest::addRow("-87 nine") << "RAID0" << disks(9) << 1000 << 0 << -87;
        QTest::addRow("-86") << "RAID1" << disks(3) << 1000 << 0 << -86;
        QTest::addRow("-85") << "RAID1N" << disks(2) << 1000 << 0 << -85;
        QTest::addRow("-84") << "RAID1N" << disks(9) << 1000 << 0 << -84;
        QTest::addRow("-82 odd") << "RAID10" << disks(5) << 1000 << 0 << -82;
        QTest::addRow("-82 ten") << "RAID10" << disks(10) << 1000 << 0 << -82;
        QTest::addRow("-79") << "RAID10N" << disks(5) << 1000 << 0 << -79;
        QTest::addRow("-78") << "RAID10N" << disks(6) << 1000 << 0 << -78;
        QTest::addRow("-75") << "RAID5" << disks(2) << 1000 << 0 << -75;
        QTest::addRow("-74") << "RAID5" << disks(9) << 1000 << 0 << -74;
        QTest::addRow("-72") << "RTIER" << disks(1) << 1000 << 0 << -72;
        QTest::addRow("-71") << "RTIER" << disks(0) << 1000 << 0 << -71;
        QTest::addRow("-69") << "RAID6" << disks(3) << 1000 << 0 << -69;
        QTest::addRow("-68") << "RAID6" << disks(9) << 1000 << 0 << -68;
        QTest::addRow("-65") << "RAID50" << disks(5) << 1000 << 0 << -65;
        QTest::addRow("-64") << "RAID50" << disks(6) << 1000 << 0 << -64;
        QTest::addRow("-61") << "RAID60" << disks(7) << 1000 << 0 << -61;
        QTest::addRow("-92") << "RAID60" << disks(8) << 1000 << 0 << -92;
        QTest::addRow("-59") << "RAID7" << disks(2) << 1000 << 0 << -59;
        QTest::addRow("-59 lower case") << "raid0" << disks(2) << 1000 << 0 << -59;
        QTest::addRow("-58 absent") << "RAID0" << QList<int>{3, 99} << 1000 << 0 << -58;
        QTest::addRow("-58 uninitialized") << "RAID0" << QList<int>{3, 12} << 1000 << 0 << -58;
        QTest::addRow("-58 legacy") << "RAID0" << QList<int>{3, 13} << 1000 << 0 << -58;
        // The driver's answer to the size question.
        QTest::addRow("-55 global spare") << "RAID1" << QList<int>{3, 8} << 1000 << 0 << -55;
        QTest::addRow("-55 twice") << "RAID1" << QList<int>{3, 3} << 1000 << 0 << -55;
    }
    void createRules()
    {
        QFETCH(QString, type);
        QFETCH(QList<int>, members);
        QFETCH(int, capacity);
        QFETCH(int, flags);
        QFETCH(int, code);
        const kvemu::Model before = emulator->model();
        QCOMPARE(api->CreateArray(record(type, members, capacity, flags), false), code);
        QCOMPARE(platform->questions, code == -55 ? 1 : 0);
        QCOMPARE(platform->commands, 0);
        QVERIFY(emulator->model() == before);
    }

    // A member count that was never filled in is no list of disks.
    void negativeMemberCount()
    {
        KV_Create p = record(QStringLiteral("VOLUME"), disks(1));
        p.memberCount = -5;
        QCOMPARE(api->CreateArray(p, true), -96);
        QCOMPARE(api->TransformArray(p, 3, true), -98);
        QCOMPARE(platform->questions, 0);
    }

    // A disk that reports S.M.A.R.T. errors only once the rules have passed.
    void smartErrorAfterRefresh()
    {
        platform->beforeQuestion = [this] { makeSmartFailing(4); };
        QCOMPARE(api->CreateArray(record(QStringLiteral("RAID1"), {3, 4}), true), -57);
        platform->beforeQuestion = [this] { makeSmartFailing(11); };
        QCOMPARE(api->TransformArray(record(QStringLiteral("RAID0"), {9, 10, 11}), 3, true), -71);
        QCOMPARE(platform->commands, 0);
    }

    void infoRules_data()
    {
        QTest::addColumn<uint>("status");
        QTest::addColumn<int>("create");
        QTest::addColumn<int>("transform");
        QTest::addRow("success") << 1u << 0 << 0;
        QTest::addRow("smart error") << 75u << -57 << -71;
        QTest::addRow("level disabled") << 56u << -56 << -69;
        QTest::addRow("other") << 45u << -55 << -69;
    }
    void infoRules()
    {
        QFETCH(uint, status);
        QFETCH(int, create);
        QFETCH(int, transform);
        QCOMPARE(KV_CreateInfoRule(status), create);
        QCOMPARE(KV_TransformInfoRule(status), transform);
    }

    void twelveArrays()
    {
        // The demo has five; seven small volumes on the free NVMe disk.
        for (int i = 0; i < 7; ++i)
            QCOMPARE(api->CreateArray(record(QStringLiteral("VOLUME"), {11}, 100), false), 1);
        QCOMPARE(emulator->model().arrays.size(), size_t(12));
        const int sent = platform->questions;
        QCOMPARE(api->CreateArray(record(QStringLiteral("BOGUS"), {}, 0), true), -100);
        QCOMPARE(api->CreateArray(record(QStringLiteral("VOLUME"), {11}, 100), false), -100);
        QCOMPARE(platform->questions, sent);
    }

    // Check-only ignores the record's size and answers the largest in MB; an
    // execute asking for more gets that largest size.
    void largestSize()
    {
        const int largest = api->CreateArray(record(QStringLiteral("RAID0"), {3, 4}, 0), true);
        QVERIFY(largest > 100);
        QCOMPARE(api->CreateArray(record(QStringLiteral("RAID0"), {3, 4}, largest + 5000), false),
                 1);
        const kvemu::Model after = emulator->model(); // a copy: keep it while `created` is read
        const kvemu::LogicalDevice *created = arrayOf(after, 6);
        QVERIFY(created);
        QCOMPARE(KV_MebibytesToMegabytes(created->capacity / 2048), quint64(largest));
        // Nothing left for a second one on the same disks.
        QCOMPARE(api->CreateArray(record(QStringLiteral("RAID0"), {3, 4}, 0), true), 0);
    }

    void createRequest_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QList<int>>("members");
        QTest::addColumn<int>("flags");
        QTest::addColumn<QString>("cache");
        QTest::addColumn<uint>("typeCode");
        QTest::addColumn<uint>("sets");
        QTest::addColumn<uint>("width");
        QTest::addColumn<uint>("task");
        QTest::addColumn<uint>("attributes");
        QTest::addColumn<uint>("cacheAttribute");
        QTest::addRow("raid5 initializes") << "RAID5" << QList<int>{3, 4, 5} << 0 << "R" << 0x1BF5u
                                           << 1u << 3u << 0x5355u << 0u << 0x80000000u;
        QTest::addRow("raid5 skips init") << "RAID5" << QList<int>{3, 4, 5} << int(Skip) << "NC"
                                          << 0x1BF5u << 1u << 3u << 0u << 0u << 0u;
        QTest::addRow("raid10 zeroes") << "RAID10" << QList<int>{3, 4, 5, 6} << int(Zero) << "RW"
                                       << 0x1BF6u << 2u << 2u << 0x535Bu << 0u << 0xC0000000u;
        QTest::addRow("volume scans") << "VOLUME" << QList<int>{3, 11} << int(Scan) << "W"
                                      << 0x1BF7u << 2u << 1u << 0u << 0x400u << 0x40000000u;
        QTest::addRow("raid1 keeps data") << "RAID1" << QList<int>{5, 6} << int(Leave) << "NC"
                                          << 0x1BF6u << 1u << 2u << 0u << 0u << 0u;
    }
    void createRequest()
    {
        QFETCH(QString, type);
        QFETCH(QList<int>, members);
        QFETCH(int, flags);
        QFETCH(QString, cache);
        QFETCH(uint, typeCode);
        QFETCH(uint, sets);
        QFETCH(uint, width);
        QFETCH(uint, task);
        QFETCH(uint, attributes);
        QFETCH(uint, cacheAttribute);
        KV_Create p = record(type, members, 2000, flags);
        p.cacheMode = cache;
        p.name = QStringLiteral("Vault");
        QCOMPARE(api->CreateArray(p, false), 1);
        const kvemu::Model m = emulator->model();
        const kvemu::LogicalDevice *created = arrayOf(m, 6);
        QVERIFY(created);
        QCOMPARE(created->name, std::string("Vault"));
        QCOMPARE(created->typeCode, typeCode);
        QCOMPARE(created->firstCount, sets);
        QCOMPARE(created->secondCount, width);
        QCOMPARE(created->transformType, task);
        QCOMPARE(created->attributes & 0x400u, attributes);
        QCOMPARE(created->cacheAttribute, cacheAttribute);
        // 2000 MB are 1907 MiB.
        QCOMPARE(created->capacity / 2048, KV_MegabytesToMebibytes(2000));
        QCOMPARE(created->capacity / 2048, 1907u);
    }

    void transformRules_data()
    {
        QTest::addColumn<int>("array");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QList<int>>("members");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<int>("code");
        QTest::addRow("-100 zero") << 0 << "RAID0" << disks(2) << 5000 << -100;
        QTest::addRow("-100 above 24") << 25 << "RAID0" << disks(2) << 5000 << -100;
        QTest::addRow("-100 absent") << 6 << "RAID0" << disks(2) << 5000 << -100;
        QTest::addRow("-99") << 3 << "RAID0" << disks(2) << 99 << -99;
        QTest::addRow("-73 before the count") << 3 << "RAID7" << disks(0) << 5000 << -73;
        QTest::addRow("-98") << 3 << "VOLUME" << disks(0) << 5000 << -98;
        QTest::addRow("-98 raid50") << 3 << "RAID50" << disks(0) << 5000 << -98;
        QTest::addRow("-91") << 3 << "VOLUME" << disks(9) << 5000 << -91;
        QTest::addRow("-90") << 3 << "RAIDABLE" << disks(2) << 5000 << -90;
        QTest::addRow("-88 one") << 3 << "RAID0" << disks(1) << 5000 << -88;
        QTest::addRow("-88 nine") << 3 << "RAID0" << disks(9) << 5000 << -88;
        QTest::addRow("-87") << 3 << "RAID1" << disks(3) << 5000 << -87;
        QTest::addRow("-86") << 3 << "RAID1N" << disks(2) << 5000 << -86;
        QTest::addRow("-85") << 3 << "RAID1N" << disks(9) << 5000 << -85;
        QTest::addRow("-84 odd") << 3 << "RAID10" << disks(5) << 5000 << -84;
        QTest::addRow("-84 two") << 3 << "RAID10" << disks(2) << 5000 << -84;
        QTest::addRow("-82") << 3 << "RAID10N" << disks(5) << 5000 << -82;
        QTest::addRow("-80") << 3 << "RAID10N" << disks(6) << 5000 << -80;
        QTest::addRow("-79") << 3 << "RAID5" << disks(2) << 5000 << -79;
        QTest::addRow("-78") << 3 << "RAID5" << disks(9) << 5000 << -78;
        QTest::addRow("-76") << 3 << "RAID6" << disks(3) << 5000 << -76;
        QTest::addRow("-75") << 3 << "RAID6" << disks(9) << 5000 << -75;
        QTest::addRow("raid50 fails") << 3 << "RAID50" << disks(6) << 5000 << 0;
        QTest::addRow("raid60 fails") << 3 << "RAID60" << disks(8) << 5000 << 0;
        QTest::addRow("-72") << 3 << "RAID0" << QList<int>{9, 10, 12} << 5000 << -72;
        // The driver's answer to the size question.
        QTest::addRow("-69 global spare") << 3 << "RAID0" << QList<int>{9, 10, 8} << 5000 << -69;
        QTest::addRow("-69 legacy array") << 4 << "RAIDABLE" << QList<int>{11} << 5000 << -69;
    }
    void transformRules()
    {
        QFETCH(int, array);
        QFETCH(QString, type);
        QFETCH(QList<int>, members);
        QFETCH(int, capacity);
        QFETCH(int, code);
        const kvemu::Model before = emulator->model();
        QCOMPARE(api->TransformArray(record(type, members, capacity), array, false), code);
        QCOMPARE(platform->questions, code == -69 ? 1 : 0);
        QCOMPARE(platform->commands, 0);
        QVERIFY(emulator->model() == before);
    }

    void transform()
    {
        const KV_Create grow = record(QStringLiteral("RAID0"), {9, 10, 11});
        const int largest = api->TransformArray(grow, 3, true);
        QVERIFY(largest > 2000000); // three whole 1 TB disks
        KV_Create tooLarge = grow;
        tooLarge.capacityMB = largest + 10;
        QCOMPARE(api->TransformArray(tooLarge, 3, false), 0);
        QCOMPARE(platform->commands, 0);
        KV_Create atLargest = grow;
        atLargest.capacityMB = largest;
        QCOMPARE(api->TransformArray(atLargest, 3, false), 1);
        const kvemu::Model m = emulator->model();
        const kvemu::LogicalDevice *scratch = arrayOf(m, 3);
        QCOMPARE(scratch->transformType, 0x5354u);
        QCOMPARE(scratch->firstCount, 3u);
        QCOMPARE(scratch->capacity / 2048, KV_MegabytesToMebibytes(largest));
    }

    // A request the driver refuses (here: a stale generation, every time)
    // answers 0 and leaves the model as it was.
    void driverRefuses()
    {
        const kvemu::Model before = emulator->model();
        emulator->injectStaleGeneration(3);
        QCOMPARE(api->CreateArray(record(QStringLiteral("RAID1"), {3, 4}), false), 0);
        emulator->injectStaleGeneration(3);
        QCOMPARE(api->TransformArray(record(QStringLiteral("RAID0"), {9, 10, 11}, 5000), 3, false),
                 0);
        QCOMPARE(platform->commands, 6);
        QVERIFY(emulator->model() == before);
    }

    // One transfer of the kind fails, the Nth of the create, for every N:
    // the answer says what happened. A failure after the driver accepted the
    // request (the lookup of the new array) must not answer 0 for an array
    // that exists, or the user creates it again.
    void createAnswersWhatHappened_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addRow("read") << int(kvemu::TransferKind::Read);
        QTest::addRow("open") << int(kvemu::TransferKind::Open);
        QTest::addRow("write") << int(kvemu::TransferKind::Write);
    }
    void createAnswersWhatHappened()
    {
        QFETCH(int, kind);
        for (uint32_t n = 1;; ++n) {
            QVERIFY(n < 100);
            init();
            emulator->injectCountdown(kvemu::TransferKind(kind), n);
            const int result = api->CreateArray(record(QStringLiteral("RAID1"), {3, 4}), false);
            const bool created = arrayOf(emulator->model(), 6) != nullptr;
            QVERIFY2((result == 1) == created,
                     qPrintable(QStringLiteral("transfer %1: %2").arg(n).arg(result)));
            if (emulator->countdownRemaining() != 0)
                break; // the create ended before its Nth transfer
        }
    }

    void sizes_data()
    {
        QTest::addColumn<qint64>("megabytes");
        QTest::addColumn<quint64>("mebibytes");
        QTest::addColumn<quint64>("back");
        QTest::addRow("100 MB") << qint64(100) << quint64(95) << quint64(100);
        QTest::addRow("101 MB") << qint64(101) << quint64(96) << quint64(101);
        QTest::addRow("half rounds up") << qint64(8192) << quint64(7813) << quint64(8193);
        QTest::addRow("1 MB") << qint64(1) << quint64(1) << quint64(1);
        QTest::addRow("largest record")
            << qint64(2147483647) << quint64(2047999999) << quint64(2147483647);
        QTest::addRow("negative") << qint64(-5) << quint64(0) << quint64(0);
    }
    void sizes()
    {
        QFETCH(qint64, megabytes);
        QFETCH(quint64, mebibytes);
        QFETCH(quint64, back);
        QCOMPARE(KV_MegabytesToMebibytes(megabytes), mebibytes);
        QCOMPARE(KV_MebibytesToMegabytes(mebibytes), back);
    }

    void shape()
    {
        const auto raid10 = KV_ShapeOf(QStringLiteral("RAID10"), 6);
        QVERIFY(raid10);
        QCOMPARE(raid10->level, 7158u);
        QCOMPARE(raid10->sets, 3);
        QCOMPARE(raid10->width, 2);
        QVERIFY(!KV_ShapeOf(QStringLiteral("RAID10N"), 6));
        QVERIFY(!KV_ShapeOf(QStringLiteral("VOLUME"), 0));
    }

    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("valid");
        QTest::addRow("hyphen") << "A-B" << false;
        for (const QChar c : QStringLiteral("()^,.=|\"-[]"))
            QTest::addRow("holds %c", c.toLatin1()) << QStringLiteral("Disk%1s").arg(c) << false;
        QTest::addRow("line break") << "Vault\nD" << false;
        QTest::addRow("tab") << "Va\tult" << false;
        QTest::addRow("line separator")
            << QStringLiteral("Va%1ult").arg(QChar(QChar::LineSeparator)) << false;
        QTest::addRow("taken") << "Data" << false;
        QTest::addRow("case differs") << "data" << true;
        QTest::addRow("free") << "Vault" << true;
        QTest::addRow("NONE though taken") << "NONE" << true;
        QTest::addRow("renamed away") << "Scratch" << true;
    }
    void names()
    {
        QFETCH(QString, name);
        QFETCH(bool, valid);
        emulator->change([](kvemu::Model &m) { m.arrays[2].name = "NONE"; });
        api->Refresh();
        QCOMPARE(api->ValidArrayName(name), valid);
    }

    void trim_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QList<int>>("members");
        QTest::addColumn<bool>("supported");
        QTest::addRow("nvme stripe") << "RAID0" << QList<int>{9, 10} << true;
        QTest::addRow("ssd volume") << "VOLUME" << QList<int>{1} << true;
        QTest::addRow("ssd mirror") << "RAID1" << QList<int>{1, 2} << true;
        QTest::addRow("mixed mirror") << "RAID1" << QList<int>{1, 3} << false;
        QTest::addRow("hard disk") << "RAID0" << QList<int>{3} << false;
        QTest::addRow("parity") << "RAID5" << QList<int>{9, 10, 11} << false;
        QTest::addRow("not usable") << "RAID0" << QList<int>{9, 12} << false;
    }
    void trim()
    {
        QFETCH(QString, type);
        QFETCH(QList<int>, members);
        QFETCH(bool, supported);
        QCOMPARE(api->TrimSupportedFor(record(type, members)), supported);
    }

    void driveKinds_data()
    {
        QTest::addColumn<QList<int>>("members");
        QTest::addColumn<bool>("mixed");
        QTest::addRow("hard disks") << QList<int>{3, 4} << false;
        QTest::addRow("ssd and hard disk") << QList<int>{1, 3} << true;
        QTest::addRow("nvme and hard disk") << QList<int>{9, 3} << true;
        QTest::addRow("ssd and nvme") << QList<int>{1, 9} << true;
        QTest::addRow("nvme only") << QList<int>{9, 10, 11} << false;
        QTest::addRow("one not found") << QList<int>{9, 99} << false;
    }
    void driveKinds()
    {
        QFETCH(QList<int>, members);
        QFETCH(bool, mixed);
        QCOMPARE(api->MixedDriveKinds(record(QStringLiteral("RAID0"), members)), mixed);
    }

    void typeWords_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("twoLevel");
        QTest::addColumn<QString>("memberLevel");
        QTest::addColumn<bool>("redundant");
        QTest::addRow("RAID10") << "RAID10" << true << "RAID1" << true;
        QTest::addRow("RAID10N") << "RAID10N" << true << "RAID1" << true;
        QTest::addRow("RAID50") << "RAID50" << true << "RAID5" << true;
        QTest::addRow("RAID60") << "RAID60" << true << "RAID6" << true;
        QTest::addRow("RAID1N") << "RAID1N" << false << "RAID1" << true;
        QTest::addRow("RAID6") << "RAID6" << false << "RAID1" << true;
        QTest::addRow("RAID0") << "RAID0" << false << "RAID1" << false;
        QTest::addRow("LEGACY") << "LEGACY" << false << "RAID1" << false;
    }
    void typeWords()
    {
        QFETCH(QString, type);
        QFETCH(bool, twoLevel);
        QFETCH(QString, memberLevel);
        QFETCH(bool, redundant);
        QCOMPARE(IsTwoLevelType(type), twoLevel);
        QCOMPARE(MemberLevelType(type), memberLevel);
        QCOMPARE(IsRedundantType(type), redundant);
    }

    void arrayIsRedundant()
    {
        QVERIFY(api->IsRedundantType(2));  // RAID5
        QVERIFY(!api->IsRedundantType(3)); // RAID0
        QVERIFY(!api->IsRedundantType(99));
    }

    void messages_data()
    {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QStringList>("expected");
        QTest::addRow("create") << KV_CreateMessages()
                                << QStringList{
                                       "create would exceed maximum number of arrays allowed\n",
                                       "create size must be at least 100MB\n",
                                       "--no-sync and --zero options can't both be specified\n",
                                       "--leave-existing-data and --zero options can not be "
                                       "specified at the same time\n",
                                       "no disks were selected\n",
                                       "--spare-disk option not available for selected RAID type\n",
                                       "--priority option not available for selected RAID type\n",
                                       "--d-spare option not available for selected RAID type\n",
                                       "--sub-member option not available for selected RAID type\n",
                                       "--no-sync option not available for selected RAID type\n",
                                       "VOLUME is limited to 8 drives\n",
                                       "--disk must be one for RAIDAble\n",
                                       "--more than one disk selected, only one disk may be "
                                       "selected for RAIDAble\n",
                                       "RAID0 requires at least 2 to 8 drives\n",
                                       "RAID1 requires 2 drives\n",
                                       "RAID1n requires 3 or more drives\n",
                                       "RAID1n is limited to 8 drives\n",
                                       "--d-spare option requires at least 6 disks for RAID10\n",
                                       "RAID10 must have an even number of 4 to 8 disks\n",
                                       "an even number of disks must be supplied for this RAID "
                                       "type\n",
                                       "--d-spare option requires at least 9 disks for RAID10n\n",
                                       "RAID10n requires a minimum of 6 disks\n",
                                       "number of disks not evenly divisible by sub count\n",
                                       "sub-member must be 2 or greater for RAID10n\n",
                                       "--d-spare option requires at least 4 disks for RAID5\n",
                                       "RAID5 requires at least 3 drives\n",
                                       "RAID5 is limited to 8 drives\n",
                                       "RAID5 allows a maximum of 8 drives\n",
                                       "You cannot select physical drives for RTIER\n",
                                       "You must select 2 VDs for RTIER\n",
                                       "--d-spare option requires at least 5 disks for RAID6\n",
                                       "RAID6 requires at least 4 drives\n",
                                       "RAID6 is limited to 8 drives\n",
                                       "RAID6 allows a maximum of 16 drives\n",
                                       "--d-spare option requires at least 8 disks for RAID50\n",
                                       "must select at least 6 drives for a RAID50\n",
                                       "--sub-member must be 3 or greater for RAID50\n",
                                       "number of disks not evenly divisible by sub count\n",
                                       "--d-spare option requires at least 10 disks for RAID60\n",
                                       "must select at least 8 drives for a RAID60\n",
                                       "--sub-member must be 4 or greater for RAID60\n",
                                       "error, no RAID type specified\n",
                                       "a disk selected not present or valid\n",
                                       "The create failed because one of the drives is displaying "
                                       "SMART errors\n",
                                       "Support for the selected raid level is disabled\n",
                                       "error determining maximum possible size, check arguments\n",
                                       "create size exceeds maximum possible size\n",
                                       "create operation failed\n",
                                   };
        QTest::addRow("transform")
            << KV_TransformMessages()
            << QStringList{
                   "array not found\n",
                   "size must be at least 100MB\n",
                   "no disks were selected\n",
                   "an even number of disks must be supplied for this RAID type\n",
                   "--spare-disk option not available for selected RAID type\n",
                   "--priority option not available for selected RAID type\n",
                   "--d-spare option not available for selected RAID type\n",
                   "--sub-member option not available for selected RAID type\n",
                   "--no-sync option not available for selected RAID type\n",
                   "VOLUME is limited to 8 drives\n",
                   "--disk must be one for RAIDAble\n",
                   "--more than one disk selected, only one disk may be selected for RAIDAble\n",
                   "RAID0 requires at least 2 to 8 drives\n",
                   "RAID1 requires 2 drives\n",
                   "RAID1n requires 3 or more drives\n",
                   "RAID1n is limited to 8 drives\n",
                   "RAID10 must have an even number of 4 to 8 disks\n",
                   "--d-spare option requires at least 6 disks for RAID10\n",
                   "RAID10n requires a minimum of 6 disks\n",
                   "--d-spare option requires at least 9 disks for RAID10n\n",
                   "sub-member must be 2 or greater for RAID10n\n",
                   "RAID5 requires at least 3 drives\n",
                   "RAID5 is limited to 8 drives\n",
                   "RAID5 allows a maximum of 8 drives\n",
                   "RAID6 requires at least 4 drives\n",
                   "RAID6 is limited to 8 drives\n",
                   "RAID6 allows a maximum of 16 drives\n",
                   "error, no RAID type specified\n",
                   "a disk selected not present or valid\n",
                   "The transform failed because one of the drives is displaying SMART errors\n",
                   "Support for the selected raid level is disabled\n",
                   "error determining maximum possible size, check arguments\n",
                   "transform size exceeds maximum possible size\n",
                   "transform size required not possible with selected drives\n",
                   "transform operation failed\n",
               };
    }
    void messages()
    {
        QFETCH(QStringList, list);
        QFETCH(QStringList, expected);
        QCOMPARE(list.size(), expected.size());
        for (qsizetype i = 0; i < list.size(); ++i)
            QCOMPARE(list[i], expected[i]);
    }

    // A code finds its text at code + 100; a code outside the list none.
    void messageByCode()
    {
        QCOMPARE(KV_CreateMessage(-100), KV_CreateMessages().first());
        QCOMPARE(KV_CreateMessage(-58), QStringLiteral("a disk selected not present or valid\n"));
        QCOMPARE(KV_TransformMessage(-67),
                 QStringLiteral("transform size required not possible with selected drives\n"));
        QVERIFY(KV_CreateMessage(-52).isEmpty());
        QVERIFY(KV_TransformMessage(-65).isEmpty());
        QVERIFY(KV_CreateMessage(-101).isEmpty());
    }

    void metaType()
    {
        QCOMPARE(QMetaType::fromName("KV_Create"), QMetaType::fromType<KV_Create>());
    }
};

QTEST_GUILESS_MAIN(TestCreate)
#include "tst_create.moc"
