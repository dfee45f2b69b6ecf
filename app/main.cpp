// Velmora's entry point: one console per user, the user's language, and the
// main window until it closes.
#include "eula_dialog.h"
#include "kv_raid_api.h"
#include "main_window.h"
#include "single_instance.h"
#include "startup.h"

#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <cstdio>

int main(int argc, char *argv[])
{
    KV_Startup::ReturnLargeBlocksToTheSystem();
    // Without a display Qt would abort: say so in one line instead.
    if (!KV_Startup::DisplayAvailable(qEnvironmentVariable("QT_QPA_PLATFORM"),
                                      qEnvironmentVariable("DISPLAY"),
                                      qEnvironmentVariable("WAYLAND_DISPLAY"))) {
        QCoreApplication core(argc, argv);
        KV_Startup::SetApplicationIdentity();
        QTranslator translator;
        QSettings settings;
        KV_Startup::InstallTranslation(core, translator, settings, QLocale::system().bcp47Name());
        std::fprintf(stderr, "%s\n", qPrintable(KV_Startup::NoDisplayMessage()));
        return 1;
    }

    QApplication app(argc, argv);
    KV_RegisterServiceTypes();
    KV_Startup::SetApplicationIdentity();

    // A second start hands over to the first and ends quietly.
    KV_SingleInstance instance(
        KV_SingleInstance::NameForUser(QString::fromLatin1(KV_Startup::ApplicationName)));
    if (!instance.claim())
        return 0;

    QTranslator translator;
    QSettings settings;
    KV_Startup::InstallTranslation(app, translator, settings, QLocale::system().bcp47Name());

    KV_MainWindow window;
    QObject::connect(&instance, &KV_SingleInstance::raiseRequested, &window,
                     [&window] { KV_BringToFront(&window); });
    window.show();
    if (!settings.value(QStringLiteral("EULA_Accepted")).toBool())
        window.showEula(false);
    return app.exec();
}
