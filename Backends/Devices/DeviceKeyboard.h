#pragma once

#include "Backends/Devices/DeviceHotKeys.h"
#include "Backends/Devices/DeviceKeyboardLayout.h"
#include "Backends/Devices/DeviceModifierMonitor.h"
#include "Backends/Devices/HeldModifiers.h"
#include "Backends/Devices/KeyboardDevices.h"

#include <string>

namespace quellarine::devices {

// The keyboard where no window system tells a program of keys meant for others (a Wayland session): global hot
// keys, the keyboard layout and changes of the modifier keys, heard on the keyboards' own input devices, which the
// user must have allowed this program to read. They are read, never taken: every program still gets its keys.
// Only the modifier keys and the keys of registered combinations are looked at; no key is kept, logged or sent.
//
// Nothing here touches the pointer, so it is serviced on the application's own thread: whenever fileDescriptor()
// is readable, call processPendingEvents() there. Hot keys and the modifier handler run inside that call; the
// modifier changes carry the time the key moved, so a busy window delays a gesture's detection but never changes
// its outcome.
class DeviceKeyboard final : private KeyboardDevices::Listener {
public:
    struct Options {
        // The system's keyboard configuration, read for the layout.
        std::string layoutConfiguration = "/etc/default/keyboard";
    };

    DeviceKeyboard();
    explicit DeviceKeyboard(Options options);
    DeviceKeyboard(const DeviceKeyboard&) = delete;
    DeviceKeyboard& operator=(const DeviceKeyboard&) = delete;

    // Whether this user may read the keyboards, found without opening one.
    static bool accessGranted() { return KeyboardDevices::accessGranted(); }

    // Readable while there is something to process; -1 when nothing can be watched.
    int fileDescriptor() const { return devices_.fileDescriptor(); }
    // Handles everything pending. Does nothing when called again from inside one of its callbacks.
    void processPendingEvents();
    // How many keyboards it reads now.
    std::size_t keyboards() const { return devices_.count(); }
    // Stops reading the keyboards (while another user's session is in front) until allowed again; the modifiers
    // count as released meanwhile.
    void setReading(bool reading) { devices_.setReading(reading); }

    system::HotKeyHost& hotKeys() { return hotKeys_; }
    system::KeyboardLayout& keyboardLayout() { return layout_; }
    system::ModifierMonitor& modifierMonitor() { return modifierMonitor_; }

private:
    bool wants(std::uint16_t code) const override;
    void key(int keyboard, std::uint16_t code, int value, double time) override;
    void modifiersAre(int keyboard, std::uint8_t held, double time) override;
    void removed(int keyboard, double time) override;

    DeviceKeyboardLayout layout_;
    DeviceHotKeys hotKeys_;
    DeviceModifierMonitor modifierMonitor_;
    HeldModifiers held_;
    // Last: it reports the keyboards' state to the others as it opens them.
    KeyboardDevices devices_;
    bool processing_ = false;
};

} // namespace quellarine::devices
