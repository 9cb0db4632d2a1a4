#include "Quellarine/QuellarineApp.h"

#include "Quellarine/Desktop/WindowRegistry.h"
#include "Quellarine/MainWindow.h"
#include "Quellarine/MenuBarItem.h"
#include "Quellarine/UpdateCommand.h"
#include "Quellarine/UpdateController.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QSystemTrayIcon>

namespace quellarine {

QuellarineApp::Shell QuellarineApp::Shell::desktop()
{
    return Shell{
        .trayAvailable = [] { return QSystemTrayIcon::isSystemTrayAvailable(); },
        .pointerLocation = [] { return QCursor::pos(); },
        .terminate = [] { QCoreApplication::quit(); },
    };
}

QuellarineApp::QuellarineApp(AppModel::Platform platform, Shell shell, QObject* parent)
    : QObject(parent)
    , model_(std::make_unique<AppModel>(std::move(platform)))
    , shell_(std::move(shell))
    , windows_(std::make_unique<WindowRegistry>())
    , updateCommand_(new UpdateCommand(model_->updates(), this))
    , applicationMenu_(std::make_unique<QMenu>(tr("Quellarine")))
{
    applicationMenu_->addAction(updateCommand_);

    windows_->declare(QStringLiteral("main"), [this] {
        auto* window = new MainWindow(*model_);
        window->menuBar()->addMenu(applicationMenu_.get());
        return window;
    });

    MenuView::Actions actions{
        .openWindow = [this](const QString& identity) { windows_->open(identity); },
        .terminate = [this] { shell_.terminate(); },
    };
    menuBarItem_ = std::make_unique<MenuBarItem>(*model_, actions, *updateCommand_, shell_.pointerLocation);
}

QuellarineApp::~QuellarineApp()
{
    // Windows go before the model they show.
    menuBarItem_.reset();
    windows_.reset();
}

void QuellarineApp::launch()
{
    menuBarItem_->show();
    if (!shell_.trayAvailable()) {
        // Without a tray the user would have no way in.
        windows_->open(QStringLiteral("main"));
    }
}

void QuellarineApp::bringForward()
{
    windows_->open(QStringLiteral("main"));
}

} // namespace quellarine
