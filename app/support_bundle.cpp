#include "support_bundle.h"

#include "json_report.h"
#include "kv_app_log.h"
#include "kv_raid_api.h"
#include "zip_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLibraryInfo>
#include <QSysInfo>
#include <QTemporaryDir>

namespace {

const char Readme[] =
    "Velmora support bundle\n"
    "======================\n"
    "\n"
    "Written by the Velmora console for its support. It holds what the console\n"
    "knows of this machine's RAID stack and nothing else:\n"
    "\n"
    "  README.txt            this note\n"
    "  versions.txt          the console's version, the RAID drivers' versions,\n"
    "                        the Qt version, the operating system, and when this\n"
    "                        bundle was written\n"
    "  configuration.json    arrays, disks (model, serial number, firmware,\n"
    "                        S.M.A.R.T. summary) and spares, as velmora-cli\n"
    "                        status --json prints them\n"
    "  configuration-dump.txt  the driver's configuration dump (the developer\n"
    "                        information the application log also takes)\n"
    "  driver-events.txt     the events the driver holds now: number, code,\n"
    "                        severity and text\n"
    "  EventsLog.xml         the console's event log: the driver's events with\n"
    "                        the local time the console saw each\n"
    "  Velmora.log           the console's application log\n"
    "  smart.txt             the S.M.A.R.T. attribute report of every disk\n"
    "\n"
    "A file that could not be had is listed in missing.txt with the reason.\n"
    "\n"
    "Personal data: the computer's name and the disks' serial numbers (in the\n"
    "configuration and the logs), array names and drive letters chosen on this\n"
    "machine, and whatever the logs already hold. No passwords, keys, user\n"
    "files or disk contents are collected.\n";

QByteArray readFile(const QString &path, QString *why)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *why = file.errorString();
        return {};
    }
    return file.readAll();
}

} // namespace

bool KV_WriteSupportBundle(const QString &path, const KV_SupportBundleSources &sources,
                           QString *error, QStringList *members)
{
    KV_ZipWriter zip;
    QStringList missing;
    auto add = [&](const QString &name, const QByteArray &data) {
        if (!zip.add(name, data))
            missing << QStringLiteral("%1: too large for the archive").arg(name);
        else if (members)
            members->append(name);
    };
    add(QStringLiteral("README.txt"), Readme);

    KV_RaidApi api;
    const RaidDataBundle bundle = api.BuildBundle(0, 0);
    const bool reachable = !bundle.refreshFailed;

    QStringList versions;
    versions << QStringLiteral("Velmora console: %1").arg(sources.consoleVersion);
    const QStringList drivers = KV_RaidApi::GetDriverVersions();
    const char *const files[] = {"kvraid.sys", "kvcfg.sys", "kvbottom.sys"};
    for (qsizetype i = 0; i < drivers.size() && i < 3; ++i)
        versions << QStringLiteral("%1: %2").arg(QLatin1String(files[i]), drivers[i]);
    versions << QStringLiteral("Driver answering: %1")
                    .arg(reachable ? QStringLiteral("yes") : QStringLiteral("no"));
    versions << QStringLiteral("Qt: %1").arg(QLatin1String(qVersion()));
    versions << QStringLiteral("Operating system: %1 (kernel %2 %3)")
                    .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(),
                         QSysInfo::kernelVersion());
    versions << QStringLiteral("Written: %1")
                    .arg(QDateTime::currentDateTime().toString(Qt::ISODateWithMs));
    add(QStringLiteral("versions.txt"), versions.join(u'\n').toUtf8() + '\n');

    QTemporaryDir work;
    if (reachable) {
        add(QStringLiteral("configuration.json"),
            QJsonDocument(KV_StatusJson(api, bundle, sources.consoleVersion))
                .toJson(QJsonDocument::Indented));
        QString events;
        for (const KV_EventRec &event : bundle.events)
            events += QStringLiteral("%1 code %2 %3: %4\n")
                          .arg(event.sequence)
                          .arg(event.code)
                          .arg(KV_SeverityName(event.severity), event.text.trimmed());
        add(QStringLiteral("driver-events.txt"), events.toUtf8());
    } else {
        missing << QStringLiteral("configuration.json, driver-events.txt, smart.txt: the "
                                  "driver is not answering");
    }
    // The dump and the reports are written by the service into files of
    // their own, here in a private folder, and read back.
    const QString dumpPath = work.filePath(QStringLiteral("dump.txt"));
    QString why;
    if (work.isValid() && api.DumpConfiguration(dumpPath))
        add(QStringLiteral("configuration-dump.txt"), readFile(dumpPath, &why));
    else
        missing << QStringLiteral("configuration-dump.txt: no RAID core found");
    if (reachable && work.isValid()) {
        const QString smartPath = work.filePath(QStringLiteral("smart.txt"));
        for (const KV_DiskRec *disk : bundle.disks) {
            if (KV_FieldIs(disk->type, "Core"))
                continue;
            KV_AppendLogLines(smartPath, {QStringLiteral("==== Disk %1 (%2 %3) %4")
                                              .arg(disk->deviceRoute)
                                              .arg(disk->controller)
                                              .arg(disk->channel)
                                              .arg(QString::fromLocal8Bit(disk->model))});
            // The status stays "Failed" when the report was written; any
            // other text says why there is none.
            const KV_SmartInfo result = api.RetrieveAllSmartInfo(disk->deviceRoute, {}, smartPath);
            if (result.status != QLatin1String(KV_SmartFailedText))
                KV_AppendLogLines(smartPath, {result.status.trimmed()});
        }
        add(QStringLiteral("smart.txt"), readFile(smartPath, &why));
    }
    for (const QString &name : {QStringLiteral("EventsLog.xml"), QStringLiteral("Velmora.log")}) {
        const QString file = sources.dataFolder.isEmpty()
                                 ? QString()
                                 : QDir(sources.dataFolder).absoluteFilePath(name);
        if (file.isEmpty() || !QFileInfo(file).isFile()) {
            missing << QStringLiteral("%1: not written on this machine yet").arg(name);
            continue;
        }
        why.clear();
        const QByteArray data = readFile(file, &why);
        if (!why.isEmpty())
            missing << QStringLiteral("%1: %2").arg(name, why);
        else
            add(name, data);
    }
    if (!missing.isEmpty())
        add(QStringLiteral("missing.txt"), missing.join(u'\n').toUtf8() + '\n');
    return zip.save(path, error);
}
