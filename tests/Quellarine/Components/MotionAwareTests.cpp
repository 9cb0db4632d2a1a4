#include "Quellarine/Components/MotionAware.h"
#include "Quellarine/Components/SpringAnimation.h"
#include "Quellarine/Components/Style/Motion.h"

#include <QVariantAnimation>
#include <QWidget>

#include <gtest/gtest.h>

using namespace quellarine;

namespace {

class MotionAwareTest : public ::testing::Test {
protected:
    ~MotionAwareTest() override { Motion::shared().setOverride(std::nullopt); }
};

} // namespace

TEST_F(MotionAwareTest, RunsOnlyWhereSomeoneCouldSeeItAndOtherwiseStandsAtTheTarget)
{
    QWidget shown;
    shown.show();
    QWidget hidden;
    struct Case {
        const char* name;
        bool reduce;
        const QWidget* view;
        bool runs;
    };
    const Case cases[]{
        {"moving, on screen", false, &shown, true},      {"moving, no view to ask", false, nullptr, true},
        {"moving, hidden", false, &hidden, false},       {"still, on screen", true, &shown, false},
        {"still, no view to ask", true, nullptr, false},
    };
    for (const auto& [name, reduce, view, runs] : cases) {
        SCOPED_TRACE(name);
        Motion::shared().setOverride(reduce);
        // A plain animation and a spring, each caught half-way through an earlier run.
        QVariantAnimation plain;
        plain.setDuration(1000);
        SpringAnimation spring(Spring{.response = 0.35, .dampingFraction = 1.0});
        for (QVariantAnimation* animation : {&plain, static_cast<QVariantAnimation*>(&spring)}) {
            animation->setStartValue(0.0);
            animation->setEndValue(5.0);
            animation->start();
            EXPECT_EQ(animateUnlessStill(*animation, 0.25, 1.0, view), runs);
            EXPECT_EQ(animation->state() == QAbstractAnimation::Running, runs);
            EXPECT_EQ(animation->endValue().toDouble(), 1.0);
            EXPECT_EQ(animation->startValue().toDouble(), runs ? 0.25 : 1.0);
        }
    }
}
