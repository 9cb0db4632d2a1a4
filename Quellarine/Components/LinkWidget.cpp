#include "Quellarine/Components/LinkWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace quellarine {

void LinkWidget::mousePressEvent(QMouseEvent* event)
{
    if (opens() && event->button() == Qt::LeftButton) {
        pressed_ = true;
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void LinkWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (pressed_ && event->button() == Qt::LeftButton) {
        pressed_ = false;
        event->accept();
        // A press that slides off the link before release opens nothing.
        if (rect().contains(event->position().toPoint())) {
            open();
        }
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void LinkWidget::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        // A held key opens once; its repeats stay here rather than reach the window's default button.
        if (opens()) {
            event->accept();
            if (!event->isAutoRepeat()) {
                open();
            }
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void LinkWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
    }
    QWidget::changeEvent(event);
}

} // namespace quellarine
