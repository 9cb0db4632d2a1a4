#include "Quellarine/Components/AdaptiveGridLayout.h"
#include "Quellarine/Components/InkRoom.h"

#include <QApplication>
#include <QLabel>
#include <QRandomGenerator>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace quellarine {
namespace {

// A box that cannot get narrower than it says.
class Box : public QWidget {
public:
    explicit Box(int narrowest)
        : narrowest_(narrowest)
    {
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    }
    QSize sizeHint() const override { return {narrowest_, 40}; }
    QSize minimumSizeHint() const override { return {narrowest_, 40}; }

private:
    int narrowest_;
};

// Random cards, random widths: wherever the grid is given at least its minimum width, every item gets at least its
// own minimum width and stays inside the grid — however narrow the grid's nominal column is.
TEST(AdaptiveGridLayoutTest, NoItemIsEverNarrowerThanItCanBeOrOutsideTheGrid)
{
    QRandomGenerator random(39);
    for (int round = 0; round < 60; ++round) {
        QWidget holder;
        auto* grid = new AdaptiveGridLayout(random.bounded(80, 260), random.bounded(0, 24), &holder);
        std::vector<Box*> boxes;
        const int count = random.bounded(1, 7);
        for (int index = 0; index < count; ++index) {
            boxes.push_back(new Box(random.bounded(40, 400)));
            grid->addWidget(boxes.back());
        }
        const int width = grid->minimumSize().width() + random.bounded(0, 900);
        holder.resize(width, grid->heightForWidth(width));
        grid->setGeometry(holder.rect());
        for (Box* box : boxes) {
            EXPECT_GE(box->width(), box->minimumSizeHint().width()) << "round " << round << " at width " << width;
            EXPECT_TRUE(holder.rect().contains(box->geometry())) << "round " << round << " at width " << width;
        }
    }
}

TEST(InkRoomTest, RightToLeftTheTextKeepsRoomWhereItsLinesEndAndLeftToRightItDoesNot)
{
    QWidget holder;
    auto* label = new QLabel(QStringLiteral("Some text"), &holder);
    QFont font = label->font();
    font.setPixelSize(16);
    label->setFont(font);
    InkRoom::keep(*label);
    EXPECT_EQ(label->contentsMargins(), QMargins());

    holder.setLayoutDirection(Qt::RightToLeft);
    const int room = InkRoom::forPixelSize(16);
    EXPECT_GT(room, 0);
    // Room at the left, where the lines end; the leading edge lines up with the texts beside the label.
    EXPECT_EQ(label->contentsMargins(), QMargins(room, 0, 0, 0));

    font.setPixelSize(32);
    label->setFont(font);
    EXPECT_GT(label->contentsMargins().left(), room);

    holder.setLayoutDirection(Qt::LeftToRight);
    EXPECT_EQ(label->contentsMargins(), QMargins());
}

} // namespace
} // namespace quellarine
