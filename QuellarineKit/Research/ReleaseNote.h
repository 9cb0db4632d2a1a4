#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quellarine {

// One release's notes as the what's-new page shows them. The headline is plain text; the intro and the items
// carry their inline formatting as Markdown (bold, code spans, https links, escaped characters).
struct ReleaseNote {
    // "1.4.0": the file name without ".html"; also the note's identity.
    std::string version;
    std::string headline;
    std::optional<std::string> intro;
    std::vector<std::string> items;

    bool operator==(const ReleaseNote&) const = default;
};

} // namespace quellarine
