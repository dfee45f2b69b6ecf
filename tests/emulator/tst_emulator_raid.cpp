// The driver's array and disk commands: request blocks written by hand at
// their byte offsets, sent through the in-process platform, and their effect
// on the next configuration image. Refusals must leave the model and its
// generation as they were. Tasks run on an explicit clock.
#include "emulator_test_support.h"
#include "privileges.h"
#include "state_file.h"

#include <QTest>

using namespace testsupport;
using namespace std::chrono_literals;

class TestEmulatorRaid : public QObject {
    Q_OBJECT

    std::shared_ptr<kvemu::ManualClock> clock;
    std::shared_ptr<kvemu::Emulator> emulator;
    std::unique_ptr<kvemu::InProcessPlatform> platform;
    std::unique_ptr<ConfigClient> client;

    kvemu::PhysicalDisk disk(uint16_t route)
    {
        for (const kvemu::PhysicalDisk &d : emulator->model().disks)
            if (d.deviceRoute == route)
                return d;
        return {};
    }
    kvemu::LogicalDevice array(uint16_t route)
    {
        for (const kvemu::LogicalDevice &a : emulator->model().arrays)
            if (a.deviceRoute == route)
                return a;
        return {};
    }
    // A 16-byte device entry for a disk.
    void putDisk(std::vector<uint8_t> &b, size_t offset, uint16_t route)
    {
        const kvemu::PhysicalDisk d = disk(route);
        setLe<uint64_t>(b, offset, d.id);
        setLe<uint16_t>(b, offset + 8, d.deviceRoute);
        setLe<uint16_t>(b, offset + 10, d.coreRoute());
    }
    // An array as the manage and transform requests name it: identifier at
    // `idOffset`, routes at 44 and 46.
    void putArray(std::vector<uint8_t> &b, uint16_t route)
    {
        setLe<uint64_t>(b, 36, array(route).id);
        setLe<uint16_t>(b, 44, route);
        setLe<uint16_t>(b, 46, 0);
    }
    void putArrayEntry(std::vector<uint8_t> &b, size_t offset, uint16_t route)
    {
        setLe<uint64_t>(b, offset, array(route).id);
        setLe<uint16_t>(b, offset + 8, route);
    }
    uint32_t send(uint32_t code, const std::vector<uint8_t> &block)
    {
        return client->command(code, block, emulator->generation());
    }
    // Offsets of the logical records of array `route` in the current image.
    std::vector<size_t> records(const std::vector<uint8_t> &image, uint16_t route)
    {
        std::vector<size_t> found;
        const Walked w = walk(image, 256);
        for (size_t i = 0; i < w.offsets.size(); ++i)
            if (w.tags[i] == 0x25BD && le<uint16_t>(image, w.offsets[i] + 12) == route)
                found.push_back(w.offsets[i]);
        return found;
    }
    size_t diskRecord(const std::vector<uint8_t> &image, uint16_t route)
    {
        const Walked w = walk(image, 256);
        for (size_t i = 1; i < w.offsets.size(); ++i)
            if (w.tags[i] == 0x25BC && le<uint16_t>(image, w.offsets[i] + 12) == route)
                return w.offsets[i];
        return 0;
    }
    std::vector<uint8_t> createBlock(uint32_t type, uint32_t f, uint32_t s,
                                     const QList<int> &members, uint32_t options,
                                     uint64_t capacityMiB)
    {
        std::vector<uint8_t> b(1536, 0);
        setLe<uint32_t>(b, 32, type);
        setLe<uint32_t>(b, 36, uint32_t(members.size()));
        setLe<uint32_t>(b, 44, 1); // cache tag code: 64
        setLe<uint32_t>(b, 52, options);
        setLe<uint64_t>(b, 56, capacityMiB);
        setLe<uint32_t>(b, 72, f);
        setLe<uint32_t>(b, 76, s);
        std::memcpy(b.data() + 92, "New", 3);
        for (int i = 0; i < members.size(); ++i)
            putDisk(b, 188 + 16 * size_t(i), uint16_t(members[i]));
        return b;
    }
    // Sends a refused command and checks that nothing changed.
    void expectRefusal(uint32_t code, const std::vector<uint8_t> &block, uint32_t status)
    {
        const kvemu::Model before = emulator->model();
        QCOMPARE(send(code, block), status);
        QVERIFY(emulator->model() == before);
    }
    std::vector<uint8_t> smartData(uint16_t route, uint32_t sub, uint32_t &status)
    {
        std::vector<uint8_t> b(1024, 0);
        setLe<uint32_t>(b, 32, sub);
        setLe<uint32_t>(b, 36, 1);
        putDisk(b, 40, route);
        status = send(29, b);
        std::vector<uint8_t> data;
        if (status == 1)
            status = client->readData(0x1014, {}, 8192, data);
        return data;
    }

private slots:
    void init()
    {
        clock = std::make_shared<kvemu::ManualClock>();
        const kvemu::Model demo = kvemu::demoModel();
        emulator = std::make_shared<kvemu::Emulator>(kvemu::StoredState{demo, demo}, clock);
        platform = std::make_unique<kvemu::InProcessPlatform>(emulator);
        client = std::make_unique<ConfigClient>(*platform);
    }

    void create_data()
    {
        QTest::addColumn<uint32_t>("type");
        QTest::addColumn<uint32_t>("f");
        QTest::addColumn<uint32_t>("s");
        QTest::addColumn<QList<int>>("members");
        QTest::addColumn<uint32_t>("options");
        QTest::addColumn<qulonglong>("capacity");
        QTest::addColumn<uint32_t>("status");
        QTest::addColumn<uint32_t>("task");
        using L = QList<int>;
        QTest::addRow("RAID1 initializes")
            << 0x1BF6u << 1u << 2u << L{3, 4} << 0u << 100000ull << 1u << 0x5355u;
        QTest::addRow("RAID1, background scan")
            << 0x1BF6u << 1u << 2u << L{3, 4} << 0x400u << 1000ull << 1u << 0x5355u;
        QTest::addRow("RAID5, skip initialize")
            << 0x1BF5u << 1u << 3u << L{3, 4, 5} << 0x1000u << 100000ull << 1u << 0u;
        QTest::addRow("RAID5, leave data")
            << 0x1BF5u << 1u << 3u << L{3, 4, 5} << 0x4000u << 100000ull << 1u << 0u;
        QTest::addRow("RAID5, zero")
            << 0x1BF5u << 1u << 3u << L{3, 4, 5} << 0x10000u << 1000ull << 1u << 0x535Bu;
        QTest::addRow("RAID1N") << 0x1BF6u << 1u << 3u << L{3, 4, 5} << 0u << 669718ull << 1u
                                << 0x5355u;
        QTest::addRow("RAID10") << 0x1BF6u << 2u << 2u << L{3, 4, 5, 6} << 0u << 1339436ull << 1u
                                << 0x5355u;
        QTest::addRow("RAID10, a pair too much")
            << 0x1BF6u << 2u << 2u << L{3, 4, 5, 6} << 0u << 1339437ull << 45u << 0u;
        QTest::addRow("RAID6") << 0x1BFAu << 1u << 4u << L{3, 4, 5, 6} << 0u << 1339436ull << 1u
                               << 0x5355u;
        QTest::addRow("RAID0") << 0x1BF6u << 2u << 1u << L{3, 4} << 0u << 1000ull << 1u << 0u;
        QTest::addRow("VOLUME over two disks")
            << 0x1BF7u << 2u << 1u << L{3, 11} << 0u << 900000ull << 1u << 0u;
        QTest::addRow("RAIDABLE") << 0x1BFBu << 1u << 1u << L{11} << 0u << 1000ull << 1u << 0u;
        QTest::addRow("all the members hold")
            << 0x1BF6u << 1u << 2u << L{3, 4} << 0u << 669718ull << 1u << 0x5355u;
        QTest::addRow("more than they hold")
            << 0x1BF6u << 1u << 2u << L{3, 4} << 0u << 669719ull << 45u << 0u;
        QTest::addRow("member without free space")
            << 0x1BF6u << 1u << 2u << L{1, 3} << 0u << 1000ull << 45u << 0u;
        QTest::addRow("RAID0 cannot skip initialize")
            << 0x1BF6u << 2u << 1u << L{3, 4} << 0x1000u << 1000ull << 7u << 0u;
        QTest::addRow("zero and skip initialize")
            << 0x1BF5u << 1u << 3u << L{3, 4, 5} << 0x11000u << 1000ull << 7u << 0u;
        QTest::addRow("uninitialized member")
            << 0x1BF6u << 1u << 2u << L{3, 12} << 0u << 1000ull << 55u << 0u;
        QTest::addRow("global spare as member")
            << 0x1BF6u << 1u << 2u << L{3, 8} << 0u << 1000ull << 50u << 0u;
        QTest::addRow("LEGACY") << 0x1BF9u << 1u << 1u << L{11} << 0u << 1000ull << 7u << 0u;
        QTest::addRow("counts and members differ")
            << 0x1BF6u << 2u << 2u << L{3, 4, 5} << 0u << 1000ull << 7u << 0u;
        QTest::addRow("RAID6 of three")
            << 0x1BFAu << 1u << 3u << L{3, 4, 5} << 0u << 1000ull << 7u << 0u;
        QTest::addRow("RAID50") << 0x1BF5u << 2u << 3u << L{3, 4, 5, 6, 9, 10} << 0u << 1000ull
                                << 56u << 0u;
        QTest::addRow("same disk twice")
            << 0x1BF6u << 1u << 2u << L{3, 3} << 0u << 1000ull << 44u << 0u;
        QTest::addRow("no capacity") << 0x1BF6u << 2u << 1u << L{3, 4} << 0u << 0ull << 7u << 0u;
    }

    void create()
    {
        QFETCH(uint32_t, type);
        QFETCH(uint32_t, f);
        QFETCH(uint32_t, s);
        QFETCH(QList<int>, members);
        QFETCH(uint32_t, options);
        QFETCH(qulonglong, capacity);
        QFETCH(uint32_t, status);
        QFETCH(uint32_t, task);
        const std::vector<uint8_t> block = createBlock(type, f, s, members, options, capacity);
        if (status != 1) {
            expectRefusal(2, block, status);
            return;
        }
        const uint64_t generation = emulator->generation();
        QCOMPARE(send(2, block), 1u);
        QCOMPARE(emulator->generation(), generation + 1);
        const std::vector<uint8_t> image = client->image();
        const std::vector<size_t> r = records(image, 6); // the lowest free array number
        QCOMPARE(r.size(), size_t(1));
        QCOMPARE(le<uint32_t>(image, r[0] + 24), type);
        QCOMPARE(le<uint32_t>(image, r[0] + 28), task);
        QCOMPARE(le<uint64_t>(image, r[0] + 36), uint64_t(capacity) * 2048);
        QCOMPARE(le<uint32_t>(image, r[0] + 72), f);
        QCOMPARE(le<uint32_t>(image, r[0] + 76), s);
        QCOMPARE(le<uint32_t>(image, r[0] + 92), 1u); // the cache tag code as it was sent
        QCOMPARE(le<uint16_t>(image, r[0] + 104) & 0x400, int(options & 0x400));
        QCOMPARE(text(image, r[0] + 160, 32), std::string("New"));
        QCOMPARE(le<uint64_t>(image, r[0] + 512), disk(uint16_t(members[0])).id);
        QCOMPARE(QString::fromStdString(emulator->model().validate()), QString());
    }

    void tierOfTwoArrays()
    {
        std::vector<uint8_t> b = createBlock(0x1BFD, 2, 1, {}, 0, 1000);
        setLe<uint32_t>(b, 36, 2);
        putArrayEntry(b, 188, 3);
        putArrayEntry(b, 204, 5);
        QCOMPARE(send(2, b), 1u);
        std::vector<uint8_t> image = client->image();
        const size_t tier = records(image, 6).at(0);
        QCOMPARE(le<uint64_t>(image, tier + 512), array(3).id);
        QCOMPARE(le<uint16_t>(image, tier + 512 + 8), uint16_t(3));
        const size_t member = records(image, 3).at(0);
        QCOMPARE(le<uint32_t>(image, member + 80), 1u); // one parent
        QCOMPARE(le<uint16_t>(image, member + 104) & 0x200, 0x200);
        expectRefusal(2, b, 50); // a member of a tier already

        std::vector<uint8_t> d(1536, 0);
        setLe<uint32_t>(d, 36, 1);
        putArrayEntry(d, 40, 3);
        expectRefusal(3, d, 77); // the tier stands on it
        putArrayEntry(d, 40, 6);
        QCOMPARE(send(3, d), 1u);
        image = client->image();
        QCOMPARE(le<uint32_t>(image, records(image, 3).at(0) + 80), 0u);
        QCOMPARE(le<uint16_t>(image, records(image, 3).at(0) + 104) & 0x200, 0);
    }

    void createInfo_data()
    {
        QTest::addColumn<uint32_t>("f");
        QTest::addColumn<uint32_t>("s");
        QTest::addColumn<QList<int>>("members");
        QTest::addColumn<uint32_t>("status");
        QTest::addColumn<qulonglong>("largest");
        // The read carries no type code, so the answer is what every level
        // with these counts reaches: one member for one set, the smaller
        // stripe for single-member sets.
        QTest::addRow("one set of three") << 1u << 3u << QList<int>{3, 4, 5} << 1u << 669718ull;
        QTest::addRow("two sets of one") << 2u << 1u << QList<int>{3, 11} << 1u << 1339436ull;
        QTest::addRow("a whole free disk") << 1u << 1u << QList<int>{11} << 1u << 953868ull;
        QTest::addRow("uninitialized member") << 1u << 2u << QList<int>{3, 12} << 55u << 0ull;
        QTest::addRow("SMART error") << 1u << 2u << QList<int>{3, 4} << 75u << 0ull;
    }

    void createInfo()
    {
        QFETCH(uint32_t, f);
        QFETCH(uint32_t, s);
        QFETCH(QList<int>, members);
        QFETCH(uint32_t, status);
        QFETCH(qulonglong, largest);
        if (status == 75)
            QVERIFY(emulator->control("smart WJG1A7M9 error").ok);
        const uint64_t generation = emulator->generation();
        std::vector<uint8_t> answer;
        QCOMPARE(client->readData(0x100D, createBlock(0, f, s, members, 0x2000, 0), 8192, answer),
                 status);
        QCOMPARE(emulator->generation(), generation);
        if (status == 1) {
            QCOMPARE(le<uint64_t>(answer, 0), uint64_t(largest));
            QCOMPARE(le<uint64_t>(answer, 8), uint64_t(0));
        }
    }

    void arraySettings_data()
    {
        QTest::addColumn<int>("route");
        QTest::addColumn<uint32_t>("sub");
        QTest::addColumn<uint32_t>("parameter");
        QTest::addColumn<QString>("name");
        QTest::addColumn<uint32_t>("status");
        QTest::addColumn<int>("offset"); // of the changed field in the array's record
        QTest::addColumn<qulonglong>("value");
        QTest::addRow("hide") << 2 << 0x7CABu << 0x2000200u << "" << 1u << 104 << 0x200ull;
        QTest::addRow("background scan")
            << 2 << 0x7CABu << 0x4000400u << "" << 1u << 104 << 0x400ull;
        QTest::addRow("value outside its mask")
            << 2 << 0x7CABu << 0x2000400u << "" << 7u << 0 << 0ull;
        QTest::addRow("unknown attribute") << 2 << 0x7CABu << 0x80008000u << "" << 7u << 0 << 0ull;
        QTest::addRow("read cache")
            << 2 << 0x7CA8u << 0x80000000u << "" << 1u << 96 << 0x80000000ull;
        QTest::addRow("unknown cache bits") << 2 << 0x7CA8u << 1u << "" << 7u << 0 << 0ull;
        QTest::addRow("priority") << 2 << 0x7CAAu << 60u << "" << 1u << 116 << 60ull;
        QTest::addRow("priority 0") << 2 << 0x7CAAu << 0u << "" << 7u << 0 << 0ull;
        QTest::addRow("remove all spares") << 2 << 0x7CADu << 0u << "" << 1u << 84 << 0ull;
        QTest::addRow("no spares to remove") << 1 << 0x7CADu << 0u << "" << 47u << 0 << 0ull;
        QTest::addRow("rename") << 2 << 0x7CACu << 0u << "Backups" << 1u << 160 << 0ull;
        QTest::addRow("rename, 33 bytes")
            << 2 << 0x7CACu << 0u << QString(33, 'x') << 7u << 0 << 0ull;
        QTest::addRow("secure erase") << 2 << 0x7CAEu << 0u << "" << 1u << 28 << 0x535Cull;
        QTest::addRow("secure erase in use") << 1 << 0x7CAEu << 0u << "" << 77u << 0 << 0ull;
        QTest::addRow("unknown sub-operation") << 2 << 0x7CFFu << 0u << "" << 7u << 0 << 0ull;
        QTest::addRow("stop a check that is not running")
            << 2 << 0x7CA0u << 0u << "" << 7u << 0 << 0ull;
    }

    // An opener that is not elevated is refused exactly the commands that
    // destroy or withdraw data, and the refusal changes nothing.
    void destructiveCommandsNeedElevation_data()
    {
        QTest::addColumn<uint32_t>("code");
        QTest::addColumn<uint32_t>("sub");
        QTest::addColumn<uint32_t>("parameter");
        QTest::addColumn<bool>("destructive");
        QTest::addRow("delete") << 3u << 0u << 0u << true;
        QTest::addRow("initialize or clear metadata") << 4u << 0u << 0u << true;
        QTest::addRow("offline") << 17u << 0u << 0u << true;
        QTest::addRow("secure erase") << 7u << 0x7CAEu << 0u << true;
        QTest::addRow("hide") << 7u << 0x7CABu << 0x2000200u << true;
        QTest::addRow("prepare for removal") << 7u << 0x7CABu << 0x12001200u << true;
        QTest::addRow("disk hot removal") << 29u << 0x4021u << 0u << true;
        QTest::addRow("background scan") << 7u << 0x7CABu << 0x4000400u << false;
        QTest::addRow("read cache") << 7u << 0x7CA8u << 0x80000000u << false;
        QTest::addRow("identify") << 29u << 0x4005u << 0u << false;
    }
    void destructiveCommandsNeedElevation()
    {
        QFETCH(uint32_t, code);
        QFETCH(uint32_t, sub);
        QFETCH(uint32_t, parameter);
        QFETCH(bool, destructive);
        kvemu::InProcessPlatform plain(emulator, false);
        QVERIFY(!plain.processIsElevated());
        ConfigClient user(plain);
        std::vector<uint8_t> b(1024, 0);
        if (code == 7) {
            setLe<uint32_t>(b, 32, sub);
            putArray(b, 5);
            setLe<uint32_t>(b, 56, parameter);
        } else if (code == 29) {
            setLe<uint32_t>(b, 32, sub);
            setLe<uint32_t>(b, 36, 1);
            putDisk(b, 40, emulator->model().disks.at(1).deviceRoute);
        } else {
            setLe<uint32_t>(b, 36, 1); // one array (delete, offline) or disk (initialize)
            if (code == 4)
                putDisk(b, 44, emulator->model().disks.at(1).deviceRoute);
            else
                putArrayEntry(b, code == 3 ? 40 : 36, 5);
        }
        const kvemu::Model before = emulator->model();
        const uint32_t status = user.command(code, b, emulator->generation());
        if (destructive) {
            QCOMPARE(status, kvemu::NotElevatedStatus);
            QVERIFY(emulator->model() == before);
        } else {
            QCOMPARE(status, 1u);
        }
    }

    void arraySettings()
    {
        QFETCH(int, route);
        QFETCH(uint32_t, sub);
        QFETCH(uint32_t, parameter);
        QFETCH(QString, name);
        QFETCH(uint32_t, status);
        QFETCH(int, offset);
        QFETCH(qulonglong, value);
        std::vector<uint8_t> b(1024, 0);
        setLe<uint32_t>(b, 32, sub);
        putArray(b, uint16_t(route));
        setLe<uint32_t>(b, 56, parameter);
        if (status == 77)
            QCOMPARE(emulator->change([](kvemu::Model &m) { m.arrays[0].referenceCount = 1; }),
                     std::string());
        if (!name.isEmpty()) {
            const QByteArray bytes = name.toLatin1();
            setLe<uint32_t>(b, 60, uint32_t(bytes.size()));
            std::memcpy(b.data() + 64, bytes.data(), size_t(std::min<qsizetype>(bytes.size(), 32)));
        }
        if (status != 1) {
            expectRefusal(7, b, status);
            return;
        }
        QCOMPARE(send(7, b), 1u);
        const std::vector<uint8_t> image = client->image();
        const size_t r = records(image, uint16_t(route)).at(0);
        if (offset == 160)
            QCOMPARE(text(image, r + 160, 32), name.toStdString());
        else if (offset == 104)
            QCOMPARE(qulonglong(le<uint16_t>(image, r + 104)), value);
        else
            QCOMPARE(qulonglong(le<uint32_t>(image, r + size_t(offset))), value);
    }

    void spares_data()
    {
        QTest::addColumn<uint32_t>("sub");
        QTest::addColumn<int>("arrayRoute"); // 0: global
        QTest::addColumn<int>("diskRoute");
        QTest::addColumn<uint32_t>("status");
        QTest::addRow("assign global") << 0x7CA4u << 0 << 11 << 1u;
        QTest::addRow("member as global") << 0x7CA4u << 0 << 3 << 50u;
        QTest::addRow("uninitialized as global") << 0x7CA4u << 0 << 12 << 55u;
        QTest::addRow("remove global") << 0x7CA5u << 0 << 8 << 1u;
        QTest::addRow("remove a global that is none") << 0x7CA5u << 0 << 11 << 47u;
        QTest::addRow("dedicated to a mirror") << 0x7CA2u << 1 << 11 << 1u;
        QTest::addRow("dedicated to a stripe") << 0x7CA2u << 3 << 11 << 43u;
        QTest::addRow("dedicated, already a spare") << 0x7CA2u << 1 << 8 << 50u;
        QTest::addRow("remove dedicated") << 0x7CA3u << 2 << 7 << 1u;
        QTest::addRow("remove a dedicated that is none") << 0x7CA3u << 2 << 11 << 47u;
    }

    void spares()
    {
        QFETCH(uint32_t, sub);
        QFETCH(int, arrayRoute);
        QFETCH(int, diskRoute);
        QFETCH(uint32_t, status);
        std::vector<uint8_t> b(1024, 0);
        setLe<uint32_t>(b, 32, sub);
        if (arrayRoute != 0)
            putArray(b, uint16_t(arrayRoute));
        setLe<uint32_t>(b, 52, 1);
        putDisk(b, 92, uint16_t(diskRoute));
        if (status != 1) {
            expectRefusal(7, b, status);
            return;
        }
        const uint32_t sparesBefore =
            arrayRoute != 0 ? uint32_t(array(uint16_t(arrayRoute)).spares.size()) : 0;
        QCOMPARE(send(7, b), 1u);
        const std::vector<uint8_t> image = client->image();
        const bool assign = sub == 0x7CA2 || sub == 0x7CA4;
        if (arrayRoute == 0) {
            QCOMPARE(le<uint32_t>(image, diskRecord(image, uint16_t(diskRoute)) + 48),
                     assign ? 0x100u : 0u);
            return;
        }
        const size_t r = records(image, uint16_t(arrayRoute)).at(0);
        const uint32_t spares = le<uint32_t>(image, r + 84);
        QCOMPARE(spares, assign ? sparesBefore + 1 : sparesBefore - 1);
        if (assign) {
            const size_t entry = r + 512 +
                                 64 * le<uint32_t>(image, r + 72) * le<uint32_t>(image, r + 76) +
                                 16 * le<uint32_t>(image, r + 80) + 16 * (spares - 1);
            QCOMPARE(le<uint64_t>(image, entry), disk(uint16_t(diskRoute)).id);
            QCOMPARE(le<uint16_t>(image, entry + 8), uint16_t(diskRoute));
        }
    }

    // An array takes four dedicated spares; a fifth is refused.
    void fifthDedicatedSpare()
    {
        QCOMPARE(emulator->change([](kvemu::Model &m) {
            m.arrays[0].spares = {m.disks[2].id, m.disks[3].id, m.disks[4].id, m.disks[5].id};
        }),
                 std::string());
        std::vector<uint8_t> b(1024, 0);
        setLe<uint32_t>(b, 32, 0x7CA2);
        putArray(b, 1);
        setLe<uint32_t>(b, 52, 1);
        putDisk(b, 92, 11);
        expectRefusal(7, b, 46);
    }

    void deleteAndOffline()
    {
        std::vector<uint8_t> b(1536, 0);
        setLe<uint32_t>(b, 36, 1);
        putArrayEntry(b, 40, 3);
        QCOMPARE(send(3, b), 1u);
        QVERIFY(records(client->image(), 3).empty());
        QCOMPARE(platform->driveType("E:\\"), 1); // its volume went with it
        expectRefusal(3, b, 10);                  // it is gone

        QCOMPARE(emulator->change([](kvemu::Model &m) { m.arrays[0].referenceCount = 1; }),
                 std::string());
        putArrayEntry(b, 40, 1);
        expectRefusal(3, b, 77);
        expectRefusal(
            17,
            [&] {
                std::vector<uint8_t> o(1536, 0);
                setLe<uint32_t>(o, 32, 1);
                putArrayEntry(o, 36, 1);
                return o;
            }(),
            77);

        std::vector<uint8_t> o(1536, 0);
        setLe<uint32_t>(o, 32, 1);
        putArrayEntry(o, 36, 5);
        QCOMPARE(send(17, o), 1u);
        const std::vector<uint8_t> image = client->image();
        QCOMPARE(le<uint32_t>(image, records(image, 5).at(0) + 20), 0x202u);
    }

    void initializeDisks_data()
    {
        QTest::addColumn<int>("route");
        QTest::addColumn<uint32_t>("mode");
        QTest::addColumn<uint32_t>("status");
        QTest::addColumn<uint32_t>("type");
        QTest::addColumn<int>("arrayGone"); // the pass-through array the disk leaves
        QTest::addRow("uninitialized becomes a disk") << 12 << 0u << 1u << 0x1200u << 0;
        QTest::addRow("clear metadata") << 11 << 1u << 1u << 0u << 0;
        QTest::addRow("legacy disk") << 13 << 0u << 1u << 0x1200u << 4;
        QTest::addRow("pass-through disk") << 14 << 0u << 1u << 0x1200u << 5;
        QTest::addRow("clear a member") << 3 << 1u << 77u << 0u << 0;
        QTest::addRow("initialize a RAID member") << 3 << 0u << 77u << 0u << 0;
        QTest::addRow("unknown mode") << 12 << 2u << 7u << 0u << 0;
    }

    void initializeDisks()
    {
        QFETCH(int, route);
        QFETCH(uint32_t, mode);
        QFETCH(uint32_t, status);
        QFETCH(uint32_t, type);
        QFETCH(int, arrayGone);
        std::vector<uint8_t> b(1536, 0);
        setLe<uint32_t>(b, 36, 1);
        setLe<uint32_t>(b, 40, mode);
        putDisk(b, 44, uint16_t(route));
        if (status != 1) {
            expectRefusal(4, b, status);
            return;
        }
        QCOMPARE(send(4, b), 1u);
        const std::vector<uint8_t> image = client->image();
        QCOMPARE(le<uint32_t>(image, diskRecord(image, uint16_t(route)) + 36), type);
        if (arrayGone != 0)
            QVERIFY(records(image, uint16_t(arrayGone)).empty());
        // Initialized, the disk offers its space; cleared, none.
        QCOMPARE(le<uint64_t>(image, diskRecord(image, uint16_t(route)) + 208) > 0, type != 0);
    }

    void tasksOnTheClock()
    {
        emulator->setTaskDuration(100s);
        QCOMPARE(send(2, createBlock(0x1BF6, 1, 2, {3, 4}, 0, 1000)), 1u);
        const uint64_t generation = emulator->generation();
        clock->advance(50s);
        std::vector<uint8_t> image = client->image();
        QCOMPARE(le<uint32_t>(image, records(image, 6).at(0) + 100), 50000u);
        QCOMPARE(le<uint32_t>(image, records(image, 6).at(0) + 32), 0xA1A1u);
        QCOMPARE(emulator->generation(), generation); // progress is no new configuration

        auto control = [&](uint32_t action, int route) {
            std::vector<uint8_t> b(1536, 0);
            setLe<uint32_t>(b, 32, action);
            setLe<uint32_t>(b, 40, 1);
            putArrayEntry(b, 44, uint16_t(route));
            return b;
        };
        QCOMPARE(send(34, control(0x6000, 6)), 1u);
        expectRefusal(34, control(0x6000, 6), 7); // paused already
        clock->advance(100s);
        image = client->image();
        QCOMPARE(le<uint32_t>(image, records(image, 6).at(0) + 32), 0xA1A2u);
        QCOMPARE(le<uint32_t>(image, records(image, 6).at(0) + 100), 50000u);
        QCOMPARE(send(34, control(0x6001, 6)), 1u);
        expectRefusal(34, control(0x6001, 6), 7); // not paused
        const uint64_t beforeEnd = emulator->generation();
        clock->advance(50s);
        image = client->image();
        QCOMPARE(le<uint32_t>(image, records(image, 6).at(0) + 28), 0u);
        QCOMPARE(le<uint32_t>(image, records(image, 6).at(0) + 100), 0u);
        QCOMPARE(emulator->generation(), beforeEnd + 1);

        // A check starts on a mirror and is removed.
        std::vector<uint8_t> check(1024, 0);
        setLe<uint32_t>(check, 32, 0x7CA7);
        putArray(check, 1);
        QCOMPARE(send(7, check), 1u);
        QCOMPARE(array(1).transformType, 0x5356u);
        expectRefusal(7, check, 40); // one task at a time
        QCOMPARE(send(34, control(0x6002, 1)), 1u);
        QCOMPARE(array(1).transformType, 0u);
        expectRefusal(34, control(0x6002, 1), 7); // nothing left to remove
    }

    void transformShowsBothLayouts()
    {
        std::vector<uint8_t> b(1536, 0);
        setLe<uint32_t>(b, 32, 0x1BF6);
        putArray(b, 3);
        setLe<uint32_t>(b, 52, 3);
        setLe<uint32_t>(b, 72, 3);
        setLe<uint32_t>(b, 76, 1);
        putDisk(b, 156, 9);
        putDisk(b, 172, 10);
        putDisk(b, 188, 11);
        std::vector<uint8_t> answer;
        QCOMPARE(client->readData(0x100C, b, 8192, answer), 1u);
        QCOMPARE(le<uint64_t>(answer, 0), 3ull * 953868);
        QCOMPARE(le<uint64_t>(answer, 8), 2ull * 953868);

        setLe<uint64_t>(b, 64, 1000);
        expectRefusal(8, b, 4); // arrays do not shrink
        setLe<uint64_t>(b, 64, 3ull * 953868 + 1);
        expectRefusal(8, b, 45);
        const uint64_t wanted = 2ull * 953868 + 3000;
        setLe<uint64_t>(b, 64, wanted);
        QCOMPARE(send(8, b), 1u);
        std::vector<uint8_t> image = client->image();
        std::vector<size_t> r = records(image, 3);
        QCOMPARE(r.size(), size_t(2));
        // The first record is the new layout, the second the old one.
        QCOMPARE(le<uint32_t>(image, r[0] + 72), 3u);
        QCOMPARE(le<uint64_t>(image, r[0] + 36), wanted * 2048);
        QCOMPARE(le<uint64_t>(image, r[0] + 512 + 128), disk(11).id);
        QCOMPARE(le<uint32_t>(image, r[1] + 72), 2u);
        QCOMPARE(le<uint64_t>(image, r[1] + 36), 2ull * 953868 * 2048);
        QCOMPARE(le<uint32_t>(image, r[0] + 28), 0x5354u);
        QCOMPARE(le<uint32_t>(image, r[1] + 28), 0x5354u);
        QCOMPARE(r[1], r[0] + le<uint32_t>(image, r[0] + 144)); // one after the other

        std::vector<uint8_t> remove(1536, 0);
        setLe<uint32_t>(remove, 32, 0x6002);
        setLe<uint32_t>(remove, 40, 1);
        putArrayEntry(remove, 44, 3);
        expectRefusal(34, remove, 40);

        // The layouts survive a restart of the daemon.
        kvemu::StoredState parsed;
        const kvemu::StoredState saved{emulator->model(), emulator->previousModel()};
        QCOMPARE(QString::fromStdString(
                     kvemu::statefile::parse(kvemu::statefile::serialize(saved), parsed)),
                 QString());
        QVERIFY(parsed == saved);

        emulator->setTaskDuration(10s);
        clock->advance(10s);
        image = client->image();
        r = records(image, 3);
        QCOMPARE(r.size(), size_t(1));
        QCOMPARE(le<uint32_t>(image, r[0] + 72), 3u);
        QCOMPARE(le<uint32_t>(image, r[0] + 28), 0u);
    }

    void failureRebuildAndOffline()
    {
        emulator->setTaskDuration(1s);
        QVERIFY(emulator->control("fail WJG1A7K2").ok); // a member of the RAID5 "Data"
        std::vector<uint8_t> image = client->image();
        std::vector<size_t> r = records(image, 2);
        QCOMPARE(r.size(), size_t(2));
        QCOMPARE(le<uint32_t>(image, r[0] + 20), 0x201u);
        QCOMPARE(le<uint32_t>(image, r[0] + 28), 0x5358u);
        QCOMPARE(le<uint64_t>(image, r[0] + 512), disk(7).id); // the dedicated spare
        QCOMPARE(le<uint32_t>(image, r[0] + 84), 0u);          // is a spare no more
        QCOMPARE(le<uint64_t>(image, r[1] + 512), disk(3).id);
        QCOMPARE(le<uint32_t>(image, r[1] + 512 + 48), 0x10u);
        QCOMPARE(le<uint32_t>(image, diskRecord(image, 3) + 44), 0x3001u);

        clock->advance(1s);
        image = client->image();
        r = records(image, 2);
        QCOMPARE(r.size(), size_t(1));
        QCOMPARE(le<uint32_t>(image, r[0] + 20), 0x200u);
        QCOMPARE(le<uint32_t>(image, r[0] + 512 + 48), 0u);

        // The next failure takes the global spare.
        QVERIFY(emulator->control("fail WJG1A7M9").ok);
        QCOMPARE(array(2).elements[1].diskId, disk(8).id);
        QVERIFY(!disk(8).globalSpare);
        clock->advance(1s);
        QCOMPARE(array(2).state, 0x200u);
        // Without spares one failure leaves it critical, a second offline.
        QVERIFY(emulator->control("fail WJG1A8C4").ok);
        QCOMPARE(array(2).state, 0x201u);
        QCOMPARE(array(2).transformType, 0u);
        QVERIFY(emulator->control("fail WJG1A8D1").ok);
        QCOMPARE(array(2).state, 0x202u);
        QVERIFY(!emulator->control("fail WJG1A8D1").ok); // failed already
    }

    void hotRemovalAndInsertion()
    {
        const uint64_t id = disk(9).id;
        QVERIFY(emulator->control("remove 22110P801234").ok); // a member of the RAID0
        std::vector<uint8_t> image = client->image();
        QCOMPARE(diskRecord(image, 9), size_t(0));
        size_t r = records(image, 3).at(0);
        QCOMPARE(le<uint32_t>(image, r + 20), 0x202u);
        QCOMPARE(le<uint64_t>(image, r + 512), id); // the member keeps its identifier
        QCOMPARE(le<uint16_t>(image, r + 512 + 8), uint16_t(0));
        QCOMPARE(le<uint32_t>(image, r + 512 + 48), 0x4000u);

        QVERIFY(emulator->control("insert 22110P801234").ok);
        image = client->image();
        QVERIFY(diskRecord(image, 9) != 0);
        r = records(image, 3).at(0);
        QCOMPARE(le<uint32_t>(image, r + 20), 0x200u);
        QCOMPARE(le<uint16_t>(image, r + 512 + 8), uint16_t(9));
        QCOMPARE(le<uint32_t>(image, r + 512 + 48), 0u);
        QVERIFY(!emulator->control("insert 22110P801234").ok); // it is in already

        // A new disk in the port that a pulled one left.
        QVERIFY(emulator->control("remove 2235E6543210").ok);
        QVERIFY(!emulator->control("insert new 1 3 500 sata").ok);
        QVERIFY(emulator->control("insert new 1 3 500 nvme").ok);
        image = client->image();
        const size_t d = diskRecord(image, 12);
        QVERIFY(d != 0);
        QCOMPARE(le<uint32_t>(image, d + 36), 0u); // uninitialized
        QCOMPARE(le<uint64_t>(image, d + 28), 500ull * 1953125);
    }

    void diskOptions_data()
    {
        QTest::addColumn<int>("route");
        QTest::addColumn<uint32_t>("sub");
        QTest::addColumn<uint32_t>("status");
        QTest::addColumn<uint32_t>("bit");
        QTest::addColumn<bool>("set");
        QTest::addRow("write-back cache on") << 3 << 0x4000u << 1u << 0x400000u << true;
        QTest::addRow("read-ahead on") << 3 << 0x4002u << 1u << 0x1000000u << true;
        QTest::addRow("S.M.A.R.T. polling off") << 3 << 0x401Cu << 1u << 0x4u << false;
        QTest::addRow("write cache of an NVMe disk") << 9 << 0x4000u << 43u << 0u << false;
        QTest::addRow("prepare for removal") << 3 << 0x4021u << 1u << 0u << false;
        QTest::addRow("prepare, no hot swap") << 9 << 0x4021u << 43u << 0u << false;
        QTest::addRow("identify") << 3 << 0x4005u << 1u << 0u << false;
        QTest::addRow("no such sub-operation") << 3 << 0x4015u << 7u << 0u << false;
    }

    void diskOptions()
    {
        QFETCH(int, route);
        QFETCH(uint32_t, sub);
        QFETCH(uint32_t, status);
        QFETCH(uint32_t, bit);
        QFETCH(bool, set);
        std::vector<uint8_t> b(1024, 0);
        setLe<uint32_t>(b, 32, sub);
        setLe<uint32_t>(b, 36, 1);
        putDisk(b, 40, uint16_t(route));
        if (status != 1) {
            expectRefusal(29, b, status);
            return;
        }
        QCOMPARE(send(30, b), 1u);
        const std::vector<uint8_t> image = client->image();
        if (bit != 0)
            QCOMPARE((le<uint32_t>(image, diskRecord(image, uint16_t(route)) + 84) & bit) != 0,
                     set);
        if (sub == 0x4021)
            QVERIFY(disk(uint16_t(route)).preparedForRemoval);
        if (sub == 0x4005)
            QCOMPARE(disk(uint16_t(route)).identify, 1u);
    }

    void ataSmartTable()
    {
        uint32_t status = 0;
        auto attribute = [](const std::vector<uint8_t> &t, uint8_t id) -> size_t {
            for (size_t at = 2; at + 12 <= 2 + 30 * 12; at += 12)
                if (t[at] == id)
                    return at;
            return 0;
        };
        std::vector<uint8_t> t = smartData(3, 0x4014, status);
        QCOMPARE(status, 1u);
        QVERIFY(le<uint16_t>(t, 0) != 0 && (le<uint16_t>(t, 0) & 0xFF) != 0xFF);
        const size_t hours = attribute(t, 9), temperature = attribute(t, 194),
                     reallocated = attribute(t, 5);
        QVERIFY(hours != 0 && temperature != 0 && reallocated != 0);
        const uint64_t hoursRaw = le<uint64_t>(t, hours + 5) & 0xFFFFFFFFFFFFull;
        QCOMPARE(hoursRaw, uint64_t(disk(3).powerOnHours));
        QVERIFY(t[temperature + 3] >= 32 && t[temperature + 3] <= 42);
        QVERIFY(t[temperature + 3] < t[temperature + 11]); // below its threshold: normal
        QCOMPARE(t[temperature + 5], t[temperature + 3]);  // raw byte 0 is the reading
        QVERIFY(t[reallocated + 3] > t[reallocated + 11]);

        clock->advance(120s);
        QVERIFY(emulator->control("smart WJG1A7K2 error").ok);
        t = smartData(3, 0x4014, status);
        QCOMPARE(le<uint64_t>(t, hours + 5) & 0xFFFFFFFFFFFFull, hoursRaw + 2);
        QVERIFY(t[reallocated + 3] < t[reallocated + 11]); // crossed
        const std::vector<uint8_t> image = client->image();
        QCOMPARE(le<uint32_t>(image, diskRecord(image, 3) + 44), 0x3002u);

        smartData(9, 0x4014, status);
        QCOMPARE(status, 43u); // NVMe disks answer the health page instead
    }

    void nvmeHealthPage()
    {
        uint32_t status = 0;
        std::vector<uint8_t> p = smartData(9, 0x4010, status);
        QCOMPARE(status, 1u);
        const uint16_t kelvin = le<uint16_t>(p, 1);
        QVERIFY(kelvin >= 305 && kelvin <= 315);
        QCOMPARE(p[0], uint8_t(0));
        QVERIFY(p[3] > p[4]);
        QCOMPARE(le<uint64_t>(p, 128), uint64_t(disk(9).powerOnHours));
        QVERIFY(le<uint64_t>(p, 112) > 0);

        QVERIFY(emulator->control("smart 22110P801234 error").ok);
        p = smartData(9, 0x4010, status);
        QCOMPARE(p[0] & 1, 1);
        QVERIFY(p[3] < p[4]);
        QVERIFY(emulator->control("smart 22110P801234 clear").ok);
        QCOMPARE(disk(9).state, 0x3000u);

        smartData(3, 0x4010, status);
        QCOMPARE(status, 43u);
    }

    void locks()
    {
        QVERIFY(emulator->control("lock disk 11").ok);
        std::vector<uint8_t> image = client->image();
        QCOMPARE(le<uint32_t>(image, diskRecord(image, 11) + 44), 0x3004u);
        expectRefusal(2, createBlock(0x1BFB, 1, 1, {11}, 0, 1000), 40);
        for (const uint32_t mode : {0u, 1u}) { // neither initialized nor cleared
            std::vector<uint8_t> b(1536, 0);
            setLe<uint32_t>(b, 36, 1);
            setLe<uint32_t>(b, 40, mode);
            putDisk(b, 44, 11);
            expectRefusal(4, b, 40);
        }
        QVERIFY(emulator->control("unlock disk 11").ok);
        QVERIFY(!emulator->control("unlock disk 11").ok);

        QVERIFY(emulator->control("lock array 2").ok);
        image = client->image();
        QCOMPARE(le<uint32_t>(image, records(image, 2).at(0) + 20), 0x204u);
        std::vector<uint8_t> b(1536, 0);
        setLe<uint32_t>(b, 36, 1);
        putArrayEntry(b, 40, 2);
        expectRefusal(3, b, 40);
        QVERIFY(emulator->control("unlock array 2").ok);
        QCOMPARE(array(2).state, 0x200u);
        QVERIFY(!emulator->control("lock array 9").ok);
        QVERIFY(!emulator->control("fail nosuchdisk").ok);
        QCOMPARE(emulator->control("rate 30").text, std::string("a task takes 30 s\n"));
        QCOMPARE(emulator->taskDuration(), std::chrono::milliseconds(30000));
    }
};

QTEST_GUILESS_MAIN(TestEmulatorRaid)
#include "tst_emulator_raid.moc"
