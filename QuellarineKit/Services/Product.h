#pragma once

#include "QuellarineKit/Support/WebAddress.h"

namespace quellarine {

// The product's fixed addresses. Each is built once, on first use, and kept for the life of the process.
class Product {
public:
    Product() = delete;

    // The root of the maker's web service, a host alone with no path and no trailing slash: every service
    // request joins its path to it.
    static const WebAddress& server();
    // The root of the maker's web site, a host alone; the help page links to it, labelled with its host.
    static const WebAddress& page();
};

} // namespace quellarine
