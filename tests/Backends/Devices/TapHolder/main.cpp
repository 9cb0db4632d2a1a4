// A process that steadies the pointer on the kernel's devices with the balanced preset until it is killed, and
// answers a stop from the terminal as the application does. Says "ready" once the tap holds the devices.
#include "Backends/Devices/DevicesBackend.h"
#include "Backends/Common/PollMainLoop.h"
#include "Quellarine/Desktop/ProcessSignals.h"
#include "QuellarineKit/Pointer/ClickGuard.h"
#include "QuellarineKit/Pointer/FilterPreset.h"
#include "QuellarineKit/Pointer/PointerTap.h"

#include <unistd.h>

#include <cstdio>

using namespace quellarine;

int main()
{
    devices::DevicesBackend backend({.helperPath = QUELLARINE_DEVICE_HELPER, .log = {}});
    backends::PollMainLoop loop(backend.clock());
    loop.watch(backend.fileDescriptor(), [&] { backend.processPendingEvents(); });
    PointerTap tap(backend.pointerSystem(loop), FilterPreset::balanced().parameters, ClickGuard::Settings::off());
    ProcessSignals signals({
        .beforeStop = [&backend] { backend.suspend(); },
        .afterContinue = [&backend] { backend.resume(); },
        .terminate = [] { _exit(0); },
    });
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
