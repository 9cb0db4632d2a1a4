#pragma once

#include <QRectF>
#include <QString>

#include <optional>

#include <vector>

class QWidget;

namespace quellarine::testing {

// What a widget's own painting puts on screen as text: each run of text with the box it takes and the clip the
// painter had, in the widget's coordinates. Recorded by painting the widget alone (not its children) into a
// device that keeps the texts and draws nothing.
struct DrawnText {
    QString text;
    // Where the run's glyphs stand: its advance across, its ascent and descent up and down.
    QRectF box;
    // The painter's clip while it drew, when it had one.
    std::optional<QRectF> clip;

    static std::vector<DrawnText> of(QWidget& widget);
};

} // namespace quellarine::testing
