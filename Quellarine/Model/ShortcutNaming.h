#pragma once

#include "QuellarineKit/Pointer/GlobalHotKey.h"

#include <QString>

namespace quellarine {

namespace system {
class KeyboardLayout;
}

// The application's words for a shortcut, shared by the key-cap drawings and every sentence that names a
// shortcut: the modifiers' names in the user's language, the current keyboard layout's key labels and the
// user's locale.
class ShortcutNaming {
public:
    using Shortcut = GlobalHotKey::Shortcut;
    using Modifier = Shortcut::Modifier;

    // The layout whose characters label letter keys; none labels them with the US key positions' letters. The
    // application sets it once its keyboard backend exists; it must outlive its use here.
    static void setKeyboardLayout(const system::KeyboardLayout* layout);

    // The naming as of now: read each time a view is built, so a layout or language change shows at once.
    static Shortcut::Naming current();

    // The modifier's name as PC keyboards print it: Ctrl, Alt, Shift, Super.
    static QString name(Modifier modifier);

    static QString keyLabel(const Shortcut& shortcut);
    static QString spokenDescription(const Shortcut& shortcut);
};

} // namespace quellarine
