#include "kv_app_log.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtDebug>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::mutex &pathMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::string &processPath()
{
    static std::string path;
    return path;
}

// True when `dir` is this user's and nobody else may add or rename entries
// in it.
bool isUsersOwnDirectory(const QString &dir)
{
    struct stat info {};
    return ::stat(QFile::encodeName(dir).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// Creates `folder` (mode 0700) when missing and checks, on the folder
// itself and not on what a link names, that it is this user's directory;
// one that others could enter is closed to them.
bool makePrivateFolder(const QString &folder)
{
    const QByteArray name = QFile::encodeName(folder);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST) {
        qWarning().noquote() << "Velmora: cannot create" << folder << ":" << std::strerror(errno);
        return false;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        qWarning().noquote() << "Velmora:" << folder << "is not a directory of its own ("
                             << std::strerror(errno) << "); nothing is written there";
        return false;
    }
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid();
    if (!ok)
        qWarning().noquote() << "Velmora:" << folder
                             << "belongs to another user; nothing is written there";
    else if ((info.st_mode & 077) != 0 && ::fchmod(fd, 0700) != 0)
        ok = false;
    ::close(fd);
    return ok;
}

// Opens `path` without following a link; only a regular file of this user
// with no other name is accepted (a new file is made with mode 0600).
// Returns the descriptor or -1.
int openPrivateFile(const QString &path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(),
                          flags | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0600);
    if (fd < 0)
        return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid() ||
        info.st_nlink != 1) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Opens the file for appending (created if missing) through the check above.
bool openForAppend(QFile &file, const QString &path)
{
    if (path.isEmpty())
        return false;
    const int fd = openPrivateFile(path, O_WRONLY | O_APPEND | O_CREAT);
    if (fd < 0)
        return false;
    if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Append, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

} // namespace

QString KV_LogTimeText()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("M/dd/yyyy h:mm:ss AP")) +
           QStringLiteral("  ");
}

QString KV_LogFolder(const QString &applicationDir, const QString &applicationName)
{
    if (applicationDir == QLatin1String(KV_InstalledDirectory))
        return applicationDir;
    const QString temp = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    if (isUsersOwnDirectory(temp))
        return temp + QLatin1Char('/') + applicationName;
    return temp + QLatin1Char('/') + applicationName + QLatin1Char('-') +
           QString::number(::geteuid());
}

QString KV_PrepareDataFolder(const QString &applicationDir, const QString &applicationName)
{
    const QString folder = KV_LogFolder(applicationDir, applicationName);
    if (applicationDir == QLatin1String(KV_InstalledDirectory)) {
        QDir().mkpath(folder);
        return folder;
    }
    QDir().mkpath(QFileInfo(folder).path());
    return makePrivateFolder(folder) ? folder : QString();
}

QString KV_PrepareLogFile(const QString &applicationDir, const QString &applicationName)
{
    const QString folder = KV_PrepareDataFolder(applicationDir, applicationName);
    if (folder.isEmpty())
        return {};
    const QString path = QFileInfo(QDir(folder), QStringLiteral("Velmora.log")).absoluteFilePath();
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0 && errno == ENOENT)
        KV_AppendLogLines(path,
                          {QStringLiteral("***Create Log file for ") + applicationName +
                           QStringLiteral(" Start: ") + KV_LogTimeText() + QStringLiteral(" ***")});
    return path;
}

QString KV_PrepareSmartLog(const QString &logPath, const QString &applicationName)
{
    if (logPath.isEmpty())
        return {};
    const QString path = QFileInfo(logPath).dir().filePath(QStringLiteral("SMART_LOG.log"));
    // Only an existing file is emptied; a missing one is made by the first
    // report that appends to it.
    const int fd = openPrivateFile(path, O_WRONLY);
    if (fd < 0)
        return path;
    QFile file;
    if (::ftruncate(fd, 0) == 0 &&
        file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        file.write(("***Create SMART Log file for " + applicationName + " ***\n").toLocal8Bit());
        return path;
    }
    ::close(fd);
    return path;
}

bool KV_AppendLogText(const QString &path, const QByteArray &text)
{
    QFile file;
    if (!openForAppend(file, path))
        return false;
    file.write(text);
    file.flush();
    return true;
}

bool KV_AppendLogLines(const QString &path, const QStringList &lines)
{
    QFile file;
    if (!openForAppend(file, path))
        return false;
    for (const QString &line : lines) {
        file.write(line.toLocal8Bit());
        file.write("\n");
        file.flush();
    }
    return true;
}

bool KV_ReplaceDataFile(const QString &path, const QByteArray &contents)
{
    if (path.isEmpty())
        return false;
    // Removing the name removes a link, never what it points to.
    ::unlink(QFile::encodeName(path).constData());
    const int fd = openPrivateFile(path, O_WRONLY | O_CREAT | O_EXCL);
    if (fd < 0)
        return false;
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return file.write(contents) == contents.size() && file.flush();
}

void KV_SetProcessLogPath(const std::string &path)
{
    std::lock_guard lock(pathMutex());
    processPath() = path;
}

std::string KV_ProcessLogPath()
{
    std::lock_guard lock(pathMutex());
    return processPath();
}
