#pragma once

#include "QuellarineKit/System/HotKeys.h"

#include <nlohmann/json_fwd.hpp>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace quellarine {

// A system-wide key combination registered for this process, with the action it runs when pressed. Hot keys are
// shared by reference: the registry keeps each registered one alive until unregister(), so one whose last
// other reference goes away keeps working.
class GlobalHotKey {
public:
    // A key combination: the key's position and the modifier mask, in the form shortcuts are stored and shown.
    struct Shortcut {
        enum class Modifier { control, alt, shift, super };
        // Every modifier, in the order shortcuts name them.
        static constexpr std::array<Modifier, 4> allModifiers{Modifier::control, Modifier::alt, Modifier::shift,
                                                              Modifier::super};

        static constexpr std::uint32_t superMask = 0x100;
        static constexpr std::uint32_t shiftMask = 0x200;
        static constexpr std::uint32_t altMask = 0x800;
        static constexpr std::uint32_t controlMask = 0x1000;

        static constexpr std::uint32_t mask(Modifier modifier);

        // What naming a shortcut to the user depends on: the current keyboard layout, the modifiers' names in
        // the user's language and the locale that changes case.
        struct Naming {
            explicit Naming(const system::KeyboardLayout* layout = nullptr,
                            std::array<std::string, 4> modifierNames = {"ctrl", "alt", "shift", "super"},
                            std::string locale = {})
                : layout(layout)
                , modifierNames(std::move(modifierNames))
                , locale(std::move(locale))
            {
            }

            // The layout that names letter keys; none: the US key positions' letters.
            const system::KeyboardLayout* layout;
            // Indexed by Modifier.
            std::array<std::string, 4> modifierNames;
            // A BCP 47 language tag ("tr-TR"); empty or unknown: the process's locale.
            std::string locale;

            const std::string& name(Modifier modifier) const;
        };

        std::uint32_t keyCode = 0;
        std::uint32_t modifiers = 0; // other bits than the four modifiers' are carried but not named

        bool operator==(const Shortcut&) const = default;

        // Ctrl-Alt-S, Ctrl-Alt-M and Ctrl-Alt-Shift-M.
        static constexpr Shortcut defaultToggle();
        static constexpr Shortcut nextMode();
        static constexpr Shortcut previousMode();

        // The modifiers present, always in the order control, alt, shift, super.
        std::vector<Modifier> modifierKeys() const;
        // The key's printable name: the layout's character for letter keys (upper-cased), the fixed name of
        // other known keys, "#" and the decimal key code for unknown ones.
        std::string keyLabel(const Naming& naming) const;
        // The accessibility text: the capitalised modifier names, then the key label, joined with " + ".
        std::string spokenDescription(const Naming& naming) const;
    };

    // The system refused a registration; status() is its status code.
    class HotKeyError : public std::runtime_error {
    public:
        enum class Case { taken };

        static HotKeyError taken(system::HotKeyHost::Status status);

        Case kind() const { return kind_; }
        system::HotKeyHost::Status status() const { return status_; }

    private:
        HotKeyError(Case kind, system::HotKeyHost::Status status, const std::string& what);

        Case kind_;
        system::HotKeyHost::Status status_;
    };

    // The process's hot keys: the identifier counter, the registered hot keys by identifier and the one handler
    // that dispatches presses to them. The application owns exactly one, on the main thread, and destroys it
    // before the host.
    class Registry {
    public:
        explicit Registry(system::HotKeyHost& host);
        ~Registry(); // gives every combination still registered back to the system
        Registry(const Registry&) = delete;
        Registry& operator=(const Registry&) = delete;

    private:
        friend class GlobalHotKey;

        void dispatch(std::uint32_t identifier);
        void release(std::uint32_t identifier);

        system::HotKeyHost& host_;
        std::thread::id mainThread_;
        std::uint32_t nextIdentifier_ = 1;
        std::map<std::uint32_t, std::shared_ptr<GlobalHotKey>> hotKeys_;
        bool handlerInstalled_ = false;
    };

    using Action = std::function<void()>;

    // Registers the shortcut; throws HotKeyError::taken with the system's status when it is refused.
    static std::shared_ptr<GlobalHotKey> create(Registry& registry, Shortcut shortcut, Action action);

    GlobalHotKey(const GlobalHotKey&) = delete;
    GlobalHotKey& operator=(const GlobalHotKey&) = delete;

    const Shortcut& shortcut() const { return shortcut_; }

    // Gives the combination back to the system and forgets the hot key; later calls do nothing.
    void unregister();

private:
    GlobalHotKey(Shortcut shortcut, Action action, std::uint32_t identifier);

    Shortcut shortcut_;
    Action action_;
    std::uint32_t identifier_;
    Registry* registry_ = nullptr; // set while registered
};

constexpr std::uint32_t GlobalHotKey::Shortcut::mask(Modifier modifier)
{
    switch (modifier) {
    case Modifier::control:
        return controlMask;
    case Modifier::alt:
        return altMask;
    case Modifier::shift:
        return shiftMask;
    case Modifier::super:
        return superMask;
    }
    return 0;
}

constexpr GlobalHotKey::Shortcut GlobalHotKey::Shortcut::defaultToggle()
{
    return {1, controlMask | altMask};
}

constexpr GlobalHotKey::Shortcut GlobalHotKey::Shortcut::nextMode()
{
    return {46, controlMask | altMask};
}

constexpr GlobalHotKey::Shortcut GlobalHotKey::Shortcut::previousMode()
{
    return {46, controlMask | altMask | shiftMask};
}

void to_json(nlohmann::json& json, const GlobalHotKey::Shortcut& shortcut);
void from_json(const nlohmann::json& json, GlobalHotKey::Shortcut& shortcut);

} // namespace quellarine
