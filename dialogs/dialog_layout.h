// Where a dialog keeps its window geometry and its list's header between
// runs: two settings keys per dialog, read when it opens and written when it
// goes.
#pragma once

class QHeaderView;
class QWidget;

// True when a stored header state was restored.
bool KV_RestoreDialogLayout(QWidget *dialog, QHeaderView *header, const char *geometryKey,
                            const char *headerKey);
void KV_StoreDialogLayout(const QWidget *dialog, const QHeaderView *header, const char *geometryKey,
                          const char *headerKey);
