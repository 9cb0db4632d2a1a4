#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace quellarine::system {

// System-wide key combinations. Key codes and modifier masks are in the stored form of shortcuts (hardware key
// positions and the super 0x100, shift 0x200, alt 0x800, control 0x1000 mask); the backend maps them.
class HotKeyHost {
public:
    using Status = std::int32_t;
    static constexpr Status noError = 0;
    using Handler = std::function<void(std::uint32_t identifier)>;

    // What became of a combination after registerHotKey() answered. A host that asks the desktop (whose answer
    // comes later, and whose user may change the keys there) reports it here; one that decides at once never does.
    struct Assignment {
        std::uint32_t keyCode = 0; // the combination as it was registered
        std::uint32_t modifiers = 0;
        bool refused = false;    // the desktop does not give it (or no longer serves shortcuts at all)
        std::string description; // the desktop's own words for the keys it assigned; empty: none given

        bool operator==(const Assignment&) const = default;
    };
    using AssignmentHandler = std::function<void(const Assignment& assignment)>;

    virtual ~HotKeyHost() = default;
    // Registers a combination under an identifier; a status other than noError when it is refused (held by
    // another application, or already registered by this process).
    virtual Status registerHotKey(std::uint32_t keyCode, std::uint32_t modifiers, std::uint32_t identifier) = 0;
    virtual void unregisterHotKey(std::uint32_t identifier) = 0;
    // The one handler, run on the main loop with the identifier of the combination that was pressed.
    virtual void setHandler(Handler handler) = 0;
    // Whether registrations are answered later, through the assignment handler.
    virtual bool answersLater() const { return false; }
    // Run on the main loop for each later answer; an empty handler removes it.
    virtual void setAssignmentHandler(AssignmentHandler /*handler*/) {}
};

class KeyboardLayout {
public:
    virtual ~KeyboardLayout() = default;
    // The current layout's text for the key at this position with no modifiers held; none when it has none.
    virtual std::optional<std::string> characterForKeyCode(std::uint16_t keyCode) const = 0;
};

// The state of the modifier keys after a change.
struct ModifierState {
    bool control = false;
    bool shift = false;
    bool alt = false;
    bool super = false;
    bool function = false;

    bool operator==(const ModifierState&) const = default;
};

// Changes of the modifier keys in every application.
class ModifierMonitor {
public:
    using Handler = std::function<void(const ModifierState& state, double time)>;

    virtual ~ModifierMonitor() = default;
    // Installs the handler (replacing an earlier one); it runs on the main loop with the time in seconds of the
    // monotonic clock. An empty handler removes it.
    virtual void setHandler(Handler handler) = 0;
};

} // namespace quellarine::system
