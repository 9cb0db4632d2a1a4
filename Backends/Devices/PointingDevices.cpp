#include "Backends/Devices/PointingDevices.h"

#include <libinput.h>
#include <libudev.h>
#include <linux/input.h>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string_view>

namespace quellarine::devices {

struct PointingDevices::Device {
    std::string node; // /dev/input/eventN
    std::atomic<int> fd{-1};
    libinput_device* device = nullptr; // ours to unreference
    bool removed = false;              // libinput removed it: never remove it again
    std::atomic<bool> grabbed{false};
    std::atomic<std::uint64_t> grabbedSince{0};
    bool mouse = false; // a relative pointing device, which is given a twin
    VirtualPointer::Output output = VirtualPointer::steadiedPointer;
    std::string twin;                 // the twin's kernel name
    std::uint32_t twinGeneration = 0; // the helper's that made it (VirtualPointer::generation)
    bool busy = false;                // held by another program when we last tried
    bool busyLogged = false;
    double scale = 1; // device units to points
    double restX = 0; // motion short of a whole step
    double restY = 0;

    bool holds() const { return grabbed.load() && fd.load() >= 0; }
};

namespace {

std::uint64_t now()
{
    timespec time{};
    clock_gettime(CLOCK_MONOTONIC, &time);
    return static_cast<std::uint64_t>(time.tv_sec) * 1'000'000'000u + static_cast<std::uint64_t>(time.tv_nsec);
}

bool property(udev_device* device, const char* name)
{
    const char* value = udev_device_get_property_value(device, name);
    return value != nullptr && std::string_view(value) == "1";
}

// A pointing device's event node, as udev has classified it, that is not ours.
bool isPointing(udev_device* device, const std::set<std::string>& ownDevices)
{
    const char* name = udev_device_get_sysname(device);
    if (name == nullptr || std::strncmp(name, "event", 5) != 0 || udev_device_get_devnode(device) == nullptr) {
        return false;
    }
    const bool pointing = property(device, "ID_INPUT_MOUSE") || property(device, "ID_INPUT_TOUCHPAD")
        || property(device, "ID_INPUT_POINTINGSTICK");
    // A tablet or touch screen places the pointer where the pen or finger is: there is nothing to steady. A device
    // that is also a keyboard would lose its keys to the grab.
    const bool other = property(device, "ID_INPUT_TOUCHSCREEN") || property(device, "ID_INPUT_TABLET")
        || property(device, "ID_INPUT_JOYSTICK") || property(device, "ID_INPUT_KEYBOARD");
    if (!pointing || other) {
        return false;
    }
    udev_device* parent = udev_device_get_parent_with_subsystem_devtype(device, "input", nullptr);
    const char* parentName = parent != nullptr ? udev_device_get_sysname(parent) : nullptr;
    return parentName == nullptr || !ownDevices.contains(parentName);
}

// A mouse's resolution as the hardware database gives it ("400@125 *800@125 1600@125": the starred one is in
// use), or 0.
double mouseDpi(udev_device* device)
{
    const char* value = udev_device_get_property_value(device, "MOUSE_DPI");
    if (value == nullptr) {
        return 0;
    }
    const char* entry = std::strchr(value, '*');
    entry = entry != nullptr ? entry + 1 : value;
    const double dpi = std::strtod(entry, nullptr);
    return dpi > 0 && dpi < 100000 ? dpi : 0;
}

// From the device's units to points (counts of a 1000 dpi mouse), as libinput's own acceleration normalises them:
// a mouse by its resolution, a touchpad by the resolution of its horizontal axis.
double scaleFor(udev_device* device, int fd)
{
    if (property(device, "ID_INPUT_TOUCHPAD")) {
        input_absinfo axis{};
        if (fd >= 0 && ioctl(fd, EVIOCGABS(ABS_X), &axis) == 0 && axis.resolution > 0) {
            return 1000.0 / (25.4 * axis.resolution);
        }
        return 1;
    }
    const double dpi = mouseDpi(device);
    return dpi > 0 ? 1000.0 / dpi : 1;
}

// Whether a button of the device is down now.
bool buttonDown(int fd)
{
    std::array<unsigned char, KEY_MAX / 8 + 1> keys{};
    if (ioctl(fd, EVIOCGKEY(keys.size()), keys.data()) < 0) {
        return false;
    }
    for (int code = BTN_LEFT; code <= BTN_TASK; ++code) {
        if (keys[static_cast<std::size_t>(code / 8)] & (1 << (code % 8))) {
            return true;
        }
    }
    return false;
}

void logFromLibinput(libinput* context, libinput_log_priority /*priority*/, const char* format, va_list arguments)
{
    // It may speak while the pointer moves (a slow machine lags behind): nothing here allocates.
    std::array<char, 512> line{};
    constexpr std::string_view prefix = "libinput: ";
    std::copy(prefix.begin(), prefix.end(), line.begin());
    std::vsnprintf(line.data() + prefix.size(), line.size() - prefix.size(), format, arguments);
    std::string_view message(line.data());
    while (!message.empty() && message.back() == '\n') {
        message.remove_suffix(1);
    }
    static_cast<const PointingDevices*>(libinput_get_user_data(context))->log(message);
}

} // namespace

const libinput_interface PointingDevices::interface = {
    &PointingDevices::openRestricted,
    &PointingDevices::closeRestricted,
};

PointingDevices::PointingDevices(VirtualPointer& output, Log log)
    : output_(output)
    , log_(std::move(log))
{
    if (!output_.sysName().empty()) {
        ownDevices_.insert(output_.sysName());
    }
    udev_ = udev_new();
    if (udev_ == nullptr) {
        return;
    }
    libinput_ = libinput_path_create_context(&interface, this);
    if (libinput_ == nullptr) {
        return;
    }
    libinput_log_set_priority(libinput_, LIBINPUT_LOG_PRIORITY_ERROR);
    libinput_log_set_handler(libinput_, &logFromLibinput);
    libinput_set_user_data(libinput_, this);
    monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
    if (monitor_ != nullptr) {
        udev_monitor_filter_add_match_subsystem_devtype(monitor_, "input", nullptr);
        udev_monitor_enable_receiving(monitor_);
    }
    enumerate();
}

PointingDevices::~PointingDevices()
{
    releaseAll();
    for (const auto& device : devices_) {
        endTwin(*device);
    }
    if (libinput_ != nullptr) {
        for (const auto& device : devices_) {
            if (device->device != nullptr) {
                libinput_device_unref(device->device);
            }
        }
        libinput_unref(libinput_);
    }
    if (monitor_ != nullptr) {
        udev_monitor_unref(monitor_);
    }
    if (udev_ != nullptr) {
        udev_unref(udev_);
    }
}

int PointingDevices::inputDescriptor() const
{
    return libinput_ != nullptr ? libinput_get_fd(libinput_) : -1;
}

int PointingDevices::hotplugDescriptor() const
{
    return monitor_ != nullptr ? udev_monitor_get_fd(monitor_) : -1;
}

int PointingDevices::openRestricted(const char* path, int flags, void* self)
{
    auto* devices = static_cast<PointingDevices*>(self);
    const int fd = open(path, flags | O_CLOEXEC);
    if (fd < 0) {
        return -errno;
    }
    for (const auto& device : devices->devices_) {
        if (device->node == path && device->fd.load() < 0) {
            device->fd.store(fd);
            break;
        }
    }
    return fd;
}

void PointingDevices::closeRestricted(int fd, void* self)
{
    auto* devices = static_cast<PointingDevices*>(self);
    {
        std::lock_guard lock(devices->mutex_);
        // Closing ends the grab; what libinput still hands over of the device (the release of its buttons when it
        // goes away) was ours all the same.
        for (const auto& device : devices->devices_) {
            if (device->fd.load() == fd) {
                device->fd.store(-1);
            }
        }
    }
    close(fd); // ends its grab
}

void PointingDevices::enumerate()
{
    udev_enumerate* enumeration = udev_enumerate_new(udev_);
    udev_enumerate_add_match_subsystem(enumeration, "input");
    udev_enumerate_scan_devices(enumeration);
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumeration))
    {
        if (udev_device* device = udev_device_new_from_syspath(udev_, udev_list_entry_get_name(entry))) {
            add(device);
            udev_device_unref(device);
        }
    }
    udev_enumerate_unref(enumeration);
}

void PointingDevices::add(udev_device* found)
{
    if (!isPointing(found, ownDevices_)) {
        return;
    }
    const std::string node = udev_device_get_devnode(found);
    {
        std::lock_guard lock(mutex_);
        for (const auto& device : devices_) {
            if (device->node == node && !device->removed) {
                return;
            }
        }
        auto device = std::make_unique<Device>();
        device->node = node;
        devices_.push_back(std::move(device));
    }
    Device& device = *devices_.back();
    libinput_device* opened = libinput_path_add_device(libinput_, node.c_str());
    if (opened == nullptr) {
        log("Cannot read the pointing device " + node + ": it is not steadied.");
        std::lock_guard lock(mutex_);
        devices_.pop_back();
        return;
    }
    device.device = libinput_device_ref(opened);
    libinput_device_set_user_data(opened, &device);
    device.scale = scaleFor(found, device.fd.load());
    // Touchpads stay on the steadied pointer for now (see the class).
    device.mouse = !property(found, "ID_INPUT_TOUCHPAD");
    // Tapping is what most desktops switch on for a touchpad; the desktop's own setting does not reach a device
    // that only we read.
    if (libinput_device_config_tap_get_finger_count(opened) > 0) {
        libinput_device_config_tap_set_enabled(opened, LIBINPUT_CONFIG_TAP_ENABLED);
    }
    if (wanted_) {
        std::lock_guard lock(mutex_);
        grab(device);
    }
    updateReadable();
}

void PointingDevices::forget(Device& device)
{
    endTwin(device);
    libinput_device* gone = device.device;
    {
        std::lock_guard lock(mutex_);
        std::erase_if(devices_, [&device](const auto& entry) { return entry.get() == &device; });
    }
    libinput_device_unref(gone);
    updateReadable();
}

void PointingDevices::updateReadable()
{
    std::lock_guard lock(mutex_);
    readable_.store(
        std::any_of(devices_.begin(), devices_.end(), [](const auto& device) { return device->fd.load() >= 0; }));
}

bool PointingDevices::processHotplugOne()
{
    udev_device* changed = monitor_ != nullptr ? udev_monitor_receive_device(monitor_) : nullptr;
    if (changed == nullptr) {
        return false;
    }
    // A device that goes away tells libinput itself (its node reads as gone), which releases its buttons and
    // removes it: removing it again would be one removal too many.
    const char* action = udev_device_get_action(changed);
    if (action != nullptr && std::string_view(action) == "add") {
        add(changed);
    }
    udev_device_unref(changed);
    return true;
}

bool PointingDevices::grab(Device& device)
{
    const int fd = device.fd.load();
    if (device.holds() || fd < 0 || suspended_) {
        return device.holds();
    }
    if (buttonDown(fd)) {
        // The compositor has that press; it must see the release too.
        retry_ = true;
        return false;
    }
    if (ioctl(fd, EVIOCGRAB, reinterpret_cast<void*>(1)) == 0) {
        device.grabbedSince.store(now());
        device.grabbed.store(true);
        device.busy = false;
        if (device.mouse && (device.twin.empty() || device.twinGeneration != output_.generation())) {
            makeTwin(device);
        }
        return true;
    }
    device.busy = errno == EBUSY;
    if (device.busy && !device.busyLogged) {
        device.busyLogged = true;
        log("The pointing device " + device.node + " is held by another program: it is left alone.");
    }
    return false;
}

void PointingDevices::makeTwin(Device& device)
{
    // A twin of a helper that ended went with it; its number may be another's now.
    if (device.twinGeneration != output_.generation()) {
        ownDevices_.erase(device.twin);
        device.twin.clear();
        device.output = VirtualPointer::steadiedPointer;
    }
    device.twinGeneration = output_.generation();
    // Named ours before the kernel's news of it is read. Refused, the mouse goes to the steadied pointer.
    if (std::optional<VirtualPointer::Twin> twin = output_.makeTwin(device.fd.load(), device.scale)) {
        device.output = twin->output;
        device.twin = twin->sysName;
        ownDevices_.insert(device.twin);
    }
}

void PointingDevices::endTwin(Device& device)
{
    if (device.twin.empty()) {
        return;
    }
    if (device.twinGeneration == output_.generation()) {
        output_.endTwin(device.output);
    }
    ownDevices_.erase(device.twin);
    device.twin.clear();
    device.output = VirtualPointer::steadiedPointer;
}

bool PointingDevices::grabAll()
{
    std::lock_guard lock(mutex_);
    wanted_ = true;
    retry_ = false;
    bool any = false;
    for (const auto& device : devices_) {
        any = grab(*device) || any;
    }
    return any;
}

void PointingDevices::retryGrabs()
{
    std::lock_guard lock(mutex_);
    retry_ = false;
    for (const auto& device : devices_) {
        if (!device->busy) {
            grab(*device);
        }
    }
}

void PointingDevices::ungrabLocked()
{
    for (const auto& device : devices_) {
        const int fd = device->fd.load();
        if (device->grabbed.exchange(false) && fd >= 0) {
            ioctl(fd, EVIOCGRAB, nullptr);
        }
    }
}

void PointingDevices::releaseAll()
{
    std::lock_guard lock(mutex_);
    wanted_ = false;
    retry_ = false;
    ungrabLocked();
}

bool PointingDevices::holdsAny() const
{
    std::lock_guard lock(mutex_);
    return std::any_of(devices_.begin(), devices_.end(), [](const auto& device) { return device->holds(); });
}

bool PointingDevices::releaseFromWatchdog()
{
    std::lock_guard lock(mutex_);
    const bool held = std::any_of(devices_.begin(), devices_.end(), [](const auto& device) { return device->holds(); });
    ungrabLocked();
    if (held) {
        released_.store(true);
    }
    return held;
}

void PointingDevices::suspend()
{
    std::lock_guard lock(mutex_);
    suspended_ = true;
    ungrabLocked();
    released_.store(true);
}

bool PointingDevices::resume()
{
    std::lock_guard lock(mutex_);
    if (!suspended_) {
        return false;
    }
    suspended_ = false;
    released_.store(true);
    return true;
}

bool PointingDevices::processOne()
{
    if (libinput_ == nullptr || listener_ == nullptr) {
        return false;
    }
    libinput_event* event = libinput_get_event(libinput_);
    if (event == nullptr && !readThisRound_) {
        readThisRound_ = true;
        libinput_dispatch(libinput_);
        event = libinput_get_event(libinput_);
    }
    if (event == nullptr) {
        if (retry_ && wanted_) {
            retryGrabs();
        }
        return false;
    }
    foundThisRound_ = true;
    handle(event);
    libinput_event_destroy(event);
    return true;
}

void PointingDevices::handle(libinput_event* event)
{
    libinput_device* source = libinput_event_get_device(event);
    auto* device = static_cast<Device*>(libinput_device_get_user_data(source));
    const libinput_event_type type = libinput_event_get_type(event);
    if (device == nullptr) {
        return;
    }
    if (type == LIBINPUT_EVENT_DEVICE_REMOVED) {
        device->removed = true;
        forget(*device);
        listener_->deviceRemoved();
        return;
    }
    if (type != LIBINPUT_EVENT_POINTER_MOTION && type != LIBINPUT_EVENT_POINTER_BUTTON
        && type != LIBINPUT_EVENT_POINTER_SCROLL_WHEEL && type != LIBINPUT_EVENT_POINTER_SCROLL_FINGER
        && type != LIBINPUT_EVENT_POINTER_SCROLL_CONTINUOUS) {
        return;
    }
    libinput_event_pointer* pointer = libinput_event_get_pointer_event(event);
    // What happened while the device was not ours went to the compositor.
    const std::uint64_t time = libinput_event_pointer_get_time_usec(pointer) * 1000u;
    if (!device->grabbed.load() || time < device->grabbedSince.load()) {
        if (retry_) {
            std::lock_guard lock(mutex_);
            grab(*device);
        }
        return;
    }
    if (!device->twin.empty() && device->twinGeneration != output_.generation()) {
        // The helper was started anew since the twin was made.
        makeTwin(*device);
    }
    switch (type) {
    case LIBINPUT_EVENT_POINTER_MOTION:
        handleMotion(event, *device);
        break;
    case LIBINPUT_EVENT_POINTER_BUTTON: {
        const auto state = libinput_event_pointer_get_button_state(pointer);
        const std::uint32_t seatCount = libinput_event_pointer_get_seat_button_count(pointer);
        const bool down = state == LIBINPUT_BUTTON_STATE_PRESSED;
        if ((down && seatCount == 1) || (!down && seatCount == 0)) {
            listener_->button(device->output, time,
                              static_cast<std::uint16_t>(libinput_event_pointer_get_button(pointer)), down);
        }
        break;
    }
    case LIBINPUT_EVENT_POINTER_SCROLL_WHEEL: {
        auto v120 = [pointer](libinput_pointer_axis axis) {
            return libinput_event_pointer_has_axis(pointer, axis)
                ? static_cast<std::int32_t>(std::lround(libinput_event_pointer_get_scroll_value_v120(pointer, axis)))
                : 0;
        };
        // libinput counts downwards and to the right.
        listener_->scroll(device->output, -v120(LIBINPUT_POINTER_AXIS_SCROLL_VERTICAL),
                          v120(LIBINPUT_POINTER_AXIS_SCROLL_HORIZONTAL));
        break;
    }
    case LIBINPUT_EVENT_POINTER_SCROLL_FINGER:
    case LIBINPUT_EVENT_POINTER_SCROLL_CONTINUOUS: {
        // Scrolling by finger or by a held button comes in the units of motion; X's libinput driver turns 15 of them
        // into one notch, and so do we.
        constexpr double perUnit = 120.0 / 15.0;
        auto take = [pointer](libinput_pointer_axis axis, double& rest) {
            if (!libinput_event_pointer_has_axis(pointer, axis)) {
                return std::int32_t{0};
            }
            rest += libinput_event_pointer_get_scroll_value(pointer, axis) * perUnit;
            const double whole = std::trunc(rest);
            rest -= whole;
            return static_cast<std::int32_t>(std::clamp(whole, -1e6, 1e6));
        };
        const std::int32_t vertical = take(LIBINPUT_POINTER_AXIS_SCROLL_VERTICAL, finger120_);
        const std::int32_t horizontal = take(LIBINPUT_POINTER_AXIS_SCROLL_HORIZONTAL, fingerSide120_);
        listener_->scroll(device->output, -vertical, horizontal);
        break;
    }
    default:
        break;
    }
}

void PointingDevices::handleMotion(libinput_event* event, Device& device)
{
    libinput_event_pointer* pointer = libinput_event_get_pointer_event(event);
    device.restX += libinput_event_pointer_get_dx_unaccelerated(pointer) * device.scale;
    device.restY += libinput_event_pointer_get_dy_unaccelerated(pointer) * device.scale;
    const double dx = std::clamp(std::round(device.restX), -1e6, 1e6);
    const double dy = std::clamp(std::round(device.restY), -1e6, 1e6);
    device.restX -= dx;
    device.restY -= dy;
    if (dx != 0 || dy != 0) {
        listener_->motion(device.output, libinput_event_pointer_get_time_usec(pointer) * 1000u,
                          static_cast<std::int32_t>(dx), static_cast<std::int32_t>(dy));
    }
}

void PointingDevices::log(std::string_view message) const
{
    if (log_) {
        log_(message);
    }
}

bool PointingDevices::anyReadable()
{
    udev* context = udev_new();
    if (context == nullptr) {
        return false;
    }
    bool readable = false;
    udev_enumerate* enumeration = udev_enumerate_new(context);
    udev_enumerate_add_match_subsystem(enumeration, "input");
    udev_enumerate_scan_devices(enumeration);
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumeration))
    {
        udev_device* device = udev_device_new_from_syspath(context, udev_list_entry_get_name(entry));
        if (device != nullptr && !readable && isPointing(device, {})) {
            const int fd = open(udev_device_get_devnode(device), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
            readable = fd >= 0;
            if (fd >= 0) {
                close(fd);
            }
        }
        if (device != nullptr) {
            udev_device_unref(device);
        }
    }
    udev_enumerate_unref(enumeration);
    udev_unref(context);
    return readable;
}

} // namespace quellarine::devices
