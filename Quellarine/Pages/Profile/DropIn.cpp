#include "Quellarine/Pages/Profile/DropIn.h"

#include "Quellarine/Components/SpringAnimation.h"
#include "Quellarine/Components/MotionAware.h"

#include <QPainter>
#include <QWidget>

namespace quellarine {

DropIn* DropIn::apply(QWidget& content)
{
    return new DropIn(content);
}

DropIn::DropIn(QWidget& content)
    : FadingEffect(&content)
    , content_(content)
    , shown_(!content.isHidden())
    , motion_(new SpringAnimation(spring, this))
{
    motion_->setStartValue(shown_ ? 1.0 : 0.0);
    motion_->setEndValue(shown_ ? 1.0 : 0.0);
    connect(motion_, &QVariantAnimation::valueChanged, this, [this] { update(); });
    // Out of sight only once it has risen away; a new showing meanwhile keeps it.
    connect(motion_, &QAbstractAnimation::finished, this, [this] {
        if (!shown_) {
            content_.hide();
        }
    });
    content.setGraphicsEffect(this);
}

qreal DropIn::progress() const
{
    return motion_->state() == QAbstractAnimation::Running ? motion_->value() : motion_->endValue().toReal();
}

void DropIn::setShown(bool shown)
{
    if (shown == shown_) {
        return;
    }
    shown_ = shown;
    const qreal from = progress();
    const qreal to = shown ? 1.0 : 0.0;
    if (shown) {
        content_.show();
    }
    if (!animateUnlessStill(*motion_, from, to, &content_)) {
        content_.setVisible(shown);
        update();
    }
}

QRectF DropIn::boundingRectFor(const QRectF& sourceRect) const
{
    return sourceRect.adjusted(0, -travel, 0, 0);
}

void DropIn::draw(QPainter* painter)
{
    const qreal now = progress();
    drawFaded(painter, std::min<qreal>(now, 1.0), QPointF(0, -(1.0 - now) * travel));
}

} // namespace quellarine
