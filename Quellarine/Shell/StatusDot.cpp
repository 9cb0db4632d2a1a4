#include "Quellarine/Shell/StatusDot.h"

#include "Quellarine/Components/Style/DynamicColor.h"
#include "Quellarine/Components/Style/Motion.h"

#include <QEvent>
#include <QPainter>
#include <QVariantAnimation>

namespace quellarine {

namespace {

// The standard ease-out curve: fast at first, slowing into the end.
QEasingCurve easeOut()
{
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0, 0), QPointF(0.58, 1), QPointF(1, 1));
    return curve;
}

} // namespace

StatusDot::StatusDot(bool on, QWidget* parent)
    : QWidget(parent)
    , on_(on)
    , pulse_(new QVariantAnimation(this))
{
    const int side = frame + 2 * overflow;
    setFixedSize(side, side);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Two phases, each eased on its own: out to the large faded halo, then back.
    pulse_->setDuration(2 * phaseMilliseconds);
    pulse_->setStartValue(0.0);
    pulse_->setEndValue(1.0);
    pulse_->setLoopCount(-1);
    connect(pulse_, &QVariantAnimation::valueChanged, this, [this] { update(); });
    connect(&Motion::shared(), &Motion::reduceMotionChanged, this, [this] { refreshPulse(); });
}

void StatusDot::setOn(bool on)
{
    if (on_ == on) {
        return;
    }
    on_ = on;
    refreshPulse();
    update();
}

bool StatusDot::pulses() const
{
    return pulse_->state() == QAbstractAnimation::Running;
}

qreal StatusDot::phase() const
{
    static const QEasingCurve curve = easeOut();
    const qreal t = pulse_->currentValue().toReal();
    return t < 0.5 ? curve.valueForProgress(t * 2) : 1.0 - curve.valueForProgress((t - 0.5) * 2);
}

qreal StatusDot::haloScaleNow() const
{
    return pulses() ? 1.0 + (haloScale - 1.0) * phase() : 1.0;
}

qreal StatusDot::haloOpacityNow() const
{
    return pulses() ? 0.8 * (1.0 - phase()) : 0.0;
}

void StatusDot::refreshPulse()
{
    const QWidget* top = window();
    const bool wanted
        = on_ && isVisible() && !Motion::shared().reduceMotion() && top != nullptr && top->isActiveWindow();
    if (wanted && !pulses()) {
        pulse_->start();
    } else if (!wanted && pulses()) {
        pulse_->stop();
        pulse_->setCurrentTime(0);
    }
    update();
}

QSize StatusDot::sizeHint() const
{
    const int side = frame + 2 * overflow;
    return QSize(side, side);
}

bool StatusDot::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    // The window passes its activation on to the widgets it holds.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate) {
        refreshPulse();
    }
    return handled;
}

void StatusDot::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refreshPulse();
}

void StatusDot::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    refreshPulse();
}

void StatusDot::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QPointF centre = QRectF(rect()).center();
    const qreal radius = diameter / 2;
    if (!on_) {
        painter.setBrush(withOpacity(palette().color(QPalette::PlaceholderText), 0.5));
        painter.drawEllipse(centre, radius, radius);
        return;
    }
    if (pulses()) {
        const qreal haloRadius = radius * haloScaleNow();
        painter.setBrush(withOpacity(Qt::white, 0.5 * haloOpacityNow()));
        painter.drawEllipse(centre, haloRadius, haloRadius);
    }
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, radius, radius);
}

} // namespace quellarine
