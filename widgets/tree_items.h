// The list rows that sort by a typed key, and the delegate that keeps a
// selected row's own text colour.
#pragma once

#include <QStyledItemDelegate>
#include <QTreeWidgetItem>

// Where every column of the array and disk lists keeps its sort key.
inline constexpr int KV_SortRole = Qt::UserRole + 4;

// The other data roles of the window's tree items.
namespace KV_Role {
inline constexpr int Identifier = Qt::UserRole;      // array or disk identifier
inline constexpr int WasSelected = Qt::UserRole + 1; // controller tree items
inline constexpr int WasExpanded = Qt::UserRole + 2; // the remembered tree's items
inline constexpr int ExpandWish = Qt::UserRole + 3;  // "expand" or "collapsed"
} // namespace KV_Role

class MyTreeWidgetItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    // Compares the sort keys of the tree's sort column by the type of this
    // item's key: numbers as numbers, dates and times in time order, all
    // else as case-sensitive text.
    bool operator<(const QTreeWidgetItem &other) const override;

    int sortRole = KV_SortRole;
};

class CustomDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
};
