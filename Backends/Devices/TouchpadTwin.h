#pragma once

#include "Backends/Devices/VirtualPointer.h"

#include <linux/input.h>

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

namespace quellarine::devices {

// What a touchpad's twin is told: the pad's own frames, so that the compositor's libinput makes of them what it makes
// of the pad's (taps, scrolling, gestures, its typing guard, its speed), but for one thing: while exactly one finger
// is on the pad, the position of that finger moves only as the steadied pointer does.
//
// Each touch keeps an offset from where the finger really is. While it alone is down, each frame's motion of the
// finger is taken out of its offset (the position written stays) and the steadied motion is put in (steer()); with
// more fingers down the offsets stay as they are, so no finger jumps. A touch that ends forgets its offset.
//
// The frames written are not the pad's bytes but the difference between what the twin was last told and what it
// should show now: whatever the pad's frames were (a resynchronisation after dropped events included), the twin
// ends up in the pad's state. The pad's clicks (BTN_LEFT ... BTN_TASK) are not written: they go through the taps.
// Main loop only.
class TouchpadTwin final : public VirtualPointer::Steering {
public:
    using Write = std::function<void(const input_event* events, std::size_t count)>;
    // The touches told apart; a pad's slots beyond these are not written.
    static constexpr int maxSlots = 32;

    struct Axes {
        std::bitset<ABS_CNT> absolute; // the pad's absolute axes
        std::array<input_absinfo, ABS_CNT> ranges{};
        std::bitset<KEY_CNT> keys; // its keys: buttons, BTN_TOUCH and BTN_TOOL_*
        bool timestamps = false;   // it tells MSC_TIMESTAMP
    };
    struct Click {
        std::uint16_t code = 0;
        bool down = false;
    };
    // BTN_LEFT ... BTN_TASK.
    static constexpr std::size_t maxClicks = BTN_TASK - BTN_LEFT + 1;
    // What a frame of the pad asks of the pointer.
    struct Frame {
        std::int32_t dx = 0; // the pointer finger's motion in whole points; 0 when no single finger moved
        std::int32_t dy = 0;
        std::uint64_t time = 0; // nanoseconds of the monotonic clock
        std::array<Click, maxClicks> clicks{};
        std::size_t clickCount = 0;
    };

    TouchpadTwin(Axes axes, Write write);

    // One of the pad's events; at its SYN_REPORT, what the frame asks of the pointer, the frame being held until
    // writeFrame(). Events outside the pad's axes and keys are dropped.
    std::optional<Frame> add(const input_event& event);
    // Writes what the twin needs to show the last frame, with the steering done since.
    void writeFrame();
    // The steadied motion of the pointer finger, in points; while no frame is held it is written at once, as a frame
    // of its own. Nothing when no single finger is down, or while the twin is not told.
    void steer(double dx, double dy) override;
    // The last frame is not for the twin (the pad is not ours), or the twin was let go of (its touches ended, its
    // keys up) or made anew: it shows nothing now, and is told nothing until the next writeFrame().
    void forgetTwin();
    // Points per unit of the pad, across and down (the pad's resolution brought to a 1000 dpi mouse).
    void setScale(double pointsPerUnitX, double pointsPerUnitY);

    // The number of fingers on the pad, as its last frame told.
    int fingers() const;

private:
    // What a pad (or its twin) shows: per touch its multi-touch axes, the axes outside them, and the keys.
    struct State {
        std::array<std::array<std::int32_t, ABS_MT_TOOL_Y - ABS_MT_TOUCH_MAJOR + 1>, maxSlots> touches{};
        std::array<std::int32_t, ABS_MT_SLOT> axes{};
        std::bitset<KEY_CNT> keys;
        State();
        std::int32_t& touch(int slot, std::uint16_t code) { return touches[slot][code - ABS_MT_TOUCH_MAJOR]; }
        std::int32_t touch(int slot, std::uint16_t code) const { return touches[slot][code - ABS_MT_TOUCH_MAJOR]; }
    };

    void endFrame(Frame& frame);
    int fingersIn(const State& state) const;
    // Where a touch is on the pad, across or down: its slot's position, or a pad's without slots.
    double positionIn(const State& state, int slot, bool across) const;
    // The slot whose finger moves the pointer: the one touch down while it is the only finger; -1 otherwise.
    int pointerSlot(const State& state) const;
    // Where the twin should show an axis of a touch, or the single-touch axis that follows the oldest touch.
    std::int32_t shown(int slot, std::uint16_t code) const;
    std::int32_t shownAxis(std::uint16_t code) const;
    std::int32_t clamped(std::uint16_t code, double value) const;
    bool multitouch() const { return axes_.absolute.test(ABS_MT_SLOT); }
    void push(std::uint16_t type, std::uint16_t code, std::int32_t value);

    Axes axes_;
    Write write_;
    int slots_ = 1;
    State pad_;           // as the pad's frames left it
    State previous_;      // as the frame before left it
    State twin_;          // as we last told the twin
    int padSlot_ = 0;     // the slot the pad's events are about
    bool held_ = false;   // a frame waits for writeFrame()
    bool silent_ = false; // the twin is not told until the next writeFrame()
    double restX_ = 0;    // the pointer finger's motion short of a whole point
    double restY_ = 0;
    std::int32_t timestamp_ = 0;
    bool timestampChanged_ = false;
    std::array<double, maxSlots> offsetX_{}; // where each touch is shown, from where it is, in the pad's units
    std::array<double, maxSlots> offsetY_{};
    std::array<std::uint64_t, maxSlots> begun_{}; // the order the touches began in, for the single-touch axes
    std::uint64_t touchesBegun_ = 0;
    double pointsPerUnitX_ = 1;
    double pointsPerUnitY_ = 1;
    // The largest difference: every axis of every touch, with its slot, the other axes and the keys.
    std::array<input_event, maxSlots*(ABS_MT_TOOL_Y - ABS_MT_SLOT + 1) + ABS_MT_SLOT + 32> out_{};
    std::size_t outCount_ = 0;
};

} // namespace quellarine::devices
