#include "Quellarine/Pages/WhatsNew/InlineMarkdown.h"

#include "QuellarineKit/Research/ReleaseNotes.h"
#include "QuellarineKit/Support/WebAddress.h"

#include <gtest/gtest.h>

#include <random>

namespace quellarine {

// How a failing expectation prints a run.
[[maybe_unused]] static void PrintTo(const InlineMarkdown::Run& run, std::ostream* out)
{
    *out << "{\"" << run.text.toStdString() << "\"" << (run.bold ? " bold" : "") << (run.code ? " code" : "")
         << (run.link.isEmpty() ? "" : " -> " + run.link.toStdString()) << "}";
}

namespace {

using TextRun = InlineMarkdown::Run;
using Runs = QList<TextRun>;

TextRun text(const char* value)
{
    return TextRun{QString::fromUtf8(value), false, false, {}};
}
TextRun bold(const char* value)
{
    return TextRun{QString::fromUtf8(value), true, false, {}};
}
TextRun code(const char* value)
{
    return TextRun{QString::fromUtf8(value), false, true, {}};
}
TextRun link(const char* value, const char* address, bool isBold = false)
{
    return TextRun{QString::fromUtf8(value), isBold, false, QString::fromUtf8(address)};
}

Runs runs(const char* markdown)
{
    return InlineMarkdown::runs(QString::fromUtf8(markdown));
}

TEST(InlineMarkdownTest, WhatTheNotesProduceIsFormatted)
{
    EXPECT_EQ(runs("Use **Strong** & `max_speed` in snake\\_case"),
              (Runs{text("Use "), bold("Strong"), text(" & "), code("max_speed"), text(" in snake_case")}));
    EXPECT_EQ(runs("See [the **guide**](https://example.org/a_b)."),
              (Runs{text("See "), link("the ", "https://example.org/a_b"),
                    link("guide", "https://example.org/a_b", true), text(".")}));
    EXPECT_EQ(runs("**[bold link](https://a.org)** and \\*stars\\*"),
              (Runs{link("bold link", "https://a.org", true), text(" and *stars*")}));
    EXPECT_EQ(runs("``a ` b`` \\` \\\\ \\q"), (Runs{code("a ` b"), text(" ` \\ \\q")}));
    EXPECT_EQ(runs(""), Runs{});
}

TEST(InlineMarkdownTest, UnbalancedOrForeignMarkupStaysText)
{
    for (const char* literal :
         {"**open", "open**", "`open", "a **** b", "[text](https://a.org", "[text]", "[text](javascript:alert(1))",
          "[text](http://a.org)", "[text](https://a.org/a b)", "[text](//a.org)", "<b>html</b> &lt;b&gt; &amp;",
          "<https://a.org>", "_em_ *em*", "# heading", "> quote", "- item", "a\\"}) {
        EXPECT_EQ(runs(literal), Runs{text(literal)}) << literal;
    }
    // An image is no image: its text stays as a link after the "!".
    EXPECT_EQ(runs("![alt](https://a.org/x.png)"), (Runs{text("!"), link("alt", "https://a.org/x.png")}));
    // Links never nest: the inner one wins and the outer brackets are text.
    EXPECT_EQ(runs("[[in](https://a.org) out](https://b.org)"),
              (Runs{text("["), link("in", "https://a.org"), text(" out](https://b.org)")}));
    // "**" does not pair across a link's edge.
    EXPECT_EQ(runs("**a [b** c](https://a.org)"), (Runs{text("**a "), link("b** c", "https://a.org")}));
}

// A random piece of release-note HTML and what it must show: its text, and which of it is bold, code or linked.
struct Sample {
    std::string html;
    std::string plain;
    std::string bold;
    std::string code;
    std::string linked;
};

class SampleMaker {
public:
    explicit SampleMaker(unsigned seed)
        : random_(seed)
    {
    }

    Sample make()
    {
        Sample sample;
        sequence(sample, 0, false, false);
        return sample;
    }

private:
    // Text as written in HTML and as it reads.
    std::pair<std::string, std::string> words()
    {
        static const std::vector<std::pair<std::string, std::string>> pieces{
            {"a", "a"},     {"bc", "bc"},    {" ", " "},    {"*", "*"},           {"_", "_"},
            {"&amp;", "&"}, {"&lt;", "<"},   {"&gt;", ">"}, {"&amp;lt;", "&lt;"}, {"x_y*z", "x_y*z"},
            {"\n", " "},    {"&nbsp;", " "}, {"(", "("}};
        std::pair<std::string, std::string> result;
        const int count = 1 + static_cast<int>(random_() % 4);
        for (int piece = 0; piece < count; ++piece) {
            const auto& [html, shown] = pieces[random_() % pieces.size()];
            result.first += html;
            result.second += shown;
        }
        // Something visible, so no element is empty.
        result.first += "w";
        result.second += "w";
        return result;
    }

    void sequence(Sample& sample, int depth, bool inBold, bool inLink)
    {
        const int count = 1 + static_cast<int>(random_() % 4);
        for (int element = 0; element < count; ++element) {
            const unsigned kind = depth >= 2 ? 0 : random_() % 4;
            if (kind == 1 && !inBold) {
                sample.html += "<b>";
                sequence(sample, depth + 1, true, inLink);
                sample.html += "</b>";
            } else if (kind == 2) {
                const auto [html, shown] = words();
                sample.html += "<code>" + html + "</code>";
                sample.plain += shown;
                sample.code += shown;
                (inBold ? sample.bold : noWhere_) += shown;
                (inLink ? sample.linked : noWhere_) += shown;
            } else if (kind == 3 && !inLink) {
                sample.html += "<a href=\"https://example.org/n_1\">";
                sequence(sample, depth + 1, inBold, true);
                sample.html += "</a>";
            } else {
                const auto [html, shown] = words();
                sample.html += html;
                sample.plain += shown;
                (inBold ? sample.bold : noWhere_) += shown;
                (inLink ? sample.linked : noWhere_) += shown;
            }
            // Text between elements keeps "**" from touching "**".
            const auto [html, shown] = words();
            sample.html += html;
            sample.plain += shown;
            (inBold ? sample.bold : noWhere_) += shown;
            (inLink ? sample.linked : noWhere_) += shown;
        }
    }

    std::mt19937 random_;
    std::string noWhere_;
};

std::string withoutSpaces(QString text)
{
    text.remove(u' ');
    return text.toStdString();
}

std::string withoutSpaces(const std::string& text)
{
    return withoutSpaces(QString::fromStdString(text));
}

TEST(InlineMarkdownTest, NotesReadBackAsTheirHtmlSaysOverRandomFragments)
{
    for (unsigned seed = 0; seed < 2000; ++seed) {
        const Sample sample = SampleMaker(seed).make();
        const QString markdown = QString::fromStdString(ReleaseNotes::inlineMarkdown(sample.html));
        const Runs result = InlineMarkdown::runs(markdown);

        QString bolds, codes, linked;
        for (qsizetype index = 0; index < result.size(); ++index) {
            const TextRun& run = result[index];
            ASSERT_FALSE(run.text.isEmpty()) << sample.html;
            if (index > 0) {
                const TextRun& previous = result[index - 1];
                EXPECT_FALSE(previous.bold == run.bold && previous.code == run.code && previous.link == run.link);
            }
            if (run.bold) {
                bolds += run.text;
            }
            if (run.code) {
                codes += run.text;
            }
            if (!run.link.isEmpty()) {
                EXPECT_EQ(run.link, QStringLiteral("https://example.org/n_1"));
                linked += run.text;
            }
        }
        const std::string shown = InlineMarkdown::plainText(result).simplified().toStdString();
        ASSERT_EQ(shown, QString::fromStdString(sample.plain).simplified().toStdString()) << sample.html << "\n"
                                                                                          << markdown.toStdString();
        EXPECT_EQ(withoutSpaces(bolds), withoutSpaces(sample.bold)) << sample.html;
        EXPECT_EQ(withoutSpaces(codes), withoutSpaces(sample.code)) << sample.html;
        EXPECT_EQ(withoutSpaces(linked), withoutSpaces(sample.linked)) << sample.html;
    }
}

TEST(InlineMarkdownTest, AnyTextGivesRunsWhoseLinksAreSecureAddresses)
{
    std::mt19937 random(24);
    const std::vector<QString> pieces{"*",
                                      "**",
                                      "`",
                                      "``",
                                      "[",
                                      "]",
                                      "](",
                                      "(",
                                      ")",
                                      "\\",
                                      "a",
                                      " ",
                                      "https://a.org",
                                      "javascript:x",
                                      "https://a.org/ b",
                                      "&amp;",
                                      "<",
                                      ">",
                                      "\u00e9",
                                      "\U0001F44B"};
    for (int round = 0; round < 5000; ++round) {
        QString markdown;
        const int count = static_cast<int>(random() % 16);
        for (int piece = 0; piece < count; ++piece) {
            markdown += pieces[random() % pieces.size()];
        }
        const Runs result = InlineMarkdown::runs(markdown);
        for (const TextRun& run : result) {
            EXPECT_FALSE(run.text.isEmpty()) << markdown.toStdString();
            if (!run.link.isEmpty()) {
                EXPECT_TRUE(WebAddress::parse(run.link.toStdString())) << markdown.toStdString();
            }
        }
        // Markup is taken away, never added.
        EXPECT_LE(InlineMarkdown::plainText(result).size(), markdown.size()) << markdown.toStdString();
    }
}

} // namespace
} // namespace quellarine
