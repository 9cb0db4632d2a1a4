#include "DeviceHelper/OutputDevice.h"

#include "DeviceHelper/InputEvent.h"

#include <algorithm>

namespace quellarine::devicehelper {

OutputDevice::OutputDevice(Capabilities capabilities, std::unique_ptr<FrameSink> sink)
    : capabilities_(std::move(capabilities))
    , sink_(std::move(sink))
{
    frame_.reserve(maxFrame);
}

OutputDevice::~OutputDevice()
{
    releaseAll();
}

bool OutputDevice::add(std::uint16_t type, std::uint16_t code, std::int32_t value)
{
    if (!capabilities_.has(type, code)) {
        return false;
    }
    if (type == EV_KEY && value != 0 && value != 1) {
        return false;
    }
    if (type == EV_ABS) {
        const input_absinfo& range = capabilities_.ranges[code];
        // A touch lifted is the one tracking number outside the axis' range.
        if (!(code == ABS_MT_TRACKING_ID && value == -1)) {
            value = std::clamp(value, range.minimum, std::max(range.minimum, range.maximum));
        }
    }
    if (type == EV_SYN) {
        flush();
        return true;
    }
    if (frame_.size() == maxFrame) {
        overflowed_ = true;
        return false;
    }
    frame_.push_back(inputEvent(type, code, value));
    return true;
}

void OutputDevice::flush()
{
    if (overflowed_) {
        // Half a frame would leave the device in a state its events never described; all of it is dropped, as the
        // kernel drops what overflows its queue.
        frame_.clear();
        overflowed_ = false;
        return;
    }
    for (const input_event& event : frame_) {
        if (event.type == EV_KEY) {
            held_[event.code] = event.value != 0;
        } else if (event.type == EV_ABS && event.code == ABS_MT_SLOT) {
            slot_ = event.value;
        } else if (event.type == EV_ABS && event.code == ABS_MT_TRACKING_ID && slot_ >= 0 && slot_ < maxSlots) {
            touches_[static_cast<std::size_t>(slot_)] = event.value != -1;
        }
    }
    frame_.push_back(inputEvent(EV_SYN, SYN_REPORT, 0));
    sink_->write(frame_.data(), frame_.size());
    frame_.clear();
}

void OutputDevice::releaseAll()
{
    frame_.clear();
    overflowed_ = false;
    if (held_.none() && touches_.none()) {
        return;
    }
    for (int slot = 0; slot < maxSlots; ++slot) {
        if (touches_.test(static_cast<std::size_t>(slot))) {
            frame_.push_back(inputEvent(EV_ABS, ABS_MT_SLOT, slot));
            frame_.push_back(inputEvent(EV_ABS, ABS_MT_TRACKING_ID, -1));
        }
    }
    if (touches_.any()) {
        // Back to the slot the application's events were about, which its next frame may not name.
        frame_.push_back(inputEvent(EV_ABS, ABS_MT_SLOT, slot_));
        touches_.reset();
    }
    for (unsigned code = 0; code < KEY_CNT; ++code) {
        if (held_.test(code)) {
            // At most the 34 pointing buttons, after at most 64 touches' two events: one write holds them all.
            frame_.push_back(inputEvent(EV_KEY, static_cast<std::uint16_t>(code), 0));
        }
    }
    held_.reset();
    frame_.push_back(inputEvent(EV_SYN, SYN_REPORT, 0));
    sink_->write(frame_.data(), frame_.size());
    frame_.clear();
}

} // namespace quellarine::devicehelper
