#include "QuellarineKit/Support/WebAddress.h"

#include <algorithm>

namespace quellarine {

namespace {

constexpr std::string_view scheme = "https://";

bool isAsciiLetterOrDigit(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Dot-separated labels of letters, digits and inner hyphens, each 1 to 63 long; at most 253 in all.
bool isHostName(std::string_view host)
{
    if (host.empty() || host.size() > 253) {
        return false;
    }
    std::size_t labelStart = 0;
    while (labelStart <= host.size()) {
        std::size_t labelEnd = host.find('.', labelStart);
        if (labelEnd == std::string_view::npos) {
            labelEnd = host.size();
        }
        const std::string_view label = host.substr(labelStart, labelEnd - labelStart);
        if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-') {
            return false;
        }
        for (char c : label) {
            if (!isAsciiLetterOrDigit(c) && c != '-') {
                return false;
            }
        }
        labelStart = labelEnd + 1;
    }
    return true;
}

bool isPort(std::string_view port)
{
    if (port.empty() || port.size() > 5) {
        return false;
    }
    unsigned value = 0;
    for (char c : port) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    return value >= 1 && value <= 65535;
}

// The characters a path, query or fragment may carry unescaped.
bool isAddressCharacter(char c)
{
    return isAsciiLetterOrDigit(c) || std::string_view("-._~!$&'()*+,;=:@/?#").find(c) != std::string_view::npos;
}

bool isPathQueryAndFragment(std::string_view rest)
{
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == '%') {
            if (i + 2 >= rest.size() || !isHexDigit(rest[i + 1]) || !isHexDigit(rest[i + 2])) {
                return false;
            }
            i += 2;
        } else if (!isAddressCharacter(rest[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<WebAddress> WebAddress::parse(std::string_view text)
{
    if (!text.starts_with(scheme)) {
        return std::nullopt;
    }
    const std::size_t authorityEnd = std::min(text.find_first_of("/?#", scheme.size()), text.size());
    const std::string_view authority = text.substr(scheme.size(), authorityEnd - scheme.size());
    const std::size_t colon = authority.find(':');
    const std::string_view host = authority.substr(0, colon);
    if (!isHostName(host)) {
        return std::nullopt;
    }
    if (colon != std::string_view::npos && !isPort(authority.substr(colon + 1))) {
        return std::nullopt;
    }
    if (!isPathQueryAndFragment(text.substr(authorityEnd))) {
        return std::nullopt;
    }
    return WebAddress(std::string(text), scheme.size() + host.size());
}

std::string_view WebAddress::host() const
{
    return std::string_view(text_).substr(scheme.size(), hostEnd_ - scheme.size());
}

} // namespace quellarine
