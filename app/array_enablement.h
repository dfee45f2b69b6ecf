// Which array and disk actions the window offers, as one pure function of
// the selected array's facts: no widgets, so that every rule is a row of a
// table test. The window applies the result after every snapshot and every
// selection change.
#pragma once

#include "window_actions.h"

#include <QString>

#include <bitset>
#include <optional>

// What the enablement reads of one array.
struct KV_ArrayFacts {
    QString type;      // "RAID5", "LEGACY", "RAIDTIER", ...
    QString state;     // "NORMAL", "CRITICAL", "OFFLINE", "LOCKED", ...
    QString task;      // "NOT_ACTIVE" when no task runs
    QString taskState; // "PAUSED", ...
    QString cache;     // "NC", "R", "W" or "RW"
    bool hidden = false;
    bool backgroundScan = false;
    int dedicatedSpares = 0;
    // The array holds the operating system; a caller that cannot tell says
    // true, so that nothing that would take the system away is offered.
    bool holdsSystem = false;
    bool sharesSystemDisk = false;
};

struct KV_EnablementInput {
    std::optional<KV_ArrayFacts> selected; // none while no array is selected
    qsizetype arrayCount = 0;
    bool elevated = false;
    bool anyEligibleDisk = false;
    bool anyEligiblePhysicalDisk = false;
};

struct KV_Enablement {
    std::bitset<KV_ActionCount> enabled;
    std::bitset<KV_ActionCount> checked; // the cache entry of the array's mode
    bool offerUnhide = false;            // the hide entry reads "Un-Hide"

    bool isEnabled(KV_Action id) const { return enabled.test(std::size_t(id)); }
    bool isChecked(KV_Action id) const { return checked.test(std::size_t(id)); }
};

// The actions whose enablement the function decides; every other action
// keeps its own (Create, Quit, Refresh, the cache entries under their
// submenu, "&Options" by the disk selection, ...).
bool KV_EnablementDecides(KV_Action id);

KV_Enablement KV_ArrayEnablement(const KV_EnablementInput &input);
