#pragma once

#include <QByteArray>
#include <QString>

namespace quellarine {

// This computer's operating system version, as two numbers.
class OperatingSystem {
public:
    OperatingSystem() = delete;

    // Major and minor version in decimal, joined by "." ("12.0", "24.4"): the distribution's own from
    // /etc/os-release (else /usr/lib/os-release), or, where it names none (a rolling release), the kernel's.
    static QString version();
    // The two numbers of an os-release file's VERSION_ID ("12" gives "12.0", "22.04" gives "22.4"); empty when it
    // has none that starts with a number.
    static QString versionOf(const QByteArray& osRelease);
    // The first two numbers of a version text ("6.1.0-18-amd64" gives "6.1", "12" gives "12.0"); empty when it does
    // not start with a number.
    static QString twoNumbers(const QString& version);
};

} // namespace quellarine
