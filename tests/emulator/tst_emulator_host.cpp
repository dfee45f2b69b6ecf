// The host's storage queries with the byte layouts Windows defines on x64.
#include "emulator_test_support.h"

#include <QTest>

#include <algorithm>

using namespace testsupport;
namespace winerr = kv::winerr;
namespace ioctl = kv::ioctl;

namespace {

struct InquiryUnit {
    uint8_t path, target, lun;
    std::string vendorProduct; // 24 bytes of vendor and product
};

// Walks SCSI_ADAPTER_BUS_INFO and each bus's SCSI_INQUIRY_DATA chain the way
// the channel does, refusing offsets outside the buffer.
bool walkInquiry(const std::vector<uint8_t> &buffer, uint32_t returned,
                 std::vector<InquiryUnit> &units)
{
    const uint8_t buses = buffer[0];
    for (uint32_t bus = 0; bus < buses; ++bus) {
        const size_t busData = 4 + 8 * bus;
        const uint32_t count = buffer[busData];
        uint32_t offset = le<uint32_t>(buffer, busData + 4);
        uint32_t seen = 0;
        while (count > 0) {
            if (offset == 0 || offset + 12 + 36 > returned ||
                le<uint32_t>(buffer, offset + 4) != 36)
                return false;
            units.push_back(
                {buffer[offset], buffer[offset + 1], buffer[offset + 2],
                 std::string(reinterpret_cast<const char *>(&buffer[offset + 12 + 8]), 24)});
            ++seen;
            offset = le<uint32_t>(buffer, offset + 8);
            if (offset == 0)
                break;
        }
        if (seen != count)
            return false; // the chain and the bus's unit count disagree
    }
    return true;
}

std::vector<uint8_t> passThroughBuffer(uint8_t page, bool evpd = true)
{
    std::vector<uint8_t> b(256, 0);
    setLe<uint16_t>(b, 0, 56);
    b[6] = 6; // CDB length
    b[8] = 1; // data in
    setLe<uint32_t>(b, 12, 200);
    setLe<uint32_t>(b, 16, 5);
    setLe<uint64_t>(b, 24, 56);
    b[36] = 0x12; // INQUIRY
    b[37] = evpd ? 1 : 0;
    b[38] = page;
    b[40] = 200;
    return b;
}

} // namespace

class TestEmulatorHost : public QObject {
    Q_OBJECT

    std::shared_ptr<kvemu::Emulator> emulator;
    std::unique_ptr<kvemu::InProcessPlatform> platform;

    std::unique_ptr<kv::PlatformFile> open(const std::string &name)
    {
        return platform->open("\\\\.\\" + name, 3, 3, 0);
    }

    uint32_t ioctlOn(const std::string &name, uint32_t code, std::vector<uint8_t> in,
                     std::vector<uint8_t> &out, uint32_t &returned)
    {
        auto file = open(name);
        if (!file)
            return winerr::FileNotFound;
        return file->deviceIoControl(code, in.empty() ? nullptr : in.data(), uint32_t(in.size()),
                                     out.data(), uint32_t(out.size()), &returned);
    }

private slots:
    void init()
    {
        emulator = demoEmulator();
        platform = std::make_unique<kvemu::InProcessPlatform>(emulator);
    }

    void inquiryData_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<bool>("configurationPort");
        QTest::addColumn<int>("units");
        QTest::addRow("RAID adapter") << "Scsi2:" << true << 6; // configuration + 5 arrays
        QTest::addRow("chipset SATA with the DVD") << "Scsi0:" << false << 1;
        QTest::addRow("USB") << "Scsi3:" << false << 1;
    }

    void inquiryData()
    {
        QFETCH(QString, port);
        QFETCH(bool, configurationPort);
        QFETCH(int, units);
        std::vector<uint8_t> out(2048, 0xCC);
        uint32_t returned = 0;
        QCOMPARE(ioctlOn(port.toStdString(), ioctl::ScsiGetInquiryData, {}, out, returned),
                 winerr::Success);
        QVERIFY(returned > 4 && returned <= 2048);
        std::vector<InquiryUnit> found;
        QVERIFY(walkInquiry(out, returned, found));
        QCOMPARE(int(found.size()), units);
        const bool hasConfiguration =
            std::any_of(found.begin(), found.end(), [](const InquiryUnit &u) {
                return u.vendorProduct.compare(0, 21, "OXV-RAIDConfiguration") == 0;
            });
        QCOMPARE(hasConfiguration, configurationPort);
        if (configurationPort) {
            // Arrays answer with their own product text, not the configuration's.
            QCOMPARE(std::count_if(found.begin(), found.end(),
                                   [](const InquiryUnit &u) {
                                       return u.vendorProduct.rfind("OXV-RAIDArray ", 0) == 0;
                                   }),
                     5);
        }
    }

    void inquiryDataNeedsRoom()
    {
        std::vector<uint8_t> out(40);
        uint32_t returned = 0;
        QCOMPARE(ioctlOn("Scsi2:", ioctl::ScsiGetInquiryData, {}, out, returned),
                 winerr::InsufficientBuffer);
    }

    void scsiAddress_data()
    {
        QTest::addColumn<int>("drive");
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("path");
        QTest::addColumn<int>("target");
        QTest::addRow("array 1") << 0 << 2 << 1 << 1;
        QTest::addRow("array 2") << 1 << 2 << 1 << 2;
        QTest::addRow("array 3") << 2 << 2 << 1 << 3;
        QTest::addRow("USB stick") << 3 << 3 << 0 << 0;
    }

    void scsiAddress()
    {
        QFETCH(int, drive);
        QFETCH(int, port);
        QFETCH(int, path);
        QFETCH(int, target);
        std::vector<uint8_t> out(8, 0xCC);
        uint32_t returned = 0;
        QCOMPARE(ioctlOn("physicaldrive" + std::to_string(drive), ioctl::ScsiGetAddress, {}, out,
                         returned),
                 winerr::Success);
        QCOMPARE(returned, 8u);
        QCOMPARE(le<uint32_t>(out, 0), 8u);
        QCOMPARE(int(out[4]), port);
        QCOMPARE(int(out[5]), path);
        QCOMPARE(int(out[6]), target);
        QCOMPARE(int(out[7]), 0);
        std::vector<uint8_t> small(7);
        QCOMPARE(ioctlOn("physicaldrive0", ioctl::ScsiGetAddress, {}, small, returned),
                 winerr::InsufficientBuffer);
    }

    void arrayNumberPage_data()
    {
        QTest::addColumn<int>("drive");
        QTest::addColumn<QString>("text"); // empty: the drive refuses the page
        QTest::addRow("drive 0") << 0 << "OXV-RAID Array 1";
        QTest::addRow("drive 1") << 1 << "OXV-RAID Array 2";
        QTest::addRow("drive 2") << 2 << "OXV-RAID Array 3";
        QTest::addRow("USB stick") << 3 << "";
    }

    void arrayNumberPage()
    {
        QFETCH(int, drive);
        QFETCH(QString, text);
        std::vector<uint8_t> buffer = passThroughBuffer(0xD7);
        std::vector<uint8_t> out = buffer;
        setLe<uint32_t>(buffer, 32, 0);
        uint32_t returned = 0;
        QCOMPARE(ioctlOn("physicaldrive" + std::to_string(drive), ioctl::ScsiPassThrough, buffer,
                         out, returned),
                 winerr::Success);
        QCOMPARE(le<uint16_t>(out, 0), uint16_t(56));
        if (text.isEmpty()) {
            QCOMPARE(int(out[2]), 2); // CHECK CONDITION
            QCOMPARE(le<uint32_t>(out, 12), 0u);
            QVERIFY(std::memcmp(out.data() + 56, "OXV-RAID Array ", 15) != 0);
        } else {
            QCOMPARE(int(out[2]), 0);
            const std::string got(reinterpret_cast<const char *>(out.data() + 56));
            QCOMPARE(QString::fromStdString(got), text);
            QCOMPARE(le<uint32_t>(out, 12), uint32_t(got.size() + 1));
        }
    }

    void passThroughRefusesBadInput_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<qulonglong>("value");
        QTest::addColumn<int>("inLength");
        QTest::addColumn<int>("outLength");
        QTest::addColumn<uint32_t>("error");
        QTest::addRow("wrong structure length")
            << 0 << 44ull << 256 << 256 << winerr::InvalidParameter;
        QTest::addRow("input shorter than the structure")
            << -1 << 0ull << 40 << 256 << winerr::InvalidParameter;
        QTest::addRow("data past the buffer")
            << 12 << 250ull << 256 << 256 << winerr::InvalidParameter;
        QTest::addRow("data offset inside the structure")
            << 24 << 8ull << 256 << 256 << winerr::InvalidParameter;
        QTest::addRow("CDB length 0") << 6 << 0ull << 256 << 256 << winerr::InvalidParameter;
        QTest::addRow("sense past the buffer")
            << 7 << 32ull << 256 << 256 << winerr::InvalidParameter;
        QTest::addRow("INQUIRY as data out") << 8 << 0ull << 256 << 256 << winerr::InvalidParameter;
    }

    void passThroughRefusesBadInput()
    {
        QFETCH(int, field);
        QFETCH(qulonglong, value);
        QFETCH(int, inLength);
        QFETCH(int, outLength);
        QFETCH(uint32_t, error);
        std::vector<uint8_t> buffer = passThroughBuffer(0xD7);
        switch (field) {
        case 0:
            setLe<uint16_t>(buffer, 0, uint16_t(value));
            break;
        case 6:
        case 8:
            buffer[size_t(field)] = uint8_t(value);
            break;
        case 7: // sense info of `value` bytes at offset 240
            buffer[7] = uint8_t(value);
            setLe<uint32_t>(buffer, 32, 240);
            break;
        case 12:
            setLe<uint32_t>(buffer, 12, uint32_t(value));
            break;
        case 24:
            setLe<uint64_t>(buffer, 24, value);
            break;
        default:
            break;
        }
        buffer.resize(size_t(inLength));
        std::vector<uint8_t> out(static_cast<size_t>(outLength));
        uint32_t returned = 0;
        QCOMPARE(ioctlOn("physicaldrive0", ioctl::ScsiPassThrough, buffer, out, returned), error);
    }

    void unsupportedPageGivesSense()
    {
        std::vector<uint8_t> buffer = passThroughBuffer(0xC5);
        buffer[7] = 18;
        setLe<uint32_t>(buffer, 32, 230);
        setLe<uint32_t>(buffer, 12, 100);
        std::vector<uint8_t> out(256);
        uint32_t returned = 0;
        QCOMPARE(ioctlOn("physicaldrive0", ioctl::ScsiPassThrough, buffer, out, returned),
                 winerr::Success);
        QCOMPARE(int(out[2]), 2);
        QCOMPARE(int(out[230]), 0x70);
        QCOMPARE(int(out[232]), 0x05); // ILLEGAL REQUEST
        QCOMPARE(int(out[242]), 0x24); // invalid field in CDB
    }

    void volumeExtents_data()
    {
        QTest::addColumn<QString>("volume");
        QTest::addColumn<uint32_t>("error");
        QTest::addColumn<int>("disk");
        QTest::addRow("C") << "C:" << winerr::Success << 0;
        QTest::addRow("D") << "D:" << winerr::Success << 1;
        QTest::addRow("E") << "E:" << winerr::Success << 2;
        QTest::addRow("F on the USB stick") << "F:" << winerr::Success << 3;
        QTest::addRow("R, the DVD") << "R:" << winerr::NotSupported << -1;
    }

    void volumeExtents()
    {
        QFETCH(QString, volume);
        QFETCH(uint32_t, error);
        QFETCH(int, disk);
        std::vector<uint8_t> out(416, 0xCC);
        uint32_t returned = 0;
        QCOMPARE(
            ioctlOn(volume.toStdString(), ioctl::VolumeGetVolumeDiskExtents, {}, out, returned),
            error);
        if (error != winerr::Success)
            return;
        QCOMPARE(returned, 32u);
        QCOMPARE(le<uint32_t>(out, 0), 1u);
        QCOMPARE(int(le<uint32_t>(out, 8)), disk);
        const kvemu::Model model = emulator->model();
        const kvemu::Volume *v = nullptr;
        for (const kvemu::Volume &candidate : model.host.volumes)
            if (candidate.letter == volume.toStdString()[0])
                v = &candidate;
        QCOMPARE(le<uint64_t>(out, 16), v->startBytes);
        QCOMPARE(le<uint64_t>(out, 24), v->lengthBytes);
        std::vector<uint8_t> small(31);
        QCOMPARE(
            ioctlOn(volume.toStdString(), ioctl::VolumeGetVolumeDiskExtents, {}, small, returned),
            winerr::InsufficientBuffer);
    }

    void deviceNumbers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<uint>("type");
        QTest::addColumn<uint>("number");
        QTest::addColumn<uint>("partition");
        QTest::addRow("drive 2") << "physicaldrive2" << 7u << 2u << 0u;
        QTest::addRow("C:") << "C:" << 7u << 0u << 3u;
        QTest::addRow("F:") << "F:" << 7u << 3u << 1u;
        QTest::addRow("R:") << "R:" << 2u << 0u << 0xFFFFFFFFu;
    }

    void deviceNumbers()
    {
        QFETCH(QString, name);
        QFETCH(uint, type);
        QFETCH(uint, number);
        QFETCH(uint, partition);
        std::vector<uint8_t> out(12);
        uint32_t returned = 0;
        QCOMPARE(ioctlOn(name.toStdString(), ioctl::StorageGetDeviceNumber, {}, out, returned),
                 winerr::Success);
        QCOMPARE(returned, 12u);
        QCOMPARE(le<uint32_t>(out, 0), type);
        QCOMPARE(le<uint32_t>(out, 4), number);
        QCOMPARE(le<uint32_t>(out, 8), partition);
    }

    void unknownIoctlAndWrongDevice()
    {
        std::vector<uint8_t> out(2048);
        uint32_t returned = 0;
        QCOMPARE(ioctlOn("physicaldrive0", ioctl::ScsiGetInquiryData, {}, out, returned),
                 winerr::NotSupported);
        QCOMPARE(ioctlOn("Scsi2:", ioctl::ScsiGetAddress, {}, out, returned), winerr::NotSupported);
        auto config = platform->open(ConfigEndpoint, 4, 3, 0);
        QCOMPARE(
            config->deviceIoControl(ioctl::ScsiGetAddress, nullptr, 0, out.data(), 8, &returned),
            winerr::NotSupported);
    }

    void driveTypes_data()
    {
        QTest::addColumn<QString>("root");
        QTest::addColumn<int>("type");
        QTest::addRow("C") << "C:\\" << kv::drivetype::Fixed;
        QTest::addRow("lower-case d") << "d:\\" << kv::drivetype::Fixed;
        QTest::addRow("E") << "E:\\" << kv::drivetype::Fixed;
        QTest::addRow("USB stick") << "F:\\" << kv::drivetype::Removable;
        QTest::addRow("DVD") << "R:\\" << kv::drivetype::CdRom;
        QTest::addRow("no such letter") << "Q:\\" << kv::drivetype::NoRootDir;
        QTest::addRow("without backslash") << "C:" << kv::drivetype::NoRootDir;
        QTest::addRow("not a root") << "C:\\Windows" << kv::drivetype::NoRootDir;
    }

    void driveTypes()
    {
        QFETCH(QString, root);
        QFETCH(int, type);
        QCOMPARE(platform->driveType(root.toStdString()), type);
    }

    void hiddenArrayLeavesTheHost()
    {
        // An array marked "no OS disk" is not a drive; the others move up.
        QCOMPARE(emulator->change(
                     [](kvemu::Model &m) { m.arrays[1].attributes |= kvemu::rec::AttrNoOsDisk; }),
                 std::string());
        std::vector<uint8_t> out(256);
        uint32_t returned = 0;
        QCOMPARE(ioctlOn("physicaldrive1", ioctl::ScsiPassThrough, passThroughBuffer(0xD7), out,
                         returned),
                 winerr::Success);
        QCOMPARE(std::string(reinterpret_cast<const char *>(out.data() + 56)),
                 std::string("OXV-RAID Array 3"));
        QVERIFY(!open("physicaldrive5"));
        std::vector<uint8_t> extents(416);
        QCOMPARE(ioctlOn("D:", ioctl::VolumeGetVolumeDiskExtents, {}, extents, returned),
                 winerr::NotReady);
        std::vector<uint8_t> inquiry(2048);
        QCOMPARE(ioctlOn("Scsi2:", ioctl::ScsiGetInquiryData, {}, inquiry, returned),
                 winerr::Success);
        std::vector<InquiryUnit> units;
        QVERIFY(walkInquiry(inquiry, returned, units));
        QCOMPARE(units.size(), size_t(5));
    }

    // The driver services, their files and the loaded-driver list; a
    // control command changes what is loaded without a new configuration.
    void driverFiles()
    {
        std::string image;
        QVERIFY(platform->registryString("SYSTEM\\CurrentControlSet\\Services\\KVRAID", "imagepath",
                                         &image));
        QCOMPARE(image, std::string("\\SystemRoot\\System32\\drivers\\kvraid.sys"));
        QVERIFY(!platform->registryString("SYSTEM\\CurrentControlSet\\Services\\kvraid", "Start",
                                          &image));
        const auto files = platform->findFiles("c:\\windows\\system32\\DRIVERS\\kv*.sys");
        QCOMPARE(files.size(), size_t(3));
        QCOMPARE(files[2].name, std::string("kvbottom.sys"));
        QCOMPARE(files[2].translations, std::vector<uint32_t>{0x040904B0});
        const auto version = std::find(
            files[2].versionStrings.begin(), files[2].versionStrings.end(),
            std::pair<std::string, std::string>("040904b0\\ProductVersion", "3.2.1.1038"));
        QVERIFY(version != files[2].versionStrings.end());
        QVERIFY(platform->findFiles("C:\\Windows\\System32\\kvraid.sys").empty());

        auto loaded = [this](const std::string &name) {
            const auto names = platform->loadedDrivers();
            return std::find(names.begin(), names.end(), name) != names.end();
        };
        const uint64_t generation = emulator->generation();
        QVERIFY(loaded("kvcfg.sys") && loaded("ntoskrnl.exe"));
        QVERIFY(emulator->control("driver unload kvcfg.sys").ok);
        QVERIFY(!loaded("kvcfg.sys") && loaded("kvraid.sys"));
        QVERIFY(!emulator->control("driver unload kvcfg.sys").ok);
        QVERIFY(!emulator->control("driver unload nothere.sys").ok);
        QVERIFY(emulator->control("driver load KVCFG.SYS").ok);
        QVERIFY(loaded("kvcfg.sys"));
        QCOMPARE(emulator->generation(), generation);
    }

    // A volume in use cannot be locked; a locked one only by its opener.
    void volumeLock()
    {
        std::vector<uint8_t> none;
        uint32_t returned = 0;
        QVERIFY(emulator->control("volume e: busy").ok);
        QCOMPARE(ioctlOn("E:", ioctl::FsctlLockVolume, {}, none, returned), winerr::AccessDenied);
        QCOMPARE(ioctlOn("E:", ioctl::FsctlDismountVolume, {}, none, returned), winerr::Success);
        QVERIFY(emulator->control("volume E free").ok);
        QVERIFY(!emulator->control("volume E free").ok);
        QVERIFY(!emulator->control("volume Z busy").ok);
        auto holder = open("E:");
        QCOMPARE(holder->deviceIoControl(ioctl::FsctlLockVolume, nullptr, 0, nullptr, 0, &returned),
                 winerr::Success);
        QCOMPARE(ioctlOn("E:", ioctl::FsctlLockVolume, {}, none, returned), winerr::AccessDenied);
        holder.reset();
        QCOMPARE(ioctlOn("E:", ioctl::FsctlLockVolume, {}, none, returned), winerr::Success);
    }

    // Every present disk device opens by its interface path as its drive;
    // a hidden array's is gone, and so is its eject.
    void diskDevicesAndEject()
    {
        std::vector<kv::DiskInterface> devices;
        QCOMPARE(platform->diskInterfaces(&devices), winerr::Success);
        QCOMPARE(devices.size(), size_t(6)); // five arrays and the USB stick
        for (const kv::DiskInterface &device : devices) {
            auto file = platform->open(device.path, 3, 3, 0);
            QVERIFY2(file, device.path.c_str());
            std::vector<uint8_t> number(12);
            uint32_t returned = 0;
            QCOMPARE(file->deviceIoControl(ioctl::StorageGetDeviceNumber, nullptr, 0, number.data(),
                                           12, &returned),
                     winerr::Success);
            QCOMPARE(le<uint32_t>(number, 4), uint32_t(&device - devices.data()));
        }
        QCOMPARE(devices[2].deviceInstance, 0x203u);
        QVERIFY(devices[2].path.starts_with("\\\\?\\scsi#disk&ven_oxv-raid&prod_array_3#"));

        uint32_t vetoType = 0;
        std::string vetoName;
        QVERIFY(emulator->control("fault veto 1").ok);
        QCOMPARE(platform->requestDeviceEject(0x203, &vetoType, &vetoName),
                 kv::cmresult::RemoveVetoed);
        QCOMPARE(vetoType, kv::vetotype::OutstandingOpen);
        QCOMPARE(vetoName,
                 std::string("SCSI\\Disk&Ven_OXV-RAID&Prod_Array_3\\4&2c1f0a02&0&010300"));
        QCOMPARE(platform->requestDeviceEject(0x203, &vetoType, &vetoName), kv::cmresult::Success);
        QCOMPARE(vetoType, kv::vetotype::None);

        QCOMPARE(emulator->change(
                     [](kvemu::Model &m) { m.arrays[2].attributes |= kvemu::rec::AttrNoOsDisk; }),
                 std::string());
        QVERIFY(!platform->open(devices[2].path, 3, 3, 0));
        QCOMPARE(platform->requestDeviceEject(0x203, &vetoType, &vetoName),
                 kv::cmresult::NoSuchDevinst);
    }
};

QTEST_GUILESS_MAIN(TestEmulatorHost)
#include "tst_emulator_host.moc"
