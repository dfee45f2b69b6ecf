#include "dialog_layout.h"

#include <QHeaderView>
#include <QSettings>
#include <QWidget>

bool KV_RestoreDialogLayout(QWidget *dialog, QHeaderView *header, const char *geometryKey,
                            const char *headerKey)
{
    const QSettings settings;
    dialog->restoreGeometry(settings.value(QLatin1String(geometryKey)).toByteArray());
    return header->restoreState(settings.value(QLatin1String(headerKey)).toByteArray());
}

void KV_StoreDialogLayout(const QWidget *dialog, const QHeaderView *header, const char *geometryKey,
                          const char *headerKey)
{
    QSettings settings;
    settings.setValue(QLatin1String(geometryKey), dialog->saveGeometry());
    settings.setValue(QLatin1String(headerKey), header->saveState());
}
