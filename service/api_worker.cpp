#include "api_worker.h"

#include <QMutexLocker>

ApiWorker::ApiWorker() : service(new KV_RaidApi(this)) {}

// The service is a child and goes with the worker.
ApiWorker::~ApiWorker() = default;

void ApiWorker::DoFullRefresh(uint startEventSeq, int eventLanguage)
{
    QMutexLocker locker(&lock);
    emit fullRefreshReady(service->BuildBundle(startEventSeq, quint32(eventLanguage)));
}
