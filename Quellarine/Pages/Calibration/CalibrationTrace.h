#pragma once

#include "QuellarineKit/Support/Geometry.h"

#include <QWidget>

#include <optional>
#include <vector>

namespace quellarine {

// The user's own movement from the follow part beside the same movement through the suggested preset: the
// recorded path in orange, the steadied one in white over a soft halo, both fitted to the view together.
class CalibrationTrace final : public QWidget {
    Q_OBJECT

public:
    static constexpr qreal margin = 0.92;
    static constexpr qreal cornerRadius = 12;

    // Where the paths' common bounds land in a view of `size`: one scale for both axes, the drawing centred.
    struct Fit {
        double scale = 1;
        QPointF offset;
        Point minimum;
        QPointF map(Point point) const;
    };

    CalibrationTrace(std::vector<Point> raw, std::vector<Point> steady, QWidget* parent = nullptr);

    // None when there is nothing to draw: no points, or bounds without width or height.
    static std::optional<Fit> fit(const std::vector<Point>& raw, const std::vector<Point>& steady, QSizeF size);

    const std::vector<Point>& raw() const { return raw_; }
    const std::vector<Point>& steady() const { return steady_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Point> raw_;
    std::vector<Point> steady_;
};

} // namespace quellarine
