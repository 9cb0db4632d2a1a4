#pragma once

#include "Quellarine/Components/FadingEffect.h"

#include "Quellarine/Components/Spring.h"

#include <QGraphicsEffect>

namespace quellarine {

class SpringAnimation;

// How a line under a control comes and goes: it fades in while it drops from just above its place, and fades out
// rising back before it is hidden. While motion is reduced it only appears and disappears.
class DropIn : public FadingEffect {
    Q_OBJECT

public:
    static constexpr Spring spring{.response = 0.25};
    // How far above its place the line starts, in pixels.
    static constexpr qreal travel = 8;

    // Puts the transition on `content`, which owns it; the content keeps its current visibility.
    static DropIn* apply(QWidget& content);

    // Shows or hides the content through the transition.
    void setShown(bool shown);
    bool shown() const { return shown_; }
    // 0 while out of sight, 1 in place.
    qreal progress() const;

protected:
    void draw(QPainter* painter) override;
    QRectF boundingRectFor(const QRectF& sourceRect) const override;

private:
    explicit DropIn(QWidget& content);

    QWidget& content_;
    bool shown_;
    SpringAnimation* motion_;
};

} // namespace quellarine
