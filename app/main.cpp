// Velmora's entry point. Until the main window exists it reports what the
// core sees of the RAID stack: the cores found, the device counts of each
// and the configuration's generation. With --dump it prints the compact
// configuration dump of core 1 instead, and --create and --transform run
// those two commands on core 1 at their largest size, so that an
// administrator can watch an array come into being in the dump. --events
// prints the driver's event lines from a sequence number on, and --bundle
// what one full refresh hands the main window. --prep-remove prepares an
// array for the removal of its disks, as the Array menu's command does.
#include "bundle_report.h"
#include "kv_api.h"
#include "kv_core.h"
#include "kv_dump.h"
#include "kv_messages.h"
#include "kv_raid_api.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
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

const KV_CoreId Core1{1, ".", "Core1"};

// The type code, member sets and members per set of a level's word for n
// members; false for a word or count the level does not take.
bool shapeOf(const std::string &level, uint32_t n, uint32_t *type, uint32_t *sets, uint32_t *width)
{
    struct Shape {
        const char *word;
        uint32_t type;
        bool striped; // n sets of one member, else one set of n
    };
    static const Shape shapes[] = {
        {"VOLUME", 0x1BF7, true}, {"RAIDABLE", 0x1BFB, false}, {"RAID0", 0x1BF6, true},
        {"RAID1", 0x1BF6, false}, {"RAID1N", 0x1BF6, false},   {"RAID5", 0x1BF5, false},
        {"RAID6", 0x1BFA, false},
    };
    if (level == "RAID10") {
        *type = 0x1BF6;
        *sets = n / 2;
        *width = 2;
        return n >= 4 && n % 2 == 0;
    }
    for (const Shape &shape : shapes) {
        if (level == shape.word) {
            *type = shape.type;
            *sets = shape.striped ? n : 1;
            *width = shape.striped ? 1 : n;
            return n > 0;
        }
    }
    return false;
}

// The device paths of disks given by their device routes, found in the
// current configuration.
bool diskPaths(int count, char **routes, KV_DevicePath *paths)
{
    KV_CoreLock lock;
    KV_Core core(".", "Core1");
    for (int i = 0; i < count; ++i) {
        const int route = std::atoi(routes[i]);
        const KV_C_PhysicalDevice *found = nullptr;
        for (uint32_t d = 0; d < core.physicalCount; ++d)
            if (core.physicalDevices[d]->type != 0x1201 &&
                core.physicalDevices[d]->deviceRoute == route)
                found = core.physicalDevices[d];
        if (!found) {
            std::printf("Velmora: there is no disk %s\n", routes[i]);
            return false;
        }
        std::memset(paths[i], 0, sizeof paths[i]);
        std::snprintf(paths[i], sizeof paths[i], "%s", found->path);
    }
    return true;
}

// velmora --create LEVEL DISK...
int create(const std::string &level, int count, char **routes)
{
    const std::unique_ptr<KV_DevicePath[]> members(new KV_DevicePath[count]);
    KV_CreateParameters p;
    if (!shapeOf(level, uint32_t(count), &p.typeCode, &p.firstCount, &p.secondCount)) {
        std::printf("Velmora: %s cannot be made of %d disks\n", level.c_str(), count);
        return 2;
    }
    if (!diskPaths(count, routes, members.get()))
        return 1;
    p.memberCount = uint32_t(count);
    p.members = members.get();
    p.capacity = 96;
    KV_STS status = KV_ApiGetCreateInfo(&Core1, &p);
    char path[KV_DevicePathLength] = {};
    if (status == KV_STS_SUCCESS)
        status = KV_ApiCreateLogicalDevice(&Core1, &p, 0, path);
    if (status != KV_STS_SUCCESS) {
        std::printf("Velmora: the create failed with status %u (%s)\n", status,
                    KV_StatusName(status));
        return 1;
    }
    std::printf("Velmora: created %s of %" PRIu64 " MiB at %s\n", level.c_str(), p.capacity, path);
    return 0;
}

// velmora --transform ARRAY LEVEL DISK...
int transform(int array, const std::string &level, int count, char **routes)
{
    const std::unique_ptr<KV_DevicePath[]> members(new KV_DevicePath[count]);
    KV_TransformParameters t;
    if (!shapeOf(level, uint32_t(count), &t.typeCode, &t.firstCount, &t.secondCount)) {
        std::printf("Velmora: %s cannot be made of %d disks\n", level.c_str(), count);
        return 2;
    }
    if (!diskPaths(count, routes, members.get()))
        return 1;
    const std::string arrayPath =
        "//./Core1/Route0/Device" + std::to_string(array) + (array < 10 ? " " : "");
    t.arrayPath = arrayPath.c_str();
    t.memberCount = uint32_t(count);
    t.members = members.get();
    t.capacity = 96;
    KV_TransformInfo info;
    KV_STS status = KV_ApiGetTransformInfo(&Core1, &t, &info);
    if (status == KV_STS_SUCCESS) {
        t.capacity = info.largestCapacity;
        status = KV_ApiTransformLogicalDevice(&Core1, &t);
    }
    if (status != KV_STS_SUCCESS) {
        std::printf("Velmora: the transform failed with status %u (%s)\n", status,
                    KV_StatusName(status));
        return 1;
    }
    std::printf("Velmora: array %d becomes %s of %" PRIu64 " MiB\n", array, level.c_str(),
                t.capacity);
    return 0;
}

// A UTF-16 line as UTF-8; an unpaired surrogate becomes U+FFFD.
std::string toUtf8(const char16_t *text)
{
    std::string out;
    for (size_t i = 0; text[i] != u'\0'; ++i) {
        uint32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (uint32_t(text[++i]) - 0xDC00);
        else if (c >= 0xD800 && c < 0xE000)
            c = 0xFFFD;
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// velmora --events [SEQUENCE]: the event lines from SEQUENCE on, in English,
// then the sequence number to ask for next time.
int printEvents(uint32_t sequence)
{
    char16_t line[1024];
    for (;;) {
        const KV_STS status = KV_ApiGetUserMessage(&Core1, line, 1024, &sequence, 0, 0);
        if (status == KV_STS_NO_USER_MESSAGE)
            break;
        if (status != KV_STS_VALID_USER_MESSAGE) {
            std::printf("Velmora: reading the events failed with status %u (%s)\n", status,
                        KV_StatusName(status));
            return 1;
        }
        // The line ends in its own line break.
        std::fputs(toUtf8(line).c_str(), stdout);
    }
    std::printf("next sequence: %u\n", sequence);
    return 0;
}

// velmora --prep-remove ARRAY: runs prepare-to-remove on the array (its
// device number) and tells the result code; its messages go to the error
// output.
int prepRemove(const char *arrayText)
{
    char *end = nullptr;
    const long array = std::strtol(arrayText, &end, 10);
    if (*arrayText == '\0' || *end != '\0' || array < 0 || array > 0xFFFF) {
        std::printf("Velmora: %s is no array number\n", arrayText);
        return 2;
    }
    KV_RaidApi api;
    const int result = api.PrepareArrayForRemoval(int(array));
    const char *meaning = result == KV_PrepRemoveOffline      ? "taken offline"
                          : result == KV_PrepRemoveSharedDisk ? "a member disk serves another array"
                          : result == KV_PrepRemoveVolumeBusy ? "its volume could not be locked"
                          : result == KV_PrepRemoveNoDevice   ? "no disk device matches its volume"
                                                              : "refused";
    std::printf("Velmora: prepare-to-remove of array %ld answered %d (%s)\n", array, result,
                meaning);
    return result == KV_PrepRemoveOffline ? 0 : 1;
}

int usage()
{
    std::printf("usage: velmora [--dump | --events [SEQUENCE] | --bundle [SEQUENCE] | "
                "--create LEVEL DISK... | --transform ARRAY LEVEL DISK... | --prep-remove ARRAY]\n"
                "  SEQUENCE: the first event number to print (default 3)\n"
                "  LEVEL: VOLUME, RAIDABLE, RAID0, RAID1, RAID1N, RAID10, RAID5, RAID6\n"
                "  DISK, ARRAY: device numbers (HD) as the dump shows them\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1) {
        const std::string command = argv[1];
        if (argc == 2 && command == "--dump")
            return printDump();
        if (argc <= 3 && (command == "--events" || command == "--bundle")) {
            char *end = nullptr;
            const unsigned long first = argc == 3 ? std::strtoul(argv[2], &end, 10) : 3;
            if (argc == 3 && (*argv[2] == '\0' || *end != '\0' || first > UINT32_MAX))
                return usage();
            return command == "--events" ? printEvents(uint32_t(first))
                                         : printBundle(uint32_t(first));
        }
        if (argc >= 4 && command == "--create")
            return create(argv[2], argc - 3, argv + 3);
        if (argc == 3 && command == "--prep-remove")
            return prepRemove(argv[2]);
        if (argc >= 5 && command == "--transform")
            return transform(std::atoi(argv[2]), argv[3], argc - 4, argv + 4);
        return usage();
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
