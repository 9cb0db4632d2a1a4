#include "QuellarineKit/Calibration/CalibrationProtocol.h"

#include <cmath>
#include <cstddef>
#include <numbers>

namespace quellarine {

Point CalibrationProtocol::centre(Size stage)
{
    return {stage.width / 2, stage.height / 2};
}

bool CalibrationProtocol::startsHold(Point point, Size stage)
{
    return point.distance(centre(stage)) < startRadius;
}

Point CalibrationProtocol::dotPosition(double t, Size stage)
{
    return {stage.width * 0.5 + std::sin(t * 2 * std::numbers::pi / acrossPeriod) * acrossAmplitude * stage.width,
            stage.height * 0.5 + std::sin(t * 2 * std::numbers::pi / upDownPeriod) * upDownAmplitude * stage.height};
}

Point CalibrationProtocol::target(int index, Size stage)
{
    const auto& unit = unitTargets.at(static_cast<std::size_t>(index));
    return {unit[0] * stage.width, unit[1] * stage.height};
}

bool CalibrationProtocol::hits(Point at, int index, Size stage)
{
    return at.distance(target(index, stage)) <= hitRadius;
}

} // namespace quellarine
