#include "Quellarine/Model/MainSection.h"

#include <QCoreApplication>

namespace quellarine {

const std::array<MainSection, 7>& MainSection::allCases()
{
    static const std::array<MainSection, 7> cases{home, calibration, research, help, feedback, whatsNew, profile};
    return cases;
}

const std::array<MainSection, 6>& MainSection::sidebar()
{
    static const std::array<MainSection, 6> rows{home, calibration, research, help, feedback, whatsNew};
    return rows;
}

std::optional<MainSection> MainSection::fromRaw(const QString& raw)
{
    for (MainSection section : allCases()) {
        if (section.rawValue() == raw) {
            return section;
        }
    }
    return std::nullopt;
}

QString MainSection::rawValue() const
{
    switch (value_) {
    case home:
        return QStringLiteral("home");
    case calibration:
        return QStringLiteral("calibration");
    case research:
        return QStringLiteral("research");
    case help:
        return QStringLiteral("help");
    case feedback:
        return QStringLiteral("feedback");
    case whatsNew:
        return QStringLiteral("whatsNew");
    case profile:
        return QStringLiteral("profile");
    }
    return {};
}

QString MainSection::title() const
{
    switch (value_) {
    case home:
        return QCoreApplication::translate("MainSection", "Overview");
    case calibration:
        return QCoreApplication::translate("MainSection", "Tuned to your hand");
    case research:
        return QCoreApplication::translate("MainSection", "Why it works");
    case help:
        return QCoreApplication::translate("MainSection", "Help");
    case feedback:
        return QCoreApplication::translate("MainSection", "Feedback");
    case whatsNew:
        return QCoreApplication::translate("MainSection", "What's New");
    case profile:
        return QCoreApplication::translate("MainSection", "Profile");
    }
    return {};
}

QString MainSection::symbol() const
{
    switch (value_) {
    case home:
        return QStringLiteral("house");
    case calibration:
        return QStringLiteral("hand.raised.fingers.spread");
    case research:
        return QStringLiteral("text.book.closed");
    case help:
        return QStringLiteral("questionmark.circle");
    case feedback:
        return QStringLiteral("text.bubble");
    case whatsNew:
        return QStringLiteral("megaphone");
    case profile:
        return QStringLiteral("person.crop.circle");
    }
    return {};
}

} // namespace quellarine
