// Where the list dialogs keep their size and their list's columns between
// runs: two settings keys each, read on construction and written on
// destruction.
#pragma once

#include <QString>

class QHeaderView;
class QWidget;

namespace KV_DialogState {

void Restore(QWidget *dialog, QHeaderView *header, const QString &geometryKey,
             const QString &headerKey);
void Save(const QWidget *dialog, const QHeaderView *header, const QString &geometryKey,
          const QString &headerKey);

} // namespace KV_DialogState
