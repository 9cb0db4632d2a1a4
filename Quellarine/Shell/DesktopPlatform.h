#pragma once

#include "Quellarine/Model/AppModel.h"

#include <functional>
#include <memory>

class QSocketNotifier;
class QTimer;

namespace quellarine {

class Defaults;
class PointerPriority;
class QtMainLoop;
class RealtimeKit;
class SystemLog;

namespace backends {
class KeyboardRelay;
class PointerSuspension;
class PointerThread;
} // namespace backends

namespace devices {
class DeviceKeyboard;
class UnavailableKeyboard;
} // namespace devices

namespace x11 {
class X11Keyboard;
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
    // On the application's thread: while another session is in front, the pointing devices are given back (until
    // this session is in front and the process is not stopped) and the keyboards are not read.
    void setSessionInFront(bool inFront);

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
    // A process that exits without returning from main (Qt's X connection breaking calls exit()) must end the
    // pointer thread before static objects go: it gives the devices back and uses nothing after that.
    static void endPointerAtExit();
    // Where hot keys, the layout and the modifiers come from: the X server of a real X11 session; else the hot keys
    // from the desktop's own shortcuts where its portal serves them, and the keyboards themselves once the user
    // allows reading them (looked for once a second until then) for the modifiers, and for the hot keys where no
    // portal serves; else nowhere.
    void chooseKeyboard();
    bool useKeyboardDevices();
    // Where the keys come from now, for the views to say.
    KeySource keys() const;
    void service(int fileDescriptor, std::function<void()> process);

    std::unique_ptr<SystemLog> log_;
    std::unique_ptr<QtMainLoop> mainLoop_;
    std::unique_ptr<backends::PointerThread> pointer_;
    std::unique_ptr<backends::PointerSuspension> suspension_;
    std::unique_ptr<RealtimeKit> realtimeKit_;
    std::unique_ptr<PointerPriority> pointerPriority_;
    std::unique_ptr<x11::X11Keyboard> x11Keyboard_;
    std::unique_ptr<devices::DeviceKeyboard> deviceKeyboard_;
    std::unique_ptr<devices::UnavailableKeyboard> noKeyboard_;
    // What the model holds: passes on to whichever of these serves.
    std::unique_ptr<backends::KeyboardRelay> keyboard_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::unique_ptr<QTimer> grantWatch_;
    // The desktop's own shortcuts, for the hot keys where the X server cannot hear them.
    std::unique_ptr<PortalShortcuts> portal_;
    // Told when the keyboard grant arrives.
    std::function<void(KeySource)> keysListener_;
    bool sessionInFront_ = true;
};

} // namespace quellarine
