#include "Quellarine/Components/Divider.h"

#include "Quellarine/Components/Style/DynamicColor.h"

#include <QPainter>

namespace quellarine {

Divider::Divider(QWidget* parent)
    : QWidget(parent)
{
    setFixedHeight(1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void Divider::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), withOpacity(palette().color(QPalette::WindowText), 0.1));
}

} // namespace quellarine
