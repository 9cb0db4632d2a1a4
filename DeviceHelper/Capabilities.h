#pragma once

#include <linux/input.h>

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>

struct libevdev;

namespace quellarine::devicehelper {

// What a device the helper makes may send. Whatever builds one, it holds no KEY_* code: its buttons are only those
// of mice, pointing sticks, touchpads and pens (isPointingButton), so no device of ours can type.
struct Capabilities {
    std::string name;
    std::uint16_t bus = BUS_VIRTUAL;
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
    std::uint16_t version = 0;
    std::bitset<INPUT_PROP_CNT> properties;
    std::bitset<REL_CNT> relative;
    std::bitset<ABS_CNT> absolute;
    std::array<input_absinfo, ABS_CNT> ranges{};
    std::bitset<KEY_CNT> buttons;
    bool timestamps = false; // EV_MSC MSC_TIMESTAMP

    // The steadied pointer: relative motion, wheels with high-resolution steps and the buttons of a mouse.
    static Capabilities pointer();
    // The pointing part of a physical device as libevdev read it: its name, ids, properties, relative and absolute
    // axes with their ranges and resolutions, and its buttons in the pointing ranges; nothing when the device
    // does not point (no relative X and Y, and no absolute X and Y with a touch or a left button).
    static std::optional<Capabilities> twinOf(const libevdev* device);

    // Whether an event of this type and code is the device's own and may be written to it.
    bool has(std::uint16_t type, std::uint16_t code) const;
};

// BTN_0..BTN_9, BTN_LEFT..BTN_TASK and the digitiser's BTN_TOOL_PEN..BTN_TOOL_QUADTAP (BTN_TOUCH among them).
bool isPointingButton(unsigned code);

} // namespace quellarine::devicehelper
