#pragma once

#include <QWidget>

namespace quellarine {

class AppModel;
class WelcomeView;

// The "welcome" window: the welcome guide, at exactly the size of its content (the user cannot resize it; it
// follows the content when that changes). Its button marks the welcome as seen and closes the window.
class WelcomeWindow : public QWidget {
    Q_OBJECT

public:
    explicit WelcomeWindow(AppModel& model, QWidget* parent = nullptr);

    WelcomeView& view() const { return *view_; }

private:
    WelcomeView* view_;
};

} // namespace quellarine
