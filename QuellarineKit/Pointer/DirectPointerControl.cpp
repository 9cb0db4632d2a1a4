#include "QuellarineKit/Pointer/DirectPointerControl.h"

#include "QuellarineKit/Pointer/FilterPreset.h"

namespace quellarine {

// The owner sets the parameters and click settings in force before it starts the tap.
DirectPointerControl::DirectPointerControl(system::PointerSystem system)
    : tap_(system, FilterPreset::balanced().parameters, ClickGuard::Settings::off())
{
}

void DirectPointerControl::start(Answer started)
{
    bool allowed = true;
    try {
        tap_.start();
    } catch (const PointerTap::TapError&) {
        allowed = false;
    }
    started(allowed);
}

} // namespace quellarine
