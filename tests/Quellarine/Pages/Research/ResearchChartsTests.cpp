#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/Percent.h"
#include "Quellarine/Components/SourceLink.h"
#include "Quellarine/Components/Style/AccessibilityHidden.h"
#include "Quellarine/Desktop/Appearance.h"
#include "Quellarine/Components/Style/Motion.h"
#include "Quellarine/Pages/Research/BandStrip.h"
#include "Quellarine/Pages/Research/FrequencyBands.h"
#include "Quellarine/Pages/Research/Growth.h"
#include "Quellarine/Pages/Research/LagBars.h"
#include "Quellarine/Pages/Research/LagChart.h"
#include "Quellarine/Pages/Research/ShakeLeft.h"

#include <QAbstractAnimation>
#include <cmath>
#include <QAccessible>
#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <memory>

namespace quellarine {
namespace {

void finish(const Growth& growth)
{
    growth.animation().setCurrentTime(growth.animation().totalDuration());
}

// Which of the chart's colours a pixel shows.
enum class Tone { faint, warm, green, other };

Tone tone(QColor color)
{
    const int r = color.red();
    const int g = color.green();
    const int b = color.blue();
    if (std::abs(r - g) < 12 && std::abs(g - b) < 12) {
        return Tone::faint;
    }
    if (r > g + 40 && g > b) {
        return Tone::warm;
    }
    if (g > r + 20 && g > b) {
        return Tone::green;
    }
    return Tone::other;
}

// The widget drawn over the window's background, as it is seen.
QImage onItsWindow(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(widget.palette().color(QPalette::Window));
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

TEST(BandStripTest, BandsAndNumbersFollowTheWidth)
{
    // The reference case: a 280-point strip up to 14.
    EXPECT_EQ(BandStrip::bandSpan(0, 2, 280, 14, 44), QRectF(0, 0, 40, 44));
    EXPECT_EQ(BandStrip::bandSpan(3, 12, 280, 14, 44), QRectF(60, 0, 180, 44));
    EXPECT_DOUBLE_EQ(BandStrip::numberCentre(14, 280, 14), 274);
    EXPECT_DOUBLE_EQ(BandStrip::numberCentre(0, 280, 14), 6);
    EXPECT_DOUBLE_EQ(BandStrip::numberCentre(8, 280, 14), 160);

    // Narrower than two insets: every number sits 6 points before the end.
    for (const int value : {0, 2, 8, 14}) {
        EXPECT_DOUBLE_EQ(BandStrip::numberCentre(value, 10, 14), 4);
    }
    // The numbers are the same eight whatever the axis ends at.
    EXPECT_EQ(BandStrip(10, {}).numbers(), (std::vector<int>{0, 2, 4, 6, 8, 10, 12, 14}));
    // A band that starts past its end has no width rather than a negative one.
    EXPECT_EQ(BandStrip::bandSpan(12, 3, 280, 14, 44).width(), 0);

    // Any width from 12 up: numbers keep their order and stay inside the edges; bands scale with the width.
    QRandomGenerator random(7);
    for (int trial = 0; trial < 500; ++trial) {
        const double width = 12 + random.bounded(2000.0);
        double previous = -1;
        for (int value = 0; value <= 14; value += 2) {
            const double centre = BandStrip::numberCentre(value, width, 14);
            EXPECT_GE(centre, 6);
            EXPECT_LE(centre, width - 6);
            EXPECT_GE(centre, previous);
            previous = centre;
        }
        const QRectF shake = BandStrip::bandSpan(3, 12, width, 14, 44);
        EXPECT_NEAR(shake.left() / width, 3.0 / 14, 1e-12);
        EXPECT_NEAR(shake.right() / width, 12.0 / 14, 1e-12);
    }
}

TEST(BandStripTest, LabelsShrinkToThreeFifthsThenWrapAndTheTrackGrowsForThem)
{
    BandStrip strip(14, {});
    const QString label = QStringLiteral("A shaking hand");
    const int size = strip.font().pixelSize();
    const double natural = QFontMetricsF(strip.font()).horizontalAdvance(label);
    const QFontMetricsF full(strip.font());

    EXPECT_EQ(strip.labelFont(label, natural + 2 * BandStrip::labelPadding + 1).pixelSize(), size);
    EXPECT_LE(strip.labelBox(label, natural + 2 * BandStrip::labelPadding + 1).height(), full.height());

    const QFont smaller = strip.labelFont(label, natural * 0.8 + 2 * BandStrip::labelPadding);
    EXPECT_LT(smaller.pixelSize(), size);
    EXPECT_GE(smaller.pixelSize(), static_cast<int>(size * BandStrip::smallestLabelScale));

    // Too narrow even for the smallest font: the whole label, on more lines, each within the band.
    const double tiny = natural * 0.3 + 2 * BandStrip::labelPadding;
    const QFont smallest = strip.labelFont(label, tiny);
    EXPECT_GE(smallest.pixelSize(), static_cast<int>(size * BandStrip::smallestLabelScale));
    const QRectF box = strip.labelBox(label, tiny);
    EXPECT_GT(box.height(), QFontMetricsF(smallest).height() * 1.5);
    EXPECT_LE(box.width(), tiny - 2 * BandStrip::labelPadding + 0.5);

    // A strip whose band is too narrow for a long label grows its track for the lines, and says so before it is
    // laid out; with room, the track keeps its standard height.
    const QString longLabel = QStringLiteral("A hand that shakes a great deal, all day long");
    const double longNatural = QFontMetricsF(strip.font()).horizontalAdvance(longLabel);
    BandStrip narrow(14, {{0, 2, longLabel, Brand::accent}});
    const int roomy = static_cast<int>(std::ceil(7 * (longNatural + 2 * BandStrip::labelPadding + 1)));
    const int cramped = static_cast<int>(7 * (longNatural * 0.2 + 2 * BandStrip::labelPadding));
    const QRectF lines = narrow.labelBox(longLabel, cramped / 7.0);
    EXPECT_EQ(narrow.drawnTrackHeight(roomy), BandStrip::standardTrackHeight);
    EXPECT_GT(narrow.drawnTrackHeight(cramped), BandStrip::standardTrackHeight);
    EXPECT_GE(narrow.drawnTrackHeight(cramped), lines.height() + 2 * BandStrip::labelPadding);
    EXPECT_GT(narrow.heightForWidth(cramped), narrow.heightForWidth(roomy));
    EXPECT_GT(narrow.drawnNumbersCentre(cramped), narrow.drawnTrackHeight(cramped));
}

TEST(BandStripTest, BandsAreDrawnFromTheLeadingEdge)
{
    const auto accentSide = [](Qt::LayoutDirection direction) {
        BandStrip strip(14, {{0, 2, QString(), Brand::accent}, {3, 12, QString(), Brand::warm}});
        strip.setLayoutDirection(direction);
        strip.resize(280, strip.sizeHint().height());
        const QImage image = onItsWindow(strip);
        const int middle = BandStrip::standardTrackHeight / 2;
        return std::pair{tone(image.pixelColor(20, middle)), tone(image.pixelColor(260, middle))};
    };
    EXPECT_EQ(accentSide(Qt::LeftToRight), std::pair(Tone::green, Tone::faint));
    EXPECT_EQ(accentSide(Qt::RightToLeft), std::pair(Tone::faint, Tone::green));
}

TEST(GrowthTest, GrowsOnceOnFirstAppearanceEvenWhenMotionIsReduced)
{
    Motion::shared().setOverride(true);
    QWidget chart;
    Growth growth(chart, 0.3, Spring{.response = 0.9, .dampingFraction = 0.8});
    EXPECT_FALSE(growth.grown());
    EXPECT_EQ(growth.progress(), 0);

    chart.show();
    EXPECT_TRUE(growth.grown());
    EXPECT_EQ(growth.animation().state(), QAbstractAnimation::Running);
    growth.animation().setCurrentTime(299);
    EXPECT_EQ(growth.progress(), 0);
    growth.animation().setCurrentTime(700);
    EXPECT_GT(growth.progress(), 0.5);
    finish(growth);
    EXPECT_EQ(growth.progress(), 1);

    // Hidden and shown again: it stays grown and does not start over.
    chart.hide();
    chart.show();
    EXPECT_EQ(growth.animation().state(), QAbstractAnimation::Stopped);
    EXPECT_EQ(growth.progress(), 1);
    Motion::shared().setOverride(std::nullopt);
}

// The bars of the delay chart, grown by a growth that waits for `host` to be shown.
struct LagBarsOnAHost {
    QWidget host;
    Growth growth{host, LagChart::growthDelay, LagChart::growthSpring};
    LagBars bars{LagChart::studyRows(), growth};

    LagBarsOnAHost() { bars.resize(480, bars.sizeHint().height()); }
    void grow()
    {
        host.show();
        finish(growth);
    }
};

TEST(LagChartTest, BarsStartAtAFiftiethAndGrowToTheirShareOfTheLongestTime)
{
    LagBarsOnAHost chart;
    const double column = 480 - LagBars::lagColumn - LagBars::timeColumn - 2 * LagBars::columnSpacing;
    const std::vector<double> times{911, 934, 1059, 1493};
    for (int index = 0; index < 4; ++index) {
        EXPECT_NEAR(chart.bars.barRect(index).width(), column * times[index] / 1493 * 0.02, 1e-9);
    }

    chart.grow();
    for (int index = 0; index < 4; ++index) {
        EXPECT_NEAR(chart.bars.barRect(index).width(), column * times[index] / 1493, 1e-9);
    }
    // The longest time fills the bar column exactly.
    EXPECT_NEAR(chart.bars.barRect(3).right(), 480 - LagBars::timeColumn - LagBars::columnSpacing, 1e-9);

    // The divisor is fixed: data without the longest time does not stretch to fill the column.
    LagBars fewer({{8, 911}}, chart.growth);
    fewer.resize(480, fewer.sizeHint().height());
    EXPECT_NEAR(fewer.barRect(0).width(), column * 911 / 1493, 1e-9);

    // Right to left, the bars grow from the right edge past the delays' column.
    chart.bars.setLayoutDirection(Qt::RightToLeft);
    EXPECT_NEAR(chart.bars.barRect(3).right(), 480 - LagBars::lagColumn - LagBars::columnSpacing, 1e-9);
    EXPECT_NEAR(chart.bars.barRect(3).left(), LagBars::timeColumn + LagBars::columnSpacing, 1e-9);
}

TEST(LagChartTest, OnlyTheBalancedDelayIsGreenAndNamedShorterOnesFaintLongerOnesWarm)
{
    for (const bool dark : {false, true}) {
        Appearance::shared().setChoice(dark ? Appearance::Choice::dark : Appearance::Choice::light);
        LagBarsOnAHost chart;
        chart.grow();
        const QImage image = onItsWindow(chart.bars);

        const std::vector<Tone> expected{Tone::faint, Tone::green, Tone::warm, Tone::warm};
        for (int index = 0; index < 4; ++index) {
            const QRectF bar = chart.bars.barRect(index);
            // Sampled near the trailing end, clear of the name.
            const QPoint sample(static_cast<int>(bar.right() - 12), static_cast<int>(bar.center().y()));
            EXPECT_EQ(tone(image.pixelColor(sample)), expected[static_cast<std::size_t>(index)]) << index;

            // White text inside the bar, away from its soft edges.
            const QRect inside = bar.toAlignedRect().adjusted(3, 3, -3, -3);
            int white = 0;
            for (int x = inside.left(); x <= inside.right(); ++x) {
                for (int y = inside.top(); y <= inside.bottom(); ++y) {
                    const QColor pixel = image.pixelColor(x, y);
                    white += pixel.red() > 230 && pixel.green() > 230 && pixel.blue() > 230 ? 1 : 0;
                }
            }
            EXPECT_EQ(white > 0, index == 1) << index << (dark ? " dark" : " light");
        }
    }
    Appearance::shared().setChoice(Appearance::Choice::light);
}

TEST(ShakeLeftTest, BarsAreStubsUntilGrownAndBalancedPassesTheStubAbout114PointsWide)
{
    EXPECT_EQ(ShakeLeft::barLength(ShakeLeft::plainSmoothingLeft, 500, 0), ShakeLeft::stubLength);
    EXPECT_EQ(ShakeLeft::barLength(ShakeLeft::balancedLeft, 500, 0), ShakeLeft::stubLength);
    EXPECT_DOUBLE_EQ(ShakeLeft::barLength(ShakeLeft::plainSmoothingLeft, 500, 1), 330);
    EXPECT_EQ(ShakeLeft::barLength(ShakeLeft::balancedLeft, 114, 1), ShakeLeft::stubLength);
    EXPECT_GT(ShakeLeft::barLength(ShakeLeft::balancedLeft, 115, 1), ShakeLeft::stubLength);

    ShakeLeft chart;
    EXPECT_FALSE(chart.growth().grown());
    chart.show();
    EXPECT_TRUE(chart.growth().grown());
    EXPECT_DOUBLE_EQ(chart.growth().delay(), 0.4);
    finish(chart.growth());
    EXPECT_EQ(chart.growth().progress(), 1);
}

// Each chart is one element for assistive technology, says what it shows in words, and leaves its links
// reachable on their own.
TEST(ChartCardTest, ChartsDescribeThemselvesInWordsAndKeepOnlyTheirLinks)
{
    std::vector<std::unique_ptr<ChartCard>> charts;
    charts.push_back(std::make_unique<FrequencyBands>(14));
    charts.push_back(std::make_unique<LagChart>(LagChart::studyRows()));
    charts.push_back(std::make_unique<ShakeLeft>());
    const std::vector<QStringList> facts{{QStringLiteral("0 and 2"), QStringLiteral("3 and 12"), QStringLiteral("14")},
                                         {QStringLiteral("8 ms"), QStringLiteral("911 ms"), QStringLiteral("25 ms"),
                                          QStringLiteral("934 ms"), QStringLiteral("Balanced"),
                                          QStringLiteral("225 ms"), QStringLiteral("1493 ms"), percent(0.16, 0)},
                                         {percent(0.66, 0), percent(0.07, 0), QStringLiteral("Balanced")}};

    for (std::size_t index = 0; index < charts.size(); ++index) {
        ChartCard& chart = *charts[index];
        chart.show();
        QAccessibleInterface* element = QAccessible::queryAccessibleInterface(&chart);
        ASSERT_NE(element, nullptr);
        EXPECT_EQ(element->role(), QAccessible::Chart);
        EXPECT_FALSE(element->text(QAccessible::Name).isEmpty());
        const QString description = element->text(QAccessible::Description);
        for (const QString& fact : facts[index]) {
            EXPECT_TRUE(description.contains(fact)) << description.toStdString() << " lacks " << fact.toStdString();
        }

        int links = 0;
        for (QWidget* child : chart.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const bool isLink = qobject_cast<SourceLink*>(child) != nullptr;
            links += isLink ? 1 : 0;
            EXPECT_EQ(AccessibilityHidden::isHidden(*child), !isLink) << child->metaObject()->className();
        }
        EXPECT_EQ(links, 2);
    }
}

TEST(LagChartTest, PercentagesFollowTheLocaleAndMillisecondsStayPlainIntegers)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    {
        LagChart chart(LagChart::studyRows());
        const QString description = QAccessible::queryAccessibleInterface(&chart)->text(QAccessible::Description);
        EXPECT_TRUE(description.contains(percent(0.036, 1))) << description.toStdString();
        EXPECT_TRUE(percent(0.036, 1).startsWith(QStringLiteral("3,6")));
        EXPECT_TRUE(percent(0.049, 1).startsWith(QStringLiteral("4,9")));
        EXPECT_TRUE(description.contains(QStringLiteral("1493 ms")));
        EXPECT_FALSE(description.contains(QStringLiteral("1 493")));
    }
    // Plain, but in the locale's own digits, like the percentages beside them.
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    EXPECT_EQ(LagBars::milliseconds(1493), QStringLiteral("\u0661\u0664\u0669\u0663 ms"));
    QLocale::setDefault(saved);
}

} // namespace
} // namespace quellarine
