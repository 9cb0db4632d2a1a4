#include "Quellarine/Shell/QuellarineApp.h"

#include "Quellarine/Desktop/WindowRegistry.h"
#include "Quellarine/Shell/MainWindow.h"
#include "Quellarine/Shell/MenuBarItem.h"
#include "Quellarine/Shell/UpdateCommand.h"
#include "Quellarine/Model/UpdateController.h"
#include "Quellarine/Pages/Welcome/WelcomeView.h"
#include "Quellarine/Shell/WelcomeWindow.h"

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

    windows_->declare(QStringLiteral("welcome"), [this] { return new WelcomeWindow(*model_); });
    windows_->declare(QStringLiteral("main"), [this] {
        auto* window = new MainWindow(*model_, [this](const QString& identity) { windows_->open(identity); });
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

QString QuellarineApp::launchWindow(bool isTrusted, bool welcomed)
{
    return isTrusted && welcomed ? QStringLiteral("main") : QStringLiteral("welcome");
}

void QuellarineApp::launch()
{
    menuBarItem_->show();
    const QString first =
        launchWindow(model_->isTrusted(), model_->defaults().boolean(WelcomeView::welcomedKey).value_or(false));
    if (!shell_.trayAvailable() && first != QStringLiteral("main")) {
        // Without a tray the user would have no way in once the welcome window is closed.
        windows_->open(QStringLiteral("main"));
    }
    // Opened last, so that it is in front.
    windows_->open(first);
}

void QuellarineApp::bringForward()
{
    windows_->open(QStringLiteral("main"));
}

} // namespace quellarine
