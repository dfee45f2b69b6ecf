// The application log, "Velmora.log": where it lives, its banner, and the one
// way every writer appends to it (open by path, write whole lines, flush,
// close; nothing keeps the file open, and an entry that cannot be written is
// dropped without failing the operation that wrote it).
//
// The data folder (the log, the S.M.A.R.T. log, the event log and the user
// guide copy) belongs to the user alone: it is created with mode 0700 and a
// folder that is not a real directory of this user is refused. Its files are
// opened without following a link, and only a regular file of this user with
// no other name is ever written, emptied or replaced, so that nobody can make
// the console overwrite a file through a name they planted.
#pragma once

#include <QByteArray>
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
// `applicationName` in the user's temporary directory. When that directory
// is shared with other users (it is not the user's own, or others may write
// to it, as /tmp), the folder's name carries the user's number as well
// ("Velmora-1000"), so that no other user can own the name first.
QString KV_LogFolder(const QString &applicationDir, const QString &applicationName);

// KV_LogFolder, created when missing (the temporary directory with its
// missing parents, the folder itself with mode 0700). A folder that is a
// link, not a directory, or another user's is refused: the result is then
// empty and nothing is written there. A folder of this user that others
// could enter is closed to them.
QString KV_PrepareDataFolder(const QString &applicationDir, const QString &applicationName);

// Decides the log's path for a console run from `applicationDir` (the data
// folder above); creates the file with its banner line when there is none.
// Returns the absolute path of the log, or an empty text when the folder is
// refused.
QString KV_PrepareLogFile(const QString &applicationDir, const QString &applicationName);

// The S.M.A.R.T. log, "SMART_LOG.log", beside the application log at
// `logPath`: an existing one of this user is emptied and starts with its
// header line. Returns its path (empty when `logPath` is empty).
QString KV_PrepareSmartLog(const QString &logPath, const QString &applicationName);

// Appends each line with a line break; false when the file cannot be opened.
bool KV_AppendLogLines(const QString &path, const QStringList &lines);
// Appends the text as it stands.
bool KV_AppendLogText(const QString &path, const QByteArray &text);
// Writes `contents` as a new file at `path`, removing what the name held
// before (the user guide copy: a copy left read-only is replaced all the
// same). False when the file cannot be made.
bool KV_ReplaceDataFile(const QString &path, const QByteArray &contents);

// The same path for code that works with narrow texts (prepare-to-remove).
void KV_SetProcessLogPath(const std::string &path);
std::string KV_ProcessLogPath();
