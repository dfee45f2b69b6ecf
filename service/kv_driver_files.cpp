// Where the RAID driver's files are and which versions they carry, as the
// about box shows them, and whether a driver is loaded.
#include "kv_platform.h"
#include "kv_raid_api.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char *DriverFileNames[] = {"kvraid.sys", "kvcfg.sys", "kvbottom.sys"};
constexpr size_t MaxRecord = 2048;
constexpr int MaxVersionFiles = 400;
constexpr size_t MaxLoadedDrivers = 1024; // the room the loaded-driver list is read into
constexpr size_t MaxVersionLength = 256;

bool startsWithNoCase(const std::string &text, const char *prefix)
{
    const size_t length = std::strlen(prefix);
    if (text.size() < length)
        return false;
    for (size_t i = 0; i < length; ++i) {
        if (std::tolower(uint8_t(text[i])) != std::tolower(uint8_t(prefix[i])))
            return false;
    }
    return true;
}

// A FILETIME as month/day/year hour:minute:second.millisecond (UTC, as
// FileTimeToSystemTime gives it).
std::string fileTimeText(uint64_t fileTime)
{
    const uint64_t milliseconds = fileTime / 10000;
    int64_t days = int64_t(milliseconds / 86400000);
    const uint64_t inDay = milliseconds % 86400000;
    // Days since 1601-01-01 to a civil date (proleptic Gregorian).
    days -= 134774; // 1601-01-01 .. 1970-01-01
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t mp = (5 * dayOfYear + 2) / 153;
    const int day = int(dayOfYear - (153 * mp + 2) / 5 + 1);
    const int month = int(mp < 10 ? mp + 3 : mp - 9);
    const int year = int(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    char text[64];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d:%02d.%03d", month, day, year,
                  int(inDay / 3600000), int(inDay / 60000 % 60), int(inDay / 1000 % 60),
                  int(inDay % 1000));
    return text;
}

const std::string *versionString(const kv::FileDescription &file, uint32_t translation,
                                 const char *name)
{
    char key[96];
    std::snprintf(key, sizeof key, "%08x\\%s", translation, name);
    for (const auto &[path, value] : file.versionStrings) {
        if (path == key)
            return &value;
    }
    return nullptr;
}

} // namespace

bool KV_RaidApi::FindDriverDirectory(const char *fileName, char *buffer, int size)
{
    if (!fileName || !buffer || size <= 0)
        return false;
    std::string service = std::string(fileName).substr(0, 63);
    if (const size_t dot = service.rfind('.'); dot != std::string::npos)
        service.resize(dot);
    const std::string key = ("SYSTEM\\CurrentControlSet\\Services\\" + service).substr(0, 256);
    kv::Platform &host = *kv::platform();
    std::string image;
    if (!host.registryString(key, "ImagePath", &image))
        return false;
    image = image.substr(0, 511);
    if (image.empty())
        return false;

    std::string path;
    if (startsWithNoCase(image, "\\SystemRoot\\"))
        path = host.windowsDirectory() + "\\" + image.substr(12);
    else if (image[0] == '%')
        path = host.expandEnvironment(image);
    else if (image[0] == '\\')
        path = image.rfind("\\??\\", 0) == 0 ? image.substr(4) : image;
    else if (image.size() > 1 && image[1] == ':')
        path = image;
    else
        path = host.windowsDirectory() + "\\" + image;

    const size_t slash = path.rfind('\\');
    if (slash == std::string::npos || slash + 1 > size_t(size))
        return false;
    std::memcpy(buffer, path.data(), slash);
    buffer[slash] = '\0';
    return true;
}

int KV_RaidApi::DescribeFiles(const std::string &directory, const std::string &pattern,
                              std::vector<std::string> *records, int max)
{
    if (!records)
        return 0;
    const std::string base =
        !directory.empty() && directory.back() == '\\' ? directory : directory + "\\";
    // There is no file-system redirection to switch off here: every path
    // reaches the real folders.
    int count = 0;
    for (const kv::FileDescription &file : kv::platform()->findFiles(base + pattern)) {
        if (count >= max)
            break;
        char entry[64];
        std::string record = base + file.name;
        std::snprintf(entry, sizeof entry, "|Attributes=%x", file.attributes);
        record += entry;
        record += "|CreationTime=" + fileTimeText(file.creationTime);
        record += "|LastAccessTime=" + fileTimeText(file.lastAccessTime);
        record += "|LastWriteTime=" + fileTimeText(file.lastWriteTime);
        std::snprintf(entry, sizeof entry, "|FileSize=%llx",
                      static_cast<unsigned long long>(file.size));
        record += entry;

        uint32_t translation = 0;
        if (!file.translations.empty())
            translation = file.translations.front();
        else
            translation = versionString(file, 0x040904E4, "ProductName") ? 0x040904E4 : 0x040904B0;
        for (const char *name :
             {"FileDescription", "FileVersion", "InternalName", "CompanyName", "LegalCopyright",
              "OriginalFilename", "ProductName", "ProductVersion", "Product Version"}) {
            if (const std::string *value = versionString(file, translation, name))
                record += std::string("|") + name + "=" + *value;
        }
        if (record.size() > MaxRecord - 1)
            record.resize(MaxRecord - 1);
        records->push_back(std::move(record));
        ++count;
    }
    return count;
}

bool KV_RaidApi::GetFileVersion(const std::string &directory, const std::string &fileName,
                                std::string *version)
{
    if (version)
        *version = "Unknown";
    std::vector<std::string> records;
    DescribeFiles(directory, fileName, &records, MaxVersionFiles);
    for (const std::string &record : records) {
        size_t start = 0;
        while (start <= record.size()) {
            const size_t bar = std::min(record.find('|', start), record.size());
            const std::string piece = record.substr(start, bar - start);
            for (const char *key : {"ProductVersion=", "Product Version="}) {
                if (const size_t at = piece.find(key); at != std::string::npos) {
                    if (version)
                        *version = piece.substr(at + std::strlen(key));
                    return true;
                }
            }
            start = bar + 1;
        }
    }
    return false;
}

QStringList KV_RaidApi::GetDriverVersions()
{
    QStringList versions;
    for (const char *file : DriverFileNames) {
        char directory[512] = {};
        std::string version;
        if (!FindDriverDirectory(file, directory, sizeof directory) ||
            !GetFileVersion(directory, file, &version))
            GetFileVersion(kv::platform()->systemDirectory() + "\\drivers", file, &version);
        versions << QString::fromLocal8Bit(version.substr(0, MaxVersionLength).c_str());
    }
    return versions;
}

bool KV_RaidApi::IsDriverLoaded(const QString &name)
{
    const std::string wanted = name.toLocal8Bit().toStdString();
    const std::vector<std::string> drivers = kv::platform()->loadedDrivers();
    if (drivers.size() >= MaxLoadedDrivers)
        return false;
    for (const std::string &driver : drivers) {
        if (driver.substr(0, 1023) == wanted)
            return true;
    }
    return false;
}
