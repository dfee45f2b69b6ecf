#include "event_log_file.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

const QString RootTag = QStringLiteral("Logs");
const QString EntryTag = QStringLiteral("LogEntry");
const QByteArray ClosingTag = QByteArrayLiteral("</Logs>");

bool Parses(const QByteArray &content)
{
    QDomDocument document;
    return bool(document.setContent(content));
}

void WriteEntries(QXmlStreamWriter &writer, const QList<KV_LoggedEvent> &entries)
{
    for (const KV_LoggedEvent &entry : entries) {
        writer.writeStartElement(EntryTag);
        writer.writeTextElement(QStringLiteral("LogNumber"), QString::number(entry.number));
        writer.writeTextElement(QStringLiteral("LogTime"), entry.time);
        writer.writeTextElement(QStringLiteral("Code"), QString::number(entry.code));
        writer.writeTextElement(QStringLiteral("Text"), entry.text);
        writer.writeEndElement();
    }
}

// Replaces the file's content in one step: a reader, or a process killed
// meanwhile, sees either the old content or the new.
bool ReplaceContent(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(content);
    return file.commit();
}

// Where the closing root tag starts when it ends the content (blanks and
// line breaks may follow it); -1 otherwise.
qint64 ClosingTagOffset(QFile &file)
{
    const qint64 size = file.size();
    const qint64 tailLength = qMin<qint64>(size, 256);
    if (!file.seek(size - tailLength))
        return -1;
    const QByteArray tail = file.read(tailLength);
    const qsizetype at = tail.lastIndexOf(ClosingTag);
    if (at < 0 || !tail.mid(at + ClosingTag.size()).trimmed().isEmpty())
        return -1;
    return size - tailLength + at;
}

} // namespace

bool KV_EventLogFile::dropStrayLines()
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray kept;
    bool dropped = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        if (line == "<\n" || line == "<\r\n") {
            dropped = true;
            continue;
        }
        kept += line;
    }
    file.close();
    return dropped && ReplaceContent(path_, kept);
}

// Keeps the file's text up to the end of its last complete entry and closes
// the root after it, so that every byte of what is kept stays as written.
bool KV_EventLogFile::repair()
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = file.readAll();
    file.close();
    if (Parses(content))
        return true;

    const QString text = QString::fromUtf8(content);
    QXmlStreamReader reader(text);
    qint64 keep = -1; // characters of `text` to keep
    int depth = 0;
    while (!reader.atEnd() && !reader.hasError()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            if (depth == 1 && reader.name() != RootTag)
                return false; // not an event log: leave it as it is
            if (depth == 1)
                keep = reader.characterOffset();
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            if (depth == 1 && reader.name() == EntryTag)
                keep = reader.characterOffset();
            break;
        default:
            break;
        }
    }

    // When not even the root was written, the log starts again empty.
    const QByteArray mended =
        keep < 0
            ? QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Logs>\n</Logs>\n")
            : text.left(keep).toUtf8() + '\n' + ClosingTag + '\n';
    return Parses(mended) && ReplaceContent(path_, mended);
}

QList<KV_LoggedEvent> KV_EventLogFile::read() const
{
    QList<KV_LoggedEvent> entries;
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    QDomDocument document;
    if (!document.setContent(&file))
        return entries;
    const QDomElement root = document.documentElement();
    for (QDomElement entry = root.firstChildElement(EntryTag); !entry.isNull();
         entry = entry.nextSiblingElement(EntryTag)) {
        KV_LoggedEvent event;
        event.number = entry.firstChildElement(QStringLiteral("LogNumber")).text().toUInt();
        event.time = entry.firstChildElement(QStringLiteral("LogTime")).text();
        event.code = entry.firstChildElement(QStringLiteral("Code")).text().toUInt();
        event.text = entry.firstChildElement(QStringLiteral("Text")).text();
        entries.append(event);
    }
    return entries;
}

QList<KV_LoggedEvent> KV_EventLogFile::restore()
{
    if (!QFileInfo::exists(path_))
        return {};
    dropStrayLines();
    repair();
    return read();
}

bool KV_EventLogFile::append(const QList<KV_LoggedEvent> &entries)
{
    const QFileInfo info(path_);
    if (!info.exists())
        QDir().mkpath(info.absolutePath());
    if (info.exists() && info.size() > 0) {
        if (appendToExisting(entries))
            return true;
        // The closing tag is not where it belongs (a write cut short):
        // mend the file and try once more.
        if (!repair() || !appendToExisting(entries))
            return false;
        return true;
    }
    return writeNew(entries);
}

bool KV_EventLogFile::writeNew(const QList<KV_LoggedEvent> &entries)
{
    QByteArray content;
    QXmlStreamWriter writer(&content);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(2);
    writer.writeStartDocument();
    writer.writeStartElement(RootTag);
    WriteEntries(writer, entries);
    writer.writeEndElement();
    writer.writeEndDocument();
    return ReplaceContent(path_, content);
}

bool KV_EventLogFile::appendToExisting(const QList<KV_LoggedEvent> &entries)
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const qint64 closingTag = ClosingTagOffset(file);
    if (closingTag < 0 || !file.seek(closingTag))
        return false;
    {
        QXmlStreamWriter writer(&file);
        writer.setAutoFormatting(true);
        writer.setAutoFormattingIndent(2);
        WriteEntries(writer, entries);
        if (writer.hasError())
            return false;
    }
    file.write("\n" + ClosingTag);
    // Whatever followed the old closing tag goes.
    return file.resize(file.pos()) && file.flush();
}
