#include "Quellarine/Components/Style/DynamicColor.h"

#include "Quellarine/Desktop/Appearance.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

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

QColor blend(const QColor& from, const QColor& to, qreal amount)
{
    const auto mix = [amount](float a, float b) { return a + (b - a) * static_cast<float>(amount); };
    QColor result;
    result.setRgbF(mix(from.redF(), to.redF()), mix(from.greenF(), to.greenF()), mix(from.blueF(), to.blueF()),
                   mix(from.alphaF(), to.alphaF()));
    return result;
}

QColor composited(const QColor& over, const QColor& under)
{
    const float alpha = over.alphaF();
    const auto mix = [alpha](float top, float bottom) { return top * alpha + bottom * (1 - alpha); };
    return QColor::fromRgbF(mix(over.redF(), under.redF()), mix(over.greenF(), under.greenF()),
                            mix(over.blueF(), under.blueF()));
}

namespace {

double luminance(const QColor& color)
{
    const auto channel
        = [](double value) { return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) + 0.0722 * channel(color.blueF());
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& ink, const QColor& background, double ratio)
{
    const QColor target = luminance(background) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
    // Twenty small steps towards black or white; the first that reads well enough.
    for (int step = 0; step <= 20; ++step) {
        const QColor candidate = composited(withOpacity(target, step / 20.0), ink);
        if (contrastRatio(candidate, background) >= ratio) {
            return candidate;
        }
    }
    return target;
}

} // namespace quellarine
