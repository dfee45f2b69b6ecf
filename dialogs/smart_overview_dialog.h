// "S.M.A.R.T. Overview": every disk with its S.M.A.R.T. summary, and the
// attribute report of the checked disks written to the S.M.A.R.T. log,
// which then opens with the desktop's handler.
#pragma once

#include <QDialog>
#include <QString>

#include <memory>

class KV_RaidApi;

namespace Ui {
class KV_SmartDiskDialog;
}

class KV_SmartDiskDialog : public QDialog {
    Q_OBJECT
public:
    explicit KV_SmartDiskDialog(QWidget *parent);
    ~KV_SmartDiskDialog() override;

    // The list's text of a power-on hour count (decimal, as the service
    // gives it): years, days and hours, or "Unable to retreive" when it
    // comes to nothing.
    static QString PowerOnHoursText(const QString &hours);

    // The S.M.A.R.T. log's path; empty until the first query.
    QString smartLogPath() const { return smartLogPath_; }

private slots:
    void on_okPushButton_clicked();
    void on_smartButton_clicked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillDiskList();

    std::unique_ptr<Ui::KV_SmartDiskDialog> ui;
    std::unique_ptr<KV_RaidApi> service_;
    QString smartLogPath_;
    bool columnsPlaced_ = false; // sized to their texts, or the user's widths restored
};
