#include "Quellarine/Model/UpdateController.h"

#include "Quellarine/Desktop/Defaults.h"

#include "RecordingUpdater.h"
#include "SettingsFile.h"

#include <QApplication>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

using namespace quellarine;
using namespace std::chrono_literals;

namespace {

using FakeUpdater = quellarine::testing::RecordingUpdater;

AppcastItem item(const QString& build, const QString& version)
{
    return {build, version, QUrl(QStringLiteral("https://example.org/q.tar.gz")), {}, {}};
}

class UpdateControllerTest : public ::testing::Test {
protected:
    void SetUp() override { QApplication::setQuitOnLastWindowClosed(false); }

    void TearDown() override
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            widget->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Prepares the fake before the controller reads it.
    std::unique_ptr<UpdateController> makeController(std::function<void(FakeUpdater&)> prepare = {},
                                                     bool withUpdater = true)
    {
        UpdateController::Environment environment;
        environment.now = [this] { return now; };
        environment.after = [this](std::chrono::milliseconds delay, std::function<void()> action) {
            scheduled.emplace_back(delay, std::move(action));
        };
        environment.runningBuild = runningBuild;
        auto factory = [this, prepare, withUpdater](UpdaterDelegate& delegate) -> std::unique_ptr<Updater> {
            if (!withUpdater) {
                return nullptr;
            }
            auto updater = std::make_unique<FakeUpdater>();
            if (prepare) {
                prepare(*updater);
            }
            fake = updater.get();
            this->delegate = &delegate;
            return updater;
        };
        auto controller = std::make_unique<UpdateController>(defaults, factory, environment);
        controller->onShowUpToDate = [this] { ++upToDatePrompts; };
        return controller;
    }

    QStringList storedKeys() const
    {
        defaults.flush();
        return quellarine::testing::settingsFile(path).keys();
    }

    void storeKnownUpdate(const QString& version, const QString& build)
    {
        defaults.setStrings(
            {{QStringLiteral("updates.availableVersion"), version}, {QStringLiteral("updates.availableBuild"), build}});
    }

    QTemporaryDir directory;
    QString path = directory.filePath(QStringLiteral("settings.ini"));
    Defaults defaults{path};
    QDateTime now = QDateTime(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);
    QString runningBuild = QStringLiteral("9");
    std::vector<std::pair<std::chrono::milliseconds, std::function<void()>>> scheduled;
    FakeUpdater* fake = nullptr;
    int upToDatePrompts = 0;
    UpdaterDelegate* delegate = nullptr;
};

const QStringList bothKeys{QStringLiteral("updates.availableBuild"), QStringLiteral("updates.availableVersion")};

} // namespace

TEST_F(UpdateControllerTest, TheKnownUpdateIsWrittenAndRemovedAsOne)
{
    auto controller = makeController();
    QSignalSpy changes(controller.get(), &UpdateController::availableChanged);

    delegate->updaterDidFindValidUpdate(item(QStringLiteral("10"), QStringLiteral("1.10")));
    EXPECT_EQ(controller->available(), QStringLiteral("1.10"));
    EXPECT_EQ(storedKeys(), bothKeys);
    EXPECT_EQ(defaults.string(QStringLiteral("updates.availableBuild")), QStringLiteral("10"));

    // The same update again tells no one; choices other than skipping keep it.
    delegate->standardUserDriverWillHandleShowingUpdate(false, item(QStringLiteral("10"), QStringLiteral("1.10")));
    delegate->updaterUserDidMakeChoice(UserUpdateChoice::install, item(QStringLiteral("10"), QStringLiteral("1.10")));
    delegate->updaterUserDidMakeChoice(UserUpdateChoice::dismiss, item(QStringLiteral("10"), QStringLiteral("1.10")));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(storedKeys(), bothKeys);

    delegate->updaterUserDidMakeChoice(UserUpdateChoice::skip, item(QStringLiteral("10"), QStringLiteral("1.10")));
    EXPECT_EQ(controller->available(), std::nullopt);
    EXPECT_TRUE(storedKeys().isEmpty());

    delegate->standardUserDriverWillHandleShowingUpdate(true, item(QStringLiteral("11"), QStringLiteral("1.11")));
    EXPECT_EQ(controller->available(), QStringLiteral("1.11"));
    delegate->updaterDidNotFindUpdate();
    EXPECT_EQ(controller->available(), std::nullopt);
    EXPECT_TRUE(storedKeys().isEmpty());
    EXPECT_EQ(changes.count(), 4);
}

TEST_F(UpdateControllerTest, LaunchKeepsAStoredUpdateOnlyWhileItIsNewer)
{
    struct Case {
        const char* stored;
        const char* running;
        bool kept;
    };
    for (auto [stored, running, kept] : {Case{"10", "9", true}, Case{"1.10", "1.9", true}, Case{"9", "9", false},
                                         Case{"9", "10", false}, Case{"1.2", "1.2b", false}}) {
        storeKnownUpdate(QStringLiteral("v") + QLatin1StringView(stored), QLatin1StringView(stored));
        runningBuild = QLatin1StringView(running);
        auto controller = makeController();
        EXPECT_EQ(controller->available().has_value(), kept) << stored << " over " << running;
        EXPECT_EQ(storedKeys(), kept ? bothKeys : QStringList()) << stored << " over " << running;
    }

    // One that no feed is let name any more (stored from a hostile feed by an earlier version) is forgotten.
    storeKnownUpdate(QString(900000, QLatin1Char('9')), QStringLiteral("12"));
    runningBuild = QStringLiteral("9");
    EXPECT_EQ(makeController()->available(), std::nullopt);
    EXPECT_EQ(storedKeys(), QStringList());

    // A build without its version: nothing to show, and the keys stay as they are.
    defaults.setString(QStringLiteral("updates.availableBuild"), QStringLiteral("12"));
    runningBuild = QStringLiteral("9");
    auto controller = makeController();
    EXPECT_EQ(controller->available(), std::nullopt);
    EXPECT_EQ(storedKeys(), QStringList{QStringLiteral("updates.availableBuild")});
}

TEST_F(UpdateControllerTest, OneBackgroundCheckTenToThirtySecondsAfterLaunch)
{
    auto controller = makeController([](FakeUpdater& updater) { updater.lastCheck = {}; });
    ASSERT_EQ(scheduled.size(), 1u);
    EXPECT_GE(scheduled[0].first, 10s);
    EXPECT_LE(scheduled[0].first, 30s);
    EXPECT_EQ(fake->backgroundChecks, 0);
    scheduled[0].second();
    EXPECT_EQ(fake->backgroundChecks, 1);
    EXPECT_EQ(fake->userChecks, 0);

    // Gone before the delay ends: nothing happens.
    scheduled.clear();
    controller = makeController();
    controller.reset();
    scheduled[0].second();
}

TEST_F(UpdateControllerTest, LaunchCheckIsLeftOutWhenItShouldNotRun)
{
    const std::vector<std::pair<const char*, std::function<void(FakeUpdater&)>>> conditions{
        {"automatic checks off", [](FakeUpdater& updater) { updater.automatic = false; }},
        {"cannot check", [](FakeUpdater& updater) { updater.canCheck = false; }},
        {"session in progress", [](FakeUpdater& updater) { updater.session = true; }},
    };
    for (const auto& [name, prepare] : conditions) {
        scheduled.clear();
        auto controller = makeController(prepare);
        scheduled.at(0).second();
        EXPECT_EQ(fake->backgroundChecks, 0) << name;
    }

    for (auto [secondsAgo, runs] : {std::pair{3599, false}, std::pair{3600, true}, std::pair{-60, true}}) {
        scheduled.clear();
        auto controller = makeController([&](FakeUpdater& updater) { updater.lastCheck = now.addSecs(-secondsAgo); });
        scheduled.at(0).second();
        EXPECT_EQ(fake->backgroundChecks, runs ? 1 : 0) << secondsAgo << " s ago";
    }

    scheduled.clear();
    auto controller = makeController({}, false);
    scheduled.at(0).second();
    controller->checkForUpdates();
    EXPECT_FALSE(controller->canCheck());
    EXPECT_EQ(upToDatePrompts, 0);
}

TEST_F(UpdateControllerTest, OwnAlertOnlyWithinAMinuteOfANoUpdateResult)
{
    auto controller = makeController();
    delegate->updaterDidNotFindUpdate();
    // The updater's own "no update" abort keeps the result; any other abort forgets it.
    delegate->updaterDidAbortWithError(static_cast<int>(UpdaterError::noUpdate), {});

    now = now.addSecs(59);
    controller->checkForUpdates();
    EXPECT_EQ(upToDatePrompts, 1);
    EXPECT_EQ(fake->userChecks, 0);

    now = now.addSecs(1);
    controller->checkForUpdates();
    EXPECT_EQ(fake->userChecks, 1);

    // A result dated in the future does not count as recent.
    delegate->updaterDidNotFindUpdate();
    now = now.addSecs(-5);
    controller->checkForUpdates();
    EXPECT_EQ(fake->userChecks, 2);

    now = now.addSecs(10);
    delegate->updaterDidAbortWithError(static_cast<int>(UpdaterError::appcast), {});
    controller->checkForUpdates();
    EXPECT_EQ(fake->userChecks, 3);

    // A known update always goes to the updater's window.
    delegate->updaterDidNotFindUpdate();
    delegate->standardUserDriverWillHandleShowingUpdate(false, item(QStringLiteral("10"), QStringLiteral("1.10")));
    controller->checkForUpdates();
    EXPECT_EQ(fake->userChecks, 4);
    EXPECT_EQ(upToDatePrompts, 1);
}

TEST_F(UpdateControllerTest, VersionHistoryFromTheUpdater)
{
    auto controller = makeController();
    int shown = 0;
    controller->onShowVersionHistory = [&] { ++shown; };
    delegate->standardUserDriverShowVersionHistoryForAppcastItem(item(QStringLiteral("9"), QStringLiteral("0.9")));
    EXPECT_EQ(shown, 1);
}

TEST_F(UpdateControllerTest, MirrorsTheUpdaterAndWritesAutomaticChecksThrough)
{
    auto controller = makeController([](FakeUpdater& updater) {
        updater.automatic = true;
        updater.canCheck = false;
    });
    EXPECT_TRUE(controller->automaticallyChecks());
    EXPECT_FALSE(controller->canCheck());
    EXPECT_EQ(fake->userAgent, UpdateController::userAgent());
    EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(^Quellarine/\S+ AppcastUpdater/1\.0 Linux/\d+\.\d+$)"))
                    .match(fake->userAgent)
                    .hasMatch())
        << fake->userAgent.toStdString();

    QSignalSpy canCheckChanges(controller.get(), &UpdateController::canCheckChanged);
    fake->setCanCheck(true);
    fake->setCanCheck(true);
    EXPECT_TRUE(controller->canCheck());
    EXPECT_EQ(canCheckChanges.count(), 1);

    QSignalSpy automaticChanges(controller.get(), &UpdateController::automaticallyChecksChanged);
    fake->automaticWrites.clear();
    controller->setAutomaticallyChecks(true);
    controller->setAutomaticallyChecks(false);
    EXPECT_EQ(fake->automaticWrites, (std::vector<bool>{true, false}));
    EXPECT_EQ(automaticChanges.count(), 1);
    EXPECT_TRUE(storedKeys().isEmpty());
}

TEST(UserAgentTest, KernelReleaseGivesMajorAndMinor)
{
    EXPECT_EQ(UpdateController::kernelMajorMinor(QStringLiteral("6.1.0-18-amd64")), QStringLiteral("6.1"));
    EXPECT_EQ(UpdateController::kernelMajorMinor(QStringLiteral("10.04")), QStringLiteral("10.4"));
    EXPECT_EQ(UpdateController::kernelMajorMinor(QStringLiteral("unknown")), QStringLiteral("0.0"));
}
