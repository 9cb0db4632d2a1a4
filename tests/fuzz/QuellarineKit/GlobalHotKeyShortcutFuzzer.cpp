// A stored shortcut survives a round trip, and any key code and modifier mask is named without fault: the names
// are never empty and every longer name ends with the key's label.

#include "FuzzCheck.h"

#include "QuellarineKit/Pointer/GlobalHotKey.h"

#include <string>

using namespace quellarine;

namespace {

bool endsWith(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

void requireNamed(const GlobalHotKey::Shortcut& shortcut, const GlobalHotKey::Shortcut::Naming& naming)
{
    const std::string label = shortcut.keyLabel(naming);
    fuzz::require(!label.empty(), "a key has no label");
    fuzz::require(endsWith(shortcut.spokenDescription(naming), label),
                  "a shortcut's description does not end with its key");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto json = fuzz::parseJson(data, size);
    if (!json) {
        return 0;
    }
    auto shortcut = fuzz::decode<GlobalHotKey::Shortcut>(*json);
    if (!shortcut) {
        return 0;
    }
    fuzz::requireRoundTrip(*shortcut);
    requireNamed(*shortcut, GlobalHotKey::Shortcut::Naming());
    // A locale whose upper case differs from English (dotted and dotless i).
    requireNamed(*shortcut, GlobalHotKey::Shortcut::Naming(nullptr, {"kontrol", "seçenek", "shift", "komut"}, "tr-TR"));
    return 0;
}
