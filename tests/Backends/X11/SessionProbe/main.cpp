// Tells how the X11 backend judges a display: "wayland=W trusted=T". With "-" it opens the session's own ($DISPLAY).
#include "Backends/X11/X11Backend.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DISPLAY|-\n", argv[0]);
        return 2;
    }
    quellarine::x11::X11Backend backend(std::strcmp(argv[1], "-") == 0 ? nullptr : argv[1]);
    if (!backend.isConnected()) {
        std::printf("unconnected\n");
        return 1;
    }
    std::printf("wayland=%d trusted=%d\n", backend.isWaylandSession() ? 1 : 0, backend.maySteerPointer() ? 1 : 0);
    return 0;
}
