#include "Quellarine/Desktop/Relauncher.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

#include <unistd.h>

namespace quellarine {

QString Relauncher::helperBesideExecutable()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(helperName));
}

bool Relauncher::start(const QString& helper, const QString& program, const QStringList& arguments)
{
    QStringList helperArguments{QString::number(::getpid()), QString::number(waitSeconds), program};
    helperArguments.append(arguments);
    // Detached: the helper outlives this process, which is the point. The call reports whether it really started.
    return QProcess::startDetached(helper, helperArguments);
}

} // namespace quellarine
