#include "Quellarine/Pages/Help/LinkButton.h"

#include "Quellarine/Components/FocusRing.h"
#include "Quellarine/Desktop/Symbols.h"
#include "Quellarine/Desktop/Typography.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

namespace quellarine {

LinkButton::LinkButton(const QString& title, const QString& symbol, DynamicColor tint, QWidget* parent)
    : DrawnButton(parent)
    , symbol_(symbol)
    , tint_(tint)
{
    setText(title);
    setFont(Typography::font(Typography::TextStyle::body));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_Hover);
}

QColor LinkButton::color() const
{
    if (!isEnabled()) {
        return palette().color(QPalette::Disabled, QPalette::WindowText);
    }
    const QColor tint = tint_.resolve(*this);
    return isDown() ? withOpacity(tint, 0.6) : tint;
}

int LinkButton::symbolSide() const
{
    return static_cast<int>(Symbols::sideFor(QFontInfo(font()).pixelSize()));
}

QSize LinkButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int side = symbolSide();
    return QSize(side + symbolSpacing + metrics.horizontalAdvance(text()) + 2 * focusMargin,
                 std::max(DrawnButton::minimumTargetSide, std::max(side, metrics.height()) + 2 * focusMargin));
}

void LinkButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect content = rect().adjusted(focusMargin, focusMargin, -focusMargin, -focusMargin);
    const QColor color = this->color();

    if (FocusRing::shows(*this)) {
        FocusRing::draw(painter, QRectF(rect()), 5, *this);
    }

    const int side = symbolSide();
    const QRect symbolRect(content.left(), content.center().y() - side / 2 + 1, side, side);
    Symbols::paint(painter, QRectF(QStyle::visualRect(layoutDirection(), content, symbolRect)), symbol_, color);

    QFont font = this->font();
    font.setUnderline(isEnabled() && underMouse());
    painter.setFont(font);
    painter.setPen(color);
    const QRect textRect = content.adjusted(side + symbolSpacing, 0, 0, 0);
    painter.drawText(QStyle::visualRect(layoutDirection(), content, textRect),
                     Qt::AlignVCenter | Typography::leading(layoutDirection()) | Qt::TextSingleLine, text());
}

void LinkButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
    }
    DrawnButton::changeEvent(event);
}

} // namespace quellarine
