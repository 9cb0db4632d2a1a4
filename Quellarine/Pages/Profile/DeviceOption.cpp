#include "Quellarine/Pages/Profile/DeviceOption.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/FocusRing.h"
#include "Quellarine/Components/SpringAnimation.h"
#include "Quellarine/Components/Style/Symbols.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Components/MotionAware.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quellarine {

namespace {

constexpr Spring growSpring{.response = 0.3, .dampingFraction = 0.65};

QFont titleFont()
{
    return Typography::system(Typography::pixelSize(Typography::TextStyle::callout), QFont::Medium);
}

} // namespace

DeviceOption::DeviceOption(ProfileStore::Device device, QWidget* parent)
    : DrawnButton(parent)
    , device_(device)
    , grow_(new SpringAnimation(growSpring, this))
{
    setText(title(device));
    setAccessibleName(text());
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    grow_->setStartValue(1.0);
    grow_->setEndValue(1.0);
    connect(grow_, &QVariantAnimation::valueChanged, this, [this] { update(); });
}

QString DeviceOption::title(ProfileStore::Device device)
{
    switch (device) {
    case ProfileStore::Device::mouse:
        return tr("Mouse");
    case ProfileStore::Device::trackpad:
        return tr("Trackpad");
    case ProfileStore::Device::both:
        return tr("Both");
    }
    return {};
}

QString DeviceOption::symbol(ProfileStore::Device device)
{
    switch (device) {
    case ProfileStore::Device::mouse:
        return QStringLiteral("computermouse");
    case ProfileStore::Device::trackpad:
        return QStringLiteral("rectangle.and.hand.point.up.left");
    case ProfileStore::Device::both:
        return QStringLiteral("rectangle.on.rectangle");
    }
    return {};
}

void DeviceOption::setSelected(bool selected)
{
    if (selected == isChecked()) {
        return;
    }
    const QSignalBlocker quiet(this);
    setChecked(selected);
    const qreal target = selected ? selectedScale : 1.0;
    if (!animateUnlessStill(*grow_, scale(), target, this)) {
        update();
    }
}

qreal DeviceOption::scale() const
{
    return grow_->state() == QAbstractAnimation::Running ? grow_->value() : grow_->endValue().toReal();
}

qreal DeviceOption::titleHeight() const
{
    // As laid out, with the script's fallback font, which may be taller than the title font's own lines.
    const QFontMetricsF metrics(titleFont());
    return std::max(metrics.height(),
                    metrics.boundingRect(QRectF(0, 0, 1e6, 1e6), Qt::TextSingleLine, text()).height());
}

QSize DeviceOption::sizeHint() const
{
    const QFontMetrics metrics(titleFont());
    return QSize(std::max(90, metrics.horizontalAdvance(text()) + 24),
                 2 * verticalPadding + symbolSize + spacing + static_cast<int>(std::ceil(titleHeight())));
}

QSize DeviceOption::minimumSizeHint() const
{
    const QFontMetrics metrics(titleFont());
    return QSize(metrics.horizontalAdvance(text()) + 12, sizeHint().height());
}

void DeviceOption::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Grown about the centre; the card leaves room for it by being drawn a little inside its bounds.
    const QRectF bounds = QRectF(rect()).adjusted(4, 3, -4, -3);
    const qreal factor = scale();
    painter.translate(bounds.center());
    painter.scale(factor, factor);
    painter.translate(-bounds.center());

    const bool on = selected();
    const QColor primary = palette().color(QPalette::WindowText);
    if (on) {
        painter.fillPath(ContinuousShape::roundedRect(bounds, cornerRadius), Brand::gradient(bounds, *this));
    } else {
        ContinuousShape::draw(painter, bounds, cornerRadius, withOpacity(primary, 0.05), withOpacity(primary, 0.08));
    }
    if (FocusRing::shows(*this)) {
        FocusRing::draw(painter, bounds, cornerRadius, *this);
    }

    const QColor foreground = on ? QColor(Qt::white) : primary;
    const QFontMetricsF metrics(titleFont());
    const qreal contentHeight = symbolSize + spacing + titleHeight();
    const qreal top = bounds.center().y() - contentHeight / 2;
    const qreal symbolSide = Symbols::sideFor(symbolSize);
    Symbols::paint(
        painter,
        QRectF(bounds.center().x() - symbolSide / 2, top + (symbolSize - symbolSide) / 2, symbolSide, symbolSide),
        symbol(device_), foreground, Symbols::Weight::regular);
    painter.setFont(titleFont());
    painter.setPen(foreground);
    const QRectF titleRect(bounds.left(), top + symbolSize + spacing, bounds.width(), titleHeight());
    painter.drawText(titleRect, Qt::AlignCenter, metrics.elidedText(text(), Qt::ElideRight, bounds.width() - 8));
}

} // namespace quellarine
