#include "Quellarine/Model/PngRowReader.h"

#include "TestPictures.h"

#include <QBuffer>
#include <QColorSpace>

#include <gtest/gtest.h>

using namespace quellarine;
using quellarine::testing::TestPictures;

namespace {

QByteArray encoded(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Each box of `target` as the mean of the pixels of `image` whose position times the box count over the length
// rounds down to it, in premultiplied 8-bit colour.
QImage boxMeans(const QImage& image, QSize target)
{
    const QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage means(target, QImage::Format_ARGB32_Premultiplied);
    const auto first = [](int box, int length, int boxes) { return (box * length + boxes - 1) / boxes; };
    for (int ty = 0; ty < target.height(); ++ty) {
        for (int tx = 0; tx < target.width(); ++tx) {
            std::array<double, 4> sum{};
            int count = 0;
            for (int y = first(ty, image.height(), target.height()); y < first(ty + 1, image.height(), target.height());
                 ++y) {
                for (int x = first(tx, image.width(), target.width()); x < first(tx + 1, image.width(), target.width());
                     ++x) {
                    const QRgb p = source.pixel(x, y);
                    sum[0] += qRed(p);
                    sum[1] += qGreen(p);
                    sum[2] += qBlue(p);
                    sum[3] += qAlpha(p);
                    ++count;
                }
            }
            means.setPixel(tx, ty,
                           qRgba(int(std::lround(sum[0] / count)), int(std::lround(sum[1] / count)),
                                 int(std::lround(sum[2] / count)), int(std::lround(sum[3] / count))));
        }
    }
    return means;
}

// The largest difference of any channel between two pictures of the same size.
int largestDifference(const QImage& a, const QImage& b)
{
    const QImage p = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage q = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int largest = 0;
    for (int y = 0; y < p.height(); ++y) {
        for (int x = 0; x < p.width(); ++x) {
            const QRgb s = p.pixel(x, y);
            const QRgb t = q.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(s) - qRed(t)), std::abs(qGreen(s) - qGreen(t)),
                                std::abs(qBlue(s) - qBlue(t)), std::abs(qAlpha(s) - qAlpha(t))});
        }
    }
    return largest;
}

} // namespace

// Every kind of PNG (8 and 16 bits, grey, palette with transparency, alpha, interlaced) comes out as the mean of
// each box of what Qt decodes of the whole file, up to rounding: rows and interlaced passes land where they
// belong, and transparency is averaged as light that is there.
TEST(PngRowReaderTest, EveryKindOfPngIsTheMeanOfItsBoxes)
{
    const QSize size(203, 157);
    const QImage photo = TestPictures::photoLike(size, 11, true);
    const std::vector<std::pair<const char*, QByteArray>> files{
        {"8-bit RGB", encoded(photo.convertToFormat(QImage::Format_RGB32))},
        {"8-bit RGBA", encoded(photo)},
        {"16-bit RGBA", encoded(photo.convertToFormat(QImage::Format_RGBA64))},
        {"16-bit grey", encoded(photo.convertToFormat(QImage::Format_Grayscale16))},
        {"palette with transparency", encoded(photo.convertToFormat(QImage::Format_Indexed8))},
        {"interlaced RGBA", TestPictures::interlacedPng(photo)},
        {"interlaced, smaller than its passes", TestPictures::interlacedPng(photo.copy(0, 0, 3, 2))},
    };
    for (const auto& [name, file] : files) {
        const QImage whole = QImage::fromData(file, "PNG");
        ASSERT_FALSE(whole.isNull()) << name;
        for (const QSize asked : {whole.size(), QSize(37, 29), QSize(1, 1), QSize(whole.width(), 1)}) {
            const QSize target = asked.boundedTo(whole.size());
            const QImage ours = PngRowReader::read(file, whole.size(), target);
            ASSERT_EQ(ours.size(), target) << name;
            EXPECT_LE(largestDifference(ours, boxMeans(whole, target)), 1)
                << name << " at " << target.width() << "x" << target.height();
        }
    }
}

TEST(PngRowReaderTest, GivesNothingForAnythingButAWholePngOfItsSize)
{
    const QByteArray file = encoded(TestPictures::photoLike({120, 80}, 2));
    ASSERT_FALSE(PngRowReader::read(file, {120, 80}, {30, 20}).isNull());
    EXPECT_TRUE(PngRowReader::read(file, {80, 120}, {20, 30}).isNull()) << "another size than weighed";
    for (qsizetype length : {qsizetype(8), qsizetype(40), file.size() / 2, file.size() - 13, file.size() - 1}) {
        EXPECT_TRUE(PngRowReader::read(file.left(length), {120, 80}, {30, 20}).isNull()) << "cut at " << length;
    }
    QByteArray damaged = file;
    const qsizetype data = damaged.indexOf("IDAT") + 40;
    damaged[data] = char(damaged[data] ^ 0x10);
    EXPECT_TRUE(PngRowReader::read(damaged, {120, 80}, {30, 20}).isNull()) << "a broken checksum";
}

TEST(PngRowReaderTest, KeepsTheFilesColourProfile)
{
    QImage photo = TestPictures::photoLike({40, 30}, 4);
    photo.setColorSpace(QColorSpace(QColorSpace::DisplayP3));
    EXPECT_EQ(PngRowReader::read(encoded(photo), {40, 30}, {10, 8}).colorSpace(), QColorSpace(QColorSpace::DisplayP3));
}
