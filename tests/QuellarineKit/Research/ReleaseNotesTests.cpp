#include "QuellarineKit/Research/DiskNoteFolder.h"
#include "QuellarineKit/Research/ReleaseNotes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quellarine {
namespace {

namespace fs = std::filesystem;
using ReleaseNotes::inlineMarkdown;
using ReleaseNotes::isNewer;
using ReleaseNotes::parse;
using ReleaseNotes::versionNumbers;

// A folder of notes of the test's own, removed afterwards.
class NotesFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "release-notes-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root = pattern;
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::permissions(root, fs::perms::owner_all, ignored);
        fs::remove_all(root, ignored);
    }

    void write(const fs::path& relative, const std::string& content)
    {
        fs::create_directories((root / relative).parent_path());
        std::ofstream(root / relative, std::ios::binary) << content;
    }
    // A note whose headline names where it came from.
    void note(const fs::path& relative, const std::string& headline) { write(relative, "<h2>" + headline + "</h2>"); }

    std::vector<std::string> versions(const std::vector<ReleaseNote>& notes)
    {
        std::vector<std::string> result;
        for (const ReleaseNote& note : notes) {
            result.push_back(note.version);
        }
        return result;
    }
    std::vector<std::string> headlines(const std::vector<ReleaseNote>& notes)
    {
        std::vector<std::string> result;
        for (const ReleaseNote& note : notes) {
            result.push_back(note.headline);
        }
        return result;
    }

    fs::path root;
};

TEST_F(NotesFolderTest, OnlyValidlyNamedReadableUtf8FilesLoadNewestFirstInNumericOrder)
{
    for (const char* version : {"1.2.0", "1.10.0", "1.9.3", "0.9.0"}) {
        note(std::string(version) + ".html", version);
    }
    note("1..4.0.html", "empty pieces are dropped");
    for (const char* skipped : {"notes.html", "1.2.html", "1.2.3.4.html", "1.2.3.HTML", "1.2.3.htm", "-1.2.3.html",
                                "1.2.99999999999999999999.html", ".1.2.4.html", "1.2.5.html~", "sub/1.2.6.html"}) {
        note(skipped, skipped);
    }
    fs::create_directories(root / "2.0.0.html");
    write("3.0.0.html", "<h2>caf\xC3</h2>");      // cut off in the middle of a character
    write("3.0.1.html", "<h2>\xC0\xAF</h2>");     // an overlong "/"
    write("3.0.2.html", "<h2>\xED\xA0\x80</h2>"); // a lone surrogate
    note("3.0.3.html", "\xF0\x9F\x91\x8B hello"); // a four-byte character is fine
    write("3.0.4.html", "");

    const std::vector<ReleaseNote> notes = ReleaseNotes::load(DiskNoteFolder(root));
    EXPECT_EQ(versions(notes),
              (std::vector<std::string>{"3.0.4", "3.0.3", "1.10.0", "1.9.3", "1..4.0", "1.2.0", "0.9.0"}));
    EXPECT_EQ(notes[0], (ReleaseNote{"3.0.4", "Quellarine 3.0.4", std::nullopt, {}}));
    EXPECT_EQ(notes[1].headline, "\xF0\x9F\x91\x8B hello");
    EXPECT_EQ(notes[4].headline, "empty pieces are dropped");
}

TEST_F(NotesFolderTest, AMissingOrUnreadableFolderGivesNoNotes)
{
    EXPECT_TRUE(ReleaseNotes::load(DiskNoteFolder(root / "missing")).empty());
    EXPECT_TRUE(ReleaseNotes::load(DiskNoteFolder(root / "missing"), "fr").empty());

    note("1.0.0.html", "one");
    note("1.0.1.html", "two");
    if (geteuid() != 0) {
        fs::permissions(root / "1.0.1.html", fs::perms::none);
        EXPECT_EQ(versions(ReleaseNotes::load(DiskNoteFolder(root))), std::vector<std::string>{"1.0.0"});
        fs::permissions(root, fs::perms::none);
        EXPECT_TRUE(ReleaseNotes::load(DiskNoteFolder(root)).empty());
    }
}

TEST_F(NotesFolderTest, ATranslationReplacesItsBaseNoteWholeAndAddsNoVersions)
{
    write("1.4.0.html", "<h2>Base</h2><p>Intro</p><ul><li>One</li><li>Two</li></ul>");
    note("1.3.0.html", "Base 1.3");
    write("fr/1.4.0.html", "<h2>Français</h2>");
    note("fr/9.9.9.html", "only in French");
    note("pt-BR/1.3.0.html", "Português");
    note("zh-Hans/1.4.0.html", "中文");
    note("fr_FR/1.4.0.html", "underscore");
    note("de-DE-x/1.4.0.html", "three parts");

    const auto french = ReleaseNotes::load(DiskNoteFolder(root), "fr");
    EXPECT_EQ(versions(french), (std::vector<std::string>{"1.4.0", "1.3.0"}));
    // Replaced as a whole: the French file has no intro and no items, so neither has the note.
    EXPECT_EQ(french[0], (ReleaseNote{"1.4.0", "Français", std::nullopt, {}}));
    EXPECT_EQ(french[1].headline, "Base 1.3");

    EXPECT_EQ(headlines(ReleaseNotes::load(DiskNoteFolder(root), "pt-BR")),
              (std::vector<std::string>{"Base", "Português"}));
    EXPECT_EQ(headlines(ReleaseNotes::load(DiskNoteFolder(root), "zh-Hans")),
              (std::vector<std::string>{"中文", "Base 1.3"}));

    const auto base = ReleaseNotes::load(DiskNoteFolder(root));
    for (const std::optional<std::string>& language : std::vector<std::optional<std::string>>{
             std::nullopt, "en", "fr_FR", "de-DE-x", "FR", "f", "", "../fr", "fr/..", "es"}) {
        EXPECT_EQ(ReleaseNotes::load(DiskNoteFolder(root), language), base) << language.value_or("(none)");
    }
}

TEST(ReleaseNoteVersionsTest, TheVersionRule)
{
    using Numbers = std::array<std::int64_t, 3>;
    EXPECT_EQ(versionNumbers("1.4.0"), (Numbers{1, 4, 0}));
    EXPECT_EQ(versionNumbers("1..2.3"), (Numbers{1, 2, 3}));
    EXPECT_EQ(versionNumbers(".1.2.3."), (Numbers{1, 2, 3}));
    EXPECT_EQ(versionNumbers("+1.2.3"), (Numbers{1, 2, 3}));
    EXPECT_EQ(versionNumbers("01.+02.003"), (Numbers{1, 2, 3}));
    EXPECT_EQ(versionNumbers("-0.1.2"), (Numbers{0, 1, 2}));
    EXPECT_EQ(versionNumbers("1.2.9223372036854775807"), (Numbers{1, 2, 9223372036854775807}));
    for (const char* invalid :
         {"", "1.2", "1.2.3.4", "-1.2.3", "1.2.99999999999999999999", "1.2.9223372036854775808", "1.2.x", "1.2.3a",
          "1. 2.3", "1.2.+", "1.2.+-3", "1.2.++3", "1.2.0x3", "١.٢.٣", "..."}) {
        EXPECT_EQ(versionNumbers(invalid), std::nullopt) << invalid;
    }
}

TEST(ReleaseNoteVersionsTest, NewerIsAStrictOrderWithInvalidVersionsLast)
{
    EXPECT_TRUE(isNewer("1.10.0", "1.9.3"));
    EXPECT_FALSE(isNewer("1.9.3", "1.10.0"));
    EXPECT_TRUE(isNewer("0.0.1", "notes"));
    EXPECT_FALSE(isNewer("notes", "0.0.1"));
    EXPECT_FALSE(isNewer("notes", "other"));
    EXPECT_FALSE(isNewer("1.2.3", "+1.2.3"));

    // Over random texts, valid and not: never both ways, never a version newer than itself, and transitive.
    std::mt19937 random(31);
    const std::vector<std::string> pieces{"0", "1", "2", "10", "+3", "-1", "x", "", "99999999999999999999"};
    auto version = [&] {
        std::string text;
        const int count = 2 + static_cast<int>(random() % 3);
        for (int piece = 0; piece < count; ++piece) {
            text += (piece ? "." : "") + pieces[random() % pieces.size()];
        }
        return text;
    };
    for (int round = 0; round < 3000; ++round) {
        const std::string a = version(), b = version(), c = version();
        EXPECT_FALSE(isNewer(a, a)) << a;
        EXPECT_FALSE(isNewer(a, b) && isNewer(b, a)) << a << " " << b;
        if (isNewer(a, b) && isNewer(b, c)) {
            EXPECT_TRUE(isNewer(a, c)) << a << " " << b << " " << c;
        }
        EXPECT_EQ(isNewer(a, b), versionNumbers(a) && (!versionNumbers(b) || *versionNumbers(a) > *versionNumbers(b)));
    }
}

TEST(ReleaseNoteMarkupTest, InlineMarkupBecomesMarkdown)
{
    EXPECT_EQ(inlineMarkdown("Use <b>Strong</b> &amp; <code>max_speed</code> in snake_case"),
              "Use **Strong** & `max_speed` in snake\\_case");
    EXPECT_EQ(inlineMarkdown("<STRONG>a*b</Strong>"), "**a\\*b**");
    EXPECT_EQ(inlineMarkdown("See <a href=\"https://example.org/a_b\">the <i>guide</i></a>."),
              "See [the guide](https://example.org/a_b).");
    // Other schemes, spaces and brackets in the address, attributes before href, or a capital A: only the text.
    for (const char* tag :
         {"<a href=\"javascript:alert(1)\">", "<a href=\"http://example.org\">", "<a href=\"https://example.org/a b\">",
          "<a href=\"https://example.org/(x)\">", "<a class=\"x\" href=\"https://example.org\">",
          "<A href=\"https://example.org\">", "<a href='https://example.org'>", "<a href=\"https://example.org>"}) {
        EXPECT_EQ(inlineMarkdown(std::string(tag) + "text</a>"), "text") << tag;
    }
    // Tags inside a link are dropped, except bold and code; a link does not open inside another.
    EXPECT_EQ(inlineMarkdown("<a href=\"https://a.org\">x<a href=\"https://b.org\">y</a>z</a>"),
              "[xy](https://a.org)z");
    EXPECT_EQ(inlineMarkdown("<a href=\"https://a.org\"><b>x</b></a>"), "[**x**](https://a.org)");
    EXPECT_EQ(inlineMarkdown("<a href=\"https://a.org\">never closed"), "[never closed");
}

TEST(ReleaseNoteMarkupTest, ReferencesAreDecodedOnceAndWhiteSpaceCollapses)
{
    EXPECT_EQ(inlineMarkdown("&amp;lt;b&amp;gt; &lt;b&gt; &quot;&#39;&apos;&mdash;&ndash;&rsquo;&lsquo;&ldquo;&rdquo;"),
              "&lt;b&gt; <b> \"''\u2014\u2013\u2019\u2018\u201C\u201D");
    EXPECT_EQ(inlineMarkdown("&unknown; &AMP; &amp"), "&unknown; &AMP; &amp");
    EXPECT_EQ(inlineMarkdown("  a&nbsp;&nbsp;b \t\n c\xC2\xA0\xE2\x80\xA8\xE3\x80\x80"
                             "d\r\n"),
              "a b c d");
    // A zero-width space is no white space.
    EXPECT_EQ(inlineMarkdown("a\xE2\x80\x8B"
                             "b"),
              "a\xE2\x80\x8B"
              "b");
    // A bare "<" swallows up to the next ">", or stays when there is none.
    EXPECT_EQ(inlineMarkdown("1 < 2 and 3 > 2"), "1 2");
    EXPECT_EQ(inlineMarkdown("1 < 2"), "1 < 2");
    EXPECT_EQ(inlineMarkdown("<code>x</code> < y_z"), "`x` < y\\_z");
    // Inside code nothing is escaped; a code tag left open keeps the rest unescaped.
    EXPECT_EQ(inlineMarkdown("<code>a*b_c &amp;</code>"), "`a*b_c &`");
    EXPECT_EQ(inlineMarkdown("<code>a_b"), "`a_b");
}

// Replacing the reference table's rows one after the other over the whole text, as the format defines it.
std::string decodedRowByRow(std::string text)
{
    const std::pair<const char*, const char*> rows[]
        = {{"&lt;", "<"},         {"&gt;", ">"},         {"&quot;", "\""},      {"&#39;", "'"},
           {"&apos;", "'"},       {"&nbsp;", " "},       {"&mdash;", "\u2014"}, {"&ndash;", "\u2013"},
           {"&rsquo;", "\u2019"}, {"&lsquo;", "\u2018"}, {"&ldquo;", "\u201C"}, {"&rdquo;", "\u201D"},
           {"&amp;", "&"}};
    for (const auto& [from, to] : rows) {
        std::string result;
        const std::string needle = from;
        std::size_t start = 0;
        for (std::size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, start)) {
            result += text.substr(start, at - start) + to;
            start = at + needle.size();
        }
        text = result + text.substr(start);
    }
    return text;
}

TEST(ReleaseNoteMarkupTest, DecodingMatchesTheTableAppliedRowByRow)
{
    std::mt19937 random(7);
    const std::vector<std::string> fragments{"&",      "amp;",    "lt;",   "&lt",    ";",       "gt",     "&#39;",
                                             "&apos;", "nbsp;",   "&nbsp", "mdash;", "&ndash;", "rsquo;", "&lsquo;",
                                             "ldquo;", "&rdquo;", "quot;", "x",      "&amp;"};
    for (int round = 0; round < 5000; ++round) {
        std::string text;
        for (int piece = 0; piece < 8; ++piece) {
            text += fragments[random() % fragments.size()];
        }
        // Spaces the decoding makes would be collapsed; "x" keeps the comparison about references alone.
        if (decodedRowByRow(text).find(' ') != std::string::npos) {
            continue;
        }
        EXPECT_EQ(inlineMarkdown("<code>" + text + "</code>"), "`" + decodedRowByRow(text) + "`") << text;
    }
}

TEST(ReleaseNoteParsingTest, HeadlineIntroAndItemsFromTheirElements)
{
    const std::string html = "<html><body>\n<!-- comment --><H2>Faster <b>click_guard</b> *now*</H2>\n"
                             "<p>First\nparagraph</p><p>Second</p>\n<ul>\n  <LI>One <code>x_y</code></li>\n"
                             "  <li>Two\n  lines</Li>\n</ul><h2>Second headline</h2></body></html>";
    EXPECT_EQ(parse(html, "1.2.0"),
              (ReleaseNote{"1.2.0", "Faster click_guard *now*", "First paragraph", {"One `x_y`", "Two lines"}}));

    // An opening tag with an attribute is not one of the three.
    EXPECT_EQ(parse("<h2 class=\"x\">Title</h2><p id=\"a\">x</p>", "2.0.0"),
              (ReleaseNote{"2.0.0", "Quellarine 2.0.0", std::nullopt, {}}));
    // Content ends at the first closing tag; an unclosed element is no element.
    EXPECT_EQ(parse("<li>a<li>b</li>c</li><li>never closed", "1.0.0").items, (std::vector<std::string>{"ab"}));
    EXPECT_EQ(parse("<h2>Title", "1.0.0").headline, "Quellarine 1.0.0");
    EXPECT_EQ(parse("<p></p><li> </li>", "1.0.0"), (ReleaseNote{"1.0.0", "Quellarine 1.0.0", "", {""}}));
}

TEST(ReleaseNoteParsingTest, ATenMegabyteFileParsesWhole)
{
    // Far beyond what a recursive regular expression survives: one element spanning it all, then many small ones.
    std::string html = "<h2>Big</h2><p>";
    html.reserve(11'000'000);
    while (html.size() < 10'000'000) {
        html += "line of text with <b>bold</b> and &amp; and snake_case\n";
    }
    html += "</p>";
    for (int item = 0; item < 20'000; ++item) {
        html += "<li>item " + std::to_string(item) + "</li>";
    }
    html += "<li>unclosed " + std::string(100'000, 'x');

    const ReleaseNote note = parse(html, "1.0.0");
    EXPECT_EQ(note.headline, "Big");
    ASSERT_TRUE(note.intro);
    EXPECT_TRUE(note.intro->starts_with("line of text with **bold** and & and snake\\_case line"));
    EXPECT_EQ(note.intro->find('\n'), std::string::npos);
    ASSERT_EQ(note.items.size(), 20'000u);
    EXPECT_EQ(note.items.back(), "item 19999");
}

} // namespace
} // namespace quellarine
