// The window's menu entries that open the dialogs of this folder: each opens
// its dialog under its title, and Task Priority only while a task runs.
#include "demo_config.h"
#include "emulator.h"
#include "kv_inprocess_platform.h"
#include "kv_raid_api.h"
#include "main_window.h"
#include "message_box.h"
#include "tree_items.h"

#include <QApplication>
#include <QDialog>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <memory>

Q_DECLARE_METATYPE(KV_Action)

class TestWindowDialogs : public QObject {
    Q_OBJECT

    std::shared_ptr<kvemu::Emulator> emulator_;
    std::unique_ptr<KV_MainWindow> window_;
    QString shown_; // the title of the dialog the last entry opened

    void settle()
    {
        QTRY_VERIFY_WITH_TIMEOUT(!window_->refreshInProgress(), 20000);
        for (QTimer *timer : window_->findChildren<QTimer *>())
            timer->stop();
    }
    void select(int id)
    {
        QTreeWidgetItem *root = window_->controllerTree()->topLevelItem(0);
        for (int i = 0; root && i < root->childCount(); ++i) {
            if (root->child(i)->data(0, KV_Role::Identifier).toInt() == id) {
                window_->arraySelectedChanged(root->child(i), 0);
                break;
            }
        }
        QCOMPARE(window_->selectedArray(), id);
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("OXV"));
        QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
        QSettings().clear();
        KV_RegisterServiceTypes();
        KV_Message::SetResponder([](const KV_Message::Shown &) { return true; });
        const kvemu::Model model = kvemu::demoModel();
        emulator_ = std::make_shared<kvemu::Emulator>(kvemu::StoredState{model, model},
                                                      std::make_shared<kvemu::ManualClock>());
        kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator_));
        QVERIFY(KV_RaidApi().SetConsistencyCheck(2, true));
        window_ = std::make_unique<KV_MainWindow>();
        settle();
    }
    void cleanupTestCase()
    {
        window_.reset();
        KV_Message::SetResponder({});
        kv::setPlatform(nullptr);
    }

    void opens_data()
    {
        QTest::addColumn<KV_Action>("entry");
        QTest::addColumn<int>("array");
        QTest::addColumn<QString>("title");
        QTest::addRow("properties") << KV_Action::Properties << 0 << "Properties";
        QTest::addRow("overview") << KV_Action::SmartOverview << 0 << "S.M.A.R.T. Overview";
        QTest::addRow("controllers") << KV_Action::ViewControllers << 0 << "Controllers";
        QTest::addRow("about") << KV_Action::About << 0 << "About Velmora";
        QTest::addRow("name") << KV_Action::Name << 3 << "Array Name";
        QTest::addRow("priority, task running") << KV_Action::TaskPriority << 2 << "Task Priority";
        QTest::addRow("priority, no task") << KV_Action::TaskPriority << 3 << "";
    }
    void opens()
    {
        QFETCH(KV_Action, entry);
        QFETCH(int, array);
        QFETCH(QString, title);
        if (array > 0)
            select(array);
        shown_.clear();
        QTimer::singleShot(0, this, [this] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                shown_ = dialog->windowTitle();
                static_cast<QDialog *>(dialog)->reject();
            }
        });
        QAction *action = window_->action(entry);
        action->setEnabled(true); // whatever the menus offer now
        action->trigger();
        QCOMPARE(shown_, title);
        settle();
    }
};

QTEST_MAIN(TestWindowDialogs)
#include "tst_window_dialogs.moc"
