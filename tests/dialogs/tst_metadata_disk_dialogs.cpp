// The initialize-disks and clear-metadata dialogs: which disks each lists on
// the demo configuration, their selection rules, and both commands carried
// out against the in-process emulator.
#include "clear_metadata_dialog.h"
#include "dialog_fixture.h"
#include "init_disks_dialog.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>

namespace {

QTreeWidget *diskList(QDialog &dialog)
{
    return dialog.findChild<QTreeWidget *>(QStringLiteral("diskListTree"));
}

QPushButton *button(QDialog &dialog, const char *name)
{
    return dialog.findChild<QPushButton *>(QString::fromLatin1(name));
}

// "location type" of every row, in display order.
QStringList rows(QDialog &dialog)
{
    QStringList texts;
    QTreeWidget *list = diskList(dialog);
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts << list->topLevelItem(i)->text(0) + u' ' + list->topLevelItem(i)->text(2);
    return texts;
}

QStringList checkedRows(QDialog &dialog)
{
    QStringList texts;
    QTreeWidget *list = diskList(dialog);
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->checkState(0) == Qt::Checked)
            texts << list->topLevelItem(i)->text(0);
    }
    return texts;
}

void check(QDialog &dialog, const QStringList &locations, Qt::CheckState state = Qt::Checked)
{
    for (const QString &location : locations) {
        const auto found = diskList(dialog)->findItems(location, Qt::MatchExactly, 0);
        QVERIFY(!found.isEmpty());
        found.first()->setCheckState(0, state);
    }
}

QString diskType(int diskId)
{
    KV_RaidApi api;
    const KV_DiskRec *disk = api.GetDisk(api.FindDiskIndex(diskId));
    return disk ? QString::fromLatin1(disk->type) : QString();
}

} // namespace

class TestMetadataDiskDialogs : public QObject {
    Q_OBJECT
    DialogFixture f;

private slots:
    void initTestCase() { f.setUpOnce(); }
    void init() { f.setUp(); }
    void cleanupTestCase() { f.tearDownOnce(); }

    // Disk 0 2 of the parity array has failed and its dedicated spare 0 6
    // rebuilds in its place; the healthy members (0 3 to 0 6) appear in
    // neither list, nor do the mirror's, the stripe's or the pass-through
    // disk's. The global spare is only cleared, the new disk and the legacy
    // disk only initialized.
    void listsOfTheDemo()
    {
        QVERIFY(f.control("fail 3"));
        KV_initDisksDialog init(nullptr);
        QCOMPARE(rows(init),
                 (QStringList{QStringLiteral("0 2 Disk"), QStringLiteral("1 2 Disk"),
                              QStringLiteral("1 3 New"), QStringLiteral("2 0 Legacy")}));
        KV_ClearMetadataDialog clear(nullptr);
        QCOMPARE(rows(clear), (QStringList{QStringLiteral("0 2 Disk"), QStringLiteral("0 7 Disk"),
                                           QStringLiteral("1 2 Disk")}));
    }

    void selections()
    {
        KV_initDisksDialog init(nullptr);
        QVERIFY(!button(init, "initSelectedButton")->isEnabled());
        QVERIFY(button(init, "selectUnInitButton")->isEnabled());
        check(init, {QStringLiteral("1 2")});
        QTest::mouseClick(button(init, "selectUnInitButton"), Qt::LeftButton);
        QCOMPARE(checkedRows(init), QStringList{QStringLiteral("1 3")});
        QVERIFY(button(init, "initSelectedButton")->isEnabled());
        check(init, {QStringLiteral("1 3")}, Qt::Unchecked);
        QVERIFY(!button(init, "initSelectedButton")->isEnabled());

        QVERIFY(f.control("fail 3"));
        KV_ClearMetadataDialog clear(nullptr);
        check(clear, {QStringLiteral("1 2")});
        QVERIFY(button(clear, "clearMetaButton")->isEnabled());
        check(clear, {QStringLiteral("0 2")}); // still a member of its array
        QVERIFY(!button(clear, "clearMetaButton")->isEnabled());
    }

    void initializesANewDisk()
    {
        KV_initDisksDialog init(nullptr);
        QSignalSpy accepted(&init, &QDialog::accepted);
        QTest::mouseClick(button(init, "selectUnInitButton"), Qt::LeftButton);
        QCOMPARE(init.getInitParameters().count, 1);
        QCOMPARE(init.getInitParameters().diskIds[0], 12);
        QTest::mouseClick(button(init, "initSelectedButton"), Qt::LeftButton);
        QCOMPARE(accepted.size(), 1);
        QCOMPARE(diskType(12), QStringLiteral("Disk"));
    }

    void clearsAFreeDisk()
    {
        KV_ClearMetadataDialog clear(nullptr);
        QSignalSpy accepted(&clear, &QDialog::accepted);
        check(clear, {QStringLiteral("1 2")});
        QTest::mouseClick(button(clear, "clearMetaButton"), Qt::LeftButton);
        QCOMPARE(accepted.size(), 1);
        QCOMPARE(diskType(11), QStringLiteral("Unknown"));
    }

    // Another disk took the checked one's place: nothing is written to it.
    void diskReplacedMeanwhile()
    {
        KV_initDisksDialog init(nullptr);
        check(init, {QStringLiteral("1 3")});
        QVERIFY(f.control("remove 12"));
        QVERIFY(f.control("insert new 1 3 500"));
        QTest::mouseClick(button(init, "initSelectedButton"), Qt::LeftButton);
        QCOMPARE(f.shown.size(), 1);
        QVERIFY(f.shown[0].text.startsWith(QStringLiteral("Disk 1 3 is no longer present")));
        QCOMPARE(diskType(KV_RaidApi().FindDiskIdByLocation(1, 3)), QStringLiteral("Unknown"));
    }
};

QTEST_MAIN(TestMetadataDiskDialogs)
#include "tst_metadata_disk_dialogs.moc"
