#include "Quellarine/Desktop/UserAccount.h"

#include <pwd.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

TEST(UserAccountTest, TheFullNameIsTheCommentUpToItsFirstComma)
{
    EXPECT_EQ(UserAccount::fullNameFromComment("Ada Lovelace,Room 12,555-0100,"), QStringLiteral("Ada Lovelace"));
    EXPECT_EQ(UserAccount::fullNameFromComment("Zoë Ångström"), QStringLiteral("Zoë Ångström"));
    EXPECT_EQ(UserAccount::fullNameFromComment(",,,"), QString());
    EXPECT_EQ(UserAccount::fullNameFromComment(""), QString());
    EXPECT_EQ(UserAccount::fullNameFromComment(nullptr), QString());

    // This account's own entry, as the system gives it.
    const passwd* entry = getpwuid(getuid());
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(UserAccount::fullName(), UserAccount::fullNameFromComment(entry->pw_gecos));
}

} // namespace
} // namespace quellarine
