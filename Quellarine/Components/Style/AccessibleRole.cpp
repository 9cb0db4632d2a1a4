#include "Quellarine/Components/Style/AccessibleRole.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace quellarine {

namespace {

constexpr const char* roleProperty = "quellarineAccessibleRole";

QAccessibleInterface* makeInterface(const QString& /*className*/, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    const QVariant role = widget->property(roleProperty);
    if (!role.isValid()) {
        return nullptr;
    }
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace

void AccessibleRole::set(QWidget& widget, QAccessible::Role role)
{
    static const bool installed = [] {
        QAccessible::installFactory(makeInterface);
        return true;
    }();
    (void)installed;
    widget.setProperty(roleProperty, static_cast<int>(role));
    // An interface made before the role was known (setting the accessible name makes one while a screen reader
    // listens) would keep the generic role for the widget's life: drop it, so the next query makes it afresh.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&widget);
        made != nullptr && made->role() != role) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

} // namespace quellarine
