#pragma once

#include "QuellarineKit/System/Clock.h"
#include "QuellarineKit/System/Cursor.h"
#include "QuellarineKit/System/EventTap.h"
#include "QuellarineKit/System/MainLoop.h"

namespace quellarine::system {

// What the pointer tap needs of the window system, bundled so one backend can hand it over in one piece.
struct PointerSystem {
    EventTapHost& taps;
    EventPoster& poster;
    Cursor& cursor;
    Displays& displays;
    Clock& clock;
    MainLoop& mainLoop;
};

} // namespace quellarine::system
