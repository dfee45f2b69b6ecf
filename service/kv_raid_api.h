// The application's RAID service: the lookups, checks and display texts the
// window and the dialogs need, over the process-wide configuration snapshot.
//
// Identifiers: a disk and an array are named by their device route (HD);
// "unique identifiers" are the 64-bit IDs. Indices are positions in the
// snapshot's tables.
//
// Every query reads the latest published snapshot and keeps a reference to
// it in this object, so that pointers a query returns stay valid until this
// object's next query or refresh; a query made of several lookups reads one
// snapshot throughout. An object is used from one thread at a
// time; any number of objects may live on any threads.
#pragma once

#include "kv_create.h"
#include "kv_io_stats.h"
#include "kv_prep_remove.h"
#include "kv_raid_commands.h"
#include "kv_smart.h"
#include "kv_snapshot_store.h"
#include "kv_status.h"
#include "raid_data_bundle.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <memory>
#include <set>
#include <string>
#include <vector>

// Registers the service's value types under their names, for queued
// connections; every service object does it on construction.
void KV_RegisterServiceTypes();

// True when `name` holds a control character or a line or paragraph
// separator: no array name may.
bool KV_NameHasControlCharacters(const QString &name);

class KV_RaidApi : public QObject {
    Q_OBJECT
public:
    // Refreshes the snapshot, so that every service starts from a fresh one.
    explicit KV_RaidApi(QObject *parent = nullptr);
    // Without that refresh, for an owner that refreshes when its work
    // begins (the background worker: its full refresh reads the snapshot
    // once, on its own thread rather than on the one that built it).
    struct Unrefreshed {};
    KV_RaidApi(Unrefreshed, QObject *parent);

    // Enumerates the cores and re-reads the configuration into a new
    // snapshot; 1 when the whole configuration was read. Otherwise 0, and
    // the last good snapshot stays: the destructive commands, create and
    // transform refuse then rather than act on it.
    int Refresh();

    // Reads `snapshot` instead of the latest one until UnpinSnapshot(), so
    // that the window applies a bundle against the very tables it was built
    // from while other threads publish newer ones.
    void PinSnapshot(KV_SnapshotRef snapshot);
    void UnpinSnapshot();

    int GetControllerCount();
    const KV_ControllerRec *GetController(int index);
    int GetDiskCount();
    const KV_DiskRec *GetDisk(int index);
    int GetArrayCount();
    const KV_ArrayRec *GetArray(int index);
    // `current`: the first configuration; otherwise the second, which
    // exists only while the array has two.
    const KV_ArrayConfig *FindArrayConfig(int arrayId, bool current);
    int FindArrayIndex(int arrayId);

    int FindDiskIndex(int diskId);
    int FindUsableDiskIndex(int diskId);
    int FindDiskIdByLocation(int controller, int channel);
    // The disk's route text; null when no disk has this unique identifier.
    const char *FindDiskRouteByUid(quint64 uid);
    int FindArrayIdByUid(quint64 uid);

    bool ArrayUsesDisk(int arrayId, int diskId);
    int CountArraysOfDisk(int diskId);
    bool MemberFailed(int arrayId, int diskId);
    // MiB.
    quint64 SmallestMemberSizeMB(int arrayIndex);

    bool DiskHasSimpleTrim(int diskId);
    bool DiskHasAdvancedTrim(int diskId);
    bool DiskIsNvme(int diskId);
    bool DiskIsSolidState(int diskId);
    bool DiskHasInformedHotSwap(int diskId);

    bool ArrayIsHidden(int arrayId);
    // The system facts come from the host's answers about the system drive.
    // When one of those queries fails they are unknown, and these three
    // then answer true for every array, so that nothing destructive is
    // allowed on a guess.
    bool ArrayCarriesSystem(int arrayId);
    bool ArrayHoldsSystem(int arrayId);
    bool ArraySharesSystemDisk(int arrayId);
    // False when the host could not tell which arrays hold the system.
    bool SystemFactsKnown();
    bool ArrayTrimSupported(int arrayId);
    bool ArrayTaskIs(int arrayId, const char *task);

    static QString FormatSectors(quint64 sectors);
    QString PortTypeText(int diskIndex);
    QString SerialNumberText(int diskIndex);
    QString CacheModeText(int diskId);
    static quint32 CacheModeFromText(const QString &mode);
    QString ArrayDiskNumberText(int arrayId, int flags);
    // The array whose partition a "RAIDTIER" array shows (the tier key of
    // the bundle's maps); the array itself for any other type and for a
    // tier whose members match no array.
    int PartitionArrayOf(int arrayId);
    QString DriveLettersOfArray(int arrayId);

    // The disk-eligibility test over every disk record, or over records of
    // kind "Disk" only.
    bool AnyEligibleDisk(bool disksOnly);
    bool DiskEligibleForInit(int diskIndex, bool disksOnly);

    // The computer's name, read once per process.
    static QString ComputerName();
    bool ComputerName(char *buffer, int size);

    // Parses one event line of the core into `event`: 53 on success, 7 when
    // the line deviates from the form the core writes.
    static quint32 ParseEventLine(const QString &line, quint32 nextSequence, KV_EventRec *event);

    // The event the core holds at `sequence`, in event language `language`
    // (0 to 35; any other gives no event). Its status is 53 for a real
    // event; the text is "Init Error" when there is none.
    KV_EventRec FetchEvent(quint32 sequence, quint32 language);

    // Appends the events the core holds from `sequence` on, as FetchEvent
    // reads them one by one, up to the first that is not a real event; they
    // are read in one core operation, at most `most` of them. Returns the
    // sequence to ask from next.
    quint32 FetchEvents(quint32 sequence, quint32 language, QList<KV_EventRec> *events,
                        quint32 most = UINT32_MAX);

    // Refreshes and builds the window's bundle; `events` are fetched from
    // sequence `firstEventSequence` on (by `fetchEvent` one by one, by
    // FetchEvents when null) until a fetch reports anything but 53 or
    // `mostEvents` have been fetched (then the bundle says there may be more).
    using EventFetcher = KV_EventRec (*)(KV_RaidApi &, quint32 sequence, quint32 language);
    RaidDataBundle BuildBundle(quint32 firstEventSequence, quint32 language,
                               EventFetcher fetchEvent = nullptr, quint32 mostEvents = UINT32_MAX);

    // --- Array commands ---------------------------------------------------
    // Each checks its preconditions on the snapshot and sends nothing when
    // one fails; it answers the core's refusal the same way. Delete, secure
    // erase, hide, prepare-to-remove and initialize (clearing metadata
    // included) also refuse in a process that is not elevated.
    bool DeleteArray(int arrayId);
    int SecureEraseArray(int arrayId);         // 1, or -1
    int HideArray(int arrayId, bool extended); // 1, or -1
    int UnhideArray(int arrayId);              // 1, or -1
    bool RenameArray(int arrayId, const QString &name);
    bool SetArrayCache(int arrayId, const QString &mode);
    bool SetBackgroundScan(int arrayId, bool on);
    bool SetConsistencyCheck(int arrayId, bool start);
    bool ControlTask(int arrayId, const QString &action); // "pause", "resume" or "remove"
    bool SetTaskPriority(int arrayId, int level);
    // The priority level, 1 (lowest) to 10, of the array's task as the
    // priority dialog shows it; 0 when the array is not found.
    int TaskPriorityLevel(int arrayId);
    // The level of a raw priority: 9 and below give 10, then one level less
    // per ten, and everything above 90 gives 1.
    static int TaskPriorityLevelOf(int rawPriority);
    bool IdentifyArray(int arrayId, bool on, int pattern);
    bool RemoveAllSpares(int arrayId);

    // --- Disk commands ---------------------------------------------------
    bool AssignGlobalSpare(int diskId);
    bool RemoveGlobalSpare(int diskId);
    bool AssignDedicatedSpare(int arrayId, int diskId);
    bool RemoveDedicatedSpare(int arrayId, int diskId);
    bool IdentifyDisk(int diskId, bool on);
    bool PrepareDiskRemoval(int diskId);
    int InitializeDisks(const KV_InitDisks &disks); // 1 when any disk was initialized
    // The core's status of the last request DeleteArray, InitializeDisks,
    // CreateArray or TransformArray sent (for the last two, the size
    // question or the command); KV_STS_UNKNOWN (0) when it sent none (a
    // precondition refused).
    KV_STS LastCoreStatus() const { return lastCoreStatus_; }
    bool SetDiskCacheOptions(const KV_DiskOptions &options);
    bool SetDiskSmartPolling(const KV_DiskOptions &options);
    bool Rescan();

    // --- Create and transform rules (kv_create.cpp) ----------------------
    // Both refresh the tables, then apply their rules in order; the first
    // that fails answers with its negative code and nothing is sent.
    // Check-only: the largest capacity possible in decimal MB (0 or more).
    // Execute: 1 when the core accepted the request, 0 when it refused.
    int CreateArray(const KV_Create &params, bool checkOnly);
    int TransformArray(const KV_Create &params, int arrayId, bool checkOnly);
    // False for a name holding one of ()^,.="|-[] or a control character
    // (a line break above all) or, unless it is "NONE", already carried by
    // an array.
    bool ValidArrayName(const QString &name);
    bool TrimSupportedFor(const KV_Create &params);
    // The members that are found include two of the kinds hard disk, SATA
    // solid-state disk and NVMe disk.
    bool MixedDriveKinds(const KV_Create &params);
    // IsRedundantType of a type word, and of an array's current type (false
    // when the array is not found).
    static bool IsRedundantType(const QString &type) { return ::IsRedundantType(type); }
    bool IsRedundantType(int arrayId);

    // --- Queries of the dialogs and menus --------------------------------
    bool ArrayTaskActive(int arrayId);
    bool ArrayIsInTierPair(int arrayId);
    bool DiskIsGlobalSpare(int diskId);
    bool DiskIsDedicatedSpareOf(int arrayId, int diskId);
    bool DiskIsDedicatedSpare(int diskId);
    bool DiskInRestoringArray(int diskId);
    bool DiskInSystemArray(int diskId);
    bool MixesDriveKinds(int arrayId, int diskId);
    static bool ProcessIsElevated();
    bool DiskFeature4(int diskId);
    static bool StateIsSmartError(const char *state);
    bool ArrayHasSharedDisks(int arrayId);
    bool CanBeDedicatedSpare(int arrayId, int diskId);

    // The application log: stored here and for the whole process; true.
    bool SetLogPath(const QString &path);
    QString LogPath() const { return logPath_; }
    // Appends the developer dump of every core to the file at `path`; false
    // when no core is found or the file cannot be opened.
    bool DumpConfiguration(const QString &path);

    // --- Driver files (kv_driver_files.cpp) --------------------------------
    // The product versions of kvraid.sys, kvcfg.sys and kvbottom.sys;
    // "Unknown" for one that cannot be found.
    static QStringList GetDriverVersions();
    // True when a loaded kernel driver has this base name. A list of the
    // loaded drivers that needs room for 1024 or more entries cannot be
    // searched whole, so the driver then counts as not loaded.
    static bool IsDriverLoaded(const QString &name);
    // The directory of a driver file according to its service registration
    // (the ImagePath of the service named after the file); false when it is
    // not registered or the directory does not fit in `size` bytes.
    static bool FindDriverDirectory(const char *fileName, char *buffer, int size);
    // One record per file matching `pattern` in `directory`, at most `max`:
    // the full path, then "|Name=value" entries (attributes, times, size and
    // the version strings the file has), at most 2048 bytes each.
    static int DescribeFiles(const std::string &directory, const std::string &pattern,
                             std::vector<std::string> *records, int max);
    // The product version of the file; "Unknown" and false when it has none.
    static bool GetFileVersion(const std::string &directory, const std::string &fileName,
                               std::string *version);

    // --- Prepare-to-remove and device eject (kv_prep_remove.cpp) ---------
    // Takes the array away from Windows and from the driver before its
    // disks are pulled: locks and dismounts its volume, ejects the disk
    // device, hides the array, tells the member disks with informed hot swap
    // of their removal and takes the array offline. A KV_PrepRemove result;
    // an array this command hid is shown again when the offline fails.
    // Every message also goes to the application log, without time stamp.
    int PrepareArrayForRemoval(int arrayId);
    // Opens the volume of drive `letter`, locks and dismounts it.
    bool LockAndDismountvolume(char letter);
    bool GetVolumeDeviceNumber(char letter, KV_StorageDeviceNumber *number);
    // The present disk device whose device number equals `number`'s (type
    // and partition are not compared).
    bool FindMatchingDeviceInstance(const KV_StorageDeviceNumber &number, quint32 *deviceInstance);
    // Asks Windows to eject the disk device of drive `letter`, up to three
    // times, 50 ms apart: a KV_Eject result.
    int EjectVolumeDevice(char letter);

    // Reads the core's statistics report and emits StatsRetrieved with it,
    // once per call (with nine empty texts when the report cannot be had).
    // The rates are the report's counts over the time since this object's
    // previous report; the first report's period is unknown (the driver
    // counted since whoever read it last), so it gives no rates.
    void RetrieveIoStats();

    // --- S.M.A.R.T. --------------------------------------------------------
    // Both read the disk's data through the driver: the ATA attribute table,
    // or the NVMe health page of an NVMe disk. The status stays "Failed"
    // when the data was read (the other texts, or the report, tell the
    // rest) and when the disk is not found; it says so when the disk has no
    // data to give.
    //
    // The disk lists' three values.
    KV_SmartInfo GetSmartInfo(int diskId);
    // Appends the attribute report to the application log at `logPath`
    // (under a header naming the disk) and to the S.M.A.R.T. log at
    // `smartLogPath`, each with the time; a log that cannot be opened is
    // skipped. Only the status is filled.
    KV_SmartInfo RetrieveAllSmartInfo(int diskId, QString logPath, QString smartLogPath);

signals:
    void StatsRetrieved(KV_IoStats ioStats);

private:
    // Holds this object on one snapshot for the duration of a query made of
    // several lookups, so that an index found in one table is used in the
    // same tables. Nests.
    class Pin {
    public:
        explicit Pin(KV_RaidApi &api);
        ~Pin();
        Pin(const Pin &) = delete;
        Pin &operator=(const Pin &) = delete;

    private:
        KV_RaidApi &api_;
        bool wasPinned_;
    };

    // The latest snapshot, unless a Pin holds this object on its own.
    const KV_Snapshot &snapshot();
    const KV_DiskRec *findDisk(int diskId);
    const KV_ArrayRec *findArray(int arrayId);

    // The drive letters of every array (identifier to "C:, D:") and the
    // arrays behind the system drive, asked of the host.
    // `systemKnown` is false when the system directory or a host query
    // behind the system drive failed; `systemArrays` may then lack some.
    struct HostView {
        QMap<int, QString> driveLetters;
        std::set<int> systemArrays;
        bool systemKnown = false;
    };
    HostView hostView();
    // Both answer true when the system facts are unknown.
    bool carriesSystem(int arrayId, const HostView &host);
    bool sharesSystemDisk(int arrayId, const HostView &host);
    int tierKey(const KV_ArrayConfig &tier, const QMap<int, QString> &driveLetters);
    // The core requests go to; null without one.
    const KV_CoreId *core();
    bool diskRequest(const char *route, uint32_t subOperation);
    // The routes of the record's first `count` members, each a usable disk;
    // false when one is not.
    bool memberRoutes(const KV_Create &params, int count, std::unique_ptr<KV_DevicePath[]> &routes);
    // Prepare-to-remove: tells each eligible member disk of the array that
    // it is about to be removed.
    void tellMembersOfRemoval(int arrayId);
    enum class DriveKind { HardDisk, SataSolidState, Nvme };
    DriveKind driveKind(const KV_DiskRec &disk) const;

    KV_SnapshotRef view_;
    bool pinned_ = false;
    KV_STS lastCoreStatus_ = 0;
    QString logPath_;
    // Running since this object's last statistics report: the driver counts
    // from one report to the next, so this is the period of the next one.
    QElapsedTimer statsPeriod_;
};
