#include "Quellarine/Pages/Research/Growth.h"

#include <QEvent>
#include <QSequentialAnimationGroup>
#include <QVariantAnimation>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace quellarine {

Growth::Growth(QWidget& chart, double delay, Spring spring)
    : QObject(&chart)
    , delay_(std::max(0.0, delay))
    , spring_(spring)
    , sequence_(new QSequentialAnimationGroup(this))
    , motion_(new QVariantAnimation(this))
{
    sequence_->addPause(static_cast<int>(std::lround(delay_ * 1000)));
    // The animation only keeps time; the spring turns the elapsed time into progress.
    motion_->setDuration(std::max(1, static_cast<int>(std::ceil(spring_.settlingTime() * 1000))));
    motion_->setStartValue(0.0);
    motion_->setEndValue(1.0);
    sequence_->addAnimation(motion_);
    connect(motion_, &QVariantAnimation::valueChanged, this, &Growth::progressed);
    connect(sequence_, &QAbstractAnimation::finished, this, &Growth::progressed);
    chart.installEventFilter(this);
}

double Growth::progress() const
{
    if (!grown_) {
        return 0.0;
    }
    if (sequence_->state() == QAbstractAnimation::Stopped && sequence_->currentTime() >= sequence_->totalDuration()) {
        return 1.0;
    }
    return spring_.value(motion_->currentTime() / 1000.0);
}

QAbstractAnimation& Growth::animation() const
{
    return *sequence_;
}

bool Growth::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched == parent() && !grown_) {
        grown_ = true;
        sequence_->start();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quellarine
