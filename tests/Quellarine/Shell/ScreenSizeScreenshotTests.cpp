#include "LongResult.h"
#include "Screenshots.h"
#include "ShellFixture.h"

#include "Quellarine/Desktop/Localization.h"
#include "Quellarine/Components/Style/Motion.h"
#include "Quellarine/Shell/WindowRegistry.h"
#include "Quellarine/Pages/Calibration/CalibrationView.h"
#include "Quellarine/Shell/MainWindow.h"
#include "Quellarine/Shell/MenuBarItem.h"
#include "Quellarine/Shell/MenuPanel.h"
#include "Quellarine/Shell/PageArea.h"
#include "Quellarine/Shell/QuellarineApp.h"

#include <QGuiApplication>
#include <QScreen>

using namespace quellarine;
using namespace quellarine::shelltest;

namespace {

// The main window filling the screen, with the overview, a test's result and the feedback page, the welcome window
// and the popup, as they come out on the screen this run has (the test suite runs it on a laptop's and a desktop's
// screen too), in English, French, Arabic and Russian (the longest texts), light and dark. Written as
// screen-WIDTHxHEIGHT[-atSCALE]-LANGUAGE-WINDOW-APPEARANCE.png.
class WindowsOnThisScreenTest : public ShellFixture {
protected:
    WindowsOnThisScreenTest() { Motion::shared().setOverride(true); }
    ~WindowsOnThisScreenTest() override
    {
        Localization::apply(QStringLiteral("en"));
        Motion::shared().setOverride(std::nullopt);
    }
};

TEST_F(WindowsOnThisScreenTest, Screenshots)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const QRect available = screen->availableGeometry();
    // Named by the screen's own pixels, and the text scale when it is not 100 %.
    const qreal scale = screen->devicePixelRatio();
    const QSize native(int(available.width() * scale), int(available.height() * scale));
    QString size = QStringLiteral("%1x%2").arg(native.width()).arg(native.height());
    if (qRound(scale * 100) != 100) {
        size += QStringLiteral("-at%1").arg(qRound(scale * 100));
    }
    permission.trusted = false;
    for (const QString& language :
         {QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("ar"), QStringLiteral("ru")}) {
        SCOPED_TRACE(language.toStdString());
        Localization::apply(language);
        const QString prefix = QStringLiteral("screen-%1-%2-").arg(size, language);
        QuellarineApp app(platform(),
                          QuellarineApp::Shell{.trayAvailable = [] { return true; },
                                               .pointerLocation = [] { return QPoint(10, 10); },
                                               .terminate = [] {}});

        QWidget* main = app.windows().open(QStringLiteral("main"));
        ASSERT_NE(main, nullptr);
        const QMargins frame(0, 0, main->frameGeometry().width() - main->width(),
                             main->frameGeometry().height() - main->height());
        main->setGeometry(available.marginsRemoved(frame));
        EXPECT_EQ(quellarine::testing::Screenshots::captureWindow(prefix + QStringLiteral("main"), *main).size(), 2);
        app.model().setSection(MainSection::calibration);
        auto* calibration = qobject_cast<CalibrationView*>(static_cast<MainWindow*>(main)->pageArea().page());
        ASSERT_NE(calibration, nullptr);
        calibration->showResult(quellarine::testing::longResult(),
                                CalibrationResultPage::Replay{{{0, 0}, {40, 12}, {80, 4}}, {{20, 6}, {60, 8}}});
        EXPECT_EQ(quellarine::testing::Screenshots::captureWindow(prefix + QStringLiteral("result"), *main).size(), 2);
        app.model().setSection(MainSection::feedback);
        EXPECT_EQ(quellarine::testing::Screenshots::captureWindow(prefix + QStringLiteral("feedback"), *main).size(),
                  2);
        app.model().setSection(MainSection::home);

        QWidget* welcome = app.windows().open(QStringLiteral("welcome"));
        ASSERT_NE(welcome, nullptr);
        EXPECT_LE(welcome->frameGeometry().height(), available.height());
        EXPECT_EQ(quellarine::testing::Screenshots::captureWindow(prefix + QStringLiteral("welcome"), *welcome).size(),
                  2);

        app.menuBarItem().togglePanel();
        EXPECT_EQ(
            quellarine::testing::Screenshots::captureWindow(prefix + QStringLiteral("popup"), app.menuBarItem().panel())
                .size(),
            2);
        app.menuBarItem().panel().hide();
    }
}

} // namespace
