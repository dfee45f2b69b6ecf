// Velmora's entry point. Until the main window exists it reports what the
// core sees of the RAID stack: the cores found, the device counts of each
// and the configuration's generation; with --dump it prints the compact
// configuration dump of core 1 instead.
#include "kv_core.h"
#include "kv_dump.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

int printDump()
{
    KV_CoreId core{1, ".", "Core1"};
    std::vector<char> text(512 * 1024, '\0'); // the size the snapshot reader uses
    const KV_STS status =
        KV_ApiGetCoreConfigString(&core, text.data(), uint32_t(text.size()), 1, 0, 1, 0);
    if (status != KV_STS_SUCCESS) {
        std::printf("Velmora: the configuration dump failed with status %u\n", status);
        return 1;
    }
    std::fputs(text.data(), stdout);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1) {
        if (argc == 2 && std::strcmp(argv[1], "--dump") == 0)
            return printDump();
        std::printf("usage: velmora [--dump]\n");
        return 2;
    }
    KV_CoreId cores[8];
    uint32_t count = 0;
    const KV_STS status = KV_ApiEnumerateCores(cores, sizeof cores, &count);
    if (status != KV_STS_SUCCESS) {
        std::printf("Velmora: enumerating the cores failed with status %u\n", status);
        return 1;
    }
    if (count == 0) {
        std::printf("Velmora: no RAID core found (is the driver or its emulator running?)\n");
        return 1;
    }
    std::printf("Velmora: %u core(s)\n", count);
    for (uint32_t i = 0; i < count; ++i) {
        KV_CoreLock lock;
        KV_Core core(cores[i].host, cores[i].coreName);
        std::printf("  %s on host %s (core number %d), configuration %s\n", cores[i].coreName,
                    cores[i].host, cores[i].coreNumber, core.configPath);
        std::printf("    controllers: %u\n", core.controllerCount);
        // The core's own pseudo-device is a physical record but not a disk.
        uint32_t disks = 0;
        for (uint32_t d = 0; d < core.physicalCount; ++d)
            disks += core.physicalDevices[d]->type != 0x1201 ? 1 : 0;
        std::printf("    disks:       %u\n", disks);
        std::printf("    arrays:      %u\n", core.logicalCount);
        std::printf("    enclosures:  %u\n", core.enclosureCount);
        std::printf("    generation:  %" PRIu64 "\n", core.generation);
    }
    return 0;
}
