#pragma once

// Synthetic pointer traces for the filter tests.

#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <vector>

namespace quellarine::traces {

struct Sample {
    double x = 0;
    double y = 0;
    double time = 0;
};

// A small deterministic generator, so that every platform sees the same trace.
class Noise {
public:
    explicit Noise(std::uint64_t seed)
        : state_(seed)
    {
    }
    // Uniform in [-1, 1).
    double next()
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11) / 4503599627370496.0 - 1.0;
    }
    // 7, 8 or 9 1024ths of a second: about 120 samples per second, with exactly representable times.
    double step() { return (8 + std::floor(1.5 * next())) / 1024; }

private:
    std::uint64_t state_;
};

inline double tremorX(double t)
{
    return 2.0 * std::sin(2 * std::numbers::pi * 5 * t);
}
inline double tremorY(double t)
{
    return 1.5 * std::sin(2 * std::numbers::pi * 5 * t + 1);
}

// Tremor on drifts and strokes, with every restart path of the filters: equal times, steps shorter than
// 0.5 ms, a 100-point jump, a pause of exactly 0.5 s and one just under it, time going backwards, a time that
// is not a number, and a long pause.
inline std::vector<Sample> goldenTrace()
{
    std::vector<Sample> samples;
    Noise noise(42);
    double t = 5000;
    double x = 400, y = 300;
    auto run = [&](double seconds, double vx, double vy) {
        const double end = t + seconds;
        while (t < end) {
            const double step = noise.step();
            t += step;
            x += vx * step;
            y += vy * step;
            samples.push_back({x + tremorX(t) + 0.2 * noise.next(), y + tremorY(t) + 0.2 * noise.next(), t});
        }
    };
    run(3, 30, 10);
    x += 100; // a sudden large move
    run(1, 30, 10);
    run(0.6, 250, 40); // a stroke at which learning is partly gated
    for (int i = 0; i < 3; ++i) {
        samples.push_back({x + tremorX(t) + noise.next(), y + tremorY(t), t}); // equal times
    }
    for (int i = 0; i < 4; ++i) {
        t += 1.0 / 4096; // shorter than the shortest step
        samples.push_back({x + tremorX(t) + noise.next(), y + tremorY(t), t});
    }
    run(1, 0, 0);
    t += 0.5; // exactly the pause gap
    samples.push_back({x + tremorX(t), y + tremorY(t), t});
    run(1.5, -20, 5);
    t += 0.5 - 1.0 / 8192; // just under it
    samples.push_back({x + tremorX(t), y + tremorY(t), t});
    run(0.5, -20, 5);
    t -= 0.125; // backwards
    samples.push_back({x + tremorX(t), y + tremorY(t), t});
    run(1, 10, -10);
    samples.push_back({x, y, std::numeric_limits<double>::quiet_NaN()});
    run(1, 10, -10);
    t += 0.75;
    run(1, 600, 0); // a fast stroke: learning gated off
    run(1, 0, 0);
    return samples;
}

// Amplitude of the 5 Hz component of a residual, by correlating it with a sine and a cosine.
struct LockIn {
    double sx = 0, cx = 0, sy = 0, cy = 0;
    int count = 0;
    void add(double t, double x, double y)
    {
        const double s = std::sin(2 * std::numbers::pi * 5 * t), c = std::cos(2 * std::numbers::pi * 5 * t);
        sx += s * x;
        cx += c * x;
        sy += s * y;
        cy += c * y;
        ++count;
    }
    double amplitude() const { return 2 * std::sqrt(sx * sx + cx * cx + sy * sy + cy * cy) / count; }
};

} // namespace quellarine::traces
