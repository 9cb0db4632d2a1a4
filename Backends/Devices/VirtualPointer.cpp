#include "Backends/Devices/VirtualPointer.h"

#include <libevdev/libevdev-uinput.h>
#include <libevdev/libevdev.h>
#include <linux/input.h>
#include <linux/uinput.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <array>
#include <cstring>

namespace quellarine::devices {

namespace {

constexpr std::uint16_t firstButton = BTN_LEFT;
constexpr std::uint16_t lastButton = BTN_TASK;

input_event make(std::uint16_t type, std::uint16_t code, std::int32_t value)
{
    input_event event{};
    event.type = type;
    event.code = code;
    event.value = value;
    return event;
}

} // namespace

VirtualPointer::VirtualPointer(const char* uinputPath)
{
    open(uinputPath);
}

bool VirtualPointer::open(const char* uinputPath)
{
    if (uinput_ != nullptr) {
        return true;
    }
    fd_ = ::open(uinputPath, O_RDWR | O_CLOEXEC);
    if (fd_ < 0) {
        return false;
    }
    libevdev* description = libevdev_new();
    libevdev_set_name(description, deviceName);
    libevdev_set_id_bustype(description, BUS_VIRTUAL);
    libevdev_enable_property(description, INPUT_PROP_POINTER);
    libevdev_enable_event_type(description, EV_REL);
    for (unsigned code : {REL_X, REL_Y, REL_WHEEL, REL_HWHEEL, REL_WHEEL_HI_RES, REL_HWHEEL_HI_RES}) {
        libevdev_enable_event_code(description, EV_REL, code, nullptr);
    }
    libevdev_enable_event_type(description, EV_KEY);
    for (unsigned code = firstButton; code <= lastButton; ++code) {
        libevdev_enable_event_code(description, EV_KEY, code, nullptr);
    }
    const int created = libevdev_uinput_create_from_device(description, fd_, &uinput_);
    libevdev_free(description);
    if (created != 0) {
        uinput_ = nullptr;
        close(fd_);
        fd_ = -1;
        return false;
    }
    std::array<char, 64> name{};
    if (ioctl(fd_, UI_GET_SYSNAME(name.size()), name.data()) >= 0) {
        sysName_ = name.data();
    }
    open_.store(true);
    return true;
}

VirtualPointer::~VirtualPointer()
{
    if (uinput_ == nullptr) {
        return;
    }
    releaseHeldButtons();
    libevdev_uinput_destroy(uinput_);
    close(fd_);
}

std::string VirtualPointer::eventNode() const
{
    if (sysName_.empty()) {
        return {};
    }
    const std::string folder = "/sys/devices/virtual/input/" + sysName_;
    DIR* directory = opendir(folder.c_str());
    if (directory == nullptr) {
        return {};
    }
    std::string node;
    while (dirent* entry = readdir(directory)) {
        if (std::strncmp(entry->d_name, "event", 5) == 0) {
            node = std::string("/dev/input/") + entry->d_name;
            break;
        }
    }
    closedir(directory);
    return node;
}

void VirtualPointer::write(const void* events, std::size_t count)
{
    std::lock_guard lock(writing_);
    // uinput takes a whole frame in one write; a full queue in the kernel drops it as a device would.
    [[maybe_unused]] ssize_t written = ::write(fd_, events, count * sizeof(input_event));
}

void VirtualPointer::move(std::int32_t dx, std::int32_t dy)
{
    if (uinput_ == nullptr || (dx == 0 && dy == 0)) {
        return;
    }
    std::array<input_event, 3> frame{};
    std::size_t count = 0;
    if (dx != 0) {
        frame[count++] = make(EV_REL, REL_X, dx);
    }
    if (dy != 0) {
        frame[count++] = make(EV_REL, REL_Y, dy);
    }
    frame[count++] = make(EV_SYN, SYN_REPORT, 0);
    write(frame.data(), count);
}

void VirtualPointer::button(std::uint16_t code, bool down)
{
    if (uinput_ == nullptr || code < firstButton || code > lastButton) {
        return;
    }
    const std::uint32_t bit = std::uint32_t{1} << (code - firstButton);
    if (down) {
        held_.fetch_or(bit);
    } else {
        held_.fetch_and(~bit);
    }
    const std::array<input_event, 2> frame{make(EV_KEY, code, down ? 1 : 0), make(EV_SYN, SYN_REPORT, 0)};
    write(frame.data(), frame.size());
}

void VirtualPointer::scroll(std::int32_t vertical120, std::int32_t horizontal120)
{
    if (uinput_ == nullptr || (vertical120 == 0 && horizontal120 == 0)) {
        return;
    }
    std::array<input_event, 5> frame{};
    std::size_t count = 0;
    if (vertical120 != 0) {
        verticalRest_ += vertical120;
        frame[count++] = make(EV_REL, REL_WHEEL_HI_RES, vertical120);
        if (const std::int32_t notches = verticalRest_ / 120) {
            frame[count++] = make(EV_REL, REL_WHEEL, notches);
            verticalRest_ -= notches * 120;
        }
    }
    if (horizontal120 != 0) {
        horizontalRest_ += horizontal120;
        frame[count++] = make(EV_REL, REL_HWHEEL_HI_RES, horizontal120);
        if (const std::int32_t notches = horizontalRest_ / 120) {
            frame[count++] = make(EV_REL, REL_HWHEEL, notches);
            horizontalRest_ -= notches * 120;
        }
    }
    frame[count++] = make(EV_SYN, SYN_REPORT, 0);
    write(frame.data(), count);
}

void VirtualPointer::releaseHeldButtons()
{
    if (uinput_ == nullptr) {
        return;
    }
    std::uint32_t held = held_.exchange(0);
    for (std::uint16_t code = firstButton; held != 0; ++code, held >>= 1) {
        if (held & 1u) {
            const std::array<input_event, 2> frame{make(EV_KEY, code, 0), make(EV_SYN, SYN_REPORT, 0)};
            write(frame.data(), frame.size());
        }
    }
}

} // namespace quellarine::devices
