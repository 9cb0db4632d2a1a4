#pragma once

#include "Backends/Common/TapChain.h"

#include "Backends/Common/InputWatchdog.h"
#include "Backends/Devices/DeviceCursor.h"
#include "Backends/Devices/PointingDevices.h"
#include "Backends/Devices/VirtualPointer.h"
#include "QuellarineKit/System/Clock.h"
#include "QuellarineKit/System/EventTap.h"

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

namespace quellarine::devices {

// The event taps on the kernel's input devices. While a tap is enabled the user's pointing devices are taken, so
// their motion and buttons reach this backend alone; each becomes an event at the backend's own pointer position
// (see DeviceCursor) plus the device's delta, names that position as its base, and runs through the taps, newest
// first. What passes is sent through the device's own output (its twin, or the steadied pointer): the motion from
// the position to the location the taps left in the event, then the button. What a tap swallows goes nowhere.
// Wheels pass by untouched. Posted events are sent at once, through the output of the device whose event is
// running, else of the one the hand used last (a button's release goes wherever it is held), and come back through
// the taps after the running callback has returned, exactly as they were posted; events that merely passed do not
// come back.
//
// When the watchdog or a stop gave the devices back, every enabled tap is switched off and told so through its
// callback; enabling a tap takes the devices again. Giving them back lets go of every button our devices hold, as
// does the loss of a device while the hand holds no other button. Taps must not outlive their host.
// Main thread only.
class DeviceTapHost final : public system::EventTapHost, public system::EventPoster, public PointingDevices::Listener {
public:
    DeviceTapHost(PointingDevices& devices, DeviceCursor& cursor, VirtualPointer& output,
                  backends::InputWatchdog& watchdog, const system::Clock& clock, std::function<void()> wake);
    ~DeviceTapHost() override;
    DeviceTapHost(const DeviceTapHost&) = delete;
    DeviceTapHost& operator=(const DeviceTapHost&) = delete;

    // Nothing without the virtual device.
    std::unique_ptr<system::EventTap> createTap(system::EventMask mask, Callback callback) override;
    void post(const system::Event& event, system::PostLevel level) override;

    void setProcessing(bool processing) { processing_ = processing; }
    // Posted events come back; true when there was one.
    bool deliverPosted();
    // Reports the devices given back by the watchdog or a stop to the taps.
    void checkForLostInput();

    // PointingDevices::Listener
    void motion(VirtualPointer::Output from, std::uint64_t time, std::int32_t dx, std::int32_t dy) override;
    void button(VirtualPointer::Output from, std::uint64_t time, std::uint16_t code, bool down) override;
    void scroll(VirtualPointer::Output from, std::int32_t vertical120, std::int32_t horizontal120) override;
    void deviceRemoved() override;

    // Evdev button codes and the taps' buttons: left 0, right 1, middle 2, then side, extra, forward, back, task.
    static system::EventType typeForButton(std::uint16_t code, bool down);
    // The code of a press or release; 0 for other types and numbers no mouse button has.
    static std::uint16_t codeForEvent(const system::Event& event);

private:
    void updateGrabs();
    void releaseDevices();
    void disableTaps(system::EventType reason);
    system::EventType moveType() const;
    std::int64_t dragButtonNumber() const;

    PointingDevices& devices_;
    DeviceCursor& cursor_;
    VirtualPointer& output_;
    backends::InputWatchdog& watchdog_;
    const system::Clock& clock_;
    std::function<void()> wake_;

    backends::TapChain chain_;
    bool processing_ = false;
    // Posted events on their way back to the taps, oldest first, in storage fixed at construction: posting
    // allocates nothing. A tap would have to post this many from one callback to fill it; then the oldest is
    // dropped (it was sent all the same).
    static constexpr std::size_t postedCapacity = 64;
    std::array<system::Event, postedCapacity> posted_;
    std::size_t postedHead_ = 0;
    std::size_t postedCount_ = 0;
    std::uint32_t handButtons_ = 0; // a bit per button number the hand holds on taken devices
};

} // namespace quellarine::devices
