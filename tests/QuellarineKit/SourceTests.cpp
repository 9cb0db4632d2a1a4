#include "QuellarineKit/Source.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <stdexcept>

using quellarine::Source;

TEST(SourceTests, TenSourcesInIdOrder)
{
    const auto& sources = Source::all();
    ASSERT_EQ(sources.size(), 10u);
    for (std::size_t i = 0; i < sources.size(); ++i) {
        EXPECT_EQ(sources[i].id, static_cast<int>(i) + 1);
        EXPECT_EQ(&Source::withID(sources[i].id), &sources[i]);
    }
    EXPECT_THROW(Source::withID(0), std::out_of_range);
    EXPECT_THROW(Source::withID(11), std::out_of_range);
}

TEST(SourceTests, FirstSourceIsTheStudyOfKeyboardAndMouseErrors)
{
    const Source& source = Source::withID(1);
    EXPECT_EQ(source.cite, "Trewin & Pain, 1999");
    EXPECT_EQ(source.title, "Keyboard and mouse errors due to motor disabilities");
    EXPECT_EQ(source.venue, "International Journal of Human-Computer Studies 50(2), 109\u2013144");
    ASSERT_TRUE(source.url);
    EXPECT_EQ(source.url->text(), "https://doi.org/10.1006/ijhc.1998.0238");
}

TEST(SourceTests, PublishedStudiesLinkAndTheOwnMeasurementDoesNot)
{
    for (const Source& source : Source::all()) {
        if (source.id == Source::ownMeasurementID) {
            EXPECT_FALSE(source.url);
        } else {
            ASSERT_TRUE(source.url) << source.id;
            const auto host = source.url->host();
            const bool expected = source.id == 5 ? host == "pubmed.ncbi.nlm.nih.gov"
                : source.id == 8                 ? source.url->text().ends_with(".pdf")
                                                 : host == "doi.org";
            EXPECT_TRUE(expected) << source.url->text();
        }
    }
    const Source& own = Source::withID(Source::ownMeasurementID);
    EXPECT_EQ(own.cite, "Quellarine test, 2026");
    EXPECT_EQ(own.title, "The Balanced preset against plain smoothing with the same 25 ms delay");
    EXPECT_EQ(own.venue, "A recorded trackpad movement with a steady simulated 6 Hz shake added. Our own "
                         "measurement, not a published study.");
}

TEST(SourceTests, CitationsNameAuthorsAndYearInTheirForm)
{
    // Two authors joined by " & ", three with a comma first, or one followed by " et al.".
    const std::regex two("[A-Z][A-Za-z]+ & [A-Z][A-Za-z]+, (\\d{4})");
    const std::regex three("[A-Z][A-Za-z]+, [A-Z][A-Za-z]+ & [A-Z][A-Za-z]+, (\\d{4})");
    const std::regex many("[A-Z][A-Za-z]+ et al\\., (\\d{4})");
    const std::map<int, std::pair<const std::regex*, std::string>> forms{
        {1, {&two, "1999"}},  {2, {&three, "2006"}}, {3, {&many, "2001"}}, {4, {&two, "2008"}},
        {5, {&two, "1996"}},  {6, {&many, "2018"}},  {7, {&two, "1993"}},  {8, {&many, "2009"}},
        {9, {&two, "2010"}},
    };
    for (const auto& [id, form] : forms) {
        std::smatch match;
        const std::string& cite = Source::withID(id).cite;
        ASSERT_TRUE(std::regex_match(cite, match, *form.first)) << cite;
        EXPECT_EQ(match[1], form.second) << cite;
    }
}

TEST(SourceTests, PageRangesUseAnEnDash)
{
    const std::regex hyphenRange("\\d-\\d");
    int ranges = 0;
    for (const Source& source : Source::all()) {
        EXPECT_FALSE(std::regex_search(source.venue, hyphenRange)) << source.venue;
        ranges += source.venue.find("\u2013") != std::string::npos;
    }
    EXPECT_EQ(ranges, 7);
}
