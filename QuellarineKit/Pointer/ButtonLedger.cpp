#include "QuellarineKit/Pointer/ButtonLedger.h"

#include <algorithm>

namespace quellarine {

std::size_t ButtonLedger::slot(int button)
{
    return static_cast<std::size_t>(std::clamp(button, 0, buttons - 1));
}

const char* ButtonLedger::name(State state)
{
    switch (state) {
    case State::up:
        return "up";
    case State::guarding:
        return "guarding";
    case State::guardSent:
        return "guardSent";
    case State::passed:
        return "passed";
    case State::withheld:
        return "withheld";
    case State::unseen:
        break;
    }
    return "unseen";
}

bool ButtonLedger::anyHeld() const
{
    return std::any_of(states_.begin(), states_.end(), [](State state) { return state != State::up; });
}

void ButtonLedger::impossible(int button, const char* what)
{
    ++impossible_;
    if (report_) {
        report_("Button " + std::to_string(slot(button)) + " (" + name(state(button)) + "): " + what);
    }
}

void ButtonLedger::guardTakes(int button)
{
    if (guard_ && *guard_ != button) {
        State& earlier = states_[slot(*guard_)];
        // Whatever the guard still sends for it (the end of its press) is delivered as usual.
        earlier = earlier == State::guardSent ? State::passed : State::withheld;
    }
    guard_ = static_cast<int>(slot(button));
    states_[slot(button)] = State::guarding;
}

ButtonLedger::Route ButtonLedger::press(int button, bool filtering)
{
    State& state = states_[slot(button)];
    if (state != State::up && state != State::unseen) {
        impossible(button, "pressed again without a release");
    }
    if (!filtering) {
        if (guard_ == static_cast<int>(slot(button))) {
            guard_.reset();
        }
        state = State::passed;
        return Route::pass;
    }
    if (slot(button) >= 2 && guard_ && *guard_ >= 2 && *guard_ != static_cast<int>(slot(button))) {
        // The guard follows one of the extra buttons at a time; another one beside it goes straight through.
        state = State::passed;
        return Route::pass;
    }
    guardTakes(button);
    return Route::guard;
}

ButtonLedger::Route ButtonLedger::release(int button, bool filtering)
{
    State& state = states_[slot(button)];
    const State before = state;
    state = State::up;
    if (guard_ == static_cast<int>(slot(button))) {
        guard_.reset();
        if (filtering) {
            if (before == State::guardSent) {
                impossible(button, "released by the hand while the applications still hold it");
            }
            return Route::guard;
        }
    }
    switch (before) {
    case State::withheld:
    case State::guarding:
        return Route::swallow;
    case State::up:     // its press came before the tap saw anything
    case State::unseen: // its press went by while the tap was off
    case State::passed:
    case State::guardSent:
        break;
    }
    return Route::pass;
}

void ButtonLedger::dragged(int button)
{
    State& state = states_[slot(button)];
    if (state == State::up) {
        state = State::unseen;
    }
}

void ButtonLedger::delivered(int button, bool down)
{
    State& state = states_[slot(button)];
    if (down) {
        switch (state) {
        case State::guarding:
            state = State::guardSent;
            return;
        case State::withheld:
            state = State::passed;
            return;
        case State::unseen:
            return;
        case State::up:
            impossible(button, "pressed in the applications though the hand has let go");
            state = State::passed;
            return;
        case State::guardSent:
        case State::passed:
            impossible(button, "pressed twice in a row in the applications");
            return;
        }
        return;
    }
    switch (state) {
    case State::guardSent:
        state = State::guarding;
        return;
    case State::passed:
        state = State::withheld;
        return;
    case State::unseen:
        return;
    case State::up:
    case State::guarding:
    case State::withheld:
        impossible(button, "released twice in a row in the applications");
        return;
    }
}

void ButtonLedger::postCameBack()
{
    // One posted before the tap was last off may still come back: it was no longer counted.
    if (postsInFlight_ > 0) {
        --postsInFlight_;
    }
}

void ButtonLedger::guardForgotten()
{
    if (!guard_) {
        return;
    }
    State& state = states_[slot(*guard_)];
    state = state == State::guardSent ? State::passed : State::withheld;
    guard_.reset();
}

void ButtonLedger::tapWasOff()
{
    guard_.reset();
    for (State& state : states_) {
        if (state != State::up) {
            state = State::unseen;
        }
    }
    postsInFlight_ = 0;
}

} // namespace quellarine
