#pragma once

#include "Quellarine/Components/Spring.h"
#include "Quellarine/Pages/Research/ChartCard.h"

namespace quellarine {

class Growth;

// How much of a shake is left at the same 25 ms delay: plain smoothing against Quellarine's Balanced preset, as
// two bars that grow when the chart first appears, with how the filter does it and the sources.
class ShakeLeft : public ChartCard {
    Q_OBJECT

public:
    static constexpr int spacing = 14;
    static constexpr double growthDelay = 0.4;
    static constexpr Spring growthSpring{.response = 1.0, .dampingFraction = 0.8};

    // What is left of the shake, as a share of it, as the own measurement cited under the chart gives it.
    static constexpr double plainSmoothingLeft = 0.66;
    static constexpr double balancedLeft = 0.07;

    static constexpr int barHeight = 12;
    // The shortest a bar is drawn, so that even an empty one shows.
    static constexpr double stubLength = 8;

    // A bar's length in a track `width` wide at this progress of the growth.
    static double barLength(double value, double width, double progress);

    explicit ShakeLeft(QWidget* parent = nullptr);

    const Growth& growth() const { return *growth_; }

private:
    QWidget* group(const QString& label, double value, bool balanced);

    Growth* growth_;
};

} // namespace quellarine
