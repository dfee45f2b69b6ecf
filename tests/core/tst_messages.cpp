// Event messages: the catalogue, translation with its inserts, trace
// records and the string cache, and KV_ApiGetUserMessage against a scripted
// host.
#include "kv_api_call.h"
#include "kv_messages.h"
#include "recording_platform.h"

#include <QRegularExpression>
#include <QTest>

#include <atomic>
#include <thread>

namespace um = kv::usermsg;
using test::put;

namespace {

struct Translated {
    QString text;
    int result;
    uint8_t kind;
};

Translated translate(KV_MessageTranslator &translator, uint32_t number,
                     std::array<uint32_t, 8> parameters = {}, uint32_t language = 0)
{
    char16_t text[KV_MessageTextLength + 1];
    uint8_t kind = 0xEE;
    const int result = translator.translate(number, language, parameters.data(), text, &kind);
    return {QString::fromUtf16(text), result, kind};
}

// A catalogue of one entry with `text` in English.
KV_MessageEntry entryOf(uint16_t number, const char16_t *text)
{
    KV_MessageEntry entry{number, KV_MessageKindWA, 0, {}};
    entry.text[0] = text;
    return entry;
}

// True when another thread can take the library's lock within a second.
bool lockIsFree()
{
    auto taken = std::make_shared<std::atomic<bool>>(false);
    std::thread([taken] {
        KV_CoreLock lock;
        *taken = true;
    }).detach();
    for (int i = 0; i < 100 && !*taken; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return *taken;
}

// Sleeps pass at once; each checks that the sleeper left the lock free.
class SleepingPlatform : public test::RecordingPlatform {
public:
    std::vector<uint32_t> slept;
    bool lockFreeWhileAsleep = true;
    void sleep(uint32_t milliseconds) override
    {
        slept.push_back(milliseconds);
        lockFreeWhileAsleep = lockFreeWhileAsleep && lockIsFree();
    }
};

// A user-message answer: `present` clear gives an answer without a message.
std::vector<uint8_t> answer(bool present, uint32_t next, uint16_t number = 0,
                            std::array<uint32_t, 8> parameters = {})
{
    std::vector<uint8_t> b(um::BlockSize, 0);
    put<uint32_t>(b, um::Present, present ? 1 : 0);
    put<uint32_t>(b, um::NextSequence, next);
    put<uint16_t>(b, um::Number, number);
    put<uint8_t>(b, um::Byte, 0x2a);
    put<uint32_t>(b, um::Record, 17);
    for (size_t i = 0; i < parameters.size(); ++i)
        put<uint32_t>(b, um::Parameters + 4 * i, parameters[i]);
    return b;
}

const QString Line1024 = "00017: [2a] (01024) IN - A check consistency task has completed on "
                         "Array 3. =END= (3)(0)(0)(0)(0)(0)(0)(-2)\n";

} // namespace

class TestMessages : public QObject {
    Q_OBJECT

    KV_CoreId core1{1, ".", "Core1"};
    std::shared_ptr<SleepingPlatform> host;

    // Queues the answers of polls: each builds a handle (one image read)
    // and reads one user-message answer.
    void serve(std::initializer_list<test::ScriptedAnswer> polls)
    {
        host = std::make_shared<SleepingPlatform>();
        for (const auto &poll : polls) {
            host->readAnswers.push_back({});
            host->readAnswers.push_back(poll);
        }
        kv::setPlatform(host);
    }

    // The written requests that carry read code 0x1002.
    std::vector<test::Transfer> messageRequests() const
    {
        std::vector<test::Transfer> found;
        for (const auto &t : host->transfers)
            if (!t.isRead && t.bytes.size() >= 40 && test::u32At(t.bytes, 32) == KV_ReadUserMessage)
                found.push_back(t);
        return found;
    }

private slots:
    void catalogueTable()
    {
        const auto catalogue = KV_MessageCatalogue();
        QCOMPARE(catalogue.size(), size_t(133));
        for (size_t i = 1; i < catalogue.size(); ++i)
            QVERIFY2(catalogue[i - 1].number < catalogue[i].number, "ascending, no repeats");
        QCOMPARE(catalogue.front().number, uint16_t(1001));
        QCOMPARE(catalogue.back().number, uint16_t(1192));
        for (const auto &entry : catalogue) {
            QVERIFY(entry.text[0] != nullptr);
            QVERIFY(entry.kind >= KV_MessageKindVL && entry.kind <= KV_MessageKindLG);
        }
    }

    // Parameters 1 to 4 as "p1 p2 p3 p4".
    void englishTexts_data()
    {
        QTest::addColumn<uint>("number");
        QTest::addColumn<QString>("parameters");
        QTest::addColumn<uint>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kind");
        const auto row = [](const char *name, uint number, const char *parameters, uint language,
                            const char *text, const char *kind) {
            QTest::addRow("%s", name) << number << parameters << language << text << kind;
        };
        row("no insert", 1001, "", 0, "Initialized messages space, starting message logging.",
            "VL");
        row("one insert", 1024, "3", 0, "A check consistency task has completed on Array 3.", "IN");
        row("negative", 1014, "4294967295", 0, "Array -1 has been deleted.", "IN");
        row("four", 1068, "192 168 1 20", 0, "System is being remotely managed by 192.168.1.20.",
            "WA");
        row("out of order", 1154, "1 2 7", 0,
            "Array 7 assigned dedicated spare on controller 1 channel 2.", "IN");
        row("German", 1015, "2", 5, "Array 2 befindet sich jetzt im kritischen Zustand.", "CR");
        row("language 40", 1015, "2", 40, "Array 2 has gone critical.", "CR");
        row("unknown, through 1011", 4000, "1 2 3 4", 0,
            "Could not find message ID 4000 (0xfa0) for translation, p1=0x1, p2=0x2, p3=0x3, "
            "p4=0x4.",
            "CR");
    }

    void englishTexts()
    {
        QFETCH(uint, number);
        QFETCH(QString, parameters);
        QFETCH(uint, language);
        QFETCH(QString, text);
        QFETCH(QString, kind);
        std::array<uint32_t, 8> p{};
        const QStringList given = parameters.split(' ', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < given.size(); ++i)
            p[size_t(i)] = given[i].toUInt();
        KV_MessageTranslator translator;
        const auto got = translate(translator, number, p, language);
        QCOMPARE(got.text, text);
        QCOMPARE(QString::fromUtf16(KV_MessageKindLetters(got.kind)), kind);
        QCOMPARE(got.result, number == 4000 ? 0 : 1);
    }

    // Every language column holds a text of its own for every message, with
    // exactly the inserts of the English text. A text may read as the English
    // one only where the English is acronyms and numbers alone.
    void languageColumnsComplete()
    {
        const QRegularExpression insert(QStringLiteral("%[1-8]![^!]*!"));
        const auto insertsOf = [&insert](const QString &text) {
            QStringList found;
            for (const auto &match : insert.globalMatch(text))
                found << match.captured();
            found.sort();
            return found;
        };
        for (const KV_MessageEntry &entry : KV_MessageCatalogue()) {
            const QString english = QString::fromUtf16(entry.text[0]);
            const QStringList englishInserts = insertsOf(english);
            const bool wordless = !QString(english).remove(insert).contains(
                QRegularExpression(QStringLiteral("[a-z]")));
            for (uint32_t column = 1; column < KV_MessageLanguages; ++column) {
                const QString where =
                    QStringLiteral("message %1, column %2").arg(entry.number).arg(column);
                QVERIFY2(entry.text[column], qPrintable(where + ": no text"));
                const QString text = QString::fromUtf16(entry.text[column]);
                QVERIFY2(wordless || text != english, qPrintable(where + ": the English text"));
                QVERIFY2(insertsOf(text) == englishInserts,
                         qPrintable(where + ": inserts " + insertsOf(text).join(',') +
                                    " instead of " + englishInserts.join(',')));
                QVERIFY2(!QString(text).remove(insert).contains('%'),
                         qPrintable(where + ": stray %"));
            }
        }
    }

    // Formatted texts in scripts far from Latin: well-formed UTF-16 with the
    // parameters in place and no insert left.
    void formattedInOtherScripts_data()
    {
        QTest::addColumn<uint>("language");
        QTest::addColumn<uint>("number");
        QTest::addColumn<QStringList>("filled");
        QTest::addRow("Arabic, drive failed") << 13u << 1013u << QStringList{"3", "5"};
        QTest::addRow("Japanese, flash download") << 8u << 1128u << QStringList{"1f", "42"};
        QTest::addRow("Thai, check completed") << 33u << 1024u << QStringList{"3"};
        QTest::addRow("Greek, remote address") << 20u << 1068u << QStringList{"192", "168", "7"};
    }

    void formattedInOtherScripts()
    {
        QFETCH(uint, language);
        QFETCH(uint, number);
        QFETCH(QStringList, filled);
        std::array<uint32_t, 8> p{};
        for (qsizetype i = 0; i < filled.size(); ++i)
            p[size_t(i)] = filled[i].toUInt(nullptr, number == 1128 && i == 0 ? 16 : 10);
        KV_MessageTranslator translator;
        const auto got = translate(translator, number, p, language);
        const auto english = translate(translator, number, p, 0);
        QCOMPARE(got.result, 1);
        QVERIFY(got.text != english.text);
        QVERIFY(!got.text.isEmpty());
        QVERIFY(QStringView(got.text).isValidUtf16());
        for (const QString &value : filled)
            QVERIFY2(got.text.contains(value), qPrintable(got.text));
        QVERIFY2(!got.text.contains('%') && !got.text.contains(QStringLiteral("?**?")),
                 qPrintable(got.text));
    }

    void kindLetters()
    {
        const char *letters[] = {"??", "VL", "IN", "WA", "CR", "LG", "!!"};
        for (uint kind = 0; kind <= 6; ++kind)
            QCOMPARE(QString::fromUtf16(KV_MessageKindLetters(kind)), letters[kind]);
        QCOMPARE(QString::fromUtf16(KV_MessageKindLetters(255)), "!!");
    }

    // Every insert shape, the malformed ones and texts past the length limit,
    // in a catalogue of one text.
    void inserts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const QString &text, const QString &expected) {
            QTest::addRow("%s", name) << text << expected;
        };
        row("zero padded", "[%1!08X!]", "[0000BEEF]");
        row("width, left", "[%2!-5d!|%2!5d!]", "[42   |   42]");
        row("precision", "[%2!.3d!]", "[042]");
        row("flags", "[%3!#x! %3!#o! %3!u! %3!+d! %3! i!]", "[0x8 010 8 +8  8]");
        row("unsigned", "[%4!u! %4!x!]", "[4294967295 ffffffff]");
        row("char", "[%5!c!]", "[A]");
        row("string", "[%2!s!|%2!-7.3s!|%2!7s!]", "[bogus|bog    |  bogus]");
        row("parameter 9", "[%9!d!]", "[?**?]");
        row("parameter 0", "[%0!d!]", "[?**?]");
        row("no number", "[%!d!]", "[?**?]");
        row("huge parameter", "[%99999999999!d!]", "[?**?]");
        row("n conversion", "[%1!n!]", "[?**?]");
        row("pointer", "[%1!p!]", "[?**?]");
        row("length modifier", "[%1!ld!]", "[?**?]");
        row("empty conversion", "[%1!!]", "[?**?]");
        row("no opening mark", "[%1d]", "[?**?d]");
        row("no closing mark", "[%1!d] tail", "[?**?");
        row("bare percent", "100% done", "100?**? done");
        row("at the end", "end %", "end ?**?");
        // Wider than a text can be counts as 255, and the text is cut at 255.
        row("width", "[%1!999999999d!]", "[" + QString(250, ' ') + "4887");
        row("long precision", "[%1!.300x!]", "[" + QString(251, '0') + "bee");
        row("string width", "%2!400s!x", QString(250, ' ') + "bogus");
        row("long text", QString(300, 'a'), QString(255, 'a'));
    }

    void inserts()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const std::u16string owned(reinterpret_cast<const char16_t *>(text.utf16()),
                                   size_t(text.size()));
        const KV_MessageEntry entries[] = {entryOf(2000, owned.c_str())};
        KV_MessageTranslator translator(entries);
        const auto got = translate(translator, 2000, {0xBEEF, 42, 8, 0xFFFFFFFF, 65});
        QCOMPARE(got.text, expected);
        QCOMPARE(got.kind, uint8_t(KV_MessageKindWA));
    }

    void unknownWithout1011()
    {
        const KV_MessageEntry entries[] = {entryOf(2000, u"x")};
        KV_MessageTranslator translator(entries);
        const auto got = translate(translator, 4000, {1, 2, 0xAB, 4, 5});
        QCOMPARE(got.text, "CANNOT TRANSLATE, msg_id=4000 (0xfa0), p1=0x1, p2=0x2, p3=0xab, "
                           "p4=0x4\n");
        QCOMPARE(got.result, 0);
        QCOMPARE(QString::fromUtf16(KV_MessageKindLetters(got.kind)), "??");
    }

    void languageWithoutTextReadsEnglish()
    {
        KV_MessageEntry entry = entryOf(2000, u"english");
        entry.text[35] = u"last column";
        const KV_MessageEntry entries[] = {entry};
        KV_MessageTranslator translator(entries);
        QCOMPARE(translate(translator, 2000, {}, 35).text, "last column");
        QCOMPARE(translate(translator, 2000, {}, 34).text, "english");
        QCOMPARE(translate(translator, 2000, {}, 36).text, "english");
    }

    // Records in order on one translator: the text (leading blanks counted)
    // and the depth after.
    void traceDepth()
    {
        KV_MessageTranslator translator;
        const struct {
            uint32_t number;
            std::array<uint32_t, 8> parameters;
            int blanks;
            QString text;
            int depthAfter;
        } steps[] = {
            {2,
             {0xABCD, 1, 2, 12},
             1,
             "TRACE: Entering Routine, NestID: 0x0000ABCD, Routine: bogus File: bogus, Line: 12",
             1},
            {3,
             {1, 2, 3, 4, 5, 6, 7, 8},
             1,
             "TRACE: ...IOC=00000001, Route=2, DevInt=3, SectStrt=4.00000005, SCnt=6, Flg=7, "
             "State=8",
             1},
            {5, {12, 3}, 1, "TRACE: [Line: 12] bogus", 1},
            {6, {40, 3}, 1, "TRACE: Exiting Routine [Line: 40], bogus", 0},
            {7, {}, 0, "TRACE: Exiting Routine (no other info available)", 0},
            {7, {}, 0, "TRACE: Exiting Routine (no other info available)", 0},
            {8, {}, 0, "*********** TRACE SUSPENDED ************", 0},
            {9, {}, 0, "*********** TRACE RESTARTED AFTER BEING SUSPENDED ************", 0},
            {1, {0, 5}, 0, "!?NoStringTranslation?!", 0},
        };
        for (const auto &step : steps) {
            const auto got = translate(translator, step.number, step.parameters);
            QCOMPARE(got.text, QString(step.blanks, ' ') + step.text);
            QCOMPARE(got.kind, uint8_t(KV_MessageKindVL));
            QCOMPARE(got.result, 1);
            QCOMPARE(translator.traceDepth(), step.depthAfter);
        }
        for (int i = 0; i < 45; ++i)
            translate(translator, 2);
        QCOMPARE(translator.traceDepth(), 40);
        QVERIFY(translate(translator, 3).text.startsWith(QString(40, ' ') + "TRACE"));
        QVERIFY(translate(translator, 8).text.startsWith("*"));
        translate(translator, 7);
        QCOMPARE(translator.traceDepth(), 39);
    }

    void stringCache()
    {
        KV_StringCache cache;
        const auto text = [&](int32_t key) { return QString::fromUtf16(cache.lookup(key)); };
        QCOMPARE(text(0), "!?NoStringTranslation?!"); // an empty slot's key
        QCOMPARE(text(5), "bogus");
        QCOMPARE(text(5), "bogus");
        for (int32_t key = 100; key < 100 + 998; ++key)
            QCOMPARE(text(key), "bogus");
        QCOMPARE(text(0), "!?NoStringTranslation?!"); // slot 999 is still empty
        QCOMPARE(text(-1), "bogus");                  // fills slot 999
        QCOMPARE(text(0), "bogus");                   // no empty slot left: 0 is new
    }

    void apiTranslateCutsAtLength()
    {
        std::vector<char16_t> out(12, u'x');
        const uint32_t parameters[8] = {12};
        uint8_t kind = 0;
        QCOMPARE(KV_ApiTranslateMessage(1016, 0, parameters, out.data(), 8, &kind),
                 KV_STS(KV_STS_SUCCESS));
        QCOMPARE(QString::fromUtf16(out.data()), "Array 1");
        QCOMPARE(out[8], u'x');
        QCOMPARE(kind, uint8_t(KV_MessageKindCR));
        QCOMPARE(KV_ApiTranslateMessage(77, 0, nullptr, out.data(), 1, nullptr),
                 KV_STS(KV_STS_FAILURE));
        QCOMPARE(out[0], u'\0');
        QCOMPARE(KV_ApiTranslateMessage(1016, 0, parameters, nullptr, 10, &kind),
                 KV_STS(KVTL_STS_INVALID_PARAMETER));
    }

    void lineCutAtLength_data()
    {
        QTest::addColumn<uint>("length");
        QTest::addRow("1") << 1u;
        QTest::addRow("8") << 8u;
        QTest::addRow("one short") << uint(Line1024.size());
        QTest::addRow("whole") << uint(Line1024.size() + 1);
    }

    void lineCutAtLength()
    {
        QFETCH(uint, length);
        serve({{0, answer(true, 91, 1024, {3, 0, 0, 0, 0, 0, 0, 0xFFFFFFFE})}});
        std::vector<char16_t> out(length + 4, u'x');
        uint32_t sequence = 90;
        QCOMPARE(KV_ApiGetUserMessage(&core1, out.data(), length, &sequence, 0, 0),
                 KV_STS(KV_STS_VALID_USER_MESSAGE));
        QCOMPARE(QString::fromUtf16(out.data()), Line1024.left(length - 1));
        QCOMPARE(out[length], u'x');
        QCOMPARE(sequence, 91u);
        const auto requests = messageRequests();
        QCOMPARE(requests.size(), size_t(1));
        QCOMPARE(test::u32At(requests[0].bytes, 36), 90u);
        QCOMPARE(KVTL_LiveCount(), size_t(0));
    }

    void noMessage()
    {
        serve({{0, answer(false, 95)}});
        std::vector<char16_t> out(64, u'x');
        uint32_t sequence = 90;
        QCOMPARE(KV_ApiGetUserMessage(&core1, out.data(), 64, &sequence, 0, 0),
                 KV_STS(KV_STS_NO_USER_MESSAGE));
        QCOMPARE(out[0], u'\0');
        QCOMPARE(sequence, 95u);
        QVERIFY(host->slept.empty());
    }

    void waitPollsWithTheLockFree()
    {
        serve({{0, answer(false, 95)},
               {0, answer(false, 96)},
               {0, answer(true, 97, 1024, {3, 0, 0, 0, 0, 0, 0, 0xFFFFFFFE})}});
        std::vector<char16_t> out(512);
        uint32_t sequence = 90;
        QCOMPARE(KV_ApiGetUserMessage(&core1, out.data(), 512, &sequence, 1, 0),
                 KV_STS(KV_STS_VALID_USER_MESSAGE));
        QCOMPARE(QString::fromUtf16(out.data()), Line1024);
        QCOMPARE(host->slept, (std::vector<uint32_t>{1000, 1000}));
        QVERIFY(host->lockFreeWhileAsleep);
        // A wait does not move the caller's sequence: every poll asks for
        // the same one, and only the answer used sets it.
        QCOMPARE(sequence, 97u);
        const auto requests = messageRequests();
        QCOMPARE(requests.size(), size_t(3));
        QCOMPARE(test::u32At(requests[2].bytes, 36), 90u);
        QVERIFY(lockIsFree());
    }

    void readStatusPassesThrough()
    {
        serve({{kv::winerr::HandleEof, {}}});
        std::vector<char16_t> out(64, u'x');
        uint32_t sequence = 90;
        QCOMPARE(KV_ApiGetUserMessage(&core1, out.data(), 64, &sequence, 1, 0), KV_STS(KV_STS_EOF));
        QCOMPARE(out[0], u'\0');
        QCOMPARE(sequence, 90u);
        QVERIFY(host->slept.empty());
        QCOMPARE(KVTL_LiveCount(), size_t(0));
    }

    void withoutCore()
    {
        serve({});
        host->canOpen = [](const std::string &) { return false; };
        std::vector<char16_t> out(64, u'x');
        uint32_t sequence = 90;
        QCOMPARE(KV_ApiGetUserMessage(nullptr, out.data(), 64, &sequence, 0, 0),
                 KV_STS(KV_STS_INVALID_CORE_HANDLE));
        QCOMPARE(KV_ApiGetUserMessage(&core1, out.data(), 64, &sequence, 1, 0),
                 KV_STS(KV_STS_INVALID_CORE_HANDLE));
        QCOMPARE(out[0], u'\0');
        QCOMPARE(KV_ApiGetUserMessage(&core1, out.data(), 64, nullptr, 0, 0),
                 KV_STS(KVTL_STS_INVALID_PARAMETER));
        QCOMPARE(sequence, 90u);
        QVERIFY(lockIsFree());
    }
};

QTEST_GUILESS_MAIN(TestMessages)
#include "tst_messages.moc"
