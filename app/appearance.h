// The window's appearance settings (colour theme, icon size, font size) and
// whether closing the window keeps the console watching from the tray: their
// settings keys, the values each menu entry stores, and what a
// value means. Reading and storing go through this one table, so that a
// stored choice is always read back as the same choice.
#pragma once

#include "window_actions.h"

#include <QFont>
#include <QSize>
#include <QString>

namespace KV_Appearance {

enum class Setting { Theme, IconSize, FontSize, CloseToTray };

struct Choice {
    Setting setting;
    KV_Action action; // the menu entry that stores it
    const char *value;
};

// In menu order within each setting.
inline constexpr Choice Choices[] = {
    {Setting::Theme, KV_Action::ThemeDark, "dark"},
    {Setting::Theme, KV_Action::ThemeLight, "light"},
    {Setting::IconSize, KV_Action::IconSmall, "smallIcons"},
    {Setting::IconSize, KV_Action::IconLarge, "largeIcons"},
    {Setting::FontSize, KV_Action::FontSmall, "smallFont"},
    {Setting::FontSize, KV_Action::FontNormal, "normalFont"},
    {Setting::FontSize, KV_Action::FontLarge, "largeFont"},
    // A checkable entry: "true" when checked, "false" when not. It counts
    // only where the desktop has a tray.
    {Setting::CloseToTray, KV_Action::CloseToTray, "true"},
};

QString Key(Setting setting);

// The stored value, or the setting's default when none is stored.
QString Stored(Setting setting);
void Store(Setting setting, const QString &value);

// The entry that shows `value` as chosen: the setting's default entry for
// a value the table does not know.
KV_Action ActionFor(Setting setting, const QString &value);

// "dark" is the dark theme; every other value the light one.
bool IsDark(const QString &theme);
// The light theme's style sheet, and the one of `theme`: the dark sheet
// from the resources (empty when it is missing).
QString LightStyleSheet();
QString StyleSheet(const QString &theme);

// 48 x 48 for "largeIcons", else 24 x 24.
QSize IconSize(const QString &value);

// The lists' and the menu bar's fonts for a font-size value: 8 and 9 pt for
// "smallFont", 12 and 13 pt for "largeFont", else 10 and 11 pt; "Segoe UI"
// at weight 400, or the platform's sans serif where it is missing.
struct Fonts {
    QFont list;
    QFont menuBar;
};
Fonts FontsFor(const QString &value);

} // namespace KV_Appearance
