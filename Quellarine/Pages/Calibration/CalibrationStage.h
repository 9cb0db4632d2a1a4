#pragma once

#include "Quellarine/Components/Style/DynamicColor.h"
#include "QuellarineKit/Support/Geometry.h"

#include <QTimer>
#include <QWidget>

namespace quellarine {

class CalibrationSession;
class SpringAnimation;

// The dark stage of the test, centred in a frame as wide as the page: the dot to hold the pointer on, the
// moving dot to follow, the targets to click. Every pointer position the window system delivers over the frame
// goes to the session in the stage's own points, so what is judged is measured from where the stage is drawn.
// It redraws at display rate while something moves, and not during the clicks part.
class CalibrationStage final : public QWidget {
    Q_OBJECT

public:
    static constexpr DynamicColor fill{0x163A2A, 0x0F2B1F};
    static constexpr qreal cornerRadius = 18;
    static constexpr qreal ringSide = 46;
    static constexpr qreal ringWidth = 4;
    static constexpr qreal dotSide = 14;
    static constexpr qreal captionOffset = 44;
    static constexpr int counterInset = 14;
    // A redraw per display frame.
    static constexpr int frameInterval = 16;

    explicit CalibrationStage(CalibrationSession& session, QWidget* parent = nullptr);

    // Where the stage is drawn in the frame: its size, centred across the frame's width.
    QRect stageRect() const;
    // A point of the frame in the stage's own points.
    Point toStage(QPointF framePoint) const;
    QPointF toFrame(Point stagePoint) const;

    // Where the target is drawn now, in the stage's points, while it springs to its next place.
    Point shownTarget() const;
    // The text of the counter in the corner.
    QString counterText() const;
    bool animating() const { return frames_.isActive(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void frame();
    void stepChanged();
    void targetChanged(int target);
    void paintRing(QPainter& painter, Point at, double progress, const QString& caption) const;
    void paintTargets(QPainter& painter) const;

    CalibrationSession& session_;
    QTimer frames_;
    SpringAnimation* targetMotion_;
    Point targetFrom_;
    Point targetTo_;
};

} // namespace quellarine
