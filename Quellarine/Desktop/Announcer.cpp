#include "Quellarine/Desktop/Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace quellarine {

namespace {

constexpr const char* alertProperty = "quellarineAlert";

QAccessibleInterface* alertInterface(const QString& /*className*/, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || !widget->property(alertProperty).toBool()) {
        return nullptr;
    }
    return new QAccessibleWidget(widget, QAccessible::AlertMessage);
}

} // namespace

void Announcer::markAsAlert(QWidget& window)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(alertInterface);
        return true;
    }();
    (void)factoryInstalled;
    window.setProperty(alertProperty, true);
}

void Announcer::announce(QWidget& window, const QString& text)
{
    window.setAccessibleName(text);
    QAccessibleEvent alert(&window, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

} // namespace quellarine
