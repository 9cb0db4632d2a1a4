#include "Backends/Devices/TouchpadTwin.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <vector>

using namespace quellarine::devices;

namespace {

constexpr int slots = 3;

// A clickpad of three slots, 40 units to the millimetre, as the kernel describes one.
TouchpadTwin::Axes clickpad(bool multitouch = true)
{
    TouchpadTwin::Axes axes;
    auto axis = [&axes](std::uint16_t code, int maximum, int resolution = 0) {
        axes.absolute.set(code);
        axes.ranges[code].maximum = maximum;
        axes.ranges[code].resolution = resolution;
    };
    axis(ABS_X, 4000, 40);
    axis(ABS_Y, 2500, 40);
    axis(ABS_PRESSURE, 255);
    if (multitouch) {
        axis(ABS_MT_SLOT, slots - 1);
        axis(ABS_MT_TRACKING_ID, 65535);
        axis(ABS_MT_POSITION_X, 4000, 40);
        axis(ABS_MT_POSITION_Y, 2500, 40);
        axis(ABS_MT_PRESSURE, 255);
    }
    for (std::uint16_t key : {BTN_LEFT, BTN_TOUCH, BTN_TOOL_FINGER, BTN_TOOL_DOUBLETAP, BTN_TOOL_TRIPLETAP}) {
        axes.keys.set(key);
    }
    return axes;
}

// What a reader of the twin knows: its touches, axes and keys, built from the frames written, each checked whole.
struct TwinReader {
    struct Touch {
        int id = -1;
        std::map<std::uint16_t, int> axes;
    };
    std::array<Touch, slots> touches{};
    std::map<std::uint16_t, int> axes;
    std::map<std::uint16_t, bool> keys;
    int slot = 0;
    int frames = 0;

    void read(const input_event* events, std::size_t count)
    {
        ++frames;
        ASSERT_GT(count, 1u) << "an empty frame";
        EXPECT_EQ(events[count - 1].type, EV_SYN);
        bool slotNamed = false;
        for (std::size_t index = 0; index + 1 < count; ++index) {
            const input_event& event = events[index];
            ASSERT_NE(event.type, EV_SYN) << "a report inside a frame";
            if (event.type == EV_KEY) {
                EXPECT_FALSE(event.code >= BTN_LEFT && event.code <= BTN_TASK) << "a click went past the taps";
                keys[event.code] = event.value != 0;
            } else if (event.type == EV_ABS && event.code == ABS_MT_SLOT) {
                slot = event.value;
                slotNamed = true;
            } else if (event.type == EV_ABS && event.code >= ABS_MT_TOUCH_MAJOR) {
                EXPECT_TRUE(slotNamed) << "a touch's axis in a frame that did not name its slot";
                // A slot keeps its values from one touch to the next, as the kernel's do.
                if (event.code == ABS_MT_TRACKING_ID) {
                    touches[slot].id = event.value;
                } else {
                    touches[slot].axes[event.code] = event.value;
                }
            } else if (event.type == EV_ABS) {
                axes[event.code] = event.value;
            }
        }
    }
    // The helper let go of the twin.
    void release()
    {
        touches = {};
        keys.clear();
    }
};

// The pad itself, and the frames that tell of it.
struct Pad {
    struct Touch {
        int id = -1;
        int x = 0;
        int y = 0;
        int pressure = 0;
    };
    std::array<Touch, slots> touches{};
    bool click = false;
    int nextId = 100;
    std::uint64_t time = 1'000'000'000;

    int fingers() const
    {
        int count = 0;
        for (const Touch& touch : touches) {
            count += touch.id != -1 ? 1 : 0;
        }
        return count;
    }

    std::vector<input_event> frame(const std::array<Touch, slots>& before, bool clickBefore)
    {
        std::vector<input_event> events;
        auto add = [&events](std::uint16_t type, std::uint16_t code, int value) {
            events.push_back(input_event{{}, type, code, value});
        };
        for (int slot = 0; slot < slots; ++slot) {
            const Touch& now = touches[slot];
            const Touch& then = before[slot];
            if (now.id == then.id
                && (now.id == -1 || (now.x == then.x && now.y == then.y && now.pressure == then.pressure))) {
                continue;
            }
            add(EV_ABS, ABS_MT_SLOT, slot);
            if (now.id != then.id) {
                add(EV_ABS, ABS_MT_TRACKING_ID, now.id);
            }
            if (now.id != -1) {
                add(EV_ABS, ABS_MT_POSITION_X, now.x);
                add(EV_ABS, ABS_MT_POSITION_Y, now.y);
                add(EV_ABS, ABS_MT_PRESSURE, now.pressure);
            }
        }
        int oldest = -1;
        for (int slot = 0; slot < slots; ++slot) {
            if (touches[slot].id != -1 && (oldest < 0 || touches[slot].id < touches[oldest].id)) {
                oldest = slot;
            }
        }
        if (oldest >= 0) {
            add(EV_ABS, ABS_X, touches[oldest].x);
            add(EV_ABS, ABS_Y, touches[oldest].y);
        }
        const int count = fingers();
        add(EV_KEY, BTN_TOUCH, count > 0);
        add(EV_KEY, BTN_TOOL_FINGER, count == 1);
        add(EV_KEY, BTN_TOOL_DOUBLETAP, count == 2);
        add(EV_KEY, BTN_TOOL_TRIPLETAP, count == 3);
        if (click != clickBefore) {
            add(EV_KEY, BTN_LEFT, click);
        }
        time += 8'000'000;
        input_event report{};
        report.type = EV_SYN;
        report.code = SYN_REPORT;
        report.input_event_sec = static_cast<decltype(report.input_event_sec)>(time / 1'000'000'000);
        report.input_event_usec = static_cast<decltype(report.input_event_usec)>(time % 1'000'000'000 / 1000);
        events.push_back(report);
        return events;
    }
};

struct Harness {
    TwinReader twin;
    TouchpadTwin touchpad{clickpad(),
                          [this](const input_event* events, std::size_t count) { twin.read(events, count); }};
    Pad pad;

    Harness() { touchpad.setScale(1, 1); }

    // Plays the pad's change; `steering` decides what the steadied pointer makes of a single finger's motion.
    TouchpadTwin::Frame play(const std::array<Pad::Touch, slots>& before, bool clickBefore,
                             const std::function<std::pair<int, int>(int, int)>& steering)
    {
        std::optional<TouchpadTwin::Frame> frame;
        for (const input_event& event : pad.frame(before, clickBefore)) {
            EXPECT_FALSE(frame) << "a frame before its report";
            frame = touchpad.add(event);
        }
        EXPECT_TRUE(frame);
        if (frame->dx != 0 || frame->dy != 0) {
            const auto [sx, sy] = steering(frame->dx, frame->dy);
            touchpad.steer(sx, sy);
        }
        touchpad.writeFrame();
        return *frame;
    }
};

// Random hands on the pad: fingers landing, moving, lifting, clicking. However the steadied pointer moves, the twin
// shows exactly the pad's touches, keys and other axes; clicks never reach it; every finger but a lone one moves on
// the twin exactly as on the pad; and steered by exactly what it moved, the lone finger is where it really is.
TEST(TouchpadTwinTest, TheTwinShowsThePadButForTheLoneFingersSteadiedPosition)
{
    for (int steeringKind = 0; steeringKind < 3; ++steeringKind) {
        // 0: the steadied pointer moves as the hand; 1: it holds still; 2: it moves half as far, a step late.
        std::pair<int, int> late{0, 0};
        auto steering = [&](int dx, int dy) -> std::pair<int, int> {
            if (steeringKind == 0) {
                return {dx, dy};
            }
            if (steeringKind == 1) {
                return {0, 0};
            }
            const auto due = late;
            late = {dx / 2, dy / 2};
            return due;
        };
        Harness harness;
        std::mt19937 random(7 + steeringKind);
        std::map<int, std::pair<int, int>> shownFromReal; // per touch id: the twin's position less the pad's
        int motions = 0;
        for (int step = 0; step < 3000; ++step) {
            const auto before = harness.pad.touches;
            const bool clickBefore = harness.pad.click;
            const int slot = static_cast<int>(random() % slots);
            Pad::Touch& touch = harness.pad.touches[slot];
            switch (random() % 10) {
            case 0:
                if (touch.id == -1) {
                    touch = {harness.pad.nextId++, static_cast<int>(random() % 4000), static_cast<int>(random() % 2500),
                             40};
                } else {
                    touch.id = -1;
                }
                break;
            case 1:
                harness.pad.click = !harness.pad.click;
                break;
            default:
                for (Pad::Touch& moving : harness.pad.touches) {
                    if (moving.id != -1) {
                        moving.x = std::clamp(moving.x + static_cast<int>(random() % 41) - 20, 200, 3800);
                        moving.y = std::clamp(moving.y + static_cast<int>(random() % 41) - 20, 200, 2300);
                        moving.pressure = 30 + static_cast<int>(random() % 20);
                    }
                }
            }
            const TouchpadTwin::Frame frame = harness.play(before, clickBefore, steering);
            motions += frame.dx != 0 || frame.dy != 0 ? 1 : 0;
            EXPECT_EQ(frame.clickCount, harness.pad.click != clickBefore ? 1u : 0u);

            const int fingers = harness.pad.fingers();
            for (int index = 0; index < slots; ++index) {
                const Pad::Touch& real = harness.pad.touches[index];
                const TwinReader::Touch& shown = harness.twin.touches[index];
                ASSERT_EQ(shown.id, real.id) << "step " << step;
                if (real.id == -1) {
                    continue;
                }
                EXPECT_EQ(shown.axes.at(ABS_MT_PRESSURE), real.pressure);
                const std::pair<int, int> offset{shown.axes.at(ABS_MT_POSITION_X) - real.x,
                                                 shown.axes.at(ABS_MT_POSITION_Y) - real.y};
                if (steeringKind == 0) {
                    EXPECT_EQ(offset, std::make_pair(0, 0)) << "step " << step;
                }
                auto known = shownFromReal.find(real.id);
                if (fingers > 1 && known != shownFromReal.end()) {
                    EXPECT_EQ(offset, known->second) << "a finger among others jumped, step " << step;
                }
                shownFromReal[real.id] = offset;
            }
            EXPECT_EQ(harness.twin.keys[BTN_TOUCH], fingers > 0);
            EXPECT_EQ(harness.twin.keys[BTN_TOOL_DOUBLETAP], fingers == 2);
            EXPECT_EQ(harness.twin.keys.count(BTN_LEFT), 0u);
        }
        EXPECT_GT(motions, 300) << "too few lone fingers moved to tell";
    }
}

// Held still (the click guard while a button is down), the lone finger stays where it was shown however it moves;
// the pad's own motion comes in points by its resolution. Let go of by the helper and told again, the twin takes up
// the pad's state, a finger already down included.
TEST(TouchpadTwinTest, AHeldFingerStaysAndATwinLetGoOfIsToldThePadAgain)
{
    Harness harness;
    harness.touchpad.setScale(2, 0.5);
    auto hold = [](int, int) { return std::pair{0, 0}; };
    auto before = harness.pad.touches;
    harness.pad.touches[1] = {harness.pad.nextId++, 1000, 1000, 40};
    harness.play(before, false, hold);
    for (int step = 0; step < 20; ++step) {
        before = harness.pad.touches;
        harness.pad.touches[1].x += 5;
        harness.pad.touches[1].y -= 4;
        const TouchpadTwin::Frame frame = harness.play(before, false, hold);
        EXPECT_EQ(frame.dx, 10);
        EXPECT_EQ(frame.dy, -2);
        EXPECT_EQ(harness.twin.touches[1].axes.at(ABS_MT_POSITION_X), 1000);
        EXPECT_EQ(harness.twin.touches[1].axes.at(ABS_MT_POSITION_Y), 1000);
        EXPECT_EQ(harness.twin.axes.at(ABS_X), 1000) << "the single-touch axes follow the finger as shown";
    }
    // The steadied pointer catches up later, a frame of its own.
    const int frames = harness.twin.frames;
    harness.touchpad.steer(6, -8);
    EXPECT_EQ(harness.twin.frames, frames + 1);
    EXPECT_EQ(harness.twin.touches[1].axes.at(ABS_MT_POSITION_X), 1003);
    EXPECT_EQ(harness.twin.touches[1].axes.at(ABS_MT_POSITION_Y), 984);

    // Given back: what happens meanwhile is not told, the steering neither.
    harness.twin.release();
    harness.touchpad.forgetTwin();
    harness.touchpad.steer(50, 50);
    EXPECT_EQ(harness.twin.frames, frames + 1);
    // Taken again: the first frame of the new grab tells the whole pad, the finger where it really is.
    before = harness.pad.touches;
    harness.pad.touches[1].x += 1;
    for (const input_event& event : harness.pad.frame(before, false)) {
        harness.touchpad.add(event);
    }
    harness.touchpad.forgetTwin();
    harness.touchpad.writeFrame();
    EXPECT_EQ(harness.twin.touches[1].id, harness.pad.touches[1].id);
    EXPECT_EQ(harness.twin.touches[1].axes.at(ABS_MT_POSITION_X), harness.pad.touches[1].x);
    EXPECT_TRUE(harness.twin.keys[BTN_TOUCH]);
}

// A pad that tells one finger only: its single-touch axes are steered.
TEST(TouchpadTwinTest, APadWithoutSlotsIsSteeredThroughItsOnlyAxes)
{
    TwinReader twin;
    TouchpadTwin touchpad(clickpad(false),
                          [&twin](const input_event* events, std::size_t count) { twin.read(events, count); });
    auto frame = [&touchpad](std::initializer_list<input_event> events) {
        std::optional<TouchpadTwin::Frame> result;
        for (const input_event& event : events) {
            result = touchpad.add(event);
        }
        return result;
    };
    frame({{{}, EV_ABS, ABS_X, 500},
           {{}, EV_ABS, ABS_Y, 500},
           {{}, EV_KEY, BTN_TOUCH, 1},
           {{}, EV_KEY, BTN_TOOL_FINGER, 1},
           {{}, EV_SYN, SYN_REPORT, 0}});
    touchpad.writeFrame();
    const auto moved = frame({{{}, EV_ABS, ABS_X, 520}, {{}, EV_SYN, SYN_REPORT, 0}});
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->dx, 20);
    touchpad.steer(7, 0);
    touchpad.writeFrame();
    EXPECT_EQ(twin.axes.at(ABS_X), 507);
    EXPECT_TRUE(twin.keys.at(BTN_TOOL_FINGER));
    // Lifted, and down again elsewhere: shown where it is.
    frame({{{}, EV_KEY, BTN_TOUCH, 0}, {{}, EV_KEY, BTN_TOOL_FINGER, 0}, {{}, EV_SYN, SYN_REPORT, 0}});
    touchpad.writeFrame();
    frame({{{}, EV_ABS, ABS_X, 900},
           {{}, EV_KEY, BTN_TOUCH, 1},
           {{}, EV_KEY, BTN_TOOL_FINGER, 1},
           {{}, EV_SYN, SYN_REPORT, 0}});
    touchpad.writeFrame();
    EXPECT_EQ(twin.axes.at(ABS_X), 900);
}

} // namespace
