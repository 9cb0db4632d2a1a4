#pragma once

#include <QScrollArea>

namespace quellarine {

// A scroll view that is no stop of the keyboard's own: Tab goes from control to control inside it, and whichever
// of them gets the focus while the window is in use, by whatever route (Tab from outside the view included), is
// scrolled into view. The focus a window hands back on activation scrolls nothing: a window opens where it was.
class FocusScrollArea : public QScrollArea {
    Q_OBJECT

public:
    explicit FocusScrollArea(QWidget* parent = nullptr);

private:
    void follow(QWidget* old, QWidget* now);
};

} // namespace quellarine
