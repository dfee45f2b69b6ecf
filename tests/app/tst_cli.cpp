// velmora-cli against a demo daemon: a command that did not get its data or
// was refused exits non-zero and says why.
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

class TestCli : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QProcess daemon;

    // Runs a tool with the daemon's socket directory; its exit code and
    // output.
    std::pair<int, QByteArray> run(const char *program, const QStringList &arguments)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("VELMORA_EMULATOR_DIR"), dir.path());
        environment.insert(QStringLiteral("TMPDIR"), dir.path()); // where --smart logs
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QString::fromLatin1(program), arguments);
        if (!process.waitForFinished(60000))
            return {-1, process.readAll()};
        return {process.exitCode(), process.readAll()};
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
        // --health's exit status, as a monitoring system reads it; the last
        // two rows change the model for good.
        QTest::addRow("health") << "" << QStringList{"--health"} << 0
                                << QByteArray("All 5 arrays are healthy");
        QTest::addRow("health without an answer")
            << "fault fail 100000" << QStringList{"--health"} << 2
            << QByteArray("The RAID driver is not answering");
        QTest::addRow("health degraded") << "fail 1" << QStringList{"--health"} << 1
                                         << QByteArray("Array 1 System is critical: rebuilding");
        QTest::addRow("health failing") << "fail 9" << QStringList{"--health"} << 2
                                        << QByteArray("Array 3 Scratch is offline (and 1 more)");
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
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
