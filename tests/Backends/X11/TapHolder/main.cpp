// A process that holds the pointer: the backend with a tap that swallows every pointer event, serviced until the
// process is killed. Says "ready" on its standard output once the devices are grabbed.
#include "Backends/X11/PollMainLoop.h"
#include "Backends/X11/X11Backend.h"

#include <cstdio>

using namespace quellarine;

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DISPLAY\n", argv[0]);
        return 2;
    }
    x11::X11Backend backend(argv[1]);
    auto tap = backend.taps().createTap(system::maskBit(system::EventType::mouseMoved),
        [](system::Event&) { return system::TapVerdict::swallow; });
    if (!tap) {
        return 1;
    }
    x11::PollMainLoop loop(backend.clock());
    loop.watch(backend.fileDescriptor(), [&] { backend.processPendingEvents(); });
    std::printf("ready\n");
    std::fflush(stdout);
    while (true) {
        loop.runFor(3600);
    }
}
