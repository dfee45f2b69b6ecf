#include "dialog_runner.h"

#include <QDialog>

#include <memory>

int KV_RunDialog(QDialog *dialog, const QString &title)
{
    const std::unique_ptr<QDialog> owned(dialog);
    owned->setWindowTitle(title);
    owned->setWindowFlags(owned->windowFlags() & ~Qt::WindowContextHelpButtonHint);
    owned->setModal(true);
    return owned->exec();
}
