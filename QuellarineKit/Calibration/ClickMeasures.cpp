#include "QuellarineKit/Calibration/ClickMeasures.h"

#include "QuellarineKit/Calibration/Median.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace quellarine::Calibration {

namespace {

int clampedToInt(std::int64_t value)
{
    return static_cast<int>(
        std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

ClickMeasures ClickMeasures::of(const std::vector<CalibrationRecording::Click>& clicks)
{
    std::vector<double> durations, slips;
    durations.reserve(clicks.size());
    slips.reserve(clicks.size());
    std::int64_t hits = 0, extras = 0;
    for (std::size_t i = 0; i < clicks.size(); ++i) {
        const auto& click = clicks[i];
        durations.push_back(click.up - click.down);
        slips.push_back(click.downAt.distance(click.upAt));
        hits += click.hit ? 1 : 0;
        if (i > 0) {
            const auto& previous = clicks[i - 1];
            if (click.down - previous.up < extraClickGap && previous.upAt.distance(click.downAt) < extraClickDistance) {
                ++extras;
            }
        }
    }
    ClickMeasures measures;
    measures.press = median(durations);
    measures.slip = median(slips);
    measures.extraClicks = clampedToInt(extras);
    measures.misses = clampedToInt(static_cast<std::int64_t>(clicks.size()) - hits - extras);
    measures.hasShortTap = std::any_of(durations.begin(), durations.end(), [](double d) { return d < shortTap; });
    return measures;
}

} // namespace quellarine::Calibration
