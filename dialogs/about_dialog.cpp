#include "about_dialog.h"

#include "kv_app_log.h"
#include "kv_raid_api.h"
#include "ui_about_dialog.h"

#include <QCoreApplication>
#include <QPixmap>

KV_AboutDialog::KV_AboutDialog(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::KV_AboutDialog>())
{
    ui->setupUi(this);
    const QPixmap picture(QStringLiteral(":/images/icons/AboutRaid.png"));
    if (!picture.isNull())
        ui->ImageLabel->setPixmap(picture.scaled(ui->ImageLabel->maximumSize(), Qt::KeepAspectRatio,
                                                 Qt::SmoothTransformation));
    const QStringList drivers = KV_RaidApi::GetDriverVersions();
    QLabel *values[] = {ui->kvraidValue, ui->kvcfgValue, ui->kvbottomValue};
    for (int i = 0; i < 3 && i < drivers.size(); ++i)
        values[i]->setText(drivers[i]);
    ui->AppVersionValue->setText(VersionText(QCoreApplication::applicationVersion(),
                                             QCoreApplication::applicationDirPath()));
}

KV_AboutDialog::~KV_AboutDialog() = default;

QString KV_AboutDialog::VersionText(const QString &version, const QString &applicationDir)
{
    if (applicationDir == QLatin1String(KV_InstalledDirectory))
        return version;
    const QStringList parts = version.split(u'.');
    const QStringList patch = parts.size() == 3 ? parts[2].split(u'-') : QStringList();
    bool numbers[4] = {};
    const int major = parts.value(0).toInt(&numbers[0]);
    const int minor = parts.value(1).toInt(&numbers[1]);
    const int fix = patch.value(0).toInt(&numbers[2]);
    const int build = patch.value(1).toInt(&numbers[3]);
    if (patch.size() != 2 || !(numbers[0] && numbers[1] && numbers[2] && numbers[3]))
        return version;
    const int second = build != 0 ? minor * 10 + fix : minor;
    return QStringLiteral("%1.%2.%3.0 UWP").arg(major).arg(second).arg(build);
}
