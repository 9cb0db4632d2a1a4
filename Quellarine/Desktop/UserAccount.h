#pragma once

#include <QString>

namespace quellarine {

// The user's account on this computer, as the password database describes it.
class UserAccount {
public:
    UserAccount() = delete;

    // The account's full name: the comment field of the user's password entry up to its first comma (the rest
    // holds office and telephone numbers); empty when the entry or the name is missing.
    static QString fullName();
    // The name part of a password entry's comment field.
    static QString fullNameFromComment(const char* comment);
};

} // namespace quellarine
