#include "Quellarine/Model/ProfilePhoto.h"
#include "Quellarine/Model/ProfileStore.h"

#include "Quellarine/Desktop/Defaults.h"
#include "Quellarine/Desktop/SystemLog.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QProcess>
#include <QPainter>
#include <QTemporaryDir>
#include <QUrl>

#include "TestPictures.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <thread>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace quellarine;
using Error = ProfilePhoto::Error;
using quellarine::testing::TestPictures;

namespace {

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 90);
    return bytes;
}

// A PNG as phones and screenshot tools write it, compressed at zlib's usual level.
QByteArray compressedPng(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Three bands across: red, green, blue.
QImage bands(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, width / 3, height, Qt::red);
    painter.fillRect(width / 3, 0, width - 2 * (width / 3), height, Qt::green);
    painter.fillRect(width - width / 3, 0, width / 3, height, Qt::blue);
    return image;
}

// A JPEG with an orientation tag, as a camera held upright writes it.
QByteArray withOrientation(const QByteArray& jpeg, quint16 orientation)
{
    QByteArray exif("Exif\0\0MM\0\x2a\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01", 24);
    exif.append(char(orientation >> 8)).append(char(orientation & 0xFF)).append(QByteArray(6, '\0'));
    const int length = int(exif.size()) + 2;
    QByteArray segment("\xff\xe1", 2);
    segment.append(char(length >> 8)).append(char(length & 0xFF)).append(exif);
    return jpeg.left(2) + segment + jpeg.mid(2);
}

// A PNG whose header claims side × side pixels, with a valid checksum so that the decoder believes it.
QByteArray pngBomb(int side)
{
    QByteArray png = encoded(bands(30, 20), "PNG");
    const auto put = [&](int at, quint32 value) {
        for (int shift = 0; shift < 4; ++shift) {
            png[at + shift] = char(value >> (24 - 8 * shift));
        }
    };
    put(16, quint32(side));
    put(20, quint32(side));
    quint32 crc = 0xFFFF'FFFF;
    for (int at = 12; at < 29; ++at) {
        crc ^= quint8(png[at]);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB8'8320 & (0 - (crc & 1)));
        }
    }
    put(29, ~crc);
    return png;
}

// A PNG whose header claims 64 × 64 pixels and whose compressed data, whole and with every checksum right, holds
// that many rows.
QByteArray pngWithRows(int count)
{
    const auto chunk = [](const QByteArray& type, const QByteArray& data) {
        QByteArray bytes;
        for (int shift = 24; shift >= 0; shift -= 8) {
            bytes += char(quint32(data.size()) >> shift);
        }
        quint32 crc = 0xFFFF'FFFF;
        for (char byte : type + data) {
            crc ^= quint8(byte);
            for (int bit = 0; bit < 8; ++bit) {
                crc = (crc >> 1) ^ (0xEDB8'8320 & (0 - (crc & 1)));
            }
        }
        bytes += type + data;
        for (int shift = 24; shift >= 0; shift -= 8) {
            bytes += char(~crc >> shift);
        }
        return bytes;
    };
    QByteArray rows;
    for (int row = 0; row < count; ++row) {
        rows += '\0' + QByteArray(64 * 3, '\x40');
    }
    const QByteArray header("\0\0\0\x40\0\0\0\x40\x08\x02\0\0\0", 13);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", qCompress(rows).mid(4))
        + chunk("IEND", {});
}

QByteArray progressiveJpeg(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.setQuality(90);
    writer.write(image);
    return bytes;
}

// A progressive JPEG of 16 × 16 pixels whose frame claims side × side: some 600 bytes. Each marker is in place, and
// the decoder would fill the picture with grey after holding every coefficient of the claimed size.
QByteArray progressiveBomb(int side)
{
    QByteArray jpeg = progressiveJpeg(bands(16, 16));
    const qsizetype frame = jpeg.indexOf(QByteArrayView("\xff\xc2", 2));
    for (int at : {5, 7}) {
        jpeg[frame + at] = char(side >> 8);
        jpeg[frame + at + 1] = char(side & 0xFF);
    }
    return jpeg;
}

// The same, with its last scan padded so that the file is long enough to code every block of the claimed picture.
QByteArray paddedProgressiveBomb(int side)
{
    QByteArray jpeg = progressiveBomb(side);
    return jpeg.insert(jpeg.size() - 2, QByteArray(std::int64_t{side} * side / 64 * 3 / 2 / 8 + 1024, '\x55'));
}

QByteArray jpegBomb()
{
    QByteArray jpeg = encoded(bands(30, 20), "JPEG");
    const qsizetype frame = jpeg.indexOf("\xff\xc0");
    for (int at : {5, 7}) {
        jpeg[frame + at] = char(50'000 >> 8);
        jpeg[frame + at + 1] = char(50'000 & 0xFF);
    }
    return jpeg;
}

// Four-colour checks as a GIF, coded the plain way: a clear code before every two pixels keeps each code 3 bits.
QByteArray checkedGif(int side)
{
    QByteArray gif("GIF89a");
    const auto put16 = [&](int value) { gif.append(char(value & 0xFF)).append(char(value >> 8)); };
    put16(side);
    put16(side);
    gif.append("\x81\0\0", 3).append("\xff\0\0\0\xff\0\0\0\xff\xff\xff\xff", 12).append(',');
    put16(0);
    put16(0);
    put16(side);
    put16(side);
    gif.append("\0\x02", 2);
    QByteArray packed;
    quint32 bits = 0;
    int count = 0;
    const auto code = [&](quint32 value) {
        bits |= value << count;
        for (count += 3; count >= 8; count -= 8, bits >>= 8) {
            packed.append(char(bits & 0xFF));
        }
    };
    for (int i = 0; i < side * side; ++i) {
        if (i % 2 == 0) {
            code(4);
        }
        code((i % side / 4 + i / side / 4) % 4);
    }
    code(5);
    packed.append(char(bits));
    for (qsizetype at = 0; at < packed.size(); at += 255) {
        const QByteArray block = packed.mid(at, 255);
        gif.append(char(block.size())).append(block);
    }
    return gif.append("\0;", 2);
}

// What an import may take, in bytes.
constexpr long memoryAllowance = 100'000'000;

long peakMemoryKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

class ProfilePhotoTest : public ::testing::Test {
protected:
    QString file(const QString& name, const QByteArray& bytes) const
    {
        const QString path = directory.filePath(name);
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return path;
    }

    // The stored photo, decoded, after an import of these bytes; or the import's error.
    std::variant<QImage, Error> import(const QByteArray& bytes)
    {
        auto result = ProfilePhoto::importFile(file(QStringLiteral("chosen"), bytes), photoPath());
        if (const auto* error = std::get_if<Error>(&result)) {
            return *error;
        }
        return ProfilePhoto::load(photoPath());
    }

    QString photoPath() const { return directory.filePath(QStringLiteral("profile-photo.png")); }

    QTemporaryDir directory;
};

} // namespace

TEST_F(ProfilePhotoTest, StoresTheCentredSquareUprightAndNeverEnlarged)
{
    auto large = std::get<QImage>(import(encoded(bands(3000, 2000), "JPEG")));
    EXPECT_EQ(large.size(), QSize(512, 512));
    // The centre of three bands: green in the middle, the inner edges of red and blue at the sides.
    EXPECT_EQ(QColor(large.pixel(256, 256)).green() > 200, true);
    EXPECT_GT(QColor(large.pixel(5, 256)).red(), 200);
    EXPECT_GT(QColor(large.pixel(506, 256)).blue(), 200);

    EXPECT_EQ(std::get<QImage>(import(encoded(bands(300, 200), "PNG"))).size(), QSize(200, 200));

    // Stored lying on its side, tagged to be turned a quarter clockwise: its left half is the top of the picture.
    QImage lying(600, 300, QImage::Format_RGB32);
    lying.fill(Qt::blue);
    QPainter(&lying).fillRect(0, 0, 300, 300, Qt::red);
    auto portrait = std::get<QImage>(import(withOrientation(encoded(lying, "JPEG"), 6)));
    EXPECT_EQ(portrait.size(), QSize(300, 300));
    EXPECT_GT(QColor(portrait.pixel(150, 10)).red(), 200);
    EXPECT_GT(QColor(portrait.pixel(150, 290)).blue(), 200);

    // The same from a camera's progressive picture, too large for libjpeg to decode within the budget: turned a
    // quarter clockwise, a quarter the other way (its right half on top) and half round (its left half right).
    QImage camera(6000, 4000, QImage::Format_RGB32);
    camera.fill(Qt::blue);
    QPainter(&camera).fillRect(0, 0, 3000, 4000, Qt::red);
    const QByteArray cameraFile = TestPictures::jpeg(camera, {});
    const std::vector<std::tuple<quint16, QPoint, QPoint>> turns{
        {6, {256, 10}, {256, 500}}, {8, {256, 500}, {256, 10}}, {3, {500, 256}, {10, 256}}};
    for (const auto& [orientation, red, blue] : turns) {
        auto upright = std::get<QImage>(import(withOrientation(cameraFile, orientation)));
        EXPECT_EQ(upright.size(), QSize(512, 512)) << orientation;
        EXPECT_GT(QColor(upright.pixel(red)).red(), 200) << orientation;
        EXPECT_GT(QColor(upright.pixel(blue)).blue(), 200) << orientation;
    }

    // A tag that names no orientation is no reason to refuse the picture: it is taken as it is stored.
    EXPECT_EQ(std::get<QImage>(import(withOrientation(encoded(bands(300, 200), "JPEG"), 42))).size(), QSize(200, 200));

    struct stat status {};
    ASSERT_EQ(stat(QFile::encodeName(photoPath()).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
}

TEST_F(ProfilePhotoTest, BadInputIsUnreadableWithoutDecodingTheClaimedPicture)
{
    const QByteArray jpeg = encoded(bands(600, 400), "JPEG");
    const QByteArray png = encoded(bands(600, 400), "PNG");
    const QByteArray gif = checkedGif(64);
    const QByteArray bmp = encoded(bands(600, 400), "BMP");
    const long before = peakMemoryKilobytes();
    const std::vector<std::pair<const char*, QByteArray>> cases{
        {"PNG bomb", pngBomb(50'000)},
        {"PNG claiming 14000² in a few hundred bytes", pngBomb(14'000)},
        {"JPEG bomb", jpegBomb()},
        {"progressive JPEG bomb", progressiveBomb(16'000)},
        {"progressive JPEG bomb with its scans padded", paddedProgressiveBomb(16'000)},
        {"PNG with eight of its 64 rows", pngWithRows(8)},
        {"cut-off JPEG", jpeg.left(jpeg.size() * 2 / 3)},
        {"cut-off PNG", png.left(png.size() * 2 / 3)},
        {"cut-off GIF", gif.left(gif.size() * 2 / 3)},
        {"cut-off BMP", bmp.left(bmp.size() * 2 / 3)},
        {"text", QByteArray("This is a note, not a picture.\n")},
        {"empty", QByteArray()},
        {"vector drawing", QByteArray(R"(<svg xmlns="http://www.w3.org/2000/svg" width="9" height="9"/>)")},
    };
    for (const auto& [what, bytes] : cases) {
        const auto result = import(bytes);
        ASSERT_TRUE(std::holds_alternative<Error>(result)) << what;
        EXPECT_EQ(std::get<Error>(result), Error::unreadable) << what;
    }
    EXPECT_LT(peakMemoryKilobytes() - before, 100 * 1024) << "a bomb was decoded";
    EXPECT_FALSE(QFile::exists(photoPath()));
    EXPECT_EQ(std::get<QImage>(import(gif)).size(), QSize(64, 64));
    EXPECT_EQ(std::get<QImage>(import(pngWithRows(64))).size(), QSize(64, 64));
    EXPECT_EQ(std::get<QImage>(import(bmp)).size(), QSize(400, 400));
}

TEST_F(ProfilePhotoTest, TheSizeLimitIsInclusive)
{
    QByteArray atLimit = encoded(bands(60, 40), "PNG");
    atLimit.resize(ProfilePhoto::sizeLimit, '\0');
    EXPECT_TRUE(std::holds_alternative<QImage>(import(atLimit)));
    atLimit.append('\0');
    EXPECT_EQ(std::get<Error>(import(atLimit)), Error::tooLarge);
}

TEST_F(ProfilePhotoTest, AtLaunchOnlyAPlainFileOfThisUserWithinTheLimitIsShown)
{
    const QString image = file(QStringLiteral("real.png"), encoded(bands(60, 40), "PNG"));
    EXPECT_FALSE(ProfilePhoto::load(image).isNull());

    QFile::link(image, photoPath());
    EXPECT_TRUE(ProfilePhoto::load(photoPath()).isNull()) << "followed a symbolic link";
    QFile::remove(photoPath());

    ASSERT_EQ(mkfifo(QFile::encodeName(photoPath()).constData(), 0600), 0);
    EXPECT_TRUE(ProfilePhoto::load(photoPath()).isNull()) << "a pipe must neither hang nor count";
    QFile::remove(photoPath());

    QByteArray tooLarge = encoded(bands(60, 40), "PNG");
    tooLarge.resize(ProfilePhoto::sizeLimit + 1, '\0');
    EXPECT_TRUE(ProfilePhoto::load(file(QStringLiteral("profile-photo.png"), tooLarge)).isNull());

    if (getuid() == 0) {
        ASSERT_EQ(chown(QFile::encodeName(image).constData(), 65534, 65534), 0);
        EXPECT_TRUE(ProfilePhoto::load(image).isNull()) << "showed another user's file";
    }
}

TEST_F(ProfilePhotoTest, AnImportReplacesWhateverIsAtThePhotoPathWithoutWritingThroughIt)
{
    const QString target = file(QStringLiteral("someone else's"), "not to be touched");
    ASSERT_TRUE(QFile::link(target, photoPath()));
    ASSERT_TRUE(std::holds_alternative<QImage>(import(encoded(bands(60, 40), "PNG"))));
    QFile untouched(target);
    ASSERT_TRUE(untouched.open(QIODevice::ReadOnly));
    EXPECT_EQ(untouched.readAll(), "not to be touched");
    EXPECT_FALSE(QFileInfo(photoPath()).isSymLink());
    EXPECT_EQ(ProfilePhoto::load(photoPath()).size(), QSize(40, 40));

    // A pipe in its place would block a writer that opened it; it is replaced as well.
    ASSERT_TRUE(QFile::remove(photoPath()));
    ASSERT_EQ(mkfifo(QFile::encodeName(photoPath()).constData(), 0600), 0);
    ASSERT_TRUE(std::holds_alternative<QImage>(import(encoded(bands(90, 60), "PNG"))));
    EXPECT_EQ(ProfilePhoto::load(photoPath()).size(), QSize(60, 60));
    struct stat status {};
    ASSERT_EQ(lstat(QFile::encodeName(photoPath()).constData(), &status), 0);
    EXPECT_TRUE(S_ISREG(status.st_mode));
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(directory.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 3);
}

// Every import runs in a process that may take at most 100 MB beyond what it holds when the import starts: a
// picture that needed more would end as an allocation failure, not as the error the user is shown. (Under the
// address sanitizer, whose own bookkeeping takes memory of its own, only the outcomes are checked.)
TEST_F(ProfilePhotoTest, NoImportTakesMoreThan100MB)
{
#if defined(__SANITIZE_ADDRESS__)
    const QString allowance = QStringLiteral("0");
#else
    const QString allowance = QString::number(memoryAllowance);
#endif
    struct Case {
        QByteArray name;
        QByteArray bytes;
        QByteArray outcome;
    };
    std::vector<Case> cases;
    for (int side : {8'000, 12'000, 16'000, 24'000, 32'000}) {
        cases.push_back(
            {"progressive JPEG claiming " + QByteArray::number(side) + "²", progressiveBomb(side), "unreadable"});
    }
    cases.push_back({"padded progressive JPEG claiming 32000²", paddedProgressiveBomb(32'000), "unreadable"});
    cases.push_back({"baseline JPEG claiming 50000²", jpegBomb(), "unreadable"});
    cases.push_back({"PNG claiming 50000²", pngBomb(50'000), "unreadable"});
    cases.push_back({"PNG claiming 14000²", pngBomb(14'000), "unreadable"});
    cases.push_back({"GIF claiming 65535²", checkedGif(64).replace(6, 4, "\xff\xff\xff\xff"), "unreadable"});
    cases.push_back({"padded progressive JPEG claiming 12000²", paddedProgressiveBomb(12'000), "unreadable"});
    cases.push_back({"6000 × 4000 JPEG", encoded(bands(6000, 4000), "JPEG"), "stored 512x512"});
    // Real pictures at the sizes people take them, with a photo's grain in every pixel.
    const auto photo = [](QSize size, unsigned seed, bool withAlpha = false) {
        return TestPictures::photoLike(size, seed, withAlpha);
    };
    const auto kept = [](const char* name, const std::function<QByteArray()>& make) {
        return TestPictures::kept(QString::fromUtf8(name), make);
    };
    cases.push_back({"6000 × 4000 progressive JPEG, a camera's",
                     kept("camera-6000x4000-1.jpg",
                          [&] {
                              return TestPictures::jpeg(photo({6000, 4000}, 1), {});
                          }),
                     "stored 512x512"});
    cases.push_back({"6000 × 4000 progressive JPEG at 4:4:4, a photo editor's",
                     kept("editor-6000x4000-1-444-q95.jpg",
                          [&] {
                              return TestPictures::jpeg(photo({6000, 4000}, 1), {.chromaPerFour = 4, .quality = 95});
                          }),
                     "stored 512x512"});
    cases.push_back({"6000 × 4000 PNG, a phone's",
                     kept("phone-6000x4000-1.png",
                          [&] {
                              return compressedPng(photo({6000, 4000}, 1));
                          }),
                     "stored 512x512"});
    cases.push_back({"4032 × 3024 PNG, a phone's",
                     kept("phone-4032x3024-2.png",
                          [&] {
                              return compressedPng(photo({4032, 3024}, 2));
                          }),
                     "stored 512x512"});
    cases.push_back({"3840 × 2160 PNG, a 4K screenshot",
                     kept("screen-3840x2160-3-alpha.png",
                          [&] {
                              return compressedPng(photo({3840, 2160}, 3, true));
                          }),
                     "stored 512x512"});
    cases.push_back({"3840 × 2160 interlaced PNG",
                     kept("screen-3840x2160-3-alpha-interlaced.png",
                          [&] {
                              return TestPictures::interlacedPng(photo({3840, 2160}, 3, true));
                          }),
                     "stored 512x512"});
    cases.push_back({"4000 × 3000 progressive JPEG", progressiveJpeg(bands(4000, 3000)), "stored 512x512"});
    cases.push_back({"2400 × 1600 PNG", encoded(bands(2400, 1600), "PNG"), "stored 512x512"});
    cases.push_back({"1600 × 1200 BMP", encoded(bands(1600, 1200), "BMP"), "stored 512x512"});

    long worst = 0;
    QByteArray worstName;
    for (const Case& c : cases) {
        QProcess worker;
        worker.start(QStringLiteral(QUELLARINE_PHOTO_IMPORT_WORKER),
                     {file(QStringLiteral("chosen"), c.bytes), photoPath(), allowance});
        ASSERT_TRUE(worker.waitForFinished(120'000)) << c.name.constData();
        ASSERT_EQ(worker.exitCode(), 0) << c.name.constData() << worker.readAllStandardError().constData();
        const QList<QByteArray> words = worker.readAllStandardOutput().trimmed().split(' ');
        ASSERT_GE(words.size(), 2) << c.name.constData();
        EXPECT_EQ(words.mid(0, words.size() - 1).join(' ').toStdString(), c.outcome.toStdString())
            << c.name.constData();
        const long peak = words.last().toLong();
        std::printf("%s (%lld bytes): %s, %ld kB at most\n", c.name.constData(), static_cast<long long>(c.bytes.size()),
                    words.mid(0, words.size() - 1).join(' ').constData(), peak);
#if !defined(__SANITIZE_ADDRESS__)
        EXPECT_LT(peak * 1024, memoryAllowance) << c.name.constData();
#endif
        if (peak > worst) {
            worst = peak;
            worstName = c.name;
        }
    }
    // What the worst input took, for the record.
    std::printf("The most an import took: %ld kB, for the %s\n", worst, worstName.constData());
}

// The store's side: imports off the main thread, in order, and the folder's permissions.
class ProfileStorePhotoTest : public ProfilePhotoTest {
protected:
    std::unique_ptr<ProfileStore> launch(const QString& folder)
    {
        ProfileStore::Environment environment{
            .photoFolder = folder, .applyAppearance = {}, .startRelaunch = {}, .quit = {}};
        return std::make_unique<ProfileStore>(defaults, log, environment);
    }

    static bool waitUntil(const std::function<bool()>& condition)
    {
        QElapsedTimer timer;
        timer.start();
        while (!condition() && timer.elapsed() < 20'000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        return condition();
    }

    Defaults defaults{directory.filePath(QStringLiteral("settings.ini"))};
    SystemLog log{[](SystemLog::Level, const QString&) {}};
};

TEST_F(ProfileStorePhotoTest, TheLastImportChosenWinsAndNoHalfWrittenFileIsEverSeen)
{
    const QString folder = directory.filePath(QStringLiteral("data/Quellarine"));
    auto store = launch(folder);
    struct stat status {};
    ASSERT_EQ(stat(QFile::encodeName(folder).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);

    // Another reader keeps loading the file while imports replace it: it sees a whole photo or none.
    std::atomic<bool> done = false;
    std::atomic<int> broken = 0;
    std::thread reader([&] {
        while (!done) {
            if (QFile::exists(store->photoPath()) && ProfilePhoto::load(store->photoPath()).isNull()) {
                ++broken;
            }
        }
    });
    const QStringList sizes{QStringLiteral("3000x2000"), QStringLiteral("100x80"), QStringLiteral("2400x1800"),
                            QStringLiteral("90x70")};
    std::vector<std::optional<Error>> outcomes;
    for (const QString& size : sizes) {
        const auto parts = size.split(u'x');
        const QString path
            = file(size + QStringLiteral(".jpg"), encoded(bands(parts[0].toInt(), parts[1].toInt()), "JPEG"));
        store->setPhoto(QUrl::fromLocalFile(path), [&](std::optional<Error> error) { outcomes.push_back(error); });
    }
    store->setPhoto(QUrl(QStringLiteral("https://example.org/me.jpg")),
                    [&](std::optional<Error> error) { outcomes.push_back(error); });
    ASSERT_TRUE(waitUntil([&] { return outcomes.size() == 5; }));
    done = true;
    reader.join();

    EXPECT_EQ(broken, 0);
    EXPECT_EQ(std::count(outcomes.begin(), outcomes.end(), std::optional(Error::unreadable)), 1) << "the web address";
    EXPECT_EQ(std::count(outcomes.begin(), outcomes.end(), std::nullopt), 4);
    EXPECT_EQ(store->photo().size(), QSize(70, 70));
    auto next = launch(folder);
    ASSERT_TRUE(waitUntil([&] { return !next->photo().isNull(); }));
    EXPECT_EQ(next->photo().size(), QSize(70, 70));

    // Removing right after choosing another photo: the removal comes last, so no photo is left, on screen or disk.
    store->setPhoto(QUrl::fromLocalFile(directory.filePath(QStringLiteral("3000x2000.jpg"))), {});
    store->removePhoto();
    EXPECT_TRUE(store->photo().isNull());
    ASSERT_TRUE(waitUntil([&] { return !QFile::exists(store->photoPath()); }));
    QCoreApplication::processEvents();
    EXPECT_TRUE(store->photo().isNull());
    store->removePhoto();
}

TEST_F(ProfileStorePhotoTest, AFolderThatCannotBeMadeMeansNotSaved)
{
    const QString blocker = file(QStringLiteral("blocker"), "a file where the folder should be");
    auto store = launch(blocker + QStringLiteral("/Quellarine"));
    std::optional<std::optional<Error>> outcome;
    store->setPhoto(QUrl::fromLocalFile(file(QStringLiteral("fine.png"), encoded(bands(60, 40), "PNG"))),
                    [&](std::optional<Error> error) { outcome = error; });
    ASSERT_TRUE(waitUntil([&] { return outcome.has_value(); }));
    EXPECT_EQ(*outcome, Error::notSaved);
    EXPECT_TRUE(store->photo().isNull());
}
