#include "Backends/X11/Testing/XvfbServer.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

using quellarine::x11::testing::XvfbServer;

namespace {

// What the probe program says, run by the shell with this command line; the probe's path is $PROBE.
std::string run(const std::string& command)
{
    const std::string line = "export PROBE='" QUELLARINE_SESSION_PROBE "'; " + command + " 2>&1";
    FILE* pipe = popen(line.c_str(), "r");
    if (pipe == nullptr) {
        return "popen failed";
    }
    std::string output;
    std::array<char, 256> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) {
        output += buffer.data();
    }
    pclose(pipe);
    return output;
}

// The desktop's Xwayland, as a user of a Wayland session has it: weston's headless compositor starts it on the first
// X client (weston is given up to 30 s to start on a loaded machine). Everything runs in a mount and network
// namespace of its own, so that its display :0 meets no other.
TEST(X11WaylandSessionTest, XwaylandIsNotTrustedEvenWithoutItsExtensionOrTheSessionsEnvironment)
{
    const std::string script = R"(
        set -e
        mount -t tmpfs tmpfs /tmp/.X11-unix
        export XDG_RUNTIME_DIR=$(mktemp -d)
        unset WAYLAND_DISPLAY XDG_SESSION_TYPE
        weston --backend=headless-backend.so --xwayland --socket=quellarine-test --idle-time=0 \
            > "$XDG_RUNTIME_DIR/weston.log" 2>&1 &
        weston=$!
        for i in $(seq 600); do [ -S /tmp/.X11-unix/X0 ] && break; sleep 0.05; done
        "$PROBE" :0 || cat "$XDG_RUNTIME_DIR/weston.log"
        kill $weston; wait $weston || true
        rm -rf "$XDG_RUNTIME_DIR")";
    EXPECT_EQ(run("unshare -m -n bash -c '" + script + "'"), "wayland=1 trusted=0\n");
}

// A real X server is trusted as before, unless it is the display of a session that says it is a Wayland one.
TEST(X11WaylandSessionTest, TheSessionsEnvironmentNamesItsOwnDisplayOnly)
{
    XvfbServer server;
    const std::string display = "DISPLAY=" + server.displayName() + " ";
    const std::string clean = "env -u WAYLAND_DISPLAY XDG_SESSION_TYPE=x11 " + display;
    EXPECT_EQ(run(clean + "\"$PROBE\" -"), "wayland=0 trusted=1\n");
    EXPECT_EQ(run(clean + "WAYLAND_DISPLAY=wayland-0 \"$PROBE\" -"), "wayland=1 trusted=0\n");
    EXPECT_EQ(run("env -u WAYLAND_DISPLAY XDG_SESSION_TYPE=wayland " + display + "\"$PROBE\" -"),
              "wayland=1 trusted=0\n");
    EXPECT_EQ(run(clean + "WAYLAND_DISPLAY= \"$PROBE\" -"), "wayland=0 trusted=1\n");
    // Named explicitly, a display is judged by the server alone: a test's own X server in a Wayland session.
    EXPECT_EQ(run(clean + "WAYLAND_DISPLAY=wayland-0 \"$PROBE\" " + server.displayName()), "wayland=0 trusted=1\n");
}

} // namespace
