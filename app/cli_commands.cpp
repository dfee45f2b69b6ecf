#include "cli_commands.h"

#include "json_report.h"
#include "kv_api.h"
#include "kv_app_log.h"
#include "kv_raid_api.h"
#include "metrics_report.h"
#include "smart_report.h"
#include "startup.h"
#include "support_bundle.h"

#include <QFileInfo>
#include <QJsonDocument>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <iostream>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

enum Exit { Done = 0, Failed = 1, Usage = 2, NotFound = 3, NotConfirmed = 4 };

// What one run of a subcommand was given.
struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options; // "--json" -> "" for a flag
    bool has(const char *option) const { return options.count(option) != 0; }
};

struct Command {
    const char *name;
    const char *synopsis;
    const char *description;
    // Each "--name" takes no value, each "--name=" takes one.
    std::vector<const char *> options;
    int minimum; // positional arguments
    int maximum; // -1: any number
    std::function<int(const Arguments &)> run;
};

bool json = false; // --json was given: errors too are JSON

// JSON and metrics go to the output this names. The core writes its
// diagnostics to the standard output, so that output is then joined to the
// error output and the answer keeps the original one to itself.
int answerOutput = STDOUT_FILENO;

void keepOutputForAnswer()
{
    std::fflush(stdout);
    answerOutput = dup(STDOUT_FILENO);
    if (answerOutput < 0 || dup2(STDERR_FILENO, STDOUT_FILENO) < 0)
        answerOutput = STDOUT_FILENO;
}

void writeAnswer(const QByteArray &bytes)
{
    std::fflush(stdout);
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written =
            write(answerOutput, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        done += written;
    }
}

// One-line error on the error output, or a JSON error object on the output
// under --json; returns `status`.
int fail(int status, const char *kind, const QString &message)
{
    if (json)
        writeAnswer(QJsonDocument(KV_JsonError(QString::fromLatin1(kind), message))
                        .toJson(QJsonDocument::Compact) +
                    '\n');
    else
        std::fprintf(stderr, "velmora-cli: %s\n", qPrintable(message));
    return status;
}

void printJson(const QJsonObject &object)
{
    writeAnswer(QJsonDocument(object).toJson(QJsonDocument::Indented));
}

int notAnswering()
{
    return fail(Failed, "driver-unreachable",
                QStringLiteral("the driver is not answering: its configuration could not be read"));
}

// A whole decimal number within [low, high].
bool number(const std::string &text, long low, long high, long *value)
{
    if (text.empty())
        return false;
    char *end = nullptr;
    errno = 0;
    const long parsed = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || errno != 0 || parsed < low || parsed > high)
        return false;
    *value = parsed;
    return true;
}

// A disk named by its device number ("3") or, as the window names it, by
// controller and channel ("0 2" or "0:2"). The status to exit with when it
// is not one.
int findDisk(KV_RaidApi &api, const std::string &text, int *diskId)
{
    long controller = 0, channel = 0, device = 0;
    const size_t split = text.find_first_of(" :");
    if (split != std::string::npos) {
        if (!number(text.substr(0, split), 0, 0xFFFF, &controller) ||
            !number(text.substr(text.find_first_not_of(" :", split) == std::string::npos
                                    ? text.size()
                                    : text.find_first_not_of(" :", split)),
                    0, 0xFFFF, &channel))
            return fail(Usage, "usage",
                        QStringLiteral("\"%1\" is no disk: give its device number or its "
                                       "controller and channel (\"0 2\")")
                            .arg(QString::fromStdString(text)));
        const int id = api.FindDiskIdByLocation(int(controller), int(channel));
        if (id < 0)
            return fail(NotFound, "not-found",
                        QStringLiteral("there is no disk at controller %1 channel %2")
                            .arg(controller)
                            .arg(channel));
        *diskId = id;
        return Done;
    }
    if (!number(text, 0, 0xFFFF, &device))
        return fail(Usage, "usage",
                    QStringLiteral("\"%1\" is no disk: give its device number or its "
                                   "controller and channel (\"0 2\")")
                        .arg(QString::fromStdString(text)));
    const int index = api.FindDiskIndex(int(device));
    if (index < 0 || KV_FieldIs(api.GetDisk(index)->type, "Core"))
        return fail(NotFound, "not-found", QStringLiteral("there is no disk %1").arg(device));
    *diskId = int(device);
    return Done;
}

int findArray(KV_RaidApi &api, const std::string &text, int *arrayId)
{
    long id = 0;
    if (!number(text, 0, 0xFFFF, &id))
        return fail(Usage, "usage",
                    QStringLiteral("\"%1\" is no array number").arg(QString::fromStdString(text)));
    if (api.FindArrayIndex(int(id)) < 0)
        return fail(NotFound, "not-found", QStringLiteral("there is no array %1").arg(id));
    *arrayId = int(id);
    return Done;
}

// A service whose snapshot was read; false (after the message) when the
// driver did not answer.
bool answering(KV_RaidApi &api)
{
    if (api.Refresh() == 1)
        return true;
    notAnswering();
    return false;
}

// Asks on the terminal; without one only --yes confirms.
int confirm(const Arguments &args, const QString &question)
{
    if (args.has("--yes"))
        return Done;
    if (!isatty(STDIN_FILENO))
        return fail(
            NotConfirmed, "not-confirmed",
            QStringLiteral("%1 not confirmed: no terminal to ask; add --yes").arg(question));
    std::fprintf(stderr, "%s [y/N] ", qPrintable(question));
    std::fflush(stderr);
    std::string answer;
    std::getline(std::cin, answer);
    if (answer == "y" || answer == "Y" || answer == "yes")
        return Done;
    return fail(NotConfirmed, "not-confirmed", QStringLiteral("cancelled"));
}

// Why the service sent nothing or the driver refused.
int refused(const KV_RaidApi &api, const QString &what, const QString &reason = {})
{
    const KV_STS status = api.LastCoreStatus();
    if (!reason.isEmpty())
        return fail(Failed, "refused", QStringLiteral("%1: %2").arg(what, reason));
    if (status != KV_STS_UNKNOWN)
        return fail(Failed, "refused",
                    QStringLiteral("%1: the driver refused with status %2 (%3)")
                        .arg(what)
                        .arg(status)
                        .arg(QLatin1String(KV_StatusName(status))));
    return fail(Failed, "refused", QStringLiteral("%1: the driver refused").arg(what));
}

QString arrayName(KV_RaidApi &api, int arrayId)
{
    const KV_ArrayConfig *config = api.FindArrayConfig(arrayId, true);
    return config ? QString::fromLocal8Bit(config->deviceName).trimmed() : QString();
}

// The facts that keep a disk out of a new array, as far as the snapshot
// tells them; empty when it tells none.
QString diskHindrance(KV_RaidApi &api, int diskId)
{
    const int index = api.FindDiskIndex(diskId);
    if (index < 0)
        return QStringLiteral("disk %1 does not exist").arg(diskId);
    const KV_DiskRec &disk = *api.GetDisk(index);
    const QString name =
        QStringLiteral("disk %1 (%2 %3)").arg(diskId).arg(disk.controller).arg(disk.channel);
    QStringList arrays;
    for (int i = 0; i < api.GetArrayCount(); ++i) {
        const int arrayId = api.GetArray(i)->config[0].deviceRoute;
        if (api.ArrayUsesDisk(arrayId, diskId))
            arrays << QStringLiteral("%1 \"%2\"").arg(arrayId).arg(arrayName(api, arrayId));
    }
    if (!arrays.isEmpty())
        return QStringLiteral("%1 is a member of array %2").arg(name, arrays.join(u','));
    if (api.DiskIsGlobalSpare(diskId))
        return QStringLiteral("%1 is a global spare").arg(name);
    if (api.DiskIsDedicatedSpare(diskId))
        return QStringLiteral("%1 is a dedicated spare").arg(name);
    if (!KV_FieldIs(disk.type, "Disk"))
        return QStringLiteral("%1 is not initialized for RAID use (velmora-cli init %2)")
            .arg(name)
            .arg(diskId);
    if (KV_RaidApi::StateIsSmartError(disk.state))
        return QStringLiteral("%1 reports S.M.A.R.T. errors").arg(name);
    if (!KV_FieldIs(disk.state, "Online"))
        return QStringLiteral("%1 is %2").arg(name, QString::fromLatin1(disk.state));
    return {};
}

// The disk arguments of a create, transform or init; a status to exit with
// when one is not a disk.
int diskList(KV_RaidApi &api, const std::vector<std::string> &texts, size_t first, int maximum,
             std::vector<int> *disks)
{
    if (int(texts.size() - first) > maximum)
        return fail(Usage, "usage", QStringLiteral("at most %1 disks").arg(maximum));
    for (size_t i = first; i < texts.size(); ++i) {
        int id = 0;
        if (const int status = findDisk(api, texts[i], &id); status != Done)
            return status;
        disks->push_back(id);
    }
    return Done;
}

// --- The read commands --------------------------------------------------

int status(const Arguments &)
{
    KV_RaidApi api;
    const RaidDataBundle bundle = api.BuildBundle(0, 0);
    if (bundle.refreshFailed)
        return notAnswering();
    if (json) {
        printJson(KV_StatusJson(api, bundle, QString::fromLatin1(KV_Startup::ApplicationVersion)));
        return Done;
    }
    std::printf("computer %s\n", qPrintable(bundle.computerName));
    int degraded = 0;
    for (const KV_ArrayConfig *array : bundle.arrays)
        degraded += KV_FieldIs(array->state, "NORMAL") || KV_FieldIs(array->state, "READY") ? 0 : 1;
    int disks = 0;
    for (const KV_DiskRec *disk : bundle.disks)
        disks += KV_FieldIs(disk->type, "Core") ? 0 : 1;
    std::printf("arrays %lld (%d not NORMAL or READY), disks %d\n", qlonglong(bundle.arrays.size()),
                degraded, disks);
    for (const KV_ArrayConfig *array : bundle.arrays)
        std::printf("  array %d %-8s %-10s %s \"%s\"\n", array->deviceRoute, array->type,
                    array->state, qPrintable(KV_RaidApi::FormatSectors(array->capacity)),
                    array->deviceName);
    return Done;
}

int arrays(const Arguments &)
{
    KV_RaidApi api;
    const RaidDataBundle bundle = api.BuildBundle(0, 0);
    if (bundle.refreshFailed)
        return notAnswering();
    const QJsonArray list = KV_ArraysJson(api, bundle);
    if (json) {
        printJson(
            {{QStringLiteral("schema"), KV_JsonSchemaVersion}, {QStringLiteral("arrays"), list}});
        return Done;
    }
    std::printf("%-5s %-16s %-8s %-10s %-12s %-10s %s\n", "ARRAY", "NAME", "LEVEL", "STATE", "SIZE",
                "TASK", "MEMBERS");
    for (const QJsonValue &value : list) {
        const QJsonObject a = value.toObject();
        QStringList members;
        for (const QJsonValue &m : a[QStringLiteral("members")].toArray()) {
            const QJsonObject member = m.toObject();
            const QJsonValue disk = member[QStringLiteral("disk")];
            QString name =
                disk.isNull()
                    ? QStringLiteral("array %1").arg(member[QStringLiteral("array")].toInt())
                    : QString::number(disk.toInt());
            if (!member[QStringLiteral("ok")].toBool())
                name += QStringLiteral("(%1)").arg(member[QStringLiteral("state")].toString());
            members << name;
        }
        const QJsonValue task = a[QStringLiteral("task")];
        const QString taskText =
            task.isNull()
                ? QStringLiteral("-")
                : QStringLiteral("%1 %2%")
                      .arg(task[QStringLiteral("type")].toString())
                      .arg(task[QStringLiteral("progress_percent")].toDouble(), 0, 'f', 1);
        std::printf("%-5d %-16s %-8s %-10s %-12s %-10s %s\n", a[QStringLiteral("id")].toInt(),
                    qPrintable(a[QStringLiteral("name")].toString()),
                    qPrintable(a[QStringLiteral("level")].toString()),
                    qPrintable(a[QStringLiteral("state")].toString()),
                    qPrintable(KV_RaidApi::FormatSectors(
                        quint64(a[QStringLiteral("capacity_bytes")].toDouble() / 512))),
                    qPrintable(taskText), qPrintable(members.join(u' ')));
    }
    return Done;
}

int disks(const Arguments &)
{
    KV_RaidApi api;
    const RaidDataBundle bundle = api.BuildBundle(0, 0);
    if (bundle.refreshFailed)
        return notAnswering();
    const QJsonArray list = KV_DisksJson(api, bundle, true);
    if (json) {
        printJson(
            {{QStringLiteral("schema"), KV_JsonSchemaVersion}, {QStringLiteral("disks"), list}});
        return Done;
    }
    std::printf("%-5s %-8s %-24s %-20s %-10s %-12s %-12s %s\n", "DISK", "LOCATION", "MODEL",
                "SERIAL", "FIRMWARE", "SIZE", "STATE", "SMART");
    for (const QJsonValue &value : list) {
        const QJsonObject d = value.toObject();
        const QJsonObject smart = d[QStringLiteral("smart")].toObject();
        const QString health =
            !smart[QStringLiteral("healthy")].toBool() ? QStringLiteral("error")
            : smart[QStringLiteral("available")].toBool()
                ? QStringLiteral("ok %1C %2h")
                      .arg(smart[QStringLiteral("temperature_celsius")].toDouble())
                      .arg(smart[QStringLiteral("power_on_hours")].toDouble())
                : QStringLiteral("ok");
        std::printf(
            "%-5d %-8s %-24s %-20s %-10s %-12s %-12s %s\n", d[QStringLiteral("id")].toInt(),
            qPrintable(d[QStringLiteral("location")].toString()),
            qPrintable(d[QStringLiteral("model")].toString()),
            qPrintable(d[QStringLiteral("serial")].toString()),
            qPrintable(d[QStringLiteral("firmware")].toString()),
            qPrintable(KV_RaidApi::FormatSectors(
                quint64(d[QStringLiteral("capacity_bytes")].toDouble() / 512))),
            qPrintable(d[QStringLiteral("state")].toString() +
                       (d[QStringLiteral("global_spare")].toBool() ? QStringLiteral(",spare")
                                                                   : QString())),
            qPrintable(health));
    }
    return Done;
}

int events(const Arguments &args)
{
    long since = 0;
    if (args.has("--since") && !number(args.options.at("--since"), 0, UINT32_MAX, &since))
        return fail(Usage, "usage",
                    QStringLiteral("--since takes an event number, not \"%1\"")
                        .arg(QString::fromStdString(args.options.at("--since"))));
    KV_RaidApi api;
    const RaidDataBundle bundle = api.BuildBundle(quint32(since), 0);
    if (bundle.refreshFailed)
        return notAnswering();
    if (json) {
        printJson({{QStringLiteral("schema"), KV_JsonSchemaVersion},
                   {QStringLiteral("events"), KV_EventsJson(bundle.events)},
                   {QStringLiteral("next_sequence"), double(bundle.nextEventSeq)}});
        return Done;
    }
    for (const KV_EventRec &event : bundle.events)
        std::printf("%u %-11s %u %s\n", event.sequence, qPrintable(KV_SeverityName(event.severity)),
                    event.code, qPrintable(event.text.trimmed()));
    std::printf("next sequence: %u\n", bundle.nextEventSeq);
    return Done;
}

int smart(const Arguments &args, const char *programPath)
{
    KV_RaidApi api;
    const RaidDataBundle bundle = api.BuildBundle(0, 0);
    if (bundle.refreshFailed)
        return notAnswering();
    int diskId = 0;
    if (const int found = findDisk(api, args.positional[0], &diskId); found != Done)
        return found;
    if (!json)
        return printSmartReport(diskId, programPath);
    printJson({{QStringLiteral("schema"), KV_JsonSchemaVersion},
               {QStringLiteral("disk"), KV_DiskJson(api, bundle, diskId, true)}});
    return Done;
}

// --- The commands that change the configuration -------------------------

KV_Create createRecord(const Arguments &args, const QString &level, const std::vector<int> &disks)
{
    KV_Create params;
    params.type = level.toUpper();
    params.cacheMode = args.has("--cache") ? QString::fromStdString(args.options.at("--cache"))
                                           : QStringLiteral("NC");
    if (args.has("--name"))
        params.name = QString::fromStdString(args.options.at("--name"));
    for (size_t i = 0; i < disks.size(); ++i)
        params.memberIds[i] = disks[i];
    params.memberCount = int(disks.size());
    return params;
}

// The options create and transform share; a status to exit with when one is
// not valid.
int sizeOption(const Arguments &args, long *megabytes)
{
    *megabytes = 0;
    if (args.has("--size") && !number(args.options.at("--size"), 100, INT32_MAX, megabytes))
        return fail(Usage, "usage",
                    QStringLiteral("--size takes decimal megabytes (100 or more), not \"%1\"")
                        .arg(QString::fromStdString(args.options.at("--size"))));
    if (args.has("--cache")) {
        const std::string &mode = args.options.at("--cache");
        if (mode != "NC" && mode != "R" && mode != "W" && mode != "RW")
            return fail(Usage, "usage", QStringLiteral("--cache takes NC, R, W or RW"));
    }
    return Done;
}

// Runs a create or transform: at --size, or at the largest size the driver
// offers. `hindrances` explains a refusal with what the snapshot knows of
// the disks.
template <typename Command>
int sized(KV_RaidApi &api, KV_Create &params, long megabytes, Command command,
          QString (*message)(int), int failed, const std::vector<int> &disks, const QString &what)
{
    int result = 0;
    if (megabytes == 0) {
        result = command(params, true);
        if (result >= 0)
            params.capacityMB = result;
    } else {
        params.capacityMB = int(megabytes);
    }
    if (result >= 0)
        result = command(params, false);
    if (result > 0)
        return Done;
    QString reason = message(result < 0 ? result : failed).trimmed();
    const KV_STS status = api.LastCoreStatus();
    if (status != KV_STS_UNKNOWN && status != KV_STS_SUCCESS)
        reason += QStringLiteral("; the driver answered status %1 (%2)")
                      .arg(status)
                      .arg(QLatin1String(KV_StatusName(status)));
    QStringList hindrances;
    api.Refresh();
    for (const int disk : disks)
        if (const QString hindrance = diskHindrance(api, disk); !hindrance.isEmpty())
            hindrances << hindrance;
    if (!hindrances.isEmpty())
        reason += QStringLiteral(": ") + hindrances.join(QStringLiteral("; "));
    return fail(Failed, "refused", QStringLiteral("%1: %2").arg(what, reason));
}

int create(const Arguments &args)
{
    long megabytes = 0;
    if (const int bad = sizeOption(args, &megabytes); bad != Done)
        return bad;
    KV_RaidApi api;
    if (!answering(api))
        return Failed;
    std::vector<int> disks;
    if (const int bad = diskList(api, args.positional, 1, KV_CreateMaxMembers, &disks); bad != Done)
        return bad;
    KV_Create params = createRecord(args, QString::fromStdString(args.positional[0]), disks);
    const int result = sized(
        api, params, megabytes,
        [&](const KV_Create &p, bool checkOnly) { return api.CreateArray(p, checkOnly); },
        KV_CreateMessage, -53, disks, QStringLiteral("not created"));
    if (result == Done)
        std::printf("created %s of %d MB\n", qPrintable(params.type), params.capacityMB);
    return result;
}

int transform(const Arguments &args)
{
    long megabytes = 0;
    if (const int bad = sizeOption(args, &megabytes); bad != Done)
        return bad;
    KV_RaidApi api;
    if (!answering(api))
        return Failed;
    int arrayId = 0;
    if (const int bad = findArray(api, args.positional[0], &arrayId); bad != Done)
        return bad;
    std::vector<int> disks;
    if (const int bad = diskList(api, args.positional, 2, KV_CreateMaxMembers, &disks); bad != Done)
        return bad;
    KV_Create params = createRecord(args, QString::fromStdString(args.positional[1]), disks);
    const int result = sized(
        api, params, megabytes,
        [&](const KV_Create &p, bool checkOnly) {
            return api.TransformArray(p, arrayId, checkOnly);
        },
        KV_TransformMessage, -66, disks, QStringLiteral("array %1 not transformed").arg(arrayId));
    if (result == Done)
        std::printf("array %d becomes %s of %d MB\n", arrayId, qPrintable(params.type),
                    params.capacityMB);
    return result;
}

int deleteArray(const Arguments &args)
{
    KV_RaidApi api;
    if (!answering(api))
        return Failed;
    int arrayId = 0;
    if (const int bad = findArray(api, args.positional[0], &arrayId); bad != Done)
        return bad;
    const QString name = arrayName(api, arrayId);
    const QString what = QStringLiteral("array %1 not deleted").arg(arrayId);
    // The service checks these too; asked first, they give the reason and
    // spare the question.
    if (!KV_RaidApi::ProcessIsElevated())
        return refused(api, what, QStringLiteral("administrator rights are needed"));
    if (!api.SystemFactsKnown())
        return refused(api, what,
                       QStringLiteral("the host could not tell which arrays hold the system"));
    if (api.ArrayCarriesSystem(arrayId))
        return refused(api, what, QStringLiteral("it holds the system"));
    if (const KV_ArrayConfig *config = api.FindArrayConfig(arrayId, true)) {
        if (KV_FieldIs(config->state, "LOCKED"))
            return refused(
                api, what,
                name + QStringLiteral(" is locked and cannot be deleted until it is unlocked."));
        if (config->referenceCount != 0)
            return refused(api, what, QStringLiteral("it is in use"));
    }
    if (const int answer = confirm(
            args,
            QStringLiteral("Delete array %1 \"%2\"? Its data is lost.").arg(arrayId).arg(name));
        answer != Done)
        return answer;
    if (!api.DeleteArray(arrayId))
        return refused(api, what);
    std::printf("array %d deleted\n", arrayId);
    return Done;
}

int initialize(const Arguments &args)
{
    KV_RaidApi api;
    if (!answering(api))
        return Failed;
    std::vector<int> disks;
    if (const int bad = diskList(api, args.positional, 0, KV_MaxCommandDisks, &disks); bad != Done)
        return bad;
    if (!KV_RaidApi::ProcessIsElevated())
        return refused(api, QStringLiteral("not initialized"),
                       QStringLiteral("administrator rights are needed"));
    QStringList names;
    for (const int disk : disks)
        names << QString::number(disk);
    if (const int answer =
            confirm(args, QStringLiteral("Initialize disk(s) %1? Their contents are lost.")
                              .arg(names.join(u' ')));
        answer != Done)
        return answer;
    KV_InitDisks request;
    for (size_t i = 0; i < disks.size(); ++i)
        request.diskIds[i] = disks[i];
    request.count = int(disks.size());
    if (api.InitializeDisks(request) != 1) {
        QStringList hindrances;
        for (const int disk : disks)
            if (const QString hindrance = diskHindrance(api, disk); !hindrance.isEmpty())
                hindrances << hindrance;
        return refused(api, QStringLiteral("no disk was initialized"),
                       hindrances.join(QStringLiteral("; ")));
    }
    std::printf("initialized\n");
    return Done;
}

int spare(const Arguments &args)
{
    const std::string &action = args.positional[0];
    if (action != "add" && action != "remove")
        return fail(Usage, "usage", QStringLiteral("spare takes add or remove"));
    KV_RaidApi api;
    if (!answering(api))
        return Failed;
    int diskId = 0, arrayId = -1;
    if (const int bad = findDisk(api, args.positional[1], &diskId); bad != Done)
        return bad;
    if (args.has("--array"))
        if (const int bad = findArray(api, args.options.at("--array"), &arrayId); bad != Done)
            return bad;
    const bool add = action == "add";
    const bool done = arrayId < 0
                          ? (add ? api.AssignGlobalSpare(diskId) : api.RemoveGlobalSpare(diskId))
                          : (add ? api.AssignDedicatedSpare(arrayId, diskId)
                                 : api.RemoveDedicatedSpare(arrayId, diskId));
    const QString what = arrayId < 0 ? QStringLiteral("global spare")
                                     : QStringLiteral("dedicated spare of array %1").arg(arrayId);
    if (!done) {
        QString reason;
        if (add) {
            reason = diskHindrance(api, diskId);
            if (reason.isEmpty() && arrayId >= 0 && !api.IsRedundantType(arrayId))
                reason = QStringLiteral("array %1 has no redundancy").arg(arrayId);
        } else if (arrayId < 0 ? !api.DiskIsGlobalSpare(diskId)
                               : !api.DiskIsDedicatedSpareOf(arrayId, diskId)) {
            reason = QStringLiteral("it is none");
        }
        return refused(api,
                       (add ? QStringLiteral("disk %1 did not become a %2")
                            : QStringLiteral("disk %1 was not taken off as %2"))
                           .arg(diskId)
                           .arg(what),
                       reason);
    }
    std::printf("disk %d %s %s\n", diskId, add ? "is now a" : "is no longer a", qPrintable(what));
    return Done;
}

int task(const Arguments &args)
{
    KV_RaidApi api;
    if (!answering(api))
        return Failed;
    int arrayId = 0;
    if (const int bad = findArray(api, args.positional[0], &arrayId); bad != Done)
        return bad;
    const std::string &action = args.positional[1];
    const size_t count = args.positional.size();
    bool done = false;
    if ((action == "pause" || action == "resume" || action == "remove") && count == 2) {
        if (!api.ArrayTaskActive(arrayId))
            return refused(api, QString::fromStdString(action),
                           QStringLiteral("array %1 runs no task").arg(arrayId));
        done = api.ControlTask(arrayId, QString::fromStdString(action));
    } else if ((action == "check-start" || action == "check-stop") && count == 2) {
        done = api.SetConsistencyCheck(arrayId, action == "check-start");
    } else if ((action == "scan-start" || action == "scan-stop") && count == 2) {
        done = api.SetBackgroundScan(arrayId, action == "scan-start");
    } else if (action == "priority" && count == 3) {
        long level = 0;
        if (!number(args.positional[2], 0, 100, &level))
            return fail(Usage, "usage", QStringLiteral("priority takes a level from 0 to 100"));
        done = api.SetTaskPriority(arrayId, int(level));
    } else {
        return fail(Usage, "usage",
                    QStringLiteral("task takes pause, resume, remove, check-start, check-stop, "
                                   "scan-start, scan-stop or priority LEVEL"));
    }
    if (!done)
        return refused(
            api, QStringLiteral("%1 of array %2").arg(QString::fromStdString(action)).arg(arrayId),
            QStringLiteral("the array's state or task does not allow it"));
    std::printf("array %d: %s done\n", arrayId, action.c_str());
    return Done;
}

int rescan(const Arguments &)
{
    KV_RaidApi api;
    if (!api.Rescan())
        return fail(Failed, "refused", QStringLiteral("the driver did not rescan its disks"));
    std::printf("rescanned\n");
    return Done;
}

int metrics(const Arguments &args)
{
    KV_RaidApi api;
    const KV_Metrics result = KV_CollectMetrics(api);
    if (args.has("--textfile")) {
        QString error;
        if (!KV_WriteMetricsTextfile(QString::fromStdString(args.options.at("--textfile")),
                                     result.text, &error))
            return fail(Failed, "not-written", error);
    } else {
        writeAnswer(result.text);
    }
    return result.driverAnswered ? Done : notAnswering();
}

int supportBundle(const Arguments &args, const char *programPath)
{
    KV_SupportBundleSources sources;
    sources.consoleVersion = QString::fromLatin1(KV_Startup::ApplicationVersion);
    sources.dataFolder = KV_LogFolder(QFileInfo(QString::fromLocal8Bit(programPath)).absolutePath(),
                                      QString::fromLatin1(KV_Startup::ApplicationName));
    QString error;
    QStringList members;
    const QString path = QString::fromStdString(args.positional[0]);
    if (!KV_WriteSupportBundle(path, sources, &error, &members))
        return fail(Failed, "not-written",
                    QStringLiteral("the support bundle %1 was not written: %2").arg(path, error));
    std::printf("wrote %s: %s\n", qPrintable(path), qPrintable(members.join(QStringLiteral(", "))));
    return Done;
}

std::vector<Command> commands(const char *programPath, int (*printDump)())
{
    const auto withProgram = [programPath](int (*run)(const Arguments &, const char *)) {
        return [run, programPath](const Arguments &args) { return run(args, programPath); };
    };
    return {
        {"status",
         "status [--json]",
         "The configuration at a glance; with --json the whole of it: arrays, disks with their "
         "S.M.A.R.T. summary, spares and versions.",
         {"--json"},
         0,
         0,
         status},
        {"arrays",
         "arrays [--json]",
         "Every array with its level, state, size, task and progress, and members.",
         {"--json"},
         0,
         0,
         arrays},
        {"disks",
         "disks [--json]",
         "Every disk with its location (controller and channel), model, serial number, "
         "firmware, size, state and S.M.A.R.T. summary.",
         {"--json"},
         0,
         0,
         disks},
        {"events",
         "events [--since N] [--json]",
         "The driver's events from number N on (default: all it holds), then the number to ask "
         "for next time.",
         {"--since=", "--json"},
         0,
         0,
         events},
        {"smart",
         "smart DISK [--json]",
         "A disk's S.M.A.R.T. values and attribute report (also written to the logs); with "
         "--json its summary.",
         {"--json"},
         1,
         1,
         withProgram(smart)},
        {"create",
         "create LEVEL DISK... [--name NAME] [--size MB] [--cache NC|R|W|RW]",
         "Creates an array of the disks, at --size decimal MB or the largest size the driver "
         "offers. LEVEL: VOLUME, RAIDABLE, RAID0, RAID1, RAID1N, RAID10, RAID5, RAID6.",
         {"--name=", "--size=", "--cache="},
         2,
         -1,
         create},
        {"transform",
         "transform ARRAY LEVEL DISK... [--size MB]",
         "Transforms an array to LEVEL over the disks, at --size or the largest size.",
         {"--size="},
         3,
         -1,
         transform},
        {"delete",
         "delete ARRAY [--yes]",
         "Deletes an array; its data is lost. Asks first on a terminal; --yes for scripts.",
         {"--yes"},
         1,
         1,
         deleteArray},
        {"init",
         "init DISK... [--yes]",
         "Initializes new disks for use; their contents are lost. Asks first on a terminal; "
         "--yes for scripts.",
         {"--yes"},
         1,
         -1,
         initialize},
        {"spare",
         "spare add|remove DISK [--array ARRAY]",
         "Makes a disk a global spare, or with --array a dedicated spare of that array, or "
         "takes that role away.",
         {"--array="},
         2,
         2,
         spare},
        {"task",
         "task ARRAY pause|resume|remove|check-start|check-stop|scan-start|scan-stop",
         "Controls an array's background task, consistency check or background scan; "
         "`task ARRAY priority LEVEL` sets the task's priority (0 to 100).",
         {},
         2,
         3,
         task},
        {"rescan", "rescan", "Has the driver look for new and removed disks.", {}, 0, 0, rescan},
        {"dump",
         "dump",
         "The driver's compact configuration dump.",
         {},
         0,
         0,
         [printDump](const Arguments &) { return printDump(); }},
        {"metrics",
         "metrics [--textfile DIR]",
         "The arrays, disks and I/O counters in the Prometheus text format; with --textfile "
         "written atomically to DIR/velmora.prom for the node exporter.",
         {"--textfile="},
         0,
         0,
         metrics},
        {"support-bundle",
         "support-bundle FILE",
         "Writes one zip archive for support: configuration, events, logs, S.M.A.R.T. reports "
         "and versions, with a README saying what each file is.",
         {},
         1,
         1,
         withProgram(supportBundle)},
    };
}

void printHelp(const std::vector<Command> &table)
{
    std::printf("usage: velmora-cli COMMAND [OPTIONS] [ARGUMENTS]\n"
                "       velmora-cli COMMAND --help\n\n");
    for (const Command &command : table)
        std::printf("  %s\n", command.synopsis);
    std::printf("\nDISK: a device number (HD) or controller and channel (\"0 2\" or 0:2).\n"
                "ARRAY: an array's device number. --json prints JSON, errors included.\n"
                "Exit status: 0 done, 1 failed or refused, 2 bad usage, 3 no such disk or "
                "array, 4 not confirmed.\n"
                "The options of old (--dump, --bundle, --events, --create, --transform, --init, "
                "--delete, --prep-remove, --smart) still work.\n");
}

} // namespace

bool KV_CliHandles(const char *word)
{
    return word[0] != '-' || std::strcmp(word, "--help") == 0 || std::strcmp(word, "-h") == 0;
}

int KV_CliMain(int argc, char **argv, int (*printDump)())
{
    const std::vector<Command> table = commands(argv[0], printDump);
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        printHelp(table);
        return Done;
    }
    const Command *command = nullptr;
    for (const Command &candidate : table)
        if (name == candidate.name)
            command = &candidate;
    for (int i = 2; i < argc; ++i)
        if (std::strcmp(argv[i], "--json") == 0)
            json = command && std::find_if(command->options.begin(), command->options.end(),
                                           [](const char *o) {
                                               return std::strcmp(o, "--json") == 0;
                                           }) != command->options.end();
    if (json || (command && name == "metrics"))
        keepOutputForAnswer();
    if (!command)
        return fail(Usage, "usage",
                    QStringLiteral("unknown command \"%1\" (velmora-cli --help lists them)")
                        .arg(QString::fromLocal8Bit(argv[1])));

    Arguments args;
    for (int i = 2; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--help" || word == "-h") {
            std::printf("usage: velmora-cli %s\n\n%s\n", command->synopsis, command->description);
            return Done;
        }
        if (word.size() < 2 || word[0] != '-' || word == "--") {
            args.positional.push_back(word);
            continue;
        }
        // --name VALUE or --name=VALUE
        const size_t equals = word.find('=');
        const std::string option = word.substr(0, equals);
        const auto known = std::find_if(
            command->options.begin(), command->options.end(), [&](const char *candidate) {
                return option == std::string(candidate).substr(0, std::strcspn(candidate, "="));
            });
        if (known == command->options.end())
            return fail(Usage, "usage",
                        QStringLiteral("unknown option %1 for %2")
                            .arg(QString::fromStdString(option), QLatin1String(command->name)));
        const bool takesValue = std::strchr(*known, '=') != nullptr;
        if (!takesValue && equals != std::string::npos)
            return fail(Usage, "usage",
                        QStringLiteral("%1 takes no value").arg(QString::fromStdString(option)));
        if (takesValue && equals == std::string::npos && i + 1 >= argc)
            return fail(Usage, "usage",
                        QStringLiteral("%1 needs a value").arg(QString::fromStdString(option)));
        args.options[option] = !takesValue                   ? std::string()
                               : equals != std::string::npos ? word.substr(equals + 1)
                                                             : std::string(argv[++i]);
    }
    const int count = int(args.positional.size());
    if (count < command->minimum || (command->maximum >= 0 && count > command->maximum))
        return fail(Usage, "usage",
                    QStringLiteral("%1 (usage: velmora-cli %2)")
                        .arg(count < command->minimum ? QStringLiteral("missing argument")
                                                      : QStringLiteral("too many arguments"),
                             QLatin1String(command->synopsis)));
    return command->run(args);
}
