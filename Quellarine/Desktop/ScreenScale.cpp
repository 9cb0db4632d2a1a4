#include "Quellarine/Desktop/ScreenScale.h"

#include <QGuiApplication>
#include <QScreen>

namespace quellarine {

double mmPerPoint()
{
    constexpr double unknown = 0.25;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || screen->geometry().width() <= 0) {
        return unknown;
    }
    const double millimetres = screen->physicalSize().width();
    if (!(millimetres > 0)) {
        return unknown;
    }
    return millimetres / screen->geometry().width();
}

} // namespace quellarine
