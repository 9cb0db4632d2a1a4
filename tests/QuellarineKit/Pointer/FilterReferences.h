#pragma once

// Plain, slow re-statements of the filters straight from their formulas, one axis at a time and with the
// library's sine and cosine evaluated directly, for the golden-sequence tests to compare against.

#include "QuellarineKit/Pointer/OneEuroFilter.h"
#include "QuellarineKit/Pointer/TremorCanceller.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace quellarine::reference {

inline double alpha(double cutoff, double dt)
{
    const double tau = 1.0 / (2.0 * std::numbers::pi * cutoff);
    return 1.0 - std::pow(1.0 - 1.0 / (1.0 + tau / 0.008), dt / 0.008);
}

struct XY {
    double x = 0;
    double y = 0;
};

struct OneEuro {
    OneEuroFilter::Parameters p;
    bool started = false;
    double px = 0, py = 0, sx = 0, sy = 0, vx = 0, vy = 0, time = 0, cutoff = 0;

    XY step(double x, double y, double t)
    {
        const bool restart
            = !started || std::isnan(t) || std::isnan(time) || t < time || std::isnan(t - time) || t - time >= 0.5;
        if (restart) {
            started = true;
            px = sx = x;
            py = sy = y;
            vx = vy = 0;
            time = t;
            cutoff = p.minCutoff;
            return {x, y};
        }
        const double dt = std::max(t - time, 0.0005);
        const double dx = x - px;
        const double dy = y - py;
        const double ad = alpha(p.derivativeCutoff, dt);
        const double lag = 1.0 / (2.0 * std::numbers::pi * cutoff);
        const double k = dt / 0.008 * (lag + 0.008) / (lag + dt);
        vx = vx + ad * (dx / dt * k - vx);
        vy = vy + ad * (dy / dt * k - vy);
        const double s = std::sqrt(vx * vx + vy * vy);
        double e = 0;
        if (s - p.speedFloor > 0) {
            e = p.beta * (s - p.speedFloor);
        }
        const double aa = alpha(p.minCutoff + e, dt);
        cutoff = p.minCutoff + e;
        const double ac = alpha(p.minCutoff + p.acrossShare * e, dt);
        double ux = 0, uy = 0;
        if (s > 1e-9) {
            ux = vx / s;
            uy = vy / s;
        }
        const double dot = dx * ux + dy * uy;
        px = px + aa * ux * dot + ac * (dx - ux * dot);
        py = py + aa * uy * dot + ac * (dy - uy * dot);
        if (p.stages >= 2) {
            const double d2x = px - sx;
            const double d2y = py - sy;
            const double dot2 = d2x * ux + d2y * uy;
            sx = sx + aa * ux * dot2 + ac * (d2x - ux * dot2);
            sy = sy + aa * uy * dot2 + ac * (d2y - uy * dot2);
        } else {
            sx = px;
            sy = py;
        }
        time = t;
        return {sx, sy};
    }
};

struct Canceller {
    explicit Canceller(const TremorCanceller::Parameters& parameters)
        : p(parameters)
    {
        const double step = p.stepHz > 0.1 ? p.stepHz : 0.1;
        for (int k = 0; std::fma(k, step, p.lowestHz) <= p.highestHz + 1e-9; ++k) {
            f.push_back(std::fma(k, step, p.lowestHz));
        }
        wsx.assign(f.size(), 0);
        wsy.assign(f.size(), 0);
        wcx.assign(f.size(), 0);
        wcy.assign(f.size(), 0);
    }

    TremorCanceller::Parameters p;
    std::vector<double> f, wsx, wsy, wcx, wcy;
    double ox = 0, oy = 0, scale = 2, trendX = 0, trendY = 0, calm = 0, speed = 0;
    bool hasSlow = false;
    double f1x = 0, f1y = 0, f2x = 0, f2y = 0, slowTime = 0;
    bool hasLast = false;
    double lastX = 0, lastY = 0, lastTime = 0;

    XY restart(double x, double y, double t)
    {
        ox = oy = trendX = trendY = 0;
        speed = 300;
        hasSlow = true;
        f1x = f2x = x;
        f1y = f2y = y;
        slowTime = t;
        hasLast = false;
        return {x, y};
    }

    XY step(double x, double y, double t)
    {
        if (!hasSlow || std::isnan(t) || std::isnan(slowTime) || t < slowTime) {
            return restart(x, y, t);
        }
        const double gap = t - slowTime;
        if (std::isnan(gap) || gap >= 0.5) {
            const double fade = std::isnan(gap) ? 0.0 : std::exp(-gap / 0.5);
            for (std::size_t i = 0; i < f.size(); ++i) {
                wsx[i] *= fade;
                wsy[i] *= fade;
                wcx[i] *= fade;
                wcy[i] *= fade;
            }
            calm *= fade;
            return restart(x, y, t);
        }
        const double dt = gap <= 0.0005 ? 0.0005 : gap;
        const double a = alpha(p.voluntaryCutoff, dt);
        const double n1x = f1x + a * (x - f1x), n1y = f1y + a * (y - f1y);
        const double n2x = f2x + a * (n1x - f2x), n2y = f2y + a * (n1y - f2y);
        std::vector<double> s(f.size()), c(f.size());
        for (std::size_t i = 0; i < f.size(); ++i) {
            s[i] = std::sin(2 * std::numbers::pi * f[i] * t);
            c[i] = std::cos(2 * std::numbers::pi * f[i] * t);
        }
        double ex = x - n2x - ox, ey = y - n2y - oy;
        for (std::size_t i = 0; i < f.size(); ++i) {
            ex -= s[i] * wsx[i] + c[i] * wcx[i];
            ey -= s[i] * wsy[i] + c[i] * wcy[i];
        }
        const double limit = 2.5 * std::max(scale, calm);
        const double length = std::sqrt(ex * ex + ey * ey);
        double ecx = ex, ecy = ey;
        if (length > limit) {
            ecx = ex * limit / length;
            ecy = ey * limit / length;
        }
        const double oldSecondX = f2x, oldSecondY = f2y;
        f1x = n1x + (ex - ecx);
        f1y = n1y + (ey - ecy);
        f2x = n2x + (ex - ecx);
        f2y = n2y + (ey - ecy);
        slowTime = t;
        const double jump = std::max(dt, 0.008);
        const double vx = (n2x - oldSecondX) / dt + (ex - ecx) / jump;
        const double vy = (n2y - oldSecondY) / dt + (ey - ecy) / jump;
        const double v = std::sqrt(vx * vx + vy * vy);
        speed = std::max(v, speed * std::exp(-dt / 0.2));
        const double g = std::min(std::max(2 - speed / 150, 0.0), 1.0);
        trendX += (1 - std::exp(-dt / 0.15)) * (ecx - trendX);
        trendY += (1 - std::exp(-dt / 0.15)) * (ecy - trendY);
        const double m = 0.5 * ((ecx - trendX) * (ecx - trendX) + (ecy - trendY) * (ecy - trendY));
        double r = 1 - std::exp(-dt);
        if (!(scale * scale < m)) {
            r *= g;
        }
        scale = std::max(std::sqrt((1 - r) * scale * scale + r * m), 0.3);
        const double n = dt / 0.008;
        const double keep = p.adaptation <= 0 ? 1.0 : 1 - std::min(p.adaptation, 0.999);
        const double mu = (1 - std::pow(keep, n)) / (static_cast<double>(f.size()) + 1);
        const double lambda = std::pow(0.9995, n);
        ox += mu * ecx;
        oy += mu * ecy;
        double tx = 0, ty = 0;
        for (std::size_t i = 0; i < f.size(); ++i) {
            wsx[i] = lambda * wsx[i] + mu * g * s[i] * ecx;
            wsy[i] = lambda * wsy[i] + mu * g * s[i] * ecy;
            wcx[i] = lambda * wcx[i] + mu * g * c[i] * ecx;
            wcy[i] = lambda * wcy[i] + mu * g * c[i] * ecy;
            tx += s[i] * wsx[i] + c[i] * wcx[i];
            ty += s[i] * wsy[i] + c[i] * wcy[i];
        }
        const double q = (1 - std::exp(-4 * dt)) * g;
        calm = std::sqrt((1 - q) * calm * calm + q * 0.5 * (tx * tx + ty * ty));
        const double outputLimit = 2 * std::sqrt(2.0) * calm;
        const double tl = std::sqrt(tx * tx + ty * ty);
        if (tl > outputLimit) {
            tx = tx * outputLimit / tl;
            ty = ty * outputLimit / tl;
        }
        hasLast = true;
        lastX = tx;
        lastY = ty;
        lastTime = t;
        return {x - p.strength * tx, y - p.strength * ty};
    }

    XY coast(double x, double y, double t) const
    {
        if (!hasLast) {
            return {x, y};
        }
        const double elapsed = t - lastTime;
        const double fade = elapsed >= 0 ? std::exp(-elapsed / 0.05) : 1.0;
        return {x - p.strength * fade * lastX, y - p.strength * fade * lastY};
    }
};

} // namespace quellarine::reference
