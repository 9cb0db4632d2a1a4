#pragma once

#include "Quellarine/Components/Spring.h"
#include "Quellarine/Pages/Research/ChartCard.h"
#include "Quellarine/Pages/Research/LagBars.h"

#include <vector>

namespace quellarine {

class Growth;

// How added delay slows reaching a target: one bar per delay, the Balanced preset's marked, growing into place
// when the chart first appears, with the studies behind it and what they found.
class LagChart : public ChartCard {
    Q_OBJECT

public:
    static constexpr int spacing = 12;
    static constexpr double growthDelay = 0.3;
    static constexpr Spring growthSpring{.response = 0.9, .dampingFraction = 0.8};

    // The measurements the research page shows.
    static std::vector<LagBars::Row> studyRows();

    explicit LagChart(std::vector<LagBars::Row> rows, QWidget* parent = nullptr);

    const Growth& growth() const { return *growth_; }
    LagBars& bars() const { return *bars_; }

private:
    Growth* growth_;
    LagBars* bars_;
};

} // namespace quellarine
