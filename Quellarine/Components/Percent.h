#pragma once

#include <QString>

namespace quellarine {

// A fraction as a percentage in the user's current locale with exactly `digits` fraction digits: "28%" in
// English, "28 %" in German, "%28" in Turkish for 0.281 with no digits. The locale is read on every call, so
// a change of the application's locale shows in the next text.
QString percent(double fraction, int digits);

} // namespace quellarine
