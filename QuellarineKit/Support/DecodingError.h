#pragma once

#include <stdexcept>
#include <string>

namespace quellarine {

// Raised when stored or received JSON does not have the shape a record needs.
class DecodingError : public std::runtime_error {
public:
    explicit DecodingError(const std::string& what)
        : std::runtime_error(what)
    {
    }
};

// Raised when a record cannot be written as JSON (a number that is not finite).
class EncodingError : public std::runtime_error {
public:
    explicit EncodingError(const std::string& what)
        : std::runtime_error(what)
    {
    }
};

} // namespace quellarine
