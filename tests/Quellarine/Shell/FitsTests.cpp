#include "Fit.h"
#include "LongResult.h"
#include "Screenshots.h"
#include "ShellFixture.h"

#include "Quellarine/Desktop/Localization.h"
#include "Quellarine/Components/Style/Motion.h"
#include "Quellarine/Shell/WindowRegistry.h"
#include "Quellarine/Model/ProfileStore.h"
#include "Quellarine/Pages/Calibration/CalibrationView.h"
#include "Quellarine/Shell/MainWindow.h"
#include "Quellarine/Shell/MenuBarItem.h"
#include "Quellarine/Shell/MenuPanel.h"
#include "Quellarine/Shell/ModeOverlay.h"
#include "Quellarine/Shell/PageArea.h"
#include "Quellarine/Shell/QuellarineApp.h"
#include "Quellarine/Shell/Sidebar.h"
#include "Quellarine/Shell/SidebarRow.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include <cmath>

using namespace quellarine;
using namespace quellarine::shelltest;

namespace {

// Room a desktop's top bar keeps, which a screen's free area may still include, and a window's title bar.
constexpr int desktopPanel = 32;
constexpr int titleBar = 40;

// Every window and page, in every language, at the smallest and at the largest size the screen allows: nothing
// a person must read is cut off or shortened, no control lies outside its window, and every window fits the
// screen. The suite runs this on a 1366x768 screen at 100 % and at 150 % text.
class EveryWindowFitsTest : public ShellFixture {
protected:
    EveryWindowFitsTest() { Motion::shared().setOverride(true); }
    ~EveryWindowFitsTest() override
    {
        Localization::apply(QStringLiteral("en"));
        Motion::shared().setOverride(std::nullopt);
    }

    // Lays out what changed and lets every queued change land.
    static void settle()
    {
        for (int round = 0; round < 3; ++round) {
            QApplication::processEvents();
            QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        }
    }

    // A window with a title bar; a borderless one (the tray window, the banner) gets none.
    void expectFits(QWidget& window, QSize room, const QString& what)
    {
        settle();
        const bool framed = !window.windowFlags().testFlag(Qt::FramelessWindowHint);
        const QStringList problems = quellarine::testing::Fit::problems(window, room, framed ? titleBar : 0);
        for (const QString& problem : problems) {
            ADD_FAILURE() << where_.toStdString() << what.toStdString() << ": " << problem.toStdString();
        }
    }

    // Every section's row lies wholly in the sidebar's visible area, without scrolling.
    void expectEveryRowInView(Sidebar& sidebar)
    {
        auto* scroll = sidebar.findChild<QScrollArea*>();
        ASSERT_NE(scroll, nullptr);
        scroll->verticalScrollBar()->setValue(0);
        const QRect visible = scroll->viewport()->rect();
        for (SidebarRow* row : sidebar.rows()) {
            const QRect shown(row->mapTo(scroll->viewport(), QPoint(0, 0)), row->size());
            EXPECT_TRUE(visible.contains(shown))
                << where_.toStdString() << row->section().title().toStdString() << " lies at " << shown.y() << ".."
                << shown.bottom() << " of a sidebar showing 0.." << visible.bottom();
        }
    }

    QString where_;
};

TEST_F(EveryWindowFitsTest, InEveryLanguageAtEverySize)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const qreal scale = screen->devicePixelRatio();
    const QSizeF native = QSizeF(screen->geometry().size()) * scale;
    if (std::abs(native.width() - 1366) > 1 || std::abs(native.height() - 768) > 1) {
        GTEST_SKIP() << "runs on the 1366x768 screens the suite sets up";
    }
    const QRect available = screen->availableGeometry();
    const QSize room(available.width(), available.height() - desktopPanel);
    const QString textSize = QStringLiteral("%1 % text").arg(qRound(scale * 100));

    permission.trusted = false;
    // A session where nothing hears the keys: the shortcuts say so at length, and offer the keyboard grant.
    keys = KeySource::choose(false, false, false);
    for (const QString& language : Localization::languages()) {
        Localization::apply(language);
        QuellarineApp app(platform(),
                          QuellarineApp::Shell{.trayAvailable = [] { return true; },
                                               .pointerLocation = [] { return QPoint(10, 10); },
                                               .terminate = [] {}});
        AppModel& model = app.model();
        findUpdate(QStringLiteral("12.10.3"));
        model.setEmergencyNotice(true);
        model.profile().setCalibration(quellarine::testing::longResult());

        auto* main = qobject_cast<MainWindow*>(app.windows().open(QStringLiteral("main")));
        ASSERT_NE(main, nullptr);
        const QSize smallest = main->minimumSize().expandedTo(main->minimumSizeHint());
        const QSize frame(main->frameGeometry().width() - main->width(),
                          std::max(main->frameGeometry().height() - main->height(), titleBar));
        for (const auto& [layout, size] :
             {std::pair{QStringLiteral("narrowest"), smallest}, std::pair{QStringLiteral("widest"), room - frame}}) {
            main->resize(size);
            for (MainSection section : MainSection::allCases()) {
                model.setSection(section);
                where_ = QStringLiteral("[%1, %2, %3 main window] ").arg(language, textSize, layout);
                expectFits(*main, room, section.title());
            }
            expectEveryRowInView(main->sidebar());
            model.setSection(MainSection::calibration);
            auto* calibration = qobject_cast<CalibrationView*>(main->pageArea().page());
            ASSERT_NE(calibration, nullptr);
            calibration->showResult(quellarine::testing::longResult(),
                                    CalibrationResultPage::Replay{{{0, 0}, {40, 12}}, {{20, 6}}});
            expectFits(*main, room, QStringLiteral("the test's result"));
        }

        QWidget* welcome = app.windows().open(QStringLiteral("welcome"));
        ASSERT_NE(welcome, nullptr);
        where_ = QStringLiteral("[%1, %2] ").arg(language, textSize);
        expectFits(*welcome, room, QStringLiteral("welcome window"));

        app.menuBarItem().togglePanel();
        expectFits(app.menuBarItem().panel(), room, QStringLiteral("tray window"));
        app.menuBarItem().panel().hide();

        model.cycleMode(1);
        auto& overlay = dynamic_cast<ModeOverlay&>(model.overlay());
        ASSERT_NE(overlay.panel(), nullptr);
        expectFits(*overlay.panel(), room, QStringLiteral("mode banner"));
    }
}

} // namespace
