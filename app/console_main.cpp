// velmora-cli: the console's commands without the window. It reports what the
// core sees of the RAID stack: the cores found, the device counts of each
// and the configuration's generation. With --dump it prints the compact
// configuration dump of core 1 instead, and --create and --transform run
// those two commands through the service's rules at their largest size, so
// that an administrator sees the rules' messages and can watch an array
// come into being in the dump. --events
// prints the driver's event lines from a sequence number on, and --bundle
// what one full refresh hands the main window. --smart prints a disk's
// S.M.A.R.T. report, --prep-remove prepares an array for the removal of its
// disks, --init initializes new disks and --delete deletes an array, as the
// menus' commands do. --health prints the window's health line and exits
// 0 (healthy), 1 (degraded or working) or 2 (offline or failing). A first
// argument without a leading "-" is a subcommand (cli_commands.h).
#include "bundle_report.h"
#include "cli_commands.h"
#include "health_report.h"
#include "kv_api.h"
#include "kv_core.h"
#include "kv_dump.h"
#include "kv_messages.h"
#include "kv_raid_api.h"
#include "smart_report.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
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
        std::printf("Velmora: the configuration dump failed with status %u (%s)\n", status,
                    KV_StatusName(status));
        return 1;
    }
    std::fputs(text.data(), stdout);
    return 0;
}

const KV_CoreId Core1{1, ".", "Core1"};

// A create or transform record of a level word and disk numbers, without a
// cache; false when there are more disks than a record holds.
bool recordOf(const std::string &level, int count, char **disks, KV_Create *params)
{
    if (count > KV_CreateMaxMembers) {
        std::printf("Velmora: at most %d disks\n", KV_CreateMaxMembers);
        return false;
    }
    params->type = QString::fromStdString(level);
    params->cacheMode = QStringLiteral("NC");
    for (int i = 0; i < count; ++i)
        params->memberIds[i] = std::atoi(disks[i]);
    params->memberCount = count;
    return true;
}

// Runs `command` at the largest size it is offered: first check-only, then
// for real. A rule's message, or `failed` when the driver refuses, is
// printed; 0 on success.
template <typename Command>
int atLargestSize(KV_Create &params, Command command, QString (*message)(int), int failed)
{
    const int largest = command(params, true);
    if (largest >= 0) {
        params.capacityMB = largest;
        const int result = command(params, false);
        if (result > 0)
            return 0;
        std::printf("Velmora: %s", qPrintable(message(result < 0 ? result : failed)));
        return 1;
    }
    std::printf("Velmora: %s", qPrintable(message(largest)));
    return 1;
}

// velmora-cli --create LEVEL DISK...
int create(const std::string &level, int count, char **disks)
{
    KV_Create params;
    if (!recordOf(level, count, disks, &params))
        return 2;
    KV_RaidApi service;
    const int status = atLargestSize(
        params,
        [&](const KV_Create &p, bool checkOnly) { return service.CreateArray(p, checkOnly); },
        KV_CreateMessage, -53);
    if (status == 0)
        std::printf("Velmora: created %s of %d MB\n", level.c_str(), params.capacityMB);
    return status;
}

// velmora-cli --transform ARRAY LEVEL DISK...
int transform(int array, const std::string &level, int count, char **disks)
{
    KV_Create params;
    if (!recordOf(level, count, disks, &params))
        return 2;
    KV_RaidApi service;
    const int status = atLargestSize(
        params,
        [&](const KV_Create &p, bool checkOnly) {
            return service.TransformArray(p, array, checkOnly);
        },
        KV_TransformMessage, -66);
    if (status == 0)
        std::printf("Velmora: array %d becomes %s of %d MB\n", array, level.c_str(),
                    params.capacityMB);
    return status;
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

// velmora-cli --events [SEQUENCE]: the event lines from SEQUENCE on, in English,
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

// velmora-cli --prep-remove ARRAY: runs prepare-to-remove on the array (its
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

// Why a command that sent a request, or none, did not succeed.
void printRefusal(const KV_RaidApi &api)
{
    const KV_STS status = api.LastCoreStatus();
    if (status == KV_STS_UNKNOWN)
        std::printf("Velmora: nothing was sent: a rule refused it (the system array, an array in "
                    "use, a process without elevation, or a driver that does not answer)\n");
    else
        std::printf("Velmora: the driver refused with status %u (%s)\n", status,
                    KV_StatusName(status));
}

// A device number from the command line; false (with a message) when the
// text is none.
bool deviceNumber(const char *text, int *number)
{
    char *end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*text == '\0' || *end != '\0' || value < 0 || value > 0xFFFF) {
        std::printf("Velmora: %s is no device number\n", text);
        return false;
    }
    *number = int(value);
    return true;
}

// velmora-cli --init DISK...: initializes new disks, as the Disk menu's
// Initialize command does.
int initializeDisks(int count, char **disks)
{
    KV_InitDisks request;
    if (count > KV_MaxCommandDisks) {
        std::printf("Velmora: at most %d disks\n", KV_MaxCommandDisks);
        return 2;
    }
    for (int i = 0; i < count; ++i)
        if (!deviceNumber(disks[i], &request.diskIds[i]))
            return 2;
    request.count = count;
    KV_RaidApi api;
    if (api.InitializeDisks(request) != 1) {
        std::printf("Velmora: no disk was initialized\n");
        printRefusal(api);
        return 1;
    }
    std::printf("Velmora: initialized\n");
    return 0;
}

// velmora-cli --delete ARRAY: deletes an array, as the Array
// menu's Delete command does.
int deleteArray(const char *arrayText)
{
    int array = 0;
    if (!deviceNumber(arrayText, &array))
        return 2;
    KV_RaidApi api;
    if (!api.DeleteArray(array)) {
        std::printf("Velmora: array %d was not deleted\n", array);
        printRefusal(api);
        return 1;
    }
    std::printf("Velmora: array %d deleted\n", array);
    return 0;
}

int usage()
{
    std::printf("usage: velmora-cli [--dump | --events [SEQUENCE] | --bundle [SEQUENCE] | "
                "--create LEVEL DISK... | --transform ARRAY LEVEL DISK... | --smart DISK |\n"
                "    --prep-remove ARRAY | --init DISK... | --delete ARRAY | --health]\n"
                "  SEQUENCE: the first event number to print (default 3)\n"
                "  LEVEL: VOLUME, RAIDABLE, RAID0, RAID1, RAID1N, RAID10, RAID5, RAID6\n"
                "  DISK, ARRAY: device numbers (HD) as the dump shows them\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && KV_CliHandles(argv[1]))
        return KV_CliMain(argc, argv, printDump);
    if (argc > 1) {
        const std::string command = argv[1];
        if (argc == 2 && command == "--dump")
            return printDump();
        if (argc == 2 && command == "--health")
            return printHealth();
        if (argc <= 3 && (command == "--events" || command == "--bundle")) {
            char *end = nullptr;
            const unsigned long first = argc == 3 ? std::strtoul(argv[2], &end, 10) : 3;
            if (argc == 3 && (*argv[2] == '\0' || *end != '\0' || first > UINT32_MAX))
                return usage();
            return command == "--events" ? printEvents(uint32_t(first))
                                         : printBundle(uint32_t(first));
        }
        if (argc == 3 && command == "--smart")
            return printSmartReport(std::atoi(argv[2]), argv[0]);
        if (argc >= 4 && command == "--create")
            return create(argv[2], argc - 3, argv + 3);
        if (argc >= 3 && command == "--init")
            return initializeDisks(argc - 2, argv + 2);
        if (argc == 3 && command == "--delete")
            return deleteArray(argv[2]);
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
    int result = 0;
    for (uint32_t i = 0; i < count; ++i) {
        KV_CoreLock lock;
        KV_Core core(cores[i].host, cores[i].coreName);
        if (core.imageStatus != KV_STS_SUCCESS) {
            std::printf("Velmora: the configuration of %s could not be read (status %u, %s)\n",
                        cores[i].coreName, core.imageStatus, KV_StatusName(core.imageStatus));
            result = 1;
            continue;
        }
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
    return result;
}
