#pragma once

#include "Quellarine/Desktop/AppcastItem.h"

#include <QByteArray>

#include <optional>
#include <stdexcept>
#include <vector>

namespace quellarine {

// A feed that cannot be used: not XML, not an RSS channel, no items, an item without a build or without an https
// download, or a field far longer than any release needs.
class AppcastError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The update feed: an RSS 2.0 channel whose items each describe one release. The release's build, version
// and notes come from the namespaced elements "version", "shortVersionString" and "releaseNotesLink" or from
// the enclosure's namespaced "version" and "shortVersionString" attributes; the namespace's address is not
// checked.
struct Appcast {
    // Longer fields are no release's: the feed is refused rather than shown or stored.
    static constexpr qsizetype maximumVersionLength = 64;
    static constexpr qsizetype maximumAddressLength = 2048;

    std::vector<AppcastItem> items;

    // Throws AppcastError.
    static Appcast parse(const QByteArray& document);

    // The item with the highest build; items is never empty after parse().
    const AppcastItem& newest() const;
};

} // namespace quellarine
