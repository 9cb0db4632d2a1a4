#pragma once

#include "Quellarine/AppModel.h"

#include <QObject>
#include <QPoint>

#include <functional>
#include <memory>

class QMenu;

namespace quellarine {

class MenuBarItem;
class UpdateCommand;
class WindowRegistry;

// The application object: it creates the one model for the life of the process and sets up what the user
// meets of it: the item in the desktop's tray with the menu-bar window, the windows known by identity, and the
// application menu's update command. It changes no window itself at launch except to make sure there is a way
// in: where the desktop has no tray, the main window opens.
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

    // Puts the item in the tray, or opens the main window when the desktop has none.
    void launch();
    // Another copy of the application was started: bring the main window forward instead.
    void bringForward();

private:
    std::unique_ptr<AppModel> model_;
    Shell shell_;
    std::unique_ptr<WindowRegistry> windows_;
    UpdateCommand* updateCommand_;
    std::unique_ptr<QMenu> applicationMenu_;
    std::unique_ptr<MenuBarItem> menuBarItem_;
};

} // namespace quellarine
