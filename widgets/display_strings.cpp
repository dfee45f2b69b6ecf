#include "display_strings.h"

#include <QCoreApplication>
#include <initializer_list>
#include <iterator>

namespace KV_Display {

namespace {

// A driver word and what the window shows for it. The shown texts are
// marked for the catalogues here and translated when they are looked up.
struct Shown {
    const char *word;
    const char *text;
};

constexpr char Context[] = "KV_MainWindow";

QString lookUp(std::initializer_list<Shown> table, const QString &word, const char *otherwise)
{
    for (const Shown &entry : table) {
        if (word == QLatin1String(entry.word))
            return QCoreApplication::translate(Context, entry.text);
    }
    return QCoreApplication::translate(Context, otherwise);
}

} // namespace

QString ArrayStateText(const QString &state)
{
    return lookUp({{"NORMAL", QT_TRANSLATE_NOOP("KV_MainWindow", "NORMAL")},
                   {"READY", QT_TRANSLATE_NOOP("KV_MainWindow", "READY")},
                   {"CRITICAL", QT_TRANSLATE_NOOP("KV_MainWindow", "CRITICAL")},
                   {"OFFLINE", QT_TRANSLATE_NOOP("KV_MainWindow", "OFFLINE")},
                   {"OUTDATE", QT_TRANSLATE_NOOP("KV_MainWindow", "OUTDATE")},
                   {"CACHE_OFFLINE", QT_TRANSLATE_NOOP("KV_MainWindow", "CACHE OFFLINE")},
                   {"LOCKED", QT_TRANSLATE_NOOP("KV_MainWindow", "LOCKED")}},
                  state, QT_TRANSLATE_NOOP("KV_MainWindow", "UNKNOWN"));
}

QString MemberStatusText(const QString &status)
{
    return lookUp({{"NoError", QT_TRANSLATE_NOOP("KV_MainWindow", "NoError")},
                   {"Fail", QT_TRANSLATE_NOOP("KV_MainWindow", "Failed")},
                   {"Fail (NP)", QT_TRANSLATE_NOOP("KV_MainWindow", "Failed")},
                   {"Offline", QT_TRANSLATE_NOOP("KV_MainWindow", "Offline")},
                   {"Fail_Offline", QT_TRANSLATE_NOOP("KV_MainWindow", "Failed Offline")},
                   {"Fail(NP)_Offline", QT_TRANSLATE_NOOP("KV_MainWindow", "Failed Offline")}},
                  status, QT_TRANSLATE_NOOP("KV_MainWindow", "UNKNOWN"));
}

QString TaskTypeText(const QString &task)
{
    return lookUp({{"NOT_ACTIVE", QT_TRANSLATE_NOOP("KV_MainWindow", "NOT ACTIVE")},
                   {"TRANSFORM", QT_TRANSLATE_NOOP("KV_MainWindow", "TRANSFORM")},
                   {"CREATE", QT_TRANSLATE_NOOP("KV_MainWindow", "CREATE")},
                   {"CHECK", QT_TRANSLATE_NOOP("KV_MainWindow", "CHECK")},
                   {"COPY", QT_TRANSLATE_NOOP("KV_MainWindow", "COPY")},
                   {"RESTORE", QT_TRANSLATE_NOOP("KV_MainWindow", "RESTORE")},
                   {"CHECK_BITMAP", QT_TRANSLATE_NOOP("KV_MainWindow", "CHECK BITMAP")},
                   {"FLUSH_BITMAP", QT_TRANSLATE_NOOP("KV_MainWindow", "FLUSH BITMAP")},
                   {"SECURE_ERASE", QT_TRANSLATE_NOOP("KV_MainWindow", "SECURE ERASE")},
                   {"PAGE_MOVE", QT_TRANSLATE_NOOP("KV_MainWindow", "PAGE MOVE")},
                   {"TIER_MOVE", QT_TRANSLATE_NOOP("KV_MainWindow", "TIER MOVE")},
                   {"ZERO", QT_TRANSLATE_NOOP("KV_MainWindow", "ZERO CREATE")}},
                  task, QT_TRANSLATE_NOOP("KV_MainWindow", "UNKNOWN"));
}

QString TaskStateText(const QString &state)
{
    return lookUp({{"NOT_ACTIVE", QT_TRANSLATE_NOOP("KV_MainWindow", "NOT ACTIVE")},
                   {"STARTED", QT_TRANSLATE_NOOP("KV_MainWindow", "STARTED")},
                   {"PAUSED", QT_TRANSLATE_NOOP("KV_MainWindow", "PAUSED")},
                   {"SHUTDOWN", QT_TRANSLATE_NOOP("KV_MainWindow", "SHUTDOWN")},
                   {"FAILED", QT_TRANSLATE_NOOP("KV_MainWindow", "FAILED")},
                   {"STOPPED", QT_TRANSLATE_NOOP("KV_MainWindow", "STOPPED")},
                   {"COMPLETED", QT_TRANSLATE_NOOP("KV_MainWindow", "COMPLETED")},
                   {"REMOVED", QT_TRANSLATE_NOOP("KV_MainWindow", "REMOVED")},
                   {"NOT_COMPLETED", QT_TRANSLATE_NOOP("KV_MainWindow", "NOT COMPLETED")}},
                  state, "?");
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
    return QCoreApplication::translate(Context, QT_TRANSLATE_NOOP("KV_MainWindow", "Disk ")) +
           QStringLiteral("%1 %2").arg(controller).arg(channel);
}

} // namespace KV_Display
