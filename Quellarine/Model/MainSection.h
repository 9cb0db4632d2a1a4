#pragma once

#include <QString>

#include <array>
#include <cstddef>
#include <functional>
#include <optional>

namespace quellarine {

// The pages of the main window, each with its title and symbol (the tint is the brand's: `tint` in Components). The raw
// value is the case name.
class MainSection {
public:
    enum Value { home, calibration, research, help, feedback, whatsNew, profile };

    constexpr MainSection(Value value)
        : value_(value)
    {
    }
    constexpr operator Value() const { return value_; }

    // Every section in declaration order.
    static const std::array<MainSection, 7>& allCases();
    // The sections the sidebar lists as rows, in order; the profile is reached through its card instead.
    static const std::array<MainSection, 6>& sidebar();

    // Exact, case-sensitive match of a raw name; anything else gives none.
    static std::optional<MainSection> fromRaw(const QString& raw);
    QString rawValue() const;

    // The localised title: the sidebar row's label and the window's title while the section is shown.
    QString title() const;
    // The symbol of the sidebar's icon tile.
    QString symbol() const;

private:
    Value value_;
};

} // namespace quellarine

template <>
struct std::hash<quellarine::MainSection> {
    std::size_t operator()(quellarine::MainSection section) const noexcept
    {
        return std::hash<int>{}(static_cast<int>(static_cast<quellarine::MainSection::Value>(section)));
    }
};
