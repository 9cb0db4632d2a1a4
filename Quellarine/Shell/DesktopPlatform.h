#pragma once

#include "Quellarine/Model/AppModel.h"

#include <memory>

class QSocketNotifier;

namespace quellarine {

class Defaults;
class QtMainLoop;
class SystemLog;

namespace x11 {
class X11Backend;
}

// This computer as the application model sees it: the X11 backend serviced from Qt's event loop, the user's
// settings, the system log, and the desktop's beep and double-click interval. It must outlive the model.
class DesktopPlatform final {
public:
    DesktopPlatform();
    ~DesktopPlatform();
    DesktopPlatform(const DesktopPlatform&) = delete;
    DesktopPlatform& operator=(const DesktopPlatform&) = delete;

    AppModel::Platform platform();

    // From any thread, also while the main loop is stuck: gives the pointing devices back (and every button this
    // application pressed) until resumePointer(), for a process about to stop or quit.
    void suspendPointer();
    void resumePointer();

    // What this computer needs before the pointer can be steadied, in the application's words; a Wayland session
    // is named as the reason.
    static QString permissionExplanation(bool waylandSession);

private:
    std::unique_ptr<SystemLog> log_;
    std::unique_ptr<QtMainLoop> mainLoop_;
    std::unique_ptr<x11::X11Backend> backend_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace quellarine
