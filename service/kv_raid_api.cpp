#include "kv_raid_api.h"

#include "kv_app_log.h"
#include "kv_channel.h"
#include "kv_core.h"
#include "kv_dump.h"
#include "kv_messages.h"
#include "kv_platform.h"
#include "kv_stats.h"

#include <QMutex>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace KV_RecordBits;

// The most arrays the host reports behind one drive letter.
constexpr size_t MaxArraysPerVolume = 24;

bool isCore(const KV_DiskRec &disk)
{
    return KV_FieldIs(disk.type, "Core");
}

// The filled configurations of an array: one, or two while it has two.
int halves(const KV_ArrayRec &array)
{
    return array.halves == 2 ? 2 : 1;
}

// The array identifiers behind a drive letter, as the host reports them;
// `answered` turns false when a host query behind them failed.
std::vector<int32_t> arraysBehind(char letter, bool &answered)
{
    std::vector<int32_t> arrays;
    bool complete = false;
    KV_GetVolumeArrays(std::string(1, letter) + ":", &arrays, &complete);
    answered = answered && complete;
    if (arrays.size() > MaxArraysPerVolume)
        arrays.resize(MaxArraysPerVolume);
    return arrays;
}

} // namespace

void KV_RegisterServiceTypes()
{
    static const bool registered = [] {
        qRegisterMetaType<RaidDataBundle>("RaidDataBundle");
        qRegisterMetaType<KV_IoStats>("KV_IoStats");
        qRegisterMetaType<KV_Create>("KV_Create");
        return true;
    }();
    (void)registered;
}

KV_RaidApi::KV_RaidApi(QObject *parent) : KV_RaidApi(Unrefreshed{}, parent)
{
    Refresh();
}

KV_RaidApi::KV_RaidApi(Unrefreshed, QObject *parent) : QObject(parent)
{
    KV_RegisterServiceTypes();
}

const KV_Snapshot &KV_RaidApi::snapshot()
{
    if (!pinned_)
        view_ = KV_SnapshotStore::latest();
    return *view_;
}

KV_RaidApi::Pin::Pin(KV_RaidApi &api) : api_(api), wasPinned_(api.pinned_)
{
    api.snapshot();
    api.pinned_ = true;
}

KV_RaidApi::Pin::~Pin()
{
    api_.pinned_ = wasPinned_;
}

void KV_RaidApi::PinSnapshot(KV_SnapshotRef snapshot)
{
    if (!snapshot)
        return;
    view_ = std::move(snapshot);
    pinned_ = true;
}

void KV_RaidApi::UnpinSnapshot()
{
    pinned_ = false;
}

int KV_RaidApi::Refresh()
{
    const int result = KV_SnapshotStore::refresh();
    snapshot(); // a query in progress keeps the tables it holds
    return result;
}

int KV_RaidApi::GetControllerCount()
{
    return snapshot().tables.controllerCount;
}

const KV_ControllerRec *KV_RaidApi::GetController(int index)
{
    const KV_SnapshotTables &t = snapshot().tables;
    return index >= 0 && index < t.controllerCount ? &t.controllers[index] : nullptr;
}

int KV_RaidApi::GetDiskCount()
{
    return snapshot().tables.diskCount;
}

const KV_DiskRec *KV_RaidApi::GetDisk(int index)
{
    const KV_SnapshotTables &t = snapshot().tables;
    return index >= 0 && index < t.diskCount ? &t.disks[index] : nullptr;
}

int KV_RaidApi::GetArrayCount()
{
    return snapshot().tables.arrayCount;
}

const KV_ArrayRec *KV_RaidApi::GetArray(int index)
{
    const KV_SnapshotTables &t = snapshot().tables;
    return index >= 0 && index < t.arrayCount ? &t.arrays[index] : nullptr;
}

int KV_RaidApi::FindArrayIndex(int arrayId)
{
    const KV_SnapshotTables &t = snapshot().tables;
    for (int i = 0; i < t.arrayCount; ++i) {
        if (t.arrays[i].config[0].deviceRoute == arrayId)
            return i;
    }
    return -1;
}

const KV_ArrayRec *KV_RaidApi::findArray(int arrayId)
{
    return GetArray(FindArrayIndex(arrayId));
}

const KV_ArrayConfig *KV_RaidApi::FindArrayConfig(int arrayId, bool current)
{
    const KV_ArrayRec *array = findArray(arrayId);
    if (!array)
        return nullptr;
    if (current)
        return &array->config[0];
    return array->halves == 2 ? &array->config[1] : nullptr;
}

int KV_RaidApi::FindDiskIndex(int diskId)
{
    const KV_SnapshotTables &t = snapshot().tables;
    for (int i = 0; i < t.diskCount; ++i) {
        if (!isCore(t.disks[i]) && t.disks[i].deviceRoute == diskId)
            return i;
    }
    return -1;
}

const KV_DiskRec *KV_RaidApi::findDisk(int diskId)
{
    return GetDisk(FindDiskIndex(diskId));
}

int KV_RaidApi::FindUsableDiskIndex(int diskId)
{
    const Pin pin(*this);
    const int index = FindDiskIndex(diskId);
    if (index < 0)
        return -1;
    const KV_DiskRec &disk = view_->tables.disks[index];
    if (KV_FieldIs(disk.state, "Locked") || KV_FieldIs(disk.state, "SMART_Error") ||
        KV_FieldIs(disk.state, "SMART_error") || !KV_FieldIs(disk.type, "Disk"))
        return -1;
    return index;
}

int KV_RaidApi::FindDiskIdByLocation(int controller, int channel)
{
    const KV_SnapshotTables &t = snapshot().tables;
    for (int i = 0; i < t.diskCount; ++i) {
        const KV_DiskRec &disk = t.disks[i];
        if (!isCore(disk) && disk.controller == controller && disk.channel == channel)
            return disk.deviceRoute;
    }
    return -1;
}

const char *KV_RaidApi::FindDiskRouteByUid(quint64 uid)
{
    const KV_SnapshotTables &t = snapshot().tables;
    for (int i = 0; i < t.diskCount; ++i) {
        if (!isCore(t.disks[i]) && t.disks[i].id == uid)
            return t.disks[i].path;
    }
    return nullptr;
}

int KV_RaidApi::FindArrayIdByUid(quint64 uid)
{
    const KV_SnapshotTables &t = snapshot().tables;
    for (int i = 0; i < t.arrayCount; ++i) {
        if (t.arrays[i].config[0].id == uid)
            return t.arrays[i].config[0].deviceRoute;
    }
    return -1;
}

bool KV_RaidApi::ArrayUsesDisk(int arrayId, int diskId)
{
    const KV_ArrayRec *array = findArray(arrayId);
    if (!array)
        return false;
    for (int h = 0; h < halves(*array); ++h) {
        const KV_ArrayConfig &config = array->config[h];
        for (int m = 0; m < KV_MemberCount(config); ++m) {
            if (config.members[m].deviceRoute == diskId)
                return true;
        }
    }
    return false;
}

int KV_RaidApi::CountArraysOfDisk(int diskId)
{
    const Pin pin(*this);
    int count = 0;
    for (int i = 0; i < view_->tables.arrayCount; ++i)
        count += ArrayUsesDisk(view_->tables.arrays[i].config[0].deviceRoute, diskId) ? 1 : 0;
    return count;
}

bool KV_RaidApi::MemberFailed(int arrayId, int diskId)
{
    const KV_ArrayRec *array = findArray(arrayId);
    if (!array)
        return false;
    for (int h = 0; h < halves(*array); ++h) {
        const KV_ArrayConfig &config = array->config[h];
        for (int m = 0; m < KV_MemberCount(config); ++m) {
            if (config.members[m].deviceRoute == diskId &&
                std::memcmp(config.members[m].error, "Fail", 5) == 0)
                return true;
        }
    }
    return false;
}

quint64 KV_RaidApi::SmallestMemberSizeMB(int arrayIndex)
{
    const Pin pin(*this);
    const KV_ArrayRec *array = GetArray(arrayIndex);
    if (!array)
        return 0;
    quint64 smallest = 0;
    for (int h = 0; h < halves(*array); ++h) {
        const KV_ArrayConfig &config = array->config[h];
        for (int m = 0; m < KV_MemberCount(config); ++m) {
            const KV_MemberRec &member = config.members[m];
            if (std::strncmp(member.error, "Fail", 4) == 0)
                continue;
            const int disk = FindUsableDiskIndex(member.deviceRoute);
            if (disk < 0)
                continue;
            const quint64 capacity = view_->tables.disks[disk].capacity;
            if (smallest == 0 || capacity < smallest)
                smallest = capacity;
        }
    }
    return smallest >> 11;
}

bool KV_RaidApi::DiskHasSimpleTrim(int diskId)
{
    const KV_DiskRec *disk = findDisk(diskId);
    return disk && (disk->portType & PortSimpleTrim);
}

bool KV_RaidApi::DiskHasAdvancedTrim(int diskId)
{
    const KV_DiskRec *disk = findDisk(diskId);
    return disk && (disk->portType & PortAdvancedTrim);
}

bool KV_RaidApi::DiskIsNvme(int diskId)
{
    const KV_DiskRec *disk = findDisk(diskId);
    return disk && (disk->portType & PortNvme);
}

bool KV_RaidApi::DiskIsSolidState(int diskId)
{
    const KV_DiskRec *disk = findDisk(diskId);
    return disk && (disk->portType & (PortNvme | PortSataSolidState));
}

bool KV_RaidApi::DiskHasInformedHotSwap(int diskId)
{
    const KV_DiskRec *disk = findDisk(diskId);
    return disk && !KV_FieldIs(disk->state, "Locked") && (disk->portType & PortInformedHotSwap);
}

bool KV_RaidApi::ArrayIsHidden(int arrayId)
{
    const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
    return config && (config->attributes & AttributeHidden);
}

bool KV_RaidApi::ArrayTaskIs(int arrayId, const char *task)
{
    const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
    return config && task && KV_FieldIs(config->transformType, task);
}

KV_RaidApi::HostView KV_RaidApi::hostView()
{
    HostView host;
    char letters[32] = {};
    KV_ListFixedDrives(sizeof letters, letters);
    for (const char *letter = letters; *letter != '\0'; ++letter) {
        bool answered = true; // a letter that cannot be told shows none
        for (const int32_t arrayId : arraysBehind(*letter, answered)) {
            QString &text = host.driveLetters[arrayId];
            if (!text.isEmpty())
                text += QStringLiteral(", ");
            text += QStringLiteral("%1:").arg(QChar::fromLatin1(*letter));
        }
    }
    const std::string system = kv::platform()->systemDirectory().substr(0, 1024);
    host.systemKnown = !system.empty();
    if (host.systemKnown) {
        for (const int32_t arrayId : arraysBehind(system[0], host.systemKnown))
            host.systemArrays.insert(arrayId);
    }
    return host;
}

bool KV_RaidApi::carriesSystem(int arrayId, const HostView &host)
{
    const Pin pin(*this);
    const std::set<int> &systemArrays = host.systemArrays;
    if (!host.systemKnown || systemArrays.count(arrayId))
        return true;
    const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
    if (!config || !KV_FieldIs(config->type, "RAIDCACHE") || KV_FieldIs(config->cache, "R"))
        return false;
    for (int m = 0; m < KV_MemberCount(*config); ++m) {
        const int member = FindArrayIdByUid(config->members[m].id);
        if (member >= 0 && systemArrays.count(member))
            return true;
    }
    return false;
}

bool KV_RaidApi::sharesSystemDisk(int arrayId, const HostView &host)
{
    const Pin pin(*this);
    const std::set<int> &systemArrays = host.systemArrays;
    const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
    if (!config)
        return false;
    if (!host.systemKnown)
        return true;
    for (int m = 0; m < KV_MemberCount(*config); ++m) {
        const int disk = config->members[m].deviceRoute;
        for (int i = 0; i < view_->tables.arrayCount; ++i) {
            const int other = view_->tables.arrays[i].config[0].deviceRoute;
            if (systemArrays.count(other) && ArrayUsesDisk(other, disk))
                return true;
        }
    }
    return false;
}

bool KV_RaidApi::ArrayCarriesSystem(int arrayId)
{
    return carriesSystem(arrayId, hostView());
}

bool KV_RaidApi::ArrayHoldsSystem(int arrayId)
{
    const HostView host = hostView();
    return !host.systemKnown || host.systemArrays.count(arrayId) > 0;
}

bool KV_RaidApi::ArraySharesSystemDisk(int arrayId)
{
    return sharesSystemDisk(arrayId, hostView());
}

bool KV_RaidApi::SystemFactsKnown()
{
    return hostView().systemKnown;
}

bool KV_RaidApi::ArrayTrimSupported(int arrayId)
{
    const Pin pin(*this);
    const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
    if (!config) {
        std::printf("can't find array %d\n", arrayId);
        return false;
    }
    quint32 needed = 0;
    if (KV_FieldIs(config->type, "VOLUME") || KV_FieldIs(config->type, "RAIDABLE") ||
        KV_FieldIs(config->type, "LEGACY") || KV_FieldIs(config->type, "RAID0"))
        needed = PortSimpleTrim;
    else if (KV_FieldIs(config->type, "RAID1") || KV_FieldIs(config->type, "RAID10"))
        needed = PortAdvancedTrim;
    else
        return false;
    for (int m = 0; m < KV_MemberCount(*config); ++m) {
        const KV_DiskRec *disk = findDisk(config->members[m].deviceRoute);
        if (!disk || !(disk->portType & needed))
            return false;
    }
    return true;
}

QString KV_RaidApi::FormatSectors(quint64 sectors)
{
    if (sectors == 0 || (sectors >> 63) != 0)
        return QStringLiteral("0.0MB");
    const float megabytes = float(double(sectors) * 512.0 / 1000000.0);
    char text[64];
    if (megabytes < 1000)
        std::snprintf(text, sizeof text, "%0.1fMB", double(std::nearbyint(megabytes)));
    else if (megabytes < 1000000)
        std::snprintf(text, sizeof text, "%0.1fGB", double(megabytes / 1000));
    else
        std::snprintf(text, sizeof text, "%0.1fTB", double(megabytes / 1000000));
    return QString::fromLatin1(text);
}

QString KV_RaidApi::PortTypeText(int diskIndex)
{
    const KV_DiskRec *disk = GetDisk(diskIndex);
    if (!disk)
        return QStringLiteral(" ?? ");
    const quint32 f = disk->portType;
    QString speed;
    if (f & 0x4)
        speed = QStringLiteral("6G ");
    else if (f & 0x1)
        speed = QStringLiteral("1.5G ");
    else if (f & 0x2)
        speed = QStringLiteral("3G ");
    QString bus;
    if (f & 0x80000000u) {
        bus = QStringLiteral("NVMe Gen");
        bus += (f & 0x8)          ? QStringLiteral("4")
               : (f & 0x10)       ? QStringLiteral("5")
               : (f & 0x10000000) ? QStringLiteral("2")
                                  : QStringLiteral("3");
        if (f & 0x20)
            bus += QStringLiteral(" x2");
        else if (f & 0x40)
            bus += QStringLiteral(" x4");
        else if (f & 0x80)
            bus += QStringLiteral(" x8");
    } else if (f & 0x10000) {
        bus = QStringLiteral("SAS");
    } else {
        if ((f & 0x200) && !(f & 0x800))
            bus = QStringLiteral("SATA/NCQ");
        else if (f & 0x800)
            bus = QStringLiteral("SATA/SSD");
        else if (f & 0x100)
            bus = QStringLiteral("SATA");
        if (!bus.isEmpty() && (f & 0x1000))
            bus.prepend(QLatin1Char('e'));
    }
    if (f & 0x8000)
        bus = QStringLiteral("%1 4KN").arg(bus);
    return speed + bus;
}

QString KV_RaidApi::SerialNumberText(int diskIndex)
{
    const KV_DiskRec *disk = GetDisk(diskIndex);
    if (!disk)
        return QStringLiteral(" ??");
    const char *begin = disk->serialNumber;
    const char *end = begin + strnlen(begin, sizeof disk->serialNumber);
    while (end > begin && end[-1] == '_')
        --end;
    while (begin < end && *begin == ' ')
        ++begin;
    return QString::fromLatin1(begin, std::min<qsizetype>(end - begin, 96));
}

QString KV_RaidApi::CacheModeText(int diskId)
{
    const KV_DiskRec *disk = findDisk(diskId);
    if (!disk)
        return QStringLiteral("Unknown");
    switch ((disk->features >> 16) & 0x140) {
    case 0x40:
        return QStringLiteral("W");
    case 0x100:
        return QStringLiteral("R");
    case 0x140:
        return QStringLiteral("RW");
    default:
        return QStringLiteral("NC");
    }
}

quint32 KV_RaidApi::CacheModeFromText(const QString &mode)
{
    if (mode == QLatin1String("NC"))
        return 0;
    if (mode == QLatin1String("R"))
        return 0x80000000u;
    if (mode == QLatin1String("W"))
        return 0x40000000u;
    return 0xC0000000u;
}

QString KV_RaidApi::ArrayDiskNumberText(int arrayId, int flags)
{
    if (flags & AttributeHidden)
        return QStringLiteral("Hidden");
    std::string disk;
    if (KV_FindArrayDisk(FindArrayIndex(arrayId), arrayId, &disk) != KV_STS_SUCCESS || disk.empty())
        return QStringLiteral("none");
    return QString::fromStdString(disk);
}

int KV_RaidApi::PartitionArrayOf(int arrayId)
{
    const Pin pin(*this);
    const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
    if (!config || !KV_FieldIs(config->type, "RAIDTIER"))
        return arrayId;
    const int member = tierKey(*config, hostView().driveLetters);
    return member >= 0 ? member : arrayId;
}

QString KV_RaidApi::DriveLettersOfArray(int arrayId)
{
    return hostView().driveLetters.value(arrayId);
}

bool KV_RaidApi::DiskEligibleForInit(int diskIndex, bool disksOnly)
{
    const Pin pin(*this);
    const KV_DiskRec *disk = GetDisk(diskIndex);
    if (!disk || isCore(*disk) || KV_FieldIs(disk->state, "Locked"))
        return false;
    if (disksOnly && !KV_FieldIs(disk->type, "Disk"))
        return false;
    for (int i = 0; i < view_->tables.arrayCount; ++i) {
        const KV_ArrayConfig &first = view_->tables.arrays[i].config[0];
        if (!ArrayUsesDisk(first.deviceRoute, disk->deviceRoute))
            continue;
        // The first array that uses the disk decides.
        if (KV_FieldIs(first.type, "LEGACY"))
            return !ArrayCarriesSystem(first.deviceRoute);
        return MemberFailed(first.deviceRoute, disk->deviceRoute);
    }
    return true;
}

bool KV_RaidApi::AnyEligibleDisk(bool disksOnly)
{
    const Pin pin(*this);
    for (int i = 0; i < view_->tables.diskCount; ++i) {
        if (DiskEligibleForInit(i, disksOnly))
            return true;
    }
    return false;
}

int KV_RaidApi::tierKey(const KV_ArrayConfig &tier, const QMap<int, QString> &driveLetters)
{
    const Pin pin(*this);
    const int members = KV_MemberCount(tier);
    const int first = members > 0 ? FindArrayIdByUid(tier.members[0].id) : -1;
    const int second = members > 1 ? FindArrayIdByUid(tier.members[1].id) : -1;
    for (const int member : {second, first}) {
        if (member >= 0 && !driveLetters.value(member).isEmpty())
            return member;
    }
    return first;
}

QString KV_RaidApi::ComputerName()
{
    static const QString name = [] {
        char buffer[256] = {};
        const std::string host = kv::platform()->computerName();
        std::strncpy(buffer, host.c_str(), sizeof buffer - 1);
        return QString::fromLocal8Bit(buffer);
    }();
    return name;
}

bool KV_RaidApi::ComputerName(char *buffer, int size)
{
    if (!buffer || size <= 0)
        return false;
    const std::string host = kv::platform()->computerName();
    if (host.empty() || host.size() >= size_t(size))
        return false;
    std::memcpy(buffer, host.c_str(), host.size() + 1);
    return true;
}

quint32 KV_RaidApi::ParseEventLine(const QString &line, quint32 nextSequence, KV_EventRec *event)
{
    constexpr quint32 Valid = 53, Malformed = 7;
    constexpr qsizetype MaxText = 4096;
    const QChar *c = line.constData();
    const QChar *end = c + line.size();
    auto digits = [&](auto accept) {
        const QChar *start = c;
        while (c < end && accept(*c))
            ++c;
        return c > start;
    };
    auto isDecimal = [](QChar ch) { return ch >= QLatin1Char('0') && ch <= QLatin1Char('9'); };
    auto isHex = [&](QChar ch) {
        return isDecimal(ch) || (ch >= QLatin1Char('a') && ch <= QLatin1Char('f')) ||
               (ch >= QLatin1Char('A') && ch <= QLatin1Char('F'));
    };
    auto expect = [&](char ch) {
        if (c == end || *c != QLatin1Char(ch))
            return false;
        ++c;
        return true;
    };
    auto skipTo = [&](char ch) {
        while (c < end && *c != QLatin1Char(ch))
            ++c;
        return expect(ch);
    };
    auto skipBlanks = [&] {
        while (c < end && *c == QLatin1Char(' '))
            ++c;
    };

    // "00012: [0a] (01015) CR - Array 2 has gone critical. =END= (2)(0)...(0)"
    // The record number is written signed, so one of 2^31 or more comes
    // with a minus sign; it is not used, and its event is not dropped.
    if (c < end && *c == QLatin1Char('-'))
        ++c;
    if (!digits(isDecimal) || !expect(':') || !skipTo('[') || !digits(isHex) || !expect(']') ||
        !skipTo('('))
        return Malformed;
    const QChar *codeStart = c;
    if (!digits(isDecimal))
        return Malformed;
    const quint32 code = QStringView(codeStart, c).toUInt();
    if (!expect(')'))
        return Malformed;
    skipBlanks();
    if (end - c < 2)
        return Malformed;
    const QString severityText(c, 2);
    c += 2;
    quint32 severity = 0;
    if (severityText == QLatin1String("IN"))
        severity = 1;
    else if (severityText == QLatin1String("WA"))
        severity = 2;
    else if (severityText == QLatin1String("CR"))
        severity = 3;
    else if (severityText == QLatin1String("LG"))
        severity = 4;
    skipBlanks();
    // The core writes " - " between the severity and the text.
    if (c < end && *c == QLatin1Char('-')) {
        ++c;
        skipBlanks();
    }
    const qsizetype textStart = c - line.constData();
    const qsizetype marker = line.indexOf(QLatin1String(" =END= "), textStart);
    if (marker < 0)
        return Malformed;
    const QString text = line.mid(textStart, std::min(marker - textStart, MaxText));
    c = line.constData() + marker + 7;
    for (int i = 0; i < 8; ++i) {
        if (!expect('(') ||
            !digits([&](QChar ch) { return isDecimal(ch) || ch == QLatin1Char('-'); }) ||
            !expect(')'))
            return Malformed;
    }
    if (c < end && *c == QLatin1Char('\n'))
        ++c;
    if (c != end)
        return Malformed;
    if (event) {
        event->sequence = nextSequence - 1;
        event->code = code;
        event->severity = severity;
        event->text = text;
        event->text2.clear();
        event->status = Valid;
    }
    return Valid;
}

KV_EventRec KV_RaidApi::FetchEvent(quint32 sequence, quint32 language)
{
    KV_EventRec event;
    event.text = QStringLiteral("Init Error");
    event.status = KVTL_STS_INVALID_PARAMETER;
    if (language > 35)
        return event;
    const KV_Snapshot &s = snapshot();
    if (s.coreCount == 0) {
        event.status = KV_STS_INVALID_CORE_HANDLE;
        return event;
    }
    constexpr uint32_t LineLength = 8192; // UTF-16 characters
    std::vector<char16_t> line(LineLength, u'\0');
    uint32_t next = sequence;
    event.status = KV_ApiGetUserMessage(&s.cores[0], line.data(), LineLength, &next, 0, language);
    if (event.status != KV_STS_VALID_USER_MESSAGE)
        return event;
    const QString text = QString::fromUtf16(line.data());
    event.status = ParseEventLine(text, next, &event);
    return event;
}

quint32 KV_RaidApi::FetchEvents(quint32 sequence, quint32 language, QList<KV_EventRec> *events,
                                quint32 most)
{
    if (language > 35)
        return sequence;
    const KV_Snapshot &s = snapshot();
    if (s.coreCount == 0)
        return sequence;
    constexpr uint32_t LineLength = 8192; // UTF-16 characters, as FetchEvent's
    std::vector<char16_t> line(LineLength, u'\0');
    uint32_t next = sequence;
    KV_ApiGetUserMessages(&s.cores[0], line.data(), LineLength, &next, language, most, [&] {
        KV_EventRec event;
        event.status = ParseEventLine(QString::fromUtf16(line.data()), next, &event);
        if (event.status != KV_STS_VALID_USER_MESSAGE)
            return false;
        events->append(event);
        // The core's next sequence: when it answered with its oldest kept
        // record because `sequence` was older, counting up by one would
        // fetch that record again.
        sequence = event.sequence + 1;
        return true;
    });
    return sequence;
}

RaidDataBundle KV_RaidApi::BuildBundle(quint32 firstEventSequence, quint32 language,
                                       EventFetcher fetchEvent, quint32 mostEvents)
{
    const bool refreshed = Refresh() == 1;
    const Pin pin(*this); // every lookup below reads the tables the bundle keeps
    RaidDataBundle bundle;
    bundle.snapshot = view_;
    bundle.refreshFailed = !refreshed;
    if (view_->readAtMs != 0)
        bundle.lastGoodRefresh = QDateTime::fromMSecsSinceEpoch(view_->readAtMs);
    const KV_SnapshotTables &t = bundle.snapshot->tables;
    bundle.computerName = ComputerName();

    // Every host lookup of this build (drive letters, system arrays, disk
    // numbers) reads the one scan this holds.
    const KV_HostScan scan;
    const HostView host = hostView();
    bundle.systemFactsUnknown = !host.systemKnown;
    for (int i = 0; i < t.arrayCount; ++i) {
        const KV_ArrayConfig &config = t.arrays[i].config[0];
        bundle.arrays.append(&config);
        const int id = config.deviceRoute;
        const int key =
            KV_FieldIs(config.type, "RAIDTIER") ? tierKey(config, host.driveLetters) : id;
        bundle.arrayHoldsSystem[key] = !host.systemKnown || host.systemArrays.count(id) > 0;
        bundle.arrayDriveLetters[key] = host.driveLetters.value(id);
        bundle.arraySharesSystemDisk[key] = sharesSystemDisk(id, host);
        bundle.arrayDiskNumber[key] = ArrayDiskNumberText(id, int(config.attributes));
        bundle.arrayTrimSupported[key] = ArrayTrimSupported(id);
    }

    for (int i = 0; i < t.diskCount; ++i) {
        const KV_DiskRec &disk = t.disks[i];
        bundle.disks.append(&disk);
        const bool real = !isCore(disk);
        bundle.diskArrayCount.append(real ? CountArraysOfDisk(disk.deviceRoute) : 0);
        bundle.diskSerial.append(real ? SerialNumberText(i) : QString());
        bundle.diskHotSwap.append(real && DiskHasInformedHotSwap(disk.deviceRoute));
    }
    bundle.anyEligibleDisk = AnyEligibleDisk(false);
    bundle.anyEligiblePhysicalDisk = AnyEligibleDisk(true);

    quint32 sequence = firstEventSequence;
    if (!fetchEvent) {
        sequence = FetchEvents(sequence, language, &bundle.events, mostEvents);
    } else {
        while (quint32(bundle.events.size()) < mostEvents) {
            KV_EventRec event = fetchEvent(*this, sequence, language);
            if (event.status != KV_STS_VALID_USER_MESSAGE)
                break;
            bundle.events.append(event);
            // The core's next sequence: when it answered with its oldest kept
            // record because `sequence` was older, counting up by one would
            // fetch that record again.
            sequence = event.sequence + 1;
        }
    }
    bundle.nextEventSeq = sequence;
    bundle.moreEvents = quint32(bundle.events.size()) >= mostEvents;
    return bundle;
}

void KV_RaidApi::RetrieveIoStats()
{
    KV_IoStats stats;
    const KV_Snapshot &s = snapshot();
    std::vector<char> report(8192, '\0');
    if (s.coreCount > 0 &&
        KV_BufferPrintApiGetStats(&s.cores[0], report.data(), uint32_t(report.size()), 9, 1) ==
            KV_STS_SUCCESS) {
        const double seconds =
            statsPeriod_.isValid() ? double(statsPeriod_.nsecsElapsed()) / 1e9 : 0;
        statsPeriod_.start();
        stats = KV_IoStatsFromReport(QString::fromLatin1(report.data()), seconds);
    }
    emit StatsRetrieved(stats);
}

bool KV_RaidApi::SetLogPath(const QString &path)
{
    logPath_ = path;
    KV_SetProcessLogPath(path.toStdString());
    return true;
}

bool KV_RaidApi::DumpConfiguration(const QString &path)
{
    KV_CoreId cores[KV_MaxCores] = {};
    uint32_t count = 0;
    if (KV_ApiEnumerateCores(cores, sizeof cores, &count) != KV_STS_SUCCESS && count == 0)
        return false;
    constexpr uint32_t DumpCapacity = 0x1000000; // a whole core's text, however large
    std::vector<char> buffer(DumpCapacity, '\0');
    QByteArray text;
    for (uint32_t i = 0; i < count && i < uint32_t(KV_MaxCores); ++i) {
        buffer[0] = '\0';
        KV_ApiGetCoreConfigString(&cores[i], buffer.data(), DumpCapacity, 0, 0, 0, 0);
        text += buffer.data();
        text += "********************************** End Core Dump "
                "**********************************\n\n";
    }
    const QByteArray time = KV_LogTimeText().toLocal8Bit() + ' ';
    return KV_AppendLogText(path,
                            time +
                                "\n\n********************************** Developer Information "
                                "**********************************\n"
                                "*******************************    Kavrel configuration Dump   "
                                "*************************\n" +
                                time + text +
                                "\n********************************** Begin RAID AEN Event Log "
                                "**********************************\n");
}
