#include "QuellarineKit/Pointer/ClickGuard.h"
#include "QuellarineKit/Support/DecodingError.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <limits>
#include <ostream>
#include <vector>

namespace quellarine {

// Failures name the outputs as down(button, point, count) / up(...).
void PrintTo(const ClickGuard::Output& output, std::ostream* stream)
{
    *stream << (output.kind == ClickGuard::Output::Kind::down ? "down(" : "up(") << ClickGuard::rawValue(output.button)
            << ", (" << output.point.x << ", " << output.point.y << "), " << output.clickCount << ")";
}

} // namespace quellarine

using namespace quellarine;
using nlohmann::json;
using Button = ClickGuard::Button;
using Output = ClickGuard::Output;
using Decision = ClickGuard::MoveDecision;
using Outputs = std::vector<Output>;

namespace {

// An uptime at which (t + d) - t often rounds below d: the ties must hold all the same.
constexpr double t0 = 1234.567;
constexpr Point here{400, 300};
constexpr Point there{480, 300};

Output down(Point point, int count, Button button = Button::left)
{
    return Output::down(button, point, count);
}
Output up(Point point, int count, Button button = Button::left)
{
    return Output::up(button, point, count);
}

Outputs list(const ClickGuard::Outputs& outputs)
{
    return {outputs.begin(), outputs.end()};
}

// A left click as the tap drives it: press, a tick at the deadline when it falls before the release, release.
Outputs click(ClickGuard& guard, double downTime, double upTime, Point at = here)
{
    Outputs outputs = list(guard.buttonDown(Button::left, downTime, at));
    if (auto deadline = guard.nextDeadline(); deadline && *deadline <= upTime) {
        for (const auto& output : guard.tick(*deadline)) {
            outputs.push_back(output);
        }
    }
    for (const auto& output : guard.buttonUp(Button::left, upTime, at)) {
        outputs.push_back(output);
    }
    return outputs;
}

} // namespace

TEST(ClickGuardTest, ShortTapVanishesAndAClickGoesOutAtTheDeadline)
{
    ClickGuard guard(ClickGuard::Settings::on(0.5));
    EXPECT_TRUE(guard.buttonDown(Button::left, t0, here).empty());
    EXPECT_EQ(guard.holdLocation(), here);
    EXPECT_EQ(guard.nextDeadline(), t0 + 0.04);
    EXPECT_TRUE(guard.buttonUp(Button::left, t0 + 0.03, here).empty());
    EXPECT_EQ(guard.holdLocation(), std::nullopt);
    EXPECT_EQ(guard.nextDeadline(), std::nullopt);

    double start = t0 + 1;
    guard.buttonDown(Button::left, start, here);
    EXPECT_EQ(guard.moved(here + Vector{5, 0}, start + 0.01).decision, Decision::hold);
    EXPECT_TRUE(guard.tick(start + 0.039).empty());
    EXPECT_EQ(list(guard.tick(start + 0.04)), (Outputs{down(here, 1)}));
    EXPECT_EQ(guard.nextDeadline(), std::nullopt);
    EXPECT_EQ(guard.holdLocation(), here);
    // The pointer was held at the press location, so the release goes there.
    EXPECT_EQ(list(guard.buttonUp(Button::left, start + 0.06, here + Vector{4, 3})), (Outputs{up(here, 1)}));
}

TEST(ClickGuardTest, QuickSecondPressIsADoubleClickAndAThirdIsAnAccidentalRepeat)
{
    ClickGuard guard(ClickGuard::Settings::on(0.5));
    Point near = here + Vector{5, 5};
    EXPECT_EQ(click(guard, t0, t0 + 0.06), (Outputs{down(here, 1), up(here, 1)}));
    EXPECT_EQ(click(guard, t0 + 0.26, t0 + 0.32, near), (Outputs{down(near, 2), up(near, 2)}));

    ClickGuard later = guard;
    EXPECT_EQ(click(later, t0 + 0.72, t0 + 0.78), (Outputs{down(here, 3), up(here, 3)}));

    // The repeat is swallowed whole: no hold, no deadline, no drag, no release.
    EXPECT_TRUE(guard.buttonDown(Button::left, t0 + 0.52, here).empty());
    EXPECT_EQ(guard.holdLocation(), std::nullopt);
    EXPECT_EQ(guard.nextDeadline(), std::nullopt);
    EXPECT_TRUE(guard.tick(t0 + 0.6).empty());
    auto move = guard.moved(there, t0 + 0.6);
    EXPECT_EQ(move.decision, Decision::pass);
    EXPECT_TRUE(move.outputs.empty());
    EXPECT_TRUE(guard.buttonUp(Button::left, t0 + 0.62, there).empty());
}

TEST(ClickGuardTest, WithoutDoubleClicksTheFirstRepeatIsSwallowedToo)
{
    auto settings = ClickGuard::Settings::on(0.5);
    settings.allowDoubleClick = false;
    ClickGuard guard(settings);
    click(guard, t0, t0 + 0.06);
    EXPECT_TRUE(click(guard, t0 + 0.26, t0 + 0.32).empty());
    // Another button is no repeat.
    EXPECT_TRUE(guard.buttonDown(Button::right, t0 + 0.4, here).empty());
    EXPECT_EQ(guard.holdLocation(), here);
}

TEST(ClickGuardTest, LeavingTheDragCircleReleasesTheHoldAndStartsADrag)
{
    ClickGuard guard(ClickGuard::Settings::on(0.5));
    click(guard, t0 - 0.15, t0 - 0.1);
    guard.buttonDown(Button::left, t0, here);
    guard.tick(t0 + 0.04);
    EXPECT_EQ(guard.moved(here + Vector{0, 12}, t0 + 0.05).decision, Decision::hold);
    auto leaving = guard.moved(here + Vector{0, 12.001}, t0 + 0.06);
    EXPECT_EQ(leaving.decision, Decision::pass);
    EXPECT_TRUE(leaving.outputs.empty());
    EXPECT_EQ(guard.holdLocation(), std::nullopt);
    EXPECT_EQ(guard.moved(here, t0 + 0.07).decision, Decision::pass);
    EXPECT_EQ(list(guard.buttonUp(Button::left, t0 + 0.1, there)), (Outputs{up(there, 2)}));

    // A drag forgets the click before it: the next press at the same place neither counts on nor is a repeat.
    EXPECT_EQ(click(guard, t0 + 0.15, t0 + 0.2), (Outputs{down(here, 1), up(here, 1)}));
}

TEST(ClickGuardTest, HeldBackPressLeavesTheCircleOnlyOnceItHasLastedMinPress)
{
    ClickGuard guard(ClickGuard::Settings::on(0.5));
    guard.buttonDown(Button::left, t0, here);
    auto early = guard.moved(there, t0 + 0.02);
    EXPECT_EQ(early.decision, Decision::hold);
    EXPECT_TRUE(early.outputs.empty());
    EXPECT_EQ(guard.holdLocation(), here);

    auto atMinPress = guard.moved(there, t0 + 0.04);
    EXPECT_EQ(atMinPress.decision, Decision::pass);
    EXPECT_EQ(list(atMinPress.outputs), (Outputs{down(here, 1)}));
    EXPECT_EQ(guard.nextDeadline(), std::nullopt);
    EXPECT_TRUE(guard.tick(t0 + 0.05).empty());
    EXPECT_EQ(list(guard.buttonUp(Button::left, t0 + 0.2, there)), (Outputs{up(there, 1)}));
}

TEST(ClickGuardTest, OffPassesEveryPressAndReleaseAtOnce)
{
    ClickGuard guard(ClickGuard::Settings::off());
    for (int press = 0; press < 4; ++press) {
        double time = t0 + press * 0.1;
        EXPECT_EQ(list(guard.buttonDown(Button::left, time, here)), (Outputs{down(here, press + 1)}));
        EXPECT_EQ(guard.nextDeadline(), std::nullopt);
        EXPECT_EQ(list(guard.buttonUp(Button::left, time + 0.01, here)), (Outputs{up(here, press + 1)}));
    }
    guard.buttonDown(Button::right, t0 + 1, here);
    EXPECT_EQ(guard.moved(here, t0 + 1.01).decision, Decision::hold);
    EXPECT_EQ(guard.moved(here + Vector{0.5, 0}, t0 + 1.02).decision, Decision::pass);
    EXPECT_EQ(list(guard.buttonUp(Button::right, t0 + 1.1, there)), (Outputs{up(there, 1, Button::right)}));
}

TEST(ClickGuardTest, WithMaxPressOnlyTheReleaseOrADragDecides)
{
    auto settings = ClickGuard::Settings::on(0.5);
    settings.maxPress = 0.8;
    ClickGuard guard(settings);

    guard.buttonDown(Button::left, t0, here);
    EXPECT_EQ(guard.nextDeadline(), std::nullopt);
    EXPECT_TRUE(guard.tick(t0 + 0.5).empty());
    EXPECT_EQ(guard.holdLocation(), here);
    EXPECT_TRUE(guard.buttonUp(Button::left, t0 + 0.801, here).empty());

    EXPECT_EQ(click(guard, t0 + 2, t0 + 2 + 0.8), (Outputs{down(here, 1), up(here, 1)}));

    guard.buttonDown(Button::left, t0 + 4, here);
    EXPECT_EQ(list(guard.moved(there, t0 + 5).outputs), (Outputs{down(here, 1)}));
    EXPECT_EQ(list(guard.buttonUp(Button::left, t0 + 5.1, there)), (Outputs{up(there, 1)}));

    // A press sent before the limit was set still gets its release, but is no click to count on.
    ClickGuard changed(ClickGuard::Settings::off());
    changed.buttonDown(Button::left, t0, here);
    changed.settings.maxPress = 0.1;
    EXPECT_EQ(list(changed.buttonUp(Button::left, t0 + 0.2, there)), (Outputs{up(here, 1)}));
    EXPECT_EQ(click(changed, t0 + 0.3, t0 + 0.35), (Outputs{down(here, 1), up(here, 1)}));
}

TEST(ClickGuardTest, TiesOfPressDuration)
{
    ClickGuard guard(ClickGuard::Settings::on(0.5));
    guard.buttonDown(Button::left, t0, here);
    EXPECT_EQ(list(guard.buttonUp(Button::left, t0 + 0.04, here)), (Outputs{down(here, 1), up(here, 1)}));
    guard.buttonDown(Button::left, t0 + 1, here);
    EXPECT_EQ(list(guard.tick(*guard.nextDeadline())), (Outputs{down(here, 1)}));
}

TEST(ClickGuardTest, TiesOfRepeatWindowIntervalAndRadius)
{
    ClickGuard guard(ClickGuard::Settings::on(0.5));
    click(guard, t0, t0 + 0.06);
    click(guard, t0 + 0.1, t0 + 0.16);
    double release = t0 + 0.16;

    ClickGuard sameRadius = guard;
    EXPECT_TRUE(click(sameRadius, release + 0.1, release + 0.2, here + Vector{24, 0}).empty());
    ClickGuard beyondRadius = guard;
    Point farther = here + Vector{0, 24.001};
    EXPECT_EQ(click(beyondRadius, release + 0.1, release + 0.2, farther), (Outputs{down(farther, 1), up(farther, 1)}));

    ClickGuard atWindow = guard;
    EXPECT_EQ(click(atWindow, release + 0.35, release + 0.4), (Outputs{down(here, 3), up(here, 3)}));
    ClickGuard atInterval = guard;
    EXPECT_EQ(click(atInterval, release + 0.5, release + 0.6), (Outputs{down(here, 1), up(here, 1)}));

    // The click count judges the same place by the same radius.
    ClickGuard counting(ClickGuard::Settings::off());
    click(counting, t0, t0 + 0.05);
    EXPECT_EQ(list(counting.buttonDown(Button::left, t0 + 0.1, here + Vector{-24, 0})),
              (Outputs{down(here + Vector{-24, 0}, 2)}));
}

TEST(ClickGuardTest, AnotherButtonFinishesThePendingPressFirst)
{
    ClickGuard tooShort(ClickGuard::Settings::on(0.5));
    tooShort.buttonDown(Button::left, t0, here);
    EXPECT_TRUE(tooShort.buttonDown(Button::right, t0 + 0.02, there).empty());
    EXPECT_EQ(tooShort.holdLocation(), there);
    EXPECT_EQ(tooShort.nextDeadline(), t0 + 0.02 + 0.04);

    ClickGuard longEnough(ClickGuard::Settings::on(0.5));
    longEnough.buttonDown(Button::left, t0, here);
    longEnough.settings = ClickGuard::Settings::off();
    EXPECT_EQ(list(longEnough.buttonDown(Button::right, t0 + 0.05, there)),
              (Outputs{down(here, 1), up(here, 1), down(there, 1, Button::right)}));

    ClickGuard sent(ClickGuard::Settings::off());
    sent.buttonDown(Button::left, t0, here);
    EXPECT_EQ(list(sent.buttonDown(Button::other, t0 + 0.05, there)),
              (Outputs{up(here, 1), down(there, 1, Button::other)}));

    ClickGuard dragging(ClickGuard::Settings::on(0.5));
    dragging.buttonDown(Button::left, t0, here);
    dragging.moved(here + Vector{20, 0}, t0 + 0.05);
    EXPECT_EQ(list(dragging.buttonDown(Button::right, t0 + 0.2, there)), (Outputs{up(there, 1)}));
}

TEST(ClickGuardTest, StrayPressesAndReleasesOfThePendingButton)
{
    ClickGuard guard(ClickGuard::Settings::on(0.5));
    guard.buttonDown(Button::left, t0, here);
    EXPECT_TRUE(guard.buttonUp(Button::right, t0 + 0.02, here).empty());
    EXPECT_EQ(guard.holdLocation(), here);

    // Its release never came: the earlier press is dropped without output.
    EXPECT_TRUE(guard.buttonDown(Button::left, t0 + 0.5, there).empty());
    EXPECT_EQ(guard.holdLocation(), there);
    EXPECT_EQ(list(guard.buttonUp(Button::left, t0 + 0.6, there)), (Outputs{down(there, 1), up(there, 1)}));
}

TEST(ClickGuardTest, SettingsCodingOmitsAbsentOptionals)
{
    json off = ClickGuard::Settings::off();
    EXPECT_EQ(off, json::parse(R"({"minPress":0,"repeatRadius":24,"allowDoubleClick":true,"dragThreshold":0,
                                   "doubleClickInterval":0.5})"));
    EXPECT_EQ(off.get<ClickGuard::Settings>(), ClickGuard::Settings::off());

    auto settings = ClickGuard::Settings::on(0.5);
    settings.maxPress = 0.8;
    json coded = settings;
    EXPECT_EQ(coded["maxPress"], 0.8);
    EXPECT_EQ(coded["repeatWindow"], 0.35);
    EXPECT_EQ(json::parse(coded.dump()).get<ClickGuard::Settings>(), settings);

    coded["maxPress"] = nullptr;
    EXPECT_EQ(coded.get<ClickGuard::Settings>().maxPress, std::nullopt);
    coded["allowDoubleClick"] = 1;
    EXPECT_THROW(coded.get<ClickGuard::Settings>(), DecodingError);
    coded.erase("allowDoubleClick");
    EXPECT_THROW(coded.get<ClickGuard::Settings>(), DecodingError);

    settings.repeatWindow = std::numeric_limits<double>::infinity();
    EXPECT_THROW(static_cast<void>(json(settings)), EncodingError);
}

TEST(ClickGuardTest, ButtonIsCodedAsItsInteger)
{
    EXPECT_EQ(json(Button::left), 0);
    EXPECT_EQ(json(Button::other), 2);
    EXPECT_EQ(json(1).get<Button>(), Button::right);
    for (const json& bad : {json(3), json(-1), json("1"), json(1.5), json(std::numeric_limits<std::uint64_t>::max())}) {
        EXPECT_THROW(bad.get<Button>(), DecodingError) << bad;
    }
}
