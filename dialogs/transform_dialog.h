// The dialog that changes an existing array into another type, member set
// or capacity: the source array as a tree, the disks that may take part, and
// the destination while the rules accept it. The driver performs the
// transform; an array never shrinks.
#pragma once

#include "kv_create.h"

#include <QDialog>
#include <QSize>
#include <QStringList>

#include <memory>

class KV_RaidApi;
class QTreeWidgetItem;

namespace Ui {
class KV_TransformDialog;
}

class KV_TransformDialog : public QDialog {
    Q_OBJECT
public:
    // `arrayId` names the source array; `iconSize` is the window's icon size.
    KV_TransformDialog(int arrayId, QSize iconSize, QWidget *parent);
    ~KV_TransformDialog() override;

public slots:
    QString getArrayType(int formArrayIdx);
    int getArrayTypeIdx(QString arrayTypeStr);
    QString getCacheType(int formCacheIdx);
    KV_Create getCreateParameters();
    void tranformDiskList_itemChanged(QTreeWidgetItem *item, int column);
    void commitTransformButton_clicked();
    void on_sameButton_clicked();
    void on_arrayTypeSel_currentIndexChanged(int index);
    void capacityInput_textChanged(QString arg1);
    void selectAllButton_clicked();
    void on_unusedButton_clicked();
    // Runs the rules on the form (a short driver read), shows their verdict
    // and enables Commit only for a transform they accept that does not
    // shrink the array.
    bool isValidTransformConfig();
    void initTransformForm();
    void initTransformDiskList();
    void setupDstArrayView(KV_Create createParams);
    void setupSourceArrayView();
    // Sectors to decimal MB, rounded.
    int convertSizeToMB(quint64 arraySize);
    void on_selectAllHddButton_clicked();
    void on_selectAllSataSsdButton_clicked();
    void on_selectAllNVMeButton_clicked();
    void on_setCurrentCapMaxButton_clicked();
    bool SourceHasHotswapDevices();

private:
    // The texts of the form, in the context "transformDialog".
    void translateTexts();
    // After the checked disks changed: "Organized As", then the rules.
    void disksChanged();

    std::unique_ptr<Ui::KV_TransformDialog> ui;
    std::unique_ptr<KV_RaidApi> api_;
    int arrayId_;
    QSize iconSize_;
    QStringList typeCaptions_;
};
