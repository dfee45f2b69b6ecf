// The licence agreement: shown at start until it has been accepted, and
// again from Help, EULA. Only Accept closes it; closed any other way (the
// window manager's close button) before it has ever been accepted, it ends
// the console, which shows it again at the next start.
#pragma once

#include <QMainWindow>

class QPushButton;

class kv_EULA_Dialog : public QMainWindow {
    Q_OBJECT
public:
    explicit kv_EULA_Dialog(QWidget *parent);

    // The licence text from the resources, or a notice that it is missing.
    static QString LicenceText();

signals:
    void eulaAccepted();

public slots:
    void acceptEULA();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QPushButton *acceptButton_;
    bool accepted_ = false;
    bool centred_ = false;
};
