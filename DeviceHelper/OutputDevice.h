#pragma once

#include "DeviceHelper/Capabilities.h"

#include <linux/input.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quellarine::devicehelper {

// Where a device's frames go: the kernel's uinput, or a recorder in the tests.
class FrameSink {
public:
    virtual ~FrameSink() = default;
    // One whole frame, ending with its SYN_REPORT, in one write.
    virtual void write(const input_event* events, std::size_t count) = 0;
    // The kernel's name of the device ("input12").
    virtual std::string sysName() const = 0;
};

// Makes the sinks: creates the devices and reads a physical device given for a twin.
class DeviceMaker {
public:
    virtual ~DeviceMaker() = default;
    virtual std::unique_ptr<FrameSink> make(const Capabilities& capabilities) = 0;
    virtual std::optional<Capabilities> readTwin(int descriptor) = 0;
};

// One device the helper made: it takes the application's events one by one, keeps those the device has (an
// absolute value clamped to its axis' range), and writes them as one frame at SYN_REPORT. It knows which buttons
// it holds down and which touches it holds, so that it can let go of them whatever the application does.
class OutputDevice {
public:
    // The longest frame it keeps: more than any device makes; longer ones are dropped whole.
    static constexpr std::size_t maxFrame = 128;

    OutputDevice(Capabilities capabilities, std::unique_ptr<FrameSink> sink);
    // Lets go of what it holds.
    ~OutputDevice();
    OutputDevice(const OutputDevice&) = delete;
    OutputDevice& operator=(const OutputDevice&) = delete;

    // Takes one event; false when it is not the device's own (or not a button's 0 or 1) and was dropped.
    bool add(std::uint16_t type, std::uint16_t code, std::int32_t value);
    // Writes a release of every button held down and the end of every touch, and forgets a frame not yet reported.
    void releaseAll();
    std::string sysName() const { return sink_->sysName(); }
    const Capabilities& capabilities() const { return capabilities_; }

private:
    void flush();

    Capabilities capabilities_;
    std::unique_ptr<FrameSink> sink_;
    std::vector<input_event> frame_;
    bool overflowed_ = false;
    std::bitset<KEY_CNT> held_;
    // The multi-touch slot the device's events are about, and the slots holding a touch.
    static constexpr int maxSlots = 64;
    int slot_ = 0;
    std::bitset<maxSlots> touches_;
};

} // namespace quellarine::devicehelper
