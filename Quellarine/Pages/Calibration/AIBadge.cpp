#include "Quellarine/Pages/Calibration/AIBadge.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/Style/Symbols.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QPainter>

namespace quellarine {

namespace {

constexpr qreal horizontalPadding = 8;
constexpr qreal verticalPadding = 2;
constexpr qreal symbolGap = 4;

QFont badgeFont()
{
    QFont font = Typography::font(Typography::TextStyle::callout);
    font.setWeight(QFont::DemiBold);
    return font;
}

} // namespace

AIBadge::AIBadge(bool onColor, QWidget* parent)
    : QWidget(parent)
    , onColor_(onColor)
{
    setAccessibleName(text());
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QString AIBadge::text() const
{
    return tr("AI-assisted");
}

QSize AIBadge::sizeHint() const
{
    const QFontMetricsF metrics(badgeFont());
    const qreal side = Symbols::sideFor(badgeFont().pixelSize());
    return QSizeF(2 * horizontalPadding + side + symbolGap + metrics.horizontalAdvance(text()),
                  2 * verticalPadding + std::max(side, metrics.height()))
        .toSize()
        .grownBy({1, 0, 1, 0});
}

void AIBadge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor accent = Brand::accent.resolve(*this);
    const QColor foreground = onColor_ ? QColor(Qt::white) : accent;
    ContinuousShape::drawCapsule(painter, rect(),
                                 withOpacity(onColor_ ? QColor(Qt::white) : accent, onColor_ ? 0.16 : 0.12));
    const qreal side = Symbols::sideFor(badgeFont().pixelSize());
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    const qreal symbolLeft = rightToLeft ? width() - horizontalPadding - side : horizontalPadding;
    Symbols::paint(painter, QRectF(symbolLeft, (height() - side) / 2, side, side), QStringLiteral("sparkles"),
                   foreground, Symbols::Weight::bold);
    painter.setFont(badgeFont());
    painter.setPen(foreground);
    const QRectF textArea = rect().adjusted(horizontalPadding + side + symbolGap, 0, -horizontalPadding, 0);
    painter.drawText(rightToLeft ? QRectF(horizontalPadding, 0, textArea.width(), height()) : textArea,
                     Qt::AlignVCenter | Qt::AlignLeft, text());
}

} // namespace quellarine
