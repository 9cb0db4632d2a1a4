#include "Quellarine/ToggleSwitch.h"

#include "Quellarine/Brand.h"
#include "Quellarine/ContinuousShape.h"
#include "Quellarine/Desktop/Motion.h"

#include <QFocusEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSignalBlocker>
#include <QVariantAnimation>

namespace quellarine {

namespace {

// Room around the track for the keyboard focus ring.
constexpr int ringMargin = 3;
constexpr int knobInset = 2;
constexpr int knobTravelMilliseconds = 160;

} // namespace

ToggleSwitch::ToggleSwitch(const QString& name, ControlSize size, QWidget* parent)
    : QAbstractButton(parent)
    , size_(size)
    , tint_(Brand::accent)
    , knob_(new QVariantAnimation(this))
{
    setCheckable(true);
    setAccessibleName(name);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    knob_->setDuration(knobTravelMilliseconds);
    knob_->setEasingCurve(QEasingCurve::OutCubic);
    connect(knob_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        position_ = value.toReal();
        update();
    });
    // Only a user's click reaches `clicked`; programmatic changes go through setOn with signals blocked.
    connect(this, &QAbstractButton::clicked, this, [this](bool checked) { emit switched(checked); });
}

void ToggleSwitch::setOn(bool on)
{
    if (on == isChecked()) {
        return;
    }
    const QSignalBlocker blocker(this);
    setChecked(on);
    moveKnob(isVisible());
}

void ToggleSwitch::setTint(const DynamicColor& color, qreal opacity)
{
    if (color == tint_ && opacity == tintOpacity_) {
        return;
    }
    tint_ = color;
    tintOpacity_ = opacity;
    update();
}

QColor ToggleSwitch::tint() const
{
    return withOpacity(tint_.resolve(*this), tintOpacity_);
}

QSize ToggleSwitch::trackSize() const
{
    return size_ == ControlSize::large ? QSize(42, 24) : QSize(34, 20);
}

QSize ToggleSwitch::sizeHint() const
{
    return trackSize() + QSize(2 * ringMargin, 2 * ringMargin);
}

void ToggleSwitch::nextCheckState()
{
    QAbstractButton::nextCheckState();
    moveKnob(true);
}

void ToggleSwitch::checkStateSet()
{
    moveKnob(false);
}

void ToggleSwitch::focusInEvent(QFocusEvent* event)
{
    keyboardFocus_ = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason
        || event->reason() == Qt::ShortcutFocusReason;
    QAbstractButton::focusInEvent(event);
}

void ToggleSwitch::focusOutEvent(QFocusEvent* event)
{
    keyboardFocus_ = false;
    QAbstractButton::focusOutEvent(event);
}

void ToggleSwitch::moveKnob(bool animated)
{
    const qreal target = isChecked() ? 1.0 : 0.0;
    knob_->stop();
    if (!animated || Motion::shared().reduceMotion()) {
        position_ = target;
        update();
        return;
    }
    knob_->setStartValue(position_);
    knob_->setEndValue(target);
    knob_->start();
}

void ToggleSwitch::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled()) {
        painter.setOpacity(0.45);
    }
    const QSize track = trackSize();
    const QRectF trackRect(QPointF((width() - track.width()) / 2.0, (height() - track.height()) / 2.0), track);
    const QColor primary = palette().color(QPalette::WindowText);

    // The track blends from the neutral off colour into the tint as the knob travels.
    const QColor off = withOpacity(primary, 0.14);
    const QColor on = tint();
    QColor fill;
    fill.setRgbF(off.redF() + (on.redF() - off.redF()) * position_, off.greenF() + (on.greenF() - off.greenF()) * position_,
                 off.blueF() + (on.blueF() - off.blueF()) * position_,
                 off.alphaF() + (on.alphaF() - off.alphaF()) * position_);
    ContinuousShape::drawCapsule(painter, trackRect, fill);

    const qreal knobSide = track.height() - 2 * knobInset;
    const qreal travel = track.width() - 2 * knobInset - knobSide;
    const bool leftToRight = layoutDirection() != Qt::RightToLeft;
    const qreal offset = knobInset + travel * (leftToRight ? position_ : 1.0 - position_);
    const QRectF knobRect(trackRect.left() + offset, trackRect.top() + knobInset, knobSide, knobSide);
    // A soft shadow under the knob so that it reads as raised on any track colour.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 28));
    painter.drawEllipse(knobRect.translated(0, 0.75).adjusted(-0.5, -0.5, 0.5, 0.5));
    painter.setBrush(Qt::white);
    painter.drawEllipse(knobRect);

    if (hasFocus() && keyboardFocus_) {
        QPen ring(withOpacity(Brand::accent.resolve(*this), 0.6), 2);
        painter.setPen(ring);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(ContinuousShape::capsule(trackRect.adjusted(-2, -2, 2, 2)));
    }
}

} // namespace quellarine
