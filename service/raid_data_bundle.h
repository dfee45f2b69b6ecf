// What the background worker hands the main window after a full refresh: a
// value, copied across threads at the cost of reference counts.
#pragma once

#include "kv_snapshot_store.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QMetaType>
#include <QString>

// One driver event as the window lists it.
struct KV_EventRec {
    quint32 sequence = 0;
    quint32 code = 0;
    quint32 severity = 0; // 0 unknown, 1 informational, 2 warning, 3 critical, 4 log
    QString text;
    QString text2;      // left empty by the service
    quint32 status = 0; // the core's status of the fetch; 53 for a real event
};

class RaidDataBundle {
public:
    RaidDataBundle() = default;
    RaidDataBundle(const RaidDataBundle &) = default;
    RaidDataBundle(RaidDataBundle &&) noexcept = default;
    RaidDataBundle &operator=(const RaidDataBundle &) = default;
    RaidDataBundle &operator=(RaidDataBundle &&) noexcept = default;
    ~RaidDataBundle() = default;

    QString computerName;
    // The first configuration of every array, in snapshot order; the
    // pointers point into `snapshot`.
    QList<const KV_ArrayConfig *> arrays;
    // Keyed by array identifier (a tier by the key of one of its members).
    // While `systemFactsUnknown` is set, arrayHoldsSystem and
    // arraySharesSystemDisk are true for every array: they are then no
    // facts, only the refusal the window should keep to.
    QMap<int, bool> arrayHoldsSystem;
    QMap<int, QString> arrayDriveLetters;
    QMap<int, bool> arrayTrimSupported;
    QMap<int, bool> arraySharesSystemDisk;
    QMap<int, QString> arrayDiskNumber;
    bool anyEligibleDisk = false;
    bool anyEligiblePhysicalDisk = false;
    // Every disk record in snapshot order, "Core" records included; the
    // pointers point into `snapshot`.
    QList<const KV_DiskRec *> disks;
    QList<int> diskArrayCount;
    QList<QString> diskSerial;
    QList<bool> diskHotSwap;
    QList<KV_EventRec> events;
    quint32 nextEventSeq = 0;
    // Set when `events` stopped at the batch bound the refresh was given:
    // the driver may hold more from `nextEventSeq` on, for the next refresh.
    bool moreEvents = false;

    // Set when the host could not tell which arrays hold the system (a
    // query of the system drive's volume or disks failed). Delete, Secure
    // Erase, Hide and Prepare to Remove are then to be disabled for every
    // array; the service refuses them all the same.
    bool systemFactsUnknown = false;
    // Set when this refresh could not read the driver's configuration: the
    // tables are then those of the last refresh that could (`lastGoodRefresh`,
    // local time; invalid when none has yet), not an empty machine, and the
    // window should say that the driver is not answering.
    bool refreshFailed = false;
    QDateTime lastGoodRefresh;

    // Keeps the tables that `arrays` and `disks` point into alive and
    // unchanged for as long as the bundle lives.
    KV_SnapshotRef snapshot;
};

// Whether two bundles give the controller tree, the array list and the disk
// list the same rows: the same records, host facts and disk texts, and the
// same driver state. Events, their sequence and the times are not compared.
bool KV_SameListContents(const RaidDataBundle &a, const RaidDataBundle &b);

Q_DECLARE_METATYPE(RaidDataBundle)
