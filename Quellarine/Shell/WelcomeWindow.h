#pragma once

#include <QWidget>

class QScrollArea;

namespace quellarine {

class AppModel;
class WelcomeView;

// The "welcome" window: the welcome guide at the size of its content, as far as the screen's free area allows;
// on a shorter screen it keeps to that area and the guide scrolls. The user cannot resize it; it follows the
// content when that changes. Its button marks the welcome as seen and closes the window.
class WelcomeWindow : public QWidget {
    Q_OBJECT

public:
    explicit WelcomeWindow(AppModel& model, QWidget* parent = nullptr);

    WelcomeView& view() const { return *view_; }
    QScrollArea& scrollArea() const { return *scroll_; }

    // The window's size for content of `content` size where the screen has `room` for content, with
    // `scrollBarWidth` added when the content must scroll.
    static QSize fittedSize(QSize content, QSize room, int scrollBarWidth);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void fit();

    WelcomeView* view_;
    QScrollArea* scroll_;
};

} // namespace quellarine
