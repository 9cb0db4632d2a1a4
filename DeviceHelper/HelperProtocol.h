#pragma once

#include <cstddef>
#include <cstdint>

// What the application and quellarine-device-helper say to each other over their socket (SOCK_SEQPACKET). Each
// message from the application holds one or more whole requests; each answer is one reply. Both are fixed-size
// and hold nothing but numbers and, in a reply, the kernel's name of a device.
namespace quellarine::devicehelper {

enum class RequestKind : std::uint32_t {
    createPointer = 1, // the steadied pointer: relative motion, wheels, the mouse's buttons
    createTwin = 2,    // a device like the physical one whose descriptor comes with the request
    event = 3,         // one input event for a device; written with its frame at SYN_REPORT
    releaseAll = 4,    // let go of every button the device holds
    destroy = 5,       // release, then remove the device
    // The keyboard grant's requests; device, type are 0.
    readKeyboards = 6,   // value 1: read the keyboards (and look for new ones again); 0: read none
    registerChord = 7,   // code: a key that is no modifier; value: the ChordModifier bits held with it
    unregisterChord = 8, // the same fields as it was registered with
};

// The modifiers of a chord, left or right alike.
enum ChordModifier : std::uint32_t {
    chordControl = 1,
    chordShift = 2,
    chordAlt = 4,
    chordSuper = 8,
};
inline constexpr std::uint32_t allChordModifiers = 15;
// The most chords registered at once.
inline constexpr std::size_t maxChords = 32;

struct Request {
    std::uint32_t kind = 0;
    std::uint32_t device = 0; // as the helper numbered it in its reply; 0 for the creations
    std::uint16_t type = 0;   // an event's type, code and value; zero otherwise
    std::uint16_t code = 0;
    std::int32_t value = 0;
};
static_assert(sizeof(Request) == 16);

// The most requests one message may hold: a frame of a many-fingered touchpad with its report.
inline constexpr std::size_t maxRequestsPerMessage = 64;

enum class ReplyKind : std::uint32_t {
    created = 1,
    failed = 2,
};

enum class FailureReason : std::uint32_t {
    notInFront = 1,        // the user's session is not the active local one on a seat
    noUinput = 2,          // the kernel's uinput cannot be opened or refused the device
    notPointingDevice = 3, // the descriptor given for a twin is not a pointing device's
    tooManyDevices = 4,
};

struct Reply {
    std::uint32_t kind = 0;
    std::uint32_t value = 0; // the new device's number, or the FailureReason
    char sysName[24] = {};   // the kernel's name of the new device ("input12"), NUL-terminated
};
static_assert(sizeof(Reply) == 32);

// What the helper tells of the keyboards it reads, once asked to: nothing but these. Each is one message.
enum class KeyboardRecordKind : std::uint32_t {
    modifiers = 1,     // value: the modifier keys now down over every keyboard (Ctrl 0x03, Shift 0x0c, Alt 0x30,
                       // Super 0xc0; left the lower bit of each)
    chordPressed = 2,  // value: the key of a registered chord, pressed while exactly its modifiers are down
    chordReleased = 3, // value: that key came up (or its keyboard went away)
    keyboards = 4,     // value: how many keyboards are read now
};

struct KeyboardRecord {
    std::uint32_t kind = 0;
    std::uint32_t value = 0;
    std::int64_t time = 0; // when it happened: microseconds of the monotonic clock
};
static_assert(sizeof(KeyboardRecord) == 16);

// The descriptor the helper is given its socket on.
inline constexpr int socketDescriptor = 3;

} // namespace quellarine::devicehelper
