// "Task Priority": a new priority, 1 to 10, for the task running on one
// array.
#pragma once

#include <QDialog>
#include <QProxyStyle>

#include <memory>

class KV_RaidApi;

namespace Ui {
class KV_TaskPriorityDialog;
}

// A slider style under which a click on the groove moves the handle straight
// to the clicked place, with either mouse button; every other hint is the
// wrapped style's.
class CustomSliderStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
};

class KV_TaskPriorityDialog : public QDialog {
    Q_OBJECT
public:
    KV_TaskPriorityDialog(int arrayId, QWidget *parent);
    ~KV_TaskPriorityDialog() override;

private slots:
    void on_confirmButton_clicked();
    void on_cancelButton_clicked();
    void on_prioritySlider_valueChanged(int value);

private:
    std::unique_ptr<Ui::KV_TaskPriorityDialog> ui;
    std::unique_ptr<KV_RaidApi> service_;
    int arrayId_;
    int currentLevel_ = 0; // 0 while the array is not found
};
