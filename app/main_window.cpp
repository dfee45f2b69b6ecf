#include "main_window.h"

#include "api_worker.h"
#include "display_strings.h"
#include "eula_dialog.h"
#include "kv_app_log.h"
#include "kv_create.h"
#include "kv_raid_api.h"
#include "startup.h"
#include "tree_items.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>

#include <memory>

namespace {

using namespace KV_Display;

QString field(const char *text)
{
    return QString::fromLatin1(text);
}

bool hidden(const KV_ArrayConfig &config)
{
    return (config.attributes & 0x200) != 0;
}

constexpr uint32_t BackgroundScanFlag = 0x400;

int dedicatedSpareCount(const KV_ArrayConfig &config)
{
    int count = 0;
    for (int i = 0; i < std::clamp(config.linkCount, 0, KV_SnapshotMaxReferences); ++i)
        count += config.links[i].kind == KV_ReferenceSpare ? 1 : 0;
    return count;
}

bool isArrayMember(const KV_ArrayConfig &config)
{
    return KV_FieldIs(config.type, "RAIDTIER") || KV_FieldIs(config.type, "VORLANE") ||
           KV_FieldIs(config.type, "RAIDCACHE");
}

// Sets one column of a list row: its text and its sort key.
void setCell(QTreeWidgetItem *row, int column, const QString &text, const QVariant &key)
{
    row->setText(column, text);
    row->setData(column, KV_Role::SortKey, key);
}

QString yesNo(bool value)
{
    return value ? KV_MainWindow::tr("Yes") : KV_MainWindow::tr("No");
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

} // namespace

KV_MainWindow::KV_MainWindow(QWidget *parent) : QMainWindow(parent)
{
    // Fonts of the lists and the menu bar.
    listFont_ = QFont(QStringLiteral("Segoe UI"), 10, 400);
    menuFont_ = QFont(QStringLiteral("Segoe UI"), 11, 400);

    QSettings settings;
    const bool geometryRestored =
        restoreGeometry(settings.value(QStringLiteral("mainWindowGeometry")).toByteArray());
    restoreState(settings.value(QStringLiteral("mainWindowState")).toByteArray());
    if (!geometryRestored) {
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        resize(int(available.width() * 0.8), int(available.height() * 0.8));
    }

    theme_ = settings.value(QStringLiteral("ApplicationTheme"), QStringLiteral("light")).toString();
    iconSize_ = settings.value(QStringLiteral("ApplicationIconSize")).toString() == u"Large"
                    ? largeIconSize_
                    : smallIconSize_;
    buildMenus();
    if (!darkTheme()) {
        qApp->setStyleSheet(QStringLiteral(
            "QMenu {background-color:#009966; color:white} QMenu::item:selected "
            "{background:#484848} QMenu::item:disabled {background:grey} QMenuBar "
            "{background-color:#009966; color:white} QMenuBar::item:selected {background:#484848} "
            " QTreeWidget{background-color:#eae7dc; alternate-background-color: #e2dfd3} QDialog "
            "{background:#e2dfd3}"));
    }

    service_ = new KV_RaidApi(this);

    const QString appDir = QCoreApplication::applicationDirPath();
    appLogPath_ = KV_PrepareLogFile(appDir, QString::fromLatin1(KV_Startup::ApplicationName));
    service_->SetLogPath(appLogPath_);
    eventLogPath_ = KV_Startup::DataFilePath(appDir, QStringLiteral("EventsLog.xml"));

    elevated_ = KV_RaidApi::ProcessIsElevated();

    buildTrees();
    startStatistics();

    notificationTimer_ = new QTimer(this);
    notificationTimer_->setSingleShot(true);
    notificationTimer_->setInterval(5000);

    eventLanguage_ = KV_Startup::EventLanguageIndex(
        settings.value(QStringLiteral("ApplicationLanguage")).toString());

    triggerFullRefresh();

    statisticsLabel_ = new QLabel;
    statusBar()->addPermanentWidget(statisticsLabel_);

    setWindowTitle(QString::fromLatin1(KV_Startup::ApplicationName));
    setWindowIcon(QIcon(QStringLiteral(":images/icons/Logo.ico")));
    setCentralWidget(outerSplitter_);
    diskList_->setAlternatingRowColors(true);
    arrayList_->setAlternatingRowColors(true);
    eventList_->setAlternatingRowColors(true);

    sizeColumns();

    menuRefreshTimer_ = new QTimer(this);
    menuRefreshTimer_->setTimerType(Qt::PreciseTimer);
    menuRefreshTimer_->setSingleShot(true);
    connect(menuRefreshTimer_, SIGNAL(timeout()), this, SLOT(menu_refresh()));
    menuRefreshTimer_->start(menuRefreshIntervalMs_);

    checkDrivers();

    if (!elevated_)
        QMessageBox::about(this, QString::fromLatin1(KV_Startup::ApplicationName),
                           KV_Startup::PrivilegeNotice());
    else if (service_->GetArrayCount() > 1)
        deleteMultipleAction_->setEnabled(true);
}

KV_MainWindow::~KV_MainWindow()
{
    QSettings settings;
    settings.setValue(QStringLiteral("diskListHeaderState"), diskList_->header()->saveState());
    settings.setValue(QStringLiteral("arrayListHeaderState"), arrayList_->header()->saveState());
    settings.setValue(QStringLiteral("eventListHeaderState"), eventList_->header()->saveState());
    settings.setValue(QStringLiteral("mainWindowGeometry"), saveGeometry());
    settings.setValue(QStringLiteral("mainWindowState"), saveState());
    if (statisticsThread_) {
        statisticsThread_->quit();
        statisticsThread_->wait();
    }
    delete outerSplitter_;
}

QAction *KV_MainWindow::action(const QString &text) const
{
    for (QAction *candidate : findChildren<QAction *>()) {
        if (candidate->text() == text)
            return candidate;
    }
    return nullptr;
}

void KV_MainWindow::buildMenus()
{
    menuBar()->setFont(menuFont_);
    auto addAction = [this](QMenu *menu, const QString &text, const QString &tip, bool enabled) {
        QAction *action = menu->addAction(text);
        action->setStatusTip(tip);
        action->setEnabled(enabled);
        return action;
    };

    fileMenu_ = menuBar()->addMenu(tr("&File"));
    connect(addAction(fileMenu_, tr("&Quit"), QString(), true), &QAction::triggered, qApp,
            &QCoreApplication::quit);

    arrayMenu_ = menuBar()->addMenu(tr("&Array"));
    createAction_ = addAction(arrayMenu_, tr("&Create"), tr("Create RAID array"), true);
    transformAction_ =
        addAction(arrayMenu_, tr("&Transform"), tr("Transform an existing RAID array"), false);
    checkMenu_ = arrayMenu_->addMenu(tr("Check Consistency"));
    checkStartAction_ = addAction(checkMenu_, tr("Start"), QString(), false);
    checkStopAction_ = addAction(checkMenu_, tr("Stop"), QString(), false);
    checkMenu_->setEnabled(false);
    scanMenu_ = arrayMenu_->addMenu(tr("Background Array Scan"));
    scanStartAction_ = addAction(scanMenu_, tr("Start"), QString(), false);
    scanStopAction_ = addAction(scanMenu_, tr("Stop"), QString(), false);
    scanMenu_->setEnabled(false);
    cacheMenu_ = arrayMenu_->addMenu(tr("Modify Cache Settings"));
    const QString cacheTexts[4] = {tr("No Cache"), tr("Read Cache"), tr("Write Back Cache"),
                                   tr("Read + Write Back Cache")};
    for (int i = 0; i < 4; ++i) {
        cacheActions_[i] = addAction(cacheMenu_, cacheTexts[i], QString(), true);
        cacheActions_[i]->setCheckable(true);
    }
    cacheMenu_->setEnabled(false);
    taskMenu_ = arrayMenu_->addMenu(tr("Task"));
    priorityAction_ = addAction(taskMenu_, tr("Priority"), QString(), false);
    resumeAction_ = addAction(taskMenu_, tr("Resume"), QString(), false);
    pauseAction_ = addAction(taskMenu_, tr("Pause"), QString(), false);
    taskRemoveAction_ = addAction(taskMenu_, tr("Remove"), QString(), false);
    taskMenu_->setEnabled(false);
    nameAction_ =
        addAction(arrayMenu_, tr("&Name"), tr("Change Array Name of Selected Array"), true);
    hideAction_ = addAction(arrayMenu_, tr("Hide"), tr("Hide/Un-Hide an existing Array"), true);
    identifyAction_ = addAction(arrayMenu_, tr("Identify Array"),
                                tr("Light LED(s) representing the selected Array"), true);
    prepareRemoveAction_ = addAction(
        arrayMenu_, tr("&Prepare To Remove"),
        tr("Make the array invisible to the operating system for preparation of removal"), true);
    removeSparesAction_ = addAction(arrayMenu_, tr("Remove Spares"),
                                    tr("Remove all dedicated spares assigned to this array"), true);
    deleteAction_ = addAction(arrayMenu_, tr("&Delete"), tr("Delete an existing RAID array"), true);
    deleteMultipleAction_ =
        addAction(arrayMenu_, tr("Delete &Multiple Arrays"),
                  tr("Select multiple existing RAID arrays for deletion"), true);
    secureEraseAction_ =
        addAction(arrayMenu_, tr("&Secure Erase"), tr("Secure Erase an existing RAID array"), true);

    diskMenu_ = menuBar()->addMenu(tr("&Disk"));
    addAction(diskMenu_, tr("&Rescan"),
              tr("Rescan all channels to detect new or removed physical disks and arrays."), true);
    initializeAction_ = addAction(diskMenu_, tr("&Initialize"), QString(), false);
    clearMetadataAction_ = addAction(diskMenu_, tr("&Clear Metadata"), QString(), false);
    addAction(diskMenu_, tr("&Properties"), QString(), true);
    addAction(diskMenu_, tr("&S.M.A.R.T. Overview"),
              tr("S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a monitoring "
                 "system by the drive to detect and report various indicators of drive "
                 "reliability."),
              true);
    optionsAction_ =
        addAction(diskMenu_, tr("&Options"), tr("Manage spares for the selected disk."), true);

    viewMenu_ = menuBar()->addMenu(tr("&View"));
    connect(addAction(viewMenu_, tr("&Refresh"), QString(), true), SIGNAL(triggered()), this,
            SLOT(menu_refresh()));
    addAction(viewMenu_, tr("&Application Log"), tr("View application log information."), true);
    addAction(viewMenu_, tr("&View Controllers"), tr("View Controller List"), true);
    eventViewAction_ = addAction(viewMenu_, tr("&Event View"), tr("Collapse Event View"), true);
    eventViewAction_->setCheckable(true);
    eventViewAction_->setChecked(true);
    connect(eventViewAction_, SIGNAL(triggered()), this, SLOT(eventViewToggle_Form()));
    viewMenu_->addSeparator();
    QMenu *themeMenu = viewMenu_->addMenu(tr("&Theme"));
    themeMenu->menuAction()->setStatusTip(tr("Change Application Color Theme"));
    themeMenu->addAction(tr("Dark"));
    themeMenu->addAction(tr("Light"));
    viewMenu_->addSeparator();
    QMenu *iconMenu = viewMenu_->addMenu(tr("&Icon Size"));
    iconMenu->menuAction()->setStatusTip(tr("Change Application's Icon Sizes"));
    iconMenu->addAction(tr("Small"));
    iconMenu->addAction(tr("Large"));
    viewMenu_->addSeparator();
    QMenu *fontMenu = viewMenu_->addMenu(tr("&Font Size"));
    fontMenu->menuAction()->setStatusTip(tr("Change Application's Font Sizes"));
    fontMenu->addAction(tr("Small"));
    fontMenu->addAction(tr("Normal"));
    fontMenu->addAction(tr("Large"));

    helpMenu_ = menuBar()->addMenu(tr("&Help"));
    addAction(helpMenu_, tr("&About"), tr("Display Application and RAID Driver versions"), true);
    addAction(helpMenu_, tr("&User Guide"), tr("Link to User Guide"), true);
    addAction(helpMenu_, tr("&Support"), tr("Link to OXV Support Site"), true);
    connect(addAction(helpMenu_, tr("&EULA"), tr("View End User License Agreement (EULA)."), true),
            &QAction::triggered, this, [this] { showEula(true); });

    for (QMenu *menu : menuBar()->findChildren<QMenu *>())
        menu->setFont(listFont_);
}

void KV_MainWindow::buildTrees()
{
    controllerTree_ = new QTreeWidget;
    diskList_ = new QTreeWidget;
    arrayList_ = new QTreeWidget;
    eventList_ = new QTreeWidget;

    outerSplitter_ = new QSplitter(Qt::Vertical);
    upperSplitter_ = new QSplitter(Qt::Horizontal);
    rightSplitter_ = new QSplitter(Qt::Vertical);
    rightSplitter_->addWidget(diskList_);
    rightSplitter_->addWidget(arrayList_);
    upperSplitter_->addWidget(controllerTree_);
    upperSplitter_->addWidget(rightSplitter_);
    upperSplitter_->setStretchFactor(0, 2);
    upperSplitter_->setStretchFactor(1, 7);
    outerSplitter_->addWidget(upperSplitter_);
    outerSplitter_->addWidget(eventList_);
    outerSplitter_->setStretchFactor(0, 2);

    controllerTree_->setColumnCount(1);
    controllerTree_->setHeaderHidden(true);
    // Long member texts scroll sideways instead of being cut off.
    controllerTree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    controllerTree_->header()->setStretchLastSection(false);
    controllerTree_->setIconSize(iconSize_);
    diskList_->setHeaderLabels({tr("Disk"), tr("State"), tr("Type"), tr("Port Type"),
                                tr("Capacity"), tr("Free Space"), tr("Largest Free"),
                                tr("Global Spare"), tr("Informed Hot Swap"), tr("Uses"),
                                tr("Model Number"), tr("Serial Number"), tr("Firmware Revision")});
    arrayList_->setHeaderLabels({tr("Device"), tr("OS Name"), tr("System"), tr("Partition"),
                                 tr("Array Name"), tr("Type"), tr("Total Capacity"), tr("State"),
                                 tr("Task"), tr("Task State"), tr("Progress"), tr("Pri"),
                                 tr("Scan"), tr("Cache"), tr("CTS"), tr("Trim"), tr("Ded Spare")});
    eventList_->setHeaderLabels({tr("#"), tr("Date"), tr("Event"), tr("Priority"), tr("Text")});
    for (QTreeWidget *list : {diskList_, arrayList_, eventList_}) {
        list->setRootIsDecorated(false);
        list->setAlternatingRowColors(true);
        list->setSortingEnabled(true);
        list->header()->setSectionsClickable(true);
    }
    for (QTreeWidget *tree : {controllerTree_, diskList_, arrayList_})
        tree->setContextMenuPolicy(Qt::CustomContextMenu);
    eventList_->setContextMenuPolicy(Qt::NoContextMenu);
    for (QTreeWidget *tree : {controllerTree_, diskList_, eventList_})
        tree->setItemDelegate(new CustomDelegate(tree));
    diskList_->sortByColumn(diskSortColumn_, diskSortOrder_);
    arrayList_->sortByColumn(arraySortColumn_, arraySortOrder_);
    eventList_->sortByColumn(eventSortColumn_, eventSortOrder_);

    connect(controllerTree_, SIGNAL(itemPressed(QTreeWidgetItem *, int)), this,
            SLOT(arraySelectedChanged(QTreeWidgetItem *, int)));
    connect(controllerTree_, SIGNAL(customContextMenuRequested(const QPoint &)), this,
            SLOT(ShowContextMenu(const QPoint &)));
    connect(controllerTree_, SIGNAL(itemCollapsed(QTreeWidgetItem *)), this,
            SLOT(activeArrayCollapsed(QTreeWidgetItem *)));
    connect(controllerTree_, SIGNAL(itemExpanded(QTreeWidgetItem *)), this,
            SLOT(activeArrayExpanded(QTreeWidgetItem *)));
    connect(diskList_, SIGNAL(itemDoubleClicked(QTreeWidgetItem *, int)), this,
            SLOT(diskDoubleClicked(QTreeWidgetItem *, int)));
    connect(diskList_, SIGNAL(itemSelectionChanged()), this, SLOT(enableDiskOption()));
    connect(diskList_, SIGNAL(customContextMenuRequested(const QPoint &)), this,
            SLOT(diskOptionsClicked()));
    connect(diskList_->header(), SIGNAL(sectionClicked(int)), this,
            SLOT(preserveSortDiskList(int)));
    connect(arrayList_, SIGNAL(itemPressed(QTreeWidgetItem *, int)), this,
            SLOT(arrayListSelectionChanged(QTreeWidgetItem *, int)));
    connect(arrayList_, SIGNAL(customContextMenuRequested(const QPoint &)), this,
            SLOT(ShowContextMenuArrayList(const QPoint &)));
    connect(arrayList_->header(), SIGNAL(sectionClicked(int)), this,
            SLOT(preserveSortArrayList(int)));
    connect(eventList_->header(), SIGNAL(sectionClicked(int)), this,
            SLOT(preserveSortEventList(int)));

    // Keyboard use: the current item follows the arrow keys like a press.
    connect(controllerTree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) {
                if (current && QApplication::mouseButtons() == Qt::NoButton)
                    arraySelectedChanged(current, 0);
            });
    connect(arrayList_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *current) {
        if (current && QApplication::mouseButtons() == Qt::NoButton)
            arrayListSelectionChanged(current, 0);
    });
    setTabOrder(controllerTree_, diskList_);
    setTabOrder(diskList_, arrayList_);
    setTabOrder(arrayList_, eventList_);
}

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
    connect(statisticsService_, SIGNAL(StatsRetrieved(KV_IoStats)), this,
            SLOT(updateStatusBar(KV_IoStats)));
    connect(statisticsThread_, &QThread::finished, statisticsService_, &QObject::deleteLater);
    statisticsThread_->start(QThread::InheritPriority);
    statisticsTimer_ = new QTimer(this);
    statisticsTimer_->setTimerType(Qt::PreciseTimer);
    statisticsTimer_->setSingleShot(true);
    statisticsTimer_->setInterval(statisticsIntervalMs_);
    connect(statisticsTimer_, SIGNAL(timeout()), this, SLOT(statusBarRefresh()));
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

void KV_MainWindow::checkDrivers()
{
    if (service_->GetArrayCount() >= 1)
        return;
    const KV_Startup::DriverPresence presence = KV_Startup::CheckDrivers(
        [](const QString &name) { return KV_RaidApi::IsDriverLoaded(name); });
    if (presence == KV_Startup::DriverPresence::Present)
        return;
    auto *box = new QMessageBox(this);
    box->setText(KV_Startup::DriverMessage(presence));
    box->setStandardButtons(QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, qApp, [](int result) {
        if (result == QMessageBox::Ok)
            QCoreApplication::quit();
    });
    box->open();
}

void KV_MainWindow::showEula(bool fromHelpMenu)
{
    auto *dialog = new kv_EULA_Dialog(this);
    if (fromHelpMenu) {
        dialog->setWindowTitle(tr("EULA"));
        dialog->setWindowFlags(dialog->windowFlags() & ~Qt::WindowContextHelpButtonHint);
    }
    dialog->show();
}

// Refresh cycle.

void KV_MainWindow::triggerFullRefresh()
{
    if (refreshInProgress_)
        return;
    refreshInProgress_ = true;
    const uint first = nextEventSeq_;
    const int language = eventLanguage_;
    KV_RunOnWorkerThread(
        [first, language](ApiWorker *worker) { worker->DoFullRefresh(first, language); },
        &ApiWorker::fullRefreshReady, this,
        [this](RaidDataBundle bundle) { handleFullRefresh(std::move(bundle)); });
}

void KV_MainWindow::menu_refresh()
{
    triggerFullRefresh();
}

void KV_MainWindow::handleFullRefresh(RaidDataBundle bundle)
{
    bundle_ = std::move(bundle);
    const PinnedService pin(*service_, bundle_.snapshot);

    fillEventList(bundle_.events);
    nextEventSeq_ = bundle_.nextEventSeq;

    savedArrayHeaderState_ = arrayList_->header()->saveState();
    arrayList_->clear();
    rebuildControllerTree();
    fillArrayList();

    savedDiskHeaderState_ = diskList_->header()->saveState();
    diskList_->clear();
    fillDiskList();

    if (fitColumnsToRows_ && !bundle_.disks.isEmpty()) {
        // A first start has no stored column widths: fit them to the rows.
        for (QTreeWidget *list : {diskList_, arrayList_}) {
            for (int c = 0; c < list->columnCount(); ++c) {
                const int before = list->columnWidth(c);
                list->resizeColumnToContents(c);
                list->setColumnWidth(c, std::max(before, list->columnWidth(c) + 8));
            }
        }
        fitColumnsToRows_ = false;
    }
    if (QTreeWidgetItem *root = controllerTree_->topLevelItem(0); root && firstExpandPending_) {
        root->setExpanded(true);
        firstExpandPending_ = false;
    }
    resetArrayActions();
    if (selectedArray_ > 0)
        applySelectedArrayEnablement();
    deleteMultipleAction_->setEnabled(bundle_.arrays.size() >= 2 && elevated_);

    refreshInProgress_ = false;
    menuRefreshTimer_->start(menuRefreshIntervalMs_);
}

// The controller tree.

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

void KV_MainWindow::rebuildControllerTree()
{
    const QSignalBlocker quiet(controllerTree_);
    QTreeWidgetItem *oldRoot = controllerTree_->topLevelItem(0);
    std::unique_ptr<QTreeWidgetItem> copy;
    bool rootWasSelected = false;
    bool rootWasExpanded = false;
    if (oldRoot) {
        copy.reset(oldRoot->clone());
        rootWasSelected = oldRoot->data(0, KV_Role::WasSelected).toBool();
        rootWasExpanded = oldRoot->isExpanded();
        for (int a = 0; a < oldRoot->childCount(); ++a) {
            QTreeWidgetItem *array = oldRoot->child(a);
            copy->child(a)->setData(0, KV_Role::WasExpanded, array->isExpanded());
            for (int c = 0; c < array->childCount(); ++c) {
                QTreeWidgetItem *child = array->child(c);
                if (child->isExpanded())
                    copy->child(a)->child(c)->setData(0, KV_Role::WasExpanded, true);
                for (int g = 0; g < child->childCount(); ++g) {
                    if (child->child(g)->isExpanded())
                        copy->child(a)->child(c)->child(g)->setData(0, KV_Role::WasExpanded, true);
                }
            }
        }
    }
    const int scroll = controllerTree_->verticalScrollBar()->value();
    controllerTree_->clear();

    buildControllerTree();

    QTreeWidgetItem *root = controllerTree_->topLevelItem(0);
    if (copy && root) {
        bool selectionCarried = false;
        for (int a = 0; a < copy->childCount(); ++a) {
            const QTreeWidgetItem *old = copy->child(a);
            const QVariant id = old->data(0, KV_Role::Identifier);
            QTreeWidgetItem *now = nullptr;
            for (int n = 0; n < root->childCount() && !now; ++n) {
                if (root->child(n)->data(0, KV_Role::Identifier) == id)
                    now = root->child(n);
            }
            if (!now)
                continue;
            const QString oldWish = old->data(0, KV_Role::ExpandWish).toString();
            const QString newWish = now->data(0, KV_Role::ExpandWish).toString();
            const bool expand =
                (old->data(0, KV_Role::WasExpanded).toBool() || newWish == u"expand") &&
                oldWish != u"collapsed";
            now->setExpanded(expand);
            // The user's collapse of a busy array holds until they expand it.
            if (oldWish == u"collapsed" && !newWish.isEmpty())
                now->setData(0, KV_Role::ExpandWish, oldWish);
            for (int c = 0; c < now->childCount() && c < old->childCount(); ++c) {
                if (old->child(c)->data(0, KV_Role::WasExpanded).toBool())
                    now->child(c)->setExpanded(true);
            }
            if (!selectionCarried) {
                if (old->data(0, KV_Role::WasSelected).toBool()) {
                    now->setData(0, KV_Role::WasSelected, true);
                    selectionCarried = true;
                }
                for (int c = 0; !selectionCarried && c < old->childCount(); ++c) {
                    if (old->child(c)->data(0, KV_Role::WasSelected).toBool() &&
                        c < now->childCount()) {
                        now->child(c)->setData(0, KV_Role::WasSelected, true);
                        selectionCarried = true;
                    }
                }
            }
        }
    }
    if (root) {
        if (selectedArray_ == 0)
            resetArrayActions();
        else
            applySelectedArrayEnablement();
        root->setData(0, KV_Role::WasSelected, rootWasSelected);
        if (copy)
            root->setExpanded(rootWasExpanded);
        // The keyboard goes on from the selected item, not from the top.
        QTreeWidgetItemIterator it(controllerTree_);
        for (; *it; ++it) {
            if ((*it)->data(0, KV_Role::WasSelected).toBool()) {
                (*it)->setSelected(true);
                controllerTree_->setCurrentItem(*it, 0, QItemSelectionModel::NoUpdate);
            }
        }
    }
    controllerTree_->verticalScrollBar()->setValue(scroll);
}

void KV_MainWindow::buildControllerTree()
{
    controllerTree_->setIconSize(iconSize_);
    const QColor normal = defaultColour();
    auto *root = new QTreeWidgetItem(controllerTree_);
    root->setText(0, bundle_.computerName);
    root->setIcon(0, QIcon(QStringLiteral(":images/icons/small_system.png")));
    root->setForeground(0, normal);

    for (int index = 0; index < service_->GetArrayCount(); ++index) {
        const KV_ArrayRec *record = service_->GetArray(index);
        const KV_ArrayConfig &array = record->config[0];
        const QString task = field(array.transformType);
        const QString state = field(array.state);
        const bool taskShown = TaskShown(task, array.percentComplete);

        QString text = QStringLiteral("Array ") + QString::number(array.deviceRoute) + u' ';
        if (taskShown)
            text += u' ' + QString::number(double(array.percentComplete), 'f', 2) + u'%';
        if (!KV_FieldIs(array.deviceName, "NONE"))
            text += u' ' + field(array.deviceName);
        text += u' ';
        if (state != u"NORMAL")
            text += ArrayStateText(state) + u' ';
        if (hidden(array))
            text += tr("(Hidden)");

        auto *item = new QTreeWidgetItem(root);
        item->setText(0, text);
        item->setData(0, KV_Role::Identifier, uint(array.deviceRoute));
        item->setIcon(0, QIcon(array.deviceRoute == selectedArray_
                                   ? QStringLiteral(":images/icons/small_selectedDISK.png")
                                   : QStringLiteral(":images/icons/small_array.png")));
        item->setForeground(0, state != u"NORMAL" || hidden(array)
                                   ? StateColour(state, hidden(array), darkTheme())
                                   : normal);

        if (taskShown) {
            auto *barItem = new QTreeWidgetItem(item);
            auto *bar = new QProgressBar;
            bar->setRange(0, 100);
            bar->setValue(int(array.percentComplete));
            bar->setFormat(TaskTypeText(task) + u' ' + TaskStateText(field(array.transformState)));
            bar->setAlignment(Qt::AlignCenter);
            bar->setFixedWidth(bar->fontMetrics().horizontalAdvance(bar->format()) + 50);
            bar->setStyleSheet(ProgressChunkStyle(task, field(array.transformState)));
            controllerTree_->setItemWidget(barItem, 0, bar);
            item->setData(0, KV_Role::ExpandWish, QStringLiteral("expand"));
            item->setExpanded(true);
        }

        if (task == u"TRANSFORM" || task == u"RESTORE") {
            // The source layout first, then the layout being made.
            if (record->halves == 2)
                addConfiguration(item, record->config[1], tr(" (Source)"), state);
            addConfiguration(item, record->config[0], tr(" (Destination)"), state);
        } else {
            addConfiguration(item, array, QString(), state);
        }
    }
}

void KV_MainWindow::addConfiguration(QTreeWidgetItem *parent, const KV_ArrayConfig &config,
                                     const QString &suffix, const QString &arrayState)
{
    const QString type = field(config.type);
    auto *item = new QTreeWidgetItem(parent);
    item->setText(0, type + suffix);
    item->setIcon(0, QIcon(TypeIconPath(type, arrayState)));
    item->setForeground(0, defaultColour());

    if (dedicatedSpareCount(config) > 0 && IsRedundantType(type)) {
        auto *spares = new QTreeWidgetItem(item);
        spares->setText(0, tr(" Dedicated Spares"));
        spares->setIcon(0, QIcon(QStringLiteral(":images/icons/Spare.png")));
        spares->setForeground(0, defaultColour());
        for (int i = 0; i < std::clamp(config.linkCount, 0, KV_SnapshotMaxReferences); ++i) {
            const KV_ReferenceRec &link = config.links[i];
            if (link.kind != KV_ReferenceSpare)
                continue;
            auto *spare = new QTreeWidgetItem(spares);
            spare->setForeground(0, defaultColour());
            const int diskIndex = service_->FindDiskIndex(link.deviceRoute);
            const KV_DiskRec *disk = diskIndex >= 0 ? service_->GetDisk(diskIndex) : nullptr;
            if (disk && service_->DiskIsDedicatedSpareOf(config.deviceRoute, link.deviceRoute)) {
                spare->setText(0, DiskLocationText(disk->controller, disk->channel) +
                                      QStringLiteral(" (") + field(disk->model).trimmed() +
                                      QStringLiteral(") "));
                spare->setIcon(0, diskIcon());
            } else {
                spare->setText(0, tr("Missing"));
                spare->setIcon(0, QIcon(QStringLiteral(":images/icons/small_missingDRIVE.png")));
            }
        }
    }

    const int groups = config.firstCount;
    const int perGroup = config.secondCount;
    const int members = KV_MemberCount(config);
    if (int64_t(groups) + perGroup == int64_t(groups) * perGroup + 1) {
        for (int m = 0; m < members; ++m)
            addMember(item, config, config.members[m]);
        return;
    }
    // Two levels: one item per set, its members under it.
    const QString groupType = MemberLevelType(type);
    for (int g = 0; g < groups && g * perGroup < members; ++g) {
        auto *group = new QTreeWidgetItem(item);
        group->setText(0, groupType);
        group->setIcon(0, QIcon(TypeIconPath(groupType, QStringLiteral("NORMAL"))));
        group->setForeground(0, defaultColour());
        for (int m = g * perGroup; m < (g + 1) * perGroup && m < members; ++m)
            addMember(group, config, config.members[m]);
    }
}

void KV_MainWindow::addMember(QTreeWidgetItem *parent, const KV_ArrayConfig &config,
                              const KV_MemberRec &member)
{
    if (isArrayMember(config)) {
        const int arrayId = service_->FindArrayIdByUid(member.id);
        const KV_ArrayConfig *inner =
            arrayId >= 0 ? service_->FindArrayConfig(arrayId, true) : nullptr;
        if (!inner)
            return;
        auto *item = new QTreeWidgetItem(parent);
        item->setText(
            0,
            QStringLiteral("Array %1 (%2)").arg(inner->deviceRoute).arg(field(inner->deviceName)));
        item->setIcon(0, QIcon(QStringLiteral(":images/icons/small_array.png")));
        item->setForeground(0, defaultColour());
        return;
    }
    const int diskIndex = service_->FindDiskIndex(member.deviceRoute);
    const KV_DiskRec *disk = diskIndex >= 0 ? service_->GetDisk(diskIndex) : nullptr;
    if (!disk)
        return;
    const QString label = DiskLocationText(disk->controller, disk->channel) + QStringLiteral(" (") +
                          field(disk->model).trimmed() + QStringLiteral(") ");
    const QString status = MemberStatusText(field(member.error));
    const QString diskState = field(disk->state);
    const bool statusFailed = status == tr("Failed") || status == tr("Failed Offline");
    const bool failed = service_->MemberFailed(config.deviceRoute, member.deviceRoute);
    auto *item = new QTreeWidgetItem(parent);
    if ((diskState == u"Online" && status == tr("NoError")) ||
        (!failed && !statusFailed && diskState == u"Locked")) {
        item->setText(0, label);
        item->setForeground(0, defaultColour());
        item->setIcon(0, diskIcon());
    } else if (!failed && !statusFailed) {
        item->setText(0, tr("Missing"));
        item->setForeground(0, defaultColour());
        item->setIcon(0, QIcon(QStringLiteral(":images/icons/small_missingDRIVE.png")));
    } else {
        item->setText(0, label + u' ' + status);
        item->setForeground(0, QColor(Qt::red));
        item->setIcon(0, QIcon(QStringLiteral(":images/icons/small_failedDRIVE.png")));
    }
}

// The array and disk lists.

void KV_MainWindow::fillArrayList()
{
    const QSignalBlocker quiet(arrayList_);
    const bool dark = darkTheme();
    QTreeWidgetItem *selectedRow = nullptr;
    for (const KV_ArrayConfig *array : std::as_const(bundle_.arrays)) {
        const int id = array->deviceRoute;
        const QString type = field(array->type);
        const QString state = field(array->state);
        const QString task = field(array->transformType);
        auto *row = new MyTreeWidgetItem;
        setCell(row, 0, QStringLiteral("Array ") + QString::number(id), uint(id));
        row->setData(0, KV_Role::Identifier, uint(id));
        const QString osName =
            bundle_.arrayDiskNumber.contains(id) ? bundle_.arrayDiskNumber.value(id) : tr("none");
        setCell(row, 1, osName, osName);
        const QString system = yesNo(bundle_.arrayHoldsSystem.value(id));
        setCell(row, 2, system, system);
        const QString letters = bundle_.arrayDriveLetters.value(id);
        setCell(row, 3, letters, letters);
        setCell(row, 4, field(array->deviceName), field(array->deviceName));
        setCell(row, 5, type, type);
        setCell(row, 6, KV_RaidApi::FormatSectors(array->capacity), qulonglong(array->capacity));
        const QString shownState = state == u"NORMAL" && task == u"CREATE"
                                       ? ArrayStateText(QStringLiteral("READY"))
                                       : ArrayStateText(state);
        setCell(row, 7, shownState, shownState);
        const QString taskText = TaskTypeText(task);
        setCell(row, 8, taskText, taskText);
        const QString taskState = TaskStateText(field(array->transformState));
        setCell(row, 9, taskState, taskState);
        setCell(row, 10, QString::number(double(array->percentComplete), 'f', 2) + u'%',
                double(array->percentComplete));
        setCell(row, 11, QString::number(array->taskPriority), array->taskPriority);
        const QString scan = yesNo(array->attributes & BackgroundScanFlag);
        setCell(row, 12, scan, scan);
        setCell(row, 13, field(array->cache), field(array->cache));
        const QString cts = CacheTagSizeText(type, array->cacheTagSize);
        setCell(row, 14, cts, cts);
        const QString trim = yesNo(bundle_.arrayTrimSupported.value(id));
        setCell(row, 15, trim, trim);
        setCell(row, 16, QString::number(dedicatedSpareCount(*array)), dedicatedSpareCount(*array));

        if (state != u"NORMAL" || osName == u"Hidden") {
            const QColor colour = StateColour(state, hidden(*array), dark);
            for (int c = 0; c < 17; ++c)
                row->setForeground(c, colour);
        }
        if (id == selectedArray_) {
            selectedRow = row;
            QFont bold = listFont_;
            bold.setWeight(QFont::Bold);
            for (int c = 0; c < 17; ++c)
                row->setFont(c, bold);
        }
        arrayList_->addTopLevelItem(row);
    }
    if (selectedRow)
        arrayList_->setCurrentItem(selectedRow, 0, QItemSelectionModel::NoUpdate);
    arrayList_->setFont(listFont_);
    arrayList_->setSortingEnabled(true);
    arrayList_->sortByColumn(arraySortColumn_, arraySortOrder_);
    arrayList_->setRootIsDecorated(false);
    if (arrayHeaderRestored_)
        arrayList_->header()->restoreState(savedArrayHeaderState_);
    else
        arrayHeaderRestored_ = true;
}

void KV_MainWindow::fillDiskList()
{
    const QSignalBlocker quiet(diskList_);
    QTreeWidgetItem *selected = nullptr;
    for (qsizetype i = 0; i < bundle_.disks.size(); ++i) {
        const KV_DiskRec *disk = bundle_.disks[i];
        if (KV_FieldIs(disk->type, "Core"))
            continue;
        auto *row = new MyTreeWidgetItem;
        const QString location =
            QString::number(disk->controller) + u' ' + QString::number(disk->channel);
        setCell(row, 0, location, disk->controller + disk->channel / 10.0);
        row->setData(0, KV_Role::Identifier, disk->deviceRoute);
        setCell(row, 1, field(disk->state), field(disk->state));
        const QString type = KV_FieldIs(disk->type, "Unknown") ? tr("New") : field(disk->type);
        setCell(row, 2, type, type);
        const int index = service_->FindDiskIndex(disk->deviceRoute);
        const QString port = index >= 0 ? service_->PortTypeText(index) : QString();
        setCell(row, 3, port, port);
        setCell(row, 4, KV_RaidApi::FormatSectors(disk->capacity), qulonglong(disk->capacity));
        setCell(row, 5, KV_RaidApi::FormatSectors(disk->totalFree), qulonglong(disk->totalFree));
        setCell(row, 6, KV_RaidApi::FormatSectors(disk->largestFree),
                qulonglong(disk->largestFree));
        const QString spare = yesNo(disk->globalSpare != 0);
        setCell(row, 7, spare, spare);
        const QString hotSwap = yesNo(bundle_.diskHotSwap.value(i));
        setCell(row, 8, hotSwap, hotSwap);
        const QString uses = QString::number(bundle_.diskArrayCount.value(i));
        setCell(row, 9, uses, uses);
        setCell(row, 10, field(disk->model).trimmed(), field(disk->model));
        setCell(row, 11, bundle_.diskSerial.value(i), bundle_.diskSerial.value(i));
        const QString firmware = field(disk->firmware);
        setCell(row, 12, QString(firmware).replace(u'_', u' '), firmware);
        diskList_->addTopLevelItem(row);
        if (!selectedDiskText_.isEmpty() && location == selectedDiskText_)
            selected = row;
    }
    if (selected)
        selected->setSelected(true);
    markDisksOfSelectedArray();
    diskList_->setFont(listFont_);
    diskList_->setSortingEnabled(true);
    diskList_->sortByColumn(diskSortColumn_, diskSortOrder_);
    diskList_->setRootIsDecorated(false);
    if (diskHeaderRestored_)
        diskList_->header()->restoreState(savedDiskHeaderState_);
    else
        diskHeaderRestored_ = true;
    enableDiskOption();
}

void KV_MainWindow::markDisksOfSelectedArray()
{
    if (selectedArray_ <= 0)
        return;
    QFont bold = listFont_;
    bold.setWeight(QFont::Bold);
    for (int r = 0; r < diskList_->topLevelItemCount(); ++r) {
        QTreeWidgetItem *row = diskList_->topLevelItem(r);
        const int diskId = row->data(0, KV_Role::Identifier).toInt();
        const bool member = service_->ArrayUsesDisk(selectedArray_, diskId) ||
                            service_->DiskIsDedicatedSpareOf(selectedArray_, diskId);
        for (int c = 0; c < diskList_->columnCount(); ++c)
            row->setFont(c, member ? bold : listFont_);
    }
}

// The event list: one row per event of the snapshot.

void KV_MainWindow::fillEventList(const QList<KV_EventRec> &events)
{
    const QString unknownTime = QStringLiteral("   --   ");
    const QString now = KV_LogTimeText();
    eventList_->setSortingEnabled(false);
    for (const KV_EventRec &event : events) {
        const bool timed = !firstEventLoad_ && event.sequence >= firstTimedSequence_;
        auto *row = new QTreeWidgetItem;
        row->setData(0, Qt::DisplayRole, event.sequence);
        row->setText(1, timed ? now : unknownTime);
        row->setText(2, QString::number(event.code));
        row->setText(3, SeverityText(event.severity));
        row->setText(4, event.text);
        eventList_->addTopLevelItem(row);
    }
    if (firstEventLoad_) {
        firstTimedSequence_ = nextEventSeq_ + quint32(events.size());
    } else if (!events.isEmpty()) {
        eventList_->resizeColumnToContents(1);
        eventList_->setColumnWidth(1, eventList_->columnWidth(1) + 10);
    }
    firstEventLoad_ = false;
    eventList_->setSortingEnabled(true);
    eventList_->sortByColumn(eventSortColumn_, eventSortOrder_);
    eventList_->setRootIsDecorated(false);
}

// Selection.

void KV_MainWindow::arraySelectedChanged(QTreeWidgetItem *current, int)
{
    if (!current)
        return;
    QTreeWidgetItemIterator it(controllerTree_);
    for (; *it; ++it)
        (*it)->setData(0, KV_Role::WasSelected, (*it)->isSelected());

    QTreeWidgetItem *arrayItem = current;
    while (arrayItem->parent() && arrayItem->parent()->parent())
        arrayItem = arrayItem->parent();
    if (!arrayItem->parent()) {
        selectedArray_ = 0;
    } else {
        const int id = arrayItem->data(0, KV_Role::Identifier).toInt();
        if (id <= 0 || id == selectedArray_)
            return;
        selectedArray_ = id;
    }
    const PinnedService pin(*service_, bundle_.snapshot);
    savedArrayHeaderState_ = arrayList_->header()->saveState();
    arrayList_->clear();
    rebuildControllerTree();
    fillArrayList();
    if (selectedArray_ > 0)
        markDisksOfSelectedArray();
    else
        for (int r = 0; r < diskList_->topLevelItemCount(); ++r)
            for (int c = 0; c < diskList_->columnCount(); ++c)
                diskList_->topLevelItem(r)->setFont(c, listFont_);
}

void KV_MainWindow::arrayListSelectionChanged(QTreeWidgetItem *current, int)
{
    if (!current)
        return;
    const int id = current->data(0, KV_Role::Identifier).toInt();
    if (id <= 0 || id == selectedArray_)
        return;
    selectedArray_ = id;
    const PinnedService pin(*service_, bundle_.snapshot);
    savedArrayHeaderState_ = arrayList_->header()->saveState();
    {
        // The pressed row goes with the clear; the new row becomes current.
        const QSignalBlocker quiet(arrayList_);
        arrayList_->clear();
        rebuildControllerTree();
        fillArrayList();
        if (QTreeWidgetItem *row = arrayList_->currentItem())
            row->setSelected(true);
    }
    markDisksOfSelectedArray();
}

void KV_MainWindow::activeArrayCollapsed(QTreeWidgetItem *array)
{
    if (array->data(0, KV_Role::ExpandWish).toString() == u"expand")
        array->setData(0, KV_Role::ExpandWish, QStringLiteral("collapsed"));
}

void KV_MainWindow::activeArrayExpanded(QTreeWidgetItem *array)
{
    if (array->data(0, KV_Role::ExpandWish).toString() == u"collapsed")
        array->setData(0, KV_Role::ExpandWish, QStringLiteral("expand"));
}

void KV_MainWindow::preserveSortDiskList(int columnNum)
{
    diskSortColumn_ = columnNum;
    diskSortOrder_ = diskList_->header()->sortIndicatorOrder();
}

void KV_MainWindow::preserveSortArrayList(int columnNum)
{
    arraySortColumn_ = columnNum;
    arraySortOrder_ = arrayList_->header()->sortIndicatorOrder();
}

void KV_MainWindow::preserveSortEventList(int columnNum)
{
    eventSortColumn_ = columnNum;
    eventSortOrder_ = eventList_->header()->sortIndicatorOrder();
}

void KV_MainWindow::enableDiskOption()
{
    const QList<QTreeWidgetItem *> rows = diskList_->selectedItems();
    optionsAction_->setEnabled(rows.size() == 1);
    if (rows.size() == 1)
        selectedDiskText_ = rows.front()->text(0);
}

// The disk dialogs open from here once they exist; until then a double
// click or a context request on the disk list only selects the row.
void KV_MainWindow::diskDoubleClicked(QTreeWidgetItem *, int) {}

void KV_MainWindow::diskOptionsClicked() {}

void KV_MainWindow::eventViewToggle_Form()
{
    eventList_->setVisible(eventViewAction_->isChecked());
}

// Context menus share the menu bar's actions and their enablement.

void KV_MainWindow::ShowContextMenu(const QPoint &point)
{
    QMenu menu(this);
    menu.setFont(listFont_);
    menu.addAction(createAction_);
    menu.addAction(transformAction_);
    for (QMenu *sub : {checkMenu_, scanMenu_, cacheMenu_, taskMenu_})
        menu.addMenu(sub);
    for (QAction *action :
         {nameAction_, hideAction_, identifyAction_, prepareRemoveAction_, removeSparesAction_,
          deleteAction_, deleteMultipleAction_, secureEraseAction_})
        menu.addAction(action);
    QTreeWidget *tree = qobject_cast<QTreeWidget *>(sender());
    if (!tree)
        tree = controllerTree_;
    menu.exec(tree->viewport()->mapToGlobal(point));
    statusBar()->clearMessage();
}

void KV_MainWindow::ShowContextMenuArrayList(const QPoint &point)
{
    ShowContextMenu(point);
}

// Enablement of the array actions.

const KV_ArrayConfig *KV_MainWindow::selectedConfig() const
{
    for (const KV_ArrayConfig *array : bundle_.arrays) {
        if (array->deviceRoute == selectedArray_)
            return array;
    }
    return nullptr;
}

void KV_MainWindow::resetArrayActions()
{
    for (QAction *action : {transformAction_, removeSparesAction_, secureEraseAction_,
                            deleteAction_, nameAction_, prepareRemoveAction_, hideAction_,
                            identifyAction_, resumeAction_, pauseAction_, taskRemoveAction_,
                            scanStartAction_, scanStopAction_, checkStartAction_, checkStopAction_})
        action->setEnabled(false);
    scanMenu_->setEnabled(false);
    checkMenu_->setEnabled(false);
    cacheMenu_->setEnabled(false);
    initializeAction_->setEnabled(bundle_.anyEligibleDisk);
    clearMetadataAction_->setEnabled(bundle_.anyEligiblePhysicalDisk);
}

void KV_MainWindow::applySelectedArrayEnablement()
{
    resetArrayActions();
    deleteMultipleAction_->setEnabled(bundle_.arrays.size() > 1 && elevated_);
    if (selectedArray_ > 0) {
        const KV_ArrayConfig *array = selectedConfig();
        if (!array) {
            selectedArray_ = 0;
            return;
        }
        const QString type = field(array->type);
        const QString task = field(array->transformType);
        const QString state = field(array->state);
        const bool tierOrCache = type == u"RAIDTIER" || type == u"RAIDCACHE";
        hideAction_->setText(hidden(*array) ? tr("Un-Hide") : tr("Hide"));
        deleteAction_->setEnabled(true);
        checkMenu_->setEnabled(true);
        scanMenu_->setEnabled(true);
        taskMenu_->setEnabled(true);
        identifyAction_->setEnabled(true);
        if (tierOrCache) {
            if (task == u"NOT_ACTIVE")
                hideAction_->setEnabled(true);
        } else {
            checkStartAction_->setEnabled(true);
            checkStopAction_->setEnabled(false);
            checkMenu_->setEnabled(true);
            const bool scanning = array->attributes & BackgroundScanFlag;
            scanStartAction_->setEnabled(!scanning);
            scanStopAction_->setEnabled(scanning);
            if (task != u"NOT_ACTIVE") {
                priorityAction_->setEnabled(true);
                taskMenu_->setEnabled(true);
                const bool paused = KV_FieldIs(array->transformState, "PAUSED");
                resumeAction_->setEnabled(paused);
                pauseAction_->setEnabled(!paused);
                taskRemoveAction_->setEnabled(true);
                if (task == u"CHECK") {
                    checkStartAction_->setEnabled(false);
                    checkStopAction_->setEnabled(true);
                    checkMenu_->setEnabled(true);
                } else {
                    checkMenu_->setEnabled(false);
                }
                if (task == u"TRANSFORM")
                    taskRemoveAction_->setEnabled(false);
                transformAction_->setEnabled(false);
                removeSparesAction_->setEnabled(false);
                nameAction_->setEnabled(false);
                scanMenu_->setEnabled(false);
                cacheMenu_->setEnabled(false);
            } else {
                resumeAction_->setEnabled(false);
                pauseAction_->setEnabled(false);
                taskRemoveAction_->setEnabled(false);
                taskMenu_->setEnabled(false);
                for (QAction *action : {transformAction_, secureEraseAction_, hideAction_,
                                        prepareRemoveAction_, nameAction_})
                    action->setEnabled(true);
                removeSparesAction_->setEnabled(dedicatedSpareCount(*array) > 0);
                cacheMenu_->setEnabled(true);
                const char *const modes[4] = {"NC", "R", "W", "RW"};
                for (int i = 0; i < 4; ++i) {
                    if (KV_FieldIs(array->cache, modes[i])) {
                        for (int j = 0; j < 4; ++j)
                            cacheActions_[j]->setChecked(i == j);
                    }
                }
            }
        }
        if (type == u"LEGACY") {
            checkMenu_->setEnabled(false);
            for (QAction *action : {checkStartAction_, checkStopAction_, removeSparesAction_,
                                    transformAction_, secureEraseAction_})
                action->setEnabled(false);
            cacheMenu_->setEnabled(false);
        }
        if (tierOrCache) {
            resetArrayActions();
            for (QMenu *menu : {scanMenu_, checkMenu_, cacheMenu_, taskMenu_})
                menu->setEnabled(false);
            prepareRemoveAction_->setEnabled(false);
            identifyAction_->setEnabled(false);
            for (QAction *action : {nameAction_, hideAction_, deleteAction_})
                action->setEnabled(true);
        }
        if (bundle_.arrayHoldsSystem.value(selectedArray_)) {
            for (QAction *action :
                 {deleteAction_, secureEraseAction_, prepareRemoveAction_, hideAction_})
                action->setEnabled(false);
        }
        if (!IsRedundantType(type)) {
            checkMenu_->setEnabled(false);
            for (QAction *action : {checkStartAction_, checkStopAction_, removeSparesAction_})
                action->setEnabled(false);
        }
        if (state == u"CRITICAL")
            checkStartAction_->setEnabled(false);
        if (state == u"OFFLINE") {
            for (QAction *action :
                 {transformAction_, removeSparesAction_, secureEraseAction_, nameAction_,
                  prepareRemoveAction_, hideAction_, identifyAction_, resumeAction_, pauseAction_,
                  taskRemoveAction_, scanStartAction_, scanStopAction_, checkStartAction_,
                  checkStopAction_})
                action->setEnabled(false);
            for (QMenu *menu : {scanMenu_, checkMenu_, cacheMenu_})
                menu->setEnabled(false);
        }
        if (prepareRemoveAction_->isEnabled() &&
            bundle_.arraySharesSystemDisk.value(selectedArray_))
            prepareRemoveAction_->setEnabled(false);
    }
    if (!elevated_) {
        for (QAction *action : {deleteMultipleAction_, deleteAction_, secureEraseAction_,
                                prepareRemoveAction_, hideAction_})
            action->setEnabled(false);
    }
}
