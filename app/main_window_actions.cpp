// The menu bar, the context menus and the enablement of the array actions.
#include "main_window.h"

#include "array_enablement.h"
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
    connect(addMenuAction(helpMenu_, KV_Action::SupportBundle, tr("Save Support Bundle..."),
                          tr("Save the configuration, logs and S.M.A.R.T. reports in one file "
                             "for support"),
                          true),
            &QAction::triggered, this, &KV_MainWindow::saveSupportBundle);

    for (QMenu *menu : menuBar()->findChildren<QMenu *>())
        menu->setFont(listFont_);
}

// Context menus share the menu bar's actions and their enablement.

void KV_MainWindow::ShowContextMenu(const QPoint &point)
{
    QMenu menu(this);
    menu.setFont(listFont_);
    menu.addAction(action(KV_Action::Create));
    menu.addAction(action(KV_Action::Transform));
    for (QMenu *sub : {checkMenu_, scanMenu_, cacheMenu_, taskMenu_})
        menu.addMenu(sub);
    for (KV_Action id : {KV_Action::Name, KV_Action::Hide, KV_Action::Identify,
                         KV_Action::PrepareRemove, KV_Action::RemoveSpares, KV_Action::Delete,
                         KV_Action::DeleteMultiple, KV_Action::SecureErase})
        menu.addAction(action(id));
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

KV_ArrayFacts KV_MainWindow::factsOf(const KV_ArrayConfig &array) const
{
    KV_ArrayFacts facts;
    facts.type = field(array.type);
    facts.state = field(array.state);
    facts.task = field(array.transformType);
    facts.taskState = field(array.transformState);
    facts.cache = field(array.cache);
    facts.hidden = hidden(array);
    facts.backgroundScan = backgroundScan(array);
    facts.dedicatedSpares = dedicatedSpareCount(array);
    facts.holdsSystem = bundle_.arrayHoldsSystem.value(array.deviceRoute);
    facts.sharesSystemDisk = bundle_.arraySharesSystemDisk.value(array.deviceRoute);
    return facts;
}

void KV_MainWindow::applyEnablement(const std::optional<KV_ArrayFacts> &selected)
{
    KV_EnablementInput input;
    input.selected = selected;
    input.arrayCount = bundle_.arrays.size();
    input.elevated = elevated_;
    input.anyEligibleDisk = bundle_.anyEligibleDisk;
    input.anyEligiblePhysicalDisk = bundle_.anyEligiblePhysicalDisk;
    const KV_Enablement result = KV_ArrayEnablement(input);

    for (std::size_t i = 0; i < KV_ActionCount; ++i) {
        const auto id = KV_Action(i);
        if (!KV_EnablementDecides(id))
            continue;
        // A submenu is switched as a whole, so that it cannot be opened.
        if (QMenu *submenu = actions_[i]->menu())
            submenu->setEnabled(result.enabled.test(i));
        else
            actions_[i]->setEnabled(result.enabled.test(i));
    }
    if (selected) {
        for (KV_Action id : {KV_Action::CacheNone, KV_Action::CacheRead, KV_Action::CacheWriteBack,
                             KV_Action::CacheReadWriteBack})
            action(id)->setChecked(result.isChecked(id));
        action(KV_Action::Hide)->setText(result.offerUnhide ? tr("Un-Hide") : tr("Hide"));
    }
}

void KV_MainWindow::resetArrayActions()
{
    applyEnablement(std::nullopt);
}

void KV_MainWindow::applySelectedArrayEnablement()
{
    if (selectedArray_ <= 0) {
        resetArrayActions();
        return;
    }
    const KV_ArrayConfig *array = selectedConfig();
    if (!array) {
        // The array has gone since it was selected.
        selectedArray_ = 0;
        resetArrayActions();
        return;
    }
    applyEnablement(factsOf(*array));
}
