#include "Quellarine/Pages/Calibration/CalibrationTrace.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/Style/AccessibleRole.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace quellarine {

QPointF CalibrationTrace::Fit::map(Point point) const
{
    return {offset.x() + (point.x - minimum.x) * scale, offset.y() + (point.y - minimum.y) * scale};
}

CalibrationTrace::CalibrationTrace(std::vector<Point> raw, std::vector<Point> steady, QWidget* parent)
    : QWidget(parent)
    , raw_(std::move(raw))
    , steady_(std::move(steady))
{
    setAccessibleName(tr("Your movement, and the same movement with the suggested preset"));
    AccessibleRole::set(*this, QAccessible::Graphic);
}

std::optional<CalibrationTrace::Fit> CalibrationTrace::fit(const std::vector<Point>& raw,
                                                           const std::vector<Point>& steady, QSizeF size)
{
    if (raw.empty() && steady.empty()) {
        return std::nullopt;
    }
    Point low = raw.empty() ? steady.front() : raw.front();
    Point high = low;
    for (const auto* series : {&raw, &steady}) {
        for (Point point : *series) {
            low = {std::min(low.x, point.x), std::min(low.y, point.y)};
            high = {std::max(high.x, point.x), std::max(high.y, point.y)};
        }
    }
    // Comparisons that also turn away NaN bounds.
    if (!(low.x < high.x) || !(low.y < high.y)) {
        return std::nullopt;
    }
    const double width = high.x - low.x;
    const double height = high.y - low.y;
    const double scale = std::min(size.width() / width, size.height() / height) * margin;
    return Fit{.scale = scale,
               .offset = {(size.width() - width * scale) * 0.5, (size.height() - height * scale) * 0.5},
               .minimum = low};
}

void CalibrationTrace::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(ContinuousShape::roundedRect(QRectF(rect()), cornerRadius), QColor::fromRgbF(0, 0, 0, 0.18));
    const std::optional<Fit> fitted = fit(raw_, steady_, QSizeF(size()));
    if (!fitted) {
        return;
    }
    const auto path = [&](const std::vector<Point>& points) {
        QPainterPath line;
        for (std::size_t i = 0; i < points.size(); ++i) {
            i == 0 ? line.moveTo(fitted->map(points[i])) : line.lineTo(fitted->map(points[i]));
        }
        return line;
    };
    painter.setBrush(Qt::NoBrush);
    const auto stroke = [&](const QPainterPath& line, QColor color, qreal width) {
        painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(line);
    };
    stroke(path(raw_), Brand::highlight(), 2.0);
    const QPainterPath steady = path(steady_);
    stroke(steady, withOpacity(Qt::white, 0.15), 5.0);
    stroke(steady, Qt::white, 1.8);
}

} // namespace quellarine
