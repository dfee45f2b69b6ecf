// The task priority, array name, S.M.A.R.T. overview and About dialogs
// against the in-process emulator on the demo configuration.
#include "about_dialog.h"
#include "array_name_dialog.h"
#include "demo_config.h"
#include "emulator.h"
#include "kv_inprocess_platform.h"
#include "kv_raid_api.h"
#include "message_box.h"
#include "smart_overview_dialog.h"
#include "task_priority_dialog.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

#include <memory>

class TestSmallDialogs : public QObject {
    Q_OBJECT

    std::shared_ptr<kvemu::Emulator> emulator_;
    QList<KV_Message::Shown> shown_;
    QTemporaryDir temp_;
    QList<QUrl> opened_;

    const kvemu::LogicalDevice *array(int number)
    {
        static kvemu::Model model;
        model = emulator_->model();
        for (const kvemu::LogicalDevice &a : model.arrays)
            if (a.deviceRoute == number)
                return &a;
        return nullptr;
    }

public slots:
    void openUrl(const QUrl &url) { opened_ << url; }

private slots:
    void initTestCase()
    {
        QVERIFY(temp_.isValid());
        qputenv("TMPDIR", QFile::encodeName(temp_.path()));
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("OXV"));
        QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");
        KV_RegisterServiceTypes();
        KV_Message::SetResponder([this](const KV_Message::Shown &box) {
            shown_.append(box);
            return true;
        });
    }
    void init()
    {
        QSettings().clear();
        const kvemu::Model model = kvemu::demoModel();
        emulator_ = std::make_shared<kvemu::Emulator>(kvemu::StoredState{model, model},
                                                      std::make_shared<kvemu::ManualClock>());
        kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator_));
        shown_.clear();
        opened_.clear();
    }
    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        KV_Message::SetResponder({});
        kv::setPlatform(nullptr);
    }

    void priorityLevels_data()
    {
        QTest::addColumn<int>("raw");
        QTest::addColumn<int>("level");
        for (auto [raw, level] : {std::pair{0, 10},
                                  {9, 10},
                                  {10, 10},
                                  {19, 10},
                                  {20, 9},
                                  {55, 6},
                                  {89, 3},
                                  {90, 2},
                                  {91, 1},
                                  {95, 1},
                                  {99, 1}})
            QTest::addRow("%d", raw) << raw << level;
    }
    void priorityLevels()
    {
        QFETCH(int, raw);
        QFETCH(int, level);
        QCOMPARE(KV_RaidApi::TaskPriorityLevelOf(raw), level);
    }

    // Confirm without a move sends nothing; a move to 5 sends 60.
    void taskPriority()
    {
        QVERIFY(KV_RaidApi().SetConsistencyCheck(2, true));
        QCOMPARE(array(2)->taskPriority, 2u);
        {
            KV_TaskPriorityDialog dialog(2, nullptr);
            QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("currentyPriorityLabel"))->text(),
                     QStringLiteral("Current priority of the 'CHECK' task: 10"));
            QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("newPriorityLabel"))->text(),
                     QStringLiteral("New priority: 10"));
            dialog.findChild<QPushButton *>(QStringLiteral("confirmButton"))->click();
            QCOMPARE(array(2)->taskPriority, 2u);
        }
        KV_TaskPriorityDialog dialog(2, nullptr);
        dialog.findChild<QSlider *>(QStringLiteral("prioritySlider"))->setValue(5);
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("newPriorityLabel"))->text(),
                 QStringLiteral("New priority: 5"));
        dialog.findChild<QPushButton *>(QStringLiteral("confirmButton"))->click();
        QCOMPARE(array(2)->taskPriority, 60u);
    }

    void rename_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("refused");
        QTest::addRow("accepted") << "Backup"
                                  << "Backup" << false;
        QTest::addRow("31 characters cut to 30") << QString(31, u'A') << QString(30, u'A') << false;
        QTest::addRow("forbidden character") << "Da.ta"
                                             << "Data" << true;
        QTest::addRow("existing name") << "System"
                                       << "Data" << true;
        QTest::addRow("own name") << "Data"
                                  << "Data" << true;
        QTest::addRow("blanks only") << QString(30, u' ') << "Data" << false;
    }
    void rename()
    {
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QFETCH(bool, refused);
        KV_ArrayNameDialog dialog(2, nullptr);
        auto *field = dialog.findChild<QLineEdit *>(QStringLiteral("arrayNameLineEdit"));
        QCOMPARE(field->text(), QStringLiteral("Data"));
        field->clear();
        QTest::keyClicks(field, typed);
        dialog.findChild<QPushButton *>(QStringLiteral("okButton"))->click();
        QCOMPARE(QString::fromStdString(array(2)->name), name);
        QCOMPARE(shown_.size(), refused ? 1 : 0);
        QCOMPARE(dialog.result(), name != QLatin1String("Data") ? QDialog::Accepted : 0);
        if (refused)
            QCOMPARE(shown_[0].title, QStringLiteral("Velmora Array Name"));
    }

    void powerOnHours_data()
    {
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("text");
        QTest::addRow("a year and an hour") << "8761"
                                            << "1y  0d  1hr";
        QTest::addRow("a day and an hour") << "25"
                                           << "1d  1hr";
        QTest::addRow("two years") << "17520"
                                   << "2y  0d  0hr";
        QTest::addRow("zero") << "0"
                              << "Unable to retreive";
        QTest::addRow("nothing read") << ""
                                      << "Unable to retreive";
    }
    void powerOnHours()
    {
        QFETCH(QString, hours);
        QFETCH(QString, text);
        QCOMPARE(KV_SmartDiskDialog::PowerOnHoursText(hours), text);
    }

    // A query with no disk checked writes and opens nothing; with one, the
    // log is begun afresh, gets the disk's report and opens.
    void smartQuery()
    {
        QVERIFY(emulator_->control("smart 3 error").ok);
        const auto generation = emulator_->model().generation;
        KV_SmartDiskDialog dialog(nullptr);
        QCOMPARE(emulator_->model().generation, generation); // reading changes nothing
        auto *list = dialog.findChild<QTreeWidget *>(QStringLiteral("diskList"));
        QCOMPARE(list->topLevelItemCount(), 14);
        auto *query = dialog.findChild<QPushButton *>(QStringLiteral("smartButton"));
        query->click();
        QVERIFY(dialog.smartLogPath().isEmpty());
        QVERIFY(opened_.isEmpty());

        const QString folder = temp_.filePath(QStringLiteral("Velmora"));
        QVERIFY(QDir().mkpath(folder));
        QFile old(folder + QStringLiteral("/SMART_LOG.log"));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("stale report\n") > 0);
        old.close();
        list->findItems(QStringLiteral("0 2"), Qt::MatchExactly)[0]->setCheckState(0, Qt::Checked);
        query->click();
        QCOMPARE(opened_, QList<QUrl>{QUrl::fromLocalFile(dialog.smartLogPath())});
        QFile log(dialog.smartLogPath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray text = log.readAll();
        QVERIFY(text.startsWith("***Create SMART Log file for Velmora ***\n"));
        QVERIFY(!text.contains("stale report"));
        QVERIFY(text.contains("THRESHOLD CROSSED"));
    }

    // A disk that stops answering shows no values and nothing breaks.
    void smartDiskNotAnswering()
    {
        KV_RaidApi service; // the snapshot is read before the failures
        QVERIFY(emulator_->control("fault fail 100").ok);
        KV_SmartDiskDialog dialog(nullptr);
        auto *list = dialog.findChild<QTreeWidget *>(QStringLiteral("diskList"));
        QCOMPARE(list->topLevelItemCount(), 14);
        QCOMPARE(list->topLevelItem(0)->text(7), QStringLiteral("Unable to retreive"));
        QFile old(temp_.filePath(QStringLiteral("Velmora/SMART_LOG.log")));
        QVERIFY(QDir().mkpath(temp_.filePath(QStringLiteral("Velmora"))));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("stale report\n") > 0);
        old.close();
        list->topLevelItem(0)->setCheckState(0, Qt::Checked);
        dialog.findChild<QPushButton *>(QStringLiteral("smartButton"))->click();
        QFile log(dialog.smartLogPath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(log.readAll(), QByteArray("***Create SMART Log file for Velmora ***\n"));
    }

    void versionText_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("text");
        QTest::addRow("installed") << "9.5.0-00201"
                                   << "C:/Program Files (x86)/Velmora"
                                   << "9.5.0-00201";
        QTest::addRow("elsewhere") << "9.5.0-00201"
                                   << "/opt/velmora"
                                   << "9.50.201.0 UWP";
        QTest::addRow("patch and build") << "9.5.3-00017"
                                         << "/opt/velmora"
                                         << "9.53.17.0 UWP";
        QTest::addRow("build zero") << "9.5.3-00000"
                                    << "/opt/velmora"
                                    << "9.5.0.0 UWP";
        QTest::addRow("another form") << "9.5"
                                      << "/opt/velmora"
                                      << "9.5";
    }
    void versionText()
    {
        QFETCH(QString, version);
        QFETCH(QString, folder);
        QFETCH(QString, text);
        QCOMPARE(KV_AboutDialog::VersionText(version, folder), text);
    }

    void about()
    {
        KV_AboutDialog dialog(nullptr);
        const QStringList versions = KV_RaidApi::GetDriverVersions();
        QCOMPARE(versions.size(), 3);
        QVERIFY(!versions.contains(QStringLiteral("Unknown")));
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("kvraidValue"))->text(), versions[0]);
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("kvcfgValue"))->text(), versions[1]);
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("kvbottomValue"))->text(), versions[2]);
        QVERIFY(!dialog.findChild<QLabel *>(QStringLiteral("ImageLabel"))->pixmap().isNull());
    }
};

QTEST_MAIN(TestSmallDialogs)
#include "tst_small_dialogs.moc"
