#include "Quellarine/Desktop/Appearance.h"
#include "Quellarine/Desktop/Defaults.h"
#include "Quellarine/Desktop/QtMainLoop.h"
#include "Quellarine/Desktop/SingleInstance.h"
#include "Quellarine/Desktop/SystemLog.h"
#include "Quellarine/Desktop/WindowRegistry.h"
#include "Quellarine/QuellarineApp.h"
#include "Quellarine/ShortcutNaming.h"
#include "Quellarine/UpdateController.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QSocketNotifier>

#include <memory>

// Last: Xlib's macros (Bool, None, Status...) would break the Qt headers.
#include "Backends/X11/X11Backend.h"

int main(int argc, char* argv[])
{
    using namespace quellarine;

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("temrid"));
    QApplication::setApplicationName(QStringLiteral("Quellarine"));
    QApplication::setApplicationVersion(QStringLiteral(QUELLARINE_VERSION));
    // The application lives in the tray: closing its last window does not end it, only "Quit" does.
    QApplication::setQuitOnLastWindowClosed(false);

    // Two copies would fight over the pointer and the hot keys: a second launch brings the first one forward.
    SingleInstance instance(SingleInstance::defaultKey(), SingleInstance::defaultDirectory());
    if (!instance.claim()) {
        return instance.notifyPrimary() ? 0 : 1;
    }

    Appearance::shared().install();

    x11::X11Backend backend;
    ShortcutNaming::setKeyboardLayout(&backend.keyboardLayout());
    // The backend's connection is serviced on the main loop: when it has input, and before the loop sleeps
    // (Xlib may already have read events into its queue).
    std::unique_ptr<QSocketNotifier> input;
    if (backend.fileDescriptor() >= 0) {
        input = std::make_unique<QSocketNotifier>(backend.fileDescriptor(), QSocketNotifier::Read);
        QObject::connect(input.get(), &QSocketNotifier::activated, [&backend] { backend.processPendingEvents(); });
        QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                         [&backend] { backend.processPendingEvents(); });
    }

    QtMainLoop mainLoop;
    SystemLog log;
    QuellarineApp* shell = nullptr;
    QuellarineApp quellarine(AppModel::Platform{
        .pointer = backend.pointerSystem(mainLoop),
        .hotKeys = backend.hotKeys(),
        .keyboardLayout = backend.keyboardLayout(),
        .modifiers = backend.modifierMonitor(),
        .permission = backend,
        .defaults = Defaults::standard(),
        .log = log,
        .makeUpdates = [](Defaults& defaults) { return std::make_unique<UpdateController>(defaults); },
        // The help page says what this computer needs before the pointer can be steadied.
        .explainPermission =
            [&shell] {
                if (shell != nullptr) {
                    shell->model().setSection(MainSection::help);
                    shell->windows().open(QStringLiteral("main"));
                }
            },
        .beep = [] { QApplication::beep(); },
        .doubleClickInterval = [] { return QApplication::doubleClickInterval() / 1000.0; },
    });
    shell = &quellarine;
    QObject::connect(&instance, &SingleInstance::activationRequested, &quellarine, &QuellarineApp::bringForward);
    quellarine.launch();

    const int status = QApplication::exec();
    ShortcutNaming::setKeyboardLayout(nullptr);
    return status;
}
