// A process that runs the pointer tap, steadying with the balanced preset, serviced until the process is killed.
// Says "ready" on its standard output once the tap holds the devices.
#include "Backends/Common/PollMainLoop.h"
#include "Backends/X11/X11Backend.h"
#include "QuellarineKit/Pointer/ClickGuard.h"
#include "QuellarineKit/Pointer/FilterPreset.h"
#include "QuellarineKit/Pointer/PointerTap.h"

#include <cstdio>

using namespace quellarine;

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DISPLAY\n", argv[0]);
        return 2;
    }
    x11::X11Backend backend(argv[1]);
    backends::PollMainLoop loop(backend.clock());
    loop.watch(backend.fileDescriptor(), [&] { backend.processPendingEvents(); });
    PointerTap tap(backend.pointerSystem(loop), FilterPreset::balanced().parameters, ClickGuard::Settings::off());
    try {
        tap.start();
    } catch (const PointerTap::TapError&) {
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    while (true) {
        loop.runFor(3600);
    }
}
