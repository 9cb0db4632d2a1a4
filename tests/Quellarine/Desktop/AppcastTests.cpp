#include "Quellarine/Desktop/Appcast.h"
#include "Quellarine/Desktop/NumericCompare.h"

#include <gtest/gtest.h>

using namespace quellarine;

namespace {

QByteArray feed(const QByteArray& items)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
           "<rss version=\"2.0\" xmlns:q=\"https://example.org/appcast\"><channel><title>Quellarine</title>"
        + items + "</channel></rss>";
}

} // namespace

TEST(NumericCompareTest, DigitRunsCompareByValue)
{
    EXPECT_TRUE(numericCompare(u"10", u"9") > 0);
    EXPECT_TRUE(numericCompare(u"1.10", u"1.9") > 0);
    EXPECT_TRUE(numericCompare(u"1.9", u"1.10") < 0);
    EXPECT_TRUE(numericCompare(u"1.10", u"1.10") == 0);
    EXPECT_TRUE(numericCompare(u"007", u"7") == 0);
    EXPECT_TRUE(numericCompare(u"123456789012345678901234567890", u"99999999999999999999") > 0);
    // Suffixes and extra parts count; nothing is dropped.
    EXPECT_TRUE(numericCompare(u"1.2b", u"1.2") > 0);
    EXPECT_TRUE(numericCompare(u"1.0.0", u"1.0") > 0);
    EXPECT_TRUE(numericCompare(u"1.2b", u"1.2a") > 0);
}

TEST(AppcastTest, ReadsReleasesAndPicksTheHighestBuild)
{
    auto appcast = Appcast::parse(feed(R"(
        <item><title>9</title><q:version>9</q:version><q:shortVersionString>0.9</q:shortVersionString>
          <enclosure url="https://example.org/q-0.9.tar.gz" length="10" type="application/gzip"/></item>
        <item><link>https://example.org/releases/1.10</link>
          <q:releaseNotesLink> https://example.org/notes/1.10.html </q:releaseNotesLink>
          <enclosure url="https://example.org/q-1.10.tar.gz" q:version="10" q:shortVersionString="1.10"/></item>
        <item><link>http://example.org/plain</link><q:version>8</q:version>
          <enclosure url="https://example.org/q-8.tar.gz"/></item>)"));

    ASSERT_EQ(appcast.items.size(), 3u);
    const AppcastItem& newest = appcast.newest();
    EXPECT_EQ(newest.versionString, QStringLiteral("10"));
    EXPECT_EQ(newest.displayVersionString, QStringLiteral("1.10"));
    EXPECT_EQ(newest.fileURL, QUrl(QStringLiteral("https://example.org/q-1.10.tar.gz")));
    EXPECT_EQ(newest.infoURL, QUrl(QStringLiteral("https://example.org/releases/1.10")));
    EXPECT_EQ(newest.releaseNotesURL, QUrl(QStringLiteral("https://example.org/notes/1.10.html")));
    // No display version falls back to the build; a plain-http page is left out.
    EXPECT_EQ(appcast.items[2].displayVersionString, QStringLiteral("8"));
    EXPECT_TRUE(appcast.items[2].infoURL.isEmpty());
}

TEST(AppcastTest, UnusableFeedsAreRefused)
{
    const QByteArray good = R"(<enclosure url="https://example.org/q.tar.gz" q:version="2"/>)";
    const QList<QByteArray> documents{
        "",
        "not xml at all",
        feed("<item>" + good + "</item><item>"),
        feed(""),
        "<feed><entry/></feed>",
        feed(R"(<item><enclosure url="http://example.org/q.tar.gz" q:version="2"/></item>)"),
        feed(R"(<item><enclosure url="/q.tar.gz" q:version="2"/></item>)"),
        feed(R"(<item><enclosure url="https://example.org/q.tar.gz"/></item>)"),
        feed("<item><q:version>2</q:version></item>"),
        "<?xml version=\"1.0\"?><!DOCTYPE rss [<!ENTITY a \"aaaa\">]>" + feed("<item>" + good + "</item>").mid(39),
        // Fields far longer than a release's are not stored or shown.
        feed("<item><q:version>" + QByteArray(900000, '9') + "</q:version>" + good + "</item>"),
        feed("<item><q:shortVersionString>" + QByteArray(65, '1') + "</q:shortVersionString>" + good + "</item>"),
        feed(R"(<item><enclosure url="https://example.org/q.tar.gz" q:version=")" + QByteArray(65, '2')
             + R"("/></item>)"),
        feed(R"(<item><enclosure url="https://example.org/q.tar.gz" q:version="2" q:shortVersionString=")"
             + QByteArray(65, '2') + R"("/></item>)"),
        feed(R"(<item><enclosure url="https://example.org/)" + QByteArray(2048, 'q') + R"(" q:version="2"/></item>)"),
        feed("<item><link>https://example.org/" + QByteArray(2048, 'l') + "</link>" + good + "</item>"),
    };
    for (int index = 0; index < documents.size(); ++index) {
        EXPECT_THROW(Appcast::parse(documents[index]), AppcastError) << index;
    }
    EXPECT_NO_THROW(Appcast::parse(feed("<item>" + good + "</item>")));
    EXPECT_NO_THROW(Appcast::parse(
        feed("<item><q:shortVersionString>" + QByteArray(64, '1') + "</q:shortVersionString>" + good + "</item>")));
}
