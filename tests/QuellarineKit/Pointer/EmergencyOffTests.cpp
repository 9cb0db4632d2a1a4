#include "QuellarineKit/Pointer/EmergencyOff.h"

#include <gtest/gtest.h>

#include <vector>

using namespace quellarine;

namespace {

// Presses Control at each time (releasing it right after) and returns the answer of each press.
std::vector<bool> tapControl(EmergencyOff& detector, const std::vector<double>& times)
{
    std::vector<bool> answers;
    for (double time : times) {
        answers.push_back(detector.modifiersChanged(true, false, time));
        detector.modifiersChanged(false, false, time + 0.05);
    }
    return answers;
}

} // namespace

TEST(EmergencyOffTest, FivePressesWithinTheWindowCompleteTheGesture)
{
    EmergencyOff detector(5, 3.0);
    EXPECT_EQ(tapControl(detector, {0.0, 0.5, 1.0, 1.5, 2.0}), (std::vector<bool>{false, false, false, false, true}));
    // A completed gesture starts a fresh count.
    EXPECT_EQ(tapControl(detector, {2.2}), std::vector<bool>{false});
}

TEST(EmergencyOffTest, WindowEdgeIsStrict)
{
    EmergencyOff detector(5, 3.0);
    EXPECT_EQ(tapControl(detector, {0.0, 1.0, 2.0, 3.0, 3.5}), (std::vector<bool>(5, false)));
    EXPECT_EQ(tapControl(detector, {3.9}), std::vector<bool>{true});

    // A press exactly one window after the first no longer counts it: the fifth press falls short.
    EmergencyOff edge(5, 3.0);
    EXPECT_EQ(tapControl(edge, {10.0, 11.0, 12.0, 12.5, 13.0}), (std::vector<bool>(5, false)));
    EXPECT_EQ(tapControl(edge, {13.1}), std::vector<bool>{true});
}

TEST(EmergencyOffTest, OtherModifiersBreakTheSequence)
{
    EmergencyOff detector(5, 3.0);
    tapControl(detector, {0.0, 0.2, 0.4, 0.6});
    EXPECT_FALSE(detector.modifiersChanged(true, true, 0.7)); // Control held with Shift
    detector.modifiersChanged(false, false, 0.8);
    EXPECT_EQ(tapControl(detector, {0.9, 1.0, 1.1, 1.2}), (std::vector<bool>(4, false)));
    EXPECT_EQ(tapControl(detector, {1.3}), std::vector<bool>{true});

    // Control pressed while Shift is held, and still down when Shift goes: no press of Control alone.
    for (double start : {5.0, 10.0}) {
        tapControl(detector, {start, start + 0.1, start + 0.2, start + 0.3});
        detector.modifiersChanged(false, true, start + 0.35);
        detector.modifiersChanged(true, true, start + 0.4);
        EXPECT_FALSE(detector.modifiersChanged(true, false, start + 0.45));
        detector.modifiersChanged(false, false, start + 0.5);
        EXPECT_EQ(tapControl(detector, {start + 0.6, start + 0.7, start + 0.8, start + 0.9}),
                  (std::vector<bool>(4, false)));
        EXPECT_EQ(tapControl(detector, {start + 1.0}), std::vector<bool>{true});
    }
}

TEST(EmergencyOffTest, ControlReportedDownTwiceCountsOnce)
{
    EmergencyOff detector(2, 3.0);
    EXPECT_FALSE(detector.modifiersChanged(true, false, 0.0));
    EXPECT_FALSE(detector.modifiersChanged(true, false, 0.1));
    detector.modifiersChanged(false, false, 0.2);
    EXPECT_TRUE(detector.modifiersChanged(true, false, 0.3));
}

TEST(EmergencyOffTest, SinglePressGestureFiresOnEveryPress)
{
    EmergencyOff detector(1, 3.0);
    EXPECT_EQ(tapControl(detector, {0.0, 10.0, 10.1}), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(detector.window(), 3.0);
}
