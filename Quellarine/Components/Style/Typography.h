#pragma once

#include <QFont>

namespace quellarine {

// The application's fonts. Sizes are device-independent pixels; the face is Inter, with Noto filling in the
// scripts Inter lacks (Arabic, Bengali, Devanagari, Chinese).
class Typography {
public:
    // The named text styles views use, with the sizes of a desktop interface.
    enum class TextStyle { largeTitle, title, title2, title3, headline, body, callout, subheadline, footnote, caption };

    // The face for large headings: the display cut of the same family, drawn more tightly. Monospaced: every
    // character as wide as the next, for version numbers and code.
    enum class Design { standard, rounded, monospaced };

    static double pixelSize(TextStyle style);
    static QFont font(TextStyle style);
    static QFont system(double pixelSize, QFont::Weight weight = QFont::Normal, Design design = Design::standard);

    // The alignment that puts a line of text against the layout's leading edge, whatever the text's own script:
    // the painter would otherwise take its direction from the text, so a Latin name in an Arabic layout (or an
    // Arabic title given a right alignment) would land on the other edge.
    static Qt::Alignment leading(Qt::LayoutDirection direction);
};

} // namespace quellarine
