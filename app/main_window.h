// The console's main window: the controller tree on the left, the disk and
// array lists on the right, the event list along the bottom. Every applied
// snapshot rebuilds the four trees while keeping what the user had chosen:
// selection, expansion, scroll position, column order and sort order.
#pragma once

#include "kv_io_stats.h"
#include "raid_data_bundle.h"
#include "window_actions.h"

#include <QFont>
#include <QMainWindow>
#include <QSize>

class KV_RaidApi;
class QAction;
class QLabel;
class QMenu;
class QSplitter;
class QThread;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

class KV_MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit KV_MainWindow(QWidget *parent = nullptr);
    ~KV_MainWindow() override;

    // For tests and benchmarks: the trees, the selection and the refresh.
    QTreeWidget *controllerTree() const { return controllerTree_; }
    QTreeWidget *diskList() const { return diskList_; }
    QTreeWidget *arrayList() const { return arrayList_; }
    QTreeWidget *eventList() const { return eventList_; }
    int selectedArray() const { return selectedArray_; }
    bool refreshInProgress() const { return refreshInProgress_; }
    int eventLanguage() const { return eventLanguage_; }
    quint32 nextEventSequence() const { return nextEventSeq_; }
    QString eventLogPath() const { return eventLogPath_; }
    QString applicationLogPath() const { return appLogPath_; }
    QAction *action(KV_Action id) const;

public slots:
    void handleFullRefresh(RaidDataBundle bundle);
    void triggerFullRefresh();
    void statusBarRefresh();
    void updateStatusBar(KV_IoStats ioStats);
    void menu_refresh();
    void ShowContextMenu(const QPoint &point);
    void ShowContextMenuArrayList(const QPoint &point);
    void eventViewToggle_Form();
    void arraySelectedChanged(QTreeWidgetItem *current, int column);
    void arrayListSelectionChanged(QTreeWidgetItem *current, int column);
    void activeArrayCollapsed(QTreeWidgetItem *array);
    void activeArrayExpanded(QTreeWidgetItem *array);
    void diskDoubleClicked(QTreeWidgetItem *item, int column);
    void diskOptionsClicked();
    void preserveSortDiskList(int columnNum);
    void preserveSortArrayList(int columnNum);
    void preserveSortEventList(int columnNum);
    void enableDiskOption();
    void showEula(bool fromHelpMenu);

private:
    void buildMenus();
    QAction *addMenuAction(QMenu *menu, KV_Action id, const QString &text, const QString &tip,
                           bool enabled);
    QMenu *addSubmenu(QMenu *menu, KV_Action id, const QString &text, const QString &tip);
    void buildTrees();
    void sizeColumns();
    void startStatistics();
    void checkDrivers();

    void rebuildControllerTree();
    void widenControllerTree();
    void buildControllerTree();
    void addConfiguration(QTreeWidgetItem *parent, const KV_ArrayConfig &config,
                          const QString &suffix, const QString &arrayState);
    void addMember(QTreeWidgetItem *parent, const KV_ArrayConfig &config,
                   const KV_MemberRec &member);
    void fillArrayList();
    void fillDiskList();
    void fillEventList(const QList<KV_EventRec> &events);
    void markDisksOfSelectedArray();

    void resetArrayActions();
    void applySelectedArrayEnablement();
    const KV_ArrayConfig *selectedConfig() const;

    QColor defaultColour() const;
    bool darkTheme() const { return theme_ == u"dark"; }
    QIcon diskIcon() const;

    // Members kept from start-up.
    QSize smallIconSize_{24, 24};
    QSize largeIconSize_{48, 48};
    QSize iconSize_{24, 24};
    QFont listFont_;
    QFont menuFont_;
    QString appLogPath_;
    QString eventLogPath_;
    QString theme_;
    bool elevated_ = false;
    int statisticsIntervalMs_ = 3000;
    int menuRefreshIntervalMs_ = 5000;
    int eventLanguage_ = 0;

    KV_RaidApi *service_ = nullptr;
    QThread *statisticsThread_ = nullptr;
    KV_RaidApi *statisticsService_ = nullptr;
    QTimer *statisticsTimer_ = nullptr;
    QTimer *menuRefreshTimer_ = nullptr;
    QTimer *notificationTimer_ = nullptr;
    QLabel *statisticsLabel_ = nullptr;

    QSplitter *outerSplitter_ = nullptr;
    QSplitter *upperSplitter_ = nullptr;
    QSplitter *rightSplitter_ = nullptr;
    QTreeWidget *controllerTree_ = nullptr;
    QTreeWidget *diskList_ = nullptr;
    QTreeWidget *arrayList_ = nullptr;
    QTreeWidget *eventList_ = nullptr;

    int selectedArray_ = 0;
    QString selectedDiskText_;
    bool refreshInProgress_ = false;
    bool longOperationInProgress_ = false;
    bool firstExpandPending_ = true;
    bool firstEventLoad_ = true;
    bool fitColumnsToRows_ = false;
    bool treeWidthChosenByUser_ = false;
    int diskSortColumn_ = 0;
    Qt::SortOrder diskSortOrder_ = Qt::AscendingOrder;
    int arraySortColumn_ = 0;
    Qt::SortOrder arraySortOrder_ = Qt::AscendingOrder;
    int eventSortColumn_ = 0;
    Qt::SortOrder eventSortOrder_ = Qt::DescendingOrder;
    bool diskHeaderRestored_ = false;
    bool arrayHeaderRestored_ = false;
    bool eventHeaderRestored_ = false;
    QByteArray savedDiskHeaderState_;
    QByteArray savedArrayHeaderState_;
    quint32 nextEventSeq_ = 3;
    quint32 firstTimedSequence_ = 0;

    // The last applied snapshot.
    RaidDataBundle bundle_;

    // The menus, and every action under its identifier.
    QMenu *fileMenu_ = nullptr;
    QMenu *arrayMenu_ = nullptr;
    QMenu *diskMenu_ = nullptr;
    QMenu *viewMenu_ = nullptr;
    QMenu *helpMenu_ = nullptr;
    QMenu *checkMenu_ = nullptr;
    QMenu *scanMenu_ = nullptr;
    QMenu *cacheMenu_ = nullptr;
    QMenu *taskMenu_ = nullptr;
    QAction *actions_[KV_ActionCount] = {};
};
