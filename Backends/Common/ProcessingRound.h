#pragma once

namespace quellarine::backends {

// A backend's round of processing its input: the backend's own flag and its tap host's are set while it lives and
// cleared however the round ends, also by an exception from a tap's callback.
template <typename TapHost>
class ProcessingRound {
public:
    ProcessingRound(bool& processing, TapHost& taps)
        : processing_(processing)
        , taps_(taps)
    {
        processing_ = true;
        taps_.setProcessing(true);
    }
    ~ProcessingRound()
    {
        taps_.setProcessing(false);
        processing_ = false;
    }
    ProcessingRound(const ProcessingRound&) = delete;
    ProcessingRound& operator=(const ProcessingRound&) = delete;

private:
    bool& processing_;
    TapHost& taps_;
};

} // namespace quellarine::backends
