// The form that deletes several arrays: which rows may be chosen, the one
// confirmation, and the deletions against the in-process emulator.
#include "delete_form.h"
#include "dialog_fixture.h"

#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>

namespace {

QTreeWidget *arrayList(KV_DeleteForm &form)
{
    return form.findChild<QTreeWidget *>(QStringLiteral("arrayList"));
}

QPushButton *button(KV_DeleteForm &form, const char *name)
{
    return form.findChild<QPushButton *>(QString::fromLatin1(name));
}

QTreeWidgetItem *row(KV_DeleteForm &form, int arrayId)
{
    const auto rows =
        arrayList(form)->findItems(QStringLiteral("Array %1").arg(arrayId), Qt::MatchExactly, 0);
    return rows.isEmpty() ? nullptr : rows.first();
}

QList<int> checkedArrays(KV_DeleteForm &form)
{
    QList<int> ids;
    QTreeWidget *list = arrayList(form);
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->checkState(0) == Qt::Checked)
            ids.append(list->topLevelItem(i)->data(0, Qt::UserRole).toInt());
    }
    return ids;
}

void check(KV_DeleteForm &form, const QList<int> &arrayIds)
{
    for (int id : arrayIds) {
        QTreeWidgetItem *item = row(form, id);
        QVERIFY(item);
        item->setCheckState(0, Qt::Checked);
    }
}

bool present(int arrayId)
{
    KV_RaidApi api;
    return api.FindArrayIndex(arrayId) >= 0;
}

} // namespace

class TestDeleteForm : public QObject {
    Q_OBJECT
    DialogFixture f;

private slots:
    void initTestCase() { f.setUpOnce(); }
    void init() { f.setUp(); }
    void cleanupTestCase() { f.tearDownOnce(); }

    void confirmation_data()
    {
        QTest::addColumn<QList<int>>("chosen");
        QTest::addColumn<QString>("question");
        QTest::addRow("one, with its partition")
            << QList<int>{2}
            << QStringLiteral("Are you sure you want to delete the selected Array(s): Array 2 - "
                              "D: Data?");
        QTest::addRow("two, the second without partition")
            << QList<int>{3, 4}
            << QStringLiteral("Are you sure you want to delete the selected Array(s): Array 3 - "
                              "E: Scratch, Array 4 - Legacy?");
    }
    void confirmation()
    {
        QFETCH(QList<int>, chosen);
        QFETCH(QString, question);
        KV_DeleteForm form(nullptr);
        QVERIFY(!button(form, "deleteButton")->isEnabled());
        check(form, chosen);
        QVERIFY(button(form, "deleteButton")->isEnabled());
        QCOMPARE(form.generateDeleteConfirmationString(), question);
    }

    // The system mirror and a locked array are shown but cannot be chosen.
    void selectAllSkipsDisabledRows()
    {
        QVERIFY(f.control("lock array 3"));
        KV_DeleteForm form(nullptr);
        QCOMPARE(row(form, 1)->text(2), QStringLiteral("Yes"));
        QVERIFY(row(form, 1)->isDisabled());
        QVERIFY(row(form, 3)->isDisabled());
        QCOMPARE(row(form, 2)->text(2), QStringLiteral("No"));
        QTest::mouseClick(button(form, "selectAllButton"), Qt::LeftButton);
        QCOMPARE(checkedArrays(form), (QList<int>{2, 4, 5}));
        QVERIFY(button(form, "deleteButton")->isEnabled());
        for (int id : {2, 4, 5})
            row(form, id)->setCheckState(0, Qt::Unchecked);
        QVERIFY(!button(form, "deleteButton")->isEnabled());
    }

    // No keeps the form as it was; Yes deletes both under the progress
    // dialog and closes the form.
    void deletesTwoArrays()
    {
        KV_DeleteForm form(nullptr);
        form.show();
        check(form, {2, 3});
        f.answer = false;
        QTest::mouseClick(button(form, "deleteButton"), Qt::LeftButton);
        QCOMPARE(f.shown.size(), 1);
        QCOMPARE(checkedArrays(form), (QList<int>{2, 3}));
        QVERIFY(form.isVisible());
        QVERIFY(present(2) && present(3));

        f.answer = true;
        QSignalSpy accepted(&form, &QDialog::accepted);
        QTest::mouseClick(button(form, "deleteButton"), Qt::LeftButton);
        auto *progress = form.findChild<QProgressDialog *>();
        QVERIFY(progress);
        QCOMPARE(progress->labelText(), QStringLiteral("Deleting arrays..."));
        QCOMPARE(progress->maximum(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(accepted.size(), 1, 20000);
        QVERIFY(!progress->isVisible());
        QVERIFY(!present(2));
        QVERIFY(!present(3));
        QVERIFY(present(5));
    }

    // The driver refuses the second of three deletions (the array was locked
    // after the form had listed it): the others go, the form closes.
    void refusalPartWayThrough()
    {
        KV_DeleteForm form(nullptr);
        form.show();
        check(form, {2, 3, 4});
        QVERIFY(f.control("lock array 3"));
        QSignalSpy accepted(&form, &QDialog::accepted);
        QTest::mouseClick(button(form, "deleteButton"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(accepted.size(), 1, 20000);
        QVERIFY(!form.findChild<QProgressDialog *>()->isVisible());
        QVERIFY(!present(2));
        QVERIFY(present(3));
        QVERIFY(!present(4));
    }
};

QTEST_MAIN(TestDeleteForm)
#include "tst_delete_form.moc"
