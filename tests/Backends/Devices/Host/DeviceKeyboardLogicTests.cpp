// What the keyboard grant's backend makes of the keys it reads, without a kernel: the modifiers combined over
// keyboards, the hot keys' matching and the layout from the system's configuration. The same types on real
// keyboards are in the kernel scenarios (DeviceKeyboardTests.cpp).
#include "Backends/Devices/DeviceHotKeys.h"
#include "Backends/Devices/DeviceKeyboardLayout.h"
#include "Backends/Devices/HeldModifiers.h"

#include <gtest/gtest.h>

#include <linux/input-event-codes.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace quellarine;
using namespace quellarine::devices;

namespace {

constexpr std::uint32_t controlAlt = 0x1800;
constexpr std::uint32_t controlAltShift = 0x1a00;
constexpr std::uint32_t positionS = 1;
constexpr std::uint32_t positionM = 46;
constexpr std::uint32_t positionA = 0;

// A keyboard configuration file in the system's format, removed when it goes.
class Configuration {
public:
    explicit Configuration(const std::string& text) { std::ofstream(path_) << text; }
    ~Configuration() { std::remove(path_.c_str()); }
    const std::string& path() const { return path_; }

private:
    std::string path_ = ::testing::TempDir() + "keyboard-" + std::to_string(std::random_device()());
};

TEST(HeldModifiersTest, TheCombinedStateIsAlwaysWhatSomeKeyboardStillHolds)
{
    // Random presses, releases, repeats of releases, resets and unplugging over three keyboards, checked against
    // the plain record of which keyboard holds which key.
    const std::uint16_t codes[] = {KEY_LEFTCTRL, KEY_RIGHTCTRL, KEY_LEFTSHIFT, KEY_RIGHTSHIFT,
                                   KEY_LEFTALT,  KEY_RIGHTALT,  KEY_LEFTMETA,  KEY_RIGHTMETA};
    std::mt19937 random(37);
    HeldModifiers held;
    std::set<std::pair<int, std::uint16_t>> down;
    auto expected = [&down] {
        system::ModifierState state;
        for (const auto& [keyboard, code] : down) {
            state.control = state.control || code == KEY_LEFTCTRL || code == KEY_RIGHTCTRL;
            state.shift = state.shift || code == KEY_LEFTSHIFT || code == KEY_RIGHTSHIFT;
            state.alt = state.alt || code == KEY_LEFTALT || code == KEY_RIGHTALT;
            state.super = state.super || code == KEY_LEFTMETA || code == KEY_RIGHTMETA;
        }
        return state;
    };
    for (int step = 0; step < 20000; ++step) {
        const int keyboard = int(random() % 3);
        const std::uint16_t code = codes[random() % 8];
        const system::ModifierState before = expected();
        bool changed = false;
        switch (random() % 8) {
        case 0:
            changed = held.forget(keyboard);
            std::erase_if(down, [keyboard](const auto& entry) { return entry.first == keyboard; });
            break;
        case 1: {
            std::uint8_t mask = static_cast<std::uint8_t>(random() % 256);
            changed = held.reset(keyboard, mask);
            std::erase_if(down, [keyboard](const auto& entry) { return entry.first == keyboard; });
            for (std::uint16_t each : codes) {
                if (mask & HeldModifiers::modifierBit(each)) {
                    down.insert({keyboard, each});
                }
            }
            break;
        }
        case 2:
            // Keys that are no modifiers change nothing.
            changed = held.set(keyboard, KEY_A, true);
            break;
        default:
            if (random() % 2 == 0) {
                changed = held.set(keyboard, code, true);
                down.insert({keyboard, code});
            } else {
                changed = held.set(keyboard, code, false);
                down.erase({keyboard, code});
            }
        }
        ASSERT_EQ(held.state(), expected()) << "step " << step;
        ASSERT_EQ(changed, !(before == expected())) << "step " << step;
    }
}

class DeviceHotKeysTest : public ::testing::Test {
protected:
    DeviceHotKeysTest()
    {
        hotKeys.setHandler([this](std::uint32_t identifier) { fired.push_back(identifier); });
    }

    static system::ModifierState mods(bool control, bool alt, bool shift = false, bool super = false)
    {
        system::ModifierState state;
        state.control = control;
        state.alt = alt;
        state.shift = shift;
        state.super = super;
        return state;
    }

    Configuration configuration{"XKBLAYOUT=\"us\"\n"};
    DeviceKeyboardLayout layout{configuration.path()};
    DeviceHotKeys hotKeys{layout};
    std::vector<std::uint32_t> fired;
};

TEST_F(DeviceHotKeysTest, ACombinationFiresOnceOnItsKeyWithExactlyItsModifiersHeld)
{
    ASSERT_EQ(hotKeys.registerHotKey(positionS, controlAlt, 1), system::HotKeyHost::noError);
    ASSERT_EQ(hotKeys.registerHotKey(positionM, controlAlt, 2), system::HotKeyHost::noError);
    ASSERT_EQ(hotKeys.registerHotKey(positionM, controlAltShift, 3), system::HotKeyHost::noError);
    EXPECT_TRUE(hotKeys.watches(KEY_S));
    EXPECT_TRUE(hotKeys.watches(KEY_M));
    EXPECT_FALSE(hotKeys.watches(KEY_A));

    // Held down: the repeats fire nothing, nor does a second press before the release.
    hotKeys.key(KEY_S, 1, mods(true, true));
    hotKeys.key(KEY_S, 2, mods(true, true));
    hotKeys.key(KEY_S, 2, mods(true, true));
    hotKeys.key(KEY_S, 0, mods(true, true));
    hotKeys.key(KEY_M, 1, mods(true, true));
    hotKeys.key(KEY_M, 0, mods(true, true));
    hotKeys.key(KEY_M, 1, mods(true, true, true));
    hotKeys.key(KEY_M, 0, mods(true, true, true));
    EXPECT_EQ(fired, (std::vector<std::uint32_t>{1, 2, 3}));

    // Fewer or more modifiers are another combination; so is the key alone.
    fired.clear();
    for (const auto& held : {mods(true, false), mods(false, true), mods(true, true, false, true), mods(false, false)}) {
        hotKeys.key(KEY_S, 1, held);
        hotKeys.key(KEY_S, 0, held);
    }
    EXPECT_TRUE(fired.empty());

    // Given back, it fires no more and its key is no longer looked at.
    hotKeys.unregisterHotKey(1);
    hotKeys.key(KEY_S, 1, mods(true, true));
    EXPECT_TRUE(fired.empty());
    EXPECT_FALSE(hotKeys.watches(KEY_S));
}

TEST_F(DeviceHotKeysTest, WhatItCannotServeIsRefusedWithAStatus)
{
    ASSERT_EQ(hotKeys.registerHotKey(positionS, controlAlt, 1), system::HotKeyHost::noError);
    EXPECT_EQ(hotKeys.registerHotKey(positionS, controlAlt, 2), DeviceHotKeys::taken);
    EXPECT_EQ(hotKeys.registerHotKey(positionM, controlAlt, 1), DeviceHotKeys::invalid);
    EXPECT_EQ(hotKeys.registerHotKey(127, controlAlt, 3), DeviceHotKeys::invalid); // no key at that position
    EXPECT_EQ(hotKeys.registerHotKey(positionA, 0, 4), system::HotKeyHost::noError);
}

TEST(DeviceKeyboardLayoutTest, CharactersComeFromTheSystemsConfiguredLayout)
{
    // The configuration as Debian writes it, and as people edit it.
    Configuration french{"# KEYBOARD CONFIGURATION FILE\nXKBMODEL=\"pc105\"\nXKBLAYOUT=\"fr\"\nXKBVARIANT=\"\"\n"};
    Configuration german{"XKBLAYOUT=de,us\n  XKBVARIANT='nodeadkeys,'\n"};
    Configuration unknown{"XKBLAYOUT=\"no-such-layout\"\n"};
    Configuration empty{""};

    EXPECT_EQ(DeviceKeyboardLayout(french.path()).characterForKeyCode(positionA), "q");
    EXPECT_EQ(DeviceKeyboardLayout(french.path()).characterForKeyCode(positionM), ",");
    EXPECT_EQ(DeviceKeyboardLayout(german.path()).characterForKeyCode(16), "z"); // the US Y key
    for (const Configuration* fallback : {&unknown, &empty}) {
        DeviceKeyboardLayout layout(fallback->path());
        EXPECT_EQ(layout.characterForKeyCode(positionA), "a");
        EXPECT_EQ(layout.characterForKeyCode(49), " "); // the space bar's text; the name "Space" is the caller's
        EXPECT_EQ(layout.characterForKeyCode(122), std::nullopt); // F1 prints nothing
    }
    EXPECT_EQ(DeviceKeyboardLayout("/nonexistent/keyboard").characterForKeyCode(positionS), "s");

    // Key positions name the same keys whatever the layout.
    DeviceKeyboardLayout layout(french.path());
    EXPECT_EQ(layout.kernelCode(positionA), KEY_A);
    EXPECT_EQ(layout.kernelCode(positionS), KEY_S);
    EXPECT_EQ(layout.kernelCode(positionM), KEY_M);
    EXPECT_EQ(layout.kernelCode(49), KEY_SPACE);
    EXPECT_EQ(layout.kernelCode(122), KEY_F1);
    EXPECT_EQ(layout.kernelCode(127), std::nullopt);
}

} // namespace
