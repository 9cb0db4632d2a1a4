#include "DeviceHelper/UinputDeviceMaker.h"

#include <libevdev/libevdev-uinput.h>
#include <libevdev/libevdev.h>
#include <linux/major.h>
#include <linux/uinput.h>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <array>

namespace quellarine::devicehelper {

namespace {

class UinputSink final : public FrameSink {
public:
    UinputSink(libevdev_uinput* device, int descriptor)
        : device_(device)
        , descriptor_(descriptor)
    {
        std::array<char, 64> name{};
        if (ioctl(descriptor_, UI_GET_SYSNAME(name.size()), name.data()) >= 0) {
            sysName_ = name.data();
        }
    }
    ~UinputSink() override
    {
        libevdev_uinput_destroy(device_);
        close(descriptor_);
    }
    UinputSink(const UinputSink&) = delete;
    UinputSink& operator=(const UinputSink&) = delete;

    void write(const input_event* events, std::size_t count) override
    {
        // uinput takes a whole frame in one write; a full queue in the kernel drops it as a device would.
        [[maybe_unused]] ssize_t written = ::write(descriptor_, events, count * sizeof(input_event));
    }
    std::string sysName() const override { return sysName_; }

private:
    libevdev_uinput* device_;
    int descriptor_;
    std::string sysName_;
};

} // namespace

std::unique_ptr<FrameSink> UinputDeviceMaker::make(const Capabilities& capabilities)
{
    const int descriptor = open("/dev/uinput", O_RDWR | O_CLOEXEC);
    if (descriptor < 0) {
        return nullptr;
    }
    libevdev* description = libevdev_new();
    libevdev_set_name(description, capabilities.name.c_str());
    libevdev_set_id_bustype(description, capabilities.bus);
    libevdev_set_id_vendor(description, capabilities.vendor);
    libevdev_set_id_product(description, capabilities.product);
    libevdev_set_id_version(description, capabilities.version);
    for (unsigned property = 0; property < INPUT_PROP_CNT; ++property) {
        if (capabilities.properties.test(property)) {
            libevdev_enable_property(description, property);
        }
    }
    for (unsigned code = 0; code < REL_CNT; ++code) {
        if (capabilities.relative.test(code)) {
            libevdev_enable_event_code(description, EV_REL, code, nullptr);
        }
    }
    for (unsigned code = 0; code < ABS_CNT; ++code) {
        if (capabilities.absolute.test(code)) {
            libevdev_enable_event_code(description, EV_ABS, code, &capabilities.ranges[code]);
        }
    }
    for (unsigned code = 0; code < KEY_CNT; ++code) {
        // Checked once more where the device is made: no KEY_* code ever reaches the kernel.
        if (capabilities.buttons.test(code) && isPointingButton(code)) {
            libevdev_enable_event_code(description, EV_KEY, code, nullptr);
        }
    }
    if (capabilities.timestamps) {
        libevdev_enable_event_code(description, EV_MSC, MSC_TIMESTAMP, nullptr);
    }
    libevdev_uinput* device = nullptr;
    const int created = libevdev_uinput_create_from_device(description, descriptor, &device);
    libevdev_free(description);
    if (created != 0) {
        close(descriptor);
        return nullptr;
    }
    return std::make_unique<UinputSink>(device, descriptor);
}

std::optional<Capabilities> UinputDeviceMaker::readTwin(int descriptor)
{
    struct stat status {};
    if (fstat(descriptor, &status) != 0 || !S_ISCHR(status.st_mode) || major(status.st_rdev) != INPUT_MAJOR) {
        return std::nullopt;
    }
    libevdev* device = nullptr;
    if (libevdev_new_from_fd(descriptor, &device) != 0) {
        return std::nullopt;
    }
    std::optional<Capabilities> twin = Capabilities::twinOf(device);
    libevdev_free(device);
    return twin;
}

} // namespace quellarine::devicehelper
