#include <QGuiApplication>
#include <X11/Xlib.h>
