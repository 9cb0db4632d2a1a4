#include "Quellarine/Model/ProfilePhoto.h"

#include "Quellarine/Desktop/OwnFile.h"
#include "Quellarine/Model/JpegStructure.h"
#include "Quellarine/Model/PhotoBudget.h"

#include <QBuffer>
#include <QColorSpace>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStandardPaths>

#include <array>
#include <cstdlib>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quellarine {

namespace {

// Raster formats a photo comes in, and whose decoders' memory the budget knows. Vector and text formats (SVG, XPM)
// run parsers a photo never needs.
constexpr std::array<const char*, 4> photoFormats{"jpeg", "png", "gif", "bmp"};

bool isPhotoFormat(const QByteArray& format)
{
    for (const char* known : photoFormats) {
        if (format == known) {
            return true;
        }
    }
    return false;
}

// The GIF decoder, too, shows a cut-off file as far as it got. A whole file closes its first picture's data with an
// empty sub-block: walks the screen descriptor, the colour tables, the extensions before the picture and its data.
// The data must also be long enough for the picture: each code takes at least 3 bits and stands for at most 4096
// pixels.
bool gifIsComplete(const QByteArray& data)
{
    const auto byte = [&](qsizetype at) { return static_cast<unsigned char>(data[at]); };
    const auto colourTable
        = [](unsigned char flags) { return flags & 0x80 ? 3 * (qsizetype(2) << (flags & 0x07)) : 0; };
    // Sub-blocks are a length byte and that many bytes, ended by a length of 0; the index after that 0, or none.
    qsizetype carried = 0; // bytes in the last sub-blocks walked
    const auto afterSubBlocks = [&](qsizetype at) -> std::optional<qsizetype> {
        carried = 0;
        while (at < data.size()) {
            const int length = byte(at);
            ++at;
            if (length == 0) {
                return at;
            }
            at += length;
            carried += length;
        }
        return std::nullopt;
    };
    if (data.size() < 13) {
        return false;
    }
    qsizetype at = 13 + colourTable(byte(10));
    while (at < data.size()) {
        if (byte(at) == 0x21) { // extension: its label, then sub-blocks
            const auto next = afterSubBlocks(at + 2);
            if (!next) {
                return false;
            }
            at = *next;
        } else if (byte(at) == 0x2C) { // picture: descriptor, colour table, code size, then the data's sub-blocks
            if (at + 10 > data.size()) {
                return false;
            }
            const std::int64_t pixels
                = std::int64_t(byte(at + 5) | byte(at + 6) << 8) * std::int64_t(byte(at + 7) | byte(at + 8) << 8);
            return afterSubBlocks(at + 10 + colourTable(byte(at + 9)) + 1).has_value()
                && std::int64_t{carried} * 8 * 4096 >= 3 * pixels;
        } else {
            return false;
        }
    }
    return false;
}

// The BMP decoder leaves the rows a cut-off file lacks blank. A whole file holds every row of its pixel array, or,
// run-length coded, reaches the end-of-bitmap code. Other codings are left to the decoder.
bool bmpIsComplete(const QByteArray& data)
{
    const auto byte = [&](qsizetype at) { return static_cast<unsigned char>(data[at]); };
    const auto little = [&](qsizetype at, int bytes) {
        std::int64_t value = 0;
        for (int k = bytes - 1; k >= 0; --k) {
            value = (value << 8) | byte(at + k);
        }
        return value;
    };
    if (data.size() < 26) {
        return false;
    }
    const std::int64_t pixels = little(10, 4);
    const bool core = little(14, 4) == 12; // the oldest header: 16-bit sizes, never compressed
    if (!core && data.size() < 34) {
        return false;
    }
    const std::int64_t width = core ? little(18, 2) : static_cast<std::int32_t>(little(18, 4));
    const std::int64_t height = core ? little(20, 2) : static_cast<std::int32_t>(little(22, 4));
    const std::int64_t bitsPerPixel = little(core ? 24 : 28, 2);
    const std::int64_t compression = core ? 0 : little(30, 4);
    if (pixels > data.size()) {
        return false;
    }
    if (compression == 0 || compression == 3 || compression == 6) { // plain rows, or rows with colour masks
        // Rows are padded to four bytes; the last row's padding may be missing.
        const std::int64_t rowBytes = (bitsPerPixel * std::abs(width) + 31) / 32 * 4;
        const std::int64_t lastRow = (bitsPerPixel * std::abs(width) + 7) / 8;
        const std::int64_t present = data.size() - pixels;
        return rowBytes == 0 || height == 0
            || (present >= lastRow && std::abs(height) - 1 <= (present - lastRow) / rowBytes);
    }
    if (compression == 1 || compression == 2) { // runs of 8- or 4-bit pixels in pairs of bytes
        qsizetype at = pixels;
        while (at + 1 < data.size()) {
            const int count = byte(at), code = byte(at + 1);
            at += 2;
            if (count > 0 || code == 0) { // a run, or the end of a row
                continue;
            }
            if (code == 1) {
                return true;
            }
            if (code == 2) { // a jump: two more bytes
                at += 2;
                continue;
            }
            const qsizetype literal = compression == 1 ? code : (code + 1) / 2; // padded to a whole pair
            at += literal + (literal & 1);
        }
        return false;
    }
    return true;
}

// Reads a whole file of `size` bytes through an open descriptor, refusing one that changes size meanwhile. Asks
// for no more than the file holds: the read's buffer is as large as the request.
std::optional<QByteArray> readLimited(int descriptor, std::int64_t size)
{
    QFile file;
    if (size > ProfilePhoto::sizeLimit || !file.open(descriptor, QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
        return std::nullopt;
    }
    QByteArray data = file.read(size + 1);
    if (file.error() != QFileDevice::NoError || data.size() != size) {
        return std::nullopt;
    }
    return data;
}

// The picture in the bytes, at most `maximumSide` pixels a side; null when they are not a whole photo in a format
// this application reads. A file that claims a picture larger than its data can hold, or one whose decoding would
// take more memory than the budget, is refused from its header, before any pixel is decoded.
QImage decode(const QByteArray& data, int maximumSide)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    // Also Qt's own limit, on the picture it allocates, stays within the budget.
    reader.setAllocationLimit(int(PhotoBudget::memoryLimit >> 20));
    const QByteArray format = reader.format();
    if (!isPhotoFormat(format)) {
        return {};
    }
    // Read from the header only.
    const QSize size = reader.size();
    if (size.isEmpty()) {
        return {};
    }
    std::optional<JpegStructure> jpeg;
    if (format == "jpeg") {
        jpeg = JpegStructure::read(data);
        // The frame the decoder reads is the one the walk found.
        const QSize framed(jpeg->width, jpeg->height);
        if (!jpeg->complete || !jpeg->supported || !jpeg->holdsItsBlocks()
            || (framed != size && framed != size.transposed())) {
            return {};
        }
    }
    if ((format == "gif" && !gifIsComplete(data)) || (format == "bmp" && !bmpIsComplete(data))) {
        return {};
    }
    if (!PhotoBudget::allows(data.size(), size, reader.imageFormat(), maximumSide, jpeg ? &*jpeg : nullptr)) {
        return {};
    }
    if (std::max(size.width(), size.height()) > maximumSide) {
        reader.setScaledSize(size.scaled(maximumSide, maximumSide, Qt::KeepAspectRatio));
    }
    return reader.read();
}

} // namespace

QString ProfilePhoto::description(Error error)
{
    switch (error) {
    case Error::unreadable:
        return QCoreApplication::translate("ProfilePhoto", "That file isn't an image Quellarine can read.");
    case Error::tooLarge:
        return QCoreApplication::translate("ProfilePhoto", "That image is too large. Choose one under 40 MB.");
    case Error::notSaved:
        return QCoreApplication::translate(
            "ProfilePhoto", "Quellarine couldn't save the photo. Check that your disk isn't full, then try again.");
    }
    return {};
}

QString ProfilePhoto::defaultFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Quellarine"));
}

void ProfilePhoto::createFolder(const QString& folder)
{
    const QFileInfo info(folder);
    if (info.exists()) {
        return;
    }
    QDir().mkpath(info.absolutePath());
    QDir().mkdir(info.absoluteFilePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QImage ProfilePhoto::load(const QString& path)
{
    // Opening first and checking the open file leaves no moment for the path to be swapped for a link. O_NONBLOCK:
    // a pipe put in the file's place must not hang the load.
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        return {};
    }
    struct stat status {};
    std::optional<QByteArray> data;
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::getuid()
        && status.st_size <= sizeLimit) {
        data = readLimited(descriptor, status.st_size);
    }
    ::close(descriptor);
    if (!data || data->isEmpty()) {
        return {};
    }
    // The file is one this application wrote at 512 pixels; a larger one is shown no bigger than an import would.
    return decode(*data, storedSide);
}

std::variant<QByteArray, ProfilePhoto::Error> ProfilePhoto::makeThumbnailPNG(const QString& sourcePath)
{
    const int descriptor = ::open(QFile::encodeName(sourcePath).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        return Error::unreadable;
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return Error::unreadable;
    }
    if (status.st_size > sizeLimit) {
        ::close(descriptor);
        return Error::tooLarge;
    }
    std::optional<QByteArray> data = readLimited(descriptor, status.st_size);
    ::close(descriptor);
    if (!data) {
        return Error::unreadable;
    }

    QImage decoded = decode(*data, decodedSide);
    data.reset();
    if (decoded.isNull()) {
        return Error::unreadable;
    }
    const int side = std::min(decoded.width(), decoded.height());
    const QRect square((decoded.width() - side) / 2, (decoded.height() - side) / 2, side, side);
    const int out = std::min(side, storedSide);

    QImage image = decoded.copy(square);
    decoded = QImage();
    if (image.colorSpace().isValid() && image.colorSpace() != QColorSpace(QColorSpace::SRgb)) {
        image.convertToColorSpace(QColorSpace::SRgb);
    }
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                .scaled(out, out, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setColorSpace(QColorSpace::SRgb);

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        return Error::unreadable;
    }
    return png;
}

std::variant<QByteArray, ProfilePhoto::Error> ProfilePhoto::importFile(const QString& sourcePath,
                                                                       const QString& photoPath)
{
    auto result = makeThumbnailPNG(sourcePath);
    if (const auto* png = std::get_if<QByteArray>(&result); png && !write(*png, photoPath)) {
        return Error::notSaved;
    }
    return result;
}

bool ProfilePhoto::write(const QByteArray& png, const QString& photoPath)
{
    return OwnFile::replace(photoPath, png, 0600);
}

} // namespace quellarine
