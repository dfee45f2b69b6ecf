#include "startup.h"

#include "kv_app_log.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace KV_Startup {

namespace {

// Consecutive zero-terminated strings: begin marker, version, end marker and
// build date, kept together (and kept at all, though the program reads only
// the version) so that a search of the binary finds them.
[[gnu::used]] constexpr char BuildRecord[] = "KVBNBGN\0"
                                             "9.5.0-00201\0"
                                             "KVBNEND\0"
                                             "05/20/2026";
static_assert(sizeof(BuildRecord) == 8 + 12 + 8 + 11);

const struct {
    const char *code;
    int index;
} EventLanguages[] = {
    {"en", 0},     {"zh_CN", 1},  {"zh_TW", 2},  {"nl_NL", 3},  {"fr", 4},     {"de", 5},
    {"pt_BR", 6},  {"it_IT", 7},  {"ja", 8},     {"ko_KR", 9},  {"ru_RU", 10}, {"es_ES", 11},
    {"sv_SE", 12}, {"ar", 13},    {"bg_BG", 14}, {"hr_HR", 15}, {"cs_CZ", 16}, {"da_DK", 17},
    {"et_EE", 18}, {"fi_FI", 19}, {"el_GR", 20}, {"he", 21},    {"zh_HK", 22}, {"hu_HU", 23},
    {"lv_LV", 24}, {"lt_LT", 25}, {"no", 26},    {"pl", 27},    {"pt_PT", 28}, {"ro", 29},
    {"sr", 30},    {"sk", 31},    {"sl", 32},    {"th", 33},    {"tr_TR", 34}, {"uk_UA", 35},
};

// Qt lays the application out by the translation of this text: "RTL" in the
// catalogues of right-to-left languages (Arabic, Hebrew), "LTR" in the others.
// Installing a translator applies it to the application's layout direction.
[[maybe_unused]] constexpr char LayoutDirectionText[] =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

bool loadTranslation(QTranslator &translator, const QString &code)
{
    const QString name = QLocale::languageToString(QLocale(code).language());
    return translator.load(TranslationFileName(name, code));
}

} // namespace

QString BuildRecordVersion()
{
    const char *version = BuildRecord + sizeof("KVBNBGN");
    return QString::fromLatin1(version);
}

void SetApplicationIdentity()
{
    QCoreApplication::setApplicationName(QString::fromLatin1(ApplicationName));
    QCoreApplication::setOrganizationName(QString::fromLatin1(OrganizationName));
    QCoreApplication::setOrganizationDomain(QString::fromLatin1(OrganizationDomain));
    QCoreApplication::setApplicationVersion(BuildRecordVersion());
}

void ReturnLargeBlocksToTheSystem()
{
#ifdef __GLIBC__
    // The C library would otherwise raise its threshold for mapping a block
    // of its own to the largest block freed so far, after which every
    // refresh's 3 MB snapshot and 1 MB work buffer come from the heap of the
    // refresh's thread and stay resident there, one heap per thread that
    // ever refreshed. A fixed threshold keeps them mapped apart: returned
    // whole when freed, and never written where the refresh does not write.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
}

QString TranslationFileName(const QString &languageName, const QString &code)
{
    return QStringLiteral("%1%2%3_%4.qm")
        .arg(QStringLiteral(":/translations/languages/"), QStringLiteral("Tessarine_"),
             languageName, code);
}

QString InstallTranslation(QCoreApplication &app, QTranslator &translator, QSettings &settings,
                           const QString &systemLocaleName)
{
    const QString stored = settings.value(QStringLiteral("ApplicationLanguage")).toString();
    if (!stored.isEmpty()) {
        if (loadTranslation(translator, stored))
            app.installTranslator(&translator);
        return stored;
    }
    if (loadTranslation(translator, systemLocaleName)) {
        app.installTranslator(&translator);
        settings.setValue(QStringLiteral("ApplicationLanguage"), systemLocaleName);
        return systemLocaleName;
    }
    settings.setValue(QStringLiteral("ApplicationLanguage"), QStringLiteral("en"));
    return QStringLiteral("en");
}

bool DisplayAvailable(const QString &platform, const QString &x11Display,
                      const QString &waylandDisplay)
{
    const QStringList names = platform.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (names.isEmpty())
        return !x11Display.isEmpty() || !waylandDisplay.isEmpty();
    for (const QString &entry : names) {
        // Options follow the name after a colon ("xcb:nograb").
        const QString name = entry.section(QLatin1Char(':'), 0, 0).trimmed();
        if (name == QLatin1String("xcb")) {
            if (!x11Display.isEmpty())
                return true;
        } else if (name.startsWith(QLatin1String("wayland"))) {
            if (!waylandDisplay.isEmpty())
                return true;
        } else {
            return true;
        }
    }
    return false;
}

QString NoDisplayMessage()
{
    return QCoreApplication::translate(
        "KV_Startup", "Velmora: no display to open the window on (neither DISPLAY nor "
                      "WAYLAND_DISPLAY is set); velmora-cli gives the console's commands in a "
                      "terminal.");
}

int EventLanguageIndex(const QString &code)
{
    for (const auto &language : EventLanguages) {
        if (code == QLatin1String(language.code))
            return language.index;
    }
    return 0;
}

QString DataFilePath(const QString &applicationDir, const QString &fileName)
{
    const QString folder =
        KV_PrepareDataFolder(applicationDir, QString::fromLatin1(ApplicationName));
    // A refused folder gives no path, so that nothing is written anywhere.
    return folder.isEmpty() ? QString() : QDir(folder).absoluteFilePath(fileName);
}

DriverPresence CheckDrivers(const std::function<bool(const QString &)> &isLoaded)
{
    if (isLoaded(QStringLiteral("kvcfg.sys")))
        return DriverPresence::Present;
    if (isLoaded(QStringLiteral("kvraid.sys")) || isLoaded(QStringLiteral("kvbottom.sys")))
        return DriverPresence::ConfigDriverMissing;
    return DriverPresence::AllMissing;
}

QString DriverMessage(DriverPresence presence)
{
    switch (presence) {
    case DriverPresence::ConfigDriverMissing:
        return QCoreApplication::translate(
            "KV_MainWindow", "Unable to find kvcfg RAID driver, please ensure all required RAID "
                             "drivers are installed or the application will not be functional.");
    case DriverPresence::AllMissing:
        return QCoreApplication::translate(
            "KV_MainWindow",
            "Unable to find the OXV RAID drivers, please confirm your BIOS settings have RAID "
            "enabled.\n\nIf running AHCI/Native mode, nothing needs to be done. Exiting "
            "application.");
    case DriverPresence::Present:
        break;
    }
    return {};
}

QString PrivilegeNotice()
{
    return QStringLiteral("<b>") +
           QCoreApplication::translate("KV_MainWindow",
                                       "Please run application as Administrator.") +
           QStringLiteral("</b><br><br>") +
           QCoreApplication::translate("KV_MainWindow", "While running this application at your "
                                                        "current user privileges you will not be "
                                                        "able to:") +
           QStringLiteral("<br>") +
           QCoreApplication::translate("KV_MainWindow", "  (1) Perform destructive commands.") +
           QStringLiteral("<br>") +
           QCoreApplication::translate("KV_MainWindow",
                                       "  (2) View array partitions and system array information.");
}

} // namespace KV_Startup
