// Help, Save Support Bundle...: one archive for support, written on a thread
// of its own (it reads every disk's S.M.A.R.T. data) while the window goes on.
#include "main_window.h"

#include "message_box.h"
#include "startup.h"
#include "support_bundle.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QThread>

#include <memory>

void KV_MainWindow::saveSupportBundle()
{
    const QString suggested = QDir::home().filePath(
        QStringLiteral("velmora-support-%1.zip")
            .arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))));
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Support Bundle"), suggested,
                                                      tr("Zip archives (*.zip)"));
    if (!path.isEmpty())
        saveSupportBundleTo(path);
}

void KV_MainWindow::saveSupportBundleTo(const QString &path)
{
    action(KV_Action::SupportBundle)->setEnabled(false); // one at a time
    KV_SupportBundleSources sources;
    sources.consoleVersion = QCoreApplication::applicationVersion();
    if (!appLogPath_.isEmpty())
        sources.dataFolder = QFileInfo(appLogPath_).absolutePath();
    struct Outcome {
        bool written = false;
        QString error;
    };
    auto outcome = std::make_shared<Outcome>();
    QThread *thread = QThread::create([path, sources, outcome] {
        outcome->written = KV_WriteSupportBundle(path, sources, &outcome->error);
    });
    connect(thread, &QThread::finished, this, [this, path, outcome] {
        action(KV_Action::SupportBundle)->setEnabled(true);
        const QString title = QString::fromLatin1(KV_Startup::ApplicationName);
        if (outcome->written)
            KV_Message::Information(
                this, title,
                tr("The support bundle was saved to %1.").arg(QDir::toNativeSeparators(path)));
        else
            KV_Message::Warning(this, title,
                                tr("The support bundle could not be saved to %1: %2")
                                    .arg(QDir::toNativeSeparators(path), outcome->error));
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}
