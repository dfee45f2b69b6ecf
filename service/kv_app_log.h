// The application log, "Velmora.log": where it lives, its banner, and the one
// way every writer appends to it (open by path, write whole lines, flush,
// close; nothing keeps the file open, and an entry that cannot be written is
// dropped without failing the operation that wrote it).
#pragma once

#include <QString>
#include <QStringList>

#include <string>

// The log's folder when the console runs from its installed place.
inline constexpr char KV_InstalledDirectory[] = "C:/Program Files (x86)/Velmora";

// The local time as the log writes it: "M/dd/yyyy h:mm:ss AP  ", with two
// blanks at the end.
QString KV_LogTimeText();

// The log's folder for a console run from `applicationDir`: that folder
// when it is the installed one (compared exactly), else the folder named
// `applicationName` in the user's temporary directory.
QString KV_LogFolder(const QString &applicationDir, const QString &applicationName);

// Decides the log's path for a console run from `applicationDir`: that
// folder when it is the installed one, else the folder named
// `applicationName` in the user's temporary directory; creates the folder,
// and the file with its banner line when there is none. Returns the
// absolute path of the log.
QString KV_PrepareLogFile(const QString &applicationDir, const QString &applicationName);

// Appends each line with a line break; false when the file cannot be opened.
bool KV_AppendLogLines(const QString &path, const QStringList &lines);
// Appends the text as it stands.
bool KV_AppendLogText(const QString &path, const QByteArray &text);

// The same path for code that works with narrow texts (prepare-to-remove).
void KV_SetProcessLogPath(const std::string &path);
std::string KV_ProcessLogPath();
