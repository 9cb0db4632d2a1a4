// The saved explanation of a calibration result, as stored in the settings: what reads has texts within their
// limits and survives a round trip, its texts and its personal setting included.

#include "FuzzCheck.h"

#include "Quellarine/Model/ExplainStore.h"

using namespace quellarine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto json = fuzz::parseJson(data, size);
    if (!json) {
        return 0;
    }
    if (auto explanation = fuzz::decode<ExplainStore::Explanation>(*json)) {
        fuzz::require(explanation->summary.size() <= ExplainStore::summaryLimit
                          && explanation->points.size() <= ExplainStore::pointCountLimit,
                      "an explanation with texts past their limits was read");
        fuzz::requireRoundTrip(*explanation);
    }
    return 0;
}
