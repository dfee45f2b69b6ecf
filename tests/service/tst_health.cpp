// The health verdict over written tables, and the time-left estimator over
// recorded progress series.
#include "kv_health.h"
#include "snapshot_tables.h"

#include <QPointF>
#include <QTest>

namespace {

using Build = void (*)(test::Tables &);

RaidDataBundle bundleOf(test::Tables &tables, bool refreshFailed)
{
    RaidDataBundle bundle;
    KV_SnapshotTables &t = tables.t();
    for (int i = 0; i < t.arrayCount; ++i)
        bundle.arrays.append(&t.arrays[i].config[0]);
    for (int i = 0; i < t.diskCount; ++i)
        bundle.disks.append(&t.disks[i]);
    bundle.refreshFailed = refreshFailed;
    bundle.snapshot = tables.snapshot;
    return bundle;
}

// Array 2 "Data", a mirror of disks 1 and 2 whose disk 1 failed, rebuilding
// onto disk 7 (at 0 7): the new layout first, the old one second.
void rebuildingMirror(test::Tables &t)
{
    for (int d : {1, 2, 7})
        t.disk(d);
    test::set(t.t().disks[1].state, "Offline");
    KV_ArrayConfig &target = t.array(2, "RAID1", {7, 2});
    test::set(target.deviceName, "Data");
    test::set(target.state, "CRITICAL");
    test::set(target.transformType, "RESTORE");
    test::set(target.transformState, "STARTED");
    target.percentComplete = 34.6f;
    KV_ArrayRec &record = t.t().arrays[t.t().arrayCount - 1];
    record.halves = 2;
    record.config[1] = target;
    record.config[1].members[0].deviceRoute = 1;
    test::set(record.config[1].members[0].error, "Fail");
}

} // namespace

Q_DECLARE_METATYPE(Build)

class TestHealth : public QObject {
    Q_OBJECT
private slots:
    void verdict_data()
    {
        QTest::addColumn<Build>("build");
        QTest::addColumn<bool>("refreshFailed");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("arrayId");

        QTest::addRow("healthy") << Build([](test::Tables &t) {
            for (int d : {1, 2, 3, 4})
                t.disk(d);
            test::set(t.array(1, "RAID1", {1, 2}).deviceName, "System");
            test::set(t.array(3, "RAID0", {3, 4}).deviceName, "NONE");
        }) << false << 0 << "All 2 arrays are healthy"
                                 << 0;
        QTest::addRow("one critical with rebuild")
            << Build(rebuildingMirror) << false << 1
            << "Array 2 Data is critical: rebuilding onto disk 0 7, 34 %, about 12 minutes left"
            << 2;
        QTest::addRow("offline plus critical") << Build([](test::Tables &t) {
            for (int d : {1, 2, 3, 4})
                t.disk(d);
            test::set(t.array(1, "RAID1", {1, 2}, "Fail").state, "CRITICAL");
            test::set(t.array(3, "RAID0", {3, 4}).state, "OFFLINE");
        }) << false << 2 << "Array 3 is offline (and 1 more)"
                                               << 3;
        QTest::addRow("lost spare") << Build([](test::Tables &t) {
            for (int d : {3, 4, 5, 6})
                t.disk(d);
            test::set(t.t().disks[4].state, "Offline");
            KV_ArrayConfig &data = t.array(2, "RAID5", {3, 4, 5});
            test::set(data.deviceName, "Data");
            data.linkCount = 1;
            data.links[0] = {KV_ReferenceSpare, 1, 6, 0x5006};
        }) << false << 1 << "Array 2 Data has lost its last spare"
                                    << 2;
        QTest::addRow("spare still there") << Build([](test::Tables &t) {
            for (int d : {3, 4, 5, 6})
                t.disk(d);
            KV_ArrayConfig &data = t.array(2, "RAID5", {3, 4, 5});
            data.linkCount = 1;
            data.links[0] = {KV_ReferenceSpare, 1, 6, 0x5006};
        }) << false << 0 << "The array is healthy"
                                           << 0;
        QTest::addRow("S.M.A.R.T. error") << Build([](test::Tables &t) {
            for (int d : {3, 4})
                t.disk(d);
            test::set(t.t().disks[2].state, "SMART_error");
            t.array(3, "RAID0", {3, 4});
        }) << false << 2 << "Disk 0 4 reports S.M.A.R.T. errors"
                                          << 0;
        QTest::addRow("rebuild one failure from loss")
            << Build([](test::Tables &t) {
                   rebuildingMirror(t);
                   test::set(t.t().disks[2].state, "SMART_Error");
               })
            << false << 2
            << "Array 2 Data is rebuilding while disk 0 2 reports S.M.A.R.T. errors: one more "
               "failure would lose it (and 1 more)"
            << 2;
        QTest::addRow("driver not answering") << Build([](test::Tables &t) {
            t.disk(1);
            t.array(1, "VOLUME", {1});
        }) << true << 2 << "The RAID driver is not answering"
                                              << 0;
    }
    void verdict()
    {
        QFETCH(Build, build);
        QFETCH(bool, refreshFailed);
        QFETCH(QString, line);
        QFETCH(int, level);
        QFETCH(int, arrayId);
        test::Tables tables;
        build(tables);
        const KV_HealthReport report =
            KV_AssessHealth(bundleOf(tables, refreshFailed), {{2, 12 * 60 + 10}});
        QCOMPARE(report.line, line);
        QCOMPARE(int(report.level), level);
        QCOMPARE(report.arrayId, arrayId);
    }

    // The disk list's marks: a failed member, an offline disk, a
    // S.M.A.R.T. error.
    void diskMarks()
    {
        test::Tables tables;
        rebuildingMirror(tables);
        test::set(tables.t().disks[2].state, "SMART_error");
        const KV_HealthReport report = KV_AssessHealth(bundleOf(tables, false));
        QCOMPARE(report.diskFailed.keys(), QList<int>{1});
        QCOMPARE(report.diskSmartError.keys(), QList<int>{2});
    }

    // Samples as (seconds, percent); a negative percent is a paused reading
    // at that progress.
    void estimator_data()
    {
        QTest::addColumn<QList<QPointF>>("samples");
        QTest::addColumn<int>("expected"); // seconds left; -1: no estimate

        auto steady = [](int from, int to, double start, double perSecond) {
            QList<QPointF> s;
            for (int t = from; t <= to; t += 5)
                s.append({double(t), start + (t - from) * perSecond});
            return s;
        };
        QTest::addRow("steady") << steady(0, 120, 0, 1 / 6.0) << 480;
        QTest::addRow("less than a minute seen") << steady(0, 55, 0, 1 / 6.0) << -1;
        QTest::addRow("stalled") << steady(0, 120, 0, 1 / 6.0) + steady(125, 200, 20, 0) << -1;
        QTest::addRow("paused, just resumed")
            << steady(0, 120, 0, 1 / 6.0) + QList<QPointF>{{125, -20}} + steady(130, 170, 20, 0.5)
            << -1;
        QTest::addRow("paused, resumed a minute ago")
            << steady(0, 120, 0, 1 / 6.0) + QList<QPointF>{{125, -20}} + steady(130, 190, 20, 0.5)
            << 100;
        QTest::addRow("restarted at 0") << steady(0, 120, 0, 0.4) + steady(125, 170, 0, 0.4) << -1;
        QTest::addRow("rate changed five minutes ago")
            << steady(0, 300, 0, 0.2) + steady(305, 700, 61, 0.05) << 385;
    }
    void estimator()
    {
        QFETCH(QList<QPointF>, samples);
        QFETCH(int, expected);
        KV_TimeLeftEstimator estimator;
        for (const QPointF &s : samples)
            estimator.addSample(2, QStringLiteral("RESTORE"), s.y() < 0, std::abs(s.y()),
                                qint64(s.x() * 1000) + 1'700'000'000'000);
        const std::optional<qint64> left = estimator.secondsLeft(2);
        if (expected < 0) {
            QVERIFY2(!left, qPrintable(QString::number(left.value_or(0))));
        } else {
            QVERIFY(left);
            QVERIFY2(std::abs(*left - expected) <= 2, qPrintable(QString::number(*left)));
        }
    }

    void timeLeftText_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("text");
        QTest::addRow("seconds") << qint64(59) << "less than a minute left";
        QTest::addRow("one minute") << qint64(80) << "about a minute left";
        QTest::addRow("minutes") << qint64(12 * 60 + 29) << "about 12 minutes left";
        QTest::addRow("hours") << qint64(5 * 3600 + 100) << "about 5 hours left";
    }
    void timeLeftText()
    {
        QFETCH(qint64, seconds);
        QFETCH(QString, text);
        QCOMPARE(KV_TimeLeftText(seconds), text);
    }
};

QTEST_GUILESS_MAIN(TestHealth)
#include "tst_health.moc"
