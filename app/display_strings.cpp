#include "display_strings.h"

#include <QCoreApplication>
#include <iterator>

namespace KV_Display {

QString ArrayStateText(const QString &state)
{
    if (state == u"NORMAL")
        return QCoreApplication::translate("KV_MainWindow", "NORMAL");
    if (state == u"READY")
        return QCoreApplication::translate("KV_MainWindow", "READY");
    if (state == u"CRITICAL")
        return QCoreApplication::translate("KV_MainWindow", "CRITICAL");
    if (state == u"OFFLINE")
        return QCoreApplication::translate("KV_MainWindow", "OFFLINE");
    if (state == u"OUTDATE")
        return QCoreApplication::translate("KV_MainWindow", "OUTDATE");
    if (state == u"CACHE_OFFLINE")
        return QCoreApplication::translate("KV_MainWindow", "CACHE OFFLINE");
    if (state == u"LOCKED")
        return QCoreApplication::translate("KV_MainWindow", "LOCKED");
    return QCoreApplication::translate("KV_MainWindow", "UNKNOWN");
}

QString MemberStatusText(const QString &status)
{
    if (status == u"NoError")
        return QCoreApplication::translate("KV_MainWindow", "NoError");
    if (status == u"Fail" || status == u"Fail (NP)")
        return QCoreApplication::translate("KV_MainWindow", "Failed");
    if (status == u"Offline")
        return QCoreApplication::translate("KV_MainWindow", "Offline");
    if (status == u"Fail_Offline" || status == u"Fail(NP)_Offline")
        return QCoreApplication::translate("KV_MainWindow", "Failed Offline");
    return QCoreApplication::translate("KV_MainWindow", "UNKNOWN");
}

QString TaskTypeText(const QString &task)
{
    if (task == u"NOT_ACTIVE")
        return QCoreApplication::translate("KV_MainWindow", "NOT ACTIVE");
    if (task == u"TRANSFORM")
        return QCoreApplication::translate("KV_MainWindow", "TRANSFORM");
    if (task == u"CREATE")
        return QCoreApplication::translate("KV_MainWindow", "CREATE");
    if (task == u"CHECK")
        return QCoreApplication::translate("KV_MainWindow", "CHECK");
    if (task == u"COPY")
        return QCoreApplication::translate("KV_MainWindow", "COPY");
    if (task == u"RESTORE")
        return QCoreApplication::translate("KV_MainWindow", "RESTORE");
    if (task == u"CHECK_BITMAP")
        return QCoreApplication::translate("KV_MainWindow", "CHECK BITMAP");
    if (task == u"FLUSH_BITMAP")
        return QCoreApplication::translate("KV_MainWindow", "FLUSH BITMAP");
    if (task == u"SECURE_ERASE")
        return QCoreApplication::translate("KV_MainWindow", "SECURE ERASE");
    if (task == u"PAGE_MOVE")
        return QCoreApplication::translate("KV_MainWindow", "PAGE MOVE");
    if (task == u"TIER_MOVE")
        return QCoreApplication::translate("KV_MainWindow", "TIER MOVE");
    if (task == u"ZERO")
        return QCoreApplication::translate("KV_MainWindow", "ZERO CREATE");
    return QCoreApplication::translate("KV_MainWindow", "UNKNOWN");
}

QString TaskStateText(const QString &state)
{
    if (state == u"NOT_ACTIVE")
        return QCoreApplication::translate("KV_MainWindow", "NOT ACTIVE");
    if (state == u"STARTED")
        return QCoreApplication::translate("KV_MainWindow", "STARTED");
    if (state == u"PAUSED")
        return QCoreApplication::translate("KV_MainWindow", "PAUSED");
    if (state == u"SHUTDOWN")
        return QCoreApplication::translate("KV_MainWindow", "SHUTDOWN");
    if (state == u"FAILED")
        return QCoreApplication::translate("KV_MainWindow", "FAILED");
    if (state == u"STOPPED")
        return QCoreApplication::translate("KV_MainWindow", "STOPPED");
    if (state == u"COMPLETED")
        return QCoreApplication::translate("KV_MainWindow", "COMPLETED");
    if (state == u"REMOVED")
        return QCoreApplication::translate("KV_MainWindow", "REMOVED");
    if (state == u"NOT_COMPLETED")
        return QCoreApplication::translate("KV_MainWindow", "NOT COMPLETED");
    return QStringLiteral("?");
}

QString SeverityText(quint32 severity)
{
    switch (severity) {
    case 0:
        return QCoreApplication::translate("KV_MainWindow", "Very Low");
    case 1:
        return QCoreApplication::translate("KV_MainWindow", "Informational");
    case 2:
        return QCoreApplication::translate("KV_MainWindow", "Warning");
    case 3:
        return QCoreApplication::translate("KV_MainWindow", "Critical");
    case 4:
        return QCoreApplication::translate("KV_MainWindow", "Fatal");
    default:
        return QCoreApplication::translate("KV_MainWindow", "Unknown");
    }
}

QString CacheTagSizeText(const QString &type, int code)
{
    if (type == u"LEGACY" || type == u"RAIDTIER" || type == u"RAIDCACHE")
        return QStringLiteral("NA");
    static const char *const sizes[] = {"err",   "64KB",   "128KB", "256KB",
                                        "512KB", "1024KB", "2048KB"};
    if (code >= 0 && code < int(std::size(sizes)))
        return QString::fromLatin1(sizes[code]);
    return QString::number(code);
}

QColor DefaultColour(bool dark)
{
    return dark ? QColor(Qt::white) : QColor(Qt::black);
}

QColor StateColour(const QString &state, bool hidden, bool dark)
{
    const QColor orange(255, 103, 0);
    if (state == u"NORMAL")
        return hidden ? (dark ? QColor(Qt::cyan) : QColor(Qt::blue)) : DefaultColour(dark);
    if (state == u"CRITICAL" || state == u"OUTDATE")
        return dark ? QColor(Qt::yellow) : orange;
    if (state == u"OFFLINE")
        return QColor(Qt::red);
    return DefaultColour(dark);
}

QString TypeIconPath(const QString &type, const QString &state)
{
    const char *look = state == u"CRITICAL" ? "critical"
                       : state == u"NORMAL" ? "normal"
                                            : "offline";
    const QString shown = type == u"RAIDCACHE" ? QStringLiteral("RAIDTIER") : type;
    return QStringLiteral(":images/icons/small_%1%2.png").arg(QLatin1String(look), shown);
}

QString ProgressChunkStyle(const QString &task, const QString &taskState)
{
    if (taskState == u"PAUSED")
        return QStringLiteral("QProgressBar::chunk {background: #f5cb42;}");
    if (task == u"TRANSFORM" || task == u"RESTORE")
        return QStringLiteral("QProgressBar::chunk {background: #4174db;}");
    return QStringLiteral("QProgressBar::chunk {background: #3fc433;}");
}

bool TaskShown(const QString &task, float progress)
{
    return progress > 0 || task != u"NOT_ACTIVE";
}

QString DiskLocationText(int controller, int channel)
{
    return QStringLiteral("Disk %1 %2").arg(controller).arg(channel);
}

} // namespace KV_Display
