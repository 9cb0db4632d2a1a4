#include "Screenshots.h"

#include "Quellarine/Desktop/Localization.h"
#include "Quellarine/Pages/Research/ResearchPage.h"

#include <QFont>
#include <QWidget>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

using testing::Screenshots;

// The page column at its widest, a narrow window's and the harness's margins around them.
constexpr int wideWindow = 660 + 2 * 24;
constexpr int narrowWindow = 380 + 2 * 24;

// Every text of the view at twice its size, as a desktop set to large text would ask for.
void doubleTheText(QWidget& root)
{
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(&root);
    for (QWidget* widget : widgets) {
        if (widget->testAttribute(Qt::WA_SetFont)) {
            QFont font = widget->font();
            font.setPixelSize(font.pixelSize() * 2);
            widget->setFont(font);
        }
    }
}

TEST(ResearchScreenshotTest, PageAtTheWidestColumnAndInANarrowWindow)
{
    EXPECT_EQ(Screenshots::capture(QStringLiteral("research"), new ResearchPage, wideWindow).size(), 2);
    EXPECT_EQ(Screenshots::capture(QStringLiteral("research-narrow"), new ResearchPage, narrowWindow).size(), 2);
}

TEST(ResearchScreenshotTest, PageWithTextAtTwiceItsSize)
{
    auto* page = new ResearchPage;
    doubleTheText(*page);
    EXPECT_EQ(Screenshots::capture(QStringLiteral("research-large-text"), page, wideWindow).size(), 2);
}

TEST(ResearchScreenshotTest, PageInArabic)
{
    Localization::apply(QStringLiteral("ar"));
    EXPECT_EQ(Screenshots::capture(QStringLiteral("research-ar"), new ResearchPage, wideWindow).size(), 2);
    Localization::apply(QStringLiteral("en"));
}

} // namespace
} // namespace quellarine
