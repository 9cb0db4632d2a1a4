#pragma once

#include <linux/input.h>
#include <linux/uinput.h>

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <array>
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
    while (std::chrono::steady_clock::now() < deadline) {
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
    }
    return {};
}

// The user's hand: a mouse made through uinput, as the kernel sees any USB mouse. Destroying it unplugs it.
class UinputHand {
public:
    explicit UinputHand(const char* name = "Quellarine test hand")
    {
        fd_ = open("/dev/uinput", O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0) {
            throw std::runtime_error("cannot open /dev/uinput");
        }
        ioctl(fd_, UI_SET_EVBIT, EV_KEY);
        for (int code : {BTN_LEFT, BTN_RIGHT, BTN_MIDDLE}) {
            ioctl(fd_, UI_SET_KEYBIT, code);
        }
        ioctl(fd_, UI_SET_EVBIT, EV_REL);
        for (int code : {REL_X, REL_Y, REL_WHEEL}) {
            ioctl(fd_, UI_SET_RELBIT, code);
        }
        uinput_setup setup{};
        setup.id.bustype = BUS_USB;
        setup.id.vendor = 0x1d6b;
        setup.id.product = 0x0104;
        std::strncpy(setup.name, name, sizeof setup.name - 1);
        if (ioctl(fd_, UI_DEV_SETUP, &setup) < 0 || ioctl(fd_, UI_DEV_CREATE) < 0) {
            throw std::runtime_error("cannot create the hand");
        }
        std::array<char, 64> sysName{};
        ioctl(fd_, UI_GET_SYSNAME(sysName.size()), sysName.data());
        node_ = eventNodeOf(sysName.data());
    }
    ~UinputHand() { unplug(); }
    UinputHand(const UinputHand&) = delete;
    UinputHand& operator=(const UinputHand&) = delete;

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
    void unplug()
    {
        if (fd_ >= 0) {
            ioctl(fd_, UI_DEV_DESTROY);
            close(fd_);
            fd_ = -1;
        }
    }

private:
    static input_event event(std::uint16_t type, std::uint16_t code, std::int32_t value)
    {
        input_event made{};
        made.type = type;
        made.code = code;
        made.value = value;
        return made;
    }
    void send(const input_event* frame, std::size_t count)
    {
        [[maybe_unused]] ssize_t written = write(fd_, frame, count * sizeof(input_event));
    }

    int fd_ = -1;
    std::string node_;
};

// A keyboard made through uinput, as the kernel sees any USB keyboard. Destroying it unplugs it.
class UinputKeyboard {
public:
    explicit UinputKeyboard(const char* name = "Quellarine test keyboard")
    {
        fd_ = open("/dev/uinput", O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0) {
            throw std::runtime_error("cannot open /dev/uinput");
        }
        ioctl(fd_, UI_SET_EVBIT, EV_KEY);
        for (int code = KEY_ESC; code <= KEY_KPDOT; ++code) {
            ioctl(fd_, UI_SET_KEYBIT, code);
        }
        for (int code : {KEY_RIGHTCTRL, KEY_RIGHTALT, KEY_LEFTMETA, KEY_RIGHTMETA, KEY_F11, KEY_F12}) {
            ioctl(fd_, UI_SET_KEYBIT, code);
        }
        uinput_setup setup{};
        setup.id.bustype = BUS_USB;
        setup.id.vendor = 0x1d6b;
        setup.id.product = 0x0105;
        std::strncpy(setup.name, name, sizeof setup.name - 1);
        if (ioctl(fd_, UI_DEV_SETUP, &setup) < 0 || ioctl(fd_, UI_DEV_CREATE) < 0) {
            throw std::runtime_error("cannot create the keyboard");
        }
        std::array<char, 64> sysName{};
        ioctl(fd_, UI_GET_SYSNAME(sysName.size()), sysName.data());
        sysName_ = sysName.data();
    }
    ~UinputKeyboard() { unplug(); }
    UinputKeyboard(const UinputKeyboard&) = delete;
    UinputKeyboard& operator=(const UinputKeyboard&) = delete;

    const std::string& sysName() const { return sysName_; }
    // A key goes down (1), repeats (2) or comes up (0).
    void key(int code, int value)
    {
        const std::array<input_event, 2> frame{event(EV_KEY, static_cast<std::uint16_t>(code), value),
                                               event(EV_SYN, SYN_REPORT, 0)};
        [[maybe_unused]] ssize_t written = write(fd_, frame.data(), sizeof frame);
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
    void unplug()
    {
        if (fd_ >= 0) {
            ioctl(fd_, UI_DEV_DESTROY);
            close(fd_);
            fd_ = -1;
        }
    }

private:
    static input_event event(std::uint16_t type, std::uint16_t code, std::int32_t value)
    {
        input_event made{};
        made.type = type;
        made.code = code;
        made.value = value;
        return made;
    }

    int fd_ = -1;
    std::string sysName_;
};

// Whoever else reads a device: the compositor reading the hand, or reading our virtual device. Keeps what came in
// frames, with where the pointer would be after each (the sum of the motion) and the buttons' states.
class EvdevReader {
public:
    struct Frame {
        double time = 0; // seconds of the monotonic clock
        int x = 0;       // the motion summed from the start
        int y = 0;
    };

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
        while (read(fd_, &event, sizeof event) == static_cast<ssize_t>(sizeof event)) {
            ++events_;
            if (event.type == EV_REL && event.code == REL_X) {
                x_ += event.value;
            } else if (event.type == EV_REL && event.code == REL_Y) {
                y_ += event.value;
            } else if (event.type == EV_REL && event.code == REL_WHEEL) {
                wheel_ += event.value;
            } else if (event.type == EV_KEY && event.code < KEY_MAX) {
                keys_[event.code] = event.value != 0;
                ++keyEvents_;
            } else if (event.type == EV_SYN && event.code == SYN_REPORT) {
                frames_.push_back({double(event.input_event_sec) + double(event.input_event_usec) / 1e6, x_, y_});
            }
        }
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
    bool isDown(int code) const { return keys_[static_cast<std::size_t>(code)]; }
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
    std::array<bool, KEY_MAX> keys_{};
    std::vector<Frame> frames_;
};

} // namespace quellarine::devices::testing
