#include "kv_health.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <cstring>

// The context of the health texts in the catalogues.
class KV_Health {
    Q_DECLARE_TR_FUNCTIONS(KV_Health)
};

namespace {

QString field(const char *text)
{
    return QString::fromLatin1(text);
}

bool isSmartError(const char *state)
{
    return KV_FieldIs(state, "SMART_Error") || KV_FieldIs(state, "SMART_error");
}

// "Fail", "Fail (NP)", "Fail_Offline", "Fail(NP)_Offline".
bool memberFailed(const KV_MemberRec &member)
{
    return std::strncmp(member.error, "Fail", 4) == 0;
}

bool redundantType(const char *type)
{
    for (const char *word :
         {"RAID1", "RAID1N", "RAID10", "RAID10N", "RAID5", "RAID50", "RAID6", "RAID60"})
        if (KV_FieldIs(type, word))
            return true;
    return false;
}

// Tiers and caches list arrays as their members, not disks.
bool membersAreArrays(const char *type)
{
    return KV_FieldIs(type, "RAIDTIER") || KV_FieldIs(type, "VORLANE") ||
           KV_FieldIs(type, "RAIDCACHE");
}

class Facts {
public:
    explicit Facts(const RaidDataBundle &bundle) : bundle_(bundle)
    {
        for (const KV_DiskRec *disk : bundle.disks)
            if (disk && !KV_FieldIs(disk->type, "Core"))
                disks_.insert(disk->deviceRoute, disk);
    }

    const KV_DiskRec *disk(int route) const { return disks_.value(route); }
    const QMap<int, const KV_DiskRec *> &disks() const { return disks_; }

    // The whole record of an array (both halves), from the bundle's tables.
    const KV_ArrayRec *record(int route) const
    {
        if (!bundle_.snapshot)
            return nullptr;
        const KV_SnapshotTables &t = bundle_.snapshot->tables;
        for (int i = 0; i < std::clamp(t.arrayCount, 0, KV_SnapshotMaxArrays); ++i)
            if (t.arrays[i].config[0].deviceRoute == route)
                return &t.arrays[i];
        return nullptr;
    }

    QString diskName(int route) const
    {
        const KV_DiskRec *d = disk(route);
        return d ? KV_HealthDiskName(*d) : QString::number(route);
    }

private:
    const RaidDataBundle &bundle_;
    QMap<int, const KV_DiskRec *> disks_;
};

} // namespace

QString KV_HealthDiskName(const KV_DiskRec &disk)
{
    return QStringLiteral("%1 %2").arg(disk.controller).arg(disk.channel);
}

QString KV_HealthArrayName(const KV_ArrayConfig &array)
{
    const QString name = field(array.deviceName).trimmed();
    const QString number = QString::number(array.deviceRoute);
    return name.isEmpty() || name == u"NONE" ? KV_Health::tr("Array %1").arg(number)
                                             : KV_Health::tr("Array %1 %2").arg(number, name);
}

namespace {

// "34 %, about 12 minutes left", "34 %, paused" or "34 %".
QString progressText(const KV_ArrayConfig &array, const QMap<int, qint64> &secondsLeft)
{
    const double progress = std::isfinite(array.percentComplete) ? array.percentComplete : 0.0;
    const QString percent = KV_Health::tr("%1 %").arg(int(std::clamp(progress, 0.0, 100.0)));
    if (KV_FieldIs(array.transformState, "PAUSED"))
        return KV_Health::tr("%1, paused").arg(percent);
    const auto left = secondsLeft.constFind(array.deviceRoute);
    if (left == secondsLeft.constEnd())
        return percent;
    return KV_Health::tr("%1, %2").arg(percent, KV_TimeLeftText(*left));
}

// The disk a rebuild writes to: a member of the new layout that the old one
// does not have.
int rebuildTarget(const KV_ArrayRec *record)
{
    if (!record || record->halves != 2)
        return -1;
    const KV_ArrayConfig &target = record->config[0];
    const KV_ArrayConfig &source = record->config[1];
    for (int m = 0; m < KV_MemberCount(target); ++m) {
        bool inSource = false;
        for (int s = 0; s < KV_MemberCount(source); ++s)
            inSource |= source.members[s].deviceRoute == target.members[m].deviceRoute;
        if (!inSource)
            return target.members[m].deviceRoute;
    }
    return -1;
}

// True when the array names dedicated spares and none of them can still
// take a failed member's place.
bool lostLastSpare(const KV_ArrayConfig &array, const Facts &facts)
{
    if (!redundantType(array.type))
        return false;
    int named = 0;
    for (int i = 0; i < std::clamp(array.linkCount, 0, KV_SnapshotMaxReferences); ++i) {
        const KV_ReferenceRec &link = array.links[i];
        if (link.kind != KV_ReferenceSpare)
            continue;
        ++named;
        const KV_DiskRec *spare = facts.disk(link.deviceRoute);
        bool member = false;
        for (int m = 0; m < KV_MemberCount(array); ++m)
            member |= array.members[m].deviceRoute == link.deviceRoute;
        if (spare && spare->id == link.id && KV_FieldIs(spare->state, "Online") && !member)
            return false;
    }
    return named > 0;
}

// The one finding about an array, its worst; none for a healthy array
// without a task.
std::optional<KV_HealthFinding> assessArray(const KV_ArrayConfig &array, const Facts &facts,
                                            const QMap<int, qint64> &secondsLeft)
{
    using L = KV_HealthLevel;
    const QString name = KV_HealthArrayName(array);
    const int id = array.deviceRoute;
    const KV_ArrayRec *record = facts.record(id);
    const QString task = field(array.transformType);
    const bool rebuilding = task == u"RESTORE";
    const int target = rebuilding ? rebuildTarget(record) : -1;

    // Members on failed disks and members on disks with S.M.A.R.T. errors,
    // over both layouts (a rebuild's old one still carries the data).
    int failedDisk = -1;
    int smartDisk = -1;
    if (!membersAreArrays(array.type)) {
        const int halves = record ? std::clamp(record->halves, 1, 2) : 1;
        for (int h = 0; h < halves; ++h) {
            const KV_ArrayConfig &config = record ? record->config[h] : array;
            for (int m = 0; m < KV_MemberCount(config); ++m) {
                const KV_MemberRec &member = config.members[m];
                const KV_DiskRec *disk = facts.disk(member.deviceRoute);
                if (memberFailed(member) || (disk && KV_FieldIs(disk->state, "Offline"))) {
                    if (failedDisk < 0)
                        failedDisk = member.deviceRoute;
                } else if (disk && isSmartError(disk->state) && member.deviceRoute != target &&
                           smartDisk < 0) {
                    smartDisk = member.deviceRoute;
                }
            }
        }
    }

    const QString state = field(array.state);
    if (state == u"OFFLINE" || state == u"CACHE_OFFLINE")
        return KV_HealthFinding{L::Failing, id, -1, KV_Health::tr("%1 is offline").arg(name)};
    if (rebuilding && smartDisk >= 0)
        return KV_HealthFinding{
            L::Failing, id, smartDisk,
            KV_Health::tr(
                "%1 is rebuilding while disk %2 reports S.M.A.R.T. errors: one more failure "
                "would lose it")
                .arg(name, facts.diskName(smartDisk))};
    if (rebuilding) {
        const QString progress = progressText(array, secondsLeft);
        QString detail =
            target >= 0
                ? KV_Health::tr("rebuilding onto disk %1, %2").arg(facts.diskName(target), progress)
                : KV_Health::tr("rebuilding, %1").arg(progress);
        return KV_HealthFinding{L::Degraded, id, target,
                                state == u"CRITICAL"
                                    ? KV_Health::tr("%1 is critical: %2").arg(name, detail)
                                    : KV_Health::tr("%1 is %2").arg(name, detail)};
    }
    if (state == u"CRITICAL")
        return KV_HealthFinding{L::Degraded, id, failedDisk,
                                failedDisk >= 0
                                    ? KV_Health::tr("%1 is critical: disk %2 has failed")
                                          .arg(name, facts.diskName(failedDisk))
                                    : KV_Health::tr("%1 is critical").arg(name)};
    if (task == u"TRANSFORM")
        return KV_HealthFinding{L::Degraded, id, -1,
                                KV_Health::tr("%1 is being transformed: %2")
                                    .arg(name, progressText(array, secondsLeft))};
    if (task == u"CREATE" || task == u"ZERO")
        return KV_HealthFinding{
            L::Degraded, id, -1,
            KV_Health::tr("%1 is being created: %2").arg(name, progressText(array, secondsLeft))};
    if (task == u"SECURE_ERASE")
        return KV_HealthFinding{L::Degraded, id, -1,
                                KV_Health::tr("%1 is being securely erased: %2")
                                    .arg(name, progressText(array, secondsLeft))};
    if (state != u"NORMAL")
        return KV_HealthFinding{L::Degraded, id, -1, KV_Health::tr("%1 is %2").arg(name, state)};
    if (failedDisk >= 0)
        return KV_HealthFinding{L::Degraded, id, failedDisk,
                                KV_Health::tr("%1 has a failed member on disk %2")
                                    .arg(name, facts.diskName(failedDisk))};
    if (lostLastSpare(array, facts))
        return KV_HealthFinding{L::Degraded, id, -1,
                                KV_Health::tr("%1 has lost its last spare").arg(name)};
    if (KV_TaskUnderWay(array)) {
        const QString what = task == u"CHECK" ? KV_Health::tr("consistency check") : task;
        return KV_HealthFinding{
            L::Healthy, id, -1,
            KV_Health::tr("%1: %2, %3").arg(name, what, progressText(array, secondsLeft))};
    }
    return std::nullopt;
}

} // namespace

QString KV_TimeLeftText(qint64 seconds)
{
    if (seconds < 60)
        return KV_Health::tr("less than a minute left");
    const qint64 minutes = (seconds + 30) / 60;
    if (minutes == 1)
        return KV_Health::tr("about a minute left");
    if (minutes >= 120)
        return KV_Health::tr("about %n hours left", nullptr, int((minutes + 30) / 60));
    return KV_Health::tr("about %n minutes left", nullptr, int(minutes));
}

bool KV_TaskUnderWay(const KV_ArrayConfig &array)
{
    return array.transformType[0] != '\0' && !KV_FieldIs(array.transformType, "NOT_ACTIVE") &&
           !KV_FieldIs(array.transformType, "NONE");
}

KV_HealthReport KV_AssessHealth(const RaidDataBundle &bundle, const QMap<int, qint64> &secondsLeft)
{
    using L = KV_HealthLevel;
    KV_HealthReport report;
    const Facts facts(bundle);

    QList<KV_HealthFinding> findings;
    if (bundle.refreshFailed)
        findings.append({L::Failing, 0, -1, KV_Health::tr("The RAID driver is not answering")});
    int arrayCount = 0;
    for (const KV_ArrayConfig *array : bundle.arrays) {
        if (!array)
            continue;
        ++arrayCount;
        if (auto finding = assessArray(*array, facts, secondsLeft))
            findings.append(*finding);
        // A failed member marks its disk even where the disk still answers.
        if (const KV_ArrayRec *record = facts.record(array->deviceRoute)) {
            for (int h = 0; h < std::clamp(record->halves, 1, 2); ++h)
                for (int m = 0; m < KV_MemberCount(record->config[h]); ++m)
                    if (memberFailed(record->config[h].members[m]) &&
                        facts.disk(record->config[h].members[m].deviceRoute))
                        report.diskFailed.insert(record->config[h].members[m].deviceRoute, true);
        }
    }
    for (const KV_DiskRec *disk : facts.disks()) {
        if (KV_FieldIs(disk->state, "Offline"))
            report.diskFailed.insert(disk->deviceRoute, true);
        if (isSmartError(disk->state)) {
            report.diskSmartError.insert(disk->deviceRoute, true);
            findings.append({L::Failing, 0, disk->deviceRoute,
                             KV_Health::tr("Disk %1 reports S.M.A.R.T. errors")
                                 .arg(facts.diskName(disk->deviceRoute))});
        }
    }

    std::stable_sort(findings.begin(), findings.end(),
                     [](const KV_HealthFinding &a, const KV_HealthFinding &b) {
                         return int(a.level) > int(b.level);
                     });
    report.findings = findings;
    const qsizetype problems =
        std::count_if(findings.begin(), findings.end(),
                      [](const KV_HealthFinding &f) { return f.level != L::Healthy; });
    if (problems > 0) {
        const KV_HealthFinding &worst = findings.front();
        report.level = worst.level;
        report.arrayId = worst.arrayId;
        report.line =
            problems > 1
                ? KV_Health::tr("%1 (and %n more)", nullptr, int(problems - 1)).arg(worst.text)
                : worst.text;
        return report;
    }
    report.line = arrayCount == 0 ? KV_Health::tr("No arrays are configured")
                  : arrayCount == 1
                      ? KV_Health::tr("The array is healthy")
                      : KV_Health::tr("All %n arrays are healthy", nullptr, arrayCount);
    if (!findings.isEmpty()) {
        report.line = KV_Health::tr("%1; %2").arg(report.line, findings.front().text);
        report.arrayId = findings.front().arrayId;
    }
    return report;
}

// The estimator.

void KV_TimeLeftEstimator::addSample(int arrayId, const QString &task, bool paused, double percent,
                                     qint64 atMs)
{
    if (!std::isfinite(percent))
        return;
    Series &series = series_[arrayId];
    if (series.task != task) {
        series.task = task;
        series.samples.clear();
    }
    // A pause, a task that started again or a clock that went back: what
    // was seen before says nothing about the rate from now on.
    if (paused || (!series.samples.isEmpty() && (percent < series.samples.back().percent - 1e-6 ||
                                                 atMs < series.samples.back().atMs)))
        series.samples.clear();
    if (paused)
        return;
    if (!series.samples.isEmpty() && atMs == series.samples.back().atMs)
        series.samples.back().percent = percent;
    else
        series.samples.append({atMs, percent});
    while (series.samples.size() > 2 && series.samples.front().atMs < atMs - WindowMs)
        series.samples.removeFirst();
}

void KV_TimeLeftEstimator::observe(const RaidDataBundle &bundle)
{
    if (bundle.refreshFailed)
        return;
    const qint64 at = bundle.snapshot && bundle.snapshot->readAtMs != 0
                          ? bundle.snapshot->readAtMs
                          : QDateTime::currentMSecsSinceEpoch();
    QSet<int> running;
    for (const KV_ArrayConfig *array : bundle.arrays) {
        if (!array || !KV_TaskUnderWay(*array))
            continue;
        running.insert(array->deviceRoute);
        addSample(array->deviceRoute, field(array->transformType),
                  KV_FieldIs(array->transformState, "PAUSED"), double(array->percentComplete), at);
    }
    for (auto it = series_.begin(); it != series_.end();)
        it = running.contains(it.key()) ? std::next(it) : series_.erase(it);
}

std::optional<qint64> KV_TimeLeftEstimator::secondsLeft(int arrayId) const
{
    const auto found = series_.constFind(arrayId);
    if (found == series_.constEnd())
        return std::nullopt;
    const QList<Sample> &samples = found->samples;
    if (samples.size() < 2 || samples.back().atMs - samples.front().atMs < MinimumSpanMs)
        return std::nullopt;
    // Stalled: no progress over the last minute.
    const Sample &last = samples.back();
    for (auto it = samples.rbegin(); it != samples.rend(); ++it) {
        if (last.atMs - it->atMs >= MinimumSpanMs) {
            if (last.percent - it->percent <= 1e-6)
                return std::nullopt;
            break;
        }
    }
    // Least squares, times relative to the first sample (in seconds).
    const double t0 = double(samples.front().atMs);
    double st = 0, sp = 0, stt = 0, stp = 0;
    for (const Sample &s : samples) {
        const double t = (double(s.atMs) - t0) / 1000.0;
        st += t;
        sp += s.percent;
        stt += t * t;
        stp += t * s.percent;
    }
    const double n = double(samples.size());
    const double denominator = n * stt - st * st;
    if (denominator <= 0)
        return std::nullopt;
    const double perSecond = (n * stp - st * sp) / denominator;
    if (perSecond <= 1e-9)
        return std::nullopt;
    const double left = std::max(0.0, 100.0 - last.percent) / perSecond;
    if (!std::isfinite(left) || left > 1e9)
        return std::nullopt;
    return qint64(std::llround(left));
}

QMap<int, qint64> KV_TimeLeftEstimator::estimates() const
{
    QMap<int, qint64> result;
    for (auto it = series_.constBegin(); it != series_.constEnd(); ++it)
        if (const auto left = secondsLeft(it.key()))
            result.insert(it.key(), *left);
    return result;
}
