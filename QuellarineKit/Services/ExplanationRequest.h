#pragma once

#include "QuellarineKit/Calibration/CalibrationResult.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace quellarine {

// What an explanation request sends about a calibration result: its numbers, never the recording, the user's
// name or address. Each number is bounded and rounded, so an odd measurement can neither leak more than two
// decimals nor reach the service as something it cannot read.
class ExplanationRequest {
public:
    ExplanationRequest() = delete;

    static constexpr std::size_t maxScores = 8;

    // The "result" object. `device` is the pointing device's raw name, if the user gave one; `mmPerPoint` is the
    // main screen's millimetres per point as measured.
    static nlohmann::json payload(const CalibrationResult& result, const std::optional<std::string>& device,
                                  double mmPerPoint);
    // The whole body: {"lang": language, "result": payload}.
    static nlohmann::json body(const std::string& language, const nlohmann::json& payload);
    // Exactly what the request sends, as the lines the user reads before anything is sent.
    static std::string preview(const nlohmann::json& payload, const std::string& language);
    // The language sent: one of the application's eleven codes, else "en".
    static std::string language(std::string_view running);

    // min(x, cap) to two decimals, halves away from zero; a negative or non-finite x is 0.
    static double clamped(double x, double cap);
};

} // namespace quellarine
