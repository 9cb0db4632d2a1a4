#include "Screenshots.h"

#include "Quellarine/AppModel.h"
#include "Quellarine/Desktop/Defaults.h"
#include "Quellarine/Desktop/Motion.h"
#include "Quellarine/Desktop/SystemLog.h"
#include "Quellarine/FeedbackStore.h"
#include "Quellarine/MainWindow.h"
#include "Quellarine/PageArea.h"
#include "Quellarine/ProfileCard.h"
#include "Quellarine/Sidebar.h"
#include "Quellarine/SidebarRow.h"
#include "Quellarine/StandInPage.h"
#include "Quellarine/UpdateController.h"

#include "Backends/Sim/SimulatedHotKeys.h"
#include "Backends/Sim/SimulatedWindowServer.h"

#include <QApplication>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

struct TestPermission : system::Permission {
    bool trusted = true;
    bool isTrusted() const override { return trusted; }
};

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
        : settingsPath(dir.filePath(QStringLiteral("settings.ini")))
        , defaults(settingsPath)
    {
        Motion::shared().setOverride(true);
    }

    ~MainWindowTest() override { Motion::shared().setOverride(std::nullopt); }

    AppModel& model()
    {
        if (!model_) {
            model_ = std::make_unique<AppModel>(AppModel::Platform{
                .pointer = server.pointerSystem(),
                .hotKeys = hotKeys,
                .keyboardLayout = hotKeys,
                .modifiers = server,
                .permission = permission,
                .defaults = defaults,
                .log = log,
                .makeUpdates =
                    [](Defaults& settings) {
                        UpdateController::Environment environment{
                            .now = [] { return QDateTime::currentDateTimeUtc(); },
                            .after = [](std::chrono::milliseconds, std::function<void()>) {},
                            .runningBuild = QStringLiteral("1"),
                        };
                        return std::make_unique<UpdateController>(
                            settings, [](UpdaterDelegate&) { return std::unique_ptr<Updater>(); }, environment);
                    },
                .explainPermission = [] {},
                .beep = [] {},
                .doubleClickInterval = [] { return 0.4; },
            });
        }
        return *model_;
    }

    MainWindow& window()
    {
        if (!window_) {
            window_ = std::make_unique<MainWindow>(model());
        }
        return *window_;
    }

    QTemporaryDir dir;
    QString settingsPath;
    Defaults defaults;
    sim::SimulatedWindowServer server;
    sim::SimulatedHotKeys hotKeys;
    TestPermission permission;
    SystemLog log{[](SystemLog::Level, const QString&) {}};
    std::unique_ptr<AppModel> model_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(MainWindowTest, Screenshots)
{
    window().show();
    EXPECT_EQ(testing::Screenshots::captureWindow(QStringLiteral("main-window-home"), window()).size(), 2);
    model().setSection(MainSection::profile);
    EXPECT_EQ(testing::Screenshots::captureWindow(QStringLiteral("main-window-profile"), window()).size(), 2);
}

} // namespace
} // namespace quellarine
