#pragma once

#include "Quellarine/Model/AppModel.h"

#include <QObject>
#include <QPoint>

#include <functional>
#include <memory>

class QWidget;

namespace quellarine {

class MenuBarItem;
class UpdateCommand;
class WindowRegistry;

// The application object: it creates the one model for the life of the process and sets up what the user
// meets of it: the item in the desktop's tray with the menu-bar window, the windows known by identity
// ("welcome" and "main"), and the update command of the tray menu. At launch it opens the welcome window, or
// the main window once the permission holds and the user has been welcomed; where the desktop has no tray, the
// main window opens as well, behind the welcome window, so that the user is never left without a way in.
class QuellarineApp : public QObject {
    Q_OBJECT

public:
    // What the application asks of the desktop around it; tests stand in for it.
    struct Shell {
        // Whether the desktop shows tray items.
        std::function<bool()> trayAvailable;
        // Where the pointer is, for placing the popup where the tray does not say where its item is.
        std::function<QPoint()> pointerLocation;
        // Ends the application.
        std::function<void()> terminate;

        static Shell desktop();
    };

    // `platform` is what the model takes from the computer: the input backend, settings, log and the rest.
    explicit QuellarineApp(AppModel::Platform platform, Shell shell = Shell::desktop(), QObject* parent = nullptr);
    ~QuellarineApp() override;

    AppModel& model() const { return *model_; }
    WindowRegistry& windows() const { return *windows_; }
    MenuBarItem& menuBarItem() const { return *menuBarItem_; }
    UpdateCommand& updateCommand() const { return *updateCommand_; }

    // The window that opens by itself at launch: "main" when the permission holds and the user has been
    // welcomed, otherwise "welcome". The other one opens only when asked for.
    static QString launchWindow(bool maySteerPointer, bool welcomed);

    // Puts the item in the tray and opens the launch window (and the main window too where there is no tray).
    void launch();
    // Another copy of the application was started: bring the main window forward instead.
    void bringForward();

private:
    // Gives the window the Ctrl+Q that quits the application.
    QWidget* withQuitKey(QWidget* window);
    // Runs `action` once the window is on the screen (at once when it already is).
    static void afterMapped(QWidget& window, std::function<void()> action);

    std::unique_ptr<AppModel> model_;
    Shell shell_;
    std::unique_ptr<WindowRegistry> windows_;
    UpdateCommand* updateCommand_;
    std::unique_ptr<MenuBarItem> menuBarItem_;
};

} // namespace quellarine
