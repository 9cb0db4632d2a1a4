#include "LocalService.h"
#include "Screenshots.h"
#include "TestAppModel.h"

#include "Quellarine/Pages/Calibration/AIBadge.h"
#include "Quellarine/Pages/Calibration/DisclosureButton.h"
#include "Quellarine/Pages/Calibration/ExplainCard.h"
#include "Quellarine/Desktop/ServiceClient.h"
#include "Quellarine/Components/SymbolLabel.h"
#include "Quellarine/Pages/Calibration/ShortcutsSection.h"
#include "Quellarine/Desktop/Localization.h"
#include "Quellarine/Model/ProfileStore.h"
#include "Quellarine/Pages/Calibration/CalibrationStage.h"
#include "Quellarine/Pages/Calibration/CalibrationView.h"
#include "Quellarine/Pages/Calibration/LastResultCard.h"
#include "Quellarine/Pages/Calibration/StepCard.h"
#include "Quellarine/Pages/Calibration/StepTransition.h"
#include "Quellarine/Components/Style/Motion.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

namespace quellarine {
namespace {

using Step = CalibrationView::Step;

constexpr double tremorHz = 6.0;

// A hand on the stage: synthetic pointer events at stage points, through the frame the stage is drawn in.
void send(CalibrationStage& stage, QEvent::Type type, Point at, Qt::MouseButton button, Qt::MouseButtons held)
{
    const QPointF local = stage.toFrame(at);
    QMouseEvent event(type, local, stage.mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(&stage, &event);
}

class CalibrationViewTest : public ::testing::Test, protected testing::TestAppModel {
protected:
    double clock = 1000;
    // As on X11, where Qt merges moves by default.
    bool compressed = QCoreApplication::testAttribute(Qt::AA_CompressHighFrequencyEvents);

    void SetUp() override { QCoreApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, true); }
    void TearDown() override { QCoreApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, compressed); }

    CalibrationView& show(int width = 700)
    {
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        layout->setContentsMargins(0, 0, 0, 0);
        view = new CalibrationView(model(), nullptr, [this] { return clock; });
        layout->addWidget(view);
        layout->addStretch(1);
        window->resize(width, 1200);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *view;
    }

    CalibrationView* makeView()
    {
        return new CalibrationView(model(), nullptr, [this] { return clock; });
    }

    void move(CalibrationView& page, Point at, Qt::MouseButtons held = Qt::NoButton)
    {
        send(*page.stage(), QEvent::MouseMove, at, Qt::NoButton, held);
    }

    // Holds on the dot with a tremor until the follow part, then follows the dot until the targets.
    void holdAndFollow(CalibrationView& page, double seconds = 1e9)
    {
        CalibrationSession& session = page.session();
        const double end = clock + seconds;
        while (page.step() == Step::hold || page.step() == Step::follow) {
            if (clock >= end) {
                return;
            }
            const double t = clock;
            const Vector tremor{2.5 * std::sin(2 * std::numbers::pi * tremorHz * t),
                                2.5 * std::cos(2 * std::numbers::pi * tremorHz * t)};
            const Point aim = page.step() == Step::hold ? session.centre() : session.dotPosition(session.elapsed());
            move(page, aim + tremor);
            clock += 0.01;
            session.tick(clock);
        }
    }

    void click(CalibrationView& page, Point at)
    {
        send(*page.stage(), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        clock += 0.12;
        send(*page.stage(), QEvent::MouseButtonRelease, at + Vector{1, 1}, Qt::LeftButton, Qt::NoButton);
        clock += 0.5;
    }

    void clickTargets(CalibrationView& page, int count = CalibrationProtocol::targetCount)
    {
        for (int i = 0; i < count && page.step() == Step::clicks; ++i) {
            click(page, page.session().targetPoint(page.session().target()) + Vector{2, -1});
        }
    }

    std::unique_ptr<QWidget> window;
    CalibrationView* view = nullptr;
};

// A change of step fades the new step in along the page's spring, drawn directly once in place; while motion is
// reduced the new step is there at once. The page's first step comes with the page, not as a change.
TEST_F(CalibrationViewTest, StepChangesFadeInAlongTheSpringUnlessMotionIsReduced)
{
    Motion::shared().setOverride(false);
    CalibrationView& page = show(700);
    EXPECT_EQ(page.body()->graphicsEffect(), nullptr);
    page.start();
    auto* transition = qobject_cast<StepTransition*>(page.stage()->graphicsEffect());
    ASSERT_NE(transition, nullptr);
    EXPECT_LT(transition->progress(), 0.5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return transition->progress() == 1.0; }, 3000));
    EXPECT_FALSE(transition->isEnabled());

    Motion::shared().setOverride(true);
    page.reset();
    EXPECT_EQ(page.step(), Step::intro);
    EXPECT_EQ(page.body()->graphicsEffect(), nullptr);
    Motion::shared().setOverride(std::nullopt);
}

TEST_F(CalibrationViewTest, AWholeTestByHandStoresTheResultAndUsesItsSettings)
{
    model().setWantsOn(true);
    model().setClickGuardOn(false);
    CalibrationView& page = show(700);
    EXPECT_EQ(page.step(), Step::intro);
    EXPECT_FALSE(page.headerButton().isVisible());
    EXPECT_EQ(page.startButton()->text(), QStringLiteral("Start the Test"));
    EXPECT_EQ(page.lastResultCard(), nullptr);
    EXPECT_EQ(page.explainCard(), nullptr);
    EXPECT_TRUE(page.shortcuts().isVisible());
    EXPECT_TRUE(model().isOn());

    // Return starts, on the Start button where the keyboard is or on the page itself; smoothing and the click
    // guard pause and moves are no longer merged.
    EXPECT_TRUE(page.startButton()->hasFocus());
    page.setFocus();
    QTest::keyClick(&page, Qt::Key_Return);
    ASSERT_EQ(page.step(), Step::hold);
    EXPECT_TRUE(model().calibrating());
    EXPECT_FALSE(model().isOn());
    EXPECT_FALSE(QCoreApplication::testAttribute(Qt::AA_CompressHighFrequencyEvents));
    EXPECT_EQ(page.headerButton().text(), QStringLiteral("Cancel"));
    EXPECT_FALSE(page.shortcuts().isVisible());
    // A second Start while it runs changes nothing.
    page.start();
    EXPECT_EQ(page.step(), Step::hold);

    // The stage stands centred in a wider frame: positions are measured from where it is drawn.
    CalibrationStage* stage = page.stage();
    EXPECT_EQ(page.session().area(), QSizeF(640, 400));
    EXPECT_EQ(stage->stageRect().x(), 30);
    move(page, page.session().centre() + Vector{31, 0});
    EXPECT_TRUE(page.session().hold().empty());
    // The window resized mid-test keeps the stage as it was.
    window->resize(450, 1200);
    QApplication::processEvents();
    EXPECT_EQ(page.session().area(), QSizeF(640, 400));
    window->resize(700, 1200);
    QApplication::processEvents();
    holdAndFollow(page);
    ASSERT_EQ(page.step(), Step::clicks);
    EXPECT_EQ(page.stage(), stage);
    EXPECT_EQ(page.captionLabel().text(), QStringLiteral("3 of 3: Click each target as it appears."));
    EXPECT_FALSE(stage->animating());
    EXPECT_EQ(stage->counterText(), QStringLiteral("1 / %1").arg(CalibrationProtocol::targetCount));

    // A miss, then ten hits on the targets where they are drawn.
    click(page, page.session().targetPoint(0) + Vector{40, 0});
    EXPECT_EQ(page.session().target(), 0);
    clickTargets(page);
    ASSERT_EQ(page.step(), Step::working);
    EXPECT_FALSE(model().calibrating());
    EXPECT_TRUE(model().isOn());
    EXPECT_TRUE(QCoreApplication::testAttribute(Qt::AA_CompressHighFrequencyEvents));
    EXPECT_FALSE(page.headerButton().isVisible());
    EXPECT_NE(page.working(), nullptr);
    EXPECT_EQ(page.session().clicks().size(), 11u);

    ASSERT_TRUE(QTest::qWaitFor([&] { return page.step() == Step::done; }, 20000));
    const std::optional<CalibrationResult>& stored = model().profile().calibration();
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(page.result(), stored);
    ASSERT_TRUE(stored->rhythm.has_value());
    EXPECT_NEAR(*stored->rhythm, tremorHz, 0.2);
    EXPECT_EQ(stored->misses, 1);
    ASSERT_TRUE(page.replay().has_value());
    EXPECT_EQ(page.replay()->raw.size(), page.session().follow().size());
    EXPECT_EQ(page.replay()->steady.size(), page.replay()->raw.size());
    ASSERT_NE(page.resultPage(), nullptr);
    EXPECT_EQ(page.headerButton().text(), QStringLiteral("Done"));
    EXPECT_TRUE(page.resultPage()->useButton().hasFocus());

    // Return uses the suggestion: its preset, the guard as advised, smoothing on; back to the intro.
    model().setWantsOn(false);
    model().setClickGuardOn(!stored->clickGuard);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(page.step(), Step::intro);
    EXPECT_EQ(model().presetID(), stored->suggested);
    EXPECT_EQ(model().clickGuardOn(), stored->clickGuard);
    EXPECT_TRUE(model().wantsOn());
    EXPECT_TRUE(page.session().follow().empty());
    EXPECT_FALSE(page.result().has_value());
    ASSERT_NE(page.lastResultCard(), nullptr);
    EXPECT_NE(page.explainCard(), nullptr);
    EXPECT_TRUE(static_cast<LastResultCard*>(page.lastResultCard())->inUseLabel().isVisible());
    EXPECT_EQ(page.startButton()->text(), QStringLiteral("Test Again"));
}

TEST_F(CalibrationViewTest, EveryWayOutOfARunningTestStoresNothingAndEndsThePause)
{
    model().setWantsOn(true);
    CalibrationView& page = show(660);
    // A control after the page, as the sidebar is in the main window: the keyboard must not wander off to it
    // when the focused Cancel goes away.
    window->layout()->addWidget(new QPushButton(QStringLiteral("Beside")));
    page.start();
    holdAndFollow(page, 12);
    ASSERT_EQ(page.step(), Step::follow);
    ASSERT_TRUE(page.headerButton().hasFocus());
    // A click outside the stage's frame is not the stage's.
    QTest::mouseClick(&page.titleLabel(), Qt::LeftButton);
    EXPECT_EQ(page.step(), Step::follow);

    // Escape cancels.
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_EQ(page.step(), Step::intro);
    EXPECT_FALSE(model().calibrating());
    EXPECT_TRUE(model().isOn());
    EXPECT_TRUE(page.session().hold().empty() && page.session().follow().empty());
    EXPECT_FALSE(model().profile().calibration().has_value());
    EXPECT_TRUE(page.startButton()->hasFocus());

    // So does Cancel, pressed from the keyboard; the keyboard goes back to Start.
    page.start();
    ASSERT_TRUE(page.headerButton().hasFocus());
    QTest::keyClick(&page.headerButton(), Qt::Key_Space);
    EXPECT_EQ(page.step(), Step::intro);
    EXPECT_TRUE(page.startButton()->hasFocus());

    // Changing section ends the pause at once.
    page.start();
    model().setSection(MainSection::help);
    EXPECT_FALSE(model().calibrating());
    EXPECT_TRUE(model().isOn());

    // So does hiding the page, as closing or minimising the window does, which also drops the recording, and
    // destroying it, as quitting does.
    page.reset();
    page.start();
    page.session().record(page.session().centre());
    window->hide();
    EXPECT_FALSE(model().calibrating());
    EXPECT_TRUE(QTest::qWaitFor([&] { return page.step() == Step::intro; }));
    EXPECT_TRUE(page.session().hold().empty());
    window->show();
    page.start();
    window.reset();
    EXPECT_FALSE(model().calibrating());
    EXPECT_TRUE(QCoreApplication::testAttribute(Qt::AA_CompressHighFrequencyEvents));
    EXPECT_FALSE(model().profile().calibration().has_value());
}

// The button held down from the follow part into the clicks part, released on the first target: no click there
// and no hit, so the press time and slip measure only presses the user made among the targets.
TEST_F(CalibrationViewTest, ADragHeldIntoTheClicksPartIsNoClick)
{
    CalibrationView& page = show(660);
    page.start();
    holdAndFollow(page, 11);
    ASSERT_EQ(page.step(), Step::follow);
    const Point first = page.session().targetPoint(0);
    send(*page.stage(), QEvent::MouseButtonPress, first, Qt::LeftButton, Qt::LeftButton);
    while (page.step() == Step::follow) {
        move(page, first, Qt::LeftButton);
        clock += 0.05;
        page.session().tick(clock);
    }
    move(page, first + Vector{1, 0}, Qt::LeftButton);
    send(*page.stage(), QEvent::MouseButtonRelease, first, Qt::LeftButton, Qt::NoButton);
    EXPECT_TRUE(page.session().clicks().empty());
    EXPECT_EQ(page.session().target(), 0);
    // The next press is the first click.
    click(page, first);
    ASSERT_EQ(page.session().clicks().size(), 1u);
    EXPECT_TRUE(page.session().clicks()[0].hit);
}

TEST_F(CalibrationViewTest, TheAnalysisStoresItsResultEvenWhenThePageIsGone)
{
    model().profile().setDevice(ProfileStore::Device::both);
    CalibrationView& page = show(660);
    page.start();
    holdAndFollow(page);
    clickTargets(page);
    ASSERT_EQ(page.step(), Step::working);
    window.reset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return model().profile().calibration().has_value(); }, 20000));
    // A trackpad user's candidates include the trackpad preset.
    const auto& scores = model().profile().calibration()->scores;
    EXPECT_TRUE(std::any_of(scores.begin(), scores.end(),
                            [](const auto& score) { return score.preset == FilterPreset::ID::trackpad; }));
}

TEST_F(CalibrationViewTest, TheStageTakesItsSizeFromThePageOnlyBetweenTests)
{
    EXPECT_EQ(CalibrationView::stageSize(660), QSizeF(640, 400));
    EXPECT_EQ(CalibrationView::stageSize(500), QSizeF(500, 320));
    EXPECT_EQ(CalibrationView::stageSize(400), QSizeF(400, 300));
    EXPECT_EQ(CalibrationView::stageSize(300), QSizeF(320, 300));

    CalibrationView& page = show(500);
    EXPECT_EQ(page.session().area(), QSizeF(500, 320));
    EXPECT_EQ(page.stepCards().size(), 3u);
    // Below 560 the step cards stack.
    EXPECT_GT(page.stepCards()[1]->y(), page.stepCards()[0]->y());
    page.start();
    window->resize(660, 1200);
    QApplication::processEvents();
    EXPECT_EQ(page.session().area(), QSizeF(500, 320));
    page.reset();
    window->resize(661, 1200);
    QApplication::processEvents();
    EXPECT_EQ(page.session().area(), QSizeF(640, 400));
    EXPECT_EQ(page.stepCards()[1]->y(), page.stepCards()[0]->y());
}

TEST_F(CalibrationViewTest, TheLastResultCardUsesItsOwnRule)
{
    CalibrationResult last;
    last.suggested = FilterPreset::ID::strong;
    last.clickGuard = true;
    last.date = 700'000'000;
    model().profile().setCalibration(last);
    model().setWantsOn(false);
    model().setClickGuardOn(false);
    CalibrationView& page = show(660);
    auto* card = static_cast<LastResultCard*>(page.lastResultCard());
    ASSERT_NE(card, nullptr);
    EXPECT_TRUE(card->line().text().contains(QStringLiteral("<b>Strong</b>")));
    EXPECT_TRUE(card->line().text().startsWith(QStringLiteral("Last test, ")));
    ASSERT_NE(card->clickGuard(), nullptr);
    EXPECT_TRUE(card->useButton().isVisible());
    card->useButton().click();
    EXPECT_EQ(model().presetID(), FilterPreset::ID::strong);
    EXPECT_TRUE(model().clickGuardOn());
    EXPECT_FALSE(model().wantsOn());
    EXPECT_TRUE(card->inUseLabel().isVisible());
    EXPECT_FALSE(card->useButton().isVisible());

    // Without click-guard advice it is in use whatever the guard, and never turns it off.
    last.clickGuard = false;
    model().profile().setCalibration(last);
    card = static_cast<LastResultCard*>(page.lastResultCard());
    EXPECT_EQ(card->clickGuard(), nullptr);
    EXPECT_TRUE(card->inUseLabel().isVisible());
    LastResultCard::useLastResult(model(), last);
    EXPECT_TRUE(model().clickGuardOn());
}

TEST_F(CalibrationViewTest, AfterTheLastResultIsUsedReturnStartsTheTestAndSendsNothing)
{
    testing::LocalService service;
    ServiceClient client{service.root(), service.clientTls(), service.deadlines()};
    services = &client;
    CalibrationResult last;
    last.suggested = FilterPreset::ID::strong;
    last.clickGuard = true;
    last.scores = {{FilterPreset::ID::strong, 0.3, 50}};
    last.date = 700'000'000;
    model().profile().setCalibration(last);
    model().setClickGuardOn(false);
    CalibrationView& page = show(660);
    auto* card = static_cast<LastResultCard*>(page.lastResultCard());

    // Used by keyboard, the button gives way to "In use" and the keyboard goes on to the test.
    card->useButton().setFocus(Qt::TabFocusReason);
    QTest::keyClick(&card->useButton(), Qt::Key_Space);
    EXPECT_TRUE(card->inUseLabel().isVisible());
    EXPECT_TRUE(page.startButton()->hasFocus());

    // Return on any control of the intro starts the test, on the explanation's own button too; only a deliberate
    // press sends the numbers.
    const std::function<QWidget*()> controls[] = {
        [&] { return static_cast<QWidget*>(static_cast<ExplainCard*>(page.explainCard())->askButton()); },
        [&] { return static_cast<QWidget*>(static_cast<ExplainCard*>(page.explainCard())->numbersToggle()); },
        [&] { return static_cast<QWidget*>(page.startButton()); },
    };
    for (const auto& control : controls) {
        page.reset();
        ASSERT_EQ(page.step(), Step::intro);
        control()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(page.step(), Step::hold);
    }
    QTest::qWait(100);
    EXPECT_TRUE(service.received.empty());
    EXPECT_EQ(model().explain().state().kind, ExplainStore::State::Kind::idle);
}

// Screenshots of every step, from a page that was never shown before, in light and dark, and in Arabic.
class CalibrationScreenshotTest : public CalibrationViewTest {
protected:
    void capture(const QString& name, CalibrationView* page, int width = 660)
    {
        EXPECT_EQ(testing::Screenshots::capture(name, page, width + 48).size(), 2);
    }

    void captureEverySteps(const QString& suffix)
    {
        capture(QStringLiteral("calibration-intro") + suffix, makeView());

        CalibrationView* hold = makeView();
        hold->start();
        hold->session().record(hold->session().centre());
        clock += 4;
        capture(QStringLiteral("calibration-hold") + suffix, hold);

        CalibrationView* waiting = makeView();
        waiting->start();
        capture(QStringLiteral("calibration-hold-waiting") + suffix, waiting);

        CalibrationView* follow = makeView();
        follow->start();
        follow->session().record(follow->session().centre());
        clock += 10;
        follow->session().tick(clock);
        clock += 5;
        capture(QStringLiteral("calibration-follow") + suffix, follow);

        CalibrationView* clicks = makeView();
        clicks->start();
        clicks->session().record(clicks->session().centre());
        clock += 10;
        clicks->session().tick(clock);
        clock += 15;
        clicks->session().tick(clock);
        capture(QStringLiteral("calibration-clicks") + suffix, clicks);

        CalibrationView* working = makeView();
        working->session().setStep(Step::working);
        capture(QStringLiteral("calibration-working") + suffix, working);

        CalibrationView* done = makeView();
        done->resize(660, 1200);
        done->start();
        holdAndFollow(*done);
        clickTargets(*done);
        EXPECT_TRUE(QTest::qWaitFor([&] { return done->step() == Step::done; }, 20000));
        capture(QStringLiteral("calibration-done") + suffix, done);

        // Narrow: two tiles to a row, the trace under the suggestion, the scores' bars under their texts.
        CalibrationView* narrow = makeView();
        narrow->start();
        holdAndFollow(*narrow);
        clickTargets(*narrow);
        EXPECT_TRUE(QTest::qWaitFor([&] { return narrow->step() == Step::done; }, 20000));
        // Laid out narrow before the window measures it.
        narrow->widthChanged(500);
        EXPECT_FALSE(narrow->resultPage()->wide());
        capture(QStringLiteral("calibration-done-narrow") + suffix, narrow, 500);

        // The intro again, now with the last result and its explanation card.
        capture(QStringLiteral("calibration-intro-again") + suffix, makeView());
        model().profile().setCalibration(std::nullopt);
    }
};

TEST_F(CalibrationScreenshotTest, EveryStep)
{
    captureEverySteps(QString());
}

TEST_F(CalibrationScreenshotTest, EveryStepInArabic)
{
    Localization::apply(QStringLiteral("ar"));
    captureEverySteps(QStringLiteral("-ar"));
    CalibrationView* page = makeView();
    EXPECT_EQ(page->layoutDirection(), Qt::RightToLeft);
    delete page;
    Localization::apply(QStringLiteral("en"));
}

} // namespace
} // namespace quellarine
