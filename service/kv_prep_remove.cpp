// Prepare-to-remove and the device eject it asks Windows for: the members of
// KV_RaidApi declared in the prepare-to-remove block of kv_raid_api.h.
#include "kv_raid_api.h"

#include "kv_api.h"
#include "kv_app_log.h"
#include "kv_platform.h"

#include <QDebug>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr uint32_t OpenExisting = 3;
constexpr uint32_t ShareReadWrite = 3;
constexpr uint32_t DiskIdentifyOn = 0x4005;
constexpr uint32_t DiskPrepareRemoval = 0x4021;
constexpr uint32_t ShowFlags = 0x2000000;
using KV_RecordBits::AttributeHidden;
constexpr size_t VetoNameCharacters = 260; // the caller's buffer, terminator included

// "\\.\X:"
std::string volumePath(char letter)
{
    return std::string("\\\\.\\") + letter + ":";
}

// One line of the application log, without time stamp; dropped when the log
// cannot be written.
void logLine(const QString &line)
{
    const std::string path = KV_ProcessLogPath();
    if (!path.empty())
        KV_AppendLogLines(QString::fromStdString(path), {line});
}

// A message to the debug output at critical level, and the same line to the
// log.
void report(const QString &message)
{
    qCritical().noquote() << message;
    logLine(message);
}

// A message to the error stream, and the same line to the log.
void reportError(const QString &message)
{
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    logLine(message);
}

// IOCTL_STORAGE_GET_DEVICE_NUMBER on an open device; a Windows error number.
uint32_t deviceNumberOf(kv::PlatformFile &file, KV_StorageDeviceNumber *number)
{
    uint8_t record[sizeof(KV_StorageDeviceNumber)] = {};
    uint32_t returned = 0;
    const uint32_t error = file.deviceIoControl(kv::ioctl::StorageGetDeviceNumber, nullptr, 0,
                                                record, sizeof record, &returned);
    if (error != kv::winerr::Success)
        return error;
    if (returned < sizeof record)
        return kv::winerr::InsufficientBuffer;
    std::memcpy(number, record, sizeof record);
    return kv::winerr::Success;
}

} // namespace

bool KV_RaidApi::LockAndDismountvolume(char letter)
{
    const std::unique_ptr<kv::PlatformFile> volume =
        kv::platform()->open(volumePath(letter), OpenExisting, ShareReadWrite, 0);
    if (!volume) {
        report(QStringLiteral("LockAndDismountvolume(): INVALID_HANDLE_VALUE"));
        return false;
    }
    uint32_t returned = 0;
    if (volume->deviceIoControl(kv::ioctl::FsctlLockVolume, nullptr, 0, nullptr, 0, &returned) !=
        kv::winerr::Success) {
        qCritical().noquote() << QStringLiteral(
            "DeviceIoControl - unable to complete FSCTL_LOCK_VOLUME");
        logLine(QStringLiteral(
            "DeviceIoControl - unable to complete FSCTL_LOCK_VOLUME. Device likely in use."));
        return false;
    }
    if (volume->deviceIoControl(kv::ioctl::FsctlDismountVolume, nullptr, 0, nullptr, 0,
                                &returned) != kv::winerr::Success) {
        report(QStringLiteral("DeviceIoControl - unable to complete FSCTL_DISMOUNT_VOLUME"));
        return false;
    }
    return true; // the handle closes here
}

bool KV_RaidApi::GetVolumeDeviceNumber(char letter, KV_StorageDeviceNumber *number)
{
    uint32_t error = 0;
    const std::unique_ptr<kv::PlatformFile> volume =
        kv::platform()->open(volumePath(letter), OpenExisting, ShareReadWrite, 0, &error);
    if (!volume) {
        reportError(QStringLiteral("Failed to open volume: %1").arg(error));
        return false;
    }
    if (const uint32_t failed = deviceNumberOf(*volume, number); failed != kv::winerr::Success) {
        reportError(QStringLiteral("Failed to get storage device number: %1").arg(failed));
        return false;
    }
    return true;
}

bool KV_RaidApi::FindMatchingDeviceInstance(const KV_StorageDeviceNumber &number,
                                            quint32 *deviceInstance)
{
    kv::Platform &host = *kv::platform();
    std::vector<kv::DiskInterface> devices;
    if (const uint32_t error = host.diskInterfaces(&devices); error != kv::winerr::Success) {
        reportError(QStringLiteral("Unable to get disk devices: %1").arg(error));
        return false;
    }
    for (const kv::DiskInterface &device : devices) {
        const std::unique_ptr<kv::PlatformFile> file =
            host.open(device.path, OpenExisting, ShareReadWrite, 0);
        KV_StorageDeviceNumber found;
        if (!file || deviceNumberOf(*file, &found) != kv::winerr::Success)
            continue;
        if (found.deviceNumber == number.deviceNumber) {
            *deviceInstance = device.deviceInstance;
            return true;
        }
    }
    return false;
}

int KV_RaidApi::EjectVolumeDevice(char letter)
{
    KV_StorageDeviceNumber number;
    quint32 device = 0;
    const bool known = GetVolumeDeviceNumber(letter, &number);
    if (known) {
        if (!FindMatchingDeviceInstance(number, &device)) {
            qCritical().noquote() << QStringLiteral("Failed to FindMatchingDeviceInstance()");
            logLine(QStringLiteral("Failed to FindMatchingDeviceInstance(): %1")
                        .arg(QChar::fromLatin1(letter)));
            return KV_EjectNoDevice;
        }
        qDebug().noquote() << QStringLiteral("Found Matching Device Instance");
    }
    kv::Platform &host = *kv::platform();
    for (int attempt = 1; attempt <= KV_EjectAttempts; ++attempt) {
        uint32_t vetoType = kv::vetotype::None;
        std::string vetoName;
        // Without the volume's device number there is no device to ask for.
        const uint32_t result = known ? host.requestDeviceEject(device, &vetoType, &vetoName)
                                      : kv::cmresult::NoSuchDevinst;
        if (result == kv::cmresult::Success) {
            logLine(QStringLiteral("Success! Completed Windows device eject."));
            return KV_EjectDone;
        }
        const QString attemptText =
            QStringLiteral("Request Windows device eject - Attempt %1 unsuccessful.").arg(attempt);
        if (vetoType != kv::vetotype::None) {
            vetoName.resize(std::min(vetoName.size(), VetoNameCharacters - 1));
            report(attemptText + QStringLiteral(" Vetoed by:") + QString::fromStdString(vetoName));
        } else {
            qCritical().noquote() << attemptText + QStringLiteral(" Error:%1").arg(result);
            logLine(attemptText);
        }
        host.sleep(KV_EjectRetryMilliseconds);
    }
    logLine(QStringLiteral("Unable to complete optional Windows device eject call - continuing "
                           "prepare to remove operation."));
    return KV_EjectFailed;
}

void KV_RaidApi::tellMembersOfRemoval(int arrayId)
{
    const Pin pin(*this);
    const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
    if (!config)
        return;
    for (int m = 0; m < KV_MemberCount(*config); ++m) {
        const int diskId = config->members[m].deviceRoute;
        const KV_DiskRec *disk = findDisk(diskId);
        if (!disk || DiskInSystemArray(diskId) || DiskIsDedicatedSpare(diskId) ||
            DiskInRestoringArray(diskId) || !DiskHasInformedHotSwap(diskId))
            continue;
        // Their answers do not matter: the array goes offline either way.
        if (!KV_FieldIs(disk->type, "Core"))
            diskRequest(disk->path, DiskIdentifyOn);
        diskRequest(disk->path, DiskPrepareRemoval);
    }
}

int KV_RaidApi::PrepareArrayForRemoval(int arrayId)
{
    Refresh();
    bool hidden = false, legacy = false;
    {
        const Pin pin(*this);
        const KV_ArrayRec *array = findArray(arrayId);
        if (!array)
            return KV_PrepRemoveRefused;
        for (int h = 0; h < (array->halves == 2 ? 2 : 1); ++h) {
            const KV_ArrayConfig &config = array->config[h];
            for (int m = 0; m < KV_MemberCount(config); ++m) {
                const int diskId = config.members[m].deviceRoute;
                if (findDisk(diskId) && CountArraysOfDisk(diskId) > 1)
                    return KV_PrepRemoveSharedDisk;
            }
        }
        if (ArrayCarriesSystem(arrayId) || ArrayTaskActive(arrayId) ||
            array->config[0].referenceCount != 0)
            return KV_PrepRemoveRefused;
        hidden = (array->config[0].attributes & AttributeHidden) != 0;
        legacy = KV_FieldIs(array->config[0].type, "LEGACY");
    }

    const QString letters = DriveLettersOfArray(arrayId);
    if (!letters.isEmpty()) {
        const char letter = letters.at(0).toLatin1();
        if (!LockAndDismountvolume(letter))
            return KV_PrepRemoveVolumeBusy;
        if (EjectVolumeDevice(letter) == KV_EjectNoDevice)
            return KV_PrepRemoveNoDevice;
    }

    bool hidHere = false;
    if (!hidden && !legacy) {
        if (HideArray(arrayId, true) != 1)
            return KV_PrepRemoveRefused;
        hidHere = true;
    }

    tellMembersOfRemoval(arrayId);

    {
        const Pin pin(*this);
        const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
        const KV_CoreId *target = core();
        if (config && target) {
            KV_DevicePath path{};
            std::snprintf(path, sizeof path, "%s", config->path);
            if (KV_ApiOfflineLogicalDevice(target, 1, &path, 0) == KV_STS_SUCCESS)
                return KV_PrepRemoveOffline;
        }
    }

    // The array stays in use: show it again if this command hid it.
    if (hidHere) {
        Refresh();
        const Pin pin(*this);
        const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
        if (config && config->referenceCount == 0 && (config->attributes & AttributeHidden) &&
            !ArrayTaskActive(arrayId) &&
            KV_ApiSetLogicalDeviceFlags(config->path, ShowFlags, 0) == KV_STS_SUCCESS)
            Rescan();
    }
    return KV_PrepRemoveRefused;
}
