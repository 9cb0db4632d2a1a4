#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace quellarine {

// The access that steadying through the kernel's input devices needs, the pointing devices and /dev/uinput for the
// user at the computer, and the one command that gives it: run as root, `quellarine --allow-devices` installs the
// udev rule and the module list this program carries (the same files its package installs), loads uinput and has
// udev apply the rule to the devices already present, so a running copy finds the access without a restart.
class DeviceAccess {
public:
    static constexpr const char* installArgument = "--allow-devices";

    struct Destination {
        QString rulesFolder = QStringLiteral("/etc/udev/rules.d");
        QString modulesFolder = QStringLiteral("/etc/modules-load.d");
    };
    // Runs a program to its end and answers its exit status, negative when it could not be run.
    using Runner = std::function<int(const QString& program, const QStringList& arguments)>;

    DeviceAccess() = delete;

    // Writes both files, then loads uinput and has udev apply the rule; stops at the first failure and answers what
    // failed, or nothing when all went well.
    static std::optional<QString> install(const Destination& destination, const Runner& run);
    // Runs programs as child processes, their output going where ours goes.
    static int runProcess(const QString& program, const QStringList& arguments);
    // What the user types: this program's own path, quoted for the shell, run with sudo.
    static QString installCommand(const QString& programPath);
    // The command that gives the keyboard grant, quoted the same way.
    static QString keyboardInstallCommand(const QString& program);
};

} // namespace quellarine
