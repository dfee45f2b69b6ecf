#include "transform_dialog.h"

#include "array_form.h"
#include "kv_raid_api.h"
#include "message_box.h"
#include "tree_items.h"
#include "ui_transform_dialog.h"

#include <QHeaderView>
#include <QIntValidator>
#include <QSettings>
#include <QSignalBlocker>

#include <cmath>
#include <vector>

using namespace KV_ArrayForm;

namespace {

const char *const GeometryKey = "transformWindowGeometry";
const char *const HeaderKey = "transformDiskListHeaderState";

// Rule messages the dialog shows by code itself.
constexpr int ArrayNotFound = -100;
constexpr int SizeTooSmall = 1;
constexpr int SizeAboveMaximum = 32;
constexpr int SizeNotPossible = 33;
constexpr int SmallestCapacity = 100; // MB

QString text(const char *source)
{
    return QCoreApplication::translate("transformDialog", source);
}

QString applicationName()
{
    return QCoreApplication::applicationName();
}

QString field(const char *value)
{
    return QString::fromLatin1(value);
}

} // namespace

KV_TransformDialog::KV_TransformDialog(int arrayId, QSize iconSize, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::KV_TransformDialog>()),
      api_(std::make_unique<KV_RaidApi>()), arrayId_(arrayId), iconSize_(iconSize),
      typeCaptions_(Texts::typeCaptions())
{
    ui->setupUi(this); // connects the on_... slots by their names
    {
        const QSignalBlocker quiet(ui->arrayTypeSel);
        ui->arrayTypeSel->addItems(typeCaptions_.mid(0, 5));
    }
    ui->diskList->setAlternatingRowColors(true);
    ui->sourceArrayView->setHeaderHidden(true);
    ui->dstArrayView->setHeaderHidden(true);
    ui->currentCapInput->setEnabled(false);
    ui->commitButton->setEnabled(false);
    translateTexts();

    initTransformDiskList();
    initTransformForm();

    ui->diskList->setItemDelegate(new CustomDelegate(ui->diskList));
    ui->sourceArrayView->setItemDelegate(new CustomDelegate(ui->sourceArrayView));
    ui->dstArrayView->setItemDelegate(new CustomDelegate(ui->dstArrayView));
    const QSettings settings;
    restoreGeometry(settings.value(QLatin1String(GeometryKey)).toByteArray());
    ui->diskList->header()->restoreState(settings.value(QLatin1String(HeaderKey)).toByteArray());
    setWindowIcon(QIcon(QStringLiteral(":images/icons/Logo.ico")));
    clampToScreen(this);
    setupDstArrayView(getCreateParameters());
}

KV_TransformDialog::~KV_TransformDialog()
{
    QSettings settings;
    settings.setValue(QLatin1String(GeometryKey), saveGeometry());
    settings.setValue(QLatin1String(HeaderKey), ui->diskList->header()->saveState());
}

void KV_TransformDialog::translateTexts()
{
    const std::pair<QWidget *, const char *> texts[] = {
        {ui->arrayOptionsGroupBox, QT_TRANSLATE_NOOP("transformDialog", "Array Options")},
        {ui->arrayTypeLabel, QT_TRANSLATE_NOOP("transformDialog", "Type:")},
        {ui->orgAsLabel, QT_TRANSLATE_NOOP("transformDialog", "Organized As:")},
        {ui->capLabel, QT_TRANSLATE_NOOP("transformDialog", "Current Capacity:")},
        {ui->capUnitLabel, QT_TRANSLATE_NOOP("transformDialog", "MB")},
        {ui->capInputLabel, QT_TRANSLATE_NOOP("transformDialog", "Capacity:")},
        {ui->capInputUnitLabel, QT_TRANSLATE_NOOP("transformDialog", "MB")},
        {ui->maxCapLabel, QT_TRANSLATE_NOOP("transformDialog", "Max Capacity:")},
        {ui->maxCapUnitLabel, QT_TRANSLATE_NOOP("transformDialog", "MB")},
        {ui->setCurrentCapMaxButton, QT_TRANSLATE_NOOP("transformDialog", "Max Capacity")},
        {ui->selectGroupBox, QT_TRANSLATE_NOOP("transformDialog", "Select")},
        {ui->allButton, QT_TRANSLATE_NOOP("transformDialog", "All")},
        {ui->selectAllNVMeButton, QT_TRANSLATE_NOOP("transformDialog", "All NVMe")},
        {ui->selectAllSataSsdButton, QT_TRANSLATE_NOOP("transformDialog", "All SATA SSD")},
        {ui->selectAllHddButton, QT_TRANSLATE_NOOP("transformDialog", "All HDD")},
        {ui->unusedButton, QT_TRANSLATE_NOOP("transformDialog", "Unused")},
        {ui->sameButton, QT_TRANSLATE_NOOP("transformDialog", "Same")},
        {ui->commitButton, QT_TRANSLATE_NOOP("transformDialog", "Commit")},
        {ui->cancelButton, QT_TRANSLATE_NOOP("transformDialog", "Cancel")},
    };
    for (const auto &[widget, source] : texts) {
        if (auto *box = qobject_cast<QGroupBox *>(widget))
            box->setTitle(text(source));
        else if (auto *label = qobject_cast<QLabel *>(widget))
            label->setText(text(source));
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            button->setText(text(source));
    }
    const char *const columns[] = {
        QT_TRANSLATE_NOOP("transformDialog", "Disk"),
        QT_TRANSLATE_NOOP("transformDialog", "Port Type"),
        QT_TRANSLATE_NOOP("transformDialog", "Capacity"),
        QT_TRANSLATE_NOOP("transformDialog", "Uses"),
        QT_TRANSLATE_NOOP("transformDialog", "Free Space"),
        QT_TRANSLATE_NOOP("transformDialog", "Largest Free "),
        QT_TRANSLATE_NOOP("transformDialog", "GS"),
        QT_TRANSLATE_NOOP("transformDialog", "Informed Hot Swap"),
        QT_TRANSLATE_NOOP("transformDialog", "Model Number"),
        QT_TRANSLATE_NOOP("transformDialog", "Serial Number"),
        QT_TRANSLATE_NOOP("transformDialog", "Firmware Version"),
    };
    QStringList labels;
    for (const char *column : columns)
        labels << text(column);
    ui->diskList->setHeaderLabels(labels);
}

QString KV_TransformDialog::getArrayType(int formArrayIdx)
{
    return typeWord(formArrayIdx);
}

int KV_TransformDialog::getArrayTypeIdx(QString arrayTypeStr)
{
    return typeIndex(arrayTypeStr);
}

QString KV_TransformDialog::getCacheType(int formCacheIdx)
{
    return cacheWord(formCacheIdx);
}

KV_Create KV_TransformDialog::getCreateParameters()
{
    KV_Create params;
    takeMembers(ui->diskList, &params);
    params.type = getArrayType(ui->arrayTypeSel->currentIndex());
    params.capacityMB = ui->capInput->text().toInt();
    return params;
}

void KV_TransformDialog::initTransformDiskList()
{
    DiskKinds kinds;
    for (int i = 0; i < api_->GetDiskCount(); ++i) {
        const KV_DiskRec *disk = api_->GetDisk(i);
        const int id = disk ? disk->deviceRoute : 0;
        if (disk && offered(*api_, i, api_->ArrayUsesDisk(arrayId_, id)))
            addDiskRow(ui->diskList, *api_, i, Columns::WithoutTrim, &kinds);
    }
    finishDiskList(ui->diskList, Columns::WithoutTrim);
    ui->selectAllSataSsdButton->setEnabled(kinds.sataSolidState);
    ui->selectAllHddButton->setEnabled(kinds.hardDisk);
    ui->selectAllNVMeButton->setEnabled(kinds.nvme);
}

void KV_TransformDialog::initTransformForm()
{
    if (const KV_ArrayConfig *source = api_->FindArrayConfig(arrayId_, true)) {
        const QString size = QString::number(convertSizeToMB(source->capacity));
        ui->currentCapInput->setText(size);
        ui->capInput->setText(size);
        setupSourceArrayView();
    }
    // The rest holds without the source as well, so that the dialog can
    // still be closed and says why nothing can be committed.
    ui->capInput->setValidator(new QIntValidator(10, 100000000, ui->capInput));
    disableTypesByDiskCount(ui->arrayTypeSel, ui->diskList->topLevelItemCount());
    // Same, Unused and the type box are connected by name (setupUi).
    connect(ui->diskList, &QTreeWidget::itemChanged, this,
            &KV_TransformDialog::tranformDiskList_itemChanged);
    connect(ui->capInput, &QLineEdit::textChanged, this,
            &KV_TransformDialog::capacityInput_textChanged);
    connect(ui->commitButton, &QPushButton::clicked, this,
            &KV_TransformDialog::commitTransformButton_clicked);
    connect(ui->allButton, &QPushButton::clicked, this,
            &KV_TransformDialog::selectAllButton_clicked);
    connect(ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

int KV_TransformDialog::convertSizeToMB(quint64 arraySize)
{
    return int(std::lround(float(arraySize) * 512.0f / 1000000.0f));
}

void KV_TransformDialog::setupSourceArrayView()
{
    ui->sourceArrayView->clear();
    ui->sourceArrayView->setIconSize(iconSize_);
    const KV_ArrayConfig *found = api_->FindArrayConfig(arrayId_, true);
    if (!found)
        return;
    const KV_ArrayConfig source = *found; // the lookups below may move the service on
    QString title = QStringLiteral("Array ") + QString::number(source.deviceRoute);
    if (field(source.deviceName) != QLatin1String("NONE"))
        title += QLatin1Char(' ') + field(source.deviceName);
    auto *top = new QTreeWidgetItem(ui->sourceArrayView, {title});
    top->setIcon(0, QIcon(QStringLiteral(":images/icons/small_array.png")));
    const QString type = field(source.type);
    auto *typeItem = new QTreeWidgetItem(top, {type});
    typeItem->setIcon(0, QIcon(typeIcon(type)));

    auto diskText = [this](int diskId) {
        const KV_DiskRec *disk = api_->GetDisk(api_->FindDiskIndex(diskId));
        return disk ? QStringLiteral("%1 %2").arg(disk->controller).arg(disk->channel)
                    : QStringLiteral("??");
    };
    const int members = KV_MemberCount(source);
    if (IsTwoLevelType(type) && source.secondCount > 0) {
        const QString memberType = MemberLevelType(type);
        for (int set = 0; set < source.firstCount; ++set) {
            auto *setItem = new QTreeWidgetItem(typeItem, {memberType});
            setItem->setIcon(0, QIcon(typeIcon(memberType)));
            for (int k = 0; k < source.secondCount; ++k) {
                const int m = set * source.secondCount + k;
                if (m < members)
                    addDiskItem(setItem, diskText(source.members[m].deviceRoute), iconSize_);
            }
        }
    } else {
        for (int m = 0; m < members; ++m)
            addDiskItem(typeItem, diskText(source.members[m].deviceRoute), iconSize_);
    }
    ui->sourceArrayView->expandAll();
}

void KV_TransformDialog::setupDstArrayView(KV_Create createParams)
{
    buildPreview(ui->dstArrayView, ui->arrayTypeSel->currentText(), createParams,
                 ui->commitButton->isEnabled(), iconSize_);
}

bool KV_TransformDialog::isValidTransformConfig()
{
    KV_Create params = getCreateParameters();
    const KV_ArrayConfig *source = api_->FindArrayConfig(arrayId_, true);
    const bool sourceFound = source != nullptr;
    QString message;
    int maximum = 0;
    int sourceSize = 0;
    if (!sourceFound) {
        // Gone since the dialog opened: nothing can be committed, and the
        // line says why.
        message = KV_TransformMessage(ArrayNotFound);
    } else {
        params.name = field(source->deviceName);
        sourceSize = convertSizeToMB(source->capacity);
        maximum = api_->TransformArray(params, arrayId_, true);
        if (maximum < 0) {
            message = KV_TransformMessage(maximum);
            maximum = 0;
        } else if (params.capacityMB < SmallestCapacity) {
            message = KV_TransformMessages().value(SizeTooSmall);
        } else if (maximum < params.capacityMB) {
            message =
                KV_TransformMessages().value(maximum != 0 ? SizeAboveMaximum : SizeNotPossible);
        }
    }
    ui->transformWarningLabel->setText(message.isEmpty() ? QString() : Texts::warningLine(message));
    ui->maxCapInput->setText(QString::number(maximum));

    // An array never shrinks.
    const bool valid = sourceFound && message.isEmpty() && params.capacityMB >= sourceSize &&
                       maximum >= params.capacityMB;
    ui->commitButton->setEnabled(valid);
    (valid ? ui->commitButton : ui->sameButton)->setDefault(true);
    setupDstArrayView(params);
    return valid;
}

void KV_TransformDialog::disksChanged()
{
    fillOrganizedAs(ui->orgAsSel, getArrayType(ui->arrayTypeSel->currentIndex()),
                    checkedRowCount(ui->diskList));
    isValidTransformConfig();
}

void KV_TransformDialog::tranformDiskList_itemChanged(QTreeWidgetItem *, int column)
{
    if (column == 0)
        disksChanged();
}

void KV_TransformDialog::on_arrayTypeSel_currentIndexChanged(int)
{
    disksChanged();
}

void KV_TransformDialog::capacityInput_textChanged(QString)
{
    isValidTransformConfig();
}

// Same: the source's type, members and size, judged as one edit.
void KV_TransformDialog::on_sameButton_clicked()
{
    const KV_ArrayConfig *source = api_->FindArrayConfig(arrayId_, true);
    if (!source) {
        isValidTransformConfig();
        return;
    }
    const int size = convertSizeToMB(source->capacity);
    const QString type = field(source->type);
    {
        const QSignalBlocker quietCapacity(ui->capInput);
        const QSignalBlocker quietType(ui->arrayTypeSel);
        ui->capInput->setText(QString::number(size));
        ui->arrayTypeSel->setCurrentIndex(getArrayTypeIdx(type));
    }
    checkRows(ui->diskList, *api_, Pick::Members, arrayId_);
    disksChanged();
}

void KV_TransformDialog::selectAllButton_clicked()
{
    checkRows(ui->diskList, *api_, Pick::All);
    disksChanged();
}

void KV_TransformDialog::on_unusedButton_clicked()
{
    checkRows(ui->diskList, *api_, Pick::Unused);
    disksChanged();
}

void KV_TransformDialog::on_selectAllHddButton_clicked()
{
    checkRows(ui->diskList, *api_, Pick::HardDisk);
    disksChanged();
}

void KV_TransformDialog::on_selectAllSataSsdButton_clicked()
{
    checkRows(ui->diskList, *api_, Pick::SataSolidState);
    disksChanged();
}

void KV_TransformDialog::on_selectAllNVMeButton_clicked()
{
    checkRows(ui->diskList, *api_, Pick::Nvme);
    disksChanged();
}

void KV_TransformDialog::on_setCurrentCapMaxButton_clicked()
{
    const int maximum = ui->maxCapInput->text().toInt();
    if (maximum != 0)
        ui->capInput->setText(QString::number(maximum));
}

bool KV_TransformDialog::SourceHasHotswapDevices()
{
    const KV_ArrayConfig *source = api_->FindArrayConfig(arrayId_, true);
    if (!source)
        return false;
    std::vector<int> members;
    for (int m = 0; m < KV_MemberCount(*source); ++m)
        members.push_back(source->members[m].deviceRoute);
    return std::any_of(members.begin(), members.end(),
                       [this](int id) { return api_->DiskHasInformedHotSwap(id); });
}

void KV_TransformDialog::commitTransformButton_clicked()
{
    if (!isValidTransformConfig())
        return;
    const KV_Create params = getCreateParameters();
    bool spare = false;
    bool hotSwap = SourceHasHotswapDevices();
    for (int i = 0; i < params.memberCount; ++i) {
        const int id = params.memberIds[i];
        spare = spare || api_->DiskIsDedicatedSpare(id) || api_->DiskIsGlobalSpare(id);
        hotSwap = hotSwap || api_->DiskHasInformedHotSwap(id);
    }
    if (spare && !KV_Message::Question(this, tr("Confirm Transform"),
                                       tr("Warning: You have included a spare in the array. "
                                          "Would you like to continue?")))
        return;
    if (hotSwap &&
        !KV_Message::Question(this, tr("Confirm Transform"),
                              tr("Warning: This array transform includes a hot swappable device. "
                                 "After the transform completes a system reboot must be "
                                 "performed to notify the OS of the array's underlying device "
                                 "changes. Would you like to continue?")))
        return;
    if (api_->MixedDriveKinds(params) &&
        !KV_Message::Question(this, tr("Confirm Create"),
                              tr("Warning: drive mixing detected! For best performance, it is not "
                                 "recommended to mix drives of substantially different "
                                 "performance. Do you want to create anyway?")))
        return;
    if (api_->TransformArray(params, arrayId_, false) > 0) {
        accept();
        return;
    }
    KV_Message::Information(this, applicationName(), tr("Transform command failed"));
}
