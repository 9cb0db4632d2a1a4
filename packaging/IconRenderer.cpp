// Renders an SVG image to a square PNG of the given side, for the icon theme's fixed sizes:
//   IconRenderer <image.svg> <side> <out.png>
// The application draws its images with the same renderer, so the icon looks as it does in the application.

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    bool sideIsNumber = false;
    const int side = argc == 4 ? QString::fromLocal8Bit(argv[2]).toInt(&sideIsNumber) : 0;
    if (!sideIsNumber || side <= 0) {
        std::fprintf(stderr, "usage: IconRenderer <image.svg> <side> <out.png>\n");
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "IconRenderer: cannot read %s\n", argv[1]);
        return 1;
    }
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "IconRenderer: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
