// "Properties": every disk's write-back cache, read-ahead and S.M.A.R.T.
// polling, switched on or off for the checked disks.
#pragma once

#include <QDialog>
#include <QStringList>

#include <memory>

class KV_RaidApi;

namespace Ui {
class KV_DiskProperites;
}

class KV_DiskProperites : public QDialog {
    Q_OBJECT
public:
    // What a button asks of the checked disks; the first four go to the
    // disk cache command, the last two to the S.M.A.R.T. polling command.
    enum diskManageCMD {
        ReadAheadOn,
        ReadAheadOff,
        WriteCacheOn,
        WriteCacheOff,
        SmartPollingOn,
        SmartPollingOff,
    };
    Q_ENUM(diskManageCMD)

    explicit KV_DiskProperites(QWidget *parent);
    ~KV_DiskProperites() override;

public slots:
    void on_exitButton_clicked();
    // Builds the disk list afresh from the service's snapshot; the rows
    // saved by the last command come back checked.
    void setupDiskPropsMenu();
    void on_selectAllButton_clicked();
    void on_diskWriteEnableButton_clicked();
    void on_diskWriteDisableButton_clicked();
    void on_diskReadEnableButton_clicked();
    void on_diskReadDisableButton_clicked();
    void on_smartEnableButton_clicked();
    void on_smartDisableButton_clicked();
    void SaveDisksSelected();
    // Sends `diskMngCMD` for the checked disks and returns the service's
    // answer (1 success); the list is not rebuilt. A cache command leaves
    // out every checked NVMe disk and says so, one box per disk.
    int setDiskCMDParameters(KV_DiskProperites::diskManageCMD diskMngCMD);
    bool writeCacheEnabled(int disk);
    bool readCacheEnabled(int disk);
    bool smartEnabled(int disk);

private:
    // Sends the command and, when it succeeded, rebuilds the list.
    void runCommand(diskManageCMD command);

    std::unique_ptr<Ui::KV_DiskProperites> ui;
    std::unique_ptr<KV_RaidApi> service_;
    QStringList savedSelection_; // column-0 texts of the rows checked before the last command
    bool firstBuild_ = true;
};
