#include "Quellarine/Shell/Compositor.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

// Xlib last: its macros clash with Qt's names.
#include <X11/Xlib.h>

namespace quellarine {

bool Compositor::isActive()
{
    const auto* x11 = qGuiApp == nullptr ? nullptr : qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->display() == nullptr) {
        return true;
    }
    Display* display = x11->display();
    // A compositing manager announces itself by owning the selection _NET_WM_CM_S<screen number>.
    const QByteArray selection = "_NET_WM_CM_S" + QByteArray::number(DefaultScreen(display));
    const Atom atom = XInternAtom(display, selection.constData(), False);
    return XGetSelectionOwner(display, atom) != None;
}

} // namespace quellarine
