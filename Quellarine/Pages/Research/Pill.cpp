#include "Quellarine/Pages/Research/Pill.h"

#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/Style/AccessibleRole.h"
#include "Quellarine/Components/Style/Symbols.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

namespace quellarine {

namespace {

constexpr int iconSpacing = 5;

int iconSide(const QFont& font)
{
    return static_cast<int>(Symbols::sideFor(font.pixelSize()));
}

} // namespace

Pill::Pill(const QString& text, const QString& symbol, DynamicColor color, QWidget* parent)
    : Pill(text, symbol, color, Look{}, parent)
{
}

Pill::Pill(const QString& text, const QString& symbol, DynamicColor color, Look look, QWidget* parent)
    : QWidget(parent)
    , text_(text)
    , symbol_(symbol)
    , color_(color)
    , look_(look)
{
    setFont(Typography::system(Typography::pixelSize(Typography::TextStyle::callout), QFont::Medium));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(text);
    AccessibleRole::set(*this, QAccessible::StaticText);
}

QSize Pill::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int side = iconSide(font());
    return QSize(look_.horizontalPadding + side + iconSpacing + metrics.horizontalAdvance(text_)
                     + look_.horizontalPadding,
                 std::max(metrics.height(), side) + 2 * look_.verticalPadding);
}

void Pill::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor color = color_.resolve(*this);
    ContinuousShape::drawCapsule(painter, QRectF(rect()), withOpacity(color, look_.washOpacity));

    const int horizontalPadding = look_.horizontalPadding;
    const int side = iconSide(font());
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    const int iconLeft = rightToLeft ? width() - horizontalPadding - side : horizontalPadding;
    Symbols::paint(painter, QRectF(iconLeft, (height() - side) / 2.0, side, side), symbol_, color,
                   Symbols::weightFor(font().weight()));

    const int textLeft = rightToLeft ? horizontalPadding : horizontalPadding + side + iconSpacing;
    const QRect textRect(textLeft, 0, width() - horizontalPadding * 2 - side - iconSpacing, height());
    painter.setPen(color);
    painter.setFont(font());
    painter.drawText(textRect, Qt::AlignVCenter | Typography::leading(layoutDirection()) | Qt::TextSingleLine, text_);
}

void Pill::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
    }
    QWidget::changeEvent(event);
}

} // namespace quellarine
