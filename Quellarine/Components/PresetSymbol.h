#pragma once

#include "QuellarineKit/Pointer/FilterPreset.h"

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>

class QColor;
class QPainter;

namespace quellarine {

// A preset's symbol: strength bars for the four steady presets, a named symbol for the others.
struct PresetSymbol {
    // The strength level (1 to 4) of a steady preset, else none.
    std::optional<int> bars;
    // The named symbol of the other presets, else empty.
    QString symbol;
    // The text size the named symbol is drawn beside, before scaling.
    qreal fontSize = 0;

    // The natural size of the symbol at a scale.
    QSizeF size(qreal scale) const;
    // Paints the symbol centred in `rect`, in `color`.
    void paint(QPainter& painter, const QRectF& rect, qreal scale, const QColor& color) const;

    bool operator==(const PresetSymbol&) const = default;
};

// The symbol of a preset. Symbols carry no colour of their own: they take the colour of where they are drawn.
PresetSymbol presetSymbol(FilterPreset::ID id);

} // namespace quellarine
