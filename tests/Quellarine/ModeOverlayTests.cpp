#include "ManualMainLoop.h"

#include "Quellarine/Desktop/Announcer.h"
#include "Quellarine/ModeBanner.h"
#include "Quellarine/ModeOverlay.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QLabel>
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

TEST(ModeOverlayPlacementTest, CentresTheBannerEighteenPercentAboveTheBottomOfTheVisibleArea)
{
    // 1048 high from y 32: the bottom edge at 32 + 0.82 × 1048 = 891.36.
    EXPECT_EQ(ModeOverlay::placement(QRect(0, 32, 1920, 1048), QSize(300, 150)), QRect(810, 741, 300, 150));
    EXPECT_EQ(ModeOverlay::placement(QRect(1920, -200, 1280, 760), QSize(301, 151)),
              QRect(2410, 272, 301, 151));
}

TEST(ModeOverlayPlacementTest, ChoosesTheScreenUnderThePointerElseThePrimaryOne)
{
    const Screen primaryLast{QRect(-1280, 0, 1280, 1024), QRect(-1280, 0, 1280, 1024), true};
    const std::vector<Screen> screens{secondScreen, primaryLast};
    EXPECT_EQ(ModeOverlay::screenFor(QPoint(2000, 0), screens), secondScreen);
    EXPECT_EQ(ModeOverlay::screenFor(QPoint(-1, 5), screens), primaryLast);
    EXPECT_EQ(ModeOverlay::screenFor(QPoint(5000, 5000), screens), primaryLast);
    EXPECT_EQ(ModeOverlay::screenFor(QPoint(0, 0), {secondScreen}), std::nullopt);
    EXPECT_EQ(ModeOverlay::screenFor(QPoint(0, 0), {}), std::nullopt);
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

TEST_F(ModeOverlayTest, NeverTakesTheFocusNorCatchesClicks)
{
    // What the window system is told; the offscreen platform activates every window it shows regardless.
    showBanner();
    const Qt::WindowFlags flags = overlay->panel()->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowTransparentForInput));
    EXPECT_TRUE(flags.testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(overlay->panel()->testAttribute(Qt::WA_ShowWithoutActivating));
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
    EXPECT_EQ(desktop.announcements[0],
              QStringLiteral("Direct. No smoothing: the pointer follows your hand directly"));

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

    const ModeBanner medium(QStringLiteral("Balanced"),
                            QStringLiteral("Smooths the shake and keeps the pointer quick"), std::nullopt);
    EXPECT_GT(medium.fittingSize().width(), ModeBanner::minimumWidth + padding);
    EXPECT_LT(medium.fittingSize().width(), ModeBanner::maximumWidth + padding);

    const QString sentence = QStringLiteral("Turned off because Control was pressed 5 times. ");
    const ModeBanner oneLine(QStringLiteral("Direct"), sentence, std::nullopt);
    const ModeBanner wrapped(QStringLiteral("Direct"), sentence.repeated(4), std::nullopt);
    EXPECT_EQ(wrapped.fittingSize().width(), ModeBanner::maximumWidth + padding);
    EXPECT_GT(wrapped.fittingSize().height(), oneLine.fittingSize().height() + 40);
}

TEST(ModeBannerTest, ShowsTheNextModeKeyCapsOnlyWithAShortcut)
{
    const ModeBanner withKeys(QStringLiteral("Strong"), QStringLiteral("Heavier smoothing"),
                              GlobalHotKey::Shortcut::nextMode());
    const ModeBanner withoutKeys(QStringLiteral("Strong"), QStringLiteral("Heavier smoothing"), std::nullopt);

    const auto texts = [](const ModeBanner& banner) {
        QStringList list;
        for (const QLabel* label : banner.findChildren<QLabel*>()) {
            list << label->text();
        }
        return list;
    };
    EXPECT_EQ(texts(withoutKeys), QStringList({QStringLiteral("Strong"), QStringLiteral("Heavier smoothing")}));
    EXPECT_TRUE(texts(withKeys).contains(QStringLiteral("next mode")));

    QStringList names;
    for (const QWidget* child : withKeys.findChildren<QWidget*>()) {
        names << child->accessibleName();
    }
    EXPECT_TRUE(names.contains(QStringLiteral("Control + Option + M")));
    EXPECT_GT(withKeys.fittingSize().height(), withoutKeys.fittingSize().height());
}

} // namespace
} // namespace quellarine

namespace quellarine {
namespace {

// Renders the banner as a person sees it, in the light and the dark appearance, over a plain desktop, to
// screenshots/ in the build folder.
TEST(ModeBannerScreenshots, LightAndDark)
{
    const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/../../screenshots"));
    ASSERT_TRUE(folder.mkpath(QStringLiteral(".")));
    const QPalette previousPalette = QApplication::palette();
    const QFont previousFont = QApplication::font();
    QFont font(QStringLiteral("Inter"));
    font.setPixelSize(13);
    QApplication::setFont(font);

    for (const bool dark : {false, true}) {
        QPalette palette(dark ? QColor(0xECEEED) : QColor(0x1C1F1D), dark ? QColor(0x1D201F) : QColor(0xF6F7F6));
        palette.setColor(QPalette::WindowText, dark ? QColor(0xECEEED) : QColor(0x1C1F1D));
        QApplication::setPalette(palette);

        // Two banners, one above the other: a preset with the next-mode keys, and "Direct" with a detail that
        // wraps and no keys.
        QImage shot(760, 640, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&shot);
        QLinearGradient desk(0, 0, 760, 640);
        desk.setColorAt(0, dark ? QColor(0x2B3A4A) : QColor(0xC9D8E6));
        desk.setColorAt(1, dark ? QColor(0x1B2430) : QColor(0xE9EEF2));
        painter.fillRect(shot.rect(), desk);
        const auto draw = [&painter](const QRect& area, const QString& title, const QString& detail,
                                     std::optional<GlobalHotKey::Shortcut> shortcut) {
            testing::ManualMainLoop loop;
            FakeDesktop desktop;
            desktop.screens = {Screen{area, area, true}};
            ModeOverlay overlay(loop, desktop.environment());
            overlay.show(title, detail, shortcut);
            painter.drawPixmap(overlay.panel()->geometry().topLeft(), overlay.panel()->grab());
        };
        draw(QRect(0, -90, 760, 440), QStringLiteral("Strong"), QStringLiteral("Heavier smoothing for a stronger tremor"),
             GlobalHotKey::Shortcut::nextMode());
        draw(QRect(0, 230, 760, 440), QStringLiteral("Direct"),
             QStringLiteral("No smoothing: the pointer follows your hand directly. Turned off because Control was "
                            "pressed 5 times"),
             std::nullopt);
        painter.end();
        const QString name = dark ? QStringLiteral("mode-banner-dark.png") : QStringLiteral("mode-banner-light.png");
        EXPECT_TRUE(shot.save(folder.filePath(name)));
    }
    QApplication::setPalette(previousPalette);
    QApplication::setFont(previousFont);
}

} // namespace
} // namespace quellarine
