#include "create_dialog.h"

#include "array_form.h"
#include "kv_raid_api.h"
#include "message_box.h"
#include "tree_items.h"
#include "ui_create_dialog.h"

#include <QDateTime>
#include <QHeaderView>
#include <QIntValidator>
#include <QSettings>
#include <QSignalBlocker>

using namespace KV_ArrayForm;

namespace {

const char *const GeometryKey = "createWindowGeometry";
const char *const HeaderKey = "createDiskListHeaderState";

// Rule messages the dialog shows by index itself.
constexpr int SizeTooSmall = 1;
constexpr int SizeAboveMaximum = 46;
constexpr int SmallestCapacity = 100; // MB

QString text(const char *source)
{
    return QCoreApplication::translate("createDialog", source);
}

QString applicationName()
{
    return QCoreApplication::applicationName();
}

} // namespace

KV_CreateDialog::KV_CreateDialog(QSize iconSize, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::KV_CreateDialog>()),
      api_(std::make_unique<KV_RaidApi>()), iconSize_(iconSize),
      typeCaptions_(Texts::typeCaptions())
{
    ui->setupUi(this);
    for (int i = 0; i < 4; ++i) {
        ui->cacheTypeSel->addItem(QString());
        ui->ctsSel->addItem(QString());
    }
    for (int i = 0; i < 5; ++i)
        ui->arrayTypeSel->addItem(QString());
    ui->diskList->setAlternatingRowColors(true);
    ui->createArrayView->setHeaderHidden(true);
    translateTexts();

    initCreateDiskList();
    initCreateForm();

    ui->diskList->setItemDelegate(new CustomDelegate(ui->diskList));
    ui->createArrayView->setItemDelegate(new CustomDelegate(ui->createArrayView));

    const QSettings settings;
    restoreGeometry(settings.value(QLatin1String(GeometryKey)).toByteArray());
    ui->diskList->header()->restoreState(settings.value(QLatin1String(HeaderKey)).toByteArray());
    setWindowIcon(QIcon(QStringLiteral(":images/icons/Logo.ico")));
    clampToScreen(this);

    connect(ui->diskList, &QTreeWidget::itemChanged, this, &KV_CreateDialog::diskList_itemChanged);
    connect(ui->zeroCreateCheckBox, &QCheckBox::stateChanged, this,
            &KV_CreateDialog::zeroCreateCheckBox_stateChanged);
    connect(ui->leaveDataCheckBox, &QCheckBox::stateChanged, this,
            &KV_CreateDialog::leaveDataCheckBox_stateChanged);
    connect(ui->skipInitCheckBox, &QCheckBox::stateChanged, this,
            &KV_CreateDialog::skipInitCheckBox_stateChanged);
    connect(ui->arrayTypeSel, &QComboBox::currentIndexChanged, this,
            &KV_CreateDialog::arrayTypeSel_currentIndexChanged);
    connect(ui->cacheTypeSel, &QComboBox::currentIndexChanged, this,
            &KV_CreateDialog::cacheTypeSel_currentIndexChanged);
    connect(ui->ctsSel, &QComboBox::currentIndexChanged, this,
            &KV_CreateDialog::ctsTypeSel_currentIndexChanged);
    connect(ui->currentCapInput, &QLineEdit::textChanged, this,
            &KV_CreateDialog::currentCapInput_textChanged);
    connect(ui->createButton, &QPushButton::clicked, this, &KV_CreateDialog::createButton_clicked);
    connect(ui->allButton, &QPushButton::clicked, this, &KV_CreateDialog::allButton_clicked);
    connect(ui->allNvmeButton, &QPushButton::clicked, this,
            &KV_CreateDialog::allNvmeButton_clicked);
    connect(ui->allHddButton, &QPushButton::clicked, this, &KV_CreateDialog::allHddButton_clicked);
    connect(ui->allSataSsdButton, &QPushButton::clicked, this,
            &KV_CreateDialog::allSataSsdButton_clicked);
    connect(ui->unusedButton, &QPushButton::clicked, this, &KV_CreateDialog::unusedButton_clicked);
    connect(ui->setMaxCapButton, &QPushButton::clicked, this,
            &KV_CreateDialog::setMaxCapButton_clicked);
    connect(ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    isValidCreateConfig(true);
}

KV_CreateDialog::~KV_CreateDialog()
{
    QSettings settings;
    settings.setValue(QLatin1String(GeometryKey), saveGeometry());
    settings.setValue(QLatin1String(HeaderKey), ui->diskList->header()->saveState());
}

void KV_CreateDialog::translateTexts()
{
    const std::pair<QWidget *, const char *> texts[] = {
        {ui->arrayOptionsGroupBox, QT_TRANSLATE_NOOP("createDialog", "Array Options")},
        {ui->arrayTypeLabel, QT_TRANSLATE_NOOP("createDialog", "Type:")},
        {ui->arrayNameLabel, QT_TRANSLATE_NOOP("createDialog", "Array Name:")},
        {ui->orgAsLabel, QT_TRANSLATE_NOOP("createDialog", "Organized As:")},
        {ui->capLabel, QT_TRANSLATE_NOOP("createDialog", "Capacity:")},
        {ui->capUnitLabel, QT_TRANSLATE_NOOP("createDialog", "MB")},
        {ui->maxCapLabel, QT_TRANSLATE_NOOP("createDialog", "Max Capacity:")},
        {ui->maxCapUnitLabel, QT_TRANSLATE_NOOP("createDialog", "MB")},
        {ui->setMaxCapButton, QT_TRANSLATE_NOOP("createDialog", "Max Capacity")},
        {ui->cacheOptionsLabel, QT_TRANSLATE_NOOP("createDialog", "Cache Options:")},
        {ui->ctsLabel, QT_TRANSLATE_NOOP("createDialog", "Cache Tag Size:")},
        {ui->trimLabel, QT_TRANSLATE_NOOP("createDialog", "Trim:")},
        {ui->basCheckBox, QT_TRANSLATE_NOOP("createDialog", "Background Array Scan")},
        {ui->skipInitCheckBox,
         QT_TRANSLATE_NOOP("createDialog", "Skip Initialize  (Not Recommended)")},
        {ui->leaveDataCheckBox, QT_TRANSLATE_NOOP("createDialog", "Leave Existing Data Intact")},
        {ui->zeroCreateCheckBox, QT_TRANSLATE_NOOP("createDialog", "Zero Create")},
        {ui->selectGroupBox, QT_TRANSLATE_NOOP("createDialog", "Select")},
        {ui->allButton, QT_TRANSLATE_NOOP("createDialog", "All")},
        {ui->allNvmeButton, QT_TRANSLATE_NOOP("createDialog", "All NVMe")},
        {ui->allSataSsdButton, QT_TRANSLATE_NOOP("createDialog", "All SATA SSD")},
        {ui->allHddButton, QT_TRANSLATE_NOOP("createDialog", "All HDD")},
        {ui->unusedButton, QT_TRANSLATE_NOOP("createDialog", "Unused")},
        {ui->createButton, QT_TRANSLATE_NOOP("createDialog", "Create")},
        {ui->cancelButton, QT_TRANSLATE_NOOP("createDialog", "Cancel")},
    };
    for (const auto &[widget, source] : texts) {
        if (auto *box = qobject_cast<QGroupBox *>(widget))
            box->setTitle(text(source));
        else if (auto *label = qobject_cast<QLabel *>(widget))
            label->setText(text(source));
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            button->setText(text(source));
    }
    for (int i = 0; i < ui->arrayTypeSel->count(); ++i)
        ui->arrayTypeSel->setItemText(i, typeCaptions_.value(i));
    const char *const caches[] = {
        QT_TRANSLATE_NOOP("createDialog", "Read + Write Back Cache"),
        QT_TRANSLATE_NOOP("createDialog", "Read Cache"),
        QT_TRANSLATE_NOOP("createDialog", "Write Back Cache"),
        QT_TRANSLATE_NOOP("createDialog", "No Cache"),
    };
    for (int i = 0; i < ui->cacheTypeSel->count(); ++i)
        ui->cacheTypeSel->setItemText(i, text(caches[i]));
    const char *const tagSizes[] = {
        QT_TRANSLATE_NOOP("createDialog", "Default"),
        QT_TRANSLATE_NOOP("createDialog", "64 KB"),
        QT_TRANSLATE_NOOP("createDialog", "128 KB"),
        QT_TRANSLATE_NOOP("createDialog", "256 KB"),
    };
    for (int i = 0; i < ui->ctsSel->count(); ++i)
        ui->ctsSel->setItemText(i, text(tagSizes[i]));
    const char *const columns[] = {
        QT_TRANSLATE_NOOP("createDialog", "Disk"),
        QT_TRANSLATE_NOOP("createDialog", "Port Type"),
        QT_TRANSLATE_NOOP("createDialog", "Capacity"),
        QT_TRANSLATE_NOOP("createDialog", "Uses"),
        QT_TRANSLATE_NOOP("createDialog", "Free Space"),
        QT_TRANSLATE_NOOP("createDialog", "Largest Free "),
        QT_TRANSLATE_NOOP("createDialog", "GS"),
        QT_TRANSLATE_NOOP("createDialog", "Trim"),
        QT_TRANSLATE_NOOP("createDialog", "Informed Hot Swap"),
        QT_TRANSLATE_NOOP("createDialog", "Model Number"),
        QT_TRANSLATE_NOOP("createDialog", "Serial Number"),
        QT_TRANSLATE_NOOP("createDialog", "Firmware Version"),
    };
    QStringList labels;
    for (const char *column : columns)
        labels << text(column);
    ui->diskList->setHeaderLabels(labels);
}

void KV_CreateDialog::initCreateDiskList()
{
    DiskKinds kinds;
    const int disks = api_->GetDiskCount();
    for (int i = 0; i < disks; ++i) {
        if (offered(*api_, i, false))
            addDiskRow(ui->diskList, *api_, i, Columns::WithTrim, &kinds);
    }
    finishDiskList(ui->diskList, Columns::WithTrim);
    ui->allSataSsdButton->setEnabled(kinds.sataSolidState);
    ui->allHddButton->setEnabled(kinds.hardDisk);
    ui->allNvmeButton->setEnabled(kinds.nvme);
    ui->unusedButton->setEnabled(kinds.unused);
    if (ui->diskList->topLevelItemCount() == 0 && disks > 0)
        KV_Message::Warning(this, applicationName() + QStringLiteral(" Create"),
                            tr("No disks with free space were detected, to create a RAID array "
                               "please first free up space on an existing disk or add an "
                               "additional disk to the system."));
}

void KV_CreateDialog::initCreateForm()
{
    ui->currentCapInput->setValidator(new QIntValidator(10, 100000000, ui->currentCapInput));
    if (ui->arrayTypeSel->currentIndex() > 1) {
        ui->skipInitCheckBox->setEnabled(true);
    } else {
        ui->skipInitCheckBox->setEnabled(false);
        ui->skipInitCheckBox->setChecked(false);
    }
    ui->arrayNameInput->setMaxLength(30);
    ui->trimLabel->setText(text(QT_TRANSLATE_NOOP("createDialog", "Trim:")));
    ui->trimSupportValue->setText(Texts::yesNo(false));
    disableTypesByDiskCount(ui->arrayTypeSel, ui->diskList->topLevelItemCount());
}

KV_Create KV_CreateDialog::getCreateParameters()
{
    KV_Create params;
    takeMembers(ui->diskList, &params);
    params.type = getArrayType(ui->arrayTypeSel->currentIndex());
    params.capacityMB = ui->currentCapInput->text().toInt();
    params.cacheMode = getCacheType(ui->cacheTypeSel->currentIndex());
    params.cacheTagSize = cacheTagSize(ui->ctsSel->currentIndex());
    params.backgroundScan = ui->basCheckBox->isChecked();
    params.skipInit = ui->skipInitCheckBox->isChecked();
    params.leaveData = ui->leaveDataCheckBox->isChecked();
    params.zeroCreate = ui->zeroCreateCheckBox->isChecked();
    params.name = ui->arrayNameInput->text().trimmed();
    if (params.name.isEmpty())
        params.name = QDateTime::currentDateTime()
                          .toString(QStringLiteral("M/dd/yyyy h:mm:ss AP"))
                          .remove(QLatin1Char('.'));
    buildPreview(params);
    return params;
}

void KV_CreateDialog::buildPreview(const KV_Create &params)
{
    KV_ArrayForm::buildPreview(ui->createArrayView, ui->arrayTypeSel->currentText(), params,
                               ui->maxCapInput->text() != QLatin1String("0"), iconSize_);
}

bool KV_CreateDialog::isValidCreateConfig(bool setCapInput)
{
    KV_Create params = getCreateParameters();
    ui->trimSupportValue->setText(Texts::yesNo(false));
    bool allNvme = true;
    for (int i = 0; i < params.memberCount; ++i)
        allNvme = allNvme && api_->DiskIsNvme(params.memberIds[i]);

    int maximum = api_->CreateArray(params, true);
    QString message;
    if (maximum < 0) {
        message = KV_CreateMessage(maximum);
        maximum = 0;
    }
    // The capacity follows the maximum until the user types another value.
    // It is set quietly and judged here, so that one edit asks the driver
    // once.
    if (setCapInput && lastMaxCapacity == params.capacityMB) {
        const QSignalBlocker quiet(ui->currentCapInput);
        ui->currentCapInput->setText(QString::number(maximum));
        lastMaxCapacity = maximum;
        params.capacityMB = maximum;
    }
    if (message.isEmpty()) {
        if (params.capacityMB < SmallestCapacity)
            message = KV_CreateMessages().value(SizeTooSmall);
        else if (maximum < params.capacityMB)
            message = KV_CreateMessages().value(SizeAboveMaximum);
    }
    ui->createWarningLabel->setText(message.isEmpty() ? QString() : Texts::warningLine(message));
    ui->maxCapInput->setText(QString::number(maximum));
    buildPreview(params); // now that the maximum is known

    if (params.memberCount > 0) {
        if (cacheAuto)
            setDefaultCacheSelection(allNvme);
        if (ctsAuto)
            setDefaultCtsSelection(true);
    }
    if (params.capacityMB < SmallestCapacity || maximum < params.capacityMB) {
        ui->createButton->setEnabled(false);
        return false;
    }
    ui->createButton->setEnabled(true);
    if (api_->TrimSupportedFor(params))
        ui->trimSupportValue->setText(Texts::yesNo(true));
    return true;
}

QString KV_CreateDialog::getArrayType(int formArrayIdx)
{
    return typeWord(formArrayIdx);
}

int KV_CreateDialog::getArrayTypeIdx(QString arrayTypeStr)
{
    return typeIndex(arrayTypeStr);
}

QString KV_CreateDialog::getCacheType(int formCacheIdx)
{
    return cacheWord(formCacheIdx);
}

void KV_CreateDialog::createButton_clicked()
{
    if (!isValidCreateConfig(false))
        return;
    const KV_Create params = getCreateParameters();
    if (!api_->ValidArrayName(params.name)) {
        KV_Message::Warning(this, applicationName() + QStringLiteral(" Create"),
                            tr("Invalid name: array names may not be the same as existing array "
                               "names or contain the following characters: ()^,.=|\"-[]"));
        return;
    }
    bool spare = false;
    for (int i = 0; i < params.memberCount; ++i)
        spare = spare || api_->DiskIsDedicatedSpare(params.memberIds[i]) ||
                api_->DiskIsGlobalSpare(params.memberIds[i]);
    if (spare && !KV_Message::Question(this, tr("Confirm Create"),
                                       tr("Warning: You have included a spare in the array. "
                                          "Would you like to continue?")))
        return;
    if (api_->MixedDriveKinds(params) &&
        !KV_Message::Question(this, tr("Confirm Create"),
                              tr("Warning: drive mixing detected! For best performance, it is not "
                                 "recommended to mix drives of substantially different "
                                 "performance. Do you want to create anyway?")))
        return;
    if (api_->CreateArray(params, false) > 0) {
        accept();
        return;
    }
    KV_Message::Information(this, applicationName(), tr("Create failed"));
}

void KV_CreateDialog::disksChanged()
{
    fillOrganizedAs(ui->orgAsSel, getArrayType(ui->arrayTypeSel->currentIndex()),
                    checkedRowCount(ui->diskList));
    isValidCreateConfig(true);
}

void KV_CreateDialog::allButton_clicked()
{
    checkRows(ui->diskList, *api_, Pick::All);
    disksChanged();
}

void KV_CreateDialog::diskList_itemChanged(QTreeWidgetItem *, int column)
{
    if (column == 0)
        disksChanged();
}

// The option boxes exclude each other. A box the handlers change is changed
// quietly: its own handler would only repeat what is done here.
void KV_CreateDialog::zeroCreateCheckBox_stateChanged(int arg1)
{
    if (arg1 == Qt::Checked) {
        for (QCheckBox *box : {ui->skipInitCheckBox, ui->leaveDataCheckBox}) {
            const QSignalBlocker quiet(box);
            box->setChecked(false);
            box->setEnabled(false);
        }
    } else {
        ui->skipInitCheckBox->setEnabled(ui->arrayTypeSel->currentIndex() > 1);
        ui->leaveDataCheckBox->setEnabled(true);
    }
    isValidCreateConfig(false);
}

void KV_CreateDialog::leaveDataCheckBox_stateChanged(int arg1)
{
    if (arg1 == Qt::Checked) {
        const QSignalBlocker quiet(ui->zeroCreateCheckBox);
        ui->zeroCreateCheckBox->setChecked(false);
        ui->zeroCreateCheckBox->setEnabled(false);
    } else {
        ui->zeroCreateCheckBox->setEnabled(!ui->skipInitCheckBox->isChecked());
    }
    isValidCreateConfig(false);
}

void KV_CreateDialog::skipInitCheckBox_stateChanged(int arg1)
{
    if (arg1 == Qt::Checked) {
        const QSignalBlocker quiet(ui->zeroCreateCheckBox);
        ui->zeroCreateCheckBox->setChecked(false);
        ui->zeroCreateCheckBox->setEnabled(false);
    } else {
        ui->zeroCreateCheckBox->setEnabled(!ui->leaveDataCheckBox->isChecked());
    }
    isValidCreateConfig(false);
}

void KV_CreateDialog::arrayTypeSel_currentIndexChanged(int index)
{
    if (index <= 1) {
        if (ui->skipInitCheckBox->isChecked()) {
            const QSignalBlocker quiet(ui->skipInitCheckBox);
            ui->skipInitCheckBox->setChecked(false);
            ui->zeroCreateCheckBox->setEnabled(!ui->leaveDataCheckBox->isChecked());
        }
        ui->skipInitCheckBox->setEnabled(false);
    } else {
        ui->skipInitCheckBox->setEnabled(!ui->zeroCreateCheckBox->isChecked());
    }
    disksChanged();
}

void KV_CreateDialog::currentCapInput_textChanged(QString)
{
    isValidCreateConfig(false);
}

void KV_CreateDialog::unusedButton_clicked()
{
    checkRows(ui->diskList, *api_, Pick::Unused);
    disksChanged();
}

void KV_CreateDialog::setMaxCapButton_clicked()
{
    const int maximum = ui->maxCapInput->text().toInt();
    if (maximum != 0)
        ui->currentCapInput->setText(QString::number(maximum));
}

void KV_CreateDialog::allNvmeButton_clicked()
{
    checkRows(ui->diskList, *api_, Pick::Nvme);
    disksChanged();
}

void KV_CreateDialog::allHddButton_clicked()
{
    checkRows(ui->diskList, *api_, Pick::HardDisk);
    disksChanged();
}

void KV_CreateDialog::allSataSsdButton_clicked()
{
    checkRows(ui->diskList, *api_, Pick::SataSolidState);
    disksChanged();
}

void KV_CreateDialog::setDefaultCacheSelection(bool NVMe_default)
{
    settingCache_ = true;
    ui->cacheTypeSel->setCurrentIndex(NVMe_default ? 3 : 0); // "No Cache", "Read + Write Back"
    settingCache_ = false;
}

void KV_CreateDialog::setDefaultCtsSelection(bool)
{
    settingCts_ = true;
    ui->ctsSel->setCurrentIndex(0); // "Default"
    settingCts_ = false;
}

void KV_CreateDialog::cacheTypeSel_currentIndexChanged(int)
{
    if (!settingCache_)
        cacheAuto = false;
}

void KV_CreateDialog::ctsTypeSel_currentIndexChanged(int)
{
    if (!settingCts_)
        ctsAuto = false;
}
