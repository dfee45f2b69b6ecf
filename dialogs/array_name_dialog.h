// "Array Name": a new name, up to 30 characters, for one array.
#pragma once

#include <QDialog>

#include <memory>

class KV_RaidApi;

namespace Ui {
class KV_ArrayNameDialog;
}

class KV_ArrayNameDialog : public QDialog {
    Q_OBJECT
public:
    KV_ArrayNameDialog(int arrayId, QWidget *parent);
    ~KV_ArrayNameDialog() override;

private slots:
    void on_okButton_clicked();
    void on_cancelButton_clicked();
    void initArrayNameDialog();

private:
    std::unique_ptr<Ui::KV_ArrayNameDialog> ui;
    std::unique_ptr<KV_RaidApi> service_;
    int arrayId_;
};
