// A keyboard for the compositor test: a uinput device, as the kernel sees a laptop's built-in keyboard (on the
// i8042 bus, so that libinput pairs it with the built-in touchpad for the typing guard), that types what it is
// told. It reads commands, one a line, from stdin and answers on stdout:
//   chord KEY...   presses the keys in order and lets them go in the reverse order; answers "typed"
//   quit
// Keys are named ctrl, alt, shift, super or a letter. Its first line is "ready".
#include <linux/uinput.h>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::map<std::string, int> named{
    {"ctrl", KEY_LEFTCTRL},
    {"alt", KEY_LEFTALT},
    {"shift", KEY_LEFTSHIFT},
    {"super", KEY_LEFTMETA},
    {"a", KEY_A},
    {"c", KEY_C},
    {"m", KEY_M},
    {"s", KEY_S},
    {"x", KEY_X},
};

void send(int fd, int code, int value)
{
    input_event frame[2]{};
    frame[0].type = EV_KEY;
    frame[0].code = static_cast<std::uint16_t>(code);
    frame[0].value = value;
    frame[1].type = EV_SYN;
    frame[1].code = SYN_REPORT;
    [[maybe_unused]] ssize_t written = write(fd, frame, sizeof frame);
    usleep(10'000); // as quickly as a hand types, no quicker
}

} // namespace

int main()
{
    const int fd = open("/dev/uinput", O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        std::perror("/dev/uinput");
        return 1;
    }
    ioctl(fd, UI_SET_EVBIT, EV_KEY);
    for (int code = KEY_ESC; code <= KEY_KPDOT; ++code) {
        ioctl(fd, UI_SET_KEYBIT, code);
    }
    ioctl(fd, UI_SET_KEYBIT, KEY_LEFTMETA);
    uinput_setup setup{};
    setup.id.bustype = BUS_I8042;
    setup.id.vendor = 0x1d6b;
    setup.id.product = 0x0106;
    std::strncpy(setup.name, "Quellarine test keyboard", sizeof setup.name - 1);
    if (ioctl(fd, UI_DEV_SETUP, &setup) < 0 || ioctl(fd, UI_DEV_CREATE) < 0) {
        std::perror("creating the keyboard");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string command;
        words >> command;
        if (command == "chord") {
            std::vector<int> keys;
            for (std::string key; words >> key;) {
                if (named.contains(key)) {
                    keys.push_back(named.at(key));
                }
            }
            for (int key : keys) {
                send(fd, key, 1);
            }
            for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
                send(fd, *key, 0);
            }
            std::printf("typed\n");
        } else if (command == "quit") {
            break;
        } else if (!command.empty()) {
            std::printf("unknown command %s\n", command.c_str());
        }
        std::fflush(stdout);
    }
    ioctl(fd, UI_DEV_DESTROY);
    close(fd);
    return 0;
}
