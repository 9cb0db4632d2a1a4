#pragma once

#include <linux/input.h>

#include <cstdint>

namespace quellarine::devicehelper {

// One event of a frame, without a time: the kernel stamps what uinput writes.
inline input_event inputEvent(std::uint16_t type, std::uint16_t code, std::int32_t value)
{
    input_event event{};
    event.type = type;
    event.code = code;
    event.value = value;
    return event;
}

} // namespace quellarine::devicehelper
