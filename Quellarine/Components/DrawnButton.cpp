#include "Quellarine/Components/DrawnButton.h"

#include <QKeyEvent>

namespace quellarine {

bool DrawnButton::isActivationKey(const QKeyEvent& event)
{
    const bool plain = (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    return plain && (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter);
}

void DrawnButton::keyPressEvent(QKeyEvent* event)
{
    if (isActivationKey(*event)) {
        // Held down, the key repeats: one press is one click.
        if (!event->isAutoRepeat() && isEnabled()) {
            click();
        }
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace quellarine
