#include "Quellarine/Model/MainSection.h"
#include "Quellarine/Components/Notice.h"
#include "Quellarine/Components/Style/Images.h"
#include "Quellarine/Components/Style/Symbols.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

struct Coverage {
    int painted = 0;   // pixels with any ink
    int offColour = 0; // inked pixels whose colour is not the tint
};

Coverage paintSymbol(const QString& name, Symbols::Weight weight, bool* result = nullptr)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const bool painted = Symbols::paint(painter, QRectF(0, 0, 32, 32), name, QColor(0x20, 0x80, 0xC0), weight);
    painter.end();
    if (result != nullptr) {
        *result = painted;
    }
    Coverage coverage;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.alpha() == 0) {
                continue;
            }
            ++coverage.painted;
            // Faint edge pixels carry too little colour to judge once un-premultiplied.
            const bool offColour = std::abs(pixel.red() - 0x20) > 3 || std::abs(pixel.green() - 0x80) > 3
                || std::abs(pixel.blue() - 0xC0) > 3;
            if (pixel.alpha() >= 64 && offColour) {
                ++coverage.offColour;
            }
        }
    }
    return coverage;
}

TEST(SymbolsTest, EverySymbolInTheTablePaintsInTheCallersColour)
{
    const QStringList names = Symbols::names();
    ASSERT_GE(names.size(), 40);
    for (const QString& name : names) {
        for (const auto weight : {Symbols::Weight::regular, Symbols::Weight::bold}) {
            SCOPED_TRACE(name.toStdString());
            bool painted = false;
            const Coverage coverage = paintSymbol(name, weight, &painted);
            EXPECT_TRUE(painted);
            EXPECT_GT(coverage.painted, 30);
            EXPECT_LT(coverage.painted, 32 * 32 * 3 / 4) << "an icon, not a filled square";
            EXPECT_EQ(coverage.offColour, 0);
        }
    }
    // Bold line icons carry more ink than regular ones.
    EXPECT_GT(paintSymbol(QStringLiteral("house"), Symbols::Weight::bold).painted,
              paintSymbol(QStringLiteral("house"), Symbols::Weight::regular).painted);
}

TEST(SymbolsTest, TheSymbolsTheViewsNameAreInTheTable)
{
    for (MainSection section : MainSection::allCases()) {
        EXPECT_TRUE(Symbols::contains(section.symbol())) << section.symbol().toStdString();
    }
    EXPECT_TRUE(Symbols::contains(Notice(QString(), true).symbol()));
    EXPECT_TRUE(Symbols::contains(Notice(QString(), false).symbol()));
}

TEST(SymbolsTest, UnknownNamesPaintNothing)
{
    for (const QString& name :
         {QStringLiteral("no.such.symbol"), QString(), QStringLiteral("../images/LogoMark"), QStringLiteral("House")}) {
        bool painted = true;
        EXPECT_EQ(paintSymbol(name, Symbols::Weight::regular, &painted).painted, 0);
        EXPECT_FALSE(painted);
        EXPECT_TRUE(Symbols::pixmap(name, 16, Qt::black, 1.0).isNull());
    }
}

TEST(SymbolsTest, PixmapsAreCachedPerColourAndRatio)
{
    const QPixmap first = Symbols::pixmap(QStringLiteral("lock"), 16, Qt::red, 2.0);
    EXPECT_EQ(first.cacheKey(), Symbols::pixmap(QStringLiteral("lock"), 16, Qt::red, 2.0).cacheKey());
    EXPECT_NE(first.cacheKey(), Symbols::pixmap(QStringLiteral("lock"), 16, Qt::blue, 2.0).cacheKey());
    EXPECT_EQ(first.size(), QSize(32, 32));
    EXPECT_EQ(first.deviceIndependentSize(), QSizeF(16, 16));
}

TEST(ImagesTest, TheApplicationsOwnImagesPaint)
{
    EXPECT_EQ(Images::names(),
              QStringList({QStringLiteral("AppIconImage"), QStringLiteral("LogoMark"), QStringLiteral("MenuBarOff"),
                           QStringLiteral("MenuBarOn")}));
    for (const QString& name : Images::names()) {
        QImage image(64, 64, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        EXPECT_TRUE(Images::paint(painter, QRectF(0, 0, 64, 64), name)) << name.toStdString();
        painter.end();
        int painted = 0;
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                painted += image.pixelColor(x, y).alpha() > 0 ? 1 : 0;
            }
        }
        EXPECT_GT(painted, 100) << name.toStdString();
    }
    QImage icon(64, 64, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    Images::paint(painter, QRectF(0, 0, 64, 64), QStringLiteral("AppIconImage"));
    painter.end();
    EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0) << "rounded corners";
    EXPECT_EQ(icon.pixelColor(10, 32).alpha(), 255);
    EXPECT_FALSE(Images::contains(QStringLiteral("Missing")));
}

} // namespace
} // namespace quellarine
