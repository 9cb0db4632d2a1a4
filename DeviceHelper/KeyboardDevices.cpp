#include "DeviceHelper/KeyboardDevices.h"

#include "DeviceHelper/HeldModifiers.h"

#include <libudev.h>
#include <linux/input.h>

#include <fcntl.h>
#include <sys/epoll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <functional>
#include <string_view>

namespace quellarine::devicehelper {

namespace {

constexpr std::uint64_t hotplugTag = 0;

std::int64_t now()
{
    timespec time{};
    clock_gettime(CLOCK_MONOTONIC, &time);
    return std::int64_t{time.tv_sec} * 1'000'000 + time.tv_nsec / 1000;
}

// With the effective rights: the helper reads the keyboards by its group, not by its user's.
bool mayRead(const char* node)
{
    return node != nullptr && faccessat(AT_FDCWD, node, R_OK, AT_EACCESS) == 0;
}

bool isKeyboard(udev_device* device)
{
    const char* name = udev_device_get_sysname(device);
    const char* keyboard = udev_device_get_property_value(device, "ID_INPUT_KEYBOARD");
    return name != nullptr && std::strncmp(name, "event", 5) == 0 && udev_device_get_devnode(device) != nullptr
        && keyboard != nullptr && std::string_view(keyboard) == "1";
}

// Calls `found` with each keyboard udev knows of.
void forEachKeyboard(udev* context, const std::function<void(udev_device*)>& found)
{
    udev_enumerate* enumeration = udev_enumerate_new(context);
    udev_enumerate_add_match_subsystem(enumeration, "input");
    udev_enumerate_add_match_property(enumeration, "ID_INPUT_KEYBOARD", "1");
    udev_enumerate_scan_devices(enumeration);
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumeration))
    {
        if (udev_device* device = udev_device_new_from_syspath(context, udev_list_entry_get_name(entry))) {
            if (isKeyboard(device)) {
                found(device);
            }
            udev_device_unref(device);
        }
    }
    udev_enumerate_unref(enumeration);
}

} // namespace

KeyboardDevices::KeyboardDevices(Listener& listener)
    : listener_(listener)
    , epollFd_(epoll_create1(EPOLL_CLOEXEC))
{
    udev_ = udev_new();
    if (udev_ == nullptr || epollFd_ < 0) {
        return;
    }
    monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
    if (monitor_ != nullptr) {
        udev_monitor_filter_add_match_subsystem_devtype(monitor_, "input", nullptr);
        udev_monitor_enable_receiving(monitor_);
        epoll_event readable{};
        readable.events = EPOLLIN;
        readable.data.u64 = hotplugTag;
        epoll_ctl(epollFd_, EPOLL_CTL_ADD, udev_monitor_get_fd(monitor_), &readable);
    }
}

KeyboardDevices::~KeyboardDevices()
{
    for (auto& [keyboard, device] : keyboards_) {
        ::close(device.fd);
    }
    if (monitor_ != nullptr) {
        udev_monitor_unref(monitor_);
    }
    if (udev_ != nullptr) {
        udev_unref(udev_);
    }
    if (epollFd_ >= 0) {
        ::close(epollFd_);
    }
}

void KeyboardDevices::enumerate()
{
    forEachKeyboard(udev_, [this](udev_device* device) { open(device); });
}

void KeyboardDevices::open(udev_device* device)
{
    const std::string node = udev_device_get_devnode(device);
    for (const auto& [keyboard, known] : keyboards_) {
        if (known.node == node) {
            return;
        }
    }
    // Read only: nothing is ever written to a keyboard, and it is never taken from anyone.
    const int fd = ::open(node.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    int clock = CLOCK_MONOTONIC;
    ioctl(fd, EVIOCSCLOCKID, &clock);
    const int keyboard = next_++;
    epoll_event readable{};
    readable.events = EPOLLIN;
    readable.data.u64 = static_cast<std::uint64_t>(keyboard);
    if (epoll_ctl(epollFd_, EPOLL_CTL_ADD, fd, &readable) != 0) {
        ::close(fd);
        return;
    }
    keyboards_[keyboard] = Keyboard{node, fd, false};
    resynchronise(keyboard, now());
}

void KeyboardDevices::close(int keyboard)
{
    auto found = keyboards_.find(keyboard);
    if (found == keyboards_.end()) {
        return;
    }
    epoll_ctl(epollFd_, EPOLL_CTL_DEL, found->second.fd, nullptr);
    ::close(found->second.fd);
    keyboards_.erase(found);
    pending_.push_back({.time = now(), .keyboard = keyboard, .kind = Change::Kind::removed});
}

void KeyboardDevices::resynchronise(int keyboard, std::int64_t time)
{
    std::array<unsigned char, KEY_MAX / 8 + 1> keys{};
    if (ioctl(keyboards_[keyboard].fd, EVIOCGKEY(keys.size()), keys.data()) < 0) {
        return;
    }
    std::uint8_t held = 0;
    for (std::uint16_t code = 0; code < KEY_MAX; ++code) {
        const std::uint8_t bit = HeldModifiers::modifierBit(code);
        if (bit != 0 && (keys[code / 8] & (1 << (code % 8))) != 0) {
            held |= bit;
        }
    }
    pending_.push_back({.time = time, .keyboard = keyboard, .kind = Change::Kind::modifiers, .held = held});
}

void KeyboardDevices::read(int keyboard)
{
    std::array<input_event, 64> events{};
    while (keyboards_.contains(keyboard)) {
        Keyboard& device = keyboards_[keyboard];
        const ssize_t got = ::read(device.fd, events.data(), sizeof events);
        if (got < 0 && (errno == EAGAIN || errno == EINTR)) {
            return;
        }
        if (got <= 0) {
            close(keyboard); // unplugged (ENODEV) or unreadable
            return;
        }
        const auto count = static_cast<std::size_t>(got) / sizeof(input_event);
        for (std::size_t i = 0; i < count && keyboards_.contains(keyboard); ++i) {
            const input_event& event = events[i];
            const std::int64_t time = std::int64_t{event.input_event_sec} * 1'000'000 + event.input_event_usec;
            Keyboard& current = keyboards_[keyboard];
            if (event.type == EV_SYN && event.code == SYN_DROPPED) {
                current.dropped = true;
            } else if (event.type == EV_SYN && event.code == SYN_REPORT && current.dropped) {
                current.dropped = false;
                resynchronise(keyboard, time);
            } else if (event.type == EV_KEY && !current.dropped && listener_.wants(event.code)) {
                pending_.push_back({.time = time,
                                    .keyboard = keyboard,
                                    .kind = Change::Kind::key,
                                    .code = event.code,
                                    .value = event.value});
            }
        }
    }
}

void KeyboardDevices::hotplug()
{
    while (udev_device* changed = udev_monitor_receive_device(monitor_)) {
        const char* action = udev_device_get_action(changed);
        const std::string_view what = action != nullptr ? action : "";
        const char* node = udev_device_get_devnode(changed);
        // A change may be the access given, or taken back: the keyboard is read exactly while it may be.
        const bool allowed = mayRead(node);
        if ((what == "add" || what == "change") && isKeyboard(changed) && allowed && reading_) {
            open(changed);
        } else if ((what == "remove" || (what == "change" && !allowed)) && node != nullptr) {
            for (const auto& [keyboard, known] : keyboards_) {
                if (known.node == node) {
                    close(keyboard);
                    break;
                }
            }
        }
        udev_device_unref(changed);
    }
}

void KeyboardDevices::setReading(bool reading)
{
    reading_ = reading;
    if (reading) {
        enumerate();
    } else {
        while (!keyboards_.empty()) {
            close(keyboards_.begin()->first);
        }
    }
    deliver();
}

void KeyboardDevices::deliver()
{
    // A Ctrl held on one keyboard and a key typed on another: in time order, whichever keyboard was read first.
    std::stable_sort(pending_.begin(), pending_.end(),
                     [](const Change& a, const Change& b) { return a.time < b.time; });
    std::vector<Change> changes;
    changes.swap(pending_);
    for (const Change& change : changes) {
        switch (change.kind) {
        case Change::Kind::key:
            listener_.key(change.keyboard, change.code, change.value, change.time);
            break;
        case Change::Kind::modifiers:
            listener_.modifiersAre(change.keyboard, change.held, change.time);
            break;
        case Change::Kind::removed:
            listener_.removed(change.keyboard, change.time);
            break;
        }
    }
}

void KeyboardDevices::processPending()
{
    if (epollFd_ < 0) {
        return;
    }
    std::array<epoll_event, 16> ready{};
    while (true) {
        const int count = epoll_wait(epollFd_, ready.data(), static_cast<int>(ready.size()), 0);
        if (count <= 0) {
            deliver();
            return;
        }
        for (int i = 0; i < count; ++i) {
            if (ready[static_cast<std::size_t>(i)].data.u64 == hotplugTag) {
                hotplug();
            } else {
                read(static_cast<int>(ready[static_cast<std::size_t>(i)].data.u64));
            }
        }
    }
}

} // namespace quellarine::devicehelper
