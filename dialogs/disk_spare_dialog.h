// The "Options" of one disk: assign or remove it as a dedicated spare of the
// array selected in the window or as a global spare, light its LEDs, or
// prepare it for removal. What is offered is decided once, on construction.
#pragma once

#include <QDialog>
#include <QString>

#include <memory>

class KV_RaidApi;

namespace Ui {
class KV_diskSpareDialog;
}

class KV_diskSpareDialog : public QDialog {
    Q_OBJECT
public:
    // `arrayId` is the array selected in the window, 0 or less for none.
    KV_diskSpareDialog(QString diskLabel, QString modelText, int diskId, int arrayId,
                       QWidget *parent);
    ~KV_diskSpareDialog() override;

public slots:
    void on_cancelButton_clicked();
    void initDialog();
    void on_okButton_clicked();

private:
    // Reads the configuration afresh; false, having said why, when it cannot
    // be read or the disk is no longer the one the dialog was opened for.
    bool diskStillPresent();
    void changeDedicatedSpare();
    // False when the device stays (a refusal, or the user said No).
    bool removeDevice();

    std::unique_ptr<Ui::KV_diskSpareDialog> ui;
    KV_RaidApi *service_;
    QString diskLabel_;
    QString modelText_;
    int diskId_;
    int arrayId_;
    quint64 diskUid_ = 0; // 0: the disk was not found on construction
};
