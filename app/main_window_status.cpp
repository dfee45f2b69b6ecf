// The status bar's statistics and the window's appearance: fonts, column
// widths, colours and icons.
#include "main_window.h"

#include "display_strings.h"
#include "main_window_parts.h"

#include <QHeaderView>
#include <QLabel>
#include <QSettings>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>

using namespace KV_Display;
using namespace KV_WindowParts;

void KV_MainWindow::sizeColumns()
{
    for (QTreeWidget *list : {diskList_, arrayList_, eventList_}) {
        list->setFont(listFont_);
        list->header()->setFont(listFont_);
    }
    controllerTree_->setFont(listFont_);
    QFont bold = listFont_;
    bold.setWeight(QFont::Bold);
    for (QTreeWidget *list : {diskList_, arrayList_}) {
        list->header()->setFont(bold);
        for (int c = 0; c < list->columnCount(); ++c)
            list->resizeColumnToContents(c);
    }
    for (int c = 0; c < diskList_->columnCount(); ++c) {
        int less = 8;
        if (c == 0 || c == 5 || c == 6 || c == 9)
            less = 23;
        else if (c == 3)
            less = 3;
        else if (c == 7)
            less = 33;
        else if (c == 8)
            less = 38;
        diskList_->setColumnWidth(c, diskList_->columnWidth(c) - less);
    }
    for (QTreeWidget *list : {diskList_, arrayList_}) {
        list->header()->setFont(listFont_);
        // Never narrower than the header's own label: fonts other than the
        // one the adjustments were made for would cut labels off.
        for (int c = 0; c < list->columnCount(); ++c)
            list->setColumnWidth(
                c, std::max(list->columnWidth(c), list->header()->sectionSizeHint(c)));
    }

    QSettings settings;
    fitColumnsToRows_ = !settings.contains(QStringLiteral("arrayListHeaderState"));
    diskHeaderRestored_ = diskList_->header()->restoreState(
        settings.value(QStringLiteral("diskListHeaderState")).toByteArray());
    arrayHeaderRestored_ = arrayList_->header()->restoreState(
        settings.value(QStringLiteral("arrayListHeaderState")).toByteArray());
    eventHeaderRestored_ = eventList_->header()->restoreState(
        settings.value(QStringLiteral("eventListHeaderState")).toByteArray());
}

void KV_MainWindow::startStatistics()
{
    statisticsThread_ = new QThread(this);
    statisticsService_ = new KV_RaidApi;
    statisticsService_->moveToThread(statisticsThread_);
    connect(statisticsService_, &KV_RaidApi::StatsRetrieved, this, &KV_MainWindow::updateStatusBar);
    connect(statisticsThread_, &QThread::finished, statisticsService_, &QObject::deleteLater);
    statisticsThread_->start(QThread::InheritPriority);
    statisticsTimer_ = new QTimer(this);
    statisticsTimer_->setTimerType(Qt::PreciseTimer);
    statisticsTimer_->setSingleShot(true);
    statisticsTimer_->setInterval(statisticsIntervalMs_);
    connect(statisticsTimer_, &QTimer::timeout, this, &KV_MainWindow::statusBarRefresh);
    statisticsTimer_->start();
}

void KV_MainWindow::statusBarRefresh()
{
    QMetaObject::invokeMethod(statisticsService_, &KV_RaidApi::RetrieveIoStats,
                              Qt::QueuedConnection);
}

void KV_MainWindow::updateStatusBar(KV_IoStats ioStats)
{
    statisticsLabel_->setText(QStringList{ioStats.hostRate, ioStats.diskRate, ioStats.hostIops,
                                          ioStats.diskIops, ioStats.hostTotal, ioStats.diskTotal}
                                  .join(QStringLiteral("   ")));
    statisticsTimer_->start();
}

QColor KV_MainWindow::defaultColour() const
{
    return DefaultColour(darkTheme());
}

QIcon KV_MainWindow::diskIcon() const
{
    const QPixmap disk(QStringLiteral(":images/icons/HDD.png"));
    if (disk.isNull())
        return {};
    return QIcon(disk.scaled(iconSize_, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
