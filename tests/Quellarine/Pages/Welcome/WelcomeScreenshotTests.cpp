#include "Screenshots.h"
#include "TestAppModel.h"

#include "Quellarine/Pages/Help/HelpPage.h"
#include "Quellarine/Pages/Welcome/WelcomeView.h"

#include <gtest/gtest.h>

namespace quellarine {
namespace {

using testing::Screenshots;

class WelcomeScreenshotTest : public ::testing::Test, protected testing::TestAppModel {
protected:
    // The welcome view's own width and the harness's margins around it.
    static constexpr int windowWidth = WelcomeView::width + 2 * 24;
};

TEST_F(WelcomeScreenshotTest, WelcomeWindowBeforeAndAfterThePermission)
{
    permission.trusted = false;
    EXPECT_EQ(
        Screenshots::capture(QStringLiteral("welcome-untrusted"), new WelcomeView(model(), [] {}), windowWidth).size(),
        2);
    permission.trusted = true;
    server.advance(1.0);
    EXPECT_EQ(
        Screenshots::capture(QStringLiteral("welcome-trusted"), new WelcomeView(model(), [] {}), windowWidth).size(),
        2);
    // Taken away and given again while the system refuses the pointer: the access is there, the pointer waits.
    permission.trusted = false;
    server.advance(5.0);
    server.setMaySteerPointer(false);
    permission.trusted = true;
    server.advance(1.0);
    EXPECT_EQ(
        Screenshots::capture(QStringLiteral("welcome-waiting"), new WelcomeView(model(), [] {}), windowWidth).size(),
        2);
}

TEST_F(WelcomeScreenshotTest, HelpPage)
{
    permission.trusted = false;
    model();
    updater->setCanCheck(false);
    // The width of the main window's page column.
    EXPECT_EQ(Screenshots::capture(QStringLiteral("help-untrusted"), new HelpPage(model(), [](const QString&) {}), 660)
                  .size(),
              2);
}

} // namespace
} // namespace quellarine
