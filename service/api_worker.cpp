#include "api_worker.h"

#include <QMutexLocker>

ApiWorker::ApiWorker() : service(new KV_RaidApi(this)) {}

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
    for (const uint route : arrayRouteList) {
        service->DeleteArray(int(route));
        emit arrayDeleted(route);
    }
    emit arrayFinishedDeleting(1);
}

void ApiWorker::AsyncDeleteSingleArray(int arrayRoute)
{
    service->DeleteArray(arrayRoute);
    emit deleteSingleArrayFinished();
}

void ApiWorker::AsyncSecureErase(int arrayRoute)
{
    service->SecureEraseArray(arrayRoute);
    emit secureEraseFinished();
}

void ApiWorker::AsyncPrepRemove(int array)
{
    service->IdentifyArray(array, false, 0);
    emit prepRemoveFinished(service->PrepareArrayForRemoval(array), uint(array));
}

void ApiWorker::AsyncRescan()
{
    service->Rescan();
    emit rescanFinished();
}
