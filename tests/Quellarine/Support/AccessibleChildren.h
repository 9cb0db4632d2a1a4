#pragma once

#include <QAccessible>
#include <QStringList>
#include <QWidget>

namespace quellarine::testing {

// The names assistive technology reads for the widget's accessible children, in order.
inline QStringList accessibleChildren(QWidget& widget)
{
    QStringList names;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
    for (int index = 0; accessible != nullptr && index < accessible->childCount(); ++index) {
        names.append(accessible->child(index)->text(QAccessible::Name));
    }
    return names;
}

} // namespace quellarine::testing
