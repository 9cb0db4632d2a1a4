#include "Quellarine/Pages/Welcome/AppTitle.h"

#include <QAccessible>
#include <QLabel>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

QStringList accessibleChildren(QWidget& widget)
{
    QStringList names;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
    for (int index = 0; accessible != nullptr && index < accessible->childCount(); ++index) {
        names.append(accessible->child(index)->text(QAccessible::Name));
    }
    return names;
}

} // namespace

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
