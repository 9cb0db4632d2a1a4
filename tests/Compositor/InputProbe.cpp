// A second libinput on the seat, beside the compositor's: it opens the input devices as a compositor does and logs
// what libinput makes of them, for what the compositor may not pass on to its clients (weston 10 offers them no
// gestures) and for settings the compositor cannot set per device. One a line on stdout:
//   added NAME                         libinput took a device
//   button MS BUTTON STATE NAME        a button (MS: CLOCK_MONOTONIC, milliseconds)
//   swipe|pinch begin MS FINGERS NAME
//   swipe|pinch end MS FINGERS CANCELLED UPDATES NAME
//
//     quellarine-input-probe [--left-handed NAME]
//
// With --left-handed, the devices named NAME, and no others, swap their buttons for a left hand. It runs until it
// is ended; its first line is "ready".
#include <libinput.h>
#include <libudev.h>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

int openRestricted(const char* path, int flags, void*)
{
    int fd = open(path, flags | O_CLOEXEC);
    return fd < 0 ? -errno : fd;
}

void closeRestricted(int fd, void*)
{
    close(fd);
}

const libinput_interface deviceAccess{openRestricted, closeRestricted};

double milliseconds(std::uint64_t microseconds)
{
    return double(microseconds) / 1e3;
}

class Probe {
public:
    explicit Probe(std::string leftHanded)
        : leftHanded_(std::move(leftHanded))
    {
    }

    void handle(libinput_event* event)
    {
        libinput_device* device = libinput_event_get_device(event);
        const char* name = libinput_device_get_name(device);
        switch (libinput_event_get_type(event)) {
        case LIBINPUT_EVENT_DEVICE_ADDED:
            if (name == leftHanded_) {
                libinput_device_config_left_handed_set(device, 1);
            }
            std::printf("added %s\n", name);
            break;
        case LIBINPUT_EVENT_POINTER_BUTTON: {
            libinput_event_pointer* pointer = libinput_event_get_pointer_event(event);
            std::printf("button %.3f %u %d %s\n", milliseconds(libinput_event_pointer_get_time_usec(pointer)),
                        libinput_event_pointer_get_button(pointer),
                        int(libinput_event_pointer_get_button_state(pointer)), name);
            break;
        }
        case LIBINPUT_EVENT_GESTURE_SWIPE_BEGIN:
        case LIBINPUT_EVENT_GESTURE_PINCH_BEGIN:
            updates_ = 0;
            gesture(event, "begin", name);
            break;
        case LIBINPUT_EVENT_GESTURE_SWIPE_UPDATE:
        case LIBINPUT_EVENT_GESTURE_PINCH_UPDATE:
            ++updates_;
            break;
        case LIBINPUT_EVENT_GESTURE_SWIPE_END:
        case LIBINPUT_EVENT_GESTURE_PINCH_END:
            gesture(event, "end", name);
            break;
        default:
            break;
        }
    }

private:
    void gesture(libinput_event* event, const char* phase, const char* name) const
    {
        const libinput_event_type type = libinput_event_get_type(event);
        const bool swipe = type == LIBINPUT_EVENT_GESTURE_SWIPE_BEGIN || type == LIBINPUT_EVENT_GESTURE_SWIPE_END;
        libinput_event_gesture* gesture = libinput_event_get_gesture_event(event);
        std::printf("%s %s %.3f %d", swipe ? "swipe" : "pinch", phase,
                    milliseconds(libinput_event_gesture_get_time_usec(gesture)),
                    libinput_event_gesture_get_finger_count(gesture));
        if (std::strcmp(phase, "end") == 0) {
            std::printf(" %d %d", libinput_event_gesture_get_cancelled(gesture), updates_);
        }
        std::printf(" %s\n", name);
    }

    std::string leftHanded_;
    int updates_ = 0;
};

} // namespace

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::string leftHanded;
    if (argc == 3 && std::strcmp(argv[1], "--left-handed") == 0) {
        leftHanded = argv[2];
    } else if (argc != 1) {
        std::fprintf(stderr, "usage: quellarine-input-probe [--left-handed NAME]\n");
        return 2;
    }
    udev* devices = udev_new();
    libinput* input = libinput_udev_create_context(&deviceAccess, nullptr, devices);
    if (input == nullptr || libinput_udev_assign_seat(input, "seat0") != 0) {
        std::fprintf(stderr, "input-probe: no libinput on seat0\n");
        return 1;
    }
    Probe probe(leftHanded);
    std::printf("ready\n");
    pollfd watched{libinput_get_fd(input), POLLIN, 0};
    // The devices present at start are already queued.
    do {
        libinput_dispatch(input);
        while (libinput_event* event = libinput_get_event(input)) {
            probe.handle(event);
            libinput_event_destroy(event);
        }
    } while (poll(&watched, 1, -1) >= 0 || errno == EINTR);
    libinput_unref(input);
    udev_unref(devices);
    return 0;
}
