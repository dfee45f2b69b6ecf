#include "bundle_report.h"

#include "kv_raid_api.h"

#include <cstdio>
#include <cstring>

namespace {

const char *yesNo(bool value)
{
    return value ? "yes" : "no";
}

} // namespace

int printBundle(uint32_t firstEvent)
{
    KV_RaidApi service;
    const RaidDataBundle bundle = service.BuildBundle(firstEvent, 0);
    if (bundle.refreshFailed) {
        std::printf("Velmora: the driver is not answering: its configuration could not be read\n");
        return 1;
    }
    std::printf("computer %s\n", qPrintable(bundle.computerName));
    if (bundle.systemFactsUnknown)
        std::printf("system arrays unknown: the host's queries of the system drive failed\n");
    for (const KV_ArrayConfig *array : bundle.arrays) {
        const int key = array->deviceRoute;
        std::printf(
            "array %d %s %s \"%s\" %s: letters \"%s\", disk %s, system %s, shares a "
            "system disk %s, trim %s\n",
            key, array->type, array->state, array->deviceName,
            qPrintable(KV_RaidApi::FormatSectors(array->capacity)),
            qPrintable(bundle.arrayDriveLetters.value(key)),
            qPrintable(bundle.arrayDiskNumber.value(key, QStringLiteral("none"))),
            bundle.systemFactsUnknown ? "unknown" : yesNo(bundle.arrayHoldsSystem.value(key)),
            bundle.systemFactsUnknown ? "unknown" : yesNo(bundle.arraySharesSystemDisk.value(key)),
            yesNo(bundle.arrayTrimSupported.value(key)));
        if (array->transformType[0] != '\0' && std::strcmp(array->transformType, "NONE") != 0 &&
            std::strcmp(array->transformType, "NOT_ACTIVE") != 0)
            std::printf("  task %s %s %.1f%%\n", array->transformType, array->transformState,
                        double(array->percentComplete));
    }
    for (qsizetype i = 0; i < bundle.disks.size(); ++i) {
        const KV_DiskRec *disk = bundle.disks[i];
        std::printf("disk %d %s %s at %d %d: used by %d, serial \"%s\", hot swap %s\n",
                    disk->deviceRoute, disk->type, disk->state, disk->controller, disk->channel,
                    bundle.diskArrayCount[i], qPrintable(bundle.diskSerial[i]),
                    yesNo(bundle.diskHotSwap[i]));
    }
    std::printf("eligible disks: any %s, physical %s\n", yesNo(bundle.anyEligibleDisk),
                yesNo(bundle.anyEligiblePhysicalDisk));
    for (const KV_EventRec &event : bundle.events)
        std::printf("event %u code %u severity %u: %s\n", event.sequence, event.code,
                    event.severity, qPrintable(event.text));
    std::printf("next event sequence: %u\n", bundle.nextEventSeq);
    return 0;
}
