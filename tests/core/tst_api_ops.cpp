// The array and disk operations, request block by request block, against a
// scripted host serving hand-built configuration images.
#include "kv_api.h"
#include "kv_api_call.h"
#include "recording_platform.h"

#include <QTest>

#include <atomic>
#include <cstdlib>
#include <ctime>
#include <thread>

using test::put;
using test::u32At;
using test::u64At;

namespace {

// A configuration image at the driver's byte offsets; disk identifiers are
// 0x100 + route unless given.
struct Image {
    std::vector<uint8_t> bytes = std::vector<uint8_t>(65536, 0);
    size_t next = 512;

    explicit Image(uint64_t generation = 9) { put<uint64_t>(bytes, 52, generation); }

    Image &disk(uint16_t route, uint32_t type = 0x1200, uint32_t portType = 0, uint64_t id = 0)
    {
        const size_t r = next;
        next += 256;
        put<uint32_t>(bytes, r, 0x25BC);
        put<uint64_t>(bytes, r + 4, id != 0 ? id : 0x100u + route);
        put<uint16_t>(bytes, r + 12, route);
        put<uint32_t>(bytes, r + 36, type);
        put<uint32_t>(bytes, r + 88, portType);
        return *this;
    }
    // A one-member array.
    Image &array(uint16_t route, uint64_t id, uint32_t typeCode = 0x1BF6, uint64_t member = 0,
                 uint32_t references = 0, uint32_t task = 0, uint32_t taskState = 0,
                 uint32_t progress = 0)
    {
        const size_t r = next;
        next += 576;
        put<uint32_t>(bytes, r, 0x25BD);
        put<uint64_t>(bytes, r + 4, id);
        put<uint16_t>(bytes, r + 12, route);
        put<uint32_t>(bytes, r + 24, typeCode);
        put<uint32_t>(bytes, r + 28, task);
        put<uint32_t>(bytes, r + 32, taskState);
        put<uint32_t>(bytes, r + 72, 1);
        put<uint32_t>(bytes, r + 76, 1);
        put<uint32_t>(bytes, r + 100, progress);
        put<uint32_t>(bytes, r + 120, references);
        put<uint32_t>(bytes, r + 144, 576);
        put<uint64_t>(bytes, r + 512, member);
        return *this;
    }
};

std::string pathOf(int route, int core = 1)
{
    return "//./Core" + std::to_string(core) + "/Route0/Device" + std::to_string(route) +
           (route < 10 ? " " : "");
}

struct Paths {
    struct Entry {
        KV_DevicePath path;
    };
    std::vector<Entry> entries;
    Paths(std::initializer_list<int> routes, int core = 1)
    {
        for (int route : routes) {
            Entry e{};
            std::snprintf(e.path, sizeof e.path, "%s", pathOf(route, core).c_str());
            entries.push_back(e);
        }
    }
    const KV_DevicePath *data() const { return entries.empty() ? nullptr : &entries[0].path; }
    uint32_t count() const { return uint32_t(entries.size()); }
};

// The identifier the library draws at time `t`.
uint64_t drawnAt(unsigned t)
{
    std::srand(t);
    const uint32_t a = std::rand() & 0xFFFF, b = std::rand() & 0xFFFF;
    const uint32_t upper = a << 16 | b;
    std::srand(t + (upper & 0xFFFF));
    const uint32_t c = std::rand() & 0xFFFF, d = std::rand() & 0xFFFF;
    return uint64_t(upper) << 32 | (c << 16 | d);
}

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

// A field of a request block: offset, width in bytes, value.
struct Field {
    template <typename O, typename W, typename V>
    Field(O offset, W width, V value)
        : offset(size_t(offset)), width(size_t(width)), value(uint64_t(value))
    {
    }
    size_t offset;
    size_t width;
    uint64_t value;
};

// Empty when every field holds its value, else what the first one holds.
using Fields = std::vector<Field>;

QByteArray mismatch(const test::Transfer &request, const Fields &fields)
{
    for (const Field &f : fields) {
        if (request.bytes.size() < f.offset + f.width)
            return "request too short for offset " + QByteArray::number(qulonglong(f.offset));
        uint64_t value = 0;
        std::memcpy(&value, request.bytes.data() + f.offset, f.width);
        if (value != f.value)
            return "offset " + QByteArray::number(qulonglong(f.offset)) + ": 0x" +
                   QByteArray::number(qulonglong(value), 16) + ", expected 0x" +
                   QByteArray::number(qulonglong(f.value), 16);
    }
    return {};
}

} // namespace

class TestApiOps : public QObject {
    Q_OBJECT

    std::shared_ptr<test::RecordingPlatform> host;
    KV_CoreId core1{1, ".", "Core1"};
    size_t liveBefore = 0;

    // One handle build that reads `image`.
    void serve(const Image &image)
    {
        host->writeErrors.push_back(kv::winerr::Success);
        host->readAnswers.push_back({kv::winerr::Success, image.bytes});
    }
    // The next command is answered `status` (a refusal comes back through
    // the driver's answer to the last-status read).
    void answer(uint32_t status)
    {
        if (status == 1) {
            host->writeErrors.push_back(kv::winerr::Success);
            return;
        }
        host->writeErrors.push_back(kv::winerr::IoDevice);
        host->writeErrors.push_back(kv::winerr::Success);
        std::vector<uint8_t> word;
        put<uint32_t>(word, 0, status);
        host->readAnswers.push_back({kv::winerr::Success, word});
    }
    // The write requests whose word 0 is `code`.
    std::vector<test::Transfer> sent(uint32_t code) const
    {
        std::vector<test::Transfer> found;
        for (const auto &t : host->transfers)
            if (!t.isRead && t.offset != 0 && u32At(t.bytes, 0) == code)
                found.push_back(t);
        return found;
    }
    // The last request sent with `code`; fails the test when none was.
    test::Transfer only(uint32_t code) const
    {
        const auto found = sent(code);
        return found.empty() ? test::Transfer{} : found.back();
    }

    KV_CreateParameters raid1(const Paths &members)
    {
        KV_CreateParameters p;
        p.typeCode = 0x1BF6;
        p.memberCount = members.count();
        p.firstCount = 1;
        p.secondCount = members.count();
        p.capacity = 0x12345;
        p.members = members.data();
        p.identifier = 0xABCD;
        return p;
    }

private slots:
    void init()
    {
        host = std::make_shared<test::RecordingPlatform>();
        kv::setPlatform(host);
        liveBefore = KVTL_LiveCount();
    }
    void cleanup()
    {
        QCOMPARE(KVTL_LiveCount(), liveBefore);
        QVERIFY(lockIsFree());
    }

    void createRequest_data()
    {
        QTest::addColumn<uint>("typeCode");
        QTest::addColumn<int>("members");
        QTest::addColumn<uint>("cacheTagSize");
        QTest::addColumn<uint>("nvmePort");
        QTest::addColumn<uint>("cacheTagCode");
        QTest::addColumn<uint>("length");
        QTest::addRow("64") << 0x1BF6u << 2 << 64u << 0u << 1u << 1536u;
        QTest::addRow("128") << 0x1BF6u << 2 << 128u << 0u << 2u << 1536u;
        QTest::addRow("256") << 0x1BF6u << 2 << 256u << 0u << 3u << 1536u;
        QTest::addRow("automatic, one NVMe member")
            << 0x1BF6u << 2 << 0u << 0x80000000u << 3u << 1536u;
        QTest::addRow("automatic, no NVMe member") << 0x1BF6u << 2 << 0u << 0x100u << 1u << 1536u;
        QTest::addRow("32 members fill 1536") << 0x1BF7u << 32 << 64u << 0u << 1u << 1536u;
        QTest::addRow("33 members need 2048") << 0x1BF7u << 33 << 64u << 0u << 1u << 2048u;
    }

    void createRequest()
    {
        QFETCH(uint, typeCode);
        QFETCH(int, members);
        QFETCH(uint, cacheTagSize);
        QFETCH(uint, nvmePort);
        QFETCH(uint, cacheTagCode);
        QFETCH(uint, length);
        Image image;
        Paths memberPaths{}, spares{40};
        for (int i = 1; i <= members; ++i) {
            image.disk(uint16_t(i), 0x1200, i == 2 ? nvmePort : 0);
            memberPaths.entries.push_back(Paths{i}.entries[0]);
        }
        image.disk(40);
        serve(image);
        answer(1);
        serve(Image().array(12, 0xABCD));

        KV_CreateParameters p = raid1(memberPaths);
        p.typeCode = typeCode;
        p.firstCount = uint32_t(members);
        p.secondCount = 1;
        p.spareCount = 1;
        p.spares = spares.data();
        p.cacheTagSize = cacheTagSize;
        p.cacheFlags = 0xC0000000;
        p.optionFlags = 0x10400;
        p.name = "Data array name longer than 32 bytes";
        p.nameLength = 36;
        p.furtherValues[0] = 0x80;
        p.furtherValues[1] = 0x84;
        p.furtherValues[2] = 0x88;
        char out[80] = {};
        QCOMPARE(KV_ApiCreateLogicalDevice(&core1, &p, 0, out), KV_STS(1));
        QCOMPARE(QByteArray(out), QByteArray("//./Core1/Route0/Device12"));

        const test::Transfer r = only(2);
        QCOMPARE(r.count, length);
        const auto m = uint64_t(members);
        const Fields expected{{8, 8, 9},           {16, 4, 0},       {32, 4, typeCode},
                              {36, 4, m},          {40, 4, 1},       {44, 4, cacheTagCode},
                              {48, 4, 0xC0000000}, {52, 4, 0x10400}, {56, 8, 0x12345},
                              {64, 8, 0xABCD},     {72, 4, m},       {76, 4, 1},
                              {80, 4, 0x80},       {84, 4, 0x84},    {88, 4, 0x88},
                              {124, 8, 0x128},     {132, 4, 40}};
        QCOMPARE(mismatch(r, expected), QByteArray());
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(&r.bytes[92]), 32),
                 QByteArray("Data array name longer than 32 b"));
        for (int i = 0; i < members; ++i) // device entries: id, routes, 4 zero bytes
            QCOMPARE(mismatch(r, {{188 + 16u * i, 8, 0x101u + i}, {196 + 16u * i, 8, 1u + i}}),
                     QByteArray());
    }

    void createRefusals_data()
    {
        QTest::addColumn<uint>("typeCode");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("members");
        QTest::addColumn<int>("spares");
        QTest::addColumn<uint>("cacheTagSize");
        QTest::addColumn<int>("callerCore");
        QTest::addColumn<uint>("status");
        // Members are the disks at routes 1..n, spares those at 20..; the
        // image holds disks 1 to 3 and 20 to 22.
        QTest::addRow("2 x 2 with three members") << 0x1BF6u << 2 << 2 << 3 << 0 << 0u << 1 << 7u;
        QTest::addRow("LEGACY") << 0x1BF9u << 1 << 2 << 2 << 0 << 0u << 1 << 7u;
        QTest::addRow("unknown type") << 0x1BF8u << 1 << 2 << 2 << 0 << 0u << 1 << 7u;
        QTest::addRow("first count 0") << 0x1BF6u << 0 << 2 << 0 << 0 << 0u << 1 << 7u;
        QTest::addRow("more spares than fit") << 0x1BF6u << 1 << 2 << 2 << 5 << 0u << 1 << 7u;
        QTest::addRow("caller's core is 2") << 0x1BF6u << 1 << 2 << 2 << 0 << 0u << 2 << 62u;
        QTest::addRow("cache tag size 100") << 0x1BF6u << 1 << 2 << 2 << 0 << 100u << 1 << 7u;
        QTest::addRow("missing member disk") << 0x1BF6u << 1 << 4 << 4 << 0 << 0u << 1 << 11u;
        QTest::addRow("missing spare") << 0x1BF6u << 1 << 2 << 2 << 4 << 0u << 1 << 11u;
        QTest::addRow("tier member that is no array")
            << 0x1BFDu << 1 << 2 << 2 << 0 << 0u << 1 << 10u;
    }

    void createRefusals()
    {
        QFETCH(uint, typeCode);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(int, members);
        QFETCH(int, spares);
        QFETCH(uint, cacheTagSize);
        QFETCH(int, callerCore);
        QFETCH(uint, status);
        Image image;
        image.disk(1).disk(2).disk(3).disk(20).disk(21).disk(22);
        serve(image);
        Paths memberPaths{1, 2, 3, 4}, sparePaths{20, 21, 22, 23, 24};
        memberPaths.entries.resize(size_t(members));
        sparePaths.entries.resize(size_t(spares));
        KV_CreateParameters p = raid1(memberPaths);
        p.typeCode = typeCode;
        p.firstCount = uint32_t(first);
        p.secondCount = uint32_t(second);
        p.memberCount = uint32_t(members);
        p.spareCount = uint32_t(spares);
        p.spares = sparePaths.data();
        p.cacheTagSize = cacheTagSize;
        const KV_CoreId caller{callerCore, ".", "Core1"};
        QCOMPARE(KV_ApiCreateLogicalDevice(&caller, &p, 0, nullptr), KV_STS(status));
        QVERIFY(sent(2).empty());
    }

    void createWaitsForTheTask_data()
    {
        QTest::addColumn<int>("wait");
        QTest::addColumn<QList<uint>>("task"); // per look: type, state, progress
        QTest::addColumn<bool>("inFinalImage");
        QTest::addColumn<uint>("status");
        QTest::addColumn<QList<uint>>("sleeps");
        QTest::addRow("no wait") << 0 << QList<uint>{} << true << 1u << QList<uint>{};
        QTest::addRow("no wait, array not there")
            << 0 << QList<uint>{} << false << 10u << QList<uint>{};
        QTest::addRow("running, then idle") << 1 << QList<uint>{0x5355, 0xA1A1, 500, 0, 0, 0}
                                            << true << 1u << QList<uint>{100, 1000};
        QTest::addRow("done at 100 percent is still running")
            << 1 << QList<uint>{0, 0, 100000, 0x5355, 0, 0, 0, 0, 0} << true << 1u
            << QList<uint>{100, 1000, 1000};
        QTest::addRow("transform failed")
            << 1 << QList<uint>{0x5354, 0xA1A4, 300} << false << 9u << QList<uint>{100};
    }

    void createWaitsForTheTask()
    {
        QFETCH(int, wait);
        QFETCH(QList<uint>, task);
        QFETCH(bool, inFinalImage);
        QFETCH(uint, status);
        QFETCH(QList<uint>, sleeps);
        // The identifier is drawn from the time: the new array is there under
        // the identifiers of this second and the next.
        const auto now = unsigned(std::time(nullptr));
        const uint64_t ids[] = {drawnAt(now), drawnAt(now + 1)};
        serve(Image().disk(1).disk(2));
        answer(1);
        for (qsizetype i = 0; i + 2 < task.size(); i += 3)
            serve(Image()
                      .array(12, ids[0], 0x1BF6, 0, 0, task[i], task[i + 1], task[i + 2])
                      .array(13, ids[1], 0x1BF6, 0, 0, task[i], task[i + 1], task[i + 2]));
        if (status != 9) // a failed task ends the call before the last look
            serve(inFinalImage ? Image().array(12, ids[0]).array(13, ids[1]) : Image());
        bool lockFreeWhileAsleep = true;
        host->onSleep = [&] { lockFreeWhileAsleep = lockFreeWhileAsleep && lockIsFree(); };

        const Paths members{1, 2};
        KV_CreateParameters p = raid1(members);
        p.identifier = 0;
        char out[80] = {};
        QCOMPARE(KV_ApiCreateLogicalDevice(&core1, &p, wait, out), KV_STS(status));
        const uint64_t drawn = u64At(only(2).bytes, 64);
        QVERIFY(drawn == ids[0] || drawn == ids[1]);
        QCOMPARE(QList<uint>(host->sleeps.begin(), host->sleeps.end()), sleeps);
        QVERIFY(lockFreeWhileAsleep);
        if (status == 1)
            QCOMPARE(QByteArray(out), QByteArray(drawn == ids[0] ? "//./Core1/Route0/Device12"
                                                                 : "//./Core1/Route0/Device13"));
        QVERIFY(host->readAnswers.empty());
    }

    void createIdentifierTakenEveryTime()
    {
        // Every identifier the next few seconds can draw is taken.
        const auto now = unsigned(std::time(nullptr));
        Image image;
        image.disk(1).disk(2);
        for (unsigned t = 0; t < 8; ++t)
            image.array(uint16_t(20 + t), drawnAt(now + t));
        serve(image);
        bool lockFreeWhileAsleep = true;
        host->onSleep = [&] { lockFreeWhileAsleep = lockFreeWhileAsleep && lockIsFree(); };
        const Paths members{1, 2};
        KV_CreateParameters p = raid1(members);
        p.identifier = 0;
        QCOMPARE(KV_ApiCreateLogicalDevice(&core1, &p, 0, nullptr), KV_STS(44));
        QVERIFY(host->sleeps == std::vector<uint32_t>(5, 1000));
        QVERIFY(lockFreeWhileAsleep);
        QVERIFY(sent(2).empty());
    }

    void createInformationIsARead()
    {
        // The request of a create with flag 0x2000, read as 0x100D; the
        // largest capacity comes back into the record.
        serve(Image().disk(1).disk(2));
        std::vector<uint8_t> capacities;
        put<uint64_t>(capacities, 0, 0x7777);
        put<uint64_t>(capacities, 8, 0x5555);
        host->writeErrors.push_back(kv::winerr::Success);
        host->readAnswers.push_back({kv::winerr::Success, capacities});
        const Paths members{1, 2};
        KV_CreateParameters p = raid1(members);
        p.optionFlags = 0x400;
        QCOMPARE(KV_ApiGetCreateInfo(&core1, &p), KV_STS(1));
        QCOMPARE(p.capacity, 0x7777ull);
        QCOMPARE(only(1).count, 8192u);
        const Fields expected{{32, 4, 0x100D}, {52, 4, 0x2400}, {188, 8, 0x101}};
        QCOMPARE(mismatch(only(1), expected), QByteArray());
        QVERIFY(sent(2).empty());
    }

    void transformRequest()
    {
        serve(Image().disk(1).disk(2).disk(3).disk(20).array(12, 0x1200));
        answer(1);
        const Paths members{1, 2, 3}, spares{20};
        const std::string array = pathOf(12);
        KV_TransformParameters t;
        t.arrayPath = array.c_str();
        t.typeCode = 0x1BF5;
        t.memberCount = 3;
        t.spareCount = 1;
        t.callerValue = 0x60;
        t.capacity = 0x2222;
        t.firstCount = 1;
        t.secondCount = 3;
        t.members = members.data();
        t.spares = spares.data();
        t.furtherValues[0] = 0x80;
        t.furtherValues[2] = 0x88;
        QCOMPARE(KV_ApiTransformLogicalDevice(&core1, &t), KV_STS(1));
        const test::Transfer r = only(8);
        QCOMPARE(r.count, 1536u);
        const Fields expected{{16, 4, 0},     {32, 4, 0x1BF5}, {36, 8, 0x1200}, {44, 4, 12},
                              {52, 4, 3},     {56, 4, 1},      {60, 4, 0x60},   {64, 8, 0x2222},
                              {72, 4, 1},     {76, 4, 3},      {80, 4, 0x80},   {88, 4, 0x88},
                              {92, 8, 0x114}, {156, 8, 0x101}, {188, 8, 0x103}};
        QCOMPARE(mismatch(r, expected), QByteArray());

        // RAIDTIER is not a transform target.
        t.typeCode = 0x1BFD;
        QCOMPARE(KV_ApiTransformLogicalDevice(&core1, &t), KV_STS(7));

        // The same block asks how large the transform may be (read 0x100C).
        t.typeCode = 0x1BF5;
        host->transfers.clear();
        serve(Image().disk(1).disk(2).disk(3).disk(20).array(12, 0x1200));
        std::vector<uint8_t> capacities;
        put<uint64_t>(capacities, 0, 0x7777);
        put<uint64_t>(capacities, 8, 0x5555);
        host->writeErrors.push_back(kv::winerr::Success);
        host->readAnswers.push_back({kv::winerr::Success, capacities});
        KV_TransformInfo info;
        QCOMPARE(KV_ApiGetTransformInfo(&core1, &t, &info), KV_STS(1));
        QCOMPARE(info.largestCapacity, 0x7777ull);
        QCOMPARE(info.presentCapacity, 0x5555ull);
        QCOMPARE(mismatch(only(1), {{32, 4, 0x100C}, {36, 8, 0x1200}, {156, 8, 0x101}}),
                 QByteArray());
        QVERIFY(sent(8).empty());
    }

    void deleteArrays_data()
    {
        QTest::addColumn<int>("all");
        QTest::addColumn<int>("force");
        QTest::addColumn<uint>("references");
        QTest::addColumn<uint>("status");
        QTest::addColumn<int>("entries");      // in the delete; -1: nothing sent
        QTest::addColumn<bool>("initializes"); // the Legacy disk afterwards
        QTest::addColumn<uint>("diskType");    // of the LEGACY array's disk
        QTest::addRow("in use") << 0 << 0 << 1u << 77u << -1 << false << 0x1203u;
        QTest::addRow("in use, forced") << 0 << 1 << 1u << 1u << 1 << true << 0x1203u;
        QTest::addRow("one") << 0 << 0 << 0u << 1u << 1 << true << 0x1203u;
        QTest::addRow("all arrays") << 1 << 0 << 0u << 1u << 2 << true << 0x1203u;
        QTest::addRow("LEGACY on a plain disk") << 0 << 0 << 0u << 1u << 1 << false << 0x1200u;
        QTest::addRow("all arrays, one in use") << 1 << 0 << 1u << 77u << -1 << false << 0x1203u;
    }

    void deleteArrays()
    {
        QFETCH(int, all);
        QFETCH(int, force);
        QFETCH(uint, references);
        QFETCH(uint, status);
        QFETCH(int, entries);
        QFETCH(bool, initializes);
        QFETCH(uint, diskType);
        // Array 12 is LEGACY on the Legacy disk 1; array 13 a RAID1 on disk 2.
        const Image image = Image()
                                .disk(1, diskType)
                                .disk(2)
                                .array(12, 0x1200, 0x1BF9, 0x101, references)
                                .array(13, 0x1300, 0x1BF6, 0x102);
        serve(image);
        answer(1);
        serve(image);
        answer(1);
        const Paths arrays{12};
        QCOMPARE(KV_ApiDeleteLogicalDevice(&core1, all ? 0 : 1, all ? nullptr : arrays.data(), all,
                                           force, 0x16),
                 KV_STS(status));
        QCOMPARE(int(sent(3).size()), entries < 0 ? 0 : 1);
        if (entries >= 0) {
            const test::Transfer r = only(3);
            QCOMPARE(r.count, 1536u);
            const Fields expected{{16, 4, 0x16},    {32, 4, all},
                                  {36, 4, entries}, {40, 8, 0x1200},
                                  {48, 2, 12},      {56, 8, entries == 2 ? 0x1300 : 0}};
            QCOMPARE(mismatch(r, expected), QByteArray());
        }
        QCOMPARE(sent(4).size(), size_t(initializes ? 1 : 0));
        if (initializes) {
            const test::Transfer r = only(4);
            QCOMPARE(mismatch(r, {{36, 4, 1}, {44, 8, 0x101}}), QByteArray());
        }
        QCOMPARE(KV_ApiDeleteLogicalDevice(&core1, 0, nullptr, 0, 0, 0), KV_STS(7));
    }

    void manageLogicalRequests_data()
    {
        QTest::addColumn<int>("operation"); // 0 check, 1 secure erase, 2 private
        QTest::addColumn<int>("flag");      // check: start
        QTest::addColumn<uint>("mode");
        QTest::addColumn<uint>("parameter");
        QTest::addColumn<uint>("subOperation");
        QTest::addColumn<uint>("at56");
        QTest::addColumn<uint>("at16");
        QTest::addColumn<int>("sleeps");
        QTest::addRow("check start, mode 1")
            << 0 << 1 << 1u << 5u << 0x7CA7u << 0x10000000u << 5u << 0;
        QTest::addRow("check other, mode 0, waits")
            << 0 << 0 << 0u << 5u << 0x7CA0u << 0u << 0u << 1;
        QTest::addRow("check, parameter 0") << 0 << 1 << 0u << 0u << 0x7CA7u << 0u << 0u << 0;
        QTest::addRow("secure erase, mode 1")
            << 1 << 0 << 1u << 6u << 0x7CAEu << 0x10000000u << 6u << 0;
        QTest::addRow("secure erase, mode 0") << 1 << 0 << 0u << 6u << 0x7CAEu << 0u << 0u << 0;
        QTest::addRow("private") << 2 << 0 << 0u << 9u << 0x7CACu << 9u << 0x1616u << 0;
    }

    void manageLogicalRequests()
    {
        QFETCH(int, operation);
        QFETCH(int, flag);
        QFETCH(uint, mode);
        QFETCH(uint, parameter);
        QFETCH(uint, subOperation);
        QFETCH(uint, at56);
        QFETCH(uint, at16);
        QFETCH(int, sleeps);
        serve(Image().array(12, 0x1200));
        answer(1);
        serve(Image()); // the array's task is over: it is gone
        const std::string path = pathOf(12);
        const char name[] = "A name of forty bytes, eight too many..";
        KV_STS status = 0;
        if (operation == 0)
            status = KV_ApiCheckLogicalDevice(path.c_str(), flag, mode, parameter);
        else if (operation == 1)
            status = KV_ApiSecureEraseLogicalDevice(path.c_str(), mode, parameter);
        else
            status =
                KV_ApiManageDevicePrivateLogicalDevice(path.c_str(), name, 40, parameter, 0x1616);
        QCOMPARE(status, KV_STS(1));
        const test::Transfer r = only(7);
        QCOMPARE(r.count, 1024u);
        const Fields expected{{32, 4, subOperation}, {36, 8, 0x1200}, {44, 2, 12}, {52, 4, 0},
                              {56, 4, at56},         {16, 4, at16}};
        QCOMPARE(mismatch(r, expected), QByteArray());
        QCOMPARE(int(host->sleeps.size()), sleeps);
        if (operation == 2) {
            QCOMPARE(u32At(r.bytes, 60), 32u);
            QCOMPARE(QByteArray(reinterpret_cast<const char *>(&r.bytes[64]), 33),
                     QByteArray(name, 32) + '\0');
        }
        QCOMPARE(KV_ApiCheckLogicalDevice("//./Route0/Device12", 1, 0, 0), KV_STS(62));
    }

    void arrayListRequests_data()
    {
        QTest::addColumn<int>("operation"); // 0 task control, 1 offline, 2 initialize
        QTest::addColumn<uint>("command");
        QTest::addColumn<int>("countAt");
        QTest::addColumn<int>("entriesAt");
        QTest::addColumn<qulonglong>("firstId"); // of device 13, then device 12
        QTest::addColumn<qulonglong>("secondId");
        QTest::addRow("task control") << 0 << 34u << 40 << 44 << 0x1300ull << 0x1200ull;
        QTest::addRow("offline") << 1 << 17u << 32 << 36 << 0x1300ull << 0x1200ull;
        QTest::addRow("initialize") << 2 << 4u << 36 << 44 << 0x10Dull << 0x10Cull;
    }

    void arrayListRequests()
    {
        QFETCH(int, operation);
        QFETCH(uint, command);
        QFETCH(int, countAt);
        QFETCH(int, entriesAt);
        QFETCH(qulonglong, firstId);
        QFETCH(qulonglong, secondId);
        serve(Image().disk(12).disk(13).array(12, 0x1200).array(13, 0x1300));
        answer(1);
        const Paths devices{13, 12};
        KV_STS status = 0;
        if (operation == 0)
            status = KV_ApiTaskControlLogicalDevice(&core1, 0x6001, 2, devices.data(), 0, 0x16);
        else if (operation == 1)
            status = KV_ApiOfflineLogicalDevice(&core1, 2, devices.data(), 0);
        else
            status = KV_ApiInitializePhysicalDevice(&core1, 2, devices.data(), 0, 0x16, 0x40);
        QCOMPARE(status, KV_STS(1));
        const test::Transfer r = only(command);
        QCOMPARE(r.count, 1536u);
        QCOMPARE(
            mismatch(r, {{countAt, 4, 2}, {entriesAt, 8, firstId}, {entriesAt + 16, 8, secondId}}),
            QByteArray());
        if (operation == 0) {
            QCOMPARE(mismatch(r, {{16, 4, 0x16}, {32, 4, 0x6001}, {36, 4, 0}}), QByteArray());
        }
        if (operation == 2) {
            QCOMPARE(mismatch(r, {{16, 4, 0x16}, {32, 4, 0}, {40, 4, 0x40}}), QByteArray());
        }
    }

    void initializeEveryDisk()
    {
        // The core's pseudo-device 0x1201 is never selected.
        serve(Image().disk(0, 0x1201).disk(1).disk(2, 0x1202).disk(3, 0x1203).disk(4, 0x1204));
        answer(1);
        QCOMPARE(KV_ApiInitializePhysicalDevice(&core1, 0, nullptr, 1, 0, 0), KV_STS(1));
        const test::Transfer r = only(4);
        const Fields expected{{32, 4, 1},     {36, 4, 3},     {44, 8, 0x101},
                              {60, 8, 0x102}, {76, 8, 0x103}, {92, 8, 0}};
        QCOMPARE(mismatch(r, expected), QByteArray());
    }

    void managePhysicalDevice()
    {
        // One command per disk, in list order, the last status; 30 by flag.
        for (int i = 0; i < 2; ++i) {
            serve(Image().disk(1).disk(2));
            answer(i == 0 ? 1 : 40);
        }
        const Paths disks{2, 1};
        QCOMPARE(KV_ApiManagePhysicalDevice(&core1, 2, disks.data(), 0, 0x4005, 0x16, 1),
                 KV_STS(40));
        const auto requests = sent(30);
        QCOMPARE(requests.size(), size_t(2));
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(requests[i].count, 1536u);
            QCOMPARE(
                mismatch(
                    requests[i],
                    {{16, 4, 0x16}, {32, 4, 0x4005}, {36, 4, 1}, {40, 8, i == 0 ? 0x102 : 0x101}}),
                QByteArray());
        }
        QVERIFY(sent(29).empty());
    }

    void managePhysicalDeviceWithData_data()
    {
        QTest::addColumn<uint>("subOperation");
        QTest::addColumn<int>("count");
        QTest::addColumn<uint>("status");
        QTest::addColumn<bool>("commandSent");
        QTest::addRow("0x4010 reads back") << 0x4010u << 1 << 1u << true;
        QTest::addRow("0x4015 is refused once sent") << 0x4015u << 1 << 7u << true;
        QTest::addRow("two disks") << 0x4010u << 2 << 7u << false;
    }

    void managePhysicalDeviceWithData()
    {
        QFETCH(uint, subOperation);
        QFETCH(int, count);
        QFETCH(uint, status);
        QFETCH(bool, commandSent);
        serve(Image().disk(1).disk(2));
        answer(1);
        std::vector<uint8_t> data(600, 0x5A);
        host->writeErrors.push_back(kv::winerr::Success);
        host->readAnswers.push_back({kv::winerr::Success, data});
        const Paths disks{2, 1};
        std::vector<uint8_t> out(601, 0);
        QCOMPARE(KV_ApiManagePhysicalDeviceBuf(&core1, uint32_t(count), disks.data(), 0,
                                               subOperation, out.data(), 600, 0x16),
                 KV_STS(status));
        QCOMPARE(sent(29).size(), size_t(commandSent ? 1 : 0));
        if (!commandSent)
            return;
        const test::Transfer r = only(29);
        QCOMPARE(r.count, 1536u);
        QCOMPARE(mismatch(r, {{32, 4, subOperation}, {40, 8, 0x102}}), QByteArray());
        const bool readBack = status == 1;
        QCOMPARE(out[599], uint8_t(readBack ? 0x5A : 0));
        QCOMPARE(out[600], uint8_t(0));
        if (readBack) {
            const test::Transfer &read = host->transfers.back();
            QVERIFY(read.isRead);
            QCOMPARE(read.count, 1024u); // 600 bytes, in whole sectors
            QCOMPARE(u32At(only(1).bytes, 32), 0x1014u);
        }
    }

    void manageSpare_data()
    {
        QTest::addColumn<uint>("kind");
        QTest::addColumn<int>("assign");
        QTest::addColumn<int>("arrayCore");
        QTest::addColumn<uint>("status");
        QTest::addColumn<uint>("subOperation");
        QTest::addRow("dedicated, assign") << 0u << 1 << 1 << 1u << 0x7CA2u;
        QTest::addRow("dedicated, remove") << 0u << 0 << 1 << 1u << 0x7CA3u;
        QTest::addRow("global, assign") << 1u << 1 << 1 << 1u << 0x7CA4u;
        QTest::addRow("global, remove") << 2u << 0 << 1 << 1u << 0x7CA5u;
        QTest::addRow("array on core 2") << 0u << 1 << 2 << 61u << 0u;
        QTest::addRow("array on no core") << 0u << 1 << 0 << 62u << 0u;
    }

    void manageSpare()
    {
        QFETCH(uint, kind);
        QFETCH(int, assign);
        QFETCH(int, arrayCore);
        QFETCH(uint, status);
        QFETCH(uint, subOperation);
        serve(Image().disk(1).disk(2).array(12, 0x1200));
        answer(1);
        const std::string array = arrayCore == 0 ? "//./Route0/Device12" : pathOf(12, arrayCore);
        const Paths disks{2, 1};
        QCOMPARE(KV_ApiManageSpare(&core1, array.c_str(), 2, disks.data(), assign, kind, 0x16),
                 KV_STS(status));
        QCOMPARE(sent(7).size(), size_t(status == 1 ? 1 : 0));
        if (status != 1)
            return;
        const test::Transfer r = only(7);
        QCOMPARE(r.count, 1536u);
        const Fields expected{{16, 4, 0x16},
                              {32, 4, subOperation},
                              {36, 8, kind == 0 ? 0x1200 : 0},
                              {44, 2, kind == 0 ? 12 : 0},
                              {52, 4, 2},
                              {92, 8, 0x102},
                              {108, 8, 0x101}};
        QCOMPARE(mismatch(r, expected), QByteArray());
    }

    void staleGenerationRebuildsAndLooksUpAgain_data()
    {
        QTest::addColumn<int>("staleAnswers");
        QTest::addColumn<uint>("status");
        QTest::addRow("one") << 1 << 1u;
        QTest::addRow("three in a row") << 3 << 38u;
    }

    void staleGenerationRebuildsAndLooksUpAgain()
    {
        QFETCH(int, staleAnswers);
        QFETCH(uint, status);
        // Each image has a new generation, and the disk at route 1 a new
        // identifier.
        for (int i = 0; i < 3; ++i) {
            serve(Image(9 + i).disk(1, 0x1200, 0, 0x500 + i));
            answer(i < staleAnswers ? 38 : 1);
        }
        const Paths disks{1};
        QCOMPARE(KV_ApiInitializePhysicalDevice(&core1, 1, disks.data(), 0, 0, 0), KV_STS(status));
        const auto requests = sent(4);
        QCOMPARE(int(requests.size()), std::min(staleAnswers + 1, 3));
        for (size_t i = 0; i < requests.size(); ++i) {
            QCOMPARE(mismatch(requests[i], {{8, 8, 9 + i}, {44, 8, 0x500 + i}}), QByteArray());
        }
    }
};

QTEST_GUILESS_MAIN(TestApiOps)
#include "tst_api_ops.moc"
