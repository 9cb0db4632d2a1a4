#pragma once

namespace quellarine {

// Starts this program again once this process has ended, through a small detached helper, installed in the
// libexec folder beside bin/ (in the build tree, beside the executable): the helper waits (at most a bounded
// time) for this process to be gone, so that the new copy never meets the old one, and then starts the same
// executable with the same arguments. When the wait runs out it starts nothing and says why in the system log.
class Relauncher {
public:
    static constexpr const char* helperName = "quellarine-relaunch";
    static constexpr int waitSeconds = 10;

    Relauncher() = delete;

    // Starts the helper for this process; true once it runs. The caller then ends this process.
    static bool start();
};

} // namespace quellarine
