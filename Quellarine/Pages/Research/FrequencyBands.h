#pragma once

#include "Quellarine/Pages/Research/ChartCard.h"

namespace quellarine {

class BandStrip;

// Where movement on purpose and a shaking hand lie in times per second: two bands on a number line from 0 to
// `top`, with the two studies behind them and what that means for smoothing.
class FrequencyBands : public ChartCard {
    Q_OBJECT

public:
    static constexpr int spacing = 12;

    explicit FrequencyBands(double top, QWidget* parent = nullptr);

    BandStrip& strip() const { return *strip_; }

private:
    BandStrip* strip_;
};

} // namespace quellarine
