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
#include <QHeaderView>
#include <QSet>
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

// Where `row` goes in `list`, sorted by `column` in `order`, so that the
// list stays as the view's sort would leave it: that sort is stable and
// compares the display data, numbers in the first column and texts, case
// sensitive, in the others, so the row goes after every row equal to it.
int SortedEventRow(const QTreeWidget *list, const QTreeWidgetItem &row, int column,
                   Qt::SortOrder order)
{
    const auto less = [column](const QTreeWidgetItem &a, const QTreeWidgetItem &b) {
        if (column == 0)
            return a.data(0, Qt::DisplayRole).toUInt() < b.data(0, Qt::DisplayRole).toUInt();
        return a.text(column).compare(b.text(column)) < 0;
    };
    int first = 0;
    int count = list->topLevelItemCount();
    while (count > 0) {
        const int half = count / 2;
        const QTreeWidgetItem &middle = *list->topLevelItem(first + half);
        if (order == Qt::AscendingOrder ? less(row, middle) : less(middle, row)) {
            count = half;
        } else {
            first += half + 1;
            count -= half + 1;
        }
    }
    return first;
}

} // namespace

// The event list: one row per event of the snapshot. Events the console
// sees after its first snapshot get the local time of their arrival; those
// of the first snapshot get the times the event log file kept for them.
//
// The list grows with the driver's history, so a refresh costs only what is
// new: a refresh without events leaves the rows alone, and new rows go
// straight into their sorted place (the list is not sorted by the view, see
// buildTrees) with only their own Date texts measured.
void KV_MainWindow::fillEventList(const QList<KV_EventRec> &events)
{
    if (events.isEmpty() && !firstEventLoad_) {
        fitEventDateColumn();
        return;
    }
    const KeptScroll scroll(eventList_);
    const QString now = KV_LogTimeText();
    quint32 notificationCode = 0; // the batch's last drive notice
    QSet<QString> newTimes;
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
        if (firstEventLoad_) {
            eventList_->addTopLevelItem(row);
        } else {
            eventList_->insertTopLevelItem(
                SortedEventRow(eventList_, *row, eventSortColumn_, eventSortOrder_), row);
            if (!newTimes.contains(logged.time)) {
                newTimes.insert(logged.time);
                measureEventDate(row);
            }
        }
        eventHistory_.append(logged);
    }
    if (firstEventLoad_ && bundle_.moreEvents) {
        // The driver's backlog goes on in the next bundle: its events are
        // as old as these, and the first load ends with the last of them.
        eventList_->sortByColumn(eventSortColumn_, eventSortOrder_);
        return;
    }
    if (firstEventLoad_) {
        // Every event from the next snapshot on was first seen now.
        firstTimedSequence_ = bundle_.nextEventSeq;
        restoreEventTimes();
        if (!eventHistory_.isEmpty() && QFileInfo::exists(appLogPath_)) {
            service_->DumpConfiguration(appLogPath_);
            copyEventsToApplicationLog(eventHistory_);
        }
        eventList_->sortByColumn(eventSortColumn_, eventSortOrder_);
        eventDateWidth_ = -1; // measured at the next refresh, over every row
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
        fitEventDateColumn();
    }
    firstEventLoad_ = false;
}

// The Date column as wide as the widest Date text measured, and 10 pixels
// more; every row is measured again after the first snapshot and after a
// font change (eventDateWidth_ -1).
void KV_MainWindow::fitEventDateColumn()
{
    if (eventDateWidth_ < 0) {
        eventDateWidth_ = 0;
        QSet<QString> times; // one row of each text

        for (int r = 0; r < eventList_->topLevelItemCount(); ++r) {
            QTreeWidgetItem *row = eventList_->topLevelItem(r);
            if (!times.contains(row->text(1))) {
                times.insert(row->text(1));
                measureEventDate(row);
            }
        }
    }
    QHeaderView *header = eventList_->header();
    const int title = header->isHidden() ? 0 : header->sectionSizeHint(1);
    eventList_->setColumnWidth(1, std::max(eventDateWidth_, title) + 10);
}

void KV_MainWindow::measureEventDate(QTreeWidgetItem *row)
{
    if (eventDateWidth_ < 0)
        return; // every row is measured at the next fit
    const QModelIndex date = eventList_->indexFromItem(row, 1);
    eventDateWidth_ = std::max(eventDateWidth_, eventList_->sizeHintForIndex(date).width());
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
