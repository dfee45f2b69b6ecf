// The disk properties and controller list dialogs against the in-process
// emulator on the demo configuration.
#include "controller_list_dialog.h"
#include "demo_config.h"
#include "disk_properties_dialog.h"
#include "emulator.h"
#include "kv_inprocess_platform.h"
#include "kv_raid_api.h"
#include "message_box.h"

#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace {

QTreeWidgetItem *row(QTreeWidget *tree, const QString &text)
{
    const QList<QTreeWidgetItem *> found =
        tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive, 0);
    return found.isEmpty() ? nullptr : found.first();
}

QStringList texts(const QTreeWidgetItem *item, int from, int to)
{
    QStringList list;
    for (int column = from; column <= to; ++column)
        list << item->text(column);
    return list;
}

const kvemu::PhysicalDisk *diskOf(const kvemu::Model &model, const char *serial)
{
    for (const kvemu::PhysicalDisk &disk : model.disks)
        if (disk.serial == serial)
            return &disk;
    return nullptr;
}

} // namespace

class TestDiskDialogs : public QObject {
    Q_OBJECT

    std::shared_ptr<kvemu::Emulator> emulator_;
    QList<KV_Message::Shown> shown_;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("OXV"));
        QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
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
    }
    void cleanupTestCase()
    {
        KV_Message::SetResponder({});
        kv::setPlatform(nullptr);
    }

    void propertiesList()
    {
        KV_DiskProperites dialog(nullptr);
        auto *tree = dialog.findChild<QTreeWidget *>(QStringLiteral("diskListTree"));
        QCOMPARE(tree->topLevelItemCount(), 14);
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("0 0"));
        QCOMPARE(texts(row(tree, QStringLiteral("0 0")), 1, 9),
                 QStringList({"Online", "Disabled", "Disabled", "Enabled", "1", "1.5G SATA/SSD",
                              "Samsung SSD 870 EVO 1TB", "S6PUNX0T512347L", "SVT02B6Q"}));
        QCOMPARE(texts(row(tree, QStringLiteral("1 2")), 1, 5),
                 QStringList({"Online", "Disabled", "Disabled", "Enabled", "0"}));
        QCOMPARE(row(tree, QStringLiteral("0 0"))->data(0, Qt::UserRole).toInt(), 1);
    }

    // One NVMe and one SATA disk checked: one box for the NVMe disk, only
    // the SATA disk changes, and both stay checked in the rebuilt list.
    void writeBackOnNvmeAndSata()
    {
        KV_DiskProperites dialog(nullptr);
        auto *tree = dialog.findChild<QTreeWidget *>(QStringLiteral("diskListTree"));
        row(tree, QStringLiteral("0 2"))->setCheckState(0, Qt::Checked);
        row(tree, QStringLiteral("1 0"))->setCheckState(0, Qt::Checked);
        dialog.findChild<QPushButton *>(QStringLiteral("diskWriteEnableButton"))->click();

        QCOMPARE(shown_.size(), 1);
        QCOMPARE(shown_[0].text,
                 QStringLiteral("1 0 is a NVMe device and cannot change disk cache settings."));
        const kvemu::Model model = emulator_->model();
        QVERIFY(diskOf(model, "WJG1A7K2")->features & 0x400000);
        QVERIFY(!(diskOf(model, "22110P801234")->features & 0x400000));
        QCOMPARE(row(tree, QStringLiteral("0 2"))->text(2), QStringLiteral("Enabled"));
        QCOMPARE(row(tree, QStringLiteral("1 0"))->text(2), QStringLiteral("Disabled"));
        QCOMPARE(row(tree, QStringLiteral("0 2"))->checkState(0), Qt::Checked);
        QCOMPARE(row(tree, QStringLiteral("1 0"))->checkState(0), Qt::Checked);
        QCOMPARE(row(tree, QStringLiteral("0 3"))->checkState(0), Qt::Unchecked);
    }

    // A disk pulled out while the dialog shows it: the command fails and
    // the list stays as it was.
    void commandOnRemovedDisk()
    {
        KV_DiskProperites dialog(nullptr);
        auto *tree = dialog.findChild<QTreeWidget *>(QStringLiteral("diskListTree"));
        row(tree, QStringLiteral("0 2"))->setCheckState(0, Qt::Checked);
        QVERIFY(emulator_->control("remove WJG1A7K2").ok);
        QCOMPARE(dialog.setDiskCMDParameters(KV_DiskProperites::WriteCacheOn), 0);
        QCOMPARE(dialog.setDiskCMDParameters(KV_DiskProperites::SmartPollingOff), 0);
        QVERIFY(row(tree, QStringLiteral("0 2")));
        QVERIFY(shown_.isEmpty());
    }

    // The demo's controllers, a single-port one and a virtual one of the
    // driver's own vendor.
    void controllerRows()
    {
        emulator_->change([](kvemu::Model &model) {
            kvemu::Controller single = model.controllers[2];
            single.id += 0x10;
            single.number = 3;
            single.ports = 1;
            single.pciSubVendor = 0;
            single.pciSubDevice = 0;
            single.pciLocation = 0x00041d07;
            model.controllers.push_back(single);
            kvemu::Controller virtualOne = model.controllers[2];
            virtualOne.id += 0x20;
            virtualOne.number = 4;
            virtualOne.pciVendor = 0x8590;
            model.controllers.push_back(virtualOne);
            kvemu::PhysicalDisk disk = model.disks[13];
            disk.id += 0x100;
            disk.deviceRoute = 20;
            disk.controller = 3;
            disk.channel = 0;
            disk.serial = "SINGLEPORT1";
            model.disks.push_back(disk);
        });
        kv_ControllerProperties dialog(nullptr);
        auto *list = dialog.findChild<QTreeWidget *>(QStringLiteral("controllerList"));
        QCOMPARE(list->topLevelItemCount(), 4);
        const QTreeWidgetItem *sata = list->topLevelItem(0);
        QCOMPARE(texts(sata, 0, 11), QStringList({"0", "OXV RAID", "", "", "8", "0x8086", "0x7ae2",
                                                  "0x1043", "0x8882", "0x0", "0x17", "0x0"}));
        QCOMPARE(sata->childCount(), 8);
        QCOMPARE(texts(sata->child(0), 2, 3), QStringList({"0 0", "Samsung SSD 870 EVO 1TB"}));
        QCOMPARE(texts(list->topLevelItem(1), 5, 11),
                 QStringList({"0x8086", "0x9ab", "0x1043", "0x8694", "0x0", "0xe", "0x0"}));
        QCOMPARE(list->topLevelItem(2)->childCount(), 2);
        const QTreeWidgetItem *single = list->topLevelItem(3);
        QCOMPARE(single->childCount(), 0);
        QCOMPARE(texts(single, 0, 11),
                 QStringList({"3", "OXV RAID", "3 0", "TOSHIBA DT01ACA200", "1", "0x1b21", "0x1166",
                              "N/A", "N/A", "0x4", "0x1d", "0x7"}));
    }
};

QTEST_MAIN(TestDiskDialogs)
#include "tst_disk_dialogs.moc"
