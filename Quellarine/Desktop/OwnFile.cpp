#include "Quellarine/Desktop/OwnFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <mutex>
#include <vector>
#include <cstdio>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quellarine {

namespace {

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd)
        : fd_(fd)
    {
    }
    ~Descriptor()
    {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now; false when the close reports a failed write.
    bool close() { return ::close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_;
};

bool writeAll(int fd, const char* bytes, std::int64_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, static_cast<std::size_t>(size));
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes += written;
        size -= written;
    }
    return true;
}

} // namespace

std::variant<QByteArray, OwnFile::Unread> OwnFile::read(const QString& path, std::int64_t limit)
{
    // O_NONBLOCK: a pipe at the path opens at once instead of waiting for a writer; it is then refused as not a
    // regular file. O_NOFOLLOW: a link is refused, not followed.
    Descriptor file(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!file.valid()) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return Unread::missing;
        }
        return errno == ELOOP || errno == ENXIO ? Unread::notRegular : Unread::failed;
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        return Unread::failed;
    }
    if (!S_ISREG(status.st_mode)) {
        return Unread::notRegular;
    }
    if (status.st_size > limit) {
        return Unread::tooLarge;
    }
    QByteArray bytes;
    char chunk[64 * 1024];
    while (true) {
        const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Unread::failed;
        }
        if (got == 0) {
            return bytes;
        }
        // The file may grow while it is read.
        if (bytes.size() + got > limit) {
            return Unread::tooLarge;
        }
        bytes.append(chunk, got);
    }
}

namespace {

// New files a failed replacement could not remove (a file system made read-only between the write and the rename):
// removed after the next replacement that succeeds, so that none stays beside the user's file.
std::mutex leftBehindMutex;
std::vector<QByteArray> leftBehind;

// Removes a new file of ours, or remembers it when the file system does not let it go now.
void removeNewFile(int folder, const QString& folderPath, const QByteArray& name)
{
    const int error = errno;
    if (::unlinkat(folder, name.constData(), 0) != 0 && errno != ENOENT) {
        const std::lock_guard lock(leftBehindMutex);
        leftBehind.push_back(QFile::encodeName(folderPath) + '/' + name);
    }
    errno = error;
}

void removeLeftBehind()
{
    const std::lock_guard lock(leftBehindMutex);
    std::erase_if(leftBehind,
                  [](const QByteArray& path) { return ::unlink(path.constData()) == 0 || errno == ENOENT; });
}

} // namespace

bool OwnFile::replace(const QString& path, const QByteArray& bytes, unsigned permissions, QString* failure)
{
    const auto fail = [failure](const char* step) {
        if (failure) {
            *failure = QStringLiteral("%1: %2").arg(QLatin1String(step), QString::fromLocal8Bit(std::strerror(errno)));
        }
        return false;
    };
    const QFileInfo info(path);
    // The folder is held open, so that the new file and the rename land in the same folder even if its path is
    // changed meanwhile.
    Descriptor folder(::open(QFile::encodeName(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid()) {
        return fail("opening the folder");
    }
    const QByteArray name = QFile::encodeName(info.fileName());
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary = '.' + name + '.' + QByteArray::number(QRandomGenerator::system()->generate64(), 36);
        // Created private: no byte is ever readable by others, whatever the umask.
        fd = ::openat(folder.get(), temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST) {
            // The name was free (O_EXCL): a file there now was made by this call before its open failed, as when
            // the file system is made read-only in between.
            removeNewFile(folder.get(), info.absolutePath(), temporary);
            return fail("creating the new file");
        }
    }
    Descriptor file(fd);
    if (!file.valid()) {
        return fail("creating the new file");
    }
    const char* step = nullptr;
    if (::fchmod(file.get(), permissions) != 0) {
        step = "setting the new file's permissions";
    } else if (!writeAll(file.get(), bytes.constData(), bytes.size())) {
        step = "writing the new file";
    } else if (::fsync(file.get()) != 0) {
        step = "flushing the new file to the disk";
    } else if (!file.close()) {
        step = "closing the new file";
    } else if (::renameat(folder.get(), temporary.constData(), folder.get(), name.constData()) != 0) {
        // rename() replaces the name: a link there is replaced, never followed, and a pipe or device is never
        // opened.
        step = "renaming the new file over the old one";
    }
    if (step) {
        removeNewFile(folder.get(), info.absolutePath(), temporary);
        return fail(step);
    }
    removeLeftBehind();
    // The new name lasts a crash too. A file system that cannot flush a folder (EINVAL) keeps names its own way.
    if (::fsync(folder.get()) != 0 && errno != EINVAL) {
        return fail("flushing the folder to the disk");
    }
    return true;
}

std::optional<QString> OwnFile::setAside(const QString& path, const QString& suffix)
{
    const QString stem
        = QStringLiteral("%1.%2-%3")
              .arg(path, suffix, QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddThhmmssZ")));
    for (int number = 1; number <= 100; ++number) {
        const QString aside = number == 1 ? stem : QStringLiteral("%1-%2").arg(stem).arg(number);
        // RENAME_NOREPLACE: a file already under the new name is never replaced.
        if (::renameat2(AT_FDCWD, QFile::encodeName(path).constData(), AT_FDCWD, QFile::encodeName(aside).constData(),
                        RENAME_NOREPLACE)
            == 0) {
            return aside;
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

QString OwnFile::describe(Unread reason)
{
    switch (reason) {
    case Unread::missing:
        return QStringLiteral("there is no file");
    case Unread::notRegular:
        return QStringLiteral("it is not a regular file (a link, pipe or device)");
    case Unread::tooLarge:
        return QStringLiteral("it is too large");
    case Unread::failed:
        return QStringLiteral("it cannot be read");
    }
    return {};
}

} // namespace quellarine
