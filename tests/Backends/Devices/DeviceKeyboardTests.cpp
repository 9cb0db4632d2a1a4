// Scenarios of the keyboards read for hot keys and the emergency gesture, on a real kernel: uinput keyboards type,
// the device helper reads them and the application hears only what it must. scripts/vm/kernel-tests runs them as root,
// as an ordinary user without the keyboards and as one who was given them.
#include "Backends/Devices/DeviceKeyboard.h"
#include "Backends/Devices/DevicesBackend.h"
#include "QuellarineKit/Pointer/EmergencyOff.h"
#include "tests/Backends/Devices/KernelDevices.h"

#include <gtest/gtest.h>

#include <grp.h>
#include <libudev.h>
#include <sys/inotify.h>
#include <sys/wait.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace quellarine;
using namespace quellarine::devices;
using namespace quellarine::devices::testing;

namespace {

constexpr std::uint32_t toggleID = 1;
constexpr std::uint32_t nextID = 2;
constexpr std::uint32_t previousID = 3;

// Whether this run may read the keyboards: the script says so (root, or the keyboards' group); by default it may.
bool grantExpected()
{
    const char* expected = std::getenv("QUELLARINE_KEYBOARD_GRANT");
    return expected == nullptr || std::string(expected) != "absent";
}

DeviceKeyboard::Options options()
{
    return {.layoutConfiguration = "/etc/default/keyboard", .helperPath = QUELLARINE_DEVICE_HELPER};
}

void settleUdev()
{
    ASSERT_EQ(std::system("udevadm settle -t 10"), 0);
}

// The event nodes of every keyboard udev knows of.
std::vector<std::string> keyboardNodes()
{
    std::vector<std::string> nodes;
    udev* context = udev_new();
    udev_enumerate* enumeration = udev_enumerate_new(context);
    udev_enumerate_add_match_subsystem(enumeration, "input");
    udev_enumerate_add_match_property(enumeration, "ID_INPUT_KEYBOARD", "1");
    udev_enumerate_scan_devices(enumeration);
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumeration))
    {
        udev_device* device = udev_device_new_from_syspath(context, udev_list_entry_get_name(entry));
        const char* node = device != nullptr ? udev_device_get_devnode(device) : nullptr;
        if (node != nullptr && std::string_view(udev_device_get_sysname(device)).starts_with("event")) {
            nodes.emplace_back(node);
        }
        if (device != nullptr) {
            udev_device_unref(device);
        }
    }
    udev_enumerate_unref(enumeration);
    udev_unref(context);
    return nodes;
}

class DeviceKeyboardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!grantExpected()) {
            GTEST_SKIP() << "this run is not given the keyboards";
        }
        typist = std::make_unique<UinputKeyboard>();
        settleUdev();
        keyboard = std::make_unique<DeviceKeyboard>(options());
        ASSERT_GE(keyboard->keyboards(), 1u);
        keyboard->hotKeys().setHandler([this](std::uint32_t identifier) { fired.push_back(identifier); });
        keyboard->modifierMonitor().setHandler([this](const system::ModifierState& state, double time) {
            if (state.shift && !last.shift) {
                ++shiftPresses;
            }
            last = state;
            changes.push_back(time);
            if (emergency.modifiersChanged(state.control, state.shift || state.alt || state.super, time)) {
                ++gestures;
            }
        });
        // The application's three combinations.
        ASSERT_EQ(keyboard->hotKeys().registerHotKey(1, 0x1800, toggleID), system::HotKeyHost::noError);
        ASSERT_EQ(keyboard->hotKeys().registerHotKey(46, 0x1800, nextID), system::HotKeyHost::noError);
        ASSERT_EQ(keyboard->hotKeys().registerHotKey(46, 0x1a00, previousID), system::HotKeyHost::noError);
    }

    bool runUntil(const std::function<bool()>& done, double seconds = 10)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            pollfd entry{keyboard->fileDescriptor(), POLLIN, 0};
            poll(&entry, 1, 20);
            keyboard->processPendingEvents();
        }
        return true;
    }

    // Reads what came so far, as an application does between a person's keystrokes (the kernel keeps a few dozen
    // events for a reader; more typed at once in no time would overflow it, as no hand does).
    void pump()
    {
        pollfd entry{keyboard->fileDescriptor(), POLLIN, 0};
        poll(&entry, 1, 5);
        keyboard->processPendingEvents();
    }

    // Until everything this keyboard typed so far has been heard: Shift typed as a marker.
    void sync(UinputKeyboard& keys)
    {
        const int before = shiftPresses;
        keys.tap(KEY_LEFTSHIFT);
        ASSERT_TRUE(runUntil([&] { return shiftPresses > before && !last.shift; }));
    }

    std::unique_ptr<UinputKeyboard> typist;
    std::unique_ptr<DeviceKeyboard> keyboard;
    std::vector<std::uint32_t> fired;
    std::vector<double> changes;
    system::ModifierState last;
    int shiftPresses = 0;
    EmergencyOff emergency{5, 3.0};
    int gestures = 0;
};

TEST_F(DeviceKeyboardTest, OrdinaryTypingDoesNothingWhileTheChordsAndFiveCtrlPressesDo)
{
    // Text, Ctrl with other keys, Ctrl held and repeating, near misses of the combinations.
    for (int letter : {KEY_H, KEY_E, KEY_L, KEY_L, KEY_O, KEY_SPACE, KEY_M, KEY_S}) {
        typist->tap(letter);
        pump();
    }
    typist->chord({KEY_LEFTCTRL}, KEY_C);
    pump();
    typist->chord({KEY_LEFTCTRL}, KEY_V);
    pump();
    typist->key(KEY_LEFTCTRL, 1);
    for (int repeat = 0; repeat < 8; ++repeat) {
        typist->key(KEY_LEFTCTRL, 2);
        pump();
    }
    typist->key(KEY_LEFTCTRL, 0);
    pump();
    typist->chord({KEY_LEFTCTRL}, KEY_S);
    pump();
    typist->chord({KEY_LEFTALT}, KEY_S);
    pump();
    typist->chord({KEY_LEFTCTRL, KEY_LEFTALT}, KEY_X);
    pump();
    typist->chord({KEY_LEFTCTRL, KEY_LEFTALT, KEY_LEFTSHIFT}, KEY_S);
    pump();
    typist->chord({KEY_LEFTMETA, KEY_LEFTCTRL, KEY_LEFTALT}, KEY_S);
    pump();
    typist->chord({KEY_LEFTSHIFT}, KEY_M);
    pump();
    sync(*typist);
    EXPECT_TRUE(fired.empty());
    EXPECT_EQ(gestures, 0);

    // The three combinations, with either hand's modifiers; a held key fires once.
    typist->key(KEY_LEFTCTRL, 1);
    typist->key(KEY_LEFTALT, 1);
    typist->key(KEY_S, 1);
    for (int repeat = 0; repeat < 5; ++repeat) {
        typist->key(KEY_S, 2);
        pump();
    }
    typist->key(KEY_S, 0);
    pump();
    typist->key(KEY_LEFTALT, 0);
    typist->key(KEY_LEFTCTRL, 0);
    pump();
    typist->chord({KEY_LEFTCTRL, KEY_LEFTALT}, KEY_M);
    pump();
    typist->chord({KEY_LEFTCTRL, KEY_LEFTALT, KEY_LEFTSHIFT}, KEY_M);
    pump();
    typist->chord({KEY_RIGHTCTRL, KEY_RIGHTALT}, KEY_M);
    pump();
    sync(*typist);
    EXPECT_EQ(fired, (std::vector<std::uint32_t>{toggleID, nextID, previousID, nextID}));

    // Four presses of Ctrl are not the gesture; the fifth is.
    for (int press = 0; press < 4; ++press) {
        typist->tap(KEY_LEFTCTRL);
    }
    const std::size_t before = changes.size();
    ASSERT_TRUE(runUntil([&] { return changes.size() == before + 8; }));
    EXPECT_EQ(gestures, 0);
    typist->tap(KEY_RIGHTCTRL);
    ASSERT_TRUE(runUntil([&] { return gestures == 1; }));
    EXPECT_EQ(fired.size(), 4u);
}

TEST_F(DeviceKeyboardTest, ModifierChangesCarryTheTimeTheKeyMovedHoweverLateTheyAreRead)
{
    // Another reader of the same keyboard, on the same clock, tells when each key moved.
    const std::string node = eventNodeOf(typist->sysName());
    ASSERT_FALSE(node.empty());
    EvdevReader bystander(node);
    int monotonic = CLOCK_MONOTONIC;
    ASSERT_EQ(ioctl(bystander.fileDescriptor(), EVIOCSCLOCKID, &monotonic), 0);

    for (int press = 0; press < 5; ++press) {
        typist->tap(KEY_LEFTCTRL);
    }
    // A busy application reads them late.
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const double readAt = double(now.tv_sec) + double(now.tv_nsec) / 1e9;
    ASSERT_TRUE(runUntil([&] { return changes.size() == 10; }));
    bystander.collect();
    ASSERT_EQ(bystander.frames().size(), 10u);
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_DOUBLE_EQ(changes[i], bystander.frames()[i].time) << i;
        EXPECT_LT(changes[i], readAt - 0.3) << i;
    }
    EXPECT_EQ(gestures, 1);
}

TEST_F(DeviceKeyboardTest, ModifiersHeldWhileTheKernelDroppedEventsAreReadAfresh)
{
    ASSERT_NO_FATAL_FAILURE(sync(*typist));
    // Ctrl goes down, then more is typed than the kernel keeps for a reader that reads nothing meanwhile: the press
    // itself is among what it drops.
    typist->key(KEY_LEFTCTRL, 1);
    for (int i = 0; i < 100; ++i) {
        typist->tap(KEY_A);
    }
    ASSERT_TRUE(runUntil([&] { return last.control; })) << "Ctrl is held, whatever was dropped";
    typist->key(KEY_LEFTCTRL, 0);
    ASSERT_TRUE(runUntil([&] { return !last.control; }));
}

TEST_F(DeviceKeyboardTest, TwoKeyboardsShareTheModifiersAndOneUnpluggedLetsGoOfItsCtrl)
{
    const std::size_t alone = keyboard->keyboards();
    auto second = std::make_unique<UinputKeyboard>("Quellarine second test keyboard");
    ASSERT_TRUE(runUntil([&] { return keyboard->keyboards() == alone + 1; })) << "a keyboard plugged in is heard";

    // Ctrl on both, let go in either order: up only when neither holds it.
    for (bool firstLetsGoFirst : {true, false}) {
        changes.clear();
        typist->key(KEY_LEFTCTRL, 1);
        second->key(KEY_LEFTCTRL, 1);
        (firstLetsGoFirst ? *typist : *second).key(KEY_LEFTCTRL, 0);
        sync(*second);
        EXPECT_TRUE(last.control);
        (firstLetsGoFirst ? *second : *typist).key(KEY_LEFTCTRL, 0);
        ASSERT_TRUE(runUntil([&] { return !last.control; }));
    }

    // A combination whose keys are on two keyboards.
    typist->key(KEY_LEFTCTRL, 1);
    second->chord({KEY_LEFTALT}, KEY_S);
    typist->key(KEY_LEFTCTRL, 0);
    sync(*typist);
    EXPECT_EQ(fired, std::vector<std::uint32_t>{toggleID});

    // Unplugged while Ctrl is down on it: Ctrl comes up.
    second->key(KEY_LEFTCTRL, 1);
    ASSERT_TRUE(runUntil([&] { return last.control; }));
    second->unplug();
    ASSERT_TRUE(runUntil([&] { return !last.control; }));
    ASSERT_TRUE(runUntil([&] { return keyboard->keyboards() == alone; }));
    // And nothing of it lingers: a Ctrl typed on the other keyboard is one whole press.
    typist->key(KEY_LEFTCTRL, 1);
    ASSERT_TRUE(runUntil([&] { return last.control; }));
    typist->key(KEY_LEFTCTRL, 0);
    ASSERT_TRUE(runUntil([&] { return !last.control; }));
}

TEST_F(DeviceKeyboardTest, WhileAnotherSessionIsInFrontNoKeyboardIsReadAndAHeldCtrlComesUp)
{
    typist->key(KEY_LEFTCTRL, 1);
    ASSERT_TRUE(runUntil([&] { return last.control; }));
    const std::size_t open = keyboard->keyboards();
    keyboard->setReading(false);
    EXPECT_EQ(keyboard->keyboards(), 0u);
    EXPECT_FALSE(last.control) << "a Ctrl the other user lets go of must not stay down for us";

    // The other user types, and plugs in a keyboard: none of it reaches us.
    typist->key(KEY_LEFTCTRL, 0);
    typist->chord({KEY_LEFTCTRL, KEY_LEFTALT}, KEY_S);
    auto second = std::make_unique<UinputKeyboard>("Quellarine second test keyboard");
    settleUdev();
    for (int round = 0; round < 10; ++round) {
        pump();
    }
    EXPECT_EQ(keyboard->keyboards(), 0u);
    EXPECT_TRUE(fired.empty());

    // Our session in front again: every keyboard there is now is read.
    keyboard->setReading(true);
    EXPECT_EQ(keyboard->keyboards(), open + 1);
    second->chord({KEY_LEFTCTRL, KEY_LEFTALT}, KEY_S);
    sync(*second);
    EXPECT_EQ(fired, std::vector<std::uint32_t>{toggleID});
}

// The keyboard nodes opened while `work` runs in a child process as the ordinary user 4242 who has only the
// pointing devices' group (or as root); the child's answer is its exit status. Watched from outside (inotify, as
// root), so that a node opened and closed at once is seen as well.
std::vector<std::string> keyboardsOpenedBy(const std::function<int()>& work, int& answer, bool dropPrivileges)
{
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    std::map<int, std::string> nodes;
    for (const std::string& node : keyboardNodes()) {
        nodes[inotify_add_watch(watch, node.c_str(), IN_OPEN)] = node;
    }
    const pid_t child = fork();
    if (child == 0) {
        if (dropPrivileges) {
            const group* pointing = getgrnam(std::getenv("QUELLARINE_POINTING_GROUP"));
            const gid_t groups[] = {pointing != nullptr ? pointing->gr_gid : 0};
            if (pointing == nullptr || setgroups(1, groups) != 0 || setresgid(4242, 4242, 4242) != 0
                || setresuid(4242, 4242, 4242) != 0) {
                _exit(99);
            }
        }
        _exit(work());
    }
    int status = 0;
    waitpid(child, &status, 0);
    answer = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::vector<std::string> opened;
    alignas(inotify_event) char buffer[4096];
    ssize_t got = 0;
    while ((got = read(watch, buffer, sizeof buffer)) > 0) {
        for (char* at = buffer; at < buffer + got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            if (event->mask & IN_OPEN) {
                opened.push_back(nodes[event->wd]);
            }
            at += sizeof(inotify_event) + event->len;
        }
    }
    close(watch);
    return opened;
}

TEST(KeyboardGrantTest, WithoutTheGrantNoKeyboardIsEverOpened)
{
    if (geteuid() != 0 || std::getenv("QUELLARINE_POINTING_GROUP") == nullptr) {
        GTEST_SKIP() << "watching another user's opens needs root";
    }
    UinputKeyboard keys;
    settleUdev();

    // As the application does: ask, and read the keyboards only when granted; the pointer meanwhile takes the
    // pointing devices, which it may.
    auto application = [] {
        const bool granted = DeviceKeyboard::accessGranted(QUELLARINE_DEVICE_HELPER);
        std::unique_ptr<DeviceKeyboard> keyboard;
        if (granted) {
            keyboard = std::make_unique<DeviceKeyboard>(options());
        }
        DevicesBackend backend({.helperPath = QUELLARINE_DEVICE_HELPER, .log = {}});
        for (int round = 0; round < 20; ++round) {
            backend.processPendingEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return (granted ? 1 : 0) | (backend.maySteerPointer() ? 2 : 0);
    };
    int answer = -1;
    EXPECT_EQ(keyboardsOpenedBy(application, answer, true), std::vector<std::string>{});
    EXPECT_EQ(answer, 2) << "not granted, and steadying all the same";

    // The watch sees opens: with the grant (root has it) the keyboards are read.
    EXPECT_FALSE(keyboardsOpenedBy(application, answer, false).empty());
    EXPECT_EQ(answer, 3);
}

TEST(KeyboardGrantTest, TheGrantIsFoundAsThisRunExpects)
{
    UinputKeyboard keys;
    settleUdev();
    EXPECT_EQ(DeviceKeyboard::accessGranted(QUELLARINE_DEVICE_HELPER), grantExpected());
}

} // namespace
