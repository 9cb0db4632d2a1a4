#include "Quellarine/Pages/Help/LinkButton.h"

#include "Quellarine/Components/FocusRing.h"
#include "Quellarine/Components/Style/Symbols.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace quellarine {

LinkButton::LinkButton(const QString& title, const QString& symbol, DynamicColor tint, QWidget* parent)
    : LeadingMarkButton(title, parent)
    , symbol_(symbol)
    , tint_(tint)
{
    setFont(Typography::font(Typography::TextStyle::body));
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

int LinkButton::markSide() const
{
    return static_cast<int>(Symbols::sideFor(QFontInfo(font()).pixelSize()));
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

    const int side = markSide();
    // The symbol sits beside the title's first line.
    const int firstLine = QFontMetrics(font()).height();
    const int textTop = content.top() + std::max(0, (content.height() - heightForWidth(width()) + 2 * focusMargin) / 2);
    const QRect symbolRect(content.left(), textTop + firstLine / 2 - side / 2 + 1, side, side);
    Symbols::paint(painter, QRectF(QStyle::visualRect(layoutDirection(), content, symbolRect)), symbol_, color);

    QFont font = this->font();
    font.setUnderline(isEnabled() && underMouse());
    painter.setFont(font);
    painter.setPen(color);
    const QRect textRect = content.adjusted(side + markSpacing, 0, 0, 0);
    painter.drawText(QStyle::visualRect(layoutDirection(), content, textRect),
                     Qt::AlignVCenter | Typography::leading(layoutDirection()) | Qt::TextWordWrap, text());
}

} // namespace quellarine
