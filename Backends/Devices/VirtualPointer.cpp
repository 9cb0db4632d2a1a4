#include "Backends/Devices/VirtualPointer.h"

#include "DeviceHelper/InputEvent.h"

#include "DeviceHelper/HelperProtocol.h"

#include <linux/input.h>

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>

namespace quellarine::devices {

namespace {

constexpr std::uint16_t firstButton = BTN_LEFT;
constexpr std::uint16_t lastButton = BTN_TASK;

using devicehelper::inputEvent;

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
    // The helper answers at once; a helper that does not is ended and started again at the next try.
    if (!askLocked(&create, sizeof(create), -1, &reply, sizeof(reply))) {
        endHelper();
        return false;
    }
    if (reply.kind != static_cast<std::uint32_t>(devicehelper::ReplyKind::created)) {
        // The next try starts the helper anew: the access it lacked may be given to the program meanwhile, and a
        // running process keeps the rights it started with.
        endHelper();
        return false;
    }
    slots_[steadiedPointer].device = reply.value;
    sysName_.assign(reply.sysName, strnlen(reply.sysName, sizeof(reply.sysName)));
    generation_.fetch_add(1, std::memory_order_relaxed);
    open_.store(true);
    return true;
}

bool VirtualPointer::askLocked(const void* request, std::size_t size, int descriptor, void* reply,
                               std::size_t replySize)
{
    iovec part{const_cast<void*>(request), size};
    msghdr header{};
    header.msg_iov = &part;
    header.msg_iovlen = 1;
    alignas(cmsghdr) std::array<char, CMSG_SPACE(sizeof(int))> control{};
    if (descriptor >= 0) {
        header.msg_control = control.data();
        header.msg_controllen = control.size();
        cmsghdr* item = CMSG_FIRSTHDR(&header);
        item->cmsg_level = SOL_SOCKET;
        item->cmsg_type = SCM_RIGHTS;
        item->cmsg_len = CMSG_LEN(sizeof(int));
        std::memcpy(CMSG_DATA(item), &descriptor, sizeof(int));
    }
    pollfd answer{socket_, POLLIN, 0};
    return sendmsg(socket_, &header, MSG_NOSIGNAL) == static_cast<ssize_t>(size) && poll(&answer, 1, 5000) == 1
        && recv(socket_, reply, replySize, 0) == static_cast<ssize_t>(replySize);
}

std::optional<VirtualPointer::Twin> VirtualPointer::makeTwin(int descriptor, double pointsPerCount)
{
    if (!open_.load() || descriptor < 0) {
        return std::nullopt;
    }
    std::lock_guard lock(writing_);
    Output free = steadiedPointer;
    for (Output output = 1; output < slots_.size() && free == steadiedPointer; ++output) {
        if (slots_[output].device == 0) {
            free = output;
        }
    }
    if (free == steadiedPointer) {
        return std::nullopt;
    }
    const devicehelper::Request create{static_cast<std::uint32_t>(devicehelper::RequestKind::createTwin), 0, 0, 0, 0};
    devicehelper::Reply reply;
    if (!askLocked(&create, sizeof(create), descriptor, &reply, sizeof(reply))) {
        // Whatever it was doing, it did not answer: the steadied pointer's next write finds out whether it is gone.
        return std::nullopt;
    }
    if (reply.kind != static_cast<std::uint32_t>(devicehelper::ReplyKind::created)) {
        return std::nullopt;
    }
    Slot& slot = slots_[free];
    slot.device = reply.value;
    slot.held.store(0);
    slot.steering = nullptr;
    slot.countsPerPoint = pointsPerCount > 0 ? 1 / pointsPerCount : 1;
    slot.restX = slot.restY = 0;
    slot.verticalRest = slot.horizontalRest = 0;
    return Twin{free, std::string(reply.sysName, strnlen(reply.sysName, sizeof(reply.sysName)))};
}

void VirtualPointer::endTwin(Output twin)
{
    if (twin == steadiedPointer || twin >= slots_.size()) {
        return;
    }
    std::lock_guard lock(writing_);
    Slot& slot = slots_[twin];
    if (slot.device == 0) {
        return;
    }
    // The helper lets go of the twin's buttons before it removes it.
    const devicehelper::Request destroy{static_cast<std::uint32_t>(devicehelper::RequestKind::destroy), slot.device, 0,
                                        0, 0};
    [[maybe_unused]] ssize_t sent = send(socket_, &destroy, sizeof(destroy), MSG_NOSIGNAL);
    slot.device = 0;
    slot.held.store(0);
    slot.steering = nullptr;
}

void VirtualPointer::setSteering(Output twin, Steering* steering)
{
    if (twin != steadiedPointer && twin < slots_.size()) {
        slots_[twin].steering = steering;
    }
}

void VirtualPointer::steer(Output output, double dx, double dy)
{
    if (open_.load() && steers(output) && (dx != 0 || dy != 0)) {
        slots_[output].steering->steer(dx, dy);
    }
}

void VirtualPointer::endHelper()
{
    open_.store(false);
    // Its devices end with it.
    for (Slot& slot : slots_) {
        slot.device = 0;
        slot.held.store(0);
    }
    // At its end of the socket the helper lets go of every button, removes the devices and exits.
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

void VirtualPointer::write(Output output, const input_event* events, std::size_t count)
{
    std::array<devicehelper::Request, devicehelper::maxRequestsPerMessage> frame{};
    std::lock_guard lock(writing_);
    const std::uint32_t device = slots_[output].device;
    // A frame is one message, which the helper writes to uinput in one write; a longer one (a touchpad's many
    // fingers) goes in several, which the helper joins up to the frame's report.
    for (std::size_t first = 0; device != 0 && first < count; first += frame.size()) {
        const std::size_t part = std::min(frame.size(), count - first);
        for (std::size_t index = 0; index < part; ++index) {
            const input_event& event = events[first + index];
            frame[index] = {static_cast<std::uint32_t>(devicehelper::RequestKind::event), device, event.type,
                            event.code, event.value};
        }
        // A full socket drops the frame, as a full queue in the kernel would; a helper gone leaves the device to be
        // made again.
        const ssize_t sent
            = send(socket_, frame.data(), part * sizeof(devicehelper::Request), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            open_.store(false);
        }
    }
}

void VirtualPointer::writeFrame(Output twin, const input_event* events, std::size_t count, bool touching)
{
    if (!open_.load() || twin == steadiedPointer || twin >= slots_.size() || count == 0) {
        return;
    }
    if (touching) {
        slots_[twin].held.fetch_or(touchingBit);
    } else {
        slots_[twin].held.fetch_and(~touchingBit);
    }
    write(twin, events, count);
}

void VirtualPointer::move(Output output, std::int32_t dx, std::int32_t dy)
{
    if (!open_.load() || output >= slots_.size() || (dx == 0 && dy == 0)) {
        return;
    }
    if (output != steadiedPointer) {
        Slot& slot = slots_[output];
        slot.restX += dx * slot.countsPerPoint;
        slot.restY += dy * slot.countsPerPoint;
        const double countsX = std::round(slot.restX);
        const double countsY = std::round(slot.restY);
        slot.restX -= countsX;
        slot.restY -= countsY;
        dx = static_cast<std::int32_t>(countsX);
        dy = static_cast<std::int32_t>(countsY);
        if (dx == 0 && dy == 0) {
            return;
        }
    }
    std::array<input_event, 3> frame{};
    std::size_t count = 0;
    if (dx != 0) {
        frame[count++] = inputEvent(EV_REL, REL_X, dx);
    }
    if (dy != 0) {
        frame[count++] = inputEvent(EV_REL, REL_Y, dy);
    }
    frame[count++] = inputEvent(EV_SYN, SYN_REPORT, 0);
    write(output, frame.data(), count);
}

void VirtualPointer::button(Output output, std::uint16_t code, bool down)
{
    if (!open_.load() || output >= slots_.size() || code < firstButton || code > lastButton) {
        return;
    }
    const std::uint32_t bit = std::uint32_t{1} << (code - firstButton);
    const std::array<input_event, 2> frame{inputEvent(EV_KEY, code, down ? 1 : 0), inputEvent(EV_SYN, SYN_REPORT, 0)};
    if (down) {
        slots_[output].held.fetch_or(bit);
        write(output, frame.data(), frame.size());
        return;
    }
    for (Output holder = 0; holder < slots_.size(); ++holder) {
        if ((slots_[holder].held.fetch_and(~bit) & bit) != 0 || holder == output) {
            write(holder, frame.data(), frame.size());
        }
    }
}

void VirtualPointer::scroll(Output output, std::int32_t vertical120, std::int32_t horizontal120)
{
    if (!open_.load() || output >= slots_.size() || (vertical120 == 0 && horizontal120 == 0)) {
        return;
    }
    Slot& slot = slots_[output];
    std::array<input_event, 5> frame{};
    std::size_t count = 0;
    if (vertical120 != 0) {
        slot.verticalRest += vertical120;
        frame[count++] = inputEvent(EV_REL, REL_WHEEL_HI_RES, vertical120);
        if (const std::int32_t notches = slot.verticalRest / 120) {
            frame[count++] = inputEvent(EV_REL, REL_WHEEL, notches);
            slot.verticalRest -= notches * 120;
        }
    }
    if (horizontal120 != 0) {
        slot.horizontalRest += horizontal120;
        frame[count++] = inputEvent(EV_REL, REL_HWHEEL_HI_RES, horizontal120);
        if (const std::int32_t notches = slot.horizontalRest / 120) {
            frame[count++] = inputEvent(EV_REL, REL_HWHEEL, notches);
            slot.horizontalRest -= notches * 120;
        }
    }
    frame[count++] = inputEvent(EV_SYN, SYN_REPORT, 0);
    write(output, frame.data(), count);
}

void VirtualPointer::releaseHeldButtons()
{
    if (!open_.load()) {
        return;
    }
    std::lock_guard lock(writing_);
    for (Slot& slot : slots_) {
        if (slot.device == 0 || slot.held.exchange(0) == 0) {
            continue;
        }
        // The helper knows what the device holds, buttons and touches, and lets go of all of it in one frame.
        const devicehelper::Request release{static_cast<std::uint32_t>(devicehelper::RequestKind::releaseAll),
                                            slot.device, 0, 0, 0};
        [[maybe_unused]] ssize_t sent = send(socket_, &release, sizeof(release), MSG_NOSIGNAL | MSG_DONTWAIT);
    }
}

} // namespace quellarine::devices
