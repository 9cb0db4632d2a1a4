#include "Quellarine/Pages/Help/LinkButton.h"

#include "Quellarine/Components/FocusRing.h"
#include "Quellarine/Components/Style/Symbols.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>

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
    QSizePolicy policy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
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

int LinkButton::textWidth(int width) const
{
    return std::max(1, width - symbolSide() - symbolSpacing - 2 * focusMargin);
}

QSize LinkButton::sizeHint() const
{
    // The title as laid out on one line (mixed scripts included), with a pixel to spare for rounding.
    const qreal title = QFontMetricsF(font()).boundingRect(QRectF(0, 0, 1e6, 1e6), Qt::TextSingleLine, text()).width();
    const int width = symbolSide() + symbolSpacing + static_cast<int>(std::ceil(title)) + 1 + 2 * focusMargin;
    return QSize(width, heightForWidth(width));
}

QSize LinkButton::minimumSizeHint() const
{
    // The longest word decides how narrow the button may get.
    const QFontMetrics metrics(font());
    int word = 0;
    for (const QString& part : text().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        word = std::max(word, metrics.horizontalAdvance(part));
    }
    const int width = symbolSide() + symbolSpacing + word + 2 * focusMargin;
    return QSize(width, heightForWidth(std::max(width, this->width())));
}

int LinkButton::heightForWidth(int width) const
{
    const QFontMetrics metrics(font());
    const int lines = metrics.boundingRect(QRect(0, 0, textWidth(width), 100000), Qt::TextWordWrap, text()).height();
    return std::max(DrawnButton::minimumTargetSide, std::max(symbolSide(), lines) + 2 * focusMargin);
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
    // The symbol sits beside the title's first line.
    const int firstLine = QFontMetrics(font()).height();
    const int textTop = content.top() + std::max(0, (content.height() - heightForWidth(width()) + 2 * focusMargin) / 2);
    const QRect symbolRect(content.left(), textTop + firstLine / 2 - side / 2 + 1, side, side);
    Symbols::paint(painter, QRectF(QStyle::visualRect(layoutDirection(), content, symbolRect)), symbol_, color);

    QFont font = this->font();
    font.setUnderline(isEnabled() && underMouse());
    painter.setFont(font);
    painter.setPen(color);
    const QRect textRect = content.adjusted(side + symbolSpacing, 0, 0, 0);
    painter.drawText(QStyle::visualRect(layoutDirection(), content, textRect),
                     Qt::AlignVCenter | Typography::leading(layoutDirection()) | Qt::TextWordWrap, text());
}

void LinkButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
    }
    DrawnButton::changeEvent(event);
}

} // namespace quellarine
