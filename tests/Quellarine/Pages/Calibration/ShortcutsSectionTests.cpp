#include "TestAppModel.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/Card.h"
#include "Quellarine/Components/KeyCaps.h"
#include "Quellarine/Components/Notice.h"
#include "Quellarine/Pages/Calibration/ShortcutsSection.h"
#include "Quellarine/Components/SymbolLabel.h"

#include "QuellarineKit/Pointer/GlobalHotKey.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

using Shortcut = GlobalHotKey::Shortcut;

class ShortcutsSectionTest : public ::testing::Test, protected testing::TestAppModel {
protected:
    ShortcutsSection& section(int width = 560)
    {
        section_ = std::make_unique<ShortcutsSection>(model());
        section_->resize(width, section_->heightForWidth(width));
        section_->show();
        return *section_;
    }

    // Whether the widget is shown inside the given card.
    static bool shownIn(const QWidget& widget, const Card& card)
    {
        return card.isAncestorOf(&widget) && widget.isVisibleTo(&card);
    }

    std::unique_ptr<ShortcutsSection> section_;
};

TEST_F(ShortcutsSectionTest, ThreeCardsAndNoWarningWhileEveryShortcutIsFree)
{
    ShortcutsSection& free = section();
    EXPECT_FALSE(shownIn(free.modeWarning(), free.modeCard()));
    EXPECT_FALSE(shownIn(free.toggleWarning(), free.toggleCard()));
    EXPECT_EQ(free.modeLine().keyCaps().shortcut(), Shortcut::nextMode());
    EXPECT_EQ(free.toggleLine().keyCaps().shortcut(), Shortcut::defaultToggle());
    EXPECT_FALSE(free.modeCard().tint().has_value());
    EXPECT_FALSE(free.toggleCard().tint().has_value());
    EXPECT_EQ(free.emergencyCard().tint(), Brand::warm);
    EXPECT_EQ(free.emergencyLabel().symbolColor(), Brand::warm);
}

TEST_F(ShortcutsSectionTest, OnlyTheModeWarningWhenOnlyTheModeShortcutIsTaken)
{
    const Shortcut next = Shortcut::nextMode();
    hotKeys.holdElsewhere(next.keyCode, next.modifiers);
    ShortcutsSection& modeTaken = section();
    ASSERT_TRUE(model().modeShortcutTaken());
    ASSERT_FALSE(model().shortcutTaken());
    EXPECT_TRUE(shownIn(modeTaken.modeWarning(), modeTaken.modeCard()));
    EXPECT_FALSE(modeTaken.modeWarning().ok());
    EXPECT_EQ(modeTaken.modeWarning().text(), QStringLiteral("Used by another app"));
    EXPECT_FALSE(shownIn(modeTaken.toggleWarning(), modeTaken.toggleCard()));
}

TEST_F(ShortcutsSectionTest, OnlyTheOnOffWarningWhenOnlyThatShortcutIsTaken)
{
    const Shortcut toggle = Shortcut::defaultToggle();
    hotKeys.holdElsewhere(toggle.keyCode, toggle.modifiers);
    ShortcutsSection& view = section();
    ASSERT_TRUE(model().shortcutTaken());
    EXPECT_TRUE(shownIn(view.toggleWarning(), view.toggleCard()));
    EXPECT_FALSE(shownIn(view.modeWarning(), view.modeCard()));
}

TEST_F(ShortcutsSectionTest, LinesStackWhenTheCaptionDoesNotFitBeside)
{
    ShortcutsSection& wide = section(560);
    ShortcutsSection::Line& line = wide.toggleLine();
    EXPECT_TRUE(line.sideBySide());
    // Side by side: the caption to the trailing side of the caps, on one line, centred with them.
    EXPECT_GE(line.caption().x(), line.keyCaps().geometry().right() + ShortcutsSection::Line::sideBySideSpacing);
    EXPECT_EQ(line.caption().geometry().center().y(), line.keyCaps().geometry().center().y());

    // Too narrow for caps and caption side by side: the caps above, the caption below and wrapping.
    const int narrow = line.sideBySideWidth() - 1;
    line.resize(narrow, line.heightForWidth(narrow));
    EXPECT_FALSE(line.sideBySide());
    EXPECT_EQ(line.caption().x(), 0);
    EXPECT_EQ(line.caption().y(), line.keyCaps().height() + ShortcutsSection::Line::stackedSpacing);
    EXPECT_EQ(line.caption().width(), narrow);
    // The caps keep their size; nothing is cut.
    EXPECT_EQ(line.keyCaps().size(), line.keyCaps().sizeHint());
    EXPECT_GE(line.height(), line.caption().geometry().bottom() + 1);

    // Narrower than the caption itself: it wraps instead of being truncated.
    const int tight = line.caption().sizeHint().width() / 2;
    line.resize(tight, line.heightForWidth(tight));
    EXPECT_GT(line.caption().height(), QFontMetrics(line.caption().font()).height());
}

TEST_F(ShortcutsSectionTest, RightToLeftPutsTheCapsAtTheRight)
{
    ShortcutsSection& view = section(560);
    view.setLayoutDirection(Qt::RightToLeft);
    ShortcutsSection::Line& line = view.modeLine();
    line.resize(line.width() + 1, line.height());
    EXPECT_EQ(line.keyCaps().geometry().right(), line.width() - 1);
    EXPECT_LT(line.caption().geometry().right(), line.keyCaps().x());
}

// Whatever serves the keys, the section says for each one whether it works, and never draws keys or promises a
// gesture that nothing hears.
TEST_F(ShortcutsSectionTest, EveryWayOfHearingTheKeysIsToldAsItIs)
{
    const auto promisesTheGesture = [](const ShortcutsSection& view) {
        return view.emergencyLabel().text().contains(QStringLiteral("press Ctrl 5 times in a row"));
    };

    keys = KeySource::choose(false, false, false);
    ShortcutsSection& none = section();
    for (const Notice* warning : {&none.modeWarning(), &none.toggleWarning()}) {
        EXPECT_TRUE(warning->isVisibleTo(&none));
        EXPECT_EQ(warning->text(), QStringLiteral("Not available in this session"));
    }
    EXPECT_TRUE(none.subtitle().text().startsWith(QStringLiteral("They do not work in this session")));
    EXPECT_FALSE(promisesTheGesture(none));
    EXPECT_TRUE(none.emergencyLabel().text().contains(QStringLiteral("system tray")));
    EXPECT_TRUE(none.grantCommand().isVisibleTo(&none));
    EXPECT_TRUE(none.grantCommand().text().startsWith(QStringLiteral("sudo ")));
    EXPECT_TRUE(none.grantCommand().text().endsWith(QStringLiteral(" --allow-keyboards")));
    EXPECT_TRUE(none.grantText().text().contains(QStringLiteral("never stores or sends a key")));
    EXPECT_EQ(none.grantCommand().focusPolicy(), Qt::StrongFocus);
    section_.reset();
    forget();

    keys = KeySource::choose(false, true, false);
    hotKeyHost = &laterHotKeys;
    ShortcutsSection& desktop = section();
    EXPECT_EQ(desktop.modeWarning().text(), QStringLiteral("Waiting for the desktop to give these keys"));
    EXPECT_TRUE(desktop.modeWarning().isVisibleTo(&desktop));
    laterHotKeys.answer(Shortcut::nextMode(), false, "Super+F9");
    laterHotKeys.answer(Shortcut::previousMode(), false, "Super+Shift+F9");
    laterHotKeys.answer(Shortcut::defaultToggle(), true, "");
    EXPECT_FALSE(desktop.modeWarning().isVisibleTo(&desktop));
    EXPECT_EQ(desktop.modeLine().assignedKeys().text(), QStringLiteral("Super+F9"));
    EXPECT_TRUE(desktop.modeLine().assignedKeys().isVisibleTo(&desktop));
    EXPECT_FALSE(desktop.modeLine().keyCaps().isVisibleTo(&desktop)) << "the caps would draw keys that do nothing";
    EXPECT_TRUE(desktop.toggleWarning().isVisibleTo(&desktop));
    EXPECT_EQ(desktop.toggleWarning().text(), QStringLiteral("The desktop did not give these keys"));
    EXPECT_TRUE(desktop.toggleLine().keyCaps().isVisibleTo(&desktop));
    EXPECT_FALSE(promisesTheGesture(desktop)) << "the desktop's shortcuts do not hear the modifiers";
    EXPECT_TRUE(desktop.grantCommand().isVisibleTo(&desktop));
    section_.reset();
    forget();

    keys = KeySource::choose(false, false, true);
    hotKeyHost = nullptr;
    ShortcutsSection& grant = section();
    EXPECT_FALSE(grant.modeWarning().isVisibleTo(&grant));
    EXPECT_FALSE(grant.toggleWarning().isVisibleTo(&grant));
    EXPECT_TRUE(grant.subtitle().text().contains(QStringLiteral("keyboard access")));
    EXPECT_TRUE(promisesTheGesture(grant));
    EXPECT_FALSE(grant.grantCommand().isVisibleTo(&grant));
}

} // namespace
} // namespace quellarine
