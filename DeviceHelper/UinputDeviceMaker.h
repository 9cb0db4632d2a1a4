#pragma once

#include "DeviceHelper/OutputDevice.h"

namespace quellarine::devicehelper {

// Makes the devices through the kernel's /dev/uinput, one descriptor each, with the helper's own rights.
class UinputDeviceMaker final : public DeviceMaker {
public:
    std::unique_ptr<FrameSink> make(const Capabilities& capabilities) override;
    // Reads a device only through a descriptor of an input event node (a character device of the input
    // subsystem); anything else is no pointing device.
    std::optional<Capabilities> readTwin(int descriptor) override;
};

} // namespace quellarine::devicehelper
