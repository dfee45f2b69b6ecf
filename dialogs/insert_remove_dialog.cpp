#include "insert_remove_dialog.h"

#include "api_worker.h"
#include "ui_insert_remove_dialog.h"

Kv_insertRemoveDialog::Kv_insertRemoveDialog(int eventNumber, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::Kv_insertRemoveDialog>()), eventNumber_(eventNumber)
{
    ui->setupUi(this);
    ui->rescanButton->setText(tr("Rescan"));
    for (auto [widget, points] :
         {std::pair<QWidget *, int>{ui->eventTitle, 10}, {ui->eventText, 9}}) {
        QFont font(QStringLiteral("Segoe UI"), points);
        font.setStyleHint(QFont::SansSerif); // where it is not installed
        widget->setFont(font);
    }
    ui->eventText->setWordWrap(true);
    if (eventNumber_ == 1038 || eventNumber_ == 1042) {
        ui->eventTitle->setTitle(tr("Drive Inserted"));
        ui->eventText->setText(
            tr("A RAID controller has detected the insertion of a new drive. To bring this drive "
               "on-line a controller RESCAN must be performed. If this drive is part of an array "
               "of several drives you should only rescan after the last drive that is part of the "
               "array has been inserted. "));
    } else {
        ui->eventTitle->setTitle(tr("Drive Removed"));
        ui->eventText->setText(
            tr("A RAID controller has detected the removal of a disk drive. To permanently remove "
               "the drive and sync the configuration a rescan must be performed. If this drive is "
               "part of an array that is being taken off-line, DO NOT RESCAN until the last drive "
               "included in the array has been removed."));
    }
}

Kv_insertRemoveDialog::~Kv_insertRemoveDialog() = default;

// The rescan runs on a worker thread, so that the window keeps drawing;
// the notice closes when it has finished.
void Kv_insertRemoveDialog::on_rescanButton_clicked()
{
    ui->rescanButton->setEnabled(false);
    KV_RunOnWorkerThread([](ApiWorker *worker) { worker->AsyncRescan(); },
                         &ApiWorker::rescanFinished, this, [this] { accept(); });
}
