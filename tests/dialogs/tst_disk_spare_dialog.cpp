// A disk's options: what is offered for each kind of disk, and what OK does
// against the in-process emulator.
#include "dialog_fixture.h"
#include "disk_spare_dialog.h"

#include <QPushButton>
#include <QRadioButton>

namespace {

const QStringList Choices = {QStringLiteral("assignDedSpare"), QStringLiteral("assignGlobSpare"),
                             QStringLiteral("identDisk"), QStringLiteral("removeDiskBtn")};

QRadioButton *choice(KV_diskSpareDialog &dialog, const QString &name)
{
    return dialog.findChild<QRadioButton *>(name);
}

QStringList enabledChoices(KV_diskSpareDialog &dialog)
{
    QStringList enabled;
    for (const QString &name : Choices) {
        if (choice(dialog, name)->isEnabled())
            enabled << name + u'=' + choice(dialog, name)->text();
    }
    return enabled;
}

// Demo disks by their location on the controllers.
std::unique_ptr<KV_diskSpareDialog> optionsOf(int diskId, const char *label, int arrayId)
{
    return std::make_unique<KV_diskSpareDialog>(QString::fromLatin1(label), QStringLiteral("Model"),
                                                diskId, arrayId, nullptr);
}

void ok(KV_diskSpareDialog &dialog, const char *choiceName)
{
    choice(dialog, QString::fromLatin1(choiceName))->setChecked(true);
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("okButton")), Qt::LeftButton);
}

} // namespace

class TestDiskSpareDialog : public QObject {
    Q_OBJECT
    DialogFixture f;

private slots:
    void initTestCase() { f.setUpOnce(); }
    void init() { f.setUp(); }
    void cleanupTestCase() { f.tearDownOnce(); }

    void offered_data()
    {
        QTest::addColumn<int>("disk");
        QTest::addColumn<int>("array");
        QTest::addColumn<bool>("arrayBusy");
        QTest::addColumn<QStringList>("enabled");
        const QString identify = QStringLiteral("identDisk=Identify Disk using LEDs");
        const QString remove = QStringLiteral("removeDiskBtn=Prepare to Remove");
        QTest::addRow("global spare")
            << 8 << 2 << false
            << QStringList{QStringLiteral("assignGlobSpare=Remove as Global Spare"), identify,
                           remove};
        QTest::addRow("dedicated spare of the selected array")
            << 7 << 2 << false
            << QStringList{QStringLiteral("assignDedSpare=Remove as Dedicated Spare"), identify,
                           remove};
        QTest::addRow("dedicated spare, its array checking")
            << 7 << 2 << true << QStringList{identify, remove};
        QTest::addRow("dedicated spare of another array")
            << 7 << 1 << false << QStringList{identify, remove};
        QTest::addRow("free disk, a mirror selected")
            << 11 << 1 << false
            << QStringList{QStringLiteral("assignDedSpare=Assign as Dedicated Spare"),
                           QStringLiteral("assignGlobSpare=Assign as Global Spare"), identify};
        QTest::addRow("free disk, no array selected")
            << 11 << 0 << false
            << QStringList{QStringLiteral("assignGlobSpare=Assign as Global Spare"), identify};
        QTest::addRow("member disk") << 3 << 2 << false << QStringList{identify, remove};
    }
    void offered()
    {
        QFETCH(int, disk);
        QFETCH(int, array);
        QFETCH(bool, arrayBusy);
        QFETCH(QStringList, enabled);
        if (arrayBusy)
            QVERIFY(KV_RaidApi().SetConsistencyCheck(array, true));
        auto dialog = optionsOf(disk, "0 0", array);
        QCOMPARE(enabledChoices(*dialog), enabled);
        for (const QString &name : Choices)
            QVERIFY(!choice(*dialog, name)->isChecked());
    }

    // The NVMe disk joins the SATA mirror only when the user accepts the
    // mix of drive kinds.
    void assignsAndRemovesSpares()
    {
        f.answer = false;
        ok(*optionsOf(11, "1 2", 1), "assignDedSpare");
        QCOMPARE(f.shown.size(), 1);
        QCOMPARE(f.shown[0].title, QStringLiteral("Confirm Spare Assignment"));
        QVERIFY(!KV_RaidApi().DiskIsDedicatedSpare(11));
        f.answer = true;
        ok(*optionsOf(11, "1 2", 1), "assignDedSpare");
        QVERIFY(KV_RaidApi().DiskIsDedicatedSpareOf(1, 11));
        ok(*optionsOf(11, "1 2", 1), "assignDedSpare");
        QVERIFY(!KV_RaidApi().DiskIsDedicatedSpare(11));
        ok(*optionsOf(11, "1 2", 0), "assignGlobSpare");
        QVERIFY(KV_RaidApi().DiskIsGlobalSpare(11));
        ok(*optionsOf(11, "1 2", 0), "assignGlobSpare");
        QVERIFY(!KV_RaidApi().DiskIsGlobalSpare(11));
        QCOMPARE(f.shown.size(), 2);
    }

    // The disk is pulled while its options are open: OK changes nothing and
    // says why.
    void diskGoneMeanwhile()
    {
        auto dialog = optionsOf(11, "1 2", 0);
        dialog->show();
        QVERIFY(f.control("remove 11"));
        ok(*dialog, "assignGlobSpare");
        QCOMPARE(f.shown.size(), 1);
        QCOMPARE(f.shown[0].text, QStringLiteral("Disk 1 2 is no longer present; nothing was "
                                                 "changed."));
        QVERIFY(!dialog->isVisible());
        QVERIFY(f.control("insert S5GXNX0T601234M"));
        QVERIFY(!KV_RaidApi().DiskIsGlobalSpare(11));
    }

    void removal_data()
    {
        QTest::addColumn<int>("disk");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("lastText");
        QTest::addColumn<bool>("staysOpen");
        QTest::addRow("system mirror member")
            << 1 << true
            << QStringLiteral("Model (D) device is part of the system array, removal is not "
                              "supported.")
            << true;
        QTest::addRow("dedicated spare")
            << 7 << true
            << QStringLiteral("Model (D) device is a dedicated spare, removal of a dedicated spare "
                              "is not supported, unassign the device as a dedicated spare and try "
                              "again.")
            << true;
        QTest::addRow("array member")
            << 3 << true
            << QStringLiteral("Model (D) device is part of an array, removal is not supported. "
                              "Please prepare to remove the array this device is included in.")
            << true;
        QTest::addRow("global spare, No")
            << 8 << false
            << QStringLiteral("You are about to remove Model (D), a device that is a Global Spare "
                              "and may be part of an array. Are you sure you want to proceed?")
            << true;
        QTest::addRow("global spare, Yes")
            << 8 << true
            << QStringLiteral("The device was disconnected and can now be physically removed from "
                              "the system.If supported, the LEDs representing the selected device "
                              "are now lit.")
            << false;
    }
    void removal()
    {
        QFETCH(int, disk);
        QFETCH(bool, answer);
        QFETCH(QString, lastText);
        QFETCH(bool, staysOpen);
        f.answer = answer;
        auto dialog = optionsOf(disk, "D", 0);
        dialog->show();
        ok(*dialog, "removeDiskBtn");
        QVERIFY(!f.shown.isEmpty());
        QCOMPARE(f.shown.last().text, lastText);
        QCOMPARE(dialog->isVisible(), staysOpen);
    }
};

QTEST_MAIN(TestDiskSpareDialog)
#include "tst_disk_spare_dialog.moc"
