#include "Backends/Devices/DevicesBackend.h"

#include "Backends/Common/ProcessingRound.h"

#include <fcntl.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdio>

namespace quellarine::devices {

namespace {

void addTo(int epollFd, int fd)
{
    if (epollFd < 0 || fd < 0) {
        return;
    }
    epoll_event readable{};
    readable.events = EPOLLIN;
    readable.data.fd = fd;
    epoll_ctl(epollFd, EPOLL_CTL_ADD, fd, &readable);
}

PointingDevices::Log orStandardError(PointingDevices::Log log)
{
    if (log) {
        return log;
    }
    return [](std::string_view message) {
        std::fprintf(stderr, "quellarine: %.*s\n", static_cast<int>(message.size()), message.data());
    };
}

} // namespace

DevicesBackend::DevicesBackend()
    : DevicesBackend(Options{})
{
}

DevicesBackend::DevicesBackend(Options options)
    : epollFd_(epoll_create1(EPOLL_CLOEXEC))
    , wakeFd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
    , output_(std::move(options.helperPath))
    , cursor_(output_)
    , devices_(output_, orStandardError(std::move(options.log)))
    , watchdog_({devices_.inputDescriptor()}, [this] { giveDevicesBack(); })
    , taps_(devices_, cursor_, output_, watchdog_, clock_, [this] { wake(); })
{
    devices_.setListener(taps_);
    addTo(epollFd_, devices_.inputDescriptor());
    addTo(epollFd_, devices_.hotplugDescriptor());
    addTo(epollFd_, wakeFd_);
}

DevicesBackend::~DevicesBackend()
{
    if (loop_ != nullptr) {
        loop_->cancel(accessTimer_);
        for (int fd : servedDescriptors()) {
            loop_->unwatch(fd);
        }
    }
    close(wakeFd_);
    if (epollFd_ >= 0) {
        close(epollFd_);
    }
}

std::array<int, 3> DevicesBackend::servedDescriptors() const
{
    return {devices_.inputDescriptor(), devices_.hotplugDescriptor(), wakeFd_};
}

void DevicesBackend::attach(backends::PollMainLoop& loop)
{
    // Each descriptor itself, not the epoll set of them: a wake-up of the pointer then passes through one set fewer.
    for (int fd : servedDescriptors()) {
        if (fd >= 0) {
            loop.watch(fd, [this] { processPendingEvents(); });
        }
    }
    close(epollFd_);
    epollFd_ = -1;
    loop_ = &loop;
    accessTimer_ = loop.scheduleRepeating(1.0, 1.0, [this] {
        if (!maySteerPointer()) {
            seekAccess();
        }
    });
}

void DevicesBackend::seekAccess()
{
    if (!output_.isOpen() && output_.open()) {
        // Before the kernel's news of it is read: our own device is never taken.
        devices_.addOwnDevice(output_.sysName());
    }
    if (!devices_.isReadable() && PointingDevices::anyReadable()) {
        devices_.rescan();
    }
}

bool DevicesBackend::maySteerPointer() const
{
    return output_.isOpen() && devices_.isReadable();
}

bool DevicesBackend::isUsable(const std::string& helperPath)
{
    return VirtualPointer::canMakeDevices(helperPath) && PointingDevices::anyReadable();
}

system::PointerSystem DevicesBackend::pointerSystem(system::MainLoop& mainLoop)
{
    return {taps_, taps_, cursor_, cursor_, clock_, mainLoop};
}

void DevicesBackend::wake()
{
    std::uint64_t one = 1;
    [[maybe_unused]] ssize_t written = write(wakeFd_, &one, sizeof one);
    // After the write: a round that sees the flag finds the count to read, and a write it does not see yet keeps
    // the descriptor readable, so the loop comes back for it.
    woken_.store(true, std::memory_order_release);
}

void DevicesBackend::giveDevicesBack()
{
    // On the watchdog's thread, while the loop is stuck.
    if (devices_.releaseFromWatchdog()) {
        output_.releaseHeldButtons();
    }
    watchdog_.setArmed(false);
    wake();
}

void DevicesBackend::suspend()
{
    devices_.suspend();
    output_.releaseHeldButtons();
    watchdog_.setArmed(false);
    wake();
}

void DevicesBackend::resume()
{
    if (devices_.resume()) {
        wake();
    }
}

void DevicesBackend::processPendingEvents()
{
    if (processing_) {
        return;
    }
    backends::ProcessingRound processing(processing_, taps_);
    if (woken_.load(std::memory_order_relaxed) && woken_.exchange(false, std::memory_order_acquire)) {
        std::uint64_t count = 0;
        [[maybe_unused]] ssize_t got = read(wakeFd_, &count, sizeof count);
    }
    devices_.beginRound();
    while (true) {
        watchdog_.serviced();
        taps_.checkForLostInput();
        if (taps_.deliverPosted() || devices_.processOne()) {
            continue;
        }
        // Devices coming and going are looked for in a round that found no input, so that a moving hand costs no
        // system call for them: news that waits keeps the descriptor readable, and the next round finds it.
        if (!devices_.foundInputThisRound() && devices_.processHotplugOne()) {
            continue;
        }
        break;
    }
}

} // namespace quellarine::devices
