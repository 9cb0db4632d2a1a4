#include "Quellarine/Model/AppModel.h"
#include "SmallDisk.h"
#include "TestAppModel.h"
#include "Quellarine/Model/PermissionText.h"
#include "Quellarine/Desktop/Defaults.h"
#include "Quellarine/Desktop/SessionObservers.h"
#include "Quellarine/Desktop/SystemLog.h"
#include "Quellarine/Model/ExplainStore.h"
#include "Quellarine/Shell/ModeBanner.h"
#include "Quellarine/Shell/ModeOverlay.h"
#include "Quellarine/Model/UpdateController.h"

#include "Backends/Sim/SimulatedHotKeys.h"
#include "Backends/Sim/SimulatedWindowServer.h"

#include "QuellarineKit/Pointer/DirectPointerControl.h"
#include "tests/QuellarineKit/Support/HandPath.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <limits>

using namespace quellarine;
using ID = FilterPreset::ID;
using quellarine::testing::SmallDisk;

namespace {

// The offscreen platform warns whenever the banner's window is raised.
QtMessageHandler defaultMessageHandler = nullptr;

void quietAboutRaising(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support"))) {
        defaultMessageHandler(type, context, message);
    }
}

class AppModelTest : public ::testing::Test, protected quellarine::testing::TestAppModel {
protected:
    AppModelTest()
    {
        defaultMessageHandler = qInstallMessageHandler(quietAboutRaising);
        overlayDesktop = desktop();
    }
    ~AppModelTest() override
    {
        forget();
        qInstallMessageHandler(defaultMessageHandler);
    }

    // One screen under the pointer; every banner's announced text is kept.
    ModeOverlay::Environment desktop()
    {
        return {
            .pointerLocation = [] { return QPoint(200, 300); },
            .screens =
                [] {
                    return std::vector<ModeOverlay::Screen>{{QRect(0, 0, 1440, 900), QRect(0, 0, 1440, 900), true}};
                },
            .reduceMotion = [] { return true; },
            .announce = [this](QWidget&, const QString& text) { announcements.push_back(text); },
            .composited = [] { return true; },
        };
    }

    const ModeBanner& banner()
    {
        const ModeBanner* shown = dynamic_cast<ModeOverlay&>(model().overlay()).banner();
        EXPECT_NE(shown, nullptr);
        return *shown;
    }

    // Five presses of Control, with the other modifiers held, as the system reports them to the monitor.
    void pressControlFiveTimes(system::ModifierState held = {.control = true})
    {
        for (int press = 0; press < 5; ++press) {
            server.changeModifiers(held);
            server.advance(0.1);
            server.changeModifiers({});
            server.advance(0.1);
        }
    }

    std::vector<QString> announcements;
};

} // namespace

TEST_F(AppModelTest, FirstLaunchReadsDefaultsWithoutWritingThemBack)
{
    EXPECT_TRUE(model().wantsOn());
    EXPECT_TRUE(model().clickGuardOn());
    EXPECT_EQ(model().presetID(), ID::balanced);
    EXPECT_FALSE(model().personal());
    EXPECT_TRUE(model().whatsNewUnseen());
    const QVariantMap file = storedSettings();
    EXPECT_FALSE(file.contains(QStringLiteral("filterOn")));
    EXPECT_FALSE(file.contains(QStringLiteral("preset")));
    EXPECT_EQ(messages(SystemLog::Level::info).front(), QStringLiteral("Launched; Accessibility trusted: true"));
}

TEST_F(AppModelTest, StoredSettingsAreReadAndBadOnesFallBack)
{
    defaults.setString(QStringLiteral("preset"), QStringLiteral("VeryStrong"));
    defaults.setBool(QStringLiteral("filterOn"), false);
    defaults.setJson(
        QStringLiteral("personalSetting"),
        nlohmann::json{{"base", "strong"}, {"minCutoff", 2.0}, {"beta", 0.005}, {"stages", 5}, {"strength", 1.0}});
    EXPECT_EQ(model().presetID(), ID::balanced);
    EXPECT_FALSE(model().wantsOn());
    EXPECT_FALSE(model().personal());
    // The invalid setting stays on disk until the next assignment.
    EXPECT_TRUE(defaults.json(QStringLiteral("personalSetting")).has_value());

    const QByteArray unreadable("{\"base\": \"strong\", \"minCutoff\": ");
    defaults.setData(QStringLiteral("personalSetting"), unreadable);
    EXPECT_FALSE(relaunch().personal());
    EXPECT_EQ(defaults.data(QStringLiteral("personalSetting")), unreadable);
}

TEST_F(AppModelTest, LaunchBuildsTheTapFromTheStoredChoicesBeforeThePermissionHolds)
{
    // A personal preset chosen last time runs with its own parameters from the start.
    PersonalSetting setting{ID::strong, 2.0, 0.01, 2, 0.8};
    defaults.setString(QStringLiteral("preset"), QStringLiteral("personal"));
    // Written by hand, so that any rewrite at launch shows.
    const QByteArray stored(R"({ "strength": 0.8, "stages": 2, "beta": 0.01, "minCutoff": 2.0, "base": "strong" })");
    defaults.setData(QStringLiteral("personalSetting"), stored);
    permission.trusted = false;
    EXPECT_EQ(model().personal(), setting);
    EXPECT_EQ(defaults.data(QStringLiteral("personalSetting")), stored);
    EXPECT_EQ(pointer.tap().smoother().filter.parameters(), setting.preset()->parameters);
    EXPECT_FALSE(pointer.tap().isFiltering());
    EXPECT_EQ(messages(SystemLog::Level::info).front(), QStringLiteral("Launched; Accessibility trusted: false"));

    // Until the tap starts, the guard works with a fixed double-click interval; the desktop's comes with the start.
    EXPECT_EQ(pointer.tap().clickGuard().settings.minPress, 0.04);
    EXPECT_EQ(pointer.tap().clickGuard().settings.doubleClickInterval, 0.5);
    permission.trusted = true;
    server.advance(1.0);
    ASSERT_TRUE(pointer.tap().isRunning());
    EXPECT_EQ(pointer.tap().clickGuard().settings.doubleClickInterval, 0.4);

    defaults.setBool(QStringLiteral("clickGuard"), false);
    permission.trusted = false;
    relaunch();
    EXPECT_EQ(pointer.tap().clickGuard().settings, ClickGuard::Settings::off());
}

TEST_F(AppModelTest, EqualPresetWriteStillPersistsAndPushesButTellsNoObserver)
{
    QSignalSpy spy(&model(), &AppModel::presetIDChanged);
    model().setPresetID(ID::balanced);
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(defaults.string(QStringLiteral("preset")), QStringLiteral("balanced"));
    model().setPresetID(ID::strong);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(pointer.tap().smoother().filter.parameters(), FilterPreset::strong().parameters);
}

TEST_F(AppModelTest, PersonalPresetWithoutSettingRunsAsBalanced)
{
    defaults.setString(QStringLiteral("preset"), QStringLiteral("personal"));
    EXPECT_EQ(model().presetID(), ID::personal);
    EXPECT_EQ(model().activePreset(), FilterPreset::balanced());

    PersonalSetting setting{ID::balanced, 2.5, 0.008, 2, 0.9};
    model().applyPersonal(setting);
    EXPECT_EQ(model().activePreset().id, ID::personal);
    EXPECT_EQ(pointer.tap().smoother().filter.parameters(), setting.preset()->parameters);
    auto stored = defaults.json(QStringLiteral("personalSetting"));
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->get<PersonalSetting>(), setting);

    model().applyPersonal(PersonalSetting{ID::balanced, 9.0, 0.008, 2, 0.9});
    EXPECT_EQ(model().personal(), setting);
}

TEST_F(AppModelTest, TheTapFiltersOnlyWhileWantedPermittedAndNotCalibrating)
{
    for (bool trusted : {true, false}) {
        permission.trusted = trusted;
        relaunch();
        for (bool wanted : {true, false}) {
            for (bool calibrating : {true, false}) {
                SCOPED_TRACE(::testing::Message()
                             << "trusted " << trusted << ", wanted " << wanted << ", calibrating " << calibrating);
                model().setWantsOn(wanted);
                model().setCalibrating(calibrating);
                const bool filtering = wanted && trusted && !calibrating;
                EXPECT_EQ(pointer.tap().isFiltering(), filtering);
                EXPECT_EQ(model().isOn(), filtering);
                // A running test sees every click unguarded.
                EXPECT_EQ(model().clickSettings() == ClickGuard::Settings::off(), calibrating);
                EXPECT_EQ(pointer.tap().clickGuard().settings, model().clickSettings());
            }
        }
    }

    // Clearing the test makes the tap filter; whether smoothing is on follows whether the tap runs.
    permission.trusted = true;
    relaunch().setWantsOn(true);
    model().setCalibrating(true);
    server.disableTapsSilently();
    model().setCalibrating(false);
    EXPECT_TRUE(pointer.tap().isFiltering());
    EXPECT_FALSE(model().isOn());
    EXPECT_EQ(model().clickSettings().doubleClickInterval, 0.4);
}

TEST_F(AppModelTest, WaitsForThePermissionAndStartsTheTap)
{
    permission.trusted = false;
    server.setMaySteerPointer(false);
    EXPECT_FALSE(model().maySteerPointer());
    server.advance(2.5);
    EXPECT_FALSE(pointer.tap().isRunning());
    EXPECT_FALSE(model().isOn());

    permission.trusted = true;
    server.setMaySteerPointer(true);
    server.advance(1.0);
    EXPECT_TRUE(model().maySteerPointer());
    EXPECT_TRUE(pointer.tap().isRunning());
    EXPECT_TRUE(model().isOn());
    EXPECT_EQ(messages(SystemLog::Level::info).back(), QStringLiteral("Allowed to steer the pointer, tap started"));

    // Lost again: the switch stays wanted, smoothing is off until the permission returns.
    QSignalSpy trusted(&model(), &AppModel::maySteerPointerChanged);
    permission.trusted = false;
    server.advance(5.0);
    EXPECT_EQ(trusted.count(), 1);
    EXPECT_TRUE(model().wantsOn());
    EXPECT_FALSE(model().isOn());
}

TEST_F(AppModelTest, TheHandIsSteadiedFromTheMomentTheTapRunsNotFromWhenItsAnswerComesBack)
{
    answersLater = true;
    model();
    ASSERT_TRUE(pointer.tap().isRunning());
    EXPECT_FALSE(model().isOn()) << "not known yet";

    // The drift path at 125 Hz while the answer is on its way: the tremor across the way is steadied.
    const Point start = *server.currentLocation();
    double raw = 0;
    double shown = 0;
    int samples = 0;
    Vector played{};
    for (double t = 0.008; t <= quellarine::testing::driftPathDuration; t += 0.008) {
        const Vector hand = quellarine::testing::driftPath(t);
        server.moveHand({std::round(hand.dx - played.dx), std::round(hand.dy - played.dy)});
        played = {played.dx + std::round(hand.dx - played.dx), played.dy + std::round(hand.dy - played.dy)};
        server.advance(0.008);
        raw += played.dy * played.dy;
        const double across = server.currentLocation()->y - start.y;
        shown += across * across;
        ++samples;
    }
    ASSERT_GT(raw, 0);
    EXPECT_LT(std::sqrt(shown / samples), 0.6 * std::sqrt(raw / samples));
    EXPECT_EQ(pointer.tap().clickGuard().settings, model().clickSettings());

    later.deliver();
    EXPECT_TRUE(model().isOn());
    EXPECT_FALSE(model().tapFailed());
    EXPECT_EQ(messages(SystemLog::Level::info).back(), QStringLiteral("Allowed to steer the pointer, tap started"));
}

TEST_F(AppModelTest, TapThatCannotBeCreatedIsReportedOnce)
{
    server.setMaySteerPointer(false); // the permission says yes, the system still refuses the tap
    model();
    EXPECT_TRUE(model().tapFailed());
    EXPECT_FALSE(model().isOn());
    EXPECT_EQ(messages(SystemLog::Level::error),
              std::vector<QString>{QStringLiteral("Allowed to steer the pointer, but the tap could not be created")});
    server.setMaySteerPointer(true);
    server.advance(11.0);
    EXPECT_FALSE(pointer.tap().isRunning()); // no retry until the permission is lost and regained
}

TEST_F(AppModelTest, ModesCycleThroughDirectPresetsAndPersonal)
{
    model().setWantsOn(false);
    model().cycleMode(1);
    EXPECT_TRUE(model().wantsOn());
    EXPECT_EQ(model().presetID(), ID::gentle);

    model().setWantsOn(false);
    model().cycleMode(-1);
    EXPECT_EQ(model().presetID(), ID::largeMovements);

    model().setPresetID(ID::balanced);
    model().setWantsOn(true);
    model().cycleMode(-1);
    EXPECT_EQ(model().presetID(), ID::gentle);
    model().cycleMode(-1);
    EXPECT_FALSE(model().wantsOn());
    EXPECT_EQ(model().presetID(), ID::gentle);

    model().applyPersonal(PersonalSetting{ID::balanced, 2.5, 0.008, 2, 0.9});
    EXPECT_EQ(model().availableModes().size(), 9u);
    model().setPresetID(ID::largeMovements);
    model().cycleMode(1);
    EXPECT_EQ(model().presetID(), ID::personal);
    model().cycleMode(1);
    EXPECT_FALSE(model().wantsOn());
}

TEST_F(AppModelTest, EmergencyOffActsOnlyWhileSmoothingIsWantedAndOnlyOnControlAlone)
{
    model();
    pressControlFiveTimes();
    EXPECT_FALSE(model().wantsOn());
    EXPECT_FALSE(model().isOn());
    EXPECT_EQ(defaults.boolean(QStringLiteral("filterOn")), false);
    EXPECT_TRUE(model().emergencyNotice());
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(banner().title(), QStringLiteral("Direct"));
    EXPECT_EQ(banner().detail(), QStringLiteral("Turned off because Ctrl was pressed 5 times"));

    // Already off: no beep, no banner, and the notice stays as it was.
    const auto shown = announcements.size();
    pressControlFiveTimes();
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(announcements.size(), shown);
    EXPECT_TRUE(model().emergencyNotice());

    model().cycleMode(1);
    EXPECT_FALSE(model().emergencyNotice());
    // Control together with any other modifier is not the gesture.
    const std::vector<std::pair<const char*, system::ModifierState>> withOthers{
        {"shift", {.control = true, .shift = true}},
        {"alt", {.control = true, .alt = true}},
        {"super", {.control = true, .super = true}},
        {"function", {.control = true, .function = true}},
    };
    for (const auto& [name, held] : withOthers) {
        pressControlFiveTimes(held);
        EXPECT_TRUE(model().wantsOn()) << "Control with " << name;
    }
    EXPECT_EQ(beeps, 1);

    // The on/off key clears the notice as it turns smoothing back on.
    pressControlFiveTimes();
    ASSERT_TRUE(model().emergencyNotice());
    model().toggle();
    EXPECT_TRUE(model().wantsOn());
    EXPECT_FALSE(model().emergencyNotice());
}

TEST_F(AppModelTest, ApplyingAPersonalSettingSwitchesSmoothingOnOnlyWithThePermission)
{
    const PersonalSetting setting{ID::balanced, 2.5, 0.008, 2, 0.9};
    for (bool trusted : {false, true}) {
        SCOPED_TRACE(trusted);
        permission.trusted = trusted;
        server.setMaySteerPointer(trusted);
        relaunch().setWantsOn(false);
        model().applyPersonal(setting);
        EXPECT_EQ(model().personal(), setting);
        EXPECT_EQ(model().presetID(), ID::personal);
        EXPECT_EQ(pointer.tap().smoother().filter.parameters(), setting.preset()->parameters);
        EXPECT_EQ(model().wantsOn(), trusted);
        EXPECT_EQ(model().isOn(), trusted);
    }
}

TEST_F(AppModelTest, WakingAndTheSessionComingToTheFrontTurnTheTapBackOnAtOnce)
{
    model();
    auto* observers = model().findChild<SessionObservers*>();
    ASSERT_NE(observers, nullptr);
    const std::vector<std::pair<const char*, void (SessionObservers::*)()>> notices{
        {"woke", &SessionObservers::woke}, {"session active", &SessionObservers::sessionBecameActive}};
    double width = 1000;
    for (const auto& [name, notice] : notices) {
        SCOPED_TRACE(name);
        server.disableTapsSilently();
        server.setDisplays({Rect{{0, 0}, {width, 700}}});
        (observers->*notice)();
        EXPECT_TRUE(pointer.tap().isRunning()) << "not only at the next check of the watch";
        EXPECT_EQ(pointer.tap().smoother().displays, (std::vector<Rect>{Rect{{0, 0}, {width, 700}}}));
        width += 100;
    }
    // Another user's session in front: the platform gives the devices back until ours is in front again.
    EXPECT_EQ(sessionInFront, std::vector<bool>{true});
    emit observers->sessionBecameInactive();
    emit observers->sessionBecameActive();
    EXPECT_EQ(sessionInFront, (std::vector<bool>{true, false, true}));
}

TEST_F(AppModelTest, TheBannerNamesTheModeAndSaysWhenThePermissionIsMissing)
{
    model().toggle();
    EXPECT_EQ(banner().title(), QStringLiteral("Direct"));
    EXPECT_EQ(banner().detail(), QStringLiteral("No smoothing: the pointer follows your hand directly"));
    EXPECT_EQ(banner().shortcut(), GlobalHotKey::Shortcut::nextMode());
    model().cycleMode(1);
    EXPECT_EQ(announcements.back(), QStringLiteral("Gentle. Light jitter, almost no delay"));

    permission.trusted = false;
    server.advance(5.0);
    ASSERT_FALSE(model().maySteerPointer());
    model().setWantsOn(false);
    model().cycleMode(1);
    EXPECT_TRUE(model().wantsOn());
    EXPECT_FALSE(model().isOn());
    EXPECT_EQ(banner().title(), QStringLiteral("Gentle"));
    EXPECT_EQ(banner().detail(), permissionNeededText());
    // The missing permission is what the user needs to hear, even after the emergency gesture.
    pressControlFiveTimes();
    EXPECT_EQ(banner().title(), QStringLiteral("Direct"));
    EXPECT_EQ(banner().detail(), permissionNeededText());
}

TEST_F(AppModelTest, HotKeysDriveTheModesAndTakenKeysAreFlagged)
{
    model();
    hotKeys.press(GlobalHotKey::Shortcut::defaultToggle().keyCode, GlobalHotKey::Shortcut::defaultToggle().modifiers);
    EXPECT_FALSE(model().wantsOn());
    hotKeys.press(GlobalHotKey::Shortcut::nextMode().keyCode, GlobalHotKey::Shortcut::nextMode().modifiers);
    EXPECT_EQ(model().presetID(), ID::gentle);
    EXPECT_FALSE(model().shortcutTaken());
    EXPECT_FALSE(model().modeShortcutTaken());
}

TEST_F(AppModelTest, TakenNextModeKeyLeavesPreviousModeUnregistered)
{
    auto next = GlobalHotKey::Shortcut::nextMode();
    auto previous = GlobalHotKey::Shortcut::previousMode();
    hotKeys.holdElsewhere(next.keyCode, next.modifiers);
    EXPECT_TRUE(model().modeShortcutTaken());
    EXPECT_FALSE(model().shortcutTaken());
    EXPECT_FALSE(hotKeys.identifierFor(previous.keyCode, previous.modifiers));
    EXPECT_FALSE(hotKeys.press(previous.keyCode, previous.modifiers));
    // The banner does not offer a key that does not work.
    auto toggle = GlobalHotKey::Shortcut::defaultToggle();
    EXPECT_TRUE(hotKeys.press(toggle.keyCode, toggle.modifiers));
    EXPECT_FALSE(banner().shortcut());
}

TEST_F(AppModelTest, TakenOnOffKeyLeavesTheModeKeysAndTheirKeyCaps)
{
    auto toggle = GlobalHotKey::Shortcut::defaultToggle();
    auto previous = GlobalHotKey::Shortcut::previousMode();
    hotKeys.holdElsewhere(toggle.keyCode, toggle.modifiers);
    EXPECT_TRUE(model().shortcutTaken());
    EXPECT_FALSE(model().modeShortcutTaken());
    EXPECT_TRUE(hotKeys.press(previous.keyCode, previous.modifiers));
    EXPECT_EQ(model().presetID(), ID::gentle);
    EXPECT_EQ(banner().shortcut(), GlobalHotKey::Shortcut::nextMode());
}

TEST_F(AppModelTest, WhatsNewAndFeedbackRouting)
{
    defaults.setString(QStringLiteral("whatsNew.seenVersion"), UpdateController::appVersion() + QStringLiteral("0"));
    EXPECT_TRUE(model().whatsNewUnseen());
    QSignalSpy sections(&model(), &AppModel::sectionChanged);
    model().markWhatsNewSeen();
    EXPECT_FALSE(model().whatsNewUnseen());
    EXPECT_EQ(defaults.string(QStringLiteral("whatsNew.seenVersion")), UpdateController::appVersion());
    EXPECT_FALSE(relaunch().whatsNewUnseen());

    QSignalSpy relaunchedSections(&model(), &AppModel::sectionChanged);
    model().updates().onShowVersionHistory();
    EXPECT_EQ(model().section(), MainSection::whatsNew);
    EXPECT_EQ(relaunchedSections.count(), 1);
    sections.clear();

    model().openFeedback(FeedbackStore::Source::help);
    EXPECT_EQ(model().feedback().source(), FeedbackStore::Source::help);
    EXPECT_EQ(model().section(), MainSection::feedback);
    model().openFeedback(FeedbackStore::Source::help);
    EXPECT_EQ(relaunchedSections.count(), 2);
}

TEST_F(AppModelTest, RequestingThePermissionExplainsOnlyWhenMissing)
{
    model().requestAccessibility();
    EXPECT_EQ(explanations, 0);
    permission.trusted = false;
    model().requestAccessibility();
    EXPECT_EQ(explanations, 1);
}

TEST_F(AppModelTest, OnAFullOrReadOnlyDiskTheModelKeepsEveryChangeAndTheFileStaysWhole)
{
    // The settings' folder on a disk of its own, mounted before the first write.
    SmallDisk disk(directory.path());
    if (!disk.mounted()) {
        GTEST_SKIP() << "mounting a file system needs root";
    }
    model().setPresetID(ID::strong);
    ASSERT_TRUE(defaults.flush());
    QFile file(settingsPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    disk.fill();
    model().setPresetID(ID::gentle);
    model().setClickGuardOn(false);
    EXPECT_FALSE(defaults.flush());
    ASSERT_TRUE(disk.setReadOnly(true));
    model().setWantsOn(false);
    EXPECT_FALSE(defaults.flush());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    file.close();
    EXPECT_EQ(model().presetID(), ID::gentle);
    EXPECT_FALSE(model().clickGuardOn());
    EXPECT_FALSE(model().wantsOn());

    // Room again: the next change writes them all.
    ASSERT_TRUE(disk.setReadOnly(false));
    disk.free();
    model().setWantsOn(true);
    ASSERT_TRUE(defaults.flush());
    const Defaults relaunched(settingsPath());
    EXPECT_EQ(relaunched.string(QStringLiteral("preset")), QStringLiteral("gentle"));
    EXPECT_EQ(relaunched.boolean(QStringLiteral("clickGuard")), false);
    EXPECT_EQ(relaunched.boolean(QStringLiteral("filterOn")), true);
}

TEST_F(AppModelTest, SettingsThatCannotReachTheDiskNowAreKeptForTheNextWrite)
{
    model();
    // Something stands where the settings file goes: writes fail until it is gone.
    ASSERT_TRUE(QDir(directory.path()).mkdir(QStringLiteral("settings.ini")));
    PersonalSetting setting{ID::strong, 2.0, 0.01, 2, 0.8};
    model().applyPersonal(setting);
    ExplainStore::Explanation explanation{QStringLiteral("Steadier"), {QStringLiteral("One")}, setting, 12.5};
    model().explain().setSaved(explanation);
    EXPECT_FALSE(defaults.flush());
    EXPECT_EQ(model().personal(), setting);

    ASSERT_TRUE(QDir(directory.path()).rmdir(QStringLiteral("settings.ini")));
    model().setWantsOn(true);
    ASSERT_TRUE(defaults.flush());
    const QVariantMap file = storedSettings();
    EXPECT_TRUE(file.contains(QStringLiteral("personalSetting")));
    EXPECT_TRUE(file.contains(QString::fromLatin1(ExplainStore::savedKey)));
    EXPECT_EQ(file.value(QStringLiteral("preset")).toString(), QStringLiteral("personal"));
}

TEST_F(AppModelTest, RecordsThatCannotBeWrittenAsJsonRemoveTheirKeyButStayInForce)
{
    PersonalSetting stored{ID::strong, 2.0, 0.01, 2, 0.8};
    model().applyPersonal(stored);
    model().explain().setSaved(ExplainStore::Explanation{QStringLiteral("Steadier"), {}, stored, 12.5});

    PersonalSetting unwritable{ID::gentle, std::nan(""), 0.01, 1, 0.8};
    model().setPersonal(unwritable);
    EXPECT_FALSE(defaults.json(QStringLiteral("personalSetting")));
    ASSERT_TRUE(model().personal());
    EXPECT_EQ(model().personal()->base, ID::gentle);

    const double never = std::numeric_limits<double>::infinity();
    model().explain().setSaved(ExplainStore::Explanation{QStringLiteral("Quicker"), {}, std::nullopt, never});
    EXPECT_FALSE(defaults.json(QString::fromLatin1(ExplainStore::savedKey)));
    ASSERT_TRUE(model().explain().saved());
    EXPECT_EQ(model().explain().saved()->summary, QStringLiteral("Quicker"));
}

TEST_F(AppModelTest, NothingReachesTheModelOnceItIsGone)
{
    permission.trusted = false;
    model().cycleMode(1); // a banner waits to be hidden, the permission to be granted
    forget();
    permission.trusted = true;
    auto toggle = GlobalHotKey::Shortcut::defaultToggle();
    EXPECT_FALSE(hotKeys.press(toggle.keyCode, toggle.modifiers));
    server.changeModifiers({.control = true});
    server.advance(10.0);
    EXPECT_EQ(server.timerCount(), 0u);
    EXPECT_EQ(server.tapCount(), 0u);
    EXPECT_EQ(beeps, 0);
}
