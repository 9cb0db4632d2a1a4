#pragma once

#include <QStringView>

#include <compare>

namespace quellarine {

// Orders two version or build strings the way people read them: runs of ASCII digits compare by their value
// ("10" after "9", "1.10" after "1.9"), everything else character by character. Nothing is dropped, so
// "1.2b" orders after "1.2".
std::strong_ordering numericCompare(QStringView left, QStringView right);

} // namespace quellarine
