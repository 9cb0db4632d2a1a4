#include "Backends/Sim/SimulatedHotKeys.h"
#include "QuellarineKit/Pointer/GlobalHotKey.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

using namespace quellarine;
using sim::SimulatedHotKeys;
using Shortcut = GlobalHotKey::Shortcut;

namespace {

constexpr Shortcut next = Shortcut::nextMode();
constexpr Shortcut previous = Shortcut::previousMode();

bool press(SimulatedHotKeys& keys, Shortcut shortcut)
{
    return keys.press(shortcut.keyCode, shortcut.modifiers);
}

} // namespace

TEST(SimulatedHotKeysTest, RefusesCombinationsAndIdentifiersInUse)
{
    SimulatedHotKeys keys;
    std::vector<std::uint32_t> pressed;
    keys.setHandler([&](std::uint32_t identifier) { pressed.push_back(identifier); });

    EXPECT_EQ(keys.registerHotKey(next.keyCode, next.modifiers, 2), system::HotKeyHost::noError);
    EXPECT_EQ(keys.registerHotKey(next.keyCode, next.modifiers, 3), SimulatedHotKeys::takenStatus);
    EXPECT_EQ(keys.registerHotKey(previous.keyCode, previous.modifiers, 2), SimulatedHotKeys::takenStatus);
    EXPECT_TRUE(press(keys, next));
    EXPECT_FALSE(press(keys, previous));
    EXPECT_EQ(pressed, std::vector<std::uint32_t>{2});
}

TEST(SimulatedHotKeysTest, LayoutAnswersFromItsTable)
{
    SimulatedHotKeys keys;
    EXPECT_EQ(keys.characterForKeyCode(0), std::nullopt);
    keys.setLayout({{0, "q"}});
    EXPECT_EQ((Shortcut{0, Shortcut::controlMask}).keyLabel(Shortcut::Naming(&keys)), "Q");
    EXPECT_EQ(keys.characterForKeyCode(13), std::nullopt);
}
