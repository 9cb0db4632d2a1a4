#pragma once

#include <cstddef>
#include <vector>

namespace quellarine {

// Sine and cosine of 2π·f·t for evenly spaced frequencies f = first + k·spacing, k = 0 … count − 1.
// A sine and a cosine per line would cost more than all the rest of a canceller step, and more still as the
// phases grow with the uptime the times come from, so only the first line and the spacing are evaluated
// directly and each further line is the previous one rotated by the spacing's angle. Up to a thousand lines
// this stays within a few units in the last place of each line's phase, which is all the direct formula itself
// can promise.
class LineReferences {
public:
    LineReferences(double firstHz, double spacingHz, std::size_t count);

    std::size_t size() const { return sines_.size(); }

    // Fills sines() and cosines() for this time (seconds). Allocates nothing.
    void evaluate(double time);

    const std::vector<double>& sines() const { return sines_; }
    const std::vector<double>& cosines() const { return cosines_; }

private:
    double firstAngular_;   // 2π·first, rad/s
    double spacingAngular_; // 2π·spacing, rad/s
    std::vector<double> sines_;
    std::vector<double> cosines_;
};

} // namespace quellarine
