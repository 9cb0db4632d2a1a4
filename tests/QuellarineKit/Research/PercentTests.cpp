#include "QuellarineKit/Research/Percent.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using quellarine::percent;

namespace {

const std::string noBreakSpace = "\u00A0";

} // namespace

TEST(PercentTest, EnglishPlacesTheSignAfterTheNumberWithNoSpace)
{
    EXPECT_EQ(percent(0.281, 0, "en-US"), "28%");
    EXPECT_EQ(percent(0.281, 1, "en-US"), "28.1%");
    EXPECT_EQ(percent(0.07, 2, "en-US"), "7.00%");
    EXPECT_EQ(percent(0.036, 1, "en-US"), "3.6%");
    EXPECT_EQ(percent(12.3456, 2, "en-US"), "1,234.56%");
}

TEST(PercentTest, GermanPutsANoBreakSpaceBeforeTheSign)
{
    EXPECT_EQ(percent(0.281, 0, "de-DE"), "28" + noBreakSpace + "%");
    EXPECT_EQ(percent(0.281, 1, "de-DE"), "28,1" + noBreakSpace + "%");
    EXPECT_EQ(percent(0.07, 2, "de-DE"), "7,00" + noBreakSpace + "%");
    EXPECT_EQ(percent(-0.2, 0, "de-DE"), "-20" + noBreakSpace + "%");
}

TEST(PercentTest, TurkishPutsTheSignFirst)
{
    EXPECT_EQ(percent(0.281, 0, "tr-TR"), "%28");
    EXPECT_EQ(percent(0.281, 1, "tr-TR"), "%28,1");
    EXPECT_EQ(percent(0.07, 2, "tr-TR"), "%7,00");
    EXPECT_EQ(percent(-0.2, 0, "tr-TR"), "-%20");
}

TEST(PercentTest, TiesRoundToTheEvenDigit)
{
    EXPECT_EQ(percent(0.125, 0, "en-US"), "12%");
    EXPECT_EQ(percent(0.135, 0, "en-US"), "14%");
    EXPECT_EQ(percent(0.049, 1, "en-US"), "4.9%");
    EXPECT_EQ(percent(0.00125, 2, "en-US"), "0.12%");
    EXPECT_EQ(percent(0.9999, 1, "en-US"), "100.0%");
}

TEST(PercentTest, ValuesAreNotClamped)
{
    EXPECT_EQ(percent(1.5, 0, "en-US"), "150%");
    EXPECT_EQ(percent(-0.2, 0, "en-US"), "-20%");
    EXPECT_EQ(percent(-0.0725, 1, "en-US"), "-7.2%");
}

TEST(PercentTest, OutOfRangeDigitCountsStillFormat)
{
    EXPECT_EQ(percent(0.281, -3, "en-US"), "28%");
    const std::string many = percent(0.5, 5000, "en-US");
    EXPECT_EQ(many, "50." + std::string(999, '0') + "%");
}

TEST(PercentTest, AnEmptyOrUnusableTagFallsBackToTheProcessLocale)
{
    const std::string processLocale = percent(0.281, 0, "");
    EXPECT_NE(processLocale.find("28"), std::string::npos);
    EXPECT_EQ(percent(0.281, 0, "not a tag!"), processLocale);
}

TEST(PercentTest, NonFiniteValuesStillGiveText)
{
    EXPECT_FALSE(percent(std::numeric_limits<double>::quiet_NaN(), 1, "en-US").empty());
    EXPECT_EQ(percent(std::numeric_limits<double>::infinity(), 0, "en-US"), "\u221E%");
}
