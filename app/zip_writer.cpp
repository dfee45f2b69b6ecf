#include "zip_writer.h"

#include <QSaveFile>

#include <array>
#include <limits>

namespace {

constexpr quint32 LocalHeaderSignature = 0x04034b50;
constexpr quint32 CentralHeaderSignature = 0x02014b50;
constexpr quint32 EndSignature = 0x06054b50;
constexpr quint16 VersionNeeded = 20;          // 2.0: deflate
constexpr quint16 VersionMadeBy = 3 << 8 | 20; // Unix, 2.0: the mode bits below count
constexpr quint16 Utf8Names = 0x0800;
constexpr quint32 RegularFileMode = 0100644u << 16;

void put16(QByteArray &out, quint16 value)
{
    out.append(char(value & 0xFF));
    out.append(char(value >> 8));
}

void put32(QByteArray &out, quint32 value)
{
    put16(out, quint16(value & 0xFFFF));
    put16(out, quint16(value >> 16));
}

// Raw deflate data: qCompress gives a four-byte length, a two-byte zlib
// header, the deflate stream and a four-byte Adler-32.
QByteArray deflated(const QByteArray &data)
{
    const QByteArray zlib = qCompress(data, 9);
    if (zlib.size() < 10)
        return {};
    return zlib.mid(6, zlib.size() - 10);
}

} // namespace

quint32 KV_ZipWriter::crc32(const QByteArray &data)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : data)
        crc = table[(crc ^ quint8(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

bool KV_ZipWriter::add(const QString &name, const QByteArray &data, const QDateTime &modified)
{
    constexpr qint64 Limit = std::numeric_limits<quint32>::max();
    Member member;
    member.name = name.toUtf8();
    if (member.name.isEmpty() || member.name.size() > 0xFFFF || members_.size() >= 0xFFFF)
        return false;
    QByteArray packed = deflated(data);
    member.method = 8;
    if (packed.isEmpty() || packed.size() >= data.size()) {
        packed = data;
        member.method = 0;
    }
    if (data.size() >= Limit || body_.size() + 30 + member.name.size() + packed.size() >= Limit)
        return false;
    member.crc = crc32(data);
    member.size = quint32(data.size());
    member.compressedSize = quint32(packed.size());
    // MS-DOS times start in 1980 and count seconds in pairs.
    const QDateTime local = modified.toLocalTime();
    const QDate day = local.date().year() >= 1980 ? local.date() : QDate(1980, 1, 1);
    const QTime time = local.date().year() >= 1980 ? local.time() : QTime(0, 0);
    member.time = quint16(time.hour() << 11 | time.minute() << 5 | time.second() / 2);
    member.date = quint16((day.year() - 1980) << 9 | day.month() << 5 | day.day());
    member.offset = quint32(body_.size());

    put32(body_, LocalHeaderSignature);
    put16(body_, VersionNeeded);
    put16(body_, Utf8Names);
    put16(body_, member.method);
    put16(body_, member.time);
    put16(body_, member.date);
    put32(body_, member.crc);
    put32(body_, member.compressedSize);
    put32(body_, member.size);
    put16(body_, quint16(member.name.size()));
    put16(body_, 0); // no extra field
    body_ += member.name;
    body_ += packed;
    members_.append(member);
    return true;
}

QByteArray KV_ZipWriter::archive() const
{
    QByteArray directory;
    for (const Member &member : members_) {
        put32(directory, CentralHeaderSignature);
        put16(directory, VersionMadeBy);
        put16(directory, VersionNeeded);
        put16(directory, Utf8Names);
        put16(directory, member.method);
        put16(directory, member.time);
        put16(directory, member.date);
        put32(directory, member.crc);
        put32(directory, member.compressedSize);
        put32(directory, member.size);
        put16(directory, quint16(member.name.size()));
        put16(directory, 0); // extra field
        put16(directory, 0); // comment
        put16(directory, 0); // disk number
        put16(directory, 0); // internal attributes
        put32(directory, RegularFileMode);
        put32(directory, member.offset);
        directory += member.name;
    }
    QByteArray out = body_ + directory;
    put32(out, EndSignature);
    put16(out, 0); // this disk
    put16(out, 0); // the disk the directory starts on
    put16(out, quint16(members_.size()));
    put16(out, quint16(members_.size()));
    put32(out, quint32(directory.size()));
    put32(out, quint32(body_.size()));
    put16(out, 0); // no comment
    return out;
}

bool KV_ZipWriter::save(const QString &path, QString *error) const
{
    QSaveFile file(path);
    const QByteArray bytes = archive();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
