#include "QuellarineKit/Services/Product.h"

#include <stdexcept>
#include <string>

namespace quellarine {

namespace {

// The build checks the addresses when it is configured; one that still does not parse is a build fault,
// reported on first use. An empty one means the build has none.
std::optional<WebAddress> builtAddress(std::string_view text)
{
    if (text.empty()) {
        return std::nullopt;
    }
    auto address = WebAddress::parse(text);
    if (!address) {
        throw std::logic_error("Not a secure web address: " + std::string(text));
    }
    return address;
}

} // namespace

const std::optional<WebAddress>& Product::server()
{
    static const std::optional<WebAddress> address = builtAddress(QUELLARINE_SERVICE);
    return address;
}

const std::optional<WebAddress>& Product::page()
{
    static const std::optional<WebAddress> address = builtAddress(QUELLARINE_WEBSITE);
    return address;
}

} // namespace quellarine
