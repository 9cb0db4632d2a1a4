#include "ManualMainLoop.h"
#include "Screenshots.h"

#include "Quellarine/Components/Style/Announcer.h"
#include "Quellarine/Desktop/Appearance.h"
#include "Quellarine/Components/KeyCaps.h"
#include "Quellarine/Shell/ModeBanner.h"
#include "Quellarine/Shell/ModeOverlay.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QLabel>
#include <QPainter>
#include <QPointer>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

using Screen = ModeOverlay::Screen;

const Screen mainScreen{QRect(0, 0, 1920, 1080), QRect(0, 32, 1920, 1048), true};
const Screen secondScreen{QRect(1920, -200, 1280, 800), QRect(1920, -200, 1280, 760), false};

// The desktop the overlay sees, under the test's control.
struct FakeDesktop {
    QPoint pointer{200, 300};
    std::vector<Screen> screens{mainScreen, secondScreen};
    bool reduceMotion = false;
    bool composited = true;
    std::vector<QString> announcements;

    ModeOverlay::Environment environment()
    {
        return {
            .pointerLocation = [this] { return pointer; },
            .screens = [this] { return screens; },
            .reduceMotion = [this] { return reduceMotion; },
            .announce =
                [this](QWidget& window, const QString& text) {
                    announcements.push_back(text);
                    Announcer::announce(window, text);
                },
            .composited = [this] { return composited; },
        };
    }
};

// The offscreen platform warns on every opacity change, raise and mask; the tests read the values back instead.
QtMessageHandler defaultMessageHandler = nullptr;

void quietAboutUnsupportedWindowFeatures(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support"))) {
        defaultMessageHandler(type, context, message);
    }
}

class ModeOverlayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        defaultMessageHandler = qInstallMessageHandler(quietAboutUnsupportedWindowFeatures);
        overlay = std::make_unique<ModeOverlay>(loop, desktop.environment());
    }

    void TearDown() override
    {
        overlay.reset();
        qInstallMessageHandler(defaultMessageHandler);
    }

    void showBanner(const QString& title = QStringLiteral("Strong"))
    {
        overlay->show(title, QStringLiteral("Heavier smoothing for a stronger tremor"),
                      GlobalHotKey::Shortcut::nextMode());
    }

    QRect bannerFrame() const
    {
        const ModeBanner* banner = overlay->banner();
        return {banner->mapToGlobal(QPoint(0, 0)), banner->size()};
    }

    bool shown() const { return overlay->panel() != nullptr && overlay->panel()->isVisible(); }
    double opacity() const { return overlay->panel()->windowOpacity(); }

    testing::ManualMainLoop loop;
    FakeDesktop desktop;
    std::unique_ptr<ModeOverlay> overlay;
};

TEST(ModeOverlayPlacementTest, ScreenUnderThePointerElsePrimaryThenCentredAboveTheBottom)
{
    const Screen primaryLast{QRect(-1280, 0, 1280, 1024), QRect(-1280, 0, 1280, 1024), true};
    EXPECT_EQ(ModeOverlay::screenFor(QPoint(2000, 0), {secondScreen, primaryLast}), secondScreen);
    EXPECT_EQ(ModeOverlay::screenFor(QPoint(5000, 5000), {secondScreen, primaryLast}), primaryLast);
    EXPECT_EQ(ModeOverlay::screenFor(QPoint(0, 0), {secondScreen}), std::nullopt);

    // The bottom edge 18 % of the visible height above its bottom: 32 + 0.82 × 1048 = 891.36.
    EXPECT_EQ(ModeOverlay::placement(QRect(0, 32, 1920, 1048), QSize(300, 150)), QRect(810, 741, 300, 150));
    EXPECT_EQ(ModeOverlay::placement(QRect(1920, -200, 1280, 760), QSize(301, 151)), QRect(2410, 272, 301, 151));
}

TEST_F(ModeOverlayTest, ShowsTheBannerOnTheScreenUnderThePointer)
{
    desktop.pointer = QPoint(2500, 100);
    showBanner();
    ASSERT_TRUE(shown());
    EXPECT_EQ(bannerFrame(), ModeOverlay::placement(secondScreen.visibleFrame, overlay->banner()->size()));
    EXPECT_EQ(opacity(), 1.0);

    desktop.pointer = QPoint(5000, 5000); // off every screen: the primary one
    showBanner(QStringLiteral("Gentle"));
    EXPECT_EQ(bannerFrame(), ModeOverlay::placement(mainScreen.visibleFrame, overlay->banner()->size()));
}

TEST_F(ModeOverlayTest, ASecondBannerOneSecondLaterRestartsTheTime)
{
    showBanner(QStringLiteral("Gentle"));
    const QPointer<ModeBanner> first = overlay->banner();
    loop.advance(1.0);
    showBanner(QStringLiteral("Balanced"));
    EXPECT_TRUE(first.isNull()) << "the first banner's content is replaced";
    EXPECT_EQ(overlay->banner()->title(), QStringLiteral("Balanced"));

    loop.advance(3.4); // 4.4 s after the first: its hide would have run
    EXPECT_TRUE(shown());
    EXPECT_EQ(opacity(), 1.0);

    loop.advance(0.3); // 3.7 s after the second: half-way through the fade
    EXPECT_TRUE(shown());
    EXPECT_GT(opacity(), 0.3);
    EXPECT_LT(opacity(), 0.7);

    loop.advance(0.21);
    EXPECT_FALSE(shown());
    EXPECT_EQ(opacity(), 0.0);
    EXPECT_EQ(loop.pending(), 0u);
}

TEST_F(ModeOverlayTest, ABannerDuringTheFadeRestoresFullOpacityAndStaysItsFullTime)
{
    showBanner();
    loop.advance(3.6);
    ASSERT_LT(opacity(), 1.0);
    showBanner(QStringLiteral("Precision"));
    EXPECT_EQ(opacity(), 1.0);
    EXPECT_TRUE(shown());

    loop.advance(3.49);
    EXPECT_EQ(opacity(), 1.0);
    loop.advance(0.42);
    EXPECT_FALSE(shown());

    showBanner(); // the panel comes back after being hidden
    EXPECT_TRUE(shown());
    EXPECT_EQ(opacity(), 1.0);
}

TEST_F(ModeOverlayTest, UnderReducedMotionTheBannerDisappearsWithoutAFade)
{
    desktop.reduceMotion = true;
    showBanner();
    loop.advance(3.49);
    EXPECT_TRUE(shown());
    EXPECT_EQ(opacity(), 1.0);
    loop.advance(0.01);
    EXPECT_FALSE(shown());
    EXPECT_EQ(loop.pending(), 0u);
}

TEST_F(ModeOverlayTest, WithNoScreenNothingIsShownOrAnnouncedAndThePendingHideStays)
{
    desktop.screens.clear();
    showBanner();
    EXPECT_EQ(overlay->panel(), nullptr);
    EXPECT_TRUE(desktop.announcements.empty());
    EXPECT_EQ(loop.pending(), 0u);

    desktop.screens = {mainScreen};
    showBanner(QStringLiteral("Gentle"));
    loop.advance(2.0);
    desktop.screens.clear();
    showBanner(QStringLiteral("Balanced"));
    EXPECT_EQ(desktop.announcements.size(), 1u);
    loop.advance(1.5 + 0.41); // the first banner's hide, not restarted
    EXPECT_FALSE(shown());
}

TEST_F(ModeOverlayTest, AnnouncesTitleAndDetailAsAnAlert)
{
    overlay->show(QStringLiteral("Direct"), QStringLiteral("No smoothing: the pointer follows your hand directly"),
                  std::nullopt);
    ASSERT_EQ(desktop.announcements.size(), 1u);
    EXPECT_EQ(desktop.announcements[0], QStringLiteral("Direct. No smoothing: the pointer follows your hand directly"));

    QAccessibleInterface* alert = QAccessible::queryAccessibleInterface(overlay->panel());
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->role(), QAccessible::AlertMessage);
    EXPECT_EQ(alert->text(QAccessible::Name), desktop.announcements[0]);

    overlay->show(QStringLiteral("Gentle"), QStringLiteral("Light smoothing"), std::nullopt);
    EXPECT_EQ(alert->text(QAccessible::Name), QStringLiteral("Gentle. Light smoothing"));
}

TEST_F(ModeOverlayTest, WithoutACompositorThePanelIsJustTheBannerWithItsCornersCut)
{
    desktop.composited = false;
    showBanner();
    EXPECT_EQ(overlay->panel()->geometry(), bannerFrame());
    EXPECT_FALSE(overlay->panel()->mask().isEmpty());
    EXPECT_FALSE(overlay->panel()->mask().contains(QPoint(0, 0)));

    desktop.composited = true;
    showBanner();
    EXPECT_TRUE(overlay->panel()->geometry().contains(bannerFrame()));
    EXPECT_NE(overlay->panel()->geometry(), bannerFrame()) << "room for the shadow";
    EXPECT_TRUE(overlay->panel()->mask().isEmpty());
}

TEST(ModeBannerTest, KeepsItsRowsBetweenTheWidthBoundsAndWrapsALongDetail)
{
    constexpr int padding = 2 * ModeBanner::horizontalPadding;
    const ModeBanner tiny(QStringLiteral("A"), QStringLiteral("b"), std::nullopt);
    EXPECT_EQ(tiny.fittingSize().width(), ModeBanner::minimumWidth + padding);

    const ModeBanner medium(QStringLiteral("Balanced"), QStringLiteral("Smooths the shake and keeps the pointer quick"),
                            std::nullopt);
    EXPECT_GT(medium.fittingSize().width(), ModeBanner::minimumWidth + padding);
    EXPECT_LT(medium.fittingSize().width(), ModeBanner::maximumWidth + padding);

    const QString sentence = QStringLiteral("Turned off because Ctrl was pressed 5 times. ");
    const ModeBanner oneLine(QStringLiteral("Direct"), sentence, std::nullopt);
    const ModeBanner wrapped(QStringLiteral("Direct"), sentence.repeated(4), std::nullopt);
    EXPECT_EQ(wrapped.fittingSize().width(), ModeBanner::maximumWidth + padding);
    EXPECT_GT(wrapped.fittingSize().height(), oneLine.fittingSize().height() + 40);
}

TEST(ModeBannerTest, ShowsTheNextModeKeyCapsOnlyWithAShortcut)
{
    const ModeBanner withKeys(QStringLiteral("Strong"), QStringLiteral("Heavier"), GlobalHotKey::Shortcut::nextMode());
    const ModeBanner withoutKeys(QStringLiteral("Strong"), QStringLiteral("Heavier"), std::nullopt);
    ASSERT_NE(withKeys.findChild<KeyCaps*>(), nullptr);
    EXPECT_EQ(withKeys.findChild<KeyCaps*>()->shortcut(), GlobalHotKey::Shortcut::nextMode());
    EXPECT_EQ(withoutKeys.findChild<KeyCaps*>(), nullptr);
    EXPECT_EQ(withoutKeys.findChildren<QLabel*>().size(), 2) << "title and detail only";
    EXPECT_GT(withKeys.fittingSize().height(), withoutKeys.fittingSize().height());
}

// Renders the banner as a person sees it, in the light and the dark appearance, over a plain desktop, to the
// screenshots folder: a preset with the next-mode keys above "Direct" with a detail that wraps and no keys.
TEST(ModeBannerScreenshotsTest, LightAndDark)
{
    ASSERT_TRUE(QDir().mkpath(testing::Screenshots::directory()));
    for (const bool dark : {false, true}) {
        Appearance::shared().setChoice(dark ? Appearance::Choice::dark : Appearance::Choice::light);
        constexpr qreal pixelRatio = 2.0;
        QImage shot(QSize(760, 600) * pixelRatio, QImage::Format_ARGB32_Premultiplied);
        shot.setDevicePixelRatio(pixelRatio);
        QPainter painter(&shot);
        QLinearGradient desk(0, 0, 760, 600);
        desk.setColorAt(0, dark ? QColor(0x2B3A4A) : QColor(0xC9D8E6));
        desk.setColorAt(1, dark ? QColor(0x1B2430) : QColor(0xE9EEF2));
        painter.fillRect(QRect(0, 0, 760, 600), desk);
        const auto draw = [&painter](const QRect& area, const QString& title, const QString& detail,
                                     std::optional<GlobalHotKey::Shortcut> shortcut) {
            testing::ManualMainLoop loop;
            FakeDesktop desktop;
            desktop.screens = {Screen{area, area, true}};
            ModeOverlay overlay(loop, desktop.environment());
            overlay.show(title, detail, shortcut);
            painter.drawImage(overlay.panel()->geometry().topLeft(),
                              testing::Screenshots::render(*overlay.panel(), pixelRatio));
        };
        draw(QRect(0, -90, 760, 440), QStringLiteral("Strong"),
             QStringLiteral("Heavier smoothing for a stronger tremor"), GlobalHotKey::Shortcut::nextMode());
        draw(QRect(0, 200, 760, 440), QStringLiteral("Direct"),
             QStringLiteral("No smoothing: the pointer follows your hand directly. Turned off because Ctrl was "
                            "pressed 5 times"),
             std::nullopt);
        painter.end();
        const QString name = dark ? QStringLiteral("mode-banner-dark.png") : QStringLiteral("mode-banner-light.png");
        EXPECT_TRUE(shot.save(testing::Screenshots::directory() + QLatin1Char('/') + name));
    }
    Appearance::shared().setChoice(Appearance::Choice::light);
}

} // namespace
} // namespace quellarine
