#include "tree_items.h"

#include <QDateTime>

bool MyTreeWidgetItem::operator<(const QTreeWidgetItem &other) const
{
    const QTreeWidget *tree = treeWidget();
    const int column = tree ? tree->sortColumn() : 0;
    const QVariant mine = data(column, sortRole);
    const QVariant theirs = other.data(column, sortRole);
    switch (mine.typeId()) {
    case QMetaType::Int:
        return mine.toInt() < theirs.toInt();
    case QMetaType::UInt:
        return mine.toUInt() < theirs.toUInt();
    case QMetaType::LongLong:
        return mine.toLongLong() < theirs.toLongLong();
    case QMetaType::ULongLong:
        return mine.toULongLong() < theirs.toULongLong();
    case QMetaType::Double:
        return mine.toDouble() < theirs.toDouble();
    case QMetaType::QChar:
        return mine.toChar() < theirs.toChar();
    case QMetaType::QDate:
        return mine.toDate() < theirs.toDate();
    case QMetaType::QTime:
        return mine.toTime() < theirs.toTime();
    case QMetaType::QDateTime:
        return mine.toDateTime() < theirs.toDateTime();
    default:
        return mine.toString() < theirs.toString();
    }
}

void CustomDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                           const QModelIndex &index) const
{
    QStyleOptionViewItem styled(option);
    initStyleOption(&styled, index);
    const QVariant foreground = index.data(Qt::ForegroundRole);
    const QColor colour =
        foreground.isValid() ? foreground.value<QBrush>().color() : QColor(Qt::white);
    if (styled.state & QStyle::State_Selected)
        styled.palette.setBrush(QPalette::HighlightedText, colour);
    QStyledItemDelegate::paint(painter, styled, index);
}
