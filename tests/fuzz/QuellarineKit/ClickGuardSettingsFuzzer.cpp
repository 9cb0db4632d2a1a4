// The click guard's settings as JSON survive a round trip; an absent limit stays absent.

#include "FuzzCheck.h"

#include "QuellarineKit/Pointer/ClickGuard.h"

using namespace quellarine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto json = fuzz::parseJson(data, size);
    if (!json) {
        return 0;
    }
    auto settings = fuzz::decode<ClickGuard::Settings>(*json);
    if (!settings) {
        return 0;
    }
    auto encoded = fuzz::requireRoundTrip(*settings);
    fuzz::require(encoded.contains("maxPress") == settings->maxPress.has_value()
                      && encoded.contains("repeatWindow") == settings->repeatWindow.has_value(),
                  "an optional limit is written although absent, or left out although present");
    return 0;
}
