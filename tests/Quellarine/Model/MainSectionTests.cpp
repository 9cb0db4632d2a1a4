#include "Quellarine/Model/MainSection.h"

#include <gtest/gtest.h>

#include <unordered_set>

namespace quellarine {
namespace {

TEST(MainSectionTest, RawNamesRoundTripExactly)
{
    for (MainSection section : MainSection::allCases()) {
        EXPECT_EQ(MainSection::fromRaw(section.rawValue()), section);
    }
    EXPECT_EQ(MainSection::fromRaw(QStringLiteral("whatsNew")), MainSection::whatsNew);
    for (const char* raw : {"Home", "HOME", "", " home", "home ", "settings", "whatsnew"}) {
        EXPECT_EQ(MainSection::fromRaw(QString::fromLatin1(raw)), std::nullopt) << raw;
    }
}

TEST(MainSectionTest, CasesSidebarTitlesAndSymbols)
{
    const std::vector<MainSection> all(MainSection::allCases().begin(), MainSection::allCases().end());
    EXPECT_EQ(
        all,
        (std::vector<MainSection>{MainSection::home, MainSection::calibration, MainSection::research, MainSection::help,
                                  MainSection::feedback, MainSection::whatsNew, MainSection::profile}));
    const std::vector<MainSection> rows(MainSection::sidebar().begin(), MainSection::sidebar().end());
    EXPECT_EQ(rows, std::vector<MainSection>(all.begin(), all.end() - 1)) << "the profile has no row";

    const char* titles[]
        = {"Overview", "Tuned to your hand", "Why it works", "Help", "Feedback", "What's New", "Profile"};
    const char* symbols[]
        = {"house",     "hand.raised.fingers.spread", "text.book.closed", "questionmark.circle", "text.bubble",
           "megaphone", "person.crop.circle"};
    std::unordered_set<MainSection> seen;
    for (std::size_t index = 0; index < all.size(); ++index) {
        EXPECT_EQ(all[index].title(), QString::fromUtf8(titles[index]));
        EXPECT_EQ(all[index].symbol(), QString::fromLatin1(symbols[index]));
        seen.insert(all[index]);
    }
    EXPECT_EQ(seen.size(), 7u);
}

} // namespace
} // namespace quellarine
