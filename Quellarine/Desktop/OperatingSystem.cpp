#include "Quellarine/Desktop/OperatingSystem.h"

#include <QFile>
#include <QMap>
#include <QStringList>

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

QString OperatingSystem::name()
{
    for (const char* path : {"/etc/os-release", "/usr/lib/os-release"}) {
        QFile file(QString::fromLatin1(path));
        if (file.open(QIODevice::ReadOnly)) {
            return describe(file.readAll());
        }
    }
    return {};
}

QString OperatingSystem::describe(const QByteArray& osRelease)
{
    QMap<QByteArray, QString> values;
    for (const QByteArray& line : osRelease.split('\n')) {
        const QByteArray assignment = line.trimmed();
        const qsizetype equals = assignment.indexOf('=');
        if (assignment.startsWith('#') || equals <= 0) {
            continue;
        }
        values.insert(assignment.left(equals), shellValue(assignment.mid(equals + 1)));
    }
    if (const QString pretty = values.value("PRETTY_NAME"); !pretty.isEmpty()) {
        return pretty;
    }
    QStringList parts{values.value("NAME"), values.value("VERSION_ID")};
    parts.removeAll(QString());
    return parts.join(QLatin1Char(' '));
}

} // namespace quellarine
