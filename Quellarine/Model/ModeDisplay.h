#pragma once

#include "QuellarineKit/Pointer/GlobalHotKey.h"

#include <QString>

#include <optional>

namespace quellarine {

// Where the model names the mode after a hot key or the emergency gesture changed it: the on-screen banner in
// the application. The model owns it; the shell decides what it is.
class ModeDisplay {
public:
    virtual ~ModeDisplay() = default;

    virtual void show(const QString& title, const QString& detail, std::optional<GlobalHotKey::Shortcut> shortcut) = 0;
};

} // namespace quellarine
