#pragma once

#include <QAbstractButton>

namespace quellarine {

// The base of the application's own drawn buttons (rows, cards, tiles, links, switches): the keyboard presses
// them as every Linux desktop presses a focused button, with Space, Return or Enter. Subclasses draw
// themselves and show FocusRing while focused.
class DrawnButton : public QAbstractButton {
    Q_OBJECT

public:
    // The least height (and width) of anything the user clicks, so that a shaking hand can hit it.
    static constexpr int minimumTargetSide = 24;

    using QAbstractButton::QAbstractButton;

    // Whether the key presses a focused button: Return or Enter (the keypad's too), without other modifiers.
    static bool isActivationKey(const QKeyEvent& event);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace quellarine
