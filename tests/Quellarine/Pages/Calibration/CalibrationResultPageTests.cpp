#include "TestAppModel.h"

#include "Quellarine/Components/CalibrationRow.h"
#include "Quellarine/Components/ProminentButton.h"
#include "Quellarine/Components/SymbolLabel.h"
#include "Quellarine/Desktop/Localization.h"
#include "Quellarine/Model/ProfileStore.h"
#include "Quellarine/Pages/Calibration/CalibrationResultPage.h"
#include "Quellarine/Pages/Calibration/CalibrationTrace.h"
#include "Quellarine/Pages/Calibration/ExplainCard.h"
#include "Quellarine/Pages/Calibration/MetricTile.h"
#include "Quellarine/Pages/Calibration/ScoreRow.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace quellarine {
namespace {

using ID = FilterPreset::ID;

CalibrationResult sample()
{
    CalibrationResult result;
    result.rhythm = 5.5;
    result.shake = 4;
    result.slip = 2;
    result.extraClicks = 2;
    result.misses = 1;
    result.scores = {{ID::strong, 0.3, 40},
                     {ID::balanced, 0, 12.5},
                     {ID::gentle, 1.2, 8},
                     {ID::veryStrong, 0.2, 90},
                     {ID::precision, 0.5, 20}};
    result.suggested = ID::strong;
    result.clickGuard = false;
    result.date = 800'000'000;
    return result;
}

class CalibrationResultPageTest : public ::testing::Test, protected testing::TestAppModel {};

TEST_F(CalibrationResultPageTest, TheMeasuresAndScoresReadAsTheUserSeesThem)
{
    EXPECT_EQ(CalibrationResultPage::rhythmText(5.5), QStringLiteral("6 times a second"));
    EXPECT_EQ(CalibrationResultPage::rhythmText(4.49), QStringLiteral("4 times a second"));
    EXPECT_EQ(CalibrationResultPage::millimetres(4, 0.25), QStringLiteral("1.0 mm"));
    EXPECT_EQ(ScoreRow::delayText(12.5), QStringLiteral("13 ms"));
    // The delay is written in the language's own digits, as the share beside it is.
    Localization::apply(QStringLiteral("ar"));
    EXPECT_EQ(ScoreRow::delayText(1234),
              QStringLiteral("\u0661\u0662\u0663\u0664 \u0645\u0644\u0644\u064a \u062b\u0627\u0646\u064a\u0629"));
    Localization::apply(QStringLiteral("en"));
    EXPECT_EQ(ScoreRow::shareText(1.2), QStringLiteral("0% less shake"));
    EXPECT_EQ(ScoreRow::shareText(0), QStringLiteral("100% less shake"));
    EXPECT_EQ(ScoreRow::barWidth(1.2, 300), 6) << "a bar never vanishes";
    EXPECT_EQ(ScoreRow::barWidth(0, 300), 300);
    EXPECT_EQ(ScoreRow::barWidth(0.25, 300), 225);

    CalibrationResultPage page(model(), sample(), CalibrationResultPage::Replay{{{0, 0}, {10, 5}}, {{1, 1}}}, true);
    ASSERT_EQ(page.tiles().size(), 4u);
    EXPECT_EQ(page.tiles()[1]->value().text(), QStringLiteral("6 times a second"));
    EXPECT_EQ(page.tiles()[3]->value().text(), QStringLiteral("3"));
    EXPECT_EQ(page.tiles()[0]->label().text(), QStringLiteral("Shake around where you aim"));
    // Only the first four scores, in the result's order, the suggested one in bold.
    ASSERT_EQ(page.scoreRows().size(), 4u);
    EXPECT_EQ(page.scoreRows()[0]->name().text(), QStringLiteral("Strong"));
    EXPECT_TRUE(page.scoreRows()[0]->name().font().bold());
    EXPECT_FALSE(page.scoreRows()[1]->name().font().bold());
    EXPECT_EQ(page.scoreRows()[1]->delay().text(), QStringLiteral("13 ms"));
    EXPECT_EQ(page.suggestedName().text(), QStringLiteral("Strong"));
    EXPECT_EQ(page.clickGuardLabel(), nullptr);
    ASSERT_NE(page.trace(), nullptr);
    EXPECT_EQ(page.trace()->height(), 150);

    CalibrationResult plain = sample();
    plain.rhythm.reset();
    plain.scores.clear();
    plain.clickGuard = true;
    CalibrationResultPage without(model(), plain, std::nullopt, false);
    EXPECT_EQ(without.tiles()[1]->value().text(), QStringLiteral("No regular rhythm"));
    EXPECT_TRUE(without.scoreRows().empty());
    EXPECT_EQ(without.trace(), nullptr);
    ASSERT_NE(without.clickGuardLabel(), nullptr);
}

// Tab and assistive technology meet the numbers before the card that explains them, as the page shows them.
TEST_F(CalibrationResultPageTest, TheNumbersComeBeforeTheirExplanationInEveryReadingOrder)
{
    for (const bool wide : {true, false}) {
        SCOPED_TRACE(wide ? "wide" : "narrow");
        CalibrationResultPage page(model(), sample(), std::nullopt, wide);
        const std::vector<QObject*> numbers{page.tiles().front(), page.tiles().back(), page.scoreRows().back()};
        QObject* explanation = &page.explainCard();

        // The accessibility tree, depth first.
        std::vector<QObject*> read;
        const std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            read.push_back(node->object());
            for (int index = 0; index < node->childCount(); ++index) {
                walk(node->child(index));
            }
        };
        walk(QAccessible::queryAccessibleInterface(&page));
        // The focus chain, every widget in it.
        std::vector<QObject*> chain;
        for (QWidget* at = page.nextInFocusChain(); at != &page; at = at->nextInFocusChain()) {
            chain.push_back(at);
        }
        for (const auto* order : {&read, &chain}) {
            const auto position
                = [order](QObject* object) { return std::find(order->begin(), order->end(), object) - order->begin(); };
            ASSERT_LT(position(explanation), static_cast<long>(order->size()));
            for (QObject* number : numbers) {
                ASSERT_LT(position(number), static_cast<long>(order->size()));
                EXPECT_LT(position(number), position(explanation)) << (order == &read ? "read" : "focus");
            }
        }
    }
}

TEST_F(CalibrationResultPageTest, UseSetsTheAdviceExactlyAndKeepChangesNothing)
{
    model().setClickGuardOn(true);
    model().setWantsOn(false);
    model().setPresetID(ID::gentle);
    CalibrationResultPage page(model(), sample(), std::nullopt, true);
    QSignalSpy closed(&page, &CalibrationResultPage::closed);

    page.keepButton().click();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(model().presetID(), ID::gentle);
    EXPECT_TRUE(model().clickGuardOn());
    EXPECT_FALSE(model().wantsOn());

    // No click-guard advice turns an enabled guard off.
    page.useButton().click();
    EXPECT_EQ(closed.count(), 2);
    EXPECT_EQ(model().presetID(), ID::strong);
    EXPECT_FALSE(model().clickGuardOn());
    EXPECT_TRUE(model().wantsOn());
    EXPECT_FALSE(model().profile().calibration().has_value());
}

TEST_F(CalibrationResultPageTest, TheTraceFitsBothPathsTogetherOrDrawsNothing)
{
    const QSizeF square(200, 200);
    EXPECT_FALSE(CalibrationTrace::fit({}, {}, square));
    EXPECT_FALSE(CalibrationTrace::fit({{0, 5}, {40, 5}}, {{10, 5}}, square)); // all on one line
    EXPECT_FALSE(CalibrationTrace::fit({{3, 3}}, {}, square));

    // Twice as wide as high: 92 % of the width, centred vertically; the steady path counts in the bounds.
    const auto fit = CalibrationTrace::fit({{10, 10}, {50, 20}}, {{90, 30}}, square);
    ASSERT_TRUE(fit);
    EXPECT_DOUBLE_EQ(fit->scale, 200.0 / 80 * 0.92);
    const QPointF left = fit->map({10, 10});
    const QPointF right = fit->map({90, 30});
    EXPECT_NEAR(right.x() - left.x(), 200 * 0.92, 1e-9);
    EXPECT_NEAR(left.x(), 200 * 0.04, 1e-9);
    EXPECT_NEAR((left.y() + right.y()) / 2, 100, 1e-9);

    // The orange path alone is fitted to its own bounds.
    const auto alone = CalibrationTrace::fit({{0, 0}, {100, 100}}, {}, square);
    ASSERT_TRUE(alone);
    EXPECT_NEAR(alone->map({0, 0}).x(), 8, 1e-9);
    EXPECT_NEAR(alone->map({100, 100}).y(), 192, 1e-9);
}

TEST_F(CalibrationResultPageTest, TheSummaryRowFollowsTheStoredResult)
{
    CalibrationRow row(model());
    row.resize(600, row.heightForWidth(600));
    row.show();
    EXPECT_TRUE(row.offer().isVisibleTo(&row));
    EXPECT_FALSE(row.lastTest().isVisibleTo(&row));
    EXPECT_EQ(row.button().text(), QStringLiteral("Start the Test"));

    CalibrationResult result = sample();
    result.clickGuard = true;
    model().profile().setCalibration(result);
    EXPECT_FALSE(row.offer().isVisibleTo(&row));
    EXPECT_TRUE(row.lastTest().isVisibleTo(&row));
    EXPECT_EQ(row.lastTest().text(),
              QStringLiteral("Last test, %1: <b>Strong</b>").arg(CalibrationRow::dateText(result.date)));
    // 800,000,000 seconds after 2001 began: 9 May 2026 (UTC).
    EXPECT_EQ(CalibrationRow::dateText(result.date), QStringLiteral("May 9, 2026"));
    EXPECT_TRUE(row.clickGuard().isVisibleTo(&row));
    EXPECT_EQ(row.button().text(), QStringLiteral("Test Again"));
    EXPECT_GE(row.lastTest().geometry().top(), row.title().geometry().bottom());
    EXPECT_GT(row.clickGuard().geometry().top(), row.lastTest().geometry().bottom());

    result.clickGuard = false;
    model().profile().setCalibration(result);
    EXPECT_FALSE(row.clickGuard().isVisibleTo(&row));
    row.resize(CalibrationRow::narrowBelow - 1, row.heightForWidth(CalibrationRow::narrowBelow - 1));
    EXPECT_GT(row.button().y(), row.lastTest().geometry().bottom());
}

} // namespace
} // namespace quellarine
