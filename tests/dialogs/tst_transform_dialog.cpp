// The transform dialog driven through its widgets, against the in-process
// emulator on the demo configuration; boxes are answered here.
//
// Scratch (array 3) stripes the NVMe disks 9 and 10, which have no free
// space left; disk 11 is a new NVMe disk and disks 3 to 6 are hard disks
// with room, members of Data (array 2) and announced before removal
// (informed hot swap).
#include "dialog_driver.h"
#include "transform_dialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int Scratch = 3;

QString warning(QDialog &dialog)
{
    return widget<QLabel>(dialog, "transformWarningLabel")->text();
}

} // namespace

class TestTransformDialog : public QObject {
    Q_OBJECT

    DialogDriver driver_;

private slots:
    void initTestCase() { driver_.initTestCase(); }
    void init() { driver_.init(); }
    void cleanupTestCase() { DialogDriver::cleanupTestCase(); }

    // The source's size in both fields, nothing checked, Commit disabled;
    // the full members of the source listed; Same reproduces the source.
    void opensOnTheSource()
    {
        KV_TransformDialog dialog(Scratch, QSize(24, 24), nullptr);
        const QString size = widget<QLineEdit>(dialog, "currentCapInput")->text();
        QVERIFY(size.toInt() > 1000);
        QCOMPARE(widget<QLineEdit>(dialog, "capInput")->text(), size);
        QVERIFY(checked(dialog).isEmpty());
        QVERIFY(!widget<QPushButton>(dialog, "commitButton")->isEnabled());

        widget<QPushButton>(dialog, "sameButton")->click();
        QCOMPARE(checked(dialog), (Disks{9, 10}));
        QCOMPARE(widget<QComboBox>(dialog, "arrayTypeSel")->currentIndex(), 1);
        QCOMPARE(widget<QLineEdit>(dialog, "capInput")->text(), size);
    }

    // The rules' verdict on a type, the disks and a capacity ("max": the
    // maximum, by its button).
    void warningLine_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<Disks>("disks");
        QTest::addColumn<QString>("capacity");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("commit");
        QTest::addRow("one disk more") << 1 << Disks{9, 10, 11} << "max" << QString() << true;
        QTest::addRow("RAID 1 of three") << 2 << Disks{9, 10, 11} << "max"
                                         << "RAID1 requires 2 drives" << false;
        QTest::addRow("no disk") << 1 << Disks{} << "max"
                                 << "no disks were selected" << false;
        QTest::addRow("capacity 99") << 1 << Disks{9, 10, 11} << "99"
                                     << "size must be at least 100MB" << false;
        QTest::addRow("above the maximum")
            << 1 << Disks{9, 10, 11} << "99999999"
            << "transform size exceeds maximum possible size" << false;
        QTest::addRow("mirror smaller than the source")
            << 2 << Disks{9, 10} << "max" << QString() << false;
        QTest::addRow("smaller than the source")
            << 1 << Disks{9, 10, 11} << "1000" << QString() << false;
    }
    void warningLine()
    {
        QFETCH(int, type);
        QFETCH(Disks, disks);
        QFETCH(QString, capacity);
        QFETCH(QString, message);
        QFETCH(bool, commit);
        KV_TransformDialog dialog(Scratch, QSize(24, 24), nullptr);
        widget<QComboBox>(dialog, "arrayTypeSel")->setCurrentIndex(type);
        check(dialog, disks);
        if (capacity == QLatin1String("max"))
            widget<QPushButton>(dialog, "setCurrentCapMaxButton")->click();
        else
            widget<QLineEdit>(dialog, "capInput")->setText(capacity);
        if (message.isEmpty())
            QCOMPARE(warning(dialog), QString());
        else
            QVERIFY2(warning(dialog).contains(QStringLiteral("Invalid Configuration: ") + message),
                     qPrintable(warning(dialog)));
        QCOMPARE(widget<QPushButton>(dialog, "commitButton")->isEnabled(), commit);
        // The destination shows the layout only while it may be committed.
        QTreeWidgetItem *top = widget<QTreeWidget>(dialog, "dstArrayView")->topLevelItem(0);
        QVERIFY(top);
        QCOMPARE(top->childCount(), commit ? 1 : 0);
    }

    // A disk that is listed (1 MB free) but has no whole MiB to give: the
    // driver's maximum is 0.
    void notPossibleWithTheDisks()
    {
        kvemu::Model model = kvemu::demoModel();
        model.disks[10].capacity = kvemu::MetadataSectors + 2000; // disk 11
        driver_.start(model);
        KV_TransformDialog dialog(Scratch, QSize(24, 24), nullptr);
        widget<QComboBox>(dialog, "arrayTypeSel")->setCurrentIndex(1);
        check(dialog, {9, 10, 11});
        QVERIFY2(warning(dialog).contains(
                     QStringLiteral("transform size required not possible with selected drives")),
                 qPrintable(warning(dialog)));
        QCOMPARE(widget<QLineEdit>(dialog, "maxCapInput")->text(), QStringLiteral("0"));
    }

    // The source deleted while the dialog is open: the next edit says so.
    void sourceDeletedMeanwhile()
    {
        KV_TransformDialog dialog(Scratch, QSize(24, 24), nullptr);
        check(dialog, {9, 10, 11});
        widget<QPushButton>(dialog, "setCurrentCapMaxButton")->click();
        QVERIFY(widget<QPushButton>(dialog, "commitButton")->isEnabled());
        KV_RaidApi window; // another reader of the configuration
        QVERIFY(window.DeleteArray(Scratch));
        QCOMPARE(window.Refresh(), 1);
        widget<QLineEdit>(dialog, "capInput")->setText(QStringLiteral("5000"));
        QVERIFY2(warning(dialog).contains(QStringLiteral("array not found")),
                 qPrintable(warning(dialog)));
        QVERIFY(!widget<QPushButton>(dialog, "commitButton")->isEnabled());
    }

    // Commit: the confirmations, then the transform.
    void commit_data()
    {
        QTest::addColumn<int>("arrayId");
        QTest::addColumn<int>("type");
        QTest::addColumn<Disks>("disks");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<bool>("transformed");
        QTest::addRow("stripe grown")
            << Scratch << 1 << Disks{9, 10, 11} << QList<bool>{} << QStringList{} << true;
        QTest::addRow("hot swap refused") << Scratch << 1 << Disks{3, 9, 10} << QList<bool>{false}
                                          << QStringList{"Confirm Transform"} << false;
        QTest::addRow("drive mixing refused")
            << Scratch << 1 << Disks{3, 9, 10} << QList<bool>{true, false}
            << QStringList{"Confirm Transform", "Confirm Create"} << false;
        QTest::addRow("source with hot swap") << 2 << 4 << Disks{3, 4, 5, 6} << QList<bool>{true}
                                              << QStringList{"Confirm Transform"} << true;
    }
    void commit()
    {
        QFETCH(int, arrayId);
        QFETCH(int, type);
        QFETCH(Disks, disks);
        QFETCH(QList<bool>, answers);
        QFETCH(QStringList, boxes);
        QFETCH(bool, transformed);
        const auto before = layoutOf(arrayId);
        KV_TransformDialog dialog(arrayId, QSize(24, 24), nullptr);
        widget<QComboBox>(dialog, "arrayTypeSel")->setCurrentIndex(type);
        check(dialog, disks);
        widget<QPushButton>(dialog, "setCurrentCapMaxButton")->click();
        QVERIFY2(widget<QPushButton>(dialog, "commitButton")->isEnabled(),
                 qPrintable(warning(dialog)));
        driver_.answers = answers;
        widget<QPushButton>(dialog, "commitButton")->click();
        QCOMPARE(driver_.titles(), boxes);
        QCOMPARE(dialog.result() == QDialog::Accepted, transformed);
        const auto after = layoutOf(arrayId);
        if (transformed)
            QCOMPARE(after,
                     std::make_pair(QString::fromLatin1(type == 4 ? "RAID5" : "RAID0"), disks));
        else
            QCOMPARE(after, before);
    }
};

QTEST_MAIN(TestTransformDialog)
#include "tst_transform_dialog.moc"
