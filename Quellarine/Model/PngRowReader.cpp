#include "Quellarine/Model/PngRowReader.h"

#include <QColorSpace>

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <limits>
#include <vector>

namespace quellarine {

namespace {

struct Source {
    const QByteArray& data;
    qsizetype at = 0;
};

void readBytes(png_structp png, png_bytep out, png_size_t count)
{
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (count > std::size_t(source->data.size() - source->at)) {
        png_error(png, "cut off");
    }
    std::memcpy(out, source->data.constData() + source->at, count);
    source->at += qsizetype(count);
}

[[noreturn]] void fail(png_structp png, png_const_charp /*message*/)
{
    png_longjmp(png, 1);
}

void ignore(png_structp /*png*/, png_const_charp /*message*/)
{
}

// The pixels of `size` added into `target` boxes: per box the sums of red, green and blue (each multiplied by its
// pixel's opacity, 0 to 255) and of the opacity.
class Boxes {
public:
    Boxes(QSize size, QSize target)
        : size_(size)
        , target_(target)
        , sums_(std::size_t(target.width()) * std::size_t(target.height()) * 4)
    {
    }

    // The most pixels one box holds; its sums stay within 32 bits while that times 255 does.
    static std::int64_t largestBox(QSize size, QSize target)
    {
        return ((std::int64_t{size.width()} + target.width() - 1) / target.width())
            * ((std::int64_t{size.height()} + target.height() - 1) / target.height());
    }

    // `count` pixels of RGBA from row `y`, the first at column `x`, then every `step`th.
    void add(const png_byte* pixels, std::int64_t count, std::int64_t y, std::int64_t x, std::int64_t step)
    {
        std::uint32_t* row = &sums_[std::size_t(y * target_.height() / size_.height()) * target_.width() * 4];
        for (std::int64_t i = 0; i < count; ++i, x += step, pixels += 4) {
            std::uint32_t* box = row + (x * target_.width() / size_.width()) * 4;
            const unsigned alpha = pixels[3];
            box[0] += (pixels[0] * alpha + 127) / 255;
            box[1] += (pixels[1] * alpha + 127) / 255;
            box[2] += (pixels[2] * alpha + 127) / 255;
            box[3] += alpha;
        }
    }

    QImage picture(bool alpha) const
    {
        QImage image(target_, alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        if (image.isNull()) {
            return image;
        }
        for (int ty = 0; ty < target_.height(); ++ty) {
            const std::int64_t rows = span(ty, size_.height(), target_.height());
            auto* out = reinterpret_cast<QRgb*>(image.scanLine(ty));
            const std::uint32_t* box = &sums_[std::size_t(ty) * target_.width() * 4];
            for (int tx = 0; tx < target_.width(); ++tx, box += 4) {
                const std::int64_t count = rows * span(tx, size_.width(), target_.width());
                const auto mean = [&](int channel) { return int((box[channel] + count / 2) / count); };
                out[tx] = qRgba(mean(0), mean(1), mean(2), alpha ? mean(3) : 255);
            }
        }
        return image;
    }

private:
    // How many of `length` pixels fall into box `index` of `boxes`: those whose position times boxes over length
    // rounds down to it.
    static std::int64_t span(std::int64_t index, std::int64_t length, std::int64_t boxes)
    {
        const auto first = [&](std::int64_t box) { return (box * length + boxes - 1) / boxes; };
        return first(index + 1) - first(index);
    }

    QSize size_;
    QSize target_;
    std::vector<std::uint32_t> sums_;
};

// libpng's errors jump back into this function, over libpng's own frames only: everything with a destructor belongs
// to the caller.
bool readRows(png_structp png, png_infop info, QSize size, Boxes& boxes, std::vector<png_byte>& row, bool& alpha,
              QByteArray& profile)
{
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    png_read_info(png, info);
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int depth = 0;
    int colour = 0;
    int interlace = 0;
    png_get_IHDR(png, info, &width, &height, &depth, &colour, &interlace, nullptr, nullptr);
    if (width != png_uint_32(size.width()) || height != png_uint_32(size.height())) {
        return false;
    }
    alpha = (colour & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    png_charp name = nullptr;
    int compression = 0;
    png_bytep iccData = nullptr;
    png_uint_32 iccLength = 0;
    if (png_get_iCCP(png, info, &name, &compression, &iccData, &iccLength) != 0) {
        profile = QByteArray(reinterpret_cast<const char*>(iccData), qsizetype(iccLength));
    }
    // Every kind of PNG arrives as 8-bit RGBA.
    png_set_expand(png);
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_read_update_info(png, info);
    row.resize(png_get_rowbytes(png, info));
    if (row.size() < std::size_t(width) * 4) {
        return false;
    }
    // Without libpng's own interlace handling, each pass of an interlaced file comes as a small picture of its own.
    const bool interlaced = interlace == PNG_INTERLACE_ADAM7;
    for (int pass = 0; pass < (interlaced ? PNG_INTERLACE_ADAM7_PASSES : 1); ++pass) {
        const png_uint_32 columns = interlaced ? PNG_PASS_COLS(width, pass) : width;
        const png_uint_32 rows = interlaced ? PNG_PASS_ROWS(height, pass) : height;
        if (columns == 0 || rows == 0) {
            continue;
        }
        for (png_uint_32 y = 0; y < rows; ++y) {
            png_read_row(png, row.data(), nullptr);
            if (interlaced) {
                boxes.add(row.data(), columns, PNG_ROW_FROM_PASS_ROW(y, pass), PNG_PASS_START_COL(pass),
                          std::int64_t{1} << PNG_PASS_COL_SHIFT(pass));
            } else {
                boxes.add(row.data(), columns, y, 0, 1);
            }
        }
    }
    png_read_end(png, nullptr);
    return true;
}

} // namespace

QImage PngRowReader::read(const QByteArray& data, QSize size, QSize target)
{
    if (size.isEmpty() || target.isEmpty() || target.width() > size.width() || target.height() > size.height()
        || Boxes::largestBox(size, target) > std::int64_t{std::numeric_limits<std::uint32_t>::max() / 255}) {
        return {};
    }
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, fail, ignore);
    if (png == nullptr) {
        return {};
    }
    png_infop info = png_create_info_struct(png);
    struct Release {
        png_structp& png;
        png_infop& info;
        ~Release() { png_destroy_read_struct(&png, info != nullptr ? &info : nullptr, nullptr); }
    } release{png, info};
    if (info == nullptr) {
        return {};
    }
    Source source{data};
    png_set_read_fn(png, &source, readBytes);
    Boxes boxes(size, target);
    std::vector<png_byte> row;
    bool alpha = false;
    QByteArray profile;
    if (!readRows(png, info, size, boxes, row, alpha, profile)) {
        return {};
    }
    QImage image = boxes.picture(alpha);
    const QColorSpace colourSpace = profile.isEmpty() ? QColorSpace() : QColorSpace::fromIccProfile(profile);
    if (colourSpace.isValid()) {
        image.setColorSpace(colourSpace);
    }
    return image;
}

std::int64_t PngRowReader::memoryBytes(QSize size, QSize target)
{
    // libpng's row and the previous one for its filters, and ours, each at most 16-bit RGBA; its decompressor and
    // its own state.
    const std::int64_t rows = 3 * std::int64_t{size.width()} * 8 + (std::int64_t{1} << 18);
    const std::int64_t boxes = std::int64_t{target.width()} * target.height() * (4 * 4 + 4);
    return rows + boxes;
}

} // namespace quellarine
