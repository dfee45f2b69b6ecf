#include "metrics_report.h"

#include "json_report.h"
#include "kv_api.h"
#include "kv_core.h"
#include "kv_raid_api.h"
#include "kv_stats.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

// Writes one metric family after another: HELP and TYPE once, then its
// samples. Families must not be interleaved, which the format forbids.
class Exposition {
public:
    void family(const char *name, const char *type, const char *help)
    {
        name_ = name;
        text_ += QByteArray("# HELP ") + name + ' ' + help + '\n';
        text_ += QByteArray("# TYPE ") + name + ' ' + type + '\n';
    }
    // `labels`: name and value pairs.
    void sample(std::initializer_list<std::pair<const char *, QString>> labels, double value)
    {
        text_ += name_;
        if (labels.size() != 0) {
            text_ += '{';
            bool first = true;
            for (const auto &[label, labelValue] : labels) {
                if (!first)
                    text_ += ',';
                first = false;
                text_ += QByteArray(label) + "=\"" + KV_MetricLabelValue(labelValue) + '"';
            }
            text_ += '}';
        }
        text_ += ' ' + QByteArray::number(value, 'g', 15) + '\n';
    }
    const QByteArray &text() const { return text_; }

private:
    QByteArray name_;
    QByteArray text_;
};

// The array states the driver reports; one series each, 1 for the current.
const char *const ArrayStates[] = {"NORMAL",  "READY",  "CRITICAL",      "OFFLINE",
                                   "OUTDATE", "LOCKED", "CACHE_OFFLINE", "UNKNOWN"};

QString field(const char *text)
{
    return QString::fromLocal8Bit(text).trimmed();
}

QString location(const KV_DiskRec &disk)
{
    return QStringLiteral("%1 %2").arg(disk.controller).arg(disk.channel);
}

bool memberOk(const KV_MemberRec &member)
{
    return KV_FieldIs(member.error, "NoError");
}

// Degraded: the array lost redundancy or is gone (any state but NORMAL,
// READY and LOCKED), or one of its members failed.
bool degraded(const KV_ArrayConfig &config)
{
    bool healthy = KV_FieldIs(config.state, "NORMAL") || KV_FieldIs(config.state, "READY") ||
                   KV_FieldIs(config.state, "LOCKED");
    for (int m = 0; m < KV_MemberCount(config); ++m)
        healthy = healthy && memberOk(config.members[m]);
    return !healthy;
}

// The counters since the driver started, from its statistics report, by
// the report's labels.
struct IoCounter {
    const char *label;
    const char *layer;
};
const IoCounter RequestCounters[] = {{"BusIocTotalRequests:", "bus"},
                                     {"CoreIocTotalRequests:", "core"}};
const IoCounter ReadCounters[] = {{"BusIocTotalSectorsRead:", "bus"},
                                  {"CoreTotalSectorsRead:", "core"}};
const IoCounter WriteCounters[] = {{"BusIocTotalSectorsWrite:", "bus"},
                                   {"CoreTotalSectorsWrite:", "core"}};

// The value after `label` at the start of a line of `report`; -1 when absent.
double reportValue(const QByteArray &report, const char *label)
{
    for (const QByteArray &line : report.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith(label)) {
            bool ok = false;
            const double value = trimmed.mid(qsizetype(std::strlen(label)))
                                     .trimmed()
                                     .split(' ')
                                     .value(0)
                                     .toDouble(&ok);
            return ok ? value : -1;
        }
    }
    return -1;
}

QByteArray statisticsReport()
{
    KV_CoreId cores[8] = {};
    uint32_t count = 0;
    if (KV_ApiEnumerateCores(cores, sizeof cores, &count) != KV_STS_SUCCESS || count == 0)
        return {};
    std::vector<char> text(64 * 1024, '\0');
    // Flag 0: the counters since start. The interval counters (flag 1) would
    // start a new interval under the window's status bar.
    if (KV_BufferPrintApiGetStats(&cores[0], text.data(), uint32_t(text.size()), 4, 0) !=
        KV_STS_SUCCESS)
        return {};
    return QByteArray(text.data());
}

template <size_t N>
void ioFamily(Exposition &out, const QByteArray &report, const char *name, const char *help,
              const IoCounter (&counters)[N])
{
    out.family(name, "counter", help);
    for (const IoCounter &counter : counters)
        if (const double value = reportValue(report, counter.label); value >= 0)
            out.sample({{"layer", QString::fromLatin1(counter.layer)}}, value);
}

} // namespace

QByteArray KV_MetricLabelValue(const QString &value)
{
    QByteArray out;
    for (const char c : value.toUtf8()) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '"')
            out += "\\\"";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

KV_Metrics KV_CollectMetrics(KV_RaidApi &api)
{
    KV_Metrics metrics;
    Exposition out;
    const RaidDataBundle bundle = api.BuildBundle(0, 0);
    metrics.driverAnswered = !bundle.refreshFailed;
    out.family("velmora_driver_up", "gauge",
               "1 when the RAID driver answered and its configuration was read, else 0.");
    out.sample({}, metrics.driverAnswered ? 1 : 0);
    if (!metrics.driverAnswered) {
        metrics.text = out.text();
        return metrics;
    }

    api.PinSnapshot(bundle.snapshot);
    std::vector<const KV_ArrayConfig *> arrays;
    for (int i = 0; i < api.GetArrayCount(); ++i)
        arrays.push_back(&api.GetArray(i)->config[0]);
    std::vector<const KV_DiskRec *> disks;
    for (const KV_DiskRec *disk : bundle.disks)
        if (!KV_FieldIs(disk->type, "Core"))
            disks.push_back(disk);
    const auto id = [](const auto *record) { return QString::number(record->deviceRoute); };

    out.family("velmora_array_info", "gauge", "An array's name and level; always 1.");
    for (const KV_ArrayConfig *a : arrays)
        out.sample({{"array", id(a)}, {"name", field(a->deviceName)}, {"level", field(a->type)}},
                   1);
    out.family("velmora_array_state", "gauge",
               "1 for the array's current state, 0 for the others.");
    for (const KV_ArrayConfig *a : arrays) {
        bool known = false;
        for (const char *state : ArrayStates) {
            const bool current = KV_FieldIs(a->state, state);
            known = known || current;
            out.sample({{"array", id(a)}, {"state", QString::fromLatin1(state)}}, current ? 1 : 0);
        }
        if (!known)
            out.sample({{"array", id(a)}, {"state", field(a->state)}}, 1);
    }
    out.family("velmora_array_degraded", "gauge",
               "1 when the array is not NORMAL, READY or LOCKED, or a member has failed.");
    for (const KV_ArrayConfig *a : arrays)
        out.sample({{"array", id(a)}, {"name", field(a->deviceName)}}, degraded(*a) ? 1 : 0);
    out.family("velmora_array_size_bytes", "gauge", "The array's capacity in bytes.");
    for (const KV_ArrayConfig *a : arrays)
        out.sample({{"array", id(a)}}, double(a->capacity) * 512);
    out.family("velmora_array_member_up", "gauge",
               "1 for a member extent without error, 0 for a failed or missing one.");
    for (const KV_ArrayConfig *a : arrays)
        for (int m = 0; m < KV_MemberCount(*a); ++m) {
            const KV_MemberRec &member = a->members[m];
            QString disk, where;
            for (const KV_DiskRec *d : disks)
                if (d->id == member.id) {
                    disk = id(d);
                    where = location(*d);
                }
            out.sample({{"array", id(a)},
                        {"member", QString::number(m)},
                        {"disk", disk},
                        {"location", where}},
                       memberOk(member) ? 1 : 0);
        }
    out.family("velmora_array_task_progress_ratio", "gauge",
               "Progress of the array's running task (0 to 1); absent without a task.");
    for (const KV_ArrayConfig *a : arrays)
        if (a->transformType[0] != '\0' && !KV_FieldIs(a->transformType, "NONE") &&
            !KV_FieldIs(a->transformType, "NOT_ACTIVE"))
            out.sample({{"array", id(a)},
                        {"task", field(a->transformType)},
                        {"task_state", field(a->transformState)}},
                       std::clamp(std::round(double(a->percentComplete) * 100) / 10000, 0.0, 1.0));
    out.family("velmora_array_dedicated_spares", "gauge", "Dedicated spare disks of the array.");
    for (const KV_ArrayConfig *a : arrays) {
        int spares = 0;
        for (int l = 0; l < a->linkCount && l < KV_SnapshotMaxReferences; ++l)
            spares += a->links[l].kind == KV_ReferenceSpare ? 1 : 0;
        out.sample({{"array", id(a)}}, spares);
    }
    out.family("velmora_global_spares", "gauge", "Global spare disks.");
    int globalSpares = 0;
    for (const KV_DiskRec *d : disks)
        globalSpares += d->globalSpare == 1 ? 1 : 0;
    out.sample({}, globalSpares);

    out.family("velmora_disk_info", "gauge", "A disk's identity; always 1.");
    for (const KV_DiskRec *d : disks)
        out.sample({{"disk", id(d)},
                    {"location", location(*d)},
                    {"model", field(d->model)},
                    {"serial", field(d->serialNumber)},
                    {"firmware", field(d->firmware)}},
                   1);
    out.family("velmora_disk_online", "gauge", "1 when the disk's state is Online.");
    for (const KV_DiskRec *d : disks)
        out.sample({{"disk", id(d)}, {"location", location(*d)}, {"state", field(d->state)}},
                   KV_FieldIs(d->state, "Online") ? 1 : 0);
    out.family("velmora_disk_size_bytes", "gauge", "The disk's capacity in bytes.");
    for (const KV_DiskRec *d : disks)
        out.sample({{"disk", id(d)}, {"location", location(*d)}}, double(d->capacity) * 512);
    out.family("velmora_disk_smart_healthy", "gauge",
               "0 when the driver reports S.M.A.R.T. errors for the disk, else 1.");
    for (const KV_DiskRec *d : disks)
        out.sample({{"disk", id(d)}, {"location", location(*d)}},
                   KV_RaidApi::StateIsSmartError(d->state) ? 0 : 1);
    // The values come from the disk itself: absent where it gives none.
    std::vector<KV_SmartInfo> smart;
    for (const KV_DiskRec *d : disks)
        smart.push_back(api.GetSmartInfo(d->deviceRoute));
    out.family("velmora_disk_temperature_celsius", "gauge", "The disk's temperature.");
    for (size_t i = 0; i < disks.size(); ++i)
        if (const QJsonValue value = KV_LeadingNumber(smart[i].temperature); value.isDouble())
            out.sample({{"disk", id(disks[i])}, {"location", location(*disks[i])}},
                       value.toDouble());
    out.family("velmora_disk_power_on_hours", "gauge", "The disk's power-on hours.");
    for (size_t i = 0; i < disks.size(); ++i)
        if (const QJsonValue value = KV_LeadingNumber(smart[i].powerOnHours); value.isDouble())
            out.sample({{"disk", id(disks[i])}, {"location", location(*disks[i])}},
                       value.toDouble());
    api.UnpinSnapshot();

    const QByteArray report = statisticsReport();
    if (!report.isEmpty()) {
        ioFamily(out, report, "velmora_io_requests_total", "I/O requests since the driver started.",
                 RequestCounters);
        ioFamily(out, report, "velmora_io_read_sectors_total",
                 "512-byte sectors read since the driver started.", ReadCounters);
        ioFamily(out, report, "velmora_io_written_sectors_total",
                 "512-byte sectors written since the driver started.", WriteCounters);
    }
    metrics.text = out.text();
    return metrics;
}

bool KV_WriteMetricsTextfile(const QString &directory, const QByteArray &text, QString *error)
{
    const QFileInfo info(directory);
    if (!info.isDir()) {
        *error = QStringLiteral("%1 is not a directory").arg(directory);
        return false;
    }
    QSaveFile file(QDir(directory).absoluteFilePath(QStringLiteral("velmora.prom")));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        *error = QStringLiteral("%1/velmora.prom could not be written: %2")
                     .arg(directory, file.errorString());
        return false;
    }
    return true;
}
