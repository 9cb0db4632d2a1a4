#include "Quellarine/Components/Style/AccessibilityHidden.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace quellarine {

namespace {

constexpr const char* hiddenProperty = "quellarineAccessibilityHidden";

class HiddenInterface : public QAccessibleWidget {
public:
    explicit HiddenInterface(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::NoRole)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        state.focusable = false;
        return state;
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text /*text*/) const override { return {}; }
};

QAccessibleInterface* makeInterface(const QString& /*className*/, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || !widget->property(hiddenProperty).toBool()) {
        return nullptr;
    }
    return new HiddenInterface(widget);
}

} // namespace

void AccessibilityHidden::hide(QWidget& widget)
{
    static const bool installed = [] {
        QAccessible::installFactory(makeInterface);
        return true;
    }();
    (void)installed;
    widget.setProperty(hiddenProperty, true);
}

bool AccessibilityHidden::isHidden(const QWidget& widget)
{
    return widget.property(hiddenProperty).toBool();
}

} // namespace quellarine
