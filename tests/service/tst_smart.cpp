// The S.M.A.R.T. texts made of ATA and NVMe data, and the two readers
// against the emulator's disks.
#include "demo_config.h"
#include "emulator.h"
#include "kv_inprocess_platform.h"
#include "kv_raid_api.h"
#include "kv_smart.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

struct Entry {
    uint8_t id, current, threshold;
    uint64_t raw;
};

// An ATA table of version 16 with the entries in order.
Bytes ataTable(const std::vector<Entry> &entries, uint16_t version = 16)
{
    Bytes t(512, 0);
    t[0] = uint8_t(version);
    t[1] = uint8_t(version >> 8);
    size_t at = 2;
    for (const Entry &e : entries) {
        t[at] = e.id;
        t[at + 3] = e.current;
        for (size_t i = 0; i < 6; ++i)
            t[at + 5 + i] = uint8_t(e.raw >> (8 * i));
        t[at + 11] = e.threshold;
        at += 12;
    }
    return t;
}

void put(Bytes &page, size_t at, uint64_t value, size_t bytes)
{
    for (size_t i = 0; i < bytes; ++i)
        page[at + i] = uint8_t(value >> (8 * i));
}

// A health page at 310 kelvin.
Bytes nvmePage()
{
    Bytes p(512, 0);
    put(p, 1, 310, 2);
    p[3] = 100;
    p[4] = 10;
    put(p, 32, 0x123456789ull, 8);
    put(p, 112, 42, 8);
    put(p, 128, 0x100000007ull, 8);
    put(p, 160, 0x80000000ull, 8);
    return p;
}

} // namespace

class TestSmart : public QObject {
    Q_OBJECT

    std::shared_ptr<kvemu::Emulator> emulator;
    QTemporaryDir folder;

    QString read(const QString &name)
    {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
    }

private slots:
    void init()
    {
        emulator = std::make_shared<kvemu::Emulator>(
            kvemu::StoredState{kvemu::demoModel(), kvemu::demoModel()},
            std::make_shared<kvemu::ManualClock>());
        kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator));
        QFile::remove(folder.filePath("app.log"));
        QFile::remove(folder.filePath("smart.log"));
    }
    void cleanupTestCase() { kv::setPlatform(nullptr); }

    void temperatureRawText_data()
    {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<QString>("text");
        QTest::addRow("reading only") << QByteArray("\x1c\0\0\0\0\0", 6) << "28";
        QTest::addRow("lifetime bytes")
            << QByteArray("\x1c\0\x14\x2d\0\0", 6) << "28 (Lifetime Min/Max 20/45)";
        QTest::addRow("outside the lifetime")
            << QByteArray("\x32\0\x14\x2d\0\0", 6) << "50 (0 0 45 20)";
        QTest::addRow("two words")
            << QByteArray("\x1c\0\x14\0\x32\0", 6) << "28 (Lifetime Min/Max 20/50)";
        QTest::addRow("third word with bytes")
            << QByteArray("\x1c\0\x14\x2d\x01\0", 6) << "28 (0 1 45 20)";
    }
    void temperatureRawText()
    {
        QFETCH(QByteArray, raw);
        QFETCH(QString, text);
        QCOMPARE(KV_SmartTemperatureRawText(reinterpret_cast<const uint8_t *>(raw.constData())),
                 text);
    }

    void ataEntry_data()
    {
        QTest::addColumn<uint>("id");
        QTest::addColumn<uint>("current");
        QTest::addColumn<uint>("threshold");
        QTest::addColumn<qulonglong>("raw");
        QTest::addColumn<QString>("block");
        const auto entry = [](const char *head, int threshold, const char *value, const char *raw) {
            return QString::asprintf(" - Attribute ID:      %s, \n     Threshold Value: %03d, \n"
                                     "     Current Value: %s,\n     Raw Value: %s\n\n",
                                     head, threshold, value, raw);
        };
        QTest::addRow("threshold 0")
            << 5u << 1u << 0u << 0ull
            << entry("0x05 (Reallocation Count    )", 0, "001 (Always Passing)", "0 ");
        QTest::addRow("above") << 5u << 100u << 10u << 1880ull
                               << entry("0x05 (Reallocation Count    )", 10,
                                        "100 (Value is Normal)", "1880 ");
        QTest::addRow("at the threshold") << 5u << 10u << 10u << 0ull
                                          << entry("0x05 (Reallocation Count    )", 10,
                                                   "010 (WARNING - THRESHOLD CROSSED!)", "0 ");
        QTest::addRow("temperature below")
            << 194u << 40u << 50u << 0x2D14001Cull
            << entry("0xc2 (Temperature Celsius   )", 50, "040 (Value is Normal)",
                     "28 (Lifetime Min/Max 20/45)");
        QTest::addRow("temperature above") << 194u << 40u << 30u << 0x1Cull
                                           << entry("0xc2 (Temperature Celsius   )", 30,
                                                    "040 (WARNING - THRESHOLD CROSSED!)", "28");
        QTest::addRow("temperature byte")
            << 194u << 200u << 60u << 0x38ull
            << entry("0xc2 (Temperature Celsius   )", 60, "056 (Value is Normal)", "56");
        QTest::addRow("48-bit raw") << 9u << 96u << 0u << 0xFFFFFFFFFFFFull
                                    << entry("0x09 (Poweron Time (Hours)  )", 0,
                                             "096 (Always Passing)", "281474976710655 ");
        QTest::addRow("unnamed") << 240u << 100u << 0u << 1ull << QString();
    }
    void ataEntry()
    {
        QFETCH(uint, id);
        QFETCH(uint, current);
        QFETCH(uint, threshold);
        QFETCH(qulonglong, raw);
        QFETCH(QString, block);
        const Bytes t = ataTable({{uint8_t(id), uint8_t(current), uint8_t(threshold), raw}});
        QCOMPARE(KV_SmartAtaReport(t), "\n===============================\nSMART ATTRIBUTES:  "
                                       "Version 16\n\n===============================\n" +
                                           block);
    }

    // Later entries overwrite earlier ones; 190 counts on a SATA SSD only;
    // a table of version 0, or with 0xFF as its low byte, is none.
    void values_data()
    {
        QTest::addColumn<uint>("version");
        QTest::addColumn<bool>("solidState");
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("temperature");
        QTest::addRow("hard disk") << 16u << false << "1234 "
                                   << "40";
        QTest::addRow("solid state") << 0x0100u << true << "1234 "
                                     << "33";
        QTest::addRow("version 0") << 0u << false << ""
                                   << "";
        QTest::addRow("version 0x1FF") << 0x01FFu << false << ""
                                       << "";
    }
    void values()
    {
        QFETCH(uint, version);
        QFETCH(bool, solidState);
        QFETCH(QString, hours);
        QFETCH(QString, temperature);
        const Bytes t = ataTable({{9, 100, 0, 1},
                                  {194, 40, 0, 40},
                                  {9, 100, 0, 1234},
                                  {12, 100, 0, 77},
                                  {190, 67, 45, 33}},
                                 uint16_t(version));
        KV_SmartInfo info;
        KV_SmartFillValues(info, t, false, solidState);
        QCOMPARE(info.powerOnHours, hours);
        QCOMPARE(info.temperature, temperature);
        QCOMPARE(KV_SmartAtaReport(t).isEmpty(), hours.isEmpty());
    }

    void nvme()
    {
        Bytes p = nvmePage();
        p[14] = 9; // would be power-on hours if the page were read as an ATA table
        KV_SmartInfo info;
        KV_SmartFillValues(info, p, true, false);
        QCOMPARE(info.temperature, QStringLiteral("37"));
        QCOMPARE(info.powerOnHours, QStringLiteral("4294967303"));
        QCOMPARE(info.powerCycles, QStringLiteral("42"));

        const QString report = KV_SmartNvmeReport(p);
        QVERIFY(report.startsWith("\n===============================\nNVMe SMART ATTRIBUTES\n"
                                  "===============================\n - Attribute ID:      0x00 "
                                  "(Critical Warning), \n     Current Value: 000\n\n"));
        QVERIFY(report.contains(" - Attribute ID:      0x01 (Temperature in Celsius), \n"
                                "     Current Value: 037\n\n"));
        QVERIFY(
            report.contains("(Data units read (512 Byte)), \n     Current Value: 4886718345\n"));
        QVERIFY(report.contains("(Power on hours), \n     Current Value: 007\n")); // low 32 bits
        QVERIFY(report.contains("(Media errors), \n     Current Value: 2147483648\n"));
        QCOMPARE(report.count(" - Attribute ID:"), 15);
    }

    // Through the service: SATA disk 3 and NVMe disk 9 of the demo.
    void readers_data()
    {
        QTest::addColumn<int>("disk");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("serial");
        QTest::addRow("SATA") << 3 << "Disk 3 ( 0, 2): ST4000NM000A-2HZ100"
                              << "WJG1A7K2";
        QTest::addRow("NVMe") << 9 << "Disk 9 ( 1, 0): WD Blue SN570 1TB"
                              << "22110P801234";
    }
    void readers()
    {
        QFETCH(int, disk);
        QFETCH(QString, header);
        QFETCH(QString, serial);
        KV_RaidApi api;
        const KV_SmartInfo values = api.GetSmartInfo(disk);
        QCOMPARE(values.status, QStringLiteral("Failed"));
        uint64_t hours = 0;
        for (const auto &d : emulator->model().disks)
            if (d.deviceRoute == disk)
                hours = d.powerOnHours;
        QCOMPARE(values.powerOnHours.trimmed(), QString::number(hours));
        const int celsius = values.temperature.section(QLatin1Char(' '), 0, 0).toInt();
        QVERIFY(celsius >= 32 && celsius <= 42);

        QVERIFY(emulator->control("smart " + serial.toStdString() + " error").ok);
        const QString app = folder.filePath("app.log"), smart = folder.filePath("smart.log");
        QCOMPARE(api.RetrieveAllSmartInfo(disk, app, smart).status, QStringLiteral("Failed"));
        const QStringList lines = read("app.log").split('\n');
        QCOMPARE(lines.value(0),
                 QStringLiteral("-------------------------------------------------"));
        QCOMPARE(lines.value(1), header);
        const QRegularExpression time(R"(^\d{1,2}/\d\d/\d{4} \d{1,2}:\d\d:\d\d \S+  $)");
        QVERIFY(time.match(lines.value(2)).hasMatch());
        const QString report = read("app.log").section('\n', 3);
        QVERIFY(report.startsWith("\n=====") && report.endsWith("\n\n\n"));
        const QString smartLog = read("smart.log");
        QVERIFY(smartLog.endsWith(report));
        QVERIFY(time.match(smartLog.chopped(report.size())).hasMatch());
        if (disk == 3) {
            QVERIFY(report.contains("(Reallocation Count    ), \n     Threshold Value: 010, \n"
                                    "     Current Value: 005 (WARNING - THRESHOLD CROSSED!)"));
            QVERIFY(report.contains("(Temperature Celsius   ), \n     Threshold Value: 060, \n"
                                    "     Current Value: 065 (WARNING"));
            QCOMPARE(report.count("WARNING"), 3); // 5, 190 and 194
            QVERIFY(report.contains("     Raw Value: 6125 (Average 6088)\n"));
        } else {
            QVERIFY(report.contains("(Critical Warning), \n     Current Value: 001\n"));
        }
    }

    void noData()
    {
        KV_RaidApi api;
        // The driver now knows disk 3 as NVMe; the snapshot does not yet.
        emulator->change([](kvemu::Model &m) { m.disks[2].portType |= 0x80000000u; });
        const QString app = folder.filePath("app.log"), smart = folder.filePath("smart.log");
        QCOMPARE(api.RetrieveAllSmartInfo(3, app, smart).status,
                 QStringLiteral("Device reports no SMART Attribute values, or not supported.\n"));
        QCOMPARE(api.GetSmartInfo(3).powerOnHours, QString());
        QVERIFY(!QFile::exists(app) && !QFile::exists(smart));
        QCOMPARE(api.GetSmartInfo(99).status, QStringLiteral("Failed"));
    }
};

QTEST_GUILESS_MAIN(TestSmart)
#include "tst_smart.moc"
