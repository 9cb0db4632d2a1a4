#include "Quellarine/Shell/DesktopPlatform.h"

#include "Quellarine/Desktop/Appearance.h"
#include "Quellarine/Desktop/Defaults.h"
#include "Quellarine/Desktop/QtMainLoop.h"
#include "Quellarine/Desktop/Relauncher.h"
#include "Quellarine/Desktop/SystemLog.h"
#include "Quellarine/Desktop/UserAccount.h"
#include "Quellarine/Model/UpdateController.h"
#include "Quellarine/Shell/ModeOverlay.h"

#include <QApplication>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QStyleHints>

// Last: Xlib defines macros that clash with Qt's names.
#include "Backends/X11/X11Backend.h"

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

} // namespace

DesktopPlatform::DesktopPlatform()
    : log_(std::make_unique<SystemLog>()),
      mainLoop_(std::make_unique<QtMainLoop>()),
      backend_(std::make_unique<x11::X11Backend>())
{
    Defaults::standard().setWriteFailureLog([log = log_.get()](const QString& message) { log->error(message); });
    if (backend_->fileDescriptor() >= 0) {
        // The backend's descriptor is readable whenever X events wait, also those Xlib already queued.
        notifier_ = std::make_unique<QSocketNotifier>(backend_->fileDescriptor(), QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [backend = backend_.get()] {
            backend->processPendingEvents();
        });
    }
}

DesktopPlatform::~DesktopPlatform()
{
    notifier_.reset();
    Defaults::standard().setWriteFailureLog(nullptr);
}

AppModel::Platform DesktopPlatform::platform()
{
    return AppModel::Platform{
        .pointer = backend_->pointerSystem(*mainLoop_),
        .hotKeys = backend_->hotKeys(),
        .keyboardLayout = backend_->keyboardLayout(),
        .modifiers = backend_->modifierMonitor(),
        .permission = *backend_,
        .defaults = Defaults::standard(),
        .log = *log_,
        .makeUpdates = [](Defaults& defaults) { return std::make_unique<UpdateController>(defaults); },
        .explainPermission =
            [waylandSession = backend_->isWaylandSession()] {
                auto* box = new QMessageBox(QMessageBox::Information, QApplication::applicationName(),
                                            permissionExplanation(waylandSession), QMessageBox::Ok);
                box->setAttribute(Qt::WA_DeleteOnClose);
                box->setTextFormat(Qt::PlainText);
                // Not modal: the pointer work shares this loop and must keep running.
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
    };
}

void DesktopPlatform::suspendPointer()
{
    backend_->suspend();
}

void DesktopPlatform::resumePointer()
{
    backend_->resume();
}

QString DesktopPlatform::permissionExplanation(bool waylandSession)
{
    if (waylandSession) {
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
