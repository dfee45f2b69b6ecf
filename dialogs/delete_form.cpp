#include "delete_form.h"

#include "api_worker.h"
#include "dialog_layout.h"
#include "display_strings.h"
#include "kv_raid_api.h"
#include "message_box.h"
#include "tree_items.h"
#include "ui_delete_form.h"

#include <QHeaderView>
#include <QProgressDialog>
#include <QTreeWidgetItemIterator>

namespace {

constexpr const char *GeometryKey = "deleteFormWindowGeometry";
constexpr const char *HeaderKey = "deleteFormListHeaderState";

enum Column { Device, OsName, System, Partition, Name, Type, Capacity, State, Cache, Columns };

template <std::size_t N> QString text(const char (&field)[N])
{
    return QString::fromLatin1(field, qsizetype(qstrnlen(field, N)));
}

void setCell(QTreeWidgetItem *row, int column, const QString &text, const QVariant &key)
{
    row->setText(column, text);
    row->setData(column, KV_SortRole, key);
}

// The checked rows, in display order.
QList<QTreeWidgetItem *> checkedRows(QTreeWidget *list)
{
    QList<QTreeWidgetItem *> rows;
    for (QTreeWidgetItemIterator it(list, QTreeWidgetItemIterator::Checked); *it; ++it)
        rows.append(*it);
    return rows;
}

} // namespace

KV_DeleteForm::KV_DeleteForm(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::KV_DeleteForm>()), service_(new KV_RaidApi(this))
{
    ui->setupUi(this);
    connect(this, &KV_DeleteForm::AsyncDeleteMultiple, this,
            &KV_DeleteForm::CreateDeleteProgressBar);
    connect(this, &KV_DeleteForm::AsyncDeleteMultiple, this, &KV_DeleteForm::deleteOnWorker);
    setupDelArrayMenu();
    KV_RestoreDialogLayout(this, ui->arrayList->header(), GeometryKey, HeaderKey);
}

KV_DeleteForm::~KV_DeleteForm()
{
    KV_StoreDialogLayout(this, ui->arrayList->header(), GeometryKey, HeaderKey);
}

void KV_DeleteForm::setupDelArrayMenu()
{
    QTreeWidget *list = ui->arrayList;
    const QSignalBlocker quiet(list);
    list->setHeaderLabels({tr("Device"), tr("OS Name"), tr("System"), tr("Partition"),
                           tr("Array Name"), tr("Type"), tr("Total Capacity"), tr("State"),
                           tr("Cache")});
    ui->selectAllButton->setText(tr("Select All"));
    ui->deleteButton->setText(tr("Delete"));
    ui->cancelButton->setText(tr("Cancel"));
    ui->deleteButton->setEnabled(false);
    list->setRootIsDecorated(false);
    list->clear();

    for (int i = 0; i < service_->GetArrayCount(); ++i) {
        const KV_ArrayConfig array = service_->GetArray(i)->config[0];
        const int id = array.deviceRoute;
        // A tier shows the partition, disk and system facts of the member
        // array that carries its partition.
        const int partitionArray = service_->PartitionArrayOf(id);
        const KV_ArrayConfig *shown = service_->FindArrayConfig(partitionArray, true);
        const bool member = service_->ArrayIsInTierPair(id);
        const QString state = text(array.state);
        auto *row = new MyTreeWidgetItem;
        row->setCheckState(Device, Qt::Unchecked);
        setCell(row, Device, QStringLiteral("Array ") + QString::number(id), uint(id));
        row->setData(Device, KV_Role::Identifier, uint(id));
        const QString osName =
            service_->ArrayDiskNumberText(partitionArray, int(shown ? shown->attributes : 0));
        setCell(row, OsName, osName, osName);
        if (!member) {
            const QString partition = service_->DriveLettersOfArray(partitionArray);
            setCell(row, Partition, partition, partition);
        }
        // Unknown system facts count as the system array.
        if (service_->ArrayHoldsSystem(partitionArray)) {
            setCell(row, System, tr("Yes"), tr("Yes"));
            row->setDisabled(true);
        } else if (member) {
            row->setDisabled(true);
        } else {
            setCell(row, System, tr("No"), tr("No"));
        }
        if (state == u"LOCKED")
            row->setDisabled(true);
        setCell(row, Name, text(array.deviceName), text(array.deviceName));
        setCell(row, Type, text(array.type), text(array.type));
        setCell(row, Capacity, KV_RaidApi::FormatSectors(array.capacity),
                qulonglong(array.capacity));
        const QString shownState = KV_Display::ArrayStateText(
            state == u"NORMAL" && KV_FieldIs(array.transformType, "CREATE")
                ? QStringLiteral("READY")
                : state);
        setCell(row, State, shownState, shownState);
        setCell(row, Cache, text(array.cache), text(array.cache));
        list->addTopLevelItem(row);
    }
    for (int c = 0; c < Columns; ++c) {
        list->resizeColumnToContents(c);
        list->setColumnWidth(c, list->columnWidth(c) + 5);
    }
    list->setSortingEnabled(true);
    list->sortByColumn(Device, Qt::AscendingOrder);
}

void KV_DeleteForm::toggleDeleteButton()
{
    ui->deleteButton->setEnabled(!deleting_ && !checkedRows(ui->arrayList).isEmpty());
}

QString KV_DeleteForm::generateDeleteConfirmationString()
{
    QStringList chosen;
    for (const QTreeWidgetItem *row : checkedRows(ui->arrayList)) {
        QString entry = row->text(Device) + QStringLiteral(" - ");
        if (!row->text(Partition).isEmpty())
            entry += row->text(Partition) + u' ';
        chosen.append(entry + row->text(Name));
    }
    return tr("Are you sure you want to delete the selected Array(s): ") +
           chosen.join(QStringLiteral(", ")) + u'?';
}

void KV_DeleteForm::on_cancelButton_clicked()
{
    reject();
}

void KV_DeleteForm::reject()
{
    if (!deleting_)
        QDialog::reject();
}

void KV_DeleteForm::on_deleteButton_clicked()
{
    if (deleting_ || checkedRows(ui->arrayList).isEmpty())
        return;
    if (!KV_Message::Question(this, tr("Confirm Action"), generateDeleteConfirmationString()))
        return;
    GenerateDeleteArrayList();
}

void KV_DeleteForm::on_selectAllButton_clicked()
{
    {
        const QSignalBlocker quiet(ui->arrayList);
        for (QTreeWidgetItemIterator it(ui->arrayList, QTreeWidgetItemIterator::Enabled); *it; ++it)
            (*it)->setCheckState(Device, Qt::Checked);
    }
    toggleDeleteButton();
}

void KV_DeleteForm::on_arrayList_itemChanged(QTreeWidgetItem *, int)
{
    toggleDeleteButton();
}

void KV_DeleteForm::GenerateDeleteArrayList()
{
    QList<uint> arrayIds;
    for (const QTreeWidgetItem *row : checkedRows(ui->arrayList))
        arrayIds.append(row->data(Device, KV_Role::Identifier).toUInt());
    emit AsyncDeleteMultiple(arrayIds);
}

// The deletions run on a worker thread of their own; the form closes when
// the worker has finished, whatever the driver made of each deletion (the
// window's refresh shows what is left).
void KV_DeleteForm::deleteOnWorker(QList<uint> arrayIds)
{
    deleting_ = true;
    ui->deleteButton->setEnabled(false);
    ui->selectAllButton->setEnabled(false);
    ui->cancelButton->setEnabled(false);
    ui->arrayList->setEnabled(false);
    KV_RunOnWorkerThread([arrayIds](ApiWorker *worker) { worker->AsyncDeleteArray(arrayIds); },
                         &ApiWorker::arrayFinishedDeleting, this,
                         [this](uint) {
                             deleting_ = false;
                             accept();
                         },
                         [this](ApiWorker *worker) {
                             connect(worker, &ApiWorker::arrayDeleted, this,
                                     &KV_DeleteForm::UpdateDeleteProgress);
                         });
}

void KV_DeleteForm::CreateDeleteProgressBar(QList<uint> arrayIds)
{
    progress_ = new QProgressDialog(tr("Deleting arrays..."), tr("Abort"), 0,
                                    int(arrayIds.size()) - 1, this);
    progress_->setWindowFlags(progress_->windowFlags() & ~Qt::WindowContextHelpButtonHint &
                              ~Qt::WindowCloseButtonHint);
    progress_->setCancelButton(nullptr);
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setAutoClose(true);
    // Shown at once, so that nothing on the form can be used meanwhile.
    progress_->setMinimumDuration(0);
    progress_->show();
}

void KV_DeleteForm::UpdateDeleteProgress()
{
    if (progress_)
        progress_->setValue(progress_->value() + 1);
}
