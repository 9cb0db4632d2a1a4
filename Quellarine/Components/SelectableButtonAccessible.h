#pragma once

#include <QAccessible>
#include <QAccessibleWidget>

namespace quellarine {

// To assistive technology a drawn `Button` that is one of a set (a preset's card or tile): a button, named and
// described by its widget, selected while `Button::selected()`, pressed to click it, read as one element with no
// parts of its own. install() registers it for every widget of that class.
template <typename Button>
class SelectableButtonAccessible : public QAccessibleWidget {
public:
    explicit SelectableButtonAccessible(Button* button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
    }

    static void install()
    {
        static const bool installed = [] {
            QAccessible::installFactory(make);
            return true;
        }();
        (void)installed;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.selectable = true;
        state.selected = button().selected();
        return state;
    }

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && widget()->isEnabled()) {
            button().click();
        }
    }
    QStringList keyBindingsForAction(const QString& /*name*/) const override { return {}; }

private:
    Button& button() const { return *static_cast<Button*>(widget()); }

    static QAccessibleInterface* make(const QString& className, QObject* object)
    {
        if (className == QLatin1String(Button::staticMetaObject.className())) {
            if (auto* button = qobject_cast<Button*>(object)) {
                return new SelectableButtonAccessible(button);
            }
        }
        return nullptr;
    }
};

} // namespace quellarine
