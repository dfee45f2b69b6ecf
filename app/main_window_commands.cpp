// The commands behind the menus. Every array command is a row of one table
// and runs the same steps:
//  1. a destructive command without elevation shows the privilege notice;
//  2. a long operation does nothing while another one runs;
//  3. the selected array is looked up in the service's snapshot; without
//     one, nothing happens;
//  4. a locked array is refused with "Array N" and the row's phrase;
//  5. a dangerous command asks first, and only Yes goes on;
//  6. the row's work runs: a service command, a worker, or a dialog;
//  7. a full refresh follows, so that the lists show the driver's state
//     whatever became of the command (a worker's completion requests it).
#include "main_window.h"

#include "about_dialog.h"
#include "api_worker.h"
#include "array_name_dialog.h"
#include "clear_metadata_dialog.h"
#include "controller_list_dialog.h"
#include "create_dialog.h"
#include "delete_form.h"
#include "dialog_runner.h"
#include "disk_properties_dialog.h"
#include "disk_spare_dialog.h"
#include "init_disks_dialog.h"
#include "kv_app_log.h"
#include "main_window_parts.h"
#include "message_box.h"
#include "smart_overview_dialog.h"
#include "startup.h"
#include "task_priority_dialog.h"
#include "transform_dialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QStatusBar>
#include <QTreeWidget>
#include <QUrl>

using namespace KV_WindowParts;

// The facts of the selected array that the commands use.
struct KV_MainWindow::SelectedArray {
    int id = 0;
    QString name;
    QString cache;
    bool hidden = false;
};

struct KV_MainWindow::ArrayCommand {
    KV_Action action;
    bool needsElevation;
    bool longOperation; // does nothing while a long operation runs
    // Follows "Array N" when the array is locked (translated as one piece).
    const char *lockPhrase;
    // The question asked before the work; none when null.
    QString (*confirmation)(const SelectedArray &array);
    void (KV_MainWindow::*run)(const SelectedArray &array);
    bool refreshesItself; // a worker's completion requests the refresh
};

namespace {

QString arrayText(int id)
{
    return KV_MainWindow::tr("Array ") + QString::number(id);
}

QString applicationName()
{
    return QString::fromLatin1(KV_Startup::ApplicationName);
}

// The questions of the dangerous commands.
template <typename Array> QString askHide(const Array &array)
{
    return KV_MainWindow::tr("Do you want to %1 Array %2: %3?")
        .arg(array.hidden ? KV_MainWindow::tr("Un-Hide") : KV_MainWindow::tr("Hide"))
        .arg(array.id)
        .arg(array.name);
}

template <typename Array> QString askPrepareToRemove(const Array &)
{
    return KV_MainWindow::tr("This operation will make the array invisible to the operating system "
                             "and may cause DATA LOSS. Would you like to continue with the Prepare "
                             "to Remove operation?");
}

template <typename Array> QString askRemoveSpares(const Array &array)
{
    return KV_MainWindow::tr("Remove all Spares from Array %1 ?").arg(array.id);
}

template <typename Array> QString askDelete(const Array &array)
{
    return KV_MainWindow::tr("Do you want to delete Array %1: %2?").arg(array.id).arg(array.name);
}

template <typename Array> QString askSecureErase(const Array &array)
{
    return KV_MainWindow::tr("WARNING: All data will be lost and unrecoverable. Continue with "
                             "Secure Erase on Array %1 \"%2\"?")
        .arg(array.id)
        .arg(array.name);
}

QString askWriteBack()
{
    return KV_MainWindow::tr("If enabled Write Back Cache can increase the likelihood of data "
                             "corruption if the system experiences an unexpected shutdown, do you "
                             "wish to enable?");
}

// The most arrays the driver keeps; Create offers no dialog beyond it.
constexpr int MostArrays = 12;

} // namespace

const KV_MainWindow::ArrayCommand *KV_MainWindow::arrayCommand(KV_Action id)
{
    using enum KV_Action;
    using W = KV_MainWindow;
    // Rows in the order of the Array menu. The lock phrases are marked for
    // the catalogue here and translated when they are shown.
    static const ArrayCommand commands[] = {
        {Transform, false, false,
         QT_TR_NOOP(" is locked and cannot be transformed until it is unlocked."), nullptr,
         &W::openTransform, false},
        {CheckStart, false, false,
         QT_TR_NOOP(" is locked and cannot start a consistency check until it is unlocked."),
         nullptr, &W::startConsistencyCheck, false},
        {CheckStop, false, false,
         QT_TR_NOOP(" is locked and cannot stop a consistency check until it is unlocked."),
         nullptr, &W::stopConsistencyCheck, false},
        {ScanStart, false, false,
         QT_TR_NOOP(" is locked and cannot start a background array scan until it is unlocked."),
         nullptr, &W::startBackgroundScan, false},
        {ScanStop, false, false,
         QT_TR_NOOP(" is locked and cannot stop a background array scan until it is unlocked."),
         nullptr, &W::stopBackgroundScan, false},
        {CacheNone, false, false,
         QT_TR_NOOP(" is locked and cannot change the cache until it is unlocked."), nullptr,
         &W::setNoCache, true},
        {CacheRead, false, false,
         QT_TR_NOOP(" is locked and cannot change the cache until it is unlocked."), nullptr,
         &W::setReadCache, true},
        {CacheWriteBack, false, false,
         QT_TR_NOOP(" is locked and cannot change the cache until it is unlocked."), nullptr,
         &W::setWriteBackCache, true},
        {CacheReadWriteBack, false, false,
         QT_TR_NOOP(" is locked and cannot change the cache until it is unlocked."), nullptr,
         &W::setReadWriteBackCache, true},
        {TaskPriority, false, false,
         QT_TR_NOOP(" is locked and cannot change task priority until it is unlocked."), nullptr,
         &W::changeTaskPriority, false},
        {TaskResume, false, false,
         QT_TR_NOOP(" is locked and cannot resume a task until it is unlocked."), nullptr,
         &W::resumeTask, false},
        {TaskPause, false, false,
         QT_TR_NOOP(" is locked and cannot pause a task until it is unlocked."), nullptr,
         &W::pauseTask, false},
        {TaskRemove, false, false,
         QT_TR_NOOP(" is locked and cannot remove a task until it is unlocked."), nullptr,
         &W::removeTask, false},
        {Name, false, false, QT_TR_NOOP(" is locked and cannot be renamed until it is unlocked."),
         nullptr, &W::renameArray, false},
        {Hide, true, false, QT_TR_NOOP(" is locked and cannot be hidden until it is unlocked."),
         &askHide<SelectedArray>, &W::hideOrUnhide, false},
        {Identify, false, false,
         QT_TR_NOOP(" is locked and cannot be identified until it is unlocked."), nullptr,
         &W::identifyArray, false},
        {PrepareRemove, true, true,
         QT_TR_NOOP(" is locked and cannot be prepared for removal until it is unlocked."),
         &askPrepareToRemove<SelectedArray>, &W::prepareToRemove, true},
        {RemoveSpares, false, false,
         QT_TR_NOOP(" is locked and cannot have spares removed until it is unlocked."),
         &askRemoveSpares<SelectedArray>, &W::removeSpares, false},
        {Delete, true, true, QT_TR_NOOP(" is locked and cannot be deleted until it is unlocked."),
         &askDelete<SelectedArray>, &W::deleteArray, true},
        {SecureErase, true, true,
         QT_TR_NOOP(" is locked and cannot be secure erased until it is unlocked."),
         &askSecureErase<SelectedArray>, &W::secureErase, true},
    };
    for (const ArrayCommand &command : commands) {
        if (command.action == id)
            return &command;
    }
    return nullptr;
}

void KV_MainWindow::connectCommands()
{
    using enum KV_Action;
    using W = KV_MainWindow;
    for (std::size_t i = 0; i < KV_ActionCount; ++i) {
        if (const ArrayCommand *command = arrayCommand(KV_Action(i));
            command && i != std::size_t(Transform))
            connect(actions_[i], &QAction::triggered, this,
                    [this, command] { runArrayCommand(*command); });
    }
    connect(action(Transform), &QAction::triggered, this, &W::transform_Form);

    connect(action(Create), &QAction::triggered, this, &W::createForm);
    connect(action(DeleteMultiple), &QAction::triggered, this, [this] {
        if (!elevated_) {
            KV_Message::About(this, applicationName(), KV_Startup::PrivilegeNotice());
            triggerFullRefresh();
            return;
        }
        KV_RunDialog(new KV_DeleteForm(this), tr("Delete"));
        triggerFullRefresh();
    });
    connect(action(Rescan), &QAction::triggered, this, &W::startRescan);
    connect(action(Initialize), &QAction::triggered, this, &W::initDisks_Form);
    connect(action(ClearMetadata), &QAction::triggered, this, &W::clearMetadata_Form);
    connect(action(Properties), &QAction::triggered, this, &W::diskProperties_Form);
    connect(action(SmartOverview), &QAction::triggered, this, &W::smartDiskOverview_Form);
    connect(action(Options), &QAction::triggered, this, &W::diskOptionsClicked);
    connect(action(ApplicationLog), &QAction::triggered, this, &W::openApplicationLog);
    connect(action(ViewControllers), &QAction::triggered, this, &W::viewControllers_Form);
    connect(action(About), &QAction::triggered, this, &W::about);
}

void KV_MainWindow::runArrayCommand(const ArrayCommand &command)
{
    if (command.needsElevation && !elevated_) {
        KV_Message::About(this, applicationName(), KV_Startup::PrivilegeNotice());
        triggerFullRefresh();
        return;
    }
    if (command.longOperation && longOperationInProgress_)
        return;
    const KV_ArrayConfig *config =
        selectedArray_ > 0 ? service_->FindArrayConfig(selectedArray_, true) : nullptr;
    if (!config)
        return;
    SelectedArray array;
    array.id = config->deviceRoute;
    array.name = field(config->deviceName);
    array.cache = field(config->cache);
    array.hidden = hidden(*config);
    if (KV_FieldIs(config->state, "LOCKED")) {
        KV_Message::About(this, applicationName(), arrayText(array.id) + tr(command.lockPhrase));
        triggerFullRefresh();
        return;
    }
    if (command.confirmation &&
        !KV_Message::Question(this, tr("Confirm Action"), command.confirmation(array))) {
        triggerFullRefresh();
        return;
    }
    (this->*command.run)(array);
    if (!command.refreshesItself)
        triggerFullRefresh();
}

// Long operations: one at a time, with the wait cursor and a status message
// until their completion handler ends them. A worker whose driver hangs or
// whose daemon has gone ends with the transfer's failure all the same.

void KV_MainWindow::startLongOperation(const QString &status)
{
    longOperationInProgress_ = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    statusBar()->showMessage(status);
}

void KV_MainWindow::endLongOperation()
{
    if (longOperationInProgress_) {
        longOperationInProgress_ = false;
        QApplication::restoreOverrideCursor();
    }
    statusBar()->clearMessage();
    triggerFullRefresh();
}

void KV_MainWindow::handleRescanComplete()
{
    endLongOperation();
}

void KV_MainWindow::handleDeleteArrayComplete()
{
    endLongOperation();
}

void KV_MainWindow::handleSecureEraseComplete()
{
    endLongOperation();
}

void KV_MainWindow::startRescan()
{
    if (longOperationInProgress_) {
        triggerFullRefresh();
        return;
    }
    startLongOperation(tr("Rescan in progress..."));
    KV_RunOnWorkerThread([](ApiWorker *worker) { worker->AsyncRescan(); },
                         &ApiWorker::rescanFinished, this, [this] { handleRescanComplete(); });
}

void KV_MainWindow::deleteArray(const SelectedArray &array)
{
    startLongOperation(tr("Delete in progress..."));
    selectedArray_ = 0;
    const int id = array.id;
    KV_RunOnWorkerThread([id](ApiWorker *worker) { worker->AsyncDeleteSingleArray(id); },
                         &ApiWorker::deleteSingleArrayFinished, this,
                         [this] { handleDeleteArrayComplete(); });
}

void KV_MainWindow::secureErase(const SelectedArray &array)
{
    startLongOperation(tr("Secure Erase in progress..."));
    selectedArray_ = 0;
    const int id = array.id;
    KV_RunOnWorkerThread([id](ApiWorker *worker) { worker->AsyncSecureErase(id); },
                         &ApiWorker::secureEraseFinished, this,
                         [this] { handleSecureEraseComplete(); });
}

// Prepare-to-remove keeps the other long operations out while it runs, so
// that no delete or erase starts on an array that is being taken away; it
// shows neither cursor nor status, its result boxes tell the end.
void KV_MainWindow::prepareToRemove(const SelectedArray &array)
{
    longOperationInProgress_ = true;
    const int id = array.id;
    KV_RunOnWorkerThread([id](ApiWorker *worker) { worker->AsyncPrepRemove(id); },
                         &ApiWorker::prepRemoveFinished, this,
                         [this](int code, uint arrayId) {
                             longOperationInProgress_ = false;
                             handlePrepRemoveResult(code, arrayId);
                         });
}

void KV_MainWindow::handlePrepRemoveResult(int returnCode, uint arrayId)
{
    switch (returnCode) {
    case -9:
    case 3:
        KV_Message::Information(this, tr("Operation Failed"),
                                tr("There is an overlap between the selected array and another "
                                   "array. Operation canceled."));
        break;
    case -10:
        KV_Message::Warning(this, tr("Problem Ejecting OXV Array %1 SCSI Device").arg(arrayId),
                            tr("This device is currently in use. Close any program or windows "
                               "that might be using this device, and then try again."));
        break;
    case 1:
        selectedArray_ = 0;
        KV_Message::Information(
            this, tr("Array Removal"),
            tr("Array %1 has been removed from the configuration, the device's disconnected and "
               "are now ready to be physically removed from the system. It is important that no "
               "DISK RESCANs be performed until all of the disks in the array have been "
               "disconnected")
                .arg(arrayId));
        break;
    default:
        break;
    }
    triggerFullRefresh();
}

// Commands the service runs at once.

void KV_MainWindow::startConsistencyCheck(const SelectedArray &array)
{
    service_->SetConsistencyCheck(array.id, true);
}

void KV_MainWindow::stopConsistencyCheck(const SelectedArray &array)
{
    service_->SetConsistencyCheck(array.id, false);
}

void KV_MainWindow::startBackgroundScan(const SelectedArray &array)
{
    service_->SetBackgroundScan(array.id, true);
}

void KV_MainWindow::stopBackgroundScan(const SelectedArray &array)
{
    service_->SetBackgroundScan(array.id, false);
}

void KV_MainWindow::resumeTask(const SelectedArray &array)
{
    service_->ControlTask(array.id, QStringLiteral("resume"));
}

void KV_MainWindow::pauseTask(const SelectedArray &array)
{
    service_->ControlTask(array.id, QStringLiteral("pause"));
}

void KV_MainWindow::removeTask(const SelectedArray &array)
{
    service_->ControlTask(array.id, QStringLiteral("remove"));
}

void KV_MainWindow::removeSpares(const SelectedArray &array)
{
    service_->RemoveAllSpares(array.id);
}

void KV_MainWindow::hideOrUnhide(const SelectedArray &array)
{
    if (array.hidden)
        service_->UnhideArray(array.id);
    else
        service_->HideArray(array.id, false);
}

void KV_MainWindow::identifyArray(const SelectedArray &array)
{
    service_->IdentifyArray(array.id, true, 0);
    KV_Message::Information(this, tr("Identify Array"),
                            tr("The LEDs representing the Disk(s) in the selected Array are now "
                               "lit. Click 'OK' to stop identifying."));
    service_->IdentifyArray(array.id, false, 0);
}

// The cache entries: a write-back mode asks first unless the array has
// write-back already; whatever the answer, a rescan follows.

void KV_MainWindow::setNoCache(const SelectedArray &array)
{
    setCache(array, KV_Action::CacheNone);
}

void KV_MainWindow::setReadCache(const SelectedArray &array)
{
    setCache(array, KV_Action::CacheRead);
}

void KV_MainWindow::setWriteBackCache(const SelectedArray &array)
{
    setCache(array, KV_Action::CacheWriteBack);
}

void KV_MainWindow::setReadWriteBackCache(const SelectedArray &array)
{
    setCache(array, KV_Action::CacheReadWriteBack);
}

void KV_MainWindow::setCache(const SelectedArray &array, KV_Action entry)
{
    struct Mode {
        KV_Action entry;
        const char *mode;
        const char *askUnless; // the mode that already writes back; null: never asks
    };
    static constexpr Mode modes[] = {
        {KV_Action::CacheNone, "NC", nullptr},
        {KV_Action::CacheRead, "R", nullptr},
        {KV_Action::CacheWriteBack, "W", "RW"},
        {KV_Action::CacheReadWriteBack, "RW", "W"},
    };
    for (const Mode &mode : modes) {
        if (mode.entry != entry)
            continue;
        const bool ask = mode.askUnless && array.cache != QLatin1String(mode.askUnless);
        if (!ask || KV_Message::Question(this, tr("Confirm Action"), askWriteBack()))
            service_->SetArrayCache(array.id, QLatin1String(mode.mode));
    }
    for (const Mode &mode : modes)
        action(mode.entry)->setChecked(mode.entry == entry);
    startRescan();
}

// Dialog-opening actions. Each dialog arrives with its own module; until
// then its action ends after its checks, with the refresh.

void KV_MainWindow::openTransform(const SelectedArray &array)
{
    KV_RunDialog(new KV_TransformDialog(array.id, iconSize_, this), tr("Transform"));
}

void KV_MainWindow::renameArray(const SelectedArray &array)
{
    if (array.id > 0)
        KV_RunDialog(new KV_ArrayNameDialog(array.id, this), tr("Array Name"));
}

// The priority can change only while a task runs on the array.
void KV_MainWindow::changeTaskPriority(const SelectedArray &array)
{
    if (service_->ArrayTaskActive(array.id))
        KV_RunDialog(new KV_TaskPriorityDialog(array.id, this), tr("Task Priority"));
}

void KV_MainWindow::createForm()
{
    if (bundle_.arrays.size() >= MostArrays)
        KV_Message::About(this, applicationName(),
                          tr("The total number of arrays is limited to %1.").arg(MostArrays));
    else
        KV_RunDialog(new KV_CreateDialog(iconSize_, this), tr("Create"));
    triggerFullRefresh();
}

void KV_MainWindow::transform_Form()
{
    runArrayCommand(*arrayCommand(KV_Action::Transform));
}

void KV_MainWindow::initDisks_Form()
{
    if (!elevated_)
        KV_Message::About(this, applicationName(), KV_Startup::PrivilegeNotice());
    else if (KV_RunDialog(new KV_initDisksDialog(this), tr("Initialize Disks")) ==
             QDialog::Accepted)
        selectedArray_ = 0;
    triggerFullRefresh();
}

void KV_MainWindow::clearMetadata_Form()
{
    if (!elevated_)
        KV_Message::About(this, applicationName(), KV_Startup::PrivilegeNotice());
    else if (KV_RunDialog(new KV_ClearMetadataDialog(this), tr("Clear Metadata")) ==
             QDialog::Accepted)
        selectedArray_ = 0;
    triggerFullRefresh();
}

void KV_MainWindow::diskProperties_Form()
{
    KV_RunDialog(new KV_DiskProperites(this), tr("Properties"));
    triggerFullRefresh();
}

void KV_MainWindow::smartDiskOverview_Form()
{
    KV_RunDialog(new KV_SmartDiskDialog(this), tr("S.M.A.R.T. Overview"));
    triggerFullRefresh();
}

void KV_MainWindow::viewControllers_Form()
{
    KV_RunDialog(new kv_ControllerProperties(this), tr("Controllers"));
    triggerFullRefresh();
}

void KV_MainWindow::about()
{
    KV_RunDialog(new KV_AboutDialog(this), tr("About ") + applicationName());
    triggerFullRefresh();
}

bool KV_MainWindow::diskRowChosen() const
{
    return diskList_->selectedItems().size() == 1;
}

// The disk spare dialog opens from the menu, a context request or a double
// click on one disk row.
void KV_MainWindow::diskOptionsClicked()
{
    if (!diskRowChosen())
        return;
    openDiskOptions(diskList_->selectedItems().constFirst());
}

void KV_MainWindow::diskDoubleClicked(QTreeWidgetItem *item, int)
{
    if (!item)
        return;
    openDiskOptions(item);
}

void KV_MainWindow::openDiskOptions(QTreeWidgetItem *diskRow)
{
    constexpr int ModelColumn = 10;
    KV_RunDialog(new KV_diskSpareDialog(diskRow->text(0), diskRow->text(ModelColumn),
                                        diskRow->data(0, KV_Role::Identifier).toInt(),
                                        selectedArray_, this),
                 tr("Options"));
    triggerFullRefresh();
}

// The application log opens with the desktop's handler for its type; a log
// that is missing is created with its first line instead.
void KV_MainWindow::openApplicationLog()
{
    if (!QFile::exists(appLogPath_)) {
        KV_PrepareLogFile(QCoreApplication::applicationDirPath(), applicationName());
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(appLogPath_));
}
