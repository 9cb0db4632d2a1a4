#include "QuellarineKit/Research/Percent.h"

#include "QuellarineKit/Support/IcuLocale.h"

#include <unicode/locid.h>
#include <unicode/numberformatter.h>

#include <algorithm>
#include <cstdio>

namespace quellarine {

namespace {

// The most fraction digits the number formatter accepts.
constexpr int maximumDigits = 999;

// Only reached when the formatter itself fails (out of memory): the number still shows, in plain digits.
std::string plainPercent(double fraction, int digits)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f%%", std::min(digits, 20), fraction * 100);
    return text;
}

} // namespace

std::string percent(double fraction, int digits, const std::string& locale)
{
    digits = std::clamp(digits, 0, maximumDigits);
    UErrorCode status = U_ZERO_ERROR;
    const auto formatted = icu::number::NumberFormatter::withLocale(icuLocale(locale))
                               .unit(icu::NoUnit::percent())
                               .scale(icu::number::Scale::powerOfTen(2))
                               .precision(icu::number::Precision::fixedFraction(digits))
                               .roundingMode(UNUM_ROUND_HALFEVEN)
                               .formatDouble(fraction, status);
    std::string result;
    const icu::UnicodeString text = formatted.toString(status);
    if (U_FAILURE(status)) {
        return plainPercent(fraction, digits);
    }
    text.toUTF8String(result);
    return result;
}

} // namespace quellarine
