// What one edit in the create and transform dialogs costs the GUI thread:
// from the edit (a disk checked or unchecked, a capacity typed) until the
// dialog has repainted, with the rules asked of the driver in between. On
// the demo configuration, with the driver emulated in this process and
// with the emulator daemon over its socket, as the console talks to it.
// The counter "median_ms" is the median of the timed edits.
#include "bench_daemon.h"
#include "create_dialog.h"
#include "demo_config.h"
#include "emulator.h"
#include "kv_inprocess_platform.h"
#include "kv_raid_api.h"
#include "transform_dialog.h"
#include "tree_items.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

kvemu::StoredState demo()
{
    return {kvemu::demoModel(), kvemu::demoModel(), kvemu::EventLog::fresh()};
}

std::shared_ptr<kvemu::Emulator> inProcess()
{
    auto emulator =
        std::make_shared<kvemu::Emulator>(demo(), std::make_shared<kvemu::ManualClock>());
    kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator));
    return emulator;
}

bench::Daemon &daemon()
{
    static bench::Daemon daemon("dialogs", demo());
    return daemon;
}

QTreeWidgetItem *rowOf(QDialog &dialog, int diskId)
{
    auto *list = dialog.findChild<QTreeWidget *>(QStringLiteral("diskList"));
    for (int i = 0; list && i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->data(0, KV_Role::Identifier).toInt() == diskId)
            return list->topLevelItem(i);
    }
    return nullptr;
}

// Times `edit(n)` followed by a synchronous repaint of the whole dialog.
void timeEdits(benchmark::State &state, QDialog &dialog, const std::function<void(int)> &edit)
{
    dialog.show();
    QCoreApplication::processEvents();
    std::vector<double> times;
    int n = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        edit(n++);
        dialog.repaint();
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        times.push_back(seconds * 1000);
    }
    std::sort(times.begin(), times.end());
    state.counters["median_ms"] = times.empty() ? 0 : times[times.size() / 2];
    state.counters["max_ms"] = times.empty() ? 0 : times.back();
}

// RAID 5 over disks 3, 4 and 5; each edit checks or unchecks disk 6.
void createDiskEdits(benchmark::State &state)
{
    KV_CreateDialog dialog(QSize(24, 24), nullptr);
    dialog.findChild<QComboBox *>(QStringLiteral("arrayTypeSel"))->setCurrentIndex(4);
    for (int disk : {3, 4, 5})
        rowOf(dialog, disk)->setCheckState(0, Qt::Checked);
    QTreeWidgetItem *toggled = rowOf(dialog, 6);
    timeEdits(state, dialog, [toggled](int n) {
        toggled->setCheckState(0, n % 2 == 0 ? Qt::Checked : Qt::Unchecked);
    });
}

// The same RAID 5; each edit types another capacity.
void createCapacityEdits(benchmark::State &state)
{
    KV_CreateDialog dialog(QSize(24, 24), nullptr);
    dialog.findChild<QComboBox *>(QStringLiteral("arrayTypeSel"))->setCurrentIndex(4);
    for (int disk : {3, 4, 5})
        rowOf(dialog, disk)->setCheckState(0, Qt::Checked);
    auto *capacity = dialog.findChild<QLineEdit *>(QStringLiteral("currentCapInput"));
    timeEdits(state, dialog,
              [capacity](int n) { capacity->setText(QString::number(100000 + n % 1000)); });
}

// The Scratch stripe; each edit adds or takes away disk 11.
void transformDiskEdits(benchmark::State &state)
{
    KV_TransformDialog dialog(3, QSize(24, 24), nullptr);
    dialog.findChild<QComboBox *>(QStringLiteral("arrayTypeSel"))->setCurrentIndex(1);
    for (int disk : {9, 10})
        rowOf(dialog, disk)->setCheckState(0, Qt::Checked);
    QTreeWidgetItem *toggled = rowOf(dialog, 11);
    timeEdits(state, dialog, [toggled](int n) {
        toggled->setCheckState(0, n % 2 == 0 ? Qt::Checked : Qt::Unchecked);
    });
}

void BM_CreateDiskEdit_InProcess(benchmark::State &state)
{
    const auto emulator = inProcess();
    createDiskEdits(state);
}

void BM_CreateCapacityEdit_InProcess(benchmark::State &state)
{
    const auto emulator = inProcess();
    createCapacityEdits(state);
}

void BM_TransformDiskEdit_InProcess(benchmark::State &state)
{
    const auto emulator = inProcess();
    transformDiskEdits(state);
}

void BM_CreateDiskEdit_Daemon(benchmark::State &state)
{
    kv::setPlatform(daemon().platform());
    createDiskEdits(state);
}

void BM_CreateCapacityEdit_Daemon(benchmark::State &state)
{
    kv::setPlatform(daemon().platform());
    createCapacityEdits(state);
}

void BM_TransformDiskEdit_Daemon(benchmark::State &state)
{
    kv::setPlatform(daemon().platform());
    transformDiskEdits(state);
}

} // namespace

BENCHMARK(BM_CreateDiskEdit_InProcess)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateCapacityEdit_InProcess)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TransformDiskEdit_InProcess)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateDiskEdit_Daemon)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateCapacityEdit_Daemon)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TransformDiskEdit_Daemon)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("OXV"));
    QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    KV_RegisterServiceTypes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    kv::setPlatform(nullptr);
    return 0;
}
