#include "DeviceHelper/KeyboardFilter.h"

#include <linux/input-event-codes.h>

#include <algorithm>

namespace quellarine::devicehelper {

std::uint32_t KeyboardFilter::chordModifiers(std::uint8_t held)
{
    return ((held & HeldModifiers::control) != 0 ? chordControl : 0U)
        | ((held & HeldModifiers::shift) != 0 ? chordShift : 0U) | ((held & HeldModifiers::alt) != 0 ? chordAlt : 0U)
        | ((held & HeldModifiers::super) != 0 ? chordSuper : 0U);
}

bool KeyboardFilter::registerChord(std::uint16_t code, std::uint32_t modifiers)
{
    if (code == KEY_RESERVED || code >= BTN_MISC || HeldModifiers::isModifier(code)
        || (modifiers & ~allChordModifiers) != 0 || chords_.size() >= maxChords) {
        return false;
    }
    chords_.insert({code, modifiers});
    return true;
}

void KeyboardFilter::unregisterChord(std::uint16_t code, std::uint32_t modifiers)
{
    const auto found = chords_.find({code, modifiers});
    if (found != chords_.end()) {
        chords_.erase(found);
    }
}

std::vector<KeyboardRecord> KeyboardFilter::take()
{
    std::vector<KeyboardRecord> records;
    records.swap(records_);
    return records;
}

bool KeyboardFilter::wants(std::uint16_t code) const
{
    return HeldModifiers::isModifier(code)
        || std::any_of(chords_.begin(), chords_.end(), [code](const auto& chord) { return chord.first == code; });
}

void KeyboardFilter::key(int keyboard, std::uint16_t code, int value, std::int64_t time)
{
    if (HeldModifiers::isModifier(code)) {
        // A repeat is no change.
        if (value != 2 && held_.set(keyboard, code, value != 0)) {
            add(KeyboardRecordKind::modifiers, held_.combined(), time);
        }
        return;
    }
    if (value == 0) {
        if (pressed_.erase({keyboard, code}) != 0) {
            add(KeyboardRecordKind::chordReleased, code, time);
        }
        return;
    }
    const bool alreadyDown
        = std::any_of(pressed_.begin(), pressed_.end(), [code](const auto& down) { return down.second == code; });
    if (value != 1 || alreadyDown || !chords_.contains({code, chordModifiers(held_.combined())})) {
        return;
    }
    pressed_.insert({keyboard, code});
    add(KeyboardRecordKind::chordPressed, code, time);
}

void KeyboardFilter::modifiersAre(int keyboard, std::uint8_t held, std::int64_t time)
{
    if (held_.reset(keyboard, held)) {
        add(KeyboardRecordKind::modifiers, held_.combined(), time);
    }
}

void KeyboardFilter::removed(int keyboard, std::int64_t time)
{
    // Its chord keys come up with it, so that none stays down for the application.
    for (auto down = pressed_.begin(); down != pressed_.end();) {
        if (down->first == keyboard) {
            add(KeyboardRecordKind::chordReleased, down->second, time);
            down = pressed_.erase(down);
        } else {
            ++down;
        }
    }
    if (held_.forget(keyboard)) {
        add(KeyboardRecordKind::modifiers, held_.combined(), time);
    }
}

void KeyboardFilter::add(KeyboardRecordKind kind, std::uint32_t value, std::int64_t time)
{
    records_.push_back({static_cast<std::uint32_t>(kind), value, time});
}

} // namespace quellarine::devicehelper
