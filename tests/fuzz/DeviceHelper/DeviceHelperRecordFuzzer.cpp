// The device helper's messages from the application, whatever they hold: a device it made is only ever written whole
// frames of codes it has, never a KEY_* code, a button only pressed or released and an absolute value within its
// axis; and once the connection ends (at the first malformed message, or the input's end) no button is held. Then
// every key is typed under every combination of modifiers: of the keyboards nothing leaves the helper but
// modifier changes and the keys of chords some request registered, each pressed once and released.
//
// The input is a series of messages: a byte whose low bit says whether a descriptor comes with the message and
// whose other bits, times 3, give its length; then that many bytes. A twin is made of a touchpad.

#include "FuzzCheck.h"

#include "../../DeviceHelper/RecordingMaker.h"

#include "DeviceHelper/DeviceHelperService.h"

#include <bitset>
#include <set>
#include <string>

using namespace quellarine::devicehelper;

namespace {

Capabilities touchpad()
{
    Capabilities pad;
    pad.name = "Touchpad";
    for (unsigned code : {ABS_X, ABS_Y, ABS_MT_SLOT, ABS_MT_TRACKING_ID}) {
        pad.absolute.set(code);
        pad.ranges[code].maximum = code == ABS_MT_SLOT ? 4 : 1000;
    }
    for (unsigned code : {BTN_LEFT, BTN_TOUCH, BTN_TOOL_FINGER}) {
        pad.buttons.set(code);
    }
    pad.timestamps = true;
    return pad;
}

void check(const testing::RecordedDevice& device)
{
    using quellarine::fuzz::require;
    std::bitset<KEY_CNT> held;
    for (const auto& frame : device.frames) {
        require(!frame.empty() && frame.back().type == EV_SYN && frame.back().code == SYN_REPORT,
                "a frame without its report");
        for (std::size_t index = 0; index + 1 < frame.size(); ++index) {
            const input_event& event = frame[index];
            require(event.type != EV_SYN && device.capabilities.has(event.type, event.code),
                    "a code the device lacks: " + std::to_string(event.type) + ":" + std::to_string(event.code));
            if (event.type == EV_KEY) {
                require(isPointingButton(event.code), "a key: " + std::to_string(event.code));
                require(event.value == 0 || event.value == 1, "a button neither pressed nor released");
                held[event.code] = event.value == 1;
            }
            if (event.type == EV_ABS && !(event.code == ABS_MT_TRACKING_ID && event.value == -1)) {
                const input_absinfo& range = device.capabilities.ranges[event.code];
                require(event.value >= range.minimum && event.value <= range.maximum, "outside the axis");
            }
        }
    }
    require(held.none(), "a button held after the end");
}

class ReadKeyboards final : public KeyboardSource {
public:
    void setReading(bool reading) override { reading_ = reading; }
    std::size_t count() const override { return reading_ ? 1 : 0; }

private:
    bool reading_ = false;
};

void type(DeviceHelperService& service, const std::set<std::uint16_t>& registered)
{
    using quellarine::fuzz::require;
    KeyboardFilter& filter = service.keyboardFilter();
    std::int64_t time = 0;
    for (std::uint8_t held = 0; held < 16; ++held) {
        // Left Ctrl, Shift, Alt, Super as the bits say.
        filter.modifiersAre(
            1, static_cast<std::uint8_t>((held & 1) | (held & 2) << 1 | (held & 4) << 2 | (held & 8) << 3), ++time);
        for (std::uint16_t code = 1; code < KEY_MAX; ++code) {
            if (!filter.wants(code)) {
                continue;
            }
            for (int value : {1, 2, 2, 0}) {
                filter.key(1, code, value, ++time);
            }
        }
    }
    filter.removed(1, ++time);
    std::set<std::uint32_t> down;
    for (const KeyboardRecord& record : service.takeKeyboardRecords()) {
        switch (static_cast<KeyboardRecordKind>(record.kind)) {
        case KeyboardRecordKind::chordPressed:
            require(registered.contains(static_cast<std::uint16_t>(record.value)),
                    "a key no chord has: " + std::to_string(record.value));
            require(down.insert(record.value).second, "a chord pressed twice");
            break;
        case KeyboardRecordKind::chordReleased:
            require(down.erase(record.value) == 1, "a chord released unpressed");
            break;
        case KeyboardRecordKind::modifiers:
        case KeyboardRecordKind::keyboards:
            break;
        default:
            require(false, "a record of another kind");
        }
    }
    require(down.empty(), "a chord left down");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    testing::RecordingMaker maker;
    maker.twin = touchpad();
    {
        DeviceHelperService service(maker);
        ReadKeyboards keyboards;
        service.setKeyboards(&keyboards);
        std::set<std::uint16_t> registered;
        std::vector<Request> requests;
        std::vector<Reply> replies;
        std::size_t at = 0;
        while (at < size) {
            const bool withDescriptor = (data[at] & 1) != 0;
            const std::size_t length = std::min<std::size_t>((data[at] >> 1) * 3u, size - at - 1);
            ++at;
            if (DeviceHelperService::decode(data + at, length, withDescriptor, requests)) {
                for (const Request& request : requests) {
                    if (request.kind == static_cast<std::uint32_t>(RequestKind::registerChord)) {
                        registered.insert(request.code);
                    }
                }
            }
            if (!service.handle(data + at, length, withDescriptor ? 5 : -1, replies)) {
                break;
            }
            at += length;
        }
        type(service, registered);
    }
    for (const auto& device : maker.devices) {
        quellarine::fuzz::require(device->removed, "a device left behind");
        check(*device);
    }
    return 0;
}
