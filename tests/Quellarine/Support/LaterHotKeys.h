#pragma once

#include "QuellarineKit/Pointer/GlobalHotKey.h"
#include "QuellarineKit/System/HotKeys.h"

#include <map>
#include <string>
#include <utility>

namespace quellarine::testing {

// Hot keys whose answers come later, as the desktop's own shortcuts give them: every registration is accepted at
// first, and the test answers for the desktop.
class LaterHotKeys final : public system::HotKeyHost {
public:
    Status registerHotKey(std::uint32_t keyCode, std::uint32_t modifiers, std::uint32_t identifier) override
    {
        registered[{keyCode, modifiers}] = identifier;
        return noError;
    }
    void unregisterHotKey(std::uint32_t) override {}
    void setHandler(Handler handler) override { handler_ = std::move(handler); }
    bool answersLater() const override { return true; }
    void setAssignmentHandler(AssignmentHandler handler) override { assignments_ = std::move(handler); }

    // The desktop gives the keys it describes so, or refuses.
    void answer(const GlobalHotKey::Shortcut& shortcut, bool refused, const std::string& description)
    {
        if (assignments_) {
            assignments_(Assignment{shortcut.keyCode, shortcut.modifiers, refused, description});
        }
    }
    void press(const GlobalHotKey::Shortcut& shortcut)
    {
        handler_(registered.at({shortcut.keyCode, shortcut.modifiers}));
    }

    std::map<std::pair<std::uint32_t, std::uint32_t>, std::uint32_t> registered;

private:
    Handler handler_;
    AssignmentHandler assignments_;
};

} // namespace quellarine::testing
