// The configuration image at literal byte offsets, and the demo model's
// consistency.
#include "config_image.h"
#include "emulator_test_support.h"

#include <QTest>

using namespace testsupport;
using kvemu::Model;

namespace {

std::vector<uint8_t> imageOf(const Model &model, bool previous = false)
{
    std::vector<uint8_t> image(kvemu::image::ImageSize, 0xAB);
    kvemu::image::build(model, previous, image.data());
    return image;
}

size_t countOf(const Walked &w, uint32_t tag)
{
    return size_t(std::count(w.tags.begin(), w.tags.end(), tag));
}

size_t recordOfDisk(const std::vector<uint8_t> &image, const Walked &w, uint64_t id)
{
    for (size_t i = 0; i < w.offsets.size(); ++i)
        if (w.tags[i] == 0x25BC && le<uint64_t>(image, w.offsets[i] + 4) == id)
            return w.offsets[i];
    return 0;
}

} // namespace

class TestEmulatorImage : public QObject {
    Q_OBJECT

private slots:
    void headerAndStream_data()
    {
        QTest::addColumn<bool>("previous");
        QTest::addColumn<int>("physicalSize");
        QTest::addRow("current") << false << 256;
        QTest::addRow("previous") << true << 128;
    }

    void headerAndStream()
    {
        QFETCH(bool, previous);
        QFETCH(int, physicalSize);
        Model model = kvemu::demoModel();
        model.generation = 0x1122334455667788ull;
        const std::vector<uint8_t> image = imageOf(model, previous);

        QCOMPARE(image.size(), size_t(65536));
        QCOMPARE(le<uint32_t>(image, 0), 1u);
        const uint8_t generation[8] = {0x88, 0x77, 0x66, 0x55, 0x44, 0x33, 0x22, 0x11};
        QVERIFY(std::memcmp(image.data() + 52, generation, 8) == 0);
        for (size_t i = 32; i < 52; ++i)
            QCOMPARE(image[i], uint8_t(0));

        const Walked w = walk(image, size_t(physicalSize));
        QCOMPARE(w.offsets.front(), size_t(512));
        QCOMPARE(countOf(w, 0x25BC), model.disks.size() + 1);
        QCOMPARE(countOf(w, 0x25BD), model.arrays.size());
        QCOMPARE(countOf(w, 0x25BE), model.controllers.size());
        QCOMPARE(countOf(w, 0x25BF), model.enclosures.size());
        QCOMPARE(le<uint32_t>(image, w.end), 0u); // ends at a zero tag
        // Nothing is left over from the buffer's earlier contents.
        for (size_t i = w.end; i < image.size(); ++i)
            QCOMPARE(image[i], uint8_t(0));

        // The first physical record is the core's pseudo-device.
        QCOMPARE(le<uint32_t>(image, 512), 0x25BCu);
        QCOMPARE(le<uint32_t>(image, 512 + 36), 0x1201u);
        QCOMPARE(le<uint32_t>(image, 512 + 44), 0x3000u);
        if (!previous) {
            QCOMPARE(text(image, 512 + 136, 40), model.core.buildText);
            QCOMPARE(image[512 + 196], uint8_t('0'));
            QCOMPARE(image[512 + 197], uint8_t('0'));
        }
        // The second physical record follows after exactly one record's length.
        QCOMPARE(le<uint32_t>(image, 512 + size_t(physicalSize)), 0x25BCu);
    }

    void previousImageReadAsCurrentGoesWrong()
    {
        const std::vector<uint8_t> image = imageOf(kvemu::demoModel(), true);
        const Walked asPrevious = walk(image, 128);
        const Walked asCurrent = walk(image, 256);
        QVERIFY(asPrevious.offsets.size() != asCurrent.offsets.size());
    }

    void physicalRecord_data()
    {
        QTest::addColumn<int>("disk");
        QTest::addColumn<uint>("type");
        QTest::addColumn<uint>("globalSpare");
        QTest::addColumn<char>("controllerDigit");
        QTest::addColumn<char>("channelDigit");
        QTest::addColumn<bool>("nvme");
        QTest::addRow("SSD in the mirror") << 0 << 0x1200u << 0u << '0' << '0' << false;
        QTest::addRow("HDD in the parity array") << 3 << 0x1200u << 0u << '0' << '3' << false;
        QTest::addRow("global spare") << 7 << 0x1200u << 0x100u << '0' << '7' << false;
        QTest::addRow("NVMe in the stripe") << 9 << 0x1200u << 0u << '1' << '1' << true;
        QTest::addRow("uninitialized NVMe") << 11 << 0u << 0u << '1' << '3' << true;
    }

    void physicalRecord()
    {
        QFETCH(int, disk);
        QFETCH(uint, type);
        QFETCH(uint, globalSpare);
        QFETCH(char, controllerDigit);
        QFETCH(char, channelDigit);
        QFETCH(bool, nvme);
        const Model model = kvemu::demoModel();
        const kvemu::PhysicalDisk &d = model.disks[size_t(disk)];
        const std::vector<uint8_t> image = imageOf(model);
        const size_t r = recordOfDisk(image, walk(image, 256), d.id);
        QVERIFY(r != 0);
        QCOMPARE(le<uint16_t>(image, r + 12), d.deviceRoute);
        QCOMPARE(le<uint16_t>(image, r + 14), uint16_t(d.controller + 1));
        QCOMPARE(le<uint64_t>(image, r + 28), d.capacity);
        QCOMPARE(le<uint32_t>(image, r + 36), type);
        QCOMPARE(le<uint32_t>(image, r + 44), 0x3000u);
        QCOMPARE(le<uint32_t>(image, r + 48), globalSpare);
        QCOMPARE((le<uint32_t>(image, r + 88) & 0x80000000u) != 0, nvme);
        QVERIFY((le<uint32_t>(image, r + 88) & 0x100u) != 0);
        QCOMPARE(text(image, r + 128, 8), d.firmware);
        QCOMPARE(text(image, r + 136, 40), d.model);
        QCOMPARE(text(image, r + 176, 20), d.serial);
        QCOMPARE(char(image[r + 196]), controllerDigit);
        QCOMPARE(char(image[r + 197]), channelDigit);
        QCOMPARE(text(image, r + 216, 8), d.vendor);

        // Free space: what the disk's usable area leaves after its extents.
        uint64_t used = 0;
        for (const kvemu::LogicalDevice &a : model.arrays)
            for (const kvemu::Element &e : a.elements)
                if (e.diskId == d.id)
                    used += e.size;
        const uint64_t expectedFree = type == 0x1200u ? d.capacity - 2048 - used : 0;
        QCOMPARE(le<uint64_t>(image, r + 208), expectedFree);
        QCOMPARE(le<uint64_t>(image, r + 200), expectedFree); // one extent per disk here

        // The short record of the previous image keeps the numbers only.
        const std::vector<uint8_t> old = imageOf(model, true);
        const size_t p = recordOfDisk(old, walk(old, 128), d.id);
        QVERIFY(p != 0);
        QCOMPARE(le<uint64_t>(old, p + 28), d.capacity);
        QCOMPARE(le<uint32_t>(old, p + 36), type);
    }

    void freeSpaceBetweenExtents()
    {
        // Two extents with a hole between them: largest and total differ.
        Model model = kvemu::demoModel();
        kvemu::LogicalDevice &data = model.arrays[1];
        for (kvemu::Element &e : data.elements)
            e.start = 1000000;
        const kvemu::FreeSpace free = model.freeSpace(model.disks[2]);
        const uint64_t usable = model.disks[2].capacity - 2048;
        QCOMPARE(free.total, usable - data.elements[0].size);
        QCOMPARE(free.largest, usable - 1000000 - data.elements[0].size);
    }

    void logicalRecord_data()
    {
        QTest::addColumn<int>("array");
        QTest::addColumn<uint>("typeCode");
        QTest::addColumn<uint>("first");
        QTest::addColumn<uint>("second");
        QTest::addColumn<uint>("spares");
        QTest::addColumn<uint>("recordSize");
        QTest::addRow("RAID1 System") << 0 << 0x1BF6u << 1u << 2u << 0u << 640u;
        QTest::addRow("RAID5 Data with a spare") << 1 << 0x1BF5u << 1u << 4u << 1u << 784u;
        QTest::addRow("RAID0 Scratch") << 2 << 0x1BF6u << 2u << 1u << 0u << 640u;
    }

    void logicalRecord()
    {
        QFETCH(int, array);
        QFETCH(uint, typeCode);
        QFETCH(uint, first);
        QFETCH(uint, second);
        QFETCH(uint, spares);
        QFETCH(uint, recordSize);
        const Model model = kvemu::demoModel();
        const kvemu::LogicalDevice &a = model.arrays[size_t(array)];
        const std::vector<uint8_t> image = imageOf(model);
        const Walked w = walk(image, 256);
        size_t r = 0;
        for (size_t i = 0; i < w.offsets.size(); ++i)
            if (w.tags[i] == 0x25BD && le<uint64_t>(image, w.offsets[i] + 4) == a.id)
                r = w.offsets[i];
        QVERIFY(r != 0);
        QCOMPARE(le<uint16_t>(image, r + 12), a.deviceRoute);
        QCOMPARE(le<uint16_t>(image, r + 14), uint16_t(0));
        QCOMPARE(le<uint32_t>(image, r + 20), 0x200u);
        QCOMPARE(le<uint32_t>(image, r + 24), typeCode);
        QCOMPARE(le<uint64_t>(image, r + 36), a.capacity);
        QCOMPARE(le<uint32_t>(image, r + 72), first);
        QCOMPARE(le<uint32_t>(image, r + 76), second);
        QCOMPARE(le<uint32_t>(image, r + 80), 0u);
        QCOMPARE(le<uint32_t>(image, r + 84), spares);
        QCOMPARE(le<uint32_t>(image, r + 92), 1u); // cache tag code: 64 KiB
        QCOMPARE(le<uint32_t>(image, r + 96), a.cacheAttribute);
        QCOMPARE(le<uint32_t>(image, r + 144), recordSize);
        QCOMPARE(text(image, r + 160, 32), a.name);
        QCOMPARE(le<uint64_t>(image, r + 252), le<uint64_t>(image, r + 260));
        for (uint32_t i = 0; i < first * second; ++i) {
            const size_t e = r + 512 + 64 * i;
            const kvemu::PhysicalDisk *disk = model.findDisk(a.elements[i].diskId);
            QCOMPARE(le<uint64_t>(image, e), disk->id);
            QCOMPARE(le<uint16_t>(image, e + 8), disk->deviceRoute);
            QCOMPARE(le<uint16_t>(image, e + 10), disk->coreRoute());
            QCOMPARE(le<uint64_t>(image, e + 16), a.elements[i].start);
            QCOMPARE(le<uint64_t>(image, e + 24), a.elements[i].size);
            QCOMPARE(le<uint64_t>(image, e + 32), a.elements[i].dataOffset);
            QCOMPARE(le<uint64_t>(image, e + 40), a.elements[i].dataSize);
            QCOMPARE(le<uint32_t>(image, e + 48), 0u);
        }
        if (spares > 0) {
            const size_t s = r + 512 + 64 * first * second;
            const kvemu::PhysicalDisk *spare = model.findDisk(a.spares[0]);
            QCOMPARE(le<uint64_t>(image, s), spare->id);
            QCOMPARE(le<uint16_t>(image, s + 8), spare->deviceRoute);
            QCOMPARE(le<uint16_t>(image, s + 10), spare->coreRoute());
        }
        QCOMPARE(le<uint32_t>(image, r + recordSize) != 0, true); // the next record begins there
    }

    void sizeFieldDecidesTheNextRecord()
    {
        // Parents, spares and a failed member change the record's length; the
        // next record must start exactly where the size field says.
        Model model = kvemu::demoModel();
        kvemu::LogicalDevice &data = model.arrays[1];
        data.parents = {model.arrays[0].id, model.arrays[2].id};
        data.elements[2].errorFlags = 0x4000 | 0x20;
        data.elements[2].diskId = 0x7777; // the disk is gone
        const std::vector<uint8_t> image = imageOf(model);
        const Walked w = walk(image, 256);
        size_t r = 0, index = 0;
        for (size_t i = 0; i < w.offsets.size(); ++i)
            if (w.tags[i] == 0x25BD && le<uint64_t>(image, w.offsets[i] + 4) == data.id)
                r = w.offsets[index = i];
        QCOMPARE(le<uint32_t>(image, r + 144), uint32_t(512 + 64 * 4 + 16 * 3));
        QCOMPARE(le<uint32_t>(image, r + 80), 2u);
        QCOMPARE(w.offsets[index + 1], r + 512 + 64 * 4 + 16 * 3);
        // Parent entries come before the spare entries.
        QCOMPARE(le<uint64_t>(image, r + 512 + 256), model.arrays[0].id);
        QCOMPARE(le<uint16_t>(image, r + 512 + 256 + 8), model.arrays[0].deviceRoute);
        QCOMPARE(le<uint64_t>(image, r + 512 + 256 + 32), data.spares[0]);
        // The missing member keeps its identifier and flags, with routes 0.
        const size_t e = r + 512 + 64 * 2;
        QCOMPARE(le<uint64_t>(image, e), uint64_t(0x7777));
        QCOMPARE(le<uint16_t>(image, e + 8), uint16_t(0));
        QCOMPARE(le<uint32_t>(image, e + 48), 0x4020u);
    }

    void controllerAndEnclosureRecords()
    {
        const Model model = kvemu::demoModel();
        const std::vector<uint8_t> image = imageOf(model);
        const Walked w = walk(image, 256);
        std::vector<size_t> controllers, enclosures;
        for (size_t i = 0; i < w.offsets.size(); ++i) {
            if (w.tags[i] == 0x25BE)
                controllers.push_back(w.offsets[i]);
            if (w.tags[i] == 0x25BF)
                enclosures.push_back(w.offsets[i]);
        }
        QCOMPARE(controllers.size(), size_t(3));
        const kvemu::Controller &c = model.controllers[1];
        const size_t r = controllers[1];
        QCOMPARE(le<uint64_t>(image, r + 4), c.id);
        QCOMPARE(text(image, r + 20, 16), c.name);
        QCOMPARE(text(image, r + 36, 16), c.biosBuild);
        QCOMPARE(le<uint64_t>(image, r + 88), c.maxArraySize);
        QCOMPARE(le<uint64_t>(image, r + 96), c.serial);
        QCOMPARE(le<uint32_t>(image, r + 104), 4u);
        QCOMPARE(le<uint16_t>(image, r + 108), c.pciVendor);
        QCOMPARE(le<uint16_t>(image, r + 110), c.pciDevice);
        QCOMPARE(le<uint32_t>(image, r + 112), 1u);
        QCOMPARE(le<uint16_t>(image, r + 116), c.pciSubVendor);
        QCOMPARE(le<uint16_t>(image, r + 118), c.pciSubDevice);
        QCOMPARE(le<uint64_t>(image, r + 120), c.secondId);
        QCOMPARE(le<uint16_t>(image, r + 128), c.origPciVendor);
        QCOMPARE(le<uint16_t>(image, r + 130), c.origPciDevice);
        QCOMPARE(le<uint32_t>(image, r + 132), c.pciLocation);

        QCOMPARE(enclosures.size(), size_t(1));
        const kvemu::Enclosure &e = model.enclosures[0];
        const size_t s = enclosures[0];
        QCOMPARE(le<uint16_t>(image, s + 12), uint16_t(1024));
        QCOMPARE(le<uint16_t>(image, s + 14), uint16_t(1));
        QCOMPARE(text(image, s + 20, 8), e.vendor);
        QCOMPARE(text(image, s + 28, 16), e.product);
        QCOMPARE(text(image, s + 44, 4), e.revision);
        QCOMPARE(text(image, s + 48, 8), e.serial);
        QCOMPARE(w.end, s + 64);
    }

    void fullImageStaysTerminated()
    {
        Model model = kvemu::demoModel();
        for (uint16_t n = 4; n < 120; ++n) {
            kvemu::LogicalDevice a;
            a.id = 0x9000 + n;
            a.deviceRoute = n;
            model.arrays.push_back(a);
        }
        std::vector<uint8_t> image(kvemu::image::ImageSize, 0);
        QVERIFY(!kvemu::image::build(model, false, image.data()));
        const Walked w = walk(image, 256);
        QVERIFY(w.end + 4 <= image.size());
        QCOMPARE(le<uint32_t>(image, w.end), 0u);
    }

    void shapes_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<uint>("members");
        QTest::addColumn<QString>("word"); // empty: the count is refused
        QTest::addRow("RAID0 of 2") << int(kvemu::RaidLevel::Raid0) << 2u << "RAID0";
        QTest::addRow("RAID0 of 1") << int(kvemu::RaidLevel::Raid0) << 1u << "";
        QTest::addRow("RAID1 of 2") << int(kvemu::RaidLevel::Raid1) << 2u << "RAID1";
        QTest::addRow("RAID1 of 3") << int(kvemu::RaidLevel::Raid1) << 3u << "";
        QTest::addRow("RAID5 of 3") << int(kvemu::RaidLevel::Raid5) << 3u << "RAID5";
        QTest::addRow("RAID5 of 2") << int(kvemu::RaidLevel::Raid5) << 2u << "";
        QTest::addRow("RAID6 of 4") << int(kvemu::RaidLevel::Raid6) << 4u << "RAID6";
        QTest::addRow("RAID10 of 4") << int(kvemu::RaidLevel::Raid10) << 4u << "RAID10";
        QTest::addRow("RAID10 of 5") << int(kvemu::RaidLevel::Raid10) << 5u << "";
    }

    void shapes()
    {
        QFETCH(int, level);
        QFETCH(uint, members);
        QFETCH(QString, word);
        const auto shape = kvemu::shapeFor(kvemu::RaidLevel(level), members);
        QCOMPARE(shape.has_value(), !word.isEmpty());
        if (shape) {
            QCOMPARE(shape->firstCount * shape->secondCount, members);
            QCOMPARE(QString::fromStdString(kvemu::arrayTypeName(shape->typeCode, shape->firstCount,
                                                                 shape->secondCount)),
                     word);
        }
    }

    void demoIsConsistent()
    {
        const Model model = kvemu::demoModel();
        QCOMPARE(QString::fromStdString(model.validate()), QString());
        QVERIFY(model.disks.size() >= 8 && model.disks.size() <= 16);
        // Array capacities follow their levels; volumes fit their arrays.
        const kvemu::LogicalDevice &mirror = model.arrays[0];
        const kvemu::LogicalDevice &parity = model.arrays[1];
        const kvemu::LogicalDevice &stripe = model.arrays[2];
        QCOMPARE(mirror.capacity, mirror.elements[0].dataSize);
        QCOMPARE(parity.capacity, parity.elements[0].dataSize * (parity.elements.size() - 1));
        QCOMPARE(stripe.capacity, stripe.elements[0].dataSize * stripe.elements.size());
        for (const kvemu::Volume &v : model.host.volumes)
            if (v.kind == kvemu::Volume::OnArray)
                QVERIFY(v.startBytes + v.lengthBytes <= model.findArray(v.arrayId)->capacity * 512);
        // Exactly one global spare, one dedicated spare, one uninitialized disk.
        QCOMPARE(std::count_if(model.disks.begin(), model.disks.end(),
                               [](const kvemu::PhysicalDisk &d) { return d.globalSpare; }),
                 1);
        QCOMPARE(parity.spares.size(), size_t(1));
        QCOMPARE(std::count_if(model.disks.begin(), model.disks.end(),
                               [](const kvemu::PhysicalDisk &d) { return d.type == 0; }),
                 1);
    }

    void validationCatchesBrokenModels_data()
    {
        QTest::addColumn<int>("breakage");
        QTest::addRow("duplicate disk route") << 0;
        QTest::addRow("extent past the disk") << 1;
        QTest::addRow("overlapping extents") << 2;
        QTest::addRow("counts do not match elements") << 3;
        QTest::addRow("volume on a missing array") << 4;
        QTest::addRow("array number 0") << 5;
    }

    void validationCatchesBrokenModels()
    {
        QFETCH(int, breakage);
        Model model = kvemu::demoModel();
        switch (breakage) {
        case 0:
            model.disks[1].deviceRoute = model.disks[0].deviceRoute;
            break;
        case 1:
            model.arrays[1].elements[0].start = model.disks[2].capacity;
            break;
        case 2: {
            kvemu::Element extra = model.arrays[1].elements[0];
            extra.start = 100;
            model.arrays[0].elements[0] = extra; // on the same disk as the parity member
            break;
        }
        case 3:
            model.arrays[2].firstCount = 3;
            break;
        case 4:
            model.host.volumes[0].arrayId = 0x1234;
            break;
        case 5:
            model.arrays[0].deviceRoute = 0;
            break;
        }
        QVERIFY(!model.validate().empty());
    }
};

QTEST_GUILESS_MAIN(TestEmulatorImage)
#include "tst_emulator_image.moc"
