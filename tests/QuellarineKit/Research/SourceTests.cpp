#include "QuellarineKit/Research/Source.h"

#include <gtest/gtest.h>

#include <regex>
#include <stdexcept>

using quellarine::Source;

TEST(SourceTest, TenSourcesInIdOrder)
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

TEST(SourceTest, FirstSourceIsTheStudyOfKeyboardAndMouseErrors)
{
    const Source& source = Source::withID(1);
    EXPECT_EQ(source.cite, "Trewin & Pain, 1999");
    EXPECT_EQ(source.title, "Keyboard and mouse errors due to motor disabilities");
    EXPECT_EQ(source.venue, "International Journal of Human-Computer Studies 50(2), 109\u2013144");
    ASSERT_TRUE(source.url);
    EXPECT_EQ(source.url->text(), "https://doi.org/10.1006/ijhc.1998.0238");
}

TEST(SourceTest, PublishedStudiesLinkAndTheOwnMeasurementDoesNot)
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
    EXPECT_EQ(own.venue,
              "A recorded trackpad movement with a steady simulated 6 Hz shake added. Our own "
              "measurement, not a published study.");
}

TEST(SourceTest, CitationsNameAuthorsAndYearInTheirForm)
{
    // Two surnames joined by " & ", three with a comma first, or one followed by " et al.", then the year.
    const std::regex form("[A-Z][A-Za-z]+(( & |, [A-Z][A-Za-z]+ & )[A-Z][A-Za-z]+| et al\\.), (19|20)\\d\\d");
    for (int id = 1; id < Source::ownMeasurementID; ++id) {
        EXPECT_TRUE(std::regex_match(Source::withID(id).cite, form)) << Source::withID(id).cite;
    }
    EXPECT_EQ(Source::withID(2).cite, "Trewin, Keates & Moffatt, 2006");
    EXPECT_EQ(Source::withID(6).cite, "Bhatia et al., 2018");
}

TEST(SourceTest, PageRangesUseAnEnDash)
{
    const std::regex hyphenRange("\\d-\\d");
    int ranges = 0;
    for (const Source& source : Source::all()) {
        EXPECT_FALSE(std::regex_search(source.venue, hyphenRange)) << source.venue;
        ranges += source.venue.find("\u2013") != std::string::npos;
    }
    EXPECT_EQ(ranges, 7);
}
