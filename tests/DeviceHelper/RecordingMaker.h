#pragma once

#include "DeviceHelper/OutputDevice.h"

#include <memory>
#include <string>
#include <vector>

namespace quellarine::devicehelper::testing {

// Devices that keep the frames written to them, and the capabilities they were made with.
struct RecordedDevice {
    Capabilities capabilities;
    std::vector<std::vector<input_event>> frames;
    bool removed = false;
};

class RecordingMaker final : public DeviceMaker {
public:
    // What readTwin answers for any descriptor.
    std::optional<Capabilities> twin;
    bool uinputAvailable = true;
    std::vector<std::shared_ptr<RecordedDevice>> devices;

    std::unique_ptr<FrameSink> make(const Capabilities& capabilities) override
    {
        if (!uinputAvailable) {
            return nullptr;
        }
        auto device = std::make_shared<RecordedDevice>();
        device->capabilities = capabilities;
        devices.push_back(device);
        return std::make_unique<Sink>(device, "input" + std::to_string(devices.size()));
    }
    std::optional<Capabilities> readTwin(int) override { return twin; }

private:
    class Sink final : public FrameSink {
    public:
        Sink(std::shared_ptr<RecordedDevice> device, std::string name)
            : device_(std::move(device))
            , name_(std::move(name))
        {
        }
        ~Sink() override { device_->removed = true; }
        void write(const input_event* events, std::size_t count) override
        {
            device_->frames.emplace_back(events, events + count);
        }
        std::string sysName() const override { return name_; }

    private:
        std::shared_ptr<RecordedDevice> device_;
        std::string name_;
    };
};

} // namespace quellarine::devicehelper::testing
