#include "user_guide.h"

#include "startup.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

QString KV_UserGuideFolder()
{
    QDir folder(QStandardPaths::writableLocation(QStandardPaths::TempLocation));
    const QString name = QString::fromLatin1(KV_Startup::ApplicationName);
    folder.mkpath(name);
    return folder.filePath(name);
}

QString KV_CopyUserGuide(const QString &source, const QString &folder)
{
    const QString target = QDir(folder).filePath(QStringLiteral("oxv-velmora_user_guide.pdf"));
    if (QFile::exists(target)) {
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
        QFile::remove(target);
    }
    QFile::copy(source, target);
    return target;
}
