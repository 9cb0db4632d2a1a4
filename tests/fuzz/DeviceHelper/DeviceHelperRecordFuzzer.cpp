// The device helper's messages from the application, whatever they hold: a device it made is only ever written whole
// frames of codes it has, never a KEY_* code, a button only pressed or released and an absolute value within its
// axis; and once the connection ends (at the first malformed message, or the input's end) no button is held.
//
// The input is a series of messages: a byte whose low bit says whether a descriptor comes with the message and
// whose other bits, times 3, give its length; then that many bytes. A twin is made of a touchpad.

#include "FuzzCheck.h"

#include "../../DeviceHelper/RecordingMaker.h"

#include "DeviceHelper/DeviceHelperService.h"

#include <bitset>
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    testing::RecordingMaker maker;
    maker.twin = touchpad();
    {
        DeviceHelperService service(maker);
        std::vector<Reply> replies;
        std::size_t at = 0;
        while (at < size) {
            const bool withDescriptor = (data[at] & 1) != 0;
            const std::size_t length = std::min<std::size_t>((data[at] >> 1) * 3u, size - at - 1);
            ++at;
            if (!service.handle(data + at, length, withDescriptor ? 5 : -1, replies)) {
                break;
            }
            at += length;
        }
    }
    for (const auto& device : maker.devices) {
        quellarine::fuzz::require(device->removed, "a device left behind");
        check(*device);
    }
    return 0;
}
