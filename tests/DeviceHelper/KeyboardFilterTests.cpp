// What of the keyboards leaves the device helper, over random typing on several keyboards: nothing but changes of
// the modifiers and the keys of registered chords, each chord once per press.
#include "DeviceHelper/DeviceHelperService.h"
#include "DeviceHelper/KeyboardFilter.h"

#include "RecordingMaker.h"

#include <gtest/gtest.h>

#include <linux/input-event-codes.h>

#include <map>
#include <random>
#include <set>
#include <utility>

using namespace quellarine::devicehelper;

namespace {

constexpr std::uint16_t modifierKeys[] = {KEY_LEFTCTRL, KEY_RIGHTCTRL, KEY_LEFTSHIFT, KEY_RIGHTSHIFT,
                                          KEY_LEFTALT,  KEY_RIGHTALT,  KEY_LEFTMETA,  KEY_RIGHTMETA};

// The modifier keys down on each keyboard, as the keys typed say.
struct Hands {
    std::map<int, std::uint8_t> held;
    std::uint8_t combined() const
    {
        std::uint8_t all = 0;
        for (const auto& [keyboard, mask] : held) {
            all |= mask;
        }
        return all;
    }
};

TEST(KeyboardFilterTest, OnlyModifierChangesAndRegisteredChordsLeaveTheHelperEachChordOncePerPress)
{
    std::mt19937 random(48);
    KeyboardFilter filter;
    Hands hands;
    std::multiset<std::pair<std::uint16_t, std::uint32_t>> chords;
    std::set<std::uint16_t> chordKeysDown;              // as the application was told
    std::map<std::pair<int, std::uint16_t>, bool> down; // every key down on each keyboard, chord or not
    std::uint8_t told = 0;
    std::size_t presses = 0;
    const std::uint16_t letters[] = {KEY_A, KEY_S, KEY_M, KEY_X, KEY_ENTER, KEY_F1};

    for (int step = 0; step < 50000; ++step) {
        const int keyboard = int(random() % 3);
        const std::int64_t time = step;
        bool freshPress = false;
        std::uint16_t code = 0;
        int value = -1;
        switch (random() % 16) {
        case 0: {
            const std::uint16_t key = letters[random() % 6];
            const std::uint32_t modifiers = random() % 16;
            if (chords.size() < maxChords && filter.registerChord(key, modifiers)) {
                chords.insert({key, modifiers});
            }
            break;
        }
        case 1:
            if (!chords.empty()) {
                auto chord = std::next(chords.begin(), long(random() % chords.size()));
                filter.unregisterChord(chord->first, chord->second);
                chords.erase(chord);
            }
            break;
        case 2: { // the kernel dropped events: the keyboard's modifiers read afresh
            const auto mask = static_cast<std::uint8_t>(random() % 256);
            hands.held[keyboard] = mask;
            filter.modifiersAre(keyboard, mask, time);
            break;
        }
        case 3:
            if (random() % 8 == 0) {
                hands.held.erase(keyboard);
                std::erase_if(down, [keyboard](const auto& entry) { return entry.first.first == keyboard; });
                filter.removed(keyboard, time);
            }
            break;
        default: {
            // Any key at all: modifiers, chord keys, other keys, buttons.
            const unsigned pick = random() % 4;
            code = pick == 0 ? modifierKeys[random() % 8]
                : pick == 1  ? letters[random() % 6]
                             : static_cast<std::uint16_t>(1 + random() % KEY_MAX);
            value = int(random() % 3);
            if (const std::uint8_t bit = HeldModifiers::modifierBit(code); bit != 0 && value != 2) {
                hands.held[keyboard] = value == 1 ? hands.held[keyboard] | bit : hands.held[keyboard] & ~bit;
            }
            freshPress = value == 1 && !HeldModifiers::isModifier(code) && !chordKeysDown.contains(code)
                && chords.contains({code, KeyboardFilter::chordModifiers(hands.combined())});
            if (filter.wants(code)) {
                filter.key(keyboard, code, value, time);
            } else {
                ASSERT_FALSE(freshPress) << "a chord's key not asked for, step " << step;
            }
        }
        }
        std::size_t pressedNow = 0;
        for (const KeyboardRecord& record : filter.take()) {
            ASSERT_EQ(record.time, time);
            switch (static_cast<KeyboardRecordKind>(record.kind)) {
            case KeyboardRecordKind::modifiers:
                ASSERT_EQ(record.value, hands.combined()) << "step " << step;
                ASSERT_NE(record.value, told) << "a change that is none, step " << step;
                told = static_cast<std::uint8_t>(record.value);
                break;
            case KeyboardRecordKind::chordPressed:
                ASSERT_EQ(value, 1) << "only a press presses, step " << step;
                ASSERT_EQ(record.value, code);
                ASSERT_TRUE(chords.contains({code, KeyboardFilter::chordModifiers(hands.combined())}));
                ASSERT_TRUE(chordKeysDown.insert(code).second) << "pressed twice, step " << step;
                ++pressedNow;
                break;
            case KeyboardRecordKind::chordReleased:
                ASSERT_TRUE(value == 0 || value == -1) << "step " << step;
                ASSERT_EQ(chordKeysDown.erase(static_cast<std::uint16_t>(record.value)), 1u) << "step " << step;
                break;
            default:
                FAIL() << "a record of kind " << record.kind;
            }
        }
        ASSERT_EQ(pressedNow, freshPress ? 1u : 0u) << "step " << step;
        presses += pressedNow;
        ASSERT_EQ(told, hands.combined()) << "step " << step;
    }
    EXPECT_GT(presses, 100u) << "the sequence pressed chords";
}

TEST(KeyboardFilterTest, AChordHeldOnAKeyboardThatGoesAwayIsReleased)
{
    KeyboardFilter filter;
    ASSERT_TRUE(filter.registerChord(KEY_S, chordControl | chordAlt));
    EXPECT_FALSE(filter.registerChord(KEY_LEFTCTRL, 0)) << "a modifier is no chord's key";
    EXPECT_FALSE(filter.registerChord(BTN_LEFT, 0)) << "nor is a button";
    filter.key(1, KEY_LEFTCTRL, 1, 1);
    filter.key(2, KEY_RIGHTALT, 1, 2);
    filter.key(2, KEY_S, 1, 3);
    filter.key(2, KEY_S, 2, 4);
    filter.removed(2, 5);
    const std::vector<KeyboardRecord> records = filter.take();
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[2].kind, std::uint32_t(KeyboardRecordKind::chordPressed));
    EXPECT_EQ(records[3].kind, std::uint32_t(KeyboardRecordKind::chordReleased));
    EXPECT_EQ(records[4].value, HeldModifiers::modifierBit(KEY_LEFTCTRL));
}

// The keyboards as the service steers them, without a kernel.
class CountingKeyboards final : public KeyboardSource {
public:
    void setReading(bool reading) override { reading_ = reading; }
    std::size_t count() const override { return reading_ ? 2 : 0; }

private:
    bool reading_ = false;
};

TEST(KeyboardServiceTest, KeyboardsAreReadOnlyWhenAskedAndWhileTheSessionIsInFrontAndChordsAreChecked)
{
    quellarine::devicehelper::testing::RecordingMaker maker;
    DeviceHelperService service(maker);
    CountingKeyboards keyboards;
    service.setKeyboards(&keyboards);
    std::vector<Reply> replies;
    auto send = [&](RequestKind kind, std::uint16_t code, std::int32_t value, std::uint32_t device = 0,
                    std::uint16_t type = 0) {
        const Request request{static_cast<std::uint32_t>(kind), device, type, code, value};
        return service.handle(&request, sizeof(request), -1, replies);
    };
    auto count = [&] {
        const auto records = service.takeKeyboardRecords();
        return records.empty() ? -1 : int(records.back().value);
    };

    EXPECT_EQ(count(), -1) << "nothing told unasked";
    ASSERT_TRUE(send(RequestKind::readKeyboards, 0, 1));
    EXPECT_EQ(count(), 2);
    service.setServed(false);
    EXPECT_EQ(count(), 0) << "another session in front: no keyboard read";
    service.setServed(true);
    EXPECT_EQ(count(), 2);
    ASSERT_TRUE(send(RequestKind::registerChord, KEY_S, chordControl | chordAlt));
    ASSERT_TRUE(send(RequestKind::unregisterChord, KEY_S, chordControl | chordAlt));
    EXPECT_TRUE(replies.empty()) << "the keyboard's requests get no reply";

    // Each of these ends the connection.
    for (const Request& hostile : std::vector<Request>{
             {std::uint32_t(RequestKind::readKeyboards), 0, 0, 0, 2},
             {std::uint32_t(RequestKind::readKeyboards), 1, 0, 0, 1},
             {std::uint32_t(RequestKind::registerChord), 0, 0, KEY_LEFTCTRL, 0},
             {std::uint32_t(RequestKind::registerChord), 0, 0, 0, 0},
             {std::uint32_t(RequestKind::registerChord), 0, 0, BTN_LEFT, 0},
             {std::uint32_t(RequestKind::registerChord), 0, 0, KEY_S, 16},
             {std::uint32_t(RequestKind::registerChord), 0, 0, KEY_S, -1},
             {std::uint32_t(RequestKind::registerChord), 0, EV_KEY, KEY_S, 1},
             {std::uint32_t(RequestKind::unregisterChord), 3, 0, KEY_S, 1},
         }) {
        DeviceHelperService fresh(maker);
        EXPECT_FALSE(fresh.handle(&hostile, sizeof(hostile), -1, replies))
            << hostile.kind << " " << hostile.device << " " << hostile.code << " " << hostile.value;
    }
    DeviceHelperService full(maker);
    for (std::size_t chord = 0; chord < maxChords; ++chord) {
        const Request request{std::uint32_t(RequestKind::registerChord), 0, 0, KEY_A, std::int32_t(chord % 16)};
        ASSERT_TRUE(full.handle(&request, sizeof(request), -1, replies));
    }
    const Request oneTooMany{std::uint32_t(RequestKind::registerChord), 0, 0, KEY_A, 0};
    EXPECT_FALSE(full.handle(&oneTooMany, sizeof(oneTooMany), -1, replies));
}

TEST(HeldModifiersTest, TheCombinedMaskIsAlwaysWhatSomeKeyboardStillHolds)
{
    // Random presses, releases, resets and unplugging over three keyboards, against the plain record of which
    // keyboard holds which key.
    std::mt19937 random(37);
    HeldModifiers held;
    std::set<std::pair<int, std::uint16_t>> down;
    auto expected = [&down] {
        std::uint8_t mask = 0;
        for (const auto& [keyboard, code] : down) {
            mask |= HeldModifiers::modifierBit(code);
        }
        return mask;
    };
    for (int step = 0; step < 20000; ++step) {
        const int keyboard = int(random() % 3);
        const std::uint16_t code = modifierKeys[random() % 8];
        const std::uint8_t before = expected();
        bool changed = false;
        switch (random() % 8) {
        case 0:
            changed = held.forget(keyboard);
            std::erase_if(down, [keyboard](const auto& entry) { return entry.first == keyboard; });
            break;
        case 1: {
            const auto mask = static_cast<std::uint8_t>(random() % 256);
            changed = held.reset(keyboard, mask);
            std::erase_if(down, [keyboard](const auto& entry) { return entry.first == keyboard; });
            for (std::uint16_t each : modifierKeys) {
                if (mask & HeldModifiers::modifierBit(each)) {
                    down.insert({keyboard, each});
                }
            }
            break;
        }
        case 2:
            changed = held.set(keyboard, KEY_A, true); // keys that are no modifiers change nothing
            break;
        default:
            if (random() % 2 == 0) {
                changed = held.set(keyboard, code, true);
                down.insert({keyboard, code});
            } else {
                changed = held.set(keyboard, code, false);
                down.erase({keyboard, code});
            }
        }
        ASSERT_EQ(held.combined(), expected()) << "step " << step;
        ASSERT_EQ(changed, before != expected()) << "step " << step;
    }
}

} // namespace
