#pragma once

#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Desktop/AppcastItem.h"
#include "Quellarine/Desktop/Defaults.h"
#include "Quellarine/Desktop/SystemLog.h"
#include "Quellarine/Model/UpdateController.h"
#include "Quellarine/Shell/ModeOverlay.h"

#include "AnswersLater.h"
#include "RecordedLog.h"
#include "LaterHotKeys.h"
#include "RecordingUpdater.h"
#include "SettingsFile.h"

#include "Backends/Sim/SimulatedHotKeys.h"
#include "Backends/Sim/SimulatedWindowServer.h"

#include "QuellarineKit/Pointer/DirectPointerControl.h"

#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace quellarine::testing {

// The application model over the simulated window server, a permission the test sets, a recording updater and
// a settings file of its own; the log, the beeps and the requests to explain the permission are kept. The model
// is built on first use, so a test sets the permission (and how the tap answers) first.
class TestAppModel : public RecordedLog {
public:
    struct TestPermission : system::Permission {
        bool trusted = true;
        bool maySteerPointer() const override { return trusted; }
    };

    TestAppModel()
        : defaults(directory.filePath(QStringLiteral("settings.ini")))
    {
    }

    // What the model is built with; the application object takes it too.
    AppModel::Platform platform()
    {
        return AppModel::Platform{
            .pointer = answersLater ? static_cast<PointerControl&>(later) : pointer,
            .mainLoop = server.pointerSystem().mainLoop,
            .hotKeys = hotKeyHost != nullptr ? *hotKeyHost : hotKeys,
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
                            auto made = std::make_unique<RecordingUpdater>();
                            updater = made.get();
                            return std::unique_ptr<Updater>(std::move(made));
                        },
                        environment);
                },
            .explainPermission = [this] { ++explanations; },
            .beep = [this] { ++beeps; },
            .doubleClickInterval = [] { return 0.4; },
            .makeOverlay =
                [this](system::MainLoop& loop) {
                    return overlayDesktop ? std::make_unique<ModeOverlay>(loop, *overlayDesktop)
                                          : std::make_unique<ModeOverlay>(loop);
                },
            .services = services,
            .profile = {.photoFolder = directory.filePath(QStringLiteral("Quellarine")),
                        .applyAppearance = {},
                        .startRelaunch = [] { return false; },
                        .quit = [] {}},
            .accountFullName = [this] { return accountFullName; },
            .keys = keys,
            .watchKeys = {},
            .sessionInFront = [this](bool inFront) { sessionInFront.push_back(inFront); },
        };
    }

    AppModel& model()
    {
        if (!model_) {
            model_ = std::make_unique<AppModel>(platform());
        }
        return *model_;
    }

    // The next launch over the same settings and the same computer.
    AppModel& relaunch()
    {
        model_.reset();
        return model();
    }

    // The updater finds a release of this version, as a check of the feed would: the updater of the model made
    // from platform() (by the application object or by model()), else of a model made now.
    void findUpdate(const QString& version)
    {
        if (updaterDelegate == nullptr) {
            model();
        }
        updaterDelegate->updaterDidFindValidUpdate(AppcastItem{.versionString = QStringLiteral("99"),
                                                               .displayVersionString = version,
                                                               .fileURL = {},
                                                               .infoURL = {},
                                                               .releaseNotesURL = {}});
    }

    // Ends the model, as quitting does; views of the model must be gone first.
    void forget() { model_.reset(); }

    QString settingsPath() const { return directory.filePath(QStringLiteral("settings.ini")); }

    // The settings file as another process would read it, once every write so far has been tried.
    QVariantMap storedSettings() const
    {
        defaults.flush();
        return settingsFile(settingsPath());
    }
    QStringList storedKeys() const { return storedSettings().keys(); }

    QTemporaryDir directory;
    Defaults defaults;
    sim::SimulatedWindowServer server;
    DirectPointerControl pointer{server.pointerSystem()};
    sim::SimulatedHotKeys hotKeys;
    // The tap's answers wait until `later.deliver()` when set before the model is made.
    AnswersLater later{pointer};
    bool answersLater = false;
    // Where the keys come from in the session, and the host that serves them instead of `hotKeys` when set; both
    // set before the model is made.
    KeySource keys;
    system::HotKeyHost* hotKeyHost = nullptr;
    // The desktop's shortcuts, answering when the test says.
    LaterHotKeys laterHotKeys;
    TestPermission permission;
    int beeps = 0;
    // The desktop the mode banner appears on; none: the application's own.
    std::optional<ModeOverlay::Environment> overlayDesktop;
    RecordingUpdater* updater = nullptr;
    // The update controller, as the updater calls it back.
    UpdaterDelegate* updaterDelegate = nullptr;
    int explanations = 0;
    // The full name of the user's account, as the password database would give it.
    QString accountFullName;
    // What the model told of the login session, in order: in front (true) or not.
    std::vector<bool> sessionInFront;
    // Where the model's stores send explanations and feedback; set before the model is made. None: nowhere.
    ServiceClient* services = nullptr;

private:
    std::unique_ptr<AppModel> model_;
};

} // namespace quellarine::testing
