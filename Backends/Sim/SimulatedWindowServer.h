#pragma once

#include "QuellarineKit/Support/Geometry.h"
#include "QuellarineKit/System/Clock.h"
#include "QuellarineKit/System/Cursor.h"
#include "QuellarineKit/System/Event.h"
#include "QuellarineKit/System/EventTap.h"
#include "QuellarineKit/System/HotKeys.h"
#include "QuellarineKit/System/MainLoop.h"
#include "QuellarineKit/System/Permission.h"
#include "QuellarineKit/System/PointerSystem.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace quellarine::sim {

// A window server that runs in virtual time, for tests and benchmarks. Time stands still until the owner
// advances it; everything due meanwhile (hardware events, posted events, timers) then runs in order of its due
// time, ties in the order it was queued, each one to completion before the next: callbacks never nest.
//
// Hardware events carry the time the device produced them and reach the taps a configurable latency later.
// Posted events are queued and come back through the taps once the running callback has returned. Whatever
// passes every tap reaches the applications: it is recorded and the cursor moves to its location.
//
// Not thread-safe, like the main loop it stands for. Taps and anything scheduled must not outlive the server.
class SimulatedWindowServer final : public system::Clock,
                                    public system::MainLoop,
                                    public system::EventTapHost,
                                    public system::EventPoster,
                                    public system::Cursor,
                                    public system::Displays,
                                    public system::Permission,
                                    public system::ModifierMonitor {
public:
    // What the system adds a hardware delta to. Real window servers differ here, and the pointer tap has to work
    // out which one was used from the events alone.
    enum class DeltaBase {
        cursor,      // where the cursor is when the event is processed, our own placements included
        hand,        // where the previous hardware move put the pointer, whatever happened since
        alternating, // hand, then cursor, then hand ... one hardware move each
    };

    enum class Origin { hardware, posted };

    // One event as an application received it.
    struct Received {
        system::Event event;
        std::uint64_t time = 0; // virtual nanoseconds at delivery
        Origin origin = Origin::hardware;
    };

    // One 1440 by 900 display with the cursor in its middle.
    SimulatedWindowServer();
    SimulatedWindowServer(std::vector<Rect> displays, Point cursor);
    ~SimulatedWindowServer() override;
    SimulatedWindowServer(const SimulatedWindowServer&) = delete;
    SimulatedWindowServer& operator=(const SimulatedWindowServer&) = delete;

    // The pointer tap's view of this server.
    system::PointerSystem pointerSystem();

    // Configuration; each takes effect for events produced or processed after the call.
    void setDeltaBase(DeltaBase base) { deltaBase_ = base; }
    DeltaBase deltaBase() const { return deltaBase_; }
    // Whether hardware moves tell the taps the point their delta was added to (Event::deltaBase), as a system
    // that computes the locations itself can. Off by default: the taps must then work it out.
    void setReportsDeltaBase(bool reports) { reportsDeltaBase_ = reports; }
    // Whether the first hardware event after another program placed the cursor (placeCursor) says so
    // (Event::cursorPlacedElsewhere), as a system that hears of other programs' warps can. Off by default.
    void setReportsPlacementsElsewhere(bool reports) { reportsPlacementsElsewhere_ = reports; }
    void setLatency(double seconds);     // from a hardware event's timestamp to its arrival at the taps
    void setPostLatency(double seconds); // from posting an event to its arrival at the taps
    void setMaySteerPointer(bool trusted) { maySteerPointer_ = trusted; }
    // Replaces the displays; the cursor is brought back onto them as the system would.
    void setDisplays(std::vector<Rect> frames);

    // The hardware, at the current virtual time. Buttons: 0 left, 1 right, 2 and up other buttons.
    void moveHand(Vector delta);
    void pressButton(int buttonNumber);
    void releaseButton(int buttonNumber);
    void changeModifiers(const system::ModifierState& state);
    // Another program warps the cursor there; the hand's next move starts from it.
    void placeCursor(Point location);
    // Where the system put the pointer for the last hardware move it processed.
    Point hardwareLocation() const { return hardwareLocation_; }

    // The system switches every enabled tap off; each is told with a notice of this type (tapDisabledByTimeout or
    // tapDisabledByUserInput).
    void disableTaps(system::EventType reason);
    // The system switches every tap off without telling it: only asking whether it is enabled shows it.
    void disableTapsSilently();

    // The main loop is busy for this long from now (a slow paint, a full disk): hardware events, posted events and
    // timers that fall due meanwhile wait, and then run in their order as soon as it is free.
    void busyFor(double seconds);

    // Virtual time.
    void advance(double seconds);
    void advanceTo(std::uint64_t nanoseconds);
    // Runs whatever is due now without moving time on.
    void runDue() { advanceTo(now_); }
    std::uint64_t now() const { return now_; }

    // What the applications received, oldest first.
    const std::vector<Received>& received() const { return received_; }
    void clearReceived() { received_.clear(); }
    // How often the cursor was warped, and whether the devices drive it.
    int warpCount() const { return warpCount_; }
    bool isMouseAssociated() const { return associated_; }
    // Taps in the chain, and one-shot or repeating timers not yet finished or cancelled.
    std::size_t tapCount() const;
    std::size_t timerCount() const { return timers_.size(); }

    // Clock
    double uptime() const override;
    std::uint64_t nanoseconds() const override { return now_; }

    // MainLoop
    TimerID scheduleAfter(double delay, Work work) override;
    TimerID scheduleRepeating(double first, double interval, Work work) override;
    void cancel(TimerID timer) override;

    // EventTapHost and EventPoster
    std::unique_ptr<system::EventTap> createTap(system::EventMask mask, Callback callback) override;
    void post(const system::Event& event, system::PostLevel level) override;

    // Cursor and Displays
    void warp(Point location) override;
    void associateMouseAndCursor(bool associated) override { associated_ = associated; }
    std::optional<Point> currentLocation() const override { return cursor_; }
    std::vector<Rect> activeDisplayFrames() const override { return displays_; }

    // Permission
    bool maySteerPointer() const override { return maySteerPointer_; }

    // ModifierMonitor
    void setHandler(ModifierMonitor::Handler handler) override { modifierHandler_ = std::move(handler); }

private:
    class Tap;
    struct TapEntry;

    enum class Kind { hardwareMove, hardwareButton, posted, timer, tapDisabled, modifiers };

    struct Pending {
        std::uint64_t due = 0;
        std::uint64_t sequence = 0;
        Kind kind = Kind::posted;
        system::Event event;      // hardware and posted events; the notice's type for tapDisabled
        std::uint64_t target = 0; // the timer or the tap it is for
        system::ModifierState modifiers;
    };

    struct Timer {
        TimerID id = 0;
        Work work;
        std::uint64_t interval = 0; // 0: one-shot
        bool cancelled = false;
    };

    void enqueue(Pending pending);
    // A hardware button event stamped now, arriving after the latency.
    void produceButton(system::EventType type, int button);
    void dispatch(Pending& pending);
    void runTimer(std::uint64_t id, std::uint64_t due);
    Timer* findTimer(TimerID id);
    void eraseTimer(TimerID id);
    void deliver(system::Event& event, Origin origin);
    void removeTap(TapEntry* entry);
    void purgeRemovedTaps();
    Point clampToDisplays(Point point) const;
    system::EventType moveType() const;
    static std::uint64_t toNanoseconds(double seconds);
    static std::uint64_t timerDelay(double seconds);

    std::uint64_t now_ = 0;
    std::uint64_t sequence_ = 0;
    std::vector<Pending> queue_; // a min-heap on (due, sequence)
    bool dispatching_ = false;

    std::vector<Timer> timers_; // few at a time: a flat table keeps scheduling free of allocations
    TimerID nextTimer_ = 0;
    TimerID firingTimer_ = 0;

    std::vector<std::unique_ptr<TapEntry>> taps_; // the chain, head first
    std::vector<std::unique_ptr<TapEntry>> tapsCreatedDuringDispatch_;
    std::uint64_t nextTap_ = 0;

    std::vector<Rect> displays_;
    Point cursor_;
    Point hardwareLocation_;
    bool associated_ = true;
    int warpCount_ = 0;
    DeltaBase deltaBase_ = DeltaBase::cursor;
    bool nextMoveFromHand_ = true; // for the alternating base
    bool reportsDeltaBase_ = false;
    bool reportsPlacementsElsewhere_ = false;
    bool placedElsewhere_ = false; // by another program, since the last hardware event
    std::uint64_t busyUntil_ = 0;
    std::uint32_t buttonsDown_ = 0; // a bit per button number
    std::uint64_t latency_ = 0;
    std::uint64_t postLatency_ = 0;
    bool maySteerPointer_ = true;

    ModifierMonitor::Handler modifierHandler_;
    std::vector<Received> received_;
};

} // namespace quellarine::sim
