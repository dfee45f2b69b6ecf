// What the create and transform dialogs share: the type and cache choices
// and their words, the disk list's rows, the selection buttons, "Organized
// As", the preview tree and the red warning line.
#pragma once

#include "kv_create.h"

#include <QCoreApplication>
#include <QSize>
#include <QString>
#include <QStringList>

class KV_RaidApi;
class QComboBox;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace KV_ArrayForm {

// Translation context of the texts below.
class Texts {
    Q_DECLARE_TR_FUNCTIONS(KV_ArrayForm)
public:
    // The six type captions in index order; the sixth (RAID 6) is never
    // offered.
    static QStringList typeCaptions();
    static QString yesNo(bool value);
    // "Disk " and the member's text.
    static QString diskText(const QString &location);
    // The red line: "Invalid Configuration: " and a rule message.
    static QString warningLine(const QString &message);
};

// The type words by the index of the type box: "VOLUME", "RAID0", "RAID1",
// "RAID10", "RAID5", "RAID6"; "Error" for any other index.
QString typeWord(int index);
// The index of a type word; 0 for an unknown word.
int typeIndex(const QString &word);
// "RW", "R", "W", "NC" by the index of the cache box; "Error" otherwise.
QString cacheWord(int index);
// The cache tag sizes of the tag size box: 0 (default), 64, 128, 256 KB.
int cacheTagSize(int index);

// Which kinds of disk a list holds, for the selection buttons.
struct DiskKinds {
    bool unused = false;
    bool nvme = false;
    bool hardDisk = false;
    bool sataSolidState = false;
};

// Disk list columns of the two dialogs: the create dialog's has Trim after
// GS, the transform dialog's has not.
enum class Columns { WithTrim, WithoutTrim };

// A disk is offered when it is usable (of kind "Disk", not locked, no
// S.M.A.R.T. error) and has at least 1 MB free; `alsoWhenFull` lets a
// usable disk without free space through as well.
bool offered(KV_RaidApi &api, int diskIndex, bool alsoWhenFull);

// Appends the row of the disk at `diskIndex`, unchecked, and notes its kind
// in `kinds`.
void addDiskRow(QTreeWidget *list, KV_RaidApi &api, int diskIndex, Columns columns,
                DiskKinds *kinds);
// Sizes the columns to their contents, sorts by disk and hides the root
// decoration.
void finishDiskList(QTreeWidget *list, Columns columns);

// The selection buttons: each sets the box of every row, so that earlier
// choices are replaced.
enum class Pick { All, Nvme, HardDisk, SataSolidState, Unused, Members };
// Checks exactly the rows of `pick` (Members: the disks of `arrayId`)
// without signalling each row; the caller reacts to the change once.
void checkRows(QTreeWidget *list, KV_RaidApi &api, Pick pick, int arrayId = 0);
int checkedRowCount(QTreeWidget *list);
// The checked rows in display order into `params` (at most 64).
void takeMembers(QTreeWidget *list, KV_Create *params);

// RAID 10 over an even 4 to 8 disks shows "2x2", "3x2" or "4x2"; RAID 10
// otherwise one empty entry; any other type one empty, disabled entry.
void fillOrganizedAs(QComboBox *box, const QString &type, int checkedRows);
// Greys out the types that the number of listed disks cannot build: RAID 0
// and RAID 1 below 2, RAID 10 below 4, RAID 5 below 3.
void disableTypesByDiskCount(QComboBox *box, int listedDisks);

// Rebuilds a preview: the caption on top; when `showLayout`, the type of
// `params` under it and its members (in pairs of the member-level type for
// a two-level type). Everything expanded.
void buildPreview(QTreeWidget *view, const QString &caption, const KV_Create &params,
                  bool showLayout, QSize iconSize);
// ":images/icons/small_normal<TYPE>.png".
QString typeIcon(const QString &type);
// A disk item of a preview or a source tree.
QTreeWidgetItem *addDiskItem(QTreeWidgetItem *parent, const QString &text, QSize iconSize);

// Keeps a dialog within the primary screen's available area.
void clampToScreen(QWidget *dialog);

} // namespace KV_ArrayForm
