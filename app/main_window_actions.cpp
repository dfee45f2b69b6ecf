// The menu bar, the context menus and the enablement of the array actions.
#include "main_window.h"

#include "display_strings.h"
#include "main_window_parts.h"

#include <QApplication>
#include <QMenuBar>
#include <QStatusBar>
#include <QTreeWidget>

using namespace KV_Display;
using namespace KV_WindowParts;

QAction *KV_MainWindow::action(KV_Action id) const
{
    return actions_[std::size_t(id)];
}

QAction *KV_MainWindow::addMenuAction(QMenu *menu, KV_Action id, const QString &text,
                                      const QString &tip, bool enabled)
{
    QAction *created = menu->addAction(text);
    created->setStatusTip(tip);
    created->setEnabled(enabled);
    actions_[std::size_t(id)] = created;
    return created;
}

QMenu *KV_MainWindow::addSubmenu(QMenu *menu, KV_Action id, const QString &text, const QString &tip)
{
    QMenu *submenu = menu->addMenu(text);
    if (!tip.isEmpty())
        submenu->menuAction()->setStatusTip(tip);
    actions_[std::size_t(id)] = submenu->menuAction();
    return submenu;
}

void KV_MainWindow::buildMenus()
{
    menuBar()->setFont(menuFont_);
    const QString none;

    fileMenu_ = menuBar()->addMenu(tr("&File"));
    connect(addMenuAction(fileMenu_, KV_Action::Quit, tr("&Quit"), none, true), &QAction::triggered,
            qApp, &QCoreApplication::quit);

    arrayMenu_ = menuBar()->addMenu(tr("&Array"));
    addMenuAction(arrayMenu_, KV_Action::Create, tr("&Create"), tr("Create RAID array"), true);
    addMenuAction(arrayMenu_, KV_Action::Transform, tr("&Transform"),
                  tr("Transform an existing RAID array"), false);
    checkMenu_ = addSubmenu(arrayMenu_, KV_Action::CheckMenu, tr("Check Consistency"), none);
    addMenuAction(checkMenu_, KV_Action::CheckStart, tr("Start"), none, false);
    addMenuAction(checkMenu_, KV_Action::CheckStop, tr("Stop"), none, false);
    checkMenu_->setEnabled(false);
    scanMenu_ = addSubmenu(arrayMenu_, KV_Action::ScanMenu, tr("Background Array Scan"), none);
    addMenuAction(scanMenu_, KV_Action::ScanStart, tr("Start"), none, false);
    addMenuAction(scanMenu_, KV_Action::ScanStop, tr("Stop"), none, false);
    scanMenu_->setEnabled(false);
    cacheMenu_ = addSubmenu(arrayMenu_, KV_Action::CacheMenu, tr("Modify Cache Settings"), none);
    addMenuAction(cacheMenu_, KV_Action::CacheNone, tr("No Cache"), none, true);
    addMenuAction(cacheMenu_, KV_Action::CacheRead, tr("Read Cache"), none, true);
    addMenuAction(cacheMenu_, KV_Action::CacheWriteBack, tr("Write Back Cache"), none, true);
    addMenuAction(cacheMenu_, KV_Action::CacheReadWriteBack, tr("Read + Write Back Cache"), none,
                  true);
    for (QAction *entry : cacheMenu_->actions())
        entry->setCheckable(true);
    cacheMenu_->setEnabled(false);
    taskMenu_ = addSubmenu(arrayMenu_, KV_Action::TaskMenu, tr("Task"), none);
    addMenuAction(taskMenu_, KV_Action::TaskPriority, tr("Priority"), none, false);
    addMenuAction(taskMenu_, KV_Action::TaskResume, tr("Resume"), none, false);
    addMenuAction(taskMenu_, KV_Action::TaskPause, tr("Pause"), none, false);
    addMenuAction(taskMenu_, KV_Action::TaskRemove, tr("Remove"), none, false);
    taskMenu_->setEnabled(false);
    addMenuAction(arrayMenu_, KV_Action::Name, tr("&Name"),
                  tr("Change Array Name of Selected Array"), true);
    addMenuAction(arrayMenu_, KV_Action::Hide, tr("Hide"), tr("Hide/Un-Hide an existing Array"),
                  true);
    addMenuAction(arrayMenu_, KV_Action::Identify, tr("Identify Array"),
                  tr("Light LED(s) representing the selected Array"), true);
    addMenuAction(arrayMenu_, KV_Action::PrepareRemove, tr("&Prepare To Remove"),
                  tr("Make the array invisible to the operating system for preparation of removal"),
                  true);
    addMenuAction(arrayMenu_, KV_Action::RemoveSpares, tr("Remove Spares"),
                  tr("Remove all dedicated spares assigned to this array"), true);
    addMenuAction(arrayMenu_, KV_Action::Delete, tr("&Delete"), tr("Delete an existing RAID array"),
                  true);
    addMenuAction(arrayMenu_, KV_Action::DeleteMultiple, tr("Delete &Multiple Arrays"),
                  tr("Select multiple existing RAID arrays for deletion"), true);
    addMenuAction(arrayMenu_, KV_Action::SecureErase, tr("&Secure Erase"),
                  tr("Secure Erase an existing RAID array"), true);

    diskMenu_ = menuBar()->addMenu(tr("&Disk"));
    addMenuAction(diskMenu_, KV_Action::Rescan, tr("&Rescan"),
                  tr("Rescan all channels to detect new or removed physical disks and arrays."),
                  true);
    addMenuAction(diskMenu_, KV_Action::Initialize, tr("&Initialize"), none, false);
    addMenuAction(diskMenu_, KV_Action::ClearMetadata, tr("&Clear Metadata"), none, false);
    addMenuAction(diskMenu_, KV_Action::Properties, tr("&Properties"), none, true);
    addMenuAction(diskMenu_, KV_Action::SmartOverview, tr("&S.M.A.R.T. Overview"),
                  tr("S.M.A.R.T. (Self-Monitoring, Analysis and Reporting Technology) is a "
                     "monitoring system by the drive to detect and report various indicators of "
                     "drive reliability."),
                  true);
    addMenuAction(diskMenu_, KV_Action::Options, tr("&Options"),
                  tr("Manage spares for the selected disk."), true);

    viewMenu_ = menuBar()->addMenu(tr("&View"));
    connect(addMenuAction(viewMenu_, KV_Action::Refresh, tr("&Refresh"), none, true),
            &QAction::triggered, this, &KV_MainWindow::menu_refresh);
    addMenuAction(viewMenu_, KV_Action::ApplicationLog, tr("&Application Log"),
                  tr("View application log information."), true);
    addMenuAction(viewMenu_, KV_Action::ViewControllers, tr("&View Controllers"),
                  tr("View Controller List"), true);
    QAction *eventView = addMenuAction(viewMenu_, KV_Action::EventView, tr("&Event View"),
                                       tr("Collapse Event View"), true);
    eventView->setCheckable(true);
    eventView->setChecked(true);
    connect(eventView, &QAction::triggered, this, &KV_MainWindow::eventViewToggle_Form);
    viewMenu_->addSeparator();
    QMenu *themeMenu = viewMenu_->addMenu(tr("&Theme"));
    themeMenu->menuAction()->setStatusTip(tr("Change Application Color Theme"));
    addMenuAction(themeMenu, KV_Action::ThemeDark, tr("Dark"), none, true);
    addMenuAction(themeMenu, KV_Action::ThemeLight, tr("Light"), none, true);
    viewMenu_->addSeparator();
    QMenu *iconMenu = viewMenu_->addMenu(tr("&Icon Size"));
    iconMenu->menuAction()->setStatusTip(tr("Change Application's Icon Sizes"));
    addMenuAction(iconMenu, KV_Action::IconSmall, tr("Small"), none, true);
    addMenuAction(iconMenu, KV_Action::IconLarge, tr("Large"), none, true);
    viewMenu_->addSeparator();
    QMenu *fontMenu = viewMenu_->addMenu(tr("&Font Size"));
    fontMenu->menuAction()->setStatusTip(tr("Change Application's Font Sizes"));
    addMenuAction(fontMenu, KV_Action::FontSmall, tr("Small"), none, true);
    addMenuAction(fontMenu, KV_Action::FontNormal, tr("Normal"), none, true);
    addMenuAction(fontMenu, KV_Action::FontLarge, tr("Large"), none, true);

    helpMenu_ = menuBar()->addMenu(tr("&Help"));
    addMenuAction(helpMenu_, KV_Action::About, tr("&About"),
                  tr("Display Application and RAID Driver versions"), true);
    addMenuAction(helpMenu_, KV_Action::UserGuide, tr("&User Guide"), tr("Link to User Guide"),
                  true);
    addMenuAction(helpMenu_, KV_Action::Support, tr("&Support"), tr("Link to OXV Support Site"),
                  true);
    connect(addMenuAction(helpMenu_, KV_Action::Eula, tr("&EULA"),
                          tr("View End User License Agreement (EULA)."), true),
            &QAction::triggered, this, [this] { showEula(true); });

    for (QMenu *menu : menuBar()->findChildren<QMenu *>())
        menu->setFont(listFont_);
}

// The disk dialogs open from here once they exist; until then a double
// click or a context request on the disk list only selects the row.
void KV_MainWindow::diskDoubleClicked(QTreeWidgetItem *, int) {}

void KV_MainWindow::diskOptionsClicked() {}

// Context menus share the menu bar's actions and their enablement.

void KV_MainWindow::ShowContextMenu(const QPoint &point)
{
    QMenu menu(this);
    menu.setFont(listFont_);
    menu.addAction(action(KV_Action::Create));
    menu.addAction(action(KV_Action::Transform));
    for (QMenu *sub : {checkMenu_, scanMenu_, cacheMenu_, taskMenu_})
        menu.addMenu(sub);
    for (QAction *action : {action(KV_Action::Name), action(KV_Action::Hide),
                            action(KV_Action::Identify), action(KV_Action::PrepareRemove),
                            action(KV_Action::RemoveSpares), action(KV_Action::Delete),
                            action(KV_Action::DeleteMultiple), action(KV_Action::SecureErase)})
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
    for (QAction *action :
         {action(KV_Action::Transform), action(KV_Action::RemoveSpares),
          action(KV_Action::SecureErase), action(KV_Action::Delete), action(KV_Action::Name),
          action(KV_Action::PrepareRemove), action(KV_Action::Hide), action(KV_Action::Identify),
          action(KV_Action::TaskResume), action(KV_Action::TaskPause),
          action(KV_Action::TaskRemove), action(KV_Action::ScanStart), action(KV_Action::ScanStop),
          action(KV_Action::CheckStart), action(KV_Action::CheckStop)})
        action->setEnabled(false);
    scanMenu_->setEnabled(false);
    checkMenu_->setEnabled(false);
    cacheMenu_->setEnabled(false);
    action(KV_Action::Initialize)->setEnabled(bundle_.anyEligibleDisk);
    action(KV_Action::ClearMetadata)->setEnabled(bundle_.anyEligiblePhysicalDisk);
}

void KV_MainWindow::applySelectedArrayEnablement()
{
    resetArrayActions();
    action(KV_Action::DeleteMultiple)->setEnabled(bundle_.arrays.size() > 1 && elevated_);
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
        action(KV_Action::Hide)->setText(hidden(*array) ? tr("Un-Hide") : tr("Hide"));
        action(KV_Action::Delete)->setEnabled(true);
        checkMenu_->setEnabled(true);
        scanMenu_->setEnabled(true);
        taskMenu_->setEnabled(true);
        action(KV_Action::Identify)->setEnabled(true);
        if (tierOrCache) {
            if (task == u"NOT_ACTIVE")
                action(KV_Action::Hide)->setEnabled(true);
        } else {
            action(KV_Action::CheckStart)->setEnabled(true);
            action(KV_Action::CheckStop)->setEnabled(false);
            checkMenu_->setEnabled(true);
            const bool scanning = backgroundScan(*array);
            action(KV_Action::ScanStart)->setEnabled(!scanning);
            action(KV_Action::ScanStop)->setEnabled(scanning);
            if (task != u"NOT_ACTIVE") {
                action(KV_Action::TaskPriority)->setEnabled(true);
                taskMenu_->setEnabled(true);
                const bool paused = KV_FieldIs(array->transformState, "PAUSED");
                action(KV_Action::TaskResume)->setEnabled(paused);
                action(KV_Action::TaskPause)->setEnabled(!paused);
                action(KV_Action::TaskRemove)->setEnabled(true);
                if (task == u"CHECK") {
                    action(KV_Action::CheckStart)->setEnabled(false);
                    action(KV_Action::CheckStop)->setEnabled(true);
                    checkMenu_->setEnabled(true);
                } else {
                    checkMenu_->setEnabled(false);
                }
                if (task == u"TRANSFORM")
                    action(KV_Action::TaskRemove)->setEnabled(false);
                action(KV_Action::Transform)->setEnabled(false);
                action(KV_Action::RemoveSpares)->setEnabled(false);
                action(KV_Action::Name)->setEnabled(false);
                scanMenu_->setEnabled(false);
                cacheMenu_->setEnabled(false);
            } else {
                action(KV_Action::TaskResume)->setEnabled(false);
                action(KV_Action::TaskPause)->setEnabled(false);
                action(KV_Action::TaskRemove)->setEnabled(false);
                taskMenu_->setEnabled(false);
                for (QAction *action : {action(KV_Action::Transform),
                                        action(KV_Action::SecureErase), action(KV_Action::Hide),
                                        action(KV_Action::PrepareRemove), action(KV_Action::Name)})
                    action->setEnabled(true);
                action(KV_Action::RemoveSpares)->setEnabled(dedicatedSpareCount(*array) > 0);
                cacheMenu_->setEnabled(true);
                const char *const modes[4] = {"NC", "R", "W", "RW"};
                for (int i = 0; i < 4; ++i) {
                    if (KV_FieldIs(array->cache, modes[i])) {
                        for (int j = 0; j < 4; ++j)
                            action(KV_Action(int(KV_Action::CacheNone) + j))->setChecked(i == j);
                    }
                }
            }
        }
        if (type == u"LEGACY") {
            checkMenu_->setEnabled(false);
            for (QAction *action : {action(KV_Action::CheckStart), action(KV_Action::CheckStop),
                                    action(KV_Action::RemoveSpares), action(KV_Action::Transform),
                                    action(KV_Action::SecureErase)})
                action->setEnabled(false);
            cacheMenu_->setEnabled(false);
        }
        if (tierOrCache) {
            resetArrayActions();
            for (QMenu *menu : {scanMenu_, checkMenu_, cacheMenu_, taskMenu_})
                menu->setEnabled(false);
            action(KV_Action::PrepareRemove)->setEnabled(false);
            action(KV_Action::Identify)->setEnabled(false);
            for (QAction *action :
                 {action(KV_Action::Name), action(KV_Action::Hide), action(KV_Action::Delete)})
                action->setEnabled(true);
        }
        if (bundle_.arrayHoldsSystem.value(selectedArray_)) {
            for (QAction *action : {action(KV_Action::Delete), action(KV_Action::SecureErase),
                                    action(KV_Action::PrepareRemove), action(KV_Action::Hide)})
                action->setEnabled(false);
        }
        if (!IsRedundantType(type)) {
            checkMenu_->setEnabled(false);
            for (QAction *action : {action(KV_Action::CheckStart), action(KV_Action::CheckStop),
                                    action(KV_Action::RemoveSpares)})
                action->setEnabled(false);
        }
        if (state == u"CRITICAL")
            action(KV_Action::CheckStart)->setEnabled(false);
        if (state == u"OFFLINE") {
            for (QAction *action : {action(KV_Action::Transform), action(KV_Action::RemoveSpares),
                                    action(KV_Action::SecureErase), action(KV_Action::Name),
                                    action(KV_Action::PrepareRemove), action(KV_Action::Hide),
                                    action(KV_Action::Identify), action(KV_Action::TaskResume),
                                    action(KV_Action::TaskPause), action(KV_Action::TaskRemove),
                                    action(KV_Action::ScanStart), action(KV_Action::ScanStop),
                                    action(KV_Action::CheckStart), action(KV_Action::CheckStop)})
                action->setEnabled(false);
            for (QMenu *menu : {scanMenu_, checkMenu_, cacheMenu_})
                menu->setEnabled(false);
        }
        if (action(KV_Action::PrepareRemove)->isEnabled() &&
            bundle_.arraySharesSystemDisk.value(selectedArray_))
            action(KV_Action::PrepareRemove)->setEnabled(false);
    }
    if (!elevated_) {
        for (QAction *action : {action(KV_Action::DeleteMultiple), action(KV_Action::Delete),
                                action(KV_Action::SecureErase), action(KV_Action::PrepareRemove),
                                action(KV_Action::Hide)})
            action->setEnabled(false);
    }
}
