#pragma once

#include <QString>
#include <QStringList>

namespace quellarine {

// Starts a program again once this process has ended, through a small detached helper: the helper waits (at most
// a bounded time) for this process to be gone, so that the new copy never meets the old one, and then starts the
// program. When the wait runs out it starts nothing and says why in the system log.
class Relauncher {
public:
    static constexpr const char* helperName = "quellarine-relaunch";
    static constexpr int waitSeconds = 10;

    Relauncher() = delete;

    // The helper installed beside the running executable.
    static QString helperBesideExecutable();

    // Starts the helper for this process; true once it runs. The caller then ends this process.
    static bool start(const QString& helper, const QString& program, const QStringList& arguments);
};

} // namespace quellarine
