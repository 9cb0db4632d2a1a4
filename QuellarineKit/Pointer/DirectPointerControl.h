#pragma once

#include "QuellarineKit/Pointer/PointerControl.h"
#include "QuellarineKit/Pointer/PointerTap.h"
#include "QuellarineKit/System/PointerSystem.h"

namespace quellarine {

// The tap on the caller's own loop: every command acts at once and every answer is given before the call returns.
// For the simulated window server, where the model and the pointer share one virtual-time loop.
class DirectPointerControl final : public PointerControl {
public:
    explicit DirectPointerControl(system::PointerSystem system);

    void start(Answer started) override;
    void stop() override { tap_.stop(); }
    bool isRunning() const override { return tap_.isRunning(); }
    void ensureEnabled(Answer wasEnabled) override { wasEnabled(tap_.ensureEnabled()); }
    void displaysChanged() override { tap_.displaysChanged(); }
    void setParameters(const PointerFilter::Parameters& parameters) override { tap_.setParameters(parameters); }
    void setClickSettings(const ClickGuard::Settings& settings) override { tap_.setClickSettings(settings); }
    void setFiltering(bool filtering) override { tap_.setFiltering(filtering); }
    bool isFiltering() const override { return tap_.isFiltering(); }
    int externalMoves() const override { return tap_.externalMoves(); }

    PointerTap& tap() { return tap_; }
    const PointerTap& tap() const { return tap_; }

private:
    PointerTap tap_;
};

} // namespace quellarine
