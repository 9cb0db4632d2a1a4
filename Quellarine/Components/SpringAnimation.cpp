#include "Quellarine/Components/SpringAnimation.h"

#include <cmath>

namespace quellarine {

SpringAnimation::SpringAnimation(Spring spring, QObject* parent)
    : QVariantAnimation(parent)
    , spring_(spring)
{
    // The animation only keeps time; the spring turns the elapsed time into progress.
    setDuration(std::max(1, static_cast<int>(std::ceil(spring_.settlingTime() * 1000))));
    setEasingCurve(QEasingCurve::Linear);
    setStartValue(0.0);
    setEndValue(0.0);
}

void SpringAnimation::animate(qreal from, qreal to)
{
    stop();
    setStartValue(from);
    setEndValue(to);
    start();
}

QVariant SpringAnimation::interpolated(const QVariant& from, const QVariant& to, qreal progress) const
{
    if (progress >= 1.0) {
        return to;
    }
    const double seconds = progress * duration() / 1000.0;
    const qreal start = from.toReal();
    return start + (to.toReal() - start) * spring_.value(seconds);
}

} // namespace quellarine
