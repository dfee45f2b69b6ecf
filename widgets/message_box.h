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
    About,           // the application's notice (QMessageBox::about)
    Information,     // information icon, one button "OK"
    Warning,         // warning icon, one button OK
    Question,        // question icon, Yes and No
    Notice,          // no icon, one button OK, and the caller goes on meanwhile
    WarningQuestion, // warning icon, Yes and No
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
// As Question, for a step that cannot be undone: the warning icon.
bool WarningQuestion(QWidget *parent, const QString &title, const QString &text);
// Opens the box and returns at once; `closed` learns later whether the user
// chose OK (rather than closing the box otherwise).
void Notice(QWidget *parent, const QString &text, std::function<void(bool ok)> closed);

} // namespace KV_Message
