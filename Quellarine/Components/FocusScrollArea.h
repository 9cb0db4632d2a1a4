#pragma once

#include <QScrollArea>

namespace quellarine {

// A scroll view that is no stop of the keyboard's own: Tab goes from control to control inside it, and whichever
// of them gets the focus, by whatever route (Tab from outside the view included), is scrolled into view.
class FocusScrollArea : public QScrollArea {
    Q_OBJECT

public:
    explicit FocusScrollArea(QWidget* parent = nullptr);

private:
    void follow(QWidget* now);
};

} // namespace quellarine
