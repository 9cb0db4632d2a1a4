#include "Backends/X11/X11Keymap.h"

#include "Backends/Common/KeyPositions.h"

#include <cstring>
#include <string_view>

namespace quellarine::x11 {

namespace {

// XKB names are four bytes, padded with zeros.
bool sameName(const char (&name)[XkbKeyNameLength], std::string_view wanted)
{
    std::string_view stored(name, strnlen(name, XkbKeyNameLength));
    return stored == wanted;
}

} // namespace

X11Keymap::X11Keymap(Display* display)
{
    if (display == nullptr) {
        return;
    }
    description_ = XkbGetMap(display, XkbKeyTypesMask | XkbKeySymsMask | XkbModifierMapMask, XkbUseCoreKbd);
    if (description_ != nullptr && XkbGetNames(display, XkbKeyNamesMask | XkbKeyAliasesMask, description_) != Success) {
        XkbFreeKeyboard(description_, 0, True);
        description_ = nullptr;
    }
}

X11Keymap::~X11Keymap()
{
    if (description_ != nullptr) {
        XkbFreeKeyboard(description_, 0, True);
    }
}

std::optional<KeyCode> X11Keymap::keycodeForPosition(std::uint32_t keyCode) const
{
    auto name = backends::KeyPositions::xkbName(keyCode);
    if (!name || description_ == nullptr || description_->names == nullptr || description_->names->keys == nullptr) {
        return std::nullopt;
    }
    const XkbNamesRec& names = *description_->names;
    std::string_view wanted = *name;
    // Some keycode sets name a key by an alias of the usual name.
    for (int i = 0; i < names.num_key_aliases && names.key_aliases != nullptr; ++i) {
        if (sameName(names.key_aliases[i].real, wanted)) {
            break;
        }
        if (sameName(names.key_aliases[i].alias, wanted)) {
            wanted = std::string_view(names.key_aliases[i].real, strnlen(names.key_aliases[i].real, XkbKeyNameLength));
            break;
        }
    }
    for (int keycode = description_->min_key_code; keycode <= description_->max_key_code; ++keycode) {
        if (sameName(names.keys[keycode].name, wanted)) {
            return static_cast<KeyCode>(keycode);
        }
    }
    return std::nullopt;
}

KeySym X11Keymap::symbol(KeyCode keycode, int group, int level) const
{
    if (description_ == nullptr || description_->map == nullptr || keycode < description_->min_key_code
        || keycode > description_->max_key_code) {
        return NoSymbol;
    }
    int groups = XkbKeyNumGroups(description_, keycode);
    if (groups == 0) {
        return NoSymbol;
    }
    group %= groups;
    if (level >= XkbKeyGroupWidth(description_, keycode, group)) {
        return NoSymbol;
    }
    return XkbKeySymEntry(description_, keycode, level, group);
}

unsigned X11Keymap::modifiersOf(KeySym wanted) const
{
    if (description_ == nullptr || description_->map == nullptr || description_->map->modmap == nullptr) {
        return 0;
    }
    unsigned modifiers = 0;
    for (int keycode = description_->min_key_code; keycode <= description_->max_key_code; ++keycode) {
        if (XkbKeyNumGroups(description_, keycode) == 0) {
            continue;
        }
        for (int level = 0; level < XkbKeyGroupWidth(description_, keycode, 0); ++level) {
            if (XkbKeySymEntry(description_, keycode, level, 0) == wanted) {
                modifiers |= description_->map->modmap[keycode];
            }
        }
    }
    return modifiers;
}

} // namespace quellarine::x11
