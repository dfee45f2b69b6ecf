#include "smart_report.h"

#include "kv_app_log.h"
#include "kv_raid_api.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

const QString ApplicationName = QStringLiteral("Velmora");

} // namespace

int printSmartReport(int diskId, const char *programPath)
{
    KV_RaidApi service;
    if (service.Refresh() != 1) {
        std::printf("Velmora: the driver is not answering: its configuration could not be read\n");
        return 1;
    }
    if (service.FindDiskIndex(diskId) < 0) {
        std::printf("Velmora: there is no disk %d\n", diskId);
        return 1;
    }
    const KV_SmartInfo values = service.GetSmartInfo(diskId);
    std::printf("disk %d: power-on hours \"%s\", temperature \"%s\", power cycles \"%s\"\n", diskId,
                qPrintable(values.powerOnHours), qPrintable(values.temperature),
                qPrintable(values.powerCycles));

    const QString logPath = KV_PrepareLogFile(
        QFileInfo(QString::fromLocal8Bit(programPath)).absolutePath(), ApplicationName);
    const QString smartLogPath = KV_PrepareSmartLog(logPath, ApplicationName);
    const qint64 before = QFileInfo(smartLogPath).size();
    const KV_SmartInfo report = service.RetrieveAllSmartInfo(diskId, logPath, smartLogPath);

    QFile smartLog(smartLogPath);
    if (QFileInfo(smartLogPath).size() == before || !smartLog.open(QIODevice::ReadOnly)) {
        // No report was written: the status says why.
        std::printf("Velmora: no S.M.A.R.T. report for disk %d: %s\n", diskId,
                    qPrintable(report.status.trimmed()));
        return 1;
    }
    const QByteArray text = smartLog.readAll();
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    std::printf("written to %s and %s\n", qPrintable(QDir::toNativeSeparators(smartLogPath)),
                qPrintable(QDir::toNativeSeparators(logPath)));
    return 0;
}
