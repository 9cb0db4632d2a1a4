#pragma once

#include "Backends/Common/PollMainLoop.h"
#include "QuellarineKit/System/MainLoop.h"
#include "QuellarineKit/System/Permission.h"
#include "QuellarineKit/System/PointerSystem.h"

namespace quellarine::backends {

// A real backend of the pointer: what the tap needs of the system, on the thread the backend was made on and is
// serviced from. maySteerPointer(), suspend() and resume() may be called from any thread.
class PointerBackend : public system::Permission {
public:
    // Has the loop of the backend's thread serve it from now on, watching each of its descriptors itself; once, on
    // that thread. The loop must outlive the backend.
    virtual void attach(PollMainLoop& loop) = 0;

    // What the pointer tap needs, with the loop of the backend's thread (whose clock must be the backend's).
    virtual system::PointerSystem pointerSystem(system::MainLoop& mainLoop) = 0;

    // From any thread, also while the backend's thread is stuck: gives the user's pointing devices back (and every
    // button this backend pressed) until resume(), for a process about to stop or quit.
    virtual void suspend() = 0;
    virtual void resume() = 0;
};

} // namespace quellarine::backends
