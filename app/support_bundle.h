// The support bundle: one zip archive an administrator sends to support,
// holding what the console knows about this machine's RAID stack. Written by
// `velmora-cli support-bundle FILE` and by the window's Help menu.
#pragma once

#include <QString>
#include <QStringList>

struct KV_SupportBundleSources {
    QString consoleVersion;
    // The data folder with the application log and EventsLog.xml; empty
    // when there is none.
    QString dataFolder;
};

// Reads the driver (configuration, events, S.M.A.R.T. of every disk) and
// the data folder's logs and writes the archive to `path` atomically. A
// driver that does not answer is noted inside; the logs are the more
// useful then. False, with `error` set and `path` untouched, only when the
// archive cannot be written. `members` receives the names written.
// Runs for a few seconds (a request per disk): call it off the GUI thread.
bool KV_WriteSupportBundle(const QString &path, const KV_SupportBundleSources &sources,
                           QString *error, QStringList *members = nullptr);
