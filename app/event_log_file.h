// "EventsLog.xml": the local times the console gave the driver's events, kept
// across restarts. The file is an interface other tools read, so its shape
// stays fixed:
//
//   <?xml version="1.0" encoding="UTF-8"?>
//   <Logs>
//     <LogEntry>
//       <LogNumber>17</LogNumber>
//       <LogTime>3/04/2026 9:15:02 AM  </LogTime>
//       <Code>1039</Code>
//       <Text>...</Text>
//     </LogEntry>
//   </Logs>
//
// An append overwrites the closing "</Logs>" and writes it again after the
// new entries. A process killed in between leaves a file without its
// closing tag; restore() mends such a file first, keeping every complete
// entry, so that no time whose append had finished is ever lost.
#pragma once

#include <QList>
#include <QString>

struct KV_LoggedEvent {
    quint32 number = 0;
    QString time; // "M/dd/yyyy h:mm:ss AP  ", two blanks at the end
    quint32 code = 0;
    QString text;

    friend bool operator==(const KV_LoggedEvent &, const KV_LoggedEvent &) = default;
};

class KV_EventLogFile {
public:
    explicit KV_EventLogFile(QString path) : path_(std::move(path)) {}

    const QString &path() const { return path_; }

    // Reads every entry, after dropping lines that consist of just "<" and
    // mending a file that does not parse. A file that is absent or cannot be
    // mended gives no entries.
    QList<KV_LoggedEvent> restore();

    // Writes the entries after those already in the file, creating the file
    // (and its folder) when needed. False when nothing could be written.
    bool append(const QList<KV_LoggedEvent> &entries);

    // The steps of restore(), each on its own for tests and callers that
    // only need one. dropStrayLines() answers whether it rewrote the file;
    // repair() whether the file parses (afterwards).
    bool dropStrayLines();
    bool repair();
    QList<KV_LoggedEvent> read() const;

private:
    bool appendToExisting(const QList<KV_LoggedEvent> &entries);
    bool writeNew(const QList<KV_LoggedEvent> &entries);

    QString path_;
};
