// The record extension's replies, read from a socket as the server sends them, cut into pieces wherever the input
// says: whatever arrives, the replies handed on are exactly the stream's whole replies, in order and each once, and
// once the sender is gone no whole reply is left unread unless something that is no reply stands before it.
//
// The input is a series of pieces: a byte giving the piece's length (times 7, so that a piece may hold several
// headers), then that many bytes, sent to the socket in one write and read at once.

#include "FuzzCheck.h"

#include "Backends/X11/X11RecordStream.h"

#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <vector>

using namespace quellarine;

namespace {

constexpr std::size_t header = 32;

// The size of the reply the bytes start with, as the protocol says it; 0 when they start no reply.
std::size_t declaredSize(const std::vector<unsigned char>& bytes, std::size_t at)
{
    if (bytes[at] != 1) {
        return 0;
    }
    std::uint32_t fours = 0;
    std::memcpy(&fours, bytes.data() + at + 4, sizeof fours);
    if (fours > (x11::X11RecordStream::largestReply - header) / 4) {
        return 0;
    }
    return header + std::size_t(fours) * 4;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    int ends[2];
    fuzz::require(socketpair(AF_UNIX, SOCK_STREAM, 0, ends) == 0, "no socket pair");
    x11::X11RecordStream stream;
    stream.open(ends[0]);

    std::vector<unsigned char> sent;
    std::vector<unsigned char> taken;
    bool open = true;
    const auto take = [&](const unsigned char* reply, std::size_t length) {
        fuzz::require(length >= header && length % 4 == 0, "a reply of a size no reply has");
        taken.insert(taken.end(), reply, reply + length);
    };
    for (std::size_t at = 0; at < size && open;) {
        const std::size_t piece = std::min<std::size_t>(std::size_t(data[at]) * 7, size - at - 1);
        ++at;
        if (piece > 0) {
            fuzz::require(write(ends[1], data + at, piece) == static_cast<ssize_t>(piece), "the socket took less");
            sent.insert(sent.end(), data + at, data + at + piece);
        }
        at += piece;
        open = stream.read(take);
    }
    close(ends[1]);
    // Whatever is still in the socket, then the end.
    for (int round = 0; open && round < 64; ++round) {
        open = stream.read(take);
    }
    fuzz::require(!open, "still open after the sender left");
    stream.close();
    close(ends[0]);

    fuzz::require(taken.size() <= sent.size() && std::equal(taken.begin(), taken.end(), sent.begin()),
                  "the replies handed on are not the stream's own");
    // Every whole reply at the front was handed on: what is left is cut off, or starts with no reply.
    std::size_t at = 0;
    while (sent.size() - at >= header) {
        const std::size_t reply = declaredSize(sent, at);
        if (reply == 0 || sent.size() - at < reply) {
            break;
        }
        at += reply;
    }
    fuzz::require(taken.size() == at, "a whole reply was left unread, or a broken one handed on");
    return 0;
}
