// Start-up: the language choice and its catalogues, the event language, the
// data folder, the driver check and its texts, the licence gate and the
// single-instance hand-over.
#include "eula_dialog.h"
#include "single_instance.h"
#include "startup.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <set>
#include <thread>
#include <unistd.h>

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        KV_Startup::SetApplicationIdentity();
    }
    void init() { QSettings().clear(); }

    void identity()
    {
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Velmora"));
        QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("OXV"));
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("9.5.0-00201"));
    }

    // External tools find the version between the build record's markers.
    void buildRecordInBinary()
    {
        QFile binary(QCoreApplication::applicationFilePath());
        QVERIFY(binary.open(QIODevice::ReadOnly));
        const QByteArray record("KVBNBGN\0"
                                "9.5.0-00201\0"
                                "KVBNEND\0"
                                "05/20/2026\0",
                                39);
        QVERIFY(binary.readAll().contains(record));
    }

    void eventLanguageIndex_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("index");
        QTest::addRow("English") << "en" << 0;
        QTest::addRow("French") << "fr" << 4;
        QTest::addRow("German") << "de" << 5;
        QTest::addRow("Hong Kong") << "zh_HK" << 22;
        QTest::addRow("Norwegian") << "no" << 26;
        QTest::addRow("Ukrainian, the last") << "uk_UA" << 35;
        QTest::addRow("not listed") << "xx" << 0;
        QTest::addRow("case matters") << "FR" << 0;
        QTest::addRow("country matters") << "de_DE" << 0;
        QTest::addRow("empty") << "" << 0;
    }
    void eventLanguageIndex()
    {
        QFETCH(QString, code);
        QFETCH(int, index);
        QCOMPARE(KV_Startup::EventLanguageIndex(code), index);
    }

    // Every language of the event table has its catalogue in the resources,
    // under the name start-up builds from the language's English name.
    void everyLanguageHasItsCatalogue()
    {
        const char *codes[] = {"en",    "zh_CN", "zh_TW", "nl_NL", "fr",    "de", "pt_BR", "it_IT",
                               "ja",    "ko_KR", "ru_RU", "es_ES", "sv_SE", "ar", "bg_BG", "hr_HR",
                               "cs_CZ", "da_DK", "et_EE", "fi_FI", "el_GR", "he", "zh_HK", "hu_HU",
                               "lv_LV", "lt_LT", "no",    "pl",    "pt_PT", "ro", "sr",    "sk",
                               "sl",    "th",    "tr_TR", "uk_UA"};
        std::set<int> indices;
        for (const char *code : codes) {
            const QString c = QString::fromLatin1(code);
            const QString file = KV_Startup::TranslationFileName(
                QLocale::languageToString(QLocale(c).language()), c);
            QVERIFY2(QFile::exists(file), qPrintable(file));
            QTranslator translator;
            QVERIFY2(translator.load(file), qPrintable(file));
            indices.insert(KV_Startup::EventLanguageIndex(c));
        }
        QCOMPARE(int(indices.size()), 36);
        QCOMPARE(KV_Startup::TranslationFileName(QStringLiteral("German"), QStringLiteral("de")),
                 QStringLiteral(":/translations/languages/Tessarine_German_de.qm"));
    }

    // German is complete: every text of the sources has its translation.
    void germanComplete()
    {
        QFile catalogue(QStringLiteral(VELMORA_TRANSLATIONS "/Tessarine_German_de.ts"));
        QVERIFY(catalogue.open(QIODevice::ReadOnly));
        const QByteArray text = catalogue.readAll();
        QVERIFY(text.count("<message>") > 100);
        QCOMPARE(text.count("type=\"unfinished\""), 0);
        QCOMPARE(text.count("type=\"vanished\"") + text.count("type=\"obsolete\""), 0);
    }

    void installTranslation_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("storedAfter");
        QTest::addColumn<QString>("fileMenu");
        QTest::addRow("stored German") << "de"
                                       << "fr"
                                       << "de"
                                       << "&Datei";
        QTest::addRow("stored, no catalogue") << "xx"
                                              << "de"
                                              << "xx"
                                              << "&File";
        QTest::addRow("first run, German system") << ""
                                                  << "de"
                                                  << "de"
                                                  << "&Datei";
        QTest::addRow("first run, no catalogue") << ""
                                                 << "pt-BR"
                                                 << "en"
                                                 << "&File";
        QTest::addRow("first run, English system") << ""
                                                   << "en"
                                                   << "en"
                                                   << "&File";
    }
    void installTranslation()
    {
        QFETCH(QString, stored);
        QFETCH(QString, system);
        QFETCH(QString, storedAfter);
        QFETCH(QString, fileMenu);
        QSettings settings;
        if (!stored.isEmpty())
            settings.setValue("ApplicationLanguage", stored);
        QTranslator translator;
        KV_Startup::InstallTranslation(*qApp, translator, settings, system);
        QCOMPARE(settings.value("ApplicationLanguage").toString(), storedAfter);
        QCOMPARE(QCoreApplication::translate("KV_MainWindow", "&File"), fileMenu);
        QCoreApplication::removeTranslator(&translator);
    }

    // Any copy but the installed one keeps its files in the sub-folder
    // Velmora of the temporary-files location, made when missing.
    void dataFolder()
    {
        QTemporaryDir temp;
        qputenv("TMPDIR", temp.path().toLocal8Bit());
        const QString path = KV_Startup::DataFilePath(QStringLiteral("/opt/velmora"),
                                                      QStringLiteral("EventsLog.xml"));
        QCOMPARE(path, temp.path() + "/Velmora/EventsLog.xml");
        QVERIFY(QDir(temp.path() + "/Velmora").exists());
        qunsetenv("TMPDIR");
    }

    void driverCheck_data()
    {
        QTest::addColumn<QStringList>("loaded");
        QTest::addColumn<int>("presence");
        using P = KV_Startup::DriverPresence;
        QTest::addRow("all three")
            << QStringList{"kvraid.sys", "kvcfg.sys", "kvbottom.sys"} << int(P::Present);
        QTest::addRow("configuration driver alone") << QStringList{"kvcfg.sys"} << int(P::Present);
        QTest::addRow("no configuration driver")
            << QStringList{"ntoskrnl.exe", "kvraid.sys"} << int(P::ConfigDriverMissing);
        QTest::addRow("bottom driver only")
            << QStringList{"kvbottom.sys"} << int(P::ConfigDriverMissing);
        QTest::addRow("names are exact")
            << QStringList{"KVCFG.SYS", "kvraid"} << int(P::AllMissing);
        QTest::addRow("none") << QStringList{} << int(P::AllMissing);
    }
    void driverCheck()
    {
        QFETCH(QStringList, loaded);
        QFETCH(int, presence);
        QCOMPARE(int(KV_Startup::CheckDrivers(
                     [&](const QString &name) { return loaded.contains(name); })),
                 presence);
    }

    void displayAvailable_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("x11");
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<bool>("available");
        QTest::addRow("default, nothing") << ""
                                          << ""
                                          << "" << false;
        QTest::addRow("default, X11") << ""
                                      << ":0"
                                      << "" << true;
        QTest::addRow("default, Wayland") << ""
                                          << ""
                                          << "wayland-0" << true;
        QTest::addRow("xcb without X11") << "xcb"
                                         << ""
                                         << "wayland-0" << false;
        QTest::addRow("xcb with options") << "xcb:nograb"
                                          << ":1"
                                          << "" << true;
        QTest::addRow("wayland without it") << "wayland-egl"
                                            << ":0"
                                            << "" << false;
        QTest::addRow("list, second fits") << "wayland;xcb"
                                           << ":0"
                                           << "" << true;
        QTest::addRow("offscreen") << "offscreen"
                                   << ""
                                   << "" << true;
    }
    void displayAvailable()
    {
        QFETCH(QString, platform);
        QFETCH(QString, x11);
        QFETCH(QString, wayland);
        QFETCH(bool, available);
        QCOMPARE(KV_Startup::DisplayAvailable(platform, x11, wayland), available);
    }

    void fixedTexts()
    {
        using P = KV_Startup::DriverPresence;
        QCOMPARE(KV_Startup::DriverMessage(P::ConfigDriverMissing),
                 QStringLiteral("Unable to find kvcfg RAID driver, please ensure all required "
                                "RAID drivers are installed or the application will not be "
                                "functional."));
        QCOMPARE(KV_Startup::DriverMessage(P::AllMissing),
                 QStringLiteral("Unable to find the OXV RAID drivers, please confirm your BIOS "
                                "settings have RAID enabled.\n\nIf running AHCI/Native mode, "
                                "nothing needs to be done. Exiting application."));
        QCOMPARE(KV_Startup::PrivilegeNotice(),
                 QStringLiteral("<b>Please run application as Administrator.</b><br><br>While "
                                "running this application at your current user privileges you "
                                "will not be able to:<br>  (1) Perform destructive "
                                "commands.<br>  (2) View array partitions and system array "
                                "information."));
    }

    // Escape and other keys leave the agreement open; Return on Accept
    // stores the acceptance and closes it.
    void licenceGate()
    {
        QPointer<kv_EULA_Dialog> dialog = new kv_EULA_Dialog(nullptr);
        QSignalSpy accepted(dialog, &kv_EULA_Dialog::eulaAccepted);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("End User License Agreement"));
        QVERIFY(!(dialog->windowFlags() & Qt::WindowMinimizeButtonHint));
        auto *accept = dialog->findChild<QPushButton *>();
        QVERIFY(accept && accept->isDefault());
        QTest::keyClick(dialog, Qt::Key_Escape);
        QTest::keyClick(dialog, Qt::Key_Q, Qt::AltModifier);
        QVERIFY(dialog->isVisible());
        QVERIFY(!QSettings().value("EULA_Accepted").toBool());
        accept->setFocus();
        QTest::keyClick(accept, Qt::Key_Return);
        QCOMPARE(accepted.count(), 1);
        QVERIFY(QSettings().value("EULA_Accepted").toBool());
        QVERIFY(!dialog || !dialog->isVisible());
        QTRY_VERIFY(dialog.isNull());
    }

    // The name follows the user id, whatever the environment says.
    void singleInstanceName()
    {
        const QByteArray user = qgetenv("USER");
        qputenv("USER", "somebody-else");
        const QString named = KV_SingleInstance::NameForUser("Velmora");
        qunsetenv("USER");
        const QString unnamed = KV_SingleInstance::NameForUser("Velmora");
        qputenv("USER", user);
        QCOMPARE(named, unnamed);
        QCOMPARE(named, QStringLiteral("Velmora-%1").arg(::getuid()));
    }

    // A second start finds the first, asks it to come forward and does not
    // claim the name itself.
    void singleInstance()
    {
        const QString name =
            QStringLiteral("velmora-test-%1").arg(QCoreApplication::applicationPid());
        KV_SingleInstance first(name);
        QVERIFY(first.claim());
        QSignalSpy raised(&first, &KV_SingleInstance::raiseRequested);
        bool secondClaimed = true;
        std::thread second([&] {
            KV_SingleInstance other(name);
            secondClaimed = other.claim();
        });
        QTRY_COMPARE(raised.count(), 1);
        second.join();
        QVERIFY(!secondClaimed);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
