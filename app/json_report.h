// The configuration as JSON, for scripts: the one schema `velmora-cli
// --json` prints and the support bundle carries. Its shape is documented in
// the README ("Reading the configuration as JSON"); fields are added, never
// renamed or removed, and "schema" counts incompatible changes.
//
// Sizes are in bytes (512-byte sectors), numbers that are not known are
// null, texts are the driver's own words.
#pragma once

#include "raid_data_bundle.h"

#include <QJsonArray>
#include <QJsonObject>

class KV_RaidApi;

inline constexpr int KV_JsonSchemaVersion = 1;

// Every array of the bundle's snapshot, in snapshot order. `api` is pinned
// to the bundle's snapshot for the call.
QJsonArray KV_ArraysJson(KV_RaidApi &api, const RaidDataBundle &bundle);

// Every disk (the core's own record is none), in snapshot order. With
// `smart` each carries its S.M.A.R.T. summary, read from the driver (one
// request per disk); otherwise "smart" is null.
QJsonArray KV_DisksJson(KV_RaidApi &api, const RaidDataBundle &bundle, bool smart);

// One disk of the snapshot; empty when there is no disk `diskId`.
QJsonObject KV_DiskJson(KV_RaidApi &api, const RaidDataBundle &bundle, int diskId, bool smart);

QJsonArray KV_EventsJson(const QList<KV_EventRec> &events);

// The severity word of an event: "unknown", "information", "warning",
// "critical" or "log".
QString KV_SeverityName(quint32 severity);

// The whole configuration: schema, console and driver versions, computer,
// arrays, disks with S.M.A.R.T., spares.
QJsonObject KV_StatusJson(KV_RaidApi &api, const RaidDataBundle &bundle,
                          const QString &consoleVersion);

// A leading number of a S.M.A.R.T. value text ("41 C", "12345"), or null.
QJsonValue KV_LeadingNumber(const QString &text);

// {"error": {"kind": kind, "message": message}}: what --json prints instead
// of its answer when it has none.
QJsonObject KV_JsonError(const QString &kind, const QString &message);
