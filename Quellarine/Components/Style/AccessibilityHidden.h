#pragma once

class QWidget;

namespace quellarine {

// Keeps a widget and everything inside it away from assistive technology: the widget reports itself invisible
// and has no accessible children, so a screen reader neither stops on it nor reaches the labels it holds.
// For parts of a view whose meaning another element already carries (a tap area beside its switch).
class AccessibilityHidden {
public:
    static void hide(QWidget& widget);
    static bool isHidden(const QWidget& widget);
};

} // namespace quellarine
