#pragma once

#include <QByteArray>
#include <QString>

namespace quellarine {

// This computer's operating system by name and version, as its os-release file gives them.
class OperatingSystem {
public:
    OperatingSystem() = delete;

    // From /etc/os-release, else /usr/lib/os-release ("Debian GNU/Linux 12 (bookworm)"); empty when neither says.
    static QString name();
    // The description in an os-release file's text: PRETTY_NAME, else NAME and VERSION_ID; empty when it has none.
    static QString describe(const QByteArray& osRelease);
};

} // namespace quellarine
