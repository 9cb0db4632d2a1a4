#pragma once

#include <QWidget>

namespace quellarine {

// The application's mark, turning from its own colours into white as smoothing comes on: how it stands on
// the brand gradient of the "on" look.
class LogoMark : public QWidget {
public:
    LogoMark(int side, QWidget* parent = nullptr);

    // 0 in its own colours, 1 white, between while the look changes.
    void setOnness(qreal onness);

    // Paints the mark into `rect` at `opacity`, turning from its own colours (0) to white (1) with `onness`.
    static void paint(QPainter& painter, const QRectF& rect, qreal onness, qreal opacity, qreal devicePixelRatio);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    qreal onness_ = 0;
};

} // namespace quellarine
