// What the keyboard grant's backend makes of the keys the device helper passes on, without a kernel: the hot keys'
// matching and the layout from the system's configuration. The same types on real keyboards are in the kernel
// scenarios (DeviceKeyboardTests.cpp).
#include "Backends/Devices/DeviceHotKeys.h"
#include "Backends/Devices/DeviceKeyboardLayout.h"

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

    std::multiset<std::uint16_t> codes() const
    {
        std::multiset<std::uint16_t> codes;
        for (const auto& chord : hotKeys.chords()) {
            codes.insert(chord.code);
        }
        return codes;
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
    EXPECT_EQ(codes(), (std::multiset<std::uint16_t>{KEY_S, KEY_M, KEY_M}));

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
    EXPECT_EQ(codes(), (std::multiset<std::uint16_t>{KEY_M, KEY_M}));
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
