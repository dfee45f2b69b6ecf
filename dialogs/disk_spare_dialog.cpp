#include "disk_spare_dialog.h"

#include "kv_raid_api.h"
#include "message_box.h"
#include "ui_disk_spare_dialog.h"

#include <QIcon>

KV_diskSpareDialog::KV_diskSpareDialog(QString diskLabel, QString modelText, int diskId,
                                       int arrayId, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::KV_diskSpareDialog>()),
      service_(new KV_RaidApi(this)), diskLabel_(std::move(diskLabel)),
      modelText_(std::move(modelText)), diskId_(diskId), arrayId_(arrayId)
{
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":images/icons/Logo.ico")));
    if (const KV_DiskRec *disk = service_->GetDisk(service_->FindDiskIndex(diskId_)))
        diskUid_ = disk->id;
    initDialog();
}

KV_diskSpareDialog::~KV_diskSpareDialog() = default;

void KV_diskSpareDialog::on_cancelButton_clicked()
{
    close();
}

void KV_diskSpareDialog::initDialog()
{
    // The form's texts, translated; the choices below relabel some.
    ui->groupBox->setTitle(tr("Disk"));
    ui->assignDedSpare->setText(tr("Assign as Dedicated Spare"));
    ui->assignGlobSpare->setText(tr("Assign as Global Spare"));
    ui->identDisk->setText(tr("Identify Disk using LEDs"));
    ui->okButton->setText(tr("OK"));
    ui->cancelButton->setText(tr("Cancel"));
    ui->diskTextBox->setText(diskLabel_);
    ui->diskTextBox->setEnabled(false);
    ui->assignDedSpare->setEnabled(false);
    ui->assignGlobSpare->setEnabled(false);
    ui->removeDiskBtn->setEnabled(false);
    ui->identDisk->setEnabled(true);
    ui->removeDiskBtn->setText(tr("Prepare to Remove"));

    if (service_->DiskIsGlobalSpare(diskId_)) {
        ui->assignGlobSpare->setEnabled(true);
        ui->assignGlobSpare->setText(tr("Remove as Global Spare"));
    } else if (service_->DiskIsDedicatedSpare(diskId_)) {
        if (service_->DiskIsDedicatedSpareOf(arrayId_, diskId_)) {
            ui->assignDedSpare->setText(tr("Remove as Dedicated Spare"));
            ui->assignDedSpare->setEnabled(!service_->ArrayTaskActive(arrayId_));
        }
    } else if (service_->CountArraysOfDisk(diskId_) == 0 &&
               service_->FindUsableDiskIndex(diskId_) >= 0) {
        ui->assignGlobSpare->setEnabled(true);
        ui->assignDedSpare->setEnabled(arrayId_ > 0 && service_->IsRedundantType(arrayId_) &&
                                       service_->CanBeDedicatedSpare(arrayId_, diskId_));
    }
    ui->removeDiskBtn->setEnabled(service_->DiskHasInformedHotSwap(diskId_) &&
                                  KV_RaidApi::ProcessIsElevated());
}

bool KV_diskSpareDialog::diskStillPresent()
{
    if (service_->Refresh() != 1) {
        KV_Message::Information(this, tr("Options"),
                                tr("The configuration could not be read; nothing was changed."));
        return false;
    }
    const KV_DiskRec *disk = service_->GetDisk(service_->FindDiskIndex(diskId_));
    if (!disk || diskUid_ == 0 || disk->id != diskUid_) {
        KV_Message::Information(
            this, tr("Options"),
            tr("Disk %1 is no longer present; nothing was changed.").arg(diskLabel_));
        return false;
    }
    return true;
}

void KV_diskSpareDialog::on_okButton_clicked()
{
    const bool chosen = ui->assignGlobSpare->isChecked() || ui->assignDedSpare->isChecked() ||
                        ui->identDisk->isChecked() || ui->removeDiskBtn->isChecked();
    if (!chosen || !diskStillPresent()) {
        close();
        return;
    }
    if (ui->assignGlobSpare->isChecked()) {
        if (service_->DiskIsGlobalSpare(diskId_))
            service_->RemoveGlobalSpare(diskId_);
        else
            service_->AssignGlobalSpare(diskId_);
    } else if (ui->assignDedSpare->isChecked()) {
        if (service_->DiskIsDedicatedSpareOf(arrayId_, diskId_)) {
            service_->RemoveDedicatedSpare(arrayId_, diskId_);
        } else {
            if (service_->MixesDriveKinds(arrayId_, diskId_) &&
                !KV_Message::Question(
                    this, tr("Confirm Spare Assignment"),
                    tr("Warning: drive mixing detected! For best performance, it is not "
                       "recommended to mix drives of substantially different performance. Do "
                       "you want to continue with spare assignment?")))
                return;
            service_->AssignDedicatedSpare(arrayId_, diskId_);
        }
    } else if (ui->identDisk->isChecked()) {
        service_->IdentifyDisk(diskId_, true);
        KV_Message::Information(this, tr("Identify Disk"),
                                tr("The LEDs representing the selected Disk are now lit. Click "
                                   "'OK' to stop identifying."));
        service_->IdentifyDisk(diskId_, false);
    } else if (!removeDevice()) {
        return;
    }
    close();
}

// The removal texts are the driver vendor's and stay untranslated; their
// titles are translated.
bool KV_diskSpareDialog::removeDevice()
{
    const auto fill = [this](const char *text) {
        return QString::fromLatin1(text).arg(modelText_, diskLabel_);
    };
    const char *refusal = nullptr;
    if (service_->DiskInSystemArray(diskId_))
        refusal = "%1 (%2) device is part of the system array, removal is not supported.";
    else if (service_->DiskIsDedicatedSpare(diskId_))
        refusal = "%1 (%2) device is a dedicated spare, removal of a dedicated spare is not "
                  "supported, unassign the device as a dedicated spare and try again.";
    else if (service_->DiskInRestoringArray(diskId_))
        refusal = "%1 (%2) device is part of an array restore, removal is not supported.";
    else if (service_->CountArraysOfDisk(diskId_) > 0)
        refusal = "%1 (%2) device is part of an array, removal is not supported. Please prepare "
                  "to remove the array this device is included in.";
    if (refusal) {
        KV_Message::Information(this, tr("Remove Device"), fill(refusal));
        return false;
    }
    const QString question =
        service_->DiskIsGlobalSpare(diskId_)
            ? fill("You are about to remove %1 (%2), a device that is a Global Spare and may be "
                   "part of an array. Are you sure you want to proceed?")
            : fill("Would you like to disconnect the %1 (%2) device?");
    if (!KV_Message::WarningQuestion(this, tr("Remove Device"), question))
        return false;
    service_->IdentifyDisk(diskId_, true);
    const bool prepared = service_->PrepareDiskRemoval(diskId_);
    KV_Message::Information(
        this, tr("Remove Device Status"),
        prepared ? QStringLiteral("The device was disconnected and can now be physically removed "
                                  "from the system.If supported, the LEDs representing the "
                                  "selected device are now lit.")
                 : QStringLiteral("The Device was not succesfully prepared for removal."));
    return true;
}
