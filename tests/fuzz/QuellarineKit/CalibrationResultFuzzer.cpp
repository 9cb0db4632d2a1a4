// The last calibration result as the profile stores it: what reads names known presets and survives a round
// trip; "rhythm" stays absent when there is none.

#include "FuzzCheck.h"

#include "QuellarineKit/Calibration/CalibrationResult.h"

#include <algorithm>

using namespace quellarine;

namespace {

bool isKnown(FilterPreset::ID id)
{
    return std::find(FilterPreset::allIDs.begin(), FilterPreset::allIDs.end(), id) != FilterPreset::allIDs.end();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto json = fuzz::parseJson(data, size);
    if (!json) {
        return 0;
    }
    auto result = fuzz::decode<CalibrationResult>(*json);
    if (!result) {
        return 0;
    }
    fuzz::require(isKnown(result->suggested)
                      && std::all_of(result->scores.begin(), result->scores.end(),
                                     [](const auto& score) { return isKnown(score.preset); }),
                  "a decoded result names an unknown preset");
    auto encoded = fuzz::requireRoundTrip(*result);
    fuzz::require(encoded.contains("rhythm") == result->rhythm.has_value(), "\"rhythm\" is written although absent");
    return 0;
}
