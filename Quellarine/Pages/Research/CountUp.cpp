#include "Quellarine/Pages/Research/CountUp.h"

#include <QSequentialAnimationGroup>
#include <QVariantAnimation>

#include <algorithm>
#include <cmath>

namespace quellarine {

CountUp::CountUp(double value, double delay, Format format, QWidget* parent)
    : QLabel(parent)
    , value_(value)
    , delay_(std::max(0.0, delay))
    , format_(std::move(format))
    , sequence_(new QSequentialAnimationGroup(this))
    , motion_(new QVariantAnimation(this))
{
    setTextFormat(Qt::PlainText);
    setAccessibleName(format_(value_));

    sequence_->addPause(static_cast<int>(std::lround(delay_ * 1000)));
    motion_->setDuration(static_cast<int>(std::ceil(spring.settlingTime() * 1000)));
    motion_->setStartValue(0.0);
    motion_->setEndValue(1.0);
    sequence_->addAnimation(motion_);
    connect(motion_, &QVariantAnimation::valueChanged, this,
            [this] { display(value_ * spring.value(motion_->currentTime() / 1000.0)); });
    connect(sequence_, &QAbstractAnimation::finished, this, [this] { display(value_); });
    display(0.0);
}

QAbstractAnimation& CountUp::animation() const
{
    return *sequence_;
}

QSize CountUp::sizeHint() const
{
    // Wide enough for the final number from the start, so the numbers passed on the way never shift the layout.
    const QFontMetrics metrics(font());
    const QSize current = QLabel::sizeHint();
    const QMargins margins = contentsMargins();
    const int finalWidth = metrics.horizontalAdvance(format_(value_)) + margins.left() + margins.right() + 2 * margin();
    return QSize(std::max(current.width(), finalWidth), current.height());
}

void CountUp::showEvent(QShowEvent* event)
{
    QLabel::showEvent(event);
    if (!started_) {
        started_ = true;
        sequence_->start();
    }
}

void CountUp::display(double value)
{
    shown_ = value;
    setText(format_(value));
}

} // namespace quellarine
