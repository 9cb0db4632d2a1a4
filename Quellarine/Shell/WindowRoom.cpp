#include "Quellarine/Shell/WindowRoom.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace quellarine {

QSize WindowRoom::forContent(const QWidget& window)
{
    const QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    }
    // A frame thinner than a title bar is taken as not yet complete: the window manager adds one later.
    const int frame = std::max(window.frameGeometry().height() - window.height(), assumedFrameHeight);
    return forContent(screen->availableGeometry().size(), frame);
}

QSize WindowRoom::forContent(QSize available, int frameHeight)
{
    return {std::max(1, available.width()), std::max(1, available.height() - frameHeight - panelAllowance)};
}

} // namespace quellarine
