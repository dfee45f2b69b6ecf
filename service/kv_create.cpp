// The create and transform rules, and the checks the two dialogs ask of a
// record before they offer a command.
#include "kv_create.h"

#include "kv_api.h"
#include "kv_raid_api.h"

#include <QtGlobal>

#include <algorithm>
#include <climits>
#include <cstdio>

namespace {

// Create refuses when this many arrays exist already.
constexpr int MaxArraysForCreate = 12;
// A transform names its array by a number in this range.
constexpr int FirstArrayNumber = 1, LastArrayNumber = 24;
// Sizes are checked against this many decimal MB; a check-only call asks
// with a little more, since only the largest size matters to it.
constexpr int SmallestSizeMB = 100;
constexpr int CheckOnlySizeMB = 101;
constexpr int MostMembers = 8;

using namespace KV_RecordBits;

// Texts as the dialogs show them; marked for the translator, who renders
// them where they are shown.
const char *const CreateTexts[] = {
    QT_TRANSLATE_NOOP("KV_Create", "create would exceed maximum number of arrays allowed\n"),
    QT_TRANSLATE_NOOP("KV_Create", "create size must be at least 100MB\n"),
    QT_TRANSLATE_NOOP("KV_Create", "--no-sync and --zero options can't both be specified\n"),
    QT_TRANSLATE_NOOP("KV_Create", "--leave-existing-data and --zero options can not be "
                                   "specified at the same time\n"),
    QT_TRANSLATE_NOOP("KV_Create", "no disks were selected\n"),
    QT_TRANSLATE_NOOP("KV_Create", "--spare-disk option not available for selected RAID type\n"),
    QT_TRANSLATE_NOOP("KV_Create", "--priority option not available for selected RAID type\n"),
    QT_TRANSLATE_NOOP("KV_Create", "--d-spare option not available for selected RAID type\n"),
    QT_TRANSLATE_NOOP("KV_Create", "--sub-member option not available for selected RAID type\n"),
    QT_TRANSLATE_NOOP("KV_Create", "--no-sync option not available for selected RAID type\n"),
    QT_TRANSLATE_NOOP("KV_Create", "VOLUME is limited to 8 drives\n"),
    QT_TRANSLATE_NOOP("KV_Create", "--disk must be one for RAIDAble\n"),
    QT_TRANSLATE_NOOP("KV_Create", "--more than one disk selected, only one disk may be "
                                   "selected for RAIDAble\n"),
    QT_TRANSLATE_NOOP("KV_Create", "RAID0 requires at least 2 to 8 drives\n"),
    QT_TRANSLATE_NOOP("KV_Create", "RAID1 requires 2 drives\n"),
    QT_TRANSLATE_NOOP("KV_Create", "RAID1n requires 3 or more drives\n"),
    QT_TRANSLATE_NOOP("KV_Create", "RAID1n is limited to 8 drives\n"),
    QT_TRANSLATE_NOOP("KV_Create", "--d-spare option requires at least 6 disks for RAID10\n"),
    QT_TRANSLATE_NOOP("KV_Create", "RAID10 must have an even number of 4 to 8 disks\n"),
    QT_TRANSLATE_NOOP("KV_Create", "an even number of disks must be supplied for this RAID type\n"),
    QT_TRANSLATE_NOOP("KV_Create", "--d-spare option requires at least 9 disks for RAID10n\n"),
    QT_TRANSLATE_NOOP("KV_Create", "RAID10n requires a minimum of 6 disks\n"),
    QT_TRANSLATE_NOOP("KV_Create", "number of disks not evenly divisible by sub count\n"),
    QT_TRANSLATE_NOOP("KV_Create", "sub-member must be 2 or greater for RAID10n\n"),
    QT_TRANSLATE_NOOP("KV_Create", "--d-spare option requires at least 4 disks for RAID5\n"),
    QT_TRANSLATE_NOOP("KV_Create", "RAID5 requires at least 3 drives\n"),
    QT_TRANSLATE_NOOP("KV_Create", "RAID5 is limited to 8 drives\n"),
    QT_TRANSLATE_NOOP("KV_Create", "RAID5 allows a maximum of 8 drives\n"),
    QT_TRANSLATE_NOOP("KV_Create", "You cannot select physical drives for RTIER\n"),
    QT_TRANSLATE_NOOP("KV_Create", "You must select 2 VDs for RTIER\n"),
    QT_TRANSLATE_NOOP("KV_Create", "--d-spare option requires at least 5 disks for RAID6\n"),
    QT_TRANSLATE_NOOP("KV_Create", "RAID6 requires at least 4 drives\n"),
    QT_TRANSLATE_NOOP("KV_Create", "RAID6 is limited to 8 drives\n"),
    QT_TRANSLATE_NOOP("KV_Create", "RAID6 allows a maximum of 16 drives\n"),
    QT_TRANSLATE_NOOP("KV_Create", "--d-spare option requires at least 8 disks for RAID50\n"),
    QT_TRANSLATE_NOOP("KV_Create", "must select at least 6 drives for a RAID50\n"),
    QT_TRANSLATE_NOOP("KV_Create", "--sub-member must be 3 or greater for RAID50\n"),
    QT_TRANSLATE_NOOP("KV_Create", "number of disks not evenly divisible by sub count\n"),
    QT_TRANSLATE_NOOP("KV_Create", "--d-spare option requires at least 10 disks for RAID60\n"),
    QT_TRANSLATE_NOOP("KV_Create", "must select at least 8 drives for a RAID60\n"),
    QT_TRANSLATE_NOOP("KV_Create", "--sub-member must be 4 or greater for RAID60\n"),
    QT_TRANSLATE_NOOP("KV_Create", "error, no RAID type specified\n"),
    QT_TRANSLATE_NOOP("KV_Create", "a disk selected not present or valid\n"),
    QT_TRANSLATE_NOOP("KV_Create", "The create failed because one of the drives is displaying "
                                   "SMART errors\n"),
    QT_TRANSLATE_NOOP("KV_Create", "Support for the selected raid level is disabled\n"),
    QT_TRANSLATE_NOOP("KV_Create", "error determining maximum possible size, check arguments\n"),
    QT_TRANSLATE_NOOP("KV_Create", "create size exceeds maximum possible size\n"),
    QT_TRANSLATE_NOOP("KV_Create", "create operation failed\n"),
};

const char *const TransformTexts[] = {
    QT_TRANSLATE_NOOP("KV_Create", "array not found\n"),
    QT_TRANSLATE_NOOP("KV_Create", "size must be at least 100MB\n"),
    QT_TRANSLATE_NOOP("KV_Create", "no disks were selected\n"),
    QT_TRANSLATE_NOOP("KV_Create", "an even number of disks must be supplied for this RAID type\n"),
    QT_TRANSLATE_NOOP("KV_Create", "--spare-disk option not available for selected RAID type\n"),
    QT_TRANSLATE_NOOP("KV_Create", "--priority option not available for selected RAID type\n"),
    QT_TRANSLATE_NOOP("KV_Create", "--d-spare option not available for selected RAID type\n"),
    QT_TRANSLATE_NOOP("KV_Create", "--sub-member option not available for selected RAID type\n"),
    QT_TRANSLATE_NOOP("KV_Create", "--no-sync option not available for selected RAID type\n"),
    QT_TRANSLATE_NOOP("KV_Create", "VOLUME is limited to 8 drives\n"),
    QT_TRANSLATE_NOOP("KV_Create", "--disk must be one for RAIDAble\n"),
    QT_TRANSLATE_NOOP("KV_Create", "--more than one disk selected, only one disk may be "
                                   "selected for RAIDAble\n"),
    QT_TRANSLATE_NOOP("KV_Create", "RAID0 requires at least 2 to 8 drives\n"),
    QT_TRANSLATE_NOOP("KV_Create", "RAID1 requires 2 drives\n"),
    QT_TRANSLATE_NOOP("KV_Create", "RAID1n requires 3 or more drives\n"),
    QT_TRANSLATE_NOOP("KV_Create", "RAID1n is limited to 8 drives\n"),
    QT_TRANSLATE_NOOP("KV_Create", "RAID10 must have an even number of 4 to 8 disks\n"),
    QT_TRANSLATE_NOOP("KV_Create", "--d-spare option requires at least 6 disks for RAID10\n"),
    QT_TRANSLATE_NOOP("KV_Create", "RAID10n requires a minimum of 6 disks\n"),
    QT_TRANSLATE_NOOP("KV_Create", "--d-spare option requires at least 9 disks for RAID10n\n"),
    QT_TRANSLATE_NOOP("KV_Create", "sub-member must be 2 or greater for RAID10n\n"),
    QT_TRANSLATE_NOOP("KV_Create", "RAID5 requires at least 3 drives\n"),
    QT_TRANSLATE_NOOP("KV_Create", "RAID5 is limited to 8 drives\n"),
    QT_TRANSLATE_NOOP("KV_Create", "RAID5 allows a maximum of 8 drives\n"),
    QT_TRANSLATE_NOOP("KV_Create", "RAID6 requires at least 4 drives\n"),
    QT_TRANSLATE_NOOP("KV_Create", "RAID6 is limited to 8 drives\n"),
    QT_TRANSLATE_NOOP("KV_Create", "RAID6 allows a maximum of 16 drives\n"),
    QT_TRANSLATE_NOOP("KV_Create", "error, no RAID type specified\n"),
    QT_TRANSLATE_NOOP("KV_Create", "a disk selected not present or valid\n"),
    QT_TRANSLATE_NOOP("KV_Create", "The transform failed because one of the drives is "
                                   "displaying SMART errors\n"),
    QT_TRANSLATE_NOOP("KV_Create", "Support for the selected raid level is disabled\n"),
    QT_TRANSLATE_NOOP("KV_Create", "error determining maximum possible size, check arguments\n"),
    QT_TRANSLATE_NOOP("KV_Create", "transform size exceeds maximum possible size\n"),
    QT_TRANSLATE_NOOP("KV_Create", "transform size required not possible with selected drives\n"),
    QT_TRANSLATE_NOOP("KV_Create", "transform operation failed\n"),
};

template <size_t N> QStringList listOf(const char *const (&texts)[N])
{
    QStringList list;
    list.reserve(qsizetype(N));
    for (const char *text : texts)
        list.append(QString::fromLatin1(text));
    return list;
}

QString messageAt(const QStringList &list, int code)
{
    const int index = code + 100;
    return index >= 0 && index < list.size() ? list.at(index) : QString();
}

// The member count a rule sees: the record's, kept within its table so that
// a count that was never filled in cannot reach past it.
int memberCountOf(const KV_Create &params)
{
    return std::clamp(params.memberCount, 0, KV_CreateMaxMembers);
}

// The size a command asks for, in MiB; a rule code when it is too small.
struct WantedSize {
    quint64 mebibytes = 0;
    int rule = 0;
};
WantedSize wantedSize(const KV_Create &params, bool checkOnly)
{
    if (checkOnly)
        return {KV_MegabytesToMebibytes(CheckOnlySizeMB), 0};
    if (params.capacityMB < SmallestSizeMB)
        return {0, -99};
    return {KV_MegabytesToMebibytes(params.capacityMB), 0};
}

int toResult(quint64 megabytes)
{
    return int(std::min<quint64>(megabytes, INT_MAX));
}

// The create rules that depend on the type, in their order; 0 when all
// hold. `acceptsSkipInit` tells whether skipInit becomes a request flag.
int createTypeRule(const QString &type, int n, bool skipInit, bool *acceptsSkipInit)
{
    *acceptsSkipInit = false;
    if (type == QLatin1String("RTIER"))
        return n > 0 ? -72 : -71;
    static const char *const known[] = {"VOLUME", "RAIDABLE", "RAID0",   "RAID1",
                                        "RAID1N", "RAID10",   "RAID10N", "RAID5",
                                        "RAID6",  "RAID50",   "RAID60"};
    if (std::none_of(std::begin(known), std::end(known),
                     [&](const char *word) { return type == QLatin1String(word); }))
        return -59;
    if (n == 0)
        return -96;
    if (type == QLatin1String("VOLUME"))
        return skipInit ? -91 : n > MostMembers ? -90 : 0;
    if (type == QLatin1String("RAIDABLE"))
        return n > 1 ? -89 : skipInit ? -91 : 0;
    if (type == QLatin1String("RAID0"))
        return skipInit ? -91 : (n < 2 || n > MostMembers) ? -87 : 0;
    if (type == QLatin1String("RAID10N"))
        return n < 6 ? -79 : -78; // no RAID10N array can be created
    if (type == QLatin1String("RAID50"))
        return n < 6 ? -65 : -64;
    if (type == QLatin1String("RAID60"))
        return n < 8 ? -61 : -92;
    int rule = 0;
    if (type == QLatin1String("RAID1"))
        rule = n != 2 ? -86 : 0;
    else if (type == QLatin1String("RAID1N"))
        rule = n < 3 ? -85 : n > MostMembers ? -84 : 0;
    else if (type == QLatin1String("RAID10"))
        rule = (n < 4 || n % 2 != 0 || n > MostMembers) ? -82 : 0;
    else if (type == QLatin1String("RAID5"))
        rule = n < 3 ? -75 : n > MostMembers ? -74 : 0;
    else // RAID6
        rule = n < 4 ? -69 : n > MostMembers ? -68 : 0;
    *acceptsSkipInit = true;
    return rule;
}

// The transform rules that depend on the type of the new layout, in their
// order; 0 when all hold, and 1 for a type that cannot be reached at all
// (the command then answers a plain failure).
int transformTypeRule(const QString &type, int n)
{
    static const char *const known[] = {"VOLUME", "RAIDABLE", "RAID0",   "RAID1",
                                        "RAID1N", "RAID10",   "RAID10N", "RAID5",
                                        "RAID6",  "RAID50",   "RAID60"};
    if (std::none_of(std::begin(known), std::end(known),
                     [&](const char *word) { return type == QLatin1String(word); }))
        return -73;
    if (n == 0)
        return -98;
    if (type == QLatin1String("VOLUME"))
        return n > MostMembers ? -91 : 0;
    if (type == QLatin1String("RAIDABLE"))
        return n > 1 ? -90 : 0;
    if (type == QLatin1String("RAID0"))
        return (n < 2 || n > MostMembers) ? -88 : 0;
    if (type == QLatin1String("RAID1"))
        return n != 2 ? -87 : 0;
    if (type == QLatin1String("RAID1N"))
        return n < 3 ? -86 : n > MostMembers ? -85 : 0;
    if (type == QLatin1String("RAID10"))
        return (n < 4 || n % 2 != 0 || n > MostMembers) ? -84 : 0;
    if (type == QLatin1String("RAID10N"))
        return n < 6 ? -82 : -80;
    if (type == QLatin1String("RAID5"))
        return n < 3 ? -79 : n > MostMembers ? -78 : 0;
    if (type == QLatin1String("RAID6"))
        return n < 4 ? -76 : n > MostMembers ? -75 : 0;
    return 1; // RAID50, RAID60
}

} // namespace

// --- Free functions ------------------------------------------------------

std::optional<KV_LevelShape> KV_ShapeOf(const QString &type, int n)
{
    if (n <= 0)
        return std::nullopt;
    struct Row {
        const char *word;
        quint32 level;
        bool striped; // n sets of one member; otherwise one set of n
    };
    static const Row rows[] = {
        {"VOLUME", KV_LevelVolume, true},        {"RAIDABLE", KV_LevelRaidable, false},
        {"RAID0", KV_LevelMirrorStripe, true},   {"RAID1", KV_LevelMirrorStripe, false},
        {"RAID1N", KV_LevelMirrorStripe, false}, {"RAID5", KV_LevelParity, false},
        {"RAID6", KV_LevelDoubleParity, false},
    };
    if (type == QLatin1String("RAID10"))
        return KV_LevelShape{KV_LevelMirrorStripe, n / 2, 2};
    for (const Row &row : rows)
        if (type == QLatin1String(row.word))
            return row.striped ? KV_LevelShape{row.level, n, 1} : KV_LevelShape{row.level, 1, n};
    return std::nullopt;
}

quint32 KV_CreateOptionFlags(const KV_Create &params, bool acceptsSkipInit)
{
    quint32 flags = 0;
    if (params.leaveData)
        flags |= KV_OptionLeaveData;
    if (params.zeroCreate)
        flags |= KV_OptionZeroCreate;
    if (params.backgroundScan)
        flags |= KV_OptionBackgroundScan;
    if (params.skipInit && acceptsSkipInit)
        flags |= KV_OptionSkipInit;
    return flags;
}

quint64 KV_MegabytesToMebibytes(qint64 megabytes)
{
    if (megabytes <= 0)
        return 0;
    return (quint64(megabytes) * 1000000 + 524288) / 1048576;
}

quint64 KV_MebibytesToMegabytes(quint64 mebibytes)
{
    // Sizes beyond any disk are held rather than wrapped.
    if (mebibytes > UINT64_MAX / 1048576)
        return UINT64_MAX / 1000000;
    return (mebibytes * 1048576 + 500000) / 1000000;
}

int KV_CreateInfoRule(quint32 status)
{
    switch (status) {
    case KV_STS_SUCCESS:
        return 0;
    case KV_STS_DEVICE_SMART_ERROR:
        return -57;
    case KV_STS_UNSUPPORT_FEATURE_SET:
        return -56;
    default:
        return -55;
    }
}

int KV_TransformInfoRule(quint32 status)
{
    switch (status) {
    case KV_STS_SUCCESS:
        return 0;
    case KV_STS_DEVICE_SMART_ERROR:
        return -71;
    default:
        return -69;
    }
}

const QStringList &KV_CreateMessages()
{
    static const QStringList list = listOf(CreateTexts);
    return list;
}

const QStringList &KV_TransformMessages()
{
    static const QStringList list = listOf(TransformTexts);
    return list;
}

QString KV_CreateMessage(int code)
{
    return messageAt(KV_CreateMessages(), code);
}

QString KV_TransformMessage(int code)
{
    return messageAt(KV_TransformMessages(), code);
}

bool IsTwoLevelType(const QString &type)
{
    return type == QLatin1String("RAID10") || type == QLatin1String("RAID50") ||
           type == QLatin1String("RAID60") || type == QLatin1String("RAID10N");
}

QString MemberLevelType(const QString &type)
{
    if (type == QLatin1String("RAID50"))
        return QStringLiteral("RAID5");
    if (type == QLatin1String("RAID60"))
        return QStringLiteral("RAID6");
    return QStringLiteral("RAID1");
}

bool IsRedundantType(const QString &type)
{
    static const char *const redundant[] = {"RAID1", "RAID1N", "RAID10", "RAID10N",
                                            "RAID5", "RAID50", "RAID6",  "RAID60"};
    return std::any_of(std::begin(redundant), std::end(redundant),
                       [&](const char *word) { return type == QLatin1String(word); });
}

// --- KV_RaidApi: the commands --------------------------------------------

bool KV_RaidApi::memberRoutes(const KV_Create &params, int count,
                              std::unique_ptr<KV_DevicePath[]> &routes)
{
    const Pin pin(*this);
    routes.reset(new KV_DevicePath[size_t(std::max(count, 1))]());
    for (int i = 0; i < count; ++i) {
        const int index = FindUsableDiskIndex(params.memberIds[i]);
        if (index < 0)
            return false;
        std::snprintf(routes[i], sizeof routes[i], "%s", view_->tables.disks[index].path);
    }
    return true;
}

int KV_RaidApi::CreateArray(const KV_Create &params, bool checkOnly)
{
    lastCoreStatus_ = KV_STS_UNKNOWN;
    if (Refresh() != 1)
        return -55; // the rules cannot be checked against the driver
    const Pin pin(*this);
    if (GetArrayCount() >= MaxArraysForCreate)
        return -100;
    const WantedSize wanted = wantedSize(params, checkOnly);
    if (wanted.rule != 0)
        return wanted.rule;
    const quint32 cacheFlags = CacheModeFromText(params.cacheMode);
    if (params.skipInit && params.zeroCreate)
        return -98;
    if (params.leaveData && params.zeroCreate)
        return -97;

    const int n = memberCountOf(params);
    bool acceptsSkipInit = false;
    if (const int rule = createTypeRule(params.type, n, params.skipInit, &acceptsSkipInit);
        rule != 0)
        return rule;
    const quint32 optionFlags = KV_CreateOptionFlags(params, acceptsSkipInit);
    // Every type that passed its rules has a shape.
    const KV_LevelShape shape = KV_ShapeOf(params.type, n).value();

    std::unique_ptr<KV_DevicePath[]> routes;
    if (!memberRoutes(params, n, routes))
        return -58;
    const KV_CoreId *target = core();
    if (!target)
        return -55;

    KV_CreateParameters request;
    request.typeCode = shape.level;
    request.memberCount = uint32_t(n);
    request.firstCount = uint32_t(shape.sets);
    request.secondCount = uint32_t(shape.width);
    request.cacheTagSize = uint32_t(params.cacheTagSize);
    request.members = routes.get();
    request.capacity = wanted.mebibytes;
    lastCoreStatus_ = KV_ApiGetCreateInfo(target, &request);
    if (const int rule = KV_CreateInfoRule(lastCoreStatus_); rule != 0)
        return rule;
    const quint64 largest = request.capacity; // MiB
    if (checkOnly)
        return toResult(KV_MebibytesToMegabytes(largest));

    const QByteArray name = params.name.toLocal8Bit();
    request.capacity = std::min(largest, wanted.mebibytes);
    request.cacheFlags = cacheFlags;
    request.optionFlags = optionFlags;
    request.name = name.constData();
    request.nameLength = uint32_t(name.size());
    lastCoreStatus_ = KV_ApiCreateLogicalDevice(target, &request, 0, nullptr);
    return lastCoreStatus_ == KV_STS_SUCCESS ? 1 : 0;
}

int KV_RaidApi::TransformArray(const KV_Create &params, int arrayId, bool checkOnly)
{
    lastCoreStatus_ = KV_STS_UNKNOWN;
    if (Refresh() != 1)
        return -100; // the array cannot be found without the driver
    const Pin pin(*this);
    const KV_ArrayConfig *array = arrayId >= FirstArrayNumber && arrayId <= LastArrayNumber
                                      ? FindArrayConfig(arrayId, true)
                                      : nullptr;
    if (!array)
        return -100;
    const WantedSize wanted = wantedSize(params, checkOnly);
    if (wanted.rule != 0)
        return wanted.rule;

    const int n = memberCountOf(params);
    const int rule = transformTypeRule(params.type, n);
    if (rule == 1)
        return 0;
    if (rule != 0)
        return rule;
    const KV_LevelShape shape = KV_ShapeOf(params.type, n).value();

    std::unique_ptr<KV_DevicePath[]> routes;
    if (!memberRoutes(params, n, routes))
        return -72;
    const KV_CoreId *target = core();
    if (!target)
        return -69;

    KV_TransformParameters request;
    request.arrayPath = array->path;
    request.typeCode = shape.level;
    request.memberCount = uint32_t(n);
    request.firstCount = uint32_t(shape.sets);
    request.secondCount = uint32_t(shape.width);
    request.members = routes.get();
    request.capacity = wanted.mebibytes;
    KV_TransformInfo info;
    lastCoreStatus_ = KV_ApiGetTransformInfo(target, &request, &info);
    if (const int infoRule = KV_TransformInfoRule(lastCoreStatus_); infoRule != 0)
        return infoRule;
    if (checkOnly)
        return toResult(KV_MebibytesToMegabytes(info.largestCapacity));
    if (wanted.mebibytes > info.largestCapacity)
        return 0;
    lastCoreStatus_ = KV_ApiTransformLogicalDevice(target, &request);
    return lastCoreStatus_ == KV_STS_SUCCESS ? 1 : 0;
}

// --- KV_RaidApi: the checks of a record ----------------------------------

bool KV_NameHasControlCharacters(const QString &name)
{
    return std::any_of(name.begin(), name.end(), [](QChar c) {
        return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
               c == QChar::ParagraphSeparator;
    });
}

bool KV_RaidApi::ValidArrayName(const QString &name)
{
    static const QString forbidden = QStringLiteral("()^,.=|\"-[]");
    if (std::any_of(name.begin(), name.end(), [](QChar c) { return forbidden.contains(c); }) ||
        KV_NameHasControlCharacters(name))
        return false;
    if (name == QLatin1String("NONE"))
        return true;
    const Pin pin(*this);
    // Names reach the core in the local 8-bit encoding; compare them so.
    const QByteArray bytes = name.toLocal8Bit();
    for (int i = 0; i < view_->tables.arrayCount; ++i)
        if (bytes == view_->tables.arrays[i].config[0].deviceName)
            return false;
    return true;
}

bool KV_RaidApi::TrimSupportedFor(const KV_Create &params)
{
    quint32 needed = 0;
    if (params.type == QLatin1String("VOLUME") || params.type == QLatin1String("RAIDABLE") ||
        params.type == QLatin1String("LEGACY") || params.type == QLatin1String("RAID0"))
        needed = PortSimpleTrim;
    else if (params.type == QLatin1String("RAID1") || params.type == QLatin1String("RAID10"))
        needed = PortAdvancedTrim;
    else
        return false;
    const Pin pin(*this);
    for (int i = 0; i < memberCountOf(params); ++i) {
        const int index = FindUsableDiskIndex(params.memberIds[i]);
        if (index < 0 || !(view_->tables.disks[index].portType & needed))
            return false;
    }
    return true;
}

bool KV_RaidApi::MixedDriveKinds(const KV_Create &params)
{
    const Pin pin(*this);
    bool seen[3] = {};
    for (int i = 0; i < memberCountOf(params); ++i)
        if (const KV_DiskRec *disk = findDisk(params.memberIds[i]))
            seen[int(driveKind(*disk))] = true;
    return std::count(std::begin(seen), std::end(seen), true) >= 2;
}

bool KV_RaidApi::IsRedundantType(int arrayId)
{
    const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
    return config && ::IsRedundantType(QString::fromLatin1(config->type));
}
