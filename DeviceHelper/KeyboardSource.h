#pragma once

#include <cstddef>

namespace quellarine::devicehelper {

// The keyboards as the service steers them: KeyboardDevices, or a stand-in in the tests.
class KeyboardSource {
public:
    virtual ~KeyboardSource() = default;
    // Reading opens every keyboard there is now that is not read yet; not reading closes them all.
    virtual void setReading(bool reading) = 0;
    // How many keyboards are read now.
    virtual std::size_t count() const = 0;
};

} // namespace quellarine::devicehelper
