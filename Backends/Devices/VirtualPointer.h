#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

struct libevdev_uinput;

namespace quellarine::devices {

// The one device this backend writes: a relative pointer made through uinput, with motion, the buttons of a mouse
// and wheels with high-resolution steps. The compositor (or X server) takes it as it takes any mouse, applies the
// user's pointer speed to it and moves the pointer for every application.
//
// Each call writes one frame in one system call. Writes may come from the main loop and from the thread that
// gives the devices back (releaseHeldButtons); a lock keeps their frames whole.
class VirtualPointer {
public:
    static constexpr const char* deviceName = "Quellarine steadied pointer";

    // Creates the device through this uinput node; isOpen() tells whether that worked.
    explicit VirtualPointer(const char* uinputPath = "/dev/uinput");
    // Releases what it holds down, then removes the device.
    ~VirtualPointer();
    VirtualPointer(const VirtualPointer&) = delete;
    VirtualPointer& operator=(const VirtualPointer&) = delete;

    // Creates the device when it does not exist yet (the user may have been given the access meanwhile); true when
    // it exists. Not while another thread writes.
    bool open(const char* uinputPath);
    // From any thread.
    bool isOpen() const { return open_.load(); }
    // The kernel's name of the device ("input12"), as uinput reports it: what tells our own device among the
    // input devices, whatever others call theirs.
    const std::string& sysName() const { return sysName_; }
    // Its event node ("/dev/input/event5"), once the kernel has made it; empty otherwise.
    std::string eventNode() const;

    // Whole steps of motion; nothing is written for none.
    void move(std::int32_t dx, std::int32_t dy);
    // A button by its evdev code (BTN_LEFT ... BTN_TASK); a code outside those is ignored.
    void button(std::uint16_t code, bool down);
    // Wheel motion in 120ths of a notch (positive: away from the user, and to the right), written as the
    // high-resolution steps with the whole notches they complete.
    void scroll(std::int32_t vertical120, std::int32_t horizontal120);
    // Lets go of every button held down on the device (from any thread).
    void releaseHeldButtons();

private:
    void write(const void* events, std::size_t count);

    libevdev_uinput* uinput_ = nullptr;
    int fd_ = -1;
    std::string sysName_;
    std::atomic<bool> open_{false};
    std::mutex writing_;
    std::atomic<std::uint32_t> held_{0};
    std::int32_t verticalRest_ = 0; // high-resolution steps short of a whole notch
    std::int32_t horizontalRest_ = 0;
};

} // namespace quellarine::devices
