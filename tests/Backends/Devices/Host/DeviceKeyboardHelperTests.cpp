// The application's side of the keyboards' reading: it talks to the device helper, which on this machine (no
// keyboard, or none it may read) reads none, and it takes from the helper only records it can check.
#include "Backends/Devices/DeviceKeyboard.h"

#include <gtest/gtest.h>

#include <linux/input-event-codes.h>

#include <cstring>
#include <vector>

using namespace quellarine;
using namespace quellarine::devices;
using devicehelper::KeyboardRecord;
using devicehelper::KeyboardRecordKind;

namespace {

TEST(DeviceKeyboardHelperTest, TheHelperAnswersEveryRequestInOrderAndEndsWithTheKeyboard)
{
    DeviceKeyboard keyboard({.layoutConfiguration = "/nonexistent", .helperPath = QUELLARINE_DEVICE_HELPER});
    ASSERT_GE(keyboard.fileDescriptor(), 0);
    const std::size_t readable = keyboard.keyboards();
    ASSERT_EQ(keyboard.hotKeys().registerHotKey(1, 0x1800, 1), system::HotKeyHost::noError);
    ASSERT_EQ(keyboard.hotKeys().registerHotKey(46, 0x1a00, 2), system::HotKeyHost::noError);
    keyboard.hotKeys().unregisterHotKey(1);
    keyboard.setReading(false);
    EXPECT_EQ(keyboard.keyboards(), 0u);
    keyboard.setReading(true);
    EXPECT_EQ(keyboard.keyboards(), readable);
    EXPECT_GE(keyboard.fileDescriptor(), 0) << "the helper took every request";
}

TEST(DeviceKeyboardHelperTest, OnlyWellFormedRecordsAreTaken)
{
    auto decodes = [](std::uint32_t kind, std::uint32_t value, std::size_t size = sizeof(KeyboardRecord)) {
        std::vector<unsigned char> bytes(size + 1);
        const KeyboardRecord record{kind, value, 12};
        std::memcpy(bytes.data(), &record, std::min(size, sizeof(record)));
        return DeviceKeyboard::decode(bytes.data(), size).has_value();
    };
    EXPECT_TRUE(decodes(std::uint32_t(KeyboardRecordKind::modifiers), 0xff));
    EXPECT_TRUE(decodes(std::uint32_t(KeyboardRecordKind::chordPressed), KEY_S));
    EXPECT_TRUE(decodes(std::uint32_t(KeyboardRecordKind::chordReleased), KEY_S));
    EXPECT_TRUE(decodes(std::uint32_t(KeyboardRecordKind::keyboards), 3));
    EXPECT_FALSE(decodes(std::uint32_t(KeyboardRecordKind::modifiers), 0x100));
    EXPECT_FALSE(decodes(std::uint32_t(KeyboardRecordKind::chordPressed), 0));
    EXPECT_FALSE(decodes(std::uint32_t(KeyboardRecordKind::chordReleased), 0x10000));
    EXPECT_FALSE(decodes(0, 0));
    EXPECT_FALSE(decodes(5, 0));
    EXPECT_FALSE(decodes(std::uint32_t(KeyboardRecordKind::modifiers), 1, sizeof(KeyboardRecord) - 1));
    EXPECT_FALSE(decodes(std::uint32_t(KeyboardRecordKind::modifiers), 1, sizeof(KeyboardRecord) + 1));
}

} // namespace
