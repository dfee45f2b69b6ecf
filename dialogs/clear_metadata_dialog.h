// Clears the RAID driver's metadata from the checked disks.
#pragma once

#include "kv_raid_commands.h"

#include <QDialog>

#include <memory>

class KV_RaidApi;
class QTreeWidgetItem;

namespace Ui {
class KV_ClearMetadataDialog;
}

class KV_ClearMetadataDialog : public QDialog {
    Q_OBJECT
public:
    explicit KV_ClearMetadataDialog(QWidget *parent);
    ~KV_ClearMetadataDialog() override;

public slots:
    KV_InitDisks getInitParameters();
    void on_cancelButton_clicked();
    void setupClearMetadataMenu();
    void on_selectAllButton_clicked();
    // "Clear Metadata" is offered for checked disks that no array uses.
    void on_diskListTree_itemChanged(QTreeWidgetItem *item, int column);
    void on_clearMetaButton_clicked();

private:
    std::unique_ptr<Ui::KV_ClearMetadataDialog> ui;
    KV_RaidApi *service_;
};
