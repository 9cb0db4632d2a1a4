#pragma once

#include "QuellarineKit/Support/WebAddress.h"

#include <optional>

namespace quellarine {

// The product's fixed addresses, set when the application is built. Each is built once, on first use, and kept
// for the life of the process; a build may leave either out, and then nothing is ever sent to or opened there.
class Product {
public:
    Product() = delete;

    // The root of the maker's web service, a host alone with no path and no trailing slash: every service
    // request joins its path to it.
    static const std::optional<WebAddress>& server();
    // The root of the maker's web site, a host alone; the help page links to it, labelled with its host.
    static const std::optional<WebAddress>& page();
};

} // namespace quellarine
