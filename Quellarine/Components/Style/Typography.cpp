#include "Quellarine/Components/Style/Typography.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace quellarine {

double Typography::pixelSize(TextStyle style)
{
    switch (style) {
    case TextStyle::largeTitle:
        return 26;
    case TextStyle::title:
        return 22;
    case TextStyle::title2:
        return 17;
    case TextStyle::title3:
        return 15;
    case TextStyle::headline:
    case TextStyle::body:
        return 13;
    case TextStyle::callout:
        return 12;
    case TextStyle::subheadline:
        return 11;
    case TextStyle::footnote:
    case TextStyle::caption:
        return 10;
    }
    return 13;
}

QFont Typography::font(TextStyle style)
{
    // A headline is the body size in bold; every other style is regular.
    return system(pixelSize(style), style == TextStyle::headline ? QFont::Bold : QFont::Normal);
}

QFont Typography::system(double pixelSize, QFont::Weight weight, Design design)
{
    QFont font;
    QStringList families{QStringLiteral("Inter"), QStringLiteral("Noto Sans")};
    if (design == Design::rounded) {
        families.prepend(QStringLiteral("Inter Display"));
    }
    if (design == Design::monospaced) {
        families = QStringList{QStringLiteral("Noto Sans Mono"), QStringLiteral("DejaVu Sans Mono")};
    }
    font.setFamilies(families);
    font.setStyleHint(design == Design::monospaced ? QFont::Monospace : QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    font.setWeight(weight);
    return font;
}

Qt::Alignment Typography::leading(Qt::LayoutDirection direction)
{
    return Qt::AlignAbsolute | (direction == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft);
}

} // namespace quellarine
