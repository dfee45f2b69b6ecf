// The 36 catalogues: every text translated and finished, the pieces that are
// composed with others still composable, each catalogue loaded the way
// start-up loads it, the layout direction it carries applied, and the
// accelerators of the translated menus unique within each menu.
#include "demo_config.h"
#include "emulator.h"
#include "kv_inprocess_platform.h"
#include "kv_raid_api.h"
#include "main_window.h"
#include "startup.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <memory>

namespace {

const char *const Codes[] = {"en",    "zh_CN", "zh_TW", "nl_NL", "fr",    "de", "pt_BR", "it_IT",
                             "ja",    "ko_KR", "ru_RU", "es_ES", "sv_SE", "ar", "bg_BG", "hr_HR",
                             "cs_CZ", "da_DK", "et_EE", "fi_FI", "el_GR", "he", "zh_HK", "hu_HU",
                             "lv_LV", "lt_LT", "no",    "pl",    "pt_PT", "ro", "sr",    "sk",
                             "sl",    "th",    "tr_TR", "uk_UA"};

// Texts that a translation may leave as they are: in every language, and the
// words a language shares with English.
const QStringList SameEverywhere = {
    "#",      "CTS",    "EULA",       "&EULA",       "OK",         "Trim",
    "Trim:",  "MB",     "64 KB",      "128 KB",      "256 KB",     "%1 %",
    "%1, %2", "%1; %2", "%1: %2, %3", "kvraid.sys:", "kvcfg.sys:", "kvbottom.sys:"};
const QHash<QString, QStringList> SameInLanguage = {
    {"cs_CZ",
     {"Disk %1", "&Disk", "Disk", "Disk ", "Disk: ", "Model", "OFFLINE", "Offline", "Slot",
      "Text"}},
    {"da_DK", {"Array %1",      "Array %1 %2", "Disk %1", "&Array",    "&Disk",  "Array ", "Bus",
               "CACHE OFFLINE", "Cache",       "Disk",    "Disk ",     "Disk: ", "Model",  "NORMAL",
               "Normal",        "OFFLINE",     "Offline", "Partition", "Pause",  "Slot",   "Start",
               "Stop",          "System",      "Type",    "Type:"}},
    {"de",
     {"Volume  (JBOD)", "RAID 0  (Stripe)", "Dialog", "Array %1", "Array %1 %2", "NORMAL",
      "OFFLINE", "CACHE OFFLINE", "Offline", "&Name", "Array ", "Cache", "Normal", "&Support",
      "System", "Partition", "Text", "Slot", "Bus"}},
    {"es_ES", {"Bus", "Error", "Host: ", "NORMAL", "No", "Normal"}},
    {"et_EE", {"Host: ", "Number"}},
    {"fr",
     {"Source", "Destination", " (Destination)", " (Source)", "&Options", "Options", "Bus", "Cache",
      "Date", "Fatal", "NORMAL", "Partition", "Pri", "Type", "Volume  (JBOD)"}},
    {"hr_HR", {"Disk %1", "Disk", "Disk ", "Disk: ", "Model"}},
    {"hu_HU", {"OFFLINE", "Offline"}},
    {"it_IT",
     {"Array %1", "Array %1 %2", "&Array", "&File", "Array ", "Bus", "CACHE OFFLINE", "Cache",
      "Host: ", "No", "OFFLINE", "Offline", "Pri", "Slot", "Volume  (JBOD)"}},
    {"ja", {"GS"}},
    {"nl_NL",
     {"Array %1", "Array %1 %2", "%1 is offline", "%1 is %2", "&Array", "&Help", "Array ", "Bus",
      "CACHE OFFLINE", "Cache", "Controllers", "Host: ", "Model", "OFFLINE", "Offline", "Scan",
      "Type", "Type:", "Volume  (JBOD)"}},
    {"no",
     {"Array %1", "Array %1 %2", "Disk %1", "&Array", "&Disk", "Array ", "Disk", "Disk ",
      "Disk: ", "NORMAL", "Normal", "Pause", "Start", "System", "Type", "Type:"}},
    {"pl", {"Host: ", "Model", "OFFLINE", "Offline", "System"}},
    {"pt_BR", {"Cache", "Fatal", "Host: ", "NORMAL", "Normal", "Slot", "Volume  (JBOD)"}},
    {"pt_PT",
     {"CACHE OFFLINE", "Cache", "Fatal", "Host: ", "NORMAL", "Normal", "OFFLINE", "Offline", "Slot",
      "Volume  (JBOD)"}},
    {"ro",
     {"Dialog", "Accept", "CACHE OFFLINE", "Cache", "Fatal", "Model", "Normal", "OFFLINE",
      "Offline", "Slot", "Text"}},
    {"sk",
     {"Disk %1", "&Disk", "Disk", "Disk ", "Disk: ", "Model", "OFFLINE", "Offline", "Slot",
      "Text"}},
    {"sl", {"Disk %1", "Disk", "Disk ", "Disk: ", "Model"}},
    {"sr", {"Disk %1", "Disk", "Disk ", "Disk: ", "Model", "Slot"}},
    {"sv_SE",
     {"Array %1", "Array %1 %2", "Disk %1", "&Disk", "Array ", "Cache", "Disk", "Disk ",
      "Disk: ", "NORMAL", "Normal", "Partition", "System", "Text"}},
    {"tr_TR", {"Disk %1", "Disk", "Disk ", "Disk: ", "Model", "NORMAL", "Normal"}},
};

struct Message {
    QString context;
    QString source;
    QString translation;
    bool finished = true;
    QStringList forms;
};

QList<Message> readCatalogue(const QString &path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message *message = nullptr;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::EndElement && xml.name() == u"message")
            message = nullptr;
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.append(Message{context, {}, {}, true, {}});
            message = &messages.last();
        } else if (message && xml.name() == u"source") {
            message->source = xml.readElementText();
        } else if (message && xml.name() == u"translation") {
            message->finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            // A text with a count holds one form per plural of the language.
            while (
                !(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == u"translation") &&
                !xml.atEnd()) {
                if (xml.isCharacters() && message->forms.isEmpty())
                    message->translation += xml.text();
                else if (xml.isStartElement() && xml.name() == u"numerusform")
                    message->forms.append(xml.readElementText());
            }
            if (!message->forms.isEmpty())
                message->translation = message->forms.join(QLatin1Char('\n'));
        }
    }
    return xml.hasError() ? QList<Message>() : messages;
}

QStringList matches(const QString &text, const QRegularExpression &pattern)
{
    QStringList found;
    for (const QRegularExpressionMatch &m : pattern.globalMatch(text))
        found.append(m.captured());
    found.sort();
    return found;
}

// Placeholders %1..%99 and %n, and rich-text tags.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%(\\d+|n)"));
    return matches(text, pattern);
}
QStringList tags(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("</?[a-zA-Z][^>]*>"));
    return matches(text, pattern);
}
// The blanks at both ends, which join a piece to the text around it.
QString edges(const QString &text)
{
    static const QRegularExpression lead(QStringLiteral("^\\s*"));
    static const QRegularExpression trail(QStringLiteral("\\s*$"));
    return lead.match(text).captured() + QLatin1Char('|') + trail.match(text).captured();
}
// The accelerator letters of a text ("&&" is a literal ampersand).
QString accelerators(const QString &text)
{
    QString keys;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            keys.append(text[i + 1].toUpper());
        ++i;
    }
    return keys;
}

// Lists the menus (the menu bar and every menu under it) in which two
// entries share an accelerator.
void clashingMenus(const QString &title, const QList<QAction *> &actions, QStringList &clashes)
{
    QHash<QString, QString> taken;
    for (QAction *action : actions) {
        const QString key = accelerators(action->text());
        if (!key.isEmpty()) {
            if (taken.contains(key))
                clashes.append(title + ": " + taken[key] + " / " + action->text());
            taken.insert(key, action->text());
        }
        if (action->menu())
            clashingMenus(action->text(), action->menu()->actions(), clashes);
    }
}

} // namespace

class TestCatalogues : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        KV_Startup::SetApplicationIdentity();
        KV_RegisterServiceTypes();
        kv::setPlatform(
            std::make_shared<kvemu::InProcessPlatform>(std::make_shared<kvemu::Emulator>(
                kvemu::StoredState{kvemu::demoModel(), kvemu::demoModel()},
                std::make_shared<kvemu::ManualClock>())));
    }
    void cleanupTestCase() { kv::setPlatform(nullptr); }

    void catalogue_data()
    {
        QTest::addColumn<QString>("code");
        for (const char *code : Codes)
            QTest::newRow(code) << QString::fromLatin1(code);
    }
    void catalogue()
    {
        QFETCH(QString, code);
        const QString name = QLocale::languageToString(QLocale(code).language());
        const QList<Message> messages = readCatalogue(
            QStringLiteral(VELMORA_TRANSLATIONS "/Tessarine_%1_%2.ts").arg(name, code));
        QVERIFY(messages.size() > 100);

        // English is the sources' own language: its catalogue needs no text.
        QStringList faults;
        const QStringList same = SameEverywhere + SameInLanguage.value(code);
        for (const Message &m : messages) {
            if (code == QLatin1String("en"))
                break;
            const QString source = m.source.left(40);
            if (!m.finished || m.translation.isEmpty()) {
                faults.append("not translated: " + source);
                continue;
            }
            if (m.translation == m.source && !same.contains(m.source))
                faults.append("same as English: " + source);
            if (!m.forms.isEmpty()) {
                // Each plural form keeps the numbered placeholders; the count
                // appears in at least one of them.
                QStringList numbered = placeholders(m.source);
                numbered.removeAll(QStringLiteral("%n"));
                for (const QString &form : m.forms) {
                    QStringList found = placeholders(form);
                    found.removeAll(QStringLiteral("%n"));
                    if (form.isEmpty() || found != numbered || edges(form) != edges(m.source))
                        faults.append("plural form: " + source);
                }
                if (!m.translation.contains(QLatin1String("%n")))
                    faults.append("count: " + source);
                continue;
            }
            if (placeholders(m.translation) != placeholders(m.source))
                faults.append("placeholders: " + source);
            if (tags(m.translation) != tags(m.source))
                faults.append("markup: " + source);
            if (edges(m.translation) != edges(m.source))
                faults.append("blanks at the ends: " + source);
            if (accelerators(m.translation).size() != accelerators(m.source).size())
                faults.append("accelerator: " + source);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(QString::number(faults.size()) + " faults, first " +
                                              faults.mid(0, 10).join(QLatin1String("; "))));

        // Loaded through start-up: the window speaks the language, in its
        // direction, with one accelerator per letter in every menu.
        QSettings settings;
        settings.setValue("ApplicationLanguage", code);
        QTranslator translator;
        QCOMPARE(KV_Startup::InstallTranslation(*qApp, translator, settings, QString()), code);
        const auto fileMenu = std::find_if(messages.begin(), messages.end(), [](const Message &m) {
            return m.source == QLatin1String("&File");
        });
        QVERIFY(fileMenu != messages.end());
        QCOMPARE(QCoreApplication::translate("KV_MainWindow", "&File"),
                 code == QLatin1String("en") ? fileMenu->source : fileMenu->translation);
        const bool rightToLeft = code == QLatin1String("ar") || code == QLatin1String("he");
        QCOMPARE(QGuiApplication::layoutDirection(),
                 rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        {
            KV_MainWindow window;
            QTRY_VERIFY_WITH_TIMEOUT(!window.refreshInProgress(), 10000);
            QCOMPARE(window.isRightToLeft(), rightToLeft);
            QStringList clashes;
            clashingMenus(QStringLiteral("menu bar"), window.menuBar()->actions(), clashes);
            QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1String("; "))));
        }
        QCoreApplication::removeTranslator(&translator);
        settings.clear();
    }
};

QTEST_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
