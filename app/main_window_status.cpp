// The status bar's statistics and the window's appearance: fonts, column
// widths, colours and icons.
#include "main_window.h"

#include "appearance.h"
#include "display_strings.h"
#include "main_window_parts.h"
#include "user_guide.h"

#include <QActionGroup>
#include <QApplication>
#include <QDesktopServices>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>

using namespace KV_Display;
using namespace KV_WindowParts;

void KV_MainWindow::sizeColumns()
{
    applyFonts();
    measureColumns();

    QSettings settings;
    fitColumnsToRows_ = !settings.contains(QStringLiteral("arrayListHeaderState"));
    diskHeaderRestored_ = diskList_->header()->restoreState(
        settings.value(QStringLiteral("diskListHeaderState")).toByteArray());
    arrayHeaderRestored_ = arrayList_->header()->restoreState(
        settings.value(QStringLiteral("arrayListHeaderState")).toByteArray());
    eventHeaderRestored_ = eventList_->header()->restoreState(
        settings.value(QStringLiteral("eventListHeaderState")).toByteArray());
}

// The list font on the four trees, their headers and the menus; the
// menu-bar font on the menu bar.
void KV_MainWindow::applyFonts()
{
    for (QTreeWidget *list : {diskList_, arrayList_, eventList_}) {
        list->setFont(listFont_);
        list->header()->setFont(listFont_);
    }
    controllerTree_->setFont(listFont_);
    eventDateWidth_ = -1; // the Date texts measured again in the new font
    menuBar()->setFont(menuFont_);
    for (QMenu *menu : menuBar()->findChildren<QMenu *>())
        menu->setFont(listFont_);
}

// The disk and array list columns measured with the headers in bold.
void KV_MainWindow::measureColumns()
{
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
}

void KV_MainWindow::startStatistics()
{
    statisticsThread_ = new QThread(this);
    // Its requests read the snapshot the window's refreshes keep: a refresh
    // of its own would only read the driver once more on the GUI thread.
    statisticsService_ = new KV_RaidApi(KV_RaidApi::Unrefreshed{}, nullptr);
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

// The statistics request runs on the statistics thread, so that a driver
// that does not answer holds up that thread, not the window; the next
// request follows 3 s after a sample has been shown.
void KV_MainWindow::statusBarRefresh()
{
    QMetaObject::invokeMethod(statisticsService_, &KV_RaidApi::RetrieveIoStats,
                              Qt::QueuedConnection);
}

void KV_MainWindow::buildStatusBar()
{
    const QString tips[6] = {
        tr("Value displays current MBs per second of performance between the OS and the "
           "OXV-RAID Driver."),
        tr("Value displays current MBs per second  performance between the OXV-RAID Driver and "
           "the storage device."),
        tr("Value displays current IOs per second performance between the OS and the OXV-RAID "
           "Driver."),
        tr("Value displays current IOs per second performance between the OXV-RAID Driver and "
           "the storage devices."),
        tr("Value displays total Bytes between the OS and the OXV-RAID Driver."),
        tr("Value displays total Bytes between the OXV-RAID Driver and the storage device."),
    };
    for (int i = 0; i < 6; ++i) {
        statisticsLabels_[i] = new QLabel;
        statisticsLabels_[i]->setToolTip(tips[i]);
        statusBar()->addWidget(statisticsLabels_[i], 1);
    }
}

QList<QLabel *> KV_MainWindow::statisticsLabels() const
{
    return {std::begin(statisticsLabels_), std::end(statisticsLabels_)};
}

void KV_MainWindow::updateStatusBar(KV_IoStats ioStats)
{
    const QString texts[6] = {ioStats.hostRate, ioStats.diskRate,  ioStats.hostIops,
                              ioStats.diskIops, ioStats.hostTotal, ioStats.diskTotal};
    for (int i = 0; i < 6; ++i)
        statisticsLabels_[i]->setText(texts[i]);
    statisticsTimer_->start(statisticsIntervalMs_);
}

// Appearance: the stored choices at start, the View menu's three submenus.

void KV_MainWindow::loadAppearance()
{
    using namespace KV_Appearance;
    theme_ = Stored(Setting::Theme);
    iconSize_ = IconSize(Stored(Setting::IconSize));
    const Fonts fonts = FontsFor(Stored(Setting::FontSize));
    listFont_ = fonts.list;
    menuFont_ = fonts.menuBar;
}

void KV_MainWindow::setUpAppearanceMenus()
{
    using namespace KV_Appearance;
    for (const Setting setting : {Setting::Theme, Setting::IconSize, Setting::FontSize}) {
        auto *group = new QActionGroup(this);
        group->setExclusive(true);
        for (const Choice &choice : Choices) {
            if (choice.setting != setting)
                continue;
            QAction *entry = action(choice.action);
            entry->setCheckable(true);
            entry->setData(QString::fromLatin1(choice.value));
            group->addAction(entry);
        }
        action(ActionFor(setting, Stored(setting)))->setChecked(true);
        if (setting == Setting::Theme)
            connect(group, &QActionGroup::triggered, this, &KV_MainWindow::appThemeChanged);
        else if (setting == Setting::IconSize)
            connect(group, &QActionGroup::triggered, this, &KV_MainWindow::changeAppIconSize);
        else
            connect(group, &QActionGroup::triggered, this, &KV_MainWindow::changeAppFontSize);
    }
    qApp->setStyleSheet(StyleSheet(theme_));
}

// Each change takes effect at once and is stored; choosing what is stored
// already does nothing. The refresh brings the trees' colours, icons and
// fonts up to date.
void KV_MainWindow::appThemeChanged(QAction *action)
{
    using namespace KV_Appearance;
    const QString value = action->data().toString();
    if (value == Stored(Setting::Theme))
        return;
    Store(Setting::Theme, value);
    theme_ = value;
    qApp->setStyleSheet(StyleSheet(theme_));
    triggerFullRefresh();
}

void KV_MainWindow::changeAppIconSize(QAction *action)
{
    using namespace KV_Appearance;
    const QString value = action->data().toString();
    if (value == Stored(Setting::IconSize))
        return;
    Store(Setting::IconSize, value);
    iconSize_ = IconSize(value);
    triggerFullRefresh();
}

void KV_MainWindow::changeAppFontSize(QAction *action)
{
    using namespace KV_Appearance;
    const QString value = action->data().toString();
    if (value == Stored(Setting::FontSize))
        return;
    Store(Setting::FontSize, value);
    const Fonts fonts = FontsFor(value);
    listFont_ = fonts.list;
    menuFont_ = fonts.menuBar;
    applyFonts();
    triggerFullRefresh();
    measureColumns();
}

void KV_MainWindow::userGuide()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(KV_CopyUserGuide(
        QStringLiteral(":/UserGuide/UserGuide/oxv-velmora_user_guide.pdf"), KV_UserGuideFolder())));
}

void KV_MainWindow::supportSite()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("https://support.oxv.example/velmora")));
}

QColor KV_MainWindow::defaultColour() const
{
    return DefaultColour(darkTheme());
}

QIcon KV_MainWindow::diskIcon() const
{
    if (diskIconSize_ != iconSize_) {
        const QPixmap disk(QStringLiteral(":images/icons/HDD.png"));
        diskIcon_ =
            disk.isNull()
                ? QIcon()
                : QIcon(disk.scaled(iconSize_, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        diskIconSize_ = iconSize_;
    }
    return diskIcon_;
}

const QIcon &KV_MainWindow::icon(const QString &path) const
{
    auto found = icons_.constFind(path);
    if (found == icons_.cend())
        found = icons_.insert(path, QIcon(path));
    return *found;
}
