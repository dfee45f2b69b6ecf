// The texts and colours the window shows for the driver's state words. Every
// text passes through the translator under the window's context, so that
// one catalogue per language covers the lists, the tree and the dialogs.
#pragma once

#include <QColor>
#include <QString>

namespace KV_Display {

QString ArrayStateText(const QString &state);
QString MemberStatusText(const QString &status);
QString TaskTypeText(const QString &task);
QString TaskStateText(const QString &state);
// The event list's priority column, by severity.
QString SeverityText(quint32 severity);
// The array list's CTS column: "NA" for tier, cache and legacy arrays.
QString CacheTagSizeText(const QString &type, int code);

// Black or white, as the theme's default text colour.
QColor DefaultColour(bool dark);
// The colour of an array's row and tree item, by state and hidden flag.
QColor StateColour(const QString &state, bool hidden, bool dark);

// ":images/icons/small_<state><TYPE>.png" for a configuration.
QString TypeIconPath(const QString &type, const QString &state);

// The progress bar's chunk style: yellow while paused, blue for a
// transform or restore, green otherwise.
QString ProgressChunkStyle(const QString &task, const QString &taskState);

// A task runs or has progress to show.
bool TaskShown(const QString &task, float progress);

// "Disk " and a disk's two location numbers.
QString DiskLocationText(int controller, int channel);

} // namespace KV_Display
