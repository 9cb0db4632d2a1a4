#include "Screenshots.h"
#include "TestAppModel.h"

#include "Quellarine/Components/Style/Motion.h"
#include "Quellarine/Shell/MainWindow.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

class MainWindowScreenshotTest : public ::testing::Test, protected testing::TestAppModel {
protected:
    MainWindowScreenshotTest() { Motion::shared().setOverride(true); }
    ~MainWindowScreenshotTest() override
    {
        window_.reset();
        Motion::shared().setOverride(std::nullopt);
    }

    MainWindow& window()
    {
        if (!window_) {
            window_ = std::make_unique<MainWindow>(model(), [](const QString&) {});
            window_->show();
            window_->activateWindow();
            QApplication::processEvents();
        }
        return *window_;
    }

    std::unique_ptr<MainWindow> window_;
};

TEST_F(MainWindowScreenshotTest, EverySection)
{
    window();
    EXPECT_EQ(testing::Screenshots::captureWindow(QStringLiteral("main-window-home"), window()).size(), 2);
    model().setSection(MainSection::profile);
    EXPECT_EQ(testing::Screenshots::captureWindow(QStringLiteral("main-window-profile"), window()).size(), 2);
    model().setSection(MainSection::help);
    EXPECT_EQ(testing::Screenshots::captureWindow(QStringLiteral("main-window-help"), window()).size(), 2);
    model().setSection(MainSection::whatsNew);
    model().setWantsOn(false);
    EXPECT_EQ(testing::Screenshots::captureWindow(QStringLiteral("main-window-off"), window()).size(), 2);
}

TEST_F(MainWindowScreenshotTest, Untrusted)
{
    permission.trusted = false;
    server.setMaySteerPointer(false);
    EXPECT_EQ(testing::Screenshots::captureWindow(QStringLiteral("main-window-untrusted"), window()).size(), 2);
}

} // namespace
} // namespace quellarine
