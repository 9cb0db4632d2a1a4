#include "Quellarine/Desktop/Relauncher.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

#include <unistd.h>

namespace quellarine {

bool Relauncher::start()
{
    const QString helper = QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(helperName));
    QStringList arguments{QString::number(::getpid()), QString::number(waitSeconds),
                          QCoreApplication::applicationFilePath()};
    arguments.append(QCoreApplication::arguments().mid(1));
    // Detached: the helper outlives this process, which is the point. The call reports whether it really started.
    return QProcess::startDetached(helper, arguments);
}

} // namespace quellarine
