// A preset as JSON: its identity is one of the known names, and it survives a round trip.

#include "FuzzCheck.h"

#include "QuellarineKit/Pointer/FilterPreset.h"

#include <algorithm>

using namespace quellarine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto json = fuzz::parseJson(data, size);
    if (!json) {
        return 0;
    }
    auto preset = fuzz::decode<FilterPreset>(*json);
    if (!preset) {
        return 0;
    }
    fuzz::require(std::find(FilterPreset::allIDs.begin(), FilterPreset::allIDs.end(), preset->id)
                      != FilterPreset::allIDs.end(),
                  "a decoded preset has an identity outside the known ones");
    fuzz::require(FilterPreset::fromRaw(FilterPreset::rawValue(preset->id)) == preset->id,
                  "a preset's name does not read back as its identity");
    fuzz::requireRoundTrip(*preset);
    return 0;
}
