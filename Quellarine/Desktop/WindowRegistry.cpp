#include "Quellarine/Desktop/WindowRegistry.h"

namespace quellarine {

WindowRegistry::WindowRegistry(QObject* parent)
    : QObject(parent)
{
}

WindowRegistry::~WindowRegistry()
{
    for (const auto& window : std::as_const(windows_)) {
        delete window.data();
    }
}

void WindowRegistry::declare(const QString& identity, Factory make)
{
    factories_.insert(identity, std::move(make));
}

QWidget* WindowRegistry::open(const QString& identity)
{
    QWidget* existing = window(identity);
    if (existing == nullptr) {
        const auto factory = factories_.constFind(identity);
        if (factory == factories_.constEnd()) {
            return nullptr;
        }
        existing = (*factory)();
        if (existing == nullptr) {
            return nullptr;
        }
        // Closing a window ends it, so that it is made afresh the next time; the registry forgets it by itself.
        existing->setAttribute(Qt::WA_DeleteOnClose);
        windows_.insert(identity, existing);
    }
    if (existing->isMinimized()) {
        existing->setWindowState(existing->windowState() & ~Qt::WindowMinimized);
    }
    existing->show();
    existing->raise();
    existing->activateWindow();
    return existing;
}

QWidget* WindowRegistry::window(const QString& identity) const
{
    return windows_.value(identity).data();
}

} // namespace quellarine
