#include "Quellarine/Model/ProfilePhoto.h"

#include "Quellarine/Desktop/OwnFile.h"
#include "Quellarine/Model/JpegStructure.h"
#include "Quellarine/Model/PhotoBudget.h"
#include "Quellarine/Model/PhotoCompleteness.h"
#include "Quellarine/Model/PngRowReader.h"
#include "Quellarine/Model/ProgressiveJpegReader.h"

#include <QBuffer>
#include <QColorSpace>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStandardPaths>
#include <QTransform>

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

// The picture turned upright as an orientation tag says: mirrored or flipped first, then a quarter clockwise.
QImage upright(const QImage& image, QImageIOHandler::Transformations transformation)
{
    QImage turned = image.mirrored(transformation.testFlag(QImageIOHandler::TransformationMirror),
                                   transformation.testFlag(QImageIOHandler::TransformationFlip));
    return transformation.testFlag(QImageIOHandler::TransformationRotate90)
        ? turned.transformed(QTransform().rotate(90))
        : turned;
}

// The picture in the bytes, made as small as `bounds` let it; null when they are not a whole photo in a format
// this application reads. A file that claims a picture larger than its data can hold, or one that no decoder can
// read within the budget, is refused from its header, before any pixel is decoded.
QImage decode(const QByteArray& data, PhotoBudget::Bounds bounds)
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
    if ((format == "gif" && !PhotoCompleteness::gif(data)) || (format == "bmp" && !PhotoCompleteness::bmp(data))
        || (format == "png" && !PhotoCompleteness::png(data))) {
        return {};
    }
    const std::optional<PhotoBudget::Decoder> decoder
        = PhotoBudget::choose(data.size(), format, size, reader.imageFormat(), bounds, jpeg ? &*jpeg : nullptr);
    if (!decoder) {
        return {};
    }
    const QSize target = PhotoBudget::target(size, bounds);
    switch (*decoder) {
    case PhotoBudget::Decoder::qt:
        if (target != size) {
            reader.setScaledSize(target);
        }
        return reader.read();
    case PhotoBudget::Decoder::pngRows:
        return PngRowReader::read(data, size, target);
    case PhotoBudget::Decoder::lowFrequencies: {
        const QSize frame(jpeg->width, jpeg->height);
        const QImage decoded
            = ProgressiveJpegReader::read(data, frame, PhotoBudget::eighths(frame, PhotoBudget::target(frame, bounds)));
        if (decoded.isNull()) {
            return {};
        }
        const QImageIOHandler::Transformations transformation = reader.transformation();
        const QSize turned
            = transformation.testFlag(QImageIOHandler::TransformationRotate90) ? frame.transposed() : frame;
        return upright(decoded, transformation)
            .scaled(PhotoBudget::target(turned, bounds), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    }
    return {};
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
    return decode(*data, {storedSide, storedSide});
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

    QImage decoded = decode(*data, {storedSide, decodedSide});
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
