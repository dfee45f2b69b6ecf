// The service's lookups, checks and texts over hand-built snapshots, and its
// bundle against the emulator's demo configuration.
#include "api_worker.h"
#include "demo_config.h"
#include "emulator.h"
#include "kv_app_log.h"
#include "kv_inprocess_platform.h"
#include "kv_raid_api.h"
#include "recording_platform.h"
#include "snapshot_tables.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using test::set;
using test::Tables;

namespace {

// Two arrays of two disks each, a free disk, and the host facts of both.
RaidDataBundle listedBundle(const Tables &tables)
{
    RaidDataBundle bundle;
    bundle.computerName = QStringLiteral("host");
    bundle.snapshot = tables.snapshot;
    const KV_SnapshotTables &t = tables.snapshot->tables;
    for (int i = 0; i < t.arrayCount; ++i) {
        const int id = t.arrays[i].config[0].deviceRoute;
        bundle.arrays.append(&t.arrays[i].config[0]);
        bundle.arrayHoldsSystem[id] = id == 1;
        bundle.arrayDriveLetters[id] = id == 1 ? QStringLiteral("C:") : QString();
        bundle.arrayDiskNumber[id] = QString::number(id - 1);
    }
    for (int i = 0; i < t.diskCount; ++i) {
        bundle.disks.append(&t.disks[i]);
        bundle.diskArrayCount.append(i > 0 && i < 5 ? 1 : 0);
        bundle.diskSerial.append(QStringLiteral("S%1").arg(i));
        bundle.diskHotSwap.append(false);
    }
    return bundle;
}

Tables listedTables()
{
    Tables tables;
    for (int route : {1, 2, 3, 4, 5})
        tables.disk(route);
    tables.array(1, "RAID1", {1, 2});
    tables.array(2, "RAID0", {3, 4});
    return tables;
}

} // namespace

class TestRaidApi : public QObject {
    Q_OBJECT

private slots:
    // A host without the driver, unless a test gives the emulator.
    void init()
    {
        auto host = std::make_shared<test::RecordingPlatform>();
        host->canOpen = [](const std::string &) { return false; };
        kv::setPlatform(host);
    }
    void cleanupTestCase() { kv::setPlatform(nullptr); }

    // What makes the window's lists show other rows, and what does not.
    void sameListContents_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("same");
        QTest::addRow("nothing") << "" << true;
        QTest::addRow("new events") << "events" << true;
        QTest::addRow("a record past the count") << "past count" << true;
        QTest::addRow("a disk's state") << "disk state" << false;
        QTest::addRow("an array's progress") << "progress" << false;
        QTest::addRow("one disk fewer") << "disk count" << false;
        QTest::addRow("a drive letter") << "letter" << false;
        QTest::addRow("a serial number") << "serial" << false;
        QTest::addRow("the driver stopped answering") << "failed" << false;
        QTest::addRow("system facts unknown") << "facts" << false;
        QTest::addRow("no snapshot") << "no snapshot" << false;
    }
    void sameListContents()
    {
        QFETCH(QString, change);
        QFETCH(bool, same);
        const Tables shown = listedTables();
        Tables next = listedTables();
        if (change == u"past count")
            set(next.t().disks[next.t().diskCount].state, "Offline");
        else if (change == u"disk state")
            set(next.t().disks[2].state, "Offline");
        else if (change == u"progress")
            next.t().arrays[1].config[0].percentComplete = 12.5f;
        else if (change == u"disk count")
            --next.t().diskCount;
        RaidDataBundle bundle = listedBundle(next);
        if (change == u"events")
            bundle.events.append(KV_EventRec{7, 1037, 1, QStringLiteral("Config Change."), {}, 53});
        else if (change == u"letter")
            bundle.arrayDriveLetters[2] = QStringLiteral("D:");
        else if (change == u"serial")
            bundle.diskSerial[3] = QStringLiteral("other");
        else if (change == u"failed")
            bundle.refreshFailed = true;
        else if (change == u"facts")
            bundle.systemFactsUnknown = true;
        else if (change == u"no snapshot")
            bundle.snapshot.reset();
        QCOMPARE(KV_SameListContents(listedBundle(shown), bundle), same);
    }

    void formatSectors_data()
    {
        QTest::addColumn<quint64>("sectors");
        QTest::addColumn<QString>("text");
        QTest::addRow("zero") << quint64(0) << "0.0MB";
        QTest::addRow("top bit") << (quint64(1) << 63) << "0.0MB";
        QTest::addRow("one sector rounds to nothing") << quint64(1) << "0.0MB";
        QTest::addRow("2000") << quint64(2000) << "1.0MB";
        QTest::addRow("999 MB rounds to a whole number") << quint64(1951171) << "999.0MB";
        QTest::addRow("gigabytes") << quint64(976773168) << "500.1GB";
        QTest::addRow("1 TB disk") << quint64(1953525168) << "1.0TB";
    }
    void formatSectors()
    {
        QFETCH(quint64, sectors);
        QFETCH(QString, text);
        QCOMPARE(KV_RaidApi::FormatSectors(sectors), text);
    }

    void diskTexts_data()
    {
        QTest::addColumn<uint>("portType");
        QTest::addColumn<uint>("features");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("cache");
        QTest::addRow("NVMe Gen4 x4") << 0x80000048u << 0u << "NVMe Gen4 x4"
                                      << "NC";
        QTest::addRow("NVMe Gen5 4KN") << 0x80008010u << 0x400000u << "NVMe Gen5 4KN"
                                       << "W";
        QTest::addRow("NVMe Gen2 x8") << 0x90000080u << 0x1000000u << "NVMe Gen2 x8"
                                      << "R";
        QTest::addRow("NVMe default Gen3") << 0x80000000u << 0x1400000u << "NVMe Gen3"
                                           << "RW";
        QTest::addRow("external SATA SSD") << 0x1A04u << 0u << "6G eSATA/SSD"
                                           << "NC";
        QTest::addRow("SAS") << 0x10000u << 0u << "SAS"
                             << "NC";
        QTest::addRow("SATA NCQ") << 0x301u << 0u << "1.5G SATA/NCQ"
                                  << "NC";
        QTest::addRow("3G plain SATA") << 0x102u << 0u << "3G SATA"
                                       << "NC";
        QTest::addRow("nothing known") << 0u << 0u << ""
                                       << "NC";
    }
    void diskTexts()
    {
        QFETCH(uint, portType);
        QFETCH(uint, features);
        QFETCH(QString, port);
        QFETCH(QString, cache);
        Tables tables;
        tables.disk(5, "Disk", "Online", portType).features = features;
        KV_RaidApi api; // its first refresh finds no driver
        tables.publish();
        QCOMPARE(api.PortTypeText(1), port);
        QCOMPARE(api.CacheModeText(5), cache);
        QCOMPARE(api.PortTypeText(2), QStringLiteral(" ?? "));
        QCOMPARE(api.CacheModeText(6), QStringLiteral("Unknown"));
    }

    void serialText()
    {
        Tables tables;
        set(tables.disk(1).serialNumber, "   S1 2_____");
        set(tables.disk(2).serialNumber, "_X_");
        KV_RaidApi api; // its first refresh finds no driver
        tables.publish();
        QCOMPARE(api.SerialNumberText(1), QStringLiteral("S1 2"));
        QCOMPARE(api.SerialNumberText(2), QStringLiteral("_X"));
        QCOMPARE(api.SerialNumberText(3), QStringLiteral(" ??"));
        QCOMPARE(KV_RaidApi::CacheModeFromText(QStringLiteral("WR")), 0xC0000000u);
        QCOMPARE(KV_RaidApi::CacheModeFromText(QStringLiteral("R")), 0x80000000u);
    }

    void diskLookups_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("state");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("usable");
        QTest::addColumn<bool>("hotSwap");
        QTest::addRow("usable disk")
            << QByteArray("Disk") << QByteArray("Online") << 1 << 1 << true;
        QTest::addRow("locked") << QByteArray("Disk") << QByteArray("Locked") << 1 << -1 << false;
        QTest::addRow("SMART_error")
            << QByteArray("Disk") << QByteArray("SMART_error") << 1 << -1 << true;
        QTest::addRow("SMART_Error")
            << QByteArray("Disk") << QByteArray("SMART_Error") << 1 << -1 << true;
        QTest::addRow("legacy") << QByteArray("Legacy") << QByteArray("Online") << 1 << -1 << true;
        QTest::addRow("core is no disk")
            << QByteArray("Core") << QByteArray("Online") << -1 << -1 << false;
    }
    void diskLookups()
    {
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, state);
        QFETCH(int, index);
        QFETCH(int, usable);
        QFETCH(bool, hotSwap);
        Tables tables;
        tables.disk(7, type.constData(), state.constData(), 0x800000);
        KV_RaidApi api; // its first refresh finds no driver
        tables.publish();
        QCOMPARE(api.FindDiskIndex(7), index);
        QCOMPARE(api.FindUsableDiskIndex(7), usable);
        QCOMPARE(api.DiskHasInformedHotSwap(7), hotSwap);
        QCOMPARE(api.FindDiskIdByLocation(0, 7), index < 0 ? -1 : 7);
        QCOMPARE(api.FindDiskRouteByUid(0x5007) != nullptr, index >= 0);
    }

    void arrayChecks()
    {
        Tables tables;
        tables.disk(1, "Disk", "Online", 0x500000, 0x300000); // both trims
        tables.disk(2, "Disk", "Online", 0x100000, 0x200000); // simple trim only
        tables.disk(3, "Disk", "Locked", 0x500000, 0x100000);
        tables.disk(4);
        tables.array(10, "RAID1", {1, 2}, "Fail");
        tables.array(11, "RAID0", {1, 2}, "Fail_Offline").attributes = 0x200;
        tables.array(12, "RAID5", {1, 3, 4});
        KV_RaidApi api; // its first refresh finds no driver
        tables.publish();
        QVERIFY(api.MemberFailed(10, 1));
        QVERIFY(!api.MemberFailed(11, 1)); // "Fail" must end there
        QVERIFY(!api.MemberFailed(10, 2));
        QCOMPARE(api.CountArraysOfDisk(1), 3);
        QCOMPARE(api.CountArraysOfDisk(3), 1);
        // Failed members and unusable disks do not count.
        QCOMPARE(api.SmallestMemberSizeMB(0), quint64(0x200000 >> 11));
        QCOMPARE(api.SmallestMemberSizeMB(2), quint64(0x100000 >> 11));
        QCOMPARE(api.SmallestMemberSizeMB(9), quint64(0));
        QVERIFY(!api.ArrayTrimSupported(10)); // disk 2 lacks advanced trim
        QVERIFY(api.ArrayTrimSupported(11));
        QVERIFY(!api.ArrayTrimSupported(12));
        QVERIFY(api.ArrayIsHidden(11));
        QCOMPARE(api.FindArrayIdByUid(0xA00C), 12);
        QVERIFY(api.FindArrayConfig(12, false) == nullptr);
    }

    void eligibility_data()
    {
        QTest::addColumn<QByteArray>("arrayType");
        QTest::addColumn<QByteArray>("memberError");
        QTest::addColumn<QByteArray>("diskType");
        QTest::addColumn<bool>("any");
        QTest::addColumn<bool>("physical");
        QTest::addColumn<bool>("systemKnown"); // the host answers its queries
        QTest::addRow("member of a healthy array") << QByteArray("RAID1") << QByteArray("NoError")
                                                   << QByteArray("Disk") << false << false << true;
        QTest::addRow("failed member") << QByteArray("RAID1") << QByteArray("Fail")
                                       << QByteArray("Disk") << true << true << true;
        QTest::addRow("legacy disk of a legacy array")
            << QByteArray("LEGACY") << QByteArray("NoError") << QByteArray("Legacy") << true
            << false << true;
        QTest::addRow("legacy disk while the system arrays are unknown")
            << QByteArray("LEGACY") << QByteArray("NoError") << QByteArray("Legacy") << false
            << false << false;
        QTest::addRow("in no array")
            << QByteArray("") << QByteArray("") << QByteArray("Unknown") << true << false << true;
    }
    void eligibility()
    {
        QFETCH(QByteArray, arrayType);
        QFETCH(QByteArray, memberError);
        QFETCH(QByteArray, diskType);
        QFETCH(bool, any);
        QFETCH(bool, physical);
        QFETCH(bool, systemKnown);
        if (systemKnown) {
            // No driver, but a host whose volumes and ports answer: none
            // lies on an array.
            auto host = std::make_shared<test::RecordingPlatform>();
            host->canOpen = [](const std::string &name) {
                return name.find("KVConfig") == std::string::npos;
            };
            host->ioctlHandler = [](const std::string &, uint32_t, const void *, uint32_t,
                                    void *out, uint32_t outLength, uint32_t *returned) {
                std::memset(out, 0, outLength);
                *returned = 0;
                return kv::winerr::Success;
            };
            kv::setPlatform(host);
        }
        Tables tables;
        tables.disk(1, diskType.constData());
        tables.disk(2, "Disk", "Locked");
        if (!arrayType.isEmpty())
            tables.array(10, arrayType.constData(), {1}, memberError.constData());
        KV_RaidApi api; // its first refresh finds no driver
        tables.publish();
        QCOMPARE(api.AnyEligibleDisk(false), any);
        QCOMPARE(api.AnyEligibleDisk(true), physical);
    }

    void eventLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<uint>("status");
        QTest::addColumn<uint>("code");
        QTest::addColumn<uint>("severity");
        QTest::addColumn<QString>("text");
        const QString tail = QStringLiteral(" =END= (2)(0)(0)(0)(0)(0)(0)(-1)\n");
        QTest::addRow("critical") << "00012: [00] (01015) CR - Array 2 has gone critical." + tail
                                  << 53u << 1015u << 3u << "Array 2 has gone critical.";
        QTest::addRow("hex byte") << "00013: [0a] (01012) IN - Core rescan command received." + tail
                                  << 53u << 1012u << 1u << "Core rescan command received.";
        QTest::addRow("lower-case severity")
            << "00014: [00] (01018) wa - A rebuild task has completed on Array 1." + tail << 53u
            << 1018u << 0u << "A rebuild task has completed on Array 1.";
        QTest::addRow("log kind") << "00015: [00] (01001) LG - x" + tail << 53u << 1001u << 4u
                                  << "x";
        QTest::addRow("record number past 2^31")
            << "-2147483648: [00] (01016) CR - Array 1" + tail << 53u << 1016u << 3u << "Array 1";
        QTest::addRow("a sign without a record number")
            << "-: [00] (01016) CR - Array 1" + tail << 7u << 0u << 0u << "";
        QTest::addRow("no end marker")
            << QStringLiteral("00016: [00] (01015) CR - Array 2 (2)(0)(0)(0)(0)(0)(0)(0)\n") << 7u
            << 0u << 0u << "";
        QTest::addRow("letter in the sequence")
            << "0001x: [00] (01015) CR - A" + tail << 7u << 0u << 0u << "";
        QTest::addRow("seven numbers")
            << QStringLiteral("00017: [00] (01015) CR - A =END= (2)(0)(0)(0)(0)(0)(0)\n") << 7u
            << 0u << 0u << "";
        QTest::addRow("a letter among the numbers")
            << QStringLiteral("00018: [00] (01015) CR - A =END= (2)(0)(0)(0)(0)(0)(0)(z)\n") << 7u
            << 0u << 0u << "";
        QTest::addRow("empty") << QString() << 7u << 0u << 0u << "";
    }
    void eventLines()
    {
        QFETCH(QString, line);
        QFETCH(uint, status);
        QFETCH(uint, code);
        QFETCH(uint, severity);
        QFETCH(QString, text);
        KV_EventRec event;
        QCOMPARE(KV_RaidApi::ParseEventLine(line, 20, &event), status);
        if (status != 53)
            return;
        QCOMPARE(event.sequence, 19u);
        QCOMPARE(event.code, code);
        QCOMPARE(event.severity, severity);
        QCOMPARE(event.text, text);
        QCOMPARE(event.status, 53u);
    }

    void ioStats_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QStringList>("fields");
        QString report;
        const char *const lines[] = {"BUILD:  KV 5.2",
                                     "Hardware: x",
                                     "RunMode: PCI",
                                     "DebugMode: OFF",
                                     "HostTotalMB: 1000    ",
                                     "DiskTotalMB: 2000000 ",
                                     "TotalBusR/W: 7.50 MB",
                                     "TotalCoreR/W: 3.00 MB",
                                     "BusMB/CoreMB: 2.50",
                                     "x",
                                     "x",
                                     "BusIocTotalRequests: 10",
                                     "BusIocActive: 4",
                                     "CoreIocActive: 2",
                                     "CoreIocTotalRequests: 2",
                                     "x",
                                     "x",
                                     "x",
                                     "DirtyBufferCount: 17"};
        for (const char *line : lines)
            report += QLatin1String(line) + QLatin1Char('\n');
        QTest::addRow("full report")
            << report << 3.0
            << QStringList{"Host: 1.0 MB/S",       "Disk: 2.5 MB/S",   "Host: 0 IO/s",
                           "Disk: 3 IO/s",         "CoreIocActive: 2", "BusIocActive: 4",
                           "DirtyBufferCount: 17", "Host: 1.05 GB",    "Disk: 2.10 TB"};
        // The counts are those of the time that passed, not of a fixed 3 s.
        QTest::addRow("counted over 1.5 s")
            << report << 1.5
            << QStringList{"Host: 2.0 MB/S",       "Disk: 5.0 MB/S",   "Host: 1 IO/s",
                           "Disk: 6 IO/s",         "CoreIocActive: 2", "BusIocActive: 4",
                           "DirtyBufferCount: 17", "Host: 1.05 GB",    "Disk: 2.10 TB"};
        QTest::addRow("period unknown") << report << 0.0
                                        << QStringList{"",
                                                       "",
                                                       "",
                                                       "",
                                                       "CoreIocActive: 2",
                                                       "BusIocActive: 4",
                                                       "DirtyBufferCount: 17",
                                                       "Host: 1.05 GB",
                                                       "Disk: 2.10 TB"};
        QTest::addRow("short report")
            << report.section(QLatin1Char('\n'), 0, 6) << 3.0
            << QStringList{
                   "", "Disk: 2.5 MB/S", "", "", "", "", "", "Host: 1.05 GB", "Disk: 2.10 TB"};
        QTest::addRow("nothing") << QString() << 3.0 << QStringList(9, QString());
    }
    void ioStats()
    {
        QFETCH(QString, report);
        QFETCH(double, seconds);
        QFETCH(QStringList, fields);
        const KV_IoStats s = KV_IoStatsFromReport(report, seconds);
        QCOMPARE((QStringList{s.hostRate, s.diskRate, s.hostIops, s.diskIops, s.coreActiveLine,
                              s.busActiveLine, s.dirtyBuffersLine, s.hostTotal, s.diskTotal}),
                 fields);
        QCOMPARE(KV_TotalSizeText(900), QStringLiteral("943.72 MB"));
        QCOMPARE(KV_TotalSizeText(999), QStringLiteral("1.05 GB"));
    }

    void retrieveIoStats()
    {
        {
            KV_RaidApi api; // no driver: nine empty texts, still emitted once
            QSignalSpy spy(&api, &KV_RaidApi::StatsRetrieved);
            api.RetrieveIoStats();
            QCOMPARE(spy.count(), 1);
            QCOMPARE(spy[0][0].value<KV_IoStats>().hostRate, QString());
        }
        auto emulator = std::make_shared<kvemu::Emulator>(
            kvemu::StoredState{kvemu::demoModel(), kvemu::demoModel()},
            std::make_shared<kvemu::ManualClock>());
        kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator));
        KV_RaidApi api;
        QSignalSpy spy(&api, &KV_RaidApi::StatsRetrieved);
        // The first report's counts run from whenever the driver was read
        // last: no rate can be had from them.
        api.RetrieveIoStats();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy[0][0].value<KV_IoStats>().hostRate, QString());
        QCOMPARE(spy[0][0].value<KV_IoStats>().diskIops, QString());
        QVERIFY(spy[0][0].value<KV_IoStats>().hostTotal.startsWith("Host: "));
        api.RetrieveIoStats();
        QCOMPARE(spy.count(), 2);
        const KV_IoStats stats = spy[1][0].value<KV_IoStats>();
        QVERIFY2(stats.hostRate.startsWith("Host: ") && stats.hostRate.endsWith(" MB/S"),
                 qPrintable(stats.hostRate));
        QVERIFY2(stats.diskIops.startsWith("Disk: ") && stats.diskIops.endsWith(" IO/s"),
                 qPrintable(stats.diskIops));
        QVERIFY(stats.coreActiveLine.startsWith("CoreIocActive:"));
        QVERIFY(stats.busActiveLine.startsWith("BusIocActive:"));
        QVERIFY(stats.dirtyBuffersLine.startsWith("DirtyBufferCount:"));
        QVERIFY(stats.diskTotal.startsWith("Disk: "));
    }

    void logLocation_data()
    {
        QTest::addColumn<QString>("applicationDir");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("sharedTemp");
        QTest::addRow("installed") << QString::fromLatin1(KV_InstalledDirectory) << true << false;
        QTest::addRow("anywhere else") << QStringLiteral("/opt/velmora/bin") << false << false;
        QTest::addRow("installed, other case")
            << QStringLiteral("C:/program files (x86)/Velmora") << false << false;
        QTest::addRow("shared temporary directory")
            << QStringLiteral("/opt/velmora/bin") << false << true;
    }
    void logLocation()
    {
        QFETCH(QString, applicationDir);
        QFETCH(bool, installed);
        QFETCH(bool, sharedTemp);
        QTemporaryDir temp;
        // A temporary directory others may write to, as /tmp.
        QVERIFY(::chmod(temp.path().toLocal8Bit().constData(), sharedTemp ? 01777 : 0700) == 0);
        qputenv("TMPDIR", temp.path().toLocal8Bit());
        const QString folder =
            temp.path() + (sharedTemp ? "/Velmora-" + QString::number(::geteuid()) : "/Velmora");
        QCOMPARE(KV_LogFolder(applicationDir, QStringLiteral("Velmora")),
                 installed ? applicationDir : folder);
        if (installed)
            return; // not a folder this machine can make
        const QString path = KV_PrepareLogFile(applicationDir, QStringLiteral("Velmora"));
        QCOMPARE(path, folder + "/Velmora.log");
        struct stat info {};
        QCOMPARE(::lstat(folder.toLocal8Bit().constData(), &info), 0);
        QCOMPARE(int(info.st_mode & 0777), 0700);
        QFile log(path);
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray banner = log.readAll();
        QVERIFY2(banner.startsWith("***Create Log file for Velmora Start: ") &&
                     banner.endsWith("   ***\n"),
                 banner.constData());
        log.close();
        // A second start finds the file and writes no banner.
        KV_PrepareLogFile(applicationDir, QStringLiteral("Velmora"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(log.readAll(), banner);
    }

    // Names planted in the data folder (a link to another file, a second
    // name of it, a folder that is a link) never get another file written,
    // emptied or replaced.
    void plantedNamesAreNotFollowed_data()
    {
        QTest::addColumn<QString>("plant");
        QTest::addRow("log is a link") << "log link";
        QTest::addRow("log has a second name") << "log hard link";
        QTest::addRow("S.M.A.R.T. log is a link") << "smart link";
        QTest::addRow("user guide copy is a link") << "guide link";
        QTest::addRow("folder is a link") << "folder link";
    }
    void plantedNamesAreNotFollowed()
    {
        QFETCH(QString, plant);
        QTemporaryDir temp;
        qputenv("TMPDIR", temp.path().toLocal8Bit());
        const QString victim = temp.filePath("victim");
        const QByteArray precious = "not the console's\n";
        QFile file(victim);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(precious);
        file.close();
        const QString folder = temp.filePath("Velmora");
        const QString appDir = QStringLiteral("/opt/velmora/bin");
        if (plant == "folder link") {
            QVERIFY(QDir().mkdir(temp.filePath("elsewhere")));
            QVERIFY(QFile::link(temp.filePath("elsewhere"), folder));
            QCOMPARE(KV_PrepareLogFile(appDir, "Velmora"), QString());
            QVERIFY(QDir(temp.filePath("elsewhere")).isEmpty());
            return;
        }
        QVERIFY(::mkdir(folder.toLocal8Bit().constData(), 0700) == 0);
        const QByteArray log = (folder + "/Velmora.log").toLocal8Bit();
        const QByteArray target = victim.toLocal8Bit();
        if (plant == "log link")
            QVERIFY(::symlink(target.constData(), log.constData()) == 0);
        if (plant == "log hard link")
            QVERIFY(::link(target.constData(), log.constData()) == 0);
        if (plant == "smart link")
            QVERIFY(::symlink(target.constData(), (folder + "/SMART_LOG.log").toLocal8Bit()) == 0);
        if (plant == "guide link")
            QVERIFY(::symlink(target.constData(), (folder + "/guide.pdf").toLocal8Bit()) == 0);

        const QString logPath = KV_PrepareLogFile(appDir, "Velmora");
        KV_AppendLogLines(logPath, {"a line"});
        KV_AppendLogText(logPath, "more");
        KV_PrepareSmartLog(logPath, "Velmora");
        const bool replaced = KV_ReplaceDataFile(folder + "/guide.pdf", "guide");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), precious);
        if (plant == "guide link") {
            // The planted name is gone; the copy is a file of its own.
            QVERIFY(replaced);
            QVERIFY(!QFileInfo(folder + "/guide.pdf").isSymLink());
        }
    }

    void dumpConfiguration()
    {
        QTemporaryDir temp;
        const QString path = temp.filePath("Velmora.log");

        auto emulator = std::make_shared<kvemu::Emulator>(
            kvemu::StoredState{kvemu::demoModel(), kvemu::demoModel()},
            std::make_shared<kvemu::ManualClock>());
        kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator));
        KV_RaidApi api;
        QVERIFY(api.SetLogPath(path));
        QCOMPARE(QString::fromStdString(KV_ProcessLogPath()), path);
        QVERIFY(api.DumpConfiguration(path));
        QVERIFY(!api.DumpConfiguration(temp.filePath("missing/Velmora.log")));
        QFile log(path);
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = log.readAll().split('\n');
        QVERIFY(lines.size() > 10);
        QCOMPARE(lines[1], QByteArray());
        QCOMPARE(lines[2], QByteArray("********************************** Developer Information "
                                      "**********************************"));
        QCOMPARE(lines[3], QByteArray("*******************************    Kavrel configuration "
                                      "Dump   *************************"));
        QVERIFY2(lines[4].contains("   BufferSize: "), lines[4].constData());
        QVERIFY(lines.contains("********************************** End Core Dump "
                               "**********************************"));
        QCOMPARE(lines[lines.size() - 2],
                 QByteArray("********************************** Begin RAID AEN Event Log "
                            "**********************************"));
    }

    // A full refresh on a worker thread of its own: the bundle reaches the
    // handler on this thread, the worker and its thread go away after.
    void refreshOnWorkerThread_data()
    {
        QTest::addColumn<int>("language");
        QTest::addRow("English") << 0;
        QTest::addRow("language 36 asks for no events") << 36;
    }
    void refreshOnWorkerThread()
    {
        QFETCH(int, language);
        auto emulator = std::make_shared<kvemu::Emulator>(
            kvemu::StoredState{kvemu::demoModel(), kvemu::demoModel()},
            std::make_shared<kvemu::ManualClock>());
        kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator));
        std::optional<RaidDataBundle> received;
        const QPointer<QThread> thread = KV_RunOnWorkerThread(
            [language](ApiWorker *worker) { worker->DoFullRefresh(7, language); },
            &ApiWorker::fullRefreshReady, this,
            [&](const RaidDataBundle &bundle) { received = bundle; });
        QTRY_VERIFY_WITH_TIMEOUT(received.has_value(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(thread.isNull(), 10000); // the thread deleted itself
        QCOMPARE(received->disks.size(), qsizetype(kvemu::demoModel().disks.size() + 1));
        QCOMPARE(received->nextEventSeq, 7u); // no new event
        QVERIFY(received->events.isEmpty());
        QCOMPARE(QMetaType::fromName("RaidDataBundle"), QMetaType::fromType<RaidDataBundle>());
        QCOMPARE(QMetaType::fromName("KV_IoStats"), QMetaType::fromType<KV_IoStats>());
    }

    // Events from the emulator's log, through the core's user messages.
    void eventsOfTheDriver()
    {
        auto emulator = std::make_shared<kvemu::Emulator>(
            kvemu::StoredState{kvemu::demoModel(), kvemu::demoModel()},
            std::make_shared<kvemu::ManualClock>());
        kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator));
        KV_RaidApi api;
        QCOMPARE(api.BuildBundle(3, 0).nextEventSeq, 3u); // nothing has happened yet
        QVERIFY(api.Rescan());
        const RaidDataBundle bundle = api.BuildBundle(1, 0);
        QCOMPARE(bundle.events.size(), qsizetype(3));
        QCOMPARE(bundle.events[0].code, 1001u);
        QCOMPARE(bundle.events[0].sequence, 1u);
        QCOMPARE(bundle.events[2].code, 1012u);
        QCOMPARE(bundle.events[2].severity, 1u);
        QCOMPARE(bundle.events[2].text, QStringLiteral("Core rescan command received."));
        QCOMPARE(bundle.nextEventSeq, 4u);
        QCOMPARE(api.FetchEvent(1, 36).status, 7u); // no language 36: no event
    }

    // A worker reads the snapshot when its operation begins, not when it is
    // built on its caller's thread: a full refresh reads it once.
    void workerReadsWhenItsOperationBegins()
    {
        auto emulator = std::make_shared<kvemu::Emulator>(
            kvemu::StoredState{kvemu::demoModel(), kvemu::demoModel()},
            std::make_shared<kvemu::ManualClock>());
        kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator));
        const KV_SnapshotRef before = KV_SnapshotStore::latest();
        ApiWorker worker;
        QCOMPARE(KV_SnapshotStore::latest(), before);
        worker.AsyncRescan();
        QVERIFY(KV_SnapshotStore::latest() != before);
    }

    // Refreshes on worker threads while this thread queries and asks for
    // statistics: every query sees one whole snapshot (run under the
    // sanitizers, this is also the data-race check).
    void refreshesWhileQuerying()
    {
        auto emulator = std::make_shared<kvemu::Emulator>(
            kvemu::StoredState{kvemu::demoModel(), kvemu::demoModel()},
            std::make_shared<kvemu::ManualClock>());
        kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator));
        int bundles = 0;
        for (int i = 0; i < 4; ++i)
            KV_RunOnWorkerThread([](ApiWorker *worker) { worker->DoFullRefresh(3, 0); },
                                 &ApiWorker::fullRefreshReady, this,
                                 [&](const RaidDataBundle &bundle) {
                                     QCOMPARE(bundle.arrays.size(), qsizetype(5));
                                     ++bundles;
                                 });
        KV_RaidApi api;
        const int disks = int(kvemu::demoModel().disks.size()) + 1;
        while (bundles < 4) {
            QCOMPARE(api.GetDiskCount(), disks);
            const KV_DiskRec *first = api.GetDisk(1);
            QVERIFY(first && api.FindDiskIndex(first->deviceRoute) == 1);
            QCOMPARE(api.CountArraysOfDisk(first->deviceRoute), 1);
            api.RetrieveIoStats();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
    }

    // The demo configuration through the emulator: drive letters, the system
    // array, disk numbers and the disk list as the window receives them.
    void bundleOfTheDemo()
    {
        kvemu::Model model = kvemu::demoModel();
        model.arrays[2].attributes |= 0x200; // "Scratch" hidden, its letter E: kept
        auto emulator = std::make_shared<kvemu::Emulator>(kvemu::StoredState{model, model},
                                                          std::make_shared<kvemu::ManualClock>());
        kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator));
        KV_RaidApi api;
        static int fetched = 0;
        fetched = 0;
        const RaidDataBundle bundle =
            api.BuildBundle(3, 0, [](KV_RaidApi &, quint32 sequence, quint32) {
                // The oldest kept record is 40: asking for 3 gives it.
                KV_EventRec event;
                event.sequence = std::max(sequence, 40u);
                event.status = ++fetched <= 2 ? 53 : 54;
                return event;
            });
        QCOMPARE(bundle.arrays.size(), qsizetype(model.arrays.size()));
        QCOMPARE(bundle.disks.size(), qsizetype(model.disks.size() + 1));
        QCOMPARE(QByteArray(bundle.disks[0]->type), QByteArray("Core"));
        QCOMPARE(bundle.diskArrayCount[0], 0);
        QCOMPARE(bundle.diskSerial[0], QString());
        QCOMPARE(bundle.diskHotSwap[0], false);
        QCOMPARE(bundle.diskArrayCount[1], 1);
        QCOMPARE(bundle.diskSerial[1], QString::fromStdString(model.disks[0].serial));
        QCOMPARE(bundle.arrayDriveLetters.value(1), QStringLiteral("C:"));
        QCOMPARE(bundle.arrayDriveLetters.value(2), QStringLiteral("D:"));
        QCOMPARE(bundle.arrayHoldsSystem.value(1), true);
        QCOMPARE(bundle.arrayHoldsSystem.value(2), false);
        QCOMPARE(bundle.arraySharesSystemDisk.value(1), true);
        QCOMPARE(bundle.arraySharesSystemDisk.value(2), false);
        QCOMPARE(bundle.arrayDiskNumber.value(3), QStringLiteral("Hidden"));
        QVERIFY(bundle.arrayDiskNumber.value(1) != QStringLiteral("none"));
        QCOMPARE(bundle.events.size(), qsizetype(2));
        QCOMPARE(bundle.events[0].sequence, 40u);
        QCOMPARE(bundle.events[1].sequence, 41u); // not record 40 again
        QCOMPARE(bundle.nextEventSeq, 42u);
        QVERIFY(api.ArrayCarriesSystem(1));
        QVERIFY(!api.ArrayCarriesSystem(2));

        // A refresh publishes a new snapshot; the bundle's stays as it was.
        const KV_DiskRec *first = bundle.disks[1];
        const uint64_t id = first->id;
        QCOMPARE(api.Refresh(), 1);
        QVERIFY(bundle.snapshot != KV_SnapshotStore::latest());
        QCOMPARE(first->id, id);
    }
};

QTEST_GUILESS_MAIN(TestRaidApi)
#include "tst_raid_api.moc"
