#pragma once

#include <QMessageBox>

#include <functional>

namespace quellarine {

// "You're up to date!", shown when the user checks again within a minute of the updater finding nothing. On
// the main window when it is open, otherwise on its own; neither blocks the main loop. Deletes itself when
// closed.
class UpToDateAlert : public QMessageBox {
    Q_OBJECT

public:
    // Shows the alert on `window` (none: on its own); "Version History" runs `showVersionHistory`.
    static UpToDateAlert* open(QWidget* window, std::function<void()> showVersionHistory);

private:
    UpToDateAlert(QWidget* window, std::function<void()> showVersionHistory);
};

} // namespace quellarine
