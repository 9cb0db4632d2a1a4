#pragma once

namespace quellarine::backends {

// A round of handling pending input that its own callbacks cannot start again: the outer round sets the flag and
// clears it however it ends (also by an exception from a callback); a round begun while it is set is not entered.
class ReentryGuard {
public:
    explicit ReentryGuard(bool& busy)
        : busy_(busy)
        , entered_(!busy)
    {
        busy_ = true;
    }
    ~ReentryGuard()
    {
        if (entered_) {
            busy_ = false;
        }
    }
    ReentryGuard(const ReentryGuard&) = delete;
    ReentryGuard& operator=(const ReentryGuard&) = delete;

    // False inside a round already running: there is nothing to do.
    bool entered() const { return entered_; }

private:
    bool& busy_;
    bool entered_;
};

} // namespace quellarine::backends
