#include "QuellarineKit/System/Event.h"

#include <gtest/gtest.h>

#include <limits>

using namespace quellarine::system;

TEST(EventTest, IntegerDeltasRoundAndNeverOverflow)
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

TEST(EventTest, MaskBitsFollowTheTypeNumbers)
{
    EXPECT_EQ(maskBit(EventType::mouseMoved), EventMask{1} << 5);
    EXPECT_EQ(maskBit(EventType::otherMouseDragged), EventMask{1} << 27);
    // Evaluated at compile time, where a shift past the width would not compile.
    static_assert(maskBit(EventType::tapDisabledByTimeout) == 0 && maskBit(EventType::tapDisabledByUserInput) == 0);
    static_assert(maskBit(static_cast<EventType>(63)) == EventMask{1} << 63
                  && maskBit(static_cast<EventType>(64)) == 0);
}
