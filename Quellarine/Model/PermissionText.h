#pragma once

#include <QString>

namespace quellarine {

// The one sentence that says the pointer cannot be steadied without the access this computer must give: shown in
// the mode banner, the menu-bar window and the home page's header. On Linux that access is to the pointing
// devices and the kernel's virtual input devices, or else an X11 session's input extensions.
QString permissionNeededText();

} // namespace quellarine
