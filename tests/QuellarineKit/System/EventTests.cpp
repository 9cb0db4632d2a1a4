#include "QuellarineKit/System/Event.h"

#include <gtest/gtest.h>

#include <limits>

using namespace quellarine::system;

TEST(EventTests, IntegerDeltasRoundAndNeverOverflow)
{
    Event event;
    event.deltaX = 2.6;
    event.deltaY = -2.4;
    EXPECT_EQ(event.integerDeltaX(), 3);
    EXPECT_EQ(event.integerDeltaY(), -2);
    event.deltaX = std::numeric_limits<double>::quiet_NaN();
    event.deltaY = 1e300;
    EXPECT_EQ(event.integerDeltaX(), 0);
    EXPECT_EQ(event.integerDeltaY(), 0);
}

TEST(EventTests, MaskBitsFollowTheTypeNumbers)
{
    EXPECT_EQ(maskBit(EventType::mouseMoved), EventMask{1} << 5);
    EXPECT_EQ(maskBit(EventType::otherMouseDragged), EventMask{1} << 27);
}
