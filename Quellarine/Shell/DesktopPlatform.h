#pragma once

#include "Quellarine/Model/AppModel.h"

#include <memory>

class QSocketNotifier;

namespace quellarine {

class Defaults;
class QtMainLoop;
class SystemLog;

namespace backends {
class PointerThread;
}

namespace x11 {
class X11Keyboard;
}

// This computer as the application model sees it: the pointer path on a thread of its own, the keyboard's hot keys
// and modifiers serviced from Qt's event loop, the user's settings, the system log, and the desktop's beep and
// double-click interval. It must outlive the model.
class DesktopPlatform final {
public:
    DesktopPlatform();
    ~DesktopPlatform();
    DesktopPlatform(const DesktopPlatform&) = delete;
    DesktopPlatform& operator=(const DesktopPlatform&) = delete;

    AppModel::Platform platform();

    // From any thread, also while a loop is stuck: gives the pointing devices back (and every button this
    // application pressed) until resumePointer(), for a process about to stop or quit.
    void suspendPointer();
    void resumePointer();

    // What this computer needs before the pointer can be steadied, in the application's words.
    static QString permissionExplanation();

private:
    std::unique_ptr<SystemLog> log_;
    std::unique_ptr<QtMainLoop> mainLoop_;
    std::unique_ptr<backends::PointerThread> pointer_;
    std::unique_ptr<x11::X11Keyboard> keyboard_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace quellarine
