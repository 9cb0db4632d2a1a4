#pragma once

#include <unicode/locid.h>

#include <string>

namespace quellarine {

// The ICU locale of a BCP 47 tag such as "de-DE"; an empty or unusable tag gives the process's locale.
icu::Locale icuLocale(const std::string& tag);

} // namespace quellarine
