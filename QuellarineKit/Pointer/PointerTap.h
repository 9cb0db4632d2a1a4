#pragma once

#include "QuellarineKit/Pointer/ButtonLedger.h"
#include "QuellarineKit/Pointer/ClickGuard.h"
#include "QuellarineKit/Support/Geometry.h"
#include "QuellarineKit/Pointer/HandAttribution.h"
#include "QuellarineKit/Pointer/PointerFilter.h"
#include "QuellarineKit/Pointer/PointerSmoother.h"
#include "QuellarineKit/System/Event.h"
#include "QuellarineKit/System/EventTap.h"
#include "QuellarineKit/System/MainLoop.h"
#include "QuellarineKit/System/PointerSystem.h"

#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace quellarine {

// Steadies the live pointer: a tap at the head of the session's event chain sees every move, drag, press and
// release before any application does. Moves are attributed to the hand, steadied and held still while a button
// is down; presses and releases go through the click guard. Everything runs on the main loop of the system it
// is given, which must outlive the tap.
class PointerTap {
public:
    // Why the tap could not start.
    class TapError : public std::runtime_error {
    public:
        enum Code { notPermitted };

        explicit TapError(Code code);
        Code code() const { return code_; }
        bool operator==(const TapError& other) const { return code_ == other.code_; }

    private:
        Code code_;
    };

    // Told, for every event the tap steadies or lets through, where the system put the pointer and where the
    // user sees it.
    using Observer = std::function<void(Point location, Point shown)>;

    // "QLRN": marks the events this tap posts, so that it knows them when they come back.
    static constexpr std::int64_t marker = 0x514C524E;

    PointerTap(system::PointerSystem system, const PointerFilter::Parameters& parameters,
               const ClickGuard::Settings& clicks);
    ~PointerTap();
    PointerTap(const PointerTap&) = delete;
    PointerTap& operator=(const PointerTap&) = delete;

    // Creates and enables the tap; a second call while it exists does nothing. Throws TapError::notPermitted
    // when the system refuses it.
    void start();
    // Removes the tap; start() may create a new one.
    void stop();
    // A tap exists and the system has it enabled.
    bool isRunning() const;
    // True when there is no tap or it is enabled; otherwise turns it back on and answers false.
    bool ensureEnabled();
    void displaysChanged();
    void setParameters(const PointerFilter::Parameters& parameters);
    void setClickSettings(const ClickGuard::Settings& settings);

    bool isFiltering() const { return isFiltering_; }
    // Acts only when the value changes.
    void setFiltering(bool filtering);

    const Observer& observer() const { return observer_; }
    void setObserver(Observer observer) { observer_ = std::move(observer); }

    bool triesHandFirst() const { return attribution_.triesHandFirst(); }
    int externalMoves() const { return externalMoves_; }
    const PointerSmoother& smoother() const { return smoother_; }
    const ClickGuard& clickGuard() const { return clickGuard_; }
    const ButtonLedger& buttons() const { return ledger_; }
    // Told of every button transition that cannot happen if the tap saw every event it should have.
    void setButtonReport(ButtonLedger::Report report) { ledger_.setReport(std::move(report)); }

private:
    struct LastMove {
        system::Event event;
        double time = 0;
    };

    // Times in nanoseconds: the limits are strict comparisons, which a subtraction of seconds would blur.
    struct PostPacing {
        std::optional<std::uint64_t> lastEvent;
        std::optional<std::uint64_t> lastPost;
    };

    system::TapVerdict handle(system::Event& event);
    system::TapVerdict movePath(system::Event& event, Point location, std::uint64_t nanoseconds);
    system::TapVerdict buttonPath(system::Event& event, Point location, double time);
    system::TapVerdict passUnfiltered(system::Event& event);
    system::TapVerdict passInTurn(system::Event& event);
    system::TapVerdict pace(system::Event& event, Point shown, Vector movement, std::uint64_t nanoseconds);
    void post(const ClickGuard::Outputs& outputs, const system::Event* incoming);
    void scheduleTick();
    void tick(double deadline);
    void scheduleSettle();
    void settleStep();
    void stopSettle();
    void postSettleMove(Point point);
    void resync(Point point);
    void resyncSmootherToCursor();
    void forgetPresses();
    void tapWasOff();
    double feedTime(double time);

    system::PointerSystem system_;
    PointerSmoother smoother_;
    ClickGuard clickGuard_;
    bool isFiltering_ = true;
    Observer observer_;
    std::unique_ptr<system::EventTap> tap_;
    std::array<std::optional<system::Event>, 3> heldDowns_; // by ClickGuard::Button
    std::optional<double> tickScheduled_;
    std::vector<std::pair<double, system::MainLoop::TimerID>> pendingTicks_;
    std::optional<LastMove> lastMove_;
    HandAttribution attribution_;
    PostPacing pacing_;
    std::optional<system::MainLoop::TimerID> settleTimer_;
    int externalMoves_ = 0;
    ButtonLedger ledger_;
    double lastFed_ = -std::numeric_limits<double>::infinity(); // the latest time the smoother's filter was given
};

} // namespace quellarine
