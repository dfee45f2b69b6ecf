// The compiled-in resources: every icon the console opens, the logo's ICO sizes, the about
// picture and the licence text; and the drawing tool's refusal of names it cannot draw.
#include "velmora_resources.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList States = {QStringLiteral("normal"), QStringLiteral("critical"),
                            QStringLiteral("offline")};

const QStringList Types = {
    QStringLiteral("RAID0"),    QStringLiteral("RAID1"),   QStringLiteral("RAID1N"),
    QStringLiteral("RAID5"),    QStringLiteral("RAID6"),   QStringLiteral("RAID10"),
    QStringLiteral("RAID10N"),  QStringLiteral("RAID50"),  QStringLiteral("RAID60"),
    QStringLiteral("RAIDABLE"), QStringLiteral("VOLUME"),  QStringLiteral("LEGACY"),
    QStringLiteral("RAIDTIER"), QStringLiteral("VORLANE"),
};

QString typeIconName(const QString &state, const QString &type)
{
    return QStringLiteral("small_%1%2.png").arg(state, type);
}

// The form the console's code uses, without the slash after the colon.
QImage consoleIcon(const QString &name)
{
    return QImage(QStringLiteral(":images/icons/") + name);
}

// The share of the image's pixels that are not fully transparent.
double coverage(const QImage &image)
{
    qsizetype covered = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            covered += qAlpha(image.pixel(x, y)) != 0;
    }
    return double(covered) / (qsizetype(image.width()) * image.height());
}

} // namespace

class TestResources : public QObject {
    Q_OBJECT

private slots:
    void icon_data();
    void icon();
    void typeIconsDistinct_data();
    void typeIconsDistinct();
    void aboutPicture();
    void ico_data();
    void ico();
    void eula();
    void paths();
    void toolRefusesUnknownName();
};

void TestResources::icon_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    const std::pair<const char *, int> fixed[] = {
        {"small_system.png", 64},       {"HDD.png", 64},   {"small_array.png", 48},
        {"small_selectedDISK.png", 48}, {"Spare.png", 48}, {"small_missingDRIVE.png", 48},
        {"small_failedDRIVE.png", 48},
    };
    for (const auto &[name, size] : fixed)
        QTest::addRow("%s", name) << QString::fromLatin1(name) << size;
    for (const QString &state : States) {
        for (const QString &type : Types) {
            const QString name = typeIconName(state, type);
            QTest::addRow("%s", qPrintable(name)) << name << 48;
        }
    }
}

// Each icon is square, transparent in its corner and drawn over most of its area.
void TestResources::icon()
{
    QFETCH(QString, name);
    QFETCH(int, size);
    const QImage image = consoleIcon(name);
    QVERIFY2(!image.isNull(), qPrintable(name));
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QVERIFY2(coverage(image) > 0.4, qPrintable(QString::number(coverage(image))));
    QVERIFY(!QIcon(QStringLiteral(":images/icons/") + name).isNull());
}

void TestResources::typeIconsDistinct_data()
{
    QTest::addColumn<QStringList>("names");
    for (const QString &type : Types) {
        QStringList names;
        for (const QString &state : States)
            names << typeIconName(state, type);
        QTest::addRow("states of %s", qPrintable(type)) << names;
    }
    for (const QString &state : States) {
        QStringList names;
        for (const QString &type : Types)
            names << typeIconName(state, type);
        QTest::addRow("types when %s", qPrintable(state)) << names;
    }
}

// The state shows in the colour and the level in the label, so no two type icons of a row
// may be the same picture.
void TestResources::typeIconsDistinct()
{
    QFETCH(QStringList, names);
    QList<QImage> images;
    for (const QString &name : names) {
        images << consoleIcon(name);
        QVERIFY2(!images.last().isNull(), qPrintable(name));
    }
    for (qsizetype i = 0; i < images.size(); ++i) {
        for (qsizetype j = i + 1; j < images.size(); ++j)
            QVERIFY2(images[i] != images[j],
                     qPrintable(names[i] + QStringLiteral(" == ") + names[j]));
    }
}

void TestResources::aboutPicture()
{
    const QImage image = consoleIcon(QStringLiteral("AboutRaid.png"));
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(480, 270));
    // Not a plain fill: the logo and the name are on it.
    const QRgb background = image.pixel(0, 0);
    int differing = 0;
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3)
            differing += image.pixel(x, y) != background;
    }
    QVERIFY2(differing > 1000, qPrintable(QString::number(differing)));
}

void TestResources::ico_data()
{
    QTest::addColumn<QString>("name");
    QTest::addRow("Logo") << QStringLiteral("Logo.ico");
    QTest::addRow("velmora") << QStringLiteral("velmora.ico");
}

// Every size is there, square and drawn, and QIcon offers them all.
void TestResources::ico()
{
    QFETCH(QString, name);
    const QString path = QStringLiteral(":images/icons/") + name;
    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("ico"));
    QList<int> sizes;
    for (int i = 0; i < reader.imageCount(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.width(), image.height());
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QVERIFY2(coverage(image) > 0.6, qPrintable(QString::number(coverage(image))));
        sizes << image.width();
    }
    QCOMPARE(sizes, (QList<int>{16, 24, 32, 48, 64, 256}));
    const QList<QSize> available = QIcon(path).availableSizes();
    QVERIFY(available.contains(QSize(48, 48)));
    QVERIFY(available.contains(QSize(256, 256)));
}

void TestResources::eula()
{
    QFile file(velmora::resources::eulaPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY(text.size() > 500);
    QVERIFY(text.contains(QStringLiteral("Velmora")));
    QVERIFY(text.contains(QStringLiteral("OXV")));
}

// The helpers name the same files as the paths the console spells out.
void TestResources::paths()
{
    QCOMPARE(velmora::resources::iconPath(u"small_array.png"),
             QStringLiteral(":/images/icons/small_array.png"));
    QVERIFY(QFile::exists(velmora::resources::iconPath(u"small_array.png")));
    QVERIFY(QFile::exists(QStringLiteral(":/EULA/EULA/EULA.txt")));
    QVERIFY(!QFile::exists(velmora::resources::iconPath(u"small_arrays.png")));
}

// A name the tool has no drawing for fails the build instead of leaving a file out.
void TestResources::toolRefusesUnknownName()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QProcess tool;
    tool.start(QStringLiteral(DRAW_ICONS_BINARY),
               {dir.path(), QStringLiteral("HDD.png"), QStringLiteral("small_normalRAID7.png")});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QVERIFY(tool.exitCode() != 0);
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("HDD.png"))));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("small_normalRAID7.png"))));
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
