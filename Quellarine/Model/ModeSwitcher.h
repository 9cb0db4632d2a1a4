#pragma once

#include "Quellarine/Model/KeySource.h"
#include "Quellarine/Model/ModeDisplay.h"

#include "QuellarineKit/Pointer/EmergencyOff.h"
#include "QuellarineKit/Pointer/FilterPreset.h"
#include "QuellarineKit/Pointer/GlobalHotKey.h"
#include "QuellarineKit/Pointer/PersonalSetting.h"
#include "QuellarineKit/System/HotKeys.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace quellarine {

// Switching modes from anywhere: the three hot keys and their actions, stepping through the modes, the banner that
// names the mode, and the emergency gesture (five presses of Ctrl). It also knows how far each of the keys works in
// this session, for the views to say so.
class ModeSwitcher final : public QObject {
    Q_OBJECT

public:
    // A mode: none is "Direct", no smoothing.
    using Mode = std::optional<FilterPreset::ID>;
    using Shortcut = GlobalHotKey::Shortcut;

    // What the switcher reads and changes: the user's wish, the preset, the permission and the emergency notice.
    class Target {
    public:
        virtual ~Target() = default;
        virtual bool wantsOn() const = 0;
        virtual void setWantsOn(bool value) = 0;
        virtual FilterPreset activePreset() const = 0;
        virtual void setPresetID(FilterPreset::ID value) = 0;
        virtual const std::optional<PersonalSetting>& personal() const = 0;
        virtual bool maySteerPointer() const = 0;
        virtual void setEmergencyNotice(bool value) = 0;
    };

    struct Environment {
        system::HotKeyHost& hotKeys;
        system::ModifierMonitor& modifiers;
        KeySource keys;
        std::function<void()> beep;
        std::unique_ptr<ModeDisplay> overlay;
    };

    // How far a shortcut works.
    enum class KeyState {
        active,      // pressing it works
        waiting,     // the desktop has not answered yet
        taken,       // another application holds it
        refused,     // the desktop did not give it, or stopped serving shortcuts
        unavailable, // nothing in this session hears it
    };

    // Registers the hot keys, then listens to the modifier keys.
    ModeSwitcher(Target& target, Environment environment, QObject* parent = nullptr);
    ~ModeSwitcher() override;

    const KeySource& keys() const { return keys_; }
    // The keys come from elsewhere now (the user gave the keyboard grant, or took it back); the host passed its
    // registrations on to the new source.
    void setKeys(const KeySource& keys);
    KeyState state(const Shortcut& shortcut) const;
    // The desktop's own words for the keys it assigned to the shortcut; empty where it does not say (the keys
    // are then the ones the shortcut names).
    QString assignedKeys(const Shortcut& shortcut) const;
    // The on/off key and the mode keys as the views group them: the mode keys' state is the worse of the two.
    KeyState toggleState() const { return state(Shortcut::defaultToggle()); }
    KeyState modeState() const;
    // Another application holds the key (the flags the views have always shown).
    bool shortcutTaken() const { return toggleState() == KeyState::taken; }
    bool modeShortcutTaken() const { return modeState() == KeyState::taken; }

    ModeDisplay& overlay() { return *overlay_; }

    std::vector<Mode> availableModes() const;
    void toggle();
    void cycleMode(int step);
    void showModeBanner(const std::optional<QString>& detail = std::nullopt);
    void handleModifiersChanged(const system::ModifierState& state, double time);

signals:
    void shortcutTakenChanged(bool value);
    void modeShortcutTakenChanged(bool value);
    // Any shortcut's state or assigned keys changed.
    void keysChanged();

private:
    struct Key {
        KeyState state = KeyState::unavailable;
        QString assigned;
    };

    void registerHotKeys();
    void registerOne(const Shortcut& shortcut, std::function<void()> action);
    void assignmentArrived(const system::HotKeyHost::Assignment& assignment);
    void changeKey(const Shortcut& shortcut, const Key& key);
    // Tells the views of changes made since `wasTaken` and `modeWasTaken` held.
    void tell(bool wasTaken, bool modeWasTaken);

    Target& target_;
    system::HotKeyHost& host_;
    system::ModifierMonitor& modifiers_;
    KeySource keys_;
    std::function<void()> beep_;
    std::unique_ptr<ModeDisplay> overlay_;
    std::map<std::pair<std::uint32_t, std::uint32_t>, Key> states_;
    std::unique_ptr<GlobalHotKey::Registry> registry_;
    std::vector<std::shared_ptr<GlobalHotKey>> hotKeys_;
    bool registered_ = false; // the hot keys were given to the host once
    EmergencyOff emergency_{5, 3.0};
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace quellarine
