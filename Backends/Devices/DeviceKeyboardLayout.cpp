#include "Backends/Devices/DeviceKeyboardLayout.h"

#include "Backends/Common/KeyPositions.h"

#include <xkbcommon/xkbcommon.h>

#include <fstream>
#include <string_view>

namespace quellarine::devices {

namespace {

// xkbcommon numbers keys as X does: the kernel's code plus 8.
constexpr std::uint32_t kernelOffset = 8;

// The value of KEY=value in a shell-style configuration file, unquoted; empty when it is not there.
std::string valueOf(const std::string& text, std::string_view key)
{
    std::string found;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string_view line(text.data() + start, end - start);
        start = end + 1;
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) {
            line.remove_prefix(1);
        }
        if (line.size() <= key.size() || line.substr(0, key.size()) != key || line[key.size()] != '=') {
            continue;
        }
        line.remove_prefix(key.size() + 1);
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r')) {
            line.remove_suffix(1);
        }
        if (line.size() >= 2 && (line.front() == '"' || line.front() == '\'') && line.back() == line.front()) {
            line = line.substr(1, line.size() - 2);
        }
        found = std::string(line); // the last assignment wins, as in the shell
    }
    return found;
}

} // namespace

DeviceKeyboardLayout::DeviceKeyboardLayout(const std::string& configuration)
{
    context_ = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    if (context_ == nullptr) {
        return;
    }
    std::string text;
    if (std::ifstream file(configuration); file) {
        text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    const std::string layout = valueOf(text, "XKBLAYOUT");
    const std::string variant = valueOf(text, "XKBVARIANT");
    xkb_rule_names names{};
    if (!layout.empty()) {
        names.layout = layout.c_str();
        names.variant = variant.c_str();
    }
    keymap_ = xkb_keymap_new_from_names(context_, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (keymap_ == nullptr && !layout.empty()) {
        // A layout the installed data does not know: the defaults at least name the keys.
        keymap_ = xkb_keymap_new_from_names(context_, nullptr, XKB_KEYMAP_COMPILE_NO_FLAGS);
    }
}

DeviceKeyboardLayout::~DeviceKeyboardLayout()
{
    xkb_keymap_unref(keymap_);
    xkb_context_unref(context_);
}

std::optional<std::uint16_t> DeviceKeyboardLayout::kernelCode(std::uint32_t keyCode) const
{
    const auto name = backends::KeyPositions::xkbName(keyCode);
    if (!name || keymap_ == nullptr) {
        return std::nullopt;
    }
    const xkb_keycode_t code = xkb_keymap_key_by_name(keymap_, std::string(*name).c_str());
    if (code == XKB_KEYCODE_INVALID || code < kernelOffset) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(code - kernelOffset);
}

std::optional<std::string> DeviceKeyboardLayout::characterForKeyCode(std::uint16_t keyCode) const
{
    const auto code = kernelCode(keyCode);
    if (!code) {
        return std::nullopt;
    }
    const xkb_keysym_t* symbols = nullptr;
    const int count = xkb_keymap_key_get_syms_by_level(keymap_, *code + kernelOffset, 0, 0, &symbols);
    char text[16] = {};
    // The length counts the terminating zero; symbols without a character give 0.
    if (count < 1 || xkb_keysym_to_utf8(symbols[0], text, sizeof text) <= 1) {
        return std::nullopt;
    }
    return std::string(text);
}

} // namespace quellarine::devices
