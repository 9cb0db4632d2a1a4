#pragma once

#include <QAccessible>

class QWidget;

namespace quellarine {

// Gives a custom-drawn widget the role assistive technology announces for it (a drawing, a static text), so a
// widget that paints its whole content reads as one element named by its accessible name.
class AccessibleRole {
public:
    static void set(QWidget& widget, QAccessible::Role role);
};

} // namespace quellarine
