#include "QuellarineKit/Services/Product.h"

#include <stdexcept>
#include <string>

namespace quellarine {

namespace {

// The addresses are constants of this build: one that does not parse is a build fault, reported on first use.
WebAddress fixedAddress(std::string_view text)
{
    auto address = WebAddress::parse(text);
    if (!address) {
        throw std::logic_error("Not a secure web address: " + std::string(text));
    }
    return *std::move(address);
}

} // namespace

const WebAddress& Product::server()
{
    static const WebAddress address = fixedAddress("https://api.temrid.com");
    return address;
}

const WebAddress& Product::page()
{
    static const WebAddress address = fixedAddress("https://temrid.com");
    return address;
}

} // namespace quellarine
