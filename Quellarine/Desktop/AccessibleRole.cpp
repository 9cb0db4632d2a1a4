#include "Quellarine/Desktop/AccessibleRole.h"

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
}

} // namespace quellarine
