#include "ShellFixture.h"

#include "Quellarine/Model/FeedbackStore.h"
#include "Quellarine/Shell/MenuButton.h"
#include "Quellarine/Shell/MenuView.h"

#include "Quellarine/Components/ProminentButton.h"
#include "Quellarine/Components/TapArea.h"
#include "Quellarine/Components/ToggleSwitch.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using namespace quellarine;
using namespace quellarine::shelltest;

namespace {

class MenuViewTest : public ShellFixture {
protected:
    MenuView& view()
    {
        if (!view_) {
            view_ = std::make_unique<MenuView>(
                model(),
                MenuView::Actions{
                    .openWindow = [this](const QString& identity) { opened.append(identity); },
                    .terminate = [this] { ++terminations; },
                });
            view_->resize(view_->sizeHint());
            view_->show();
        }
        return *view_;
    }

    void clickHeader() { QTest::mouseClick(&view().headerTapArea(), Qt::LeftButton, {}, QPoint(10, 10)); }

    QStringList opened;
    int terminations = 0;
    std::unique_ptr<MenuView> view_;
};

} // namespace

TEST_F(MenuViewTest, WithoutThePermissionTheSwitchAndHeaderDoNothing)
{
    // The permission was there but the tap was refused; then the permission went.
    server.setMaySteerPointer(false);
    ASSERT_TRUE(model().tapFailed());
    permission.trusted = false;
    server.advance(5.0);
    ASSERT_FALSE(model().maySteerPointer());

    EXPECT_EQ(view().statusText(), QStringLiteral("Needs permission"));
    EXPECT_FALSE(view().toggle().isEnabled());
    EXPECT_TRUE(view().permissionCard().isVisible());
    EXPECT_FALSE(view().tapFailedNotice().isVisible());

    QSignalSpy wishes(&model(), &AppModel::wantsOnChanged);
    clickHeader();
    QTest::mouseClick(&view().toggle(), Qt::LeftButton);
    EXPECT_EQ(wishes.count(), 0);
    EXPECT_FALSE(stored(QStringLiteral("filterOn")).isValid());

    // The card's button leads to the help page, which says what this computer needs.
    QTest::mouseClick(&view().allowButton(), Qt::LeftButton);
    EXPECT_EQ(model().section(), MainSection::help);
    EXPECT_EQ(opened, QStringList{QStringLiteral("main")});
}

TEST_F(MenuViewTest, WantedButNotRunningShowsTheSwitchOnAndTheStatusOff)
{
    server.setMaySteerPointer(false);
    EXPECT_EQ(view().statusText(), QStringLiteral("Off: no smoothing"));
    EXPECT_TRUE(view().toggle().isOn());
    EXPECT_TRUE(view().toggle().isEnabled());
    EXPECT_EQ(view().headerOnness(), 0.0);
    EXPECT_TRUE(view().tapFailedNotice().isVisible());
    EXPECT_FALSE(view().permissionCard().isVisible());
}

TEST_F(MenuViewTest, HeaderClickFlipsTheWishInOneStep)
{
    EXPECT_EQ(view().statusText(), QStringLiteral("On · Balanced"));
    clickHeader();
    EXPECT_FALSE(model().wantsOn());
    EXPECT_FALSE(model().isOn());
    EXPECT_FALSE(stored(QStringLiteral("filterOn")).toBool());
    EXPECT_EQ(view().statusText(), QStringLiteral("Off: no smoothing"));
    EXPECT_FALSE(view().toggle().isOn());

    QTest::mouseClick(&view().toggle(), Qt::LeftButton);
    EXPECT_TRUE(model().isOn());
    EXPECT_TRUE(stored(QStringLiteral("filterOn")).toBool());
}

TEST_F(MenuViewTest, EmergencyNoticeStaysUntilClicked)
{
    pressControlFiveTimes();
    ASSERT_TRUE(model().emergencyNotice());
    EXPECT_TRUE(view().emergencyNotice().isVisible());
    EXPECT_EQ(view().emergencyText(),
              QStringLiteral("Turned off because Ctrl was pressed 5 times. Turn it back "
                             "on here or with Ctrl + Alt + S."));

    // Turning smoothing back on here leaves the notice.
    QTest::mouseClick(&view().toggle(), Qt::LeftButton);
    EXPECT_TRUE(model().wantsOn());
    EXPECT_TRUE(view().emergencyNotice().isVisible());

    QTest::mouseClick(&view().emergencyNotice(), Qt::LeftButton);
    EXPECT_FALSE(model().emergencyNotice());
    EXPECT_FALSE(view().emergencyNotice().isVisible());
}

TEST_F(MenuViewTest, ButtonsOpenPagesAndQuit)
{
    QTest::mouseClick(&view().openButton(), Qt::LeftButton);
    EXPECT_EQ(model().section(), MainSection::home);

    QTest::mouseClick(&view().feedbackButton(), Qt::LeftButton);
    EXPECT_EQ(model().feedback().source(), FeedbackStore::Source::menubar);
    EXPECT_EQ(model().section(), MainSection::feedback);
    // Already from the menu bar: no change is reported, the page still opens.
    QSignalSpy sources(&model().feedback(), &FeedbackStore::sourceChanged);
    model().setSection(MainSection::home);
    QTest::mouseClick(&view().feedbackButton(), Qt::LeftButton);
    EXPECT_EQ(sources.count(), 0);
    EXPECT_EQ(model().section(), MainSection::feedback);
    EXPECT_EQ(opened.size(), 3);

    QTest::mouseClick(&view().quitButton(), Qt::LeftButton);
    EXPECT_EQ(terminations, 1);
    QApplication::setActiveWindow(&view());
    view().setFocus();
    QTest::keyClick(&view(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(terminations, 2);
}

TEST_F(MenuViewTest, UpdateNoticeShowsTheVersionUntilTheControllerForgetsIt)
{
    EXPECT_FALSE(view().updateNotice().isVisible());
    findUpdate(QStringLiteral("2.0"));
    EXPECT_TRUE(view().updateNotice().isVisible());
    EXPECT_EQ(view().updateText(), QStringLiteral("Quellarine 2.0 is ready to install"));
    QTest::mouseClick(&view().updateButton(), Qt::LeftButton);
    EXPECT_EQ(updater->userChecks, 1);
    EXPECT_TRUE(view().updateNotice().isVisible());

    updaterDelegate->updaterDidNotFindUpdate();
    EXPECT_FALSE(view().updateNotice().isVisible());
}

TEST_F(MenuViewTest, KeysNothingHearsAreSaidToBeUnavailableAndTheDesktopsKeysAreNamed)
{
    keys = KeySource::choose(false, true, false);
    hotKeyHost = &laterHotKeys;
    EXPECT_EQ(view().nextModeLabel().text(), QStringLiteral("Waiting for the desktop"));
    laterHotKeys.answer(GlobalHotKey::Shortcut::nextMode(), false, "Super+F9");
    laterHotKeys.answer(GlobalHotKey::Shortcut::previousMode(), false, "Super+Shift+F9");
    laterHotKeys.answer(GlobalHotKey::Shortcut::defaultToggle(), true, "");
    EXPECT_EQ(view().nextModeLabel().text(), QStringLiteral("Next mode: Super+F9"));
    EXPECT_EQ(view().toggleLabel().text(), QStringLiteral("Not given by the desktop"));
    EXPECT_EQ(view().emergencyLabel().text(), QStringLiteral("Ctrl 5 times: not heard in this session"));
    // The notice after the gesture names no keys that do nothing.
    EXPECT_EQ(view().emergencyText(),
              QStringLiteral("Turned off because Ctrl was pressed 5 times. Turn it back on here."));
    laterHotKeys.answer(GlobalHotKey::Shortcut::defaultToggle(), false, "Super+F12");
    EXPECT_EQ(view().emergencyText(),
              QStringLiteral("Turned off because Ctrl was pressed 5 times. Turn it back on here or with Super+F12."));
}

TEST_F(MenuViewTest, TakenShortcutsSayUsedByAnotherApp)
{
    const auto next = GlobalHotKey::Shortcut::nextMode();
    hotKeys.holdElsewhere(next.keyCode, next.modifiers);
    EXPECT_EQ(view().nextModeLabel().text(), QStringLiteral("Used by another app"));
    EXPECT_EQ(view().toggleLabel().text(), QStringLiteral("On or off"));
}
