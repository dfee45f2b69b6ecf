// The dialog in which the user builds a new array: name, type, member disks,
// capacity, cache and initialization options, with a live preview and the
// rules' verdict in a red line while the user edits. Create is enabled only
// for a configuration the service's rules accept.
#pragma once

#include "kv_create.h"

#include <QDialog>
#include <QSize>
#include <QStringList>

#include <memory>

class KV_RaidApi;
class QTreeWidgetItem;

namespace Ui {
class KV_CreateDialog;
}

class KV_CreateDialog : public QDialog {
    Q_OBJECT
public:
    // `iconSize` is the window's icon size, used for the preview.
    KV_CreateDialog(QSize iconSize, QWidget *parent);
    ~KV_CreateDialog() override;

public slots:
    void initCreateDiskList();
    // Runs the rules on the form (a short driver read) and shows their
    // verdict; `setCapInput` lets the capacity follow the maximum while the
    // user has not typed one of their own.
    bool isValidCreateConfig(bool setCapInput);
    KV_Create getCreateParameters();
    void initCreateForm();
    QString getArrayType(int formArrayIdx);
    int getArrayTypeIdx(QString arrayTypeStr);
    QString getCacheType(int formCacheIdx);
    void createButton_clicked();
    void allButton_clicked();
    void diskList_itemChanged(QTreeWidgetItem *item, int column);
    void zeroCreateCheckBox_stateChanged(int arg1);
    void leaveDataCheckBox_stateChanged(int arg1);
    void skipInitCheckBox_stateChanged(int arg1);
    void arrayTypeSel_currentIndexChanged(int index);
    void currentCapInput_textChanged(QString arg1);
    void unusedButton_clicked();
    void setMaxCapButton_clicked();
    void allNvmeButton_clicked();
    void allHddButton_clicked();
    void allSataSsdButton_clicked();
    void setDefaultCacheSelection(bool NVMe_default);
    void setDefaultCtsSelection(bool);
    void cacheTypeSel_currentIndexChanged(int index);
    void ctsTypeSel_currentIndexChanged(int index);

private:
    // The texts of the form, in the context "createDialog".
    void translateTexts();
    // After the checked disks changed: "Organized As", then the rules.
    void disksChanged();
    void buildPreview(const KV_Create &params);

    std::unique_ptr<Ui::KV_CreateDialog> ui;
    std::unique_ptr<KV_RaidApi> api_;
    QSize iconSize_;
    QStringList typeCaptions_;
    int lastMaxCapacity = 0;    // MB, the maximum last copied into the capacity
    bool cacheAuto = true;      // the dialog picks the cache option until the user does
    bool ctsAuto = true;        // and the cache tag size
    bool settingCache_ = false; // the dialog itself changes the cache option
    bool settingCts_ = false;   // the dialog itself changes the cache tag size
};
