// The service's answer to an explanation request, as the store reads it: the first byte picks the status, the
// rest is the body. Only a 200 with words gives an explanation; it explains this result, offers only a setting in
// range on a preset that was scored, fits in the settings within the size of any answer, and can be stored and read
// back as it is.

#include "FuzzCheck.h"

#include "Quellarine/Model/ExplainStore.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>

using namespace quellarine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    static constexpr std::array<int, 5> statuses{200, 429, 400, 500, 201};
    const int status = statuses[data[0] % statuses.size()];
    const QByteArray body(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    CalibrationResult result;
    result.scores = {{FilterPreset::ID::strong, 0.4, 60}, {FilterPreset::ID::gentle, 0.8, 20}};
    result.date = 812345678.5;

    const auto meaning = ExplainStore::interpret(status, body, result);
    if (const auto* explanation = std::get_if<ExplainStore::Explanation>(&meaning)) {
        fuzz::require(status == 200, "an explanation from a status other than 200");
        fuzz::require(explanation->resultDate == result.date, "the explanation names another result");
        if (const auto& setting = explanation->setting) {
            fuzz::require(setting->isValid(), "a setting out of range was offered");
            fuzz::require(std::any_of(result.scores.begin(), result.scores.end(),
                                      [&](const auto& score) { return score.preset == setting->base; }),
                          "a setting on a preset that was not scored was offered");
        }
        fuzz::require(QByteArray::fromStdString(nlohmann::json(*explanation).dump()).size() <= ExplainStore::sizeLimit,
                      "an explanation stored larger than any answer");
        fuzz::requireRoundTrip(*explanation);
    } else {
        const auto failure = std::get<ExplainStore::Failure>(meaning);
        fuzz::require(failure != ExplainStore::Failure::offline, "an answer read as no answer");
        fuzz::require(status == 429 || failure == ExplainStore::Failure::unavailable,
                      "a status other than 429 gave a daily limit");
    }
    return 0;
}
