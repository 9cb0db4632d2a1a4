// The canceller's parameters as JSON survive a round trip, and whatever range they ask for builds a bounded
// grid of lines.

#include "FuzzCheck.h"

#include "QuellarineKit/Pointer/TremorCanceller.h"

#include <cmath>

using namespace quellarine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto json = fuzz::parseJson(data, size);
    if (!json) {
        return 0;
    }
    auto parameters = fuzz::decode<TremorCanceller::Parameters>(*json);
    if (!parameters) {
        return 0;
    }
    fuzz::requireRoundTrip(*parameters);
    auto lines = TremorCanceller::lineFrequencies(*parameters);
    fuzz::require(lines.size() <= TremorCanceller::maximumLines, "more lines than the canceller builds");
    for (std::size_t k = 0; k < lines.size(); ++k) {
        fuzz::require(std::isfinite(lines[k]), "a line frequency is not finite");
        fuzz::require(k == 0 || lines[k] > lines[k - 1], "the lines do not rise");
    }
    return 0;
}
