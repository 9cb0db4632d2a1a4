#include "QuellarineKit/Support/IcuLocale.h"

namespace quellarine {

icu::Locale icuLocale(const std::string& tag)
{
    if (tag.empty()) {
        return icu::Locale::getDefault();
    }
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale locale = icu::Locale::forLanguageTag(tag, status);
    if (U_FAILURE(status) || locale.isBogus()) {
        return icu::Locale::getDefault();
    }
    return locale;
}

} // namespace quellarine
