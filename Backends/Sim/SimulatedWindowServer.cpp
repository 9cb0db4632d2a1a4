#include "Backends/Sim/SimulatedWindowServer.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <utility>

namespace quellarine::sim {

using system::Event;
using system::EventType;

struct SimulatedWindowServer::TapEntry {
    std::uint64_t id = 0;
    system::EventMask mask = 0;
    Callback callback;
    bool enabled = true;
    bool removed = false;
};

// The handle the creator holds; dropping it takes the tap out of the chain.
class SimulatedWindowServer::Tap final : public system::EventTap {
public:
    Tap(SimulatedWindowServer& server, TapEntry& entry)
        : server_(server)
        , entry_(entry)
    {
    }
    ~Tap() override { server_.removeTap(&entry_); }
    Tap(const Tap&) = delete;
    Tap& operator=(const Tap&) = delete;

    void setEnabled(bool enabled) override { entry_.enabled = enabled; }
    bool isEnabled() const override { return entry_.enabled; }

private:
    SimulatedWindowServer& server_;
    TapEntry& entry_;
};

namespace {

bool laterFirst(const auto& a, const auto& b)
{
    return a.due != b.due ? a.due > b.due : a.sequence > b.sequence;
}

int checkedButton(int buttonNumber)
{
    if (buttonNumber < 0 || buttonNumber > 31) {
        throw std::invalid_argument("button numbers run from 0 to 31");
    }
    return buttonNumber;
}

EventType pressType(int button)
{
    return button == 0 ? EventType::leftMouseDown : button == 1 ? EventType::rightMouseDown : EventType::otherMouseDown;
}

EventType releaseType(int button)
{
    return button == 0 ? EventType::leftMouseUp : button == 1 ? EventType::rightMouseUp : EventType::otherMouseUp;
}

} // namespace

SimulatedWindowServer::SimulatedWindowServer()
    : SimulatedWindowServer({Rect{{0, 0}, {1440, 900}}}, Point{720, 450})
{
}

SimulatedWindowServer::SimulatedWindowServer(std::vector<Rect> displays, Point cursor)
    : displays_(std::move(displays))
{
    timers_.reserve(16); // room for the few timers that run at once, so that scheduling does not allocate
    cursor_ = clampToDisplays(cursor);
    hardwareLocation_ = cursor_;
}

SimulatedWindowServer::~SimulatedWindowServer() = default;

system::PointerSystem SimulatedWindowServer::pointerSystem()
{
    return system::PointerSystem{*this, *this, *this, *this, *this, *this};
}

std::uint64_t SimulatedWindowServer::toNanoseconds(double seconds)
{
    if (!(seconds > 0)) {
        return 0;
    }
    double nanoseconds = std::round(seconds * 1e9);
    if (nanoseconds >= 1.8e19) {
        return std::numeric_limits<std::uint64_t>::max() / 2;
    }
    return static_cast<std::uint64_t>(nanoseconds);
}

void SimulatedWindowServer::setLatency(double seconds)
{
    latency_ = toNanoseconds(seconds);
}

void SimulatedWindowServer::setPostLatency(double seconds)
{
    postLatency_ = toNanoseconds(seconds);
}

void SimulatedWindowServer::setDisplays(std::vector<Rect> frames)
{
    displays_ = std::move(frames);
    cursor_ = clampToDisplays(cursor_);
    hardwareLocation_ = clampToDisplays(hardwareLocation_);
}

// ---------------------------------------------------------------------------------------------------------------
// Hardware

system::EventType SimulatedWindowServer::moveType() const
{
    if (buttonsDown_ & 1u) {
        return EventType::leftMouseDragged;
    }
    if (buttonsDown_ & 2u) {
        return EventType::rightMouseDragged;
    }
    return buttonsDown_ != 0 ? EventType::otherMouseDragged : EventType::mouseMoved;
}

void SimulatedWindowServer::moveHand(Vector delta)
{
    Pending pending;
    pending.due = now_ + latency_;
    pending.kind = Kind::hardwareMove;
    pending.event.type = moveType();
    pending.event.deltaX = delta.dx;
    pending.event.deltaY = delta.dy;
    pending.event.timestamp = now_;
    if (buttonsDown_ != 0) {
        pending.event.buttonNumber = (buttonsDown_ & 1u) ? 0 : (buttonsDown_ & 2u) ? 1 : std::countr_zero(buttonsDown_);
    }
    enqueue(pending);
}

void SimulatedWindowServer::pressButton(int buttonNumber)
{
    int button = checkedButton(buttonNumber);
    buttonsDown_ |= 1u << button;
    produceButton(pressType(button), button);
}

void SimulatedWindowServer::releaseButton(int buttonNumber)
{
    int button = checkedButton(buttonNumber);
    buttonsDown_ &= ~(1u << button);
    produceButton(releaseType(button), button);
}

void SimulatedWindowServer::produceButton(system::EventType type, int button)
{
    Pending pending;
    pending.due = now_ + latency_;
    pending.kind = Kind::hardwareButton;
    pending.event.type = type;
    pending.event.buttonNumber = button;
    pending.event.clickState = 1;
    pending.event.timestamp = now_;
    enqueue(pending);
}

void SimulatedWindowServer::changeModifiers(const system::ModifierState& state)
{
    Pending pending;
    pending.due = now_;
    pending.kind = Kind::modifiers;
    pending.modifiers = state;
    enqueue(pending);
}

void SimulatedWindowServer::disableTaps(system::EventType reason)
{
    if (reason != EventType::tapDisabledByTimeout && reason != EventType::tapDisabledByUserInput) {
        throw std::invalid_argument("a tap is disabled by timeout or by user input");
    }
    auto disable = [&](TapEntry& tap) {
        if (tap.removed || !tap.enabled) {
            return;
        }
        tap.enabled = false;
        Pending pending;
        pending.due = now_;
        pending.kind = Kind::tapDisabled;
        pending.event.type = reason;
        pending.event.timestamp = now_;
        pending.target = tap.id;
        enqueue(pending);
    };
    for (auto& tap : taps_) {
        disable(*tap);
    }
    for (auto& tap : tapsCreatedDuringDispatch_) {
        disable(*tap);
    }
}

void SimulatedWindowServer::disableTapsSilently()
{
    for (auto& tap : taps_) {
        tap->enabled = false;
    }
    for (auto& tap : tapsCreatedDuringDispatch_) {
        tap->enabled = false;
    }
}

// ---------------------------------------------------------------------------------------------------------------
// Time and dispatch

double SimulatedWindowServer::uptime() const
{
    return static_cast<double>(now_) / 1e9;
}

void SimulatedWindowServer::busyFor(double seconds)
{
    busyUntil_ = std::max(busyUntil_, now_ + toNanoseconds(seconds));
}

void SimulatedWindowServer::advance(double seconds)
{
    advanceTo(now_ + toNanoseconds(seconds));
}

void SimulatedWindowServer::advanceTo(std::uint64_t nanoseconds)
{
    if (dispatching_) {
        throw std::logic_error("the simulated main loop cannot be run from inside one of its callbacks");
    }
    while (!queue_.empty()) {
        std::uint64_t runsAt = std::max(queue_.front().due, busyUntil_);
        if (runsAt > nanoseconds) {
            break;
        }
        std::pop_heap(queue_.begin(), queue_.end(), laterFirst<Pending, Pending>);
        Pending pending = queue_.back();
        queue_.pop_back();
        now_ = std::max(now_, runsAt);
        dispatching_ = true;
        try {
            dispatch(pending);
        } catch (...) {
            dispatching_ = false;
            purgeRemovedTaps();
            throw;
        }
        dispatching_ = false;
        purgeRemovedTaps();
    }
    now_ = std::max(now_, nanoseconds);
}

void SimulatedWindowServer::enqueue(Pending pending)
{
    pending.sequence = ++sequence_;
    queue_.push_back(pending);
    std::push_heap(queue_.begin(), queue_.end(), laterFirst<Pending, Pending>);
}

void SimulatedWindowServer::dispatch(Pending& pending)
{
    switch (pending.kind) {
    case Kind::hardwareMove: {
        Event& event = pending.event;
        bool fromHand = deltaBase_ == DeltaBase::hand || (deltaBase_ == DeltaBase::alternating && nextMoveFromHand_);
        if (deltaBase_ == DeltaBase::alternating) {
            nextMoveFromHand_ = !nextMoveFromHand_;
        }
        Point base = fromHand ? hardwareLocation_ : cursor_;
        event.location = associated_ ? clampToDisplays(base + Vector{event.deltaX, event.deltaY}) : cursor_;
        if (reportsDeltaBase_) {
            event.deltaBase = associated_ ? base : cursor_;
        }
        hardwareLocation_ = event.location;
        event.cursorPlacedElsewhere = std::exchange(placedElsewhere_, false) && reportsPlacementsElsewhere_;
        deliver(event, Origin::hardware);
        break;
    }
    case Kind::hardwareButton:
        pending.event.location = cursor_;
        pending.event.cursorPlacedElsewhere = std::exchange(placedElsewhere_, false) && reportsPlacementsElsewhere_;
        deliver(pending.event, Origin::hardware);
        break;
    case Kind::posted:
        deliver(pending.event, Origin::posted);
        break;
    case Kind::timer:
        runTimer(pending.target, pending.due);
        break;
    case Kind::tapDisabled:
        for (auto& tap : taps_) {
            if (tap->id == pending.target && !tap->removed) {
                tap->callback(pending.event);
                break;
            }
        }
        break;
    case Kind::modifiers:
        if (modifierHandler_) {
            // A copy, so that the handler may replace itself.
            ModifierMonitor::Handler handler = modifierHandler_;
            handler(pending.modifiers, uptime());
        }
        break;
    }
}

void SimulatedWindowServer::deliver(Event& event, Origin origin)
{
    for (auto& tap : taps_) {
        if (tap->removed || !tap->enabled || !(tap->mask & system::maskBit(event.type))) {
            continue;
        }
        if (tap->callback(event) == system::TapVerdict::swallow) {
            return;
        }
    }
    if (std::isfinite(event.location.x) && std::isfinite(event.location.y)) {
        cursor_ = event.location; // an event at no real place leaves the cursor where it is, as a system does
    }
    received_.push_back(Received{event, now_, origin});
}

// ---------------------------------------------------------------------------------------------------------------
// Timers

std::uint64_t SimulatedWindowServer::timerDelay(double seconds)
{
    // A timer never fires before its time: a delay too short to round to a whole tick still waits one.
    std::uint64_t nanoseconds = toNanoseconds(seconds);
    return nanoseconds == 0 && seconds > 0 ? 1 : nanoseconds;
}

SimulatedWindowServer::TimerID SimulatedWindowServer::scheduleAfter(double delay, Work work)
{
    TimerID id = ++nextTimer_;
    timers_.push_back(Timer{id, std::move(work), 0, false});
    Pending pending;
    pending.due = now_ + timerDelay(delay);
    pending.kind = Kind::timer;
    pending.target = id;
    enqueue(pending);
    return id;
}

SimulatedWindowServer::TimerID SimulatedWindowServer::scheduleRepeating(double first, double interval, Work work)
{
    TimerID id = ++nextTimer_;
    // A period below one tick of virtual time would fire forever without time passing.
    timers_.push_back(Timer{id, std::move(work), std::max<std::uint64_t>(toNanoseconds(interval), 1), false});
    Pending pending;
    pending.due = now_ + timerDelay(first);
    pending.kind = Kind::timer;
    pending.target = id;
    enqueue(pending);
    return id;
}

SimulatedWindowServer::Timer* SimulatedWindowServer::findTimer(TimerID id)
{
    auto found = std::find_if(timers_.begin(), timers_.end(), [id](const Timer& timer) { return timer.id == id; });
    return found == timers_.end() ? nullptr : &*found;
}

void SimulatedWindowServer::eraseTimer(TimerID id)
{
    std::erase_if(timers_, [id](const Timer& timer) { return timer.id == id; });
}

void SimulatedWindowServer::cancel(TimerID id)
{
    Timer* timer = findTimer(id);
    if (!timer) {
        return;
    }
    if (id == firingTimer_) {
        // Its work is running: it is dropped once the work returns.
        timer->cancelled = true;
    } else {
        eraseTimer(id);
    }
}

void SimulatedWindowServer::runTimer(std::uint64_t id, std::uint64_t due)
{
    Timer* timer = findTimer(id);
    if (!timer) {
        return; // cancelled while it waited
    }
    // The work is held here while it runs: it may schedule and cancel timers, which moves the table around.
    Work work = std::move(timer->work);
    firingTimer_ = id;
    try {
        work();
    } catch (...) {
        firingTimer_ = 0;
        eraseTimer(id);
        throw;
    }
    firingTimer_ = 0;
    timer = findTimer(id);
    if (!timer || timer->cancelled || timer->interval == 0) {
        eraseTimer(id);
        return;
    }
    timer->work = std::move(work);
    Pending pending;
    pending.due = due + timer->interval;
    pending.kind = Kind::timer;
    pending.target = id;
    enqueue(pending);
}

// ---------------------------------------------------------------------------------------------------------------
// Taps and posting

std::unique_ptr<system::EventTap> SimulatedWindowServer::createTap(system::EventMask mask, Callback callback)
{
    if (!maySteerPointer_) {
        return nullptr;
    }
    auto entry = std::make_unique<TapEntry>();
    entry->id = ++nextTap_;
    entry->mask = mask;
    entry->callback = std::move(callback);
    TapEntry& created = *entry;
    if (dispatching_) {
        // The chain is being walked: the new tap joins the head once the current event is through.
        tapsCreatedDuringDispatch_.push_back(std::move(entry));
    } else {
        taps_.insert(taps_.begin(), std::move(entry));
    }
    return std::make_unique<Tap>(*this, created);
}

void SimulatedWindowServer::removeTap(TapEntry* entry)
{
    entry->removed = true;
    entry->enabled = false;
    if (!dispatching_) {
        purgeRemovedTaps();
    }
}

void SimulatedWindowServer::purgeRemovedTaps()
{
    for (auto& created : tapsCreatedDuringDispatch_) {
        taps_.insert(taps_.begin(), std::move(created));
    }
    tapsCreatedDuringDispatch_.clear();
    std::erase_if(taps_, [](const auto& tap) { return tap->removed; });
}

std::size_t SimulatedWindowServer::tapCount() const
{
    std::size_t count = 0;
    for (const auto& tap : taps_) {
        count += tap->removed ? 0 : 1;
    }
    for (const auto& tap : tapsCreatedDuringDispatch_) {
        count += tap->removed ? 0 : 1;
    }
    return count;
}

void SimulatedWindowServer::post(const Event& event, system::PostLevel)
{
    // Both levels lie below a session tap at the head of the chain, so both come back through it.
    Pending pending;
    pending.due = now_ + postLatency_;
    pending.kind = Kind::posted;
    pending.event = event;
    enqueue(pending);
}

// ---------------------------------------------------------------------------------------------------------------
// Cursor and displays

void SimulatedWindowServer::placeCursor(Point location)
{
    cursor_ = clampToDisplays(location);
    hardwareLocation_ = cursor_;
    placedElsewhere_ = true;
}

void SimulatedWindowServer::warp(Point location)
{
    cursor_ = location;
    ++warpCount_;
}

Point SimulatedWindowServer::clampToDisplays(Point point) const
{
    std::optional<Point> best;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (const Rect& frame : displays_) {
        if (frame.isEmpty()) {
            continue;
        }
        Point candidate{std::clamp(point.x, frame.minX(), std::max(frame.minX(), frame.maxX() - 1)),
                        std::clamp(point.y, frame.minY(), std::max(frame.minY(), frame.maxY() - 1))};
        double distance = candidate.distance(point);
        if (distance == 0) {
            return point;
        }
        if (distance < bestDistance) {
            bestDistance = distance;
            best = candidate;
        }
    }
    return best.value_or(point);
}

} // namespace quellarine::sim
