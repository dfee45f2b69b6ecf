// Initializes the checked disks, making them usable by the RAID driver.
#pragma once

#include "kv_raid_commands.h"

#include <QDialog>

#include <memory>

class KV_RaidApi;
class QTreeWidgetItem;

namespace Ui {
class KV_initDisksDialog;
}

class KV_initDisksDialog : public QDialog {
    Q_OBJECT
public:
    explicit KV_initDisksDialog(QWidget *parent);
    ~KV_initDisksDialog() override;

public slots:
    KV_InitDisks getInitParameters();
    void on_cancelButton_clicked();
    void setupInitDisksMenu();
    void on_selectAllButton_clicked();
    // Checks the new disks that are not members of the system array and
    // unchecks every other row.
    void on_selectUnInitButton_clicked();
    void on_initSelectedButton_clicked();
    void on_diskListTree_itemChanged(QTreeWidgetItem *item, int column);

private:
    std::unique_ptr<Ui::KV_initDisksDialog> ui;
    KV_RaidApi *service_;
};
