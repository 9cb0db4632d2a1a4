#include "Quellarine/Pages/Calibration/FilledPanel.h"

#include "Quellarine/Components/ContinuousShape.h"

#include <QPainter>
#include <QPainterPath>

namespace quellarine {

FilledPanel::FilledPanel(qreal cornerRadius, qreal opacity, std::optional<DynamicColor> tint, QWidget* parent)
    : QWidget(parent)
    , cornerRadius_(cornerRadius)
    , opacity_(opacity)
    , tint_(tint)
{
}

QColor FilledPanel::fillColor() const
{
    return withOpacity(tint_ ? tint_->resolve(*this) : palette().color(QPalette::WindowText), opacity_);
}

void FilledPanel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(ContinuousShape::roundedRect(QRectF(rect()), cornerRadius_), fillColor());
}

} // namespace quellarine
