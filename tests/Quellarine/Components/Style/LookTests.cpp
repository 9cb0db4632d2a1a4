#include "Quellarine/Components/Style/Look.h"

#include "Quellarine/Desktop/Appearance.h"

#include <QApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace quellarine {

// The look follows the appearance: the application's palette is the effective appearance's, and only real
// changes are told.
TEST(LookTest, TheApplicationPaletteFollowsTheAppearanceAndOnlyRealChangesAreTold)
{
    Appearance& appearance = Appearance::shared();
    appearance.setChoice(Appearance::Choice::light);
    QSignalSpy changes(&appearance, &Appearance::changed);

    appearance.setChoice(Appearance::Choice::dark);
    appearance.setChoice(Appearance::Choice::dark);
    EXPECT_EQ(changes.size(), 1);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), Look::darkPalette().color(QPalette::Window));

    // "System" with a desktop that states no preference keeps to the platform's palette, which is light here.
    appearance.setDesktopPrefersDark(std::nullopt);
    appearance.setChoice(Appearance::Choice::system);
    EXPECT_FALSE(appearance.isDark());
    appearance.setDesktopPrefersDark(true);
    EXPECT_TRUE(appearance.isDark());
    appearance.setChoice(Appearance::Choice::light);
    EXPECT_FALSE(Appearance::isDark(QApplication::palette()));
    appearance.setDesktopPrefersDark(std::nullopt);
}

} // namespace quellarine
