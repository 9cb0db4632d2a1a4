#pragma once

#include <QPalette>

namespace quellarine {

// The application's look: the Fusion style with the app's own controls and scroll bars, the body font, and an explicit
// palette for the light and the dark appearance, so that every widget repaints when the appearance changes and colours
// resolved at paint time (DynamicColor) follow it live.
class Look {
public:
    // Applies the look and follows the shared appearance from now on, including the desktop's preference.
    // Call once the application object exists; later calls do nothing.
    static void install();

    static QPalette lightPalette();
    static QPalette darkPalette();
};

} // namespace quellarine
