// The state file: round trips, refusal of damaged or foreign files (left
// untouched), atomic saving, and an emulator coming back where it was.
#include "emulator_test_support.h"
#include "state_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;
namespace statefile = kvemu::statefile;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Replaces the checksum line so that an edited body is accepted as intact
// and only the edit itself can cause a refusal.
QByteArray resealed(QByteArray text)
{
    const qsizetype at = text.lastIndexOf("checksum ");
    text.truncate(at);
    uint64_t hash = 0xcbf29ce484222325ull;
    for (char c : text) {
        hash ^= uint8_t(c);
        hash *= 0x100000001b3ull;
    }
    return text + "checksum " + QByteArray::number(qulonglong(hash), 16).rightJustified(16, '0') +
           "\n";
}

// A model with awkward values: text needing escapes, a missing member,
// extreme numbers.
kvemu::StoredState awkwardState()
{
    kvemu::StoredState state{kvemu::demoModel(), kvemu::demoModel()};
    kvemu::Model &m = state.current;
    m.generation = 0xFFFFFFFFFFFFFFF0ull;
    m.arrays[0].name = "Sys tem=100% ,ok\t\xC3\xA9";
    m.arrays[1].name = "";
    m.arrays[1].elements[3].diskId = 0xABCDEF;
    m.arrays[1].elements[3].errorFlags = kvemu::rec::ElementFailNotPresent | 0x20;
    m.arrays[1].parents = {m.arrays[0].id};
    m.arrays[2].transformProgress = 100000;
    m.disks[4].state = kvemu::rec::DiskSmartError;
    m.disks[5].model = "caret^model";
    m.controllers[0].maxArraySize = ~0ull;
    m.host.volumes[1].inUse = true;
    m.host.drivers[1].loaded = false;
    m.host.drivers[2].version.clear();
    state.previous.generation = 17;
    state.events = kvemu::EventLog::fresh();
    state.events.add(1154, {1, 2, 0xFFFFFFFF});
    return state;
}

} // namespace

class TestEmulatorState : public QObject {
    Q_OBJECT

private slots:
    void roundTripInMemory()
    {
        const kvemu::StoredState state = awkwardState();
        kvemu::StoredState back;
        QCOMPARE(QString::fromStdString(statefile::parse(statefile::serialize(state), back)),
                 QString());
        QVERIFY(back == state);
        QCOMPARE(back.current.generation, 0xFFFFFFFFFFFFFFF0ull);
        QCOMPARE(back.current.arrays[0].name, state.current.arrays[0].name);
    }

    void roundTripThroughAFile()
    {
        QTemporaryDir dir;
        const std::string path = dir.filePath("state.kvemu").toStdString();
        const kvemu::StoredState state = awkwardState();
        QCOMPARE(statefile::save(path, state), std::string());
        kvemu::StoredState back;
        std::string error;
        QCOMPARE(int(statefile::load(path, back, error)), int(statefile::LoadResult::Loaded));
        QVERIFY(back == state);
        QVERIFY(!QFile::exists(dir.filePath("state.kvemu.tmp")));
    }

    void missingFileIsNotAnError()
    {
        QTemporaryDir dir;
        kvemu::StoredState state;
        std::string error;
        QCOMPARE(int(statefile::load(dir.filePath("none").toStdString(), state, error)),
                 int(statefile::LoadResult::Missing));
        QVERIFY(error.empty());
    }

    void damagedFilesAreRefusedAndLeftAlone_data()
    {
        QTest::addColumn<int>("damage");
        QTest::addColumn<QString>("message");
        QTest::addRow("flipped byte") << 0 << "checksum mismatch";
        QTest::addRow("truncated") << 1 << "may be truncated";
        QTest::addRow("older version") << 2 << "version 1 is not supported";
        QTest::addRow("not a state file") << 3 << "not a kvemu state file";
        QTest::addRow("unknown field, resealed") << 4 << "unknown field";
        QTest::addRow("missing field, resealed") << 5 << "missing field capacity";
        QTest::addRow("inconsistent model, resealed") << 6 << "inconsistent current";
        QTest::addRow("bad number, resealed") << 7 << "bad value of capacity";
        QTest::addRow("empty file") << 8 << "not a kvemu state file";
        QTest::addRow("unknown record, resealed") << 9 << "unknown record";
        QTest::addRow("bad escape, resealed") << 10 << "bad text in name";
        QTest::addRow("event out of sequence, resealed") << 11 << "events out of sequence";
        QTest::addRow("bad event, resealed") << 12 << "bad event";
        QTest::addRow("no event log, resealed") << 13 << "no event log";
    }

    void damagedFilesAreRefusedAndLeftAlone()
    {
        QFETCH(int, damage);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath("state.kvemu");
        const kvemu::StoredState state{kvemu::demoModel(), kvemu::demoModel(),
                                       kvemu::EventLog::fresh()};
        QByteArray text = QByteArray::fromStdString(statefile::serialize(state));
        switch (damage) {
        case 0:
            text[text.indexOf("capacity=") + 10] ^= 1;
            break;
        case 1:
            text.chop(40);
            break;
        case 2:
            text.replace("version 4\n", "version 1\n");
            break;
        case 3:
            text.replace("kvemu-state\n", "kvemu-notes\n");
            break;
        case 4:
            text = resealed(text.replace(" kept24=", " colour=red kept24="));
            break;
        case 5:
            text = resealed(text.replace(" capacity=", " size="));
            break;
        case 6: // two disks on the same route
            text = resealed(text.replace(" route=2 ", " route=1 "));
            break;
        case 7:
            text = resealed(text.replace(" capacity=0x", " capacity=0x12x"));
            break;
        case 8:
            text.clear();
            break;
        case 9:
            text = resealed(text.replace("enclosure ", "spaceship "));
            break;
        case 10:
            text = resealed(text.replace("name=System", "name=Sys%G1"));
            break;
        case 11:
            text = resealed(text.replace("event 2 1037 ", "event 5 1037 "));
            break;
        case 12:
            text = resealed(text.replace("event 1 1001 0 ", "event 1 1001 x "));
            break;
        case 13:
            text = resealed(text.replace("events next=", "notes next="));
            break;
        }
        writeAll(path, text);
        kvemu::StoredState loaded;
        std::string error;
        QCOMPARE(int(statefile::load(path.toStdString(), loaded, error)),
                 int(statefile::LoadResult::Refused));
        QVERIFY2(QString::fromStdString(error).contains(message), error.c_str());
        QCOMPARE(readAll(path), text); // byte for byte as it was
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"state.kvemu"});
    }

    // Files of versions 2 and 3 keep their configurations; their volumes
    // are free and their host gets the demo's driver files; a version 2
    // event log starts afresh.
    void olderVersionsAreMigrated_data()
    {
        QTest::addColumn<int>("version");
        QTest::addRow("2") << 2;
        QTest::addRow("3") << 3;
    }
    void olderVersionsAreMigrated()
    {
        QFETCH(int, version);
        kvemu::StoredState state = awkwardState();
        QByteArray text = QByteArray::fromStdString(statefile::serialize(state));
        text.replace("version 4\n", "version " + QByteArray::number(version) + "\n");
        text.replace(" inUse=0", "").replace(" inUse=1", "");
        for (qsizetype at; (at = text.indexOf("\ndriver ")) >= 0;)
            text.remove(at + 1, text.indexOf('\n', at + 1) - at);
        if (version == 2) {
            const qsizetype events = text.indexOf("events next=");
            text.remove(events, text.indexOf("checksum ") - events);
        }
        kvemu::StoredState back;
        QCOMPARE(QString::fromStdString(statefile::parse(resealed(text).toStdString(), back)),
                 QString());
        for (kvemu::Model *m : {&state.current, &state.previous}) {
            for (kvemu::Volume &v : m->host.volumes)
                v.inUse = false;
            m->host.drivers = kvemu::demoDrivers();
        }
        QVERIFY(back.current == state.current && back.previous == state.previous);
        QCOMPARE(back.events.empty(), version == 2);
        if (version == 2) {
            const kvemu::Emulator emulator(back, std::make_shared<kvemu::ManualClock>());
            QCOMPARE(emulator.events(), kvemu::EventLog::fresh());
        }
    }

    void failedSaveKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("state.kvemu");
        kvemu::StoredState state{kvemu::demoModel(), kvemu::demoModel()};
        QCOMPARE(statefile::save(path.toStdString(), state), std::string());
        const QByteArray before = readAll(path);
        // The temporary file's name is taken by a directory: the save fails.
        QVERIFY(QDir(dir.path()).mkdir("state.kvemu.tmp"));
        state.current.generation = 99;
        QVERIFY(!statefile::save(path.toStdString(), state).empty());
        QCOMPARE(readAll(path), before);
    }

    void emulatorComesBackWhereItWas()
    {
        QTemporaryDir dir;
        const std::string path = dir.filePath("state.kvemu").toStdString();
        const kvemu::StoredState seed{kvemu::demoModel(), kvemu::demoModel()};
        QCOMPARE(statefile::save(path, seed), std::string());
        uint64_t generation = 0;
        kvemu::Model before;
        {
            auto emulator = std::make_shared<kvemu::Emulator>(
                seed, std::make_shared<kvemu::ManualClock>(), path);
            kvemu::InProcessPlatform platform(emulator);
            ConfigClient client(platform);
            QCOMPARE(client.writeCommand(16, emulator->generation()), kv::winerr::Success);
            QVERIFY(emulator->control("bump").ok);
            generation = emulator->generation();
            before = emulator->model();
        }
        QCOMPARE(generation, seed.current.generation + 2);
        kvemu::StoredState loaded;
        std::string error;
        QCOMPARE(int(statefile::load(path, loaded, error)), int(statefile::LoadResult::Loaded));
        QVERIFY(loaded.current == before);
        QCOMPARE(loaded.previous.generation, generation - 1);
        auto again = std::make_shared<kvemu::Emulator>(loaded, nullptr, path);
        QCOMPARE(again->generation(), generation);
        QVERIFY(again->previousModel().generation == generation - 1);
    }

    void changeThatCannotBeSavedChangesNothing()
    {
        QTemporaryDir dir;
        const std::string path = dir.filePath("state.kvemu").toStdString();
        const kvemu::StoredState seed{kvemu::demoModel(), kvemu::demoModel()};
        auto emulator =
            std::make_shared<kvemu::Emulator>(seed, std::make_shared<kvemu::ManualClock>(), path);
        QVERIFY(QDir(dir.path()).mkdir("state.kvemu.tmp"));
        QVERIFY(!emulator->change([](kvemu::Model &) {}).empty());
        QCOMPARE(emulator->generation(), seed.current.generation);
        // A rescan that cannot be saved fails with an I/O error status.
        kvemu::InProcessPlatform platform(emulator);
        ConfigClient client(platform);
        QCOMPARE(client.writeCommand(16, emulator->generation()), kv::winerr::IoDevice);
        QCOMPARE(client.lastStatus(), 25u);
        QCOMPARE(emulator->generation(), seed.current.generation);
    }

    void inconsistentChangeIsRefused()
    {
        auto emulator = demoEmulator();
        const std::string error = emulator->change(
            [](kvemu::Model &m) { m.arrays[0].elements[0].size = m.disks[0].capacity * 2; });
        QVERIFY(!error.empty());
        QCOMPARE(emulator->generation(), kvemu::demoModel().generation);
    }
};

QTEST_GUILESS_MAIN(TestEmulatorState)
#include "tst_emulator_state.moc"
