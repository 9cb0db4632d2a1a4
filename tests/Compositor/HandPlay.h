#pragma once

#include "tests/QuellarineKit/Support/HandPath.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>
#include <thread>

namespace quellarine::testing {

// Plays one of the tests' hand paths in real time at 125 reports a second (1000 for a name ending in "-1khz", as a
// gaming mouse reports), in whole steps of the device, `unitsPerPoint` of them to a point of the path, through
// `move` (a report that is late carries the motion of those it missed), and writes per report
// "sample MS DX DY IX IY" to `log`: the clock (CLOCK_MONOTONIC, milliseconds), the motion sent so far (in points)
// and where the hand meant to be by then, both from the path's start; then "played NAME DX DY".
// The compositor test's hand and its X11 counterpart share it, so both sessions play exactly the same hand.
// Returns false for a path it does not know.
inline bool playHandPath(const std::string& name, const std::function<void(int, int)>& move, std::FILE* log,
                         double unitsPerPoint = 1)
{
    using Path = Vector (*)(double);
    Path path = nullptr;
    Path intent = nullptr;
    double duration = 0;
    const std::string fast = "-1khz";
    const bool everyMillisecond = name.size() > fast.size() && name.ends_with(fast);
    const std::string shape = everyMillisecond ? name.substr(0, name.size() - fast.size()) : name;
    if (shape == "drift") {
        path = driftPath;
        intent = driftPathIntent;
        duration = driftPathDuration;
    } else if (shape == "sweep") {
        path = handPath;
        intent = handPathIntent;
        duration = handPathDuration;
    } else {
        return false;
    }
    const double interval = everyMillisecond ? 0.001 : 0.008;
    Vector sent;
    auto begin = std::chrono::steady_clock::now();
    for (int step = 1; step * interval <= duration + 1e-9; ++step) {
        std::this_thread::sleep_until(begin + std::chrono::duration<double>(step * interval));
        // Woken late (a busy or emulated machine), it reports once the motion of the reports it missed, as a mouse
        // sums its counts until it is next polled: never a burst of reports at one instant.
        const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        step = std::max(step,
                        std::min(int(std::floor(elapsed / interval + 1e-9)), int(std::floor(duration / interval))));
        double t = step * interval;
        Vector wanted = path(t) * unitsPerPoint;
        int dx = int(std::lround(wanted.dx - sent.dx));
        int dy = int(std::lround(wanted.dy - sent.dy));
        if (dx != 0 || dy != 0) {
            move(dx, dy);
            sent = sent + Vector{double(dx), double(dy)};
        }
        const Vector sentPoints = sent / unitsPerPoint;
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        Vector meant = intent(t);
        std::fprintf(log, "sample %.3f %g %g %.3f %.3f\n", double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6,
                     sentPoints.dx, sentPoints.dy, meant.dx, meant.dy);
    }
    std::fprintf(log, "played %s %g %g\n", name.c_str(), sent.dx / unitsPerPoint, sent.dy / unitsPerPoint);
    std::fflush(log);
    return true;
}

} // namespace quellarine::testing
