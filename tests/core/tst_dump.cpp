// The configuration dump, byte for byte, over hand-built images.
#include "demo_config.h"
#include "emulator.h"
#include "kv_core.h"
#include "kv_dump.h"
#include "kv_inprocess_platform.h"
#include "kv_words.h"
#include "recording_platform.h"

#include <QTest>

using test::put;

namespace {

// A configuration image built at the driver's byte offsets.
struct Image {
    std::vector<uint8_t> bytes = std::vector<uint8_t>(65536, 0);
    size_t next = 512;

    Image() { put<uint64_t>(bytes, 52, 5); }

    // Starts a record and returns its offset in the image.
    size_t device(uint32_t tag, size_t size, uint64_t id, uint16_t deviceRoute)
    {
        const size_t at = next;
        put<uint32_t>(bytes, at, tag);
        put<uint64_t>(bytes, at + 4, id);
        put<uint16_t>(bytes, at + 12, deviceRoute);
        next += size;
        return at;
    }
    void text(size_t at, const char *t) { std::memcpy(bytes.data() + at, t, std::strlen(t)); }

    void corePseudoDevice()
    {
        const size_t r = device(0x25BC, 256, 0x100, 0);
        put<uint32_t>(bytes, r + 36, 0x1201);
        put<uint32_t>(bytes, r + 44, 0x3000);
        text(r + 136, "KV-5.2");
    }
    size_t disk(const char *model)
    {
        const size_t r = device(0x25BC, 256, 0x101, 1);
        put<uint64_t>(bytes, r + 28, 0x3A386030);
        put<uint32_t>(bytes, r + 36, 0x1200);
        put<uint32_t>(bytes, r + 44, 0x3000);
        put<uint32_t>(bytes, r + 48, 0x100);
        put<uint32_t>(bytes, r + 88, 0x80000100);
        text(r + 128, "FW1");
        text(r + 136, model);
        text(r + 176, "SN 42");
        text(r + 196, "02");
        text(r + 216, "ACME");
        return r;
    }
    // An array of first × second member extents, one spare and one parent.
    size_t array(uint32_t typeCode, uint32_t first, uint32_t second, uint32_t progress = 0)
    {
        const uint32_t size = 512 + 64 * first * second + 32;
        const size_t r = device(0x25BD, size, 0x201, 12);
        put<uint32_t>(bytes, r + 20, 0x200);
        put<uint32_t>(bytes, r + 24, typeCode);
        put<uint32_t>(bytes, r + 28, 0x5355);
        put<uint32_t>(bytes, r + 32, 0xA1A1);
        put<uint64_t>(bytes, r + 36, 0x1000);
        put<uint32_t>(bytes, r + 52, 7);
        put<uint32_t>(bytes, r + 72, first);
        put<uint32_t>(bytes, r + 76, second);
        put<uint32_t>(bytes, r + 80, 1);
        put<uint32_t>(bytes, r + 84, 1);
        put<uint32_t>(bytes, r + 96, 0xC0000000);
        put<uint32_t>(bytes, r + 100, progress);
        put<uint16_t>(bytes, r + 104, 0x200);
        put<uint32_t>(bytes, r + 144, size);
        text(r + 160, "Data & Logs");
        for (uint32_t i = 0; i < first * second; ++i) {
            put<uint64_t>(bytes, r + 512 + 64 * i, 0x101 + i);
            put<uint16_t>(bytes, r + 512 + 64 * i + 8, uint16_t(1 + i));
        }
        const size_t references = r + 512 + 64 * first * second;
        put<uint64_t>(bytes, references, 0x301); // parent
        put<uint16_t>(bytes, references + 8, 30);
        put<uint64_t>(bytes, references + 16, 0x103); // spare
        put<uint16_t>(bytes, references + 24, 3);
        return r;
    }
    void elementError(size_t array, uint32_t flags)
    {
        put<uint32_t>(bytes, array + 512 + 48, flags);
    }
    void controller(const char *bios)
    {
        const size_t r = device(0x25BE, 136, 0x11, 0);
        text(r + 20, "KVC-SATA");
        text(r + 36, bios);
        put<uint64_t>(bytes, r + 96, 0xABCDEF);
        put<uint32_t>(bytes, r + 104, 4);
        put<uint16_t>(bytes, r + 108, 0x1022);
        put<uint32_t>(bytes, r + 112, 1);
        put<uint64_t>(bytes, r + 120, 0x22);
    }
    void enclosure()
    {
        const size_t r = device(0x25BF, 64, 0x401, 40);
        text(r + 20, "ACME");
        text(r + 28, "Encl 8");
        text(r + 48, "E1");
    }
};

Image fullImage()
{
    Image image;
    image.controller("2.1.0");
    image.corePseudoDevice();
    image.disk("ACME ^Disk");
    image.elementError(image.array(0x1BF6, 1, 2, 12345), 0x4020);
    image.enclosure();
    return image;
}

} // namespace

Q_DECLARE_METATYPE(Image)

class TestDump : public QObject {
    Q_OBJECT

    std::shared_ptr<test::RecordingPlatform> host;

    QByteArray dump(const Image &image, uint32_t capacity, int compact, int tagged)
    {
        host->readAnswers.push_back({0, image.bytes});
        KV_Core core(".", "Core1");
        std::vector<char> out(capacity + 1, '\0');
        const uint32_t length = KV_DumpCore(core, out.data(), capacity, 0, compact, tagged);
        if (length != core.dumpLength || length != std::strlen(out.data()))
            return "length mismatch";
        return QByteArray(out.data(), int(length));
    }

private slots:
    void init()
    {
        host = std::make_shared<test::RecordingPlatform>();
        kv::setPlatform(host);
    }

    void compactText()
    {
        const QByteArray expected =
            "BufferSize: 1450    \n"
            "CO: 1 GE: 5 NM: //./Core1/Route0/Device0 BN: KV-5.2 \n"
            "CD: 01 CN: KVC-SATA   CSN: 0x0000000000abcdef BB: 2.1.0 MX: 0x0000000000000000 "
            "NP: 04 VI: 0x1022 DI: 0x0000 SVI: 0x0000 SDI: 0x0000 ID: 0x0000000000000022 "
            "OVI: 0x0000 ODI: 0x0000 LOC: 0x00000000 \n"
            "PD: 00 TY: Core ST: Online ID: 0x0000000000000100 NM: //./Core1/Route0/Device0  \n"
            "PD: 01 TY: Disk ST: Online ID: 0x0000000000000101 NM: //./Core1/Route0/Device1  "
            "CD: 00 CH: 02 RT: 00 HD: 01 FE: 0x00000000 GS: Y SI: 0x000000003a386030 "
            "LS: 0x0000000000000000 TS: 0x0000000000000000 MO: ^ACME _Disk^ SN: ^SN 42^ FW: FW1 "
            "PT: 0x80000100 VI: ^ACME^ \n"
            "LD: 0 ST: READY ID: 0x0000000000000201 NM: //./Core1/Route0/Device12 OSN: NONE "
            "RT: 0 HD: 12 SI: 0x0000000000001000 1ST: 1 2ND: 2 CA: RW CTS: 0 TY: RAID1 "
            "GE: 0x00000007 TPST: 0x0000000000000000 TPSI: 0 TPC: 12.3450 TP: 0 TTY: CREATE "
            "TST: STARTED DS: 0 PRE: 00 AT: 0x0200 RC: 0 CF: 0x0000000000000000 "
            "CT: 0x0000000000000000 DP: ^Data & Logs^  \n"
            " LE: 0 RT: 0 HD: 1 ID: 0x0000000000000101 SO: 0x0000000000000000 "
            "SS: 0x0000000000000000 DO: 0x0000000000000000 DS: 0x0000000000000000 "
            "ER: Fail(NP)_Offline \n"
            " LE: 1 RT: 0 HD: 2 ID: 0x0000000000000102 SO: 0x0000000000000000 "
            "SS: 0x0000000000000000 DO: 0x0000000000000000 DS: 0x0000000000000000 ER: NoError \n"
            "SP: 0 RT: 0 HD: 3 ID: 0x0000000000000103 \n"
            " PA: 0 RT: 0 HD: 30 ID: 0x0000000000000301 \n"
            "SEP: 0 ID: 0x0000000000000401 NM: //./Core1/Route0/Device40 VID: ^ACME^ "
            "PID: ^Encl 8^ REV: NONE SN: ^E1^ \n";
        QCOMPARE(dump(fullImage(), 0x10000, 1, 0), expected);
    }

    // The tagged form of the same image: two columns per nesting level,
    // no framing, the ampersand as an entity.
    void taggedText()
    {
        const QByteArray expected =
            "<Core>\n"
            "  <Number>1</Number>\n"
            "  <Generation>5</Generation>\n"
            "  <Name>//./Core1/Route0/Device0</Name>\n"
            "  <Build>KV-5.2</Build>\n"
            "  <Controller>\n"
            "    <Number>1</Number>\n"
            "    <Name>KVC-SATA</Name>\n"
            "    <SerialNumber>0x0000000000abcdef</SerialNumber>\n"
            "    <BiosBuild>2.1.0</BiosBuild>\n"
            "    <MaxArraySize>0x0000000000000000</MaxArraySize>\n"
            "    <NumberOfPorts>4</NumberOfPorts>\n"
            "    <PciVendorID>0x1022</PciVendorID>\n"
            "    <PciDeviceID>0x0000</PciDeviceID>\n"
            "    <PciSubVendorID>0x0000</PciSubVendorID>\n"
            "    <PciSubDeviceID>0x0000</PciSubDeviceID>\n"
            "    <ID>0x0000000000000022</ID>\n"
            "    <OrigPciVendorID>0x0000</OrigPciVendorID>\n"
            "    <OrigPciDeviceID>0x0000</OrigPciDeviceID>\n"
            "    <PCILocation>0x00000000</PCILocation>\n"
            "  </Controller>\n"
            "  <PhysicalDevice>\n"
            "    <Number>0</Number>\n"
            "    <Type>Core</Type>\n"
            "    <State>Online</State>\n"
            "    <ID>0x0000000000000100</ID>\n"
            "    <Name>//./Core1/Route0/Device0 </Name>\n"
            "  </PhysicalDevice>\n"
            "  <PhysicalDevice>\n"
            "    <Number>1</Number>\n"
            "    <Type>Disk</Type>\n"
            "    <State>Online</State>\n"
            "    <ID>0x0000000000000101</ID>\n"
            "    <Name>//./Core1/Route0/Device1 </Name>\n"
            "    <Controller>0</Controller>\n"
            "    <Channel>2</Channel>\n"
            "    <CoreRoute>0</CoreRoute>\n"
            "    <DeviceRoute>1</DeviceRoute>\n"
            "    <Features>0x00000000</Features>\n"
            "    <GlobalSpare>Y</GlobalSpare>\n"
            "    <Capacity>0x000000003a386030</Capacity>\n"
            "    <LargestFreeSpace>0x0000000000000000</LargestFreeSpace>\n"
            "    <TotalFreeSpace>0x0000000000000000</TotalFreeSpace>\n"
            "    <Model>ACME ^Disk</Model>\n"
            "    <SerialNumber>SN 42</SerialNumber>\n"
            "    <FirmwareRevision>FW1</FirmwareRevision>\n"
            "    <PortType>0x80000100</PortType>\n"
            "    <VendorID>ACME</VendorID>\n"
            "  </PhysicalDevice>\n"
            "  <LogicalDevice>\n"
            "    <Number>0</Number>\n"
            "    <State>READY</State>\n"
            "    <ID>0x0000000000000201</ID>\n"
            "    <Name>//./Core1/Route0/Device12</Name>\n"
            "    <OSName>NONE</OSName>\n"
            "    <CoreRoute>0</CoreRoute>\n"
            "    <DeviceRoute>12</DeviceRoute>\n"
            "    <Capacity>0x0000000000001000</Capacity>\n"
            "    <FirstCount>1</FirstCount>\n"
            "    <SecondCount>2</SecondCount>\n"
            "    <Cache>RW</Cache>\n"
            "    <CacheTagSize>0</CacheTagSize>\n"
            "    <Type>RAID1</Type>\n"
            "    <Generation>0x00000007</Generation>\n"
            "    <TransformProtectStart>0x0000000000000000</TransformProtectStart>\n"
            "    <TransformProtectSize>0</TransformProtectSize>\n"
            "    <TransformPercentComplete>12.3450</TransformPercentComplete>\n"
            "    <TaskPriority>0</TaskPriority>\n"
            "    <TransformType>CREATE</TransformType>\n"
            "    <TransformState>STARTED</TransformState>\n"
            "    <DistributedSpareCount>0</DistributedSpareCount>\n"
            "    <PreferredLogicalElement>0</PreferredLogicalElement>\n"
            "    <Attributes>0x0200</Attributes>\n"
            "    <ReferenceCount>0</ReferenceCount>\n"
            "    <CopyFromID>0x0000000000000000</CopyFromID>\n"
            "    <CopyToID>0x0000000000000000</CopyToID>\n"
            "    <DeviceName>Data &amp; Logs</DeviceName>\n"
            "    <LogicalElement>\n"
            "      <Number>0</Number>\n"
            "      <CoreRoute>0</CoreRoute>\n"
            "      <DeviceRoute>1</DeviceRoute>\n"
            "      <ID>0x0000000000000101</ID>\n"
            "      <Offset>0x0000000000000000</Offset>\n"
            "      <Size>0x0000000000000000</Size>\n"
            "      <DataOffset>0x0000000000000000</DataOffset>\n"
            "      <DataSize>0x0000000000000000</DataSize>\n"
            "      <Error>Fail(NP)_Offline</Error>\n"
            "    </LogicalElement>\n"
            "    <LogicalElement>\n"
            "      <Number>1</Number>\n"
            "      <CoreRoute>0</CoreRoute>\n"
            "      <DeviceRoute>2</DeviceRoute>\n"
            "      <ID>0x0000000000000102</ID>\n"
            "      <Offset>0x0000000000000000</Offset>\n"
            "      <Size>0x0000000000000000</Size>\n"
            "      <DataOffset>0x0000000000000000</DataOffset>\n"
            "      <DataSize>0x0000000000000000</DataSize>\n"
            "      <Error>NoError</Error>\n"
            "    </LogicalElement>\n"
            "    <DedicatedSpare>\n"
            "      <Number>0</Number>\n"
            "      <CoreRoute>0</CoreRoute>\n"
            "      <DeviceRoute>3</DeviceRoute>\n"
            "      <ID>0x0000000000000103</ID>\n"
            "    </DedicatedSpare>\n"
            "    <Parent>\n"
            "      <Number>0</Number>\n"
            "      <CoreRoute>0</CoreRoute>\n"
            "      <DeviceRoute>30</DeviceRoute>\n"
            "      <ID>0x0000000000000301</ID>\n"
            "    </Parent>\n"
            "  </LogicalDevice>\n"
            "  <SCSIEnclosureProcessor>\n"
            "    <Number>0</Number>\n"
            "    <ID>0x0000000000000401</ID>\n"
            "    <Name>//./Core1/Route0/Device40</Name>\n"
            "    <Vendor>ACME</Vendor>\n"
            "    <Product>Encl 8</Product>\n"
            "    <Revision></Revision>\n"
            "    <SerialNumber>E1</SerialNumber>\n"
            "  </SCSIEnclosureProcessor>\n"
            "</Core>\n";
        QCOMPARE(dump(fullImage(), 0x10000, 0, 1), expected);
        QByteArray flat = expected;
        flat.replace("\n", "").replace("  ", "");
        QCOMPARE(dump(fullImage(), 0x10000, 1, 1), flat);
    }

    void edgeCases_data()
    {
        QTest::addColumn<Image>("image");
        QTest::addColumn<int>("tagged");
        QTest::addColumn<QByteArray>("expected");
        auto withArray = [](uint32_t type, uint32_t first, uint32_t second, uint32_t progress,
                            uint32_t error) {
            Image image;
            image.elementError(image.array(type, first, second, progress), error);
            return image;
        };
        QTest::addRow("0x1BF6 2x2")
            << withArray(0x1BF6, 2, 2, 0, 0) << 0 << QByteArray("TY: RAID10 ");
        QTest::addRow("0x1BF6 1x1")
            << withArray(0x1BF6, 1, 1, 0, 0) << 0 << QByteArray("TY: UNKNOWN ");
        QTest::addRow("progress") << withArray(0x1BF6, 1, 2, 50000, 0) << 0
                                  << QByteArray("TPC: 50.0000 ");
        QTest::addRow("0x30") << withArray(0x1BF6, 1, 2, 0, 0x30) << 0
                              << QByteArray("ER: Fail_Offline \n");
        QTest::addRow("ampersand") << withArray(0x1BF6, 1, 2, 0, 0) << 1
                                   << QByteArray("<DeviceName>Data &amp; Logs</DeviceName>");
        {
            Image image;
            image.controller("");
            QTest::addRow("no BIOS build")
                << image << 1
                << QByteArray("<SerialNumber>0x0000000000abcdef</SerialNumber></Controller>");
        }
        {
            Image image;
            image.corePseudoDevice();
            QTest::addRow("build text") << image << 1 << QByteArray("<Build>KV-5.2</Build>");
        }
    }

    void edgeCases()
    {
        QFETCH(Image, image);
        QFETCH(int, tagged);
        QFETCH(QByteArray, expected);
        const QByteArray text = dump(image, 0x10000, 1, tagged);
        QVERIFY2(text.contains(expected), text.constData());
    }

    // The words the dump writes, as literals: the parser and the window
    // compare against these very words.
    void words_data()
    {
        QTest::addColumn<QByteArray>("word");
        QTest::addColumn<QByteArray>("expected");
        const QList<std::pair<uint32_t, const char *>> arrayStates = {
            {0x200, "NORMAL"},  {0x201, "CRITICAL"}, {0x202, "OFFLINE"},
            {0x203, "OUTDATE"}, {0x204, "LOCKED"},   {0x205, "UNKNOWN"}};
        for (const auto &[state, word] : arrayStates)
            QTest::addRow("array state %x", state)
                << QByteArray(KV_LogicalStateWord(state, 0)) << QByteArray(word);
        QTest::addRow("array state while created")
            << QByteArray(KV_LogicalStateWord(0x200, 0x5355)) << QByteArray("READY");
        const QList<std::pair<uint32_t, const char *>> memberStates = {
            {0x30, "Fail_Offline"}, {0x4020, "Fail(NP)_Offline"}, {0x10, "Fail"},
            {0x20, "Offline"},      {0x4000, "Fail(NP)"},         {0x4010, "Fail"},
            {0, "NoError"}};
        for (const auto &[flags, word] : memberStates)
            QTest::addRow("member %x", flags)
                << QByteArray(KV_ElementErrorWord(flags)) << QByteArray(word);
        const QList<std::tuple<uint32_t, uint32_t, uint32_t, const char *>> types = {
            {0x1BF5, 1, 3, "RAID5"},    {0x1BF5, 2, 3, "RAID50"},   {0x1BF5, 1, 2, "UNKNOWN"},
            {0x1BF6, 1, 2, "RAID1"},    {0x1BF6, 1, 3, "RAID1N"},   {0x1BF6, 3, 1, "RAID0"},
            {0x1BF6, 2, 2, "RAID10"},   {0x1BF6, 2, 3, "RAID10N"},  {0x1BF7, 1, 1, "VOLUME"},
            {0x1BF9, 1, 1, "LEGACY"},   {0x1BFA, 1, 4, "RAID6"},    {0x1BFA, 2, 4, "RAID60"},
            {0x1BFB, 1, 1, "RAIDABLE"}, {0x1BFD, 2, 1, "RAIDTIER"}, {0x1BF8, 1, 2, "UNKNOWN"}};
        for (const auto &[code, first, second, word] : types)
            QTest::addRow("type %x %ux%u", code, first, second)
                << QByteArray(KV_ArrayTypeWord(code, first, second)) << QByteArray(word);
    }
    void words()
    {
        QFETCH(QByteArray, word);
        QFETCH(QByteArray, expected);
        QCOMPARE(word, expected);
    }

    void capacity_data()
    {
        QTest::addColumn<uint>("capacity");
        QTest::addColumn<int>("tagged");
        QTest::addRow("16 KiB") << 0x4000u << 0;
        QTest::addRow("text runs out") << 0x8000u << 0;
        QTest::addRow("tagged runs out") << 0x8000u << 1;
    }

    // Many devices into a small buffer: the dump stops cleanly and the
    // guard bytes behind the capacity stay untouched.
    void capacity()
    {
        QFETCH(uint, capacity);
        QFETCH(int, tagged);
        Image image;
        for (int i = 0; i < 100; ++i)
            image.disk("model");
        for (int i = 0; i < 50; ++i)
            image.array(0x1BF6, 1, 2);
        host->readAnswers.push_back({0, image.bytes});
        KV_Core core(".", "Core1");
        std::vector<char> out(capacity + 64, 'G');
        const uint32_t length = KV_DumpCore(core, out.data(), capacity, 0, 0, tagged);
        QCOMPARE(core.dumpLength, length);
        for (size_t i = capacity; i < out.size(); ++i)
            QCOMPARE(out[i], 'G');
        if (capacity < 0x8000) {
            QCOMPARE(length, 0u);
            return;
        }
        QVERIFY(length > 0 && length < capacity);
        QCOMPARE(std::strlen(out.data()), size_t(length));
        QVERIFY(!QByteArray(out.data()).contains("LD: 49 "));
        if (!tagged)
            QCOMPARE(out[length - 1], '\n');
    }

    void configString_data()
    {
        QTest::addColumn<uint>("capacity");
        QTest::addColumn<uint>("status");
        QTest::addRow("16 KiB") << 0x4000u << 1u;
        QTest::addRow("no room") << 0u << 26u;
    }

    void configString()
    {
        QFETCH(uint, capacity);
        QFETCH(uint, status);
        host->readAnswers.push_back({0, fullImage().bytes});
        char out[8] = "xxxxxxx";
        QCOMPARE(KV_ApiGetCoreConfigString(nullptr, out, capacity, 0, 1, 1, 0), KV_STS(status));
        QCOMPARE(out[0], capacity > 0 ? '\0' : 'x');
        QCOMPARE(out[1], 'x');
    }

    void demoConfiguration()
    {
        kvemu::StoredState state{kvemu::demoModel(), kvemu::demoModel()};
        auto emulator =
            std::make_shared<kvemu::Emulator>(state, std::make_shared<kvemu::ManualClock>());
        kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator));
        KV_CoreId core1{1, ".", "Core1"};
        std::vector<char> out(512 * 1024, '\0');
        QCOMPARE(KV_ApiGetCoreConfigString(&core1, out.data(), uint32_t(out.size()), 1, 0, 1, 0),
                 KV_STS(1));
        const QByteArray text(out.data());
        QVERIFY(text.startsWith("BufferSize: "));
        QCOMPARE(text.mid(12, 6).trimmed().toInt(), text.size());
        KV_Core handle(".", "Core1");
        QCOMPARE(uint(text.count("\nPD: ")), handle.physicalCount);
        QVERIFY(handle.physicalCount > 0);
    }
};

QTEST_GUILESS_MAIN(TestDump)
#include "tst_dump.moc"
