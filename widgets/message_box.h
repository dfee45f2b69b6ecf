// The one way the window and the dialogs tell the user something or ask a
// question. Every box is modal and titled by its caller; a question has Yes
// and No relabelled with their translations. A test installs a responder,
// which then receives every box instead of the user and answers it.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace KV_Message {

enum class Kind {
    About,       // the application's notice (QMessageBox::about)
    Information, // information icon, one button "OK"
    Warning,     // warning icon, one button OK
    Question,    // question icon, Yes and No
};

struct Shown {
    Kind kind;
    QString title;
    QString text;
};

// Answers a box in place of the user: true is Yes (or OK).
using Responder = std::function<bool(const Shown &)>;

// Installs `responder` for every box until it is replaced; an empty one
// returns the boxes to the user.
void SetResponder(Responder responder);

void About(QWidget *parent, const QString &title, const QString &text);
void Information(QWidget *parent, const QString &title, const QString &text);
void Warning(QWidget *parent, const QString &title, const QString &text);
// True only when the user chose Yes.
bool Question(QWidget *parent, const QString &title, const QString &text);

} // namespace KV_Message
