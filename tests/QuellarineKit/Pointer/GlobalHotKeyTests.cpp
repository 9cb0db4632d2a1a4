#include "Backends/Sim/SimulatedHotKeys.h"
#include "QuellarineKit/Pointer/GlobalHotKey.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

using namespace quellarine;
using sim::SimulatedHotKeys;
using Shortcut = GlobalHotKey::Shortcut;

namespace {

constexpr Shortcut toggle = Shortcut::defaultToggle();
constexpr Shortcut next = Shortcut::nextMode();
constexpr Shortcut previous = Shortcut::previousMode();

bool press(SimulatedHotKeys& keys, Shortcut shortcut)
{
    return keys.press(shortcut.keyCode, shortcut.modifiers);
}

std::optional<std::uint32_t> identifierFor(const SimulatedHotKeys& keys, Shortcut shortcut)
{
    return keys.identifierFor(shortcut.keyCode, shortcut.modifiers);
}

std::optional<GlobalHotKey::HotKeyError> refusal(GlobalHotKey::Registry& registry, Shortcut shortcut)
{
    try {
        GlobalHotKey::create(registry, shortcut, [] {});
    } catch (const GlobalHotKey::HotKeyError& error) {
        return error;
    }
    return std::nullopt;
}

} // namespace

TEST(GlobalHotKeyTest, IdentifiersCountUpAcrossFailures)
{
    SimulatedHotKeys keys;
    keys.holdElsewhere(next.keyCode, next.modifiers);
    GlobalHotKey::Registry registry(keys);

    auto first = GlobalHotKey::create(registry, toggle, [] {});
    auto refused = refusal(registry, next);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->kind(), GlobalHotKey::HotKeyError::Case::taken);
    EXPECT_EQ(refused->status(), SimulatedHotKeys::takenStatus);
    auto third = GlobalHotKey::create(registry, previous, [] {});

    EXPECT_EQ(identifierFor(keys, toggle), 1u);
    EXPECT_EQ(identifierFor(keys, next), std::nullopt);
    EXPECT_EQ(identifierFor(keys, previous), 3u);
    EXPECT_EQ(third->shortcut(), previous);
}

TEST(GlobalHotKeyTest, SecondRegistrationIsTakenAndTheFirstKeepsWorking)
{
    SimulatedHotKeys keys;
    GlobalHotKey::Registry registry(keys);
    int firstRuns = 0;
    auto first = GlobalHotKey::create(registry, toggle, [&] { ++firstRuns; });

    auto refused = refusal(registry, toggle);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->status(), SimulatedHotKeys::takenStatus);

    EXPECT_TRUE(press(keys, toggle));
    EXPECT_EQ(firstRuns, 1);
    EXPECT_EQ(identifierFor(keys, toggle), 1u);
}

TEST(GlobalHotKeyTest, UnregisterStopsTheActionAndFreesTheCombination)
{
    SimulatedHotKeys keys;
    GlobalHotKey::Registry registry(keys);
    int runs = 0;
    auto hotKey = GlobalHotKey::create(registry, toggle, [&] { ++runs; });
    int otherRuns = 0;
    auto other = GlobalHotKey::create(registry, next, [&] { ++otherRuns; });

    hotKey->unregister();
    hotKey->unregister(); // does nothing further
    EXPECT_FALSE(press(keys, toggle));
    EXPECT_EQ(runs, 0);
    EXPECT_TRUE(press(keys, next));
    EXPECT_EQ(otherRuns, 1);

    // The combination is the system's again: registering it anew works.
    auto again = GlobalHotKey::create(registry, toggle, [&] { runs += 10; });
    EXPECT_TRUE(press(keys, toggle));
    EXPECT_EQ(runs, 10);
}

TEST(GlobalHotKeyTest, ReleasedHotKeyStaysRegistered)
{
    SimulatedHotKeys keys;
    GlobalHotKey::Registry registry(keys);
    int runs = 0;
    std::weak_ptr<GlobalHotKey> watch = GlobalHotKey::create(registry, toggle, [&] { ++runs; });

    ASSERT_FALSE(watch.expired());
    EXPECT_TRUE(press(keys, toggle));
    EXPECT_EQ(runs, 1);
    watch.lock()->unregister();
    EXPECT_TRUE(watch.expired());
}

TEST(GlobalHotKeyTest, ActionMayUnregisterItsOwnHotKey)
{
    SimulatedHotKeys keys;
    GlobalHotKey::Registry registry(keys);
    auto runs = std::make_shared<int>(0);
    GlobalHotKey* self = nullptr;
    // Only the registry holds the hot key, so unregistering inside the action drops its last reference; the
    // action's captures are still read afterwards.
    self = GlobalHotKey::create(registry, toggle, [&self, runs] {
               self->unregister();
               ++*runs;
           }).get();

    EXPECT_TRUE(press(keys, toggle));
    EXPECT_EQ(*runs, 1);
    EXPECT_EQ(runs.use_count(), 1); // the hot key and its action are gone now
    EXPECT_FALSE(press(keys, toggle));
}

TEST(GlobalHotKeyTest, HotKeysOutlivingTheRegistryAreDetached)
{
    SimulatedHotKeys keys;
    int runs = 0;
    std::shared_ptr<GlobalHotKey> kept;
    {
        GlobalHotKey::Registry registry(keys);
        kept = GlobalHotKey::create(registry, toggle, [&] { ++runs; });
    }
    EXPECT_EQ(identifierFor(keys, toggle), std::nullopt);
    EXPECT_FALSE(press(keys, toggle));
    kept->unregister(); // nothing left to reach
    EXPECT_EQ(runs, 0);

    // A new registry starts counting afresh.
    GlobalHotKey::Registry fresh(keys);
    auto hotKey = GlobalHotKey::create(fresh, next, [&] { ++runs; });
    EXPECT_EQ(identifierFor(keys, next), 1u);
    EXPECT_TRUE(press(keys, next));
    EXPECT_EQ(runs, 1);
}
