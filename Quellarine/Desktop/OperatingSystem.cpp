#include "Quellarine/Desktop/OperatingSystem.h"

#include <QFile>
#include <QRegularExpression>
#include <QSysInfo>

#include <cstring>

namespace quellarine {

namespace {

// A value as the shell would read it: quotes removed and, outside single quotes, backslash escapes resolved.
QString shellValue(const QByteArray& raw)
{
    QByteArray value = raw;
    const bool singleQuoted = value.size() >= 2 && value.startsWith('\'') && value.endsWith('\'');
    const bool doubleQuoted = value.size() >= 2 && value.startsWith('"') && value.endsWith('"');
    if (singleQuoted || doubleQuoted) {
        value = value.mid(1, value.size() - 2);
    }
    if (singleQuoted) {
        return QString::fromUtf8(value);
    }
    QByteArray unescaped;
    for (qsizetype index = 0; index < value.size(); ++index) {
        if (value[index] == '\\' && index + 1 < value.size()) {
            ++index;
        }
        unescaped += value[index];
    }
    return QString::fromUtf8(unescaped);
}

} // namespace

QString OperatingSystem::version()
{
    for (const char* path : {"/etc/os-release", "/usr/lib/os-release"}) {
        QFile file(QString::fromLatin1(path));
        if (file.open(QIODevice::ReadOnly)) {
            if (QString numbers = versionOf(file.read(64 * 1024)); !numbers.isEmpty()) {
                return numbers;
            }
            break;
        }
    }
    return twoNumbers(QSysInfo::kernelVersion());
}

QString OperatingSystem::versionOf(const QByteArray& osRelease)
{
    // As the shell reads the file: the last assignment holds.
    QByteArray value;
    for (const QByteArray& line : osRelease.split('\n')) {
        const QByteArray assignment = line.trimmed();
        if (assignment.startsWith("VERSION_ID=")) {
            value = assignment.mid(qsizetype(std::strlen("VERSION_ID=")));
        }
    }
    return twoNumbers(shellValue(value));
}

QString OperatingSystem::twoNumbers(const QString& version)
{
    static const QRegularExpression numbers(QStringLiteral(R"(\A(\d+)(?:\.(\d+))?)"));
    const QRegularExpressionMatch match = numbers.match(version);
    if (!match.hasMatch()) {
        return {};
    }
    bool majorRead = false;
    bool minorRead = true;
    const qulonglong major = match.captured(1).toULongLong(&majorRead);
    const qulonglong minor = match.hasCaptured(2) ? match.captured(2).toULongLong(&minorRead) : 0;
    if (!majorRead || !minorRead) {
        return {};
    }
    return QStringLiteral("%1.%2").arg(major).arg(minor);
}

} // namespace quellarine
