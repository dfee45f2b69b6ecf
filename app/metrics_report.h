// The fleet metrics: the RAID stack's state in the Prometheus text
// exposition format (version 0.0.4), for the node exporter's textfile
// collector. The metric names and labels are documented in the README
// ("Watching a fleet with Prometheus"); they are kept stable.
#pragma once

#include <QByteArray>
#include <QString>

class KV_RaidApi;

struct KV_Metrics {
    QByteArray text;
    // False when the driver did not answer: the text then holds only
    // velmora_driver_up 0, so that an alert sees the machine.
    bool driverAnswered = false;
};

// Reads the configuration, every disk's S.M.A.R.T. values (one request per
// disk) and the driver's I/O counters since it started.
KV_Metrics KV_CollectMetrics(KV_RaidApi &api);

// Writes `text` to DIR/velmora.prom atomically (a new file renamed over the
// old), so that the collector never reads half a file. False, with the
// reason in `error` and nothing changed, when DIR is not a writable
// directory or the file cannot be written.
bool KV_WriteMetricsTextfile(const QString &directory, const QByteArray &text, QString *error);

// A label value as the format wants it: backslash, double quote and line
// feed escaped.
QByteArray KV_MetricLabelValue(const QString &value);
