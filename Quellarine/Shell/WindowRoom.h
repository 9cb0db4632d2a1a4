#pragma once

#include <QSize>

class QWidget;

namespace quellarine {

// How much of its screen a window's content may take: the screen's free area less the window's frame (its
// title bar, never taken as less than the usual one, since a window manager may frame the window only later)
// and a desktop's top bar, which not every desktop takes off the free area it reports. Large text makes a screen this
// much smaller too, since every window grows with it.
class WindowRoom {
public:
    // The least a title bar is taken to need.
    static constexpr int assumedFrameHeight = 40;
    // A top bar or panel the free area may still include.
    static constexpr int panelAllowance = 32;

    // The room for content on the window's screen (the primary screen before it has one).
    static QSize forContent(const QWidget& window);
    // The same for a screen's free area and a frame of this height.
    static QSize forContent(QSize available, int frameHeight);
};

} // namespace quellarine
