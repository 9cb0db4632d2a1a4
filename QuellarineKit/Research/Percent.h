#pragma once

#include <string>

namespace quellarine {

// A fraction as a percentage for display (0.281 is "28%" with no digits in English): the locale's percent
// format with exactly `digits` fraction digits, ties rounded to the even digit, not clamped. The locale is a
// BCP 47 language tag ("de-DE"); it decides the sign, its place and spacing, the separators and the digits
// ("28 %" with a no-break space in German, "%28" in Turkish). An empty or unusable tag means the process's
// locale. A negative digit count counts as none. Never fails.
std::string percent(double fraction, int digits, const std::string& locale);

} // namespace quellarine
