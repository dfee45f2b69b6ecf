#include "kv_io_stats.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// Line numbers of the statistics report, counted from 0.
enum ReportLine {
    HostTotalLine = 4,
    DiskTotalLine = 5,
    BusRateLine = 6,
    CoreRateLine = 7,
    BusRequestsLine = 11,
    BusActiveLine = 12,
    CoreActiveLine = 13,
    CoreRequestsLine = 14,
    DirtyBuffersLine = 18,
};

// The first match of `pattern` in line `index`; empty when either is missing.
QString firstMatch(const QStringList &lines, int index, const QRegularExpression &pattern)
{
    if (index >= lines.size())
        return {};
    return pattern.match(lines[index]).captured(1);
}

} // namespace

QString KV_TotalSizeText(quint64 mebibytes)
{
    double size = double(mebibytes) * 1024 * 1024 / 1000 / 1000;
    QString unit = QStringLiteral("MB");
    if (size > 1000) {
        size /= 1000;
        unit = QStringLiteral("GB");
        if (size > 1000) {
            size /= 1000;
            unit = QStringLiteral("TB");
        }
    }
    return QString::number(size, 'f', 2) + QLatin1Char(' ') + unit;
}

KV_IoStats KV_IoStatsFromReport(const QString &report, double seconds)
{
    static const QRegularExpression integer(QStringLiteral("(\\d+)"));
    static const QRegularExpression decimal(QStringLiteral("(\\d+\\.\\d+)"));
    const QStringList lines = report.split(QLatin1Char('\n'));
    KV_IoStats stats;

    auto rate = [&](int line, const char *side) {
        const QString number = firstMatch(lines, line, decimal);
        if (number.isEmpty() || seconds <= 0)
            return QString();
        return QLatin1String(side) + QString::number(number.toDouble() / seconds, 'f', 1) +
               QStringLiteral(" MB/S");
    };
    auto iops = [&](int line, const char *side) {
        const QString number = firstMatch(lines, line, integer);
        if (number.isEmpty() || seconds <= 0)
            return QString();
        return QLatin1String(side) + QString::number(quint64(number.toDouble() / seconds)) +
               QStringLiteral(" IO/s");
    };
    auto total = [&](int line, const char *side) {
        const QString number = firstMatch(lines, line, integer);
        if (number.isEmpty())
            return QString();
        return QLatin1String(side) + KV_TotalSizeText(number.toULongLong());
    };
    auto whole = [&](int line) { return line < lines.size() ? lines[line] : QString(); };

    stats.hostRate = rate(CoreRateLine, "Host: ");
    stats.diskRate = rate(BusRateLine, "Disk: ");
    stats.hostIops = iops(CoreRequestsLine, "Host: ");
    stats.diskIops = iops(BusRequestsLine, "Disk: ");
    stats.coreActiveLine = whole(CoreActiveLine);
    stats.busActiveLine = whole(BusActiveLine);
    stats.dirtyBuffersLine = whole(DirtyBuffersLine);
    stats.hostTotal = total(HostTotalLine, "Host: ");
    stats.diskTotal = total(DiskTotalLine, "Disk: ");
    return stats;
}
