// The create dialog driven through its widgets, against the in-process
// emulator on the demo configuration; boxes are answered here.
//
// The demo lists disks 3 to 8 (hard disks with free space; 7 is a dedicated
// spare of Data, 8 a global spare: the driver takes neither as a member) and
// 11 (a new NVMe disk).
#include "create_dialog.h"
#include "dialog_driver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The demo with a fourth controller holding `extra` more hard disks.
kvemu::Model demoWithMoreDisks(int extra)
{
    kvemu::Model model = kvemu::demoModel();
    kvemu::Controller more = model.controllers.front();
    more.number = 3;
    more.id += 3;
    more.serial += 3;
    model.controllers.push_back(more);
    for (int i = 0; i < extra; ++i) {
        kvemu::PhysicalDisk disk = model.disks[6];
        disk.id += 0x100 + i;
        disk.deviceRoute = uint16_t(15 + i);
        disk.serial += std::to_string(i);
        disk.controller = 3;
        disk.channel = uint32_t(i);
        model.disks.push_back(disk);
    }
    return model;
}

QString warning(QDialog &dialog)
{
    return widget<QLabel>(dialog, "createWarningLabel")->text();
}

} // namespace

class TestCreateDialog : public QObject {
    Q_OBJECT

    DialogDriver driver_;

private slots:
    void initTestCase() { driver_.initTestCase(); }
    void init() { driver_.init(); }
    void cleanupTestCase() { DialogDriver::cleanupTestCase(); }

    // The rules' verdict on a type, the disks and a typed capacity (none:
    // the capacity follows the maximum).
    void warningLine_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<Disks>("disks");
        QTest::addColumn<QString>("capacity");
        QTest::addColumn<QString>("message");
        QTest::addRow("RAID 5 of three") << 4 << Disks{3, 4, 5} << QString() << QString();
        QTest::addRow("RAID 10 of four") << 3 << Disks{3, 4, 5, 6} << QString() << QString();
        QTest::addRow("no disk") << 0 << Disks{} << QString() << "no disks were selected";
        QTest::addRow("RAID 10 of five") << 3 << Disks{3, 4, 5, 6, 7} << QString()
                                         << "RAID10 must have an even number of 4 to 8 disks";
        QTest::addRow("capacity 99") << 0 << Disks{3} << "99"
                                     << "create size must be at least 100MB";
        QTest::addRow("capacity emptied") << 0 << Disks{3} << ""
                                          << "create size must be at least 100MB";
        QTest::addRow("above the maximum") << 1 << Disks{3, 4} << "99999999"
                                           << "create size exceeds maximum possible size";
    }
    void warningLine()
    {
        QFETCH(int, type);
        QFETCH(Disks, disks);
        QFETCH(QString, capacity);
        QFETCH(QString, message);
        KV_CreateDialog dialog(QSize(24, 24), nullptr);
        widget<QComboBox>(dialog, "arrayTypeSel")->setCurrentIndex(type);
        check(dialog, disks);
        if (!capacity.isNull())
            widget<QLineEdit>(dialog, "currentCapInput")->setText(capacity);
        if (message.isEmpty())
            QCOMPARE(warning(dialog), QString());
        else
            QVERIFY2(warning(dialog).contains(QStringLiteral("Invalid Configuration: ") + message),
                     qPrintable(warning(dialog)));
        QCOMPARE(widget<QPushButton>(dialog, "createButton")->isEnabled(), message.isEmpty());
    }

    // A disk pulled while the dialog is open: the next edit refuses it.
    void diskRemovedMeanwhile()
    {
        KV_CreateDialog dialog(QSize(24, 24), nullptr);
        check(dialog, {3});
        QVERIFY(widget<QPushButton>(dialog, "createButton")->isEnabled());
        QVERIFY(driver_.emulator->control("remove 3").ok);
        widget<QLineEdit>(dialog, "currentCapInput")->setText(QStringLiteral("5000"));
        QVERIFY2(warning(dialog).contains(QStringLiteral("a disk selected not present or valid")),
                 qPrintable(warning(dialog)));
        QVERIFY(!widget<QPushButton>(dialog, "createButton")->isEnabled());
    }

    // The boxes a click leaves enabled: Skip Initialize, Leave Existing
    // Data Intact, Zero Create.
    void optionExclusions_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QList<bool>>("enabled");
        QTest::addRow("zero create")
            << 4 << QStringList{"zeroCreateCheckBox"} << QList<bool>{false, false, true};
        QTest::addRow("zero create undone, RAID 5")
            << 4 << QStringList{"zeroCreateCheckBox", "zeroCreateCheckBox"}
            << QList<bool>{true, true, true};
        QTest::addRow("zero create undone, RAID 0")
            << 1 << QStringList{"zeroCreateCheckBox", "zeroCreateCheckBox"}
            << QList<bool>{false, true, true};
        QTest::addRow("leave data")
            << 4 << QStringList{"leaveDataCheckBox"} << QList<bool>{true, true, false};
        QTest::addRow("skip initialize, then RAID 0")
            << 4 << QStringList{"skipInitCheckBox", "RAID 0"} << QList<bool>{false, true, true};
        QTest::addRow("skip initialize, then leave data undone")
            << 4 << QStringList{"skipInitCheckBox", "leaveDataCheckBox", "leaveDataCheckBox"}
            << QList<bool>{true, true, false};
    }
    void optionExclusions()
    {
        QFETCH(int, type);
        QFETCH(QStringList, clicks);
        QFETCH(QList<bool>, enabled);
        KV_CreateDialog dialog(QSize(24, 24), nullptr);
        widget<QComboBox>(dialog, "arrayTypeSel")->setCurrentIndex(type);
        for (const QString &name : clicks) {
            if (name == QLatin1String("RAID 0")) // a type that takes no Skip Initialize
                widget<QComboBox>(dialog, "arrayTypeSel")->setCurrentIndex(1);
            else
                widget<QCheckBox>(dialog, name.toLatin1().constData())->click();
        }
        const QList<bool> seen{widget<QCheckBox>(dialog, "skipInitCheckBox")->isEnabled(),
                               widget<QCheckBox>(dialog, "leaveDataCheckBox")->isEnabled(),
                               widget<QCheckBox>(dialog, "zeroCreateCheckBox")->isEnabled()};
        QCOMPARE(seen, enabled);
        QVERIFY(!clicks.contains(QStringLiteral("RAID 0")) ||
                !widget<QCheckBox>(dialog, "skipInitCheckBox")->isChecked());
    }

    // The dialog picks the cache option and the tag size by the disks until
    // the user picks them.
    void cacheChoiceUntilUserChange()
    {
        KV_CreateDialog dialog(QSize(24, 24), nullptr);
        auto *cache = widget<QComboBox>(dialog, "cacheTypeSel");
        auto *tagSize = widget<QComboBox>(dialog, "ctsSel");
        tagSize->setCurrentIndex(2);
        check(dialog, {11});
        QCOMPARE(cache->currentIndex(), 3); // No Cache for NVMe only
        check(dialog, {3});
        QCOMPARE(cache->currentIndex(), 0); // Read + Write Back Cache
        QCOMPARE(tagSize->currentIndex(), 2);
        cache->setCurrentIndex(1);
        check(dialog, {11});
        QCOMPARE(cache->currentIndex(), 1);
    }

    void capacityFollowsMaximum()
    {
        KV_CreateDialog dialog(QSize(24, 24), nullptr);
        auto *capacity = widget<QLineEdit>(dialog, "currentCapInput");
        auto *maximum = widget<QLineEdit>(dialog, "maxCapInput");
        check(dialog, {3});
        const QString one = maximum->text();
        QVERIFY(one.toInt() > 100);
        QCOMPARE(capacity->text(), one);
        check(dialog, {3, 4});
        QVERIFY(maximum->text().toInt() > one.toInt());
        QCOMPARE(capacity->text(), maximum->text());
        capacity->setText(QStringLiteral("5000"));
        check(dialog, {3, 4, 5});
        QCOMPARE(capacity->text(), QStringLiteral("5000"));
        QVERIFY(maximum->text().toInt() > 5000);
        widget<QPushButton>(dialog, "setMaxCapButton")->click();
        QCOMPARE(capacity->text(), maximum->text());
    }

    void organizedAs_data()
    {
        QTest::addColumn<int>("disks");
        QTest::addColumn<QString>("shown");
        QTest::addRow("4") << 4 << "2x2";
        QTest::addRow("5") << 5 << "";
        QTest::addRow("8") << 8 << "4x2";
    }
    void organizedAs()
    {
        QFETCH(int, disks);
        QFETCH(QString, shown);
        driver_.start(demoWithMoreDisks(4));
        KV_CreateDialog dialog(QSize(24, 24), nullptr);
        widget<QComboBox>(dialog, "arrayTypeSel")->setCurrentIndex(3);
        const Disks candidates{3, 4, 5, 6, 15, 16, 17, 18};
        check(dialog, candidates.mid(0, disks));
        QCOMPARE(widget<QComboBox>(dialog, "orgAsSel")->currentText(), shown);
        QCOMPARE(widget<QPushButton>(dialog, "createButton")->isEnabled(), disks % 2 == 0);
        // The preview pairs the members.
        QTreeWidgetItem *top = widget<QTreeWidget>(dialog, "createArrayView")->topLevelItem(0);
        QVERIFY(top);
        if (disks % 2 == 0) {
            QCOMPARE(top->child(0)->text(0), QStringLiteral("RAID10"));
            QCOMPARE(top->child(0)->childCount(), disks / 2);
            QCOMPARE(top->child(0)->child(0)->childCount(), 2);
        }
    }

    // Create: the confirmations and the name check, then the array.
    void create_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<Disks>("disks");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<bool>("created");
        QTest::addRow("RAID 5") << 4 << Disks{3, 4, 5} << "Bulk" << QList<bool>{} << QStringList{}
                                << true;
        QTest::addRow("bad name") << 4 << Disks{3, 4, 5} << "A-B" << QList<bool>{}
                                  << QStringList{"Velmora Create"} << false;
        QTest::addRow("taken name") << 4 << Disks{3, 4, 5} << "Data" << QList<bool>{}
                                    << QStringList{"Velmora Create"} << false;
        QTest::addRow("mixing refused") << 1 << Disks{3, 11} << "" << QList<bool>{false}
                                        << QStringList{"Confirm Create"} << false;
        QTest::addRow("mixing accepted") << 1 << Disks{3, 11} << "Mixed" << QList<bool>{true}
                                         << QStringList{"Confirm Create"} << true;
    }
    void create()
    {
        QFETCH(int, type);
        QFETCH(Disks, disks);
        QFETCH(QString, name);
        QFETCH(QList<bool>, answers);
        QFETCH(QStringList, boxes);
        QFETCH(bool, created);
        KV_CreateDialog dialog(QSize(24, 24), nullptr);
        widget<QComboBox>(dialog, "arrayTypeSel")->setCurrentIndex(type);
        widget<QLineEdit>(dialog, "arrayNameInput")->setText(name);
        check(dialog, disks);
        driver_.answers = answers;
        widget<QPushButton>(dialog, "createButton")->click();
        QCOMPARE(driver_.titles(), boxes);
        QCOMPARE(dialog.result() == QDialog::Accepted, created);
        using Layout = std::pair<QString, Disks>;
        const Layout expected{type == 4 ? QStringLiteral("RAID5") : QStringLiteral("RAID0"), disks};
        QCOMPARE(layoutOf(6), created ? expected : Layout());
        if (created) {
            KV_RaidApi api;
            QCOMPARE(QString::fromLatin1(api.FindArrayConfig(6, true)->deviceName), name);
        }
    }

    // With no disk that has room, the dialog says so and lists nothing.
    void noFreeSpace()
    {
        kvemu::Model model = kvemu::demoModel();
        for (kvemu::PhysicalDisk &disk : model.disks)
            disk.type = kvemu::rec::DiskTypeLegacy;
        driver_.start(model);
        KV_CreateDialog dialog(QSize(24, 24), nullptr);
        QCOMPARE(driver_.shown.size(), 1);
        QVERIFY(driver_.shown[0].text.startsWith(QStringLiteral("No disks with free space")));
        QCOMPARE(widget<QTreeWidget>(dialog, "diskList")->topLevelItemCount(), 0);
    }
};

QTEST_MAIN(TestCreateDialog)
#include "tst_create_dialog.moc"
