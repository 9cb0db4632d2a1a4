// Imports one file as the profile photo with a limit on the process's memory: once running, the program may map
// only the given number of bytes more than it already has, so that an import needing more fails as an allocation
// would. Prints the outcome ("stored <width>x<height>", or the error's name) and the most memory the import had in
// use beyond the start (resident), in kilobytes: "<outcome> <peak kB>".
//
//   QuellarinePhotoImportWorker SOURCE PHOTO_PATH ALLOWANCE_BYTES     (0: no limit)
#include "Quellarine/Model/ProfilePhoto.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QThreadPool>

#include <cstdio>
#include <new>

#include <sys/resource.h>

using namespace quellarine;

namespace {

// A line of /proc/self/status, in kilobytes.
long statusKilobytes(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field)) {
            return line.mid(qstrlen(field) + 1).trimmed().split(' ').value(0).toLong();
        }
    }
    return -1;
}

// Loads every decoder the import may use, and starts the threads that scale and convert large pictures in parts:
// they belong to the program, not to what the import takes. (Qt's scaling waits for ever for a part whose thread
// could not be started under the limit.)
void loadDecoders()
{
    QThreadPool::globalInstance()->setExpiryTimeout(-1);
    QImage large(2000, 2000, QImage::Format_RGB32);
    large.fill(Qt::gray);
    const QImage warmed = large.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                              .scaled(600, 600, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    Q_UNUSED(warmed);

    QImage tiny(8, 8, QImage::Format_RGB32);
    tiny.fill(Qt::gray);
    for (const char* format : {"jpeg", "png", "gif", "bmp"}) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        tiny.save(&buffer, format);
        QImage::fromData(bytes);
    }
}

const char* name(ProfilePhoto::Error error)
{
    switch (error) {
    case ProfilePhoto::Error::unreadable:
        return "unreadable";
    case ProfilePhoto::Error::tooLarge:
        return "tooLarge";
    case ProfilePhoto::Error::notSaved:
        return "notSaved";
    }
    return "?";
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s SOURCE PHOTO_PATH ALLOWANCE_BYTES\n", argv[0]);
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString photoPath = QString::fromLocal8Bit(argv[2]);
    const rlim_t allowance = QByteArray(argv[3]).toULongLong();
    loadDecoders();

    // The high-water mark of resident memory starts again from here.
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (!clear.open(QIODevice::WriteOnly) || clear.write("5") != 1) {
        std::perror("clear_refs");
        return 2;
    }
    clear.close();
    const long resident = statusKilobytes("VmRSS:");
    const long mapped = statusKilobytes("VmSize:");
    const rlimit limit{rlim_t(mapped) * 1024 + allowance, rlim_t(mapped) * 1024 + allowance};
    if (resident < 0 || mapped < 0 || (allowance > 0 && setrlimit(RLIMIT_AS, &limit) != 0)) {
        std::perror("setrlimit");
        return 2;
    }
    QByteArray outcome;
    try {
        auto result = ProfilePhoto::importFile(source, photoPath);
        if (const auto* error = std::get_if<ProfilePhoto::Error>(&result)) {
            outcome = name(*error);
        } else {
            const QImage stored = QImage::fromData(std::get<QByteArray>(result), "PNG");
            outcome = "stored " + QByteArray::number(stored.width()) + 'x' + QByteArray::number(stored.height());
        }
    } catch (const std::bad_alloc&) {
        outcome = "outOfMemory";
    }
    std::printf("%s %ld\n", outcome.constData(), statusKilobytes("VmHWM:") - resident);
    return 0;
}
