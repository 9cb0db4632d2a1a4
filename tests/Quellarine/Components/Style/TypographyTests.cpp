#include "Quellarine/Components/Style/Typography.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include <gtest/gtest.h>

namespace quellarine {

TEST(TypographyTest, InterInPixelsWithNotoForEveryScriptOfTheLanguages)
{
    const QFont body = Typography::font(Typography::TextStyle::body);
    EXPECT_EQ(QFontInfo(body).family(), QStringLiteral("Inter"));
    EXPECT_EQ(body.pixelSize(), 13);
    EXPECT_EQ(Typography::font(Typography::TextStyle::title3).pixelSize(), 15);
    EXPECT_EQ(Typography::system(13.5, QFont::Medium).pixelSize(), 14);
    for (const auto script : {QFontDatabase::Arabic, QFontDatabase::Bengali, QFontDatabase::Devanagari,
                              QFontDatabase::Cyrillic, QFontDatabase::SimplifiedChinese}) {
        EXPECT_FALSE(QFontDatabase::families(script).isEmpty())
            << "no font for " << QFontDatabase::writingSystemName(script).toStdString();
    }
}

} // namespace quellarine
