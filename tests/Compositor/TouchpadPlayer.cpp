// A touchpad for tests on a real kernel: a clickpad made through uinput the way the kernel presents a laptop's
// built-in one (on the i8042 bus, with touch slots, a real resolution and one button under the whole pad), so that
// libinput takes it as a touchpad and applies its own tapping, scrolling and gestures to it.
//
// It reads commands, one a line, from stdin and answers on stdout:
//   await-grab     waits until another program holds the pad exclusively (EVIOCGRAB), then says "grabbed"
//   play drift|sweep SCALE
//                  one finger plays the path (HandPlay.h), a point of the path being SCALE pad units; logs it as
//                  the hand does, in the path's points
//   stroke N DX DY MS
//                  N fingers side by side move together by DX DY pad units over MS milliseconds: one moves the
//                  pointer, two scroll, three or four swipe
//   pinch SPREAD MS
//                  two fingers move apart by SPREAD pad units each (together when negative)
//   tap            one finger touches for 40 ms
//   click          one finger presses the pad down and lets it up
//   quit
// Each command but quit answers "done" when its fingers are up again. Its first line is "ready NODE".
#include "tests/Compositor/AwaitGrab.h"
#include "tests/Compositor/HandPlay.h"

#include <libevdev/libevdev-uinput.h>
#include <libevdev/libevdev.h>

#include <linux/input.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

using namespace quellarine;
using namespace quellarine::testing;

namespace {

struct Finger {
    double x = 0;
    double y = 0;
};

class Touchpad {
public:
    static constexpr int width = 3000;  // 100 mm
    static constexpr int height = 2000; // 66 mm
    static constexpr int unitsPerMm = 30;
    static constexpr int slots = 5;
    static constexpr auto minimumInterval = std::chrono::milliseconds(4);

    Touchpad()
    {
        libevdev* device = libevdev_new();
        libevdev_set_name(device, "Quellarine test touchpad");
        libevdev_set_id_bustype(device, BUS_I8042);
        libevdev_set_id_vendor(device, 0x0002);
        libevdev_set_id_product(device, 0x0007);
        libevdev_enable_property(device, INPUT_PROP_POINTER);
        libevdev_enable_property(device, INPUT_PROP_BUTTONPAD);
        for (unsigned code :
             {BTN_LEFT, BTN_TOUCH, BTN_TOOL_FINGER, BTN_TOOL_DOUBLETAP, BTN_TOOL_TRIPLETAP, BTN_TOOL_QUADTAP}) {
            libevdev_enable_event_code(device, EV_KEY, code, nullptr);
        }
        enableAxis(device, ABS_X, width);
        enableAxis(device, ABS_Y, height);
        enableAxis(device, ABS_MT_POSITION_X, width);
        enableAxis(device, ABS_MT_POSITION_Y, height);
        input_absinfo slot{0, 0, slots - 1, 0, 0, 0};
        libevdev_enable_event_code(device, EV_ABS, ABS_MT_SLOT, &slot);
        input_absinfo tracking{0, 0, 0xffff, 0, 0, 0};
        libevdev_enable_event_code(device, EV_ABS, ABS_MT_TRACKING_ID, &tracking);
        int error = libevdev_uinput_create_from_device(device, LIBEVDEV_UINPUT_OPEN_MANAGED, &uinput_);
        libevdev_free(device);
        if (error != 0) {
            std::cerr << "touchpad-player: cannot make the touchpad: " << std::strerror(-error) << "\n";
            std::exit(2);
        }
    }
    ~Touchpad() { libevdev_uinput_destroy(uinput_); }

    std::string node() const { return libevdev_uinput_get_devnode(uinput_); }

    // One report: the fingers listed are down, in slots 0 on, the others up. A finger that was up gets a new touch.
    // Reports come at least `minimumInterval` apart, even when this program has fallen behind: libinput takes a
    // touch that covers a frame's usual distance in a fraction of a frame's time for a jump, and drops it.
    void report(const std::vector<Finger>& fingers)
    {
        std::this_thread::sleep_until(lastReport_ + minimumInterval);
        lastReport_ = std::chrono::steady_clock::now();
        for (int slot = 0; slot < slots; ++slot) {
            const bool down = slot < int(fingers.size());
            if (!down && !down_[slot]) {
                continue;
            }
            write(EV_ABS, ABS_MT_SLOT, slot);
            if (down != down_[slot]) {
                write(EV_ABS, ABS_MT_TRACKING_ID, down ? nextTrackingId_++ : -1);
                down_[slot] = down;
            }
            if (down) {
                write(EV_ABS, ABS_MT_POSITION_X, int(std::lround(fingers[slot].x)));
                write(EV_ABS, ABS_MT_POSITION_Y, int(std::lround(fingers[slot].y)));
            }
        }
        if (!fingers.empty()) {
            write(EV_ABS, ABS_X, int(std::lround(fingers[0].x)));
            write(EV_ABS, ABS_Y, int(std::lround(fingers[0].y)));
        }
        const int count = int(fingers.size());
        write(EV_KEY, BTN_TOUCH, count > 0);
        write(EV_KEY, BTN_TOOL_FINGER, count == 1);
        write(EV_KEY, BTN_TOOL_DOUBLETAP, count == 2);
        write(EV_KEY, BTN_TOOL_TRIPLETAP, count == 3);
        write(EV_KEY, BTN_TOOL_QUADTAP, count == 4);
        write(EV_SYN, SYN_REPORT, 0);
    }

    void press(bool down)
    {
        write(EV_KEY, BTN_LEFT, down);
        write(EV_SYN, SYN_REPORT, 0);
    }

private:
    static void enableAxis(libevdev* device, unsigned code, int maximum)
    {
        input_absinfo axis{0, 0, maximum, 0, 0, unitsPerMm};
        libevdev_enable_event_code(device, EV_ABS, code, &axis);
    }

    void write(unsigned type, unsigned code, int value) { libevdev_uinput_write_event(uinput_, type, code, value); }

    libevdev_uinput* uinput_ = nullptr;
    std::chrono::steady_clock::time_point lastReport_;
    bool down_[slots] = {};
    int nextTrackingId_ = 1;
};

// A touchpad reports about every 8 ms while a finger is on it.
constexpr auto reportInterval = std::chrono::milliseconds(8);
// Fingers rest side by side this far apart (12 mm), around the pad's middle.
constexpr double fingerGap = 360;

std::vector<Finger> sideBySide(int count, double spread = fingerGap)
{
    std::vector<Finger> fingers;
    for (int i = 0; i < count; ++i) {
        fingers.push_back({Touchpad::width / 2.0 + (i - (count - 1) / 2.0) * spread, Touchpad::height / 2.0});
    }
    return fingers;
}

// Holds the fingers still for `reports` reports: a hand settles before it moves and after.
void hold(Touchpad& pad, const std::vector<Finger>& fingers, int reports)
{
    for (int i = 0; i < reports; ++i) {
        pad.report(fingers);
        std::this_thread::sleep_for(reportInterval);
    }
}

// Moves from `from` to `to` over `milliseconds`, every finger along its own straight line, at an even pace.
void glide(Touchpad& pad, const std::vector<Finger>& from, const std::vector<Finger>& to, int milliseconds)
{
    const int steps = std::max(1, milliseconds / 8);
    auto begin = std::chrono::steady_clock::now();
    for (int step = 1; step <= steps; ++step) {
        std::this_thread::sleep_until(begin + step * reportInterval);
        std::vector<Finger> now;
        for (std::size_t i = 0; i < from.size(); ++i) {
            double share = double(step) / steps;
            now.push_back({from[i].x + share * (to[i].x - from[i].x), from[i].y + share * (to[i].y - from[i].y)});
        }
        pad.report(now);
    }
}

void stroke(Touchpad& pad, int count, double dx, double dy, int milliseconds)
{
    std::vector<Finger> from = sideBySide(count);
    // Start where the whole stroke stays on the pad.
    for (Finger& finger : from) {
        finger.x -= dx / 2;
        finger.y -= dy / 2;
    }
    std::vector<Finger> to = from;
    for (Finger& finger : to) {
        finger.x += dx;
        finger.y += dy;
    }
    hold(pad, from, 3);
    glide(pad, from, to, milliseconds);
    hold(pad, to, 2);
    pad.report({});
}

void pinch(Touchpad& pad, double spread, int milliseconds)
{
    std::vector<Finger> from = sideBySide(2, 2 * fingerGap);
    std::vector<Finger> to = from;
    to[0].x -= spread;
    to[1].x += spread;
    hold(pad, from, 3);
    glide(pad, from, to, milliseconds);
    hold(pad, to, 2);
    pad.report({});
}

void play(Touchpad& pad, const std::string& path, double scale)
{
    // The sweep runs rightwards: start it near the pad's left edge.
    const Finger start{Touchpad::width * 0.2, Touchpad::height / 2.0};
    Finger finger = start;
    hold(pad, {finger}, 3);
    // The finger moves in the pad's own units, as finely as a finger does.
    bool known = playHandPath(
        path,
        [&](int dx, int dy) {
            finger.x += dx;
            finger.y += dy;
            pad.report({finger});
        },
        stdout, scale);
    if (!known) {
        std::printf("unknown path %s\n", path.c_str());
    }
    hold(pad, {finger}, 2);
    pad.report({});
}

} // namespace

int main()
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    Touchpad pad;
    std::printf("ready %s\n", pad.node().c_str());
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string command;
        words >> command;
        if (command == "await-grab") {
            awaitGrabElsewhere(pad.node());
            std::printf("grabbed\n");
            continue;
        }
        if (command == "play") {
            std::string path;
            double scale = 1;
            words >> path >> scale;
            play(pad, path, scale);
        } else if (command == "stroke") {
            int count = 1;
            double dx = 0;
            double dy = 0;
            int milliseconds = 0;
            words >> count >> dx >> dy >> milliseconds;
            stroke(pad, std::clamp(count, 1, 4), dx, dy, milliseconds);
        } else if (command == "pinch") {
            double spread = 0;
            int milliseconds = 0;
            words >> spread >> milliseconds;
            pinch(pad, spread, milliseconds);
        } else if (command == "tap") {
            std::vector<Finger> finger = sideBySide(1);
            hold(pad, finger, 5);
            pad.report({});
        } else if (command == "click") {
            std::vector<Finger> finger = sideBySide(1);
            hold(pad, finger, 3);
            pad.press(true);
            hold(pad, finger, 10);
            pad.press(false);
            hold(pad, finger, 3);
            pad.report({});
        } else if (command == "quit") {
            break;
        } else {
            if (!command.empty()) {
                std::printf("unknown command %s\n", command.c_str());
            }
            continue;
        }
        std::printf("done\n");
    }
    return 0;
}
