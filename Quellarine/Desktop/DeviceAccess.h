#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace quellarine {

// The access that steadying through the kernel's input devices needs, and the one command that gives it: the user at
// the computer reads the pointing devices, and only quellarine-device-helper, set-group-ID to the system group
// quellarine that alone may write /dev/uinput, makes the virtual device. Run as root, `quellarine --allow-devices`
// makes that group, gives the helper beside this program to it, installs the udev rule and the module list this
// program carries (the same files its package installs), loads uinput and has udev apply the rule to the devices
// already present, so a running copy finds the access without a restart. Every program it runs is named by its
// absolute path.
//
// Reading the keyboards is a second, separate grant (`quellarine --allow-keyboards`), which the hot keys need where
// the session tells no program of keys meant for other windows: its rule gives the same group (not the user) an
// entry in each keyboard's access list, so that only the helper reads them. The rule is carried but installed only
// by that command; `quellarine --disallow-keyboards` takes it back at once, and with it exactly those entries.
class DeviceAccess {
public:
    static constexpr const char* installArgument = "--allow-devices";
    static constexpr const char* keyboardArgument = "--allow-keyboards";
    static constexpr const char* keyboardRemovalArgument = "--disallow-keyboards";
    // The group that alone may write /dev/uinput, and the helper's program that is given it.
    static constexpr const char* deviceGroup = "quellarine";
    static constexpr const char* helperName = "quellarine-device-helper";
    // What gives and takes back the keyboards' access-list entries (Debian's package acl).
    static constexpr const char* setfacl = "/usr/bin/setfacl";

    struct Destination {
        QString rulesFolder = QStringLiteral("/etc/udev/rules.d");
        QString modulesFolder = QStringLiteral("/etc/modules-load.d");
        QString inputFolder = QStringLiteral("/dev/input");
        // The device helper; empty: the one installed beside this program.
        QString helper;
    };
    // Runs a program to its end and answers its exit status, negative when it could not be run.
    using Runner = std::function<int(const QString& program, const QStringList& arguments)>;

    DeviceAccess() = delete;

    // Makes the group and gives the helper to it, writes both files, then loads uinput and has udev apply the rule;
    // stops at the first failure and answers what failed, or nothing when all went well.
    static std::optional<QString> install(const Destination& destination, const Runner& run);
    // Makes sure of setfacl, the group and the helper's mode, writes the keyboards' rule, then has udev apply it to
    // the keyboards already present; answers what failed, or nothing when all went well.
    static std::optional<QString> installKeyboards(const Destination& destination, const Runner& run);
    // Removes the keyboards' rule and the access it gave: udev does not take back an access-list entry it set, so
    // the group's entry is taken off every input device's node (a device node, never a link), leaving every other
    // entry as it was.
    static std::optional<QString> removeKeyboards(const Destination& destination, const Runner& run);
    // Runs programs as child processes, their output going where ours goes.
    static int runProcess(const QString& program, const QStringList& arguments);
    // What the user types: this program's own path, quoted for the shell, run with sudo.
    static QString installCommand(const QString& programPath);
    // The same for the keyboards' grant.
    static QString keyboardInstallCommand(const QString& program);

    // The device helper installed beside this program (in the libexec folder beside its bin folder, else beside
    // it), or empty.
    static QString installedHelper();

private:
    static std::optional<QString> runSteps(const QList<QStringList>& steps, const Runner& run);
    // Makes the group and the helper set-group-ID to it, after `first` (what the rule to come needs); answers what
    // failed, or nothing.
    static std::optional<QString> setUpHelper(const Destination& destination, QList<QStringList> first,
                                              const Runner& run);
    static QString commandFor(const QString& programPath, const char* argument);
};

} // namespace quellarine
