#pragma once

#include "QuellarineKit/System/EventTap.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace quellarine::backends {

// The taps at the head of a backend's event chain, newest first: made, switched on and off, and run through with
// an event or with the notice that the system switched them off. A callback may switch taps off or destroy them,
// its own included; running them allocates nothing while there are only a few.
class TapChain {
public:
    using Callback = system::EventTapHost::Callback;

    struct Hooks {
        // Whether a tap may be switched on now; empty: always.
        std::function<bool()> mayEnable;
        // Whether the system still has the enabled taps on (it may have taken the devices away already); empty:
        // always.
        std::function<bool()> stillOn;
        // After a tap was made, switched on or off, or destroyed: the backend takes or gives back the devices.
        std::function<void()> changed;
    };

    explicit TapChain(Hooks hooks);
    ~TapChain();
    TapChain(const TapChain&) = delete;
    TapChain& operator=(const TapChain&) = delete;

    // A new tap, enabled, ahead of the others. It must not outlive the chain.
    std::unique_ptr<system::EventTap> create(system::EventMask mask, Callback callback);
    bool anyEnabled() const;
    // Runs the event through the enabled taps whose mask selects it, until one swallows it; true when it passes.
    bool run(system::Event& event);
    // Switches every enabled tap off, then hands each the notice of the reason.
    void disableAll(system::EventType reason, std::uint64_t timestamp);

private:
    class Tap;
    struct Entry {
        system::EventMask mask = 0;
        Callback callback;
        bool enabled = true;
        bool removed = false;
    };

    void setEnabled(Entry& entry, bool enabled);
    bool isEnabled(const Entry& entry) const;
    void destroyed(Entry& entry);
    void purgeRemoved();

    Hooks hooks_;
    std::vector<std::unique_ptr<Entry>> taps_; // newest first
    std::vector<Entry*> running_;              // the taps an event runs through
    std::vector<Entry*> told_;                 // the taps told they are off
    int dispatching_ = 0;
};

} // namespace quellarine::backends
