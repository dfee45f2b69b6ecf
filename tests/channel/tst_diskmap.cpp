#include "kv_channel.h"
#include "recording_platform.h"

#include <QTest>

#include <map>

namespace {

void putRaw32(void *out, size_t offset, uint32_t value)
{
    std::memcpy(static_cast<uint8_t *>(out) + offset, &value, 4);
}

// A SCSI_ADAPTER_BUS_INFO with one bus whose chain holds one inquiry record
// (12-byte header, then 36 bytes of INQUIRY data) per vendor/product text.
std::vector<uint8_t> busInfo(const std::vector<std::string> &identities)
{
    std::vector<uint8_t> data(2048, 0);
    data[0] = 1;
    data[4] = uint8_t(identities.size());
    uint32_t record = 16;
    test::put<uint32_t>(data, 8, identities.empty() ? 0 : record);
    for (size_t i = 0; i < identities.size(); ++i) {
        const uint32_t next = i + 1 < identities.size() ? record + 52 : 0;
        data[record + 1] = uint8_t(i);
        test::put<uint32_t>(data, record + 4, 36);
        test::put<uint32_t>(data, record + 8, next);
        std::memcpy(data.data() + record + 12 + 8, identities[i].data(), identities[i].size());
        record += 52;
    }
    return data;
}

const std::string Drive = "\\\\.\\physicaldrive";

struct FakeHost {
    std::map<std::string, std::vector<uint8_t>> portInquiry; // "\\.\ScsiN:" -> bus info
    std::map<int, std::string> arrayPage;                    // disk -> VPD page text
    std::map<std::string, std::vector<uint32_t>> volumes;    // "\\.\C:" -> disks
    std::vector<std::vector<uint8_t>> passThroughRequests;
    int inquiryCalls = 0;
    uint32_t inquiryError = 0;

    void install(test::RecordingPlatform &host)
    {
        host.canOpen = [this](const std::string &name) {
            if (portInquiry.count(name) || volumes.count(name))
                return true;
            return name.rfind(Drive, 0) == 0 &&
                   arrayPage.count(std::stoi(name.substr(Drive.size())));
        };
        host.ioctlHandler = [this](const std::string &name, uint32_t code, const void *in,
                                   uint32_t inLength, void *out, uint32_t outLength,
                                   uint32_t *returned) -> uint32_t {
            auto *bytes = static_cast<uint8_t *>(out);
            switch (code) {
            case 0x0004100C: {
                ++inquiryCalls;
                if (inquiryError != 0)
                    return inquiryError;
                const auto &data = portInquiry.at(name);
                std::memcpy(out, data.data(), std::min<size_t>(outLength, data.size()));
                *returned = outLength;
                return 0;
            }
            case 0x00041018:
                std::memset(out, 0, outLength);
                bytes[0] = 8;
                bytes[6] = 1; // target
                *returned = 8;
                return 0;
            case 0x0004D004: {
                const auto *request = static_cast<const uint8_t *>(in);
                passThroughRequests.emplace_back(request, request + inLength);
                const std::string &text = arrayPage.at(std::stoi(name.substr(Drive.size())));
                std::memcpy(bytes + 56, text.data(), text.size());
                *returned = outLength;
                return 0;
            }
            case 0x00560000: {
                const auto &disks = volumes.at(name);
                std::memset(out, 0, outLength);
                putRaw32(out, 0, uint32_t(disks.size()));
                for (size_t i = 0; i < disks.size(); ++i)
                    putRaw32(out, 8 + 24 * i, disks[i]);
                *returned = uint32_t(8 + 24 * disks.size());
                return 0;
            }
            }
            return 50;
        };
    }
};

} // namespace

class TestDiskMap : public QObject {
    Q_OBJECT

    std::shared_ptr<test::RecordingPlatform> host;
    FakeHost fake;

private slots:
    void init()
    {
        host = std::make_shared<test::RecordingPlatform>();
        fake = FakeHost{};
        fake.install(*host);
        kv::setPlatform(host);
    }

    void configPortsInDescendingOrder()
    {
        fake.portInquiry["\\\\.\\Scsi2:"] =
            busInfo({"ATA     ST4000NM000A-2HZ", "OXV-RAIDConfiguration   "});
        fake.portInquiry["\\\\.\\Scsi3:"] = busInfo({"HL-DT-STDVDRAM GP65NB60"});
        fake.portInquiry["\\\\.\\Scsi5:"] = busInfo({"OXV-RAIDConfiguration"});
        // Only the first 21 characters count; this one differs at the 21st.
        fake.portInquiry["\\\\.\\Scsi7:"] = busInfo({"OXV-RAIDConfiguratioX"});
        std::vector<int> ports;
        QCOMPARE(KV_ListConfigPorts(&ports), KV_STS(1));
        QCOMPARE(ports, (std::vector<int>{5, 2}));
    }

    void configPortsGiveUpAfterFourAttempts()
    {
        fake.portInquiry["\\\\.\\Scsi4:"] = busInfo({"OXV-RAIDConfiguration"});
        fake.inquiryError = 1117;
        std::vector<int> ports;
        QCOMPARE(KV_ListConfigPorts(&ports), KV_STS(3));
        QCOMPARE(fake.inquiryCalls, 4);
    }

    void configPortsSurviveHostileChains_data()
    {
        QTest::addColumn<uint>("firstRecord");
        QTest::addColumn<uint>("nextAt16");
        QTest::addColumn<uint>("nextAt64");
        QTest::addRow("record points at itself") << 16u << 16u << 0u;
        QTest::addRow("two records point at each other") << 16u << 64u << 16u;
        QTest::addRow("record beyond the buffer") << 2044u << 0u << 0u;
        QTest::addRow("first offset at the limit") << 2048u << 0u << 0u;
    }

    void configPortsSurviveHostileChains()
    {
        QFETCH(uint, firstRecord);
        QFETCH(uint, nextAt16);
        QFETCH(uint, nextAt64);
        std::vector<uint8_t> data(2048, 0);
        data[0] = 1;
        test::put<uint32_t>(data, 8, firstRecord);
        test::put<uint32_t>(data, 16 + 8, nextAt16);
        test::put<uint32_t>(data, 64 + 8, nextAt64);
        fake.portInquiry["\\\\.\\Scsi1:"] = data;
        std::vector<int> ports;
        QCOMPARE(KV_ListConfigPorts(&ports), KV_STS(1));
        QVERIFY(ports.empty());
    }

    void arrayNumberOfDisk_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("number");
        QTest::addRow("array 3") << "OXV-RAID Array 3" << 3;
        QTest::addRow("array 12") << "OXV-RAID Array 12" << 12;
        QTest::addRow("no number") << "OXV-RAID Array " << -1;
        QTest::addRow("other page") << "ST4000NM000A    " << -1;
        QTest::addRow("case differs") << "OXV-RAID array 3" << -1;
    }

    void arrayNumberOfDisk()
    {
        QFETCH(QString, page);
        QFETCH(int, number);
        fake.arrayPage[2] = page.toStdString();
        QCOMPARE(KV_GetDiskArrayNumber(2), number);
        QCOMPARE(KV_GetDiskArrayNumber(3), -1); // does not open
        QCOMPARE(QString::fromStdString(host->opened.front()),
                 QStringLiteral("\\\\.\\physicaldrive2"));
    }

    void passThroughRequestLayout()
    {
        fake.arrayPage[0] = "OXV-RAID Array 1";
        QCOMPARE(KV_GetDiskArrayNumber(0), 1);
        QCOMPARE(fake.passThroughRequests.size(), size_t(1));
        const auto &r = fake.passThroughRequests[0];
        QCOMPARE(r.size(), size_t(256));
        QCOMPARE(r[0] | r[1] << 8, 56); // Length
        QCOMPARE(int(r[4]), 1);         // TargetId from the address
        QCOMPARE(int(r[6]), 6);         // CdbLength
        QCOMPARE(int(r[8]), 1);         // data in
        QCOMPARE(test::u32At(r, 12), 200u);
        QCOMPARE(test::u32At(r, 16), 5u);
        QCOMPARE(test::u64At(r, 24), uint64_t(56));
        QCOMPARE(int(r[36]), 0x12);
        QCOMPARE(int(r[37]), 1);
        QCOMPARE(int(r[38]), 0xD7);
        QCOMPARE(int(r[40]), 200);
    }

    void findArrayDisk_data()
    {
        QTest::addColumn<int>("disk");
        QTest::addColumn<uint>("status");
        QTest::addColumn<QString>("text");
        QTest::addRow("disk 0") << 0 << 1u << "0";
        QTest::addRow("disk 47") << 47 << 1u << "47";
        QTest::addRow("disk 48 is never examined") << 48 << 3u << "";
    }

    void findArrayDisk()
    {
        QFETCH(int, disk);
        QFETCH(uint, status);
        QFETCH(QString, text);
        fake.portInquiry["\\\\.\\Scsi2:"] = busInfo({"OXV-RAIDConfiguration"});
        fake.arrayPage[disk] = "OXV-RAID Array 9";
        fake.arrayPage[disk + 1] = "OXV-RAID Array 9"; // the first one wins
        std::string found;
        QCOMPARE(KV_FindArrayDisk(0, 9, &found), status);
        QCOMPARE(QString::fromStdString(found), text);
    }

    void findArrayDiskNeedsThePortQuery()
    {
        fake.portInquiry["\\\\.\\Scsi2:"] = busInfo({"OXV-RAIDConfiguration"});
        fake.inquiryError = 31;
        fake.arrayPage[1] = "OXV-RAID Array 9";
        std::string found;
        QCOMPARE(KV_FindArrayDisk(0, 9, &found), KV_STS(3));
    }

    void volumeArrays()
    {
        fake.portInquiry["\\\\.\\Scsi2:"] = busInfo({"OXV-RAIDConfiguration"});
        fake.volumes["\\\\.\\D:"] = {1, 4, 2};
        fake.arrayPage[1] = "OXV-RAID Array 2";
        fake.arrayPage[2] = "OXV-RAID Array 5";
        fake.arrayPage[4] = "Samsung SSD 870";
        std::vector<int32_t> arrays;
        QCOMPARE(KV_GetVolumeArrays("D:", &arrays), 2);
        QCOMPARE(arrays, (std::vector<int32_t>{2, 5}));
        QCOMPARE(KV_GetVolumeArrays("D:", nullptr), -1);
        arrays.clear();
        QCOMPARE(KV_GetVolumeArrays("Q:", &arrays), 0);
        QVERIFY(arrays.empty());
    }

    // Inside one scan each port, drive and volume is opened once and every
    // answer is the one the host gives without a scan, a failed port query
    // included; the next scan asks the host again.
    void oneScanAsksTheHostOnce_data()
    {
        QTest::addColumn<uint>("inquiryError");
        QTest::addRow("ports answer") << 0u;
        QTest::addRow("port query fails") << 1117u;
    }

    void oneScanAsksTheHostOnce()
    {
        QFETCH(uint, inquiryError);
        fake.portInquiry["\\\\.\\Scsi2:"] = busInfo({"OXV-RAIDConfiguration"});
        fake.inquiryError = inquiryError;
        fake.volumes["\\\\.\\D:"] = {1, 4, 2};
        fake.arrayPage[1] = "OXV-RAID Array 2";
        fake.arrayPage[2] = "OXV-RAID Array 5";
        fake.arrayPage[4] = "Samsung SSD 870";
        const auto lookups = [] {
            QStringList answers;
            for (const char *volume : {"D:", "Q:", "D:"}) {
                std::vector<int32_t> arrays;
                bool answered = false;
                const int count = KV_GetVolumeArrays(volume, &arrays, &answered);
                answers << QStringLiteral("%1 %2 %3").arg(count).arg(answered).arg(arrays.size());
            }
            for (int array : {5, 2, 7, 5}) {
                std::string disk;
                answers << QStringLiteral("%1 %2")
                               .arg(KV_FindArrayDisk(0, array, &disk))
                               .arg(QString::fromStdString(disk));
            }
            return answers;
        };
        const QStringList unscanned = lookups();
        const size_t unscannedOpens = host->opened.size();
        host->opened.clear();
        fake.inquiryCalls = 0;
        {
            const KV_HostScan scan;
            QCOMPARE(lookups(), unscanned);
            const KV_HostScan inner; // shares the outer scan
            QCOMPARE(lookups(), unscanned);
        }
        std::map<std::string, int> opens;
        for (const std::string &name : host->opened)
            QCOMPARE(++opens[name], 1);
        QVERIFY(host->opened.size() < unscannedOpens);
        QCOMPARE(fake.inquiryCalls, inquiryError != 0 ? 4 : 1);
        // Nothing outlives the scan: the next one sees the host as it is now.
        fake.arrayPage[2] = "OXV-RAID Array 7";
        const KV_HostScan next;
        std::string disk;
        QCOMPARE(KV_FindArrayDisk(0, 7, &disk), inquiryError != 0 ? KV_STS(3) : KV_STS(1));
        QCOMPARE(QString::fromStdString(disk), inquiryError != 0 ? QString() : QStringLiteral("2"));
    }

    void fixedDrives_data()
    {
        QTest::addColumn<uint>("length");
        QTest::addColumn<QString>("letters");
        QTest::addRow("room for all") << 27u << "CDE";
        QTest::addRow("room for one") << 2u << "C";
        QTest::addRow("room for none") << 1u << "";
    }

    void fixedDrives()
    {
        QFETCH(uint, length);
        QFETCH(QString, letters);
        host->driveTypeHandler = [](const std::string &root) {
            if (root == "C:\\" || root == "D:\\" || root == "E:\\")
                return 3;
            return root == "F:\\" ? 5 : 1;
        };
        char buffer[32];
        std::memset(buffer, 'x', sizeof buffer);
        QCOMPARE(KV_ListFixedDrives(length, buffer), KV_STS(1));
        QCOMPARE(QString::fromLatin1(buffer), letters);
        QCOMPARE(buffer[length], 'x'); // nothing written past the length
    }
};

QTEST_GUILESS_MAIN(TestDiskMap)
#include "tst_diskmap.moc"
