// The event list and the event view.
#include "main_window.h"

#include "display_strings.h"
#include "kv_app_log.h"
#include "main_window_parts.h"

#include <QTreeWidget>

using namespace KV_Display;
using namespace KV_WindowParts;

// The event list: one row per event of the snapshot.

void KV_MainWindow::fillEventList(const QList<KV_EventRec> &events)
{
    const KeptScroll scroll(eventList_);
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

void KV_MainWindow::eventViewToggle_Form()
{
    eventList_->setVisible(action(KV_Action::EventView)->isChecked());
}
