// A hand for tests on a real kernel: a mouse made through uinput that plays the tests' hand paths in real time.
//
// It reads commands, one a line, from stdin and answers on stdout:
//   move DX DY     one report of relative motion
//   await-grab     waits until another program holds this mouse exclusively (EVIOCGRAB), then says "grabbed"
//   play drift|sweep
//                  plays the path and logs it (HandPlay.h)
//   click          presses the left button and lets it go; says "clicked"
//   quit
// Its first line is "ready NODE" with the mouse's event node. Its name is the first argument, if any: a session
// with two mice tells them apart by name.
#include "tests/Compositor/AwaitGrab.h"
#include "tests/Compositor/HandPlay.h"

#include <libevdev/libevdev-uinput.h>
#include <libevdev/libevdev.h>

#include <linux/input.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

using namespace quellarine;
using namespace quellarine::testing;

namespace {

class Mouse {
public:
    explicit Mouse(const std::string& name)
    {
        libevdev* device = libevdev_new();
        libevdev_set_name(device, name.c_str());
        libevdev_set_id_bustype(device, BUS_USB);
        libevdev_set_id_vendor(device, 0x1d6b);
        libevdev_set_id_product(device, 0x0104);
        for (unsigned code : {REL_X, REL_Y, REL_WHEEL}) {
            libevdev_enable_event_code(device, EV_REL, code, nullptr);
        }
        for (unsigned code : {BTN_LEFT, BTN_RIGHT, BTN_MIDDLE}) {
            libevdev_enable_event_code(device, EV_KEY, code, nullptr);
        }
        int error = libevdev_uinput_create_from_device(device, LIBEVDEV_UINPUT_OPEN_MANAGED, &uinput_);
        libevdev_free(device);
        if (error != 0) {
            std::cerr << "hand-player: cannot make the mouse: " << std::strerror(-error) << "\n";
            std::exit(2);
        }
    }
    ~Mouse() { libevdev_uinput_destroy(uinput_); }

    std::string node() const { return libevdev_uinput_get_devnode(uinput_); }

    void move(int dx, int dy)
    {
        if (dx != 0) {
            libevdev_uinput_write_event(uinput_, EV_REL, REL_X, dx);
        }
        if (dy != 0) {
            libevdev_uinput_write_event(uinput_, EV_REL, REL_Y, dy);
        }
        libevdev_uinput_write_event(uinput_, EV_SYN, SYN_REPORT, 0);
    }

    void click()
    {
        for (int value : {1, 0}) {
            libevdev_uinput_write_event(uinput_, EV_KEY, BTN_LEFT, value);
            libevdev_uinput_write_event(uinput_, EV_SYN, SYN_REPORT, 0);
            std::this_thread::sleep_for(std::chrono::milliseconds(60));
        }
    }

private:
    libevdev_uinput* uinput_ = nullptr;
};

} // namespace

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    Mouse mouse(argc > 1 ? argv[1] : "Quellarine test hand");
    std::printf("ready %s\n", mouse.node().c_str());
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string command;
        words >> command;
        if (command == "move") {
            int dx = 0;
            int dy = 0;
            words >> dx >> dy;
            mouse.move(dx, dy);
            std::printf("moved %d %d\n", dx, dy);
        } else if (command == "await-grab") {
            awaitGrabElsewhere(mouse.node());
            std::printf("grabbed\n");
        } else if (command == "play") {
            std::string name;
            words >> name;
            if (!playHandPath(
                    name, [&](int dx, int dy) { mouse.move(dx, dy); }, stdout)) {
                std::printf("unknown path %s\n", name.c_str());
            }
        } else if (command == "click") {
            mouse.click();
            std::printf("clicked\n");
        } else if (command == "quit") {
            break;
        } else if (!command.empty()) {
            std::printf("unknown command %s\n", command.c_str());
        }
    }
    return 0;
}
