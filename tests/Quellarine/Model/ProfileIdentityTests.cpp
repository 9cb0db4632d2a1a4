#include "TestAppModel.h"

#include "Quellarine/Model/ProfileIdentity.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

TEST(ProfileIdentityTest, InitialsTakeTheFirstClusterOfTheFirstTwoWords)
{
    const std::vector<std::pair<QString, QString>> cases{
        {QStringLiteral("mary ann lee"), QStringLiteral("MA")},
        {QStringLiteral("jo.doe"), QStringLiteral("JD")},
        {QStringLiteral("jo-doe"), QStringLiteral("J")},
        {QStringLiteral("ada@example"), QStringLiteral("AE")},
        {QStringLiteral("...."), QString()},
        {QString(), QString()},
        {QStringLiteral("  ..@ ada  . . lovelace @"), QStringLiteral("AL")},
        // Only the three separators separate.
        {QStringLiteral("ada\tlovelace"), QStringLiteral("A")},
        {QStringLiteral("ada\u00A0lovelace"), QStringLiteral("A")},
        // One character may become several: the default case mapping, whatever the locale.
        {QStringLiteral("ßa ıb"), QStringLiteral("SSI")},
        {QStringLiteral("ilke şahin"), QStringLiteral("IŞ")},
        // Whole clusters: an accent built of two code points, an emoji family, a flag.
        {QStringLiteral("e\u0301lodie"), QStringLiteral("E\u0301")},
        {QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467 fan"),
         QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467F")},
        {QStringLiteral("\U0001F1EB\U0001F1F7.zoe"), QStringLiteral("\U0001F1EB\U0001F1F7Z")},
        // A separator carrying a combining mark is another character: it separates nothing.
        {QStringLiteral("a \u0301b"), QStringLiteral("A")},
        {QStringLiteral("a.\u0301b c"), QStringLiteral("AC")},
        {QStringLiteral("ليلى حسن"), QStringLiteral("لح")},
    };
    for (const auto& [name, initials] : cases) {
        EXPECT_EQ(ProfileIdentity::initials(name), initials) << name.toStdString();
    }
}

TEST(ProfileIdentityTest, TheEmailLosesSpacesAndTabsAtItsEndsButNotLineBreaks)
{
    EXPECT_EQ(ProfileIdentity::email(QStringLiteral(" \t\u00A0ada@example.org\u2003\u3000 ")),
              QStringLiteral("ada@example.org"));
    EXPECT_EQ(ProfileIdentity::email(QStringLiteral("a da@example.org")), QStringLiteral("a da@example.org"));
    for (const QString& blank : {QString(), QStringLiteral("   "), QStringLiteral("\u00A0\u202F\u205F\t")}) {
        EXPECT_EQ(ProfileIdentity::email(blank), std::nullopt) << blank.toStdString();
    }
    EXPECT_EQ(ProfileIdentity::email(QStringLiteral("\nada@example.org ")), QStringLiteral("\nada@example.org"));
}

class ProfileNameTest : public ::testing::Test, protected testing::TestAppModel {};

TEST_F(ProfileNameTest, TheGivenNameThenTheAccountsThenYou)
{
    accountFullName = QStringLiteral("Augusta Ada King");
    EXPECT_EQ(model().profileName(), QStringLiteral("Augusta Ada King"));
    EXPECT_EQ(model().profileInitials(), QStringLiteral("AA"));

    model().profile().setDetails({QStringLiteral("  "), QString(), QString()});
    EXPECT_EQ(model().profileName(), QStringLiteral("Augusta Ada King"));
    model().profile().setDetails({QStringLiteral("mary"), QStringLiteral("ann lee"), QStringLiteral(" \u00A0")});
    EXPECT_EQ(model().profileName(), QStringLiteral("mary ann lee"));
    EXPECT_EQ(model().profileInitials(), QStringLiteral("MA"));
    EXPECT_EQ(model().profileEmail(), std::nullopt);

    model().profile().setDetails({});
    accountFullName.clear();
    EXPECT_EQ(model().profileName(), QStringLiteral("You"));
    EXPECT_EQ(model().profileInitials(), QStringLiteral("Y"));
}

} // namespace
} // namespace quellarine
