#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

namespace quellarine::testing {

// Pictures for the photo tests: content like a photo's (light that changes smoothly, grain in every pixel, so that
// no file of it compresses to nothing), and JPEG and PNG files written by libjpeg and libpng themselves with the
// choices a camera, a phone or a photo editor makes.
class TestPictures {
public:
    TestPictures() = delete;

    // Quick to make even at camera sizes; the same seed gives the same picture.
    static QImage photoLike(QSize size, unsigned seed, bool withAlpha = false);

    struct Jpeg {
        bool progressive = true;
        // Chroma samples per 2 × 2 pixels' luma: 1 (4:2:0, what cameras write) or 4 (4:4:4, a photo editor's best).
        int chromaPerFour = 1;
        bool grey = false;
        // MCUs between restart markers, or 0 for none.
        int restartInterval = 0;
        int quality = 90;
    };
    static QByteArray jpeg(const QImage& image, const Jpeg& options);

    // libjpeg's own reading of a JPEG file at `eighths` eighths of its size, chroma replicated rather than
    // interpolated.
    static QImage libjpegScaled(const QByteArray& jpeg, int eighths);

    // An interlaced (Adam7) PNG of the picture, 8-bit RGBA.
    static QByteArray interlacedPng(const QImage& image);

    // The file made by `make`, kept in the build folder under `name` after the first time. The name says what the
    // file holds; change it when what `make` makes changes.
    static QByteArray kept(const QString& name, const std::function<QByteArray()>& make);
};

} // namespace quellarine::testing
