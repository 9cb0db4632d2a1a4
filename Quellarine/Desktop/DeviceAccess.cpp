#include "Quellarine/Desktop/DeviceAccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QProcess>
#include <QSaveFile>

#include <sys/stat.h>

#include <algorithm>

namespace quellarine {

namespace {

struct Installed {
    const char* resource;
    QString DeviceAccess::Destination::*folder;
};

const Installed installedFiles[] = {
    {":/linux/70-quellarine.rules", &DeviceAccess::Destination::rulesFolder},
    {":/linux/quellarine-uinput.conf", &DeviceAccess::Destination::modulesFolder},
};

std::optional<QString> writeFile(const QString& resource, const QString& folder)
{
    QFile source(resource);
    if (!source.open(QIODevice::ReadOnly)) {
        return QCoreApplication::translate("DeviceAccess", "This copy of Quellarine lacks %1.").arg(resource);
    }
    const QString path = QDir(folder).filePath(QFileInfo(resource).fileName());
    QSaveFile target(path);
    if (!QDir().mkpath(folder) || !target.open(QIODevice::WriteOnly)) {
        return QCoreApplication::translate("DeviceAccess", "Cannot write %1: %2").arg(path, target.errorString());
    }
    target.write(source.readAll());
    target.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                          | QFileDevice::ReadOther);
    if (!target.commit()) {
        return QCoreApplication::translate("DeviceAccess", "Cannot write %1: %2").arg(path, target.errorString());
    }
    return std::nullopt;
}

} // namespace

QString DeviceAccess::installedHelper()
{
    const QDir programs(QCoreApplication::applicationDirPath());
    const QString name = QString::fromLatin1(helperName);
    for (const QString& candidate :
         {programs.filePath(QStringLiteral(QUELLARINE_LIBEXEC_FROM_BIN "/") + name), programs.filePath(name)}) {
        if (QFileInfo(candidate).isExecutable()) {
            return QDir::cleanPath(candidate);
        }
    }
    return {};
}

std::optional<QString> DeviceAccess::setUpHelper(const Destination& destination, QList<QStringList> first,
                                                 const Runner& run)
{
    const QString helper = destination.helper.isEmpty() ? installedHelper() : destination.helper;
    if (helper.isEmpty()) {
        return QCoreApplication::translate("DeviceAccess", "This copy of Quellarine lacks %1.")
            .arg(QString::fromLatin1(helperName));
    }
    // The group before the rule that names it: udev ignores a group that does not exist. The group is given to the
    // helper before its mode, as changing a file's group takes the set-group-ID bit off it.
    const QString group = QString::fromLatin1(deviceGroup);
    first.append({
        {QStringLiteral("/usr/sbin/addgroup"), QStringLiteral("--system"), group},
        {QStringLiteral("/bin/chgrp"), group, helper},
        {QStringLiteral("/bin/chmod"), QStringLiteral("2755"), helper},
    });
    return runSteps(first, run);
}

std::optional<QString> DeviceAccess::install(const Destination& destination, const Runner& run)
{
    if (auto failure = setUpHelper(destination, {}, run)) {
        return failure;
    }
    for (const Installed& file : installedFiles) {
        if (auto failure = writeFile(QString::fromLatin1(file.resource), destination.*file.folder)) {
            return failure;
        }
    }
    // The module list loads uinput from the next start on; this start needs it now. Then udev reads the new rule
    // and applies it to the devices already present, and has done so when this command returns.
    return runSteps(
        {
            {QStringLiteral("/sbin/modprobe"), QStringLiteral("uinput")},
            {QStringLiteral("/bin/udevadm"), QStringLiteral("control"), QStringLiteral("--reload")},
            {QStringLiteral("/bin/udevadm"), QStringLiteral("trigger"), QStringLiteral("--action=change"),
             QStringLiteral("--subsystem-match=input"), QStringLiteral("--subsystem-match=misc")},
            {QStringLiteral("/bin/udevadm"), QStringLiteral("settle"), QStringLiteral("--timeout=30")},
        },
        run);
}

std::optional<QString> DeviceAccess::installKeyboards(const Destination& destination, const Runner& run)
{
    // The rule gives the keyboards to the helper's group through setfacl, which must be there when udev runs it;
    // the group and the helper's mode as the devices' grant makes them, in case that was not given first.
    if (auto failure = setUpHelper(destination, {{QString::fromLatin1(setfacl), QStringLiteral("--version")}}, run)) {
        return failure;
    }
    if (auto failure = writeFile(QStringLiteral(":/linux/71-quellarine-keyboards.rules"), destination.rulesFolder)) {
        return failure;
    }
    return runSteps(
        {
            {QStringLiteral("/bin/udevadm"), QStringLiteral("control"), QStringLiteral("--reload")},
            {QStringLiteral("/bin/udevadm"), QStringLiteral("trigger"), QStringLiteral("--action=change"),
             QStringLiteral("--subsystem-match=input")},
            {QStringLiteral("/bin/udevadm"), QStringLiteral("settle"), QStringLiteral("--timeout=30")},
        },
        run);
}

std::optional<QString> DeviceAccess::removeKeyboards(const Destination& destination, const Runner& run)
{
    const QString rule = QDir(destination.rulesFolder).filePath(QStringLiteral("71-quellarine-keyboards.rules"));
    if (QFile::exists(rule) && !QFile::remove(rule)) {
        return QCoreApplication::translate("DeviceAccess", "Cannot remove %1.").arg(rule);
    }
    if (auto failure
        = runSteps({{QStringLiteral("/bin/udevadm"), QStringLiteral("control"), QStringLiteral("--reload")}}, run)) {
        return failure;
    }
    // Only the entry the rule gave, and only on the nodes themselves: setfacl would follow a link to whatever it
    // names, so the folder must be a real one and every node in it a device, not a link.
    struct stat folder {};
    const QByteArray folderPath = QFile::encodeName(destination.inputFolder);
    if (lstat(folderPath.constData(), &folder) == 0 && !S_ISDIR(folder.st_mode)) {
        return QCoreApplication::translate("DeviceAccess", "Cannot clear the access list of %1.")
            .arg(destination.inputFolder);
    }
    const QStringList names
        = QDir(destination.inputFolder)
              .entryList({QStringLiteral("event*")}, QDir::AllEntries | QDir::System | QDir::Hidden);
    const QString entry = QStringLiteral("g:") + QString::fromLatin1(deviceGroup);
    for (const QString& name : names) {
        const QString node = QDir(destination.inputFolder).filePath(name);
        const QByteArray path = QFile::encodeName(node);
        struct stat status {};
        if (lstat(path.constData(), &status) != 0 || !S_ISCHR(status.st_mode)) {
            continue;
        }
        // A keyboard unplugged meanwhile has nothing left to take back.
        if (run(QString::fromLatin1(setfacl), {QStringLiteral("-x"), entry, node}) != 0
            && lstat(path.constData(), &status) == 0) {
            return QCoreApplication::translate("DeviceAccess", "Cannot clear the access list of %1.").arg(node);
        }
    }
    // The helpers reading a keyboard see the change and close it.
    return runSteps(
        {
            {QStringLiteral("/bin/udevadm"), QStringLiteral("trigger"), QStringLiteral("--action=change"),
             QStringLiteral("--subsystem-match=input")},
            {QStringLiteral("/bin/udevadm"), QStringLiteral("settle"), QStringLiteral("--timeout=30")},
        },
        run);
}

std::optional<QString> DeviceAccess::runSteps(const QList<QStringList>& steps, const Runner& run)
{
    for (const QStringList& step : steps) {
        if (run(step.first(), step.mid(1)) != 0) {
            return QCoreApplication::translate("DeviceAccess", "\u201C%1\u201D did not succeed.")
                .arg(step.join(QLatin1Char(' ')));
        }
    }
    return std::nullopt;
}

int DeviceAccess::runProcess(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    // Run as root: nothing of the caller's environment reaches the programs.
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/sbin:/usr/bin:/sbin:/bin"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForStarted() || !process.waitForFinished(60'000)) {
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QString DeviceAccess::installCommand(const QString& programPath)
{
    return commandFor(programPath, installArgument);
}

QString DeviceAccess::keyboardInstallCommand(const QString& program)
{
    return commandFor(program, keyboardArgument);
}

QString DeviceAccess::commandFor(const QString& programPath, const char* argument)
{
    QString quoted = programPath;
    // Single quotes keep every character as it is; a single quote itself closes, escapes and reopens.
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    const bool plain = !programPath.isEmpty() && std::all_of(programPath.begin(), programPath.end(), [](QChar c) {
        return c.isLetterOrNumber() || QStringLiteral("/._-+").contains(c);
    });
    return QStringLiteral("sudo %1 %2")
        .arg(plain ? programPath : QLatin1Char('\'') + quoted + QLatin1Char('\''), QLatin1String(argument));
}

} // namespace quellarine
