#include "Quellarine/Desktop/Colours.h"

#include <QGuiApplication>
#include <QPalette>
#include <QtGui/QColor>
