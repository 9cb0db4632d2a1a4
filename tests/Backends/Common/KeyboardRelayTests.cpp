#include "Backends/Common/KeyboardRelay.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <vector>

using namespace quellarine;
using namespace quellarine::backends;

namespace {

// A keyboard that accepts every combination or none, and can be made to press keys.
class FakeKeyboard final : public system::HotKeyHost, public system::KeyboardLayout, public system::ModifierMonitor {
public:
    FakeKeyboard(bool serves, std::string text)
        : serves_(serves)
        , text_(std::move(text))
    {
    }

    Status registerHotKey(std::uint32_t keyCode, std::uint32_t modifiers, std::uint32_t identifier) override
    {
        if (!serves_ || registered.contains(identifier)) {
            return -1;
        }
        registered[identifier] = {keyCode, modifiers};
        return noError;
    }
    void unregisterHotKey(std::uint32_t identifier) override { registered.erase(identifier); }
    void setHandler(HotKeyHost::Handler handler) override { hotKey = std::move(handler); }
    std::optional<std::string> characterForKeyCode(std::uint16_t) const override { return text_; }
    void setHandler(ModifierMonitor::Handler handler) override { modifiers = std::move(handler); }

    std::map<std::uint32_t, std::pair<std::uint32_t, std::uint32_t>> registered;
    HotKeyHost::Handler hotKey;
    ModifierMonitor::Handler modifiers;

private:
    bool serves_;
    std::string text_;
};

TEST(KeyboardRelayTest, CombinationsRefusedWhileNoKeyboardServesWorkOnceOneDoes)
{
    FakeKeyboard none(false, "none");
    FakeKeyboard keys(true, "q");
    KeyboardRelay relay(none, none, none);
    std::vector<std::uint32_t> fired;
    std::vector<std::tuple<bool, double>> changes;
    static_cast<system::HotKeyHost&>(relay).setHandler(
        [&fired](std::uint32_t identifier) { fired.push_back(identifier); });
    static_cast<system::ModifierMonitor&>(relay).setHandler(
        [&changes](const system::ModifierState& state, double time) { changes.emplace_back(state.control, time); });

    // Refused as the serving keyboard refuses them, and given back before any keyboard served one.
    EXPECT_NE(relay.registerHotKey(1, 0x1800, 1), system::HotKeyHost::noError);
    EXPECT_NE(relay.registerHotKey(46, 0x1800, 2), system::HotKeyHost::noError);
    EXPECT_NE(relay.registerHotKey(46, 0x1a00, 3), system::HotKeyHost::noError);
    relay.unregisterHotKey(3);
    EXPECT_EQ(relay.characterForKeyCode(0), "none");

    relay.serveWith(keys, keys, keys);
    EXPECT_EQ(keys.registered,
              (std::map<std::uint32_t, std::pair<std::uint32_t, std::uint32_t>>{{1, {1, 0x1800}}, {2, {46, 0x1800}}}));
    EXPECT_EQ(relay.characterForKeyCode(0), "q");
    EXPECT_FALSE(none.hotKey);
    EXPECT_FALSE(none.modifiers);
    keys.hotKey(2);
    keys.modifiers(system::ModifierState{.control = true}, 12.5);
    EXPECT_EQ(fired, std::vector<std::uint32_t>{2});
    EXPECT_EQ(changes, (std::vector<std::tuple<bool, double>>{{true, 12.5}}));

    // From now on registrations go straight to it.
    EXPECT_EQ(relay.registerHotKey(46, 0x1a00, 3), system::HotKeyHost::noError);
    relay.unregisterHotKey(1);
    EXPECT_FALSE(keys.registered.contains(1));
    EXPECT_TRUE(keys.registered.contains(3));

    // A replaced handler is the one that runs.
    std::vector<std::uint32_t> later;
    static_cast<system::HotKeyHost&>(relay).setHandler(
        [&later](std::uint32_t identifier) { later.push_back(identifier); });
    keys.hotKey(3);
    EXPECT_EQ(later, std::vector<std::uint32_t>{3});
}

TEST(KeyboardRelayTest, ItsKeyboardGivesEverythingBackWhenTheRelayGoes)
{
    FakeKeyboard keys(true, "a");
    {
        KeyboardRelay relay(keys, keys, keys);
        ASSERT_EQ(relay.registerHotKey(1, 0x1800, 1), system::HotKeyHost::noError);
    }
    EXPECT_TRUE(keys.registered.empty());
    EXPECT_FALSE(keys.hotKey);
    EXPECT_FALSE(keys.modifiers);
}

} // namespace
