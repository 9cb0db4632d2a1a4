#include "Quellarine/Shell/DesktopPlatform.h"

#include "Backends/Common/KeyboardRelay.h"
#include "Backends/Common/PointerSuspension.h"
#include "Backends/Common/PointerThread.h"
#include "Backends/Devices/DeviceKeyboard.h"
#include "Backends/Devices/DevicesBackend.h"
#include "Backends/Devices/UnavailableKeyboard.h"
#include "Backends/X11/X11Backend.h"
#include "Backends/X11/X11Keyboard.h"
#include "Quellarine/Desktop/Appearance.h"
#include "Quellarine/Desktop/DeviceAccess.h"
#include "Quellarine/Desktop/Defaults.h"
#include "Quellarine/Desktop/PortalShortcuts.h"
#include "Quellarine/Desktop/QtMainLoop.h"
#include "Quellarine/Desktop/RealtimeKit.h"
#include "Quellarine/Desktop/Relauncher.h"
#include "Quellarine/Desktop/SystemLog.h"
#include "Quellarine/Desktop/UserAccount.h"
#include "Quellarine/Model/UpdateController.h"
#include "Quellarine/Shell/UpdaterWindow.h"
#include "Quellarine/Shell/ModeOverlay.h"
#include "Quellarine/Shell/PointerPriority.h"

#include <QApplication>
#include <QDBusConnection>

#include <atomic>
#include <cstdlib>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QStyleHints>
#include <QTimer>

namespace quellarine {

namespace {

Appearance::Choice choiceFor(ProfileStore::Appearance appearance)
{
    switch (appearance) {
    case ProfileStore::Appearance::light:
        return Appearance::Choice::light;
    case ProfileStore::Appearance::dark:
        return Appearance::Choice::dark;
    case ProfileStore::Appearance::system:
        break;
    }
    return Appearance::Choice::system;
}

// The kernel's devices serve Wayland and X11 sessions alike; the X server serves a real X11 session where they
// cannot be read. Otherwise the devices wait for the access, which the backend notices once it is given. Never
// both: the motion would be steadied twice.
std::unique_ptr<backends::PointerBackend> makePointerBackend()
{
    if (!devices::DevicesBackend::isUsable()) {
        auto x11Backend = std::make_unique<x11::X11Backend>();
        if (x11Backend->maySteerPointer()) {
            return x11Backend;
        }
    }
    return std::make_unique<devices::DevicesBackend>();
}

// Answers of the pointer thread run on the application's thread, in the order they were given.
void deliverToApplication(std::function<void()> work)
{
    QMetaObject::invokeMethod(qApp, std::move(work), Qt::QueuedConnection);
}

// How the desktop's settings list our shortcuts: ids it remembers the user's keys by, and what each one does.
std::optional<PortalShortcuts::Offer> offerFor(std::uint32_t keyCode, std::uint32_t modifiers)
{
    using Shortcut = GlobalHotKey::Shortcut;
    const Shortcut shortcut{keyCode, modifiers};
    if (shortcut == Shortcut::defaultToggle()) {
        return PortalShortcuts::Offer{QStringLiteral("toggle"),
                                      QApplication::translate("DesktopPlatform", "Turn Quellarine on or off")};
    }
    if (shortcut == Shortcut::nextMode()) {
        return PortalShortcuts::Offer{QStringLiteral("next-mode"),
                                      QApplication::translate("DesktopPlatform", "Quellarine: next mode")};
    }
    if (shortcut == Shortcut::previousMode()) {
        return PortalShortcuts::Offer{QStringLiteral("previous-mode"),
                                      QApplication::translate("DesktopPlatform", "Quellarine: previous mode")};
    }
    return std::nullopt;
}

// The platform whose pointer thread still runs, for an exit that does not return from main.
std::atomic<DesktopPlatform*> runningPlatform{nullptr};

} // namespace

DesktopPlatform::DesktopPlatform()
    : log_(std::make_unique<SystemLog>())
    , mainLoop_(std::make_unique<QtMainLoop>())
    ,
    // Before the keyboard's connection: the pointer's is the first of the process to use Xlib from two threads.
    pointer_(std::make_unique<backends::PointerThread>(makePointerBackend, deliverToApplication))
    , suspension_(
          std::make_unique<backends::PointerSuspension>([backend = &pointer_->backend()] { backend->suspend(); },
                                                        [backend = &pointer_->backend()] { backend->resume(); }))
{
    realtimeKit_ = std::make_unique<RealtimeKit>(QDBusConnection::systemBus());
    pointerPriority_ = std::make_unique<PointerPriority>(pointer_->kernelThreadId(), *realtimeKit_, *log_);
    chooseKeyboard();
    Defaults::standard().setProblemLog([log = log_.get()](const QString& message) { log->error(message); });
    // A button whose presses and releases would not reach the applications in turn is the worst thing the tap
    // can do: say so in the log, from the application's thread.
    pointer_->withTap([](PointerTap& tap) {
        tap.setButtonReport([](const std::string& what) {
            deliverToApplication([text = QString::fromStdString(what)] {
                SystemLog().error(QStringLiteral("Pointer buttons: %1").arg(text));
            });
        });
    });
    static const bool registered = std::atexit(endPointerAtExit) == 0;
    (void)registered;
    runningPlatform.store(this);
}

void DesktopPlatform::chooseKeyboard()
{
    auto x11Keyboard = std::make_unique<x11::X11Keyboard>();
    if (x11Keyboard->hearsSession()) {
        x11Keyboard_ = std::move(x11Keyboard);
        keyboard_ = std::make_unique<backends::KeyboardRelay>(x11Keyboard_->hotKeys(), x11Keyboard_->keyboardLayout(),
                                                              x11Keyboard_->modifierMonitor());
        service(x11Keyboard_->fileDescriptor(), [keyboard = x11Keyboard_.get()] { keyboard->processPendingEvents(); });
        return;
    }
    noKeyboard_ = std::make_unique<devices::UnavailableKeyboard>();
    keyboard_ = std::make_unique<backends::KeyboardRelay>(*noKeyboard_, *noKeyboard_, *noKeyboard_);
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (PortalShortcuts::isServed(bus)) {
        portal_ = std::make_unique<PortalShortcuts>(bus, offerFor);
        log_->info(QStringLiteral("Hot keys: the desktop's own shortcuts"));
    }
    if (useKeyboardDevices()) {
        return;
    }
    // The user may allow it while this runs (`--allow-keyboards`): the hot keys then work without a restart.
    grantWatch_ = std::make_unique<QTimer>();
    QObject::connect(grantWatch_.get(), &QTimer::timeout, [this] {
        if (useKeyboardDevices()) {
            grantWatch_->stop();
        }
    });
    grantWatch_->start(1000);
}

bool DesktopPlatform::useKeyboardDevices()
{
    // Asked without opening a keyboard: none is ever opened unless the user allowed it.
    if (!devices::DeviceKeyboard::accessGranted()) {
        return false;
    }
    deviceKeyboard_ = std::make_unique<devices::DeviceKeyboard>();
    deviceKeyboard_->setReading(sessionInFront_);
    keyboard_->serveWith(deviceKeyboard_->hotKeys(), deviceKeyboard_->keyboardLayout(),
                         deviceKeyboard_->modifierMonitor());
    service(deviceKeyboard_->fileDescriptor(),
            [keyboard = deviceKeyboard_.get()] { keyboard->processPendingEvents(); });
    log_->info(QStringLiteral("Hot keys and modifiers: read from %1 keyboards").arg(deviceKeyboard_->keyboards()));
    if (keysListener_) {
        keysListener_(keys());
    }
    return true;
}

KeySource DesktopPlatform::keys() const
{
    return KeySource::choose(x11Keyboard_ != nullptr, portal_ != nullptr, deviceKeyboard_ != nullptr);
}

void DesktopPlatform::service(int fileDescriptor, std::function<void()> process)
{
    if (fileDescriptor < 0) {
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(fileDescriptor, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, std::move(process));
}

void DesktopPlatform::endPointerAtExit()
{
    if (DesktopPlatform* platform = runningPlatform.exchange(nullptr)) {
        if (platform->pointer_ && platform->pointer_->isCurrentThread()) {
            // Exiting from the pointer thread itself: it cannot wait for itself to end.
            (void)platform->pointer_.release();
            return;
        }
        platform->pointer_.reset();
    }
}

DesktopPlatform::~DesktopPlatform()
{
    runningPlatform.store(nullptr);
    grantWatch_.reset();
    notifier_.reset();
    Defaults::standard().setProblemLog(nullptr);
}

AppModel::Platform DesktopPlatform::platform()
{
    return AppModel::Platform{
        .pointer = *pointer_,
        .mainLoop = *mainLoop_,
        .hotKeys = portal_ ? static_cast<system::HotKeyHost&>(*portal_) : *keyboard_,
        .keyboardLayout = *keyboard_,
        .modifiers = *keyboard_,
        .permission = pointer_->backend(),
        .defaults = Defaults::standard(),
        .log = *log_,
        .makeUpdates =
            [](Defaults& defaults) {
                return std::make_unique<UpdateController>(defaults, [](UpdaterPrompt::Answers answers) {
                    return static_cast<UpdaterPrompt*>(new UpdaterWindow(std::move(answers)));
                });
            },
        .explainPermission =
            [way = pointerWay()] {
                auto* box = new QMessageBox(
                    QMessageBox::Information, QApplication::applicationName(),
                    permissionExplanation(way, DeviceAccess::installCommand(QCoreApplication::applicationFilePath())),
                    QMessageBox::Ok);
                box->setAttribute(Qt::WA_DeleteOnClose);
                box->setTextFormat(Qt::PlainText);
                box->open();
            },
        .beep = [] { QApplication::beep(); },
        .doubleClickInterval = [] { return QGuiApplication::styleHints()->mouseDoubleClickInterval() / 1000.0; },
        .makeOverlay = [](system::MainLoop& loop) { return std::make_unique<ModeOverlay>(loop); },
        .profile =
            ProfileStore::Environment{
                .photoFolder = ProfilePhoto::defaultFolder(),
                .applyAppearance =
                    [](ProfileStore::Appearance appearance) { Appearance::shared().setChoice(choiceFor(appearance)); },
                .startRelaunch = [] { return Relauncher::start(); },
                .quit = [] { QCoreApplication::quit(); },
            },
        // Read once: the password database may sit behind a directory service, too slow to ask on every paint of
        // the sidebar's card, and an account's name does not change while the user is logged in.
        .accountFullName =
            [] {
                static const QString name = UserAccount::fullName();
                return name;
            },
        .keys = keys(),
        .watchKeys = [this](std::function<void(KeySource)> listener) { keysListener_ = std::move(listener); },
        .sessionInFront = [this](bool inFront) { setSessionInFront(inFront); },
    };
}

void DesktopPlatform::suspendPointer()
{
    if (pointer_) {
        suspension_->suspend(backends::PointerSuspension::Reason::process);
    }
}

void DesktopPlatform::resumePointer()
{
    if (pointer_) {
        suspension_->resume(backends::PointerSuspension::Reason::process);
    }
}

void DesktopPlatform::setSessionInFront(bool inFront)
{
    log_->info(inFront ? QStringLiteral("Session in front again: the pointing devices are taken again")
                       : QStringLiteral("Session in the background: the pointing devices are given back"));
    if (pointer_) {
        if (inFront) {
            suspension_->resume(backends::PointerSuspension::Reason::session);
        } else {
            suspension_->suspend(backends::PointerSuspension::Reason::session);
        }
    }
    sessionInFront_ = inFront;
    if (deviceKeyboard_) {
        deviceKeyboard_->setReading(inFront);
    }
}

DesktopPlatform::PointerWay DesktopPlatform::pointerWay()
{
    // Read once the backend is made: it decided at construction and never changes its mind.
    auto* x11Backend = dynamic_cast<x11::X11Backend*>(&pointer_->backend());
    if (x11Backend == nullptr) {
        return PointerWay::devices;
    }
    return x11Backend->isWaylandSession() ? PointerWay::x11Wayland : PointerWay::x11;
}

QString DesktopPlatform::permissionExplanation(PointerWay way, const QString& command)
{
    if (way == PointerWay::devices) {
        return QApplication::translate(
                   "DesktopPlatform",
                   "Quellarine steadies the pointer through this computer's pointing devices, which it may not use "
                   "yet. To allow it for the person at this computer, run this one command in a terminal and enter "
                   "your password:\n\n%1\n\nQuellarine notices the access by itself, without a restart.")
            .arg(command);
    }
    if (way == PointerWay::x11Wayland) {
        return QApplication::translate(
            "DesktopPlatform",
            "This is a Wayland session. Its X server lets no program watch or move the pointer of the whole "
            "desktop, so Quellarine cannot steady it there.\n\n"
            "Log out, choose an X11 session at the login screen (often named \"on Xorg\" or \"X11\") and log in "
            "again, then start Quellarine.");
    }
    return QApplication::translate(
        "DesktopPlatform",
        "Quellarine steadies the pointer through the X server of an X11 session, which must offer the XInput2 and "
        "XTest extensions. This session does not give it that access, so the pointer is not steadied.\n\n"
        "Log out, choose an X11 session at the login screen (often named \"on Xorg\" or \"X11\") and log in "
        "again, then start Quellarine.");
}

} // namespace quellarine
