#pragma once

#include "QuellarineKit/System/Event.h"

#include <functional>
#include <memory>

namespace quellarine::system {

// What a tap callback does with the event it was handed.
enum class TapVerdict {
    pass,    // the event goes on, with whatever the callback changed in it
    swallow, // no application sees it
};

// An active tap at the head of the session's event chain. Destroying it removes it from the chain.
class EventTap {
public:
    virtual ~EventTap() = default;
    virtual void setEnabled(bool enabled) = 0;
    // False after the system switched the tap off (a stalled callback, lost input) until it is enabled again.
    virtual bool isEnabled() const = 0;
};

// Where taps are created. The callback runs on the main loop for every event of the mask, and with an event of
// type tapDisabledByTimeout or tapDisabledByUserInput when the system has switched the tap off.
class EventTapHost {
public:
    using Callback = std::function<TapVerdict(Event& event)>;

    virtual ~EventTapHost() = default;
    // Creates and enables a tap; nothing when the system refuses (no permission to watch the pointer).
    virtual std::unique_ptr<EventTap> createTap(EventMask mask, Callback callback) = 0;
};

// Where synthetic events enter: at the device level (as if the hardware sent them) or the session level.
enum class PostLevel { hid, session };

// Posted events come back through the taps after the current callback has returned, never re-entrantly.
class EventPoster {
public:
    virtual ~EventPoster() = default;
    virtual void post(const Event& event, PostLevel level) = 0;
};

} // namespace quellarine::system
