#include "Quellarine/Components/ToggleSwitch.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/FocusRing.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Components/MotionAware.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QVariantAnimation>

namespace quellarine {

namespace {

// Room around the track for the keyboard focus ring.
constexpr int ringMargin = 5;
// Two whole pixels, so the straight edges are drawn in the full colour rather than blended with the backdrop.
constexpr qreal outlineWidth = 2.0;
constexpr double outlineContrast = 3.0;
constexpr int knobInset = 2;
constexpr int labelSpacing = 10;
constexpr int knobTravelMilliseconds = 160;

} // namespace

ToggleSwitch::ToggleSwitch(const QString& name, ControlSize size, QWidget* parent)
    : ToggleSwitch(name, Label::hidden, size, parent)
{
}

ToggleSwitch::ToggleSwitch(const QString& name, Label label, ControlSize size, QWidget* parent)
    : DrawnButton(parent)
    , size_(size)
    , labelShown_(label == Label::shown)
    , tint_(Brand::accent)
    , knob_(new QVariantAnimation(this))
{
    setCheckable(true);
    setAccessibleName(name);
    if (labelShown_) {
        setText(name);
        setFont(Typography::font(Typography::TextStyle::body));
    }
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

QRectF ToggleSwitch::trackRect() const
{
    const QSize track = trackSize();
    if (!labelShown_) {
        return QRectF(QPointF((width() - track.width()) / 2.0, (height() - track.height()) / 2.0), track);
    }
    // After the label, at the trailing end.
    const QRect trailing(width() - ringMargin - track.width(), (height() - track.height()) / 2, track.width(),
                         track.height());
    return QStyle::visualRect(layoutDirection(), rect(), trailing);
}

QSize ToggleSwitch::sizeHint() const
{
    const QSize track = trackSize() + QSize(2 * ringMargin, 2 * ringMargin);
    if (!labelShown_) {
        return track;
    }
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(text()) + labelSpacing + track.width(),
                 std::max(metrics.height() + 2 * ringMargin, track.height()));
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

void ToggleSwitch::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
    }
    DrawnButton::changeEvent(event);
}

void ToggleSwitch::moveKnob(bool animated)
{
    const qreal target = isChecked() ? 1.0 : 0.0;
    knob_->stop();
    if (!animated || !animateUnlessStill(*knob_, position_, target, nullptr)) {
        position_ = target;
        update();
    }
}

void ToggleSwitch::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled()) {
        painter.setOpacity(0.45);
    }
    const QColor primary = palette().color(QPalette::WindowText);
    const QRectF trackRect = this->trackRect();

    if (labelShown_) {
        const QRect labelRect(0, 0, width() - ringMargin - trackSize().width() - labelSpacing, height());
        painter.setFont(font());
        painter.setPen(primary);
        painter.drawText(QStyle::visualRect(layoutDirection(), rect(), labelRect),
                         Qt::AlignVCenter | Typography::leading(layoutDirection()) | Qt::TextSingleLine, text());
    }

    // The track blends from the neutral off colour into the tint as the knob travels.
    const QColor off = withOpacity(primary, 0.14);
    const QColor on = tint();
    QColor fill;
    fill.setRgbF(
        off.redF() + (on.redF() - off.redF()) * position_, off.greenF() + (on.greenF() - off.greenF()) * position_,
        off.blueF() + (on.blueF() - off.blueF()) * position_, off.alphaF() + (on.alphaF() - off.alphaF()) * position_);
    ContinuousShape::drawCapsule(painter, trackRect, fill);
    if (position_ < 1) {
        // The pale off track alone would barely stand out from the window: an outline that does, fading out as
        // the switch turns on. It is measured against the off track on the window, which is darker than every
        // card the switch sits on, so that it stands apart on both sides of its edge.
        const QColor window = palette().color(QPalette::Window);
        const QColor outline
            = readableOn(palette().color(QPalette::PlaceholderText), composited(off, window), outlineContrast);
        const qreal inset = outlineWidth / 2;
        painter.strokePath(ContinuousShape::capsule(trackRect.adjusted(inset, inset, -inset, -inset)),
                           QPen(withOpacity(outline, 1.0 - position_), outlineWidth));
    }

    const QSizeF track = trackRect.size();
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

    if (FocusRing::shows(*this)) {
        // Around the track, clear of it, so that the track's own colours stay readable.
        const QRectF ring
            = trackRect.adjusted(-FocusRing::width, -FocusRing::width, FocusRing::width, FocusRing::width);
        FocusRing::draw(painter, ring, ring.height() / 2, *this);
    }
}

} // namespace quellarine
