// The object that runs the service's long work off the GUI thread, and the
// one-shot thread every caller runs it on.
#pragma once

#include "kv_raid_api.h"
#include "raid_data_bundle.h"

#include <QMutex>
#include <QObject>
#include <QThread>

#include <type_traits>

class ApiWorker : public QObject {
    Q_OBJECT
public:
    // Creates its service; the operation refreshes the snapshot when it
    // begins.
    ApiWorker();
    ~ApiWorker() override;

    // At most this many events in the next full refresh's bundle (a window
    // that starts with a long driver log shows its arrays before the whole
    // backlog has been read); every event by default.
    void SetEventBatchLimit(quint32 most) { eventBatchLimit = most; }

signals:
    void arrayFinishedDeleting(uint status);
    void arrayDeleted(uint arrayIdx);
    // The result of PrepareArrayForRemoval for the array.
    void prepRemoveFinished(int returnCode, uint arrayIdx);
    void rescanFinished();
    void deleteSingleArrayFinished();
    void secureEraseFinished();
    void fullRefreshReady(RaidDataBundle bundle);

public slots:
    // Deletes the arrays in list order, telling of each, then that all are
    // done (always with 1: the next refresh shows what became of them).
    void AsyncDeleteArray(QList<uint> arrayRouteList);
    void AsyncDeleteSingleArray(int arrayRoute);
    void AsyncSecureErase(int arrayRoute);
    // Switches identification off on the array's member disks, then
    // prepares the array for removal.
    void AsyncPrepRemove(int array);
    void AsyncRescan();
    // Builds the window's bundle with the events from `startEventSeq` on, in
    // event language `eventLanguage`, and emits it.
    void DoFullRefresh(uint startEventSeq, int eventLanguage);

private:
    KV_RaidApi *service;
    QMutex lock; // held for the whole of a full refresh
    quint32 eventBatchLimit = UINT32_MAX;
};

// Runs one operation on a new worker on a thread of its own:
//  1. a new thread and a new worker without parent, moved to the thread;
//  2. when the thread starts, `start(worker)` runs there (bind the
//     operation's arguments into it now);
//  3. the worker's `completion` signal reaches `handler` on `context`'s
//     thread, then quits the thread and deletes the worker; the thread
//     deletes itself when it has finished.
// `wire(worker)`, when given, runs on the caller's thread before the thread
// starts, for connections to the worker's other signals (progress).
// Returns the started thread.
template <typename Start, typename Completion, typename Handler,
          typename Wire = void (*)(ApiWorker *)>
QThread *KV_RunOnWorkerThread(Start start, Completion completion, const QObject *context,
                              Handler handler, Wire wire = nullptr)
{
    auto *thread = new QThread;
    auto *worker = new ApiWorker;
    worker->moveToThread(thread);
    if constexpr (std::is_pointer_v<Wire>) {
        if (wire)
            wire(worker);
    } else {
        wire(worker);
    }
    QObject::connect(thread, &QThread::started, worker, [worker, start] { start(worker); });
    QObject::connect(worker, completion, context, handler);
    QObject::connect(worker, completion, thread, &QThread::quit);
    QObject::connect(worker, completion, worker, &QObject::deleteLater);
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start(QThread::InheritPriority);
    return thread;
}
