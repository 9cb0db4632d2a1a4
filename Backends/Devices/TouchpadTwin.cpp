#include "Backends/Devices/TouchpadTwin.h"

#include <algorithm>
#include <cmath>

namespace quellarine::devices {

namespace {

constexpr std::uint16_t firstClick = BTN_LEFT;
constexpr std::uint16_t lastClick = BTN_TASK;
// BTN_TOUCH and the tools: what says how many fingers are down.
constexpr std::uint16_t firstDigitiserKey = BTN_TOOL_PEN;
constexpr std::uint16_t lastDigitiserKey = BTN_TOOL_QUADTAP;

bool isTouchAxis(std::uint16_t code)
{
    return code >= ABS_MT_TOUCH_MAJOR && code <= ABS_MT_TOOL_Y;
}

} // namespace

TouchpadTwin::State::State()
{
    for (auto& touch : touches) {
        touch[ABS_MT_TRACKING_ID - ABS_MT_TOUCH_MAJOR] = -1;
    }
}

TouchpadTwin::TouchpadTwin(Axes axes, Write write)
    : axes_(std::move(axes))
    , write_(std::move(write))
{
    if (multitouch()) {
        slots_ = std::clamp(axes_.ranges[ABS_MT_SLOT].maximum + 1, 1, maxSlots);
    }
}

void TouchpadTwin::setScale(double pointsPerUnitX, double pointsPerUnitY)
{
    pointsPerUnitX_ = pointsPerUnitX > 0 ? pointsPerUnitX : 1;
    pointsPerUnitY_ = pointsPerUnitY > 0 ? pointsPerUnitY : 1;
}

std::optional<TouchpadTwin::Frame> TouchpadTwin::add(const input_event& event)
{
    switch (event.type) {
    case EV_ABS:
        if (event.code == ABS_MT_SLOT) {
            padSlot_ = event.value;
        } else if (isTouchAxis(event.code)) {
            if (padSlot_ >= 0 && padSlot_ < slots_ && axes_.absolute.test(event.code)) {
                pad_.touch(padSlot_, event.code) = event.value;
            }
        } else if (event.code < ABS_MT_SLOT && axes_.absolute.test(event.code)) {
            pad_.axes[event.code] = event.value;
        }
        return std::nullopt;
    case EV_KEY:
        if (event.code < KEY_CNT && axes_.keys.test(event.code)) {
            pad_.keys[event.code] = event.value != 0;
        }
        return std::nullopt;
    case EV_MSC:
        if (event.code == MSC_TIMESTAMP && axes_.timestamps) {
            timestamp_ = event.value;
            timestampChanged_ = true;
        }
        return std::nullopt;
    case EV_SYN:
        if (event.code != SYN_REPORT) {
            return std::nullopt;
        }
        break;
    default:
        return std::nullopt;
    }
    Frame frame;
    frame.time = static_cast<std::uint64_t>(event.input_event_sec) * 1'000'000'000u
        + static_cast<std::uint64_t>(event.input_event_usec) * 1000u;
    endFrame(frame);
    held_ = true;
    return frame;
}

int TouchpadTwin::fingers() const
{
    return fingersIn(pad_);
}

int TouchpadTwin::fingersIn(const State& state) const
{
    int touches = 0;
    if (multitouch()) {
        for (int slot = 0; slot < slots_; ++slot) {
            touches += state.touch(slot, ABS_MT_TRACKING_ID) != -1 ? 1 : 0;
        }
    } else {
        touches = state.keys.test(BTN_TOUCH) || state.keys.test(BTN_TOOL_FINGER) ? 1 : 0;
    }
    // Some pads tell more fingers than they have slots for.
    const std::pair<std::uint16_t, int> tools[] = {{BTN_TOOL_FINGER, 1},
                                                   {BTN_TOOL_DOUBLETAP, 2},
                                                   {BTN_TOOL_TRIPLETAP, 3},
                                                   {BTN_TOOL_QUADTAP, 4},
                                                   {BTN_TOOL_QUINTTAP, 5}};
    for (const auto& [tool, count] : tools) {
        if (state.keys.test(tool)) {
            touches = std::max(touches, count);
        }
    }
    return touches;
}

int TouchpadTwin::pointerSlot(const State& state) const
{
    if (fingersIn(state) != 1) {
        return -1;
    }
    if (!multitouch()) {
        return 0;
    }
    for (int slot = 0; slot < slots_; ++slot) {
        if (state.touch(slot, ABS_MT_TRACKING_ID) != -1) {
            // A palm the pad knows for one moves nothing.
            return state.touch(slot, ABS_MT_TOOL_TYPE) == MT_TOOL_PALM ? -1 : slot;
        }
    }
    return -1;
}

double TouchpadTwin::positionIn(const State& state, int slot, bool across) const
{
    if (multitouch()) {
        return state.touch(slot, across ? ABS_MT_POSITION_X : ABS_MT_POSITION_Y);
    }
    return state.axes[across ? ABS_X : ABS_Y];
}

void TouchpadTwin::endFrame(Frame& frame)
{
    // The pointer finger of this frame and of the one before.
    const int pointer = pointerSlot(pad_);
    const int before = pointerSlot(previous_);

    // Touches that ended or began forget where they were shown.
    for (int slot = 0; slot < (multitouch() ? slots_ : 1); ++slot) {
        const bool changed = multitouch()
            ? pad_.touch(slot, ABS_MT_TRACKING_ID) != previous_.touch(slot, ABS_MT_TRACKING_ID)
            : (fingersIn(pad_) > 0) != (fingersIn(previous_) > 0);
        if (changed) {
            offsetX_[slot] = offsetY_[slot] = 0;
            begun_[slot] = ++touchesBegun_;
            if (slot == pointer) {
                restX_ = restY_ = 0;
            }
        }
    }
    const bool sameTouch = multitouch() ? pointer >= 0 && pointer == before
            && pad_.touch(pointer, ABS_MT_TRACKING_ID) == previous_.touch(pointer, ABS_MT_TRACKING_ID)
                                        : pointer >= 0 && before >= 0;
    if (sameTouch) {
        const double dx = positionIn(pad_, pointer, true) - positionIn(previous_, pointer, true);
        const double dy = positionIn(pad_, pointer, false) - positionIn(previous_, pointer, false);
        // Where the finger is shown stays; the steadied motion moves it.
        offsetX_[pointer] -= dx;
        offsetY_[pointer] -= dy;
        restX_ += dx * pointsPerUnitX_;
        restY_ += dy * pointsPerUnitY_;
        const double wholeX = std::clamp(std::round(restX_), -1e6, 1e6);
        const double wholeY = std::clamp(std::round(restY_), -1e6, 1e6);
        restX_ -= wholeX;
        restY_ -= wholeY;
        frame.dx = static_cast<std::int32_t>(wholeX);
        frame.dy = static_cast<std::int32_t>(wholeY);
    }
    for (std::uint16_t code = firstClick; code <= lastClick; ++code) {
        if (pad_.keys.test(code) != previous_.keys.test(code) && frame.clickCount < frame.clicks.size()) {
            frame.clicks[frame.clickCount++] = {code, pad_.keys.test(code)};
        }
    }
    previous_ = pad_;
}

void TouchpadTwin::steer(double dx, double dy)
{
    const int pointer = pointerSlot(pad_);
    if (pointer < 0 || silent_) {
        return;
    }
    offsetX_[pointer] += dx / pointsPerUnitX_;
    offsetY_[pointer] += dy / pointsPerUnitY_;
    if (!held_) {
        writeFrame();
    }
}

void TouchpadTwin::forgetTwin()
{
    twin_ = State();
    offsetX_.fill(0);
    offsetY_.fill(0);
    held_ = false;
    silent_ = true;
    timestampChanged_ = false;
}

std::int32_t TouchpadTwin::clamped(std::uint16_t code, double value) const
{
    const input_absinfo& range = axes_.ranges[code];
    return static_cast<std::int32_t>(
        std::clamp(std::round(value), double(range.minimum), double(std::max(range.minimum, range.maximum))));
}

std::int32_t TouchpadTwin::shown(int slot, std::uint16_t code) const
{
    switch (code) {
    case ABS_MT_POSITION_X:
        return clamped(code, pad_.touch(slot, code) + offsetX_[slot]);
    case ABS_MT_POSITION_Y:
        return clamped(code, pad_.touch(slot, code) + offsetY_[slot]);
    default:
        return pad_.touch(slot, code);
    }
}

std::int32_t TouchpadTwin::shownAxis(std::uint16_t code) const
{
    if (code != ABS_X && code != ABS_Y) {
        return pad_.axes[code];
    }
    // The single-touch axes follow the oldest touch, as the kernel makes them.
    int followed = multitouch() ? -1 : 0;
    for (int slot = 0; slot < slots_ && multitouch(); ++slot) {
        if (pad_.touch(slot, ABS_MT_TRACKING_ID) != -1 && (followed < 0 || begun_[slot] < begun_[followed])) {
            followed = slot;
        }
    }
    if (followed < 0) {
        return pad_.axes[code];
    }
    return clamped(code, pad_.axes[code] + (code == ABS_X ? offsetX_[followed] : offsetY_[followed]));
}

void TouchpadTwin::push(std::uint16_t type, std::uint16_t code, std::int32_t value)
{
    if (outCount_ < out_.size()) {
        out_[outCount_++] = input_event{{}, type, code, value};
    }
}

void TouchpadTwin::writeFrame()
{
    held_ = false;
    silent_ = false;
    outCount_ = 0;
    if (multitouch()) {
        for (int slot = 0; slot < slots_; ++slot) {
            bool selected = false;
            auto tell = [&](std::uint16_t code, std::int32_t value) {
                if (twin_.touch(slot, code) == value) {
                    return;
                }
                if (!selected) {
                    // Always named: the twin's slot may have been moved by a frame we did not write.
                    push(EV_ABS, ABS_MT_SLOT, slot);
                    selected = true;
                }
                push(EV_ABS, code, value);
                twin_.touch(slot, code) = value;
            };
            const std::int32_t id = pad_.touch(slot, ABS_MT_TRACKING_ID);
            if (axes_.absolute.test(ABS_MT_TRACKING_ID)) {
                tell(ABS_MT_TRACKING_ID, id);
            }
            if (id == -1) {
                continue;
            }
            for (std::uint16_t code = ABS_MT_TOUCH_MAJOR; code <= ABS_MT_TOOL_Y; ++code) {
                if (code != ABS_MT_TRACKING_ID && axes_.absolute.test(code)) {
                    tell(code, shown(slot, code));
                }
            }
        }
    }
    for (std::uint16_t code = 0; code < ABS_MT_SLOT; ++code) {
        if (axes_.absolute.test(code) && twin_.axes[code] != shownAxis(code)) {
            twin_.axes[code] = shownAxis(code);
            push(EV_ABS, code, twin_.axes[code]);
        }
    }
    for (std::uint16_t code = firstDigitiserKey; code <= lastDigitiserKey; ++code) {
        if (axes_.keys.test(code) && twin_.keys.test(code) != pad_.keys.test(code)) {
            twin_.keys[code] = pad_.keys.test(code);
            push(EV_KEY, code, pad_.keys.test(code) ? 1 : 0);
        }
    }
    if (outCount_ == 0) {
        timestampChanged_ = false;
        return;
    }
    if (timestampChanged_) {
        push(EV_MSC, MSC_TIMESTAMP, timestamp_);
        timestampChanged_ = false;
    }
    push(EV_SYN, SYN_REPORT, 0);
    write_(out_.data(), outCount_);
}

} // namespace quellarine::devices
