#include "Quellarine/Switch.h"

#include "Quellarine/ContinuousShape.h"
#include "Quellarine/FocusRing.h"
#include "Quellarine/Desktop/Motion.h"
#include "Quellarine/Desktop/Typography.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QVariantAnimation>

namespace quellarine {

Switch::Switch(const QString& label, DynamicColor tint, QWidget* parent)
    : QAbstractButton(parent)
    , tint_(tint)
    , animation_(new QVariantAnimation(this))
{
    setText(label);
    setCheckable(true);
    setFont(Typography::font(Typography::TextStyle::body));
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_Hover);

    animation_->setDuration(150);
    animation_->setEasingCurve(QEasingCurve::OutCubic);
    connect(animation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        knob_ = value.toReal();
        update();
    });
}

void Switch::checkStateSet()
{
    QAbstractButton::checkStateSet();
    animation_->stop();
    const qreal target = isChecked() ? 1.0 : 0.0;
    // Hidden switches and reduced motion take the new position at once.
    if (!isVisible() || Motion::shared().reduceMotion()) {
        knob_ = target;
        update();
        return;
    }
    animation_->setStartValue(knob_);
    animation_->setEndValue(target);
    animation_->start();
}

QRect Switch::trackRect() const
{
    const QRect track(width() - focusMargin - trackSize.width(), (height() - trackSize.height()) / 2,
                      trackSize.width(), trackSize.height());
    return QStyle::visualRect(layoutDirection(), rect(), track);
}

QSize Switch::sizeHint() const
{
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(text()) + labelSpacing + trackSize.width() + focusMargin,
                 std::max(metrics.height(), trackSize.height()) + 2 * focusMargin);
}

bool Switch::hitButton(const QPoint& position) const
{
    return rect().contains(position);
}

void Switch::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    const QColor text = palette().color(group, QPalette::WindowText);

    const QRect labelRect(0, 0, width() - focusMargin - trackSize.width() - labelSpacing, height());
    painter.setFont(font());
    painter.setPen(text);
    painter.drawText(QStyle::visualRect(layoutDirection(), rect(), labelRect),
                     Qt::AlignVCenter | Qt::AlignLeading | Qt::TextSingleLine, this->text());

    const QRectF track = trackRect();
    const QColor on = tint_.resolve(*this);
    const QColor off = withOpacity(palette().color(QPalette::WindowText), 0.16);
    QColor fill = QColor::fromRgbF(off.redF() + (on.redF() - off.redF()) * knob_,
                                   off.greenF() + (on.greenF() - off.greenF()) * knob_,
                                   off.blueF() + (on.blueF() - off.blueF()) * knob_,
                                   off.alphaF() + (on.alphaF() - off.alphaF()) * knob_);
    if (!isEnabled()) {
        fill = withOpacity(fill, fill.alphaF() * 0.5);
    }
    if (FocusRing::shows(*this)) {
        FocusRing::draw(painter, track.adjusted(-focusMargin, -focusMargin, focusMargin, focusMargin),
                        (track.height() + 2 * focusMargin) / 2.0, on);
    }
    ContinuousShape::drawCapsule(painter, track, fill);

    const qreal side = track.height() - 2 * knobInset;
    const qreal travel = track.width() - 2 * knobInset - side;
    const qreal offset = layoutDirection() == Qt::RightToLeft ? travel * (1 - knob_) : travel * knob_;
    const QRectF knob(track.left() + knobInset + offset, track.top() + knobInset, side, side);
    painter.setPen(QPen(withOpacity(Qt::black, 0.12), 0.5));
    painter.setBrush(isEnabled() ? QColor(Qt::white) : QColor(0xF2, 0xF2, 0xF2));
    painter.drawEllipse(knob);
}

void Switch::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
    }
    QAbstractButton::changeEvent(event);
}

} // namespace quellarine
