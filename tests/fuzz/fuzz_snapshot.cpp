// Fuzz target: the snapshot parser over arbitrary text. It must never read
// past the text, write outside the tables, loop or leave a text field
// unterminated, whatever the lines say.
#include "kv_snapshot.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace {

template <size_t N> void checkText(const char (&field)[N])
{
    if (std::memchr(field, '\0', N) == nullptr)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static auto tables = std::make_unique<KV_SnapshotTables>();
    // An exact copy, so that a read past the end is caught.
    std::vector<char> text(data, data + size);
    KV_ParseSnapshotText(text.data(), text.size(), tables.get());

    const KV_SnapshotTables &t = *tables;
    if (t.controllerCount < 0 || t.controllerCount > KV_SnapshotMaxControllers || t.diskCount < 0 ||
        t.diskCount > KV_SnapshotMaxDisks || t.arrayCount < 0 ||
        t.arrayCount > KV_SnapshotMaxArrays || t.enclosureCount < 0 ||
        t.enclosureCount > KV_SnapshotMaxEnclosures)
        __builtin_trap();
    for (int i = 0; i < t.controllerCount; ++i) {
        checkText(t.controllers[i].coreBuild);
        checkText(t.controllers[i].name);
        checkText(t.controllers[i].biosBuild);
    }
    for (const KV_DiskRec &d : t.disks) {
        checkText(d.type);
        checkText(d.state);
        checkText(d.path);
        checkText(d.serialNumber);
        checkText(d.model);
        checkText(d.firmware);
        checkText(d.vendor);
    }
    for (int i = 0; i < t.arrayCount; ++i) {
        const KV_ArrayRec &a = t.arrays[i];
        if (a.halves < 1 || a.halves > 2)
            __builtin_trap();
        for (const KV_ArrayConfig &c : a.config) {
            if (c.linkCount < 0 || c.linkCount > KV_SnapshotMaxReferences)
                __builtin_trap();
            checkText(c.path);
            checkText(c.state);
            checkText(c.type);
            checkText(c.cache);
            checkText(c.transformType);
            checkText(c.transformState);
            checkText(c.deviceName);
            checkText(c.osDiskName);
            for (const KV_MemberRec &m : c.members)
                checkText(m.error);
        }
    }
    for (const KV_EnclosureRec &e : t.enclosures) {
        checkText(e.path);
        checkText(e.vendor);
        checkText(e.product);
        checkText(e.revision);
        checkText(e.serialNumber);
    }
    return 0;
}
