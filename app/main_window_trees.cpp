// The controller tree, the array and disk lists, and the selection that
// follows the user across refreshes.
#include "main_window.h"

#include "display_strings.h"
#include "main_window_parts.h"
#include "tree_items.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QProgressBar>
#include <QScrollBar>
#include <QSplitter>
#include <QTreeWidget>
#include <memory>

using namespace KV_Display;
using namespace KV_WindowParts;

void KV_MainWindow::buildTrees()
{
    controllerTree_ = new QTreeWidget;
    diskList_ = new QTreeWidget;
    arrayList_ = new QTreeWidget;
    eventList_ = new QTreeWidget;

    outerSplitter_ = new QSplitter(Qt::Vertical);
    upperSplitter_ = new QSplitter(Qt::Horizontal);
    rightSplitter_ = new QSplitter(Qt::Vertical);
    rightSplitter_->addWidget(diskList_);
    rightSplitter_->addWidget(arrayList_);
    upperSplitter_->addWidget(controllerTree_);
    upperSplitter_->addWidget(rightSplitter_);
    upperSplitter_->setStretchFactor(0, 2);
    upperSplitter_->setStretchFactor(1, 7);
    outerSplitter_->addWidget(upperSplitter_);
    outerSplitter_->addWidget(eventList_);
    outerSplitter_->setStretchFactor(0, 2);
    // Once the user has placed the tree's edge, the tree no longer widens.
    connect(upperSplitter_, &QSplitter::splitterMoved, this,
            [this] { treeWidthChosenByUser_ = true; });

    controllerTree_->setColumnCount(1);
    controllerTree_->setHeaderHidden(true);
    // Long member texts scroll sideways instead of being cut off.
    controllerTree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    controllerTree_->header()->setStretchLastSection(false);
    controllerTree_->setIconSize(iconSize_);
    diskList_->setHeaderLabels({tr("Disk"), tr("State"), tr("Type"), tr("Port Type"),
                                tr("Capacity"), tr("Free Space"), tr("Largest Free"),
                                tr("Global Spare"), tr("Informed Hot Swap"), tr("Uses"),
                                tr("Model Number"), tr("Serial Number"), tr("Firmware Revision")});
    arrayList_->setHeaderLabels({tr("Device"), tr("OS Name"), tr("System"), tr("Partition"),
                                 tr("Array Name"), tr("Type"), tr("Total Capacity"), tr("State"),
                                 tr("Task"), tr("Task State"), tr("Progress"), tr("Pri"),
                                 tr("Scan"), tr("Cache"), tr("CTS"), tr("Trim"), tr("Ded Spare")});
    eventList_->setHeaderLabels({tr("#"), tr("Date"), tr("Event"), tr("Priority"), tr("Text")});
    for (QTreeWidget *list : {diskList_, arrayList_, eventList_}) {
        list->setRootIsDecorated(false);
        list->setAlternatingRowColors(true);
        list->setSortingEnabled(list != eventList_);
        list->header()->setSectionsClickable(true);
    }
    // The event list sorts itself when its header is clicked, like the
    // others, but the view does not sort it on every insertion: it grows
    // with the driver's history, and new rows are put in their sorted place
    // (fillEventList).
    eventList_->header()->setSortIndicatorShown(true);
    connect(eventList_->header(), &QHeaderView::sortIndicatorChanged, eventList_,
            [this](int column, Qt::SortOrder order) { eventList_->sortItems(column, order); });
    for (QTreeWidget *tree : {controllerTree_, diskList_, arrayList_})
        tree->setContextMenuPolicy(Qt::CustomContextMenu);
    eventList_->setContextMenuPolicy(Qt::NoContextMenu);
    for (QTreeWidget *tree : {controllerTree_, diskList_, eventList_})
        tree->setItemDelegate(new CustomDelegate(tree));
    diskList_->sortByColumn(diskSortColumn_, diskSortOrder_);
    arrayList_->sortByColumn(arraySortColumn_, arraySortOrder_);
    eventList_->sortByColumn(eventSortColumn_, eventSortOrder_);

    connect(controllerTree_, &QTreeWidget::itemPressed, this, &KV_MainWindow::arraySelectedChanged);
    connect(controllerTree_, &QTreeWidget::customContextMenuRequested, this,
            &KV_MainWindow::ShowContextMenu);
    connect(controllerTree_, &QTreeWidget::itemCollapsed, this,
            &KV_MainWindow::activeArrayCollapsed);
    connect(controllerTree_, &QTreeWidget::itemExpanded, this, &KV_MainWindow::activeArrayExpanded);
    connect(diskList_, &QTreeWidget::itemDoubleClicked, this, &KV_MainWindow::diskDoubleClicked);
    connect(diskList_, &QTreeWidget::itemSelectionChanged, this, &KV_MainWindow::enableDiskOption);
    connect(diskList_, &QTreeWidget::customContextMenuRequested, this,
            &KV_MainWindow::diskOptionsClicked);
    connect(diskList_->header(), &QHeaderView::sectionClicked, this,
            &KV_MainWindow::preserveSortDiskList);
    connect(arrayList_, &QTreeWidget::itemPressed, this, &KV_MainWindow::arrayListSelectionChanged);
    connect(arrayList_, &QTreeWidget::customContextMenuRequested, this,
            &KV_MainWindow::ShowContextMenuArrayList);
    connect(arrayList_->header(), &QHeaderView::sectionClicked, this,
            &KV_MainWindow::preserveSortArrayList);
    connect(eventList_->header(), &QHeaderView::sectionClicked, this,
            &KV_MainWindow::preserveSortEventList);

    // Keyboard use: the current item follows the arrow keys like a press.
    connect(controllerTree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) {
                if (current && QApplication::mouseButtons() == Qt::NoButton)
                    arraySelectedChanged(current, 0);
            });
    connect(arrayList_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *current) {
        if (current && QApplication::mouseButtons() == Qt::NoButton)
            arrayListSelectionChanged(current, 0);
    });
    setTabOrder(controllerTree_, diskList_);
    setTabOrder(diskList_, arrayList_);
    setTabOrder(arrayList_, eventList_);
}

// The controller tree.

void KV_MainWindow::rebuildControllerTree()
{
    const QSignalBlocker quiet(controllerTree_);
    QTreeWidgetItem *oldRoot = controllerTree_->topLevelItem(0);
    std::unique_ptr<QTreeWidgetItem> copy;
    bool rootWasSelected = false;
    bool rootWasExpanded = false;
    if (oldRoot) {
        copy.reset(oldRoot->clone());
        rootWasSelected = oldRoot->data(0, KV_Role::WasSelected).toBool();
        rootWasExpanded = oldRoot->isExpanded();
        for (int a = 0; a < oldRoot->childCount(); ++a) {
            QTreeWidgetItem *array = oldRoot->child(a);
            copy->child(a)->setData(0, KV_Role::WasExpanded, array->isExpanded());
            for (int c = 0; c < array->childCount(); ++c) {
                QTreeWidgetItem *child = array->child(c);
                if (child->isExpanded())
                    copy->child(a)->child(c)->setData(0, KV_Role::WasExpanded, true);
                for (int g = 0; g < child->childCount(); ++g) {
                    if (child->child(g)->isExpanded())
                        copy->child(a)->child(c)->child(g)->setData(0, KV_Role::WasExpanded, true);
                }
            }
        }
    }
    const int scroll = controllerTree_->verticalScrollBar()->value();
    controllerTree_->clear();

    buildControllerTree();

    QTreeWidgetItem *root = controllerTree_->topLevelItem(0);
    if (copy && root) {
        bool selectionCarried = false;
        for (int a = 0; a < copy->childCount(); ++a) {
            const QTreeWidgetItem *old = copy->child(a);
            const QVariant id = old->data(0, KV_Role::Identifier);
            QTreeWidgetItem *now = nullptr;
            for (int n = 0; n < root->childCount() && !now; ++n) {
                if (root->child(n)->data(0, KV_Role::Identifier) == id)
                    now = root->child(n);
            }
            if (!now)
                continue;
            const QString oldWish = old->data(0, KV_Role::ExpandWish).toString();
            const QString newWish = now->data(0, KV_Role::ExpandWish).toString();
            const bool expand =
                (old->data(0, KV_Role::WasExpanded).toBool() || newWish == u"expand") &&
                oldWish != u"collapsed";
            now->setExpanded(expand);
            // The user's collapse of a busy array holds until they expand it.
            if (oldWish == u"collapsed" && !newWish.isEmpty())
                now->setData(0, KV_Role::ExpandWish, oldWish);
            for (int c = 0; c < now->childCount() && c < old->childCount(); ++c) {
                const QTreeWidgetItem *oldChild = old->child(c);
                QTreeWidgetItem *nowChild = now->child(c);
                if (oldChild->data(0, KV_Role::WasExpanded).toBool())
                    nowChild->setExpanded(true);
                // The spares item and the member sets below a configuration,
                // where the configuration is still the same one.
                if (oldChild->text(0) != nowChild->text(0))
                    continue;
                for (int g = 0; g < nowChild->childCount() && g < oldChild->childCount(); ++g) {
                    if (oldChild->child(g)->data(0, KV_Role::WasExpanded).toBool() &&
                        oldChild->child(g)->text(0) == nowChild->child(g)->text(0))
                        nowChild->child(g)->setExpanded(true);
                }
            }
            if (!selectionCarried) {
                if (old->data(0, KV_Role::WasSelected).toBool()) {
                    now->setData(0, KV_Role::WasSelected, true);
                    selectionCarried = true;
                }
                for (int c = 0; !selectionCarried && c < old->childCount(); ++c) {
                    if (old->child(c)->data(0, KV_Role::WasSelected).toBool() &&
                        c < now->childCount()) {
                        now->child(c)->setData(0, KV_Role::WasSelected, true);
                        selectionCarried = true;
                    }
                }
            }
        }
    }
    if (root) {
        if (selectedArray_ == 0)
            resetArrayActions();
        else
            applySelectedArrayEnablement();
        root->setData(0, KV_Role::WasSelected, rootWasSelected);
        if (copy)
            root->setExpanded(rootWasExpanded);
        // The keyboard goes on from the selected item, not from the top;
        // an item the user collapsed stays collapsed around it.
        QTreeWidgetItemIterator it(controllerTree_);
        for (; *it; ++it) {
            if ((*it)->data(0, KV_Role::WasSelected).toBool()) {
                (*it)->setSelected(true);
                setCurrentInPlace(controllerTree_, *it);
            }
        }
    }
    controllerTree_->verticalScrollBar()->setValue(scroll);
    widenControllerTree();
}

// Gives the controller tree the width its widest shown label needs (a busy
// array's label grows by its percentage), up to half of the window's upper
// part, unless the user has placed the tree's edge. It never narrows it.
void KV_MainWindow::widenControllerTree()
{
    const QList<int> sizes = upperSplitter_->sizes();
    if (treeWidthChosenByUser_ || sizes.size() != 2 || sizes[0] <= 0)
        return;
    const int total = sizes[0] + sizes[1];
    const QAbstractItemView *view = controllerTree_;
    const int wanted = view->sizeHintForColumn(0) + 2 * controllerTree_->frameWidth() +
                       controllerTree_->verticalScrollBar()->sizeHint().width();
    const int width = std::min(wanted, total / 2);
    if (width > sizes[0])
        upperSplitter_->setSizes({width, total - width});
}

void KV_MainWindow::buildControllerTree()
{
    controllerTree_->setIconSize(iconSize_);
    const QColor normal = defaultColour();
    auto *root = new QTreeWidgetItem(controllerTree_);
    root->setText(0, bundle_.computerName);
    root->setIcon(0, icon(QStringLiteral(":images/icons/small_system.png")));
    root->setForeground(0, normal);

    for (int index = 0; index < service_->GetArrayCount(); ++index) {
        const KV_ArrayRec *record = service_->GetArray(index);
        const KV_ArrayConfig &array = record->config[0];
        const QString task = field(array.transformType);
        const QString state = field(array.state);
        const bool taskShown = TaskShown(task, array.percentComplete);

        QString text = tr("Array ") + QString::number(array.deviceRoute) + u' ';
        if (taskShown)
            text += u' ' + QString::number(double(array.percentComplete), 'f', 2) + u'%';
        if (!KV_FieldIs(array.deviceName, "NONE"))
            text += u' ' + field(array.deviceName);
        text += u' ';
        if (state != u"NORMAL")
            text += ArrayStateText(state) + u' ';
        if (hidden(array))
            text += tr("(Hidden)");

        auto *item = new QTreeWidgetItem(root);
        item->setText(0, text);
        item->setData(0, KV_Role::Identifier, uint(array.deviceRoute));
        item->setIcon(0, icon(array.deviceRoute == selectedArray_
                                  ? QStringLiteral(":images/icons/small_selectedDISK.png")
                                  : QStringLiteral(":images/icons/small_array.png")));
        item->setForeground(0, state != u"NORMAL" || hidden(array)
                                   ? StateColour(state, hidden(array), darkTheme())
                                   : normal);

        if (taskShown) {
            auto *barItem = new QTreeWidgetItem(item);
            // The bar keeps its own width inside a holder that may be as wide
            // as the column: a fixed-width item widget would cap the column
            // sized to its contents and cut the labels above it.
            auto *holder = new QWidget;
            auto *row = new QHBoxLayout(holder);
            row->setContentsMargins(0, 0, 0, 0);
            auto *bar = new QProgressBar;
            bar->setRange(0, 100);
            bar->setValue(int(array.percentComplete));
            bar->setFormat(TaskTypeText(task) + u' ' + TaskStateText(field(array.transformState)));
            bar->setAlignment(Qt::AlignCenter);
            bar->setFixedWidth(bar->fontMetrics().horizontalAdvance(bar->format()) + 50);
            bar->setStyleSheet(ProgressChunkStyle(task, field(array.transformState)));
            row->addWidget(bar);
            row->addStretch();
            controllerTree_->setItemWidget(barItem, 0, holder);
            item->setData(0, KV_Role::ExpandWish, QStringLiteral("expand"));
            item->setExpanded(true);
        }

        if (task == u"TRANSFORM" || task == u"RESTORE") {
            // The source layout first, then the layout being made.
            if (record->halves == 2)
                addConfiguration(item, record->config[1], tr(" (Source)"), state);
            addConfiguration(item, record->config[0], tr(" (Destination)"), state);
        } else {
            addConfiguration(item, array, QString(), state);
        }
    }
}

void KV_MainWindow::addConfiguration(QTreeWidgetItem *parent, const KV_ArrayConfig &config,
                                     const QString &suffix, const QString &arrayState)
{
    const QString type = field(config.type);
    auto *item = new QTreeWidgetItem(parent);
    item->setText(0, type + suffix);
    item->setIcon(0, icon(TypeIconPath(type, arrayState)));
    item->setForeground(0, defaultColour());

    if (dedicatedSpareCount(config) > 0 && IsRedundantType(type)) {
        auto *spares = new QTreeWidgetItem(item);
        spares->setText(0, tr(" Dedicated Spares"));
        spares->setIcon(0, icon(QStringLiteral(":images/icons/Spare.png")));
        spares->setForeground(0, defaultColour());
        for (int i = 0; i < std::clamp(config.linkCount, 0, KV_SnapshotMaxReferences); ++i) {
            const KV_ReferenceRec &link = config.links[i];
            if (link.kind != KV_ReferenceSpare)
                continue;
            auto *spare = new QTreeWidgetItem(spares);
            spare->setForeground(0, defaultColour());
            const int diskIndex = service_->FindDiskIndex(link.deviceRoute);
            const KV_DiskRec *disk = diskIndex >= 0 ? service_->GetDisk(diskIndex) : nullptr;
            if (disk && service_->DiskIsDedicatedSpareOf(config.deviceRoute, link.deviceRoute)) {
                spare->setText(0, DiskLocationText(disk->controller, disk->channel) +
                                      QStringLiteral(" (") + field(disk->model).trimmed() +
                                      QStringLiteral(") "));
                spare->setIcon(0, diskIcon());
            } else {
                spare->setText(0, tr("Missing"));
                spare->setIcon(0, icon(QStringLiteral(":images/icons/small_missingDRIVE.png")));
            }
        }
    }

    const int groups = config.firstCount;
    const int perGroup = config.secondCount;
    const int members = KV_MemberCount(config);
    if (int64_t(groups) + perGroup == int64_t(groups) * perGroup + 1) {
        for (int m = 0; m < members; ++m)
            addMember(item, config, config.members[m]);
        return;
    }
    // Two levels: one item per set, its members under it.
    const QString groupType = MemberLevelType(type);
    for (int g = 0; g < groups && g * perGroup < members; ++g) {
        auto *group = new QTreeWidgetItem(item);
        group->setText(0, groupType);
        group->setIcon(0, icon(TypeIconPath(groupType, QStringLiteral("NORMAL"))));
        group->setForeground(0, defaultColour());
        for (int m = g * perGroup; m < (g + 1) * perGroup && m < members; ++m)
            addMember(group, config, config.members[m]);
    }
}

void KV_MainWindow::addMember(QTreeWidgetItem *parent, const KV_ArrayConfig &config,
                              const KV_MemberRec &member)
{
    if (isArrayMember(config)) {
        const int arrayId = service_->FindArrayIdByUid(member.id);
        const KV_ArrayConfig *inner =
            arrayId >= 0 ? service_->FindArrayConfig(arrayId, true) : nullptr;
        if (!inner)
            return;
        auto *item = new QTreeWidgetItem(parent);
        item->setText(
            0, tr("Array ") +
                   QStringLiteral("%1 (%2)").arg(inner->deviceRoute).arg(field(inner->deviceName)));
        item->setIcon(0, icon(QStringLiteral(":images/icons/small_array.png")));
        item->setForeground(0, defaultColour());
        return;
    }
    const int diskIndex = service_->FindDiskIndex(member.deviceRoute);
    const KV_DiskRec *disk = diskIndex >= 0 ? service_->GetDisk(diskIndex) : nullptr;
    if (!disk)
        return;
    const QString label = DiskLocationText(disk->controller, disk->channel) + QStringLiteral(" (") +
                          field(disk->model).trimmed() + QStringLiteral(") ");
    const QString status = MemberStatusText(field(member.error));
    const QString diskState = field(disk->state);
    const bool statusFailed = status == tr("Failed") || status == tr("Failed Offline");
    const bool failed = service_->MemberFailed(config.deviceRoute, member.deviceRoute);
    auto *item = new QTreeWidgetItem(parent);
    if ((diskState == u"Online" && status == tr("NoError")) ||
        (!failed && !statusFailed && diskState == u"Locked")) {
        item->setText(0, label);
        item->setForeground(0, defaultColour());
        item->setIcon(0, diskIcon());
    } else if (!failed && !statusFailed && KV_RaidApi::StateIsSmartError(disk->state)) {
        // Present and still a member: its S.M.A.R.T. state, as the disk list
        // shows it.
        item->setText(0, label + u' ' + diskState);
        item->setForeground(0, defaultColour());
        item->setIcon(0, diskIcon());
    } else if (!failed && !statusFailed) {
        item->setText(0, tr("Missing"));
        item->setForeground(0, defaultColour());
        item->setIcon(0, icon(QStringLiteral(":images/icons/small_missingDRIVE.png")));
    } else {
        item->setText(0, label + u' ' + status);
        item->setForeground(0, QColor(Qt::red));
        item->setIcon(0, icon(QStringLiteral(":images/icons/small_failedDRIVE.png")));
    }
}

// The array and disk lists.

void KV_MainWindow::fillArrayList()
{
    const QSignalBlocker quiet(arrayList_);
    const KeptScroll scroll(arrayList_);
    const bool dark = darkTheme();
    QTreeWidgetItem *selectedRow = nullptr;
    for (const KV_ArrayConfig *array : std::as_const(bundle_.arrays)) {
        const int id = array->deviceRoute;
        const QString type = field(array->type);
        const QString state = field(array->state);
        const QString task = field(array->transformType);
        auto *row = new MyTreeWidgetItem;
        setCell(row, 0, tr("Array ") + QString::number(id), uint(id));
        row->setData(0, KV_Role::Identifier, uint(id));
        const QString osName =
            bundle_.arrayDiskNumber.contains(id) ? bundle_.arrayDiskNumber.value(id) : tr("none");
        setCell(row, 1, osName, osName);
        const QString system = yesNo(bundle_.arrayHoldsSystem.value(id));
        setCell(row, 2, system, system);
        const QString letters = bundle_.arrayDriveLetters.value(id);
        setCell(row, 3, letters, letters);
        setCell(row, 4, field(array->deviceName), field(array->deviceName));
        setCell(row, 5, type, type);
        setCell(row, 6, KV_RaidApi::FormatSectors(array->capacity), qulonglong(array->capacity));
        const QString shownState = state == u"NORMAL" && task == u"CREATE"
                                       ? ArrayStateText(QStringLiteral("READY"))
                                       : ArrayStateText(state);
        setCell(row, 7, shownState, shownState);
        const QString taskText = TaskTypeText(task);
        setCell(row, 8, taskText, taskText);
        const QString taskState = TaskStateText(field(array->transformState));
        setCell(row, 9, taskState, taskState);
        setCell(row, 10, QString::number(double(array->percentComplete), 'f', 2) + u'%',
                double(array->percentComplete));
        row->setToolTip(10, timeLeftTip(*array));
        setCell(row, 11, QString::number(array->taskPriority), array->taskPriority);
        const QString scan = yesNo(backgroundScan(*array));
        setCell(row, 12, scan, scan);
        setCell(row, 13, field(array->cache), field(array->cache));
        const QString cts = CacheTagSizeText(type, array->cacheTagSize);
        setCell(row, 14, cts, cts);
        const QString trim = yesNo(bundle_.arrayTrimSupported.value(id));
        setCell(row, 15, trim, trim);
        setCell(row, 16, QString::number(dedicatedSpareCount(*array)), dedicatedSpareCount(*array));

        if (state != u"NORMAL" || osName == u"Hidden") {
            const QColor colour = StateColour(state, hidden(*array), dark);
            for (int c = 0; c < 17; ++c)
                row->setForeground(c, colour);
        }
        if (id == selectedArray_) {
            selectedRow = row;
            QFont bold = listFont_;
            bold.setWeight(QFont::Bold);
            for (int c = 0; c < 17; ++c)
                row->setFont(c, bold);
        }
        arrayList_->addTopLevelItem(row);
    }
    if (selectedRow)
        setCurrentInPlace(arrayList_, selectedRow);
    arrayList_->setFont(listFont_);
    arrayList_->setSortingEnabled(true);
    arrayList_->sortByColumn(arraySortColumn_, arraySortOrder_);
    arrayList_->setRootIsDecorated(false);
    if (arrayHeaderRestored_)
        arrayList_->header()->restoreState(savedArrayHeaderState_);
    else
        arrayHeaderRestored_ = true;
}

void KV_MainWindow::fillDiskList()
{
    const QSignalBlocker quiet(diskList_);
    const KeptScroll scroll(diskList_);
    QTreeWidgetItem *selected = nullptr;
    for (qsizetype i = 0; i < bundle_.disks.size(); ++i) {
        const KV_DiskRec *disk = bundle_.disks[i];
        if (KV_FieldIs(disk->type, "Core"))
            continue;
        auto *row = new MyTreeWidgetItem;
        const QString location =
            QString::number(disk->controller) + u' ' + QString::number(disk->channel);
        setCell(row, 0, location, disk->controller + disk->channel / 10.0);
        row->setData(0, KV_Role::Identifier, disk->deviceRoute);
        setCell(row, 1, field(disk->state), field(disk->state));
        markDiskHealth(row, disk->deviceRoute);
        const QString type = KV_FieldIs(disk->type, "Unknown") ? tr("New") : field(disk->type);
        setCell(row, 2, type, type);
        const int index = service_->FindDiskIndex(disk->deviceRoute);
        const QString port = index >= 0 ? service_->PortTypeText(index) : QString();
        setCell(row, 3, port, port);
        setCell(row, 4, KV_RaidApi::FormatSectors(disk->capacity), qulonglong(disk->capacity));
        setCell(row, 5, KV_RaidApi::FormatSectors(disk->totalFree), qulonglong(disk->totalFree));
        setCell(row, 6, KV_RaidApi::FormatSectors(disk->largestFree),
                qulonglong(disk->largestFree));
        const QString spare = yesNo(disk->globalSpare != 0);
        setCell(row, 7, spare, spare);
        const QString hotSwap = yesNo(bundle_.diskHotSwap.value(i));
        setCell(row, 8, hotSwap, hotSwap);
        const QString uses = QString::number(bundle_.diskArrayCount.value(i));
        setCell(row, 9, uses, uses);
        setCell(row, 10, field(disk->model).trimmed(), field(disk->model));
        setCell(row, 11, bundle_.diskSerial.value(i), bundle_.diskSerial.value(i));
        const QString firmware = field(disk->firmware);
        setCell(row, 12, QString(firmware).replace(u'_', u' '), firmware);
        diskList_->addTopLevelItem(row);
        if (!selectedDiskText_.isEmpty() && location == selectedDiskText_)
            selected = row;
    }
    if (selected)
        selected->setSelected(true);
    markDisksOfSelectedArray();
    diskList_->setFont(listFont_);
    diskList_->setSortingEnabled(true);
    diskList_->sortByColumn(diskSortColumn_, diskSortOrder_);
    diskList_->setRootIsDecorated(false);
    if (diskHeaderRestored_)
        diskList_->header()->restoreState(savedDiskHeaderState_);
    else
        diskHeaderRestored_ = true;
    enableDiskOption();
}

void KV_MainWindow::markDisksOfSelectedArray()
{
    if (selectedArray_ <= 0)
        return;
    QFont bold = listFont_;
    bold.setWeight(QFont::Bold);
    for (int r = 0; r < diskList_->topLevelItemCount(); ++r) {
        QTreeWidgetItem *row = diskList_->topLevelItem(r);
        const int diskId = row->data(0, KV_Role::Identifier).toInt();
        const bool member = service_->ArrayUsesDisk(selectedArray_, diskId) ||
                            service_->DiskIsDedicatedSpareOf(selectedArray_, diskId);
        for (int c = 0; c < diskList_->columnCount(); ++c)
            row->setFont(c, member ? bold : listFont_);
    }
}

// Selection.

void KV_MainWindow::arraySelectedChanged(QTreeWidgetItem *current, int)
{
    if (!current)
        return;
    QTreeWidgetItemIterator it(controllerTree_);
    for (; *it; ++it)
        (*it)->setData(0, KV_Role::WasSelected, (*it)->isSelected());

    QTreeWidgetItem *arrayItem = current;
    while (arrayItem->parent() && arrayItem->parent()->parent())
        arrayItem = arrayItem->parent();
    if (!arrayItem->parent()) {
        selectedArray_ = 0;
    } else {
        const int id = arrayItem->data(0, KV_Role::Identifier).toInt();
        if (id <= 0 || id == selectedArray_)
            return;
        selectedArray_ = id;
    }
    const PinnedService pin(*service_, bundle_.snapshot);
    savedArrayHeaderState_ = arrayList_->header()->saveState();
    arrayList_->clear();
    rebuildControllerTree();
    fillArrayList();
    if (selectedArray_ > 0)
        markDisksOfSelectedArray();
    else
        for (int r = 0; r < diskList_->topLevelItemCount(); ++r)
            for (int c = 0; c < diskList_->columnCount(); ++c)
                diskList_->topLevelItem(r)->setFont(c, listFont_);
}

void KV_MainWindow::arrayListSelectionChanged(QTreeWidgetItem *current, int)
{
    if (!current)
        return;
    const int id = current->data(0, KV_Role::Identifier).toInt();
    if (id <= 0 || id == selectedArray_)
        return;
    selectedArray_ = id;
    const PinnedService pin(*service_, bundle_.snapshot);
    savedArrayHeaderState_ = arrayList_->header()->saveState();
    {
        // The pressed row goes with the clear; the new row becomes current.
        const QSignalBlocker quiet(arrayList_);
        arrayList_->clear();
        rebuildControllerTree();
        fillArrayList();
        if (QTreeWidgetItem *row = arrayList_->currentItem())
            row->setSelected(true);
    }
    markDisksOfSelectedArray();
}

void KV_MainWindow::activeArrayCollapsed(QTreeWidgetItem *array)
{
    if (array->data(0, KV_Role::ExpandWish).toString() == u"expand")
        array->setData(0, KV_Role::ExpandWish, QStringLiteral("collapsed"));
}

void KV_MainWindow::activeArrayExpanded(QTreeWidgetItem *array)
{
    if (array->data(0, KV_Role::ExpandWish).toString() == u"collapsed")
        array->setData(0, KV_Role::ExpandWish, QStringLiteral("expand"));
}

void KV_MainWindow::preserveSortDiskList(int columnNum)
{
    diskSortColumn_ = columnNum;
    diskSortOrder_ = diskList_->header()->sortIndicatorOrder();
}

void KV_MainWindow::preserveSortArrayList(int columnNum)
{
    arraySortColumn_ = columnNum;
    arraySortOrder_ = arrayList_->header()->sortIndicatorOrder();
}

void KV_MainWindow::preserveSortEventList(int columnNum)
{
    eventSortColumn_ = columnNum;
    eventSortOrder_ = eventList_->header()->sortIndicatorOrder();
}

void KV_MainWindow::enableDiskOption()
{
    const QList<QTreeWidgetItem *> rows = diskList_->selectedItems();
    action(KV_Action::Options)->setEnabled(rows.size() == 1);
    if (rows.size() == 1)
        selectedDiskText_ = rows.front()->text(0);
}
