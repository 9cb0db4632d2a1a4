#include "DeviceHelper/Capabilities.h"

#include <libevdev/libevdev.h>

#include <gtest/gtest.h>

#include <memory>

using namespace quellarine::devicehelper;

namespace {

using Description = std::unique_ptr<libevdev, decltype(&libevdev_free)>;

Description describe(const char* name)
{
    Description device(libevdev_new(), &libevdev_free);
    libevdev_set_name(device.get(), name);
    return device;
}

void enableAxis(libevdev* device, unsigned code, int minimum, int maximum, int resolution)
{
    input_absinfo range{};
    range.minimum = minimum;
    range.maximum = maximum;
    range.resolution = resolution;
    libevdev_enable_event_code(device, EV_ABS, code, &range);
}

// No code the devices we make may have can type, and every pointing button can be made.
TEST(CapabilitiesTest, OnlyPointingButtonsAndNeverAKey)
{
    for (unsigned code = 0; code < KEY_CNT; ++code) {
        const bool mouseOrPen = (code >= BTN_MISC && code < BTN_JOYSTICK) || (code >= BTN_DIGI && code < BTN_WHEEL);
        EXPECT_TRUE(!isPointingButton(code) || mouseOrPen) << code;
    }
    for (unsigned code : {BTN_0,        BTN_9,           BTN_LEFT,           BTN_RIGHT,          BTN_MIDDLE,
                          BTN_SIDE,     BTN_EXTRA,       BTN_FORWARD,        BTN_BACK,           BTN_TASK,
                          BTN_TOOL_PEN, BTN_TOOL_RUBBER, BTN_TOOL_FINGER,    BTN_TOOL_QUINTTAP,  BTN_TOUCH,
                          BTN_STYLUS,   BTN_STYLUS2,     BTN_TOOL_DOUBLETAP, BTN_TOOL_TRIPLETAP, BTN_TOOL_QUADTAP}) {
        EXPECT_TRUE(isPointingButton(code)) << code;
    }
    const Capabilities pointer = Capabilities::pointer();
    for (unsigned code = 0; code < KEY_CNT; ++code) {
        EXPECT_EQ(pointer.has(EV_KEY, static_cast<std::uint16_t>(code)), code >= BTN_LEFT && code <= BTN_TASK);
    }
    EXPECT_TRUE(pointer.has(EV_REL, REL_WHEEL_HI_RES));
    EXPECT_FALSE(pointer.has(EV_ABS, ABS_X));
    EXPECT_FALSE(pointer.has(EV_MSC, MSC_TIMESTAMP));
    EXPECT_FALSE(pointer.has(EV_SYN, SYN_DROPPED));
    EXPECT_FALSE(pointer.has(EV_LED, LED_CAPSL));
}

// A touchpad that is also a keyboard (as some wireless combinations are) is twinned as the touchpad it is, with
// its name, ids, properties, axes, ranges and resolutions, its clicks and touches, and none of its keys.
TEST(CapabilitiesTest, TwinKeepsThePointingPartWithItsAxesAndDropsEveryKey)
{
    Description device = describe("Combo Touchpad Keyboard");
    libevdev_set_id_bustype(device.get(), BUS_USB);
    libevdev_set_id_vendor(device.get(), 0x1234);
    libevdev_set_id_product(device.get(), 0x5678);
    libevdev_enable_property(device.get(), INPUT_PROP_POINTER);
    libevdev_enable_property(device.get(), INPUT_PROP_BUTTONPAD);
    enableAxis(device.get(), ABS_X, 0, 3000, 30);
    enableAxis(device.get(), ABS_Y, 0, 2000, 31);
    enableAxis(device.get(), ABS_MT_SLOT, 0, 4, 0);
    enableAxis(device.get(), ABS_MT_POSITION_X, 0, 3000, 30);
    enableAxis(device.get(), ABS_MT_TRACKING_ID, 0, 65535, 0);
    for (unsigned code : {BTN_LEFT, BTN_TOUCH, BTN_TOOL_FINGER, BTN_TOOL_QUINTTAP, KEY_A, KEY_ENTER, KEY_LEFTCTRL,
                          KEY_VOLUMEUP, BTN_TRIGGER, BTN_SOUTH, KEY_MACRO1}) {
        libevdev_enable_event_code(device.get(), EV_KEY, code, nullptr);
    }
    libevdev_enable_event_code(device.get(), EV_MSC, MSC_TIMESTAMP, nullptr);
    libevdev_enable_event_code(device.get(), EV_MSC, MSC_SCAN, nullptr);
    libevdev_enable_event_code(device.get(), EV_LED, LED_CAPSL, nullptr);

    const std::optional<Capabilities> twin = Capabilities::twinOf(device.get());
    ASSERT_TRUE(twin);
    EXPECT_EQ(twin->name, "Combo Touchpad Keyboard");
    EXPECT_EQ(twin->bus, BUS_USB);
    EXPECT_EQ(twin->vendor, 0x1234);
    EXPECT_EQ(twin->product, 0x5678);
    EXPECT_TRUE(twin->properties.test(INPUT_PROP_POINTER));
    EXPECT_TRUE(twin->properties.test(INPUT_PROP_BUTTONPAD));
    EXPECT_EQ(twin->absolute.count(), 5u);
    EXPECT_EQ(twin->ranges[ABS_X].maximum, 3000);
    EXPECT_EQ(twin->ranges[ABS_Y].resolution, 31);
    EXPECT_EQ(twin->ranges[ABS_MT_SLOT].maximum, 4);
    EXPECT_TRUE(twin->relative.none());
    EXPECT_TRUE(twin->timestamps);
    std::bitset<KEY_CNT> kept;
    for (unsigned code : {BTN_LEFT, BTN_TOUCH, BTN_TOOL_FINGER, BTN_TOOL_QUINTTAP}) {
        kept.set(code);
    }
    EXPECT_EQ(twin->buttons, kept);
    EXPECT_FALSE(twin->has(EV_MSC, MSC_SCAN));
    EXPECT_FALSE(twin->has(EV_LED, LED_CAPSL));
}

// A keyboard, a joystick and an accelerometer point at nothing: no twin is made of them.
TEST(CapabilitiesTest, NoTwinOfWhatDoesNotPoint)
{
    Description keyboard = describe("Keyboard");
    for (unsigned code = KEY_ESC; code <= KEY_KPDOT; ++code) {
        libevdev_enable_event_code(keyboard.get(), EV_KEY, code, nullptr);
    }
    EXPECT_FALSE(Capabilities::twinOf(keyboard.get()));

    Description joystick = describe("Joystick");
    enableAxis(joystick.get(), ABS_X, -128, 127, 0);
    enableAxis(joystick.get(), ABS_Y, -128, 127, 0);
    libevdev_enable_event_code(joystick.get(), EV_KEY, BTN_TRIGGER, nullptr);
    EXPECT_FALSE(Capabilities::twinOf(joystick.get()));

    Description accelerometer = describe("Accelerometer");
    libevdev_enable_property(accelerometer.get(), INPUT_PROP_ACCELEROMETER);
    enableAxis(accelerometer.get(), ABS_X, -512, 512, 0);
    enableAxis(accelerometer.get(), ABS_Y, -512, 512, 0);
    libevdev_enable_event_code(accelerometer.get(), EV_KEY, BTN_LEFT, nullptr);
    EXPECT_FALSE(Capabilities::twinOf(accelerometer.get()));

    Description mouse = describe("Mouse with a keyboard's keys");
    libevdev_enable_event_code(mouse.get(), EV_REL, REL_X, nullptr);
    libevdev_enable_event_code(mouse.get(), EV_REL, REL_Y, nullptr);
    libevdev_enable_event_code(mouse.get(), EV_KEY, KEY_1, nullptr);
    const auto twin = Capabilities::twinOf(mouse.get());
    ASSERT_TRUE(twin);
    EXPECT_TRUE(twin->buttons.none());
}

} // namespace
