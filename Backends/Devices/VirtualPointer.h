#pragma once

#include "Backends/Devices/HelperProcess.h"

#include <sys/types.h>

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>

struct input_event;

namespace quellarine::devices {

// The devices this backend writes. The steadied pointer is a relative pointer with motion, the buttons of a mouse
// and wheels with high-resolution steps; it carries what has no twin (a mouse whose twin the helper refused). A twin
// is a device made like one physical device (its name, ids, bus, properties, axes and pointing buttons), so that the
// compositor (or X server) applies that device's own settings (speed, acceleration, left-handed buttons, scrolling,
// tapping) to what we write to it: a mouse's twin is written motion, a touchpad's is told the pad's own frames
// (writeFrame) and its steadied motion goes where setSteering() says.
//
// The devices are made and written by quellarine-device-helper, which this object starts and talks to over a socket
// pair: only that program may open /dev/uinput. Each call sends one frame in one system call. Writes may come from
// the main loop and from the thread that gives the devices back (releaseHeldButtons); a lock keeps their frames
// whole.
class VirtualPointer {
public:
    static constexpr const char* helperName = "quellarine-device-helper";
    // Which device an event is written to: the steadied pointer, or a twin.
    using Output = std::size_t;
    static constexpr Output steadiedPointer = 0;
    // The helper makes no more devices than this.
    static constexpr std::size_t maxOutputs = 16;
    struct Twin {
        Output output = steadiedPointer;
        std::string sysName; // the kernel's name of the twin: never to be taken as one of the hand's devices
    };

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
    // Counts the helpers that made the steadied pointer: a twin made by one before the last is gone.
    std::uint32_t generation() const { return generation_.load(std::memory_order_relaxed); }
    // The kernel's name of the device ("input12"), as the helper reports it: what tells our own device among the
    // input devices, whatever others call theirs.
    const std::string& sysName() const { return sysName_; }
    // Its event node ("/dev/input/event5"), once the kernel has made it; empty otherwise.
    std::string eventNode() const;

    // What becomes of the steadied motion meant for a twin that is fed its device's own frames (a touchpad's).
    class Steering {
    public:
        virtual ~Steering() = default;
        // In points, to fractions of one: the device's own units may be finer.
        virtual void steer(double dx, double dy) = 0;
    };

    // Has the helper make a twin of the physical device open on `descriptor`, one of whose counts is
    // `pointsPerCount` points. Nothing when there is no helper or it refuses (not a pointing device, no room, the
    // session not in front): the device's events then go to the steadied pointer. Loop thread.
    std::optional<Twin> makeTwin(int descriptor, double pointsPerCount);
    // Lets go of the twin's buttons and removes it. Loop thread.
    void endTwin(Output twin);
    // From now on the motion meant for the twin goes to `steering` (nullptr: written as motion). Loop thread.
    void setSteering(Output twin, Steering* steering);
    // Whether motion for this output goes to a steering, and hands it there. Loop thread.
    bool steers(Output output) const { return output < slots_.size() && slots_[output].steering != nullptr; }
    void steer(Output output, double dx, double dy);
    // One whole frame of events for a twin, ending with its SYN_REPORT. `touching`: the twin holds a touch after it,
    // which releaseHeldButtons() ends.
    void writeFrame(Output twin, const input_event* events, std::size_t count, bool touching);

    // Whole steps of motion in points; nothing is written for none. A twin is sent its own counts, so that the
    // compositor brings them to the pointer's distance by the mouse's resolution as it would the mouse's own.
    void move(Output output, std::int32_t dx, std::int32_t dy);
    // A button by its evdev code (BTN_LEFT ... BTN_TASK); a code outside those is ignored. A press goes to
    // `output`; a release to every device that holds the button, so that one that a press from another device
    // left down comes up with the seat's last release.
    void button(Output output, std::uint16_t code, bool down);
    // Wheel motion in 120ths of a notch (positive: away from the user, and to the right), written as the
    // high-resolution steps with the whole notches they complete (a twin without high-resolution steps keeps only
    // the notches).
    void scroll(Output output, std::int32_t vertical120, std::int32_t horizontal120);
    // Lets go of every button held down, and ends every touch, on every device (from any thread).
    void releaseHeldButtons();

private:
    // One device the helper made for us; fixed storage, so that the pointer's path allocates nothing.
    struct Slot {
        std::uint32_t device = 0;           // the helper's number; 0 when free
        std::atomic<std::uint32_t> held{0}; // a bit per button from BTN_LEFT, and touchingBit
        Steering* steering = nullptr;
        double countsPerPoint = 1;
        double restX = 0; // counts short of a whole one
        double restY = 0;
        std::int32_t verticalRest = 0; // high-resolution steps short of a whole notch
        std::int32_t horizontalRest = 0;
    };

    static constexpr std::uint32_t touchingBit = 1u << 31;

    void endHelper();
    // Sends one request and waits for the helper's answer to it; the lock is held.
    bool askLocked(const void* request, std::size_t size, int descriptor, void* reply, std::size_t replySize);
    void write(Output output, const input_event* events, std::size_t count);

    std::string helperPath_;
    HelperProcess helper_;
    int socket_ = -1;
    std::string sysName_;
    std::atomic<bool> open_{false};
    std::atomic<std::uint32_t> generation_{0};
    std::mutex writing_;
    std::array<Slot, maxOutputs> slots_;
};

} // namespace quellarine::devices
