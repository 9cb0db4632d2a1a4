#include "QuellarineKit/Pointer/PointerTap.h"

#include <algorithm>

namespace quellarine {

using system::Event;
using system::EventType;
using system::TapVerdict;

namespace {

// Moves, the three drags, and the presses and releases of the three buttons. Modifier changes, scrolling and
// keys are not watched.
constexpr system::EventMask watchedEvents = system::maskBit(EventType::mouseMoved)
    | system::maskBit(EventType::leftMouseDragged) | system::maskBit(EventType::rightMouseDragged)
    | system::maskBit(EventType::otherMouseDragged) | system::maskBit(EventType::leftMouseDown)
    | system::maskBit(EventType::leftMouseUp) | system::maskBit(EventType::rightMouseDown)
    | system::maskBit(EventType::rightMouseUp) | system::maskBit(EventType::otherMouseDown)
    | system::maskBit(EventType::otherMouseUp);

// Bursts of hardware moves closer than this (nanoseconds) are written into the passing events...
constexpr std::int64_t pacingEventGap = 5'000'000;
// ...unless nothing has been posted for this long.
constexpr std::int64_t pacingPostGap = 7'900'000;

constexpr double settlePeriod = 0.008;
// The hand counts as resting once no move has come for longer than this.
constexpr double settleRest = 0.012;
constexpr double settleArrival = 0.3;
constexpr double settlePlaceAfter = 3.0;

struct ButtonEvent {
    ClickGuard::Button button;
    bool down;
};

std::optional<ButtonEvent> buttonOf(EventType type)
{
    switch (type) {
    case EventType::leftMouseDown:
        return ButtonEvent{ClickGuard::Button::left, true};
    case EventType::leftMouseUp:
        return ButtonEvent{ClickGuard::Button::left, false};
    case EventType::rightMouseDown:
        return ButtonEvent{ClickGuard::Button::right, true};
    case EventType::rightMouseUp:
        return ButtonEvent{ClickGuard::Button::right, false};
    case EventType::otherMouseDown:
        return ButtonEvent{ClickGuard::Button::other, true};
    case EventType::otherMouseUp:
        return ButtonEvent{ClickGuard::Button::other, false};
    default:
        return std::nullopt;
    }
}

EventType pressType(ClickGuard::Button button)
{
    switch (button) {
    case ClickGuard::Button::left:
        return EventType::leftMouseDown;
    case ClickGuard::Button::right:
        return EventType::rightMouseDown;
    case ClickGuard::Button::other:
        break;
    }
    return EventType::otherMouseDown;
}

EventType releaseType(ClickGuard::Button button)
{
    switch (button) {
    case ClickGuard::Button::left:
        return EventType::leftMouseUp;
    case ClickGuard::Button::right:
        return EventType::rightMouseUp;
    case ClickGuard::Button::other:
        break;
    }
    return EventType::otherMouseUp;
}

bool isMove(EventType type)
{
    return type == EventType::mouseMoved || type == EventType::leftMouseDragged || type == EventType::rightMouseDragged
        || type == EventType::otherMouseDragged;
}

bool isDrag(EventType type)
{
    return isMove(type) && type != EventType::mouseMoved;
}

std::optional<ClickGuard::Button> dragged(EventType type)
{
    switch (type) {
    case EventType::leftMouseDragged:
        return ClickGuard::Button::left;
    case EventType::rightMouseDragged:
        return ClickGuard::Button::right;
    case EventType::otherMouseDragged:
        return ClickGuard::Button::other;
    default:
        return std::nullopt;
    }
}

// From `earlier` to `later`, however far apart, without wrapping round.
std::int64_t elapsed(std::uint64_t later, std::uint64_t earlier)
{
    return later >= earlier ? static_cast<std::int64_t>(later - earlier) : -static_cast<std::int64_t>(earlier - later);
}

std::size_t slot(ClickGuard::Button button)
{
    return static_cast<std::size_t>(button);
}

// The device's number of the button of a press or release: left 0, right 1, the others 2 and up (as far as the
// bookkeeping reaches; a number it cannot hold is taken as the nearest it can).
int buttonNumber(const Event& event, ClickGuard::Button button)
{
    switch (button) {
    case ClickGuard::Button::left:
        return 0;
    case ClickGuard::Button::right:
        return 1;
    case ClickGuard::Button::other:
        break;
    }
    return static_cast<int>(std::clamp<std::int64_t>(event.buttonNumber, 2, 63));
}

} // namespace

PointerTap::TapError::TapError(Code code)
    : std::runtime_error("the system refused to let this process watch the pointer")
    , code_(code)
{
}

PointerTap::PointerTap(system::PointerSystem system, const PointerFilter::Parameters& parameters,
                       const ClickGuard::Settings& clicks)
    : system_(system)
    , smoother_(parameters, system.displays.activeDisplayFrames())
    , clickGuard_(clicks)
{
}

PointerTap::~PointerTap()
{
    stop();
    if (settleTimer_) {
        system_.mainLoop.cancel(*settleTimer_);
    }
    for (const auto& [deadline, timer] : pendingTicks_) {
        system_.mainLoop.cancel(timer);
    }
}

// ---------------------------------------------------------------------------------------------------------------
// Control

void PointerTap::start()
{
    if (tap_) {
        return;
    }
    tap_ = system_.taps.createTap(watchedEvents, [this](Event& event) { return handle(event); });
    if (!tap_) {
        throw TapError(TapError::notPermitted);
    }
    tap_->setEnabled(true);
    resyncSmootherToCursor();
}

void PointerTap::stop()
{
    if (!tap_) {
        return;
    }
    tap_->setEnabled(false);
    tap_.reset();
    tapWasOff();
}

bool PointerTap::isRunning() const
{
    return tap_ && tap_->isEnabled();
}

bool PointerTap::ensureEnabled()
{
    if (!tap_ || tap_->isEnabled()) {
        return true;
    }
    tap_->setEnabled(true);
    tapWasOff();
    resyncSmootherToCursor();
    return false;
}

void PointerTap::displaysChanged()
{
    smoother_.displays = system_.displays.activeDisplayFrames();
    resyncSmootherToCursor();
}

void PointerTap::setParameters(const PointerFilter::Parameters& parameters)
{
    smoother_.filter.setParameters(parameters);
}

void PointerTap::setClickSettings(const ClickGuard::Settings& settings)
{
    clickGuard_.settings = settings;
}

void PointerTap::setFiltering(bool filtering)
{
    if (filtering == isFiltering_) {
        return;
    }
    isFiltering_ = filtering;
    resyncSmootherToCursor();
    // A press the guard was holding back never reaches the applications now, and its release is swallowed when it
    // comes (the ledger knows it withheld).
    forgetPresses();
}

void PointerTap::forgetPresses()
{
    clickGuard_ = ClickGuard(clickGuard_.settings);
    heldDowns_ = {};
    ledger_.guardForgotten();
}

void PointerTap::tapWasOff()
{
    // Events went past the tap meanwhile: a press held back may have been released already, so it must never go
    // out later; and a button seen down may have been released and pressed again, so its release passes.
    forgetPresses();
    ledger_.tapWasOff();
}

void PointerTap::resync(Point point)
{
    smoother_.resync(point);
    attribution_.resync(point);
    pacing_ = PostPacing{};
}

void PointerTap::resyncSmootherToCursor()
{
    if (auto cursor = system_.cursor.currentLocation()) {
        smoother_.resync(*cursor);
    }
}

// ---------------------------------------------------------------------------------------------------------------
// The callback

TapVerdict PointerTap::handle(Event& event)
{
    if (event.type == EventType::tapDisabledByTimeout || event.type == EventType::tapDisabledByUserInput) {
        if (tap_) {
            tap_->setEnabled(true);
        }
        tapWasOff();
        resyncSmootherToCursor();
        return TapVerdict::pass;
    }

    Point location = event.location;
    if (event.userData == marker) {
        smoother_.cursorPlaced(location);
        attribution_.placed(location);
        if (buttonOf(event.type)) {
            ledger_.postCameBack();
        }
        return TapVerdict::pass;
    }
    if (std::optional<ClickGuard::Button> button = dragged(event.type)) {
        ledger_.dragged(buttonNumber(event, *button));
    }

    if (isFiltering_ && event.cursorPlacedElsewhere) {
        // The system saw the cursor put there by someone else: follow it, however short the jump.
        ++externalMoves_;
        resync(location);
        if (isMove(event.type)) {
            if (observer_) {
                observer_(location, location);
            }
            return TapVerdict::pass;
        }
    }

    if (!isFiltering_) {
        resync(location);
        if (observer_) {
            observer_(location, location);
        }
        return passUnfiltered(event);
    }

    const std::uint64_t nanoseconds = event.timestamp != 0 ? event.timestamp : system_.clock.nanoseconds();
    if (isMove(event.type)) {
        return movePath(event, location, nanoseconds);
    }
    return buttonPath(event, location, static_cast<double>(nanoseconds) / 1e9);
}

TapVerdict PointerTap::movePath(Event& event, Point location, std::uint64_t nanoseconds)
{
    const double time = static_cast<double>(nanoseconds) / 1e9;
    Vector delta{static_cast<double>(event.integerDeltaX()), static_cast<double>(event.integerDeltaY())};
    std::optional<Vector> movement = attribution_.attribute(location, delta, event.deltaBase);
    if (!movement) {
        // Something else put the cursor here: start again from where it is.
        ++externalMoves_;
        resync(location);
        if (observer_) {
            observer_(location, location);
        }
        return TapVerdict::pass;
    }

    Point shown = smoother_.move(*movement, location, feedTime(time));
    // The drag circle is judged on the hand's own position, not on the steadied one.
    ClickGuard::MoveResult result = clickGuard_.moved(smoother_.raw().value_or(location), time);
    if (result.decision == ClickGuard::MoveDecision::hold) {
        if (auto hold = clickGuard_.holdLocation()) {
            system_.cursor.warp(*hold);
            system_.cursor.associateMouseAndCursor(true);
            smoother_.cursorPlaced(*hold);
            // We put the cursor there as surely as with a posted event. A system that adds the next delta to
            // the cursor starts it here, and only a placement can explain that: without it, a slow drag's steps
            // would each be taken against the previous hardware location, the hand would seem to stand still,
            // and the pointer would stay held for as long as the button is down.
            attribution_.placed(*hold);
            return TapVerdict::swallow;
        }
    }
    if (!result.outputs.empty()) {
        post(result.outputs, nullptr);
        return TapVerdict::swallow;
    }

    if (observer_) {
        observer_(location, shown);
    }
    lastMove_ = LastMove{event, time};
    scheduleSettle();
    return pace(event, shown, *movement, nanoseconds);
}

TapVerdict PointerTap::passUnfiltered(Event& event)
{
    std::optional<ButtonEvent> button = buttonOf(event.type);
    if (!button) {
        return TapVerdict::pass;
    }
    const int number = buttonNumber(event, button->button);
    ButtonLedger::Route route = button->down ? ledger_.press(number, false) : ledger_.release(number, false);
    return route == ButtonLedger::Route::swallow ? TapVerdict::swallow : passInTurn(event);
}

TapVerdict PointerTap::buttonPath(Event& event, Point location, double time)
{
    std::optional<ButtonEvent> button = buttonOf(event.type);
    if (!button) {
        return TapVerdict::pass;
    }
    const int number = buttonNumber(event, button->button);
    Point shown = smoother_.emitted().value_or(location);
    ClickGuard::Outputs outputs;
    if (button->down) {
        if (ledger_.press(number, true) == ButtonLedger::Route::pass) {
            event.location = shown;
            return passInTurn(event);
        }
        heldDowns_[slot(button->button)] = event;
        outputs = clickGuard_.buttonDown(button->button, time, shown);
    } else {
        if (ledger_.guardButton() != number) {
            return ledger_.release(number, true) == ButtonLedger::Route::pass ? passInTurn(event) : TapVerdict::swallow;
        }
        outputs = clickGuard_.buttonUp(button->button, time, shown);
    }
    scheduleTick();

    TapVerdict verdict = TapVerdict::swallow;
    if (outputs.size() == 1 && (outputs[0].kind == ClickGuard::Output::Kind::down) == button->down
        && outputs[0].button == button->button) {
        event.location = outputs[0].point;
        event.clickState = outputs[0].clickCount;
        ledger_.delivered(number, button->down);
        verdict = passInTurn(event);
    } else {
        post(outputs, button->down ? nullptr : &event);
    }
    if (!button->down) {
        // Told after the guard's answer went out: the ledger checks that it left the applications without the press.
        ledger_.release(number, true);
    }
    return verdict;
}

TapVerdict PointerTap::passInTurn(Event& event)
{
    if (!ledger_.postsInFlight()) {
        return TapVerdict::pass;
    }
    // Passing it now would overtake button events the tap posted a moment ago, and a release that reaches the
    // applications before its press leaves the button down there. Posted behind them, it keeps its turn.
    Event copy = event;
    copy.userData = marker;
    copy.timestamp = system_.clock.nanoseconds();
    system_.poster.post(copy, system::PostLevel::session);
    ledger_.posted();
    return TapVerdict::swallow;
}

double PointerTap::feedTime(double time)
{
    // Hardware events carry the time the device produced them and reach us a little later, so a settle step
    // (which runs at "now") may already have taken the filter past the next event's time. Time going backwards
    // would restart the filter and jump the pointer onto the hand.
    lastFed_ = std::max(time, lastFed_);
    return lastFed_;
}

// ---------------------------------------------------------------------------------------------------------------
// Synthetic events

TapVerdict PointerTap::pace(Event& event, Point shown, Vector movement, std::uint64_t time)
{
    std::optional<std::uint64_t> previous = pacing_.lastEvent;
    pacing_.lastEvent = time;
    if (previous && elapsed(time, *previous) < pacingEventGap && pacing_.lastPost
        && elapsed(time, *pacing_.lastPost) < pacingPostGap) {
        event.location = shown;
        return TapVerdict::pass;
    }
    pacing_.lastPost = time;
    Event copy = event;
    copy.location = shown;
    copy.deltaX = movement.dx;
    copy.deltaY = movement.dy;
    copy.userData = marker;
    copy.timestamp = system_.clock.nanoseconds();
    system_.poster.post(copy, system::PostLevel::hid);
    return TapVerdict::swallow;
}

void PointerTap::post(const ClickGuard::Outputs& outputs, const Event* incoming)
{
    for (const ClickGuard::Output& output : outputs) {
        ClickGuard::Button button = output.button;
        const std::optional<Event>& stored = heldDowns_[slot(button)];
        Event base;
        if (output.kind == ClickGuard::Output::Kind::down) {
            if (!stored) {
                continue;
            }
            base = *stored;
        } else if (incoming && (incoming->type == pressType(button) || incoming->type == releaseType(button))) {
            base = *incoming;
        } else if (stored) {
            base = *stored;
            base.type = releaseType(button);
        } else {
            continue;
        }
        base.location = output.point;
        base.clickState = output.clickCount;
        base.userData = marker;
        base.timestamp = system_.clock.nanoseconds();
        system_.poster.post(base, system::PostLevel::session);
        ledger_.posted();
        ledger_.delivered(buttonNumber(base, button), output.kind == ClickGuard::Output::Kind::down);
    }
}

void PointerTap::scheduleTick()
{
    std::optional<double> deadline = clickGuard_.nextDeadline();
    if (!deadline || tickScheduled_ == deadline) {
        return;
    }
    tickScheduled_ = deadline;
    double due = *deadline;
    auto timer
        = system_.mainLoop.scheduleAfter(std::max(due - system_.clock.uptime(), 0.0), [this, due] { tick(due); });
    pendingTicks_.emplace_back(due, timer);
}

void PointerTap::tick(double deadline)
{
    auto done = std::find_if(pendingTicks_.begin(), pendingTicks_.end(),
                             [deadline](const auto& pending) { return pending.first == deadline; });
    if (done != pendingTicks_.end()) {
        pendingTicks_.erase(done);
    }
    tickScheduled_.reset();
    if (tap_ && !tap_->isEnabled()) {
        // The system switched the tap off and the press's release may have gone past it already.
        tapWasOff();
        return;
    }
    post(clickGuard_.tick(system_.clock.uptime()), nullptr);
    scheduleTick();
}

void PointerTap::scheduleSettle()
{
    if (settleTimer_) {
        return;
    }
    settleTimer_ = system_.mainLoop.scheduleRepeating(settlePeriod, settlePeriod, [this] { settleStep(); });
}

void PointerTap::stopSettle()
{
    if (settleTimer_) {
        system_.mainLoop.cancel(*settleTimer_);
        settleTimer_.reset();
    }
}

void PointerTap::settleStep()
{
    double now = system_.clock.uptime();
    if (!isFiltering_ || !lastMove_ || clickGuard_.holdLocation()) {
        stopSettle();
        return;
    }
    if (now - lastMove_->time <= settleRest) {
        return;
    }
    std::optional<Point> raw = smoother_.raw();
    if (!raw) {
        stopSettle();
        return;
    }
    if (now - lastMove_->time > settlePlaceAfter) {
        smoother_.resync(*raw);
        postSettleMove(*raw);
        stopSettle();
        return;
    }
    std::optional<Point> settled = smoother_.settle(feedTime(now));
    if (!settled) {
        stopSettle();
        return;
    }
    postSettleMove(*settled);
    if (settled->distance(*raw) < settleArrival) {
        stopSettle();
    }
}

void PointerTap::postSettleMove(Point point)
{
    Event copy = lastMove_->event;
    if (isDrag(copy.type) && !ledger_.anyHeld()) {
        // The drag is over: telling applications a button is still down would restart it.
        copy.type = EventType::mouseMoved;
        copy.buttonNumber = 0;
    }
    copy.location = point;
    copy.deltaX = 0;
    copy.deltaY = 0;
    copy.userData = marker;
    copy.timestamp = system_.clock.nanoseconds();
    system_.poster.post(copy, system::PostLevel::hid);
}

} // namespace quellarine
