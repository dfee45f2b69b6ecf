#include "kv_app_log.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <mutex>

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
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation) + QLatin1Char('/') +
           applicationName;
}

QString KV_PrepareLogFile(const QString &applicationDir, const QString &applicationName)
{
    const QString folder = KV_LogFolder(applicationDir, applicationName);
    QDir().mkpath(folder);
    const QString path = QFileInfo(QDir(folder), QStringLiteral("Velmora.log")).absoluteFilePath();
    if (!QFileInfo::exists(path))
        KV_AppendLogLines(path,
                          {QStringLiteral("***Create Log file for ") + applicationName +
                           QStringLiteral(" Start: ") + KV_LogTimeText() + QStringLiteral(" ***")});
    return path;
}

bool KV_AppendLogText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    file.write(text);
    file.flush();
    return true;
}

bool KV_AppendLogLines(const QString &path, const QStringList &lines)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    for (const QString &line : lines) {
        file.write(line.toLocal8Bit());
        file.write("\n");
        file.flush();
    }
    return true;
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
