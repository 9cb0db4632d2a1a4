#include "TestPictures.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

// libjpeg's header needs the standard I/O types first.
#include <jpeglib.h>
#include <png.h>

namespace quellarine::testing {

QImage TestPictures::photoLike(QSize size, unsigned seed, bool withAlpha)
{
    QImage image(size, withAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    // Light across and down (a sum of slow waves per row and per column, within 0 to 255 together), and grain from
    // a small generator.
    std::vector<int> across(std::size_t(size.width()) * 3);
    std::vector<int> down(std::size_t(size.height()) * 3);
    for (int channel = 0; channel < 3; ++channel) {
        const double phase = seed * 0.7 + channel * 2.1;
        for (int x = 0; x < size.width(); ++x) {
            across[std::size_t(x * 3 + channel)]
                = int(45 * std::sin(x * 6.0 / size.width() + phase) + 15 * std::sin(x * 41.0 / size.width()));
        }
        for (int y = 0; y < size.height(); ++y) {
            down[std::size_t(y * 3 + channel)]
                = int(35 * std::cos(y * 5.0 / size.height() + phase) + 10 * std::sin(y * 37.0 / size.height()));
        }
    }
    std::uint32_t state = seed * 2654435761u + 1;
    for (int y = 0; y < size.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const auto channel = [&](int c) {
                const int grain = int((state >> (8 * c)) & 7) - 3;
                return std::clamp(128 + across[std::size_t(x * 3 + c)] + down[std::size_t(y * 3 + c)] + grain, 0, 255);
            };
            const int alpha = withAlpha ? std::clamp(int(255 * (x + y)) / (size.width() + size.height()), 0, 255) : 255;
            row[x] = qRgba(channel(0), channel(1), channel(2), alpha);
        }
    }
    return image;
}

QByteArray TestPictures::jpeg(const QImage& image, const Jpeg& options)
{
    jpeg_compress_struct compress{};
    jpeg_error_mgr errors{};
    compress.err = jpeg_std_error(&errors);
    jpeg_create_compress(&compress);
    unsigned char* buffer = nullptr;
    unsigned long length = 0;
    jpeg_mem_dest(&compress, &buffer, &length);
    compress.image_width = JDIMENSION(image.width());
    compress.image_height = JDIMENSION(image.height());
    compress.input_components = options.grey ? 1 : 3;
    compress.in_color_space = options.grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&compress);
    jpeg_set_quality(&compress, options.quality, TRUE);
    if (!options.grey) {
        const int side = options.chromaPerFour == 4 ? 1 : 2;
        compress.comp_info[0].h_samp_factor = side;
        compress.comp_info[0].v_samp_factor = side;
    }
    compress.restart_interval = unsigned(options.restartInterval);
    if (options.progressive) {
        jpeg_simple_progression(&compress);
    }
    jpeg_start_compress(&compress, TRUE);
    const QImage rgb = image.convertToFormat(options.grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    while (compress.next_scanline < compress.image_height) {
        auto* row = const_cast<JSAMPROW>(rgb.constScanLine(int(compress.next_scanline)));
        jpeg_write_scanlines(&compress, &row, 1);
    }
    jpeg_finish_compress(&compress);
    jpeg_destroy_compress(&compress);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(length));
    std::free(buffer);
    return bytes;
}

QImage TestPictures::libjpegScaled(const QByteArray& jpeg, int eighths)
{
    jpeg_decompress_struct decompress{};
    jpeg_error_mgr errors{};
    decompress.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&decompress);
    jpeg_mem_src(&decompress, reinterpret_cast<const unsigned char*>(jpeg.constData()), jpeg.size());
    jpeg_read_header(&decompress, TRUE);
    decompress.scale_num = unsigned(eighths);
    decompress.scale_denom = 8;
    decompress.do_fancy_upsampling = FALSE;
    decompress.dct_method = JDCT_FLOAT;
    decompress.out_color_space = JCS_RGB;
    jpeg_start_decompress(&decompress);
    QImage image(int(decompress.output_width), int(decompress.output_height), QImage::Format_RGB888);
    while (decompress.output_scanline < decompress.output_height) {
        JSAMPROW row = image.scanLine(int(decompress.output_scanline));
        jpeg_read_scanlines(&decompress, &row, 1);
    }
    jpeg_finish_decompress(&decompress);
    jpeg_destroy_decompress(&decompress);
    return image.convertToFormat(QImage::Format_RGB32);
}

QByteArray TestPictures::interlacedPng(const QImage& image)
{
    QByteArray bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(
        png, &bytes,
        [](png_structp writer, png_bytep data, png_size_t length) {
            static_cast<QByteArray*>(png_get_io_ptr(writer))
                ->append(reinterpret_cast<const char*>(data), qsizetype(length));
        },
        nullptr);
    png_set_IHDR(png, info, png_uint_32(image.width()), png_uint_32(image.height()), 8, PNG_COLOR_TYPE_RGB_ALPHA,
                 PNG_INTERLACE_ADAM7, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    std::vector<png_bytep> rows;
    for (int y = 0; y < rgba.height(); ++y) {
        rows.push_back(const_cast<png_bytep>(rgba.constScanLine(y)));
    }
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return bytes;
}

QByteArray TestPictures::kept(const QString& name, const std::function<QByteArray()>& make)
{
    const QString folder = QStringLiteral(QUELLARINE_TEST_PICTURES_DIR);
    QFile stored(folder + u'/' + name);
    if (stored.open(QIODevice::ReadOnly)) {
        return stored.readAll();
    }
    const QByteArray bytes = make();
    QDir().mkpath(folder);
    // Whole or not at all, should two test programs make it at once.
    QSaveFile file(stored.fileName());
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
        file.commit();
    }
    return bytes;
}

} // namespace quellarine::testing
