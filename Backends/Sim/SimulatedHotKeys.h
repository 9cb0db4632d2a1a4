#pragma once

#include "QuellarineKit/System/HotKeys.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>

namespace quellarine::sim {

// The system's hot keys and keyboard layout as tests drive them: combinations held by other applications,
// key presses, and a layout given as a table.
class SimulatedHotKeys final : public system::HotKeyHost, public system::KeyboardLayout {
public:
    // The status of a refused registration: the combination (or the identifier) is already in use.
    static constexpr Status takenStatus = -9878;

    Status registerHotKey(std::uint32_t keyCode, std::uint32_t modifiers, std::uint32_t identifier) override;
    void unregisterHotKey(std::uint32_t identifier) override;
    void setHandler(Handler handler) override;
    std::optional<std::string> characterForKeyCode(std::uint16_t keyCode) const override;

    // Another application takes the combination: this process cannot register it from now on.
    void holdElsewhere(std::uint32_t keyCode, std::uint32_t modifiers);
    // The user presses the combination. When this process holds it, the handler runs with its identifier and
    // the answer is true.
    bool press(std::uint32_t keyCode, std::uint32_t modifiers);
    // The identifier under which this process holds the combination.
    std::optional<std::uint32_t> identifierFor(std::uint32_t keyCode, std::uint32_t modifiers) const;
    // The current layout's character for each key code; keys left out have none.
    void setLayout(std::map<std::uint16_t, std::string> characters);

private:
    using Combination = std::pair<std::uint32_t, std::uint32_t>;

    std::map<std::uint32_t, Combination> registered_; // by identifier
    std::set<Combination> heldElsewhere_;
    Handler handler_;
    std::map<std::uint16_t, std::string> layout_;
};

} // namespace quellarine::sim
