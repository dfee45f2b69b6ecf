// Fuzz target: a core handle built from an arbitrary configuration image,
// then its compact dump, then that dump parsed back into the snapshot. The
// walk, the device objects and the dump must never read past the image,
// write past the dump buffer, loop or leak, whatever the records say.
#include "kv_core.h"
#include "kv_dump.h"
#include "kv_snapshot.h"
#include "recording_platform.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static auto host = [] {
        auto platform = std::make_shared<test::RecordingPlatform>();
        kv::setPlatform(platform);
        return platform;
    }();
    host->transfers.clear();
    host->readAnswers.clear();
    // The first byte chooses the current or the previous walk; the rest is
    // the image, cut to 64 KiB.
    const int previous = size > 0 ? data[0] & 1 : 0;
    const size_t length = size > 1 ? std::min<size_t>(size - 1, 65536) : 0;
    host->readAnswers.push_back(
        {0, std::vector<uint8_t>(data + (size > 0), data + (size > 0) + length)});

    const size_t live = KVTL_LiveCount();
    {
        KV_CoreLock lock;
        KV_Core core(".", "Core1", previous);
        uint64_t sum = 0;
        for (uint32_t i = 0; i < core.physicalCount; ++i)
            sum += std::strlen(core.physicalDevices[i]->model) + core.physicalDevices[i]->id;
        for (uint32_t i = 0; i < core.logicalCount; ++i) {
            const KV_C_LogicalDevice &array = *core.logicalDevices[i];
            for (uint32_t e = 0; e < array.elementCount; ++e)
                sum += array.elements[e].size;
            for (uint32_t p = 0; p < array.parentCount; ++p)
                sum += array.parents[p].id;
            for (uint32_t s = 0; s < array.spareCount; ++s)
                sum += array.spares[s].id;
            sum += core.KV_FindLogicalDevice(array.path);
        }
        for (uint32_t i = 0; i < core.enclosureCount; ++i)
            sum += std::strlen(core.enclosures[i]->product);
        if (sum == 1) // keeps the reads from being optimised away
            host->transfers.clear();

        // The dump goes into a buffer with guard bytes behind its capacity.
        constexpr uint32_t Capacity = 512 * 1024, Guard = 64;
        static std::vector<char> text(Capacity + Guard);
        text[0] = '\0';
        std::fill(text.begin() + Capacity, text.end(), 'G');
        const uint32_t length = KV_DumpCore(core, text.data(), Capacity, 0, 1, 0);
        if (length >= Capacity || text[length] != '\0' || std::strlen(text.data()) != length)
            __builtin_trap();
        for (uint32_t i = Capacity; i < Capacity + Guard; ++i)
            if (text[i] != 'G')
                __builtin_trap();
        static auto tables = std::make_unique<KV_SnapshotTables>();
        KV_ParseSnapshotText(text.data(), length, tables.get());
        if (tables->diskCount > KV_SnapshotMaxDisks || tables->arrayCount > KV_SnapshotMaxArrays)
            __builtin_trap();
    }
    if (KVTL_LiveCount() != live)
        __builtin_trap(); // a device object or table outlived its handle
    return 0;
}
