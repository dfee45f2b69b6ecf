// The statistics report, from hand-made blocks and from the emulator.
#include "demo_config.h"
#include "emulator.h"
#include "kv_inprocess_platform.h"
#include "kv_stats.h"
#include "recording_platform.h"

#include <QTest>

namespace st = kv::stats;
using test::put;

class TestStats : public QObject {
    Q_OBJECT

    KV_CoreId core1{1, ".", "Core1"};

    // Serves `block` as the answer of the statistics read.
    static void serve(const std::vector<uint8_t> &block, uint32_t error = 0)
    {
        auto host = std::make_shared<test::RecordingPlatform>();
        host->readAnswers.push_back({0, {}}); // the handle's image read
        host->readAnswers.push_back({error, block});
        kv::setPlatform(host);
    }

    static QStringList lines(const char *text)
    {
        return QString::fromLatin1(text).split(QLatin1Char('\n'));
    }

private slots:
    void levelZeroLines()
    {
        std::vector<uint8_t> b(KV_StatisticsBlockSize, 0);
        std::memcpy(b.data() + st::BuildText, "Build\r\n7", 8);
        std::memset(b.data() + st::HardwareText, 'H', st::TextBytes); // unterminated
        put<uint32_t>(b, st::RunMode, 1);
        put<uint32_t>(b, st::DebugMode, 1);
        put<uint32_t>(b, st::HostSectors, 1953 * 5);
        put<uint32_t>(b, st::BusSectorsRead, 2048);
        put<uint32_t>(b, st::BusSectorsWritten, 2048);
        put<uint32_t>(b, st::BusRequests, 4);
        put<uint32_t>(b, st::CoreSectorsRead, 2048);
        put<uint32_t>(b, st::CoreRequests, 2);
        put<uint32_t>(b, st::StreamReadLookups, 3);
        put<uint32_t>(b, st::StreamHits, 1);
        put<uint32_t>(b, st::CoreActive, 3000000000u);
        serve(b);
        std::vector<char> out(8192);
        QCOMPARE(KV_BufferPrintApiGetStats(&core1, out.data(), 8192, 0, 1), KV_STS(1));
        const QStringList got = lines(out.data());
        QCOMPARE(got.size(), 27); // 26 lines and the empty part after the last
        QCOMPARE(got[0], "BUILD:                        Build  7");
        QCOMPARE(got[1], "Hardware:                     " + QString(128, 'H'));
        QCOMPARE(got[2], "RunMode:                      External");
        QCOMPARE(got[3], "DebugMode:                    ON      ");
        QCOMPARE(got[4], "HostTotalMB:                  5       ");
        QCOMPARE(got[5], "DiskTotalMB:                  0       ");
        QCOMPARE(got[6], "TotalBusR/W:                  2.00 MB");
        QCOMPARE(got[7], "TotalCoreR/W:                 1.00 MB");
        QCOMPARE(got[8], "BusMB/CoreMB:                 2.00");
        QCOMPARE(got[9], "BusIoSize/CoreIoSize:         1.00");
        QCOMPARE(got[10], "BusRequests/CoreRequests:     2.00");
        QCOMPARE(got[11], "BusIocTotalRequests:          4");
        QCOMPARE(got[13], "CoreIocActive:                3000000000");
        QCOMPARE(got[20], "StreamHits:                   1  33.33 % ");
        QCOMPARE(got[25], "KV_SmartPollInterval:         0");
    }

    void derivedValues_data()
    {
        QTest::addColumn<uint>("busSectors");
        QTest::addColumn<uint>("coreSectors");
        QTest::addColumn<QString>("busLine");
        QTest::addColumn<QString>("ratioLine");
        QTest::addRow("1 sector") << 1u << 0u << "TotalBusR/W:                  0.00 MB"
                                  << "BusMB/CoreMB:                 0.00";
        QTest::addRow("2048 sectors") << 2048u << 0u << "TotalBusR/W:                  1.00 MB"
                                      << "BusMB/CoreMB:                 0.00";
        QTest::addRow("core 1024") << 2048u << 1024u << "TotalBusR/W:                  1.00 MB"
                                   << "BusMB/CoreMB:                 2.00";
    }

    void derivedValues()
    {
        QFETCH(uint, busSectors);
        QFETCH(uint, coreSectors);
        QFETCH(QString, busLine);
        QFETCH(QString, ratioLine);
        std::vector<uint8_t> b(KV_StatisticsBlockSize, 0);
        put<uint32_t>(b, st::BusSectorsRead, busSectors);
        put<uint32_t>(b, st::CoreSectorsWritten, coreSectors);
        serve(b);
        std::vector<char> out(8192);
        QCOMPARE(KV_BufferPrintApiGetStats(&core1, out.data(), 8192, 0, 0), KV_STS(1));
        const QStringList got = lines(out.data());
        QCOMPARE(got[6], busLine);
        QCOMPARE(got[8], ratioLine);
        QCOMPARE(got[9], "BusIoSize/CoreIoSize:         0.00"); // no requests
    }

    void lineCounts_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("count");
        QTest::addRow("0") << 0 << 26;
        QTest::addRow("1") << 1 << 34;
        QTest::addRow("2") << 2 << 41;
        QTest::addRow("3") << 3 << 52;
        QTest::addRow("4") << 4 << 121;
        QTest::addRow("9 counts as 4") << 9 << 121;
    }

    void lineCounts()
    {
        QFETCH(int, level);
        QFETCH(int, count);
        serve({}, kv::winerr::IoDevice); // a failed read still gives the report
        std::vector<char> out(8192);
        QVERIFY(KV_BufferPrintApiGetStats(&core1, out.data(), 8192, level, 1) != 1);
        const QStringList got = lines(out.data());
        QCOMPARE(got.size(), count + 1);
        QCOMPARE(got[2], "RunMode:                      PCI");
        QCOMPARE(got[3], "DebugMode:                    OFF     ");
    }

    void smallCapacity_data()
    {
        QTest::addColumn<uint>("capacity");
        QTest::addRow("1") << 1u;
        QTest::addRow("40") << 40u;
        QTest::addRow("1000") << 1000u;
    }

    void smallCapacity()
    {
        QFETCH(uint, capacity);
        std::vector<uint8_t> b(KV_StatisticsBlockSize, 0);
        std::memset(b.data() + st::BuildText, 'B', st::TextBytes);
        serve(b);
        std::vector<char> out(capacity + 1, '\x5A');
        QCOMPARE(KV_BufferPrintApiGetStats(&core1, out.data(), capacity, 4, 1), KV_STS(26));
        QCOMPARE(out[capacity], '\x5A');
        QCOMPARE(std::strlen(out.data()), size_t(capacity - 1));
    }

    void emulatorCounters()
    {
        auto clock = std::make_shared<kvemu::ManualClock>();
        kvemu::StoredState state{kvemu::demoModel(), kvemu::demoModel()};
        auto emulator = std::make_shared<kvemu::Emulator>(state, clock);
        kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator));
        std::vector<char> out(8192);
        const auto number = [&](int flag, int line) {
            KV_BufferPrintApiGetStats(&core1, out.data(), 8192, 1, flag);
            const QStringList got = lines(out.data());
            return got[line].mid(30).section(' ', 0, 0).toDouble();
        };
        clock->advance(std::chrono::seconds(3));
        const double sinceStart = number(0, 14);
        QVERIFY(sinceStart > 0);
        const double firstInterval = number(1, 14);
        QCOMPARE(number(1, 14), 0.0); // nothing since the previous interval read
        clock->advance(std::chrono::seconds(3));
        const double secondInterval = number(1, 14);
        QVERIFY(secondInterval > 0);
        QVERIFY(number(0, 14) > sinceStart);
        QVERIFY(firstInterval > 0);
        QVERIFY(number(0, 4) > 0); // host total
        for (int i = 0; i < 20; ++i) {
            clock->advance(std::chrono::milliseconds(700));
            QVERIFY(number(0, 12) <= number(0, 26)); // bus active, max
            QVERIFY(number(0, 13) <= number(0, 27)); // core active, max
        }
    }
};

QTEST_GUILESS_MAIN(TestStats)
#include "tst_stats.moc"
