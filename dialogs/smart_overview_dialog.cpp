#include "smart_overview_dialog.h"

#include "dialog_layout.h"
#include "kv_app_log.h"
#include "kv_raid_api.h"
#include "tree_items.h"
#include "ui_smart_overview_dialog.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QUrl>

namespace {

constexpr char GeometryKey[] = "smartOverviewPropWindowGeometry";
constexpr char HeaderKey[] = "smartOverviewListHeaderState";
constexpr uint HoursPerYear = 8760;

} // namespace

KV_SmartDiskDialog::KV_SmartDiskDialog(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::KV_SmartDiskDialog>()),
      service_(std::make_unique<KV_RaidApi>())
{
    ui->setupUi(this);
    fillDiskList();
    setWindowIcon(QIcon(QStringLiteral(":images/icons/Logo.ico")));
    columnsPlaced_ = KV_RestoreDialogLayout(this, ui->diskList->header(), GeometryKey, HeaderKey);
    ui->diskList->header()->setSectionsClickable(true);
}

KV_SmartDiskDialog::~KV_SmartDiskDialog()
{
    KV_StoreDialogLayout(this, ui->diskList->header(), GeometryKey, HeaderKey);
}

QString KV_SmartDiskDialog::PowerOnHoursText(const QString &hours)
{
    const uint h = hours.toUInt();
    const uint years = h / HoursPerYear;
    const uint rest = h % HoursPerYear;
    const QString text = years > 0 ? tr("%1y  %2d  %3hr").arg(years).arg(rest / 24).arg(rest % 24)
                                   : tr("%1d  %2hr").arg(rest / 24).arg(rest % 24);
    if (years == 0 && rest / 24 == 0 && rest % 24 == 0)
        return tr("Unable to retreive");
    return text;
}

void KV_SmartDiskDialog::fillDiskList()
{
    QTreeWidget *list = ui->diskList;
    list->setHeaderLabels({tr("Disk"), tr("Port Type"), tr("Capacity"), tr("Uses"),
                           tr("Model Number"), tr("Serial Number"), tr("Firmware Revision"),
                           tr("Power on Hours"), tr("Power Cycle"), tr("Temperature (Celsius)")});
    list->setRootIsDecorated(false);
    for (int i = 0; i < service_->GetDiskCount(); ++i) {
        const KV_DiskRec *disk = service_->GetDisk(i);
        if (!disk || KV_FieldIs(disk->type, "Core"))
            continue;
        const int id = service_->FindDiskIdByLocation(disk->controller, disk->channel);
        const KV_SmartInfo smart = service_->GetSmartInfo(id);
        auto *row = new MyTreeWidgetItem(list);
        const auto cell = [row](int column, const QString &text, const QVariant &key) {
            row->setText(column, text);
            row->setData(column, KV_SortRole, key);
        };
        const QString location = QStringLiteral("%1 %2").arg(disk->controller).arg(disk->channel);
        cell(0, location, disk->controller + disk->channel / 10.0);
        row->setCheckState(0, Qt::Unchecked);
        row->setData(0, Qt::UserRole, id);
        cell(1, service_->PortTypeText(i), service_->PortTypeText(i));
        cell(2, KV_RaidApi::FormatSectors(disk->capacity), qulonglong(disk->capacity));
        const int uses = service_->CountArraysOfDisk(id);
        cell(3, QString::number(uses), uses);
        const QString model = QString::fromLatin1(disk->model).trimmed();
        cell(4, model, model);
        const QString serial = service_->SerialNumberText(i);
        cell(5, serial, serial);
        const QString firmware = QString::fromLatin1(disk->firmware).replace(u'_', u' ');
        cell(6, firmware, firmware);
        cell(7, PowerOnHoursText(smart.powerOnHours), smart.powerOnHours.toUInt());
        cell(8, smart.powerCycles, smart.powerCycles);
        cell(9, smart.temperature, smart.temperature);
    }
    list->setSortingEnabled(true);
    list->sortByColumn(0, Qt::AscendingOrder);
}

// The columns fit their texts once the list has its size (a list not yet
// shown measures only the rows that fit its first, small viewport), unless
// the user's own widths were restored.
void KV_SmartDiskDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (columnsPlaced_)
        return;
    columnsPlaced_ = true;
    for (int column = 0; column < ui->diskList->columnCount(); ++column)
        ui->diskList->resizeColumnToContents(column);
}

void KV_SmartDiskDialog::on_okPushButton_clicked()
{
    reject();
}

void KV_SmartDiskDialog::on_smartButton_clicked()
{
    QList<int> disks;
    for (int i = 0; i < ui->diskList->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = ui->diskList->topLevelItem(i);
        if (row->checkState(0) == Qt::Checked)
            disks << row->data(0, Qt::UserRole).toInt();
    }
    if (disks.isEmpty())
        return;
    const QString applicationName = QCoreApplication::applicationName();
    const QString folder =
        KV_PrepareDataFolder(QCoreApplication::applicationDirPath(), applicationName);
    const QString logPath = folder.isEmpty()
                                ? QString()
                                : QDir(folder).filePath(applicationName + QStringLiteral(".log"));
    smartLogPath_ = KV_PrepareSmartLog(logPath, applicationName);
    for (int disk : disks)
        service_->RetrieveAllSmartInfo(disk, logPath, smartLogPath_);
    if (!smartLogPath_.isEmpty() && QFile::exists(smartLogPath_))
        QDesktopServices::openUrl(QUrl::fromLocalFile(smartLogPath_));
}
