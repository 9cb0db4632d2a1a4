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
    // Room the window manager's title bar and borders take, for as long as the real frame is not known yet.
    static constexpr int assumedFrameHeight = 40;

    explicit WelcomeWindow(AppModel& model, QWidget* parent = nullptr);

    WelcomeView& view() const { return *view_; }
    QScrollArea& scrollArea() const { return *scroll_; }

    // The window's size for content of `content` size on a screen whose free area is `available`, with
    // `frameHeight` taken by the frame and `scrollBarWidth` added when the content must scroll.
    static QSize fittedSize(QSize content, const QRect& available, int frameHeight, int scrollBarWidth);

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
