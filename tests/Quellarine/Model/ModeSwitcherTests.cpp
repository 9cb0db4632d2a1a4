#include "Quellarine/Model/ModeSwitcher.h"

#include "Backends/Sim/SimulatedHotKeys.h"
#include "Backends/Sim/SimulatedWindowServer.h"

#include "LaterHotKeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace quellarine {
namespace {

using ID = FilterPreset::ID;
using KeyState = ModeSwitcher::KeyState;
using Shortcut = GlobalHotKey::Shortcut;

// The model's side as the switcher sees it.
class Target final : public ModeSwitcher::Target {
public:
    bool wantsOn() const override { return wantsOn_; }
    void setWantsOn(bool value) override { wantsOn_ = value; }
    FilterPreset activePreset() const override
    {
        return presetID == ID::personal ? personal_->preset().value_or(FilterPreset::balanced())
                                        : FilterPreset::builtIn(presetID).value_or(FilterPreset::balanced());
    }
    void setPresetID(ID value) override { presetID = value; }
    const std::optional<PersonalSetting>& personal() const override { return personal_; }
    bool maySteerPointer() const override { return true; }
    void setEmergencyNotice(bool value) override { notice = value; }

    ModeSwitcher::Mode mode() const { return wantsOn_ ? ModeSwitcher::Mode(activePreset().id) : std::nullopt; }

    bool wantsOn_ = true;
    ID presetID = ID::balanced;
    std::optional<PersonalSetting> personal_;
    bool notice = false;
};

struct Shown {
    QString title;
    QString detail;
    std::optional<Shortcut> shortcut;
};

class RecordingDisplay final : public ModeDisplay {
public:
    explicit RecordingDisplay(std::vector<Shown>& shown)
        : shown_(shown)
    {
    }
    void show(const QString& title, const QString& detail, std::optional<Shortcut> shortcut) override
    {
        shown_.push_back({title, detail, shortcut});
    }

private:
    std::vector<Shown>& shown_;
};

class ModeSwitcherTest : public ::testing::Test {
protected:
    ModeSwitcher& make(system::HotKeyHost& host, KeySource keys = {})
    {
        switcher.emplace(target,
                         ModeSwitcher::Environment{
                             .hotKeys = host,
                             .modifiers = server,
                             .keys = keys,
                             .beep = [this] { ++beeps; },
                             .overlay = std::make_unique<RecordingDisplay>(shown),
                         });
        return *switcher;
    }

    void press(const Shortcut& shortcut) { hotKeys.press(shortcut.keyCode, shortcut.modifiers); }

    void pressControlFiveTimes()
    {
        for (int press = 0; press < 5; ++press) {
            server.changeModifiers({.control = true});
            server.advance(0.1);
            server.changeModifiers({});
            server.advance(0.1);
        }
    }

    sim::SimulatedWindowServer server;
    sim::SimulatedHotKeys hotKeys;
    testing::LaterHotKeys later;
    Target target;
    std::vector<Shown> shown;
    int beeps = 0;
    std::optional<ModeSwitcher> switcher;
};

} // namespace

TEST_F(ModeSwitcherTest, AnyRunOfKeyPressesStepsThroughTheModesInOrderAndTheBannerNamesEachOne)
{
    target.personal_ = PersonalSetting{ID::balanced, 2.5, 0.008, 2, 0.9};
    ModeSwitcher& modes = make(hotKeys);
    const auto all = modes.availableModes();
    ASSERT_EQ(all.size(), FilterPreset::builtIn().size() + 2);
    std::mt19937 random(37);
    for (int step = 0; step < 400; ++step) {
        const auto before = target.mode();
        const auto at = std::find(all.begin(), all.end(), before) - all.begin();
        const int count = static_cast<int>(all.size());
        const std::size_t shownBefore = shown.size();
        switch (random() % 3) {
        case 0:
            press(Shortcut::nextMode());
            EXPECT_EQ(target.mode(), all[static_cast<std::size_t>((at + 1) % count)]);
            break;
        case 1:
            press(Shortcut::previousMode());
            EXPECT_EQ(target.mode(), all[static_cast<std::size_t>((at + count - 1) % count)]);
            break;
        default:
            press(Shortcut::defaultToggle());
            EXPECT_EQ(target.wantsOn_, !before.has_value());
            break;
        }
        ASSERT_EQ(shown.size(), shownBefore + 1);
        EXPECT_EQ(shown.back().title == ModeSwitcher::tr("Direct"), !target.wantsOn_);
        EXPECT_EQ(shown.back().shortcut, Shortcut::nextMode());
    }
}

TEST_F(ModeSwitcherTest, WhereNothingHearsTheKeysNoneIsRegisteredAndNoneClaimedToWork)
{
    ModeSwitcher& modes = make(hotKeys, KeySource::choose(false, false, false));
    for (const auto& shortcut : {Shortcut::defaultToggle(), Shortcut::nextMode(), Shortcut::previousMode()}) {
        EXPECT_FALSE(hotKeys.identifierFor(shortcut.keyCode, shortcut.modifiers));
        EXPECT_EQ(modes.state(shortcut), KeyState::unavailable);
    }
    EXPECT_FALSE(modes.shortcutTaken());
    EXPECT_FALSE(modes.modeShortcutTaken());
    pressControlFiveTimes();
    EXPECT_TRUE(target.wantsOn_);
    modes.toggle();
    ASSERT_FALSE(shown.empty());
    EXPECT_FALSE(shown.back().shortcut);
}

TEST_F(ModeSwitcherTest, AGrantGivenWhileItRunsMakesTheKeysWorkAndTakingItBackSaysSo)
{
    ModeSwitcher& modes = make(hotKeys, KeySource::choose(false, false, false));
    int changes = 0;
    QObject::connect(&modes, &ModeSwitcher::keysChanged, [&] { ++changes; });
    modes.setKeys(KeySource::choose(false, false, true));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(modes.toggleState(), KeyState::active);
    EXPECT_EQ(modes.modeState(), KeyState::active);
    press(Shortcut::defaultToggle());
    EXPECT_FALSE(target.wantsOn_);
    pressControlFiveTimes();
    press(Shortcut::defaultToggle());
    pressControlFiveTimes();
    EXPECT_FALSE(target.wantsOn_) << "the gesture is heard with the grant";

    modes.setKeys(KeySource::choose(false, false, false));
    EXPECT_EQ(modes.toggleState(), KeyState::unavailable);
    EXPECT_EQ(modes.modeState(), KeyState::unavailable);
    // Given again: the registrations stand, none is made twice.
    modes.setKeys(KeySource::choose(false, false, true));
    EXPECT_EQ(modes.toggleState(), KeyState::active);
    press(Shortcut::defaultToggle());
    EXPECT_TRUE(target.wantsOn_);
    EXPECT_EQ(changes, 3);
}

TEST_F(ModeSwitcherTest, TheEmergencyGestureIsHeardOnlyWhereTheModifiersAre)
{
    make(hotKeys, KeySource::choose(false, true, false));
    pressControlFiveTimes();
    EXPECT_TRUE(target.wantsOn_);
    switcher.reset();
    make(hotKeys, KeySource::choose(true, true, false));
    pressControlFiveTimes();
    EXPECT_FALSE(target.wantsOn_);
    EXPECT_TRUE(target.notice);
    EXPECT_EQ(beeps, 1);
}

TEST_F(ModeSwitcherTest, TheDesktopsLaterAnswersDecideWhatTheViewsAndTheBannerSay)
{
    testing::LaterHotKeys& host = later;
    ModeSwitcher& modes = make(host, KeySource::choose(false, true, false));
    int changes = 0;
    QObject::connect(&modes, &ModeSwitcher::keysChanged, [&] { ++changes; });
    EXPECT_EQ(host.registered.size(), 3u);
    EXPECT_EQ(modes.toggleState(), KeyState::waiting);
    EXPECT_EQ(modes.modeState(), KeyState::waiting);
    modes.toggle();
    EXPECT_FALSE(shown.back().shortcut) << "no keys are drawn before the desktop gave them";

    host.answer(Shortcut::nextMode(), false, "Super+F9");
    host.answer(Shortcut::previousMode(), false, "Super+Shift+F9");
    host.answer(Shortcut::defaultToggle(), true, "");
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(modes.modeState(), KeyState::active);
    EXPECT_EQ(modes.assignedKeys(Shortcut::nextMode()), QStringLiteral("Super+F9"));
    EXPECT_EQ(modes.toggleState(), KeyState::refused);
    EXPECT_FALSE(modes.shortcutTaken()) << "refused by the desktop is not taken by another app";
    modes.toggle();
    EXPECT_FALSE(shown.back().shortcut) << "the desktop's keys are not the ones the caps would draw";

    host.press(Shortcut::nextMode());
    EXPECT_TRUE(target.wantsOn_);
    // The same answer again changes nothing.
    host.answer(Shortcut::nextMode(), false, "Super+F9");
    EXPECT_EQ(changes, 3);

    // The mode keys are said to work only while both do: either one refused makes them refused.
    host.answer(Shortcut::previousMode(), true, "");
    EXPECT_EQ(modes.modeState(), KeyState::refused);
    host.answer(Shortcut::previousMode(), false, "Super+Shift+F9");
    host.answer(Shortcut::nextMode(), true, "");
    EXPECT_EQ(modes.modeState(), KeyState::refused);
    host.answer(Shortcut::nextMode(), false, "Super+F9");
    EXPECT_EQ(modes.modeState(), KeyState::active);
}

TEST(KeySourceTest, EachSessionGetsTheOneSourceThatHearsItsKeys)
{
    using HotKeys = KeySource::HotKeys;
    for (bool portal : {false, true}) {
        for (bool grant : {false, true}) {
            EXPECT_EQ(KeySource::choose(true, portal, grant), (KeySource{HotKeys::x11, true}));
        }
    }
    EXPECT_EQ(KeySource::choose(false, true, false), (KeySource{HotKeys::desktopShortcuts, false}));
    EXPECT_EQ(KeySource::choose(false, true, true), (KeySource{HotKeys::desktopShortcuts, true}));
    EXPECT_EQ(KeySource::choose(false, false, true), (KeySource{HotKeys::keyboardGrant, true}));
    EXPECT_EQ(KeySource::choose(false, false, false), (KeySource{HotKeys::none, false}));
}

} // namespace quellarine
