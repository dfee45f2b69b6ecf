// draw_icons: renders the console's icons with QPainter into a directory.
//
//   draw_icons OUTDIR NAME...
//
// Every NAME is one file to write (for example "HDD.png", "small_criticalRAID5.png" or
// "Logo.ico", or "velmora-48.png" for the application's icon at 48 pixels); an unknown name is an
// error, so the build's file list and the drawings cannot drift apart. Run it with the offscreen
// platform: it needs fonts for the type labels and the about picture, but no display.
//
// All icons are drawn in a 48 x 48 unit space and scaled to the output size, so one drawing
// serves 24, 48 and 64 pixels alike. Even coordinates fall on pixel edges at 24 px.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRegularExpression>
#include <QtEndian>

#include <cstdio>
#include <functional>
#include <optional>

namespace {

// One palette for every icon.
namespace palette {
const QColor brand(0x00, 0x99, 0x66);
const QColor brandLight(0x1f, 0xbf, 0x86);
const QColor brandDark(0x00, 0x6e, 0x4a);
const QColor critical(0xff, 0x67, 0x00);
const QColor criticalDark(0xc9, 0x4f, 0x00);
const QColor offline(0x86, 0x8e, 0x96);
const QColor offlineDark(0x5c, 0x64, 0x6c);
const QColor failed(0xd9, 0x30, 0x25);
const QColor selected(0x1e, 0x7f, 0xe0);
const QColor metalLight(0x7a, 0x87, 0x93);
const QColor metalDark(0x4a, 0x55, 0x60);
const QColor outline(0x2f, 0x38, 0x41);
const QColor platterLight(0xf6, 0xf8, 0xfa);
const QColor platterDark(0xa9, 0xb4, 0xbe);
const QColor white(0xff, 0xff, 0xff);
} // namespace palette

constexpr qreal Unit = 48.0;

enum class State { Normal, Critical, Offline };

struct StateColours {
    QColor fill;
    QColor dark;
    QColor led;
};

StateColours coloursOf(State state)
{
    switch (state) {
    case State::Normal:
        return {palette::brand, palette::brandDark, palette::brandLight};
    case State::Critical:
        return {palette::critical, palette::criticalDark, palette::critical};
    case State::Offline:
        // A darker grey than the missing drive's, for the white label to stand out on.
        return {QColor(0x6f, 0x77, 0x7f), QColor(0x4f, 0x56, 0x5d), palette::failed};
    }
    return {palette::brand, palette::brandDark, palette::brandLight};
}

QLinearGradient verticalGradient(const QRectF &rect, const QColor &top, const QColor &bottom)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

// A drive seen from the front, as it sits in a bay: a slab with a vent grille on the left
// and an activity light on the right. `greyed` draws a powered-down drive.
void drawDriveSlab(QPainter &p, const QRectF &rect, const QColor &led, bool greyed = false)
{
    const qreal radius = rect.height() * 0.28;
    const QColor top = greyed ? QColor(0xb4, 0xba, 0xc0) : palette::metalLight;
    const QColor bottom = greyed ? QColor(0x93, 0x9a, 0xa1) : palette::metalDark;
    p.setPen(QPen(greyed ? palette::offlineDark : palette::outline, 1.0));
    p.setBrush(verticalGradient(rect, top, bottom));
    p.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);

    // A highlight along the upper edge gives the slab its depth.
    p.setPen(QPen(QColor(255, 255, 255, greyed ? 70 : 90), 1.0));
    p.drawLine(QPointF(rect.left() + radius, rect.top() + 1.5),
               QPointF(rect.right() - radius, rect.top() + 1.5));

    // Vent grille: short vertical bars.
    const qreal barTop = rect.top() + rect.height() * 0.32;
    const qreal barBottom = rect.bottom() - rect.height() * 0.32;
    p.setPen(QPen(QColor(0, 0, 0, greyed ? 50 : 90), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const qreal x = rect.left() + rect.height() * 0.5 + i * 3.2;
        p.drawLine(QPointF(x, barTop), QPointF(x, barBottom));
    }

    // Activity light.
    const qreal ledRadius = qMax(1.6, rect.height() * 0.17);
    const QPointF centre(rect.right() - rect.height() * 0.55, rect.center().y());
    p.setPen(QPen(QColor(0, 0, 0, 80), 0.8));
    p.setBrush(led);
    p.drawEllipse(centre, ledRadius, ledRadius);
}

// Three drives stacked in a cage: the array.
void drawArrayStack(QPainter &p, const QRectF &area, const QColor &led, bool greyed = false)
{
    const qreal gap = area.height() * 0.06;
    const qreal slab = (area.height() - 2 * gap) / 3;
    for (int i = 0; i < 3; ++i) {
        const QRectF rect(area.left(), area.top() + i * (slab + gap), area.width(), slab);
        drawDriveSlab(p, rect, led, greyed);
    }
}

// A hard disk seen from above with its cover off: platter, spindle and head arm.
void drawDisk(QPainter &p)
{
    const QRectF body(6, 2, 36, 44);
    p.setPen(QPen(palette::outline, 1.0));
    p.setBrush(verticalGradient(body, palette::metalLight, palette::metalDark));
    p.drawRoundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);

    // Screws in the corners.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2f, 0x38, 0x41, 160));
    for (const QPointF &screw : {QPointF(10, 6), QPointF(38, 6), QPointF(10, 42), QPointF(38, 42)})
        p.drawEllipse(screw, 1.3, 1.3);

    const QPointF hub(24, 19);
    QRadialGradient platter(hub, 14, QPointF(20, 15));
    platter.setColorAt(0, palette::platterLight);
    platter.setColorAt(0.75, QColor(0xd2, 0xd9, 0xe0));
    platter.setColorAt(1, palette::platterDark);
    p.setPen(QPen(palette::outline, 1.0));
    p.setBrush(platter);
    p.drawEllipse(hub, 14, 14);

    // A faint track ring and the spindle.
    p.setPen(QPen(QColor(0x6b, 0x77, 0x83, 110), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(hub, 9, 9);
    p.setPen(QPen(palette::outline, 0.8));
    p.setBrush(QColor(0x8d, 0x98, 0xa3));
    p.drawEllipse(hub, 3.2, 3.2);

    // Head arm from its pivot in the lower right across to the platter.
    const QPointF pivot(35, 38);
    const QPointF head(25.5, 25.5);
    p.setPen(QPen(palette::outline, 4.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(pivot, head);
    p.setPen(QPen(QColor(0xe6, 0xea, 0xee), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(pivot, head);
    p.setPen(QPen(palette::outline, 1.0));
    p.setBrush(QColor(0x9a, 0xa5, 0xb0));
    p.drawEllipse(pivot, 3.6, 3.6);
}

// A round badge in the lower right corner with a white ring that separates it from the
// drawing beneath.
void drawBadge(QPainter &p, const QColor &fill, const QPointF &centre = QPointF(36, 36),
               qreal radius = 10.5)
{
    p.setPen(QPen(palette::white, 2.0));
    p.setBrush(fill);
    p.drawEllipse(centre, radius, radius);
}

void drawCheckBadge(QPainter &p)
{
    drawBadge(p, palette::selected);
    QPainterPath check;
    check.moveTo(30.5, 36.5);
    check.lineTo(34.5, 40.5);
    check.lineTo(41.5, 32.0);
    p.setPen(QPen(palette::white, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(check);
}

void drawPlusBadge(QPainter &p)
{
    drawBadge(p, palette::brand);
    p.setPen(QPen(palette::white, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(36, 30.5), QPointF(36, 41.5));
    p.drawLine(QPointF(30.5, 36), QPointF(41.5, 36));
}

void drawCrossBadge(QPainter &p)
{
    drawBadge(p, palette::failed);
    p.setPen(QPen(palette::white, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(32, 32), QPointF(40, 40));
    p.drawLine(QPointF(40, 32), QPointF(32, 40));
}

// The place of a drive that is no longer there: its outline, dashed.
void drawMissingDisk(QPainter &p)
{
    // Dash lengths are in pen widths: 3 px dashes with 2 px gaps at 24 px.
    QPen dashed(palette::offline, 2.4, Qt::CustomDashLine, Qt::FlatCap);
    dashed.setDashPattern({2.5, 1.7});
    p.setPen(dashed);
    p.setBrush(QColor(0x86, 0x8e, 0x96, 50));
    p.drawRoundedRect(QRectF(7, 3, 34, 42), 5, 5);
    dashed.setWidthF(2.0);
    p.setPen(dashed);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(24, 19), 12, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::offline);
    p.drawEllipse(QPointF(24, 19), 2.5, 2.5);
}

// A computer with its controller: a monitor showing the drive stack and a tower beside it.
void drawSystem(QPainter &p)
{
    // Tower behind the monitor's right edge.
    const QRectF tower(29, 6, 16, 38);
    p.setPen(QPen(palette::outline, 1.0));
    p.setBrush(verticalGradient(tower, palette::metalLight, palette::metalDark));
    p.drawRoundedRect(tower.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2f, 0x38, 0x41, 150));
    p.drawRoundedRect(QRectF(33, 11, 9, 3), 1, 1);
    p.drawRoundedRect(QRectF(33, 16, 9, 3), 1, 1);
    p.setBrush(palette::brandLight);
    p.drawEllipse(QPointF(37.5, 38), 2.2, 2.2);

    // Monitor.
    const QRectF frame(2, 8, 32, 24);
    p.setPen(QPen(palette::outline, 1.0));
    p.setBrush(verticalGradient(frame, QColor(0x45, 0x50, 0x5b), QColor(0x2c, 0x34, 0x3c)));
    p.drawRoundedRect(frame.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    const QRectF screen = frame.adjusted(2.5, 2.5, -2.5, -2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(verticalGradient(screen, palette::brandLight, palette::brandDark));
    p.drawRoundedRect(screen, 1.5, 1.5);
    // The console's drive stack on the screen, as white bars.
    p.setBrush(QColor(255, 255, 255, 220));
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF(screen.left() + 5, screen.top() + 3.5 + i * 5, 17, 3.2), 1.2, 1.2);
    // Stand.
    p.setBrush(palette::metalDark);
    p.drawRect(QRectF(15, 32, 6, 6));
    p.setPen(QPen(palette::outline, 1.0));
    p.setBrush(verticalGradient(QRectF(9, 38, 18, 5), palette::metalLight, palette::metalDark));
    p.drawRoundedRect(QRectF(9.5, 38.5, 17, 4.5), 2, 2);
}

// The text of a label as a path: the bold condensed sans the system offers.
QPainterPath textPath(const QString &text, int weight = QFont::Bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Noto Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Weight(weight));
    font.setPixelSize(100);
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

// Fits `path` into `box`, keeping its proportions, centred vertically and placed
// horizontally by `alignment` (centre or left).
QPainterPath fitted(const QPainterPath &path, const QRectF &box,
                    Qt::Alignment alignment = Qt::AlignHCenter)
{
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty())
        return {};
    const qreal scale = qMin(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform transform;
    if (alignment & Qt::AlignLeft) {
        transform.translate(box.left(), box.center().y());
        transform.scale(scale, scale);
        transform.translate(-bounds.left(), -bounds.center().y());
    } else {
        transform.translate(box.center().x(), box.center().y());
        transform.scale(scale, scale);
        transform.translate(-bounds.center().x(), -bounds.center().y());
    }
    return transform.map(path);
}

// A type icon: the drive stack over a plate in the state's colour carrying the level's label.
void drawTypeIcon(QPainter &p, State state, const QString &label)
{
    const StateColours colours = coloursOf(state);
    drawArrayStack(p, QRectF(5, 1, 38, 25), colours.led, state == State::Offline);

    const QRectF plate(1, 27, 46, 20);
    p.setPen(QPen(colours.dark, 1.0));
    p.setBrush(verticalGradient(plate, colours.fill.lighter(112), colours.fill));
    p.drawRoundedRect(plate.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);

    const QPainterPath text = textPath(label);
    // Labels of one or two characters share one height; the longer ones are narrowed to fit.
    const QPainterPath placed = fitted(text, QRectF(4, 30.5, 40, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(palette::white);
    p.drawPath(placed);
}

// The product mark: a green tile holding a white disk stack, three platters seen from the
// side, with a V cut into its face.
void drawLogo(QPainter &p)
{
    const QRectF tile(1, 1, 46, 46);
    QLinearGradient gradient(tile.topLeft(), tile.bottomRight());
    gradient.setColorAt(0, palette::brandLight);
    gradient.setColorAt(1, palette::brandDark);
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawRoundedRect(tile, 10, 10);

    // A soft sheen across the upper half.
    QLinearGradient sheen(tile.topLeft(), QPointF(tile.left(), tile.center().y()));
    sheen.setColorAt(0, QColor(255, 255, 255, 60));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(sheen);
    p.drawRoundedRect(QRectF(1, 1, 46, 24), 10, 10);

    // The stack: a white cylinder whose platters are parted by faint arcs, its top face a shade
    // darker so it reads as round.
    const QRectF stack(10, 7, 28, 35); // from the top of the upper ellipse to the lowest point
    const qreal radiusY = 5;
    QPainterPath cylinder;
    cylinder.moveTo(stack.left(), stack.top() + radiusY);
    cylinder.arcTo(QRectF(stack.left(), stack.top(), stack.width(), 2 * radiusY), 180, -180);
    cylinder.lineTo(stack.right(), stack.bottom() - radiusY);
    cylinder.arcTo(QRectF(stack.left(), stack.bottom() - 2 * radiusY, stack.width(), 2 * radiusY),
                   0, -180);
    cylinder.closeSubpath();
    p.setBrush(palette::white);
    p.drawPath(cylinder);
    p.setBrush(QColor(0xd5, 0xee, 0xe3));
    p.drawEllipse(QRectF(stack.left(), stack.top(), stack.width(), 2 * radiusY));

    p.setPen(QPen(QColor(0xb5, 0xdc, 0xcb), 1.4, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    const qreal platter = (stack.height() - 2 * radiusY) / 3;
    p.save();
    p.setClipPath(cylinder); // the arcs' ends would stick out of the sides
    for (int i = 1; i < 3; ++i) {
        const qreal y = stack.top() + i * platter;
        p.drawArc(QRectF(stack.left(), y, stack.width(), 2 * radiusY), 180 * 16, 180 * 16);
    }
    p.restore();

    // The V across the stack's face.
    QPainterPath v;
    v.moveTo(16.5, 20);
    v.lineTo(24, 35);
    v.lineTo(31.5, 20);
    p.setPen(QPen(palette::brandDark, 4.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(v);
}

QImage renderIcon(int size, const std::function<void(QPainter &)> &draw)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / Unit, size / Unit);
    draw(p);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The dark theme's small pictures: a solid triangle pointing one way (tree
// branches, scroll-bar buttons) and a check mark (check boxes).
enum class Pointing { Up, Down, Left, Right };

void drawArrow(QPainter &p, Pointing pointing, const QColor &colour)
{
    QPolygonF triangle;
    switch (pointing) {
    case Pointing::Up:
        triangle << QPointF(8, 34) << QPointF(40, 34) << QPointF(24, 14);
        break;
    case Pointing::Down:
        triangle << QPointF(8, 14) << QPointF(40, 14) << QPointF(24, 34);
        break;
    case Pointing::Left:
        triangle << QPointF(34, 8) << QPointF(34, 40) << QPointF(14, 24);
        break;
    case Pointing::Right:
        triangle << QPointF(14, 8) << QPointF(14, 40) << QPointF(34, 24);
        break;
    }
    p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour);
    p.drawPolygon(triangle);
}

void drawCheckMark(QPainter &p)
{
    QPainterPath tick;
    tick.moveTo(9, 25);
    tick.lineTo(20, 36);
    tick.lineTo(40, 12);
    p.setPen(QPen(palette::brand, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
}

QImage renderAboutPicture()
{
    QImage image(480, 270, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, 270);
    background.setColorAt(0, QColor(0xf7, 0xfa, 0xf9));
    background.setColorAt(1, QColor(0xdd, 0xec, 0xe5));
    p.fillRect(image.rect(), background);

    // A band of brand colour along the bottom edge.
    p.fillRect(QRectF(0, 258, 480, 12), palette::brand);

    p.save();
    p.translate(36, 71);
    p.scale(128 / Unit, 128 / Unit);
    drawLogo(p);
    p.restore();

    // The name as large as fits beside the logo, the line under it at most as wide.
    p.setPen(Qt::NoPen);
    p.setBrush(palette::outline);
    const QPainterPath name =
        fitted(textPath(QStringLiteral("Velmora")), QRectF(184, 84, 264, 66), Qt::AlignLeft);
    p.drawPath(name);
    p.setBrush(palette::brandDark);
    const qreal nameWidth = name.boundingRect().width();
    p.drawPath(fitted(textPath(QStringLiteral("RAID management console"), QFont::DemiBold),
                      QRectF(186, 166, nameWidth, 18), Qt::AlignLeft));
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

constexpr int IcoHeaderSize = 6;
constexpr int IcoEntrySize = 16;

struct IcoEntry {
    QByteArray directoryEntry; // the 16 bytes, offset still to be set
    QByteArray data;
};

// The 256 px image as PNG, the way Windows keeps its large icon sizes: as a bitmap it would
// take a quarter of a megabyte.
std::optional<IcoEntry> pngIcoEntry(const QImage &image)
{
    IcoEntry entry{QByteArray(IcoEntrySize, '\0'), {}};
    QBuffer buffer(&entry.data);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return std::nullopt;
    char *bytes = entry.directoryEntry.data();
    bytes[0] = char(image.width() & 0xff); // 256 is written as 0
    bytes[1] = char(image.height() & 0xff);
    qToLittleEndian<quint16>(1, bytes + 4);  // colour planes
    qToLittleEndian<quint16>(32, bytes + 6); // bits per pixel
    qToLittleEndian<quint32>(quint32(entry.data.size()), bytes + 8);
    return entry;
}

// The smaller sizes through Qt's ICO writer, which stores one bitmap per file; the entry is
// taken out of that file.
std::optional<IcoEntry> bitmapIcoEntry(const QImage &image)
{
    QByteArray single;
    QBuffer buffer(&single);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "ico");
    if (!writer.write(image)) {
        std::fprintf(stderr, "draw_icons: ICO writer: %s\n", qPrintable(writer.errorString()));
        return std::nullopt;
    }
    if (single.size() < IcoHeaderSize + IcoEntrySize)
        return std::nullopt;
    const auto *bytes = reinterpret_cast<const uchar *>(single.constData());
    const quint16 count = qFromLittleEndian<quint16>(bytes + 4);
    const quint32 length = qFromLittleEndian<quint32>(bytes + IcoHeaderSize + 8);
    const quint32 offset = qFromLittleEndian<quint32>(bytes + IcoHeaderSize + 12);
    if (count != 1 || qsizetype(offset) + qsizetype(length) > single.size())
        return std::nullopt;
    return IcoEntry{single.mid(IcoHeaderSize, IcoEntrySize), single.mid(offset, length)};
}

// One ICO file holding every image of `images`, in their order.
std::optional<QByteArray> multiSizeIco(const QList<QImage> &images)
{
    QList<IcoEntry> entries;
    for (const QImage &image : images) {
        std::optional<IcoEntry> entry =
            image.width() >= 256 ? pngIcoEntry(image) : bitmapIcoEntry(image);
        if (!entry)
            return std::nullopt;
        entries.append(std::move(*entry));
    }

    QByteArray ico(IcoHeaderSize, '\0');
    qToLittleEndian<quint16>(1, ico.data() + 2); // type: icon
    qToLittleEndian<quint16>(quint16(entries.size()), ico.data() + 4);
    quint32 offset = IcoHeaderSize + IcoEntrySize * entries.size();
    for (IcoEntry &entry : entries) {
        qToLittleEndian<quint32>(offset, entry.directoryEntry.data() + 12);
        ico += entry.directoryEntry;
        offset += entry.data.size();
    }
    for (const IcoEntry &entry : entries)
        ico += entry.data;
    return ico;
}

struct TypeName {
    const char *type;
    const char *label;
};

constexpr TypeName TypeNames[] = {
    {"RAID0", "0"},   {"RAID1", "1"},     {"RAID1N", "1N"},  {"RAID5", "5"},    {"RAID6", "6"},
    {"RAID10", "10"}, {"RAID10N", "10N"}, {"RAID50", "50"},  {"RAID60", "60"},  {"RAIDABLE", "A"},
    {"VOLUME", "V"},  {"LEGACY", "L"},    {"RAIDTIER", "T"}, {"VORLANE", "VL"},
};

struct StateName {
    const char *prefix;
    State state;
};

constexpr StateName StateNames[] = {
    {"small_normal", State::Normal},
    {"small_critical", State::Critical},
    {"small_offline", State::Offline},
};

// The picture for a PNG name, or nothing when the name is not one of ours.
std::optional<QImage> pictureFor(const QString &name)
{
    if (name == QLatin1String("small_system.png"))
        return renderIcon(64, drawSystem);
    if (name == QLatin1String("HDD.png"))
        return renderIcon(64, drawDisk);
    if (name == QLatin1String("small_array.png"))
        return renderIcon(
            48, [](QPainter &p) { drawArrayStack(p, QRectF(4, 5, 40, 38), palette::brandLight); });
    if (name == QLatin1String("small_selectedDISK.png"))
        return renderIcon(48, [](QPainter &p) {
            drawArrayStack(p, QRectF(2, 3, 40, 36), palette::brandLight);
            drawCheckBadge(p);
        });
    if (name == QLatin1String("Spare.png"))
        return renderIcon(48, [](QPainter &p) {
            drawDisk(p);
            drawPlusBadge(p);
        });
    if (name == QLatin1String("small_missingDRIVE.png"))
        return renderIcon(48, drawMissingDisk);
    if (name == QLatin1String("small_failedDRIVE.png"))
        return renderIcon(48, [](QPainter &p) {
            drawDisk(p);
            drawCrossBadge(p);
        });
    if (name == QLatin1String("AboutRaid.png"))
        return renderAboutPicture();
    if (name == QLatin1String("green-checkmark.png"))
        return renderIcon(14, drawCheckMark);

    // The application's icon for the desktop's icon theme: "velmora-<size>.png".
    static const QRegularExpression themeIcon(QStringLiteral("^velmora-(\\d{2,3})\\.png$"));
    if (const QRegularExpressionMatch match = themeIcon.match(name); match.hasMatch()) {
        const int size = match.captured(1).toInt();
        if (size >= 16 && size <= 512)
            return renderIcon(size, drawLogo);
    }

    const struct {
        const char *name;
        int size;
        Pointing pointing;
        QColor colour;
    } arrows[] = {
        {"down-green-arrow.png", 16, Pointing::Down, palette::brand},
        {"right-green-arrow.png", 16, Pointing::Right, palette::brand},
        {"down-highlight-arrow.png", 16, Pointing::Down, palette::white},
        {"right-highlight-arrow.png", 16, Pointing::Right, palette::white},
        {"up-arrow.png", 10, Pointing::Up, palette::white},
        {"down-arrow.png", 10, Pointing::Down, palette::white},
        {"left-arrow.png", 10, Pointing::Left, palette::white},
        {"right-arrow.png", 10, Pointing::Right, palette::white},
    };
    for (const auto &arrow : arrows) {
        if (name == QLatin1String(arrow.name)) {
            const Pointing pointing = arrow.pointing;
            const QColor colour = arrow.colour;
            return renderIcon(arrow.size,
                              [pointing, colour](QPainter &p) { drawArrow(p, pointing, colour); });
        }
    }

    for (const StateName &state : StateNames) {
        for (const TypeName &type : TypeNames) {
            const QString typeName =
                QLatin1String(state.prefix) + QLatin1String(type.type) + QLatin1String(".png");
            if (name == typeName) {
                const QString label = QLatin1String(type.label);
                const State s = state.state;
                return renderIcon(48, [s, label](QPainter &p) { drawTypeIcon(p, s, label); });
            }
        }
    }
    return std::nullopt;
}

bool writeOne(const QDir &dir, const QString &name)
{
    const QString path = dir.filePath(name);
    if (name == QLatin1String("Logo.ico") || name == QLatin1String("velmora.ico")) {
        QList<QImage> sizes;
        for (int size : {16, 24, 32, 48, 64, 256})
            sizes.append(renderIcon(size, drawLogo));
        const std::optional<QByteArray> ico = multiSizeIco(sizes);
        if (!ico)
            return false;
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write(*ico) == ico->size();
    }
    const std::optional<QImage> picture = pictureFor(name);
    if (!picture) {
        std::fprintf(stderr, "draw_icons: no drawing for %s\n", qPrintable(name));
        return false;
    }
    return picture->save(path, "PNG");
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: draw_icons OUTDIR NAME...\n");
        return 2;
    }
    // The type labels and the about picture are drawn from a system font; without one they
    // would come out blank, so refuse instead.
    if (textPath(QStringLiteral("10N")).isEmpty()) {
        std::fprintf(stderr, "draw_icons: no font to draw the labels with\n");
        return 1;
    }
    QDir dir(arguments.at(1));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "draw_icons: cannot create %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    for (qsizetype i = 2; i < arguments.size(); ++i) {
        if (!writeOne(dir, arguments.at(i))) {
            std::fprintf(stderr, "draw_icons: writing %s failed\n", qPrintable(arguments.at(i)));
            return 1;
        }
    }
    return 0;
}
