// "Controllers": the RAID controllers with their PCI identity and location,
// and the disks attached to each.
#pragma once

#include <QDialog>

#include <memory>

class KV_RaidApi;

namespace Ui {
class kv_ControllerProperties;
}

class kv_ControllerProperties : public QDialog {
    Q_OBJECT
public:
    explicit kv_ControllerProperties(QWidget *parent);
    ~kv_ControllerProperties() override;

public slots:
    void on_okPushButton_clicked();
    void setupControllerList();

private:
    std::unique_ptr<Ui::kv_ControllerProperties> ui;
    std::unique_ptr<KV_RaidApi> service_;
};
