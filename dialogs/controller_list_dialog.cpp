#include "controller_list_dialog.h"

#include "dialog_layout.h"
#include "kv_raid_api.h"
#include "tree_items.h"
#include "ui_controller_list_dialog.h"

namespace {

constexpr char GeometryKey[] = "controllerPropWindowGeometry";
constexpr char HeaderKey[] = "controllerPropListHeaderState";
// The driver's own virtual controllers carry this vendor and are not listed.
constexpr uint16_t VirtualControllerVendor = 0x8590;

QString hexText(qint64 value)
{
    return QStringLiteral("0x%1").arg(value, 0, 16);
}

// A subsystem identifier of 0 is not set by the maker.
QString subsystemText(uint16_t value)
{
    return value == 0 ? kv_ControllerProperties::tr("N/A") : hexText(value);
}

// A location the driver did not give reads "N/A" as well.
QString locationText(int32_t value)
{
    return value < 0 ? kv_ControllerProperties::tr("N/A") : hexText(value);
}

} // namespace

kv_ControllerProperties::kv_ControllerProperties(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::kv_ControllerProperties>()),
      service_(std::make_unique<KV_RaidApi>())
{
    ui->setupUi(this);
    setupControllerList();
    KV_RestoreDialogLayout(this, ui->controllerList->header(), GeometryKey, HeaderKey);
}

kv_ControllerProperties::~kv_ControllerProperties()
{
    KV_StoreDialogLayout(this, ui->controllerList->header(), GeometryKey, HeaderKey);
}

void kv_ControllerProperties::on_okPushButton_clicked()
{
    close();
}

void kv_ControllerProperties::setupControllerList()
{
    QTreeWidget *list = ui->controllerList;
    list->setHeaderLabels({tr("Number"), tr("Type"), tr("Disk"), tr("Model"), tr("Port Count"),
                           tr("PCI Vendor ID"), tr("PCI Device ID"), tr("PCI SubVendor ID"),
                           tr("PCI SubDevice ID"), tr("Bus"), tr("Slot"), tr("Function")});
    for (int c = 0; c < service_->GetControllerCount(); ++c) {
        const KV_ControllerRec *controller = service_->GetController(c);
        if (!controller || controller->pciVendorId == VirtualControllerVendor)
            continue;
        auto *row = new MyTreeWidgetItem(list);
        row->setText(0, QString::number(controller->number));
        row->setData(0, KV_SortRole, controller->number);
        row->setText(1, QString::fromLatin1(controller->name).trimmed());
        row->setText(4, QString::number(controller->numberOfPorts));
        row->setText(5, hexText(controller->OrigPciVendorID ? controller->OrigPciVendorID
                                                            : controller->pciVendorId));
        row->setText(6, hexText(controller->OrigPciDeviceID ? controller->OrigPciDeviceID
                                                            : controller->pciDeviceId));
        row->setText(7, subsystemText(controller->pciSubVendorId));
        row->setText(8, subsystemText(controller->pciSubDeviceId));
        row->setText(9, locationText(controller->pciBus));
        row->setText(10, locationText(controller->pciSlot));
        row->setText(11, locationText(controller->pciFunction));
        for (int d = 0; d < service_->GetDiskCount(); ++d) {
            const KV_DiskRec *disk = service_->GetDisk(d);
            if (!disk || KV_FieldIs(disk->type, "Core") || disk->controller != controller->number)
                continue;
            QTreeWidgetItem *target = row;
            if (controller->numberOfPorts != 1)
                target = new MyTreeWidgetItem(row);
            target->setText(2, QStringLiteral("%1 %2").arg(disk->controller).arg(disk->channel));
            target->setText(3, QString::fromLatin1(disk->model).trimmed());
        }
        row->setExpanded(true);
    }
    for (int column = 0; column <= 8; ++column) {
        list->resizeColumnToContents(column);
        list->setColumnWidth(column, list->columnWidth(column) + 5);
    }
    list->sortByColumn(0, Qt::AscendingOrder);
}
