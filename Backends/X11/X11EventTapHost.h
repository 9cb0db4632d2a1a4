#pragma once

#include "Backends/Common/TapChain.h"

#include "Backends/X11/X11Connection.h"
#include "Backends/X11/X11DeviceGrabs.h"
#include "Backends/X11/X11Displays.h"
#include "Backends/X11/X11InputLag.h"
#include "Backends/X11/X11Pointer.h"
#include "Backends/Common/InputWatchdog.h"
#include "QuellarineKit/System/Clock.h"
#include "QuellarineKit/System/EventTap.h"

#include <X11/extensions/XInput2.h>

#include <array>
#include <cstddef>
#include <memory>
#include <vector>

namespace quellarine::x11 {

// The event taps on X11. While a tap is enabled the user's physical pointing devices are grabbed, so their moves
// and buttons reach this backend first; each becomes an event at the place where the system puts the pointer (its
// base, see X11Pointer, plus the device's delta, kept on the screens), carries that base and the time the hand made
// it (events that waited for a busy loop keep their spacing), and runs through the taps, newest first. Another client
// may have put the cursor elsewhere since this backend last placed it (a warp): when one may have (or when the event
// comes late, so that a warp made after it would be undone by placing it), the server is asked before the device event
// (once for events handled together), the event then starts from there and says so. What passes is put into the server
// through the test extension, with the location the taps left in it, so applications see it as ordinary input; what a
// tap swallows goes nowhere. Wheel buttons (4 to 7) pass by untouched. Events posted through this host reach
// applications at once and come back through the taps after the running callback has returned, exactly as they were
// posted (the poster's marker in `userData`); events that merely passed do not come back.
//
// When the devices are lost (unplugged, disabled, the server gone) or the watchdog gave them back, every enabled
// tap is switched off and told so through its callback; enabling a tap takes the devices again. Taps must not
// outlive their host. Main thread only.
class X11EventTapHost final : public system::EventTapHost, public system::EventPoster {
public:
    X11EventTapHost(X11Connection& connection, X11DeviceGrabs& grabs, X11Pointer& pointer, const X11Displays& displays,
                    backends::InputWatchdog& watchdog, const system::Clock& clock);
    ~X11EventTapHost() override;
    X11EventTapHost(const X11EventTapHost&) = delete;
    X11EventTapHost& operator=(const X11EventTapHost&) = delete;

    // Nothing where the backend cannot control the pointer (no input or test extension, a Wayland session).
    std::unique_ptr<system::EventTap> createTap(system::EventMask mask, Callback callback) override;
    void post(const system::Event& event, system::PostLevel level) override;

    // The backend's event processing hands over what concerns the taps.
    void setProcessing(bool processing) { processing_ = processing; }
    void handleInput(XGenericEventCookie& cookie);
    // Posted events come back; true when there was one.
    bool deliverPosted();
    // Reports a release by the watchdog, or the loss of the server, to the taps.
    void checkForLostInput();
    // How many hand events came noticeably late, each of which asks the server where the pointer is.
    std::uint64_t lateEvents() const { return lag_.lateEvents(); }

    // X buttons and the tap's buttons: 1 left, 3 right, 2 and 8 and up other buttons (numbered 2, 3, ...).
    static system::EventType typeForButton(unsigned xButton, bool down);
    static std::int64_t buttonNumberForButton(unsigned xButton);
    // The X button of a press or release: left and right by type, other buttons by number. Zero for other types.
    static unsigned buttonForEvent(const system::Event& event);

private:
    // While a device event runs through the taps: the backend has just learned where the cursor is.
    struct HandlingDeviceEvent {
        explicit HandlingDeviceEvent(X11EventTapHost& host)
            : host_(host)
        {
            host_.handlingDeviceEvent_ = true;
        }
        ~HandlingDeviceEvent() { host_.handlingDeviceEvent_ = false; }
        HandlingDeviceEvent(const HandlingDeviceEvent&) = delete;
        HandlingDeviceEvent& operator=(const HandlingDeviceEvent&) = delete;
        X11EventTapHost& host_;
    };

    // Grabs the devices while an enabled tap wants them; gives them back otherwise.
    void updateGrabs();
    void releaseDevices();
    // Switches every enabled tap off and hands each the notice.
    void disableTaps(system::EventType reason);

    void handleRawMotion(const XIRawEvent& raw);
    void handleButton(const XIDeviceEvent& device, bool down);
    void handleHierarchy(const XIHierarchyEvent& hierarchy);
    system::EventType moveType() const;
    std::int64_t dragButtonNumber() const;

    X11Connection& connection_;
    X11DeviceGrabs& grabs_;
    X11Pointer& pointer_;
    const X11Displays& displays_;
    backends::InputWatchdog& watchdog_;
    const system::Clock& clock_;

    backends::TapChain chain_;
    bool processing_ = false;
    bool handlingDeviceEvent_ = false;
    bool reportedLoss_ = false;
    // Posted events on their way back to the taps, oldest first, in storage fixed at construction: posting
    // allocates nothing. Each comes back before the next input is read, so a tap would have to post this many from
    // one callback to fill it; then the oldest is dropped (it reached the applications all the same).
    static constexpr std::size_t postedCapacity = 64;
    std::array<system::Event, postedCapacity> posted_;
    std::size_t postedHead_ = 0;
    std::size_t postedCount_ = 0;
    std::uint64_t handButtons_ = 0; // X buttons the user holds on grabbed devices
    X11InputLag lag_;
};

} // namespace quellarine::x11
