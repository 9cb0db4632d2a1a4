#include "AccessibleChildren.h"

#include "Quellarine/Pages/Welcome/AppTitle.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace quellarine {

using testing::accessibleChildren;

TEST(AppTitleTest, TheIconIsDecorationAndTheTitleIsRead)
{
    auto* subtitle = new QLabel(QStringLiteral("Steadies the pointer."));
    AppTitle title(QStringLiteral("Welcome to Quellarine"), subtitle);
    title.resize(480, 80);
    EXPECT_EQ(accessibleChildren(title),
              QStringList({QStringLiteral("Welcome to Quellarine"), QStringLiteral("Steadies the pointer.")}));
    EXPECT_EQ(title.iconRect(), QRect(0, 8, 64, 64));
    EXPECT_EQ(title.minimumHeight(), 64);
    EXPECT_EQ(title.titleLabel()->font().pixelSize(), 24);
    EXPECT_EQ(title.titleLabel()->font().weight(), QFont::Bold);
}

} // namespace quellarine
