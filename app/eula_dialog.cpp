#include "eula_dialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShowEvent>
#include <QTextEdit>
#include <QVBoxLayout>

kv_EULA_Dialog::kv_EULA_Dialog(QWidget *parent) : QMainWindow(parent)
{
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowStaysOnTopHint);
    setWindowFlags(windowFlags() & ~Qt::WindowMinimizeButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);

    auto *text = new QTextEdit;
    text->setReadOnly(true);
    text->setPlainText(LicenceText());
    text->setTabChangesFocus(true);

    acceptButton_ = new QPushButton(tr("Accept"));
    acceptButton_->setDefault(true);
    acceptButton_->setFocusPolicy(Qt::StrongFocus);
    connect(acceptButton_, &QPushButton::clicked, this, &kv_EULA_Dialog::acceptEULA);

    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(text);
    layout->addWidget(acceptButton_);
    setCentralWidget(central);
    setWindowTitle(tr("End User License Agreement"));
    resize(600, 400);
    acceptButton_->setFocus();
    activateWindow();
    raise();
}

QString kv_EULA_Dialog::LicenceText()
{
    QFile file(QStringLiteral(":/EULA/EULA/EULA.txt"));
    QString text;
    if (file.open(QIODevice::ReadOnly | QIODevice::Text))
        text = QString::fromUtf8(file.readAll());
    if (text.isEmpty())
        return tr("EULA text could not be loaded.");
    return text;
}

void kv_EULA_Dialog::acceptEULA()
{
    accepted_ = true;
    QSettings().setValue(QStringLiteral("EULA_Accepted"), true);
    emit eulaAccepted();
    close();
}

void kv_EULA_Dialog::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (centred_ || event->spontaneous())
        return;
    // In the middle of the screen, frame included, once its size is final.
    centred_ = true;
    if (const QScreen *shownOn = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(shownOn->availableGeometry().center());
        move(frame.topLeft());
    }
}

void kv_EULA_Dialog::closeEvent(QCloseEvent *event)
{
    // Nothing of the console may be used before the agreement has been
    // accepted once: closed without Accept, the console ends (status 0).
    if (!accepted_ && !QSettings().value(QStringLiteral("EULA_Accepted")).toBool())
        QCoreApplication::exit(0);
    QMainWindow::closeEvent(event);
}

void kv_EULA_Dialog::keyPressEvent(QKeyEvent *event)
{
    // Return on the focused Accept button accepts; no key, Escape included,
    // closes the agreement any other way.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        acceptButton_->hasFocus()) {
        acceptEULA();
        return;
    }
    event->accept();
}
