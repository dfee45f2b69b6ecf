#include "clear_metadata_dialog.h"

#include "dialog_layout.h"
#include "kv_raid_api.h"
#include "metadata_disk_list.h"
#include "ui_clear_metadata_dialog.h"

#include <QHeaderView>
#include <QIcon>
#include <QTreeWidgetItemIterator>

namespace {

constexpr const char *GeometryKey = "clearMetaWindowGeometry";
constexpr const char *HeaderKey = "clearMetaListHeaderState";

using List = KV_MetadataDiskList;

} // namespace

KV_ClearMetadataDialog::KV_ClearMetadataDialog(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::KV_ClearMetadataDialog>()),
      service_(new KV_RaidApi(this))
{
    ui->setupUi(this);
    setupClearMetadataMenu();
    ui->clearMetaButton->setEnabled(false);
    setWindowIcon(QIcon(QStringLiteral(":images/icons/velmora.ico")));
    KV_RestoreDialogLayout(this, ui->diskListTree->header(), GeometryKey, HeaderKey);
}

KV_ClearMetadataDialog::~KV_ClearMetadataDialog()
{
    KV_StoreDialogLayout(this, ui->diskListTree->header(), GeometryKey, HeaderKey);
}

KV_InitDisks KV_ClearMetadataDialog::getInitParameters()
{
    return List::CheckedDisks(ui->diskListTree);
}

void KV_ClearMetadataDialog::on_cancelButton_clicked()
{
    reject();
}

void KV_ClearMetadataDialog::setupClearMetadataMenu()
{
    ui->clearMetaButton->setEnabled(false);
    ui->clearMetaButton->setText(tr("Clear Metadata"));
    ui->selectAllButton->setText(tr("All"));
    ui->cancelButton->setText(tr("Cancel"));
    ui->diskListLabel->setText(tr("Disk List:"));
    ui->selectGroupBox->setTitle(tr("Select"));
    List::Fill(ui->diskListTree, *service_, List::Purpose::ClearMetadata);
}

void KV_ClearMetadataDialog::on_selectAllButton_clicked()
{
    for (QTreeWidgetItemIterator it(ui->diskListTree); *it; ++it)
        (*it)->setCheckState(List::Disk, Qt::Checked);
}

void KV_ClearMetadataDialog::on_diskListTree_itemChanged(QTreeWidgetItem *, int)
{
    bool anyChecked = false;
    bool anyInUse = false;
    for (QTreeWidgetItemIterator it(ui->diskListTree, QTreeWidgetItemIterator::Checked); *it;
         ++it) {
        anyChecked = true;
        anyInUse = anyInUse || (*it)->text(List::Uses) != u"0";
    }
    ui->clearMetaButton->setEnabled(anyChecked && !anyInUse);
}

void KV_ClearMetadataDialog::on_clearMetaButton_clicked()
{
    if (!List::CheckedDisksUnchanged(this, windowTitle(), ui->diskListTree, *service_))
        return;
    KV_InitDisks disks = getInitParameters();
    disks.mode = 1;
    if (service_->InitializeDisks(disks) != 0)
        accept();
}
