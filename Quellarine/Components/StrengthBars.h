#pragma once

#include <QWidget>

namespace quellarine {

// The strength symbol of the four steady presets: four bars rising from left to right, the first `level` of
// them solid and the rest faint. Drawn in the widget's foreground colour.
class StrengthBars : public QWidget {
    Q_OBJECT

public:
    static constexpr int barCount = 4;
    static constexpr qreal faintOpacity = 0.25;

    StrengthBars(int level, qreal scale, QWidget* parent = nullptr);

    int level() const { return level_; }
    qreal scale() const { return scale_; }

    // The bars' size at a scale: 4 bars 4.5 wide and 2.5 apart, the tallest 19 high.
    static QSizeF size(qreal scale);
    // Bar `index` (1 to 4), placed in a box of `size(scale)` at the origin, bottoms aligned.
    static QRectF barRect(int index, qreal scale);
    // Paints the bars centred in `rect`.
    static void paint(QPainter& painter, const QRectF& rect, int level, qreal scale, const QColor& color);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int level_;
    qreal scale_;
};

} // namespace quellarine
