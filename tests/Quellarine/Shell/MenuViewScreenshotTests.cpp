#include "Screenshots.h"
#include "ShellFixture.h"

#include "Quellarine/Components/Style/Motion.h"
#include "Quellarine/Shell/MenuView.h"

#include "QuellarineKit/Pointer/GlobalHotKey.h"

#include <QFile>

using namespace quellarine;
using namespace quellarine::shelltest;

namespace {

class MenuViewScreenshotTest : public ShellFixture {
protected:
    void SetUp() override { Motion::shared().setOverride(true); }
    void TearDown() override { Motion::shared().setOverride(std::nullopt); }

    void capture(const QString& name)
    {
        auto* view = new MenuView(model(), MenuView::Actions{});
        const QStringList written
            = quellarine::testing::Screenshots::capture(name, view, MenuView::fixedWidth + 2 * 24);
        ASSERT_EQ(written.size(), 2);
        for (const QString& path : written) {
            EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
        }
    }
};

} // namespace

TEST_F(MenuViewScreenshotTest, Trusted)
{
    capture(QStringLiteral("menu-view-trusted"));
}

TEST_F(MenuViewScreenshotTest, TrustedOffWithNoticesAndUpdate)
{
    model().applyPersonal(PersonalSetting{FilterPreset::ID::balanced, 2.5, 0.008, 2, 0.9});
    pressControlFiveTimes();
    findUpdate(QStringLiteral("1.1"));
    capture(QStringLiteral("menu-view-off"));
}

TEST_F(MenuViewScreenshotTest, KeysNotHeardInThisSession)
{
    keys = KeySource::choose(false, false, false);
    capture(QStringLiteral("menu-view-keys-unavailable"));
}

TEST_F(MenuViewScreenshotTest, KeysFromTheDesktop)
{
    keys = KeySource::choose(false, true, false);
    hotKeyHost = &laterHotKeys;
    model();
    laterHotKeys.answer(GlobalHotKey::Shortcut::nextMode(), false, "Super+F9");
    laterHotKeys.answer(GlobalHotKey::Shortcut::previousMode(), false, "Super+Shift+F9");
    laterHotKeys.answer(GlobalHotKey::Shortcut::defaultToggle(), false, "Ctrl+Alt+S");
    capture(QStringLiteral("menu-view-keys-desktop"));
}

TEST_F(MenuViewScreenshotTest, Untrusted)
{
    permission.trusted = false;
    capture(QStringLiteral("menu-view-untrusted"));
}
