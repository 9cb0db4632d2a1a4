#include "DeviceHelper/Capabilities.h"

#include <libevdev/libevdev.h>

namespace quellarine::devicehelper {

bool isPointingButton(unsigned code)
{
    return (code >= BTN_0 && code <= BTN_9) || (code >= BTN_LEFT && code <= BTN_TASK)
        || (code >= BTN_TOOL_PEN && code <= BTN_TOOL_QUADTAP);
}

Capabilities Capabilities::pointer()
{
    Capabilities pointer;
    pointer.name = "Quellarine steadied pointer";
    pointer.properties.set(INPUT_PROP_POINTER);
    for (unsigned code : {REL_X, REL_Y, REL_WHEEL, REL_HWHEEL, REL_WHEEL_HI_RES, REL_HWHEEL_HI_RES}) {
        pointer.relative.set(code);
    }
    for (unsigned code = BTN_LEFT; code <= BTN_TASK; ++code) {
        pointer.buttons.set(code);
    }
    return pointer;
}

std::optional<Capabilities> Capabilities::twinOf(const libevdev* device)
{
    const bool relativePointer
        = libevdev_has_event_code(device, EV_REL, REL_X) && libevdev_has_event_code(device, EV_REL, REL_Y);
    const bool absolutePointer = libevdev_has_event_code(device, EV_ABS, ABS_X)
        && libevdev_has_event_code(device, EV_ABS, ABS_Y)
        && (libevdev_has_event_code(device, EV_KEY, BTN_TOUCH) || libevdev_has_event_code(device, EV_KEY, BTN_LEFT));
    if ((!relativePointer && !absolutePointer) || libevdev_has_property(device, INPUT_PROP_ACCELEROMETER)) {
        return std::nullopt;
    }
    Capabilities twin;
    const char* name = libevdev_get_name(device);
    twin.name = name != nullptr ? name : "";
    twin.bus = static_cast<std::uint16_t>(libevdev_get_id_bustype(device));
    twin.vendor = static_cast<std::uint16_t>(libevdev_get_id_vendor(device));
    twin.product = static_cast<std::uint16_t>(libevdev_get_id_product(device));
    twin.version = static_cast<std::uint16_t>(libevdev_get_id_version(device));
    for (unsigned property = 0; property < INPUT_PROP_CNT; ++property) {
        twin.properties[property] = libevdev_has_property(device, property) == 1;
    }
    for (unsigned code = 0; code < REL_CNT; ++code) {
        twin.relative[code] = libevdev_has_event_code(device, EV_REL, code) == 1;
    }
    for (unsigned code = 0; code < ABS_CNT; ++code) {
        if (libevdev_has_event_code(device, EV_ABS, code) == 1) {
            twin.absolute.set(code);
            twin.ranges[code] = *libevdev_get_abs_info(device, code);
            twin.ranges[code].value = 0;
        }
    }
    for (unsigned code = 0; code < KEY_CNT; ++code) {
        twin.buttons[code] = isPointingButton(code) && libevdev_has_event_code(device, EV_KEY, code) == 1;
    }
    twin.timestamps = libevdev_has_event_code(device, EV_MSC, MSC_TIMESTAMP) == 1;
    return twin;
}

bool Capabilities::has(std::uint16_t type, std::uint16_t code) const
{
    switch (type) {
    case EV_REL:
        return code < REL_CNT && relative.test(code);
    case EV_ABS:
        return code < ABS_CNT && absolute.test(code);
    case EV_KEY:
        return code < KEY_CNT && buttons.test(code) && isPointingButton(code);
    case EV_MSC:
        return code == MSC_TIMESTAMP && timestamps;
    case EV_SYN:
        return code == SYN_REPORT;
    default:
        return false;
    }
}

} // namespace quellarine::devicehelper
