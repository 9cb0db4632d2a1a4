#include "Backends/Devices/VirtualPointer.h"

#include "DeviceHelper/HelperProtocol.h"

#include <linux/input.h>

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
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

std::string VirtualPointer::installedHelper()
{
    std::array<char, 4096> program{};
    const ssize_t length = readlink("/proc/self/exe", program.data(), program.size() - 1);
    if (length <= 0) {
        return {};
    }
    std::string folder(program.data(), static_cast<std::size_t>(length));
    folder.erase(folder.rfind('/') + 1);
    for (const std::string& candidate :
         {folder + QUELLARINE_LIBEXEC_FROM_BIN + "/" + helperName, folder + helperName}) {
        if (access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return {};
}

bool VirtualPointer::canMakeDevices(const std::string& helperPath)
{
    struct stat helper {};
    struct stat uinput {};
    if (helperPath.empty() || stat(helperPath.c_str(), &helper) != 0 || access(helperPath.c_str(), X_OK) != 0) {
        return false;
    }
    if (access("/dev/uinput", W_OK) == 0) {
        return true;
    }
    return (helper.st_mode & S_ISGID) != 0 && stat("/dev/uinput", &uinput) == 0 && uinput.st_gid == helper.st_gid
        && (uinput.st_mode & S_IWGRP) != 0;
}

VirtualPointer::VirtualPointer(std::string helperPath)
    : helperPath_(std::move(helperPath))
{
    open();
}

bool VirtualPointer::open()
{
    if (open_.load()) {
        return true;
    }
    std::lock_guard lock(writing_);
    if (socket_ < 0) {
        if (!helper_.start(helperPath_)) {
            return false;
        }
        socket_ = helper_.socket();
    }
    const devicehelper::Request create{static_cast<std::uint32_t>(devicehelper::RequestKind::createPointer), 0, 0, 0,
                                       0};
    devicehelper::Reply reply;
    pollfd answer{socket_, POLLIN, 0};
    // The helper answers at once; a helper that does not is ended and started again at the next try.
    if (send(socket_, &create, sizeof(create), MSG_NOSIGNAL) != sizeof(create) || poll(&answer, 1, 5000) != 1
        || recv(socket_, &reply, sizeof(reply), 0) != sizeof(reply)) {
        endHelper();
        return false;
    }
    if (reply.kind != static_cast<std::uint32_t>(devicehelper::ReplyKind::created)) {
        // The next try starts the helper anew: the access it lacked may be given to the program meanwhile, and a
        // running process keeps the rights it started with.
        endHelper();
        return false;
    }
    device_ = reply.value;
    sysName_.assign(reply.sysName, strnlen(reply.sysName, sizeof(reply.sysName)));
    open_.store(true);
    return true;
}

void VirtualPointer::endHelper()
{
    open_.store(false);
    // At its end of the socket the helper lets go of every button, removes the device and exits.
    helper_.end();
    socket_ = -1;
}

VirtualPointer::~VirtualPointer()
{
    releaseHeldButtons();
    std::lock_guard lock(writing_);
    endHelper();
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

void VirtualPointer::write(const input_event* events, std::size_t count)
{
    std::array<devicehelper::Request, 8> frame{};
    for (std::size_t index = 0; index < count; ++index) {
        frame[index] = {static_cast<std::uint32_t>(devicehelper::RequestKind::event), device_, events[index].type,
                        events[index].code, events[index].value};
    }
    std::lock_guard lock(writing_);
    // One message per frame, which the helper writes to uinput in one write. A full socket drops the frame, as a
    // full queue in the kernel would; a helper gone leaves the device to be made again.
    const ssize_t sent
        = send(socket_, frame.data(), count * sizeof(devicehelper::Request), MSG_NOSIGNAL | MSG_DONTWAIT);
    if (sent < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
        open_.store(false);
    }
}

void VirtualPointer::move(std::int32_t dx, std::int32_t dy)
{
    if (!open_.load() || (dx == 0 && dy == 0)) {
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
    if (!open_.load() || code < firstButton || code > lastButton) {
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
    if (!open_.load() || (vertical120 == 0 && horizontal120 == 0)) {
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
    if (!open_.load() || held_.exchange(0) == 0) {
        return;
    }
    // The helper knows what the device holds and lets go of all of it in one frame.
    const devicehelper::Request release{static_cast<std::uint32_t>(devicehelper::RequestKind::releaseAll), device_, 0,
                                        0, 0};
    std::lock_guard lock(writing_);
    [[maybe_unused]] ssize_t sent = send(socket_, &release, sizeof(release), MSG_NOSIGNAL | MSG_DONTWAIT);
}

} // namespace quellarine::devices
