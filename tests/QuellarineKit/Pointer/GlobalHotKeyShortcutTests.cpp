#include "QuellarineKit/Support/DecodingError.h"
#include "QuellarineKit/Pointer/GlobalHotKey.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <map>
#include <vector>

using namespace quellarine;
using nlohmann::json;
using Shortcut = GlobalHotKey::Shortcut;
using Modifier = Shortcut::Modifier;

namespace {

// A keyboard layout that answers from a table and remembers which keys it was asked about.
class TableLayout : public system::KeyboardLayout {
public:
    explicit TableLayout(std::map<std::uint16_t, std::string> characters)
        : characters_(std::move(characters))
    {
    }

    std::optional<std::string> characterForKeyCode(std::uint16_t keyCode) const override
    {
        asked.push_back(keyCode);
        auto entry = characters_.find(keyCode);
        return entry == characters_.end() ? std::nullopt : std::optional(entry->second);
    }

    mutable std::vector<std::uint16_t> asked;

private:
    std::map<std::uint16_t, std::string> characters_;
};

Shortcut::Naming english(const system::KeyboardLayout* layout = nullptr)
{
    return Shortcut::Naming(layout, {"ctrl", "alt", "shift", "super"}, "en-US");
}

} // namespace

TEST(GlobalHotKeyShortcutTest, ModifiersAreNamedInFixedOrder)
{
    EXPECT_EQ(Shortcut::defaultToggle().modifierKeys(), (std::vector{Modifier::control, Modifier::alt}));
    EXPECT_EQ(Shortcut::nextMode().modifierKeys(), (std::vector{Modifier::control, Modifier::alt}));
    EXPECT_EQ(Shortcut::previousMode().modifierKeys(),
              (std::vector{Modifier::control, Modifier::alt, Modifier::shift}));
    // Every bit set, plus bits that are carried but not named.
    Shortcut all{50, 0x1B00 | 0x4000 | 0x1};
    EXPECT_EQ(all.modifierKeys(), (std::vector{Modifier::control, Modifier::alt, Modifier::shift, Modifier::super}));
    EXPECT_EQ(all.keyLabel(english()), "#50");
}

TEST(GlobalHotKeyShortcutTest, DefaultsOnAUSLayout)
{
    TableLayout us({{1, "s"}, {46, "m"}, {0, "a"}});
    auto naming = english(&us);
    EXPECT_EQ(Shortcut::defaultToggle(), (Shortcut{1, 0x1800}));
    EXPECT_EQ(Shortcut::defaultToggle().keyLabel(naming), "S");
    EXPECT_EQ(Shortcut::nextMode().keyLabel(naming), "M");
    EXPECT_EQ(Shortcut::previousMode().keyLabel(naming), "M");
    EXPECT_EQ((Shortcut{0, 0}).keyLabel(naming), "A");
    EXPECT_EQ(Shortcut::defaultToggle().spokenDescription(naming), "Ctrl + Alt + S");
    EXPECT_EQ((Shortcut{46, 0x1B00}).spokenDescription(naming), "Ctrl + Alt + Shift + Super + M");
}

TEST(GlobalHotKeyShortcutTest, OnlyLetterKeysAskTheLayout)
{
    std::map<std::uint16_t, std::string> everyKey;
    for (std::uint16_t code = 0; code < 128; ++code) {
        everyKey[code] = "x";
    }
    TableLayout layout(everyKey);
    auto naming = english(&layout);
    EXPECT_EQ((Shortcut{49, 0}).keyLabel(naming), "Space");
    EXPECT_EQ((Shortcut{122, 0}).keyLabel(naming), "F1");
    EXPECT_EQ((Shortcut{111, 0}).keyLabel(naming), "F12");
    EXPECT_EQ((Shortcut{50, 0}).keyLabel(naming), "#50");
    EXPECT_TRUE(layout.asked.empty());
    // Each of the 26 letter positions is named by the layout.
    int letters = 0;
    for (std::uint32_t code = 0; code < 128; ++code) {
        letters += (Shortcut{code, 0}).keyLabel(naming) == "X";
    }
    EXPECT_EQ(letters, 26);
}

TEST(GlobalHotKeyShortcutTest, LayoutDecidesTheLetter)
{
    TableLayout french({{0, "q"}, {12, " \n"}, {13, " z\t"}, {14, "é"}, {15, "\u00A0"}});
    auto naming = english(&french);
    EXPECT_EQ((Shortcut{0, 0}).keyLabel(naming), "Q");
    EXPECT_EQ((Shortcut{12, 0}).keyLabel(naming), "Q"); // only white space: the table's letter
    EXPECT_EQ((Shortcut{13, 0}).keyLabel(naming), "Z");
    EXPECT_EQ((Shortcut{14, 0}).keyLabel(naming), "É");
    EXPECT_EQ((Shortcut{15, 0}).keyLabel(naming), "R");   // a no-break space is white space too
    EXPECT_EQ((Shortcut{17, 0}).keyLabel(naming), "T");   // no character: the table's letter
    EXPECT_EQ((Shortcut{0, 0}).keyLabel(english()), "A"); // no layout at all
}

TEST(GlobalHotKeyShortcutTest, CaseFollowsTheLocale)
{
    TableLayout layout({{34, "i"}});
    Shortcut key{34, Shortcut::controlMask};
    auto turkish = english(&layout);
    turkish.locale = "tr-TR";
    turkish.modifierNames[0] = "iptal";
    EXPECT_EQ(key.keyLabel(turkish), "İ");
    EXPECT_EQ(key.spokenDescription(turkish), "İptal + İ");
    EXPECT_EQ(key.keyLabel(english(&layout)), "I");
}

TEST(GlobalHotKeyShortcutTest, CodesAsKeyCodeAndModifiers)
{
    json coded = Shortcut::previousMode();
    EXPECT_EQ(coded, (json{{"keyCode", 46}, {"modifiers", 0x1A00}}));
    EXPECT_EQ(coded.get<Shortcut>(), Shortcut::previousMode());
    EXPECT_EQ((json{{"keyCode", 4294967295.0}, {"modifiers", 0}}).get<Shortcut>(), (Shortcut{4294967295u, 0}));
    EXPECT_THROW((json{{"keyCode", -1}, {"modifiers", 0}}).get<Shortcut>(), DecodingError);
    EXPECT_THROW((json{{"keyCode", 4294967296}, {"modifiers", 0}}).get<Shortcut>(), DecodingError);
    EXPECT_THROW((json{{"keyCode", 1.5}, {"modifiers", 0}}).get<Shortcut>(), DecodingError);
    EXPECT_THROW((json{{"keyCode", 1}}).get<Shortcut>(), DecodingError);
    EXPECT_THROW(json::array().get<Shortcut>(), DecodingError);
}
