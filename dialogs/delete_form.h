// The form that deletes several arrays in one go: every array with a check
// box, one confirmation naming the chosen ones, and the deletions on a
// worker thread under a progress dialog.
#pragma once

#include <QDialog>
#include <QList>

#include <memory>

class KV_RaidApi;
class QProgressDialog;
class QTreeWidgetItem;

namespace Ui {
class KV_DeleteForm;
}

class KV_DeleteForm : public QDialog {
    Q_OBJECT
public:
    explicit KV_DeleteForm(QWidget *parent);
    ~KV_DeleteForm() override;

signals:
    void AsyncDeleteMultiple(QList<uint> arrayIds);

public slots:
    void setupDelArrayMenu();
    void toggleDeleteButton();
    // "Are you sure you want to delete the selected Array(s): " and the
    // checked rows in display order, each "Array N - " with the partition
    // and a blank when it has one, then the name; "?" at the end.
    QString generateDeleteConfirmationString();
    void on_cancelButton_clicked();
    void on_deleteButton_clicked();
    // Checks every row that may be deleted.
    void on_selectAllButton_clicked();
    void on_arrayList_itemChanged(QTreeWidgetItem *item, int column);
    // Emits AsyncDeleteMultiple with the checked arrays in display order,
    // which opens the progress dialog and starts the worker.
    void GenerateDeleteArrayList();
    void CreateDeleteProgressBar(QList<uint> arrayIds);
    void UpdateDeleteProgress();

public:
    // While the deletions run the form cannot be closed: it closes itself
    // (accepted) when the worker has finished.
    void reject() override;

private:
    void deleteOnWorker(QList<uint> arrayIds);

    std::unique_ptr<Ui::KV_DeleteForm> ui;
    KV_RaidApi *service_;
    QProgressDialog *progress_ = nullptr;
    bool deleting_ = false;
};
