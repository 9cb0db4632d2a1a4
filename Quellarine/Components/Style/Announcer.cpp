#include "Quellarine/Components/Style/Announcer.h"

#include "Quellarine/Components/Style/AccessibleRole.h"

#include <QAccessible>
#include <QWidget>

namespace quellarine {

void Announcer::markAsAlert(QWidget& window)
{
    AccessibleRole::set(window, QAccessible::AlertMessage);
}

void Announcer::announce(QWidget& window, const QString& text)
{
    window.setAccessibleName(text);
    QAccessibleEvent alert(&window, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

} // namespace quellarine
