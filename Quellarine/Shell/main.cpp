#include "Quellarine/Components/Style/Look.h"
#include "Quellarine/Desktop/Defaults.h"
#include "Quellarine/Desktop/DeviceAccess.h"
#include "Quellarine/Shell/DesktopPlatform.h"
#include "Quellarine/Desktop/Localization.h"
#include "Quellarine/Desktop/ProcessSignals.h"
#include "Quellarine/Desktop/SingleInstance.h"
#include "Quellarine/Desktop/SystemLog.h"
#include "Quellarine/Shell/QuellarineApp.h"
#include "Quellarine/Model/ShortcutNaming.h"

#include <QApplication>

#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

int main(int argc, char* argv[])
{
    using namespace quellarine;

    // Run as root from a terminal: gives the user at the computer the access to the pointing devices, and ends.
    if (argc == 2 && std::strcmp(argv[1], DeviceAccess::installArgument) == 0) {
        QCoreApplication command(argc, argv);
        Localization::apply(Localization::language(QLocale::system().name()).value_or(QStringLiteral("en")));
        if (auto failure = DeviceAccess::install({}, DeviceAccess::runProcess)) {
            std::fprintf(stderr, "%s\n", qPrintable(*failure));
            return 1;
        }
        return 0;
    }
    // The same for reading the keyboards, a separate grant the user gives deliberately, and takes back.
    if (argc == 2 && std::strcmp(argv[1], DeviceAccess::keyboardArgument) == 0) {
        QCoreApplication command(argc, argv);
        Localization::apply(Localization::language(QLocale::system().name()).value_or(QStringLiteral("en")));
        if (auto failure = DeviceAccess::installKeyboards({}, DeviceAccess::runProcess)) {
            std::fprintf(stderr, "%s\n", qPrintable(*failure));
            return 1;
        }
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], DeviceAccess::keyboardRemovalArgument) == 0) {
        QCoreApplication command(argc, argv);
        Localization::apply(Localization::language(QLocale::system().name()).value_or(QStringLiteral("en")));
        if (auto failure = DeviceAccess::removeKeyboards({}, DeviceAccess::runProcess)) {
            std::fprintf(stderr, "%s\n", qPrintable(*failure));
            return 1;
        }
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("temrid"));
    QApplication::setApplicationName(QStringLiteral("Quellarine"));
    QApplication::setApplicationVersion(QStringLiteral(QUELLARINE_VERSION));
    // Ties its windows to the installed desktop entry, whose icon and name the desktop then shows for them.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.temrid.Quellarine"));
    // Before any text is looked up: views and cached texts are built in the chosen language.
    Localization::apply(Localization::choose(Defaults::standard(), QLocale::system().uiLanguages()));
    // Window titles name the page shown; the desktop adds the application's name to them.
    QApplication::setApplicationDisplayName(QStringLiteral("Quellarine"));
    // The tray keeps the application alive; closing a window never quits it, only "Quit" does.
    QApplication::setQuitOnLastWindowClosed(false);

    // Two copies would fight over the pointer and the hot keys: a second launch brings the first one forward.
    std::unique_ptr<SingleInstance> instance;
    if (const std::optional<QString> directory = SingleInstance::defaultDirectory()) {
        instance = std::make_unique<SingleInstance>(SingleInstance::defaultKey(), *directory);
        if (!instance->claim()) {
            return instance->notifyPrimary() ? 0 : 1;
        }
    } else {
        SystemLog().error(QStringLiteral("No private folder for the lock that keeps Quellarine to one copy; "
                                         "running without it"));
    }

    Look::install();

    DesktopPlatform desktop;
    // Stopped from the terminal, the process would keep the pointer frozen until continued; ended by a signal, it
    // would skip giving back what it pressed.
    ProcessSignals processSignals({
        .beforeStop = [&desktop] { desktop.suspendPointer(); },
        .afterContinue = [&desktop] { desktop.resumePointer(); },
        .terminate =
            [&desktop] {
                desktop.suspendPointer();
                QMetaObject::invokeMethod(
                    qApp, [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
            },
    });
    AppModel::Platform platform = desktop.platform();
    ShortcutNaming::setKeyboardLayout(&platform.keyboardLayout);
    // Builds the one model, which steadies the pointer as soon as the permission holds, before any window exists.
    QuellarineApp quellarine(std::move(platform));
    if (instance) {
        QObject::connect(instance.get(), &SingleInstance::activationRequested, &quellarine,
                         &QuellarineApp::bringForward);
    }
    quellarine.launch();

    const int status = QApplication::exec();
    // Whatever the user changed last reaches the disk before the process ends; a failure is logged meanwhile.
    Defaults::standard().flush();
    ShortcutNaming::setKeyboardLayout(nullptr);
    return status;
}
