#include "Quellarine/Pages/WhatsNew/CapsuleText.h"

#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/Style/AccessibleRole.h"

#include <QFontMetrics>
#include <QPainter>

namespace quellarine {

CapsuleText::CapsuleText(const QString& text, const QFont& font, std::optional<DynamicColor> color, Style style,
                         QWidget* parent)
    : QWidget(parent)
    , text_(text)
    , color_(color)
    , style_(style)
{
    setFont(font);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(text);
    AccessibleRole::set(*this, QAccessible::StaticText);
}

QColor CapsuleText::color() const
{
    return color_ ? color_->resolve(*this) : palette().color(QPalette::PlaceholderText);
}

QColor CapsuleText::textColor() const
{
    return style_ == Style::filled ? QColor(Qt::white) : color();
}

QColor CapsuleText::fillColor() const
{
    return style_ == Style::filled ? color() : withOpacity(color(), washOpacity);
}

QSize CapsuleText::sizeHint() const
{
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(text_) + 2 * horizontalPadding, metrics.height() + 2 * verticalPadding);
}

void CapsuleText::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    ContinuousShape::drawCapsule(painter, QRectF(rect()), fillColor());
    painter.setPen(textColor());
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text_);
}

} // namespace quellarine
