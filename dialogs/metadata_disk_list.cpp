#include "metadata_disk_list.h"

#include "kv_raid_api.h"
#include "message_box.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

// The disk's unique identifier, kept beside the handle of its row.
constexpr int UidRole = Qt::UserRole + 5;

template <std::size_t N> QString text(const char (&field)[N])
{
    return QString::fromLatin1(field, qsizetype(qstrnlen(field, N)));
}

} // namespace

bool KV_MetadataDiskList::Fill(QTreeWidget *list, KV_RaidApi &service, Purpose purpose)
{
    const bool initialize = purpose == Purpose::Initialize;
    const QSignalBlocker quiet(list);
    list->clear();
    list->setHeaderLabels({tr("Disk"), tr("State"), tr("Type"), tr("Uses"), tr("Free Space"),
                           tr("Model Number"), tr("Serial Number")});
    list->setRootIsDecorated(false);
    bool anyNew = false;
    for (int i = 0; i < service.GetDiskCount(); ++i) {
        const KV_DiskRec disk = *service.GetDisk(i);
        if (KV_FieldIs(disk.type, "Core"))
            continue;
        const int handle = service.FindDiskIdByLocation(disk.controller, disk.channel);
        if (!service.DiskEligibleForInit(i, !initialize) ||
            (initialize && service.DiskIsGlobalSpare(handle)))
            continue;
        auto *row = new QTreeWidgetItem(list);
        row->setCheckState(Disk, Qt::Unchecked);
        row->setText(Disk, QString::number(disk.controller) + u' ' + QString::number(disk.channel));
        row->setData(Disk, Qt::UserRole, handle);
        row->setData(Disk, UidRole, QVariant::fromValue<quint64>(disk.id));
        row->setText(State, text(disk.state));
        if (initialize && KV_FieldIs(disk.type, "Unknown")) {
            row->setText(Type, tr("New"));
            anyNew = true;
        } else {
            row->setText(Type, text(disk.type));
        }
        row->setText(Uses, QString::number(service.CountArraysOfDisk(handle)));
        row->setText(FreeSpace, KV_RaidApi::FormatSectors(disk.totalFree));
        row->setText(Model, text(disk.model).trimmed());
        row->setText(Serial, service.SerialNumberText(i));
    }
    for (int c = Disk; c <= Model; ++c) {
        list->resizeColumnToContents(c);
        list->setColumnWidth(c, list->columnWidth(c) + 5);
    }
    list->setSortingEnabled(true);
    list->sortByColumn(Disk, Qt::AscendingOrder);
    return anyNew;
}

KV_InitDisks KV_MetadataDiskList::CheckedDisks(QTreeWidget *list)
{
    KV_InitDisks disks;
    for (QTreeWidgetItemIterator it(list, QTreeWidgetItemIterator::Checked);
         *it && disks.count < KV_MaxCommandDisks; ++it)
        disks.diskIds[disks.count++] = (*it)->data(Disk, Qt::UserRole).toInt();
    return disks;
}

bool KV_MetadataDiskList::CheckedDisksUnchanged(QWidget *parent, const QString &title,
                                                QTreeWidget *list, KV_RaidApi &service)
{
    if (service.Refresh() != 1) {
        KV_Message::Information(parent, title,
                                tr("The configuration could not be read; nothing was changed."));
        return false;
    }
    for (QTreeWidgetItemIterator it(list, QTreeWidgetItemIterator::Checked); *it; ++it) {
        const KV_DiskRec *disk =
            service.GetDisk(service.FindDiskIndex((*it)->data(Disk, Qt::UserRole).toInt()));
        if (!disk || disk->id != (*it)->data(Disk, UidRole).value<quint64>()) {
            KV_Message::Information(parent, title,
                                    tr("Disk %1 is no longer present; nothing was changed. Close "
                                       "this window and open it again for the disks as they "
                                       "are now.")
                                        .arg((*it)->text(Disk)));
            return false;
        }
    }
    return true;
}
