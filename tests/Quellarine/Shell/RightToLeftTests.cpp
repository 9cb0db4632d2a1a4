#include "Screenshots.h"
#include "TestAppModel.h"

#include "Quellarine/Components/Style/Motion.h"
#include "Quellarine/Shell/OnOffCard.h"
#include "Quellarine/Shell/ProfileCard.h"
#include "Quellarine/Shell/Sidebar.h"
#include "Quellarine/Shell/SidebarRow.h"
#include "Quellarine/Shell/UpdateRow.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

// Where the dark ink of the texts lies across a part of a picture: its first and last column, or none.
struct InkSpan {
    int first = -1;
    int last = -1;
};

InkSpan inkSpan(const QImage& picture, const QRect& part)
{
    InkSpan span;
    for (int x = part.left(); x <= part.right(); ++x) {
        for (int y = part.top(); y <= part.bottom(); ++y) {
            if (picture.pixelColor(x, y).lightnessF() < 0.3) {
                span.first = span.first < 0 ? x : span.first;
                span.last = x;
                break;
            }
        }
    }
    return span;
}

class RightToLeftTest : public ::testing::Test, protected testing::TestAppModel {
protected:
    RightToLeftTest() { Motion::shared().setOverride(true); }
    ~RightToLeftTest() override { Motion::shared().setOverride(std::nullopt); }
};

// Arabic lays the sidebar out from the right: every text there stands where the left-to-right text stands,
// mirrored, not flipped a second time onto the far edge.
TEST_F(RightToLeftTest, TheSidebarsTextsMirrorTheLeftToRightLayout)
{
    model().setWantsOn(false);
    Sidebar leftToRight(model());
    Sidebar rightToLeft(model());
    rightToLeft.setLayoutDirection(Qt::RightToLeft);
    for (Sidebar* sidebar : {&leftToRight, &rightToLeft}) {
        sidebar->resize(Sidebar::idealWidth, 680);
        sidebar->show();
    }
    QApplication::processEvents();
    const QImage left = testing::Screenshots::render(leftToRight, 1.0);
    const QImage right = testing::Screenshots::render(rightToLeft, 1.0);
    const int width = leftToRight.width();

    const auto parts = [](Sidebar& sidebar) {
        std::vector<std::pair<QString, QWidget*>> list{{QStringLiteral("header"), &sidebar.header()},
                                                       {QStringLiteral("on/off card"), &sidebar.onOffCard()},
                                                       {QStringLiteral("update row"), &sidebar.updateRow()},
                                                       {QStringLiteral("profile card"), &sidebar.profileCard()}};
        for (SidebarRow* row : sidebar.rows()) {
            list.emplace_back(row->text(), row);
        }
        return list;
    };
    const auto leftParts = parts(leftToRight);
    const auto rightParts = parts(rightToLeft);
    ASSERT_EQ(leftParts.size(), rightParts.size());
    for (std::size_t index = 0; index < leftParts.size(); ++index) {
        SCOPED_TRACE(leftParts[index].first.toStdString());
        QWidget* l = leftParts[index].second;
        QWidget* r = rightParts[index].second;
        const QRect leftRect(l->mapTo(&leftToRight, QPoint()), l->size());
        const QRect rightRect(r->mapTo(&rightToLeft, QPoint()), r->size());
        ASSERT_NEAR(rightRect.left(), width - leftRect.right() - 1, 1) << "the part itself is mirrored";
        const InkSpan ltr = inkSpan(left, leftRect);
        const InkSpan rtl = inkSpan(right, rightRect);
        ASSERT_GE(ltr.first, 0) << "no text drawn";
        ASSERT_GE(rtl.first, 0) << "no text drawn right to left";
        EXPECT_NEAR(rtl.last, width - 1 - ltr.first, 3) << "the text starts at the right edge";
        EXPECT_NEAR(rtl.first, width - 1 - ltr.last, 3) << "and ends where it ended mirrored";
    }
}

} // namespace
} // namespace quellarine
