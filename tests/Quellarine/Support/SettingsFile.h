#pragma once

#include "Quellarine/Desktop/IniCodec.h"

#include <QFile>
#include <QString>
#include <QVariantMap>

namespace quellarine::testing {

// Every key of the settings file at the path, as another process would read it now; none when it cannot be read.
// Not through a QSettings of this process: that keeps what it parsed of a file by its name, size and time of change,
// and the settings writer may put a new file of the same size there within one tick of the file system's clock,
// which it would then not read.
inline QVariantMap settingsFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return IniCodec::decode(file.readAll()).value_or(QVariantMap());
}

} // namespace quellarine::testing
