#include "Quellarine/Components/Style/Motion.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace quellarine {

TEST(MotionTest, OverrideWinsAndEitherDesktopSettingCanAskForStillness)
{
    Motion& motion = Motion::shared();
    motion.setOverride(std::nullopt);
    motion.setDesktopAnimationsEnabled(std::nullopt);
    motion.setDesktopReducedMotion(std::nullopt);
    EXPECT_FALSE(motion.reduceMotion()) << "a desktop that says nothing animates";

    QSignalSpy changes(&motion, &Motion::reduceMotionChanged);
    motion.setDesktopReducedMotion(true);
    motion.setDesktopAnimationsEnabled(true);
    EXPECT_TRUE(motion.reduceMotion());
    EXPECT_EQ(changes.size(), 1);

    motion.setDesktopReducedMotion(false);
    motion.setDesktopAnimationsEnabled(false);
    EXPECT_TRUE(motion.reduceMotion());

    motion.setOverride(false);
    EXPECT_FALSE(motion.reduceMotion());
    motion.setOverride(std::nullopt);
    motion.setDesktopAnimationsEnabled(std::nullopt);
    motion.setDesktopReducedMotion(std::nullopt);
}

} // namespace quellarine
