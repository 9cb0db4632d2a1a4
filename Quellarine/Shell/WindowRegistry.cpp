#include "Quellarine/Shell/WindowRegistry.h"

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

QWidget* WindowRegistry::prepare(const QString& identity)
{
    if (QWidget* existing = window(identity)) {
        return existing;
    }
    const auto factory = factories_.constFind(identity);
    if (factory == factories_.constEnd()) {
        return nullptr;
    }
    QWidget* made = (*factory)();
    if (made == nullptr) {
        return nullptr;
    }
    // Closing a window ends it, so that it is made afresh the next time; the registry forgets it by itself.
    made->setAttribute(Qt::WA_DeleteOnClose);
    windows_.insert(identity, made);
    return made;
}

QWidget* WindowRegistry::open(const QString& identity)
{
    QWidget* existing = prepare(identity);
    if (existing == nullptr) {
        return nullptr;
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
