#include "array_enablement.h"

#include "kv_create.h"

#include <initializer_list>

namespace {

using enum KV_Action;

// What a reset turns off: every action that needs a selected array.
constexpr KV_Action ArrayActions[] = {
    Transform,  RemoveSpares, SecureErase, Delete,     Name,         PrepareRemove, Hide,
    Identify,   TaskResume,   TaskPause,   TaskRemove, ScanStart,    ScanStop,      ScanMenu,
    CheckStart, CheckStop,    CheckMenu,   CacheMenu,  TaskPriority, TaskMenu,
};

constexpr KV_Action CacheEntries[] = {CacheNone, CacheRead, CacheWriteBack, CacheReadWriteBack};
constexpr const char *CacheModes[] = {"NC", "R", "W", "RW"};

class Builder {
public:
    void set(std::initializer_list<KV_Action> ids, bool on)
    {
        for (KV_Action id : ids)
            result.enabled.set(std::size_t(id), on);
    }
    void set(KV_Action id, bool on) { result.enabled.set(std::size_t(id), on); }
    void reset(const KV_EnablementInput &input)
    {
        for (KV_Action id : ArrayActions)
            set(id, false);
        set(Initialize, input.anyEligibleDisk);
        set(ClearMetadata, input.anyEligiblePhysicalDisk);
    }

    KV_Enablement result;
};

void applySelected(Builder &b, const KV_EnablementInput &input, const KV_ArrayFacts &a)
{
    const bool tierOrCache = a.type == u"RAIDTIER" || a.type == u"RAIDCACHE";
    const bool taskActive = a.task != u"NOT_ACTIVE";
    b.result.offerUnhide = a.hidden;
    b.set({Delete, CheckMenu, ScanMenu, TaskMenu, Identify}, true);
    if (tierOrCache) {
        b.set(Hide, !taskActive);
    } else {
        b.set({CheckStart, CheckMenu}, true);
        b.set(CheckStop, false);
        b.set(ScanStart, !a.backgroundScan);
        b.set(ScanStop, a.backgroundScan);
        if (taskActive) {
            const bool paused = a.taskState == u"PAUSED";
            b.set({TaskPriority, TaskMenu, TaskRemove}, true);
            b.set(TaskResume, paused);
            b.set(TaskPause, !paused);
            if (a.task == u"CHECK") {
                b.set(CheckStart, false);
                b.set({CheckStop, CheckMenu}, true);
            } else {
                b.set(CheckMenu, false);
            }
            if (a.task == u"TRANSFORM")
                b.set(TaskRemove, false);
            b.set({Transform, RemoveSpares, Name, ScanMenu, CacheMenu}, false);
        } else {
            b.set({TaskResume, TaskPause, TaskRemove, TaskMenu}, false);
            b.set({Transform, SecureErase, Hide, PrepareRemove, Name}, true);
            b.set(RemoveSpares, a.dedicatedSpares > 0);
            b.set(CacheMenu, true);
            for (std::size_t i = 0; i < std::size(CacheModes); ++i)
                b.result.checked.set(std::size_t(CacheEntries[i]),
                                     a.cache == QLatin1String(CacheModes[i]));
        }
    }
    if (a.type == u"LEGACY")
        b.set({CheckMenu, CheckStart, CheckStop, RemoveSpares, Transform, SecureErase, CacheMenu},
              false);
    if (tierOrCache) {
        b.reset(input);
        b.set({ScanMenu, CheckMenu, CacheMenu, TaskMenu, PrepareRemove, Identify}, false);
        b.set({Name, Hide, Delete}, true);
    }
    if (a.holdsSystem)
        b.set({Delete, SecureErase, PrepareRemove, Hide}, false);
    if (!IsRedundantType(a.type))
        b.set({CheckMenu, CheckStart, CheckStop, RemoveSpares}, false);
    if (a.state == u"CRITICAL")
        b.set(CheckStart, false);
    if (a.state == u"OFFLINE")
        b.set({Transform, RemoveSpares, SecureErase, Name, PrepareRemove, Hide, Identify,
               TaskResume, TaskPause, TaskRemove, ScanStart, ScanStop, ScanMenu, CheckStart,
               CheckStop, CheckMenu, CacheMenu},
              false);
    if (a.sharesSystemDisk)
        b.set(PrepareRemove, false);
}

} // namespace

bool KV_EnablementDecides(KV_Action id)
{
    for (KV_Action decided : ArrayActions) {
        if (decided == id)
            return true;
    }
    return id == Initialize || id == ClearMetadata || id == DeleteMultiple;
}

KV_Enablement KV_ArrayEnablement(const KV_EnablementInput &input)
{
    Builder b;
    b.reset(input);
    b.set(DeleteMultiple, input.arrayCount > 1 && input.elevated);
    if (input.selected)
        applySelected(b, input, *input.selected);
    if (!input.elevated)
        b.set({DeleteMultiple, Delete, SecureErase, PrepareRemove, Hide}, false);
    return b.result;
}
