#include "Quellarine/Model/JpegStructure.h"
#include "Quellarine/Model/ProgressiveJpegReader.h"

#include "TestPictures.h"

#include <QColorSpace>

#include <gtest/gtest.h>

using namespace quellarine;
using quellarine::testing::TestPictures;

namespace {

// The mean difference per channel between two pictures of the same size; or of their luma alone.
double meanDifference(const QImage& a, const QImage& b, bool lumaOnly)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += lumaOnly
                ? std::abs(0.299 * (qRed(p) - qRed(q)) + 0.587 * (qGreen(p) - qGreen(q))
                           + 0.114 * (qBlue(p) - qBlue(q)))
                : (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q))) / 3.0;
        }
    }
    return sum / (double(a.width()) * a.height());
}

} // namespace

// Every kind of progressive file a camera, a phone or a photo editor writes, at every scale: the picture is the one
// libjpeg makes of the same file at the same scale (up to rounding and how chroma is spread), so every scan, the
// refinements of coefficients it keeps and of those it only counts, the runs of empty blocks and the restarts are
// read right. A coefficient read wrong shows as a block gone wrong, far above rounding.
TEST(ProgressiveJpegReaderTest, ReadsWhatLibjpegReadsAtEveryScale)
{
    struct Case {
        const char* name;
        QSize size;
        TestPictures::Jpeg options;
    };
    const std::vector<Case> cases{
        {"4:2:0", {203, 157}, {}},
        {"4:4:4", {160, 120}, {.chromaPerFour = 4}},
        {"grey", {99, 131}, {.grey = true}},
        {"4:2:0 with restarts", {250, 90}, {.restartInterval = 3}},
        {"4:4:4 with restarts at every MCU", {64, 72}, {.chromaPerFour = 4, .restartInterval = 1}},
        {"4:2:0 at the highest quality", {120, 80}, {.quality = 100}},
    };
    for (const Case& c : cases) {
        const QByteArray file = TestPictures::jpeg(TestPictures::photoLike(c.size, 7), c.options);
        for (int eighths = 1; eighths <= 8; ++eighths) {
            const QImage ours = ProgressiveJpegReader::read(file, c.size, eighths);
            const QImage libjpeg = TestPictures::libjpegScaled(file, eighths);
            ASSERT_EQ(ours.size(), libjpeg.size()) << c.name << " at " << eighths << "/8";
            // Below full size libjpeg spreads subsampled chroma with coefficients of its own that this reader
            // leaves out, so there the light alone must match.
            const bool subsampled = !c.options.grey && c.options.chromaPerFour == 1;
            EXPECT_LT(meanDifference(ours, libjpeg, subsampled), 1.5) << c.name << " at " << eighths << "/8";
        }
    }
}

// Whatever is not a whole progressive file of the size the budget weighed gives no picture, never a part of one.
TEST(ProgressiveJpegReaderTest, GivesNothingForAnythingButAWholeProgressiveFileOfItsSize)
{
    const QImage picture = TestPictures::photoLike({120, 80}, 3);
    const QByteArray file = TestPictures::jpeg(picture, {});
    ASSERT_FALSE(ProgressiveJpegReader::read(file, {120, 80}, 2).isNull());

    EXPECT_TRUE(ProgressiveJpegReader::read(file, {80, 120}, 2).isNull()) << "another size than weighed";
    EXPECT_TRUE(ProgressiveJpegReader::read(TestPictures::jpeg(picture, {.progressive = false}), {120, 80}, 2).isNull())
        << "baseline";
    // Cut inside its scans: the scans before are whole, the one cut short is not.
    for (qsizetype length : {file.size() / 3, file.size() / 2, file.size() - 40}) {
        QByteArray cut = file.left(length);
        EXPECT_TRUE(ProgressiveJpegReader::read(cut, {120, 80}, 2).isNull()) << "cut at " << length;
        EXPECT_TRUE(ProgressiveJpegReader::read(cut + "\xff\xd9", {120, 80}, 2).isNull()) << "cut at " << length;
    }
    // A scan whose data stops short of its last blocks, ended by the next marker.
    const JpegStructure structure = JpegStructure::read(file);
    ASSERT_TRUE(structure.progressive);
    const qsizetype firstScan = file.indexOf("\xff\xda");
    const qsizetype secondScan = file.indexOf("\xff\xda", firstScan + 2);
    QByteArray shortened = file;
    shortened.remove(secondScan - 40, 30);
    EXPECT_TRUE(ProgressiveJpegReader::read(shortened, {120, 80}, 1).isNull());

    // Scans beyond any encoder's count: each would walk every block again.
    const qsizetype scanData = firstScan + 2 + ((quint8(file[firstScan + 2]) << 8) | quint8(file[firstScan + 3]));
    qsizetype scanEnd = scanData;
    while (quint8(file[scanEnd]) != 0xFF || file[scanEnd + 1] == 0 || (quint8(file[scanEnd + 1]) & 0xF8) == 0xD0) {
        ++scanEnd;
    }
    const QByteArray dcScan = file.mid(firstScan, scanEnd - firstScan);
    const int scans = int(file.count("\xff\xda"));
    QByteArray repeated = file;
    repeated.insert(firstScan, dcScan.repeated(100 - scans));
    EXPECT_FALSE(ProgressiveJpegReader::read(repeated, {120, 80}, 2).isNull()) << "a hundred scans";
    EXPECT_TRUE(ProgressiveJpegReader::read(repeated.insert(firstScan, dcScan), {120, 80}, 2).isNull())
        << "a hundred and one";
}

// A profile in the file comes with the picture, so that its colours are shown as the file means them.
TEST(ProgressiveJpegReaderTest, KeepsTheFilesColourProfile)
{
    const QByteArray profile = QColorSpace(QColorSpace::DisplayP3).iccProfile();
    ASSERT_FALSE(profile.isEmpty());
    QByteArray file = TestPictures::jpeg(TestPictures::photoLike({64, 48}, 5), {});
    QByteArray segment = QByteArray("ICC_PROFILE\0", 12) + char(1) + char(1) + profile;
    const int length = int(segment.size()) + 2;
    file.insert(2, QByteArray("\xff\xe2", 2) + char(length >> 8) + char(length & 0xFF) + segment);
    EXPECT_EQ(ProgressiveJpegReader::read(file, {64, 48}, 4).colorSpace(), QColorSpace(QColorSpace::DisplayP3));
}
