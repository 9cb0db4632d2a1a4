#include "Screenshots.h"
#include "TestAppModel.h"

#include "Quellarine/Desktop/Localization.h"
#include "Quellarine/Pages/Home/HomePage.h"
#include "Quellarine/Pages/Calibration/ShortcutsSection.h"
#include "Quellarine/Shell/UpdateRow.h"

#include "QuellarineKit/Pointer/GlobalHotKey.h"

#include <gtest/gtest.h>

namespace quellarine {
namespace {

using testing::Screenshots;

// The page column at its widest and the harness's margins around it.
constexpr int pageWindowWidth = 660 + 2 * 24;

class HomeScreenshotTest : public ::testing::Test, protected testing::TestAppModel {};

TEST_F(HomeScreenshotTest, HomePageOnAtTheWidestColumn)
{
    ASSERT_TRUE(model().isOn());
    EXPECT_EQ(Screenshots::capture(QStringLiteral("home"), new HomePage(model()), pageWindowWidth).size(), 2);
}

TEST_F(HomeScreenshotTest, HomePageOffWithBothNoticesInANarrowColumn)
{
    // The permission is there but the tap was refused; then five presses of Control.
    server.setMaySteerPointer(false);
    for (int press = 0; press < 5; ++press) {
        model().handleModifiersChanged({.control = true}, 100 + press * 0.2);
        model().handleModifiersChanged({}, 100 + press * 0.2 + 0.05);
    }
    ASSERT_TRUE(model().emergencyNotice());
    EXPECT_EQ(Screenshots::capture(QStringLiteral("home-notices"), new HomePage(model()), 480 + 2 * 24).size(), 2);
}

TEST_F(HomeScreenshotTest, HomePageWithoutThePermission)
{
    permission.trusted = false;
    EXPECT_EQ(Screenshots::capture(QStringLiteral("home-untrusted"), new HomePage(model()), pageWindowWidth).size(), 2);
}

TEST_F(HomeScreenshotTest, ShortcutsSectionWithTheModeShortcutTaken)
{
    const auto next = GlobalHotKey::Shortcut::nextMode();
    hotKeys.holdElsewhere(next.keyCode, next.modifiers);
    EXPECT_EQ(Screenshots::capture(QStringLiteral("shortcuts-section"), new ShortcutsSection(model()), pageWindowWidth)
                  .size(),
              2);
    // A narrow column: the lines stack.
    EXPECT_EQ(
        Screenshots::capture(QStringLiteral("shortcuts-section-narrow"), new ShortcutsSection(model()), 400).size(), 2);
}

// The section in each way the keys can come: nothing hears them; the desktop's shortcuts, one assigned other keys
// and one refused; the keyboard grant. In English, and the first in Arabic.
TEST_F(HomeScreenshotTest, ShortcutsSectionForEveryWayTheKeysCome)
{
    keys = KeySource::choose(false, false, false);
    EXPECT_EQ(Screenshots::capture(QStringLiteral("shortcuts-section-unavailable"), new ShortcutsSection(model()),
                                   pageWindowWidth)
                  .size(),
              2);
    Localization::apply(QStringLiteral("ar"));
    auto* arabic = new ShortcutsSection(model());
    arabic->setLayoutDirection(Qt::RightToLeft);
    EXPECT_EQ(Screenshots::capture(QStringLiteral("shortcuts-section-unavailable-ar"), arabic, pageWindowWidth).size(),
              2);
    Localization::apply(QStringLiteral("en"));
    forget();

    keys = KeySource::choose(false, true, false);
    hotKeyHost = &laterHotKeys;
    model();
    laterHotKeys.answer(GlobalHotKey::Shortcut::nextMode(), false, "Super+F9");
    laterHotKeys.answer(GlobalHotKey::Shortcut::previousMode(), false, "Super+Shift+F9");
    laterHotKeys.answer(GlobalHotKey::Shortcut::defaultToggle(), true, "");
    EXPECT_EQ(Screenshots::capture(QStringLiteral("shortcuts-section-desktop"), new ShortcutsSection(model()),
                                   pageWindowWidth)
                  .size(),
              2);
    forget();

    keys = KeySource::choose(false, false, true);
    hotKeyHost = nullptr;
    EXPECT_EQ(
        Screenshots::capture(QStringLiteral("shortcuts-section-grant"), new ShortcutsSection(model()), pageWindowWidth)
            .size(),
        2);
}

TEST_F(HomeScreenshotTest, UpdateRowStates)
{
    // The sidebar's width and the harness's margins around it.
    constexpr int sidebarWindowWidth = 230 + 2 * 24;
    model();
    EXPECT_EQ(
        Screenshots::capture(QStringLiteral("update-row-check"), new UpdateRow(model()), sidebarWindowWidth).size(), 2);

    // No check can start while the updater checks by itself: the spinner, and the row cannot be clicked.
    updater->setCanCheck(false);
    model().updates().setAutomaticallyChecks(true);
    EXPECT_EQ(
        Screenshots::capture(QStringLiteral("update-row-waiting"), new UpdateRow(model()), sidebarWindowWidth).size(),
        2);

    updaterDelegate->updaterDidFindValidUpdate(AppcastItem{.versionString = QStringLiteral("99"),
                                                           .displayVersionString = QStringLiteral("1.4"),
                                                           .fileURL = {},
                                                           .infoURL = {},
                                                           .releaseNotesURL = {}});
    EXPECT_EQ(
        Screenshots::capture(QStringLiteral("update-row-known"), new UpdateRow(model()), sidebarWindowWidth).size(), 2);
}

} // namespace
} // namespace quellarine
