#include "message_box.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace KV_Message {

namespace {

// The texts belong to the window's catalogue context, as the display texts do.
QString translated(const char *text)
{
    return QCoreApplication::translate("KV_MainWindow", text);
}

Responder &responder()
{
    static Responder installed;
    return installed;
}

bool show(QWidget *parent, const Shown &shown)
{
    if (responder())
        return responder()(shown);
    switch (shown.kind) {
    case Kind::About:
        QMessageBox::about(parent, shown.title, shown.text);
        return true;
    case Kind::Warning:
        QMessageBox::warning(parent, shown.title, shown.text, QMessageBox::Ok);
        return true;
    case Kind::Information: {
        QMessageBox box(QMessageBox::Information, shown.title, shown.text, QMessageBox::Ok, parent);
        box.button(QMessageBox::Ok)->setText(translated(QT_TRANSLATE_NOOP("KV_MainWindow", "OK")));
        box.exec();
        return true;
    }
    case Kind::Notice:
        break; // opened by Notice()
    case Kind::Question:
    case Kind::WarningQuestion: {
        QMessageBox box(shown.kind == Kind::Question ? QMessageBox::Question : QMessageBox::Warning,
                        shown.title, shown.text, QMessageBox::Yes | QMessageBox::No, parent);
        box.button(QMessageBox::Yes)
            ->setText(translated(QT_TRANSLATE_NOOP("KV_MainWindow", "Yes")));
        box.button(QMessageBox::No)->setText(translated(QT_TRANSLATE_NOOP("KV_MainWindow", "No")));
        return box.exec() == QMessageBox::Yes;
    }
    }
    return false;
}

} // namespace

void SetResponder(Responder installed)
{
    responder() = std::move(installed);
}

void About(QWidget *parent, const QString &title, const QString &text)
{
    show(parent, {Kind::About, title, text});
}

void Information(QWidget *parent, const QString &title, const QString &text)
{
    show(parent, {Kind::Information, title, text});
}

void Warning(QWidget *parent, const QString &title, const QString &text)
{
    show(parent, {Kind::Warning, title, text});
}

bool Question(QWidget *parent, const QString &title, const QString &text)
{
    return show(parent, {Kind::Question, title, text});
}

bool WarningQuestion(QWidget *parent, const QString &title, const QString &text)
{
    return show(parent, {Kind::WarningQuestion, title, text});
}

void Notice(QWidget *parent, const QString &text, std::function<void(bool ok)> closed)
{
    if (responder()) {
        closed(responder()({Kind::Notice, QString(), text}));
        return;
    }
    auto *box = new QMessageBox(parent);
    box->setText(text);
    box->setStandardButtons(QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QMessageBox::finished, box,
                     [closed](int result) { closed(result == QMessageBox::Ok); });
    box->open();
}

} // namespace KV_Message
