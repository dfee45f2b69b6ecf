// What the dialog tests share: a fresh demo configuration in the in-process
// emulator for every test function, settings of their own, and every
// message box answered here and remembered.
#pragma once

#include "demo_config.h"
#include "emulator.h"
#include "kv_inprocess_platform.h"
#include "kv_raid_api.h"
#include "message_box.h"

#include <QCoreApplication>
#include <QList>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <memory>

class DialogFixture {
public:
    std::shared_ptr<kvemu::Emulator> emulator;
    QList<KV_Message::Shown> shown;
    bool answer = true;

    void setUpOnce()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("OXV"));
        QCoreApplication::setApplicationName(QStringLiteral("Velmora-dialog-tests"));
        KV_RegisterServiceTypes();
        KV_Message::SetResponder([this](const KV_Message::Shown &box) {
            shown.append(box);
            return answer;
        });
    }
    void setUp()
    {
        QSettings().clear();
        const kvemu::Model model = kvemu::demoModel();
        emulator = std::make_shared<kvemu::Emulator>(kvemu::StoredState{model, model},
                                                     std::make_shared<kvemu::ManualClock>());
        kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator));
        shown.clear();
        answer = true;
    }
    void tearDownOnce()
    {
        KV_Message::SetResponder({});
        kv::setPlatform(nullptr);
    }
    // Runs an emulator control command; false when it was refused.
    bool control(const char *command) { return emulator->control(command).ok; }
};
