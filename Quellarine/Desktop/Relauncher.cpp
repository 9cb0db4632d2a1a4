#include "Quellarine/Desktop/Relauncher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <unistd.h>

namespace quellarine {

namespace {

// The helper's path, or empty when this installation has none.
QString helperPath()
{
    const QDir programs(QCoreApplication::applicationDirPath());
    const QString name = QString::fromLatin1(Relauncher::helperName);
    for (const QString& candidate :
         {programs.filePath(QStringLiteral(QUELLARINE_LIBEXEC_FROM_BIN "/") + name), programs.filePath(name)}) {
        if (QFileInfo(candidate).isExecutable()) {
            return QDir::cleanPath(candidate);
        }
    }
    return {};
}

} // namespace

bool Relauncher::start()
{
    const QString helper = helperPath();
    if (helper.isEmpty()) {
        return false;
    }
    QStringList arguments{QString::number(::getpid()), QString::number(waitSeconds),
                          QCoreApplication::applicationFilePath()};
    arguments.append(QCoreApplication::arguments().mid(1));
    // Detached: the helper outlives this process, which is the point. The call reports whether it really started.
    return QProcess::startDetached(helper, arguments);
}

} // namespace quellarine
