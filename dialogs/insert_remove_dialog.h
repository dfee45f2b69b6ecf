// The notice that a drive was inserted or removed, with the offer to rescan
// the controllers.
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class Kv_insertRemoveDialog;
}

class Kv_insertRemoveDialog : public QDialog {
    Q_OBJECT
public:
    // `eventNumber` is the driver's event code: 1038 and 1042 tell of an
    // inserted drive, every other code of a removed one.
    Kv_insertRemoveDialog(int eventNumber, QWidget *parent);
    ~Kv_insertRemoveDialog() override;

private slots:
    void on_rescanButton_clicked();

private:
    std::unique_ptr<Ui::Kv_insertRemoveDialog> ui;
    int eventNumber_;
};
