#pragma once

#include <QObject>

class QLabel;

namespace quellarine {

// Room at the end of a wrapping label's lines for glyphs that reach past their advance, as the tails of Arabic
// letters at a line's left end do: right to left the text is laid out that much inside the label's left edge, so
// no ink is cut off there, while its leading (right) edge stays in line with the texts beside it. Left to right
// the label keeps its edges. Follows the label's direction and font.
class InkRoom : public QObject {
    Q_OBJECT

public:
    static void keep(QLabel& label);

    // The room for a font of this pixel size.
    static int forPixelSize(int pixelSize);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit InkRoom(QLabel& label);
    static void apply(QLabel& label);
};

} // namespace quellarine
