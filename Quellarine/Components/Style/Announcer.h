#pragma once

#include <QString>

class QWidget;

namespace quellarine {

// Reads a short message out to assistive technology as an alert. The window that shows the message carries it:
// it becomes an alert named by the text, and screen readers are told that the alert is there.
class Announcer {
public:
    // Makes the window an alert for assistive technology. Call before the window is first shown: screen
    // readers keep what they first learn about a window.
    static void markAsAlert(QWidget& window);
    // Names the alert window by the text and tells screen readers about it.
    static void announce(QWidget& window, const QString& text);
};

} // namespace quellarine
