#include "Screenshots.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ProminentButton.h"

#include <gtest/gtest.h>

namespace quellarine {
namespace {

TEST(ProminentButtonTest, ASymbolStandsBeforeTheTitleOnTheReadingSide)
{
    ProminentButton plain(QStringLiteral("Send"), Brand::accent);
    ProminentButton withSymbol(QStringLiteral("Send"), Brand::accent);
    withSymbol.setSymbol(QStringLiteral("paperplane.fill"));
    EXPECT_GE(withSymbol.sizeHint().width(), plain.sizeHint().width() + 16);

    const QSize size = withSymbol.sizeHint();
    plain.resize(size);
    withSymbol.resize(size);
    const QRgb title = withSymbol.titleColor().rgb();
    const auto inTitleColour = [&](ProminentButton& button, bool leftHalf) {
        const QImage image = testing::Screenshots::render(button, 1);
        const QImage half = image.copy(leftHalf ? 0 : image.width() / 2, 0, image.width() / 2, image.height());
        return testing::Screenshots::opaquePixels(half, title);
    };
    // The symbol adds ink on the leading half; from the right in right-to-left layouts.
    EXPECT_GT(inTitleColour(withSymbol, true), inTitleColour(plain, true));
    withSymbol.setLayoutDirection(Qt::RightToLeft);
    plain.setLayoutDirection(Qt::RightToLeft);
    EXPECT_GT(inTitleColour(withSymbol, false), inTitleColour(plain, false));
}

} // namespace
} // namespace quellarine
