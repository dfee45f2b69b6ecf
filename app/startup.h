// What start-up decides before and while the main window sets itself up:
// the application's identity, the translation, the data folder, the log's
// first line, the event language and the driver presence check.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QCoreApplication;
class QSettings;
class QTranslator;

namespace KV_Startup {

inline constexpr char ApplicationName[] = "Velmora";
inline constexpr char OrganizationName[] = "OXV";
inline constexpr char OrganizationDomain[] = "oxv.example";
inline constexpr char ApplicationVersion[] = "9.5.0-00201";

// The version between the build record's markers, as external tools find it.
QString BuildRecordVersion();

void SetApplicationIdentity();

// Large blocks (the snapshot, the request and work buffers of every refresh)
// go back to the system when freed instead of staying with the heap of the
// refresh thread that freed them; called first thing in main().
void ReturnLargeBlocksToTheSystem();

// ":/translations/languages/Tessarine_<language>_<code>.qm".
QString TranslationFileName(const QString &languageName, const QString &code);

// Loads the translation of the stored language, or on the first run the
// system locale's, and stores the first run's choice ("en" when there is no
// translation for the system locale). Returns the code in effect.
QString InstallTranslation(QCoreApplication &app, QTranslator &translator, QSettings &settings,
                           const QString &systemLocaleName);

// Whether the window can open: the platform Qt is asked for (QT_QPA_PLATFORM,
// a list separated by ';' or empty for the default) has its display, X11's
// DISPLAY or Wayland's WAYLAND_DISPLAY. Other platforms (offscreen, vnc,
// eglfs) need none. Without one, Qt would end the program with an abort.
bool DisplayAvailable(const QString &platform, const QString &x11Display,
                      const QString &waylandDisplay);

// The one line said instead of the window when there is no display.
QString NoDisplayMessage();

// The event-language index of a language code; 0 for codes not listed.
int EventLanguageIndex(const QString &code);

// The path of `fileName` in the data folder, the application log's folder,
// which is created as needed; empty when that folder is refused.
QString DataFilePath(const QString &applicationDir, const QString &fileName);

// What the window says when it finds no arrays, by the loaded drivers.
enum class DriverPresence { Present, ConfigDriverMissing, AllMissing };
DriverPresence CheckDrivers(const std::function<bool(const QString &)> &isLoaded);
QString DriverMessage(DriverPresence presence);

// The notice shown instead of destructive commands to a user who is not an
// administrator.
QString PrivilegeNotice();

} // namespace KV_Startup
