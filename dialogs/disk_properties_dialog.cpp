#include "disk_properties_dialog.h"

#include "dialog_layout.h"
#include "kv_raid_api.h"
#include "message_box.h"
#include "ui_disk_properties_dialog.h"

#include <QCoreApplication>
#include <QIcon>

namespace {

constexpr char GeometryKey[] = "diskPropWindowGeometry";
constexpr char HeaderKey[] = "diskPropListHeaderState";
constexpr int Columns = 10;

QString enabledText(bool on)
{
    return on ? KV_DiskProperites::tr("Enabled") : KV_DiskProperites::tr("Disabled");
}

} // namespace

KV_DiskProperites::KV_DiskProperites(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::KV_DiskProperites>()),
      service_(std::make_unique<KV_RaidApi>())
{
    ui->setupUi(this);
    setupDiskPropsMenu();
    setWindowIcon(QIcon(QStringLiteral(":images/icons/Logo.ico")));
    ui->splitter->setSizes({80, 70});
    KV_RestoreDialogLayout(this, ui->diskListTree->header(), GeometryKey, HeaderKey);
}

KV_DiskProperites::~KV_DiskProperites()
{
    KV_StoreDialogLayout(this, ui->diskListTree->header(), GeometryKey, HeaderKey);
}

void KV_DiskProperites::on_exitButton_clicked()
{
    close();
}

void KV_DiskProperites::setupDiskPropsMenu()
{
    ui->cacheWarningMSG->setText(
        tr("Note: Turning Disk Write Back Caching on may increase the likelihood of data "
           "corruption if the system power were to fail."));
    QTreeWidget *tree = ui->diskListTree;
    tree->setHeaderLabels({tr("Disk"), tr("State"), tr("Write Back Cache"), tr("Read Ahead"),
                           tr("SMART Poll"), tr("Uses"), tr("Port Type"), tr("Model Number"),
                           tr("Serial Number"), tr("Firmware Revision")});
    tree->setRootIsDecorated(false);
    for (int i = 0; i < service_->GetDiskCount(); ++i) {
        const KV_DiskRec *disk = service_->GetDisk(i);
        if (!disk || KV_FieldIs(disk->type, "Core"))
            continue;
        const int id = service_->FindDiskIdByLocation(disk->controller, disk->channel);
        auto *row = new QTreeWidgetItem(tree);
        const QString location = QStringLiteral("%1 %2").arg(disk->controller).arg(disk->channel);
        row->setText(0, location);
        row->setCheckState(0, savedSelection_.contains(location) ? Qt::Checked : Qt::Unchecked);
        row->setData(0, Qt::UserRole, id);
        row->setText(1, QString::fromLatin1(disk->state));
        row->setText(2, enabledText(writeCacheEnabled(id)));
        row->setText(3, enabledText(readCacheEnabled(id)));
        row->setText(4, enabledText(smartEnabled(id)));
        row->setText(5, QString::number(service_->CountArraysOfDisk(id)));
        row->setText(6, service_->PortTypeText(i));
        row->setText(7, QString::fromLatin1(disk->model).trimmed());
        row->setText(8, service_->SerialNumberText(i));
        row->setText(9, QString::fromLatin1(disk->firmware).replace(u'_', u' '));
    }
    if (firstBuild_) {
        firstBuild_ = false;
        for (int column = 0; column < Columns; ++column) {
            tree->resizeColumnToContents(column);
            tree->setColumnWidth(column, tree->columnWidth(column) + 5);
        }
    }
    tree->sortByColumn(0, Qt::AscendingOrder);
}

void KV_DiskProperites::on_selectAllButton_clicked()
{
    for (int i = 0; i < ui->diskListTree->topLevelItemCount(); ++i)
        ui->diskListTree->topLevelItem(i)->setCheckState(0, Qt::Checked);
}

void KV_DiskProperites::on_diskWriteEnableButton_clicked()
{
    runCommand(WriteCacheOn);
}

void KV_DiskProperites::on_diskWriteDisableButton_clicked()
{
    runCommand(WriteCacheOff);
}

void KV_DiskProperites::on_diskReadEnableButton_clicked()
{
    runCommand(ReadAheadOn);
}

void KV_DiskProperites::on_diskReadDisableButton_clicked()
{
    runCommand(ReadAheadOff);
}

void KV_DiskProperites::on_smartEnableButton_clicked()
{
    runCommand(SmartPollingOn);
}

void KV_DiskProperites::on_smartDisableButton_clicked()
{
    runCommand(SmartPollingOff);
}

void KV_DiskProperites::SaveDisksSelected()
{
    savedSelection_.clear();
    for (int i = 0; i < ui->diskListTree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = ui->diskListTree->topLevelItem(i);
        if (row->checkState(0) == Qt::Checked)
            savedSelection_ << row->text(0);
    }
}

int KV_DiskProperites::setDiskCMDParameters(KV_DiskProperites::diskManageCMD diskMngCMD)
{
    KV_DiskOptions options;
    const bool cacheCommand = diskMngCMD < SmartPollingOn;
    for (int i = 0; i < ui->diskListTree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = ui->diskListTree->topLevelItem(i);
        if (row->checkState(0) != Qt::Checked)
            continue;
        const int id = row->data(0, Qt::UserRole).toInt();
        if (cacheCommand && service_->DiskIsNvme(id)) {
            KV_Message::Information(
                this, QCoreApplication::applicationName(),
                row->text(0) + tr(" is a NVMe device and cannot change disk cache settings."));
            continue;
        }
        if (options.count < KV_MaxCommandDisks)
            options.diskIds[options.count++] = id;
    }
    // A command for no disk at all is not sent: there is nothing to switch.
    if (options.count == 0)
        return 0;
    switch (diskMngCMD) {
    case ReadAheadOn:
        options.readAheadOn = 1;
        break;
    case ReadAheadOff:
        options.readAheadOff = 1;
        break;
    case WriteCacheOn:
        options.writeCacheOn = 1;
        break;
    case WriteCacheOff:
        options.writeCacheOff = 1;
        break;
    case SmartPollingOn:
        options.smartPollingOn = 1;
        break;
    case SmartPollingOff:
        options.smartPollingOff = 1;
        break;
    }
    const bool done = cacheCommand ? service_->SetDiskCacheOptions(options)
                                   : service_->SetDiskSmartPolling(options);
    return done ? 1 : 0;
}

void KV_DiskProperites::runCommand(diskManageCMD command)
{
    const int result = setDiskCMDParameters(command);
    SaveDisksSelected();
    if (result != 1)
        return;
    ui->diskListTree->clear();
    service_->Refresh();
    setupDiskPropsMenu();
}

bool KV_DiskProperites::writeCacheEnabled(int disk)
{
    const QString word = service_->CacheModeText(disk);
    return word == QLatin1String("W") || word == QLatin1String("RW");
}

bool KV_DiskProperites::readCacheEnabled(int disk)
{
    const QString word = service_->CacheModeText(disk);
    return word == QLatin1String("R") || word == QLatin1String("RW");
}

bool KV_DiskProperites::smartEnabled(int disk)
{
    return service_->DiskFeature4(disk);
}
