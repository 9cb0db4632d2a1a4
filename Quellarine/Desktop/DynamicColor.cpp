#include "Quellarine/Desktop/DynamicColor.h"

#include "Quellarine/Desktop/Appearance.h"

#include <QWidget>

#include <algorithm>

namespace quellarine {

QColor DynamicColor::resolve(bool dark) const
{
    const QRgb value = dark ? dark_ : light_;
    // The three bytes, each divided by 255, alpha 1.
    return QColor::fromRgb(qRed(value), qGreen(value), qBlue(value));
}

QColor DynamicColor::resolve(const QPalette& palette) const
{
    return resolve(Appearance::isDark(palette));
}

QColor DynamicColor::resolve(const QWidget& widget) const
{
    return resolve(widget.palette());
}

QColor withOpacity(QColor color, qreal opacity)
{
    color.setAlphaF(static_cast<float>(std::clamp(opacity, 0.0, 1.0)));
    return color;
}

} // namespace quellarine
