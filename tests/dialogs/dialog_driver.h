// What the dialog tests share: an in-process emulator on a given model, the
// message boxes answered from a queue (Yes when it is empty) and recorded,
// and the dialog's widgets found by object name.
#pragma once

#include "demo_config.h"
#include "emulator.h"
#include "kv_inprocess_platform.h"
#include "kv_raid_api.h"
#include "message_box.h"
#include "tree_items.h"

#include <QDialog>
#include <QLabel>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>
#include <memory>

using Disks = QList<int>;

class DialogDriver {
public:
    std::shared_ptr<kvemu::Emulator> emulator;
    QList<KV_Message::Shown> shown;
    QList<bool> answers;

    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("OXV"));
        QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
        KV_RegisterServiceTypes();
        KV_Message::SetResponder([this](const KV_Message::Shown &box) {
            shown.append(box);
            return answers.isEmpty() ? true : answers.takeFirst();
        });
    }
    void init(const kvemu::Model &model = kvemu::demoModel())
    {
        QSettings().clear();
        start(model);
        shown.clear();
        answers.clear();
    }
    void start(const kvemu::Model &model)
    {
        emulator = std::make_shared<kvemu::Emulator>(kvemu::StoredState{model, model},
                                                     std::make_shared<kvemu::ManualClock>());
        kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator));
    }
    static void cleanupTestCase()
    {
        KV_Message::SetResponder({});
        kv::setPlatform(nullptr);
    }
    QStringList titles() const
    {
        QStringList list;
        for (const KV_Message::Shown &box : shown)
            list << box.title;
        return list;
    }
};

template <typename T> T *widget(QDialog &dialog, const char *name)
{
    T *found = dialog.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no widget %s", name);
    return found;
}

// Checks exactly the rows of `disks`, one click at a time.
inline void check(QDialog &dialog, const Disks &disks)
{
    auto *list = widget<QTreeWidget>(dialog, "diskList");
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = list->topLevelItem(i);
        const bool wanted = disks.contains(row->data(0, KV_Role::Identifier).toInt());
        if ((row->checkState(0) == Qt::Checked) != wanted)
            row->setCheckState(0, wanted ? Qt::Checked : Qt::Unchecked);
    }
}

inline Disks checked(QDialog &dialog)
{
    auto *list = widget<QTreeWidget>(dialog, "diskList");
    Disks disks;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->checkState(0) == Qt::Checked)
            disks << list->topLevelItem(i)->data(0, KV_Role::Identifier).toInt();
    }
    std::sort(disks.begin(), disks.end());
    return disks;
}

// The array's current layout: its type word and its members, sorted.
inline std::pair<QString, Disks> layoutOf(int arrayId)
{
    KV_RaidApi api;
    const KV_ArrayConfig *config = api.FindArrayConfig(arrayId, true);
    if (!config)
        return {};
    Disks members;
    for (int m = 0; m < KV_MemberCount(*config); ++m)
        members << config->members[m].deviceRoute;
    std::sort(members.begin(), members.end());
    return {QString::fromLatin1(config->type), members};
}
