#pragma once

namespace quellarine {

// The application's compiled-in resources (symbols and images) live in a static library, so they are
// registered explicitly before the first look-up.
class Resources {
public:
    static void ensureLoaded();
};

} // namespace quellarine
