#pragma once

#include "DeviceHelper/InputEvent.h"

#include <linux/input.h>
#include <linux/uinput.h>

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace quellarine::devices::testing {

// The event node of the input device with this kernel name, once the kernel has made it and this process may read
// it; empty after `timeout` seconds.
inline std::string eventNodeOf(const std::string& sysName, double timeout = 5)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeout);
    const std::string folder = "/sys/devices/virtual/input/" + sysName;
    do {
        if (DIR* directory = opendir(folder.c_str())) {
            std::string node;
            while (dirent* entry = readdir(directory)) {
                if (std::strncmp(entry->d_name, "event", 5) == 0) {
                    node = std::string("/dev/input/") + entry->d_name;
                }
            }
            closedir(directory);
            if (!node.empty() && access(node.c_str(), R_OK) == 0) {
                return node;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    } while (std::chrono::steady_clock::now() < deadline);
    return {};
}

// The event node of the device with this name that is not `other`: the twin our backend made of `other`, once it
// has; empty after `timeout` seconds.
inline std::string twinNodeOf(const std::string& name, const std::string& other, double timeout = 5)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeout);
    do {
        if (DIR* directory = opendir("/sys/devices/virtual/input")) {
            std::string twin;
            while (dirent* entry = readdir(directory)) {
                const std::string sysName = entry->d_name;
                if (sysName.rfind("input", 0) != 0 || sysName == other) {
                    continue;
                }
                std::array<char, 256> found{};
                if (std::FILE* file = std::fopen(("/sys/devices/virtual/input/" + sysName + "/name").c_str(), "r")) {
                    if (std::fgets(found.data(), found.size(), file) != nullptr
                        && std::string(found.data()) == name + "\n") {
                        twin = sysName;
                    }
                    std::fclose(file);
                }
            }
            closedir(directory);
            if (!twin.empty()) {
                return eventNodeOf(twin, timeout);
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    } while (std::chrono::steady_clock::now() < deadline);
    return {};
}

// A device made through uinput, as the kernel sees any USB device of its kind. Destroying it unplugs it.
class UinputDevice {
public:
    ~UinputDevice() { unplug(); }
    UinputDevice(const UinputDevice&) = delete;
    UinputDevice& operator=(const UinputDevice&) = delete;

    // The kernel's name of the device ("input12").
    const std::string& sysName() const { return sysName_; }
    const std::string& name() const { return name_; }
    void unplug()
    {
        if (fd_ >= 0) {
            ioctl(fd_, UI_DEV_DESTROY);
            close(fd_);
            fd_ = -1;
        }
    }

protected:
    // `enable` declares what the device has, on the uinput descriptor, before it is made; `kind` names it in errors.
    template <typename Enable>
    UinputDevice(const char* name, std::uint16_t product, const char* kind, Enable enable)
    {
        fd_ = open("/dev/uinput", O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0) {
            throw std::runtime_error("cannot open /dev/uinput");
        }
        enable(fd_);
        uinput_setup setup{};
        setup.id.bustype = BUS_USB;
        setup.id.vendor = 0x1d6b;
        setup.id.product = product;
        std::strncpy(setup.name, name, sizeof setup.name - 1);
        if (ioctl(fd_, UI_DEV_SETUP, &setup) < 0 || ioctl(fd_, UI_DEV_CREATE) < 0) {
            close(fd_);
            throw std::runtime_error(std::string("cannot create the ") + kind);
        }
        std::array<char, 64> sysName{};
        ioctl(fd_, UI_GET_SYSNAME(sysName.size()), sysName.data());
        sysName_ = sysName.data();
        name_ = name;
    }

    static input_event event(std::uint16_t type, std::uint16_t code, std::int32_t value)
    {
        return devicehelper::inputEvent(type, code, value);
    }
    // Without allocating.
    void send(const input_event* frame, std::size_t count)
    {
        [[maybe_unused]] ssize_t written = write(fd_, frame, count * sizeof(input_event));
    }

private:
    int fd_ = -1;
    std::string sysName_;
    std::string name_;
};

// The user's hand: a mouse, with these buttons (and keys) and wheels.
class UinputHand : public UinputDevice {
public:
    explicit UinputHand(const char* name = "Quellarine test hand", std::uint16_t product = 0x0104,
                        std::vector<int> keys = {BTN_LEFT, BTN_RIGHT, BTN_MIDDLE},
                        std::vector<int> wheels = {REL_WHEEL})
        : UinputDevice(name, product, "hand",
                       [&keys, &wheels](int fd) {
                           ioctl(fd, UI_SET_EVBIT, EV_KEY);
                           for (int code : keys) {
                               ioctl(fd, UI_SET_KEYBIT, code);
                           }
                           ioctl(fd, UI_SET_EVBIT, EV_REL);
                           ioctl(fd, UI_SET_RELBIT, REL_X);
                           ioctl(fd, UI_SET_RELBIT, REL_Y);
                           for (int code : wheels) {
                               ioctl(fd, UI_SET_RELBIT, code);
                           }
                       })
        , node_(eventNodeOf(sysName()))
    {
    }

    const std::string& node() const { return node_; }
    // Without allocating: the latency benchmark counts what allocates while it plays.
    void move(int dx, int dy)
    {
        std::array<input_event, 3> frame{};
        std::size_t count = 0;
        if (dx != 0) {
            frame[count++] = event(EV_REL, REL_X, dx);
        }
        if (dy != 0) {
            frame[count++] = event(EV_REL, REL_Y, dy);
        }
        frame[count++] = event(EV_SYN, SYN_REPORT, 0);
        send(frame.data(), count);
    }
    void button(int code, bool down)
    {
        const std::array<input_event, 2> frame{event(EV_KEY, static_cast<std::uint16_t>(code), down ? 1 : 0),
                                               event(EV_SYN, SYN_REPORT, 0)};
        send(frame.data(), frame.size());
    }
    void wheel(int notches)
    {
        const std::array<input_event, 2> frame{event(EV_REL, REL_WHEEL, notches), event(EV_SYN, SYN_REPORT, 0)};
        send(frame.data(), frame.size());
    }
    // A wheel with high-resolution steps: `steps` 120ths of a notch, with the notches they complete.
    void fineWheel(int steps, int notches)
    {
        std::array<input_event, 3> frame{event(EV_REL, REL_WHEEL_HI_RES, steps), event(EV_REL, REL_WHEEL, notches),
                                         event(EV_SYN, SYN_REPORT, 0)};
        if (notches == 0) {
            frame[1] = frame[2];
        }
        send(frame.data(), notches == 0 ? 2 : 3);
    }

private:
    std::string node_;
};

// A keyboard, as any USB keyboard.
class UinputKeyboard : public UinputDevice {
public:
    explicit UinputKeyboard(const char* name = "Quellarine test keyboard")
        : UinputDevice(name, 0x0105, "keyboard", [](int fd) {
            ioctl(fd, UI_SET_EVBIT, EV_KEY);
            for (int code = KEY_ESC; code <= KEY_KPDOT; ++code) {
                ioctl(fd, UI_SET_KEYBIT, code);
            }
            for (int code : {KEY_RIGHTCTRL, KEY_RIGHTALT, KEY_LEFTMETA, KEY_RIGHTMETA, KEY_F11, KEY_F12}) {
                ioctl(fd, UI_SET_KEYBIT, code);
            }
        })
    {
    }

    // A key goes down (1), repeats (2) or comes up (0).
    void key(int code, int value)
    {
        const std::array<input_event, 2> frame{event(EV_KEY, static_cast<std::uint16_t>(code), value),
                                               event(EV_SYN, SYN_REPORT, 0)};
        send(frame.data(), frame.size());
    }
    void tap(int code)
    {
        key(code, 1);
        key(code, 0);
    }
    // Modifiers held, a key typed, the modifiers let go in the reverse order.
    void chord(std::initializer_list<int> modifiers, int code)
    {
        for (int modifier : modifiers) {
            key(modifier, 1);
        }
        tap(code);
        for (auto modifier = std::rbegin(modifiers); modifier != std::rend(modifiers); ++modifier) {
            key(*modifier, 0);
        }
    }
};

// A clickpad of five slots, 40 units to the millimetre.
class UinputTouchpad : public UinputDevice {
public:
    explicit UinputTouchpad(const char* name = "Quellarine test touchpad")
        : UinputDevice(
            name, 0x0301, "touchpad",
            [](int fd) {
                ioctl(fd, UI_SET_EVBIT, EV_KEY);
                for (int code : {BTN_LEFT, BTN_TOUCH, BTN_TOOL_FINGER, BTN_TOOL_DOUBLETAP, BTN_TOOL_TRIPLETAP}) {
                    ioctl(fd, UI_SET_KEYBIT, code);
                }
                ioctl(fd, UI_SET_EVBIT, EV_ABS);
                ioctl(fd, UI_SET_PROPBIT, INPUT_PROP_POINTER);
                ioctl(fd, UI_SET_PROPBIT, INPUT_PROP_BUTTONPAD);
                auto axis = [fd](int code, int maximum, int resolution) {
                    uinput_abs_setup setup{};
                    setup.code = static_cast<std::uint16_t>(code);
                    setup.absinfo.maximum = maximum;
                    setup.absinfo.resolution = resolution;
                    ioctl(fd, UI_ABS_SETUP, &setup);
                };
                axis(ABS_X, 4000, 40);
                axis(ABS_Y, 2500, 40);
                axis(ABS_MT_SLOT, slotCount - 1, 0);
                axis(ABS_MT_TRACKING_ID, 65535, 0);
                axis(ABS_MT_POSITION_X, 4000, 40);
                axis(ABS_MT_POSITION_Y, 2500, 40);
            })
        , node_(eventNodeOf(sysName()))
    {
    }

    const std::string& node() const { return node_; }
    // A finger comes down on, moves to, or (at x < 0) lifts from the slot; then the frame is reported.
    void finger(int slot, int x, int y)
    {
        std::array<input_event, 12> frame{};
        std::size_t count = 0;
        auto& touch = touches_.at(static_cast<std::size_t>(slot));
        frame[count++] = event(EV_ABS, ABS_MT_SLOT, slot);
        if (x < 0) {
            touch.down = false;
            frame[count++] = event(EV_ABS, ABS_MT_TRACKING_ID, -1);
        } else {
            if (!touch.down) {
                touch.down = true;
                frame[count++] = event(EV_ABS, ABS_MT_TRACKING_ID, nextId_++);
            }
            frame[count++] = event(EV_ABS, ABS_MT_POSITION_X, x);
            frame[count++] = event(EV_ABS, ABS_MT_POSITION_Y, y);
            if (slot == firstDown()) {
                frame[count++] = event(EV_ABS, ABS_X, x);
                frame[count++] = event(EV_ABS, ABS_Y, y);
            }
        }
        int fingers = 0;
        for (const auto& each : touches_) {
            fingers += each.down ? 1 : 0;
        }
        frame[count++] = event(EV_KEY, BTN_TOUCH, fingers > 0);
        frame[count++] = event(EV_KEY, BTN_TOOL_FINGER, fingers == 1);
        frame[count++] = event(EV_KEY, BTN_TOOL_DOUBLETAP, fingers == 2);
        frame[count++] = event(EV_SYN, SYN_REPORT, 0);
        send(frame.data(), count);
    }
    // The pad pressed down, or let up.
    void click(bool down)
    {
        const std::array<input_event, 2> frame{event(EV_KEY, BTN_LEFT, down ? 1 : 0), event(EV_SYN, SYN_REPORT, 0)};
        send(frame.data(), frame.size());
    }

private:
    static constexpr int slotCount = 5;
    struct Touch {
        bool down = false;
    };
    int firstDown() const
    {
        for (std::size_t slot = 0; slot < touches_.size(); ++slot) {
            if (touches_[slot].down) {
                return static_cast<int>(slot);
            }
        }
        return -1;
    }
    std::array<Touch, slotCount> touches_{};
    int nextId_ = 1;
    std::string node_;
};

// Whoever else reads a device: the compositor reading the hand, or reading our virtual device. Keeps what came in
// frames, with where the pointer would be after each (the sum of the motion) and the buttons' states.
class EvdevReader {
public:
    struct Frame {
        double time = 0; // seconds of the monotonic clock
        int x = 0;       // the motion summed from the start
        int y = 0;
        int fingerX = 0; // a touchpad's first slot's position
        int fingerY = 0;
    };
    struct Touch {
        int id = -1;
        int x = 0;
        int y = 0;
    };
    static constexpr int slots = 5;

    explicit EvdevReader(const std::string& node)
    {
        fd_ = open(node.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0) {
            throw std::runtime_error("cannot read " + node);
        }
        frames_.reserve(4096);
    }
    ~EvdevReader() { close(fd_); }
    EvdevReader(const EvdevReader&) = delete;
    EvdevReader& operator=(const EvdevReader&) = delete;

    int fileDescriptor() const { return fd_; }
    // Reads what waits.
    void collect()
    {
        input_event event{};
        ssize_t got = 0;
        while ((got = read(fd_, &event, sizeof event)) == static_cast<ssize_t>(sizeof event)) {
            ++events_;
            if (event.type == EV_REL && event.code == REL_X) {
                x_ += event.value;
            } else if (event.type == EV_REL && event.code == REL_Y) {
                y_ += event.value;
            } else if (event.type == EV_REL && event.code == REL_WHEEL) {
                wheel_ += event.value;
            } else if (event.type == EV_REL && event.code == REL_WHEEL_HI_RES) {
                fineWheel_ += event.value;
            } else if (event.type == EV_KEY && event.code < KEY_MAX) {
                keys_[event.code] = event.value != 0;
                ++keyEvents_;
            } else if (event.type == EV_ABS && event.code == ABS_MT_SLOT) {
                slot_ = event.value;
            } else if (event.type == EV_ABS && slot_ >= 0 && slot_ < slots) {
                Touch& touch = touches_[static_cast<std::size_t>(slot_)];
                touch.id = event.code == ABS_MT_TRACKING_ID ? event.value : touch.id;
                touch.x = event.code == ABS_MT_POSITION_X ? event.value : touch.x;
                touch.y = event.code == ABS_MT_POSITION_Y ? event.value : touch.y;
            }
            if (event.type == EV_SYN && event.code == SYN_REPORT) {
                frames_.push_back({double(event.input_event_sec) + double(event.input_event_usec) / 1e6, x_, y_,
                                   touches_[0].x, touches_[0].y});
            }
        }
        gone_ = gone_ || (got < 0 && errno == ENODEV);
    }
    // Collects for this long.
    void collectFor(double seconds)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        while (std::chrono::steady_clock::now() < deadline) {
            pollfd entry{fd_, POLLIN, 0};
            poll(&entry, 1, 10);
            collect();
        }
    }

    int events() const { return events_; }
    int keyEvents() const { return keyEvents_; }
    int x() const { return x_; }
    int y() const { return y_; }
    int wheel() const { return wheel_; }
    int fineWheel() const { return fineWheel_; }
    // The device went away.
    bool gone() const { return gone_; }
    bool isDown(int code) const { return keys_[static_cast<std::size_t>(code)]; }
    const Touch& touch(int slot) const { return touches_.at(static_cast<std::size_t>(slot)); }
    const std::vector<Frame>& frames() const { return frames_; }
    void clear()
    {
        collect();
        events_ = 0;
        keyEvents_ = 0;
        frames_.clear();
    }

private:
    int fd_ = -1;
    int events_ = 0;
    int keyEvents_ = 0;
    int x_ = 0;
    int y_ = 0;
    int wheel_ = 0;
    int fineWheel_ = 0;
    bool gone_ = false;
    std::array<bool, KEY_MAX> keys_{};
    int slot_ = 0;
    std::array<Touch, slots> touches_{};
    std::vector<Frame> frames_;
};

} // namespace quellarine::devices::testing
