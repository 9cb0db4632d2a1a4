#pragma once

namespace quellarine {

// Whether the desktop composites windows, which translucent windows and their shadows need. Without a
// compositor an X server shows a translucent window's see-through parts as black.
class Compositor {
public:
    // True on X11 while a compositing manager holds the screen's compositing selection, and on every other
    // platform (Wayland composites by design, the offscreen platform keeps translucency).
    static bool isActive();
};

} // namespace quellarine
