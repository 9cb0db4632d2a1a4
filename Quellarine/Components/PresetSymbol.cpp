#include "Quellarine/Components/PresetSymbol.h"

#include "Quellarine/Components/StrengthBars.h"
#include "Quellarine/Components/Style/Symbols.h"

#include <QPainter>

namespace quellarine {

QSizeF PresetSymbol::size(qreal scale) const
{
    if (bars) {
        return StrengthBars::size(scale);
    }
    const qreal side = Symbols::sideFor(fontSize * scale);
    return QSizeF(side, side);
}

void PresetSymbol::paint(QPainter& painter, const QRectF& rect, qreal scale, const QColor& color) const
{
    if (bars) {
        StrengthBars::paint(painter, rect, *bars, scale, color);
        return;
    }
    const QSizeF box = size(scale);
    const QRectF frame(rect.center().x() - box.width() / 2, rect.center().y() - box.height() / 2, box.width(),
                       box.height());
    Symbols::paint(painter, frame, symbol, color);
}

PresetSymbol presetSymbol(FilterPreset::ID id)
{
    using ID = FilterPreset::ID;
    const auto bars = [](int level) { return PresetSymbol{.bars = level, .symbol = QString(), .fontSize = 0}; };
    const auto named = [](const char* name, qreal fontSize) {
        return PresetSymbol{.bars = std::nullopt, .symbol = QString::fromLatin1(name), .fontSize = fontSize};
    };
    switch (id) {
    case ID::gentle:
        return bars(1);
    case ID::balanced:
        return bars(2);
    case ID::strong:
        return bars(3);
    case ID::veryStrong:
        return bars(4);
    case ID::precision:
        return named("scope", 17);
    case ID::trackpad:
        return named("rectangle.and.hand.point.up.left", 17);
    case ID::largeMovements:
        return named("arrow.up.left.and.arrow.down.right", 16);
    case ID::personal:
        return named("person.crop.circle", 17);
    }
    return bars(2);
}

} // namespace quellarine
