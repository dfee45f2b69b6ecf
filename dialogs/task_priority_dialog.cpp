#include "task_priority_dialog.h"

#include "display_strings.h"
#include "kv_raid_api.h"
#include "ui_task_priority_dialog.h"

int CustomSliderStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                                 QStyleHintReturn *returnData) const
{
    if (hint == QStyle::SH_Slider_AbsoluteSetButtons)
        return Qt::LeftButton | Qt::RightButton;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

KV_TaskPriorityDialog::KV_TaskPriorityDialog(int arrayId, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::KV_TaskPriorityDialog>()),
      service_(std::make_unique<KV_RaidApi>()), arrayId_(arrayId)
{
    ui->setupUi(this);
    const KV_ArrayConfig *config = service_->FindArrayConfig(arrayId_, true);
    if (!config)
        return;
    currentLevel_ = service_->TaskPriorityLevel(arrayId_);
    const QString task = KV_Display::TaskTypeText(QString::fromLatin1(config->transformType));
    const QString name = QString::fromLatin1(config->deviceName);

    QSlider *slider = ui->prioritySlider;
    // The dialog owns the style and deletes it after the slider (made
    // earlier, so deleted first); it wraps the slider's style of now.
    auto *style = new CustomSliderStyle(slider->style()->name());
    style->setParent(this);
    slider->setStyle(style);
    slider->setRange(1, 10);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setValue(currentLevel_);
    on_prioritySlider_valueChanged(slider->value()); // also when the value was already there

    ui->currentyPriorityLabel->setText(
        tr("Current priority of the '%1' task: %2").arg(task).arg(currentLevel_));
    ui->descriptionLabel->setWordWrap(true);
    ui->descriptionLabel->setText(
        tr("Use the slider to choose a new priority for the '%1' task on array '%2'.")
            .arg(task, name));
}

KV_TaskPriorityDialog::~KV_TaskPriorityDialog() = default;

void KV_TaskPriorityDialog::on_confirmButton_clicked()
{
    if (currentLevel_ > 0 && service_->FindArrayConfig(arrayId_, true) &&
        ui->prioritySlider->value() != currentLevel_)
        service_->SetTaskPriority(arrayId_, ui->prioritySlider->value());
    accept();
}

void KV_TaskPriorityDialog::on_cancelButton_clicked()
{
    reject();
}

void KV_TaskPriorityDialog::on_prioritySlider_valueChanged(int value)
{
    ui->newPriorityLabel->setText(tr("New priority: %1").arg(value));
}
