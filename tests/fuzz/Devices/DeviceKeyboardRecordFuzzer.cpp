// The application's reading of the device helper's keyboard records, whatever the helper sent: a record is taken
// only whole, of a known kind and with a value that kind may hold (a modifier mask, a key's code, a count).
//
// The input is a series of messages: a byte giving its length, then that many bytes.

#include "FuzzCheck.h"

#include "Backends/Devices/DeviceKeyboard.h"

#include <string>

using namespace quellarine::devicehelper;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using quellarine::fuzz::require;
    std::size_t at = 0;
    while (at < size) {
        const std::size_t length = std::min<std::size_t>(data[at], size - at - 1);
        ++at;
        const auto record = quellarine::devices::DeviceKeyboard::decode(data + at, length);
        at += length;
        if (!record) {
            continue;
        }
        require(length == sizeof(KeyboardRecord), "a record of " + std::to_string(length) + " bytes");
        switch (static_cast<KeyboardRecordKind>(record->kind)) {
        case KeyboardRecordKind::modifiers:
            require(record->value <= 0xff, "a modifier mask of more than the eight keys");
            break;
        case KeyboardRecordKind::chordPressed:
        case KeyboardRecordKind::chordReleased:
            require(record->value > 0 && record->value <= 0xffff, "a key code out of range");
            break;
        case KeyboardRecordKind::keyboards:
            break;
        default:
            require(false, "a record of kind " + std::to_string(record->kind));
        }
    }
    return 0;
}
