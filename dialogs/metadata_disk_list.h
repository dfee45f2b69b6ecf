// What the initialize-disks and clear-metadata dialogs share: their list of
// the disks the driver may write its metadata to, the record built from the
// checked rows, and the check that those disks are still the ones listed.
#pragma once

#include "kv_raid_commands.h"

#include <QCoreApplication>
#include <QString>

class KV_RaidApi;
class QTreeWidget;
class QWidget;

class KV_MetadataDiskList {
    Q_DECLARE_TR_FUNCTIONS(KV_MetadataDiskList)
public:
    enum Column { Disk, State, Type, Uses, FreeSpace, Model, Serial, Columns };
    enum class Purpose { Initialize, ClearMetadata };

    // Sets the seven column labels and lists every disk the purpose allows:
    // one the driver may initialize (clearing: only records of kind "Disk"),
    // and, to initialize, no global spare. A new ("Unknown") disk's type
    // reads "New" when initializing. True when such a row was listed.
    static bool Fill(QTreeWidget *list, KV_RaidApi &service, Purpose purpose);

    // The handles of the checked rows in display order, at most 64; the
    // mode is 0.
    static KV_InitDisks CheckedDisks(QTreeWidget *list);

    // Reads the configuration afresh; false, having told the user under
    // `title`, when it cannot be read or a checked disk is no longer the
    // disk its row was made for (pulled, or another one in its place).
    static bool CheckedDisksUnchanged(QWidget *parent, const QString &title, QTreeWidget *list,
                                      KV_RaidApi &service);
};
