#pragma once

namespace quellarine::system {

// Whether this process may watch and move the pointer.
class Permission {
public:
    virtual ~Permission() = default;
    virtual bool maySteerPointer() const = 0;
};

} // namespace quellarine::system
