#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace quellarine {

// The pointer tap's account of every mouse button: what the hand holds, what the applications hold, and who
// decides what the applications get next. A stuck button is the worst thing the tap can do; this is where it is
// kept from happening. Every button's presses and releases reach the applications in turn, and none stays down
// there once the hand has let go.
//
// Buttons are the device's numbers: 0 left, 1 right, 2 and up the others (as far as 63; a higher number counts as
// 63). The click guard follows one press at a time; an extra button pressed while it follows another extra button
// goes straight through.
//
// A transition that cannot happen if the tap saw every event it should have (a press of a button the hand already
// holds, a press or release reaching the applications twice in a row) is reported and then taken as the event says.
class ButtonLedger {
public:
    static constexpr int buttons = 64;

    enum class State {
        up,        // neither the hand nor the applications hold it
        guarding,  // the hand holds it; the click guard decides, and the applications do not have its press
        guardSent, // the hand holds it; the guard let its press out and decides its release
        passed,    // the hand holds it; the applications have its press, and its release goes to them
        withheld,  // the hand holds it; its press never reached the applications, so neither will its release
        unseen,    // the hand may hold it, but the tap did not see its press (it was off, or saw only drags):
                   // its release goes to the applications, whatever they hold
    };

    // What becomes of a press or release of the hand.
    enum class Route {
        guard,   // the click guard decides
        pass,    // it goes to the applications as it is
        swallow, // it reaches no application
    };

    using Report = std::function<void(const std::string& what)>;

    State state(int button) const { return states_[slot(button)]; }
    // The button whose press the guard follows.
    std::optional<int> guardButton() const { return guard_; }
    // Whether the hand holds any button, as far as the tap knows.
    bool anyHeld() const;
    // Whether button events the tap posted are still on their way back to it: an event that passed now would
    // overtake them.
    bool postsInFlight() const { return postsInFlight_ > 0; }
    // How many impossible transitions were seen.
    int impossibleCount() const { return impossible_; }
    void setReport(Report report) { report_ = std::move(report); }

    // The hand pressed or released a button; `filtering` tells whether the tap steadies and guards. A guarded
    // release is told after the guard's answer has been delivered.
    Route press(int button, bool filtering);
    Route release(int button, bool filtering);
    // A drag of this button: the hand holds it.
    void dragged(int button);
    // The click guard's press or release of this button reached the applications.
    void delivered(int button, bool down);
    // A button event the tap posted; one of them came back through it.
    void posted() { ++postsInFlight_; }
    void postCameBack();
    // The guard forgot its press (filtering was switched): whatever it held back stays back.
    void guardForgotten();
    // The tap was off: the hand may have done anything meanwhile, and what it posted went by without it.
    void tapWasOff();

    static const char* name(State state);

private:
    static std::size_t slot(int button);
    void impossible(int button, const char* what);
    // The guard takes this button's press; the one it followed before is no longer its to decide.
    void guardTakes(int button);

    std::array<State, buttons> states_{}; // all up
    std::optional<int> guard_;
    int postsInFlight_ = 0;
    int impossible_ = 0;
    Report report_;
};

} // namespace quellarine
