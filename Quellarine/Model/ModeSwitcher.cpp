#include "Quellarine/Model/ModeSwitcher.h"

#include "Quellarine/Model/PermissionText.h"
#include "Quellarine/Model/PresetTexts.h"

namespace quellarine {

namespace {

std::pair<std::uint32_t, std::uint32_t> combination(const GlobalHotKey::Shortcut& shortcut)
{
    return {shortcut.keyCode, shortcut.modifiers};
}

// How much worse a state is for the user: a key that nothing hears is worst.
int severity(ModeSwitcher::KeyState state)
{
    return static_cast<int>(state);
}

} // namespace

ModeSwitcher::ModeSwitcher(Target& target, Environment environment, QObject* parent)
    : QObject(parent)
    , target_(target)
    , host_(environment.hotKeys)
    , modifiers_(environment.modifiers)
    , keys_(environment.keys)
    , beep_(std::move(environment.beep))
    , overlay_(std::move(environment.overlay))
{
    host_.setAssignmentHandler([this, alive = std::weak_ptr<bool>(alive_)](const auto& assignment) {
        if (!alive.expired()) {
            assignmentArrived(assignment);
        }
    });
    registry_ = std::make_unique<GlobalHotKey::Registry>(host_);
    registerHotKeys();
    modifiers_.setHandler([this, alive = std::weak_ptr<bool>(alive_)](const auto& state, double time) {
        // Only where the views say the gesture is heard does it act.
        if (!alive.expired() && keys_.emergencyHeard) {
            handleModifiersChanged(state, time);
        }
    });
}

ModeSwitcher::~ModeSwitcher()
{
    alive_.reset();
    modifiers_.setHandler({});
    host_.setAssignmentHandler({});
    hotKeys_.clear();
    registry_.reset();
}

ModeSwitcher::KeyState ModeSwitcher::state(const Shortcut& shortcut) const
{
    const auto found = states_.find(combination(shortcut));
    return found == states_.end() ? KeyState::unavailable : found->second.state;
}

QString ModeSwitcher::assignedKeys(const Shortcut& shortcut) const
{
    const auto found = states_.find(combination(shortcut));
    return found == states_.end() ? QString() : found->second.assigned;
}

ModeSwitcher::KeyState ModeSwitcher::modeState() const
{
    const KeyState next = state(Shortcut::nextMode());
    const KeyState previous = state(Shortcut::previousMode());
    return severity(previous) > severity(next) ? previous : next;
}

void ModeSwitcher::registerHotKeys()
{
    std::weak_ptr<bool> alive = alive_;
    auto guarded = [alive](std::function<void()> action) {
        return [alive, action = std::move(action)] {
            if (!alive.expired()) {
                action();
            }
        };
    };
    if (keys_.hotKeys == KeySource::HotKeys::none) {
        // Nothing would hear them: registered once a source comes.
        for (const auto& shortcut : {Shortcut::defaultToggle(), Shortcut::nextMode(), Shortcut::previousMode()}) {
            states_[combination(shortcut)].state = KeyState::unavailable;
        }
        return;
    }
    registered_ = true;
    registerOne(Shortcut::defaultToggle(), guarded([this] { toggle(); }));
    registerOne(Shortcut::nextMode(), guarded([this] { cycleMode(1); }));
    if (state(Shortcut::nextMode()) == KeyState::taken) {
        // A taken next-mode key leaves the previous-mode key alone.
        states_[combination(Shortcut::previousMode())] = states_[combination(Shortcut::nextMode())];
        return;
    }
    registerOne(Shortcut::previousMode(), guarded([this] { cycleMode(-1); }));
}

void ModeSwitcher::registerOne(const Shortcut& shortcut, std::function<void()> action)
{
    Key& key = states_[combination(shortcut)];
    const bool later = host_.answersLater();
    try {
        hotKeys_.push_back(GlobalHotKey::create(*registry_, shortcut, std::move(action)));
        key.state = later ? KeyState::waiting : KeyState::active;
    } catch (const GlobalHotKey::HotKeyError&) {
        // The desktop's shortcuts refuse at once only when they no longer serve; elsewhere another program has it.
        key.state = later ? KeyState::refused : KeyState::taken;
    }
}

void ModeSwitcher::setKeys(const KeySource& keys)
{
    if (keys == keys_) {
        return;
    }
    const bool wasTaken = shortcutTaken();
    const bool modeWasTaken = modeShortcutTaken();
    keys_ = keys;
    if (keys.hotKeys == KeySource::HotKeys::none) {
        for (auto& [combination, key] : states_) {
            key.state = KeyState::unavailable;
        }
    } else if (!registered_) {
        registerHotKeys();
    } else if (!host_.answersLater()) {
        // The host passed the registrations on, and the keyboards read through the grant refuse no combination.
        for (auto& [combination, key] : states_) {
            key.state = KeyState::active;
        }
    }
    tell(wasTaken, modeWasTaken);
    emit keysChanged();
}

void ModeSwitcher::assignmentArrived(const system::HotKeyHost::Assignment& assignment)
{
    const Shortcut shortcut{assignment.keyCode, assignment.modifiers};
    if (!states_.contains(combination(shortcut))) {
        return;
    }
    changeKey(shortcut,
              Key{assignment.refused ? KeyState::refused : KeyState::active,
                  assignment.refused ? QString() : QString::fromStdString(assignment.description)});
}

void ModeSwitcher::changeKey(const Shortcut& shortcut, const Key& key)
{
    const bool wasTaken = shortcutTaken();
    const bool modeWasTaken = modeShortcutTaken();
    Key& current = states_[combination(shortcut)];
    if (current.state == key.state && current.assigned == key.assigned) {
        return;
    }
    current = key;
    tell(wasTaken, modeWasTaken);
    emit keysChanged();
}

void ModeSwitcher::tell(bool wasTaken, bool modeWasTaken)
{
    if (wasTaken != shortcutTaken()) {
        emit shortcutTakenChanged(shortcutTaken());
    }
    if (modeWasTaken != modeShortcutTaken()) {
        emit modeShortcutTakenChanged(modeShortcutTaken());
    }
}

std::vector<ModeSwitcher::Mode> ModeSwitcher::availableModes() const
{
    std::vector<Mode> modes{std::nullopt};
    for (const auto& preset : FilterPreset::builtIn()) {
        modes.emplace_back(preset.id);
    }
    if (target_.personal()) {
        modes.emplace_back(FilterPreset::ID::personal);
    }
    return modes;
}

void ModeSwitcher::toggle()
{
    target_.setEmergencyNotice(false);
    target_.setWantsOn(!target_.wantsOn());
    showModeBanner();
}

void ModeSwitcher::cycleMode(int step)
{
    target_.setEmergencyNotice(false);
    const auto modes = availableModes();
    const int count = static_cast<int>(modes.size());
    Mode current;
    if (target_.wantsOn()) {
        current = target_.activePreset().id;
    }
    int index = 0;
    for (int candidate = 0; candidate < count; ++candidate) {
        if (modes[static_cast<std::size_t>(candidate)] == current) {
            index = candidate;
            break;
        }
    }
    const int next = ((index + step) % count + count) % count;
    const Mode mode = modes[static_cast<std::size_t>(next)];
    if (mode) {
        target_.setPresetID(*mode);
    }
    target_.setWantsOn(mode.has_value());
    showModeBanner();
}

void ModeSwitcher::showModeBanner(const std::optional<QString>& detail)
{
    const bool on = target_.wantsOn();
    const QString title = on ? presetTitle(target_.activePreset().id) : tr("Direct");
    QString text;
    if (detail) {
        text = *detail;
    } else {
        text = on ? presetSummary(target_.activePreset().id)
                  : tr("No smoothing: the pointer follows your hand directly");
    }
    if (!target_.maySteerPointer()) {
        text = permissionNeededText();
    }
    // The banner draws the keys only where they are the ones pressing works.
    std::optional<Shortcut> shortcut;
    if (modeState() == KeyState::active && assignedKeys(Shortcut::nextMode()).isEmpty()) {
        shortcut = Shortcut::nextMode();
    }
    overlay_->show(title, text, shortcut);
}

void ModeSwitcher::handleModifiersChanged(const system::ModifierState& state, double time)
{
    const bool others = state.shift || state.alt || state.super || state.function;
    const bool hit = emergency_.modifiersChanged(state.control, others, time);
    if (hit && target_.wantsOn()) {
        target_.setWantsOn(false);
        target_.setEmergencyNotice(true);
        if (beep_) {
            beep_();
        }
        showModeBanner(tr("Turned off because Ctrl was pressed 5 times"));
    }
}

} // namespace quellarine
