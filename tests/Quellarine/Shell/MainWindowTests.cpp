#include "TestAppModel.h"

#include "Quellarine/Model/FeedbackStore.h"
#include "Quellarine/Model/ProfileStore.h"
#include "Quellarine/Pages/Calibration/CalibrationView.h"
#include "Quellarine/Pages/Help/HelpPage.h"
#include "Quellarine/Pages/Research/ResearchPage.h"
#include "Quellarine/Shell/MainWindow.h"
#include "Quellarine/Shell/OnOffCard.h"
#include "Quellarine/Shell/PageArea.h"
#include "Quellarine/Pages/Profile/ProfilePage.h"
#include "Quellarine/Shell/ProfileCard.h"
#include "Quellarine/Shell/Sidebar.h"
#include "Quellarine/Shell/SidebarRow.h"
#include "Quellarine/Components/SpringAnimation.h"
#include "Quellarine/Shell/StatusDot.h"
#include "Quellarine/Components/TapArea.h"
#include "Quellarine/Components/ToggleSwitch.h"
#include "Quellarine/Pages/Welcome/WelcomeView.h"
#include "Quellarine/Pages/WhatsNew/NoteCard.h"
#include "Quellarine/Pages/WhatsNew/WhatsNewPage.h"
#include "Quellarine/Shell/WelcomeWindow.h"
#include "Quellarine/Shell/WindowRoom.h"
#include "Quellarine/Desktop/Localization.h"
#include "Quellarine/Components/Style/Motion.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QComboBox>
#include <QPushButton>
#include <QVariantAnimation>
#include <QSignalSpy>
#include <QSplitter>
#include <QScrollBar>
#include <QTest>
#include <QScreen>
#include <QScrollArea>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

class MainWindowTest : public ::testing::Test, protected testing::TestAppModel {
protected:
    MainWindowTest() { Motion::shared().setOverride(true); }
    ~MainWindowTest() override
    {
        window_.reset();
        Motion::shared().setOverride(std::nullopt);
    }

    // The window, shown and active as when the user opens it.
    MainWindow& window()
    {
        if (!window_) {
            window_
                = std::make_unique<MainWindow>(model(), [this](const QString& identity) { opened.append(identity); });
            window_->show();
            window_->activateWindow();
            QApplication::processEvents();
        }
        return *window_;
    }

    SidebarRow& row(MainSection section) { return *window().sidebar().row(section); }

    void click(QWidget& widget) { QTest::mouseClick(&widget, Qt::LeftButton, {}, widget.rect().center()); }

    QStringList opened;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(MainWindowTest, SidebarListsTheSectionsInOrderAndStartsOnTheOverview)
{
    std::vector<MainSection> sections;
    for (SidebarRow* each : window().sidebar().rows()) {
        sections.push_back(each->section());
    }
    EXPECT_EQ(sections, std::vector<MainSection>(MainSection::sidebar().begin(), MainSection::sidebar().end()));
    EXPECT_EQ(window().sidebarSelection(), MainSection::home);
    EXPECT_EQ(window().sidebar().currentRow(), &row(MainSection::home));
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Overview"));
    EXPECT_EQ(window().objectName(), QStringLiteral("main"));
    // Its default size where the screen has the room (the test's small screen may not).
    EXPECT_EQ(window().size(), MainWindow::defaultSize.boundedTo(WindowRoom::forContent(window())));
    EXPECT_EQ(window().sidebar().width(), Sidebar::idealWidth);
}

TEST_F(MainWindowTest, ChoosingARowShowsItsSectionOnAFreshPage)
{
    QPointer<QWidget> first = window().pageArea().page();
    click(row(MainSection::research));
    EXPECT_EQ(model().section(), MainSection::research);
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Why it works"));
    EXPECT_EQ(window().sidebar().currentRow(), &row(MainSection::research));
    // The old page is gone, not hidden.
    EXPECT_TRUE(first.isNull());
    QPointer<QWidget> research = window().pageArea().page();
    ASSERT_NE(research, nullptr);
    EXPECT_NE(qobject_cast<ResearchPage*>(research.data()), nullptr);

    // Back and forth gives another page each time.
    click(row(MainSection::home));
    click(row(MainSection::research));
    EXPECT_TRUE(research.isNull());
    EXPECT_NE(window().pageArea().page(), nullptr);

    // Any route to a page sets the section, and the window follows.
    model().setSection(MainSection::help);
    EXPECT_NE(qobject_cast<HelpPage*>(window().pageArea().page()), nullptr);
    EXPECT_EQ(window().sidebar().currentRow(), &row(MainSection::help));
}

TEST_F(MainWindowTest, RechoosingTheCurrentRowTellsNoObserverAndKeepsThePage)
{
    click(row(MainSection::calibration));
    QPointer<QWidget> page = window().pageArea().page();
    QSignalSpy sections(&model(), &AppModel::sectionChanged);
    click(row(MainSection::calibration));
    window().setSidebarSelection(MainSection::calibration);
    EXPECT_EQ(sections.count(), 0);
    EXPECT_EQ(window().pageArea().page(), page.data());
    EXPECT_TRUE(row(MainSection::calibration).isCurrent());
}

TEST_F(MainWindowTest, AnEmptySelectionIsNeverWritten)
{
    click(row(MainSection::research));
    QSignalSpy sections(&model(), &AppModel::sectionChanged);
    window().setSidebarSelection(std::nullopt);
    EXPECT_EQ(model().section(), MainSection::research);
    EXPECT_EQ(sections.count(), 0);
}

TEST_F(MainWindowTest, ChoosingFeedbackInTheSidebarMakesTheSidebarItsOrigin)
{
    FeedbackStore& feedback = model().feedback();
    // The help page opened the form: its origin stands and the Feedback row is highlighted.
    model().openFeedback(FeedbackStore::Source::help);
    EXPECT_EQ(feedback.source(), FeedbackStore::Source::help);
    EXPECT_EQ(window().sidebar().currentRow(), &row(MainSection::feedback));

    // Choosing the row of the page already shown still records the sidebar, without a section change.
    QSignalSpy sources(&feedback, &FeedbackStore::sourceChanged);
    QSignalSpy sections(&model(), &AppModel::sectionChanged);
    click(row(MainSection::feedback));
    EXPECT_EQ(feedback.source(), FeedbackStore::Source::sidebar);
    EXPECT_EQ(sources.count(), 1);
    EXPECT_EQ(sections.count(), 0);

    // Once it is the sidebar, choosing the row again tells nobody.
    click(row(MainSection::feedback));
    EXPECT_EQ(sources.count(), 1);

    // From another page, the menu-bar origin is overridden too.
    click(row(MainSection::home));
    feedback.setSource(FeedbackStore::Source::menubar);
    click(row(MainSection::feedback));
    EXPECT_EQ(feedback.source(), FeedbackStore::Source::sidebar);
    EXPECT_EQ(model().section(), MainSection::feedback);
}

TEST_F(MainWindowTest, TheProfileShowsNoSelectionAndItsTitle)
{
    click(window().sidebar().profileCard());
    EXPECT_EQ(model().section(), MainSection::profile);
    EXPECT_EQ(window().sidebarSelection(), std::nullopt);
    EXPECT_EQ(window().sidebar().currentRow(), nullptr);
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Profile"));
    EXPECT_NE(qobject_cast<ProfilePage*>(window().pageArea().page()), nullptr);
    EXPECT_EQ(window().sidebar().profileCard().backgroundOpacity(), 0.2);

    click(row(MainSection::home));
    EXPECT_EQ(window().sidebar().profileCard().backgroundOpacity(), 0.08);
}

TEST_F(MainWindowTest, TheNewDotFollowsWhatsNewUnseenAndThePageClearsIt)
{
    ASSERT_TRUE(model().whatsNewUnseen());
    EXPECT_TRUE(row(MainSection::whatsNew).showsNewDot());
    EXPECT_EQ(row(MainSection::whatsNew).accessibleDescription(), QStringLiteral("New"));
    for (MainSection other : {MainSection::home, MainSection::calibration, MainSection::research, MainSection::help,
                              MainSection::feedback}) {
        EXPECT_FALSE(row(other).showsNewDot()) << other.rawValue().toStdString();
    }

    click(row(MainSection::whatsNew));
    // The page with the notes the application carries, this version's marked.
    const auto* whatsNew = qobject_cast<WhatsNewPage*>(window().pageArea().page());
    ASSERT_NE(whatsNew, nullptr);
    ASSERT_FALSE(whatsNew->cards().isEmpty());
    EXPECT_TRUE(whatsNew->cards().front()->isCurrent());
    EXPECT_FALSE(model().whatsNewUnseen());
    EXPECT_FALSE(row(MainSection::whatsNew).showsNewDot());
    EXPECT_EQ(row(MainSection::whatsNew).accessibleDescription(), QString());
    EXPECT_EQ(defaults.string(QStringLiteral("whatsNew.seenVersion")), UpdateController::appVersion());
}

TEST_F(MainWindowTest, TheWhatsNewPageCountsAsSeenOnlyOnceItIsOnScreen)
{
    // The update framework asks for the version history while the window is closed.
    model().setSection(MainSection::whatsNew);
    EXPECT_TRUE(model().whatsNewUnseen());
    window();
    EXPECT_FALSE(model().whatsNewUnseen());
}

TEST_F(MainWindowTest, ArrowKeysMoveTheChoiceAlongTheRows)
{
    row(MainSection::home).setFocus(Qt::TabFocusReason);
    QTest::keyClick(&row(MainSection::home), Qt::Key_Down);
    EXPECT_EQ(model().section(), MainSection::calibration);
    EXPECT_TRUE(row(MainSection::calibration).hasFocus());
    QTest::keyClick(&row(MainSection::calibration), Qt::Key_Up);
    QTest::keyClick(&row(MainSection::home), Qt::Key_Up);
    EXPECT_EQ(model().section(), MainSection::home);
    QTest::keyClick(&row(MainSection::home), Qt::Key_Space);
    EXPECT_EQ(model().section(), MainSection::home);
}

TEST_F(MainWindowTest, ReturnStartsTheCalibrationTestWithTheKeyboardStillInTheSidebar)
{
    row(MainSection::home).setFocus(Qt::TabFocusReason);
    QTest::keyClick(&row(MainSection::home), Qt::Key_Down);
    ASSERT_EQ(model().section(), MainSection::calibration);
    ASSERT_TRUE(row(MainSection::calibration).hasFocus());
    auto* page = qobject_cast<CalibrationView*>(window().pageArea().page());
    ASSERT_NE(page, nullptr);
    QTest::keyClick(&row(MainSection::calibration), Qt::Key_Return);
    EXPECT_EQ(page->step(), CalibrationView::Step::hold);
    EXPECT_TRUE(model().calibrating());

    // Leaving the page by the sidebar ends the test and its pause.
    QTest::keyClick(&row(MainSection::calibration), Qt::Key_Up);
    ASSERT_EQ(model().section(), MainSection::home);
    EXPECT_FALSE(model().calibrating());
}

TEST_F(MainWindowTest, TheHelpPageOpensTheWelcomeWindowThroughTheWindow)
{
    click(row(MainSection::help));
    auto* help = qobject_cast<HelpPage*>(window().pageArea().page());
    ASSERT_NE(help, nullptr);
    help->welcomeAction()->click();
    EXPECT_EQ(opened, QStringList{QStringLiteral("welcome")});
}

TEST_F(MainWindowTest, ThePageIsAtMost660WideCentredWithItsInset)
{
    window().resize(1400, 800);
    QApplication::processEvents();
    const QWidget* page = window().pageArea().page();
    const int column = window().pageArea().viewport()->width();
    EXPECT_EQ(page->width(), PageArea::maximumPageWidth);
    EXPECT_EQ(page->y(), PageArea::inset);
    EXPECT_NEAR(page->x() - PageArea::inset, column - page->geometry().right() - 1 - PageArea::inset, 1);

    // In the narrowest window the page keeps its inset and fills the rest.
    window().resize(MainWindow::minimumContentSize);
    QApplication::processEvents();
    EXPECT_GE(window().centralWidget()->width(), MainWindow::minimumContentSize.width());
    EXPECT_EQ(window().pageArea().page()->x(), PageArea::inset);
    EXPECT_EQ(window().pageArea().page()->width(), window().pageArea().viewport()->width() - 2 * PageArea::inset);
}

TEST_F(MainWindowTest, TheSidebarStaysWithinItsWidths)
{
    window().splitter().setSizes({100, 800});
    EXPECT_EQ(window().sidebar().width(), Sidebar::minimumWidth);
    window().splitter().setSizes({500, 400});
    EXPECT_EQ(window().sidebar().width(), Sidebar::maximumWidth);
}

TEST_F(MainWindowTest, UntrustedTheOnOffCardChangesAndWritesNothing)
{
    permission.trusted = false;
    server.setMaySteerPointer(false);
    OnOffCard& card = window().sidebar().onOffCard();
    const QStringList keysBefore = storedKeys();
    QSignalSpy wishes(&model(), &AppModel::wantsOnChanged);
    EXPECT_FALSE(card.toggle().isEnabled());
    // The wish stands, but nothing can be on: the switch says so as the text beside it does.
    EXPECT_FALSE(card.toggle().isOn());
    EXPECT_EQ(card.stateText(), QStringLiteral("Off"));
    click(card.tapArea());
    click(card.toggle());
    EXPECT_TRUE(model().wantsOn());
    EXPECT_EQ(wishes.count(), 0);
    EXPECT_EQ(storedKeys(), keysBefore);
}

TEST_F(MainWindowTest, ATapOnTheOnOffCardFlipsTheWishAndWritesIt)
{
    OnOffCard& card = window().sidebar().onOffCard();
    ASSERT_TRUE(model().isOn());
    EXPECT_EQ(card.stateText(), QStringLiteral("On"));
    EXPECT_EQ(card.presetText(), QStringLiteral("Balanced"));
    EXPECT_TRUE(card.statusDot().isOn());

    // A click on the texts, not only on the switch.
    QTest::mouseClick(&card.tapArea(), Qt::LeftButton, {}, QPoint(card.tapArea().width() - 4, 4));
    EXPECT_FALSE(model().wantsOn());
    EXPECT_FALSE(model().isOn());
    EXPECT_EQ(defaults.boolean(QStringLiteral("filterOn")), false);
    EXPECT_EQ(card.stateText(), QStringLiteral("Off"));
    EXPECT_FALSE(card.toggle().isOn());
    EXPECT_FALSE(card.statusDot().isOn());

    click(card.toggle());
    EXPECT_TRUE(model().wantsOn());
    EXPECT_TRUE(model().isOn());
    EXPECT_EQ(defaults.boolean(QStringLiteral("filterOn")), true);

    // Another preset names itself on the card.
    model().setPresetID(FilterPreset::ID::precision);
    EXPECT_EQ(card.presetText(), QStringLiteral("Precision"));
}

TEST_F(MainWindowTest, TheCardReportsTheRealStateNotTheWish)
{
    OnOffCard& card = window().sidebar().onOffCard();
    // A calibration test is recording: wanted, but not smoothing.
    model().setCalibrating(true);
    EXPECT_TRUE(card.toggle().isOn());
    EXPECT_EQ(card.stateText(), QStringLiteral("Off"));
    EXPECT_EQ(card.onness(), 0.0);
    EXPECT_FALSE(card.statusDot().pulses());
    model().setCalibrating(false);
    EXPECT_EQ(card.stateText(), QStringLiteral("On"));
    EXPECT_EQ(card.onness(), 1.0);
}

TEST_F(MainWindowTest, TurningSmoothingBackOnFromTheCardLeavesTheEmergencyNotice)
{
    model().setWantsOn(false);
    model().setEmergencyNotice(true);
    click(window().sidebar().onOffCard().toggle());
    EXPECT_TRUE(model().wantsOn());
    EXPECT_TRUE(model().emergencyNotice());
}

TEST_F(MainWindowTest, APageChangeFadesTheNewPageInAndEndsDrawnDirectly)
{
    Motion::shared().setOverride(false);
    window();
    click(row(MainSection::research));
    PageArea& area = window().pageArea();
    EXPECT_EQ(area.transition().state(), QAbstractAnimation::Running);
    EXPECT_LT(area.transitionProgress(), 1.0);
    EXPECT_NE(area.page()->graphicsEffect(), nullptr);

    // A change in the middle of one starts afresh with the newest page.
    click(row(MainSection::help));
    area.transition().setCurrentTime(area.transition().duration());
    EXPECT_EQ(area.transitionProgress(), 1.0);
    EXPECT_EQ(area.page()->graphicsEffect(), nullptr);
    EXPECT_NE(qobject_cast<HelpPage*>(area.page()), nullptr);
}

TEST(SpringTest, AnUnderdampedSpringOvershootsAndSettles)
{
    const Spring bouncy{.response = 0.3, .dampingFraction = 0.6};
    double peak = 0;
    for (double t = 0; t < bouncy.settlingTime(); t += 0.001) {
        peak = std::max(peak, bouncy.value(t));
    }
    // About 9.5 % past the end, as a damping fraction of 0.6 gives.
    EXPECT_NEAR(peak, 1.095, 0.005);
    for (double t = bouncy.settlingTime(); t < bouncy.settlingTime() + 1; t += 0.01) {
        EXPECT_NEAR(bouncy.value(t), 1.0, 0.001);
    }
    const Spring critical{.response = 0.3};
    for (double t = 0; t < 1; t += 0.001) {
        EXPECT_LE(critical.value(t), 1.0);
    }
    EXPECT_EQ(bouncy.value(0), 0.0);
}

TEST_F(MainWindowTest, TheCurrentTileGrowsWithABounce)
{
    Motion::shared().setOverride(false);
    SidebarRow& research = row(MainSection::research);
    EXPECT_EQ(row(MainSection::home).tileScale(), SidebarRow::currentScale);
    click(research);
    auto* animation = research.findChild<SpringAnimation*>();
    ASSERT_NE(animation, nullptr);
    qreal largest = 0;
    for (int ms = 0; ms <= animation->duration(); ms += 5) {
        animation->setCurrentTime(ms);
        largest = std::max(largest, research.tileScale());
    }
    EXPECT_GT(largest, SidebarRow::currentScale);
    EXPECT_NEAR(research.tileScale(), SidebarRow::currentScale, 0.001);
}

TEST_F(MainWindowTest, ALongTitleShrinksBeforeItIsCut)
{
    SidebarRow& calibration = row(MainSection::calibration);
    window().splitter().setSizes({Sidebar::minimumWidth, 700});
    EXPECT_EQ(calibration.titleScale(), 1.0);
    EXPECT_FALSE(calibration.titleTruncated());
    calibration.setText(QString());
    // A title far too long for two lines takes the smallest size and ends in an ellipsis.
    const int narrow = SidebarRow::tileSide + 2 * SidebarRow::horizontalPadding + SidebarRow::spacing + 40;
    calibration.setFixedWidth(narrow);
    EXPECT_EQ(calibration.titleScale(), SidebarRow::smallestTitleScale);
    EXPECT_TRUE(calibration.titleTruncated());
    EXPECT_GT(calibration.heightForWidth(narrow), calibration.heightForWidth(400));
}

TEST(StatusDotTest, PulsesOnlyWhileOnInTheActiveWindowWithMotion)
{
    Motion::shared().setOverride(false);
    QWidget window;
    auto* dot = new StatusDot(true, &window);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_TRUE(dot->pulses());
    dot->setOn(false);
    EXPECT_FALSE(dot->pulses());
    EXPECT_EQ(dot->haloOpacityNow(), 0.0);
    dot->setOn(true);
    EXPECT_TRUE(dot->pulses());

    Motion::shared().setOverride(true);
    EXPECT_FALSE(dot->pulses());
    Motion::shared().setOverride(false);
    EXPECT_TRUE(dot->pulses());

    // Another window takes the focus: the dot keeps still.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_FALSE(dot->pulses());
    Motion::shared().setOverride(std::nullopt);
}

TEST(StatusDotTest, TheHaloSwellsAndFadesThenComesBack)
{
    Motion::shared().setOverride(false);
    QWidget window;
    auto* dot = new StatusDot(true, &window);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* pulse = dot->findChild<QVariantAnimation*>();
    ASSERT_NE(pulse, nullptr);
    pulse->setCurrentTime(0);
    EXPECT_NEAR(dot->haloScaleNow(), 1.0, 1e-6);
    EXPECT_NEAR(dot->haloOpacityNow(), 0.8, 1e-6);
    pulse->setCurrentTime(StatusDot::phaseMilliseconds);
    EXPECT_NEAR(dot->haloScaleNow(), StatusDot::haloScale, 1e-6);
    EXPECT_NEAR(dot->haloOpacityNow(), 0.0, 1e-6);
    // Ease-out: ahead of an even pace early on.
    pulse->setCurrentTime(StatusDot::phaseMilliseconds / 4);
    EXPECT_GT(dot->haloScaleNow(), 1.0 + (StatusDot::haloScale - 1.0) * 0.33);
    Motion::shared().setOverride(std::nullopt);
}

class WelcomeWindowTest : public ::testing::Test, protected testing::TestAppModel {};

TEST_F(WelcomeWindowTest, FitsItsContentAndItsButtonClosesIt)
{
    permission.trusted = false;
    auto* window = new WelcomeWindow(model());
    QPointer<WelcomeWindow> alive = window;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    QApplication::processEvents();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Welcome to Quellarine"));
    EXPECT_EQ(window->objectName(), QStringLiteral("welcome"));
    EXPECT_EQ(window->size(),
              WelcomeWindow::fittedSize(window->view().sizeHint(), WindowRoom::forContent(*window),
                                        window->scrollArea().verticalScrollBar()->sizeHint().width()));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());

    window->view().button()->click();
    QApplication::processEvents();
    EXPECT_TRUE(alive.isNull());
    EXPECT_EQ(defaults.boolean(WelcomeView::welcomedKey), true);
}

TEST(WelcomeWindowSizeTest, TheContentsSizeWhileItFitsTheScreensFreeAreaElseThatAreaAndAScrollBar)
{
    const QSize laptop = WindowRoom::forContent(QSize(1366, 736), 40);
    const int room = laptop.height();
    EXPECT_LT(room, 736 - 40);
    EXPECT_EQ(WelcomeWindow::fittedSize(QSize(480, 640), laptop, 12), QSize(480, 640));
    EXPECT_EQ(WelcomeWindow::fittedSize(QSize(480, room), laptop, 12), QSize(480, room));
    EXPECT_EQ(WelcomeWindow::fittedSize(QSize(480, room + 1), laptop, 12), QSize(492, room));
    EXPECT_EQ(WelcomeWindow::fittedSize(QSize(480, 2000), laptop, 12), QSize(492, room));
}

TEST_F(WelcomeWindowTest, InTheLongestLanguageItKeepsToTheScreenAndScrollsToItsButton)
{
    permission.trusted = false;
    Localization::apply(QStringLiteral("ru"));
    {
        WelcomeWindow window(model());
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QApplication::processEvents();
        const QRect available = window.screen()->availableGeometry();
        const int content = window.view().sizeHint().height();
        // Once shown, the real frame counts.
        const int room = available.height() - (window.frameGeometry().height() - window.height());
        EXPECT_LE(window.height(), room);
        if (content > room) {
            EXPECT_LT(window.height(), content) << "kept to the screen";
            // It opens at its beginning, with the keyboard on the button (Return starts); Tab away and back
            // brings the button into view.
            ASSERT_TRUE(QTest::qWaitFor([&] { return window.scrollArea().verticalScrollBar()->value() == 0; }));
            EXPECT_EQ(QApplication::focusWidget(), window.view().button());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            QWidget* viewport = window.scrollArea().viewport();
            const QRect button(window.view().button()->mapTo(viewport, QPoint()), window.view().button()->size());
            EXPECT_TRUE(viewport->rect().contains(button)) << "the button is out of sight";
        } else {
            EXPECT_EQ(window.height(), content);
        }
    }
    Localization::apply(QStringLiteral("en"));
}

// The keys a user without a pointer presses to reach the language and restart in it, from the window as it
// opens; the end-to-end test presses the same ones from the card on the real application.
TEST_F(MainWindowTest, TheLanguageCanBeChangedAndAppliedFromTheKeyboardAlone)
{
    window();
    auto press = [](Qt::Key key, int times = 1) {
        for (int time = 0; time < times; ++time) {
            QWidget* focused = QApplication::focusWidget();
            ASSERT_NE(focused, nullptr);
            QTest::keyClick(focused, key);
        }
    };
    // Along the sidebar to its card at the foot.
    for (int stop = 0; stop < 10 && QApplication::focusWidget() != &window().sidebar().profileCard(); ++stop) {
        press(Qt::Key_Tab);
    }
    ASSERT_EQ(QApplication::focusWidget(), &window().sidebar().profileCard());
    press(Qt::Key_Space);
    ASSERT_EQ(model().section(), MainSection::profile);
    // From the card, past the photo button, the three details, the device choice and the appearance choice.
    press(Qt::Key_Tab, 7);
    auto* picker = qobject_cast<QComboBox*>(QApplication::focusWidget());
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->accessibleName(), QStringLiteral("Language"));
    press(Qt::Key_F);
    EXPECT_EQ(model().profile().language(), QStringLiteral("fr"));
    press(Qt::Key_Tab);
    auto* restart = qobject_cast<QPushButton*>(QApplication::focusWidget());
    ASSERT_NE(restart, nullptr);
    EXPECT_EQ(restart->text(), QStringLiteral("Restart Quellarine"));
}

// "Test Again" pressed from the keyboard elsewhere brings the calibration page with the keyboard on its start
// button, not on the first control above it (the last result's "Use These Settings").
TEST_F(MainWindowTest, TestAgainFromTheKeyboardLandsOnTheStartButton)
{
    CalibrationResult result;
    result.rhythm = 4.4;
    result.shake = 14.26;
    result.slip = 9.8;
    result.scores = {{FilterPreset::ID::strong, 0.5, 40}, {FilterPreset::ID::balanced, 0.62, 12.5}};
    result.suggested = FilterPreset::ID::strong;
    result.date = 800'000'000;
    model().profile().setCalibration(result);
    model().setSection(MainSection::profile);
    window();
    QAbstractButton* testAgain = nullptr;
    for (auto* button : window().pageArea().findChildren<QAbstractButton*>()) {
        if (button->text() == QStringLiteral("Test Again") && button->isVisibleTo(&window())) {
            testAgain = button;
        }
    }
    ASSERT_NE(testAgain, nullptr);
    testAgain->setFocus(Qt::TabFocusReason);
    QTest::keyClick(testAgain, Qt::Key_Space);
    ASSERT_EQ(model().section(), MainSection::calibration);
    auto* focused = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->text(), QStringLiteral("Test Again"));
    EXPECT_TRUE(window().pageArea().page()->isAncestorOf(focused));
}

} // namespace
} // namespace quellarine
