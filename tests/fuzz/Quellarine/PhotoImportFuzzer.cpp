// The profile photo's import, from the chosen file to the stored photo: whatever the file holds, the import either
// stores a square PNG of at most 512 pixels a side that the launch load reads back, or says the file is unreadable
// and leaves no photo. No file here reaches the size limit and the folder is writable, so no other error may come.
// No single allocation may exceed the decoding budget by much: a picture claimed by a small header is refused
// before it is decoded.

#include "FuzzCheck.h"

#include "Quellarine/Model/ProfilePhoto.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

using namespace quellarine;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::addFlag(argc, argv, "-malloc_limit_mb=96");
    static int applicationArgc = 1;
    static char name[] = "PhotoImportFuzzer";
    static char* applicationArgv[] = {name, nullptr};
    static QCoreApplication application(applicationArgc, applicationArgv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir directory;
    const QString source = directory.filePath(QStringLiteral("chosen"));
    const QString photoPath = directory.filePath(QString::fromLatin1(ProfilePhoto::fileName));
    {
        QFile file(source);
        fuzz::require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot write the chosen file");
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    QFile::remove(photoPath);

    const auto result = ProfilePhoto::importFile(source, photoPath);
    if (const auto* error = std::get_if<ProfilePhoto::Error>(&result)) {
        fuzz::require(*error == ProfilePhoto::Error::unreadable, "an import failed other than as unreadable");
        fuzz::require(!QFile::exists(photoPath), "a failed import left a photo");
        return 0;
    }
    const QImage stored = QImage::fromData(std::get<QByteArray>(result), "PNG");
    fuzz::require(!stored.isNull(), "the stored photo is no PNG");
    fuzz::require(stored.width() == stored.height() && stored.width() >= 1
                      && stored.width() <= ProfilePhoto::storedSide,
                  "the stored photo is not a square of at most 512 pixels");
    fuzz::require(ProfilePhoto::load(photoPath).size() == stored.size(), "the launch load does not read it back");
    return 0;
}
