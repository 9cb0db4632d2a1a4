#include "Quellarine/Components/ProminentButton.h"

#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/FocusRing.h"
#include "Quellarine/Components/Style/Symbols.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quellarine {

namespace {

const QColor ink(0x10, 0x2A, 0x1E);

constexpr qreal symbolSpacing = 6;

} // namespace

ProminentButton::ProminentButton(const QString& title, DynamicColor tint, QWidget* parent)
    : QPushButton(title, parent)
    , tint_(tint)
{
    setFont(Typography::system(Typography::pixelSize(Typography::TextStyle::body), QFont::DemiBold));
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_Hover);
    // Return and Enter press it while it has the focus, as Space does.
    setAutoDefault(true);
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
    const QColor title = contrastRatio(Qt::white, fill) >= contrastRatio(ink, fill) ? QColor(Qt::white) : ink;
    return isEnabled() ? title : withOpacity(title, 0.7);
}

void ProminentButton::setSymbol(const QString& symbol)
{
    if (symbol_ != symbol) {
        symbol_ = symbol;
        updateGeometry();
        update();
    }
}

qreal ProminentButton::symbolSide() const
{
    return symbol_.isEmpty() ? 0 : Symbols::sideFor(QFontInfo(font()).pixelSize());
}

QSize ProminentButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    const qreal symbol = symbol_.isEmpty() ? 0 : symbolSide() + symbolSpacing;
    return QSize(metrics.horizontalAdvance(text()) + int(std::ceil(symbol)) + 2 * horizontalPadding, height);
}

void ProminentButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body(rect());
    ContinuousShape::draw(painter, body, cornerRadius, fillColor());
    if (FocusRing::shows(*this)) {
        FocusRing::draw(painter, body, cornerRadius,
                        FocusRing::tones(palette().color(QPalette::Window), tint_.resolve(*this)));
    }
    painter.setPen(titleColor());
    painter.setFont(font());
    if (symbol_.isEmpty()) {
        painter.drawText(body, Qt::AlignCenter | Qt::TextSingleLine, text());
        return;
    }
    // Symbol and title centred together, the symbol on the reading side.
    const qreal side = symbolSide();
    const qreal titleWidth = QFontMetricsF(font()).horizontalAdvance(text());
    const qreal left = (body.width() - side - symbolSpacing - titleWidth) / 2;
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    const qreal symbolLeft = rightToLeft ? body.width() - left - side : left;
    const qreal titleLeft = rightToLeft ? left : left + side + symbolSpacing;
    Symbols::paint(painter, QRectF(symbolLeft, (body.height() - side) / 2, side, side), symbol_, titleColor(),
                   Symbols::weightFor(font().weight()));
    painter.drawText(QRectF(titleLeft, 0, titleWidth, body.height()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip, text());
}

void ProminentButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
    }
    QPushButton::changeEvent(event);
}

} // namespace quellarine
