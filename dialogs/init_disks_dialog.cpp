#include "init_disks_dialog.h"

#include "dialog_layout.h"
#include "kv_raid_api.h"
#include "metadata_disk_list.h"
#include "ui_init_disks_dialog.h"

#include <QHeaderView>
#include <QIcon>
#include <QTreeWidgetItemIterator>

namespace {

constexpr const char *GeometryKey = "initDiskWindowGeometry";
constexpr const char *HeaderKey = "initDiskListHeaderState";

using List = KV_MetadataDiskList;

} // namespace

KV_initDisksDialog::KV_initDisksDialog(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::KV_initDisksDialog>()),
      service_(new KV_RaidApi(this))
{
    ui->setupUi(this);
    setupInitDisksMenu();
    ui->initSelectedButton->setEnabled(false);
    setWindowIcon(QIcon(QStringLiteral(":images/icons/Logo.ico")));
    KV_RestoreDialogLayout(this, ui->diskListTree->header(), GeometryKey, HeaderKey);
}

KV_initDisksDialog::~KV_initDisksDialog()
{
    KV_StoreDialogLayout(this, ui->diskListTree->header(), GeometryKey, HeaderKey);
}

KV_InitDisks KV_initDisksDialog::getInitParameters()
{
    return List::CheckedDisks(ui->diskListTree);
}

void KV_initDisksDialog::on_cancelButton_clicked()
{
    reject();
}

void KV_initDisksDialog::setupInitDisksMenu()
{
    ui->initSelectedButton->setEnabled(false);
    ui->selectUnInitButton->setEnabled(false);
    ui->initSelectedButton->setText(tr("Initialize Selected"));
    ui->selectUnInitButton->setText(tr("Un-Initiliazed"));
    ui->selectAllButton->setText(tr("All"));
    ui->cancelButton->setText(tr("Cancel"));
    ui->diskListLabel->setText(tr("Disk List:"));
    ui->selectGroupBox->setTitle(tr("Select"));
    ui->selectUnInitButton->setEnabled(
        List::Fill(ui->diskListTree, *service_, List::Purpose::Initialize));
}

void KV_initDisksDialog::on_selectAllButton_clicked()
{
    for (QTreeWidgetItemIterator it(ui->diskListTree); *it; ++it)
        (*it)->setCheckState(List::Disk, Qt::Checked);
}

void KV_initDisksDialog::on_selectUnInitButton_clicked()
{
    int systemArray = -1;
    for (int i = 0; i < service_->GetArrayCount() && systemArray < 0; ++i) {
        const int id = service_->GetArray(i)->config[0].deviceRoute;
        if (service_->ArrayHoldsSystem(id))
            systemArray = id;
    }
    for (QTreeWidgetItemIterator it(ui->diskListTree); *it; ++it) {
        const int disk = (*it)->data(List::Disk, Qt::UserRole).toInt();
        const bool check = (*it)->text(List::Type) == KV_MetadataDiskList::tr("New") &&
                           !(systemArray >= 0 && service_->ArrayUsesDisk(systemArray, disk));
        (*it)->setCheckState(List::Disk, check ? Qt::Checked : Qt::Unchecked);
    }
}

void KV_initDisksDialog::on_initSelectedButton_clicked()
{
    if (!List::CheckedDisksUnchanged(this, windowTitle(), ui->diskListTree, *service_))
        return;
    if (service_->InitializeDisks(getInitParameters()) != 0)
        accept();
}

void KV_initDisksDialog::on_diskListTree_itemChanged(QTreeWidgetItem *, int)
{
    ui->initSelectedButton->setEnabled(getInitParameters().count > 0);
}
