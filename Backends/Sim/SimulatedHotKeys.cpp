#include "Backends/Sim/SimulatedHotKeys.h"

#include <algorithm>

namespace quellarine::sim {

system::HotKeyHost::Status SimulatedHotKeys::registerHotKey(std::uint32_t keyCode, std::uint32_t modifiers,
                                                            std::uint32_t identifier)
{
    const Combination combination{keyCode, modifiers};
    if (heldElsewhere_.contains(combination) || identifierFor(keyCode, modifiers) || registered_.contains(identifier)) {
        return takenStatus;
    }
    registered_.emplace(identifier, combination);
    return noError;
}

void SimulatedHotKeys::unregisterHotKey(std::uint32_t identifier)
{
    registered_.erase(identifier);
}

void SimulatedHotKeys::setHandler(Handler handler)
{
    handler_ = std::move(handler);
}

std::optional<std::string> SimulatedHotKeys::characterForKeyCode(std::uint16_t keyCode) const
{
    auto entry = layout_.find(keyCode);
    if (entry == layout_.end()) {
        return std::nullopt;
    }
    return entry->second;
}

void SimulatedHotKeys::holdElsewhere(std::uint32_t keyCode, std::uint32_t modifiers)
{
    heldElsewhere_.insert({keyCode, modifiers});
}

bool SimulatedHotKeys::press(std::uint32_t keyCode, std::uint32_t modifiers)
{
    auto identifier = identifierFor(keyCode, modifiers);
    if (!identifier || !handler_) {
        return false;
    }
    // The handler may replace itself while it runs.
    Handler handler = handler_;
    handler(*identifier);
    return true;
}

std::optional<std::uint32_t> SimulatedHotKeys::identifierFor(std::uint32_t keyCode, std::uint32_t modifiers) const
{
    auto entry = std::find_if(registered_.begin(), registered_.end(), [&](const auto& registration) {
        return registration.second == Combination{keyCode, modifiers};
    });
    if (entry == registered_.end()) {
        return std::nullopt;
    }
    return entry->first;
}

void SimulatedHotKeys::setLayout(std::map<std::uint16_t, std::string> characters)
{
    layout_ = std::move(characters);
}

} // namespace quellarine::sim
