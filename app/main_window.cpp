// The window's construction, its settings kept at close, and the refresh
// cycle that applies each snapshot.
#include "main_window.h"

#include "api_worker.h"
#include "display_strings.h"
#include "eula_dialog.h"
#include "kv_app_log.h"
#include "kv_health.h"
#include "main_window_parts.h"
#include "message_box.h"
#include "startup.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

using namespace KV_Display;
using namespace KV_WindowParts;

KV_MainWindow::KV_MainWindow(QWidget *parent) : QMainWindow(parent)
{
    loadAppearance();

    QSettings settings;
    const bool geometryRestored =
        restoreGeometry(settings.value(QStringLiteral("mainWindowGeometry")).toByteArray());
    restoreState(settings.value(QStringLiteral("mainWindowState")).toByteArray());
    if (!geometryRestored) {
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        resize(int(available.width() * 0.8), int(available.height() * 0.8));
    }

    buildMenus();
    setUpAppearanceMenus();

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
    connect(notificationTimer_, &QTimer::timeout, this, [this] { notificationGateOpen_ = true; });

    eventLanguage_ = KV_Startup::EventLanguageIndex(
        settings.value(QStringLiteral("ApplicationLanguage")).toString());

    triggerFullRefresh();

    buildStatusBar();

    setWindowTitle(QString::fromLatin1(KV_Startup::ApplicationName));
    setWindowIcon(QIcon(QStringLiteral(":images/icons/Logo.ico")));
    // A line above the lists says when what they show is not the driver's
    // present state; it is hidden while the driver answers in full.
    driverStateLabel_ = new QLabel;
    driverStateLabel_->setObjectName(QStringLiteral("driverStateLabel"));
    driverStateLabel_->setWordWrap(true);
    driverStateLabel_->setStyleSheet(
        QStringLiteral("QLabel {background-color:#b00020; color:white; padding:4px}"));
    driverStateLabel_->hide();
    auto *central = new QWidget;
    auto *centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    centralLayout->setSpacing(0);
    centralLayout->addWidget(driverStateLabel_);
    centralLayout->addWidget(outerSplitter_);
    setCentralWidget(central);
    setUpHealth(centralLayout);
    diskList_->setAlternatingRowColors(true);
    arrayList_->setAlternatingRowColors(true);
    eventList_->setAlternatingRowColors(true);

    sizeColumns();
    connectCommands();

    menuRefreshTimer_ = new QTimer(this);
    menuRefreshTimer_->setTimerType(Qt::PreciseTimer);
    menuRefreshTimer_->setSingleShot(true);
    connect(menuRefreshTimer_, &QTimer::timeout, this, &KV_MainWindow::menu_refresh);
    menuRefreshTimer_->start(menuRefreshIntervalMs_);

    checkDrivers();

    if (!elevated_)
        KV_Message::About(this, QString::fromLatin1(KV_Startup::ApplicationName),
                          KV_Startup::PrivilegeNotice());
    else if (service_->GetArrayCount() > 1)
        action(KV_Action::DeleteMultiple)->setEnabled(true);
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

void KV_MainWindow::showDriverState()
{
    QStringList lines;
    if (bundle_.refreshFailed) {
        lines.append(
            bundle_.lastGoodRefresh.isValid()
                ? tr("The RAID driver is not answering. The lists show the configuration "
                     "read at %1.")
                      .arg(QLocale().toString(bundle_.lastGoodRefresh, QLocale::ShortFormat))
                : tr("The RAID driver is not answering. No configuration could be read."));
    }
    if (bundle_.systemFactsUnknown) {
        lines.append(tr("The console cannot tell which arrays hold the operating system: Delete, "
                        "Secure Erase, Hide and Prepare To Remove are unavailable."));
    }
    driverStateLabel_->setText(lines.join(QLatin1Char('\n')));
    driverStateLabel_->setVisible(!lines.isEmpty());
}

void KV_MainWindow::checkDrivers()
{
    if (service_->GetArrayCount() >= 1)
        return;
    const KV_Startup::DriverPresence presence = KV_Startup::CheckDrivers(
        [](const QString &name) { return KV_RaidApi::IsDriverLoaded(name); });
    if (presence == KV_Startup::DriverPresence::Present)
        return;
    KV_Message::Notice(this, KV_Startup::DriverMessage(presence), [](bool ok) {
        if (ok)
            QCoreApplication::quit();
    });
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
    startRefresh(false);
}

// The timer's refresh: the lists are rebuilt only when its bundle shows
// something they do not (see handleFullRefresh), so that an idle console
// neither rebuilds nor repaints them every few seconds.
void KV_MainWindow::menu_refresh()
{
    startRefresh(true);
}

void KV_MainWindow::startRefresh(bool periodic)
{
    // One at a time; a request meanwhile (a command that has just ended)
    // is served by one more refresh after this one, which may have read the
    // configuration before the command changed it.
    if (refreshInProgress_) {
        refreshAgain_ = true;
        return;
    }
    refreshInProgress_ = true;
    const uint first = nextEventSeq_;
    const int language = eventLanguage_;
    // The first bundle carries a bounded part of the driver's backlog, so
    // that the arrays show at once with a long log; the rest follows in the
    // next bundle, asked for as soon as this one has been applied.
    const quint32 most = firstEventLoad_ && eventHistory_.isEmpty() ? FirstEventBatch : UINT32_MAX;
    KV_RunOnWorkerThread(
        [first, language, most](ApiWorker *worker) {
            worker->SetEventBatchLimit(most);
            worker->DoFullRefresh(first, language);
        },
        &ApiWorker::fullRefreshReady, this,
        [this, periodic](RaidDataBundle bundle) {
            handleFullRefresh(std::move(bundle), periodic);
        });
}

namespace {

// An array whose task shows a time left in its Progress tooltip: the
// estimate moves with the clock, not only with the bundle.
bool anyTaskUnderWay(const RaidDataBundle &bundle)
{
    return std::any_of(bundle.arrays.begin(), bundle.arrays.end(),
                       [](const KV_ArrayConfig *array) { return KV_TaskUnderWay(*array); });
}

} // namespace

void KV_MainWindow::handleFullRefresh(RaidDataBundle bundle, bool periodic)
{
    // Every refresh but the timer's (a command's end, a change of theme,
    // icon or font size) rebuilds the lists; the timer's does when its
    // bundle's rows differ from those shown, or while a task is under way.
    const bool rebuildLists =
        !periodic || anyTaskUnderWay(bundle) || !KV_SameListContents(bundle_, bundle);
    bundle_ = std::move(bundle);
    const PinnedService pin(*service_, bundle_.snapshot);

    // A refresh that could not read the configuration brings the last good
    // tables; its events wait for the next refresh that reads in full, so
    // that none is timed or counted against a configuration not read.
    if (!bundle_.refreshFailed) {
        fillEventList(bundle_.events);
        nextEventSeq_ = bundle_.nextEventSeq;
    }
    showDriverState();
    showHealth();

    if (rebuildLists) {
        savedArrayHeaderState_ = arrayList_->header()->saveState();
        arrayList_->clear();
        rebuildControllerTree();
        fillArrayList();

        savedDiskHeaderState_ = diskList_->header()->saveState();
        diskList_->clear();
        fillDiskList();
    }

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
    applySelectedArrayEnablement();

    refreshInProgress_ = false;
    const bool backlogLeft = !bundle_.refreshFailed && bundle_.moreEvents;
    if (std::exchange(refreshAgain_, false) || backlogLeft)
        triggerFullRefresh();
    else
        menuRefreshTimer_->start(menuRefreshIntervalMs_);
}
