#include "kv_core.h"
#include "recording_platform.h"

#include <QTest>

#include <array>

using test::put;
using test::u32At;
using test::u64At;

namespace {

// Builds configuration images by hand, at the byte offsets the driver uses.
struct ImageBuilder {
    std::vector<uint8_t> bytes = std::vector<uint8_t>(65536, 0);
    size_t next = 512;

    explicit ImageBuilder(uint64_t generation = 0) { put<uint64_t>(bytes, 52, generation); }

    uint8_t *record(uint32_t tag, size_t size)
    {
        uint8_t *r = bytes.data() + next;
        std::memcpy(r, &tag, 4);
        next += size;
        return r;
    }

    void physical(uint64_t id, uint16_t coreRoute, uint16_t deviceRoute, size_t size = 256)
    {
        uint8_t *r = record(0x25BC, size);
        std::memcpy(r + 4, &id, 8);
        std::memcpy(r + 12, &deviceRoute, 2);
        std::memcpy(r + 14, &coreRoute, 2);
    }

    // A logical record holding `elements` member entries; `sizeField` is what
    // its size word says (-1: the true size).
    uint8_t *logical(uint64_t id, uint16_t deviceRoute, uint32_t first, uint32_t second,
                     int64_t sizeField = -1, size_t advance = 0)
    {
        const size_t size = 512 + 64 * size_t(first) * second;
        uint8_t *r = record(0x25BD, advance ? advance : size);
        std::memcpy(r + 4, &id, 8);
        std::memcpy(r + 12, &deviceRoute, 2);
        const uint16_t coreRoute = 0;
        std::memcpy(r + 14, &coreRoute, 2);
        std::memcpy(r + 72, &first, 4);
        std::memcpy(r + 76, &second, 4);
        const uint32_t field = sizeField >= 0 ? uint32_t(sizeField) : uint32_t(size);
        std::memcpy(r + 144, &field, 4);
        return r;
    }

    void controller(uint64_t id) { std::memcpy(record(0x25BE, 136) + 4, &id, 8); }
    void enclosure(uint64_t id) { std::memcpy(record(0x25BF, 64) + 4, &id, 8); }
    void tag(uint32_t value) { std::memcpy(bytes.data() + next, &value, 4); }
};

struct Counts {
    uint32_t physical, logical, controllers, enclosures;
    bool operator==(const Counts &) const = default;
};

Counts countsOf(const ImageBuilder &image, bool previous)
{
    Counts counts{};
    KV_WalkRecords(image.bytes.data(), uint32_t(image.bytes.size()), previous,
                   [&](uint32_t tag, const uint8_t *, uint32_t) {
                       counts.physical += tag == 0x25BC;
                       counts.logical += tag == 0x25BD;
                       counts.controllers += tag == 0x25BE;
                       counts.enclosures += tag == 0x25BF;
                   });
    return counts;
}

} // namespace

Q_DECLARE_METATYPE(ImageBuilder)
Q_DECLARE_METATYPE(Counts)

class TestCore : public QObject {
    Q_OBJECT

    std::shared_ptr<test::RecordingPlatform> host;

    // Builds a handle whose image read is answered with `image`.
    std::unique_ptr<KV_Core> coreWith(const ImageBuilder &image, int previous = 0)
    {
        host->readAnswers.push_back({0, image.bytes});
        return std::make_unique<KV_Core>(".", "Core1", previous);
    }

private slots:
    void init()
    {
        host = std::make_shared<test::RecordingPlatform>();
        kv::setPlatform(host);
    }

    void walk_data()
    {
        QTest::addColumn<ImageBuilder>("image");
        QTest::addColumn<bool>("previous");
        QTest::addColumn<Counts>("counts");

        QTest::addRow("first tag 0") << ImageBuilder() << false << Counts{0, 0, 0, 0};
        {
            ImageBuilder b;
            b.controller(1);
            b.physical(2, 0, 1);
            b.physical(3, 0, 2);
            b.logical(4, 1, 1, 2);
            b.enclosure(5);
            QTest::addRow("one of each kind") << b << false << Counts{2, 1, 1, 1};
        }
        {
            // Two 128-byte physical records of a previous image read as one
            // 256-byte current record, followed by the controller.
            ImageBuilder b;
            b.physical(1, 0, 1, 128);
            b.physical(2, 0, 2, 128);
            b.controller(3);
            QTest::addRow("previous image, previous walk") << b << true << Counts{2, 0, 1, 0};
            QTest::addRow("previous image, current walk") << b << false << Counts{1, 0, 1, 0};
        }
        {
            // The logical record's own size says where the next one starts:
            // 2048 bytes, although its entries fill only 640.
            ImageBuilder b;
            b.logical(1, 1, 1, 2, 2048, 2048);
            b.enclosure(2);
            QTest::addRow("size field decides the next record") << b << false << Counts{0, 1, 0, 1};
        }
        {
            ImageBuilder b;
            b.controller(1);
            b.tag(0x1234);
            QTest::addRow("unknown tag ends the stream") << b << false << Counts{0, 0, 1, 0};
        }
        for (uint32_t hostile : {0u, 4u, 511u, 65536u, 0xFFFFFFFFu}) {
            ImageBuilder b;
            b.controller(1);
            b.logical(2, 1, 1, 1, hostile, 512);
            b.controller(3); // never reached
            QTest::addRow("logical size %u ends the stream", hostile)
                << b << false << Counts{0, 0, 1, 0};
        }
        {
            // A record that starts inside the image but would end past it.
            ImageBuilder b;
            b.next = 65536 - 100;
            b.physical(1, 0, 1);
            QTest::addRow("record past the end") << b << false << Counts{0, 0, 0, 0};
        }
        {
            ImageBuilder b;
            while (b.next + 64 <= 65536)
                b.enclosure(b.next);
            QTest::addRow("image full to the last byte") << b << false << Counts{0, 0, 0, 1016};
        }
    }

    void walk()
    {
        QFETCH(ImageBuilder, image);
        QFETCH(bool, previous);
        QFETCH(Counts, counts);
        QCOMPARE(countsOf(image, previous), counts);

        // The handle's counting pass and build agree with the walk, and
        // every device object and table is freed with the handle.
        const size_t live = KVTL_LiveCount();
        {
            auto core = coreWith(image, previous);
            QCOMPARE(core->physicalCount, counts.physical);
            QCOMPARE(core->logicalCount, counts.logical);
            QCOMPARE(core->controllerCount, counts.controllers);
            QCOMPARE(core->enclosureCount, counts.enclosures);
        }
        QCOMPARE(KVTL_LiveCount(), live);
    }

    void buildReadsRecordFields()
    {
        ImageBuilder b(0x1122334455ULL);
        b.physical(0xABCDEF0102ULL, 1, 3);
        uint8_t *p = b.bytes.data() + 512;
        put<uint64_t>(b.bytes, 512 + 28, 7814037168ULL);
        put<uint32_t>(b.bytes, 512 + 36, 0x1200);
        put<uint32_t>(b.bytes, 512 + 44, 0x3000);
        put<uint32_t>(b.bytes, 512 + 48, 0x100);
        put<uint32_t>(b.bytes, 512 + 88, 0x80000100);
        std::memcpy(p + 128, "SN04ABCD", 8);                                  // no terminator
        std::memcpy(p + 136, "Samsung SSD 870 EVO 1TB                 ", 40); // full width
        std::memcpy(p + 176, "S6PUNM0T123456X     ", 20);
        p[196] = '1';
        p[197] = '4';
        put<uint64_t>(b.bytes, 512 + 200, 1000);
        put<uint64_t>(b.bytes, 512 + 208, 3000);
        std::memcpy(p + 216, "ATA     ", 8);

        uint8_t *l = b.logical(0x77, 12, 1, 2);
        const size_t lo = l - b.bytes.data();
        std::memcpy(l + 160, "Data & Media", 12);
        put<uint64_t>(b.bytes, lo + 512 + 0, 0x1001);      // element 0 id
        put<uint16_t>(b.bytes, lo + 512 + 8, 4);           // element 0 device route
        put<uint64_t>(b.bytes, lo + 512 + 24, 123456);     // element 0 size
        put<uint32_t>(b.bytes, lo + 512 + 48, 0x30);       // element 0 error
        put<uint64_t>(b.bytes, lo + 512 + 64 + 0, 0x1002); // element 1 id

        auto core = coreWith(b);
        QCOMPARE(core->generation, uint64_t(0x1122334455ULL));
        QCOMPARE(core->physicalCount, 1u);
        const KV_C_PhysicalDevice &d = *core->physicalDevices[0];
        QCOMPARE(d.id, uint64_t(0xABCDEF0102ULL));
        QCOMPARE(d.capacity, uint64_t(7814037168ULL));
        QCOMPARE(d.type, 0x1200u);
        QCOMPARE(d.globalSpare, 0x100u);
        QCOMPARE(d.portType, 0x80000100u);
        QCOMPARE(QByteArray(d.firmware), QByteArray("SN04ABCD"));
        QCOMPARE(QByteArray(d.model), QByteArray("Samsung SSD 870 EVO 1TB                 "));
        QCOMPARE(QByteArray(d.serial), QByteArray("S6PUNM0T123456X     "));
        QCOMPARE(d.controller, 1);
        QCOMPARE(d.channel, 4);
        QCOMPARE(d.largestFree, uint64_t(1000));
        QCOMPARE(d.totalFree, uint64_t(3000));
        QCOMPARE(QByteArray(d.vendor), QByteArray("ATA     "));
        QCOMPARE(QByteArray(d.path), QByteArray("//./Core1/Route1/Device3 "));

        QCOMPARE(core->logicalCount, 1u);
        const KV_C_LogicalDevice &a = *core->logicalDevices[0];
        QCOMPARE(QByteArray(a.path), QByteArray("//./Core1/Route0/Device12"));
        QCOMPARE(QByteArray(a.deviceName), QByteArray("Data & Media"));
        QCOMPARE(a.coreNumber, 1);
        QCOMPARE(a.elementCount, 2u);
        QCOMPARE(a.elements[0].id, uint64_t(0x1001));
        QCOMPARE(a.elements[0].deviceRoute, uint16_t(4));
        QCOMPARE(a.elements[0].size, uint64_t(123456));
        QCOMPARE(a.elements[0].error, 0x30u);
        QCOMPARE(a.elements[1].id, uint64_t(0x1002));
    }

    void previousImageHasNoTexts()
    {
        ImageBuilder b;
        b.physical(9, 0, 1, 128);
        std::memcpy(b.bytes.data() + 512 + 136, "would be the next record", 24);
        auto core = coreWith(b, 1);
        QCOMPARE(core->physicalCount, 1u);
        QCOMPARE(QByteArray(core->physicalDevices[0]->model), QByteArray());
        // The previous configuration is asked for with a non-zero argument.
        QCOMPARE(u32At(host->transfers[1].bytes, 36), 1u);
    }

    void identifierOverride_data()
    {
        QTest::addColumn<quint64>("at252");
        QTest::addColumn<quint64>("at260");
        QTest::addColumn<quint64>("first");
        QTest::addColumn<quint64>("second");
        QTest::addRow("equal values change nothing") << 5ull << 5ull << 0x1001ull << 0x1002ull;
        QTest::addRow("differing values replace")
            << 0x2001ull << 0x2002ull << 0x2001ull << 0x2002ull;
    }

    void identifierOverride()
    {
        QFETCH(quint64, at252);
        QFETCH(quint64, at260);
        QFETCH(quint64, first);
        QFETCH(quint64, second);
        ImageBuilder b;
        uint8_t *l = b.logical(1, 1, 1, 2);
        const size_t lo = l - b.bytes.data();
        put<uint64_t>(b.bytes, lo + 252, at252);
        put<uint64_t>(b.bytes, lo + 260, at260);
        put<uint64_t>(b.bytes, lo + 512, 0x1001);
        put<uint64_t>(b.bytes, lo + 576, 0x1002);
        auto core = coreWith(b);
        QCOMPARE(quint64(core->logicalDevices[0]->elements[0].id), first);
        QCOMPARE(quint64(core->logicalDevices[0]->elements[1].id), second);
    }

    void entryCountsKeptInsideTheRecord()
    {
        // Counts that claim 4 x 1000 members, 9 parents and 9 spares in a
        // record that holds two entries and one reference.
        ImageBuilder b;
        uint8_t *l = b.logical(1, 1, 1, 2, 512 + 128 + 16, 512 + 128 + 16);
        const size_t lo = l - b.bytes.data();
        put<uint32_t>(b.bytes, lo + 72, 4);
        put<uint32_t>(b.bytes, lo + 76, 1000);
        put<uint32_t>(b.bytes, lo + 80, 9);
        put<uint32_t>(b.bytes, lo + 84, 9);
        auto core = coreWith(b);
        const KV_C_LogicalDevice &a = *core->logicalDevices[0];
        QCOMPARE(a.firstCount, 4u);
        QCOMPARE(a.secondCount, 1000u);
        QCOMPARE(a.elementCount, 2u);
        QCOMPARE(a.parentCount, 1u);
        QCOMPARE(a.spareCount, 0u);
    }

    void configReadHeader()
    {
        ImageBuilder b(42);
        auto core = coreWith(b);
        QCOMPARE(core->channelId, 7u);
        // Sector 0, then the image request written to the mailbox and read back.
        QCOMPARE(host->transfers.size(), size_t(3));
        QVERIFY(host->transfers[0].isRead);
        QCOMPARE(host->transfers[0].offset, uint64_t(0));
        QCOMPARE(host->transfers[0].count, 1024u);
        const test::Transfer &request = host->transfers[1];
        QVERIFY(!request.isRead);
        QCOMPARE(request.offset, uint64_t(7 * 512));
        QCOMPARE(request.count, 8192u);
        QCOMPARE(u32At(request.bytes, 0), 1u);
        QCOMPARE(u32At(request.bytes, 4), 7u);
        QCOMPARE(u64At(request.bytes, 8), uint64_t(0)); // nothing read yet
        QCOMPARE(u32At(request.bytes, 24), 2u);
        QCOMPARE(u32At(request.bytes, 28), 1u);
        QCOMPARE(u32At(request.bytes, 32), 0x1000u);
        QCOMPARE(u32At(request.bytes, 36), 0u);
        QCOMPARE(host->transfers[2].offset, uint64_t(7 * 512));
        QCOMPARE(host->transfers[2].count, 65536u);
        QCOMPARE(core->generation, uint64_t(42));

        // A later read carries the generation just read and its argument.
        KV_RequestBlock block(8192, "test");
        host->readAnswers.push_back({0, {}});
        QCOMPARE(core->KV_ConfigRead(block.data(), 8192, 0x1002, 0xDEADBEEF), KV_STS(1));
        const test::Transfer &second = host->transfers[3];
        QCOMPARE(u64At(second.bytes, 8), uint64_t(42));
        QCOMPARE(u32At(second.bytes, 32), 0x1002u);
        QCOMPARE(u32At(second.bytes, 36), 0xDEADBEEFu);
        QCOMPARE(u32At(second.bytes, 40), 0u);
    }

    void configReadFollowUp_data()
    {
        QTest::addColumn<uint>("readError");
        QTest::addColumn<uint>("followUpError");
        QTest::addColumn<uint>("status");
        QTest::addColumn<int>("transfers");
        QTest::addRow("success needs no follow-up") << 0u << 0u << 1u << 2;
        QTest::addRow("end of data needs no follow-up") << 38u << 0u << 2u << 2;
        QTest::addRow("failure returns the driver's status") << 1117u << 0u << 54u << 4;
        QTest::addRow("failed follow-up returns its code") << 1117u << 38u << 2u << 4;
    }

    void configReadFollowUp()
    {
        QFETCH(uint, readError);
        QFETCH(uint, followUpError);
        QFETCH(uint, status);
        QFETCH(int, transfers);
        auto core = coreWith(ImageBuilder(0x1'0000'0005ULL));
        host->transfers.clear();
        std::vector<uint8_t> answer(8192, 0);
        put<uint32_t>(answer, 0, 54);
        host->readAnswers.push_back({readError, {}});
        host->readAnswers.push_back({followUpError, answer});
        KV_RequestBlock block(8192, "test");
        QCOMPARE(core->KV_ConfigRead(block.data(), 8192, 0x1002, 3), status);
        QCOMPARE(int(host->transfers.size()), transfers);
        if (transfers == 4) {
            const test::Transfer &followUp = host->transfers[2];
            QCOMPARE(followUp.count, 8192u);
            QCOMPARE(u32At(followUp.bytes, 0), 1u);
            QCOMPARE(u32At(followUp.bytes, 32), 0x1016u);
            // The whole 64-bit generation goes out as the argument.
            QCOMPARE(u64At(followUp.bytes, 36), uint64_t(0x1'0000'0005ULL));
        }
    }

    void configWrite_data()
    {
        QTest::addColumn<uint>("writeError");
        QTest::addColumn<uint>("status");
        QTest::addColumn<int>("transfers");
        QTest::addRow("accepted") << 0u << 1u << 1;
        QTest::addRow("refused: the reason from 0x1016") << 1117u << 38u << 3;
        QTest::addRow("end of data is not a refusal") << 38u << 2u << 1;
    }

    void configWrite()
    {
        QFETCH(uint, writeError);
        QFETCH(uint, status);
        QFETCH(int, transfers);
        auto core = coreWith(ImageBuilder(9));
        host->transfers.clear();
        host->writeErrors.push_back(writeError);
        std::vector<uint8_t> answer(8192, 0);
        put<uint32_t>(answer, 0, 38);
        host->readAnswers.push_back({0, answer});
        KV_RequestBlock block(1536, "test");
        block.data()[16] = 0x5A; // the operation's own parameter stays
        QCOMPARE(core->KV_ConfigWrite(block.data(), 1536, 29), status);
        QCOMPARE(int(host->transfers.size()), transfers);
        const test::Transfer &request = host->transfers[0];
        QCOMPARE(request.count, 1536u);
        QCOMPARE(request.offset, uint64_t(7 * 512));
        QCOMPARE(u32At(request.bytes, 0), 29u);
        QCOMPARE(u32At(request.bytes, 4), 7u);
        QCOMPARE(u64At(request.bytes, 8), uint64_t(9));
        QCOMPARE(int(request.bytes[16]), 0x5A);
        QCOMPARE(u32At(request.bytes, 24), 2u);
        QCOMPARE(u32At(request.bytes, 28), 1u);
        if (transfers == 3) {
            QCOMPARE(u32At(host->transfers[1].bytes, 32), 0x1016u);
            QCOMPARE(u64At(host->transfers[1].bytes, 36), uint64_t(9));
        }
    }

    void channelIdZeroMeansNoIo()
    {
        host->channelId = 0;
        auto core = std::make_unique<KV_Core>(".", "Core1");
        QVERIFY(core->endpoint);
        QCOMPARE(core->channelId, 0u);
        QCOMPARE(core->physicalCount, 0u);
        QCOMPARE(host->transfers.size(), size_t(1)); // only the sector-0 read
        KV_RequestBlock block(8192, "test");
        QCOMPARE(core->KV_ConfigRead(block.data(), 8192, 0x1002, 0), KV_STS(1));
        QCOMPARE(core->KV_ConfigWrite(block.data(), 1024, 16), KV_STS(1));
        QCOMPARE(host->transfers.size(), size_t(1));
        QCOMPARE(u32At(std::vector<uint8_t>(block.data(), block.data() + 64), 0), 16u);
    }

    void unopenableCoreHasNullEndpoint()
    {
        host->canOpen = [](const std::string &) { return false; };
        KV_Core core(".", "Core1");
        QVERIFY(!core.endpoint);
        QCOMPARE(core.physicalCount + core.logicalCount + core.controllerCount, 0u);
        KV_Core nameless(".", "Core");
        QCOMPARE(nameless.coreNumber, 0);
        QVERIFY(!nameless.endpoint);
    }

    void handlePaths()
    {
        KV_Core core(".", "Core1");
        QCOMPARE(QByteArray(core.hostPart), QByteArray("//."));
        QCOMPARE(QByteArray(core.corePart), QByteArray("/Core1"));
        QCOMPARE(QByteArray(core.configPath), QByteArray("//./Core1/Route0/Device0"));
        QCOMPARE(QByteArray(core.routePrefix), QByteArray("//./Core1/Route"));
        QCOMPARE(core.coreNumber, 1);
        KV_Core local("", "Core12");
        QCOMPARE(QByteArray(local.configPath), QByteArray("/Core12/Route0/Device0"));
        QCOMPARE(local.coreNumber, 12);
    }

    void pathMatching_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("matches");
        QTest::addRow("same") << "//./Core1/Route2/Device15"
                              << "//./Core1/Route2/Device15" << true;
        QTest::addRow("stored trailing space") << "//./Core1/Route2/Device5 "
                                               << "//./Core1/Route2/Device5" << true;
        QTest::addRow("both trailing space") << "//./Core1/Route2/Device5 "
                                             << "//./Core1/Route2/Device5 " << true;
        QTest::addRow("prefix only") << "//./Core1/Route2/Device5 "
                                     << "//./Core1/Route2/Device" << false;
        QTest::addRow("longer") << "//./Core1/Route2/Device5 "
                                << "//./Core1/Route2/Device51" << false;
        QTest::addRow("two spaces") << "//./Core1/Route2/Device5  "
                                    << "//./Core1/Route2/Device5" << false;
        QTest::addRow("empty never matches") << ""
                                             << "" << false;
        QTest::addRow("space only never matches") << " "
                                                  << "" << false;
    }

    void pathMatching()
    {
        QFETCH(QString, stored);
        QFETCH(QString, path);
        QFETCH(bool, matches);
        QCOMPARE(KV_DevicePathMatches(stored.toLatin1().constData(), path.toLatin1().constData()),
                 matches);
    }

    void lookups()
    {
        ImageBuilder b;
        b.physical(0x10, 2, 5);
        b.physical(0x11, 2, 15);
        b.logical(0x20, 3, 1, 1);
        b.controller(0x30);
        auto core = coreWith(b);
        QCOMPARE(core->KV_FindPhysicalDevice("//./Core1/Route2/Device5"), 0u);
        QCOMPARE(core->KV_FindPhysicalDevice("//./Core1/Route2/Device15"), 1u);
        QCOMPARE(core->KV_FindPhysicalDevice("//./Core1/Route2/Device1"), 2u);
        QCOMPARE(core->KV_FindPhysicalDevice(static_cast<const char *>(nullptr)), 2u);
        QCOMPARE(core->KV_FindPhysicalDevice(uint64_t(0x11)), 1u);
        QCOMPARE(core->KV_FindPhysicalDevice(uint64_t(0)), 2u);
        QCOMPARE(core->KV_FindLogicalDevice("//./Core1/Route0/Device3"), 0u);
        QCOMPARE(core->KV_FindLogicalDevice(uint64_t(0x20)), 0u);
        QCOMPARE(core->KV_FindLogicalDevice(uint64_t(0x21)), 1u);
        QCOMPARE(core->KV_FindController(uint64_t(0x30)), 0u);
        QCOMPARE(core->KV_FindController(uint64_t(0)), 1u);

        auto empty = coreWith(ImageBuilder());
        QCOMPARE(empty->KV_FindLogicalDevice("//./Core1/Route0/Device3"), 0u);
    }

    void rereading()
    {
        ImageBuilder first(1), second(2);
        first.physical(1, 0, 1);
        put<uint32_t>(first.bytes, 512 + 128, 0x25BC); // a tag where a 128-byte walk looks
        second.physical(1, 0, 1);
        second.physical(2, 0, 2);
        auto core = coreWith(first);
        QCOMPARE(core->physicalCount, 1u);
        const size_t live = KVTL_LiveCount();
        host->readAnswers.push_back({0, second.bytes});
        core->KV_GetConfig();
        QCOMPARE(core->physicalCount, 2u);
        QCOMPARE(core->generation, uint64_t(2));
        QCOMPARE(KVTL_LiveCount(), live); // the first lists were freed
        host->readAnswers.push_back({0, first.bytes});
        core->KV_GetPrevConfig(1);
        QCOMPARE(core->physicalCount, 2u); // 256 bytes read as two 128-byte records
        QCOMPARE(u32At(host->transfers[host->transfers.size() - 2].bytes, 36), 1u);
    }

    void enumeration_data()
    {
        QTest::addColumn<bool>("coreExists");
        QTest::addColumn<uint>("bufferBytes");
        QTest::addColumn<uint>("status");
        QTest::addColumn<uint>("count");
        QTest::addRow("found") << true << 288u << 1u << 1u;
        QTest::addRow("exactly one record") << true << 36u << 1u << 1u;
        QTest::addRow("too small") << true << 35u << 26u << 0u;
        QTest::addRow("none, small buffer") << false << 0u << 1u << 0u;
    }

    void enumeration()
    {
        QFETCH(bool, coreExists);
        QFETCH(uint, bufferBytes);
        QFETCH(uint, status);
        QFETCH(uint, count);
        host->canOpen = [coreExists](const std::string &) { return coreExists; };
        KV_CoreId ids[8];
        std::memset(ids, 0x55, sizeof ids);
        uint32_t found = 99;
        QCOMPARE(KV_ApiEnumerateCores(ids, bufferBytes, &found), status);
        QCOMPARE(found, count);
        if (count == 1) {
            QCOMPARE(ids[0].coreNumber, 1);
            QCOMPARE(QByteArray(ids[0].host), QByteArray("."));
            QCOMPARE(QByteArray(ids[0].coreName), QByteArray("Core1"));
            QCOMPARE(ids[0].host[2], '\0'); // the rest of the field is zero
            QCOMPARE(ids[0].coreName[15], '\0');
            QCOMPARE(QString::fromStdString(host->opened.front()),
                     QStringLiteral("\\\\.\\KVConfig0"));
        }
    }

    void validation_data()
    {
        QTest::addColumn<QStringList>("listA");
        QTest::addColumn<QStringList>("listB");
        QTest::addColumn<uint>("status");
        QTest::addColumn<int>("number");
        const QString c1 = "//./Core1/Route0/Device3", c1b = "//./Core1/Route1/Device2 ";
        const QString c2 = "//./Core2/Route0/Device3", none = "//./Route0/Device3";
        QTest::addRow("one list on core 1") << QStringList{c1, c1b} << QStringList{} << 1u << 1;
        QTest::addRow("two lists on core 1") << QStringList{c1} << QStringList{c1b} << 1u << 1;
        QTest::addRow("both empty") << QStringList{} << QStringList{} << 63u << -1;
        QTest::addRow("first list on core 2") << QStringList{c2} << QStringList{} << 63u << -1;
        QTest::addRow("lists on cores 1 and 2") << QStringList{c1} << QStringList{c2} << 61u << -1;
        QTest::addRow("first list mixed") << QStringList{c1, c2} << QStringList{} << 63u << -1;
        QTest::addRow("second list mixed") << QStringList{c1} << QStringList{c1, c2} << 1u << 1;
        QTest::addRow("second names no core") << QStringList{c1} << QStringList{none} << 63u << -1;
        QTest::addRow("lower case core")
            << QStringList{"//./core1/Route0/Device3"} << QStringList{} << 1u << 1;
    }

    void validation()
    {
        QFETCH(QStringList, listA);
        QFETCH(QStringList, listB);
        QFETCH(uint, status);
        QFETCH(int, number);
        auto toPaths = [](const QStringList &list) {
            std::vector<std::array<char, 80>> paths(list.size());
            for (int i = 0; i < list.size(); ++i) {
                paths[i].fill(0);
                std::memcpy(paths[i].data(), list[i].toLatin1().constData(), list[i].size());
            }
            return paths;
        };
        auto a = toPaths(listA), b = toPaths(listB);
        KV_CoreId core{1, ".", "Core1"};
        int32_t found = -1;
        const size_t live = KVTL_LiveCount();
        QCOMPARE(KV_ValidateCoreDeviceLists(
                     &core, uint32_t(a.size()), uint32_t(b.size()),
                     a.empty() ? nullptr : reinterpret_cast<const KV_DevicePath *>(a.data()),
                     b.empty() ? nullptr : reinterpret_cast<const KV_DevicePath *>(b.data()),
                     &found),
                 status);
        QCOMPARE(found, number);
        QCOMPARE(KVTL_LiveCount(), live);
    }
};

QTEST_GUILESS_MAIN(TestCore)
#include "tst_core.moc"
