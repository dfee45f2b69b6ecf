// "About": the application's version and the versions of the three driver
// files.
#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class KV_AboutDialog;
}

class KV_AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit KV_AboutDialog(QWidget *parent);
    ~KV_AboutDialog() override;

    // The version shown for the build constant `version`
    // (major.minor.patch-build) of a console run from `applicationDir`: the
    // constant itself in the installed folder, elsewhere the four-part form
    // of the packaged console ("9.5.0-00201" reads "9.50.201.0 UWP"). A
    // constant of another form is shown as it is.
    static QString VersionText(const QString &version, const QString &applicationDir);

private:
    std::unique_ptr<Ui::KV_AboutDialog> ui;
};
