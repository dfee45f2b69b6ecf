#include "raid_data_bundle.h"

bool KV_SameListContents(const RaidDataBundle &a, const RaidDataBundle &b)
{
    if (!a.snapshot || !b.snapshot)
        return false;
    return a.refreshFailed == b.refreshFailed && a.systemFactsUnknown == b.systemFactsUnknown &&
           a.anyEligibleDisk == b.anyEligibleDisk &&
           a.anyEligiblePhysicalDisk == b.anyEligiblePhysicalDisk &&
           a.computerName == b.computerName && a.arrayHoldsSystem == b.arrayHoldsSystem &&
           a.arrayDriveLetters == b.arrayDriveLetters &&
           a.arrayTrimSupported == b.arrayTrimSupported &&
           a.arraySharesSystemDisk == b.arraySharesSystemDisk &&
           a.arrayDiskNumber == b.arrayDiskNumber && a.diskArrayCount == b.diskArrayCount &&
           a.diskSerial == b.diskSerial && a.diskHotSwap == b.diskHotSwap &&
           a.arrays.size() == b.arrays.size() && a.disks.size() == b.disks.size() &&
           KV_SameTables(a.snapshot->tables, b.snapshot->tables);
}
