#include "Quellarine/Pages/Calibration/StepTransition.h"

#include "Quellarine/Components/Style/Motion.h"

#include <QVariantAnimation>
#include <QWidget>

#include <cmath>

namespace quellarine {

StepTransition* StepTransition::apply(QWidget& content)
{
    if (Motion::shared().reduceMotion()) {
        return nullptr;
    }
    auto* transition = new StepTransition(content);
    content.setGraphicsEffect(transition);
    transition->clock_->start();
    return transition;
}

StepTransition::StepTransition(QWidget& content)
    : FadingEffect(&content)
    , clock_(new QVariantAnimation(this))
{
    // The animation only keeps time; the spring turns the elapsed time into progress.
    clock_->setDuration(static_cast<int>(std::ceil(spring.settlingTime() * 1000)));
    clock_->setStartValue(0.0);
    clock_->setEndValue(1.0);
    connect(clock_, &QVariantAnimation::valueChanged, this, [this] { update(); });
    // In place: the content is drawn directly again.
    connect(clock_, &QAbstractAnimation::finished, this, [this] { setEnabled(false); });
}

qreal StepTransition::progress() const
{
    if (clock_->state() == QAbstractAnimation::Stopped) {
        return 1.0;
    }
    return spring.value(clock_->currentTime() / 1000.0);
}

void StepTransition::draw(QPainter* painter)
{
    drawFaded(painter, progress(), QPointF());
}

} // namespace quellarine
