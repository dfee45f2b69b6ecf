#include "health_report.h"

#include "kv_health.h"
#include "kv_raid_api.h"

#include <cstdio>

int printHealth()
{
    KV_RaidApi service;
    // No events: the line is about the configuration alone.
    const RaidDataBundle bundle =
        service.BuildBundle(0, 0, [](KV_RaidApi &, quint32, quint32) { return KV_EventRec{}; });
    // One reading gives no time left: that needs progress seen over a minute.
    const KV_HealthReport report = KV_AssessHealth(bundle);
    std::printf("%s\n", qPrintable(report.line));
    for (qsizetype i = 1; i < report.findings.size(); ++i)
        if (report.findings[i].level != KV_HealthLevel::Healthy)
            std::printf("  %s\n", qPrintable(report.findings[i].text));
    return int(report.level);
}
