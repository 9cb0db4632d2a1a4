#include "Quellarine/Shell/MenuButton.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/FocusRing.h"
#include "Quellarine/Components/Style/Symbols.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Components/MotionAware.h"

#include <QPainter>
#include <QVariantAnimation>

#include <algorithm>

namespace quellarine {

namespace {

constexpr qreal restOpacity = 0.055;
constexpr qreal hoverOpacity = 0.11;
constexpr int hoverMilliseconds = 120;
constexpr int padding = 12;
constexpr int spacing = 8;
constexpr int symbolWidth = 20;
constexpr int leastHeight = 42;

} // namespace

MenuButton::MenuButton(const QString& title, const QString& symbol, std::optional<DynamicColor> color, QWidget* parent)
    : DrawnButton(parent)
    , symbol_(symbol)
    , color_(color)
    , plateOpacity_(restOpacity)
    , hover_(new QVariantAnimation(this))
{
    setText(title);
    setAccessibleName(title);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    hover_->setDuration(hoverMilliseconds);
    hover_->setEasingCurve(QEasingCurve::OutQuad);
    connect(hover_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        plateOpacity_ = value.toReal();
        update();
    });
}

QColor MenuButton::symbolColor() const
{
    return color_ ? color_->resolve(*this) : palette().color(QPalette::PlaceholderText);
}

QFont MenuButton::titleFont() const
{
    return Typography::system(14, QFont::Medium);
}

QSize MenuButton::sizeHint() const
{
    const QFontMetrics metrics(titleFont());
    return QSize(2 * padding + symbolWidth + spacing + metrics.horizontalAdvance(text()), leastHeight);
}

QSize MenuButton::minimumSizeHint() const
{
    return QSize(2 * padding + symbolWidth + spacing + 24, leastHeight);
}

void MenuButton::setHovering(bool hovering)
{
    if (hovering_ == hovering) {
        return;
    }
    hovering_ = hovering;
    const qreal target = hovering ? hoverOpacity : restOpacity;
    if (!animateUnlessStill(*hover_, plateOpacity_, target, nullptr)) {
        plateOpacity_ = target;
        update();
    }
}

void MenuButton::enterEvent(QEnterEvent* event)
{
    setHovering(true);
    DrawnButton::enterEvent(event);
}

void MenuButton::leaveEvent(QEvent* event)
{
    setHovering(false);
    DrawnButton::leaveEvent(event);
}

void MenuButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor primary = palette().color(QPalette::WindowText);
    const QRectF plate(rect());
    const qreal opacity = isDown() ? hoverOpacity + 0.04 : plateOpacity_;
    ContinuousShape::draw(painter, plate, 10, withOpacity(primary, opacity), withOpacity(primary, 0.06), 1.0);

    const bool leftToRight = layoutDirection() != Qt::RightToLeft;
    const QFont symbolFont = Typography::system(15, QFont::DemiBold);
    const qreal side = Symbols::sideFor(symbolFont.pixelSize());
    const qreal symbolLeft = leftToRight ? padding : width() - padding - symbolWidth;
    Symbols::paint(painter, QRectF(symbolLeft + (symbolWidth - side) / 2, (height() - side) / 2, side, side), symbol_,
                   symbolColor(), Symbols::weightFor(QFont::DemiBold));

    // One line; shrinks down to 75 % of its size before it would be cut.
    const qreal textLeft = padding + symbolWidth + spacing;
    const qreal available = width() - textLeft - padding;
    QFont font = titleFont();
    const int fullSize = font.pixelSize();
    for (int size = fullSize; size >= static_cast<int>(fullSize * 0.75); --size) {
        font.setPixelSize(size);
        if (QFontMetricsF(font).horizontalAdvance(text()) <= available) {
            break;
        }
    }
    painter.setFont(font);
    painter.setPen(primary);
    const QString shown = QFontMetricsF(font).elidedText(text(), Qt::ElideRight, available);
    const QRectF textRect(leftToRight ? textLeft : padding, 0, available, height());
    painter.drawText(textRect, Qt::AlignVCenter | Typography::leading(layoutDirection()), shown);

    if (FocusRing::shows(*this)) {
        FocusRing::draw(painter, plate, 10, *this);
    }
}

} // namespace quellarine
