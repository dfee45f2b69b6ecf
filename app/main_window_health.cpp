// The health line above the lists, the time left of the running tasks, the
// disk list's marks of failed disks, and closing to the tray.
#include "main_window.h"

#include "appearance.h"
#include "health_bar.h"
#include "health_monitor.h"
#include "main_window_parts.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QMenu>
#include <QSystemTrayIcon>

using namespace KV_WindowParts;

void KV_MainWindow::setUpHealth(QBoxLayout *layout)
{
    healthBar_ = new KV_HealthBar;
    layout->insertWidget(0, healthBar_);
    connect(healthBar_, &KV_HealthBar::arrayChosen, this, &KV_MainWindow::selectArrayFromHealth);
    health_ = new KV_HealthMonitor(this);

    // Closing to the tray: on by default, and only where a tray exists.
    using namespace KV_Appearance;
    viewMenu_->addSeparator();
    QAction *closeToTray =
        addMenuAction(viewMenu_, KV_Action::CloseToTray, tr("C&lose to Tray"),
                      tr("Closing the window keeps the console watching the arrays from the tray."),
                      health_->trayAvailable());
    closeToTray->setCheckable(true);
    closeToTray->setChecked(health_->trayAvailable() && Stored(Setting::CloseToTray) != u"false");
    connect(closeToTray, &QAction::toggled, this, [](bool on) {
        Store(Setting::CloseToTray, on ? QStringLiteral("true") : QStringLiteral("false"));
    });
    closeToTray->setFont(listFont_);
}

void KV_MainWindow::showHealth()
{
    if (!health_)
        return;
    health_->apply(bundle_);
    healthBar_->setReport(health_->report(), darkTheme(), listFont_);
}

QString KV_MainWindow::timeLeftTip(const KV_ArrayConfig &array) const
{
    if (!KV_TaskUnderWay(array))
        return {};
    if (KV_FieldIs(array.transformState, "PAUSED"))
        return tr("Paused: no time left is estimated while the task waits.");
    if (const auto left = health_ ? health_->secondsLeft(array.deviceRoute) : std::nullopt)
        return KV_TimeLeftText(*left);
    return tr("The time left is estimated once the task's progress has been seen for a minute.");
}

void KV_MainWindow::markDiskHealth(QTreeWidgetItem *row, int diskId)
{
    if (!health_)
        return;
    const KV_HealthReport &report = health_->report();
    // By text and icon, so that colour is never the only signal: the icon
    // beside the location, where there is room for it; the state column
    // says "Failed" (it still sorts by the driver's state word).
    if (report.diskFailed.value(diskId)) {
        const QString tip =
            tr("The disk has failed; the driver reports it as %1.").arg(row->text(1));
        row->setText(1, tr("Failed"));
        row->setIcon(0, QIcon(QStringLiteral(":images/icons/small_failedDRIVE.png")));
        row->setToolTip(0, tip);
        row->setToolTip(1, tip);
    } else if (report.diskSmartError.value(diskId)) {
        const QString tip = tr("The disk reports S.M.A.R.T. errors: replace it soon.");
        row->setIcon(0, KV_HealthIcon(KV_HealthLevel::Failing));
        row->setToolTip(0, tip);
        row->setToolTip(1, tip);
    }
}

void KV_MainWindow::selectArrayFromHealth(int arrayId)
{
    for (int r = 0; r < arrayList_->topLevelItemCount(); ++r) {
        QTreeWidgetItem *row = arrayList_->topLevelItem(r);
        if (row->data(0, KV_Role::Identifier).toInt() != arrayId)
            continue;
        arrayListSelectionChanged(row, 0);
        if (QTreeWidgetItem *current = arrayList_->currentItem())
            arrayList_->scrollToItem(current);
        return;
    }
}

void KV_MainWindow::closeEvent(QCloseEvent *event)
{
    if (health_ && health_->trayAvailable() && action(KV_Action::CloseToTray)->isChecked()) {
        hide();
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}
