// The personal setting as the explanation service sends it: whatever is accepted lies within the bounds, gives
// a personal preset carrying its numbers, is stored and read back unchanged, and agrees with the stored form's
// reader wherever that reader accepts the same JSON.

#include "FuzzCheck.h"

#include "QuellarineKit/Pointer/PersonalSetting.h"

using namespace quellarine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto json = fuzz::parseJson(data, size);
    if (!json) {
        return 0;
    }
    // The service's reader refuses by returning none; it raises nothing.
    auto setting = PersonalSetting::fromJson(*json);
    if (auto stored = fuzz::decode<PersonalSetting>(*json); stored && setting) {
        fuzz::require(*stored == *setting, "the service's reader and the stored form's reader disagree");
    }
    if (!setting) {
        return 0;
    }
    fuzz::require(setting->isValid(), "the service's reader accepted a setting out of bounds");
    fuzz::require(PersonalSetting::minCutoffRange.contains(setting->minCutoff)
                      && PersonalSetting::betaRange.contains(setting->beta)
                      && PersonalSetting::stagesRange.contains(setting->stages)
                      && PersonalSetting::strengthRange.contains(setting->strength),
                  "an accepted number lies outside its bounds");
    auto preset = setting->preset();
    fuzz::require(preset.has_value() && preset->id == FilterPreset::ID::personal, "a valid setting gives no preset");
    fuzz::require(preset->parameters.smoothing.minCutoff == setting->minCutoff
                      && preset->parameters.smoothing.beta == setting->beta
                      && preset->parameters.smoothing.stages == setting->stages,
                  "the personal preset does not carry the setting's numbers");
    auto encoded = fuzz::requireRoundTrip(*setting);
    fuzz::require(PersonalSetting::fromJson(encoded) == setting, "a stored setting reads differently as a reply");
    return 0;
}
