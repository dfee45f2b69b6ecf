#include "json_report.h"

#include "kv_raid_api.h"

#include <QRegularExpression>

#include <cmath>
#include <cstring>

namespace {

constexpr double SectorBytes = 512;

QString text(const char *field)
{
    return QString::fromLocal8Bit(field).trimmed();
}

QString location(const KV_DiskRec &disk)
{
    return QStringLiteral("%1 %2").arg(disk.controller).arg(disk.channel);
}

bool taskActive(const KV_ArrayConfig &config)
{
    return config.transformType[0] != '\0' && !KV_FieldIs(config.transformType, "NONE") &&
           !KV_FieldIs(config.transformType, "NOT_ACTIVE");
}

// A member names a disk or, in a two-level array, an array, by unique ID.
QJsonObject memberJson(KV_RaidApi &api, const KV_MemberRec &member)
{
    QJsonObject out;
    QJsonValue disk, array;
    for (int i = 0; i < api.GetDiskCount(); ++i) {
        const KV_DiskRec *record = api.GetDisk(i);
        if (record->id == member.id && !KV_FieldIs(record->type, "Core")) {
            disk = record->deviceRoute;
            out.insert(QStringLiteral("location"), location(*record));
        }
    }
    if (disk.isNull())
        if (const int id = api.FindArrayIdByUid(member.id); id >= 0)
            array = id;
    out.insert(QStringLiteral("disk"), disk);
    if (!array.isNull())
        out.insert(QStringLiteral("array"), array);
    out.insert(QStringLiteral("state"), text(member.error));
    out.insert(QStringLiteral("ok"), KV_FieldIs(member.error, "NoError"));
    out.insert(QStringLiteral("size_bytes"), double(member.size) * SectorBytes);
    return out;
}

QJsonArray membersJson(KV_RaidApi &api, const KV_ArrayConfig &config)
{
    QJsonArray members;
    for (int m = 0; m < KV_MemberCount(config); ++m)
        members.append(memberJson(api, config.members[m]));
    return members;
}

} // namespace

QString KV_SeverityName(quint32 severity)
{
    static const char *const names[] = {"unknown", "information", "warning", "critical", "log"};
    return QString::fromLatin1(severity < 5 ? names[severity] : names[0]);
}

QJsonValue KV_LeadingNumber(const QString &value)
{
    static const QRegularExpression number(QStringLiteral("^\\s*(-?\\d+(?:\\.\\d+)?)"));
    const QRegularExpressionMatch match = number.match(value);
    if (!match.hasMatch())
        return QJsonValue::Null;
    return match.captured(1).toDouble();
}

QJsonObject KV_JsonError(const QString &kind, const QString &message)
{
    return {{QStringLiteral("error"),
             QJsonObject{{QStringLiteral("kind"), kind}, {QStringLiteral("message"), message}}}};
}

QJsonArray KV_ArraysJson(KV_RaidApi &api, const RaidDataBundle &bundle)
{
    api.PinSnapshot(bundle.snapshot);
    QJsonArray arrays;
    for (int i = 0; i < api.GetArrayCount(); ++i) {
        const KV_ArrayRec &record = *api.GetArray(i);
        const KV_ArrayConfig &config = record.config[0];
        const int id = config.deviceRoute;
        QJsonObject array;
        array.insert(QStringLiteral("id"), id);
        array.insert(QStringLiteral("name"), text(config.deviceName));
        array.insert(QStringLiteral("level"), text(config.type));
        array.insert(QStringLiteral("state"), text(config.state));
        array.insert(QStringLiteral("capacity_bytes"), double(config.capacity) * SectorBytes);
        array.insert(QStringLiteral("cache"), text(config.cache));
        array.insert(QStringLiteral("hidden"),
                     (config.attributes & KV_RecordBits::AttributeHidden) != 0);
        array.insert(QStringLiteral("in_use"), config.referenceCount != 0);
        const QString letters = bundle.arrayDriveLetters.value(id).trimmed();
        array.insert(QStringLiteral("drive_letters"),
                     QJsonArray::fromStringList(letters.split(
                         QRegularExpression(QStringLiteral("[,\\s]+")), Qt::SkipEmptyParts)));
        array.insert(QStringLiteral("system"),
                     bundle.systemFactsUnknown
                         ? QJsonValue()
                         : QJsonValue(bundle.arrayHoldsSystem.value(id, false)));
        array.insert(QStringLiteral("members"), membersJson(api, config));
        QJsonArray spares;
        for (int l = 0; l < config.linkCount && l < KV_SnapshotMaxReferences; ++l)
            if (config.links[l].kind == KV_ReferenceSpare)
                spares.append(config.links[l].deviceRoute);
        array.insert(QStringLiteral("dedicated_spares"), spares);
        if (taskActive(config)) {
            // How long the task still takes is not known here: null.
            array.insert(QStringLiteral("task"),
                         QJsonObject{{QStringLiteral("type"), text(config.transformType)},
                                     {QStringLiteral("state"), text(config.transformState)},
                                     {QStringLiteral("progress_percent"),
                                      std::round(double(config.percentComplete) * 100) / 100},
                                     {QStringLiteral("priority"), config.taskPriority},
                                     {QStringLiteral("time_left_seconds"), QJsonValue()}});
        } else {
            array.insert(QStringLiteral("task"), QJsonValue());
        }
        // While a task keeps two layouts, the one it leaves.
        if (record.halves == 2)
            array.insert(
                QStringLiteral("previous_layout"),
                QJsonObject{{QStringLiteral("level"), text(record.config[1].type)},
                            {QStringLiteral("capacity_bytes"),
                             double(record.config[1].capacity) * SectorBytes},
                            {QStringLiteral("members"), membersJson(api, record.config[1])}});
        arrays.append(array);
    }
    api.UnpinSnapshot();
    return arrays;
}

QJsonObject KV_DiskJson(KV_RaidApi &api, const RaidDataBundle &bundle, int diskId, bool smart)
{
    for (qsizetype i = 0; i < bundle.disks.size(); ++i) {
        const KV_DiskRec &disk = *bundle.disks[i];
        if (disk.deviceRoute != diskId || KV_FieldIs(disk.type, "Core"))
            continue;
        QJsonObject out;
        out.insert(QStringLiteral("id"), disk.deviceRoute);
        out.insert(QStringLiteral("location"), location(disk));
        out.insert(QStringLiteral("controller"), disk.controller);
        out.insert(QStringLiteral("channel"), disk.channel);
        out.insert(QStringLiteral("kind"), text(disk.type));
        out.insert(QStringLiteral("vendor"), text(disk.vendor));
        out.insert(QStringLiteral("model"), text(disk.model));
        out.insert(QStringLiteral("serial"), bundle.diskSerial.value(i).trimmed());
        out.insert(QStringLiteral("firmware"), text(disk.firmware));
        out.insert(QStringLiteral("capacity_bytes"), double(disk.capacity) * SectorBytes);
        out.insert(QStringLiteral("free_bytes"), double(disk.totalFree) * SectorBytes);
        out.insert(QStringLiteral("state"), text(disk.state));
        out.insert(QStringLiteral("global_spare"), disk.globalSpare == 1);
        out.insert(QStringLiteral("array_count"), bundle.diskArrayCount.value(i));
        out.insert(QStringLiteral("hot_swap"), bundle.diskHotSwap.value(i));
        QJsonValue summary;
        if (smart) {
            const KV_SmartInfo info = api.GetSmartInfo(disk.deviceRoute);
            // The status stays "Failed" whenever the data was read; any other
            // text says why there is none.
            const bool read = info.status == QLatin1String(KV_SmartFailedText) &&
                              !(info.powerOnHours.isEmpty() && info.temperature.isEmpty());
            summary = QJsonObject{
                {QStringLiteral("available"), read},
                {QStringLiteral("healthy"), !KV_RaidApi::StateIsSmartError(disk.state)},
                {QStringLiteral("temperature_celsius"), KV_LeadingNumber(info.temperature)},
                {QStringLiteral("power_on_hours"), KV_LeadingNumber(info.powerOnHours)},
                {QStringLiteral("power_cycles"), KV_LeadingNumber(info.powerCycles)},
                {QStringLiteral("status"), read ? QString() : info.status.trimmed()}};
        }
        out.insert(QStringLiteral("smart"), summary);
        return out;
    }
    return {};
}

QJsonArray KV_DisksJson(KV_RaidApi &api, const RaidDataBundle &bundle, bool smart)
{
    QJsonArray disks;
    for (const KV_DiskRec *disk : bundle.disks)
        if (!KV_FieldIs(disk->type, "Core"))
            disks.append(KV_DiskJson(api, bundle, disk->deviceRoute, smart));
    return disks;
}

QJsonArray KV_EventsJson(const QList<KV_EventRec> &events)
{
    QJsonArray out;
    for (const KV_EventRec &event : events)
        out.append(QJsonObject{{QStringLiteral("sequence"), double(event.sequence)},
                               {QStringLiteral("code"), double(event.code)},
                               {QStringLiteral("severity"), KV_SeverityName(event.severity)},
                               {QStringLiteral("text"), event.text.trimmed()}});
    return out;
}

QJsonObject KV_StatusJson(KV_RaidApi &api, const RaidDataBundle &bundle,
                          const QString &consoleVersion)
{
    const QStringList versions = KV_RaidApi::GetDriverVersions();
    const char *const files[] = {"kvraid.sys", "kvcfg.sys", "kvbottom.sys"};
    QJsonObject drivers;
    for (qsizetype i = 0; i < versions.size() && i < 3; ++i)
        drivers.insert(QString::fromLatin1(files[i]), versions[i]);
    QJsonArray globalSpares;
    for (const KV_DiskRec *disk : bundle.disks)
        if (disk->globalSpare == 1 && !KV_FieldIs(disk->type, "Core"))
            globalSpares.append(disk->deviceRoute);
    return QJsonObject{{QStringLiteral("schema"), KV_JsonSchemaVersion},
                       {QStringLiteral("console_version"), consoleVersion},
                       {QStringLiteral("driver_versions"), drivers},
                       {QStringLiteral("computer"), bundle.computerName},
                       {QStringLiteral("system_facts_known"), !bundle.systemFactsUnknown},
                       {QStringLiteral("arrays"), KV_ArraysJson(api, bundle)},
                       {QStringLiteral("disks"), KV_DisksJson(api, bundle, true)},
                       {QStringLiteral("global_spares"), globalSpares}};
}
