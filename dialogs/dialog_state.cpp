#include "dialog_state.h"

#include <QHeaderView>
#include <QSettings>
#include <QWidget>

namespace KV_DialogState {

void Restore(QWidget *dialog, QHeaderView *header, const QString &geometryKey,
             const QString &headerKey)
{
    const QSettings settings;
    dialog->restoreGeometry(settings.value(geometryKey).toByteArray());
    header->restoreState(settings.value(headerKey).toByteArray());
}

void Save(const QWidget *dialog, const QHeaderView *header, const QString &geometryKey,
          const QString &headerKey)
{
    QSettings settings;
    settings.setValue(geometryKey, dialog->saveGeometry());
    settings.setValue(headerKey, header->saveState());
}

} // namespace KV_DialogState
