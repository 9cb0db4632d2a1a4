#pragma once

#include "Backends/Devices/HelperProcess.h"

#include <sys/types.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

struct input_event;

namespace quellarine::devices {

// The one device this backend writes: a relative pointer with motion, the buttons of a mouse and wheels with
// high-resolution steps. The compositor (or X server) takes it as it takes any mouse, applies the user's pointer
// speed to it and moves the pointer for every application.
//
// The device is made and written by quellarine-device-helper, which this object starts and talks to over a socket
// pair: only that program may open /dev/uinput. Each call sends one frame in one system call. Writes may come from
// the main loop and from the thread that gives the devices back (releaseHeldButtons); a lock keeps their frames
// whole.
class VirtualPointer {
public:
    static constexpr const char* helperName = "quellarine-device-helper";

    // The helper as installed beside this program: in the libexec folder beside its bin folder, else beside it.
    static std::string installedHelper();
    // Whether that helper could make the device here: it is set-group-ID to the group /dev/uinput is written by,
    // or this process may write /dev/uinput itself (as the helper then may, started with its rights).
    static bool canMakeDevices(const std::string& helperPath);

    // Starts the helper and has it make the device; isOpen() tells whether that worked.
    explicit VirtualPointer(std::string helperPath = installedHelper());
    // Releases what it holds down, then ends the helper, which removes the device.
    ~VirtualPointer();
    VirtualPointer(const VirtualPointer&) = delete;
    VirtualPointer& operator=(const VirtualPointer&) = delete;

    // Makes the device when it does not exist yet (the user may have been given the access meanwhile, or the
    // helper ended); true when it exists. Not while another thread writes.
    bool open();
    // From any thread.
    bool isOpen() const { return open_.load(); }
    // The kernel's name of the device ("input12"), as the helper reports it: what tells our own device among the
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
    void endHelper();
    void write(const input_event* events, std::size_t count);

    std::string helperPath_;
    HelperProcess helper_;
    int socket_ = -1;
    std::uint32_t device_ = 0;
    std::string sysName_;
    std::atomic<bool> open_{false};
    std::mutex writing_;
    std::atomic<std::uint32_t> held_{0};
    std::int32_t verticalRest_ = 0; // high-resolution steps short of a whole notch
    std::int32_t horizontalRest_ = 0;
};

} // namespace quellarine::devices
