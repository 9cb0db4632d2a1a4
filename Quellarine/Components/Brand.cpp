#include "Quellarine/Components/Brand.h"

#include "Quellarine/Desktop/Appearance.h"
#include "Quellarine/Desktop/DynamicColor.h"

#include <QWidget>

namespace quellarine {

QColor Brand::warmText(const QWidget& widget)
{
    constexpr double bodyTextContrast = 4.5;
    return readableOn(warm.resolve(widget), widget.palette().color(QPalette::Window), bodyTextContrast);
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
