#include "api_worker.h"

#include <QMutexLocker>

// The worker is built on its caller's thread; its operation refreshes the
// snapshot when it begins, on the worker's thread: a full refresh once, in
// its bundle build, the others below before they act.
ApiWorker::ApiWorker() : service(new KV_RaidApi(KV_RaidApi::Unrefreshed{}, this)) {}

// The service is a child and goes with the worker.
ApiWorker::~ApiWorker() = default;

void ApiWorker::DoFullRefresh(uint startEventSeq, int eventLanguage)
{
    QMutexLocker locker(&lock);
    emit fullRefreshReady(
        service->BuildBundle(startEventSeq, quint32(eventLanguage), nullptr, eventBatchLimit));
}

void ApiWorker::AsyncDeleteArray(QList<uint> arrayRouteList)
{
    service->Refresh();
    for (const uint route : arrayRouteList) {
        service->DeleteArray(int(route));
        emit arrayDeleted(route);
    }
    emit arrayFinishedDeleting(1);
}

void ApiWorker::AsyncDeleteSingleArray(int arrayRoute)
{
    service->Refresh();
    service->DeleteArray(arrayRoute);
    emit deleteSingleArrayFinished();
}

void ApiWorker::AsyncSecureErase(int arrayRoute)
{
    service->Refresh();
    service->SecureEraseArray(arrayRoute);
    emit secureEraseFinished();
}

void ApiWorker::AsyncPrepRemove(int array)
{
    service->Refresh();
    service->IdentifyArray(array, false, 0);
    emit prepRemoveFinished(service->PrepareArrayForRemoval(array), uint(array));
}

void ApiWorker::AsyncRescan()
{
    service->Refresh();
    service->Rescan();
    emit rescanFinished();
}
