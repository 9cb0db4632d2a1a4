#include "Backends/Devices/PointingDevices.h"

#include <libevdev/libevdev.h>
#include <libinput.h>
#include <libudev.h>
#include <linux/input.h>

#include <fcntl.h>
#include <sys/epoll.h>
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
    std::unique_ptr<TouchpadTwin> touchpad;      // a touchpad, read by its frames rather than through libinput
    libevdev* evdev = nullptr;                   // its reader
    bool syncing = false;                        // reading what the kernel dropped
    bool drained = false;                        // nothing more to read this round
    bool untwinned = false;                      // the helper refused its twin: left to the compositor
    std::uint64_t toldSince = 0;                 // the grab its twin was last told in
    std::bitset<TouchpadTwin::maxClicks> clicks; // its buttons down, BTN_LEFT ... BTN_TASK
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

// From a mouse's counts to points (counts of a 1000 dpi mouse), as libinput's own acceleration normalises them.
double scaleFor(udev_device* device)
{
    const double dpi = mouseDpi(device);
    return dpi > 0 ? 1000.0 / dpi : 1;
}

// Whether a button of the device is down now, or a finger on it.
bool buttonDown(int fd)
{
    std::array<unsigned char, KEY_MAX / 8 + 1> keys{};
    if (ioctl(fd, EVIOCGKEY(keys.size()), keys.data()) < 0) {
        return false;
    }
    auto down = [&keys](int code) { return (keys[static_cast<std::size_t>(code / 8)] & (1 << (code % 8))) != 0; };
    for (int code = BTN_LEFT; code <= BTN_TASK; ++code) {
        if (down(code)) {
            return true;
        }
    }
    return down(BTN_TOUCH);
}

// What a touchpad's finger moves the pointer by on the desktop, for the same distance, as a share of what a mouse
// moves it by: libinput's own constant for every touchpad. The steadying is tuned in the pointer's points, so the
// finger's tremor is measured as the desktop will show it.
constexpr double touchpadShare = 0.2968;

// From a touchpad's units to points along one axis: its resolution brought to a 1000 dpi mouse's counts, as libinput
// normalises it, times the touchpad's share.
double pointsPerUnit(const libevdev* pad, unsigned multitouchCode, unsigned code)
{
    const input_absinfo* axis = libevdev_get_abs_info(pad, multitouchCode);
    if (axis == nullptr || axis->resolution <= 0) {
        axis = libevdev_get_abs_info(pad, code);
    }
    const double countsPerUnit = axis != nullptr && axis->resolution > 0 ? 1000.0 / (25.4 * axis->resolution) : 1;
    return countsPerUnit * touchpadShare;
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
    inputSet_ = epoll_create1(EPOLL_CLOEXEC);
    watchInput(libinput_get_fd(libinput_), true);
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
    for (const auto& device : devices_) {
        if (device->touchpad) {
            libevdev_free(device->evdev);
            close(device->fd.load());
        }
    }
    if (libinput_ != nullptr) {
        for (const auto& device : devices_) {
            if (device->device != nullptr) {
                libinput_device_unref(device->device);
            }
        }
        libinput_unref(libinput_);
    }
    if (inputSet_ >= 0) {
        close(inputSet_);
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
    return libinput_ != nullptr ? inputSet_ : -1;
}

void PointingDevices::watchInput(int fd, bool watched)
{
    if (inputSet_ < 0 || fd < 0) {
        return;
    }
    epoll_event readable{};
    readable.events = EPOLLIN;
    readable.data.fd = fd;
    epoll_ctl(inputSet_, watched ? EPOLL_CTL_ADD : EPOLL_CTL_DEL, fd, &readable);
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
    for (const auto& device : devices_) {
        if (device->node == node && !device->removed) {
            return;
        }
    }
    if (property(found, "ID_INPUT_TOUCHPAD")) {
        addTouchpad(node);
        return;
    }
    {
        std::lock_guard lock(mutex_);
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
    device.scale = scaleFor(found);
    if (wanted_) {
        std::lock_guard lock(mutex_);
        grab(device);
    }
    updateReadable();
}

void PointingDevices::addTouchpad(const std::string& node)
{
    const int fd = open(node.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    libevdev* pad = nullptr;
    if (fd < 0 || libevdev_new_from_fd(fd, &pad) != 0) {
        log("Cannot read the touchpad " + node + ": it is not steadied.");
        if (fd >= 0) {
            close(fd);
        }
        return;
    }
    // Without slots a pad's touches cannot be told apart, and its frames not told again.
    if (libevdev_has_event_code(pad, EV_ABS, ABS_MT_POSITION_X) && !libevdev_has_event_code(pad, EV_ABS, ABS_MT_SLOT)) {
        log("The touchpad " + node + " does not tell its fingers apart: it is not steadied.");
        libevdev_free(pad);
        close(fd);
        return;
    }
    // The times of its events on the clock of everything else.
    int clock = CLOCK_MONOTONIC;
    ioctl(fd, EVIOCSCLOCKID, &clock);
    TouchpadTwin::Axes axes;
    for (unsigned code = 0; code < ABS_CNT; ++code) {
        if (libevdev_has_event_code(pad, EV_ABS, code) == 1) {
            axes.absolute.set(code);
            axes.ranges[code] = *libevdev_get_abs_info(pad, code);
        }
    }
    for (unsigned code = BTN_LEFT; code < KEY_CNT; ++code) {
        axes.keys[code] = libevdev_has_event_code(pad, EV_KEY, code) == 1;
    }
    axes.timestamps = libevdev_has_event_code(pad, EV_MSC, MSC_TIMESTAMP) == 1;

    auto device = std::make_unique<Device>();
    Device* added = device.get();
    device->node = node;
    device->evdev = pad;
    device->touchpad
        = std::make_unique<TouchpadTwin>(std::move(axes), [this, added](const input_event* events, std::size_t count) {
              output_.writeFrame(added->output, events, count, added->touchpad->fingers() > 0);
          });
    device->touchpad->setScale(pointsPerUnit(pad, ABS_MT_POSITION_X, ABS_X),
                               pointsPerUnit(pad, ABS_MT_POSITION_Y, ABS_Y));
    // Where the pad is now, as a frame that is no one's.
    auto prime = [&device](std::uint16_t type, std::uint16_t code, int value) {
        device->touchpad->add(input_event{{}, type, code, value});
    };
    const int slots = libevdev_get_num_slots(pad);
    for (int slot = 0; slot < slots; ++slot) {
        prime(EV_ABS, ABS_MT_SLOT, slot);
        for (unsigned code = ABS_MT_TOUCH_MAJOR; code <= ABS_MT_TOOL_Y; ++code) {
            if (libevdev_has_event_code(pad, EV_ABS, code) == 1) {
                prime(EV_ABS, static_cast<std::uint16_t>(code), libevdev_get_slot_value(pad, slot, code));
            }
        }
    }
    if (slots > 0) {
        prime(EV_ABS, ABS_MT_SLOT, libevdev_get_current_slot(pad));
    }
    for (unsigned code = 0; code < ABS_MT_SLOT; ++code) {
        if (libevdev_has_event_code(pad, EV_ABS, code) == 1) {
            prime(EV_ABS, static_cast<std::uint16_t>(code), libevdev_get_event_value(pad, EV_ABS, code));
        }
    }
    for (unsigned code = BTN_LEFT; code < KEY_CNT; ++code) {
        if (libevdev_has_event_code(pad, EV_KEY, code) == 1) {
            prime(EV_KEY, static_cast<std::uint16_t>(code), libevdev_get_event_value(pad, EV_KEY, code));
        }
    }
    prime(EV_SYN, SYN_REPORT, 0);
    device->touchpad->forgetTwin();
    device->fd.store(fd);
    watchInput(fd, true);
    {
        std::lock_guard lock(mutex_);
        devices_.push_back(std::move(device));
        if (wanted_) {
            grab(*added);
        }
    }
    updateReadable();
}

void PointingDevices::forget(Device& device)
{
    endTwin(device);
    libinput_device* gone = device.device;
    if (device.touchpad) {
        watchInput(device.fd.load(), false);
    }
    std::unique_ptr<Device> forgotten;
    {
        std::lock_guard lock(mutex_);
        for (auto& entry : devices_) {
            if (entry.get() == &device) {
                forgotten = std::move(entry);
            }
        }
        std::erase(devices_, nullptr);
    }
    if (gone != nullptr) {
        libinput_device_unref(gone);
    }
    if (forgotten && forgotten->touchpad) {
        libevdev_free(forgotten->evdev);
        close(forgotten->fd.load()); // ends its grab
    }
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
    if (device.untwinned && device.twinGeneration == output_.generation()) {
        return false;
    }
    if (ioctl(fd, EVIOCGRAB, reinterpret_cast<void*>(1)) == 0) {
        device.grabbedSince.store(now());
        device.grabbed.store(true);
        device.busy = false;
        if (device.twin.empty() || device.twinGeneration != output_.generation()) {
            makeTwin(device);
        }
        if (device.touchpad && device.twin.empty()) {
            // Taken without a twin, it would lose its taps, its scrolling and its gestures.
            device.grabbed.store(false);
            ioctl(fd, EVIOCGRAB, nullptr);
            if (!device.untwinned) {
                log("The touchpad " + device.node + " could not be given a twin: it is not steadied.");
            }
            device.untwinned = true;
            return false;
        }
        device.untwinned = false;
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
    // Named ours before the kernel's news of it is read. Refused, a mouse goes to the steadied pointer.
    if (std::optional<VirtualPointer::Twin> twin = output_.makeTwin(device.fd.load(), device.scale)) {
        device.output = twin->output;
        device.twin = twin->sysName;
        ownDevices_.insert(device.twin);
        if (device.touchpad) {
            output_.setSteering(device.output, device.touchpad.get());
            device.touchpad->forgetTwin();
        }
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
    if (event != nullptr) {
        foundThisRound_ = true;
        handle(event);
        libinput_event_destroy(event);
        return true;
    }
    if (processTouchpadFrame()) {
        foundThisRound_ = true;
        return true;
    }
    if (retry_ && wanted_) {
        retryGrabs();
    }
    return false;
}

void PointingDevices::beginRound()
{
    readThisRound_ = false;
    foundThisRound_ = false;
    for (const auto& device : devices_) {
        device->drained = false;
    }
}

bool PointingDevices::countSeatButton(std::uint16_t code, bool down)
{
    if (code < BTN_LEFT || code > BTN_TASK) {
        return true;
    }
    std::uint8_t& holders = seatButtons_[code - BTN_LEFT];
    if (down) {
        return holders++ == 0;
    }
    if (holders == 0) {
        return false;
    }
    return --holders == 0;
}

bool PointingDevices::processTouchpadFrame()
{
    const std::size_t count = devices_.size();
    for (std::size_t step = 0; step < count; ++step) {
        Device& device = *devices_[(nextTouchpad_ + step) % count];
        if (!device.touchpad || device.drained) {
            continue;
        }
        while (true) {
            input_event event{};
            const int status = libevdev_next_event(
                device.evdev, device.syncing ? LIBEVDEV_READ_FLAG_SYNC : LIBEVDEV_READ_FLAG_NORMAL, &event);
            if (status == -EAGAIN) {
                // After dropped events, the state they missed comes first; then the pad's events again.
                if (device.syncing) {
                    device.syncing = false;
                    continue;
                }
                device.drained = true;
                break;
            }
            if (status == LIBEVDEV_READ_STATUS_SYNC && !device.syncing) {
                device.syncing = true; // this is the SYN_DROPPED
                continue;
            }
            if (status != LIBEVDEV_READ_STATUS_SUCCESS && status != LIBEVDEV_READ_STATUS_SYNC) {
                touchpadGone(device);
                return true;
            }
            if (std::optional<TouchpadTwin::Frame> frame = device.touchpad->add(event)) {
                nextTouchpad_ = (nextTouchpad_ + step + 1) % count;
                handleTouchFrame(device, *frame);
                return true;
            }
        }
    }
    return false;
}

void PointingDevices::handleTouchFrame(Device& device, const TouchpadTwin::Frame& frame)
{
    std::array<bool, TouchpadTwin::maxClicks> report{};
    for (std::size_t index = 0; index < frame.clickCount; ++index) {
        const TouchpadTwin::Click& click = frame.clicks[index];
        device.clicks[click.code - BTN_LEFT] = click.down;
        report[index] = countSeatButton(click.code, click.down);
    }
    // What happened while the pad was not ours went to the compositor.
    if (!device.grabbed.load() || frame.time < device.grabbedSince.load() || device.twin.empty()) {
        device.touchpad->forgetTwin();
        if (retry_) {
            std::lock_guard lock(mutex_);
            grab(device);
        }
        return;
    }
    if (device.twinGeneration != output_.generation()) {
        makeTwin(device); // the helper was started anew
    }
    if (device.toldSince != device.grabbedSince.load()) {
        // Given back since: the helper ended its touches.
        device.toldSince = device.grabbedSince.load();
        device.touchpad->forgetTwin();
    }
    if (frame.dx != 0 || frame.dy != 0) {
        listener_->motion(device.output, frame.time, frame.dx, frame.dy);
    }
    device.touchpad->writeFrame();
    for (std::size_t index = 0; index < frame.clickCount; ++index) {
        if (report[index]) {
            listener_->button(device.output, frame.time, frame.clicks[index].code, frame.clicks[index].down);
        }
    }
}

void PointingDevices::touchpadGone(Device& device)
{
    // Its buttons come up before it goes, as libinput lets a mouse's go.
    const bool ours = device.grabbed.load();
    for (std::uint16_t code = BTN_LEFT; code <= BTN_TASK; ++code) {
        if (device.clicks.test(code - BTN_LEFT) && countSeatButton(code, false) && ours) {
            listener_->button(device.output, now(), code, false);
        }
    }
    device.removed = true;
    forget(device);
    listener_->deviceRemoved();
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
        && type != LIBINPUT_EVENT_POINTER_SCROLL_WHEEL && type != LIBINPUT_EVENT_POINTER_SCROLL_CONTINUOUS) {
        return;
    }
    libinput_event_pointer* pointer = libinput_event_get_pointer_event(event);
    // Counted whoever it went to: the seat's buttons are the touchpads' too.
    const bool firstOrLast = type == LIBINPUT_EVENT_POINTER_BUTTON
        && countSeatButton(static_cast<std::uint16_t>(libinput_event_pointer_get_button(pointer)),
                           libinput_event_pointer_get_button_state(pointer) == LIBINPUT_BUTTON_STATE_PRESSED);
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
    case LIBINPUT_EVENT_POINTER_BUTTON:
        if (firstOrLast) {
            listener_->button(device->output, time,
                              static_cast<std::uint16_t>(libinput_event_pointer_get_button(pointer)),
                              libinput_event_pointer_get_button_state(pointer) == LIBINPUT_BUTTON_STATE_PRESSED);
        }
        break;
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
    case LIBINPUT_EVENT_POINTER_SCROLL_CONTINUOUS: {
        // Scrolling by a held button comes in the units of motion; X's libinput driver turns 15 of them into one
        // notch, and so do we.
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
        const std::int32_t vertical = take(LIBINPUT_POINTER_AXIS_SCROLL_VERTICAL, continuous120_);
        const std::int32_t horizontal = take(LIBINPUT_POINTER_AXIS_SCROLL_HORIZONTAL, continuousSide120_);
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
