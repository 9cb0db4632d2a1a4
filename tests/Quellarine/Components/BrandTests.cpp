#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/Card.h"
#include "Quellarine/Model/MainSection.h"
#include "Quellarine/Desktop/Appearance.h"
#include "Quellarine/Components/Style/Look.h"
#include "Quellarine/Components/SectionTint.h"

#include <QApplication>
#include <QLabel>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

QString hex(const QColor& color)
{
    return color.name(QColor::HexArgb).toUpper();
}

// The colour of `over` at `opacity` laid on an opaque `under`.
QColor composite(const QColor& over, qreal opacity, const QColor& under)
{
    const auto mix = [&](int a, int b) { return static_cast<int>(std::lround(a * opacity + b * (1 - opacity))); };
    return QColor(mix(over.red(), under.red()), mix(over.green(), under.green()), mix(over.blue(), under.blue()));
}

void expectNear(const QColor& actual, const QColor& expected)
{
    EXPECT_NEAR(actual.red(), expected.red(), 2) << hex(actual).toStdString() << " vs " << hex(expected).toStdString();
    EXPECT_NEAR(actual.green(), expected.green(), 2)
        << hex(actual).toStdString() << " vs " << hex(expected).toStdString();
    EXPECT_NEAR(actual.blue(), expected.blue(), 2)
        << hex(actual).toStdString() << " vs " << hex(expected).toStdString();
}

struct Expected {
    const char* name;
    DynamicColor color;
    const char* light;
    const char* dark;
};

TEST(BrandColorsTest, ExactLightAndDarkValues)
{
    const Expected rows[] = {
        {"accent", Brand::accent, "#FF2F6B4F", "#FF6FBF95"},
        {"warm", Brand::warm, "#FFC2562D", "#FFF08A5D"},
        {"deep", Brand::deep, "#FF1F4D38", "#FF24553F"},
        {"gradient start", Brand::gradientStart, "#FF3A7D5D", "#FF3F8A66"},
        {"research", tint(MainSection::research), "#FFB07A2A", "#FFD39A45"},
        {"help", tint(MainSection::help), "#FF3A78C2", "#FF5B97E0"},
        {"feedback", tint(MainSection::feedback), "#FF2A8582", "#FF4DB3AE"},
        {"what's new", tint(MainSection::whatsNew), "#FF2E6FA6", "#FF5FA3D8"},
    };
    for (const Expected& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(hex(row.color.resolve(Look::lightPalette())), QString::fromLatin1(row.light));
        EXPECT_EQ(hex(row.color.resolve(Look::darkPalette())), QString::fromLatin1(row.dark));
    }
    EXPECT_EQ(tint(MainSection::home), Brand::accent);
    EXPECT_EQ(tint(MainSection::profile), Brand::accent);
    EXPECT_EQ(tint(MainSection::calibration), Brand::warm);
}

TEST(BrandColorsTest, APaletteThatIsNotDarkDrawsTheLightValue)
{
    QPalette grey;
    grey.setColor(QPalette::Window, QColor(0x9A9A9A));
    EXPECT_EQ(hex(Brand::accent.resolve(grey)), QStringLiteral("#FF2F6B4F"));
    grey.setColor(QPalette::Window, QColor(0x5A5A5A));
    EXPECT_EQ(hex(Brand::accent.resolve(grey)), QStringLiteral("#FF6FBF95"));
}

TEST(BrandColorsTest, GradientRunsFromTheTopLeadingToTheBottomTrailingCorner)
{
    const QRectF rect(10, 20, 100, 50);
    const QLinearGradient light = Brand::gradient(rect, false);
    EXPECT_EQ(light.start(), rect.topLeft());
    EXPECT_EQ(light.finalStop(), rect.bottomRight());
    ASSERT_EQ(light.stops().size(), 2);
    EXPECT_EQ(light.stops()[0].first, 0.0);
    EXPECT_EQ(hex(light.stops()[0].second), QStringLiteral("#FF3A7D5D"));
    EXPECT_EQ(light.stops()[1].first, 1.0);
    EXPECT_EQ(hex(light.stops()[1].second), QStringLiteral("#FF1F4D38"));

    const QLinearGradient dark = Brand::gradient(rect, true, Qt::RightToLeft);
    EXPECT_EQ(dark.start(), rect.topRight());
    EXPECT_EQ(dark.finalStop(), rect.bottomLeft());
    EXPECT_EQ(hex(dark.stops()[0].second), QStringLiteral("#FF3F8A66"));
    EXPECT_EQ(hex(dark.stops()[1].second), QStringLiteral("#FF24553F"));
}

class CardColoursTest : public ::testing::Test {
protected:
    void TearDown() override { Appearance::shared().setChoice(Appearance::Choice::light); }

    // A pixel inside the card's padding: only its fill is drawn there.
    static QColor fillPixel(QWidget& card) { return card.grab().toImage().pixelColor(7, card.height() / 2); }
};

TEST_F(CardColoursTest, PaletteSwitchRecoloursTheSameCard)
{
    Appearance::shared().setChoice(Appearance::Choice::light);
    Card neutral(new QLabel(QStringLiteral("Neutral")));
    Card warm(new QLabel(QStringLiteral("Warning")), Brand::warm);
    neutral.resize(240, 80);
    warm.resize(240, 80);

    const QPalette light = Look::lightPalette();
    expectNear(fillPixel(neutral), composite(light.color(QPalette::WindowText), 0.045, light.color(QPalette::Window)));
    expectNear(fillPixel(warm), composite(QColor(0xC2562D), 0.10, light.color(QPalette::Window)));

    Appearance::shared().setChoice(Appearance::Choice::dark);
    QApplication::processEvents();
    const QPalette dark = Look::darkPalette();
    expectNear(fillPixel(neutral), composite(dark.color(QPalette::WindowText), 0.045, dark.color(QPalette::Window)));
    expectNear(fillPixel(warm), composite(QColor(0xF08A5D), 0.10, dark.color(QPalette::Window)));
}

TEST_F(CardColoursTest, ContentSitsInsideTheRoundedBorder)
{
    auto* content = new QLabel(QStringLiteral("Content"));
    Card card(content);
    card.resize(240, 80);
    card.grab();
    EXPECT_EQ(content->geometry(), card.rect().adjusted(14, 14, -14, -14));
    // The corner lies outside the rounded shape: the window shows through.
    EXPECT_EQ(card.grab().toImage().pixelColor(0, 0), Look::lightPalette().color(QPalette::Window));
}

} // namespace
} // namespace quellarine
