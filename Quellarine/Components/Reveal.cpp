#include "Quellarine/Components/Reveal.h"

#include "Quellarine/Components/Style/Motion.h"

#include <QEvent>
#include <QPainter>
#include <QPauseAnimation>
#include <QSequentialAnimationGroup>
#include <QVariantAnimation>
#include <QWidget>

#include <cmath>

namespace quellarine {

Reveal* Reveal::apply(QWidget& content, double delay)
{
    auto* reveal = new Reveal(content, delay);
    content.setGraphicsEffect(reveal);
    return reveal;
}

Reveal::Reveal(QWidget& content, double delay)
    : FadingEffect(&content)
    , delay_(std::max(0.0, delay))
    , sequence_(new QSequentialAnimationGroup(this))
    , motion_(new QVariantAnimation(this))
{
    sequence_->addPause(static_cast<int>(std::lround(delay_ * 1000)));
    // The animation only keeps time; the spring turns the elapsed time into progress.
    const int duration = static_cast<int>(std::ceil(spring.settlingTime() * 1000));
    motion_->setDuration(duration);
    motion_->setStartValue(0.0);
    motion_->setEndValue(1.0);
    sequence_->addAnimation(motion_);
    connect(motion_, &QVariantAnimation::valueChanged, this, [this] { update(); });
    connect(sequence_, &QAbstractAnimation::finished, this, [this] {
        // In place: draw the content directly again.
        setEnabled(false);
    });
    connect(&Motion::shared(), &Motion::reduceMotionChanged, this, [this] { updateBoundingRect(); });
    content.installEventFilter(this);
}

QAbstractAnimation& Reveal::animation() const
{
    return *sequence_;
}

double Reveal::progress() const
{
    if (!shown_) {
        return 0.0;
    }
    if (sequence_->state() == QAbstractAnimation::Stopped && sequence_->currentTime() >= sequence_->totalDuration()) {
        return 1.0;
    }
    return spring.value(motion_->currentTime() / 1000.0);
}

qreal Reveal::opacity() const
{
    return progress();
}

qreal Reveal::offset() const
{
    if (Motion::shared().reduceMotion()) {
        return 0.0;
    }
    return rise * (1.0 - progress());
}

void Reveal::appear()
{
    if (shown_) {
        return;
    }
    shown_ = true;
    sequence_->start();
}

bool Reveal::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched == parent()) {
        appear();
    }
    return QGraphicsEffect::eventFilter(watched, event);
}

QRectF Reveal::boundingRectFor(const QRectF& sourceRect) const
{
    // Room for the content while it still sits lower than its place.
    return sourceRect.adjusted(0, 0, 0, Motion::shared().reduceMotion() ? 0 : rise);
}

void Reveal::draw(QPainter* painter)
{
    drawFaded(painter, opacity(), QPointF(0, offset()));
}

} // namespace quellarine
