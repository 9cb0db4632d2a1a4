#include <gmock/gmock.h>

#include "X11TestSupport.h"

#include "Backends/X11/X11HotKeys.h"
#include "Backends/X11/X11Keyboard.h"

#include "QuellarineKit/Pointer/GlobalHotKey.h"

#include <X11/XKBlib.h>
#include <X11/Xlib-xcb.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <xcb/xcb.h>

#include <cstdlib>

using namespace quellarine;
using namespace quellarine::x11;
using namespace quellarine::x11::testing;

namespace {

constexpr std::uint32_t keyS = 1;
constexpr std::uint32_t keyM = 46;
constexpr std::uint32_t controlAlt = 0x1800;
constexpr std::uint32_t controlAltShift = 0x1A00;

} // namespace

class X11KeyboardTest : public X11Test {
protected:
    void SetUp() override
    {
        X11Test::SetUp();
        keyboard = std::make_unique<X11Keyboard>(server->displayName().c_str());
        loop->watch(keyboard->fileDescriptor(), [this] { keyboard->processPendingEvents(); });
        keyboard->hotKeys().setHandler([this](std::uint32_t identifier) { fired.push_back(identifier); });
        keyboard->modifierMonitor().setHandler(
            [this](const system::ModifierState& state, double time) { modifiers.emplace_back(state, time); });
    }

    KeyCode keycode(KeySym symbol) const { return XKeysymToKeycode(hand->display(), symbol); }

    void key(KeySym symbol, bool down)
    {
        XTestFakeKeyEvent(hand->display(), keycode(symbol), down ? True : False, CurrentTime);
        XFlush(hand->display());
    }

    // Presses the keys in order and releases them in reverse.
    void type(std::initializer_list<KeySym> symbols)
    {
        for (KeySym symbol : symbols) {
            key(symbol, true);
        }
        for (auto symbol = std::rbegin(symbols); symbol != std::rend(symbols); ++symbol) {
            key(*symbol, false);
        }
    }

    void lock(unsigned mask, bool on)
    {
        XkbLockModifiers(hand->display(), XkbUseCoreKbd, mask, on ? mask : 0);
        XSync(hand->display(), False);
    }

    void TearDown() override
    {
        loop->unwatch(keyboard->fileDescriptor());
        keyboard.reset();
        X11Test::TearDown();
    }

    // Everything the hand typed has reached the keyboard and been handled.
    void quiesceKeyboard()
    {
        XSync(hand->display(), False);
        keyboard->sync();
    }

    std::unique_ptr<X11Keyboard> keyboard;
    std::vector<std::uint32_t> fired;
    std::vector<std::pair<system::ModifierState, double>> modifiers;
};

TEST_F(X11KeyboardTest, AHotKeyFiresOncePerPressAlsoWithCapsLockAndNumLockOn)
{
    ASSERT_EQ(keyboard->hotKeys().registerHotKey(keyS, controlAlt, 7), system::HotKeyHost::noError);
    type({XK_Control_L, XK_Alt_L, XK_s});
    ASSERT_TRUE(runUntil([&] { return fired.size() == 1; }));

    // Held down, the key repeats; the hot key does not.
    key(XK_Control_L, true);
    key(XK_Alt_L, true);
    key(XK_s, true);
    key(XK_s, true);
    key(XK_s, true);
    key(XK_s, false);
    key(XK_Alt_L, false);
    key(XK_Control_L, false);
    quiesceKeyboard();
    EXPECT_EQ(fired.size(), 2u);

    lock(Mod2Mask, true); // Num Lock
    type({XK_Control_L, XK_Alt_L, XK_s});
    ASSERT_TRUE(runUntil([&] { return fired.size() == 3; }));
    lock(LockMask, true); // and Caps Lock
    type({XK_Control_L, XK_Alt_L, XK_s});
    ASSERT_TRUE(runUntil([&] { return fired.size() == 4; }));
    lock(Mod2Mask, false);
    type({XK_Control_L, XK_Alt_L, XK_s});
    ASSERT_TRUE(runUntil([&] { return fired.size() == 5; }));
    EXPECT_THAT(fired, ::testing::Each(7u));

    // Other modifiers make another combination.
    type({XK_Control_L, XK_Alt_L, XK_Shift_L, XK_s});
    type({XK_Control_L, XK_s});
    quiesceKeyboard();
    EXPECT_EQ(fired.size(), 5u);
}

TEST_F(X11KeyboardTest, ACombinationHeldElsewhereIsTakenAndLeavesNothingBehind)
{
    xcb_connection_t* other = XGetXCBConnection(hand->display());
    xcb_window_t root = DefaultRootWindow(hand->display());
    KeyCode m = keycode(XK_m);
    // The other application holds only the Num Lock form of Control-Alt-M.
    auto otherGrab = xcb_grab_key_checked(other, 0, root, ControlMask | Mod1Mask | Mod2Mask, m, XCB_GRAB_MODE_ASYNC,
                                          XCB_GRAB_MODE_ASYNC);
    ASSERT_EQ(xcb_request_check(other, otherGrab), nullptr);

    EXPECT_EQ(keyboard->hotKeys().registerHotKey(keyM, controlAlt, 1), X11HotKeys::taken);
    // Control-Alt-Shift-M is free.
    EXPECT_EQ(keyboard->hotKeys().registerHotKey(keyM, controlAltShift, 2), system::HotKeyHost::noError);

    // What the refused registration had got hold of was given back: the plain form is free for others.
    xcb_ungrab_key(other, m, root, ControlMask | Mod1Mask | Mod2Mask);
    auto plain
        = xcb_grab_key_checked(other, 0, root, ControlMask | Mod1Mask, m, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    xcb_generic_error_t* error = xcb_request_check(other, plain);
    EXPECT_EQ(error, nullptr);
    std::free(error);
}

TEST_F(X11KeyboardTest, ThisProcessCannotHoldACombinationTwice)
{
    ASSERT_EQ(keyboard->hotKeys().registerHotKey(keyS, controlAlt, 1), system::HotKeyHost::noError);
    EXPECT_EQ(keyboard->hotKeys().registerHotKey(keyS, controlAlt, 2), X11HotKeys::taken);
    EXPECT_EQ(keyboard->hotKeys().registerHotKey(keyM, controlAlt, 1), X11HotKeys::invalid); // identifier in use
    EXPECT_EQ(keyboard->hotKeys().registerHotKey(10, controlAlt, 3), X11HotKeys::invalid);   // no such key here
    type({XK_Control_L, XK_Alt_L, XK_s});
    ASSERT_TRUE(runUntil([&] { return fired.size() == 1; }));
    EXPECT_EQ(fired[0], 1u);

    keyboard->hotKeys().unregisterHotKey(1);
    type({XK_Control_L, XK_Alt_L, XK_s});
    quiesceKeyboard();
    EXPECT_EQ(fired.size(), 1u);
    // Free again, also for this process.
    EXPECT_EQ(keyboard->hotKeys().registerHotKey(keyS, controlAlt, 4), system::HotKeyHost::noError);
}

TEST_F(X11KeyboardTest, TheApplicationsHotKeysWorkHere)
{
    GlobalHotKey::Registry registry(keyboard->hotKeys());
    int toggles = 0;
    auto toggle = GlobalHotKey::create(registry, GlobalHotKey::Shortcut::defaultToggle(), [&] { ++toggles; });
    int previous = 0;
    auto previousMode = GlobalHotKey::create(registry, GlobalHotKey::Shortcut::previousMode(), [&] { ++previous; });
    EXPECT_THROW(GlobalHotKey::create(registry, GlobalHotKey::Shortcut::defaultToggle(), [] {}),
                 GlobalHotKey::HotKeyError);

    type({XK_Control_L, XK_Alt_L, XK_s});
    type({XK_Control_L, XK_Alt_L, XK_Shift_L, XK_m});
    ASSERT_TRUE(runUntil([&] { return toggles == 1 && previous == 1; }));
}

TEST(X11HotKeyModifierTest, ShortcutModifiersMapToXModifiers)
{
    EXPECT_EQ(X11HotKeys::xModifiers(0x1800, Mod1Mask, Mod4Mask), unsigned(ControlMask | Mod1Mask));
    EXPECT_EQ(X11HotKeys::xModifiers(0x1B00, Mod1Mask, Mod4Mask),
              unsigned(ControlMask | Mod1Mask | ShiftMask | Mod4Mask));
    EXPECT_EQ(X11HotKeys::xModifiers(0x0400, Mod1Mask, Mod4Mask), 0u); // Caps Lock is not part of a combination
}

TEST_F(X11KeyboardTest, TheLayoutNamesKeysByPosition)
{
    auto& layout = keyboard->keyboardLayout();
    EXPECT_EQ(layout.characterForKeyCode(0), "a");
    EXPECT_EQ(layout.characterForKeyCode(12), "q");
    EXPECT_EQ(layout.characterForKeyCode(49), " ");
    EXPECT_EQ(layout.characterForKeyCode(122), std::nullopt); // F1 prints nothing
    EXPECT_EQ(layout.characterForKeyCode(10), std::nullopt);  // no such key on this keyboard

    GlobalHotKey::Shortcut keyA{0, 0};
    GlobalHotKey::Shortcut::Naming naming(&layout);
    EXPECT_EQ(keyA.keyLabel(naming), "A");

    std::string command = "setxkbmap -display " + server->displayName() + " fr";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(layout.characterForKeyCode(0), "q");
    EXPECT_EQ(layout.characterForKeyCode(12), "a");
    EXPECT_EQ(layout.characterForKeyCode(46), ",");
    EXPECT_EQ(keyA.keyLabel(naming), "Q");
}

TEST_F(X11KeyboardTest, ModifierChangesArriveWithTheirTime)
{
    double before = backend->clock().uptime();
    key(XK_Control_L, true);
    ASSERT_TRUE(runUntil([&] { return modifiers.size() == 1; }));
    key(XK_Control_L, false);
    ASSERT_TRUE(runUntil([&] { return modifiers.size() == 2; }));
    double after = backend->clock().uptime();
    EXPECT_TRUE(modifiers[0].first.control);
    EXPECT_FALSE(modifiers[1].first.control);
    EXPECT_GE(modifiers[0].second, before);
    EXPECT_LE(modifiers[0].second, modifiers[1].second);
    EXPECT_LE(modifiers[1].second, after);

    // The lock keys are not modifiers here.
    type({XK_Caps_Lock});
    type({XK_Num_Lock});
    quiesceKeyboard();
    EXPECT_EQ(modifiers.size(), 2u);

    type({XK_Alt_L});
    type({XK_Super_L});
    type({XK_Shift_L});
    ASSERT_TRUE(runUntil([&] { return modifiers.size() == 8; }));
    EXPECT_TRUE(modifiers[2].first.alt);
    EXPECT_TRUE(modifiers[4].first.super);
    EXPECT_TRUE(modifiers[6].first.shift);
    EXPECT_EQ(modifiers[7].first, system::ModifierState{});
}
