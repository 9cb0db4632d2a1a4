#pragma once

#include <optional>

namespace quellarine {

// How a pointer filter coped with one trace.
struct FilterScore {
    double residualTremor = 0;      // √(Σ remaining error² / Σ raw error²): 0 all removed, 1 unchanged
    double lagMs = 0;               // mean delay behind the intended path while it moves
    std::optional<double> settleMs; // time to stay within 2 points of the final resting point; none without one

    bool operator==(const FilterScore&) const = default;
};

} // namespace quellarine
