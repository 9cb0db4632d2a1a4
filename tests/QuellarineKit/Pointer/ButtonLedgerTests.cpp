#include "QuellarineKit/Pointer/ButtonLedger.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <random>
#include <string>
#include <vector>

using namespace quellarine;
using State = ButtonLedger::State;
using Route = ButtonLedger::Route;

namespace {

// One transition: a ledger brought into a state, one thing happening to it, and what it must answer.
struct Transition {
    std::string name;
    std::function<void(ButtonLedger&)> reach;
    std::function<std::optional<Route>(ButtonLedger&)> happen;
    State after;                // of button 2
    std::optional<Route> route; // when the transition answers one
    bool impossible = false;
};

constexpr int button = 2;

void guarding(ButtonLedger& ledger)
{
    ledger.press(button, true);
}
void guardSent(ButtonLedger& ledger)
{
    ledger.press(button, true);
    ledger.delivered(button, true);
}
void passed(ButtonLedger& ledger)
{
    ledger.press(button, false);
}
void withheld(ButtonLedger& ledger)
{
    ledger.press(button, true);
    ledger.guardForgotten();
}
void unseen(ButtonLedger& ledger)
{
    ledger.press(button, false);
    ledger.tapWasOff();
}
void up(ButtonLedger&)
{
}

std::function<std::optional<Route>(ButtonLedger&)> press(bool filtering)
{
    return [filtering](ButtonLedger& ledger) { return ledger.press(button, filtering); };
}
std::function<std::optional<Route>(ButtonLedger&)> release(bool filtering)
{
    return [filtering](ButtonLedger& ledger) { return ledger.release(button, filtering); };
}
std::function<std::optional<Route>(ButtonLedger&)> delivered(bool down)
{
    return [down](ButtonLedger& ledger) -> std::optional<Route> {
        ledger.delivered(button, down);
        return std::nullopt;
    };
}
std::function<std::optional<Route>(ButtonLedger&)> act(std::function<void(ButtonLedger&)> what)
{
    return [what](ButtonLedger& ledger) -> std::optional<Route> {
        what(ledger);
        return std::nullopt;
    };
}

Transition row(std::string name, std::function<void(ButtonLedger&)> reach,
               std::function<std::optional<Route>(ButtonLedger&)> happen, State after,
               std::optional<Route> route = std::nullopt, bool impossible = false)
{
    return Transition{std::move(name), std::move(reach), std::move(happen), after, route, impossible};
}

const std::vector<Transition> transitions{
    // The hand presses while the tap filters.
    row("PressWhenUpGoesToTheGuard", up, press(true), State::guarding, Route::guard),
    row("PressAfterTheTapLostSightGoesToTheGuard", unseen, press(true), State::guarding, Route::guard),
    row(
        "PressOfAnExtraButtonBesideTheGuardedOnePassesStraight", [](ButtonLedger& ledger) { ledger.press(3, true); },
        press(true), State::passed, Route::pass),
    row("PressOfAButtonTheHandHoldsIsImpossible", passed, press(true), State::guarding, Route::guard, true),
    row("PressOfTheGuardedButtonAgainIsImpossible", guardSent, press(true), State::guarding, Route::guard, true),
    // The guard's earlier press is no longer its to decide: left down in the applications or never there.
    row("AnotherPressTakesTheGuardFromAPressItHeldBack", guarding,
        act([](ButtonLedger& ledger) { ledger.press(0, true); }), State::withheld),
    row("AnotherPressTakesTheGuardFromAPressItLetOut", guardSent,
        act([](ButtonLedger& ledger) { ledger.press(1, true); }), State::passed),
    // The hand presses while the tap does not filter.
    row("PressUnfilteredPasses", up, press(false), State::passed, Route::pass),
    row("PressUnfilteredOfAWithheldButtonIsImpossible", withheld, press(false), State::passed, Route::pass, true),
    // The hand lets go while the tap filters.
    row("ReleaseOfTheGuardedPressGoesToTheGuard", guarding, release(true), State::up, Route::guard),
    row("ReleaseWhileTheApplicationsStillHoldTheGuardedPressIsImpossible", guardSent, release(true), State::up,
        Route::guard, true),
    row("ReleaseOfAPassedPressPasses", passed, release(true), State::up, Route::pass),
    row("ReleaseOfAWithheldPressIsSwallowed", withheld, release(true), State::up, Route::swallow),
    row("ReleaseAfterTheTapLostSightPasses", unseen, release(true), State::up, Route::pass),
    row("ReleaseOfAPressNeverSeenPasses", up, release(true), State::up, Route::pass),
    // The hand lets go while the tap does not filter.
    row("ReleaseUnfilteredOfAWithheldPressIsSwallowed", withheld, release(false), State::up, Route::swallow),
    row("ReleaseUnfilteredOfAPassedPressPasses", passed, release(false), State::up, Route::pass),
    row(
        "ReleaseUnfilteredOfAPressTheGuardLetOutPasses",
        [](ButtonLedger& ledger) {
            guardSent(ledger);
            ledger.guardForgotten();
        },
        release(false), State::up, Route::pass),
    // The guard's answers reach the applications.
    row("TheGuardLetsAPressOut", guarding, delivered(true), State::guardSent),
    row("TheGuardReleasesItsPress", guardSent, delivered(false), State::guarding),
    row("TheGuardSendsTheDownOfAPressItNoLongerFollows", withheld, delivered(true), State::passed),
    row("TheGuardSendsTheUpOfAPressItNoLongerFollows", passed, delivered(false), State::withheld),
    row("APressReachingTheApplicationsAfterTheHandLetGoIsImpossible", up, delivered(true), State::passed, std::nullopt,
        true),
    row("APressReachingTheApplicationsTwiceIsImpossible", passed, delivered(true), State::passed, std::nullopt, true),
    row("AReleaseReachingTheApplicationsTwiceIsImpossible", withheld, delivered(false), State::withheld, std::nullopt,
        true),
    row("AnyAnswerForAButtonOutOfSightChangesNothing", unseen, act([](ButtonLedger& ledger) {
            ledger.delivered(button, true);
            ledger.delivered(button, false);
        }),
        State::unseen),
    // Drags, the guard forgetting, the tap going off.
    row("ADragShowsAButtonHeldWhosePressWasNotSeen", up, act([](ButtonLedger& ledger) { ledger.dragged(button); }),
        State::unseen),
    row("ADragOfAKnownPressChangesNothing", passed, act([](ButtonLedger& ledger) { ledger.dragged(button); }),
        State::passed),
    row("TheGuardForgettingWithholdsWhatItHeldBack", guarding,
        act([](ButtonLedger& ledger) { ledger.guardForgotten(); }), State::withheld),
    row("TheGuardForgettingLeavesWhatItLetOutWithTheApplications", guardSent,
        act([](ButtonLedger& ledger) { ledger.guardForgotten(); }), State::passed),
    row("TheTapGoingOffLosesSightOfAGuardedPress", guarding, act([](ButtonLedger& ledger) { ledger.tapWasOff(); }),
        State::unseen),
    row("TheTapGoingOffLosesSightOfAWithheldPress", withheld, act([](ButtonLedger& ledger) { ledger.tapWasOff(); }),
        State::unseen),
    row("TheTapGoingOffLeavesAButtonUpUp", up, act([](ButtonLedger& ledger) { ledger.tapWasOff(); }), State::up),
};

class ButtonLedgerTransitionTest : public ::testing::TestWithParam<Transition> {};

} // namespace

INSTANTIATE_TEST_SUITE_P(EveryTransition, ButtonLedgerTransitionTest, ::testing::ValuesIn(transitions),
                         [](const auto& info) { return info.param.name; });

TEST_P(ButtonLedgerTransitionTest, LeadsWhereItShouldAndReportsOnlyWhatCannotHappen)
{
    const Transition& transition = GetParam();
    ButtonLedger ledger;
    std::vector<std::string> reported;
    ledger.setReport([&](const std::string& what) { reported.push_back(what); });
    transition.reach(ledger);
    ASSERT_TRUE(reported.empty()) << reported.front();
    std::optional<Route> route = transition.happen(ledger);
    EXPECT_EQ(ButtonLedger::name(ledger.state(button)), std::string(ButtonLedger::name(transition.after)));
    if (transition.route) {
        EXPECT_EQ(route, transition.route);
    }
    EXPECT_EQ(reported.size(), transition.impossible ? 1u : 0u);
    EXPECT_EQ(ledger.impossibleCount(), transition.impossible ? 1 : 0);
    if (transition.impossible && !reported.empty()) {
        EXPECT_NE(reported.front().find("Button 2"), std::string::npos) << reported.front();
    }
}

TEST(ButtonLedgerTest, TheGuardFollowsOnePressAndTheTapGoingOffForgetsItAndThePostsInFlight)
{
    ButtonLedger ledger;
    ledger.press(0, true);
    EXPECT_EQ(ledger.guardButton(), 0);
    ledger.press(4, true);
    EXPECT_EQ(ledger.guardButton(), 4);
    EXPECT_EQ(ledger.press(5, true), Route::pass);
    EXPECT_EQ(ledger.guardButton(), 4);
    EXPECT_TRUE(ledger.anyHeld());

    ledger.posted();
    ledger.posted();
    ledger.postCameBack();
    EXPECT_TRUE(ledger.postsInFlight());
    ledger.tapWasOff();
    EXPECT_FALSE(ledger.postsInFlight());
    EXPECT_FALSE(ledger.guardButton());
    ledger.postCameBack(); // posted before the tap went off, back after
    EXPECT_FALSE(ledger.postsInFlight());
    ledger.posted();
    EXPECT_TRUE(ledger.postsInFlight());

    for (int button : {0, 4, 5}) {
        EXPECT_EQ(ledger.release(button, true), Route::pass);
    }
    EXPECT_FALSE(ledger.anyHeld());
    // Numbers past the last one the ledger keeps share its place.
    ledger.dragged(200);
    EXPECT_EQ(ledger.state(63), State::unseen);
}

// A hand pressing and releasing nine buttons, a guard that lets presses out, releases them or drops them as it
// likes (within what it may do), filtering switched and the tap going off, in random order. The applications get
// every button's presses and releases in turn, none stays down there once the hand has let go, and the ledger
// reports nothing impossible. After the tap was off, one lone release of a button held meanwhile is allowed.
TEST(ButtonLedgerTest, RandomHandsGuardsAndSwitchesNeverLeaveAButtonDownInTheApplications)
{
    constexpr int buttons = 9;
    std::mt19937 random(40);
    auto pick = [&](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };
    ButtonLedger ledger;
    int reported = 0;
    ledger.setReport([&](const std::string&) { ++reported; });
    std::array<bool, buttons> hand{};
    std::array<bool, buttons> application{};
    std::array<bool, buttons> excused{};
    bool filtering = true;
    long presses = 0;

    auto reach = [&](int button, bool down) {
        auto index = static_cast<std::size_t>(button);
        if (down) {
            ASSERT_FALSE(application[index]) << "button " << button << " pressed twice in the applications";
            application[index] = true;
            excused[index] = false;
            ++presses;
        } else if (application[index]) {
            application[index] = false;
        } else {
            ASSERT_TRUE(excused[index]) << "button " << button << " released twice in the applications";
            excused[index] = false;
        }
    };
    // What the guard may send for the press it follows.
    auto guardSends = [&](bool down) {
        std::optional<int> guarded = ledger.guardButton();
        if (!guarded) {
            return;
        }
        State state = ledger.state(*guarded);
        if ((down && state == State::guarding) || (!down && state == State::guardSent)) {
            ledger.delivered(*guarded, down);
            reach(*guarded, down);
        }
    };

    for (int step = 0; step < 200'000 && !::testing::Test::HasFatalFailure(); ++step) {
        const int roll = pick(100);
        const int button = pick(3) == 0 ? 2 + pick(buttons - 2) : pick(2);
        auto index = static_cast<std::size_t>(button);
        if (roll < 60) {
            hand[index] = !hand[index];
            if (hand[index]) {
                std::optional<int> earlier = filtering ? ledger.guardButton() : std::nullopt;
                Route route = ledger.press(button, filtering);
                if (route == Route::pass) {
                    reach(button, true);
                } else if (earlier && *earlier != button) {
                    // The guard ends the press it followed: out it goes (its down first, if never sent), or it
                    // vanishes.
                    if (ledger.state(*earlier) == State::withheld && pick(2)) {
                        ledger.delivered(*earlier, true);
                        reach(*earlier, true);
                    }
                    if (ledger.state(*earlier) == State::passed) {
                        ledger.delivered(*earlier, false);
                        reach(*earlier, false);
                    }
                }
                if (route == Route::guard && pick(3) == 0) {
                    guardSends(true); // let out at once
                }
            } else {
                if (filtering && ledger.guardButton() == button) {
                    // Its click counts (out it goes, down and up) or it vanishes.
                    if (pick(2)) {
                        guardSends(true);
                    }
                    guardSends(false);
                }
                Route route = ledger.release(button, filtering);
                if (route == Route::pass) {
                    reach(button, false);
                }
                ASSERT_FALSE(application[index]) << "button " << button << " stays down in the applications";
            }
        } else if (roll < 80) {
            guardSends(true); // the deadline passed, or a drag began
        } else if (roll < 90) {
            filtering = !filtering;
            ledger.guardForgotten();
        } else if (roll < 92) {
            // The hand's events go by meanwhile, straight to the applications.
            ledger.tapWasOff();
            for (std::size_t other = 0; other < buttons; ++other) {
                excused[other] = excused[other] || hand[other];
                if (pick(2)) {
                    continue;
                }
                hand[other] = !hand[other];
                if (hand[other]) {
                    reach(static_cast<int>(other), true);
                } else {
                    reach(static_cast<int>(other), false);
                }
            }
        } else if (hand[index]) {
            ledger.dragged(button);
        }
    }
    EXPECT_GT(presses, 10'000);
    EXPECT_EQ(reported, 0);
}
