// The console's main window: the controller tree on the left, the disk and
// array lists on the right, the event list along the bottom. Every applied
// snapshot rebuilds the four trees while keeping what the user had chosen:
// selection, expansion, scroll position, column order and sort order.
#pragma once

#include "array_enablement.h"
#include "event_log_file.h"
#include "kv_io_stats.h"
#include "raid_data_bundle.h"
#include "window_actions.h"

#include <QFont>
#include <QHash>
#include <QIcon>
#include <QMainWindow>
#include <QSize>

#include <optional>

class KV_HealthBar;
class KV_HealthMonitor;
class KV_RaidApi;
class QAction;
class QBoxLayout;
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
    // The status bar's six figures, in their order.
    QList<QLabel *> statisticsLabels() const;
    // Every event shown since start, with its time text, in arrival order.
    const QList<KV_LoggedEvent> &eventHistory() const { return eventHistory_; }

    bool longOperationInProgress() const { return longOperationInProgress_; }

    // The health line above the lists, and what keeps watching behind it
    // (the tray icon and the notifications).
    KV_HealthBar *healthBar() const { return healthBar_; }
    KV_HealthMonitor *healthMonitor() const { return health_; }

    // What the window makes of prepare-to-remove's result for the array.
    void handlePrepRemoveResult(int returnCode, uint arrayId);

public slots:
    // `periodic`: the timer's refresh, which leaves the lists alone when
    // the bundle shows nothing new.
    void handleFullRefresh(RaidDataBundle bundle, bool periodic = false);
    void handleRescanComplete();
    void handleDeleteArrayComplete();
    void handleSecureEraseComplete();
    void triggerFullRefresh();
    void statusBarRefresh();
    void updateStatusBar(KV_IoStats ioStats);
    void menu_refresh();
    void ShowContextMenu(const QPoint &point);
    void ShowContextMenuArrayList(const QPoint &point);
    void about();
    void createForm();
    void transform_Form();
    void initDisks_Form();
    void clearMetadata_Form();
    void diskProperties_Form();
    void smartDiskOverview_Form();
    void viewControllers_Form();
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
    void appThemeChanged(QAction *action);
    void changeAppIconSize(QAction *action);
    void changeAppFontSize(QAction *action);
    void userGuide();
    void supportSite();
    // Help, Save Support Bundle...: asks for a file, then saveSupportBundleTo.
    void saveSupportBundle();
    // Writes the support bundle to `path` on a thread of its own and tells
    // the user how it went.
    void saveSupportBundleTo(const QString &path);

protected:
    // Hides the window instead where the console keeps watching from the
    // tray (the Close to Tray setting, where a tray exists).
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    QAction *addMenuAction(QMenu *menu, KV_Action id, const QString &text, const QString &tip,
                           bool enabled);
    QMenu *addSubmenu(QMenu *menu, KV_Action id, const QString &text, const QString &tip);
    void buildTrees();
    void sizeColumns();
    void loadAppearance();
    void setUpAppearanceMenus();
    void applyFonts();
    void measureColumns();
    void buildStatusBar();
    void startStatistics();
    void checkDrivers();

    void startRefresh(bool periodic);
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
    // Says above the lists when the driver did not answer the last refresh
    // or the system arrays are not known.
    void showDriverState();
    void restoreEventTimes();
    void copyEventsToApplicationLog(const QList<KV_LoggedEvent> &events);
    void showDriveNotice(quint32 code);
    void markDisksOfSelectedArray();

    // The health line, the tray and the notifications (main_window_health.cpp).
    void setUpHealth(QBoxLayout *layout);
    void showHealth();
    QString timeLeftTip(const KV_ArrayConfig &array) const;
    void markDiskHealth(QTreeWidgetItem *row, int diskId);
    void selectArrayFromHealth(int arrayId);

    void resetArrayActions();
    void applySelectedArrayEnablement();
    void applyEnablement(const std::optional<KV_ArrayFacts> &selected);
    KV_ArrayFacts factsOf(const KV_ArrayConfig &array) const;
    const KV_ArrayConfig *selectedConfig() const;

    // The array commands (main_window_commands.cpp): each is a row of one
    // table that runs the common steps.
    struct ArrayCommand;
    struct SelectedArray;
    static const ArrayCommand *arrayCommand(KV_Action id);
    void connectCommands();
    void runArrayCommand(const ArrayCommand &command);
    void startLongOperation(const QString &status);
    void endLongOperation();
    void startRescan();
    void setCache(const SelectedArray &array, KV_Action entry);
    void openApplicationLog();
    bool diskRowChosen() const;
    // The disk options dialog for the disk of `diskRow`, then a refresh.
    void openDiskOptions(QTreeWidgetItem *diskRow);

    void startConsistencyCheck(const SelectedArray &array);
    void stopConsistencyCheck(const SelectedArray &array);
    void startBackgroundScan(const SelectedArray &array);
    void stopBackgroundScan(const SelectedArray &array);
    void setNoCache(const SelectedArray &array);
    void setReadCache(const SelectedArray &array);
    void setWriteBackCache(const SelectedArray &array);
    void setReadWriteBackCache(const SelectedArray &array);
    void changeTaskPriority(const SelectedArray &array);
    void resumeTask(const SelectedArray &array);
    void pauseTask(const SelectedArray &array);
    void removeTask(const SelectedArray &array);
    void renameArray(const SelectedArray &array);
    void hideOrUnhide(const SelectedArray &array);
    void identifyArray(const SelectedArray &array);
    void prepareToRemove(const SelectedArray &array);
    void removeSpares(const SelectedArray &array);
    void deleteArray(const SelectedArray &array);
    void secureErase(const SelectedArray &array);
    void openTransform(const SelectedArray &array);

    QColor defaultColour() const;
    bool darkTheme() const { return theme_ == u"dark"; }
    // The event list's Date column fitted to the widest Date text seen.
    void fitEventDateColumn();
    void measureEventDate(QTreeWidgetItem *row);
    int eventDateWidth_ = -1; // -1: not measured since the rows or the font changed

    // The tree icons: each file is decoded once (a QIcon made from a file
    // decodes it at once), the disk icon once per icon size.
    QIcon diskIcon() const;
    const QIcon &icon(const QString &path) const;
    mutable QHash<QString, QIcon> icons_;
    mutable QIcon diskIcon_;
    mutable QSize diskIconSize_;

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
    QLabel *statisticsLabels_[6] = {};
    QLabel *driverStateLabel_ = nullptr;
    KV_HealthBar *healthBar_ = nullptr;
    KV_HealthMonitor *health_ = nullptr;

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
    bool refreshAgain_ = false; // asked for while one ran
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
    // Events in the first bundle at most; the rest of a long driver log
    // follows in the next.
    static constexpr quint32 FirstEventBatch = 256;
    quint32 firstTimedSequence_ = 0;
    QList<KV_LoggedEvent> eventHistory_;
    QList<KV_LoggedEvent> pendingEvents_; // not yet in the files
    bool notificationGateOpen_ = true;

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
