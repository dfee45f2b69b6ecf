// Driver directories from their service registration, file records and
// versions, against a host whose registry and files the test sets.
#include "demo_config.h"
#include "emulator.h"
#include "kv_inprocess_platform.h"
#include "kv_raid_api.h"
#include "recording_platform.h"

#include <QTest>

#include <map>

namespace {

struct Host : test::RecordingPlatform {
    std::map<std::string, std::string> imagePaths;                 // service name to ImagePath
    std::map<std::string, std::vector<kv::FileDescription>> files; // pattern to matches
    std::vector<std::string> drivers;

    std::string windowsDirectory() override { return "C:\\Windows"; }
    std::string systemDirectory() override { return "C:\\Windows\\System32"; }
    std::string expandEnvironment(const std::string &text) override
    {
        return text.rfind("%SystemRoot%", 0) == 0 ? "C:\\Windows" + text.substr(12) : text;
    }
    bool registryString(const std::string &key, const std::string &value, std::string *out) override
    {
        const std::string prefix = "SYSTEM\\CurrentControlSet\\Services\\";
        auto found = imagePaths.find(key.substr(prefix.size()));
        if (key.rfind(prefix, 0) != 0 || value != "ImagePath" || found == imagePaths.end())
            return false;
        *out = found->second;
        return true;
    }
    std::vector<kv::FileDescription> findFiles(const std::string &pattern) override
    {
        auto found = files.find(pattern);
        return found == files.end() ? std::vector<kv::FileDescription>{} : found->second;
    }
    std::vector<std::string> loadedDrivers() override { return drivers; }
};

kv::FileDescription file(const char *name, std::vector<uint32_t> translations,
                         std::vector<std::pair<std::string, std::string>> strings)
{
    kv::FileDescription f;
    f.name = name;
    f.attributes = 0x20;
    // 2024-05-17 13:45:30.250 UTC in 100-nanosecond units since 1601.
    f.lastWriteTime = (13360427130ULL * 1000 + 250) * 10000;
    f.size = 0x1F400;
    f.translations = std::move(translations);
    f.versionStrings = std::move(strings);
    return f;
}

} // namespace

class TestDriverFiles : public QObject {
    Q_OBJECT

    std::shared_ptr<Host> host;

private slots:
    void init()
    {
        host = std::make_shared<Host>();
        kv::setPlatform(host);
    }
    void cleanupTestCase() { kv::setPlatform(nullptr); }

    void driverDirectory_data()
    {
        QTest::addColumn<QString>("imagePath");
        QTest::addColumn<QString>("directory");
        QTest::addRow("SystemRoot prefix") << "\\SystemRoot\\System32\\drivers\\kvraid.sys"
                                           << "C:\\Windows\\System32\\drivers";
        QTest::addRow("prefix in other case") << "\\systemroot\\System32\\drivers\\kvraid.sys"
                                              << "C:\\Windows\\System32\\drivers";
        QTest::addRow("relative") << "System32\\drivers\\kvraid.sys"
                                  << "C:\\Windows\\System32\\drivers";
        QTest::addRow("environment") << "%SystemRoot%\\System32\\drivers\\kvraid.sys"
                                     << "C:\\Windows\\System32\\drivers";
        QTest::addRow("object manager path") << "\\??\\D:\\Drivers\\kvraid.sys"
                                             << "D:\\Drivers";
        QTest::addRow("drive path") << "E:\\kv\\kvraid.sys"
                                    << "E:\\kv";
        QTest::addRow("no backslash") << "kvraid.sys"
                                      << "C:\\Windows";
        QTest::addRow("not registered") << QString() << QString();
    }
    void driverDirectory()
    {
        QFETCH(QString, imagePath);
        QFETCH(QString, directory);
        if (!imagePath.isEmpty())
            host->imagePaths["kvraid"] = imagePath.toStdString();
        char buffer[512] = {};
        QCOMPARE(KV_RaidApi::FindDriverDirectory("kvraid.sys", buffer, sizeof buffer),
                 !directory.isEmpty());
        QCOMPARE(QString::fromLatin1(buffer), directory);
        char small[4] = {};
        QVERIFY(!KV_RaidApi::FindDriverDirectory("kvraid.sys", small, sizeof small));
    }

    void fileRecordAndVersions()
    {
        const std::string drivers = "C:\\Windows\\System32\\drivers";
        host->imagePaths["kvraid"] = "\\SystemRoot\\System32\\drivers\\kvraid.sys";
        host->files[drivers + "\\kvraid.sys"] = {file(
            "kvraid.sys", {0x04090000},
            {{"04090000\\ProductName", "Kavrel RAID"}, {"04090000\\ProductVersion", "3.2.1"}})};
        // No translation: the second standard code page; only "Product Version".
        host->files[drivers + "\\kvcfg.sys"] = {
            file("kvcfg.sys", {}, {{"040904b0\\Product Version", "3.2.2"}})};
        std::vector<std::string> records;
        QCOMPARE(KV_RaidApi::DescribeFiles(drivers + "\\", "kvraid.sys", &records, 400), 1);
        QCOMPARE(QString::fromStdString(records[0]),
                 QStringLiteral("C:\\Windows\\System32\\drivers\\kvraid.sys|Attributes=20"
                                "|CreationTime=01/01/1601 00:00:00.000"
                                "|LastAccessTime=01/01/1601 00:00:00.000"
                                "|LastWriteTime=05/17/2024 13:45:30.250|FileSize=1f400"
                                "|ProductName=Kavrel RAID|ProductVersion=3.2.1"));
        // kvcfg is not registered and kvbottom is nowhere: the system folder, then Unknown.
        QCOMPARE(KV_RaidApi::GetDriverVersions(), (QStringList{"3.2.1", "3.2.2", "Unknown"}));
    }

    void loadedDriver_data()
    {
        QTest::addColumn<int>("others");
        QTest::addColumn<bool>("loaded");
        QTest::addRow("a few drivers") << 1 << true;
        QTest::addRow("the list just fits") << 1022 << true;
        QTest::addRow("the list needs all the room") << 1023 << false;
        QTest::addRow("the list overflows") << 1500 << false;
    }
    void loadedDriver()
    {
        QFETCH(int, others);
        QFETCH(bool, loaded);
        // The wanted driver comes first, so a list cut to its room would
        // still find it.
        host->drivers = {"kvraid.sys"};
        host->drivers.resize(size_t(others) + 1, "ntoskrnl.exe");
        QCOMPARE(KV_RaidApi::IsDriverLoaded("kvraid.sys"), loaded);
        QVERIFY(!KV_RaidApi::IsDriverLoaded("kvraid"));
        QVERIFY(!KV_RaidApi::IsDriverLoaded("kvcfg.sys"));
    }

    // The emulator's host model: the three registrations resolve (each in
    // another ImagePath form) and the loaded-driver list follows its control
    // command.
    void fromTheHostModel()
    {
        auto emulator = std::make_shared<kvemu::Emulator>(
            kvemu::StoredState{kvemu::demoModel(), kvemu::demoModel()},
            std::make_shared<kvemu::ManualClock>());
        kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator));
        QCOMPARE(KV_RaidApi::GetDriverVersions(),
                 (QStringList{"3.2.1.1045", "3.2.1.1045", "3.2.1.1038"}));
        QVERIFY(KV_RaidApi::IsDriverLoaded("kvbottom.sys"));
        QVERIFY(emulator->control("driver unload kvbottom.sys").ok);
        QVERIFY(!KV_RaidApi::IsDriverLoaded("kvbottom.sys"));
        QCOMPARE(emulator->changeHost([](kvemu::Host &h) {
            h.drivers[1].version.clear(); // kvcfg.sys without a version resource
            return std::string();
        }),
                 std::string());
        QCOMPARE(KV_RaidApi::GetDriverVersions()[1], QStringLiteral("Unknown"));
    }
};

QTEST_GUILESS_MAIN(TestDriverFiles)
#include "tst_driver_files.moc"
