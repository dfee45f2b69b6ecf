#include "appearance.h"

#include <QFile>
#include <QFontDatabase>
#include <QSettings>

namespace KV_Appearance {

namespace {

const Choice &DefaultChoice(Setting setting)
{
    // Light theme, small icons, normal font, closing to the tray.
    const KV_Action action = setting == Setting::Theme         ? KV_Action::ThemeLight
                             : setting == Setting::IconSize    ? KV_Action::IconSmall
                             : setting == Setting::CloseToTray ? KV_Action::CloseToTray
                                                               : KV_Action::FontNormal;
    for (const Choice &choice : Choices)
        if (choice.action == action)
            return choice;
    return Choices[0];
}

QFont SegoeUi(int points)
{
    QFont font(QStringLiteral("Segoe UI"), points, 400);
    // Where "Segoe UI" is not installed, the platform's sans serif stands in.
    font.setStyleHint(QFont::SansSerif);
    font.setFamilies({QStringLiteral("Segoe UI"),
                      QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()});
    return font;
}

} // namespace

QString Key(Setting setting)
{
    switch (setting) {
    case Setting::Theme:
        return QStringLiteral("ApplicationTheme");
    case Setting::IconSize:
        return QStringLiteral("ApplicationIconSize");
    case Setting::CloseToTray:
        return QStringLiteral("CloseToTray");
    case Setting::FontSize:
        break;
    }
    return QStringLiteral("ApplicationFontSize");
}

QString Stored(Setting setting)
{
    return QSettings()
        .value(Key(setting), QString::fromLatin1(DefaultChoice(setting).value))
        .toString();
}

void Store(Setting setting, const QString &value)
{
    QSettings().setValue(Key(setting), value);
}

KV_Action ActionFor(Setting setting, const QString &value)
{
    for (const Choice &choice : Choices)
        if (choice.setting == setting && value == QLatin1String(choice.value))
            return choice.action;
    return DefaultChoice(setting).action;
}

bool IsDark(const QString &theme)
{
    return theme == u"dark";
}

QString LightStyleSheet()
{
    return QStringLiteral(
        "QMenu {background-color:#009966; color:white} QMenu::item:selected "
        "{background:#484848} QMenu::item:disabled {background:grey} QMenuBar "
        "{background-color:#009966; color:white} QMenuBar::item:selected {background:#484848} "
        " QTreeWidget{background-color:#eae7dc; alternate-background-color: #e2dfd3} QDialog "
        "{background:#e2dfd3}");
}

QString StyleSheet(const QString &theme)
{
    if (!IsDark(theme))
        return LightStyleSheet();
    QFile sheet(QStringLiteral(":/style/style/DarkStyleSheet.qss"));
    if (!sheet.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(sheet.readAll());
}

QSize IconSize(const QString &value)
{
    return value == u"largeIcons" ? QSize(48, 48) : QSize(24, 24);
}

Fonts FontsFor(const QString &value)
{
    if (value == u"smallFont")
        return {SegoeUi(8), SegoeUi(9)};
    if (value == u"largeFont")
        return {SegoeUi(12), SegoeUi(13)};
    return {SegoeUi(10), SegoeUi(11)};
}

} // namespace KV_Appearance
