// The event log file: its exact shape, appends, the mending of a file whose
// append was cut short, and a writer killed at random moments.
#include "event_log_file.h"
#include "event_log_samples.h"

#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <thread>

namespace {

QList<KV_LoggedEvent> Samples(quint32 first, int count)
{
    QList<KV_LoggedEvent> entries;
    for (int i = 0; i < count; ++i)
        entries.append(KV_SampleLoggedEvent(first + quint32(i)));
    return entries;
}

QByteArray Content(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void SetContent(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

} // namespace

class TestEventLogFile : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir_.isValid()); }
    void cleanup() { QFile::remove(path()); }

    // A new file, then an append that overwrites the closing tag.
    void writeAndAppend()
    {
        KV_EventLogFile log(dir_.filePath(QStringLiteral("sub/EventsLog.xml")));
        QVERIFY(log.append(
            {{5, QStringLiteral("1/02/2026 3:04:05 PM  "), 1039, QStringLiteral("a<b")}}));
        QCOMPARE(Content(log.path()),
                 QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                   "<Logs>\n"
                                   "  <LogEntry>\n"
                                   "    <LogNumber>5</LogNumber>\n"
                                   "    <LogTime>1/02/2026 3:04:05 PM  </LogTime>\n"
                                   "    <Code>1039</Code>\n"
                                   "    <Text>a&lt;b</Text>\n"
                                   "  </LogEntry>\n"
                                   "</Logs>\n"));
        QVERIFY(log.append(Samples(6, 2)));
        QVERIFY(Content(log.path()).endsWith("</LogEntry>\n</Logs>"));
        const QList<KV_LoggedEvent> read = log.restore();
        QCOMPARE(read.size(), 3);
        QCOMPARE(read[0].time, QStringLiteral("1/02/2026 3:04:05 PM  "));
        QCOMPARE(read.mid(1), Samples(6, 2));
        QFile::remove(log.path());
    }

    // A line of just "<" is dropped and the times are read again.
    void strayLine()
    {
        KV_EventLogFile log(path());
        QVERIFY(log.append(Samples(1, 1)));
        QVERIFY(log.append(Samples(2, 1)));
        QByteArray content = Content(path());
        content.insert(content.indexOf("<LogEntry>", 60), "<\n");
        SetContent(path(), content);
        QCOMPARE(log.restore(), Samples(1, 2));
        QVERIFY(!Content(path()).contains("\n<\n"));
    }

    // An append cut short after any number of its bytes: the entries that
    // were complete before it are all read, and the file appends again.
    void cutShortAppend()
    {
        KV_EventLogFile log(path());
        QVERIFY(log.append(Samples(1, 2)));
        const QByteArray before = Content(path());
        QVERIFY(log.append(Samples(3, 2)));
        const QByteArray after = Content(path());
        const qsizetype start = before.lastIndexOf("</Logs>");
        for (qsizetype cut = start; cut < after.size(); cut += 5) {
            SetContent(path(), after.left(cut) + before.mid(cut));
            const QList<KV_LoggedEvent> read = log.restore();
            QVERIFY2(read.size() >= 2 && read.mid(0, 2) == Samples(1, 2),
                     qPrintable(QString::number(cut)));
            QVERIFY(read == Samples(1, read.size()));
            QVERIFY(log.append(Samples(9, 1)));
            QCOMPARE(log.read().size(), read.size() + 1);
        }
    }

    // A writer killed with SIGKILL at random moments: every entry whose
    // append had returned is read after the next start. At least 200 kills,
    // and on until 5 of them have cut an append short.
    void killedWriter()
    {
        KV_EventLogFile log(path());
        QSet<quint32> finished;
        int mended = 0;
        int round = 0;
        for (; round < 200 || (mended < 5 && round < 2000); ++round) {
            if (round % 2 == 0) { // keep the file small enough to read quickly
                QFile::remove(path());
                finished.clear();
            }
            QProcess writer;
            writer.start(QStringLiteral(EVENT_LOG_APPENDER),
                         {path(), QString::number(round * 1000000 + 1)});
            QVERIFY(writer.waitForStarted(30000));
            QVERIFY(writer.waitForReadyRead(30000));
            // The kill lands at a random moment of one append: the time of
            // the last one measured, so that a slow build (sanitizers) cuts
            // appends as often as a fast one.
            QElapsedTimer pace;
            pace.start();
            QVERIFY(writer.waitForReadyRead(30000));
            const qint64 append = std::max<qint64>(pace.nsecsElapsed() / 1000, 1);
            std::this_thread::sleep_for(
                std::chrono::microseconds(QRandomGenerator::global()->bounded(append)));
            writer.kill();
            QVERIFY(writer.waitForFinished(30000));
            for (const QByteArray &line : writer.readAllStandardOutput().split('\n'))
                if (!line.isEmpty())
                    finished.insert(line.toUInt());

            QDomDocument document;
            if (!document.setContent(Content(path())))
                ++mended;
            const QList<KV_LoggedEvent> read = log.restore();
            QSet<quint32> restored;
            for (const KV_LoggedEvent &entry : read) {
                if (entry != KV_SampleLoggedEvent(entry.number) || restored.contains(entry.number))
                    QFAIL(qPrintable(QStringLiteral("round %1: entry %2 altered or twice")
                                         .arg(round)
                                         .arg(entry.number)));
                restored.insert(entry.number);
            }
            if (!restored.contains(finished))
                QFAIL(qPrintable(QStringLiteral("round %1 lost a finished entry").arg(round)));
        }
        qDebug() << mended << "of" << round << "kills left a file to mend";
        QVERIFY(mended >= 5);
    }

private:
    QString path() const { return dir_.filePath(QStringLiteral("EventsLog.xml")); }

    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(TestEventLogFile)
#include "tst_event_log_file.moc"
