#include "Screenshots.h"

#include "Quellarine/Desktop/Appearance.h"

#include <QAbstractAnimation>
#include <QAnimationGroup>
#include <QApplication>
#include <QDir>
#include <QLayout>
#include <QPainter>
#include <QVBoxLayout>
#include <QWidget>

namespace quellarine::testing {

namespace {

constexpr int margin = 24;

void finishAnimations(QWidget& root)
{
    for (auto* animation : root.findChildren<QAbstractAnimation*>()) {
        if (animation->group() == nullptr && animation->state() != QAbstractAnimation::Stopped) {
            animation->setCurrentTime(animation->totalDuration());
        }
    }
}

} // namespace

QString Screenshots::directory()
{
    return QStringLiteral(QUELLARINE_SCREENSHOT_DIR);
}

QImage Screenshots::render(QWidget& widget, qreal devicePixelRatio)
{
    QImage image(widget.size() * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    widget.render(&image);
    return image;
}

int Screenshots::opaquePixels(const QImage& image, QRgb rgb)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            count += qAlpha(pixel) == 255
                && qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)) == qRgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
        }
    }
    return count;
}

namespace {

QStringList writeBothAppearances(const QString& name, QWidget& window)
{
    QDir().mkpath(Screenshots::directory());
    QStringList written;
    for (const bool dark : {false, true}) {
        Appearance::shared().setChoice(dark ? Appearance::Choice::dark : Appearance::Choice::light);
        QApplication::processEvents();
        finishAnimations(window);
        QApplication::processEvents();
        const QString path = Screenshots::directory()
            + QStringLiteral("/%1-%2.png").arg(name, dark ? QStringLiteral("dark") : QStringLiteral("light"));
        if (Screenshots::render(window).save(path)) {
            written.append(path);
        }
    }
    Appearance::shared().setChoice(Appearance::Choice::light);
    return written;
}

} // namespace

QStringList Screenshots::captureWindow(const QString& name, QWidget& window)
{
    window.show();
    QApplication::processEvents();
    finishAnimations(window);
    QApplication::processEvents();
    return writeBothAppearances(name, window);
}

QStringList Screenshots::capture(const QString& name, QWidget* widget, int width)
{
    QWidget window;
    window.setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addWidget(widget);
    layout->addStretch(1);
    if (width > 0) {
        window.setFixedWidth(width);
        layout->activate();
        const int height
            = layout->hasHeightForWidth() ? layout->totalHeightForWidth(width) : layout->totalSizeHint().height();
        window.setFixedHeight(height);
    } else {
        window.adjustSize();
    }
    window.show();
    QApplication::processEvents();
    finishAnimations(window);
    QApplication::processEvents();
    return writeBothAppearances(name, window);
}

} // namespace quellarine::testing
