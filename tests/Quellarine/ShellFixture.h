#pragma once

#include "Quellarine/AppModel.h"
#include "Quellarine/Desktop/Defaults.h"
#include "Quellarine/Desktop/SystemLog.h"
#include "Quellarine/Desktop/Updater.h"
#include "Quellarine/UpdateController.h"

#include "Backends/Sim/SimulatedHotKeys.h"
#include "Backends/Sim/SimulatedWindowServer.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace quellarine::shelltest {

// The permission as the model asks it; whether the simulated server lets a tap be created is set apart.
struct TestPermission : system::Permission {
    bool trusted = true;
    bool isTrusted() const override { return trusted; }
};

// An updater whose answers the test sets, counting the checks it is asked for.
class ScriptedUpdater : public Updater {
public:
    bool canCheckForUpdates() const override { return canCheck; }
    bool automaticallyChecksForUpdates() const override { return false; }
    void setAutomaticallyChecksForUpdates(bool /*value*/) override {}
    bool sessionInProgress() const override { return false; }
    std::optional<QDateTime> lastUpdateCheckDate() const override { return std::nullopt; }
    void setUserAgentString(const QString& /*value*/) override {}
    void checkForUpdatesInBackground() override {}
    void checkForUpdates() override { ++userChecks; }

    void setCanCheck(bool value)
    {
        canCheck = value;
        emit canCheckForUpdatesChanged();
    }

    bool canCheck = true;
    int userChecks = 0;
};

// The model of the menu-bar window and the application object, on the simulated window server, simulated hot
// keys, a scripted updater and a settings file of its own.
class ShellFixture : public ::testing::Test {
protected:
    ShellFixture()
        : settingsPath(dir.filePath(QStringLiteral("settings.ini")))
        , defaults(settingsPath)
    {
    }

    AppModel::Platform platform()
    {
        return AppModel::Platform{
            .pointer = server.pointerSystem(),
            .hotKeys = hotKeys,
            .keyboardLayout = hotKeys,
            .modifiers = server,
            .permission = permission,
            .defaults = defaults,
            .log = log,
            .makeUpdates =
                [this](Defaults& settings) {
                    UpdateController::Environment environment{
                        .now = [] { return QDateTime::currentDateTimeUtc(); },
                        .after = [](std::chrono::milliseconds, std::function<void()>) {},
                        .runningBuild = QStringLiteral("1"),
                    };
                    return std::make_unique<UpdateController>(
                        settings,
                        [this](UpdaterDelegate& delegate) {
                            updaterDelegate = &delegate;
                            auto scripted = std::make_unique<ScriptedUpdater>();
                            updater = scripted.get();
                            return std::unique_ptr<Updater>(std::move(scripted));
                        },
                        environment);
                },
            .explainPermission = [] {},
            .beep = [] {},
            .doubleClickInterval = [] { return 0.4; },
        };
    }

    AppModel& model()
    {
        if (!model_) {
            model_ = std::make_unique<AppModel>(platform());
        }
        return *model_;
    }

    // The updater found a newer release.
    void findUpdate(const QString& version)
    {
        updaterDelegate->updaterDidFindValidUpdate(
            AppcastItem{.versionString = QStringLiteral("99"), .displayVersionString = version, .fileURL = {},
                        .infoURL = {}, .releaseNotesURL = {}});
    }

    // What the settings file holds, read afresh from the disk.
    QVariant stored(const QString& key) const
    {
        return QSettings(settingsPath, QSettings::IniFormat).value(key);
    }

    // Five presses of Control in 1 s: the emergency-off gesture.
    void pressControlFiveTimes()
    {
        for (int press = 0; press < 5; ++press) {
            model().handleModifiersChanged({.control = true}, 100 + press * 0.2);
            model().handleModifiersChanged({}, 100 + press * 0.2 + 0.05);
        }
    }

    QTemporaryDir dir;
    QString settingsPath;
    Defaults defaults;
    sim::SimulatedWindowServer server;
    sim::SimulatedHotKeys hotKeys;
    TestPermission permission;
    SystemLog log{[](SystemLog::Level, const QString&) {}};
    UpdaterDelegate* updaterDelegate = nullptr;
    ScriptedUpdater* updater = nullptr;
    std::unique_ptr<AppModel> model_;
};

} // namespace quellarine::shelltest
