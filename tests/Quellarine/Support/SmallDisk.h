#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <sys/mount.h>

namespace quellarine::testing {

// A small file system of its own at a folder, for the time of a test, that can be filled up or made read-only.
// Only root may mount one; CI runs as root.
class SmallDisk {
public:
    explicit SmallDisk(const QString& folder)
        : folder_(folder)
    {
        QDir().mkpath(folder_);
        mounted_ = ::mount("tmpfs", QFile::encodeName(folder_).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                           "size=512k,mode=0700")
            == 0;
    }
    ~SmallDisk()
    {
        if (mounted_) {
            ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
        }
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }

    // Takes every byte left.
    void fill()
    {
        QFile filler(fillerPath());
        ASSERT_TRUE(filler.open(QIODevice::Append | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {}
        while (filler.write(block.constData(), 1) == 1) {}
    }
    void free() { QFile::remove(fillerPath()); }

    // False when the file system is busy (a file open for writing), as remounting then fails.
    bool setReadOnly(bool readOnly)
    {
        return ::mount(nullptr, QFile::encodeName(folder_).constData(), nullptr,
                       MS_REMOUNT | MS_NOSUID | MS_NODEV | (readOnly ? MS_RDONLY : 0), nullptr)
            == 0;
    }

    QString fillerPath() const { return folder_ + QStringLiteral("/filler"); }

private:
    QString folder_;
    bool mounted_ = false;
};

} // namespace quellarine::testing
