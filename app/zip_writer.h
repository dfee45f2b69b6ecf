// A zip archive written in one go: every file opens it (Windows Explorer,
// macOS Finder, unzip, bsdtar, Python's zipfile). Members are deflated
// when that makes them smaller, otherwise stored; names are UTF-8. The
// archive stays below 4 GiB and 65535 members (no Zip64), which a support
// bundle never reaches.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

class KV_ZipWriter {
public:
    // Adds a member named `name` ('/' separates folders) holding `data`,
    // with `modified` as its time (local time, to two seconds). False when
    // the archive would outgrow the format.
    bool add(const QString &name, const QByteArray &data,
             const QDateTime &modified = QDateTime::currentDateTime());

    // The whole archive.
    QByteArray archive() const;

    // Writes the archive to `path` atomically: a reader sees the old file or
    // the whole new one, never a part. False (and `path` untouched) when it
    // cannot be written; `error` then says why.
    bool save(const QString &path, QString *error) const;

    // The CRC-32 of zip (and gzip, PNG): polynomial 0xEDB88320.
    static quint32 crc32(const QByteArray &data);

private:
    struct Member {
        QByteArray name;
        quint32 crc = 0;
        quint32 size = 0;
        quint32 compressedSize = 0;
        quint16 method = 0; // 0 stored, 8 deflated
        quint16 time = 0;   // MS-DOS time and date
        quint16 date = 0;
        quint32 offset = 0; // of its local header
    };
    QList<Member> members_;
    QByteArray body_; // the local headers with their data
};
