#include "QuellarineKit/Pointer/GlobalHotKey.h"

#include "QuellarineKit/Support/IcuLocale.h"
#include "QuellarineKit/Support/JsonFields.h"

#include <nlohmann/json.hpp>
#include <unicode/locid.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>

namespace quellarine {

namespace {

using Shortcut = GlobalHotKey::Shortcut;

struct KeyName {
    std::uint32_t keyCode;
    std::string_view name;
};

// The US layout's letters by key position, the space bar and the function keys.
constexpr std::array<KeyName, 39> keyNames{{
    {0, "A"},   {11, "B"},  {8, "C"},      {2, "D"},    {14, "E"},    {3, "F"},     {5, "G"},     {4, "H"},
    {34, "I"},  {38, "J"},  {40, "K"},     {37, "L"},   {46, "M"},    {45, "N"},    {31, "O"},    {35, "P"},
    {12, "Q"},  {15, "R"},  {1, "S"},      {17, "T"},   {32, "U"},    {9, "V"},     {13, "W"},    {7, "X"},
    {16, "Y"},  {6, "Z"},   {49, "Space"}, {122, "F1"}, {120, "F2"},  {99, "F3"},   {118, "F4"},  {96, "F5"},
    {97, "F6"}, {98, "F7"}, {100, "F8"},   {101, "F9"}, {109, "F10"}, {103, "F11"}, {111, "F12"},
}};

std::string utf8(const icu::UnicodeString& text)
{
    std::string result;
    text.toUTF8String(result);
    return result;
}

// The layout's text with white space and line breaks trimmed from both ends; none when nothing is left.
std::optional<icu::UnicodeString> trimmedCharacter(const system::KeyboardLayout& layout, std::uint16_t keyCode)
{
    auto character = layout.characterForKeyCode(keyCode);
    if (!character) {
        return std::nullopt;
    }
    auto text = icu::UnicodeString::fromUTF8(*character);
    std::int32_t start = 0;
    std::int32_t end = text.length();
    while (start < end && u_isUWhiteSpace(text.char32At(start))) {
        start = text.moveIndex32(start, 1);
    }
    while (end > start && u_isUWhiteSpace(text.char32At(text.moveIndex32(end, -1)))) {
        end = text.moveIndex32(end, -1);
    }
    if (start == end) {
        return std::nullopt;
    }
    return icu::UnicodeString(text, start, end - start);
}

} // namespace

const std::string& Shortcut::Naming::name(Modifier modifier) const
{
    return modifierNames[static_cast<std::size_t>(modifier)];
}

std::vector<Shortcut::Modifier> Shortcut::modifierKeys() const
{
    std::vector<Modifier> present;
    for (Modifier modifier : allModifiers) {
        if (modifiers & mask(modifier)) {
            present.push_back(modifier);
        }
    }
    return present;
}

std::string Shortcut::keyLabel(const Naming& naming) const
{
    auto row = std::find_if(keyNames.begin(), keyNames.end(),
                            [&](const KeyName& entry) { return entry.keyCode == keyCode; });
    if (row == keyNames.end()) {
        return "#" + std::to_string(keyCode);
    }
    // Only the letters are one character long; the layout decides which letter a position carries.
    if (row->name.size() == 1 && naming.layout) {
        if (auto character = trimmedCharacter(*naming.layout, static_cast<std::uint16_t>(keyCode))) {
            return utf8(character->toUpper(icuLocale(naming.locale)));
        }
    }
    return std::string(row->name);
}

std::string Shortcut::spokenDescription(const Naming& naming) const
{
    const icu::Locale locale = icuLocale(naming.locale);
    std::string description;
    for (Modifier modifier : modifierKeys()) {
        auto name = icu::UnicodeString::fromUTF8(naming.name(modifier));
        description += utf8(name.toTitle(nullptr, locale)) + " + ";
    }
    return description + keyLabel(naming);
}

void to_json(nlohmann::json& json, const GlobalHotKey::Shortcut& shortcut)
{
    json = nlohmann::json{{"keyCode", shortcut.keyCode}, {"modifiers", shortcut.modifiers}};
}

void from_json(const nlohmann::json& json, GlobalHotKey::Shortcut& shortcut)
{
    shortcut.keyCode = coding::decodeUInt32(json, "keyCode");
    shortcut.modifiers = coding::decodeUInt32(json, "modifiers");
}

GlobalHotKey::HotKeyError::HotKeyError(Case kind, system::HotKeyHost::Status status, const std::string& what)
    : std::runtime_error(what)
    , kind_(kind)
    , status_(status)
{
}

GlobalHotKey::HotKeyError GlobalHotKey::HotKeyError::taken(system::HotKeyHost::Status status)
{
    return HotKeyError(Case::taken, status, "the key combination is taken (status " + std::to_string(status) + ")");
}

GlobalHotKey::Registry::Registry(system::HotKeyHost& host)
    : host_(host)
    , mainThread_(std::this_thread::get_id())
{
}

GlobalHotKey::Registry::~Registry()
{
    // Hot keys may outlive the registry through other references: detach them so that a later unregister()
    // has nothing left to reach.
    for (auto& [identifier, hotKey] : hotKeys_) {
        host_.unregisterHotKey(identifier);
        hotKey->registry_ = nullptr;
    }
    if (handlerInstalled_) {
        host_.setHandler({});
    }
}

void GlobalHotKey::Registry::dispatch(std::uint32_t identifier)
{
    if (std::this_thread::get_id() != mainThread_) {
        std::fputs("Quellarine: a hot key was dispatched off the main thread\n", stderr);
        std::abort();
    }
    auto entry = hotKeys_.find(identifier);
    if (entry == hotKeys_.end()) {
        return;
    }
    // Hold the hot key while its action runs: an action that unregisters its own hot key would otherwise
    // destroy the action in the middle of running it.
    std::shared_ptr<GlobalHotKey> hotKey = entry->second;
    if (hotKey->action_) {
        hotKey->action_();
    }
}

void GlobalHotKey::Registry::release(std::uint32_t identifier)
{
    host_.unregisterHotKey(identifier);
    auto entry = hotKeys_.find(identifier);
    if (entry != hotKeys_.end()) {
        // Destroyed only when this function returns, since the caller may be the hot key itself.
        std::shared_ptr<GlobalHotKey> last = std::move(entry->second);
        hotKeys_.erase(entry);
    }
}

GlobalHotKey::GlobalHotKey(Shortcut shortcut, Action action, std::uint32_t identifier)
    : shortcut_(shortcut)
    , action_(std::move(action))
    , identifier_(identifier)
{
}

std::shared_ptr<GlobalHotKey> GlobalHotKey::create(Registry& registry, Shortcut shortcut, Action action)
{
    // The identifier is used up before registering, so a refused combination also takes one.
    std::uint32_t identifier = registry.nextIdentifier_++;
    std::shared_ptr<GlobalHotKey> hotKey(new GlobalHotKey(shortcut, std::move(action), identifier));
    if (!registry.handlerInstalled_) {
        registry.host_.setHandler([&registry](std::uint32_t pressed) { registry.dispatch(pressed); });
        registry.handlerInstalled_ = true;
    }
    auto status = registry.host_.registerHotKey(shortcut.keyCode, shortcut.modifiers, identifier);
    if (status != system::HotKeyHost::noError) {
        throw HotKeyError::taken(status);
    }
    hotKey->registry_ = &registry;
    registry.hotKeys_.emplace(identifier, hotKey);
    return hotKey;
}

void GlobalHotKey::unregister()
{
    if (!registry_) {
        return;
    }
    // The registry may hold the last reference to this hot key: nothing of it is touched after release().
    std::exchange(registry_, nullptr)->release(identifier_);
}

} // namespace quellarine
