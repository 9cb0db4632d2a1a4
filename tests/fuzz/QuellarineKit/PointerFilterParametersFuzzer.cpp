// The filter chain's parameters as JSON survive a round trip, and a chain built from any decoded parameters
// runs a shaky path without undefined behaviour (the sanitizers watch every step).

#include "FuzzCheck.h"

#include "QuellarineKit/Pointer/PointerFilter.h"

#include <cmath>

using namespace quellarine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto json = fuzz::parseJson(data, size);
    if (!json) {
        return 0;
    }
    auto parameters = fuzz::decode<PointerFilter::Parameters>(*json);
    if (!parameters) {
        return 0;
    }
    fuzz::requireRoundTrip(*parameters);

    PointerFilter filter(*parameters);
    fuzz::require(filter.canceller().has_value() == parameters->cancel.has_value(),
                  "the chain's canceller does not follow the parameters");
    // 0.2 s of a 5 Hz shake on a slow sweep at 125 samples per second, then a rest that settles.
    double time = 100;
    for (int step = 0; step < 25; ++step, time += 0.008) {
        const double shake = 3 * std::sin(2 * 3.14159265358979 * 5 * time);
        filter.filter({400 + 40 * time + shake, 300 - shake}, time);
    }
    filter.settle({408, 300}, time + 0.05);
    filter.reset();
    return 0;
}
