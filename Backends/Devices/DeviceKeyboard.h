#pragma once

#include "Backends/Devices/DeviceHotKeys.h"
#include "Backends/Devices/DeviceKeyboardLayout.h"
#include "Backends/Devices/DeviceModifierMonitor.h"
#include "Backends/Devices/HelperProcess.h"
#include "Backends/Devices/VirtualPointer.h"
#include "DeviceHelper/HelperProtocol.h"

#include <optional>
#include <string>
#include <vector>

namespace quellarine::devices {

// The keyboard where no window system tells a program of keys meant for others (a Wayland session): global hot
// keys, the keyboard layout and changes of the modifier keys. The keyboards themselves are read by the device
// helper alone (the keyboard grant gives them to its group, not to this program): it tells this one only of the
// modifier keys and of the keys of the combinations registered here, each with the time it moved. The keyboards
// are read, never taken: every program still gets its keys.
//
// Serviced on the application's own thread: whenever fileDescriptor() is readable, call processPendingEvents()
// there. Hot keys and the modifier handler run inside that call; the modifier changes carry the time the key moved,
// so a busy window delays a gesture's detection but never changes its outcome.
class DeviceKeyboard final {
public:
    struct Options {
        // The system's keyboard configuration, read for the layout.
        std::string layoutConfiguration = "/etc/default/keyboard";
        std::string helperPath = VirtualPointer::installedHelper();
    };

    DeviceKeyboard();
    explicit DeviceKeyboard(Options options);
    DeviceKeyboard(const DeviceKeyboard&) = delete;
    DeviceKeyboard& operator=(const DeviceKeyboard&) = delete;

    // Whether the keyboards may be read here, found without opening one: this user may read one (then so may the
    // helper it starts), or the helper is set-group-ID to a group that a keyboard's node lets read.
    static bool accessGranted(const std::string& helperPath = VirtualPointer::installedHelper());

    // Readable while there is something to process; -1 when the helper could not be started.
    int fileDescriptor() const { return helper_.socket(); }
    // Handles everything pending. Does nothing when called again from inside one of its callbacks.
    void processPendingEvents();
    // How many keyboards the helper reads now.
    std::size_t keyboards() const { return keyboards_; }
    // Stops the reading of the keyboards (while another user's session is in front) until allowed again; the
    // modifiers count as released meanwhile. Returns once the helper has done so.
    void setReading(bool reading);

    system::HotKeyHost& hotKeys() { return hotKeys_; }
    system::KeyboardLayout& keyboardLayout() { return layout_; }
    system::ModifierMonitor& modifierMonitor() { return modifierMonitor_; }

    // A record from the helper, checked: its kind known and its value within what that kind may hold.
    static std::optional<devicehelper::KeyboardRecord> decode(const void* data, std::size_t size);

private:
    void send(devicehelper::RequestKind kind, std::uint16_t code, std::uint32_t value);
    void registerChords();
    // Reads what the helper sent, waiting until it tells how many keyboards it reads when `untilCount`.
    void receive(bool untilCount);
    void handle(const devicehelper::KeyboardRecord& record);

    DeviceKeyboardLayout layout_;
    DeviceHotKeys hotKeys_;
    DeviceModifierMonitor modifierMonitor_;
    HelperProcess helper_;
    std::vector<DeviceHotKeys::Chord> told_; // the chords the helper was given
    system::ModifierState held_;
    std::size_t keyboards_ = 0;
    bool processing_ = false;
};

} // namespace quellarine::devices
