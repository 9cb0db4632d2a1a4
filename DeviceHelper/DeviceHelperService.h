#pragma once

#include "DeviceHelper/HelperProtocol.h"
#include "DeviceHelper/KeyboardFilter.h"
#include "DeviceHelper/KeyboardSource.h"
#include "DeviceHelper/OutputDevice.h"

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace quellarine::devicehelper {

// The helper's whole decision: it checks each message of the application and acts on the devices.
//
// A message that is not made of well-formed requests (a size not of whole requests, an unknown kind, a field set
// that the kind does not use, a descriptor where none belongs, a device it did not make) ends the connection: only
// our application talks to the helper, so such a message is a fault or an attack, and after it nothing it says
// can be trusted. A well-formed event the device does not have is dropped and counted instead: the application
// passes a physical device's frames to its twin, and the twin lacks on purpose every KEY_* code the device has.
//
// Asked to, it reads the keyboards (the keyboard grant gives them to its group) and passes on only what its
// KeyboardFilter lets through, plus how many keyboards it reads.
//
// While its user's session is not in front, it reads no keyboard and writes nothing: its devices have let go of every
// button and stay, so that the numbers and kernel names the application holds stay true, and it makes no new one.
class DeviceHelperService {
public:
    static constexpr std::size_t maxDevices = 16;

    explicit DeviceHelperService(DeviceMaker& maker);

    // Puts the requests of one message into `requests`; false when it is not well-formed.
    static bool decode(const void* data, std::size_t size, bool withDescriptor, std::vector<Request>& requests);

    // Where the keyboards are read; none until given.
    void setKeyboards(KeyboardSource* keyboards) { keyboards_ = keyboards; }
    KeyboardFilter& keyboardFilter() { return filter_; }
    // What to tell of the keyboards since the last call: the filter's records, then their number when it
    // changed or was asked for.
    std::vector<KeyboardRecord> takeKeyboardRecords();

    // Acts on one message (and the descriptor that came with it, or -1; the caller closes it). False when the
    // connection must end.
    bool handle(const void* data, std::size_t size, int descriptor, std::vector<Reply>& replies);

    // Whether the user's session is in front; going out of front lets go of every button.
    void setServed(bool served);
    bool served() const { return served_; }
    // Events dropped: not the device's own, or sent while the session was not in front.
    std::size_t dropped() const { return dropped_; }
    // Lets go of every button and removes every device.
    void endAll() { devices_.clear(); }

private:
    Reply create(const Request& request, int descriptor);
    void readKeyboards();

    DeviceMaker& maker_;
    std::map<std::uint32_t, std::unique_ptr<OutputDevice>> devices_;
    std::vector<Request> requests_; // room for a message's requests, made once
    std::uint32_t nextDevice_ = 1;
    bool served_ = true;
    KeyboardFilter filter_;
    KeyboardSource* keyboards_ = nullptr;
    bool keyboardsWanted_ = false;
    bool countAsked_ = false;
    std::size_t countTold_ = 0;
    std::size_t dropped_ = 0;
};

} // namespace quellarine::devicehelper
