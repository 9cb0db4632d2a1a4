// The personal setting as stored: the types are checked, the bounds are not; what is read survives a round
// trip, and it counts as valid exactly when the service's reader, which checks the bounds, accepts it too.

#include "FuzzCheck.h"

#include "QuellarineKit/Pointer/PersonalSetting.h"

using namespace quellarine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto json = fuzz::parseJson(data, size);
    if (!json) {
        return 0;
    }
    auto setting = fuzz::decode<PersonalSetting>(*json);
    if (!setting) {
        return 0;
    }
    auto encoded = fuzz::requireRoundTrip(*setting);
    fuzz::require(PersonalSetting::fromJson(encoded).has_value() == setting->isValid(),
                  "validity and the service's bounds disagree");
    fuzz::require(setting->preset().has_value() == setting->isValid(), "a preset exists exactly for a valid setting");
    setting->change();
    return 0;
}
