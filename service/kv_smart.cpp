// S.M.A.R.T. texts, and KV_RaidApi's two readers of a disk's data.
#include "kv_smart.h"

#include "kv_api.h"
#include "kv_app_log.h"
#include "kv_channel.h"
#include "kv_raid_api.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>

namespace {

using KV_RecordBits::PortNvme;
using KV_RecordBits::PortSataSolidState;

constexpr int AttributeCount = 30;
constexpr size_t AttributeSize = 12;
constexpr size_t FirstAttribute = 2;
constexpr int AttributeNameWidth = 22;

// Attributes with a meaning of their own.
constexpr uint8_t SpinupTime = 3, PowerOnHours = 9, PowerCycles = 12;
constexpr uint8_t AirflowTemperature = 190, Temperature = 194;

struct AttributeName {
    uint8_t id;
    const char *name;
};
constexpr AttributeName AttributeNames[] = {
    {1, "Raw Read Error Rate"},
    {2, "Throughput Performance"},
    {3, "Spinup Time"},
    {4, "Spinup Count"},
    {5, "Reallocation Count"},
    {6, "Read Margin"},
    {7, "Seek Error Rate"},
    {8, "Seek Time Performance"},
    {9, "Poweron Time (Hours)"},
    {10, "Spin Retry Count"},
    {11, "Calibration Retries"},
    {12, "Power Cycle Count"},
    {187, "Reported Uncorrect"},
    {189, "High Fly Writes"},
    {190, "Airflow Temperature"},
    {192, "Emergency Retracts"},
    {193, "Load/Unload Cycles"},
    {194, "Temperature Celsius"},
    {195, "Recovered ECC Errors"},
    {196, "Reallocation Events"},
    {197, "Pending Sectors"},
    {198, "Uncorrectable Reads"},
    {199, "CRC Errors"},
    {200, "Write Error Rate"},
    {201, "Off Track Errors"},
    {202, "DAM Error Rate"},
    {203, "ECC Error Rate"},
    {204, "Soft ECC Corrections"},
    {205, "Thermal Asperity Rate"},
    {207, "Spin High Current"},
};

// How an NVMe report row reads its value from the health page.
enum class NvmeValue { Byte, Temperature, Full64, Low32 };
struct NvmeRow {
    uint8_t label;
    const char *name;
    NvmeValue kind;
    size_t offset;
};
constexpr NvmeRow NvmeRows[] = {
    {0x00, "Critical Warning", NvmeValue::Byte, 0},
    {0x01, "Temperature in Celsius", NvmeValue::Temperature, 1},
    {0x03, "0..100% remaining spare capacity", NvmeValue::Byte, 3},
    {0x04, "0..100% threshold before SMART error", NvmeValue::Byte, 4},
    {0x05, "Percent of device life used", NvmeValue::Byte, 5},
    {0x14, "Data units read (512 Byte)", NvmeValue::Full64, 32},
    {0x1e, "Data units written (512 byte)", NvmeValue::Full64, 48},
    {0x28, "Number of read commands issued", NvmeValue::Full64, 64},
    {0x32, "Number of write commands issued", NvmeValue::Full64, 80},
    {0x3c, "Controller busy time MSQ minutes", NvmeValue::Low32, 96},
    {0x46, "Power cycle count", NvmeValue::Low32, 112},
    {0x50, "Power on hours", NvmeValue::Low32, 128},
    {0x5a, "Unsafe shutdown count", NvmeValue::Low32, 144},
    {0xa0, "Media errors", NvmeValue::Low32, 160},
    {0xb0, "Number of Error Information Log Entries", NvmeValue::Low32, 176},
};
constexpr size_t NvmeCycles = 112, NvmeHours = 128;

// `bytes` little-endian bytes from `offset`; bytes past the data read 0.
uint64_t little(KV_SmartData data, size_t offset, size_t bytes)
{
    uint64_t value = 0;
    for (size_t i = bytes; i-- > 0;)
        value = value << 8 | (offset + i < data.size() ? data[offset + i] : 0);
    return value;
}

struct Attribute {
    uint8_t id;
    uint8_t current;
    uint8_t threshold;
    uint8_t raw[6];
    uint64_t rawValue() const { return little(KV_SmartData(raw, 6), 0, 6); }
};

Attribute attributeAt(KV_SmartData data, int index)
{
    const size_t at = FirstAttribute + size_t(index) * AttributeSize;
    Attribute a{};
    a.id = uint8_t(little(data, at, 1));
    a.current = uint8_t(little(data, at + 3, 1));
    for (size_t i = 0; i < 6; ++i)
        a.raw[i] = uint8_t(little(data, at + 5 + i, 1));
    a.threshold = uint8_t(little(data, at + 11, 1));
    return a;
}

// A raw value as the console writes a plain count: decimal with one blank.
QString countText(uint64_t value)
{
    return QString::number(value) + QLatin1Char(' ');
}

int nvmeCelsius(KV_SmartData data)
{
    return int(little(data, 1, 2)) - 273;
}

QString verdict(const Attribute &a, int current)
{
    if (a.threshold == 0)
        return QStringLiteral("Always Passing");
    // A temperature is normal below its threshold, every other value above.
    const bool normal = a.id == Temperature ? current < a.threshold : current > a.threshold;
    return normal ? QStringLiteral("Value is Normal")
                  : QStringLiteral("WARNING - THRESHOLD CROSSED!");
}

QString rawText(const Attribute &a)
{
    QString text;
    if (a.id == Temperature) {
        text = KV_SmartTemperatureRawText(a.raw);
    } else if (a.id == SpinupTime) {
        const unsigned last = a.raw[0] | a.raw[1] << 8, average = a.raw[2] | a.raw[3] << 8;
        text = average != 0 ? QString::asprintf("%d (Average %d)", last, average)
                            : QString::asprintf("%d", last);
    } else {
        text = countText(a.rawValue());
    }
    return text.isEmpty() ? countText(a.rawValue()) : text;
}

// Sends the data-returning sub-operation for the disk and reads the answer
// into `buffer`; the core's status.
KV_STS requestSmartData(const KV_CoreId &core, const KV_DiskRec &disk,
                        const KV_RequestBlock &buffer)
{
    KV_DevicePath path{};
    std::snprintf(path, sizeof path, "%s", disk.path);
    const uint32_t subOperation =
        (disk.portType & PortNvme) ? KV_SmartNvmeHealthPage : KV_SmartAtaAttributes;
    return KV_ApiManagePhysicalDeviceBuf(&core, 1, &path, 0, subOperation, buffer.data(),
                                         buffer.length(), 0);
}

// The status text for the core's status; true when the data may be read.
bool takeStatus(KV_SmartInfo &info, KV_STS status)
{
    if (status == KV_STS_NOT_IMPLEMENTED || status == KV_STS_NOT_SUPPORT)
        info.status = QLatin1String(KV_SmartNotSupportedText);
    return status == KV_STS_SUCCESS;
}

} // namespace

QString KV_SmartAttributeName(int id)
{
    for (const AttributeName &entry : AttributeNames)
        if (entry.id == id)
            return QString::fromLatin1(entry.name).leftJustified(AttributeNameWidth);
    return {};
}

bool KV_SmartAtaValid(KV_SmartData data)
{
    const uint64_t version = little(data, 0, 2);
    return version != 0 && (version & 0xFF) != 0xFF;
}

QString KV_SmartTemperatureRawText(const uint8_t raw[6])
{
    const unsigned w0 = raw[0] | raw[1] << 8, w1 = raw[2] | raw[3] << 8, w2 = raw[4] | raw[5] << 8;
    QString text = QString::asprintf("%u", w0);
    if (w1 == 0 && w2 == 0)
        return text;
    // Bytes 2 and 3 are the lifetime minimum and maximum on most disks;
    // others keep them as two words.
    unsigned low = w1, high = w2;
    if (raw[3] != 0) {
        if (w2 != 0) {
            low = high = 65535;
        } else {
            low = raw[2];
            high = raw[3];
        }
    }
    const unsigned minimum = std::min(low, high), maximum = std::max(low, high);
    if (minimum <= w0 && w0 <= maximum)
        return text + QString::asprintf(" (Lifetime Min/Max %u/%u)", minimum, maximum);
    return text + QString::asprintf(" (%u %u %u %u)", raw[5], raw[4], raw[3], raw[2]);
}

void KV_SmartFillValues(KV_SmartInfo &info, KV_SmartData data, bool nvme, bool sataSolidState)
{
    if (nvme) {
        info.powerOnHours = QString::number(little(data, NvmeHours, 8));
        info.powerCycles = QString::number(little(data, NvmeCycles, 8));
        info.temperature = QString::number(nvmeCelsius(data));
        // The health page's first bytes can pass for an attribute table
        // version (a temperature's low byte), so it is never read as one.
        return;
    }
    if (!KV_SmartAtaValid(data))
        return;
    for (int i = 0; i < AttributeCount; ++i) {
        const Attribute a = attributeAt(data, i);
        if (a.id == PowerOnHours)
            info.powerOnHours = countText(a.rawValue());
        else if (a.id == PowerCycles)
            info.powerCycles = countText(a.rawValue());
        else if (a.id == Temperature || (a.id == AirflowTemperature && sataSolidState))
            info.temperature = KV_SmartTemperatureRawText(a.raw);
    }
}

QString KV_SmartAtaReport(KV_SmartData data)
{
    if (!KV_SmartAtaValid(data))
        return {};
    QString report = QString::asprintf("\n===============================\nSMART ATTRIBUTES:  "
                                       "Version %d\n\n===============================\n",
                                       int(little(data, 0, 2)));
    for (int i = 0; i < AttributeCount; ++i) {
        const Attribute a = attributeAt(data, i);
        const QString name = KV_SmartAttributeName(a.id);
        if (a.id == 0 || name.isEmpty())
            continue;
        // A temperature of 128 or more is read as the negative byte it is.
        const int current = a.id == Temperature && a.current >= 128 ? 256 - a.current : a.current;
        report +=
            QString::asprintf(" - Attribute ID:      0x%02x (%s), \n", a.id, qPrintable(name));
        report += QString::asprintf("     Threshold Value: %03d, \n", a.threshold);
        report += QString::asprintf("     Current Value: %03d (%s),\n", current,
                                    qPrintable(verdict(a, current)));
        report += QString::asprintf("     Raw Value: %s\n\n", qPrintable(rawText(a)));
    }
    return report;
}

QString KV_SmartNvmeReport(KV_SmartData data)
{
    QString report = QStringLiteral("\n===============================\nNVMe SMART ATTRIBUTES\n"
                                    "===============================\n");
    for (const NvmeRow &row : NvmeRows) {
        report += QString::asprintf(" - Attribute ID:      0x%02x (%s), \n", row.label, row.name);
        // Counters are unsigned: a count past 2^31 (or 2^63) is not shown
        // as a negative number.
        switch (row.kind) {
        case NvmeValue::Byte:
            report +=
                QString::asprintf("     Current Value: %03d\n\n", int(little(data, row.offset, 1)));
            break;
        case NvmeValue::Temperature:
            report += QString::asprintf("     Current Value: %03d\n\n", nvmeCelsius(data));
            break;
        case NvmeValue::Full64:
            report += QString::asprintf("     Current Value: %03" PRIu64 "\n\n",
                                        little(data, row.offset, 8));
            break;
        case NvmeValue::Low32:
            report += QString::asprintf("     Current Value: %03" PRIu32 "\n\n",
                                        uint32_t(little(data, row.offset, 4)));
            break;
        }
    }
    return report;
}

// --- KV_RaidApi -------------------------------------------------------------

KV_SmartInfo KV_RaidApi::GetSmartInfo(int diskId)
{
    KV_SmartInfo info{QLatin1String(KV_SmartFailedText), {}, {}, {}};
    const Pin pin(*this);
    const KV_DiskRec *disk = findDisk(diskId);
    const KV_CoreId *target = core();
    if (!disk || !target)
        return info;
    const KV_RequestBlock buffer(KV_SmartBufferLength, "KV_RaidApi::GetSmartInfo");
    if (!buffer || !takeStatus(info, requestSmartData(*target, *disk, buffer)))
        return info;
    KV_SmartFillValues(info, KV_SmartData(buffer.data(), buffer.length()),
                       (disk->portType & PortNvme) != 0,
                       (disk->portType & PortSataSolidState) != 0);
    return info;
}

KV_SmartInfo KV_RaidApi::RetrieveAllSmartInfo(int diskId, QString logPath, QString smartLogPath)
{
    KV_SmartInfo info{QLatin1String(KV_SmartFailedText), {}, {}, {}};
    const Pin pin(*this);
    const KV_DiskRec *disk = findDisk(diskId);
    const KV_CoreId *target = core();
    if (!disk || !target)
        return info;
    const KV_RequestBlock buffer(KV_SmartBufferLength, "KV_RaidApi::RetrieveAllSmartInfo");
    if (!buffer || !takeStatus(info, requestSmartData(*target, *disk, buffer)))
        return info;
    const KV_SmartData data(buffer.data(), buffer.length());
    const QString report =
        (disk->portType & PortNvme) ? KV_SmartNvmeReport(data) : KV_SmartAtaReport(data);
    if (report.isEmpty())
        return info;
    KV_AppendLogLines(logPath, {QStringLiteral("-------------------------------------------------"),
                                QStringLiteral("Disk %1 ( %2, %3): %4")
                                    .arg(diskId)
                                    .arg(disk->controller)
                                    .arg(disk->channel)
                                    .arg(QLatin1String(disk->model)),
                                KV_LogTimeText(), report});
    KV_AppendLogLines(smartLogPath, {KV_LogTimeText() + report});
    return info;
}
