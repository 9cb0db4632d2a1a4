#include "Quellarine/Components/Style/Look.h"
#include "Quellarine/Desktop/Defaults.h"
#include "Quellarine/Desktop/DeviceAccess.h"
#include "Quellarine/Shell/DesktopPlatform.h"
#include "Quellarine/Desktop/Localization.h"
#include "Quellarine/Desktop/ProcessSignals.h"
#include "Quellarine/Desktop/SingleInstance.h"
#include "Quellarine/Desktop/SystemLog.h"
#include "Quellarine/Shell/CommandLine.h"
#include "Quellarine/Shell/QuellarineApp.h"
#include "Quellarine/Model/ShortcutNaming.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>
#include <optional>

namespace {

using namespace quellarine;

void print(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// The grants, help and version need no display and print in the system's language.
int runCommand(CommandLine::Request request, int argc, char* argv[])
{
    QCoreApplication command(argc, argv);
    Localization::apply(Localization::language(QLocale::system().name()).value_or(QStringLiteral("en")));
    std::optional<QString> failure;
    switch (request) {
    case CommandLine::Request::allowDevices:
        failure = DeviceAccess::install({}, DeviceAccess::runProcess);
        break;
    case CommandLine::Request::allowKeyboards:
        failure = DeviceAccess::installKeyboards({}, DeviceAccess::runProcess);
        break;
    case CommandLine::Request::disallowKeyboards:
        failure = DeviceAccess::removeKeyboards({}, DeviceAccess::runProcess);
        break;
    case CommandLine::Request::help:
        print(stdout, CommandLine::usage());
        return 0;
    case CommandLine::Request::version:
        print(stdout, QStringLiteral("Quellarine %1\n").arg(QStringLiteral(QUELLARINE_VERSION)));
        return 0;
    case CommandLine::Request::invalid:
        print(stderr, CommandLine::notUnderstood(argc, argv) + CommandLine::usage());
        return 2;
    case CommandLine::Request::start:
        break;
    }
    if (failure) {
        print(stderr, *failure + QLatin1Char('\n'));
        return 1;
    }
    return 0;
}

bool hasDisplay()
{
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        if (const char* value = std::getenv(variable); value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}

// Qt ends the process with abort() when its window system cannot be reached (a display named but gone, a session
// ended); one sentence and an ordinary failure instead. Only while the application object is made: what Qt says
// meanwhile is held back, and said only when it succeeds.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QtMessageHandler qtHandler = nullptr;
std::vector<HeldMessage> heldMessages;

void endWithoutDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        heldMessages.push_back({type, QByteArray(context.category), message});
        return;
    }
    print(stderr, CommandLine::noDisplay());
    std::fflush(stderr);
    std::_Exit(1);
}

void sayHeldMessages()
{
    qInstallMessageHandler(qtHandler);
    for (const HeldMessage& held : std::exchange(heldMessages, {})) {
        const QMessageLogContext context(nullptr, 0, nullptr,
                                         held.category.isEmpty() ? nullptr : held.category.constData());
        if (qtHandler != nullptr) {
            qtHandler(held.type, context, held.text);
        } else {
            qt_message_output(held.type, context, held.text);
        }
    }
}

} // namespace

int main(int argc, char* argv[])
{
    if (const auto request = CommandLine::parse(argc, argv); request != CommandLine::Request::start) {
        return runCommand(request, argc, argv);
    }
    if (!hasDisplay()) {
        print(stderr, CommandLine::noDisplay());
        return 1;
    }

    qtHandler = qInstallMessageHandler(endWithoutDisplay);
    QApplication app(argc, argv);
    sayHeldMessages();
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
