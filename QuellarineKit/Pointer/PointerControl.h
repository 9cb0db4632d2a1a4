#pragma once

#include "QuellarineKit/Pointer/ClickGuard.h"
#include "QuellarineKit/Pointer/PointerFilter.h"

#include <functional>

namespace quellarine {

// What the application asks of the live pointer tap, wherever the tap runs: on the caller's own loop, or on a
// thread of its own so that no window work delays the pointer. Commands take effect in the order they are given;
// answers come back on the caller's thread: start's after every command given before it has taken effect.
class PointerControl {
public:
    using Answer = std::function<void(bool)>;

    virtual ~PointerControl() = default;

    // Creates and enables the tap (nothing while it exists); answers whether the system allowed it.
    virtual void start(Answer started) = 0;
    // Removes the tap; start() may create a new one.
    virtual void stop() = 0;
    // Whether a tap exists and the system has it enabled, as last heard: after start's answer and after stop().
    virtual bool isRunning() const = 0;
    // Turns a tap the system switched off back on; answers whether it was on (also true without a tap), at once
    // when that is known.
    virtual void ensureEnabled(Answer wasEnabled) = 0;
    virtual void displaysChanged() = 0;
    virtual void setParameters(const PointerFilter::Parameters& parameters) = 0;
    virtual void setClickSettings(const ClickGuard::Settings& settings) = 0;
    // Acts only when the value changes.
    virtual void setFiltering(bool filtering) = 0;
    virtual bool isFiltering() const = 0;
    // How often the tap found the cursor where it had not put it, as last heard.
    virtual int externalMoves() const = 0;
};

} // namespace quellarine
