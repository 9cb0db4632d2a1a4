#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quellarine::x11 {

// The replies of an enabled record context, read straight from its connection's socket into one buffer that is
// kept: once the context is enabled the server sends nothing else on that connection, and nothing else reads it.
// Reading allocates nothing unless a reply is larger than any before it.
class X11RecordStream {
public:
    // A reply that ends the stream (an error in place of a report) or says more than any report can.
    static constexpr std::size_t largestReply = 16u << 20;

    void open(int socket);
    void close();
    int socket() const { return socket_; }

    // Reads what has arrived, without waiting, and hands each whole reply (its 32-byte header and what follows) to
    // `take`, in order. False once the connection is closed or sent something that is no reply.
    template <typename Take>
    bool read(Take&& take)
    {
        if (!receive()) {
            return false;
        }
        std::size_t at = 0;
        while (filled_ - at >= header) {
            std::size_t size = replySize(buffer_.data() + at);
            if (size == 0) {
                return false;
            }
            if (filled_ - at < size) {
                break;
            }
            take(buffer_.data() + at, size);
            at += size;
        }
        keepFrom(at);
        return true;
    }

    // Waits until the socket is readable, for at most this long; false when it was not (or on an error).
    bool waitReadable(int milliseconds) const;

private:
    static constexpr std::size_t header = 32;

    // Reads what the socket holds into the buffer, growing it only for a reply that does not fit.
    bool receive();
    // The size of the reply that starts here; 0 when it is none.
    static std::size_t replySize(const unsigned char* start);
    void keepFrom(std::size_t at);

    int socket_ = -1;
    std::vector<unsigned char> buffer_;
    std::size_t filled_ = 0;
};

} // namespace quellarine::x11
