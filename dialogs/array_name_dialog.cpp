#include "array_name_dialog.h"

#include "kv_raid_api.h"
#include "message_box.h"
#include "ui_array_name_dialog.h"

#include <QCoreApplication>

namespace {

constexpr int MostNameCharacters = 30;

} // namespace

KV_ArrayNameDialog::KV_ArrayNameDialog(int arrayId, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::KV_ArrayNameDialog>()),
      service_(std::make_unique<KV_RaidApi>()), arrayId_(arrayId)
{
    ui->setupUi(this);
    initArrayNameDialog();
}

KV_ArrayNameDialog::~KV_ArrayNameDialog() = default;

void KV_ArrayNameDialog::initArrayNameDialog()
{
    ui->arrayNameLineEdit->setMaxLength(MostNameCharacters);
    const KV_ArrayConfig *config = service_->FindArrayConfig(arrayId_, true);
    ui->okButton->setVisible(config != nullptr);
    if (config)
        ui->arrayNameLineEdit->setText(QString::fromLatin1(config->deviceName));
}

void KV_ArrayNameDialog::on_okButton_clicked()
{
    const QString name = ui->arrayNameLineEdit->text().trimmed();
    if (name.isEmpty() || !service_->FindArrayConfig(arrayId_, true))
        return;
    if (service_->ValidArrayName(name)) {
        service_->RenameArray(arrayId_, name);
        accept();
        return;
    }
    KV_Message::Warning(this, QCoreApplication::applicationName() + tr(" Array Name"),
                        tr("Invalid name: array names may not be the same as existing array "
                           "names or contain the following characters: ()^,.=|\"-[]"));
}

void KV_ArrayNameDialog::on_cancelButton_clicked()
{
    reject();
}
