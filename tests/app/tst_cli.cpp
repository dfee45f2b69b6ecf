// velmora-cli against a demo daemon: a command that did not get its data or
// was refused exits non-zero and says why; the JSON of the read commands,
// the metrics and the support bundle as scripts, Prometheus and support
// read them.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

// The metric text's faults by the exposition format's rules (version
// 0.0.4): names and label names, HELP and TYPE once per family and before
// its samples, a family's samples together, counters named "_total",
// label values escaped, values numbers. Empty when there are none.
QString expositionFaults(const QByteArray &text)
{
    static const QRegularExpression help(QStringLiteral("^# HELP ([a-zA-Z_:][a-zA-Z0-9_:]*) .+$"));
    static const QRegularExpression type(QStringLiteral(
        "^# TYPE ([a-zA-Z_:][a-zA-Z0-9_:]*) (counter|gauge|histogram|summary|untyped)$"));
    static const QRegularExpression sample(QStringLiteral(
        "^([a-zA-Z_:][a-zA-Z0-9_:]*)(\\{([a-zA-Z_][a-zA-Z0-9_]*=\"([^\"\\\\\\n]|\\\\[\\\\\"n])*\""
        "(,[a-zA-Z_][a-zA-Z0-9_]*=\"([^\"\\\\\\n]|\\\\[\\\\\"n])*\")*)?\\})? (\\S+)$"));
    QMap<QString, QString> types;
    QStringList helped, finished;
    QString current;
    if (!text.endsWith('\n'))
        return QStringLiteral("no line feed at the end");
    for (const QByteArray &raw : text.chopped(1).split('\n')) {
        const QString line = QString::fromUtf8(raw);
        QRegularExpressionMatch m;
        QString name;
        if ((m = help.match(line)).hasMatch()) {
            name = m.captured(1);
            if (helped.contains(name))
                return QStringLiteral("second HELP: ") + line;
            helped << name;
        } else if ((m = type.match(line)).hasMatch()) {
            name = m.captured(1);
            if (types.contains(name))
                return QStringLiteral("second TYPE: ") + line;
            types[name] = m.captured(2);
            if (m.captured(2) == QLatin1String("counter") &&
                !name.endsWith(QLatin1String("_total")))
                return QStringLiteral("counter without _total: ") + line;
        } else if ((m = sample.match(line)).hasMatch()) {
            name = m.captured(1);
            bool number = false;
            m.captured(m.lastCapturedIndex()).toDouble(&number);
            if (!number)
                return QStringLiteral("no number: ") + line;
            if (!types.contains(name) || !helped.contains(name))
                return QStringLiteral("sample before its HELP and TYPE: ") + line;
        } else {
            return QStringLiteral("not a line of the format: ") + line;
        }
        if (name != current) {
            if (finished.contains(name))
                return QStringLiteral("family interleaved: ") + line;
            finished << current;
            current = name;
        }
    }
    return {};
}

// The members of the zip archive at `path` by name, as the standard unzip
// reads them after testing every member's CRC; an entry "!" says what is
// wrong.
QMap<QString, QByteArray> unzip(const QString &path)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("unzip"));
    if (tool.isEmpty())
        return {{QStringLiteral("!"), "no unzip (the test command installs it)"}};
    const auto unzipped = [&](const QStringList &arguments) {
        QProcess process;
        process.start(tool, arguments);
        process.waitForFinished(30000);
        return std::pair{process.exitCode(), process.readAllStandardOutput()};
    };
    if (const auto [code, said] = unzipped({"-tq", path}); code != 0)
        return {{QStringLiteral("!"), said}};
    QMap<QString, QByteArray> members;
    for (const QByteArray &name : unzipped({"-Z1", path}).second.trimmed().split('\n'))
        members[QString::fromUtf8(name)] = unzipped({"-p", path, QString::fromUtf8(name)}).second;
    return members;
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QProcess daemon;
    bool restartedFromDemo = false;

    // Runs a tool with the daemon's socket directory; its exit code and
    // output.
    std::pair<int, QByteArray> run(const char *program, const QStringList &arguments,
                                   QProcess::ProcessChannelMode channels = QProcess::MergedChannels)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("VELMORA_EMULATOR_DIR"), dir.path());
        environment.insert(QStringLiteral("TMPDIR"), dir.path()); // where --smart logs
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(channels);
        process.start(QString::fromLatin1(program), arguments);
        if (!process.waitForFinished(60000))
            return {-1, process.readAll()};
        return {process.exitCode(), process.readAll()};
    }
    // The standard output alone, parsed as JSON.
    std::pair<int, QJsonObject> runJson(const QStringList &arguments)
    {
        const auto [code, output] = run(VELMORA_CLI_BINARY, arguments, QProcess::SeparateChannels);
        return {code, QJsonDocument::fromJson(output).object()};
    }
    bool control(const QString &command)
    {
        return run(KVEMU_BINARY,
                   QStringList{"ctl", "--socket-dir", dir.path()} + command.split(' '))
                   .first == 0;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        daemon.setProgram(QStringLiteral(KVEMU_BINARY));
        daemon.setArguments({"serve", "--socket-dir", dir.path(), "--demo", "--foreground"});
        daemon.setProcessChannelMode(QProcess::MergedChannels);
        daemon.start();
        QVERIFY(daemon.waitForStarted(10000));
        QByteArray said;
        while (!said.contains("serving") && daemon.waitForReadyRead(20000))
            said += daemon.readAll();
        QVERIFY2(said.contains("serving"), said.constData());
    }
    void cleanupTestCase()
    {
        if (daemon.state() != QProcess::NotRunning) {
            ::kill(pid_t(daemon.processId()), SIGKILL);
            daemon.waitForFinished(10000);
        }
    }

    void failures_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("says");
        QTest::addRow("dump") << "" << QStringList{"--dump"} << 0 << QByteArray("BufferSize: ");
        QTest::addRow("dump without an answer")
            << "fault fail 100000" << QStringList{"--dump"} << 1 << QByteArray("dump failed");
        QTest::addRow("counts without an answer")
            << "fault fail 100000" << QStringList{} << 1 << QByteArray("could not be read");
        QTest::addRow("bundle without an answer")
            << "fault fail 100000" << QStringList{"--bundle"} << 1 << QByteArray("not answering");
        QTest::addRow("smart without an answer")
            << "fault fail 100000" << QStringList{"--smart", "3"} << 1
            << QByteArray("not answering");
        QTest::addRow("driver refuses the delete")
            << "fault refuse 3" << QStringList{"--delete", "3"} << 1
            << QByteArray("driver refused with status 40");
        QTest::addRow("rule refuses the delete")
            << "" << QStringList{"--delete", "1"} << 1 << QByteArray("nothing was sent");
        // --health's exit status, as a monitoring system reads it (the rows
        // that fail disks come last, in healthAsDisksFail).
        QTest::addRow("health") << "" << QStringList{"--health"} << 0
                                << QByteArray("All 5 arrays are healthy");
        QTest::addRow("health without an answer")
            << "fault fail 100000" << QStringList{"--health"} << 2
            << QByteArray("The RAID driver is not answering");
    }
    void failures()
    {
        QFETCH(QString, fault);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, says);
        QVERIFY(control(QStringLiteral("fault clear")));
        if (!fault.isEmpty())
            QVERIFY(control(fault));
        const auto [code, output] = run(VELMORA_CLI_BINARY, arguments);
        QVERIFY(control(QStringLiteral("fault clear")));
        QVERIFY2(output.contains(says), output.constData());
        QCOMPARE(code, exitCode);
    }

    // Each row: the command, then "path:type" of what its answer holds; a
    // path goes through objects by key and arrays by index.
    void jsonSchema_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("fields");
        QTest::addRow("status") << QStringList{"status", "--json"}
                                << QStringList{"schema:n",       "console_version:s",
                                               "computer:s",     "driver_versions:o",
                                               "arrays:a",       "disks.0.smart.healthy:b",
                                               "global_spares:a"};
        QTest::addRow("arrays") << QStringList{"arrays", "--json"}
                                << QStringList{"arrays.0.id:n",
                                               "arrays.0.name:s",
                                               "arrays.0.level:s",
                                               "arrays.0.state:s",
                                               "arrays.0.capacity_bytes:n",
                                               "arrays.0.members.0.disk:n",
                                               "arrays.0.members.0.location:s",
                                               "arrays.0.members.0.state:s",
                                               "arrays.0.members.0.ok:b",
                                               "arrays.0.task:0",
                                               "arrays.1.dedicated_spares.0:n",
                                               "arrays.0.drive_letters.0:s",
                                               "arrays.0.system:b"};
        QTest::addRow("disks") << QStringList{"disks", "--json"}
                               << QStringList{"disks.0.id:n",
                                              "disks.0.location:s",
                                              "disks.0.model:s",
                                              "disks.0.serial:s",
                                              "disks.0.firmware:s",
                                              "disks.0.capacity_bytes:n",
                                              "disks.0.state:s",
                                              "disks.0.global_spare:b",
                                              "disks.0.smart.available:b",
                                              "disks.0.smart.temperature_celsius:n",
                                              "disks.0.smart.power_on_hours:n"};
        QTest::addRow("events") << QStringList{"events", "--since", "1", "--json"}
                                << QStringList{"events.0.sequence:n", "events.0.code:n",
                                               "events.0.severity:s", "events.0.text:s",
                                               "next_sequence:n"};
        QTest::addRow("smart by location")
            << QStringList{"smart", "0 2", "--json"}
            << QStringList{"disk.id:n", "disk.location:s", "disk.smart.power_on_hours:n"};
    }
    void jsonSchema()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, fields);
        const auto [code, answer] = runJson(arguments);
        QCOMPARE(code, 0);
        for (const QString &field : fields) {
            const QString path = field.section(u':', 0, -2);
            QJsonValue value = answer;
            for (const QString &step : path.split(u'.')) {
                bool index = false;
                const int position = step.toInt(&index);
                value = index ? value.toArray().at(position) : value.toObject().value(step);
            }
            const QChar type = field.back();
            const bool right = type == u'n'   ? value.isDouble()
                               : type == u's' ? value.isString() && !value.toString().isEmpty()
                               : type == u'b' ? value.isBool()
                               : type == u'a' ? value.isArray()
                               : type == u'o' ? value.isObject()
                                              : value.isNull();
            QVERIFY2(right, qPrintable(field + QStringLiteral(" in ") +
                                       QString::fromUtf8(QJsonDocument(answer).toJson())));
        }
    }

    void errors_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("says");
        QTest::addRow("unknown command")
            << "" << QStringList{"frobnicate"} << 2 << QByteArray("unknown command \"frobnicate\"");
        QTest::addRow("unknown option") << "" << QStringList{"arrays", "--colour"} << 2
                                        << QByteArray("unknown option --colour");
        QTest::addRow("missing argument")
            << "" << QStringList{"smart"} << 2 << QByteArray("missing argument");
        QTest::addRow("not a number") << "" << QStringList{"events", "--since", "soon"} << 2
                                      << QByteArray("--since takes an event number");
        QTest::addRow("no such disk, JSON")
            << "" << QStringList{"smart", "99", "--json"} << 3
            << QByteArray(R"({"error":{"kind":"not-found","message":"there is no disk 99"}})");
        QTest::addRow("no disk at a location") << "" << QStringList{"spare", "add", "7:7"} << 3
                                               << QByteArray("no disk at controller 7 channel 7");
        QTest::addRow("no such array")
            << "" << QStringList{"delete", "42", "--yes"} << 3 << QByteArray("no array 42");
        QTest::addRow("driver not answering, JSON")
            << "fault fail 100000" << QStringList{"disks", "--json"} << 1
            << QByteArray(R"({"error":{"kind":"driver-unreachable",)");
        QTest::addRow("create on used disks says why")
            << "" << QStringList{"create", "RAID5", "1", "2", "3"} << 1
            << QByteArray("disk 2 (0 1) is a member of array 1 \"System\"");
        QTest::addRow("delete of the system array")
            << "" << QStringList{"delete", "1", "--yes"} << 1 << QByteArray("holds the system");
        QTest::addRow("delete unconfirmed without a terminal")
            << "" << QStringList{"delete", "3"} << 4 << QByteArray("add --yes");
        QTest::addRow("metrics into no directory")
            << "" << QStringList{"metrics", "--textfile", "absent"} << 1
            << QByteArray("absent is not a directory");
    }
    void errors()
    {
        QFETCH(QString, fault);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, says);
        QVERIFY(control(QStringLiteral("fault clear")));
        if (!fault.isEmpty())
            QVERIFY(control(fault));
        const auto [code, output] = run(VELMORA_CLI_BINARY, arguments);
        QVERIFY(control(QStringLiteral("fault clear")));
        QVERIFY2(output.contains(says), output.constData());
        // One line (the core's own diagnostics aside).
        QCOMPARE(output.count("velmora-cli: ") + output.count("{\"error\""), 1);
        QCOMPARE(code, exitCode);
        QVERIFY(!QFile::exists(QStringLiteral("absent")));
    }

    // A new array named with a backslash shows its escaping too; the
    // textfile holds what the collector reads.
    void metrics()
    {
        QCOMPARE(run(VELMORA_CLI_BINARY, {"create", "RAIDABLE", "1 2", "--name", "x\\y"}).first, 0);
        const QString folder = dir.filePath(QStringLiteral("textfiles"));
        QVERIFY(QDir().mkpath(folder));
        const auto [code, output] =
            run(VELMORA_CLI_BINARY, {"metrics", "--textfile", folder}, QProcess::SeparateChannels);
        QCOMPARE(code, 0);
        QVERIFY(output.isEmpty());
        QFile file(folder + QStringLiteral("/velmora.prom"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        const QString faults = expositionFaults(text);
        QVERIFY2(faults.isEmpty(), qPrintable(faults));
        QVERIFY(text.contains("velmora_driver_up 1\n"));
        QVERIFY(text.contains(R"(velmora_array_info{array="6",name="x\\y",level="RAIDABLE"} 1)"));
        QVERIFY(text.contains(R"(velmora_disk_temperature_celsius{disk="3",location="0 2"} )"));
        QVERIFY(text.contains(R"(velmora_io_requests_total{layer="core"} )"));
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"velmora.prom"});
        const QString promtool = QStandardPaths::findExecutable(QStringLiteral("promtool"));
        if (!promtool.isEmpty()) {
            QProcess check;
            check.start(promtool, {"check", "metrics"});
            check.write(text);
            check.closeWriteChannel();
            QVERIFY(check.waitForFinished(30000));
            QCOMPARE(check.exitCode(), 0);
        }
    }

    void supportBundle()
    {
        const QString path = dir.filePath(QStringLiteral("bundle.zip"));
        const auto [code, output] = run(VELMORA_CLI_BINARY, {"support-bundle", path});
        QVERIFY2(code == 0, output.constData());
        const QMap<QString, QByteArray> members = unzip(path);
        QVERIFY2(!members.contains(QStringLiteral("!")), members.value(QStringLiteral("!")));
        const QByteArray readme = members.value(QStringLiteral("README.txt"));
        for (const char *name : {"versions.txt", "configuration.json", "configuration-dump.txt",
                                 "driver-events.txt", "smart.txt"}) {
            QVERIFY2(members.contains(QLatin1String(name)), name);
            QVERIFY2(readme.contains(name), name);
        }
        QVERIFY(members.value(QStringLiteral("versions.txt")).contains("kvraid.sys: "));
        QCOMPARE(QJsonDocument::fromJson(members.value(QStringLiteral("configuration.json")))
                     .object()
                     .value(QStringLiteral("arrays"))
                     .toArray()
                     .size(),
                 6);
        QVERIFY(members.value(QStringLiteral("smart.txt")).contains("==== Disk 14 (2 1)"));
    }

    // The README's alert: velmora_array_degraded of the System mirror turns
    // 1 when one of its disks fails. Last: it changes the demo.
    void degradedArrayAlert()
    {
        const auto degraded = [this] {
            const QByteArray text =
                run(VELMORA_CLI_BINARY, {"metrics"}, QProcess::SeparateChannels).second;
            const QByteArray series = R"(velmora_array_degraded{array="1",name="System"} )";
            const qsizetype at = text.indexOf(series);
            return at < 0 ? QByteArray("absent") : text.mid(at + series.size(), 1);
        };
        QCOMPARE(degraded(), QByteArray("0"));
        QVERIFY(control(QStringLiteral("fail 1")));
        QCOMPARE(degraded(), QByteArray("1"));
    }

    // Last: the health line as disks fail, on the demo as it starts (the
    // alert above failed a disk already); the rows change it for good.
    void healthAsDisksFail_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("says");
        QTest::addRow("health degraded")
            << "fail 1" << 1 << QByteArray("Array 1 System is critical: rebuilding");
        QTest::addRow("health failing")
            << "fail 9" << 2 << QByteArray("Array 3 Scratch is offline (and 1 more)");
    }
    void healthAsDisksFail()
    {
        QFETCH(QString, fault);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, says);
        if (!restartedFromDemo) {
            cleanupTestCase();
            for (const QString &name : QDir(dir.path()).entryList(QDir::Files))
                QFile::remove(dir.filePath(name));
            initTestCase();
            restartedFromDemo = true;
        }
        QVERIFY(control(fault));
        const auto [code, output] = run(VELMORA_CLI_BINARY, {"--health"});
        QVERIFY2(output.contains(says), output.constData());
        QCOMPARE(code, exitCode);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
