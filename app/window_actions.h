// The window's actions under stable identifiers: the window and its tests
// find an action by its identifier, never by its translated text.
#pragma once

#include <cstddef>

enum class KV_Action {
    // File
    Quit,
    // Array
    Create,
    Transform,
    CheckStart,
    CheckStop,
    ScanStart,
    ScanStop,
    CacheNone,
    CacheRead,
    CacheWriteBack,
    CacheReadWriteBack,
    TaskPriority,
    TaskResume,
    TaskPause,
    TaskRemove,
    Name,
    Hide,
    Identify,
    PrepareRemove,
    RemoveSpares,
    Delete,
    DeleteMultiple,
    SecureErase,
    // Disk
    Rescan,
    Initialize,
    ClearMetadata,
    Properties,
    SmartOverview,
    Options,
    // View
    Refresh,
    ApplicationLog,
    ViewControllers,
    EventView,
    ThemeDark,
    ThemeLight,
    IconSmall,
    IconLarge,
    FontSmall,
    FontNormal,
    FontLarge,
    CloseToTray,
    // Help
    About,
    UserGuide,
    Support,
    Eula,
    SupportBundle,
    // The submenus of the Array menu, by their menu actions.
    CheckMenu,
    ScanMenu,
    CacheMenu,
    TaskMenu,
};

inline constexpr std::size_t KV_ActionCount = std::size_t(KV_Action::TaskMenu) + 1;
