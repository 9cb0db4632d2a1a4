#include "Quellarine/Components/TapArea.h"

#include <QMouseEvent>

namespace quellarine {

TapArea::TapArea(QWidget* parent)
    : QWidget(parent)
{
}

void TapArea::passClicks(QWidget& child)
{
    child.setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TapArea::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void TapArea::mouseReleaseEvent(QMouseEvent* event)
{
    const bool tap = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (tap) {
        emit tapped();
    }
}

} // namespace quellarine
