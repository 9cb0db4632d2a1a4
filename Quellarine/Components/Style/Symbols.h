#pragma once

#include <QColor>
#include <QPixmap>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

namespace quellarine {

// The symbols views draw, by the symbol names the views use ("house", "checkmark.circle.fill", ...). The table
// in resources/symbols.tsv maps each name to an icon of the Phosphor set, which the build puts in a resource.
// Symbols carry no colour of their own: each is painted in the colour the caller gives, and cached per name,
// weight, size, colour and pixel ratio.
class Symbols {
public:
    // Line icons come in two weights; solid ("fill") ones look the same in both.
    enum class Weight { regular, bold };

    // Every name in the table, sorted.
    static QStringList names();
    static bool contains(const QString& name);

    // The weight that matches a text weight: semibold and heavier draw the bold icons.
    static Weight weightFor(int fontWeight);

    // The side of the square a symbol takes beside text of this pixel size.
    static qreal sideFor(qreal fontPixelSize);

    // Paints the symbol into the square centred in `rect`. A name outside the table paints nothing and gives
    // false.
    static bool paint(QPainter& painter, const QRectF& rect, const QString& name, const QColor& color,
                      Weight weight = Weight::regular);

    // The symbol as a tinted pixmap of `side` device-independent pixels at the given pixel ratio; null for a
    // name outside the table.
    static QPixmap pixmap(const QString& name, qreal side, const QColor& color, qreal devicePixelRatio,
                          Weight weight = Weight::regular);
};

} // namespace quellarine
