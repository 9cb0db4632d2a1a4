#include "Backends/X11/X11RecordStream.h"

#include <poll.h>
#include <sys/socket.h>

#include <cerrno>
#include <cstring>

namespace quellarine::x11 {

namespace {

// Enough for every report a burst of other programs' requests makes at once.
constexpr std::size_t initialBuffer = 64u << 10;
constexpr std::uint8_t replyType = 1;

} // namespace

void X11RecordStream::open(int socket)
{
    socket_ = socket;
    buffer_.resize(initialBuffer);
    filled_ = 0;
}

void X11RecordStream::close()
{
    socket_ = -1;
    filled_ = 0;
}

std::size_t X11RecordStream::replySize(const unsigned char* start)
{
    if (start[0] != replyType) {
        return 0;
    }
    // The length counts what follows the header, in fours, in this process's byte order (the reply is to it).
    std::uint32_t fours = 0;
    std::memcpy(&fours, start + 4, sizeof fours);
    if (fours > (largestReply - header) / 4) {
        return 0;
    }
    return header + std::size_t(fours) * 4;
}

bool X11RecordStream::receive()
{
    if (socket_ < 0) {
        return false;
    }
    // A reply that is longer than the buffer: room for all of it.
    if (filled_ >= header) {
        std::size_t size = replySize(buffer_.data());
        if (size > buffer_.size()) {
            buffer_.resize(size);
        }
    }
    while (filled_ < buffer_.size()) {
        ssize_t got = recv(socket_, buffer_.data() + filled_, buffer_.size() - filled_, MSG_DONTWAIT);
        if (got > 0) {
            filled_ += std::size_t(got);
            return true;
        }
        if (got == 0) {
            return false; // the server closed it
        }
        if (errno == EINTR) {
            continue;
        }
        return errno == EAGAIN || errno == EWOULDBLOCK;
    }
    return true;
}

void X11RecordStream::keepFrom(std::size_t at)
{
    if (at > 0) {
        std::memmove(buffer_.data(), buffer_.data() + at, filled_ - at);
        filled_ -= at;
    }
}

bool X11RecordStream::waitReadable(int milliseconds) const
{
    pollfd watched{socket_, POLLIN, 0};
    while (true) {
        int ready = poll(&watched, 1, milliseconds);
        if (ready >= 0 || errno != EINTR) {
            return ready == 1;
        }
    }
}

} // namespace quellarine::x11
