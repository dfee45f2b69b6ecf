// The event list, its times kept in the event log file, the copy into the
// application log, the drive notices and the event view.
#include "main_window.h"

#include "dialog_runner.h"
#include "display_strings.h"
#include "insert_remove_dialog.h"
#include "kv_app_log.h"
#include "main_window_parts.h"

#include <QFileInfo>
#include <QHash>
#include <QTimer>
#include <QTreeWidget>

using namespace KV_Display;
using namespace KV_WindowParts;

namespace {

const QString UnknownTime = QStringLiteral("   --   ");

// The driver's codes for an inserted (1038, 1042) and a removed (1039, 1043)
// drive.
bool IsDriveNotice(quint32 code)
{
    return code == 1038 || code == 1039 || code == 1042 || code == 1043;
}

} // namespace

// The event list: one row per event of the snapshot. Events the console
// sees after its first snapshot get the local time of their arrival; those
// of the first snapshot get the times the event log file kept for them.
void KV_MainWindow::fillEventList(const QList<KV_EventRec> &events)
{
    const KeptScroll scroll(eventList_);
    const QString now = KV_LogTimeText();
    quint32 notificationCode = 0; // the batch's last drive notice
    eventList_->setSortingEnabled(false);
    for (const KV_EventRec &event : events) {
        const bool timed = !firstEventLoad_ && event.sequence >= firstTimedSequence_;
        const KV_LoggedEvent logged{event.sequence, timed ? now : UnknownTime, event.code,
                                    event.text};
        if (timed) {
            pendingEvents_.append(logged);
            if (IsDriveNotice(event.code))
                notificationCode = event.code;
        }
        auto *row = new QTreeWidgetItem;
        row->setData(0, Qt::DisplayRole, event.sequence);
        row->setText(1, logged.time);
        row->setText(2, QString::number(event.code));
        row->setText(3, SeverityText(event.severity));
        row->setText(4, event.text);
        eventList_->addTopLevelItem(row);
        eventHistory_.append(logged);
    }
    if (firstEventLoad_) {
        // Every event from the next snapshot on was first seen now.
        firstTimedSequence_ = bundle_.nextEventSeq;
        restoreEventTimes();
        if (!eventHistory_.isEmpty() && QFileInfo::exists(appLogPath_)) {
            service_->DumpConfiguration(appLogPath_);
            copyEventsToApplicationLog(eventHistory_);
        }
    } else {
        if (!pendingEvents_.isEmpty()) {
            copyEventsToApplicationLog(pendingEvents_);
            KV_EventLogFile(eventLogPath_).append(pendingEvents_);
            pendingEvents_.clear();
        }
        if (notificationCode != 0 && notificationGateOpen_) {
            notificationGateOpen_ = false;
            // After the snapshot has been applied, so that the window shows
            // the change behind the notice.
            QTimer::singleShot(0, this,
                               [this, notificationCode] { showDriveNotice(notificationCode); });
        }
        eventList_->resizeColumnToContents(1);
        eventList_->setColumnWidth(1, eventList_->columnWidth(1) + 10);
    }
    firstEventLoad_ = false;
    eventList_->setSortingEnabled(true);
    eventList_->sortByColumn(eventSortColumn_, eventSortOrder_);
    eventList_->setRootIsDecorated(false);
}

// Gives the events of the first snapshot the times the file kept for them:
// the first event of the history with the entry's number and code.
void KV_MainWindow::restoreEventTimes()
{
    const QList<KV_LoggedEvent> stored = KV_EventLogFile(eventLogPath_).restore();
    if (stored.isEmpty())
        return;
    QHash<quint32, qsizetype> byNumber; // the first history event of each number
    for (qsizetype i = eventHistory_.size() - 1; i >= 0; --i)
        byNumber.insert(eventHistory_[i].number, i);
    for (const KV_LoggedEvent &entry : stored) {
        const auto found = byNumber.constFind(entry.number);
        if (found != byNumber.cend() && eventHistory_[*found].code == entry.code)
            eventHistory_[*found].time = entry.time;
    }
    QHash<quint32, QString> times;
    for (const KV_LoggedEvent &event : std::as_const(eventHistory_))
        if (!times.contains(event.number))
            times.insert(event.number, event.time);
    for (int r = 0; r < eventList_->topLevelItemCount(); ++r) {
        QTreeWidgetItem *row = eventList_->topLevelItem(r);
        row->setText(1, times.value(row->data(0, Qt::DisplayRole).toUInt(), UnknownTime));
    }
}

// One line per event, only into a log that exists: its time (now for an
// event without one) and its text.
void KV_MainWindow::copyEventsToApplicationLog(const QList<KV_LoggedEvent> &events)
{
    if (!QFileInfo::exists(appLogPath_))
        return;
    QStringList lines;
    for (const KV_LoggedEvent &event : events)
        lines.append((event.time == UnknownTime ? KV_LogTimeText() : event.time) + event.text);
    KV_AppendLogLines(appLogPath_, lines);
}

// The gate opens again 5 s after the notice has closed.
void KV_MainWindow::showDriveNotice(quint32 code)
{
    const int result =
        KV_RunDialog(new Kv_insertRemoveDialog(int(code), this), tr("Event Notification"));
    if (result == QDialog::Accepted)
        triggerFullRefresh(); // the rescan's outcome
    notificationTimer_->start();
}

void KV_MainWindow::eventViewToggle_Form()
{
    eventList_->setVisible(action(KV_Action::EventView)->isChecked());
}
