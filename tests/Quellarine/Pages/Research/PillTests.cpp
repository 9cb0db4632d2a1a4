#include "Quellarine/Pages/Research/Pill.h"

#include "Quellarine/Components/Brand.h"

#include <QAccessible>

#include <gtest/gtest.h>

#include <algorithm>

namespace quellarine {

TEST(PillTest, ReadsItsTextAndSizesToIt)
{
    Pill pill(QStringLiteral("AI-assisted"), QStringLiteral("sparkles"), Brand::accent);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&pill);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("AI-assisted"));
    EXPECT_GT(pill.sizeHint().width(), pill.fontMetrics().horizontalAdvance(QStringLiteral("AI-assisted")) + 20);
    EXPECT_EQ(pill.sizeHint().height(), std::max(pill.fontMetrics().height(), 15) + 8);
}

} // namespace quellarine
