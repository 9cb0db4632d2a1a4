#include "Quellarine/Model/KeySource.h"

namespace quellarine {

KeySource KeySource::choose(bool x11Session, bool portalServes, bool keyboardGranted)
{
    if (x11Session) {
        return {HotKeys::x11, true};
    }
    if (portalServes) {
        return {HotKeys::desktopShortcuts, keyboardGranted};
    }
    if (keyboardGranted) {
        return {HotKeys::keyboardGrant, true};
    }
    return {HotKeys::none, false};
}

} // namespace quellarine
