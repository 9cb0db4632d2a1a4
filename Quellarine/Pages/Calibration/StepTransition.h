#pragma once

#include "Quellarine/Components/FadingEffect.h"
#include "Quellarine/Components/Spring.h"

class QVariantAnimation;
class QWidget;

namespace quellarine {

// How the calibration page's new step comes in: its content fades in along a critically damped spring, then is
// drawn directly again. While motion is reduced the step is simply there.
class StepTransition final : public FadingEffect {
    Q_OBJECT

public:
    static constexpr Spring spring{.response = 0.3, .dampingFraction = 1.0};

    // Fades `content` in from now on; none while motion is reduced.
    static StepTransition* apply(QWidget& content);

    // How far the step has come in: 0 just begun, 1 in place.
    qreal progress() const;

protected:
    void draw(QPainter* painter) override;

private:
    explicit StepTransition(QWidget& content);

    QVariantAnimation* clock_;
};

} // namespace quellarine
