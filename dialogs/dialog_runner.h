// How the window opens each of its dialogs: modal, under the given title,
// without the context-help button, deleted as soon as it has closed.
#pragma once

#include <QString>

class QDialog;

// Runs `dialog` (which the call takes over and deletes) and returns its
// result code, QDialog::Accepted or QDialog::Rejected.
int KV_RunDialog(QDialog *dialog, const QString &title);
