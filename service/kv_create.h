// The create and transform rules: the record the create and transform
// dialogs fill, the shape and request flags of each array type, the size
// conversions between decimal megabytes and the core's mebibytes, and the
// two lists of rule messages. The commands themselves (CreateArray,
// TransformArray) and the checks that read the snapshot are members of
// KV_RaidApi (kv_raid_api.h).
//
// Rule codes are negative; a dialog shows the message at index code + 100
// of the list of its command.
#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

inline constexpr int KV_CreateMaxMembers = 64;

// Filled by the create and transform dialogs (registered as "KV_Create").
struct KV_Create {
    QString name;
    QString type;                               // a type word: "VOLUME", "RAID0", "RAID10", ...
    qint32 capacityMB = 0;                      // wanted size, decimal MB
    QString cacheMode;                          // "NC", "R", "W" or "RW"
    qint32 cacheTagSize = 0;                    // passed to the core unchanged
    qint32 memberIds[KV_CreateMaxMembers] = {}; // disk identifiers, in the order chosen
    qint32 memberCount = 0;                     // valid entries of memberIds
    QString memberTexts[KV_CreateMaxMembers];   // the dialog's own texts for the members
    bool backgroundScan = false;
    bool zeroCreate = false;
    bool skipInit = false;
    bool leaveData = false;
};
Q_DECLARE_METATYPE(KV_Create)

// Core level codes of the type words.
inline constexpr quint32 KV_LevelParity = 7157;       // RAID5
inline constexpr quint32 KV_LevelMirrorStripe = 7158; // RAID0, RAID1, RAID1N, RAID10
inline constexpr quint32 KV_LevelVolume = 7159;       // concatenation
inline constexpr quint32 KV_LevelDoubleParity = 7162; // RAID6
inline constexpr quint32 KV_LevelRaidable = 7163;     // single-disk pass-through

// Option flags of a create request.
inline constexpr quint32 KV_OptionBackgroundScan = 0x400;
inline constexpr quint32 KV_OptionSkipInit = 0x1000;
inline constexpr quint32 KV_OptionLeaveData = 0x4000;
inline constexpr quint32 KV_OptionZeroCreate = 0x10000;

// How a request lays out `memberCount` members: sets × width of them.
struct KV_LevelShape {
    quint32 level = 0;
    int sets = 0;
    int width = 0;
};
// The shape of a type word that the commands send; none for any other word
// (RAID1N and RAID10N, RAID50, RAID60, RTIER, ...: see the rules).
std::optional<KV_LevelShape> KV_ShapeOf(const QString &type, int memberCount);

// The option flags of a record. skipInit gives its flag only where
// `acceptsSkipInit` (the types whose rules let it through).
quint32 KV_CreateOptionFlags(const KV_Create &params, bool acceptsSkipInit);

// Decimal MB to MiB and back, each rounded to the nearest whole number.
quint64 KV_MegabytesToMebibytes(qint64 megabytes);
quint64 KV_MebibytesToMegabytes(quint64 mebibytes);

// The rule codes of the create and transform commands, by the core's
// answer to the question how large the array may be (status 1 is no rule).
int KV_CreateInfoRule(quint32 status);
int KV_TransformInfoRule(quint32 status);

// The message lists, built once: index = rule code + 100. Every text ends
// in "\n".
const QStringList &KV_CreateMessages();
const QStringList &KV_TransformMessages();
// The message of one rule code; empty for a code outside the list.
QString KV_CreateMessage(int code);
QString KV_TransformMessage(int code);

// "RAID10", "RAID50", "RAID60" and "RAID10N": sets of member arrays.
bool IsTwoLevelType(const QString &type);
// The type of one set of a two-level type: "RAID5" for "RAID50", "RAID6"
// for "RAID60", otherwise "RAID1".
QString MemberLevelType(const QString &type);
// Mirrored and parity types.
bool IsRedundantType(const QString &type);
