#pragma once

#include "Quellarine/Shell/MenuView.h"

#include "QuellarineKit/Pointer/FilterPreset.h"

#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

#include <functional>
#include <map>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace quellarine {

class AppModel;
class MenuPanel;

// The application's item in the desktop's tray: its image and accessible text say whether smoothing works
// (`isOn`, not the wish); a click shows the menu-bar window beside it; trays that only offer a menu get the
// same essentials as a menu.
class MenuBarItem : public QObject {
    Q_OBJECT

public:
    MenuBarItem(AppModel& model, MenuView::Actions actions, QAction& updateCommand,
                std::function<QPoint()> pointerLocation, QObject* parent = nullptr);
    ~MenuBarItem() override;

    // "MenuBarOn" while smoothing works, otherwise "MenuBarOff".
    QString imageName() const;
    // "Quellarine on" or "Quellarine off".
    QString accessibleLabel() const;

    QSystemTrayIcon& trayIcon() const { return *tray_; }
    MenuPanel& panel() const { return *panel_; }
    QMenu& menu() const { return *menu_; }

    // Puts the item in the tray.
    void show();
    // Shows the menu-bar window beside the item (or near the pointer when the tray does not say where the item
    // is), or hides it when it is shown.
    void togglePanel();

    // The tray image: the named mark in white on a tile that reads on light and dark panels.
    static QIcon icon(const QString& imageName);

private:
    void afterButtonsReleased(std::function<void()> action);
    void refresh();
    void refreshIcon();
    void buildMenu(QAction& updateCommand);
    void refreshMenu();

    AppModel& model_;
    std::function<QPoint()> pointerLocation_;
    QSystemTrayIcon* tray_;
    MenuPanel* panel_;
    QMenu* menu_;

    QAction* status_ = nullptr;
    QAction* filter_ = nullptr;
    QAction* allow_ = nullptr;
    QAction* personalSection_ = nullptr;
    std::map<FilterPreset::ID, QAction*> presets_;
    QAction* clickGuard_ = nullptr;
};

} // namespace quellarine
