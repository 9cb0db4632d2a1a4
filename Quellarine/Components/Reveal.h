#pragma once

#include "Quellarine/Components/FadingEffect.h"

#include "Quellarine/Components/Spring.h"

#include <QGraphicsEffect>

class QAbstractAnimation;
class QVariantAnimation;
class QSequentialAnimationGroup;

namespace quellarine {

// The entrance of a block of a page: hidden until it is first shown, then, after its delay, it fades in and
// rises 14 pixels into place on a spring without overshoot. While motion is reduced it only fades in, with the
// same timing. Pages stagger their blocks with delays that grow in fixed steps.
class Reveal : public FadingEffect {
    Q_OBJECT

public:
    static constexpr qreal rise = 14;
    static constexpr Spring spring{.response = 0.5};

    // Puts the entrance on `content`, which owns it.
    static Reveal* apply(QWidget& content, double delay);

    double delay() const { return delay_; }
    // Whether the content has appeared (its entrance has begun).
    bool shown() const { return shown_; }
    // The content's opacity and its downward offset in pixels, as now drawn.
    qreal opacity() const;
    qreal offset() const;

    // The delay and the spring, one after the other; runs once the content is shown.
    QAbstractAnimation& animation() const;

protected:
    void draw(QPainter* painter) override;
    QRectF boundingRectFor(const QRectF& sourceRect) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Reveal(QWidget& content, double delay);
    void appear();
    double progress() const;

    double delay_;
    bool shown_ = false;
    QSequentialAnimationGroup* sequence_;
    QVariantAnimation* motion_;
};

} // namespace quellarine
