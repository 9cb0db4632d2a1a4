#pragma once

#include "DeviceHelper/HeldModifiers.h"
#include "DeviceHelper/HelperProtocol.h"
#include "DeviceHelper/KeyboardDevices.h"

#include <cstdint>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace quellarine::devicehelper {

// What of the keyboards' keys may leave the helper: changes of the modifier keys, and a registered chord's key
// pressed while exactly its modifiers are down, then its release. A key repeating is no press; a chord fires once
// however long it is held. Every other key is dropped as it is read; nothing is kept but which modifiers and which
// chord keys are down.
class KeyboardFilter final : public KeyboardDevices::Listener {
public:
    // False when the chord is not one (a modifier, no key, unknown modifier bits) or too many are registered.
    bool registerChord(std::uint16_t code, std::uint32_t modifiers);
    void unregisterChord(std::uint16_t code, std::uint32_t modifiers);

    // The records made since the last call, in order.
    std::vector<KeyboardRecord> take();

    bool wants(std::uint16_t code) const override;
    void key(int keyboard, std::uint16_t code, int value, std::int64_t time) override;
    void modifiersAre(int keyboard, std::uint8_t held, std::int64_t time) override;
    void removed(int keyboard, std::int64_t time) override;

    // The ChordModifier bits of a mask of modifier keys.
    static std::uint32_t chordModifiers(std::uint8_t held);

private:
    void add(KeyboardRecordKind kind, std::uint32_t value, std::int64_t time);

    HeldModifiers held_;
    std::multiset<std::pair<std::uint16_t, std::uint32_t>> chords_; // as registered: key, modifiers
    std::set<std::pair<int, std::uint16_t>> pressed_;               // chord keys down: keyboard, key
    std::vector<KeyboardRecord> records_;
};

} // namespace quellarine::devicehelper
