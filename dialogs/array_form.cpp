#include "array_form.h"

#include "kv_raid_api.h"
#include "tree_items.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPixmap>
#include <QPixmapCache>
#include <QScreen>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QTreeWidget>

#include <cmath>

namespace KV_ArrayForm {

namespace {

// Disk list columns; after GS the two lists differ by the Trim column.
enum Column { Disk, PortType, Capacity, Uses, FreeSpace, LargestFree, GlobalSpare, AfterSpare };

const char *const TypeWords[] = {"VOLUME", "RAID0", "RAID1", "RAID10", "RAID5", "RAID6"};
const char *const CacheWords[] = {"RW", "R", "W", "NC"};
constexpr int TagSizes[] = {0, 64, 128, 256};

void setCell(QTreeWidgetItem *row, int column, const QString &text, const QVariant &key)
{
    row->setText(column, text);
    row->setData(column, KV_SortRole, key);
}

int hotSwapColumn(Columns columns)
{
    return columns == Columns::WithTrim ? AfterSpare + 1 : AfterSpare;
}

int columnCount(Columns columns)
{
    return hotSwapColumn(columns) + 4;
}

QString field(const char *text)
{
    return QString::fromLatin1(text);
}

} // namespace

QStringList Texts::typeCaptions()
{
    return {tr("Volume  (JBOD)"),
            tr("RAID 0  (Stripe)"),
            tr("RAID 1  (Mirror)"),
            tr("RAID 10 (Stripe of Mirrors)"),
            tr("RAID 5   (Stripe with Parity)"),
            tr("RAID 6   (Stripe with 2 Parities)")};
}

QString Texts::yesNo(bool value)
{
    return value ? tr("Yes") : tr("No");
}

QString Texts::diskText(const QString &location)
{
    return tr("Disk ") + location;
}

QString Texts::warningLine(const QString &message)
{
    return QStringLiteral("<font color='Red'>") + QStringLiteral("<b>") +
           tr("Invalid Configuration: ") + message.toHtmlEscaped() +
           QStringLiteral("</b></font><br>");
}

QString typeWord(int index)
{
    return index >= 0 && index < int(std::size(TypeWords)) ? QString::fromLatin1(TypeWords[index])
                                                           : QStringLiteral("Error");
}

int typeIndex(const QString &word)
{
    for (int i = 0; i < int(std::size(TypeWords)); ++i) {
        if (word == QLatin1String(TypeWords[i]))
            return i;
    }
    return 0;
}

QString cacheWord(int index)
{
    return index >= 0 && index < int(std::size(CacheWords)) ? QString::fromLatin1(CacheWords[index])
                                                            : QStringLiteral("Error");
}

int cacheTagSize(int index)
{
    return index >= 0 && index < int(std::size(TagSizes)) ? TagSizes[index] : 0;
}

bool offered(KV_RaidApi &api, int diskIndex, bool alsoWhenFull)
{
    const KV_DiskRec *disk = api.GetDisk(diskIndex);
    if (!disk || KV_FieldIs(disk->type, "Core"))
        return false;
    const int id = disk->deviceRoute;
    const double freeMB = double(disk->totalFree) * 512.0 / 1000000.0;
    return api.FindUsableDiskIndex(id) == diskIndex && (alsoWhenFull || freeMB >= 1.0);
}

void addDiskRow(QTreeWidget *list, KV_RaidApi &api, int diskIndex, Columns columns,
                DiskKinds *kinds)
{
    const KV_DiskRec *disk = api.GetDisk(diskIndex);
    if (!disk)
        return;
    const KV_DiskRec d = *disk; // the lookups below may move the service on
    const int id = d.deviceRoute;
    auto *row = new MyTreeWidgetItem(list);
    row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
    row->setCheckState(Disk, Qt::Unchecked);
    setCell(row, Disk, QStringLiteral("%1 %2").arg(d.controller).arg(d.channel),
            double(d.controller) + double(d.channel) / 10.0);
    row->setData(Disk, KV_Role::Identifier, id);
    setCell(row, PortType, api.PortTypeText(diskIndex), api.PortTypeText(diskIndex));
    setCell(row, Capacity, KV_RaidApi::FormatSectors(d.capacity), qulonglong(d.capacity));
    const int uses = api.CountArraysOfDisk(id);
    setCell(row, Uses, QString::number(uses), uses);
    setCell(row, FreeSpace, KV_RaidApi::FormatSectors(d.totalFree), qulonglong(d.totalFree));
    setCell(row, LargestFree, KV_RaidApi::FormatSectors(d.largestFree), qulonglong(d.largestFree));
    const QString spare = Texts::yesNo(d.globalSpare == 1);
    setCell(row, GlobalSpare, spare, spare);
    if (columns == Columns::WithTrim) {
        const QString trim = api.DiskHasAdvancedTrim(id) ? Texts::tr("Advanced")
                             : api.DiskHasSimpleTrim(id) ? Texts::tr("Simple")
                                                         : Texts::tr("No");
        setCell(row, AfterSpare, trim, trim);
    }
    int column = hotSwapColumn(columns);
    const QString hotSwap = Texts::yesNo(api.DiskHasInformedHotSwap(id));
    setCell(row, column++, hotSwap, hotSwap);
    const QString model = field(d.model).trimmed();
    setCell(row, column++, model, model);
    const QString serial = api.SerialNumberText(diskIndex);
    setCell(row, column++, serial, serial);
    const QString firmware = field(d.firmware).replace(QLatin1Char('_'), QLatin1Char(' '));
    setCell(row, column, firmware, firmware);

    const bool nvme = api.DiskIsNvme(id);
    const bool solidState = api.DiskIsSolidState(id);
    kinds->unused |= uses <= 0;
    kinds->nvme |= nvme;
    kinds->hardDisk |= !solidState;
    kinds->sataSolidState |= solidState && !nvme;
}

void finishDiskList(QTreeWidget *list, Columns columns)
{
    for (int column = 0; column < columnCount(columns); ++column) {
        list->resizeColumnToContents(column);
        const int adjust = column == hotSwapColumn(columns) ? -8 : 1;
        list->setColumnWidth(column, list->columnWidth(column) + adjust);
    }
    list->setSortingEnabled(true);
    list->sortByColumn(Disk, Qt::AscendingOrder);
    list->setRootIsDecorated(false);
}

void checkRows(QTreeWidget *list, KV_RaidApi &api, Pick pick, int arrayId)
{
    const QSignalBlocker quiet(list);
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = list->topLevelItem(i);
        const int id = row->data(Disk, KV_Role::Identifier).toInt();
        bool checked = false;
        switch (pick) {
        case Pick::All:
            checked = true;
            break;
        case Pick::Nvme:
            checked = api.DiskIsNvme(id);
            break;
        case Pick::HardDisk:
            checked = !api.DiskIsSolidState(id);
            break;
        case Pick::SataSolidState:
            checked = api.DiskIsSolidState(id) && !api.DiskIsNvme(id);
            break;
        case Pick::Unused:
            checked = row->text(Uses).toInt() <= 0;
            break;
        case Pick::Members:
            checked = api.ArrayUsesDisk(arrayId, id);
            break;
        }
        row->setCheckState(Disk, checked ? Qt::Checked : Qt::Unchecked);
    }
    list->viewport()->update(); // the rows changed unseen by the view
}

int checkedRowCount(QTreeWidget *list)
{
    int count = 0;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        count += list->topLevelItem(i)->checkState(Disk) == Qt::Checked ? 1 : 0;
    return count;
}

void takeMembers(QTreeWidget *list, KV_Create *params)
{
    params->memberCount = 0;
    for (int i = 0; i < list->topLevelItemCount() && params->memberCount < KV_CreateMaxMembers;
         ++i) {
        const QTreeWidgetItem *row = list->topLevelItem(i);
        if (row->checkState(Disk) != Qt::Checked)
            continue;
        params->memberIds[params->memberCount] = row->data(Disk, KV_Role::Identifier).toInt();
        params->memberTexts[params->memberCount] = row->text(Disk);
        ++params->memberCount;
    }
}

void fillOrganizedAs(QComboBox *box, const QString &type, int checkedRows)
{
    const QSignalBlocker quiet(box);
    box->setEnabled(true);
    box->clear();
    if (type == QLatin1String("RAID10")) {
        const bool even = checkedRows >= 4 && checkedRows <= 8 && checkedRows % 2 == 0;
        box->addItem(even ? QString::number(checkedRows / 2) + QStringLiteral("x2") : QString());
    } else {
        box->addItem(QString());
        box->setEnabled(false);
    }
}

void disableTypesByDiskCount(QComboBox *box, int listedDisks)
{
    auto *model = qobject_cast<QStandardItemModel *>(box->model());
    if (!model)
        return;
    const struct {
        int index;
        int fewestDisks;
    } needs[] = {{1, 2}, {2, 2}, {3, 4}, {4, 3}};
    for (const auto &need : needs) {
        if (QStandardItem *item = model->item(need.index))
            item->setEnabled(listedDisks >= need.fewestDisks);
    }
}

QString typeIcon(const QString &type)
{
    return QStringLiteral(":images/icons/small_normal") + type + QStringLiteral(".png");
}

QTreeWidgetItem *addDiskItem(QTreeWidgetItem *parent, const QString &text, QSize iconSize)
{
    // Held by Qt's pixmap cache, which goes with the application.
    const QString path = QStringLiteral(":images/icons/HDD.png");
    QPixmap disk;
    if (!QPixmapCache::find(path, &disk) && disk.load(path))
        QPixmapCache::insert(path, disk);
    auto *item = new QTreeWidgetItem(parent, {Texts::diskText(text)});
    if (!disk.isNull())
        item->setIcon(0, disk.scaled(iconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return item;
}

void buildPreview(QTreeWidget *view, const QString &caption, const KV_Create &params,
                  bool showLayout, QSize iconSize)
{
    view->clear();
    view->setIconSize(iconSize);
    auto *top = new QTreeWidgetItem(view, {caption});
    top->setIcon(0, QIcon(QStringLiteral(":images/icons/small_array.png")));
    if (showLayout) {
        auto *typeItem = new QTreeWidgetItem(top, {params.type});
        typeItem->setIcon(0, QIcon(typeIcon(params.type)));
        const int members = std::clamp(params.memberCount, 0, KV_CreateMaxMembers);
        if (IsTwoLevelType(params.type)) {
            const QString memberType = MemberLevelType(params.type);
            for (int pair = 0; pair < members / 2; ++pair) {
                auto *set = new QTreeWidgetItem(typeItem, {memberType});
                set->setIcon(0, QIcon(typeIcon(memberType)));
                addDiskItem(set, params.memberTexts[2 * pair], iconSize);
                addDiskItem(set, params.memberTexts[2 * pair + 1], iconSize);
            }
        } else {
            for (int m = 0; m < members; ++m)
                addDiskItem(typeItem, params.memberTexts[m], iconSize);
        }
    }
    view->expandAll();
}

void clampToScreen(QWidget *dialog)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize available = screen->availableGeometry().size();
    if (available.height() < dialog->height())
        dialog->resize(std::min(available.width(), dialog->width()), available.height());
    else if (available.width() < dialog->width())
        dialog->resize(available.width(), dialog->height());
}

} // namespace KV_ArrayForm
