// The window's construction, its settings kept at close, and the refresh
// cycle that applies each snapshot.
#include "main_window.h"

#include "api_worker.h"
#include "display_strings.h"
#include "eula_dialog.h"
#include "kv_app_log.h"
#include "main_window_parts.h"
#include "message_box.h"
#include "startup.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>

using namespace KV_Display;
using namespace KV_WindowParts;

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
    action(KV_Action::DeleteMultiple)->setEnabled(bundle_.arrays.size() >= 2 && elevated_);

    refreshInProgress_ = false;
    menuRefreshTimer_->start(menuRefreshIntervalMs_);
}
