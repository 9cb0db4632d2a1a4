// The smoothing's parameters as JSON survive a round trip.

#include "FuzzCheck.h"

#include "QuellarineKit/Pointer/OneEuroFilter.h"

using namespace quellarine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto json = fuzz::parseJson(data, size);
    if (!json) {
        return 0;
    }
    if (auto parameters = fuzz::decode<OneEuroFilter::Parameters>(*json)) {
        fuzz::requireRoundTrip(*parameters);
    }
    return 0;
}
