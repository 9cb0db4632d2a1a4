#pragma once

#include "Quellarine/Components/Spring.h"

#include <QVariantAnimation>

namespace quellarine {

// Animates a number along a spring: from its start value to its end value as the spring's progress goes from
// 0 to 1, overshooting the end when the spring is underdamped. It runs for the spring's settling time.
class SpringAnimation : public QVariantAnimation {
    Q_OBJECT

public:
    SpringAnimation(Spring spring, QObject* parent = nullptr);

    const Spring& spring() const { return spring_; }

    // Runs from `from` to `to`, starting over if it runs already.
    void animate(qreal from, qreal to);
    // The value as now drawn.
    qreal value() const { return currentValue().toReal(); }

protected:
    QVariant interpolated(const QVariant& from, const QVariant& to, qreal progress) const override;

private:
    Spring spring_;
};

} // namespace quellarine
