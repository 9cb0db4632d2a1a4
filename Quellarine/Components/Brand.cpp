#include "Quellarine/Components/Brand.h"

#include "Quellarine/Desktop/Appearance.h"
#include "Quellarine/Components/Style/DynamicColor.h"

#include <QWidget>

namespace quellarine {

QColor Brand::warmText(const QWidget& widget)
{
    constexpr double bodyTextContrast = 4.5;
    // A card lays at most a tenth of the text colour (near black, near white in the dark) over the window.
    constexpr qreal cardTint = 0.10;
    const QColor window = widget.palette().color(QPalette::Window);
    const QColor text = Appearance::isDark(widget.palette()) ? QColor(Qt::white) : QColor(Qt::black);
    const QColor card = composited(withOpacity(text, cardTint), window);
    return readableOn(readableOn(warm.resolve(widget), window, bodyTextContrast), card, bodyTextContrast);
}

QLinearGradient Brand::gradient(const QRectF& rect, const QWidget& widget)
{
    return gradient(rect, Appearance::isDark(widget.palette()), widget.layoutDirection());
}

QLinearGradient Brand::gradient(const QRectF& rect, bool dark, Qt::LayoutDirection direction)
{
    const bool leftToRight = direction != Qt::RightToLeft;
    QLinearGradient gradient(leftToRight ? rect.topLeft() : rect.topRight(),
                             leftToRight ? rect.bottomRight() : rect.bottomLeft());
    gradient.setColorAt(0.0, gradientStart.resolve(dark));
    gradient.setColorAt(1.0, deep.resolve(dark));
    return gradient;
}

} // namespace quellarine
