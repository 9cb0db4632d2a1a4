#include "Quellarine/Components/ProminentButton.h"

#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/FocusRing.h"
#include "Quellarine/Desktop/Symbols.h"
#include "Quellarine/Desktop/Typography.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quellarine {

namespace {

// Relative luminance of an sRGB colour, as contrast ratios are computed.
double luminance(const QColor& color)
{
    const auto channel = [](double value) {
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) + 0.0722 * channel(color.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

const QColor ink(0x10, 0x2A, 0x1E);

constexpr qreal symbolGap = 6;

} // namespace

ProminentButton::ProminentButton(const QString& title, DynamicColor tint, QWidget* parent)
    : QPushButton(title, parent)
    , tint_(tint)
{
    setFont(Typography::system(Typography::pixelSize(Typography::TextStyle::body), QFont::DemiBold));
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_Hover);
}

QColor ProminentButton::fillColor() const
{
    QColor fill = tint_.resolve(*this);
    if (!isEnabled()) {
        return withOpacity(fill, 0.35);
    }
    if (isDown()) {
        return fill.darker(118);
    }
    if (underMouse()) {
        return fill.lighter(110);
    }
    return fill;
}

QColor ProminentButton::titleColor() const
{
    const QColor fill = tint_.resolve(*this);
    const QColor title = contrast(Qt::white, fill) >= contrast(ink, fill) ? QColor(Qt::white) : ink;
    return isEnabled() ? title : withOpacity(title, 0.7);
}

void ProminentButton::setSymbol(const QString& symbol)
{
    symbol_ = symbol;
    updateGeometry();
    update();
}

qreal ProminentButton::symbolSide() const
{
    return symbol_.isEmpty() ? 0 : Symbols::sideFor(font().pixelSize() > 0 ? font().pixelSize() : 13) * 0.85;
}

QSize ProminentButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    const qreal symbol = symbol_.isEmpty() ? 0 : symbolSide() + symbolGap;
    return QSize(metrics.horizontalAdvance(text()) + static_cast<int>(std::ceil(symbol)) + 2 * horizontalPadding,
                 height);
}

void ProminentButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body(rect());
    ContinuousShape::draw(painter, body, cornerRadius, fillColor());
    if (FocusRing::shows(*this)) {
        // In the title's colour, which stands out on the fill.
        FocusRing::draw(painter, body.adjusted(2, 2, -2, -2), cornerRadius - 2, titleColor(), 0.8);
    }
    painter.setPen(titleColor());
    painter.setFont(font());
    if (symbol_.isEmpty()) {
        painter.drawText(body, Qt::AlignCenter | Qt::TextSingleLine, text());
        return;
    }
    // The symbol and the title as one group, centred; the symbol leads in either reading direction.
    const qreal side = symbolSide();
    const qreal textWidth = QFontMetricsF(font()).horizontalAdvance(text());
    const qreal groupLeft = body.center().x() - (side + symbolGap + textWidth) / 2;
    QRectF symbolRect(groupLeft, body.center().y() - side / 2, side, side);
    QRectF textRect(groupLeft + side + symbolGap, body.top(), textWidth + 1, body.height());
    if (layoutDirection() == Qt::RightToLeft) {
        symbolRect.moveLeft(body.right() - (symbolRect.left() - body.left()) - side);
        textRect.moveLeft(body.right() - (textRect.left() - body.left()) - textRect.width());
    }
    Symbols::paint(painter, symbolRect, symbol_, titleColor());
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine, text());
}

void ProminentButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
    }
    QPushButton::changeEvent(event);
}

} // namespace quellarine
