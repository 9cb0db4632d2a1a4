#pragma once

#include "DeviceHelper/KeyboardSource.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct udev;
struct udev_device;
struct udev_monitor;

namespace quellarine::devicehelper {

// Every keyboard of this computer (udev's ID_INPUT_KEYBOARD), found and followed through udev and read alongside
// whoever else reads it: never taken, never written to. Of what they send only the keys the listener asks for
// are passed on; everything else is dropped as it is read. Times are microseconds of the monotonic clock, set on
// each device, so that a late read still tells when a key went down; what several keyboards sent between two reads
// is passed on in the order it happened, not keyboard by keyboard. A keyboard is read exactly while this process may
// read its node with its effective rights (the helper's group, given by the keyboards' rule).
class KeyboardDevices final : public KeyboardSource {
public:
    class Listener {
    public:
        virtual ~Listener() = default;
        // Whether this key is looked at at all.
        virtual bool wants(std::uint16_t code) const = 0;
        // A wanted key went down (1), repeats (2) or came up (0).
        virtual void key(int keyboard, std::uint16_t code, int value, std::int64_t time) = 0;
        // The keyboard's modifier keys are now exactly these (HeldModifiers' mask): when it comes, and after the
        // kernel dropped some of its events.
        virtual void modifiersAre(int keyboard, std::uint8_t held, std::int64_t time) = 0;
        // The keyboard went away.
        virtual void removed(int keyboard, std::int64_t time) = 0;
    };

    // Reads nothing until setReading(true).
    explicit KeyboardDevices(Listener& listener);
    ~KeyboardDevices() override;
    KeyboardDevices(const KeyboardDevices&) = delete;
    KeyboardDevices& operator=(const KeyboardDevices&) = delete;

    // Readable when keys, or keyboards coming and going, wait; -1 when it cannot watch.
    int fileDescriptor() const { return epollFd_; }
    // Handles what waits, without waiting.
    void processPending();
    // How many keyboards are read now.
    std::size_t count() const override { return keyboards_.size(); }
    // Reading opens every keyboard there is now that is not read yet (asked again, it looks afresh); not reading
    // closes every keyboard, whose modifiers count as released.
    void setReading(bool reading) override;

private:
    // Something to tell the listener, once everything that waits has been read.
    struct Change {
        enum class Kind { key, modifiers, removed };
        std::int64_t time = 0;
        int keyboard = 0;
        Kind kind = Kind::key;
        std::uint16_t code = 0;
        int value = 0;
        std::uint8_t held = 0;
    };

    struct Keyboard {
        std::string node;
        int fd = -1;
        bool dropped = false; // the kernel dropped events: ignore the rest of that frame, then ask for the state
    };

    void enumerate();
    void open(udev_device* device);
    void close(int keyboard);
    void read(int keyboard);
    void resynchronise(int keyboard, std::int64_t time);
    void hotplug();
    void deliver();

    Listener& listener_;
    udev* udev_ = nullptr;
    udev_monitor* monitor_ = nullptr;
    int epollFd_ = -1;
    int next_ = 1; // 0 is the hot-plug news in the epoll set
    std::map<int, Keyboard> keyboards_;
    std::vector<Change> pending_;
    bool reading_ = false;
};

} // namespace quellarine::devicehelper
