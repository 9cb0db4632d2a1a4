#include "Quellarine/Shell/QuellarineApp.h"

#include "Quellarine/Shell/WindowRegistry.h"
#include "Quellarine/Shell/MainWindow.h"
#include "Quellarine/Shell/UpToDateAlert.h"
#include "Quellarine/Shell/MenuBarItem.h"
#include "Quellarine/Shell/UpdateCommand.h"
#include "Quellarine/Model/UpdateController.h"
#include "Quellarine/Pages/Welcome/WelcomeView.h"
#include "Quellarine/Shell/WelcomeWindow.h"

#include <QApplication>
#include <QCursor>
#include <QAction>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <QSystemTrayIcon>

namespace quellarine {

namespace {

// Runs an action once, when the window it watches first comes on the screen.
class MappedWatch : public QObject {
public:
    MappedWatch(std::function<void()> action, QWindow* window)
        : QObject(window)
        , action_(std::move(action))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            // After the window's own handling, so that its frame is where the window manager put it.
            QTimer::singleShot(0, this, [this] {
                action_();
                deleteLater();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};

} // namespace

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
{
    // The windows have no menu bar: the tray menu and the pages hold the commands, and Ctrl+Q quits from any
    // window as from the popup.
    windows_->declare(QStringLiteral("welcome"), [this] { return withQuitKey(new WelcomeWindow(*model_)); });
    windows_->declare(QStringLiteral("main"), [this] {
        return withQuitKey(new MainWindow(*model_, [this](const QString& identity) { windows_->open(identity); }));
    });

    MenuView::Actions actions{
        .openWindow = [this](const QString& identity) { windows_->open(identity); },
        .terminate = [this] { shell_.terminate(); },
    };
    menuBarItem_ = std::make_unique<MenuBarItem>(*model_, actions, *updateCommand_, shell_.pointerLocation);

    model_->updates().onShowUpToDate = [this] {
        QWidget* main = windows_->window(QStringLiteral("main"));
        // An alert on its own may outlive the application object.
        UpToDateAlert::open(main != nullptr && main->isVisible() ? main : nullptr, [self = QPointer(this)] {
            if (self && self->model_->updates().onShowVersionHistory) {
                self->model_->updates().onShowVersionHistory();
            }
        });
    };
}

QuellarineApp::~QuellarineApp()
{
    // Windows go before the model they show.
    menuBarItem_.reset();
    windows_.reset();
}

QString QuellarineApp::launchWindow(bool maySteerPointer, bool welcomed)
{
    return maySteerPointer && welcomed ? QStringLiteral("main") : QStringLiteral("welcome");
}

QWidget* QuellarineApp::withQuitKey(QWidget* window)
{
    auto* quit = new QAction(window);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setShortcutContext(Qt::WindowShortcut);
    connect(quit, &QAction::triggered, this, [this] { shell_.terminate(); });
    window->addAction(quit);
    return window;
}

void QuellarineApp::launch()
{
    menuBarItem_->show();
    const QString first
        = launchWindow(model_->maySteerPointer(), model_->defaults().boolean(WelcomeView::welcomedKey).value_or(false));
    if (shell_.trayAvailable() || first == QStringLiteral("main")) {
        windows_->open(first);
        return;
    }
    // Without a tray the user would have no way in once the welcome window is closed, so the main window opens
    // too, with the welcome window in front: it belongs to the main window before the window system first sees
    // it (so window managers keep it above), and it is centred on the main window once that is on the screen
    // where the window manager put it.
    QWidget* main = windows_->open(QStringLiteral("main"));
    QWidget* welcome = windows_->prepare(first);
    if (main == nullptr || welcome == nullptr) {
        return;
    }
    welcome->winId();
    welcome->windowHandle()->setTransientParent(main->windowHandle());
    afterMapped(*main, [this, first, main = QPointer<QWidget>(main), welcome = QPointer<QWidget>(welcome)] {
        if (main.isNull() || welcome.isNull()) {
            return;
        }
        QRect placed = welcome->frameGeometry();
        placed.moveCenter(main->frameGeometry().center());
        welcome->move(placed.topLeft());
        windows_->open(first);
    });
}

void QuellarineApp::afterMapped(QWidget& window, std::function<void()> action)
{
    QWindow* handle = window.windowHandle();
    if (handle == nullptr || handle->isExposed()) {
        action();
        return;
    }
    auto* watch = new MappedWatch(std::move(action), handle);
    handle->installEventFilter(watch);
}

void QuellarineApp::bringForward()
{
    windows_->open(QStringLiteral("main"));
}

} // namespace quellarine
