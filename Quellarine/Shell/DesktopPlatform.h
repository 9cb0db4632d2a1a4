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

namespace devices {
class UnavailableKeyboard;
}

class PortalShortcuts;

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

    // Which way the pointer is steadied here, and so what it needs.
    enum class PointerWay {
        devices,    // the input devices: the access, given once by one command
        x11,        // the X server of an X11 session
        x11Wayland, // the X server of a Wayland session, where it cannot be steadied through X
    };
    // What this computer needs before the pointer can be steadied, in the application's words; `command` is the one
    // that gives the devices' access.
    static QString permissionExplanation(PointerWay way, const QString& command);

private:
    PointerWay pointerWay();
    // Decides once where the hot keys and the emergency gesture come from, and makes what serves them.
    void chooseKeys();
    system::HotKeyHost& hotKeyHost();
    system::ModifierMonitor& modifierMonitor();
    // A process that exits without returning from main (Qt's X connection breaking calls exit()) must end the
    // pointer thread before static objects go: it gives the devices back and uses nothing after that.
    static void endPointerAtExit();

    std::unique_ptr<SystemLog> log_;
    std::unique_ptr<QtMainLoop> mainLoop_;
    std::unique_ptr<backends::PointerThread> pointer_;
    std::unique_ptr<x11::X11Keyboard> keyboard_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::unique_ptr<PortalShortcuts> portal_;
    std::unique_ptr<devices::UnavailableKeyboard> noKeyboard_;
    KeySource keys_;
};

} // namespace quellarine
