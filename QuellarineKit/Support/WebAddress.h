#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace quellarine {

// An absolute web address on the secure scheme ("https://host[:port][/path][?query][#fragment]"), checked once
// when it is made. Only such addresses are ever opened or requested, so anything else does not parse.
class WebAddress {
public:
    // None unless the text is "https://", a host name (letters, digits and hyphens in dot-separated labels), an
    // optional port of 1 to 65535, and then only characters a web address may carry, with every "%" starting
    // a two-digit hex escape. No user name, no white space, no bracketed IPv6 literal.
    static std::optional<WebAddress> parse(std::string_view text);

    // The address exactly as it was parsed.
    const std::string& text() const { return text_; }
    // The host name alone, without port: "doi.org".
    std::string_view host() const;

    bool operator==(const WebAddress&) const = default;

private:
    WebAddress(std::string text, std::size_t hostEnd)
        : text_(std::move(text))
        , hostEnd_(hostEnd)
    {
    }

    std::string text_;
    std::size_t hostEnd_;
};

} // namespace quellarine
