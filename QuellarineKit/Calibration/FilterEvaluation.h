#pragma once

#include "QuellarineKit/Calibration/FilterScore.h"
#include "QuellarineKit/Calibration/PointerTrace.h"
#include "QuellarineKit/Pointer/PointerFilter.h"

#include <vector>

namespace quellarine::FilterEvaluation {

// Every operation replays the trace through a fresh filter, pairing points[i] with times[i] for as many indices
// as both have, so nothing carries over from one call to the next.

// The filter's output, one point per replayed sample.
std::vector<Point> run(const PointerFilter::Parameters& parameters, const PointerTrace& trace);

// Residual tremor, lag and settle time, measured from the first sample at or after `skipSeconds` (from the
// start when no sample gets there). NaN, NaN and no settle time without an intended path or with fewer than
// three points.
FilterScore score(const PointerFilter::Parameters& parameters, const PointerTrace& trace, double skipSeconds);

// Residual tremor over the samples from `skipSeconds` on where the intended path stands still. NaN without an
// intended path; 0 when fewer than two samples replay or nothing stands still.
double restingResidual(const PointerFilter::Parameters& parameters, const PointerTrace& trace, double skipSeconds);

} // namespace quellarine::FilterEvaluation
