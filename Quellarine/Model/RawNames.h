#pragma once

#include <QLatin1String>
#include <QString>

#include <array>
#include <cstddef>
#include <optional>

namespace quellarine {

// The stored names of an enumeration's cases, in declaration order: the name of a case, and the case of a name
// (exact and case-sensitive; anything else gives none).
template <typename Enum, std::size_t count>
struct RawNames {
    std::array<const char*, count> names;

    QString of(Enum value) const { return QString::fromLatin1(names.at(static_cast<std::size_t>(value))); }

    std::optional<Enum> find(const QString& raw) const
    {
        for (std::size_t index = 0; index < count; ++index) {
            if (raw == QLatin1String(names[index])) {
                return static_cast<Enum>(index);
            }
        }
        return std::nullopt;
    }
};

} // namespace quellarine
