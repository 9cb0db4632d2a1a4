#include "Quellarine/Components/RadioGroup.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QKeyEvent>

#include <algorithm>

namespace quellarine {

namespace {

constexpr const char* memberProperty = "quellarineRadioMember";

// A member of the group as assistive technology sees it: a radio button, checked while chosen, pressed to choose.
class RadioAccessible : public QAccessibleWidget {
public:
    explicit RadioAccessible(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        return state;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return button()->text();
        }
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& action) override
    {
        if (action == pressAction()) {
            button()->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* makeInterface(const QString& /*className*/, QObject* object)
{
    auto* button = qobject_cast<QAbstractButton*>(object);
    if (button == nullptr || !button->property(memberProperty).toBool()) {
        return nullptr;
    }
    return new RadioAccessible(button);
}

} // namespace

RadioGroup::RadioGroup(std::vector<QAbstractButton*> buttons)
    : QObject(buttons.empty() ? nullptr : buttons.front()->parent())
    , buttons_(std::move(buttons))
{
    static const bool installed = [] {
        QAccessible::installFactory(makeInterface);
        return true;
    }();
    (void)installed;
    for (QAbstractButton* button : buttons_) {
        button->setProperty(memberProperty, true);
        // An interface made before the button joined (Qt's own, which may already say "radio button" but toggles
        // later instead of choosing) would stay cached: the next query makes ours.
        if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(button);
            made != nullptr && dynamic_cast<RadioAccessible*>(made) == nullptr) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
        }
        button->installEventFilter(this);
        connect(button, &QAbstractButton::toggled, this, &RadioGroup::refresh);
    }
    refresh();
}

void RadioGroup::refresh()
{
    const auto chosen = std::find_if(buttons_.begin(), buttons_.end(),
                                     [](const QAbstractButton* button) { return button->isChecked(); });
    const QAbstractButton* stop = chosen != buttons_.end() ? *chosen : (buttons_.empty() ? nullptr : buttons_.front());
    for (QAbstractButton* button : buttons_) {
        button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

bool RadioGroup::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    auto* button = static_cast<QAbstractButton*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return QObject::eventFilter(watched, event);
    }
    const bool mirrored = button->layoutDirection() == Qt::RightToLeft;
    switch (key->key()) {
    case Qt::Key_Up:
        step(*button, -1);
        return true;
    case Qt::Key_Down:
        step(*button, 1);
        return true;
    case Qt::Key_Left:
        step(*button, mirrored ? 1 : -1);
        return true;
    case Qt::Key_Right:
        step(*button, mirrored ? -1 : 1);
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

void RadioGroup::step(QAbstractButton& from, int by)
{
    const auto at = std::find(buttons_.begin(), buttons_.end(), &from);
    if (at == buttons_.end()) {
        return;
    }
    const auto count = static_cast<long>(buttons_.size());
    const long index = ((at - buttons_.begin()) + by + count) % count;
    QAbstractButton* next = buttons_[static_cast<std::size_t>(index)];
    // As with the system's own radio buttons, moving chooses.
    next->setFocusPolicy(Qt::StrongFocus);
    next->setFocus(Qt::TabFocusReason);
    stepping_ = true;
    next->click();
    stepping_ = false;
    refresh();
}

} // namespace quellarine
