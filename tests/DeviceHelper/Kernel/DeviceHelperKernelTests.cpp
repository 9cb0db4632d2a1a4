// The device helper on a real kernel, as the ordinary user the access was given to (tests/DeviceAccess/
// device-access.sh runs these in the virtual machine, the helper set-group-ID to the group that alone writes
// /dev/uinput, logind's records of the seat faked as they are written).

#include "../HelperConnection.h"

#include "DeviceHelper/Capabilities.h"

#include <gtest/gtest.h>

#include <libevdev/libevdev-uinput.h>
#include <libevdev/libevdev.h>
#include <linux/input.h>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <tuple>
#include <random>
#include <string>
#include <thread>

using namespace quellarine::devicehelper;
using namespace quellarine::devicehelper::testing;

namespace {

constexpr auto deadline = std::chrono::seconds(20);

// The event node of an input device by its kernel name, once udev let this user read it.
int openNodeOf(const std::string& sysName)
{
    const auto until = std::chrono::steady_clock::now() + deadline;
    while (std::chrono::steady_clock::now() < until) {
        const std::string folder = "/sys/class/input/" + sysName;
        if (DIR* directory = opendir(folder.c_str())) {
            std::string node;
            while (dirent* entry = readdir(directory)) {
                if (std::strncmp(entry->d_name, "event", 5) == 0) {
                    node = std::string("/dev/input/") + entry->d_name;
                }
            }
            closedir(directory);
            const int descriptor = node.empty() ? -1 : open(node.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
            if (descriptor >= 0) {
                return descriptor;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return -1;
}

// Every event the node has, as it comes.
std::vector<input_event> drain(int descriptor)
{
    std::vector<input_event> events;
    input_event read[64];
    ssize_t size = 0;
    while ((size = ::read(descriptor, read, sizeof(read))) > 0) {
        events.insert(events.end(), read, read + size / sizeof(input_event));
    }
    return events;
}

// Waits until the node has an event this predicate likes; the events before it are handed to the caller.
template <typename Wanted>
bool readUntil(int descriptor, Wanted wanted, std::vector<input_event>* before = nullptr)
{
    const auto until = std::chrono::steady_clock::now() + deadline;
    while (std::chrono::steady_clock::now() < until) {
        for (const input_event& event : drain(descriptor)) {
            if (wanted(event)) {
                return true;
            }
            if (before != nullptr) {
                before->push_back(event);
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

// Whether an event is a key's: every EV_KEY code but the buttons of mice and pens (told here from the kernel's own
// ranges, not from the helper's list).
bool isKey(const input_event& event)
{
    return event.type == EV_KEY
        && !((event.code >= BTN_MISC && event.code < BTN_JOYSTICK)
             || (event.code >= BTN_DIGI && event.code < BTN_WHEEL));
}

void putInFront(const char* session, uid_t user)
{
    // As logind writes it: a new record renamed over the old one.
    {
        std::ofstream record("/run/systemd/seats/.seat0-test");
        record << "ACTIVE=" << session << "\nACTIVE_UID=" << user << "\n";
    }
    ASSERT_EQ(rename("/run/systemd/seats/.seat0-test", "/run/systemd/seats/seat0"), 0);
}

// No program of the user opens /dev/uinput; the helper, given to the group that may, makes the pointer.
TEST(DeviceHelperKernelTest, OnlyTheHelperMakesDevices)
{
    EXPECT_LT(open("/dev/uinput", O_WRONLY | O_CLOEXEC), 0);
    EXPECT_EQ(errno, EACCES);
    HelperConnection helper;
    EXPECT_NE(helper.create(RequestKind::createPointer), 0u);
    const int node = openNodeOf(helper.lastReply.sysName);
    EXPECT_GE(node, 0);
    close(node);
}

// Requests of every kind with hostile values, to the pointer and to a twin of it, each connection made again after
// the helper ended it: no KEY_* event appears on any device this user can read, and the helper's devices have
// only their own codes.
TEST(DeviceHelperKernelTest, HostileRequestsMakeNoKeyOnAnyDevice)
{
    std::vector<int> bystanders;
    if (DIR* directory = opendir("/dev/input")) {
        while (dirent* entry = readdir(directory)) {
            const std::string node = std::string("/dev/input/") + entry->d_name;
            const int descriptor
                = std::strncmp(entry->d_name, "event", 5) == 0 ? open(node.c_str(), O_RDONLY | O_NONBLOCK) : -1;
            if (descriptor >= 0) {
                bystanders.push_back(descriptor);
            }
        }
        closedir(directory);
    }
    std::mt19937 random(48);
    const std::vector<std::uint16_t> types{EV_SYN, EV_KEY, EV_REL, EV_ABS, EV_MSC, EV_LED, EV_REP, EV_SW, EV_FF};
    const std::vector<std::uint16_t> codes{KEY_A,     KEY_LEFTCTRL, KEY_ENTER, KEY_POWER, BTN_LEFT,
                                           BTN_TOUCH, BTN_TRIGGER,  BTN_SOUTH, REL_X,     REL_WHEEL,
                                           ABS_X,     SYN_REPORT,   0x2ff};
    const Capabilities pointerCapabilities = Capabilities::pointer();
    std::size_t fromOurs = 0;
    // Read while the devices live: a removed device's node gives nothing more.
    auto readOurs = [&](int node) {
        for (const input_event& event : drain(node)) {
            ++fromOurs;
            EXPECT_FALSE(isKey(event)) << "a key: " << event.code;
            EXPECT_TRUE(pointerCapabilities.has(event.type, event.code)) << event.type << ":" << event.code;
        }
    };
    int connections = 0;
    for (int round = 0; round < 20; ++round) {
        HelperConnection helper;
        ++connections;
        const std::uint32_t pointer = helper.create(RequestKind::createPointer);
        ASSERT_NE(pointer, 0u);
        const int pointerNode = openNodeOf(helper.lastReply.sysName);
        ASSERT_GE(pointerNode, 0);
        const std::uint32_t twin = helper.create(RequestKind::createTwin, pointerNode);
        ASSERT_NE(twin, 0u) << "no twin of the pointer";
        const int twinNode = openNodeOf(helper.lastReply.sysName);
        ASSERT_GE(twinNode, 0);
        for (int message = 0; message < 200; ++message) {
            std::vector<Request> requests(1 + random() % 8);
            for (Request& request : requests) {
                // Now and then one that ends the connection: another kind, or a device the helper did not make.
                request.kind = random() % 300 == 0 ? random() % 8 : static_cast<std::uint32_t>(RequestKind::event);
                request.device = random() % 300 == 0 ? random() % 5 : (random() % 2 ? pointer : twin);
                request.type = random() % 4 == 0 ? EV_SYN : types[random() % types.size()];
                request.code = request.type == EV_SYN ? SYN_REPORT : codes[random() % codes.size()];
                request.value = random() % 3 == 0 ? static_cast<std::int32_t>(random()) : 1;
            }
            // Now and then a round trip, which also tells whether the helper still listens.
            if (!helper.send(requests) || (random() % 20 == 0 && helper.create(RequestKind::createPointer) == 0)) {
                break;
            }
            readOurs(pointerNode);
            readOurs(twinNode);
        }
        helper.send({command(RequestKind::releaseAll, pointer)});
        helper.create(RequestKind::createPointer); // a round trip: all before it is written
        readOurs(pointerNode);
        readOurs(twinNode);
        close(pointerNode);
        close(twinNode);
    }
    EXPECT_GE(connections, 20);
    EXPECT_GT(fromOurs, 100u) << "the requests hardly reached the devices";
    for (int bystander : bystanders) {
        for (const input_event& event : drain(bystander)) {
            EXPECT_FALSE(isKey(event)) << "a key: " << event.code;
        }
        close(bystander);
    }
}

// The seat switched to another user's session: the helper lets go of the button held down, writes nothing and makes
// no device; switched back, it writes again.
TEST(DeviceHelperKernelTest, OutOfFrontItHoldsNothingAndWritesNothing)
{
    HelperConnection helper;
    const std::uint32_t pointer = helper.create(RequestKind::createPointer);
    ASSERT_NE(pointer, 0u);
    const int node = openNodeOf(helper.lastReply.sysName);
    ASSERT_GE(node, 0);
    auto is = [](std::uint16_t type, std::uint16_t code, std::int32_t value) {
        return
            [=](const input_event& event) { return event.type == type && event.code == code && event.value == value; };
    };
    ASSERT_TRUE(helper.send({event(pointer, EV_KEY, BTN_LEFT, 1), event(pointer, EV_SYN, SYN_REPORT, 0)}));
    ASSERT_TRUE(readUntil(node, is(EV_KEY, BTN_LEFT, 1)));

    putInFront("c2", getuid() + 1);
    EXPECT_TRUE(readUntil(node, is(EV_KEY, BTN_LEFT, 0))) << "the button stayed down";
    ASSERT_TRUE(helper.send({event(pointer, EV_REL, REL_X, 7), event(pointer, EV_SYN, SYN_REPORT, 0)}));
    // Answered in order: the motion before it was handled while out of front.
    EXPECT_EQ(helper.create(RequestKind::createPointer), 0u);
    EXPECT_EQ(helper.lastReply.value, static_cast<std::uint32_t>(FailureReason::notInFront));

    putInFront("c1", getuid());
    const auto until = std::chrono::steady_clock::now() + deadline;
    std::uint32_t second = 0;
    while (second == 0 && std::chrono::steady_clock::now() < until) {
        second = helper.create(RequestKind::createPointer);
    }
    EXPECT_NE(second, 0u) << "not served again";
    ASSERT_TRUE(helper.send({event(pointer, EV_REL, REL_Y, 3), event(pointer, EV_SYN, SYN_REPORT, 0)}));
    std::vector<input_event> before;
    EXPECT_TRUE(readUntil(node, is(EV_REL, REL_Y, 3), &before));
    for (const input_event& event : before) {
        EXPECT_FALSE(event.type == EV_REL) << "written while out of front";
    }
    close(node);
}

// A user whose session is not the one in front makes nothing.
TEST(DeviceHelperRefusalTest, AUserWithoutTheSessionInFrontIsRefused)
{
    HelperConnection helper;
    EXPECT_EQ(helper.create(RequestKind::createPointer), 0u);
    EXPECT_EQ(helper.lastReply.kind, static_cast<std::uint32_t>(ReplyKind::failed));
    EXPECT_EQ(helper.lastReply.value, static_cast<std::uint32_t>(FailureReason::notInFront));
}

// A twin of a clickpad that is also a keyboard: the same name, ids, properties, axes with their ranges and
// resolutions, and pointing buttons, so that udev (and the compositor's libinput after it) takes it as the touchpad it
// copies; none of the keys; and a frame given to it comes out as it went in. Run as root, who may make the clickpad.
TEST(DeviceHelperTwinTest, ATwinIsTheSameKindOfDeviceWithoutAKey)
{
    using Description = std::unique_ptr<libevdev, decltype(&libevdev_free)>;
    Description pad(libevdev_new(), &libevdev_free);
    libevdev_set_name(pad.get(), "Test Clickpad With Keys");
    libevdev_set_id_bustype(pad.get(), BUS_I2C);
    libevdev_set_id_vendor(pad.get(), 0x06cb);
    libevdev_set_id_product(pad.get(), 0x7e7e);
    libevdev_enable_property(pad.get(), INPUT_PROP_POINTER);
    libevdev_enable_property(pad.get(), INPUT_PROP_BUTTONPAD);
    auto axis = [&](unsigned code, int maximum, int resolution) {
        input_absinfo range{};
        range.maximum = maximum;
        range.resolution = resolution;
        libevdev_enable_event_code(pad.get(), EV_ABS, code, &range);
    };
    axis(ABS_X, 3000, 30);
    axis(ABS_Y, 2000, 31);
    axis(ABS_MT_SLOT, 4, 0);
    axis(ABS_MT_POSITION_X, 3000, 30);
    axis(ABS_MT_POSITION_Y, 2000, 31);
    axis(ABS_MT_TRACKING_ID, 65535, 0);
    for (unsigned code : {BTN_LEFT, BTN_TOUCH, BTN_TOOL_FINGER, BTN_TOOL_DOUBLETAP, BTN_TOOL_TRIPLETAP,
                          BTN_TOOL_QUADTAP, BTN_TOOL_QUINTTAP, KEY_A, KEY_LEFTCTRL, KEY_VOLUMEUP}) {
        libevdev_enable_event_code(pad.get(), EV_KEY, code, nullptr);
    }
    libevdev_enable_event_code(pad.get(), EV_MSC, MSC_TIMESTAMP, nullptr);
    libevdev_uinput* made = nullptr;
    ASSERT_EQ(libevdev_uinput_create_from_device(pad.get(), LIBEVDEV_UINPUT_OPEN_MANAGED, &made), 0) << "run as root";
    std::unique_ptr<libevdev_uinput, decltype(&libevdev_uinput_destroy)> physical(made, &libevdev_uinput_destroy);
    const int physicalNode
        = openNodeOf(libevdev_uinput_get_syspath(physical.get()) + std::strlen("/sys/devices/virtual/input/"));
    ASSERT_GE(physicalNode, 0);

    HelperConnection helper;
    const std::uint32_t twin = helper.create(RequestKind::createTwin, physicalNode);
    ASSERT_NE(twin, 0u);
    const std::string twinName = helper.lastReply.sysName;
    const int twinNode = openNodeOf(twinName);
    ASSERT_GE(twinNode, 0);
    Description original(nullptr, &libevdev_free);
    Description copy(nullptr, &libevdev_free);
    libevdev* read = nullptr;
    ASSERT_EQ(libevdev_new_from_fd(physicalNode, &read), 0);
    original.reset(read);
    ASSERT_EQ(libevdev_new_from_fd(twinNode, &read), 0);
    copy.reset(read);

    EXPECT_STREQ(libevdev_get_name(copy.get()), libevdev_get_name(original.get()));
    EXPECT_EQ(libevdev_get_id_bustype(copy.get()), BUS_I2C);
    EXPECT_EQ(libevdev_get_id_vendor(copy.get()), 0x06cb);
    EXPECT_EQ(libevdev_get_id_product(copy.get()), 0x7e7e);
    for (unsigned property = 0; property < INPUT_PROP_CNT; ++property) {
        EXPECT_EQ(libevdev_has_property(copy.get(), property), libevdev_has_property(original.get(), property));
    }
    for (unsigned code = 0; code < ABS_CNT; ++code) {
        ASSERT_EQ(libevdev_has_event_code(copy.get(), EV_ABS, code),
                  libevdev_has_event_code(original.get(), EV_ABS, code))
            << code;
        if (libevdev_has_event_code(copy.get(), EV_ABS, code)) {
            EXPECT_EQ(libevdev_get_abs_maximum(copy.get(), code), libevdev_get_abs_maximum(original.get(), code));
            EXPECT_EQ(libevdev_get_abs_resolution(copy.get(), code), libevdev_get_abs_resolution(original.get(), code));
        }
    }
    for (unsigned code = 0; code < KEY_CNT; ++code) {
        EXPECT_EQ(libevdev_has_event_code(copy.get(), EV_KEY, code) == 1,
                  isPointingButton(code) && libevdev_has_event_code(original.get(), EV_KEY, code) == 1)
            << code;
    }
    EXPECT_TRUE(libevdev_has_event_code(copy.get(), EV_MSC, MSC_TIMESTAMP));

    const std::vector<Request> touch{event(twin, EV_ABS, ABS_MT_SLOT, 0),
                                     event(twin, EV_ABS, ABS_MT_TRACKING_ID, 5),
                                     event(twin, EV_ABS, ABS_MT_POSITION_X, 1200),
                                     event(twin, EV_ABS, ABS_X, 1200),
                                     event(twin, EV_KEY, BTN_TOUCH, 1),
                                     event(twin, EV_KEY, BTN_TOOL_FINGER, 1),
                                     event(twin, EV_KEY, KEY_A, 1),
                                     event(twin, EV_SYN, SYN_REPORT, 0)};
    ASSERT_TRUE(helper.send(touch));
    std::vector<input_event> frame;
    EXPECT_TRUE(readUntil(
        twinNode, [](const input_event& e) { return e.type == EV_SYN; }, &frame));
    std::vector<std::tuple<int, int, int>> got;
    for (const input_event& e : frame) {
        got.emplace_back(e.type, e.code, e.value);
    }
    // The slot stays where the kernel has it already, so it is not reported again.
    const std::vector<std::tuple<int, int, int>> wanted{{EV_ABS, ABS_MT_TRACKING_ID, 5},
                                                        {EV_ABS, ABS_MT_POSITION_X, 1200},
                                                        {EV_ABS, ABS_X, 1200},
                                                        {EV_KEY, BTN_TOUCH, 1},
                                                        {EV_KEY, BTN_TOOL_FINGER, 1}};
    EXPECT_EQ(got, wanted);

    // udev's view, which the compositor's libinput goes by.
    ASSERT_EQ(std::system("udevadm settle -t 10"), 0);
    const std::string query
        = "udevadm info -q property -p /sys/class/input/" + twinName + " | grep -qx ID_INPUT_TOUCHPAD=1";
    EXPECT_EQ(std::system(query.c_str()), 0) << "udev does not take the twin for a touchpad";
    close(twinNode);
    close(physicalNode);
}

} // namespace
