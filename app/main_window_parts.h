// What the window's source files share: record fields as text, the array
// facts the trees and the menus read, and the pin that holds the window's
// service on the applied bundle.
#pragma once

#include "kv_raid_api.h"
#include "main_window.h"
#include "tree_items.h"

#include <QScrollBar>
#include <QString>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <QVariant>

#include <algorithm>

namespace KV_WindowParts {

inline QString field(const char *text)
{
    return QString::fromLatin1(text);
}

inline bool hidden(const KV_ArrayConfig &config)
{
    return (config.attributes & KV_RecordBits::AttributeHidden) != 0;
}

inline bool backgroundScan(const KV_ArrayConfig &config)
{
    return (config.attributes & KV_RecordBits::AttributeBackgroundScan) != 0;
}

inline int dedicatedSpareCount(const KV_ArrayConfig &config)
{
    int count = 0;
    for (int i = 0; i < std::clamp(config.linkCount, 0, KV_SnapshotMaxReferences); ++i)
        count += config.links[i].kind == KV_ReferenceSpare ? 1 : 0;
    return count;
}

// Tiers and caches list arrays as their members, not disks.
inline bool isArrayMember(const KV_ArrayConfig &config)
{
    return KV_FieldIs(config.type, "RAIDTIER") || KV_FieldIs(config.type, "VORLANE") ||
           KV_FieldIs(config.type, "RAIDCACHE");
}

// Sets one column of a list row: its text and its sort key.
inline void setCell(QTreeWidgetItem *row, int column, const QString &text, const QVariant &key)
{
    row->setText(column, text);
    row->setData(column, KV_SortRole, key);
}

inline QString yesNo(bool value)
{
    return value ? KV_MainWindow::tr("Yes") : KV_MainWindow::tr("No");
}

// Keeps where a list is scrolled to, both ways, while it is refilled: the
// values are taken on construction and put back on destruction. A list that
// has just been cleared still holds its values until its next layout, so
// this may be made after the clear.
class KeptScroll {
public:
    explicit KeptScroll(QTreeWidget *list)
        : list_(list), horizontal_(list->horizontalScrollBar()->value()),
          vertical_(list->verticalScrollBar()->value())
    {
    }
    ~KeptScroll()
    {
        list_->horizontalScrollBar()->setValue(horizontal_);
        list_->verticalScrollBar()->setValue(vertical_);
    }
    KeptScroll(const KeptScroll &) = delete;
    KeptScroll &operator=(const KeptScroll &) = delete;

private:
    QTreeWidget *list_;
    int horizontal_;
    int vertical_;
};

// Makes `item` the list's current item without scrolling to it: scrolling
// there would also open every collapsed item above it.
inline void setCurrentInPlace(QTreeWidget *list, QTreeWidgetItem *item)
{
    const bool autoScroll = list->hasAutoScroll();
    list->setAutoScroll(false);
    list->setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
    list->setAutoScroll(autoScroll);
}

// Keeps the window's service on the bundle's tables while it is applied.
class PinnedService {
public:
    PinnedService(KV_RaidApi &service, const KV_SnapshotRef &snapshot) : service_(service)
    {
        service_.PinSnapshot(snapshot);
    }
    ~PinnedService() { service_.UnpinSnapshot(); }
    PinnedService(const PinnedService &) = delete;
    PinnedService &operator=(const PinnedService &) = delete;

private:
    KV_RaidApi &service_;
};

} // namespace KV_WindowParts
