#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace quellarine::testing {

// Renders widgets offscreen to PNG files under the build folder (build/screenshots), once in the light and once
// in the dark appearance, on a window background with a margin and at twice the pixel density, so they can be
// looked at as a person would see them.
class Screenshots {
public:
    static QString directory();

    // Shows `widget` in a window of the given width (0: its own width), runs every entrance animation to its
    // end, and writes NAME-light.png and NAME-dark.png. Returns the paths written; the appearance is light
    // again afterwards.
    static QStringList capture(const QString& name, QWidget* widget, int width = 0);

    // A whole window as it stands, at its own size and without a margin: shows it, runs every entrance
    // animation to its end and writes NAME-light.png and NAME-dark.png.
    static QStringList captureWindow(const QString& name, QWidget& window);

    // The widget as drawn now, at the given pixel density.
    static QImage render(QWidget& widget, qreal devicePixelRatio = 2.0);

    // How many opaque pixels of `image` have exactly the colour `rgb`.
    static int opaquePixels(const QImage& image, QRgb rgb);
};

} // namespace quellarine::testing
