#include "TestAppModel.h"

#include "Quellarine/Components/CalibrationRow.h"
#include "Quellarine/Pages/Calibration/CalibrationView.h"
#include "Quellarine/Pages/Home/HomeHeader.h"
#include "Quellarine/Pages/Home/HomePage.h"
#include "Quellarine/Components/KeyCaps.h"
#include "Quellarine/Components/Notice.h"
#include "Quellarine/Components/PageTitle.h"
#include "Quellarine/Pages/Home/PresetCard.h"

#include "Quellarine/Components/ProminentButton.h"
#include "Quellarine/Components/Reveal.h"
#include "Quellarine/Pages/Calibration/ShortcutsSection.h"
#include "Quellarine/Components/TapArea.h"
#include "Quellarine/Components/ToggleSwitch.h"

#include "QuellarineKit/Pointer/PersonalSetting.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

using ID = FilterPreset::ID;

class HomePageTest : public ::testing::Test, protected testing::TestAppModel {
protected:
    // The page at a width of the main window's page column.
    HomePage& page(int width = 660)
    {
        if (!page_) {
            page_ = std::make_unique<HomePage>(model());
            page_->resize(width, page_->heightForWidth(width));
            page_->show();
            QApplication::processEvents();
        }
        return *page_;
    }

    void resize(int width)
    {
        page_->resize(width, page_->heightForWidth(width));
        QApplication::processEvents();
    }

    // Five presses of Control within a second: the emergency-off gesture.
    void pressControlFiveTimes()
    {
        for (int press = 0; press < 5; ++press) {
            model().handleModifiersChanged({.control = true}, 100 + press * 0.2);
            model().handleModifiersChanged({}, 100 + press * 0.2 + 0.05);
        }
    }

    QVariant stored(const QString& key) const { return storedSettings().value(key); }

    static void click(QWidget& widget) { QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(8, 8)); }

    std::unique_ptr<HomePage> page_;
};

TEST_F(HomePageTest, WithoutThePermissionTheHeaderAsksForItAndCardsOnlyChooseThePreset)
{
    permission.trusted = false;
    defaults.setBool(QStringLiteral("filterOn"), false);
    HomeHeader& header = page().header();
    EXPECT_EQ(header.title(), QStringLiteral("Needs access to the pointer to work."));
    EXPECT_EQ(header.subtitle(), QStringLiteral("Nothing you type or click is recorded or sent anywhere."));
    // Both variants carry the same texts, so the line is the same whichever shows.
    EXPECT_EQ(header.titleLine().onVariant().text(), header.titleLine().offVariant().text());
    EXPECT_FALSE(header.toggle().isEnabled());
    EXPECT_TRUE(header.allowButton().isVisible());

    click(*page().card(ID::strong));
    EXPECT_EQ(model().presetID(), ID::strong);
    EXPECT_FALSE(model().wantsOn());

    // The button leads to the help page, which says what is needed.
    QTest::mouseClick(&header.allowButton(), Qt::LeftButton);
    EXPECT_EQ(model().section(), MainSection::help);
}

TEST_F(HomePageTest, OnWhileTheTapFiltersAndOffWhileItDoesNotWhateverTheSwitch)
{
    HomeHeader& header = page().header();
    ASSERT_TRUE(model().isOn());
    EXPECT_EQ(header.title(), QStringLiteral("Quellarine is on"));
    EXPECT_EQ(header.subtitle(), QStringLiteral("Smoothing with Balanced."));
    EXPECT_EQ(header.titleLine().accessibleName(), QStringLiteral("Quellarine is on"));
    EXPECT_TRUE(header.toggle().isOn());
    EXPECT_FALSE(header.allowButton().isVisible());
    EXPECT_EQ(header.onness(), 1.0);
    const int onHeight = header.heightForWidth(660);

    // The preset's name follows the model.
    model().setPresetID(ID::veryStrong);
    EXPECT_EQ(header.subtitle(), QStringLiteral("Smoothing with Very strong."));

    // The switch writes the wish through the model, and the card follows the tap.
    header.toggle().click();
    EXPECT_FALSE(model().wantsOn());
    EXPECT_EQ(stored(QStringLiteral("filterOn")).toBool(), false);
    EXPECT_EQ(header.title(), QStringLiteral("Quellarine is off"));
    EXPECT_EQ(header.subtitle(), QStringLiteral("The pointer follows your hand directly."));
    // The card keeps its height: both variants are always laid out.
    EXPECT_EQ(header.heightForWidth(660), onHeight);
}

TEST_F(HomePageTest, WantedButNotRunningShowsOffWithTheSwitchOn)
{
    // The permission is there, the system refuses the tap.
    server.setMaySteerPointer(false);
    HomePage& home = page();
    ASSERT_TRUE(model().wantsOn());
    ASSERT_FALSE(model().isOn());
    EXPECT_EQ(home.header().title(), QStringLiteral("Quellarine is off"));
    EXPECT_TRUE(home.header().toggle().isOn());
    EXPECT_TRUE(home.header().toggle().isEnabled());
    EXPECT_EQ(home.header().onness(), 0.0);
    EXPECT_TRUE(home.tapFailedNotice().isVisible());
    EXPECT_FALSE(home.tapFailedNotice().ok());
    EXPECT_FALSE(home.emergencyNotice().isVisible());
}

TEST_F(HomePageTest, BothNoticesShowEmergencyFirstAndOnlyItsTapDismissesIt)
{
    server.setMaySteerPointer(false);
    HomePage& home = page();
    pressControlFiveTimes();
    ASSERT_TRUE(model().emergencyNotice());
    resize(660);
    ASSERT_TRUE(home.emergencyNotice().isVisible());
    ASSERT_TRUE(home.tapFailedNotice().isVisible());
    EXPECT_LT(home.emergencyNotice().y(), home.tapFailedNotice().y());
    EXPECT_EQ(home.emergencyText(),
              QStringLiteral("Turned off because Ctrl was pressed 5 times. Turn it back on "
                             "here or with Ctrl + Alt + S."));
    EXPECT_EQ(home.emergencyNotice().findChild<Notice*>()->text(), home.emergencyText());

    // Switching back on with the header's switch leaves the notice.
    home.header().toggle().click();
    ASSERT_TRUE(model().wantsOn());
    EXPECT_TRUE(home.emergencyNotice().isVisible());

    // A tap on the text itself dismisses it; the tap-failed notice has no action.
    QSignalSpy dismissed(&model(), &AppModel::emergencyNoticeChanged);
    click(*home.emergencyNotice().findChild<Notice*>());
    EXPECT_FALSE(model().emergencyNotice());
    EXPECT_EQ(dismissed.count(), 1);
    EXPECT_FALSE(home.emergencyNotice().isVisible());
    click(home.tapFailedNotice());
    EXPECT_TRUE(home.tapFailedNotice().isVisible());
}

TEST_F(HomePageTest, PersonalChoiceWithoutASettingRunsAsBalancedAndShowsTheHint)
{
    defaults.setString(QStringLiteral("preset"), QStringLiteral("personal"));
    HomePage& home = page();
    ASSERT_EQ(model().presetID(), ID::personal);
    EXPECT_TRUE(home.card(ID::balanced)->selected());
    EXPECT_EQ(
        std::count_if(home.cards().begin(), home.cards().end(), [](PresetCard* card) { return card->selected(); }), 1);
    EXPECT_FALSE(home.personalGroup().isVisible());
    EXPECT_TRUE(home.hintRow().isVisible());
    EXPECT_EQ(home.hintRow().findChild<SmallKeyCaps*>()->shortcut(), GlobalHotKey::Shortcut::nextMode());

    // Once a personal setting exists its group shows, in place of the hint, and its card is the one in force.
    model().applyPersonal(PersonalSetting{ID::strong, 2.0, 0.01, 2, 0.9});
    EXPECT_TRUE(home.personalGroup().isVisible());
    EXPECT_FALSE(home.hintRow().isVisible());
    EXPECT_TRUE(home.card(ID::personal)->selected());
    EXPECT_FALSE(home.card(ID::balanced)->selected());
}

TEST_F(HomePageTest, CardsChooseThePresetAndSwitchSmoothingOn)
{
    defaults.setBool(QStringLiteral("filterOn"), false);
    HomePage& home = page();
    // Chosen while smoothing is off: outlined and checked, the tile only tinted.
    PresetCard& balanced = *home.card(ID::balanced);
    EXPECT_TRUE(balanced.selected());
    EXPECT_TRUE(balanced.showsCheckMark());
    EXPECT_FALSE(balanced.tileFilled());
    EXPECT_EQ(balanced.borderWidth(), 1.5);

    click(*home.card(ID::precision));
    EXPECT_EQ(model().presetID(), ID::precision);
    EXPECT_TRUE(model().wantsOn());
    EXPECT_TRUE(model().isOn());
    EXPECT_TRUE(home.card(ID::precision)->tileFilled());
    EXPECT_FALSE(balanced.selected());
    EXPECT_FALSE(balanced.showsCheckMark());

    // The card in force again: nothing visible changes, the choice is stored again.
    defaults.remove(QStringLiteral("preset"));
    QSignalSpy changes(&model(), &AppModel::presetIDChanged);
    click(*home.card(ID::precision));
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(stored(QStringLiteral("preset")).toString(), QStringLiteral("precision"));
}

TEST_F(HomePageTest, TheGridFitsOneOrTwoColumnsAtThePageWidths)
{
    HomePage& home = page(660);
    EXPECT_EQ(home.gridColumns(), 2);
    // Cards of a row share the width equally, with the gap between them.
    PresetCard& gentle = *home.card(ID::gentle);
    PresetCard& balanced = *home.card(ID::balanced);
    EXPECT_EQ(gentle.y(), balanced.y());
    EXPECT_EQ(gentle.width(), (660 - HomePage::gridSpacing) / 2);
    EXPECT_EQ(balanced.x(), gentle.width() + HomePage::gridSpacing);
    EXPECT_GE(gentle.height(), PresetCard::minimumHeight);

    // The narrowest page column: one card per row.
    resize(480);
    EXPECT_EQ(home.gridColumns(), 1);
    EXPECT_GT(balanced.y(), gentle.y());
    EXPECT_EQ(gentle.width(), 480);
    // Two columns come back exactly where two cards of 260 and the gap fit.
    resize(2 * HomePage::minimumColumnWidth + HomePage::gridSpacing);
    EXPECT_EQ(home.gridColumns(), 2);
    resize(2 * HomePage::minimumColumnWidth + HomePage::gridSpacing - 1);
    EXPECT_EQ(home.gridColumns(), 1);
}

TEST_F(HomePageTest, SectionsEnterOneAfterAnother)
{
    HomePage& home = page();
    const std::pair<QWidget*, double> expected[]
        = {{&home.presetsSection(), 0.08}, {&home.calibrationSection(), 0.12}, {&home.clickingSection(), 0.16}};
    for (const auto& [section, delay] : expected) {
        auto* reveal = qobject_cast<Reveal*>(section->graphicsEffect());
        ASSERT_NE(reveal, nullptr);
        EXPECT_DOUBLE_EQ(reveal->delay(), delay);
    }
    EXPECT_EQ(home.header().graphicsEffect()->metaObject()->className(), QStringLiteral("QGraphicsDropShadowEffect"));
}

TEST_F(HomePageTest, CalibrationRowLeadsToTheCalibrationPage)
{
    HomePage& home = page(660);
    CalibrationRow& row = home.calibrationRow();
    EXPECT_EQ(row.button().text(), QStringLiteral("Start the Test"));
    EXPECT_FALSE(row.buttonUnderText());
    EXPECT_EQ(row.button().geometry().right(), row.width() - 1);

    QSignalSpy sections(&model(), &AppModel::sectionChanged);
    QTest::mouseClick(&row.button(), Qt::LeftButton);
    EXPECT_EQ(model().section(), MainSection::calibration);
    QTest::mouseClick(&row.button(), Qt::LeftButton);
    EXPECT_EQ(sections.count(), 1);

    // Narrow: the button moves under the text.
    row.resize(CalibrationRow::narrowBelow - 1, row.heightForWidth(CalibrationRow::narrowBelow - 1));
    EXPECT_TRUE(row.buttonUnderText());
    EXPECT_GT(row.button().y(), row.offer().geometry().bottom());
    EXPECT_EQ(row.button().x(), row.offer().x());

    // The page it leads to is the test's.
    CalibrationView calibration(model());
    EXPECT_EQ(calibration.titleLabel().text(), QStringLiteral("Tuned to your hand"));
}

} // namespace
} // namespace quellarine
