#include "Backends/Devices/DeviceKeyboard.h"

namespace quellarine::devices {

DeviceKeyboard::DeviceKeyboard()
    : DeviceKeyboard(Options{})
{
}

DeviceKeyboard::DeviceKeyboard(Options options)
    : layout_(options.layoutConfiguration)
    , hotKeys_(layout_)
    , devices_(*this)
{
}

void DeviceKeyboard::processPendingEvents()
{
    if (processing_) {
        return;
    }
    processing_ = true;
    struct Done {
        bool& processing;
        ~Done() { processing = false; }
    } done{processing_};
    devices_.processPending();
}

bool DeviceKeyboard::wants(std::uint16_t code) const
{
    return HeldModifiers::isModifier(code) || hotKeys_.watches(code);
}

void DeviceKeyboard::key(int keyboard, std::uint16_t code, int value, double time)
{
    if (!HeldModifiers::isModifier(code)) {
        hotKeys_.key(code, value, held_.state());
        return;
    }
    // A repeat is no change; a press or release is one only when no other keyboard holds the same modifier.
    if (value != 2 && held_.set(keyboard, code, value != 0)) {
        modifierMonitor_.report(held_.state(), time);
    }
}

void DeviceKeyboard::modifiersAre(int keyboard, std::uint8_t held, double time)
{
    if (held_.reset(keyboard, held)) {
        modifierMonitor_.report(held_.state(), time);
    }
}

void DeviceKeyboard::removed(int keyboard, double time)
{
    if (held_.forget(keyboard)) {
        modifierMonitor_.report(held_.state(), time);
    }
}

} // namespace quellarine::devices
