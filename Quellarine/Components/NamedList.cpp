#include "Quellarine/Components/NamedList.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace quellarine {

namespace {

constexpr const char* namedProperty = "quellarineNamedList";

class NamedListAccessible : public QAccessibleWidget {
public:
    explicit NamedListAccessible(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? list()->currentText() : name;
        }
        if (kind == QAccessible::Value) {
            return list()->currentText();
        }
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view() != nullptr && list()->view()->isVisible();
        return state;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction()) {
            list()->showPopup();
        }
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* makeInterface(const QString& /*className*/, QObject* object)
{
    auto* list = qobject_cast<QComboBox*>(object);
    if (list == nullptr || !list->property(namedProperty).toBool()) {
        return nullptr;
    }
    return new NamedListAccessible(list);
}

} // namespace

void NamedList::apply(QComboBox& list)
{
    static const bool installed = [] {
        QAccessible::installFactory(makeInterface);
        return true;
    }();
    (void)installed;
    list.setProperty(namedProperty, true);
    // An interface the toolkit made before would stay cached: the next query makes ours.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&list);
        made != nullptr && dynamic_cast<NamedListAccessible*>(made) == nullptr) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

} // namespace quellarine
