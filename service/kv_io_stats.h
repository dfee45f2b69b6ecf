// One sample of the core's I/O statistics as the status bar shows it.
#pragma once

#include <QMetaType>
#include <QString>

struct KV_IoStats {
    QString hostRate;         // "Host: 12.3 MB/S"
    QString diskRate;         // "Disk: 12.3 MB/S"
    QString hostIops;         // "Host: 42 IO/s"
    QString diskIops;         // "Disk: 42 IO/s"
    QString coreActiveLine;   // the report's "CoreIocActive:" line as it stands
    QString busActiveLine;    // its "BusIocActive:" line
    QString dirtyBuffersLine; // its "DirtyBufferCount:" line
    QString hostTotal;        // "Host: 1.05 GB"
    QString diskTotal;        // "Disk: 1.05 GB"
};

Q_DECLARE_METATYPE(KV_IoStats)

// The statistics report read into a sample. The report's counts are those of
// the `seconds` since the previous report, so they are divided by them to
// give rates per second; when the period is unknown (0 or less) the four
// rates stay empty. Fields whose line is missing stay empty too.
KV_IoStats KV_IoStatsFromReport(const QString &report, double seconds);

// A total in MiB as the status bar writes it: decimal megabytes, gigabytes
// above 1000 and terabytes above 1000 of those, two decimals and the unit.
QString KV_TotalSizeText(quint64 mebibytes);
